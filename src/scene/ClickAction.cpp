#include "ClickAction.h"

#include "ActionBearing.h"
#include "SkButton.h"
#include "SkCheckBox.h"
#include "SkComboBox.h"
#include "SkListBox.h"
#include "SkPanel.h"
#include "SkSpeedButton.h"
#include "SkStract.h"
#include "TextUtils.h"

namespace {

// Buttons open pop-up menus just below themselves.
RHelpAction FromButton(QWidget* button, const QString& action)
{
    const QPoint corner = button->mapToGlobal(QPoint(0, 0));
    return RHelpAction{action, button->height(), corner.x(), corner.y()};
}

std::optional<RHelpAction> FromListBox(const TSkListBox& list)
{
    const QString value = list.EntryValue(list.currentRow());
    if (value.isEmpty())
        return std::nullopt;
    return RHelpAction{FillTemplate(list.ActionText, value, true)};
}

RHelpAction FromCheckBox(TSkStract& scene, TSkCheckBox& box)
{
    const bool checked = box.isChecked();
    for (const QString& name : box.EnableList()) {
        if (auto* control = qobject_cast<QWidget*>(scene.GetControl(name)))
            control->setEnabled(checked);
    }
    return RHelpAction{FillTemplate(box.ActionText, checked ? QStringLiteral("-1") : QStringLiteral("0"), true)};
}

}  // namespace

std::optional<RHelpAction> ClickAction(TSkStract& scene, QObject* sender)
{
    if (auto* combo = qobject_cast<TSkComboBox*>(sender))
        return RHelpAction{FillTemplate(combo->ActionText, combo->SelectedValue(), false)};
    if (auto* list = qobject_cast<TSkListBox*>(sender))
        return FromListBox(*list);
    if (auto* button = qobject_cast<TSkButton*>(sender))
        return FromButton(button, button->ActionText);
    if (auto* speedButton = qobject_cast<TSkSpeedButton*>(sender))
        return FromButton(speedButton, speedButton->ActionText);
    if (auto* panel = qobject_cast<TSkPanel*>(sender))
        return RHelpAction{panel->ActionText};
    if (auto* box = qobject_cast<TSkCheckBox*>(sender))
        return FromCheckBox(scene, *box);
    return std::nullopt;
}
