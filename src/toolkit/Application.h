// Application services: the message loop, the handler for uncaught errors,
// hints, and the one service through which every message box, modal window
// and common dialog goes (tests install one that answers them).
#pragma once

#include "toolkit/Colors.h"
#include "toolkit/Component.h"

#include <QPointer>
#include <QRect>
#include <QString>

#include <exception>
#include <functional>
#include <memory>

class TControl;
class TCustomForm;
class TCommonDialog;

// Message box buttons and icons, and the answers.
enum : int {
  MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
  MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

class TDialogService {
 public:
  virtual ~TDialogService() = default;
  // A message box; returns the answer (IDOK, IDYES, ...).
  virtual int MessageBox(const QString& text, const QString& caption, int flags) = 0;
  // The box of the handler for uncaught errors.
  virtual void ShowException(const QString& className, const QString& message) = 0;
  // Shows a form modally until its modal result is set or it is closed.
  virtual int RunModal(TCustomForm& form) = 0;
  // Runs a common dialog; true when the user confirmed.
  virtual bool ExecuteDialog(TCommonDialog& dialog) = 0;
};

// The real service: Qt message boxes, a nested event loop for modal windows
// and the dialogs' own Qt windows.
class TQtDialogService : public TDialogService {
 public:
  int MessageBox(const QString& text, const QString& caption, int flags) override;
  void ShowException(const QString& className, const QString& message) override;
  int RunModal(TCustomForm& form) override;
  bool ExecuteDialog(TCommonDialog& dialog) override;
};

class TApplication {
 public:
  TApplication();
  ~TApplication();

  QString Title() const { return m_title; }
  void SetTitle(const QString& title);
  TCustomForm* MainForm() const { return m_mainForm; }
  void SetMainForm(TCustomForm* form) { m_mainForm = form; }
  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return m_terminated; }
  void ProcessMessages();

  // Runs code that is called from the event loop; an error it raises goes to
  // HandleException instead of through Qt.
  template <class F>
  void Guard(F&& code) {
    try {
      code();
    } catch (const std::exception& e) {
      HandleException(e);
    }
  }
  // Shows the error's message in a message box and lets the program go on.
  void HandleException(const std::exception& error);
  std::function<void(const std::exception&)> OnException;

  int HintPause() const { return m_hintPause; }
  void SetHintPause(int ms);
  int HintHidePause() const { return m_hintHidePause; }
  void SetHintHidePause(int ms) { m_hintHidePause = ms; }
  TColor HintColor() const { return m_hintColor; }
  void SetHintColor(TColor color);
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool value) { m_showHint = value; }
  // The long part of the hint of the control under the mouse; OnHint
  // announces every new text.
  QString Hint() const { return m_hint; }
  void SetHint(const QString& hint);
  TNotifyEvent OnHint;
  void SetHintControl(TControl* control);
  void LeaveHintControl(TControl* control);

  TDialogService& Dialogs() { return *m_dialogs; }
  // Installs another service and returns the one it replaces.
  std::unique_ptr<TDialogService> SetDialogs(std::unique_ptr<TDialogService> service);
  int MessageBox(const QString& text, const QString& caption, int flags);

  // Frees a component after the current event.
  void QueueFree(TComponent* component);
  TCustomForm* ActiveForm() const { return m_activeForm; }
  void SetActiveForm(TCustomForm* form) { m_activeForm = form; }

  // Keeps the pointer inside a screen rectangle where the platform allows
  // it; an empty rectangle lifts the limit.
  void ClipCursor(const QRect& screenRect);
  QRect CursorClip() const { return m_cursorClip; }

  // Bookkeeping of going controls and forms.
  void ControlDestroyed(TControl* control);
  void FormDestroyed(TCustomForm* form);

 private:
  class CursorClipFilter;
  QString m_title;
  TCustomForm* m_mainForm = nullptr;
  TCustomForm* m_activeForm = nullptr;
  bool m_terminated = false;
  int m_hintPause = 500;
  int m_hintHidePause = 2500;
  TColor m_hintColor = clInfoBk;
  bool m_showHint = true;
  QString m_hint;
  TControl* m_hintControl = nullptr;
  std::unique_ptr<TDialogService> m_dialogs;
  QRect m_cursorClip;
  std::unique_ptr<CursorClipFilter> m_clipFilter;
};

TApplication& Application();
