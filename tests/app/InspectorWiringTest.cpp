// The property inspector on the main window: its place, the seven layout
// properties, what a written value does to the window and to Save, and the
// rows after Reset GUI and Open.
#include "app/MainWindowFixture.h"

#include "designer/ELDesigner.h"
#include "designer/ELSelection.h"
#include "frame/framemovie.h"
#include "inspector/ELPropInsp.h"
#include "inspector/ELPropsPageEdit.h"
#include "toolkit/ActionList.h"
#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/Image.h"

#include <QLineEdit>
#include <QTest>

namespace {

class InspectorWiring : public MainWindowTest {
 protected:
  TELPropertyInspector* Inspector() const { return form->PInspector(); }
  TControl* Child(const char* name) const { return form->FrmMovie()->Child(QString::fromLatin1(name)); }
  TELPropsPageItem* Row(const QString& caption) const {
    for (int r = 0; r < Inspector()->RowCount(); ++r)
      if (Inspector()->ItemAtRow(r)->Caption() == caption) return Inspector()->ItemAtRow(r);
    ADD_FAILURE() << "no row " << caption.toStdString();
    return nullptr;
  }
  QStringList Captions() const {
    QStringList captions;
    for (int r = 0; r < Inspector()->RowCount(); ++r) captions << Inspector()->ItemAtRow(r)->Caption();
    return captions;
  }
  // Types into a row with real keys and presses Enter.
  void Type(const QString& caption, const QString& text) {
    TELPropsPageItem* item = Row(caption);
    if (!item) return;
    Application().Guard([&] { Inspector()->SetRow(item->Row()); });
    QLineEdit* edit = Inspector()->InplaceEditor()->LineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
};

TEST_F(InspectorWiring, TheInspectorSitsInTheLeftColumnWithItsSplitter) {
  ASSERT_NE(Inspector(), nullptr);
  EXPECT_EQ(Inspector()->Name(), "PInspector");
  EXPECT_EQ(Inspector()->Parent()->Name(), "PanelLeft");
  EXPECT_EQ(Inspector()->BoundsRect(), QRect(8, 88, 217, 185));
  EXPECT_EQ(Inspector()->Splitter(), 108);
  EXPECT_EQ(Inspector()->RowCount(), 0);
}

TEST_F(InspectorWiring, OnlyTheSevenLayoutPropertiesShow) {
  Inspector()->Add(Child("LMedia"));
  EXPECT_EQ(Captions(), QStringList({"Anchors", "Caption", "Height", "Left", "Top", "Visible", "Width"}));
  Inspector()->Add(Child("EMedia"));
  EXPECT_EQ(Captions(), QStringList({"Anchors", "Height", "Left", "Top", "Visible", "Width"}));
  Inspector()->Clear();
  Inspector()->Add(form->FrmMovie()->StarRating());
  EXPECT_EQ(Captions(), QStringList({"Anchors", "Height", "Left", "Top", "Visible", "Width"}));
}

TEST_F(InspectorWiring, AWrittenValueMarksTheLayoutModifiedAndSaveWritesIt) {
  const QString file = WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch", "", "[TMovieFrame]"});
  Open("Deutsch", TGUIChoice::KeepGUI);
  EXPECT_FALSE(form->ActionReset()->Enabled());
  Inspector()->Add(Child("EMedia"));
  Type("Left", "200");
  EXPECT_EQ(Child("EMedia")->Left(), 200);
  EXPECT_TRUE(form->LayoutModified());
  EXPECT_TRUE(form->ActionReset()->Enabled());
  form->ActionSave()->Execute();
  EXPECT_TRUE(SectionLines(file, "FileInformation").contains("CustomGUI=yes"));
  EXPECT_TRUE(SectionLines(file, "TMovieFrame").contains("EMedia.Left=200"));
}

TEST_F(InspectorWiring, TheStarImageSnapsBackTo200By20) {
  // The snap looks at the designer's selection, so the rows come from there.
  WriteLanguage("English.lng", {"[FileInformation]", "Name=English", "[TMovieFrame]"});
  Open("English", TGUIChoice::KeepGUI);
  form->CBLock()->SetChecked(true);
  TELDesignerSelectedControls& selection = form->PDesigner()->SelectedControls();
  TImage* star = form->FrmMovie()->StarRating();
  selection.SelectOnly(star);
  Type("Width", "300");
  EXPECT_EQ(star->Width(), 200);
  EXPECT_EQ(star->Height(), 20);
  EXPECT_EQ(Row("Width")->DisplayValue(), "200");
  EXPECT_EQ(Inspector()->InplaceEditor()->Text(), "200");
  EXPECT_TRUE(form->ActionReset()->Enabled());
  // With another control selected too, the other one takes the value.
  selection.Add(Child("EMedia"));
  Type("Height", "40");
  EXPECT_EQ(star->Height(), 20);
  EXPECT_EQ(Child("EMedia")->Height(), 40);
  EXPECT_EQ(Row("Height")->DisplayValue(), "");
}

TEST_F(InspectorWiring, RowsShowCurrentValuesAfterResetAndOpen) {
  const QString file =
      WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch", "", "[TMovieFrame]", "EMedia.Left=150"});
  Inspector()->Add(Child("EMedia"));
  Type("Left", "200");
  form->ActionReset()->Execute();
  EXPECT_EQ(Row("Left")->DisplayValue(), "104");
  EXPECT_EQ(Inspector()->InplaceEditor()->Text(), "104");
  // Reset GUI does not count as a change of the layout.
  EXPECT_FALSE(form->LayoutModified());
  Open("Deutsch", TGUIChoice::LoadGUI);
  EXPECT_EQ(Child("EMedia")->Left(), 150);
  EXPECT_EQ(Row("Left")->DisplayValue(), "150");
  EXPECT_FALSE(form->LayoutModified());
  static_cast<void>(file);
}

}  // namespace
