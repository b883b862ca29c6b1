#include "CursorTable.h"

#include <QBitmap>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(CursorTableTest, StandardNumbersGiveTheirShapes)
{
    const std::pair<int, Qt::CursorShape> cases[] = {
        {0, Qt::ArrowCursor},           {-2, Qt::ArrowCursor},       {-3, Qt::CrossCursor},
        {-4, Qt::IBeamCursor},          {-6, Qt::SizeBDiagCursor},   {-7, Qt::SizeVerCursor},
        {-8, Qt::SizeFDiagCursor},      {-9, Qt::SizeHorCursor},     {-11, Qt::WaitCursor},
        {-13, Qt::ForbiddenCursor},     {-14, Qt::SplitHCursor},     {-15, Qt::SplitVCursor},
        {-19, Qt::BusyCursor},          {-20, Qt::WhatsThisCursor},  {-21, Qt::PointingHandCursor},
        {-22, Qt::SizeAllCursor},
        {-5, Qt::ArrowCursor},  // numbers nobody registered
        {99, Qt::ArrowCursor},
    };
    for (const auto& [number, shape] : cases)
        EXPECT_EQ(CursorTable::Cursor(number).shape(), shape) << number;
}

TEST(CursorTableTest, RegisteringANumberReplacesItsCursor)
{
    CursorTable::Register(200, QCursor(Qt::CrossCursor));
    EXPECT_EQ(CursorTable::Cursor(200).shape(), Qt::CrossCursor);
    CursorTable::Register(200, QCursor(Qt::IBeamCursor));
    EXPECT_EQ(CursorTable::Cursor(200).shape(), Qt::IBeamCursor);
}

TEST(CursorTableTest, ProgramCursorsComeFromTheResources)
{
    struct Case {
        int number;
        QPoint hotSpot;
    };
    const Case cases[] = {{140, {7, 7}}, {141, {7, 7}}, {142, {7, 7}}, {143, {8, 10}}, {144, {8, 10}}};
    CursorTable::RegisterProgramCursors();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const QCursor cursor = CursorTable::Cursor(c.number);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
        EXPECT_EQ(cursor.hotSpot(), c.hotSpot);
        const QImage picture = cursor.pixmap().toImage();
        EXPECT_EQ(qAlpha(picture.pixel(31, 31)), 0) << "the corner is transparent";
        EXPECT_EQ(qAlpha(picture.pixel(c.hotSpot)), 255) << "the hot spot is on the picture";
    }
}

TEST(CursorTableTest, DefaultNumberLetsAWidgetShowItsParentsCursor)
{
    QWidget parent;
    auto* child = new QWidget(&parent);
    CursorTable::SetCursorNumber(&parent, CursorTable::crHandPoint);
    CursorTable::SetCursorNumber(child, CursorTable::crIBeam);
    EXPECT_EQ(child->cursor().shape(), Qt::IBeamCursor);
    CursorTable::SetCursorNumber(child, CursorTable::crDefault);
    EXPECT_FALSE(child->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(child->cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
