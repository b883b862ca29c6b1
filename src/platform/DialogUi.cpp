#include "DialogUi.h"

#include "ModalLoop.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>

namespace {

// A modal message box captioned with the application's title.
void ShowBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButton button)
{
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, button,
                    QApplication::activeWindow());
    box.exec();
}

// A dialog's own result; other windows may carry one in the property "modalResult".
int ResultOf(const QWidget& window)
{
    if (const auto* dialog = qobject_cast<const QDialog*>(&window))
        return dialog->result();
    return window.property("modalResult").toInt();
}

}  // namespace

void DialogUi::Message(const QString& text)
{
    ShowBox(QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void DialogUi::ErrorBox(const QString& text)
{
    ShowBox(QMessageBox::Critical, text, QMessageBox::Yes);
}

void DialogUi::SkinnedMessage(const QString& text)
{
    // The skin reaches message boxes through the application's style sheet.
    Message(text);
}

QString DialogUi::OpenFile(const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(), filter);
}

QString DialogUi::SaveFile(const QString& filter, const QString& suggestedName)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), suggestedName,
                                        filter);
}

bool DialogUi::PrintDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

int DialogUi::ExecModal(QWidget* window)
{
    QPointer<QWidget> guard(window);
    const Qt::WindowModality previous = window->windowModality();
    // Modality changes only take effect when the window is shown again.
    window->hide();
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    ModalLoop(window).Exec();
    if (!guard)
        return 0;
    window->setWindowModality(previous);
    return ResultOf(*window);
}

void DialogUi::ReportError(const QString& text)
{
    ShowBox(QMessageBox::Critical, text, QMessageBox::Ok);
}
