#pragma once

#include "Ui.h"

#include <cstdio>

// The service for runs without a user (dumps, screenshots): every message and error becomes one
// line on the stream, dialogs are cancelled and modal windows close as soon as they are shown.
class ConsoleUi : public Ui {
public:
    explicit ConsoleUi(std::FILE* stream = stderr);

    void Message(const QString& text) override;
    void ErrorBox(const QString& text) override;
    void SkinnedMessage(const QString& text) override;
    QString OpenFile(const QString& filter) override;
    QString SaveFile(const QString& filter, const QString& suggestedName) override;
    bool PrintDialog(QPrinter& printer) override;
    int ExecModal(QWidget* window) override;
    void ReportError(const QString& text) override;

private:
    // Writes "kind: text" as one line; line breaks in the text are written as "\n".
    void WriteLine(const char* kind, const QString& text);

    std::FILE* stream_;
};
