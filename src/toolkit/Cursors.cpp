#include "toolkit/Cursors.h"

Qt::CursorShape CursorShape(TCursor cursor) {
  switch (cursor) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
  }
}

const char* CursorName(TCursor cursor) {
  static const char* const names[] = {"crDefault", "crNone", "crArrow", "crCross", "crIBeam", "crSize",
                                      "crSizeNESW", "crSizeNS", "crSizeNWSE", "crSizeWE", "crUpArrow",
                                      "crHourGlass", "crDrag", "crNoDrop", "crHSplit", "crVSplit",
                                      "crMultiDrag", "crSQLWait", "crNo", "crAppStart", "crHelp",
                                      "crHandPoint", "crSizeAll"};
  return cursor <= 0 && cursor >= -22 ? names[-cursor] : "";
}
