#include "toolkit/ControlAdapter.h"

#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/Forms.h"
#include "toolkit/KeyCodes.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QToolTip>
#include <QWheelEvent>

namespace {

class RequestEvent : public QEvent {
 public:
  RequestEvent(int number, intptr_t param)
      : QEvent(static_cast<QEvent::Type>(TControlAdapter::RequestEventType())), number(number), param(param) {}
  int number;
  intptr_t param;
};

TShiftState ShiftOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
  TShiftState s;
  if (mods & Qt::ShiftModifier) s.Include(TShiftStateFlag::ssShift);
  if (mods & Qt::ControlModifier) s.Include(TShiftStateFlag::ssCtrl);
  if (mods & Qt::AltModifier) s.Include(TShiftStateFlag::ssAlt);
  if (buttons & Qt::LeftButton) s.Include(TShiftStateFlag::ssLeft);
  if (buttons & Qt::RightButton) s.Include(TShiftStateFlag::ssRight);
  if (buttons & Qt::MiddleButton) s.Include(TShiftStateFlag::ssMiddle);
  return s;
}

TMouseButton ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

// The key event being delivered and the widget that got it: Qt hands an
// ignored key event on to the parent widgets, and only the first control that
// saw it dispatches it.
const QEvent* g_keyInFlight = nullptr;
QPointer<QWidget> g_keyReceiver;

bool IsHandedOn(const QEvent* event, const QWidget* widget) {
  return event == g_keyInFlight && g_keyReceiver && widget != g_keyReceiver && widget->isAncestorOf(g_keyReceiver);
}

}  // namespace

int TControlAdapter::RequestEventType() {
  static const int type = QEvent::registerEventType();
  return type;
}

TControlAdapter::TControlAdapter(TControl* control) : m_control(control) {}

TControlAdapter::~TControlAdapter() = default;

namespace {
const char* const kForeignProperty = "vornikForeignWidget";
}  // namespace

void TControlAdapter::MarkForeign(QWidget* widget) { widget->setProperty(kForeignProperty, true); }

bool TControlAdapter::IsForeign(const QWidget* widget) { return widget->property(kForeignProperty).toBool(); }

void TControlAdapter::Watch(QWidget* widget) {
  widget->installEventFilter(this);
  for (QWidget* inner : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!IsForeign(inner) && (!TControl::FromWidget(inner) || TControl::FromWidget(inner) == m_control)) Watch(inner);
}

void TControlAdapter::Post(int number, intptr_t param) {
  QCoreApplication::postEvent(this, new RequestEvent(number, param));
}

bool TControlAdapter::Deliver(TMessage& message) {
  bool consumed = false;
  Application().Guard([&] { consumed = m_control->Dispatch(message); });
  return consumed;
}

bool TControlAdapter::event(QEvent* event) {
  if (event->type() == RequestEventType()) {
    auto* request = static_cast<RequestEvent*>(event);
    TMessage m;
    m.Kind = TMessageKind::Request;
    m.Request = request->number;
    m.Param = request->param;
    Deliver(m);
    return true;
  }
  return QObject::event(event);
}

bool TControlAdapter::HandleHint(QWidget* widget, QEvent* event) {
  auto* help = static_cast<QHelpEvent*>(event);
  const QString hint = GetShortHint(m_control->Hint());
  if (m_control->EffectiveShowHint() && !hint.isEmpty() && Application().ShowHint()) {
    QToolTip::showText(help->globalPos(), hint, widget, QRect(), Application().HintHidePause());
  } else {
    QToolTip::hideText();
  }
  return true;
}

bool TControlAdapter::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !m_control->Widget()) return false;
  switch (event->type()) {
    case QEvent::ChildAdded:
      WatchAddedChild(static_cast<QChildEvent*>(event));
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      return HandleMouse(static_cast<QMouseEvent*>(event));
    case QEvent::Wheel:
      return HandleWheel(static_cast<QWheelEvent*>(event));
    case QEvent::Enter:
    case QEvent::Leave:
      return widget == m_control->Widget() && HandleEnterLeave(event->type() == QEvent::Enter);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return HandleKey(widget, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      return HandleFocus(event->type() == QEvent::FocusIn);
    case QEvent::Close:
      return widget == m_control->Widget() && HandleClose(event);
    case QEvent::ContextMenu:
      // Context popups come from the right-button release; Qt's own menu
      // (for example the edit box's) only shows when nothing claimed it.
      return m_control->IsDesigning() || m_control->PopupMenu();
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
      return HandleDrag(widget, event);
    case QEvent::ToolTip:
      return HandleHint(widget, event);
    case QEvent::Move:
    case QEvent::Resize:
      // A window's position and size come from the window system; for every
      // other control they come from the control itself.
      if (widget == m_control->Widget() && widget->isWindow()) m_control->WindowGeometryChanged();
      return false;
    default:
      return false;
  }
}

void TControlAdapter::WatchAddedChild(QChildEvent* event) {
  auto* child = qobject_cast<QWidget*>(event->child());
  if (child && !TControl::FromWidget(child) && !IsForeign(child)) Watch(child);
}

bool TControlAdapter::HandleMouse(QMouseEvent* event) {
  TMessage m;
  m.Kind = event->type() == QEvent::MouseButtonPress     ? TMessageKind::MouseDown
           : event->type() == QEvent::MouseButtonRelease ? TMessageKind::MouseUp
           : event->type() == QEvent::MouseButtonDblClick ? TMessageKind::MouseDblClick
                                                          : TMessageKind::MouseMove;
  m.Button = ButtonOf(event->button());
  m.Shift = ShiftOf(event->modifiers(), event->buttons());
  if (m.Kind == TMessageKind::MouseDblClick) m.Shift.Include(TShiftStateFlag::ssDouble);
  m.ScreenPos = event->globalPosition().toPoint();
  m.Pos = m_control->ScreenToClient(m.ScreenPos);
  const bool consumed = Deliver(m);
  if (m.Kind == TMessageKind::MouseUp && m.Button == TMouseButton::mbRight && !consumed) {
    TMessage popup;
    popup.Kind = TMessageKind::ContextPopup;
    popup.ScreenPos = m.ScreenPos;
    popup.Pos = m.Pos;
    popup.Shift = m.Shift;
    Deliver(popup);
  }
  return consumed;
}

bool TControlAdapter::HandleWheel(QWheelEvent* event) {
  TMessage m;
  m.Kind = TMessageKind::MouseWheel;
  m.WheelDelta = event->angleDelta().y();
  m.Shift = ShiftOf(event->modifiers(), event->buttons());
  m.ScreenPos = event->globalPosition().toPoint();
  m.Pos = m_control->ScreenToClient(m.ScreenPos);
  return Deliver(m);
}

bool TControlAdapter::HandleEnterLeave(bool entering) {
  TMessage m;
  m.Kind = entering ? TMessageKind::MouseEnter : TMessageKind::MouseLeave;
  if (entering) Application().SetHintControl(m_control);
  else Application().LeaveHintControl(m_control);
  return Deliver(m);
}

bool TControlAdapter::HandleKey(QWidget* widget, QKeyEvent* event) {
  if (IsHandedOn(event, widget)) {
    // Handed on by a child that ignored it: only forms look at it, for
    // their default and cancel buttons.
    if (auto* form = dynamic_cast<TCustomForm*>(m_control); form && event->type() == QEvent::KeyPress)
      return form->HandleDialogKey(event->key());
    return false;
  }
  g_keyInFlight = event;
  g_keyReceiver = widget;
  const bool alt = event->modifiers() & Qt::AltModifier;
  TMessage m;
  m.Kind = event->type() == QEvent::KeyPress ? (alt ? TMessageKind::SysKeyDown : TMessageKind::KeyDown)
                                              : (alt ? TMessageKind::SysKeyUp : TMessageKind::KeyUp);
  m.Key = QtKeyToVirtualKey(event->key());
  m.Shift = ShiftOf(event->modifiers(), QApplication::mouseButtons());
  bool consumed = Deliver(m);
  if (event->type() == QEvent::KeyPress && !event->text().isEmpty() && !alt) {
    TMessage c;
    c.Kind = TMessageKind::Char;
    c.Char = event->text().at(0);
    c.Shift = m.Shift;
    consumed = Deliver(c) || consumed;
  }
  return consumed;
}

bool TControlAdapter::HandleFocus(bool gained) {
  TMessage m;
  m.Kind = gained ? TMessageKind::FocusIn : TMessageKind::FocusOut;
  return Deliver(m);
}

bool TControlAdapter::HandleClose(QEvent* event) {
  TMessage m;
  m.Kind = TMessageKind::Close;
  Deliver(m);
  // The control decides itself whether it hides or goes away.
  event->ignore();
  return true;
}

bool TControlAdapter::HandleDrag(QWidget* widget, QEvent* event) {
  TMessage m;
  m.Kind = event->type() == QEvent::DragEnter  ? TMessageKind::DragEnter
           : event->type() == QEvent::DragMove ? TMessageKind::DragMove
           : event->type() == QEvent::DragLeave ? TMessageKind::DragLeave
                                                : TMessageKind::DragDrop;
  // Every drag event but the leave carries the data and the position.
  auto* drop = event->type() == QEvent::DragLeave ? nullptr : static_cast<QDropEvent*>(event);
  if (drop) {
    m.Data = drop->mimeData();
    m.Pos = m_control->ScreenToClient(widget->mapToGlobal(drop->position().toPoint()));
    m.Accepted = false;
  }
  const bool consumed = Deliver(m);
  if (drop) {
    if (m.Accepted) drop->acceptProposedAction();
    else drop->ignore();
  }
  return consumed;
}
