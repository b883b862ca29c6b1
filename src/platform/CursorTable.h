#pragma once

#include <QCursor>

class QWidget;

// The screen's cursor table: cursors by number, as scenes name them. The negative numbers and 0
// are the standard cursors (crArrow -2 … crSizeAll -22, crDefault 0); 140 to 144 are the
// program's own cursors once RegisterProgramCursors has run.
class CursorTable {
public:
    enum Number {
        crDefault = 0,
        crNone = -1,
        crArrow = -2,
        crCross = -3,
        crIBeam = -4,
        crSizeNESW = -6,
        crSizeNS = -7,
        crSizeNWSE = -8,
        crSizeWE = -9,
        crUpArrow = -10,
        crHourGlass = -11,
        crDrag = -12,
        crNoDrop = -13,
        crHSplit = -14,
        crVSplit = -15,
        crMultiDrag = -16,
        crSQLWait = -17,
        crNo = -18,
        crAppStart = -19,
        crHelp = -20,
        crHandPoint = -21,
        crSizeAll = -22,
        crSize = crSizeAll,
        crZoom = 140,
        crZoomIn = 141,
        crZoomOut = 142,
        crHandOpened = 143,
        crHandClosed = 144,
    };

    CursorTable() = delete;

    static void Register(int number, const QCursor& cursor);
    // The cursor of that number; the arrow for a number nobody registered.
    static QCursor Cursor(int number);
    // Loads 140 ZOOM, 141 ZOOM_IN, 142 ZOOM_OUT, 143 HAND_OPENED and 144 HAND_CLOSED from the
    // program's resources; a picture that cannot be loaded leaves its number unset.
    static void RegisterProgramCursors();
    // Gives the widget the cursor of that number; crDefault lets it show its parent's cursor.
    static void SetCursorNumber(QWidget* widget, int number);
};
