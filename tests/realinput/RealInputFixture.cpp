#include "realinput/RealInputFixture.h"

#include "app/mainunit.h"
#include "lang/languageselect.h"
#include "toolkit/Control.h"
#include "toolkit/Screen.h"

#include "support/TestSupport.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

#include <optional>

namespace {

// A component by name among those the root owns, and those they own.
TComponent* FindOwned(const TComponent& root, const QString& name) {
  if (TComponent* found = root.FindComponent(name)) return found;
  for (int i = 0; i < root.ComponentCount(); ++i)
    if (TComponent* found = FindOwned(*root.Components(i), name)) return found;
  return nullptr;
}

// The rectangle of a named control relative to its form's client area.
QRect RectInForm(const TCustomForm& form, const char* name) {
  auto* control = dynamic_cast<TControl*>(FindOwned(form, QString::fromLatin1(name)));
  if (!control) {
    ADD_FAILURE() << "no control " << name << " on " << form.Name().toStdString();
    return {};
  }
  return QRect(control->ClientOrigin() - form.ClientOrigin(), QSize(control->Width(), control->Height()));
}

// A point of a named control relative to its form's client area; its centre
// without a point.
QPoint PointInForm(const TCustomForm& form, const char* name, std::optional<QPoint> at = std::nullopt) {
  const QRect r = RectInForm(form, name);
  return r.topLeft() + at.value_or(QPoint(r.width() / 2, r.height() / 2));
}

}  // namespace

RealInputTest::RealInputTest()
    : program{session, QStringLiteral(VORNIK_PROGRAM), QStringLiteral(VORNIK_SOURCE_DIR "/sample")} {
  // The same windows built offscreen: their controls' bounds are the tables'.
  Screen().SetPixelsPerInch(96);
  m_mainLayout = new TMainForm(nullptr);
  m_languageLayout = new TLanguageWin(m_mainLayout);
}

RealInputTest::~RealInputTest() {
  TComponent::Free(m_mainLayout);
  Screen().SetPixelsPerInch(0);
}

void RealInputTest::SetUp() {
  ASSERT_TRUE(session.Failure().isEmpty()) << session.Failure().toStdString();
  const QString failure = program.Start();
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  mainWindow = ExpectWindow(QString::fromLatin1(kMainTitle));
  ASSERT_FALSE(mainWindow.isEmpty());
}

QString RealInputTest::ExpectWindow(const QString& title) const {
  const std::optional<QString> window = session.WaitForWindow(title);
  if (!window) {
    ADD_FAILURE() << "no window \"" << title.toStdString() << "\"; there are: "
                  << session.VisibleTitles().join(QStringLiteral(" | ")).toStdString();
    return QString();
  }
  return *window;
}

QPoint RealInputTest::MainWindowPoint(const char* name) const {
  return session.Geometry(mainWindow).topLeft() + PointInForm(*m_mainLayout, name);
}

QPoint RealInputTest::MainWindowPoint(const char* name, const QPoint& inControl) const {
  return session.Geometry(mainWindow).topLeft() + PointInForm(*m_mainLayout, name, inControl);
}

QRect RealInputTest::MainWindowRect(const char* name) const {
  return RectInForm(*m_mainLayout, name).translated(session.Geometry(mainWindow).topLeft());
}

QPoint RealInputTest::LanguageDialogPoint(const QString& window, const char* name) const {
  return session.Geometry(window).topLeft() + PointInForm(*m_languageLayout, name);
}

void RealInputTest::ClickToolButton(const char* name) const { session.Click(MainWindowPoint(name)); }

QString RealInputTest::OpenLanguageDialog() const {
  ClickToolButton("TBOpen");
  return ExpectWindow(QString::fromLatin1(kLanguageTitle));
}

void RealInputTest::OpenEnglish() const {
  ASSERT_FALSE(OpenLanguageDialog().isEmpty());
  session.Key(QStringLiteral("Return"));
  ASSERT_TRUE(session.WaitForTitle(mainWindow, QStringLiteral("Vornik GUI designer - English.lng")));
}

QByteArray RealInputTest::EnableEditing() const {
  const QByteArray emptyList = session.Grab(MainWindowRect("CBNames"));
  session.Click(MainWindowPoint("CBLock"));
  return ComponentListOtherThan(emptyList);
}

QByteArray RealInputTest::ComponentListOtherThan(const QByteArray& old) const {
  const QByteArray picture = SettledPicture(MainWindowRect("CBNames"), old);
  if (picture.isEmpty()) ADD_FAILURE() << "the component list did not change";
  return picture;
}

QByteArray RealInputTest::SettledPicture(const QRect& area, const QByteArray& other) const {
  QByteArray previous;
  QDeadlineTimer deadline(20000);
  while (!deadline.hasExpired()) {
    const QByteArray picture = session.Grab(area);
    if (!picture.isEmpty() && picture != other && picture == previous) return picture;
    previous = picture;
    QThread::msleep(100);
  }
  return {};
}

bool RealInputTest::SaveAndWaitFor(const QStringList& lines) {
  ClickToolButton("TBSave");
  return FileHolds(lines);
}

bool RealInputTest::FileHolds(const QStringList& lines) {
  const QString file = program.LanguageFile(QStringLiteral("English.lng"));
  QDeadlineTimer deadline(120000);
  while (!deadline.hasExpired()) {
    const QByteArray bytes = ReadFileBytes(file);
    const auto holds = [&bytes](const QString& line) { return bytes.contains(line.toLatin1() + "\r\n"); };
    if (std::all_of(lines.begin(), lines.end(), holds)) return true;
    QThread::msleep(200);
  }
  QStringList held;
  for (const QByteArray& line : ReadFileBytes(file).split('\n'))
    for (const QString& wanted : lines)
      if (line.startsWith(wanted.section(QLatin1Char('='), 0, 0).toLatin1() + '='))
        held << QString::fromLatin1(line.trimmed());
  ADD_FAILURE() << "the file does not hold " << lines.join(", ").toStdString() << " but "
                << held.join(", ").toStdString() << "; errors: " << program.Errors().toStdString();
  return false;
}
