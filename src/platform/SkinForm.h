#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>

class CaptionBar;
class QWidget;

// The skin hook of a top-level window. It makes the window frameless and gives it our own frame:
// a caption bar above the client area, inside a border by which a sizeable window is resized. It
// keeps the window state (normal, maximized, minimized, or rolled up to its caption), plays a
// show animation, and applies the theme: a Qt style sheet on the window, and the property
// "themeObject" that style sheets select on ([themeObject="..."]).
//
// The window must not have a layout of its own: content goes into ClientArea(). The hook belongs
// to the window (its QObject parent). Object names for style sheets: "skinFrame" (the border,
// drawn in the palette's highlight colour, which "selection-background-color" sets),
// "skinClientArea", and those of CaptionBar.
class SkinForm : public QObject {
    Q_OBJECT
public:
    enum CaptionButton { Help = 1, Minimize = 2, Maximize = 4, Close = 8, SystemMenu = 16 };
    enum class BorderStyle { Normal, None };
    enum class WindowState { Normal, Maximized, Minimized, RolledUp };

    explicit SkinForm(QWidget* window);

    QWidget* ClientArea() const { return client_; }

    // Caption buttons, as CaptionButton flags; all of them but Help at the start. SystemMenu is
    // the icon, which (like a right click on the caption) opens the window menu.
    void SetButtons(int buttons);
    void AddButtons(int buttons) { SetButtons(buttons_ | buttons); }
    void RemoveButtons(int buttons) { SetButtons(buttons_ & ~buttons); }
    int Buttons() const { return buttons_; }

    // A sizeable window (the start) is resized by its border and maximized by a double click on
    // the caption.
    void SetSizeable(bool sizeable) { sizeable_ = sizeable; }
    bool Sizeable() const { return sizeable_; }

    // None: no caption bar and no border.
    void SetBorderStyle(BorderStyle style);
    BorderStyle Border() const { return border_; }

    // The window's minimum size; 0 leaves that direction to the content.
    void SetMinimumSize(int width, int height);
    void SetStayOnTop(bool onTop);

    WindowState State() const;
    void SetState(WindowState state);
    void ToggleMaximized();

    // Runs before every change between maximized and normal that the hook makes (caption button,
    // double click, window menu, SetState); the change always goes ahead.
    void SetOnMaximize(std::function<void()> handler) { onMaximize_ = std::move(handler); }
    // Runs after the window's size changed, before the window's own resize handling.
    void SetOnResize(std::function<void()> handler) { onResize_ = std::move(handler); }
    // Runs when the help caption button is clicked, with the cursor's screen position.
    void SetOnHelp(std::function<void(QPoint)> handler) { onHelp_ = std::move(handler); }

    // Nested: the window paints again when every suspension has been resumed.
    void SuspendPainting();
    void ResumePainting();

    // While on, every show of the window plays the effect (see ShowEffects.h); a name we do not
    // have shows the window at once. May be called from the window's own show handling.
    void SetAnimation(bool on, int milliseconds, const QString& effect);

    // The window menu shows this menu's actions after its own.
    void SetSystemMenu(QMenu* menu) { systemMenu_ = menu; }

    void SetThemeLink(const QString& styleSheetText);
    void SetThemeObject(const QString& themeObject);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectCaption();
    void SetWindowFlag(Qt::WindowType flag, bool on);
    bool CanResize() const;
    void ApplyFrame();
    void ApplySizeLimits();
    void ApplyWindowState(Qt::WindowStates wanted);
    void SetRolledUp(bool rolledUp);
    int RolledUpHeight() const;
    void ShowWindowMenu(QPoint globalPos);
    void PaintFrame();

    QWidget* window_;
    QWidget* frame_;
    CaptionBar* caption_;
    QWidget* client_;
    int buttons_ = Minimize | Maximize | Close | SystemMenu;
    bool sizeable_ = true;
    BorderStyle border_ = BorderStyle::Normal;
    QSize minimum_{0, 0};
    bool rolledUp_ = false;
    int unrolledHeight_ = 0;
    int paintSuspensions_ = 0;
    bool animate_ = false;
    int animationMilliseconds_ = 0;
    QString effect_;
    QPointer<QMenu> systemMenu_;
    std::function<void()> onMaximize_;
    std::function<void()> onResize_;
    std::function<void(QPoint)> onHelp_;
};
