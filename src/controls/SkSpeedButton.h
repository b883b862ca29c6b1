#pragma once

#include "ActionBearing.h"

#include <QToolButton>

class QMenu;

// A speed button of a scene; its action string runs on clicked(). With a non-zero group index it
// stays down when clicked, and of the buttons of one parent with the same group index at most one
// is down. It takes no keyboard focus.
class TSkSpeedButton : public QToolButton, public ActionBearing {
    Q_OBJECT
public:
    explicit TSkSpeedButton(QWidget* parent = nullptr);

    // Set and cleared by the command that lets a grouped button come up on its second click.
    bool DownMark = false;

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);

    bool Down() const { return isChecked(); }
    // Only a grouped button goes down; it releases the others of its group. Any button can be
    // released by code, leaving its group with none down.
    void SetDown(bool down);

    // Shows the menu arrow beside the button, even without a menu, and opens `menu` from it.
    void SetChevronMenu(QMenu* menu);
    bool ShowsChevron() const { return popupMode() == QToolButton::MenuButtonPopup; }

protected:
    void nextCheckState() override;

private:
    void ReleaseGroup();

    int groupIndex_ = 0;
};
