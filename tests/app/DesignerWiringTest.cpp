// "Enable editing", the component list and the designer's events in the
// main window.
#include "app/MainWindowFixture.h"

#include "designer/DesignEngine.h"
#include "designer/ELDesignPanel.h"
#include "designer/ELDesigner.h"
#include "designer/ELSelection.h"
#include "inspector/ELPropInsp.h"
#include "inspector/ELPropsPageEdit.h"
#include "frame/framemovie.h"
#include "toolkit/ActionList.h"
#include "toolkit/Buttons.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Panel.h"

#include "support/WidgetDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

class DesignerWiringTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    WriteLanguage("English.lng", {"[FileInformation]", "Name=English", "[MainForm]", "[TMovieFrame]"});
    Open("English", TGUIChoice::KeepGUI);
  }
  void EnableEditing(bool on) {
    form->CBLock()->SetChecked(on);
    QApplication::processEvents();
  }
  TControl* Child(const char* name) const { return form->FrmMovie()->Child(QString::fromLatin1(name)); }
  TELDesignerSelectedControls& Selection() const { return form->PDesigner()->SelectedControls(); }
  // A press and release on a control of the frame, as the window system delivers them.
  void ClickControl(TControl* control) {
    const QPoint at = control->ClientToScreen(QPoint(control->Width() / 2, control->Height() / 2));
    SendMouseEvent(control->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouseEvent(control->Widget(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  }
  void DragControl(TControl* control, QPoint by) {
    const QPoint at = control->ClientToScreen(QPoint(control->Width() / 2, control->Height() / 2));
    SendMouseEvent(control->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    QWidget* grabber = QWidget::mouseGrabber();
    ASSERT_NE(grabber, nullptr);
    SendMouseEvent(grabber, QEvent::MouseMove, at + by, Qt::NoButton, Qt::LeftButton);
    SendMouseEvent(grabber, QEvent::MouseButtonRelease, at + by, Qt::LeftButton, Qt::NoButton);
  }
  void Key(int key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(form->DesignPanel()->Surface().Widget(), static_cast<Qt::Key>(key), mods);
  }
};

TEST_F(DesignerWiringTest, ApplyingALanguageMakesEditingAvailable) {
  EXPECT_TRUE(form->CBLock()->Enabled());
  EXPECT_FALSE(form->CBLock()->Checked());
  EXPECT_EQ(form->PDesigner()->DesignControl(), form->FrmMovie());
  EXPECT_FALSE(form->PDesigner()->Active());
}

TEST_F(DesignerWiringTest, EnableEditingPutsTheFrameOnTheDesignSurfaceWithItsLocks) {
  EnableEditing(true);
  ASSERT_TRUE(form->PDesigner()->Active());
  EXPECT_EQ(form->FrmMovie()->Parent(), &form->DesignPanel()->Surface());
  for (int i = 0; i < form->FrmMovie()->ControlCount(); ++i) {
    TControl* c = form->FrmMovie()->Controls(i);
    EXPECT_EQ(c->DesignInfo(), c == form->FrmMovie()->StarRating() ? 6 : 4) << c->Name().toStdString();
  }
  for (TControl* field : std::initializer_list<TControl*>{form->EVersion(), form->MAuthor(), form->MComments()})
    EXPECT_TRUE(field->Enabled());
  TStrings& entries = form->CBNames()->Items();
  EXPECT_EQ(entries.Count(), 65);
  EXPECT_GE(entries.IndexOf("FrmMovie: TMovieFrame"), 0);
  EXPECT_GE(entries.IndexOf("EActors: TMemo"), 0);
  for (int i = 1; i < entries.Count(); ++i) EXPECT_LT(CompareText(entries[i - 1], entries[i]), 0);
  // The frame is selected, and the list shows it.
  EXPECT_EQ(form->CBNames()->GetText(), "FrmMovie: TMovieFrame");
  TWinControl* top = form->PanelBorder()->Parent();
  EXPECT_EQ(top->Controls(top->ControlCount() - 1), form->PanelBorder());
}

TEST_F(DesignerWiringTest, DisableEditingGivesTheFrameBack) {
  EnableEditing(true);
  EnableEditing(false);
  EXPECT_FALSE(form->PDesigner()->Active());
  EXPECT_EQ(form->FrmMovie()->Parent(), form->PanelBorder()->Parent());
  EXPECT_EQ(form->FrmMovie()->BoundsRect(), QRect(0, 0, 553, 635));
  EXPECT_EQ(form->CBNames()->Items().Count(), 0);
  for (TControl* field : std::initializer_list<TControl*>{form->EVersion(), form->MAuthor(), form->MComments()})
    EXPECT_FALSE(field->Enabled());
  TWinControl* top = form->PanelBorder()->Parent();
  EXPECT_EQ(top->Controls(top->ControlCount() - 1), form->PanelBorder());
}

TEST_F(DesignerWiringTest, TheComponentListFollowsTheSelectionAndChoosesIt) {
  EnableEditing(true);
  ClickControl(Child("EMedia"));
  EXPECT_EQ(form->CBNames()->GetText(), "EMedia: TEdit");
  Selection().Add(Child("EYear"));
  EXPECT_EQ(form->CBNames()->ItemIndex(), -1);
  // Choosing an entry selects that control alone.
  QComboBox* combo = form->CBNames()->Combo();
  const int index = combo->findText("EActors: TMemo");
  combo->setCurrentIndex(index);
  emit combo->activated(index);
  EXPECT_EQ(Selection().GetControls(), std::vector<TControl*>{Child("EActors")});
  const int frameIndex = combo->findText("FrmMovie: TMovieFrame");
  combo->setCurrentIndex(frameIndex);
  emit combo->activated(frameIndex);
  EXPECT_EQ(Selection().GetControls(), std::vector<TControl*>{form->FrmMovie()});
  EXPECT_FALSE(form->LayoutModified());
}

TEST_F(DesignerWiringTest, AMoveMarksTheLayoutModifiedAndSaveWritesIt) {
  EnableEditing(true);
  ASSERT_FALSE(form->ActionReset()->Enabled());
  TControl* media = Child("EMedia");
  ASSERT_EQ(media->BoundsRect(), QRect(104, 5, 180, 21));
  DragControl(media, QPoint(20, 11));
  EXPECT_EQ(media->BoundsRect(), QRect(120, 13, 180, 21));
  EXPECT_TRUE(form->LayoutModified());
  EXPECT_TRUE(form->ActionReset()->Enabled());
  EXPECT_EQ(form->CBNames()->GetText(), "EMedia: TEdit");
  Key(Qt::Key_Right, Qt::ControlModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(media->BoundsRect(), QRect(121, 13, 180, 22));
  form->ActionSave()->Execute();
  const QStringList lines = SectionLines(LanguagePath("English.lng"), "TMovieFrame");
  for (const char* line : {"EMedia.Left=121", "EMedia.Top=13", "EMedia.Width=180", "EMedia.Height=22"})
    EXPECT_TRUE(lines.contains(line)) << line;
}

TEST_F(DesignerWiringTest, TheInspectorShowsTheSelectionAndFollowsAMove) {
  EnableEditing(true);
  TELPropertyInspector* inspector = form->PInspector();
  const auto value = [inspector](const QString& caption) {
    for (int r = 0; r < inspector->RowCount(); ++r)
      if (inspector->ItemAtRow(r)->Caption() == caption) return inspector->ItemAtRow(r)->DisplayValue();
    return QStringLiteral("no row");
  };
  TControl* media = Child("EMedia");
  ClickControl(media);
  EXPECT_EQ(inspector->Objects(), std::vector<TObject*>{media});
  EXPECT_EQ(value("Left"), "104");
  // A second control joins; a value the two differ in shows empty.
  Selection().Add(Child("LMedia"));
  EXPECT_EQ(inspector->Objects(), (std::vector<TObject*>{media, Child("LMedia")}));
  EXPECT_EQ(value("Left"), "");
  Selection().SelectOnly(media);
  DragControl(media, QPoint(20, 11));
  EXPECT_EQ(value("Left"), "120");
  EXPECT_EQ(value("Top"), "13");
  // Editing off empties the selection, and the rows go with it.
  EnableEditing(false);
  EXPECT_TRUE(inspector->Objects().empty());
  EXPECT_EQ(inspector->RowCount(), 0);
}

TEST_F(DesignerWiringTest, TheStarImageMovesButKeepsItsSize) {
  EnableEditing(true);
  TImage* star = form->FrmMovie()->StarRating();
  ClickControl(star);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(star->BoundsRect().size(), QSize(200, 20));
  EXPECT_EQ(Selection().GetControls(), std::vector<TControl*>{star});
  EXPECT_FALSE(form->LayoutModified());
  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(star->BoundsRect(), QRect(351, 54, 200, 20));
  EXPECT_TRUE(form->LayoutModified());
}

TEST_F(DesignerWiringTest, DeleteIsRefusedForEveryControlOfTheFrame) {
  EnableEditing(true);
  ClickControl(Child("EMedia"));
  Key(Qt::Key_Delete);
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(dialogs->errors[0].second,
            QString("Control \"EMedia\" or some of it chidrens can not\r be deleted becouse they are locked"));
  EXPECT_EQ(form->FrmMovie()->ControlCount(), 64);
}

TEST_F(DesignerWiringTest, AFailedActivationUnticksTheBoxAgain) {
  // Another designer holds the design panel.
  auto* other = new TELDesigner(form);
  auto* otherFrame = new TFrame(form);
  otherFrame->SetParent(form);
  other->SetDesignControl(otherFrame);
  other->SetDesignPanel(form->DesignPanel());
  other->SetActive(true);
  int clicks = 0;
  const TNotifyEvent click = form->CBLock()->OnClick;
  form->CBLock()->OnClick = [&](TObject* sender) {
    ++clicks;
    click(sender);
  };
  EXPECT_THROW(form->CBLock()->SetChecked(true), EELDesigner);
  EXPECT_FALSE(form->CBLock()->Checked());
  EXPECT_FALSE(form->PDesigner()->Active());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form->CBNames()->Items().Count(), 0);
  other->SetActive(false);
}

TEST_F(DesignerWiringTest, ClosingTheWindowWhileEditingPutsTheFrameBackFirst) {
  EnableEditing(true);
  form->FormDestroy(form);
  EXPECT_FALSE(form->PDesigner()->Active());
  EXPECT_EQ(form->FrmMovie()->Parent(), form->PanelBorder()->Parent());
  EnableEditing(false);
  EnableEditing(true);  // freed below while editing: the window's own OnDestroy does the same
}

}  // namespace
