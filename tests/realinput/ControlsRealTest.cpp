// The movie panel's own controls used with real input: the list field's
// drop-down takes no activation, a held spin button repeats without harm,
// and using the fields changes nothing that Save writes.
#include "realinput/RealInputFixture.h"

#include "support/TestSupport.h"

#include <QThread>

namespace {

class ControlsRealTest : public RealInputTest {
 protected:
  // A point inside a field of the panel, `fromRight` pixels left of its
  // right edge and at `y` from its top.
  QPoint FromRight(const char* name, int fromRight, int y) const {
    const QRect r = MainWindowRect(name);
    return QPoint(r.right() - fromRight, r.top() + y);
  }
  QString ActiveWindow() const { return session.XDoTool({QStringLiteral("getactivewindow")}).value_or(QString()).trimmed(); }
  // Waits until the screen area shows `picture` (a safety stop, not a timing check).
  bool ShowsAgain(const QRect& area, const QByteArray& picture) const {
    for (int i = 0; i < 100; ++i) {
      if (session.Grab(area) == picture) return true;
      QThread::msleep(100);
    }
    return false;
  }
  // Clicks Save, then Open: the language dialog comes only once Save has
  // returned, and not while an error box is up. Closes the dialog again.
  void SaveWithoutAnErrorBox() {
    ClickToolButton("TBSave");
    ASSERT_FALSE(OpenLanguageDialog().isEmpty()) << program.Errors().toStdString();
    EXPECT_FALSE(session.VisibleTitles().contains(QString::fromLatin1(kMainTitle)));
    session.Key("Escape");
    ASSERT_TRUE(session.WaitForNoWindow(kLanguageTitle));
  }
};

TEST_F(ControlsRealTest, TheListFieldsDropDownLeavesTheMainWindowActiveAndEscapeClosesIt) {
  OpenEnglish();
  if (HasFatalFailure()) return;
  const QRect field = MainWindowRect("ECategory");
  // The list has no entries in this program: its drop-down is a framed
  // strip under the field.
  const QRect below(field.left(), field.bottom() + 1, field.width(), 40);
  // The field takes the focus first, so that its focus frame is in both pictures.
  session.Click(MainWindowPoint("ECategory", QPoint(10, field.height() / 2)));
  const QByteArray closed = SettledPicture(below);
  ASSERT_FALSE(closed.isEmpty());
  session.Click(FromRight("ECategory", 6, field.height() / 2));
  QByteArray open;
  for (int i = 0; i < 100 && (open.isEmpty() || open == closed); ++i) {
    QThread::msleep(100);
    open = session.Grab(below);
  }
  ASSERT_NE(open, closed) << "the drop-down did not open";
  EXPECT_EQ(ActiveWindow(), mainWindow);
  session.Key("Escape");
  EXPECT_TRUE(ShowsAgain(below, closed));
  EXPECT_EQ(ActiveWindow(), mainWindow);
}

TEST_F(ControlsRealTest, AHeldSpinButtonRepeatsAndSaveStillWorks) {
  OpenEnglish();
  if (HasFatalFailure()) return;
  const QRect field = MainWindowRect("EVideoBitrate");
  const QPoint up = FromRight("EVideoBitrate", 5, field.height() / 4);
  session.XDoTool({QStringLiteral("mousemove"), QString::number(up.x()), QString::number(up.y()),
                   QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("1"),
                   QStringLiteral("mouseup"), QStringLiteral("1")});
  SaveWithoutAnErrorBox();
}

TEST_F(ControlsRealTest, UsingTheFieldsChangesNothingSaveWrites) {
  const QString file = program.LanguageFile("Deutsch.lng");
  const QString dialog = OpenLanguageDialog();
  ASSERT_FALSE(dialog.isEmpty());
  session.Click(LanguageDialogPoint(dialog, "lstLanguages"));
  session.Type("Deu");
  session.Click(LanguageDialogPoint(dialog, "rbLoadGUI"));
  session.Click(LanguageDialogPoint(dialog, "btn2"));
  ASSERT_TRUE(session.WaitForTitle(mainWindow, "Vornik GUI designer - Deutsch.lng"));
  SaveWithoutAnErrorBox();
  const QByteArray saved = ReadFileBytes(file);
  // Values typed and stepped in the fields are the catalog's data, not the layout.
  session.Click(MainWindowPoint("EMedia"));
  session.Type("Box 12");
  session.Click(MainWindowPoint("EYear"));
  session.Key("Up");
  session.Key("Up");
  session.Click(MainWindowPoint("ECategory"));
  session.Type("Drama");
  session.Click(MainWindowPoint("EURL"));
  session.Type("http://example.org");
  SaveWithoutAnErrorBox();
  EXPECT_EQ(ReadFileBytes(file), saved);
}

}  // namespace
