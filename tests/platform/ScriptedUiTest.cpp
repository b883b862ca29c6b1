#include "ScriptedUi.h"

#include <QDialog>
#include <QPrinter>
#include <QPushButton>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Kind;

TEST(ScriptedUiTest, RecordsEveryCallInOrder)
{
    ScriptedUi ui;
    QPrinter printer;
    QWidget window;
    window.setWindowTitle("Печать");
    ui.Message("один");
    ui.ReportError("два");
    ui.OpenFile("*.txt");
    ui.SaveFile("*.jpg", "picture.jpg");
    ui.PrintDialog(printer);
    ui.ExecModal(&window);
    ui.SkinnedMessage("три");
    ui.ErrorBox("четыре");
    using Call = ScriptedUi::Call;
    EXPECT_THAT(ui.Calls(), testing::ElementsAre(Call{Kind::Message, "один", {}},
                                                 Call{Kind::ReportError, "два", {}},
                                                 Call{Kind::OpenFile, "*.txt", {}},
                                                 Call{Kind::SaveFile, "*.jpg", "picture.jpg"},
                                                 Call{Kind::PrintDialog, {}, {}},
                                                 Call{Kind::ExecModal, "Печать", {}},
                                                 Call{Kind::SkinnedMessage, "три", {}},
                                                 Call{Kind::ErrorBox, "четыре", {}}));
    EXPECT_EQ(ui.Texts(Kind::ReportError), QStringList{"два"});
}

TEST(ScriptedUiTest, AnswersFromTheQueuesThenWithNothing)
{
    ScriptedUi ui;
    QPrinter printer;
    QWidget window;
    ui.QueueOpenFile("/tmp/a.txt");
    ui.QueueSaveFile("/tmp/b.jpg");
    ui.QueuePrintDialog(true);
    ui.QueueModalResult(5);
    EXPECT_EQ(ui.OpenFile("*.txt"), "/tmp/a.txt");
    EXPECT_EQ(ui.SaveFile("*.jpg", "b.jpg"), "/tmp/b.jpg");
    EXPECT_TRUE(ui.PrintDialog(printer));
    EXPECT_EQ(ui.ExecModal(&window), 5);
    EXPECT_EQ(ui.OpenFile("*.txt"), QString());
    EXPECT_EQ(ui.SaveFile("*.jpg", "b.jpg"), QString());
    EXPECT_FALSE(ui.PrintDialog(printer));
    EXPECT_EQ(ui.ExecModal(&window), 0);
}

TEST(ScriptedUiTest, ModalWindowIsShownForTheTestThenClosed)
{
    ScriptedUi ui;
    QDialog dialog;
    auto* ok = new QPushButton("OK", &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    bool shownWhenClicked = false;
    ui.OnModal([&](QWidget& window) {
        shownWhenClicked = window.isVisible();
        window.findChild<QPushButton*>()->click();
    });
    ui.ExecModal(&dialog);
    EXPECT_TRUE(shownWhenClicked);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ScriptedUiTest, ModalWindowMayBeDeletedByTheTest)
{
    ScriptedUi ui;
    ui.OnModal([](QWidget& window) { delete &window; });
    ui.QueueModalResult(2);
    EXPECT_EQ(ui.ExecModal(new QWidget), 2);
}

}  // namespace
