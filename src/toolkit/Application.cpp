#include "toolkit/Application.h"

#include "toolkit/Control.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Forms.h"
#include "toolkit/SysUtils.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QTimer>
#include <QToolTip>

TApplication& Application() {
  static TApplication app;
  return app;
}

namespace {

// Hint timing comes from the application's settings.
class HintStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return Application().HintPause();
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

class TApplication::CursorClipFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseMove) {
      const QRect clip = Application().CursorClip();
      // Where the move took the pointer, as the event says: asking the
      // platform would cost a round trip for every move.
      const QPoint pos = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
      if (clip.isValid() && !clip.contains(pos)) {
        QCursor::setPos(std::clamp(pos.x(), clip.left(), clip.right()), std::clamp(pos.y(), clip.top(), clip.bottom()));
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

TApplication::TApplication() : m_dialogs(std::make_unique<TQtDialogService>()) {}

TApplication::~TApplication() = default;

// The title stays the application's own: given to the platform as the
// display name it would be appended to the title of every window.
void TApplication::SetTitle(const QString& title) { m_title = title; }

void TApplication::Run() {
  m_terminated = false;
  if (qApp && !dynamic_cast<HintStyle*>(QApplication::style())) QApplication::setStyle(new HintStyle);
  SetHintColor(m_hintColor);
  if (m_mainForm) m_mainForm->ShowForm();
  if (!m_terminated) QApplication::exec();
}

void TApplication::Terminate() {
  m_terminated = true;
  QApplication::quit();
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TApplication::HandleException(const std::exception& error) {
  if (OnException) {
    OnException(error);
    return;
  }
  if (const auto* e = dynamic_cast<const Exception*>(&error)) {
    m_dialogs->ShowException(QString::fromLatin1(e->ClassName()), e->Message());
  } else {
    m_dialogs->ShowException(QStringLiteral("Exception"), QString::fromUtf8(error.what()));
  }
}

void TApplication::SetHintPause(int ms) { m_hintPause = ms; }

void TApplication::SetHintColor(TColor color) {
  m_hintColor = color;
  if (!qApp) return;
  QPalette p = QToolTip::palette();
  p.setColor(QPalette::ToolTipBase, ColorToQColor(color));
  QToolTip::setPalette(p);
}

void TApplication::SetHint(const QString& hint) {
  if (hint == m_hint) return;
  m_hint = hint;
  if (OnHint) OnHint(nullptr);
}

void TApplication::SetHintControl(TControl* control) {
  m_hintControl = control;
  QString hint;
  for (TControl* c = control; c; c = c->Parent()) {
    if (!c->Hint().isEmpty()) {
      hint = GetLongHint(c->Hint());
      break;
    }
  }
  SetHint(hint);
}

void TApplication::LeaveHintControl(TControl* control) {
  if (m_hintControl != control) return;
  SetHintControl(control->Parent());
}

std::unique_ptr<TDialogService> TApplication::SetDialogs(std::unique_ptr<TDialogService> service) {
  std::swap(service, m_dialogs);
  return service;
}

int TApplication::MessageBox(const QString& text, const QString& caption, int flags) {
  return m_dialogs->MessageBox(text, caption.isEmpty() ? m_title : caption, flags);
}

void TApplication::QueueFree(TComponent* component) {
  // The component may be freed by its owner before the queued call runs; a
  // watcher hears of that.
  struct Watcher : TComponent {
    Watcher() : TComponent(nullptr) {}
    bool gone = false;
    void Notification(TComponent* c, TOperation op) override {
      TComponent::Notification(c, op);
      if (op == TOperation::opRemove) gone = true;
    }
  };
  auto* watcher = new Watcher;
  component->FreeNotification(watcher);
  QTimer::singleShot(0, [component, watcher] {
    if (!watcher->gone) {
      component->RemoveFreeNotification(watcher);
      TComponent::Free(component);
    }
    delete watcher;
  });
}

void TApplication::ClipCursor(const QRect& screenRect) {
  m_cursorClip = screenRect;
  if (screenRect.isValid() && !m_clipFilter && qApp) {
    m_clipFilter = std::make_unique<CursorClipFilter>();
    qApp->installEventFilter(m_clipFilter.get());
  } else if (!screenRect.isValid() && m_clipFilter) {
    qApp->removeEventFilter(m_clipFilter.get());
    m_clipFilter.reset();
  }
}

void TApplication::ControlDestroyed(TControl* control) {
  if (m_hintControl == control) m_hintControl = nullptr;
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (m_mainForm == form) m_mainForm = nullptr;
  if (m_activeForm == form) m_activeForm = nullptr;
}

// ---- TQtDialogService ----

int TQtDialogService::MessageBox(const QString& text, const QString& caption, int flags) {
  QMessageBox box;
  box.setWindowTitle(caption);
  box.setText(text);
  switch (flags & 0xF0) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
  }
  switch (flags & 0x0F) {
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MB_YESNOCANCEL: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDCANCEL;
  }
}

void TQtDialogService::ShowException(const QString&, const QString& message) {
  MessageBox(message, Application().Title(), MB_OK | MB_ICONERROR);
}

int TQtDialogService::RunModal(TCustomForm& form) {
  QWidget* w = form.Widget();
  // A modal window blocks every other window until it is hidden while still
  // modal: dropping the modality first would leave the platform's list of
  // modal windows holding it, and the other windows would never take input
  // again. So the window is hidden before its modality goes, on every way out.
  struct ModalScope {
    QWidget* widget;
    explicit ModalScope(QWidget* w) : widget(w) { widget->setWindowModality(Qt::ApplicationModal); }
    ~ModalScope() {
      widget->hide();
      widget->setWindowModality(Qt::NonModal);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
  } modal(w);
  form.ShowForm();
  QEventLoop loop;
  while (form.ModalResult() == mrNone && w->isVisible() && !Application().Terminated())
    loop.processEvents(QEventLoop::WaitForMoreEvents);
  const int result = form.ModalResult() != mrNone ? form.ModalResult() : mrCancel;
  form.SetVisible(false);
  return result;
}

bool TQtDialogService::ExecuteDialog(TCommonDialog& dialog) { return dialog.RunNative(); }
