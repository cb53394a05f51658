// Cursor numbers as properties and the designer use them, mapped to Qt cursors.
#pragma once

#include "toolkit/IdentMap.h"

#include <QCursor>
#include <QImage>

#include <cstdint>

using TCursor = int16_t;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The Qt cursor of a cursor number; crDefault and unknown numbers give the arrow.
Qt::CursorShape CursorShape(TCursor cursor);
// The cursor names a user reads and types: crDefault to crSizeAll, then
// crSize, a second name of crSizeAll (crNone has no name).
TIdentMap CursorIdents();
// The standard size of a cursor picture.
QSize CursorPictureSize();
// A picture of the cursor at the standard size, drawn in black and white on
// a transparent ground; a null image for crNone and unknown numbers.
QImage CursorPicture(TCursor cursor);
