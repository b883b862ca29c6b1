#pragma once

#include "Ui.h"

// The interactive service: Qt message boxes, file and print dialogs, and modal windows, each
// placed over the active window.
class DialogUi : public Ui {
public:
    void Message(const QString& text) override;
    void ErrorBox(const QString& text) override;
    void SkinnedMessage(const QString& text) override;
    QString OpenFile(const QString& filter) override;
    QString SaveFile(const QString& filter, const QString& suggestedName) override;
    bool PrintDialog(QPrinter& printer) override;
    int ExecModal(QWidget* window) override;
    void ReportError(const QString& text) override;
};
