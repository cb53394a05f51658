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
  QWidget* own = m_control->Widget();
  TMessage m;
  switch (event->type()) {
    case QEvent::ChildAdded: {
      auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
      if (child && !TControl::FromWidget(child) && !IsForeign(child)) Watch(child);
      return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
      auto* me = static_cast<QMouseEvent*>(event);
      m.Kind = event->type() == QEvent::MouseButtonPress     ? TMessageKind::MouseDown
               : event->type() == QEvent::MouseButtonRelease ? TMessageKind::MouseUp
               : event->type() == QEvent::MouseButtonDblClick ? TMessageKind::MouseDblClick
                                                              : TMessageKind::MouseMove;
      m.Button = ButtonOf(me->button());
      m.Shift = ShiftOf(me->modifiers(), me->buttons());
      if (m.Kind == TMessageKind::MouseDblClick) m.Shift.Include(TShiftStateFlag::ssDouble);
      m.ScreenPos = me->globalPosition().toPoint();
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
    case QEvent::Wheel: {
      auto* we = static_cast<QWheelEvent*>(event);
      m.Kind = TMessageKind::MouseWheel;
      m.WheelDelta = we->angleDelta().y();
      m.Shift = ShiftOf(we->modifiers(), we->buttons());
      m.ScreenPos = we->globalPosition().toPoint();
      m.Pos = m_control->ScreenToClient(m.ScreenPos);
      return Deliver(m);
    }
    case QEvent::Enter:
    case QEvent::Leave:
      if (widget != own) return false;
      m.Kind = event->type() == QEvent::Enter ? TMessageKind::MouseEnter : TMessageKind::MouseLeave;
      if (m.Kind == TMessageKind::MouseEnter) Application().SetHintControl(m_control);
      else Application().LeaveHintControl(m_control);
      return Deliver(m);
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      if (IsHandedOn(event, widget)) {
        // Handed on by a child that ignored it: only forms look at it, for
        // their default and cancel buttons.
        if (auto* form = dynamic_cast<TCustomForm*>(m_control); form && event->type() == QEvent::KeyPress)
          return form->HandleDialogKey(static_cast<QKeyEvent*>(event)->key());
        return false;
      }
      g_keyInFlight = event;
      g_keyReceiver = widget;
      auto* ke = static_cast<QKeyEvent*>(event);
      const bool alt = ke->modifiers() & Qt::AltModifier;
      m.Kind = event->type() == QEvent::KeyPress ? (alt ? TMessageKind::SysKeyDown : TMessageKind::KeyDown)
                                                  : (alt ? TMessageKind::SysKeyUp : TMessageKind::KeyUp);
      m.Key = QtKeyToVirtualKey(ke->key());
      m.Shift = ShiftOf(ke->modifiers(), QApplication::mouseButtons());
      bool consumed = Deliver(m);
      if (event->type() == QEvent::KeyPress && !ke->text().isEmpty() && !alt) {
        TMessage c;
        c.Kind = TMessageKind::Char;
        c.Char = ke->text().at(0);
        c.Shift = m.Shift;
        consumed = Deliver(c) || consumed;
      }
      return consumed;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      m.Kind = event->type() == QEvent::FocusIn ? TMessageKind::FocusIn : TMessageKind::FocusOut;
      return Deliver(m);
    case QEvent::Close:
      if (widget != own) return false;
      m.Kind = TMessageKind::Close;
      Deliver(m);
      // The control decides itself whether it hides or goes away.
      event->ignore();
      return true;
    case QEvent::ContextMenu: {
      // Context popups come from the right-button release; Qt's own menu
      // (for example the edit box's) only shows when nothing claimed it.
      if (m_control->IsDesigning() || m_control->PopupMenu()) return true;
      return false;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop: {
      m.Kind = event->type() == QEvent::DragEnter  ? TMessageKind::DragEnter
               : event->type() == QEvent::DragMove ? TMessageKind::DragMove
               : event->type() == QEvent::DragLeave ? TMessageKind::DragLeave
                                                    : TMessageKind::DragDrop;
      if (event->type() != QEvent::DragLeave) {
        auto* de = static_cast<QDropEvent*>(event);
        m.Data = de->mimeData();
        m.Pos = m_control->ScreenToClient(widget->mapToGlobal(de->position().toPoint()));
        m.Accepted = false;
      }
      const bool consumed = Deliver(m);
      if (event->type() != QEvent::DragLeave) {
        auto* de = static_cast<QDropEvent*>(event);
        if (m.Accepted) de->acceptProposedAction();
        else de->ignore();
      }
      return consumed;
    }
    case QEvent::ToolTip:
      return HandleHint(widget, event);
    case QEvent::Move:
    case QEvent::Resize:
      // A window's position and size come from the window system; for every
      // other control they come from the control itself.
      if (widget == own && own->isWindow()) m_control->WindowGeometryChanged();
      return false;
    default:
      return false;
  }
}
