#include "SkinForm.h"

#include "CaptionBar.h"
#include "ResizeBorder.h"
#include "ShowEffects.h"

#include <QCursor>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {

// Width of the border around the caption and the client area, which is also the resize grip.
constexpr int kBorderWidth = 4;

// Handlers are called through a copy: one may replace itself while it runs.
template <typename Handler, typename... Args>
void Call(const Handler& handler, Args... args)
{
    if (handler) {
        const Handler copy = handler;
        copy(args...);
    }
}

}  // namespace

SkinForm::SkinForm(QWidget* window)
    : QObject(window),
      window_(window),
      frame_(new QWidget(window)),
      caption_(new CaptionBar(window, frame_)),
      client_(new QWidget(frame_))
{
    SetWindowFlag(Qt::FramelessWindowHint, true);
    window_->setAttribute(Qt::WA_StyledBackground);  // a theme may give the window a background
    frame_->setObjectName(QStringLiteral("skinFrame"));
    client_->setObjectName(QStringLiteral("skinClientArea"));
    auto* outer = new QVBoxLayout(window_);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame_);
    auto* inner = new QVBoxLayout(frame_);
    inner->setSpacing(0);
    inner->addWidget(caption_);
    inner->addWidget(client_, 1);
    new ResizeBorder(window_, frame_, kBorderWidth, [this] { return CanResize(); }, this);
    caption_->SetButtons(buttons_);
    ApplyFrame();
    ConnectCaption();
    window_->installEventFilter(this);
    frame_->installEventFilter(this);
}

void SkinForm::SetButtons(int buttons)
{
    buttons_ = buttons;
    caption_->SetButtons(buttons);
}

void SkinForm::SetBorderStyle(BorderStyle style)
{
    border_ = style;
    if (style == BorderStyle::None && rolledUp_)
        SetRolledUp(false);  // nothing would be left to see
    ApplyFrame();
}

void SkinForm::SetMinimumSize(int width, int height)
{
    minimum_ = QSize(std::max(width, 0), std::max(height, 0));
    ApplySizeLimits();
}

void SkinForm::SetStayOnTop(bool onTop)
{
    SetWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

SkinForm::WindowState SkinForm::State() const
{
    if (window_->isMinimized())
        return WindowState::Minimized;
    if (rolledUp_)
        return WindowState::RolledUp;
    return window_->isMaximized() ? WindowState::Maximized : WindowState::Normal;
}

// Every state is reached from the normal one: a rolled-up window is unrolled first.
void SkinForm::SetState(WindowState state)
{
    if (state == State() || (state == WindowState::RolledUp && border_ == BorderStyle::None))
        return;
    if (rolledUp_)
        SetRolledUp(false);
    switch (state) {
    case WindowState::Normal:
        ApplyWindowState(Qt::WindowNoState);
        break;
    case WindowState::Maximized:
        ApplyWindowState(Qt::WindowMaximized);
        break;
    case WindowState::Minimized:  // keeps the maximized flag, so the window comes back as it was
        ApplyWindowState((window_->windowState() & Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case WindowState::RolledUp:
        ApplyWindowState(Qt::WindowNoState);
        SetRolledUp(true);
        break;
    }
}

void SkinForm::ToggleMaximized()
{
    SetState(State() == WindowState::Maximized ? WindowState::Normal : WindowState::Maximized);
}

void SkinForm::SuspendPainting()
{
    if (paintSuspensions_++ == 0)
        window_->setUpdatesEnabled(false);
}

void SkinForm::ResumePainting()
{
    if (paintSuspensions_ > 0 && --paintSuspensions_ == 0)
        window_->setUpdatesEnabled(true);
}

void SkinForm::SetAnimation(bool on, int milliseconds, const QString& effect)
{
    animate_ = on;
    animationMilliseconds_ = milliseconds;
    effect_ = effect;
}

void SkinForm::SetThemeLink(const QString& styleSheetText)
{
    window_->setStyleSheet(styleSheetText);
}

void SkinForm::SetThemeObject(const QString& themeObject)
{
    window_->setProperty("themeObject", themeObject);
    window_->setStyleSheet(window_->styleSheet());  // the style sheet selects anew
}

bool SkinForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == frame_) {
        if (event->type() == QEvent::Paint)
            PaintFrame();
        return false;
    }
    switch (event->type()) {
    case QEvent::Resize:
        Call(onResize_);
        break;
    case QEvent::ShowToParent:  // sent once the show, with the window's own show handling, is done
        if (animate_)
            PlayShowEffect(*window_, effect_, animationMilliseconds_);
        break;
    case QEvent::WindowStateChange:
        caption_->SetMaximized(window_->isMaximized());
        ApplyFrame();
        break;
    default:
        break;
    }
    return false;
}

void SkinForm::ConnectCaption()
{
    connect(caption_, &CaptionBar::HelpClicked, this, [this] { Call(onHelp_, QCursor::pos()); });
    connect(caption_, &CaptionBar::MinimizeClicked, this, [this] { SetState(WindowState::Minimized); });
    connect(caption_, &CaptionBar::MaximizeClicked, this, &SkinForm::ToggleMaximized);
    connect(caption_, &CaptionBar::CloseClicked, window_, &QWidget::close);
    connect(caption_, &CaptionBar::DoubleClicked, this, [this] {
        if (sizeable_)
            ToggleMaximized();
    });
    connect(caption_, &CaptionBar::MenuRequested, this, &SkinForm::ShowWindowMenu);
}

// Changing the flags of a shown window hides it; it is shown again, without the show animation.
void SkinForm::SetWindowFlag(Qt::WindowType flag, bool on)
{
    if (window_->windowFlags().testFlag(flag) == on)
        return;
    const bool shown = window_->isVisible();
    window_->setWindowFlag(flag, on);
    if (shown) {
        const bool animate = std::exchange(animate_, false);
        window_->show();
        animate_ = animate;
    }
}

bool SkinForm::CanResize() const
{
    return sizeable_ && border_ == BorderStyle::Normal && State() == WindowState::Normal;
}

// The caption and the border are there with the normal border style; a maximized window has no
// border.
void SkinForm::ApplyFrame()
{
    const bool framed = border_ == BorderStyle::Normal;
    caption_->setVisible(framed);
    const int width = framed && !window_->isMaximized() ? kBorderWidth : 0;
    frame_->layout()->setContentsMargins(width, width, width, width);
    frame_->update();
}

// A rolled-up window is as high as its caption and border, whatever its minimum height.
void SkinForm::ApplySizeLimits()
{
    window_->setMinimumSize(minimum_.width(), rolledUp_ ? 0 : minimum_.height());
    window_->setMaximumHeight(rolledUp_ ? RolledUpHeight() : QWIDGETSIZE_MAX);
    // Where no minimum is set, the layout's own minimum (caption, border) applies again at once.
    window_->layout()->invalidate();
    window_->layout()->activate();
}

// The maximize handler runs for a change between maximized and normal, not when a minimized
// window comes back.
void SkinForm::ApplyWindowState(Qt::WindowStates wanted)
{
    if (!window_->isMinimized() && ((window_->windowState() ^ wanted) & Qt::WindowMaximized))
        Call(onMaximize_);
    const Qt::WindowStates kept =
        window_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    window_->setWindowState(kept | wanted);
}

void SkinForm::SetRolledUp(bool rolledUp)
{
    if (rolledUp)
        unrolledHeight_ = window_->height();
    rolledUp_ = rolledUp;
    client_->setVisible(!rolledUp);
    ApplySizeLimits();
    window_->resize(window_->width(), rolledUp ? RolledUpHeight() : unrolledHeight_);
}

// The caption and border alone, once the client area is hidden.
int SkinForm::RolledUpHeight() const
{
    return window_->minimumSizeHint().height();
}

void SkinForm::ShowWindowMenu(QPoint globalPos)
{
    if (!(buttons_ & SystemMenu))
        return;
    const WindowState state = State();
    QMenu menu;
    const auto addItem = [&](const QString& text, WindowState target, bool enabled) {
        QAction* action = menu.addAction(text);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, target] { SetState(target); });
    };
    addItem(QStringLiteral("Восстановить"), WindowState::Normal, state != WindowState::Normal);
    if (buttons_ & Minimize)
        addItem(QStringLiteral("Свернуть"), WindowState::Minimized, true);
    if (buttons_ & Maximize)
        addItem(QStringLiteral("Развернуть"), WindowState::Maximized, state != WindowState::Maximized);
    addItem(QStringLiteral("Свернуть в заголовок"), WindowState::RolledUp, state != WindowState::RolledUp);
    if (buttons_ & Close) {
        menu.addSeparator();
        connect(menu.addAction(QStringLiteral("Закрыть")), &QAction::triggered, window_, &QWidget::close);
    }
    if (systemMenu_ && !systemMenu_->isEmpty()) {
        menu.addSeparator();
        menu.addActions(systemMenu_->actions());
    }
    menu.exec(globalPos);
}

// The border in the palette's highlight colour, with a darker outer line.
void SkinForm::PaintFrame()
{
    const int width = frame_->layout()->contentsMargins().left();
    if (width == 0)
        return;
    const QRect outer = frame_->rect();
    const QColor colour = frame_->palette().color(QPalette::Highlight);
    QPainter painter(frame_);
    painter.setClipRegion(QRegion(outer) - QRegion(outer.marginsRemoved(QMargins(width, width, width, width))));
    painter.fillRect(outer, colour);
    painter.setPen(colour.darker(140));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
}
