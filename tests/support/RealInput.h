// Driving the real program the way a user does: an X server of its own
// (Xvfb) with a window manager (openbox), the program started in a copy of
// the sample installation, and real mouse and key events sent through XTEST
// (xdotool). Windows are found by their exact titles; coordinates come from
// the window geometry the server reports.
#pragma once

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// An X server with a window manager, for the life of the object.
class XSession {
 public:
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  // Empty when the session is up; otherwise why it is not.
  const QString& Failure() const { return m_failure; }
  // ":N", for the DISPLAY of programs started in the session.
  const QString& Display() const { return m_display; }

  // Runs xdotool with the arguments; its standard output, or nullopt when
  // it failed.
  std::optional<QString> XDoTool(const QStringList& args) const;

  // The visible top-level window whose title is exactly `title`, waiting up
  // to `limitMs` for it to appear (a safety stop, not a timing check).
  std::optional<QString> WaitForWindow(const QString& title, int limitMs = 20000) const;
  // Waits until no visible window has the title; false on the safety stop.
  bool WaitForNoWindow(const QString& title, int limitMs = 20000) const;
  // Waits until the window's title is `title`; false on the safety stop.
  bool WaitForTitle(const QString& window, const QString& title, int limitMs = 20000) const;
  QString Title(const QString& window) const;
  // The titles of every visible window, for failure messages.
  QStringList VisibleTitles() const;
  // The client area of a window on the screen.
  QRect Geometry(const QString& window) const;

  // Real input. A click moves the pointer there first.
  void Click(const QPoint& screen) const;
  // A left-button drag: pressed at `from`, moved there in a few steps with
  // the button held, released at `to`.
  void Drag(const QPoint& from, const QPoint& to) const;
  // Moves the pointer without a button.
  void MoveTo(const QPoint& screen) const;
  // The pixels of a rectangle of the screen as a PPM picture (no metadata,
  // so equal pictures have equal bytes); empty when it cannot be taken.
  QByteArray Grab(const QRect& screen) const;
  // Keys by X key name ("Escape", "Return", "ctrl+s") to the focused window.
  void Key(const QString& keys) const;
  void Type(const QString& text) const;
  // Gives the window the focus through the window manager and waits for it.
  void Activate(const QString& window) const;

 private:
  // One try at the server and the window manager; empty on success,
  // otherwise why not.
  QString Start();
  QByteArray RunBytes(const QString& program, const QStringList& args, bool* ok) const;
  QString Run(const QString& program, const QStringList& args, bool* ok) const;

  std::unique_ptr<QProcess> m_server;
  std::unique_ptr<QProcess> m_windowManager;
  QString m_display;
  QString m_failure;
};

// The designer, started in a fresh copy of the sample installation inside an
// X session, and ended when the object goes.
class ProgramRun {
 public:
  // `program` is the built executable; `sample` the bundled installation.
  ProgramRun(const XSession& session, const QString& program, const QString& sample);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  // Starts the program; empty on success, otherwise why not.
  QString Start();
  // The installation folder (the program folder).
  QString Folder() const { return m_dir.path(); }
  QString LanguageFile(const QString& name) const;
  // What the program wrote on its error stream so far.
  QString Errors();
  bool Running() const { return m_process.state() != QProcess::NotRunning; }

 private:
  const XSession& m_session;
  QString m_program;
  QString m_sample;
  QTemporaryDir m_dir;
  QProcess m_process;
};
