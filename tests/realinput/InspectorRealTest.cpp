// The property inspector used with real input. The test host starts the
// program's main window with controls already in the inspector (until the
// design surface selects them with a click); the rows are clicked and typed
// into with real keys, and Save writes what was typed.
#include "realinput/RealInputFixture.h"

#include "app/mainunit.h"
#include "frame/framemovie.h"
#include "inspector/ELPropInsp.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {

class InspectorRealInput : public RealInputTest {
 protected:
  explicit InspectorRealInput(const QStringList& selection) : RealInputTest(QStringLiteral(VORNIK_INSPECTOR_HOST)) {
    qputenv("VORNIK_SELECT", selection.join(QLatin1Char(' ')).toLatin1());
    // The same rows offscreen, to know where they are.
    for (const QString& name : selection) Layout().Add(MainLayout().FrmMovie()->Child(name));
  }
  ~InspectorRealInput() override { qunsetenv("VORNIK_SELECT"); }

  TELPropertyInspector& Layout() const { return *MainLayout().PInspector(); }

  // A cell of the row with that caption on the screen: the caption (column
  // 0, `x` pixels into it) or the value (column 1, its centre).
  QPoint Cell(const QString& caption, int col, int x = -1) const {
    for (int r = 0; r < Layout().RowCount(); ++r) {
      if (Layout().ItemAtRow(r)->Caption() != caption) continue;
      const QRect cell = Layout().CellRect(col, r);
      return MainWindowPoint("PInspector", x < 0 ? cell.center() : QPoint(cell.left() + x, cell.center().y()));
    }
    ADD_FAILURE() << "no row " << caption.toStdString();
    return {};
  }

  // Opens the preselected English file with the dialog's Enter.
  void OpenEnglish() {
    ASSERT_FALSE(OpenLanguageDialog().isEmpty());
    session.Key("Return");
    ASSERT_TRUE(session.WaitForTitle(mainWindow, "Vornik GUI designer - English.lng"));
  }

  // Waits until the language file holds every line (a safety stop, not a
  // timing check).
  bool FileHolds(const QStringList& lines, int limitMs = 20000) const {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < limitMs) {
      const QString text = QString::fromUtf8(ReadFileBytes(program.LanguageFile("English.lng")));
      if (std::all_of(lines.begin(), lines.end(), [&](const QString& l) { return text.contains(l + "\r\n"); }))
        return true;
      QThread::msleep(100);
    }
    return false;
  }
};

class MediaLabelField : public InspectorRealInput {
 protected:
  MediaLabelField() : InspectorRealInput({"EMedia"}) {}
};

TEST_F(MediaLabelField, TheLeftTypedIntoItsRowIsSaved) {
  OpenEnglish();
  session.Click(Cell("Left", 1));
  session.Type("200");
  session.Key("Return");
  ClickToolButton("TBSave");
  EXPECT_TRUE(FileHolds({"EMedia.Left=200", "CustomGUI=yes"})) << program.Errors().toStdString();
}

class LabelAndField : public InspectorRealInput {
 protected:
  LabelAndField() : InspectorRealInput({"LMedia", "EMedia"}) {
    for (int r = 0; r < Layout().RowCount(); ++r)
      if (Layout().ItemAtRow(r)->Caption() == "Anchors") Layout().ItemAtRow(r)->Expand();
  }
};

TEST_F(LabelAndField, AnAnchorSetOnBothKeepsEachOnesOtherAnchors) {
  OpenEnglish();
  // The plus glyph of Anchors, then the value of its akBottom row.
  session.Click(Cell("Anchors", 0, 5));
  session.Click(Cell("akBottom", 1));
  session.Type("True");
  session.Key("Return");
  ClickToolButton("TBSave");
  // The label was left and top, the field left, top and right.
  EXPECT_TRUE(FileHolds({"LMedia.Anchors=11", "EMedia.Anchors=15"})) << program.Errors().toStdString();
}

}  // namespace
