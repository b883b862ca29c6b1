#include "CursorTable.h"

#include <QCoreApplication>
#include <QHash>
#include <QPixmap>
#include <QWidget>

namespace {

struct Standard {
    int number;
    Qt::CursorShape shape;
};

// The standard cursors and the Qt shapes that look most like them.
constexpr Standard kStandardCursors[] = {
    {CursorTable::crDefault, Qt::ArrowCursor},     {CursorTable::crNone, Qt::BlankCursor},
    {CursorTable::crArrow, Qt::ArrowCursor},       {CursorTable::crCross, Qt::CrossCursor},
    {CursorTable::crIBeam, Qt::IBeamCursor},       {CursorTable::crSizeNESW, Qt::SizeBDiagCursor},
    {CursorTable::crSizeNS, Qt::SizeVerCursor},    {CursorTable::crSizeNWSE, Qt::SizeFDiagCursor},
    {CursorTable::crSizeWE, Qt::SizeHorCursor},    {CursorTable::crUpArrow, Qt::UpArrowCursor},
    {CursorTable::crHourGlass, Qt::WaitCursor},    {CursorTable::crDrag, Qt::DragMoveCursor},
    {CursorTable::crNoDrop, Qt::ForbiddenCursor},  {CursorTable::crHSplit, Qt::SplitHCursor},
    {CursorTable::crVSplit, Qt::SplitVCursor},     {CursorTable::crMultiDrag, Qt::DragMoveCursor},
    {CursorTable::crSQLWait, Qt::WaitCursor},      {CursorTable::crNo, Qt::ForbiddenCursor},
    {CursorTable::crAppStart, Qt::BusyCursor},     {CursorTable::crHelp, Qt::WhatsThisCursor},
    {CursorTable::crHandPoint, Qt::PointingHandCursor},
    {CursorTable::crSizeAll, Qt::SizeAllCursor},
};

struct ProgramCursor {
    int number;
    const char* resource;
    int hotX;
    int hotY;
};

constexpr ProgramCursor kProgramCursors[] = {
    {CursorTable::crZoom, ":/cursors/zoom.xpm", 7, 7},
    {CursorTable::crZoomIn, ":/cursors/zoom_in.xpm", 7, 7},
    {CursorTable::crZoomOut, ":/cursors/zoom_out.xpm", 7, 7},
    {CursorTable::crHandOpened, ":/cursors/hand_opened.xpm", 8, 10},
    {CursorTable::crHandClosed, ":/cursors/hand_closed.xpm", 8, 10},
};

QHash<int, QCursor> StandardCursors()
{
    QHash<int, QCursor> cursors;
    for (const Standard& standard : kStandardCursors)
        cursors.insert(standard.number, QCursor(standard.shape));
    return cursors;
}

void ClearTable();

QHash<int, QCursor>& Table()
{
    static QHash<int, QCursor> table = [] {
        // Registered cursors hold pixmaps, which must not outlive the application object.
        qAddPostRoutine(ClearTable);
        return StandardCursors();
    }();
    return table;
}

void ClearTable()
{
    Table().clear();
}

}  // namespace

void CursorTable::Register(int number, const QCursor& cursor)
{
    Table().insert(number, cursor);
}

QCursor CursorTable::Cursor(int number)
{
    return Table().value(number, QCursor(Qt::ArrowCursor));
}

void CursorTable::RegisterProgramCursors()
{
    for (const ProgramCursor& cursor : kProgramCursors) {
        const QPixmap picture(QString::fromLatin1(cursor.resource));
        if (!picture.isNull())
            Register(cursor.number, QCursor(picture, cursor.hotX, cursor.hotY));
    }
}

void CursorTable::SetCursorNumber(QWidget* widget, int number)
{
    if (number == crDefault)
        widget->unsetCursor();
    else
        widget->setCursor(Cursor(number));
}
