#pragma once

#include "MessageSink.h"

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

// The one service through which the program shows anything modal: message boxes, file and print
// dialogs, modal windows and the standard error report. The program installs the variant it
// needs (real dialogs, console output, or a scripted double in tests) and all code reaches it
// through Instance().
class Ui : public MessageSink {
public:
    ~Ui() override = default;

    // The installed service; real dialogs when nothing was installed.
    static Ui& Instance();
    // Makes `ui` the process-wide service and hands back the previous one, so that it can be
    // put back later.
    static std::unique_ptr<Ui> Install(std::unique_ptr<Ui> ui);

    // A plain message box with an OK button.
    virtual void Message(const QString& text) = 0;
    // The scene interpreter's error box: error icon, the application's title, one Yes button.
    virtual void ErrorBox(const QString& text) = 0;
    void SkinnedMessage(const QString& text) override = 0;

    // The chosen file, or an empty text when the user cancels. `filter` is a pattern list such
    // as "*.txt".
    virtual QString OpenFile(const QString& filter) = 0;
    virtual QString SaveFile(const QString& filter, const QString& suggestedName) = 0;
    // True when the user confirmed; the printer then holds the chosen settings.
    virtual bool PrintDialog(QPrinter& printer) = 0;

    // Shows `window` modally and returns when it is hidden, closed or destroyed, with its
    // result code.
    virtual int ExecModal(QWidget* window) = 0;

    // The application's standard report of an error that ended an event handler.
    virtual void ReportError(const QString& text) = 0;
};
