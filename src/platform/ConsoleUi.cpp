#include "ConsoleUi.h"

#include <QRegularExpression>
#include <QWidget>

ConsoleUi::ConsoleUi(std::FILE* stream) : stream_(stream)
{
}

void ConsoleUi::Message(const QString& text)
{
    WriteLine("message", text);
}

void ConsoleUi::ErrorBox(const QString& text)
{
    WriteLine("error", text);
}

void ConsoleUi::SkinnedMessage(const QString& text)
{
    Message(text);
}

QString ConsoleUi::OpenFile(const QString& filter)
{
    WriteLine("dialog", QString("open %1 cancelled").arg(filter));
    return QString();
}

QString ConsoleUi::SaveFile(const QString& filter, const QString& suggestedName)
{
    WriteLine("dialog", QString("save %1 %2 cancelled").arg(suggestedName, filter));
    return QString();
}

bool ConsoleUi::PrintDialog(QPrinter&)
{
    WriteLine("dialog", "print cancelled");
    return false;
}

int ConsoleUi::ExecModal(QWidget* window)
{
    window->show();
    window->close();
    return 0;
}

void ConsoleUi::ReportError(const QString& text)
{
    ErrorBox(text);
}

void ConsoleUi::WriteLine(const char* kind, const QString& text)
{
    static const QRegularExpression lineBreak("\r\n|\r|\n");
    const QString line = QString::fromLatin1(kind) + ": " + QString(text).replace(lineBreak, "\\n");
    std::fprintf(stream_, "%s\n", line.toUtf8().constData());
    std::fflush(stream_);
}
