// Input and notification events as controls see them. Every event of a
// control, whatever the Qt event that carried it, becomes one TMessage and
// passes TControl::Dispatch.
#pragma once

#include "toolkit/TypeInfo.h"

#include <QPoint>
#include <QString>

#include <cstdint>

class QMimeData;
class TControl;

// Virtual key codes (16 bits), as key events and shortcuts carry them.
enum : uint16_t {
  VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18, VK_ESCAPE = 27,
  VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38,
  VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 112, VK_F4 = 115, VK_F12 = 123
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

enum class TMessageKind {
  MouseMove, MouseDown, MouseUp, MouseDblClick, MouseWheel, MouseEnter, MouseLeave,
  KeyDown, KeyUp, Char, SysKeyDown, SysKeyUp,
  FocusIn, FocusOut,
  // The control's bounds changed (its window position or size).
  WindowPosChanged,
  // The control held the mouse capture and lost it.
  CaptureChanged,
  Close,
  ContextPopup,
  DragEnter, DragMove, DragLeave, DragDrop,
  // A numbered request a control sent or posted to itself.
  Request,
};

struct TMessage {
  TMessageKind Kind = TMessageKind::MouseMove;
  TMouseButton Button = TMouseButton::mbLeft;
  TShiftState Shift;
  QPoint Pos;        // in the control's client coordinates
  QPoint ScreenPos;  // on the screen
  uint16_t Key = 0;
  QChar Char;
  int WheelDelta = 0;
  int Request = 0;
  intptr_t Param = 0;
  const QMimeData* Data = nullptr;
  // Set by whoever handles a close request or a drop to accept it.
  bool Accepted = true;

  bool IsMouse() const;
  bool IsKey() const;
};

inline bool TMessage::IsMouse() const {
  switch (Kind) {
    case TMessageKind::MouseMove:
    case TMessageKind::MouseDown:
    case TMessageKind::MouseUp:
    case TMessageKind::MouseDblClick:
    case TMessageKind::MouseWheel:
      return true;
    default:
      return false;
  }
}

inline bool TMessage::IsKey() const {
  switch (Kind) {
    case TMessageKind::KeyDown:
    case TMessageKind::KeyUp:
    case TMessageKind::Char:
    case TMessageKind::SysKeyDown:
    case TMessageKind::SysKeyUp:
      return true;
    default:
      return false;
  }
}
