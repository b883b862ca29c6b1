#include "DialogUi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `inspect` with the modal window once the nested loop of `show` runs.
void WhileModal(const std::function<void(QWidget&)>& inspect, const std::function<void()>& show)
{
    QTimer::singleShot(0, [inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        inspect(*modal);
    });
    show();
}

TEST(DialogUiTest, MessageBoxesHaveTheirIconCaptionAndSingleButton)
{
    struct Case {
        const char* name;
        std::function<void(DialogUi&, const QString&)> show;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton button;
    };
    const Case cases[] = {
        {"Message", &DialogUi::Message, QMessageBox::NoIcon, QMessageBox::Ok},
        {"SkinnedMessage", &DialogUi::SkinnedMessage, QMessageBox::NoIcon, QMessageBox::Ok},
        {"ErrorBox", &DialogUi::ErrorBox, QMessageBox::Critical, QMessageBox::Yes},
        {"ReportError", &DialogUi::ReportError, QMessageBox::Critical, QMessageBox::Ok},
    };
    const QString previousTitle = QApplication::applicationDisplayName();
    QApplication::setApplicationDisplayName("Самоучитель");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogUi ui;
        WhileModal(
            [&c](QWidget& window) {
                auto* box = qobject_cast<QMessageBox*>(&window);
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->text(), "Не найден контрол");
                EXPECT_EQ(box->windowTitle(), "Самоучитель");
                EXPECT_EQ(box->icon(), c.icon);
                ASSERT_EQ(box->buttons().size(), 1);
                EXPECT_EQ(box->standardButton(box->buttons().first()), c.button);
                box->buttons().first()->click();
            },
            [&] { c.show(ui, "Не найден контрол"); });
    }
    QApplication::setApplicationDisplayName(previousTitle);
}

TEST(DialogUiTest, ModalWindowRunsUntilHiddenAndGivesItsResult)
{
    DialogUi ui;
    QDialog dialog;
    int result = -1;
    WhileModal(
        [](QWidget& window) {
            EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
            static_cast<QDialog&>(window).done(3);
        },
        [&] { result = ui.ExecModal(&dialog); });
    EXPECT_EQ(result, 3);
    EXPECT_EQ(dialog.windowModality(), Qt::NonModal);

    QWidget window;
    window.setProperty("modalResult", 6);
    WhileModal([](QWidget& modal) { modal.close(); }, [&] { result = ui.ExecModal(&window); });
    EXPECT_EQ(result, 6);
}

TEST(DialogUiTest, ModalWindowMayBeDeletedDuringItsLoop)
{
    DialogUi ui;
    auto* window = new QWidget;
    window->setProperty("modalResult", 6);
    int result = -1;
    WhileModal([](QWidget& modal) { delete &modal; }, [&] { result = ui.ExecModal(window); });
    EXPECT_EQ(result, 0);
}

}  // namespace
