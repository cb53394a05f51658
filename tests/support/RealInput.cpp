#include "support/RealInput.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QThread>

namespace {

constexpr int kPollMs = 50;

// Polls `done` until it holds or the deadline passes.
template <class F>
bool PollUntil(F&& done, int limitMs) {
  QDeadlineTimer deadline(limitMs);
  while (true) {
    if (done()) return true;
    if (deadline.hasExpired()) return false;
    QThread::msleep(kPollMs);
  }
}

void EndProcess(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(3000);
  }
}

}  // namespace

// ---- XSession ----

XSession::XSession() : m_server(std::make_unique<QProcess>()), m_windowManager(std::make_unique<QProcess>()) {
  // On a loaded machine a fresh server can be gone again before the window
  // manager reaches it; the whole session then starts over on a display the
  // server picks anew.
  for (int attempt = 0; attempt < 3; ++attempt) {
    m_failure = Start();
    if (m_failure.isEmpty() || m_failure.contains(QStringLiteral("scripts/setup-deps"))) return;
    EndProcess(*m_windowManager);
    EndProcess(*m_server);
  }
}

QString XSession::Start() {
  // The server picks a free display itself and writes its number to the
  // given descriptor: here its standard output.
  m_server->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-dpi"),
                                           QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  if (!m_server->waitForStarted(10000)) return QStringLiteral("Xvfb cannot be started (scripts/setup-deps test installs it)");
  QByteArray number;
  const bool announced = PollUntil(
      [&] {
        m_server->waitForReadyRead(kPollMs);
        number += m_server->readAllStandardOutput();
        return number.contains('\n') || m_server->state() == QProcess::NotRunning;
      },
      20000);
  if (!announced || number.trimmed().isEmpty())
    return QStringLiteral("Xvfb did not announce its display: ") + QString::fromLocal8Bit(m_server->readAllStandardError());
  m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), m_display);
  m_windowManager->setProcessEnvironment(env);
  m_windowManager->setProcessChannelMode(QProcess::MergedChannels);
  m_windowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
  if (!m_windowManager->waitForStarted(10000))
    return QStringLiteral("openbox cannot be started (scripts/setup-deps test installs it)");
  // The manager announces itself on the root window once it manages windows.
  bool ok = false;
  const bool settled = PollUntil(
      [&] {
        const QString out = Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")}, &ok);
        return (ok && out.contains(QStringLiteral("window id"))) || m_windowManager->state() == QProcess::NotRunning;
      },
      30000);
  if (!settled || m_windowManager->state() != QProcess::Running) {
    const QString server = m_server->state() == QProcess::Running ? QStringLiteral("running")
                                                                    : QStringLiteral("gone: ") + QString::fromLocal8Bit(m_server->readAllStandardError());
    return QStringLiteral("the window manager did not start on ") + m_display + QStringLiteral(" (server ") + server +
           QStringLiteral("): ") + QString::fromLocal8Bit(m_windowManager->readAll());
  }
  if (!XDoTool({QStringLiteral("version")})) return QStringLiteral("xdotool cannot be run (scripts/setup-deps test installs it)");
  return QString();
}

XSession::~XSession() {
  EndProcess(*m_windowManager);
  EndProcess(*m_server);
}

QByteArray XSession::RunBytes(const QString& program, const QStringList& args, bool* ok) const {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), m_display);
  process.setProcessEnvironment(env);
  process.start(program, args);
  *ok = process.waitForStarted(10000) && process.waitForFinished(20000) &&
        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  return process.readAllStandardOutput();
}

QString XSession::Run(const QString& program, const QStringList& args, bool* ok) const {
  return QString::fromLocal8Bit(RunBytes(program, args, ok));
}

std::optional<QString> XSession::XDoTool(const QStringList& args) const {
  bool ok = false;
  QString out = Run(QStringLiteral("xdotool"), args, &ok);
  if (!ok) return std::nullopt;
  return out;
}

QStringList XSession::VisibleTitles() const {
  QStringList titles;
  const std::optional<QString> ids = XDoTool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                              QStringLiteral("--name"), QStringLiteral(".")});
  if (!ids) return titles;
  for (const QString& id : ids->split(QLatin1Char('\n'), Qt::SkipEmptyParts)) titles << Title(id);
  return titles;
}

std::optional<QString> XSession::WaitForWindow(const QString& title, int limitMs) const {
  std::optional<QString> found;
  PollUntil(
      [&] {
        const std::optional<QString> ids = XDoTool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                    QStringLiteral("--name"), QStringLiteral(".")});
        if (!ids) return false;
        for (const QString& id : ids->split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
          if (Title(id) == title) {
            found = id;
            return true;
          }
        }
        return false;
      },
      limitMs);
  return found;
}

bool XSession::WaitForNoWindow(const QString& title, int limitMs) const {
  return PollUntil([&] { return !VisibleTitles().contains(title); }, limitMs);
}

bool XSession::WaitForTitle(const QString& window, const QString& title, int limitMs) const {
  return PollUntil([&] { return Title(window) == title; }, limitMs);
}

QString XSession::Title(const QString& window) const {
  return XDoTool({QStringLiteral("getwindowname"), window}).value_or(QString()).trimmed();
}

QRect XSession::Geometry(const QString& window) const {
  // xwininfo reports where the client area is on the screen; xdotool's own
  // answer counts a reparenting window manager's frame offsets twice.
  bool ok = false;
  const QString out = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}, &ok);
  if (!ok) return {};
  int x = 0, y = 0, width = 0, height = 0;
  for (const QString& raw : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QString line = raw.trimmed();
    const int value = line.section(QLatin1Char(':'), 1).trimmed().toInt();
    if (line.startsWith(QLatin1String("Absolute upper-left X:"))) x = value;
    else if (line.startsWith(QLatin1String("Absolute upper-left Y:"))) y = value;
    else if (line.startsWith(QLatin1String("Width:"))) width = value;
    else if (line.startsWith(QLatin1String("Height:"))) height = value;
  }
  return QRect(x, y, width, height);
}

void XSession::Click(const QPoint& screen) const {
  // No "--sync": it waits for the pointer to move, which it never does when
  // it is already there. The server takes the events in order anyway.
  XDoTool({QStringLiteral("mousemove"), QString::number(screen.x()),
           QString::number(screen.y()), QStringLiteral("click"), QStringLiteral("1")});
}

void XSession::Drag(const QPoint& from, const QPoint& to) const {
  // One chain, so nothing comes between the press and the release; short
  // pauses let the program see each step as a user's hand would make it.
  const QPoint middle = (from + to) / 2;
  auto at = [](const QPoint& p) { return QStringList{QString::number(p.x()), QString::number(p.y())}; };
  QStringList args{QStringLiteral("mousemove")};
  args << at(from) << QStringLiteral("sleep") << QStringLiteral("0.2") << QStringLiteral("mousedown")
       << QStringLiteral("1") << QStringLiteral("sleep") << QStringLiteral("0.2") << QStringLiteral("mousemove")
       << at(middle) << QStringLiteral("sleep") << QStringLiteral("0.2") << QStringLiteral("mousemove") << at(to)
       << QStringLiteral("sleep") << QStringLiteral("0.2") << QStringLiteral("mouseup") << QStringLiteral("1");
  XDoTool(args);
}

void XSession::MoveTo(const QPoint& screen) const {
  XDoTool({QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y())});
}

QByteArray XSession::Grab(const QRect& screen) const {
  bool ok = false;
  const QString crop = QStringLiteral("%1x%2+%3+%4").arg(screen.width()).arg(screen.height()).arg(screen.x()).arg(screen.y());
  QByteArray picture = RunBytes(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                           QStringLiteral("-crop"), crop, QStringLiteral("+repage"),
                                                           QStringLiteral("ppm:-")},
                                &ok);
  return ok ? picture : QByteArray();
}

void XSession::Key(const QString& keys) const {
  XDoTool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

void XSession::Type(const QString& text) const {
  XDoTool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

void XSession::Activate(const QString& window) const {
  XDoTool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
}

// ---- ProgramRun ----

ProgramRun::ProgramRun(const XSession& session, const QString& program, const QString& sample)
    : m_session(session), m_program(program), m_sample(sample) {}

ProgramRun::~ProgramRun() { EndProcess(m_process); }

QString ProgramRun::Start() {
  if (!m_dir.isValid()) return QStringLiteral("no temporary folder");
  const QDir root(m_dir.path());
  QDirIterator it(m_sample, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString from = it.next();
    const QString to = root.filePath(QDir(m_sample).relativeFilePath(from));
    root.mkpath(QFileInfo(to).path());
    if (!QFile::copy(from, to)) return QStringLiteral("cannot copy ") + from;
  }
  const QString executable = root.filePath(QFileInfo(m_program).fileName());
  if (!QFile::copy(m_program, executable)) return QStringLiteral("cannot copy the program ") + m_program;
  root.mkpath(QStringLiteral("runtime"));
  QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), m_session.Display());
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("runtime")));
  m_process.setProcessEnvironment(env);
  m_process.setWorkingDirectory(root.path());
  m_process.start(executable, {});
  if (!m_process.waitForStarted(10000)) return QStringLiteral("the program did not start: ") + m_process.errorString();
  return QString();
}

QString ProgramRun::LanguageFile(const QString& name) const {
  return QDir(m_dir.path()).filePath(QStringLiteral("Languages/") + name);
}

QString ProgramRun::Errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }
