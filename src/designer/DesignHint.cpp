#include "designer/DesignHint.h"

#include "designer/DesignEngine.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

namespace {

// The hint sits below the pointer by the height of a standard pointer image.
constexpr int kPointerHeight = 20;

// The hint window: a plain tool-tip window that never takes the focus or
// the mouse. Its title is its text, so window lists and assistive tools
// read what it shows.
class THintWindow : public QLabel {
 public:
  THintWindow() : QLabel(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setMargin(2);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
  }
  void ShowText(const QString& text, const QPoint& at) {
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorToQColor(Application().HintColor()));
    p.setColor(QPalette::WindowText, ColorToQColor(clInfoText));
    setPalette(p);
    setFont(QToolTip::font());
    setText(text);
    setWindowTitle(text);
    // Lines wrap only at the width of the screen.
    setWordWrap(false);
    setMaximumWidth(std::max(1, Screen().Width()));
    resize(sizeHint().boundedTo(maximumSize()));
    move(at);
    show();
    raise();
    repaint();
  }
};

bool CancelsHint(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::Wheel:
    case QEvent::ApplicationActivate:
    case QEvent::ApplicationDeactivate:
    case QEvent::ApplicationStateChange: return true;
    default: return false;
  }
}

// What every controller shares: the window, the count of controllers, the
// application-wide filter that hides a cancellable hint on input, and the
// controller whose text shows.
struct TSharedHint {
  QPointer<THintWindow> window;
  int controllers = 0;
  std::unique_ptr<QObject> filter;
  TDEngHint* current = nullptr;
};

TSharedHint& Shared() {
  static TSharedHint shared;
  return shared;
}

class TCancelFilter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (TDEngHint* current = Shared().current) current->CancelOnEvent(event->type());
    return false;
  }
};

}  // namespace

TDEngHint::TDEngHint(TDEng& engine) : m_engine(engine), m_timer(std::make_unique<QTimer>()) {
  m_timer->setSingleShot(true);
  QObject::connect(m_timer.get(), &QTimer::timeout, [this] { Application().Guard([this] { Tick(); }); });
  TSharedHint& shared = Shared();
  if (shared.controllers++ == 0) {
    shared.window = new THintWindow;
    shared.filter = std::make_unique<TCancelFilter>();
    if (qApp) qApp->installEventFilter(shared.filter.get());
  }
}

TDEngHint::~TDEngHint() {
  Hide();
  TSharedHint& shared = Shared();
  if (shared.current == this) shared.current = nullptr;
  if (--shared.controllers == 0) {
    if (qApp) qApp->removeEventFilter(shared.filter.get());
    shared.filter.reset();
    delete shared.window.data();
  }
}

QWidget* TDEngHint::Window() { return Shared().window.data(); }

void TDEngHint::Show(const QString& text, bool delayed, bool autoHide, TControl* watched, bool cancelOnInput) {
  m_text = text;
  m_autoHide = autoHide;
  m_watched = watched;
  m_cancelOnInput = cancelOnInput;
  if (!delayed) {
    ShowNow();
    return;
  }
  m_timerMode = TTimerMode::Show;
  m_timer->start(Application().HintPause());
}

void TDEngHint::ShowNow() {
  const QPoint pointer = m_engine.PointerPos();
  if (m_watched) {
    TControl* under = m_engine.ControlAtScreen(pointer);
    if (!under || m_engine.DesignableAncestor(under) != m_watched) {
      Hide();
      return;
    }
  }
  m_timer->stop();
  TSharedHint& shared = Shared();
  if (shared.window) shared.window->ShowText(m_text, pointer + QPoint(0, kPointerHeight));
  shared.current = this;
  if (m_autoHide) {
    m_timerMode = TTimerMode::Hide;
    m_timer->start(Application().HintHidePause());
  }
  m_showing = true;
}

void TDEngHint::Hide() {
  m_timer->stop();
  TSharedHint& shared = Shared();
  if (shared.current == this) {
    if (shared.window) shared.window->hide();
    shared.current = nullptr;
  }
  m_showing = false;
  m_watched = nullptr;
}

void TDEngHint::Tick() {
  if (m_timerMode == TTimerMode::Show)
    ShowNow();
  else
    Hide();
}

void TDEngHint::CancelOnEvent(int qtEventType) {
  if (Shared().current == this && m_showing && m_cancelOnInput && CancelsHint(static_cast<QEvent::Type>(qtEventType)))
    Hide();
}

void TDEngHint::ControlGone(const TComponent* component) {
  if (component == m_watched) Hide();
}
