#include "SkForm.h"

#include "ErrorGuard.h"
#include "Notebook.h"
#include "ProgramExit.h"
#include "ShortCut.h"
#include "SkinForm.h"
#include "WindowDefaults.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int kAnimationMilliseconds = 500;

bool IsRestartKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Q
        && (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier))
               == (Qt::ControlModifier | Qt::AltModifier);
}

}  // namespace

TSkForm::TSkForm(QWidget* owner)
    : QWidget(owner, Qt::Window),
      skin_(new SkinForm(this)),
      systemMenu_(new QMenu(this))
{
    qApp->installEventFilter(this);  // key preview: the window sees keys before its controls
    skin_->SetButtons(SkinForm::Close | SkinForm::SystemMenu | SkinForm::Minimize | SkinForm::Maximize);
    skin_->SetSystemMenu(systemMenu_);
    skin_->SetOnHelp([this](QPoint cursor) { GuardedCall([&] { HandleHelpButton(cursor); }); });
    WindowDefaults::CentreOnScreen(*this);
}

TSkForm::~TSkForm()
{
    qApp->removeEventFilter(this);
}

QWidget* TSkForm::ClientArea() const
{
    return skin_->ClientArea();
}

void TSkForm::SetClientSize(QSize size)
{
    if (layout())
        layout()->activate();
    resize(size + (this->size() - ClientArea()->size()));
}

void TSkForm::SetSizeable(bool sizeable)
{
    skin_->SetSizeable(sizeable);
    if (sizeable)
        skin_->AddButtons(SkinForm::Maximize);
    else
        skin_->RemoveButtons(SkinForm::Maximize);
    Resizable = sizeable;
}

void TSkForm::SetDialog(bool dialog)
{
    skin_->SetSizeable(!dialog);
    if (dialog)
        skin_->RemoveButtons(SkinForm::Maximize | SkinForm::Minimize);
    else
        skin_->AddButtons(SkinForm::Maximize | SkinForm::Minimize);
    Dialog = dialog;
    EscClose = dialog;
}

void TSkForm::SetHelpButton(bool shown)
{
    if (shown)
        skin_->AddButtons(SkinForm::Help);
    else
        skin_->RemoveButtons(SkinForm::Help);
    HelpButton = shown;
}

void TSkForm::SetEffect(const QString& effect)
{
    effect_ = effect;
    skin_->SetAnimation(!effect.isEmpty(), kAnimationMilliseconds, effect);
}

void TSkForm::AddHotKey(const QString& text)
{
    hotKeys_.Add(text, pages_ ? pages_->CurrentIndex() : -1);
}

Notebook* TSkForm::CreatePages()
{
    QWidget* client = ClientArea();
    if (!client->layout()) {
        auto* layout = new QVBoxLayout(client);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    pages_ = new Notebook(client);
    client->layout()->addWidget(pages_);
    pages_->show();
    return pages_;
}

void TSkForm::LayOutPages()
{
    if (!pages_)
        return;
    QWidgetList chain;
    for (QWidget* widget = pages_; widget && widget != this; widget = widget->parentWidget())
        chain.prepend(widget);
    chain.prepend(this);
    for (QWidget* widget : chain) {
        if (QLayout* layout = widget->layout())
            layout->setGeometry(widget->rect());
    }
}

void TSkForm::HandleKeyDown(const QKeyEvent& event)
{
    if (hotKeys_.Count() > 0 && OnAction) {
        const int page = pages_ ? pages_->CurrentIndex() : -1;
        if (const TSkHotKey::TData* record = hotKeys_.Find(ShortCut::FromKeyEvent(event), page))
            RunAction(record->Action, {});
    }
    if (event.key() == Qt::Key_Escape && EscClose)
        close();
    if (IsRestartKey(event))
        ProgramExit::Restart();
}

void TSkForm::DragMouseDown(Qt::MouseButton button)
{
    if (skin_->State() != SkinForm::WindowState::Maximized && Moving && button == Qt::LeftButton
        && windowHandle())
        windowHandle()->startSystemMove();
}

bool TSkForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // Each press is seen once: at the widget it is delivered to first (the focused one, or the
    // window itself), not again as it propagates to the parents.
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (widget == first && widget->window() == this)
        GuardedCall([&] { HandleKeyDown(static_cast<const QKeyEvent&>(*event)); });
    return false;  // the focused control still gets the key
}

void TSkForm::mousePressEvent(QMouseEvent* event)
{
    DragMouseDown(event->button());
    QWidget::mousePressEvent(event);
}

void TSkForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (OnSizeChanged)
        OnSizeChanged(ClientArea()->width(), ClientArea()->height());
}

void TSkForm::RunAction(const QString& action, QPoint position)
{
    const auto handler = OnAction;  // the handler may replace itself while it runs
    handler(RHelpAction{action, 0, position.x(), position.y()});
}

void TSkForm::HandleHelpButton(QPoint globalCursor)
{
    if (HelpButton && OnAction)
        RunAction(HelpAction, globalCursor);
}
