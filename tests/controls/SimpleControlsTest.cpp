#include "SkButton.h"
#include "SkCheckBox.h"
#include "SkComboBox.h"
#include "SkEditBox.h"
#include "SkLabel.h"
#include "SkListBox.h"
#include "SkPanel.h"
#include "SkRadioButton.h"
#include "SkSpeedButton.h"
#include "SkSpinEdit.h"
#include "SkSplitter.h"
#include "SkTrackBar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// The scene sets "action" keys on any control that keeps an action text.
TEST(SimpleControlsTest, ActionTextIsReachableFromEveryActionBearingControl)
{
    const std::vector<std::function<QWidget*()>> makers = {
        [] { return new TSkButton; },     [] { return new TSkSpeedButton; }, [] { return new TSkPanel; },
        [] { return new TSkSplitter; },   [] { return new TSkLabel; },       [] { return new TSkTrackBar; },
        [] { return new TSkListBox; },    [] { return new TSkEditBox; },     [] { return new TSkRadioButton; },
        [] { return new TSkComboBox; },   [] { return new TSkCheckBox; },
    };
    for (const auto& make : makers) {
        std::unique_ptr<QObject> control(make());
        SCOPED_TRACE(control->metaObject()->className());
        auto* bearing = dynamic_cast<ActionBearing*>(control.get());
        ASSERT_NE(bearing, nullptr);
        EXPECT_TRUE(bearing->ActionText.isEmpty());
    }
}

TEST(SimpleControlsTest, EditBoxReportsEveryKeyAfterHandlingIt)
{
    TSkEditBox edit;
    edit.show();
    QSignalSpy keys(&edit, &TSkEditBox::keyDown);
    QTest::keyClick(&edit, Qt::Key_A);
    QTest::keyClick(&edit, Qt::Key_Return);
    ASSERT_EQ(keys.count(), 2);
    EXPECT_EQ(keys.at(0).at(0).toInt(), int(Qt::Key_A));
    EXPECT_EQ(keys.at(1).at(0).toInt(), int(Qt::Key_Return));
    EXPECT_EQ(edit.text(), "a");
}

// Where the handle of the bar stands now.
struct ProbedTrackBar : TSkTrackBar {
    QPoint HandleCentre()
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this).center();
    }
};

void SendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A bound media object seeks to the bar's position on mouseUp(), so the drag must be over by then.
TEST(SimpleControlsTest, TrackBarReportsPressAndReleaseWithTheNewPosition)
{
    ProbedTrackBar bar;
    bar.resize(200, 30);
    bar.show();
    EXPECT_EQ(bar.maximum(), 10);
    int positionAtRelease = -1;
    QSignalSpy down(&bar, &TSkTrackBar::mouseDown);
    QObject::connect(&bar, &TSkTrackBar::mouseUp, [&] { positionAtRelease = bar.value(); });

    const QPoint handle = bar.HandleCentre();
    SendMouse(&bar, QEvent::MouseButtonPress, handle, Qt::LeftButton);
    EXPECT_EQ(down.count(), 1);
    SendMouse(&bar, QEvent::MouseMove, {195, handle.y()}, Qt::LeftButton);
    SendMouse(&bar, QEvent::MouseButtonRelease, {195, handle.y()}, Qt::NoButton);
    EXPECT_EQ(positionAtRelease, 10);
}

TEST(SimpleControlsTest, SpinEditLimitsOnlyWithDifferentBounds)
{
    TSkSpinEdit spin;
    spin.setValue(-1000000);
    EXPECT_EQ(spin.value(), -1000000) << "no limit at the start";
    spin.SetMaxValue(100);
    spin.setValue(1000);
    EXPECT_EQ(spin.value(), 100);
    spin.setValue(-5);
    EXPECT_EQ(spin.value(), 0);
    spin.SetMinValue(100);
    spin.setValue(1000000);
    EXPECT_EQ(spin.value(), 1000000) << "equal bounds lift the limit again";
}

TEST(SimpleControlsTest, SpinEditMaxLengthLimitsTyping)
{
    TSkSpinEdit spin;
    spin.show();
    spin.SetMaxLength(2);
    spin.clear();
    QTest::keyClicks(&spin, "1234");
    EXPECT_EQ(spin.text(), "12");
    spin.SetMaxLength(0);
    spin.clear();
    QTest::keyClicks(&spin, "1234");
    EXPECT_EQ(spin.text(), "1234");
}

}  // namespace
