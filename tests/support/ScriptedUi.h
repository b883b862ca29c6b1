#pragma once

#include "Ui.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <iosfwd>
#include <functional>
#include <vector>

// The Ui of tests: records every call in order and answers dialogs and modal windows from what
// the test queued beforehand (an empty answer, false or 0 when nothing is queued).
class ScriptedUi : public Ui {
public:
    enum class Kind {
        Message,
        ErrorBox,
        SkinnedMessage,
        OpenFile,
        SaveFile,
        PrintDialog,
        ExecModal,
        ReportError,
    };

    // `text` is the message, the filter of a file dialog or the title of a modal window;
    // `detail` the suggested name of a save dialog.
    struct Call {
        Kind kind;
        QString text;
        QString detail;
        bool operator==(const Call&) const = default;
    };

    const std::vector<Call>& Calls() const { return calls_; }
    // The texts of the calls of one kind, in order.
    QStringList Texts(Kind kind) const;

    void QueueOpenFile(const QString& answer) { openAnswers_.push_back(answer); }
    void QueueSaveFile(const QString& answer) { saveAnswers_.push_back(answer); }
    void QueuePrintDialog(bool answer) { printAnswers_.push_back(answer); }
    void QueueModalResult(int result) { modalResults_.push_back(result); }
    // Runs with each modal window while it is shown, before it is closed: a test clicks inside
    // it here.
    void OnModal(std::function<void(QWidget&)> action) { modalAction_ = std::move(action); }

    void Message(const QString& text) override;
    void ErrorBox(const QString& text) override;
    void SkinnedMessage(const QString& text) override;
    QString OpenFile(const QString& filter) override;
    QString SaveFile(const QString& filter, const QString& suggestedName) override;
    bool PrintDialog(QPrinter& printer) override;
    int ExecModal(QWidget* window) override;
    void ReportError(const QString& text) override;

private:
    std::vector<Call> calls_;
    std::deque<QString> openAnswers_;
    std::deque<QString> saveAnswers_;
    std::deque<bool> printAnswers_;
    std::deque<int> modalResults_;
    std::function<void(QWidget&)> modalAction_;
};

// Prints a call in test failure messages.
void PrintTo(const ScriptedUi::Call& call, std::ostream* out);
