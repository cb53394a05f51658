// What the keys do on the design surface: move and resize by a pixel, walk
// to the nearest control, Tab, Escape and Delete.
#include "designer/DesignerFixture.h"

#include "toolkit/Label.h"

#include <climits>

namespace {

TEST_F(DesignerTest, CtrlArrowsMoveSiblingsAndDropOthers) {
  auto* box = new TPanel(frame);
  box->SetName("Box");
  box->SetParent(frame);
  box->SetBounds(150, 100, 120, 100);
  TEdit* inner = AddEdit("Inner", QRect(5, 5, 50, 21), box);
  Activate();
  designer->SelectedControls().SetControls({inner, edit1, edit2});
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(Selected(), (std::vector<TControl*>{edit1, edit2}));
  EXPECT_EQ(edit1->BoundsRect(), QRect(17, 24, 100, 21));
  EXPECT_EQ(edit2->BoundsRect(), QRect(17, 64, 100, 21));
  EXPECT_EQ(inner->BoundsRect(), QRect(5, 5, 50, 21));
  EXPECT_EQ(modified, 1);
  // The grid plays no part: one pixel per key.
  for (const auto& [key, at] : std::vector<std::pair<int, QPoint>>{
           {Qt::Key_Down, {17, 25}}, {Qt::Key_Left, {16, 25}}, {Qt::Key_Up, {16, 24}}}) {
    Key(key, Qt::ControlModifier);
    EXPECT_EQ(edit1->BoundsRect().topLeft(), at);
  }
  EXPECT_EQ(modified, 4);
}

TEST_F(DesignerTest, ShiftArrowsResizeByOnePixelNeverBelowZero) {
  Activate();
  designer->SelectedControls().SelectOnly(edit1);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(edit1->BoundsRect(), QRect(16, 24, 101, 22));
  Key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(edit1->BoundsRect(), QRect(16, 24, 100, 22));
  EXPECT_EQ(modified, 3);
  edit1->SetWidth(0);
  Key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(edit1->Width(), 0);
  EXPECT_EQ(modified, 3);  // nothing changed, nothing reported
}

TEST_F(DesignerTest, ShiftArrowOnALoneControlLockedAgainstResizingKeepsTheSelection) {
  Activate();
  designer->LockControl(edit1, {TELDesignerLock::dlNoResize, TELDesignerLock::dlNoDelete});
  designer->SelectedControls().SelectOnly(edit1);
  const int changes = selectionChanges;
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
  EXPECT_EQ(selectionChanges, changes);
  EXPECT_EQ(edit1->Width(), 100);
  EXPECT_EQ(modified, 0);
  // It still moves.
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(edit1->Left(), 17);
  EXPECT_EQ(modified, 1);
}

TEST_F(DesignerTest, BoundsAtTheEndOfTheRangeDoNotWrapRound) {
  Activate();
  // A control at the right end of the range keeps Left + Width within it.
  edit1->SetBounds(INT_MAX, INT_MIN, INT_MAX, 21);
  ASSERT_EQ(edit1->BoundsRect(), QRect(INT_MAX, INT_MIN, 0, 21));
  designer->SelectedControls().SelectOnly(edit1);
  Key(Qt::Key_Right, Qt::ControlModifier);
  Key(Qt::Key_Up, Qt::ControlModifier);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(edit1->BoundsRect(), QRect(INT_MAX, INT_MIN, 0, 21));
  EXPECT_EQ(modified, 0);
  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(edit1->Left(), INT_MAX - 1);
  EXPECT_EQ(modified, 1);
}

TEST_F(DesignerTest, CtrlArrowDropsControlsLockedAgainstMoving) {
  Activate();
  designer->LockControl(edit2, {TELDesignerLock::dlNoMove});
  designer->SelectedControls().SetControls({edit1, edit2});
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
  EXPECT_EQ(edit1->Top(), 25);
  EXPECT_EQ(edit2->Top(), 64);
}

TEST_F(DesignerTest, PlainArrowsSelectTheNearestControl) {
  Activate();
  designer->SelectedControls().SelectOnly(edit1);
  Key(Qt::Key_Down);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit2});
  Key(Qt::Key_Up);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
  Key(Qt::Key_Right);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit3});
  Key(Qt::Key_Right);  // nothing further right
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit3});
  Key(Qt::Key_Left, Qt::AltModifier);  // Alt alone does nothing
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit3});
  EXPECT_EQ(modified, 0);
  // With the frame selected the arrows do nothing.
  designer->SelectedControls().SelectOnly(frame);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Selected(), std::vector<TControl*>{frame});
  EXPECT_EQ(frame->BoundsRect().topLeft(), QPoint(0, 0));
}

TEST_F(DesignerTest, TabWalksTheFramesComponentsAndSkipsWhatCannotBeSelected) {
  auto* label = new TLabel(frame);
  label->SetName("Caption");
  label->SetParent(frame);
  Activate();
  auto* undesigned = new TEdit(frame);  // came after activation: not designed
  undesigned->SetParent(frame);
  auto* loose = new TEdit(frame);  // no parent
  loose->SetDesigning(true);
  designer->SelectedControls().SelectOnly(edit3);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Selected(), std::vector<TControl*>{label});
  Key(Qt::Key_Tab);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});  // wrapped round
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<TControl*>{label});
  // The frame itself is not one of its own components.
  designer->SelectedControls().SelectOnly(frame);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Selected(), std::vector<TControl*>{frame});
}

TEST_F(DesignerTest, EscapeSelectsTheParent) {
  auto* box = new TPanel(frame);
  box->SetName("Box");
  box->SetParent(frame);
  TEdit* inner = AddEdit("Inner", QRect(5, 5, 50, 21), box);
  Activate();
  designer->SelectedControls().SelectOnly(inner);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Selected(), std::vector<TControl*>{box});
  Key(Qt::Key_Escape);
  EXPECT_EQ(Selected(), std::vector<TControl*>{frame});
  Key(Qt::Key_Escape);
  EXPECT_EQ(Selected(), std::vector<TControl*>{frame});
}

TEST_F(DesignerTest, DeleteIsRefusedForLockedControls) {
  Activate();
  RecordingDialogs& boxes = *dialogs;
  designer->LockAll({TELDesignerLock::dlNoDelete});
  designer->SelectedControls().SetControls({edit1, edit2});
  Key(Qt::Key_Delete);
  designer->SelectedControls().SelectOnly(edit1);
  Key(Qt::Key_Delete);
  ASSERT_EQ(boxes.errors.size(), 2u);
  EXPECT_EQ(boxes.errors[0],
            std::make_pair(QString("EELDesigner"), QString("Some controls is locked. Can not delete controls.")));
  EXPECT_EQ(boxes.errors[1].second,
            QString("Control \"Edit1\" or some of it chidrens can not\r be deleted becouse they are locked"));
  EXPECT_EQ(frame->ControlCount(), 3);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
  EXPECT_EQ(modified, 0);
}

TEST_F(DesignerTest, DeleteLooksAtEverythingItWouldDestroy) {
  auto* box = new TPanel(frame);
  box->SetName("Box");
  box->SetParent(frame);
  auto* inner = new TPanel(frame);
  inner->SetName("InnerBox");
  inner->SetParent(box);
  TEdit* deep = AddEdit("Deep", QRect(1, 1, 20, 20), inner);
  Activate();
  RecordingDialogs& boxes = *dialogs;
  designer->LockControl(deep, {TELDesignerLock::dlNoDelete});
  designer->SelectedControls().SelectOnly(box);
  Key(Qt::Key_Delete);
  ASSERT_EQ(boxes.errors.size(), 1u);
  EXPECT_EQ(boxes.errors[0].second,
            QString("Control \"Box\" or some of it chidrens can not\r be deleted becouse they are locked"));
  EXPECT_EQ(frame->ControlCount(), 4);
}

TEST_F(DesignerTest, DeleteDestroysTheSelectedControlsAndReportsOnce) {
  auto* box = new TPanel(frame);
  box->SetName("Box");
  box->SetParent(frame);
  TEdit* inner = AddEdit("Inner", QRect(5, 5, 50, 21), box);
  Activate();
  designer->SelectedControls().SetControls({box, edit2});
  designer->SelectedControls().Add(inner);
  selectionChanges = 0;
  Key(Qt::Key_Delete);
  EXPECT_EQ(modified, 1);
  EXPECT_EQ(selectionChanges, 1);
  EXPECT_EQ(designer->SelectedControls().Count(), 0);
  EXPECT_EQ(frame->ControlCount(), 2);
  EXPECT_EQ(frame->FindComponent("Inner"), nullptr);
  // With the frame alone selected there is nothing to delete.
  designer->SelectedControls().SelectOnly(frame);
  Key(Qt::Key_Delete);
  EXPECT_EQ(modified, 1);
}

TEST_F(DesignerTest, KeyHandlersSeeEveryKeyAndCanSwallowIt) {
  Activate();
  std::vector<QString> seen;
  designer->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    seen.push_back(QStringLiteral("down %1").arg(key));
    if (key == VK_TAB) key = 0;
  };
  designer->OnKeyUp = [&](TObject*, uint16_t& key, TShiftState) { seen.push_back(QStringLiteral("up %1").arg(key)); };
  designer->OnKeyPress = [&](TObject*, QChar& c) { seen.push_back(QStringLiteral("char ") + c); };
  designer->SelectedControls().SelectOnly(edit1);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
  Key(Qt::Key_A);
  EXPECT_EQ(seen, (std::vector<QString>{"down 9", "char \t", "up 9", "down 65", "char a", "up 65"}));
  EXPECT_EQ(edit1->GetText(), "");
}

}  // namespace
