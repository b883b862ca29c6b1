#include "SkSpeedButton.h"

#include <QMenu>

TSkSpeedButton::TSkSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TSkSpeedButton::SetGroupIndex(int index)
{
    groupIndex_ = index;
    setCheckable(index != 0);  // an ungrouped button never stays down
    if (Down())
        ReleaseGroup();
}

void TSkSpeedButton::SetDown(bool down)
{
    if (down && groupIndex_ == 0)
        return;
    setChecked(down);
    if (down)
        ReleaseGroup();
}

void TSkSpeedButton::SetChevronMenu(QMenu* menu)
{
    setPopupMode(QToolButton::MenuButtonPopup);
    setMenu(menu);
}

// A click puts a grouped button down; a button already down stays down.
void TSkSpeedButton::nextCheckState()
{
    SetDown(true);
}

void TSkSpeedButton::ReleaseGroup()
{
    if (!parentWidget())
        return;
    for (auto* other : parentWidget()->findChildren<TSkSpeedButton*>(Qt::FindDirectChildrenOnly)) {
        if (other != this && other->groupIndex_ == groupIndex_)
            other->setChecked(false);
    }
}
