#include "ScriptedUi.h"

#include <QPointer>
#include <QWidget>
#include <ostream>

namespace {

template <typename T>
T TakeFirst(std::deque<T>& queue)
{
    if (queue.empty())
        return T();
    T first = queue.front();
    queue.pop_front();
    return first;
}

const char* KindName(ScriptedUi::Kind kind)
{
    switch (kind) {
    case ScriptedUi::Kind::Message:
        return "Message";
    case ScriptedUi::Kind::ErrorBox:
        return "ErrorBox";
    case ScriptedUi::Kind::SkinnedMessage:
        return "SkinnedMessage";
    case ScriptedUi::Kind::OpenFile:
        return "OpenFile";
    case ScriptedUi::Kind::SaveFile:
        return "SaveFile";
    case ScriptedUi::Kind::PrintDialog:
        return "PrintDialog";
    case ScriptedUi::Kind::ExecModal:
        return "ExecModal";
    case ScriptedUi::Kind::ReportError:
        return "ReportError";
    }
    return "?";
}

}  // namespace

QStringList ScriptedUi::Texts(Kind kind) const
{
    QStringList texts;
    for (const Call& call : calls_)
        if (call.kind == kind)
            texts << call.text;
    return texts;
}

void ScriptedUi::Message(const QString& text)
{
    calls_.push_back({Kind::Message, text, {}});
}

void ScriptedUi::ErrorBox(const QString& text)
{
    calls_.push_back({Kind::ErrorBox, text, {}});
}

void ScriptedUi::SkinnedMessage(const QString& text)
{
    calls_.push_back({Kind::SkinnedMessage, text, {}});
}

QString ScriptedUi::OpenFile(const QString& filter)
{
    calls_.push_back({Kind::OpenFile, filter, {}});
    return TakeFirst(openAnswers_);
}

QString ScriptedUi::SaveFile(const QString& filter, const QString& suggestedName)
{
    calls_.push_back({Kind::SaveFile, filter, suggestedName});
    return TakeFirst(saveAnswers_);
}

bool ScriptedUi::PrintDialog(QPrinter&)
{
    calls_.push_back({Kind::PrintDialog, {}, {}});
    return TakeFirst(printAnswers_);
}

int ScriptedUi::ExecModal(QWidget* window)
{
    calls_.push_back({Kind::ExecModal, window->windowTitle(), {}});
    QPointer<QWidget> guard(window);
    window->show();
    if (modalAction_)
        modalAction_(*window);
    if (guard)
        guard->close();
    return TakeFirst(modalResults_);
}

void ScriptedUi::ReportError(const QString& text)
{
    calls_.push_back({Kind::ReportError, text, {}});
}

void PrintTo(const ScriptedUi::Call& call, std::ostream* out)
{
    *out << KindName(call.kind) << "(\"" << call.text.toStdString() << "\"";
    if (!call.detail.isEmpty())
        *out << ", \"" << call.detail.toStdString() << "\"";
    *out << ")";
}
