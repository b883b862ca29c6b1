#include "HintHook.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

// Watches the application's tool-tip events and lets the current handler replace the hint.
class HintFilter : public QObject {
public:
    const void* owner = nullptr;
    HintHook::Handler handler;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !handler || !watched->isWidgetType())
            return false;
        auto* control = static_cast<QWidget*>(watched);
        const auto* help = static_cast<QHelpEvent*>(event);
        const auto hint = handler({control, help->pos()});
        if (!hint)
            return false;
        QToolTip::showText(hint->position, hint->text, control, hint->cursorRect);
        return true;
    }
};

HintFilter& Filter()
{
    static HintFilter* filter = [] {
        auto* f = new HintFilter;
        f->setParent(qApp);
        qApp->installEventFilter(f);
        return f;
    }();
    return *filter;
}

}  // namespace

namespace HintHook {

void Set(const void* owner, Handler handler)
{
    Filter().owner = owner;
    Filter().handler = std::move(handler);
}

void ClearIf(const void* owner)
{
    if (Filter().owner == owner) {
        Filter().owner = nullptr;
        Filter().handler = nullptr;
    }
}

}  // namespace HintHook
