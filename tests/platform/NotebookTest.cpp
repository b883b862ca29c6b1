#include "Notebook.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void Press(QWidget* target, QPoint pos)
{
    QMouseEvent press(QEvent::MouseButtonPress, pos, target->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

}  // namespace

TEST(NotebookTest, StartsWithTheDefaultPageAndMakesEachNewPageCurrent)
{
    Notebook book;
    EXPECT_EQ(book.PageCount(), 1);
    EXPECT_EQ(book.PageName(0), "Default");
    EXPECT_EQ(book.CurrentIndex(), 0);

    EXPECT_EQ(book.AddPage("p1"), 1);
    EXPECT_EQ(book.CurrentIndex(), 1);
    EXPECT_EQ(book.AddPage(QString::fromUtf8("Страница")), 2);
    EXPECT_EQ(book.CurrentIndex(), 2);
    EXPECT_EQ(book.currentWidget(), book.Page(2));

    book.SetCurrentIndex(0);
    EXPECT_EQ(book.CurrentIndex(), 0);
    EXPECT_EQ(book.PageCount(), 3);
}

TEST(NotebookTest, FindsPagesByNameWithoutRegardToCase)
{
    Notebook book;
    book.AddPage("p1");
    book.AddPage(QString::fromUtf8("Страница"));

    EXPECT_EQ(book.PageByName("DEFAULT"), book.Page(0));
    EXPECT_EQ(book.PageByName("P1"), book.Page(1));
    EXPECT_EQ(book.PageByName(QString::fromUtf8("СТРАНИЦА")), book.Page(2));
    EXPECT_EQ(book.PageByName("p2"), nullptr);
    EXPECT_EQ(book.Page(3), nullptr);
    EXPECT_EQ(book.Page(-1), nullptr);
    EXPECT_TRUE(book.PageName(3).isEmpty());
}

TEST(NotebookTest, ReportsPressesOnThePageBackgroundOnly)
{
    Notebook book;
    book.resize(300, 200);
    auto* label = new QLabel("label", book.Page(0));  // takes no presses: they reach the book
    label->setGeometry(10, 10, 80, 20);
    auto* button = new QPushButton("button", book.Page(0));
    button->setGeometry(10, 50, 80, 30);
    book.show();
    std::vector<QPoint> presses;
    book.SetOnMouseDown([&](QMouseEvent* event) { presses.push_back(event->position().toPoint()); });

    Press(book.Page(0), {200, 150});
    Press(label, {5, 5});
    Press(button, {5, 5});

    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0], QPoint(200, 150));
}
