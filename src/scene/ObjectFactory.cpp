#include "ObjectFactory.h"

#include "ComponentNames.h"
#include "ErrorGuard.h"
#include "PlaceholderControl.h"
#include "SkButton.h"
#include "SkCheckBox.h"
#include "SkComboBox.h"
#include "SkEditBox.h"
#include "SkFlash.h"
#include "SkForm.h"
#include "SkGif.h"
#include "SkLabel.h"
#include "SkListBox.h"
#include "SkMedia.h"
#include "SkPanel.h"
#include "SkPic.h"
#include "SkProgressBar.h"
#include "SkRadioButton.h"
#include "SkScrollBox.h"
#include "SkSpeedButton.h"
#include "SkSpinEdit.h"
#include "SkSplitter.h"
#include "SkStract.h"
#include "SkTrackBar.h"
#include "ThemeObject.h"

#include <QMenu>

namespace {

// Menus and media players belong to the window; every other control to its parent.
bool IsOwnedByWindow(Family family)
{
    return family == Family::PopMenu || family == Family::Media;
}

// Controls that start with the theme's "default" object.
bool TakesDefaultTheme(Family family)
{
    switch (family) {
    case Family::Button:
    case Family::SpButton:
    case Family::Panel:
    case Family::Split:
    case Family::Label:
    case Family::TrackBar:
    case Family::ListBox:
    case Family::ScrollBox:
        return true;
    default:
        return false;
    }
}

}  // namespace

ObjectFactory::Created ObjectFactory::Create(Family family, QWidget* parent, const QString& name)
{
    ComponentNames::Claim(IsOwnedByWindow(family) ? static_cast<QObject*>(scene_.Form()) : parent, name);
    Created created = NewControl(family, parent);
    created.object->setObjectName(name);
    if (auto* box = qobject_cast<TSkCheckBox*>(created.object))
        box->setText(name);  // until a "caption" key replaces it
    auto* widget = qobject_cast<QWidget*>(created.object);
    if (widget && TakesDefaultTheme(family))
        SetThemeObject(widget, QStringLiteral("default"));
    if (widget && !IsOwnedByWindow(family))
        widget->show();
    return created;
}

ObjectFactory::Created ObjectFactory::NewControl(Family family, QWidget* parent)
{
    switch (family) {
    case Family::Button:
        return Clickable(new TSkButton(parent), &TSkButton::clicked);
    case Family::SpButton:
        return Clickable(new TSkSpeedButton(parent), &TSkSpeedButton::clicked);
    case Family::Panel: {
        auto* panel = new TSkPanel(parent);
        Clickable(panel, &TSkPanel::doubleClicked);
        return {panel, panel};
    }
    case Family::Split:
        return {new TSkSplitter(parent)};
    case Family::Label:
        return {new TSkLabel(parent)};
    case Family::TrackBar:
        return {new TSkTrackBar(parent)};
    case Family::ListBox:
        return Clickable(new TSkListBox(parent), &TSkListBox::entryClicked);
    case Family::EditBox:
        return EditBox(parent);
    case Family::CheckBox:
        return Clickable(new TSkCheckBox(parent), &TSkCheckBox::toggled);
    case Family::RButton:
        return {new TSkRadioButton(parent)};
    case Family::ProgressBar:
        return {new TSkProgressBar(parent)};
    case Family::ComboBox:
        return Clickable(new TSkComboBox(parent), &TSkComboBox::valueChosen);
    case Family::SpinEdit:
        return {new TSkSpinEdit(parent)};
    case Family::ScrollBox: {
        auto* box = new TSkScrollBox(parent);
        return {box, box->ContentWidget()};
    }
    case Family::Pic:
        return {new TSkPic(parent)};
    case Family::PopMenu:
        return {new QMenu(scene_.Form())};
    case Family::Media:
        return {new TSkMedia(scene_.Form(), parent)};
    case Family::Gif:
        return {new TSkGif(parent)};
    case Family::Flash:
        return Flash(parent);
    case Family::ParentPanel: {
        auto* container = new PlaceholderControl(FamilyTypeName(family), parent);
        return {container, container};
    }
    default:
        return {new PlaceholderControl(FamilyTypeName(family), parent)};
    }
}

ObjectFactory::Created ObjectFactory::Flash(QWidget* parent)
{
    auto* flash = new TSkFlash(parent);
    flash->OnAction = [scene = &scene_](const RHelpAction& action) { scene->DispatchAction(action); };
    return {flash, flash};
}

ObjectFactory::Created ObjectFactory::EditBox(QWidget* parent)
{
    auto* edit = new TSkEditBox(parent);
    QObject::connect(edit, &TSkEditBox::keyDown, edit, [scene = &scene_, edit](int key, Qt::KeyboardModifiers) {
        GuardedCall([&] { scene->ControlKeyDown(edit, key); });
    });
    return {edit};
}

template <typename Control, typename Signal>
ObjectFactory::Created ObjectFactory::Clickable(Control* control, Signal signal)
{
    // Errors of the action end here, in the slot: they must not unwind through Qt's signal code.
    QObject::connect(control, signal, control, [scene = &scene_, control] {
        GuardedCall([&] { scene->ControlClick(control); });
    });
    return {control};
}
