// The property inspector used with real input: "Enable editing", the
// controls clicked on the design surface, their rows clicked and typed into
// with real keys, and Save writes what was typed.
#include "realinput/RealInputFixture.h"

#include "app/mainunit.h"
#include "frame/framemovie.h"
#include "inspector/ELPropInsp.h"

namespace {

class InspectorRealInput : public RealInputTest {
 protected:
  // Opens English, ticks "Enable editing" and selects the controls with
  // clicks (Shift for all but the first). The same rows are built offscreen,
  // to know where they are.
  void Select(const QStringList& names) {
    OpenEnglish();
    if (HasFatalFailure()) return;
    ASSERT_FALSE(EnableEditing().isEmpty());
    for (qsizetype i = 0; i < names.size(); ++i) {
      const QByteArray name = names[i].toLatin1();
      if (i > 0) session.XDoTool({QStringLiteral("keydown"), QStringLiteral("shift")});
      session.Click(MainWindowPoint(name.constData()));
      if (i > 0) session.XDoTool({QStringLiteral("keyup"), QStringLiteral("shift")});
      Layout().Add(MainLayout().FrmMovie()->Child(names[i]));
    }
  }

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
};

TEST_F(InspectorRealInput, TheLeftTypedIntoTheMediaFieldsRowIsSaved) {
  Select({"EMedia"});
  if (HasFatalFailure()) return;
  session.Click(Cell("Left", 1));
  session.Type("200");
  session.Key("Return");
  EXPECT_TRUE(SaveAndWaitFor({"EMedia.Left=200", "CustomGUI=yes"}));
}

TEST_F(InspectorRealInput, CtrlZInTheRowAfterEnterTakesTheWrittenValueBack) {
  Select({"EMedia"});
  if (HasFatalFailure()) return;
  session.Click(Cell("Left", 1));
  session.Type("200");
  session.Key("Return");
  session.Key("ctrl+z");
  EXPECT_TRUE(SaveAndWaitFor({"EMedia.Left=104", "CustomGUI=yes"}));
}

TEST_F(InspectorRealInput, AnAnchorSetOnALabelAndAFieldKeepsEachOnesOtherAnchors) {
  Select({"LMedia", "EMedia"});
  if (HasFatalFailure()) return;
  // The plus glyph of Anchors opens its elements.
  session.Click(Cell("Anchors", 0, 5));
  for (int r = 0; r < Layout().RowCount(); ++r)
    if (Layout().ItemAtRow(r)->Caption() == "Anchors") Layout().ItemAtRow(r)->Expand();
  session.Click(Cell("akBottom", 1));
  session.Type("True");
  session.Key("Return");
  // The label was left and top, the field left, top and right.
  EXPECT_TRUE(SaveAndWaitFor({"LMedia.Anchors=11", "EMedia.Anchors=15"}));
}

}  // namespace
