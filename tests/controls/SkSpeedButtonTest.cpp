#include "SkSpeedButton.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TSkSpeedButton* Button(QWidget& parent, int group)
{
    auto* button = new TSkSpeedButton(&parent);
    button->SetGroupIndex(group);
    return button;
}

TEST(SkSpeedButtonTest, UngroupedButtonNeverStaysDown)
{
    QWidget parent;
    TSkSpeedButton* button = Button(parent, 0);
    parent.show();
    QSignalSpy clicked(button, &TSkSpeedButton::clicked);

    EXPECT_FALSE(button->DownMark);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(button->Down());
    button->SetDown(true);
    EXPECT_FALSE(button->Down());
}

// One parent holds two groups; a button of group 1 in another parent is a group of its own.
TEST(SkSpeedButtonTest, OneButtonOfAGroupInOneParentIsDown)
{
    QWidget parent;
    QWidget other;
    TSkSpeedButton* a1 = Button(parent, 1);
    TSkSpeedButton* a2 = Button(parent, 1);
    TSkSpeedButton* b1 = Button(parent, 2);
    TSkSpeedButton* elsewhere = Button(other, 1);
    parent.show();
    b1->SetDown(true);
    elsewhere->SetDown(true);
    QSignalSpy clicked(a2, &TSkSpeedButton::clicked);

    QTest::mouseClick(a1, Qt::LeftButton);
    EXPECT_TRUE(a1->Down());
    QTest::mouseClick(a2, Qt::LeftButton);
    EXPECT_TRUE(a2->Down());
    EXPECT_FALSE(a1->Down());
    QTest::mouseClick(a2, Qt::LeftButton);
    EXPECT_TRUE(a2->Down()) << "a click on the button that is down leaves it down";
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_TRUE(b1->Down());
    EXPECT_TRUE(elsewhere->Down());

    a1->SetDown(true);
    EXPECT_FALSE(a2->Down());
    a1->SetDown(false);
    EXPECT_FALSE(a1->Down());
    EXPECT_FALSE(a2->Down());
}

TEST(SkSpeedButtonTest, JoiningAGroupWhileDownReleasesItsMembers)
{
    QWidget parent;
    TSkSpeedButton* member = Button(parent, 3);
    member->SetDown(true);
    TSkSpeedButton* joining = Button(parent, 1);
    joining->SetDown(true);

    joining->SetGroupIndex(3);
    EXPECT_TRUE(joining->Down());
    EXPECT_FALSE(member->Down());
    joining->SetGroupIndex(0);
    EXPECT_FALSE(joining->Down());
}

TEST(SkSpeedButtonTest, MenuArrowShowsWithOrWithoutAMenu)
{
    QWidget parent;
    auto* plain = new TSkSpeedButton(&parent);
    auto* withArrow = new TSkSpeedButton(&parent);
    for (TSkSpeedButton* button : {plain, withArrow})
        button->setGeometry(0, 0, 60, 24);
    EXPECT_FALSE(plain->ShowsChevron());

    withArrow->SetChevronMenu(nullptr);
    EXPECT_TRUE(withArrow->ShowsChevron());
    EXPECT_NE(plain->grab().toImage(), withArrow->grab().toImage());

    QMenu menu;
    withArrow->SetChevronMenu(&menu);
    EXPECT_EQ(withArrow->menu(), &menu);
}

}  // namespace
