#include "CaptionBar.h"

#include "SkinForm.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int kHeight = 28;
constexpr QSize kButtonSize(34, 24);

const QString kMenuGlyph = QStringLiteral("\u2630");
const QString kMaximizeGlyph = QStringLiteral("\u25A1");
const QString kRestoreGlyph = QStringLiteral("\u2750");

QFont TitleFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

QString MaximizeToolTip(bool maximized)
{
    return maximized ? QStringLiteral("Восстановить") : QStringLiteral("Развернуть");
}

}  // namespace

CaptionBar::CaptionBar(QWidget* window, QWidget* parent)
    : QWidget(parent),
      window_(window),
      icon_(AddButton("captionIcon", QString(), QStringLiteral("Меню окна"))),
      title_(new QLabel(window->windowTitle(), this)),
      help_(AddButton("captionHelpButton", QStringLiteral("?"), QStringLiteral("Справка"))),
      minimize_(AddButton("captionMinimizeButton", QStringLiteral("\u2014"), QStringLiteral("Свернуть"))),
      maximize_(AddButton("captionMaximizeButton", kMaximizeGlyph, MaximizeToolTip(false))),
      close_(AddButton("captionCloseButton", QStringLiteral("\u2715"), QStringLiteral("Закрыть")))
{
    setObjectName(QStringLiteral("captionBar"));
    setFixedHeight(kHeight);
    UseHighlightColours();
    title_->setObjectName(QStringLiteral("captionTitle"));
    title_->setFont(TitleFont());
    icon_->setFixedWidth(kHeight - 2);
    title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long title is cut
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(icon_);
    layout->addWidget(title_, 1);
    for (QToolButton* button : {help_, minimize_, maximize_, close_})
        layout->addWidget(button);

    connect(icon_, &QToolButton::clicked, this,
            [this] { emit MenuRequested(icon_->mapToGlobal(icon_->rect().bottomLeft())); });
    connect(help_, &QToolButton::clicked, this, &CaptionBar::HelpClicked);
    connect(minimize_, &QToolButton::clicked, this, &CaptionBar::MinimizeClicked);
    connect(maximize_, &QToolButton::clicked, this, &CaptionBar::MaximizeClicked);
    connect(close_, &QToolButton::clicked, this, &CaptionBar::CloseClicked);
    ShowWindowIcon();
    window_->installEventFilter(this);
}

void CaptionBar::SetButtons(int buttons)
{
    icon_->setVisible(buttons & SkinForm::SystemMenu);
    help_->setVisible(buttons & SkinForm::Help);
    minimize_->setVisible(buttons & SkinForm::Minimize);
    maximize_->setVisible(buttons & SkinForm::Maximize);
    close_->setVisible(buttons & SkinForm::Close);
}

void CaptionBar::SetMaximized(bool maximized)
{
    maximized_ = maximized;
    maximize_->setText(maximized ? kRestoreGlyph : kMaximizeGlyph);
    maximize_->setToolTip(MaximizeToolTip(maximized));
    maximize_->setProperty("windowMaximized", maximized);
    maximize_->style()->unpolish(maximize_);  // style sheets may select on the property
    maximize_->style()->polish(maximize_);
}

bool CaptionBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::WindowTitleChange)
        title_->setText(window_->windowTitle());
    else if (watched == window_ && event->type() == QEvent::WindowIconChange)
        ShowWindowIcon();
    return false;
}

void CaptionBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !maximized_)
        pressPos_ = event->globalPosition().toPoint();
    event->accept();
}

// The move starts once the cursor has gone the drag distance, so clicks and double-clicks stay
// clicks.
void CaptionBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint cursor = event->globalPosition().toPoint();
    if (moveOffset_)
        window_->move(cursor - *moveOffset_);
    else if (pressPos_ && (cursor - *pressPos_).manhattanLength() >= QApplication::startDragDistance())
        StartMove(cursor);
}

void CaptionBar::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    pressPos_.reset();
    moveOffset_.reset();
}

void CaptionBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit DoubleClicked();
}

void CaptionBar::contextMenuEvent(QContextMenuEvent* event)
{
    emit MenuRequested(event->globalPos());
}

// The caption takes the selection colours of the palette; a style sheet that draws the bar
// replaces them.
void CaptionBar::UseHighlightColours()
{
    QPalette colours = palette();
    const QColor background = colours.color(QPalette::Highlight);
    const QColor text = colours.color(QPalette::HighlightedText);
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::Button, background);
    colours.setColor(QPalette::WindowText, text);
    colours.setColor(QPalette::ButtonText, text);
    setPalette(colours);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_StyledBackground);
}

QToolButton* CaptionBar::AddButton(const char* objectName, const QString& glyph, const QString& toolTip)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setText(glyph);
    button->setToolTip(toolTip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kButtonSize);
    button->setFont(TitleFont());
    return button;
}

// The window's icon, or a menu sign where it has none.
void CaptionBar::ShowWindowIcon()
{
    const QIcon icon = window_->windowIcon();
    icon_->setIcon(icon);
    icon_->setText(icon.isNull() ? kMenuGlyph : QString());
}

// The platform moves the window where it can; elsewhere the bar follows the cursor itself.
void CaptionBar::StartMove(QPoint cursor)
{
    const QPoint pressPos = *pressPos_;
    pressPos_.reset();
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    moveOffset_ = pressPos - window_->pos();
    window_->move(cursor - *moveOffset_);
}
