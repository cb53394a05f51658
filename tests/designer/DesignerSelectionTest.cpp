// The selection, its grab handles, and what happens when selected controls,
// the panel or the frame's place go away.
#include "designer/DesignerFixture.h"

#include "designer/DesignHint.h"

#include <QApplication>
#include <QFocusEvent>

namespace {

using P = THandlePosition;

QRect HandleRect(TDSelCtrlItemPoint& handle) { return handle.geometry(); }

TEST_F(DesignerTest, ChangingNothingReportsNothing) {
  Activate();
  TELDesignerSelectedControls& selection = designer->SelectedControls();
  selection.SelectOnly(frame);
  EXPECT_EQ(selectionChanges, 0);
  selection.SelectOnly(edit1);
  EXPECT_EQ(selectionChanges, 1);
  selection.SelectOnly(edit1);
  EXPECT_EQ(selectionChanges, 1);
  selection.Clear();
  EXPECT_EQ(selectionChanges, 2);
  selection.Clear();
  EXPECT_EQ(selectionChanges, 2);
  EXPECT_EQ(selection.PrimaryControl(), nullptr);
}

TEST_F(DesignerTest, OnlyDesignableControlsCanBeSelected) {
  auto* outsider = new TEdit(window);
  outsider->SetName("Outsider");
  outsider->SetParent(holder);
  Activate();
  TELDesignerSelectedControls& selection = designer->SelectedControls();
  selection.SetControls({edit1, edit2});
  ASSERT_EQ(selectionChanges, 1);
  try {
    selection.Add(outsider);
    ADD_FAILURE() << "no error";
  } catch (const EELDesigner& e) {
    EXPECT_EQ(e.Message(), "Control 'Outsider' can not be selected");
  }
  // SelectOnly checks before it changes anything, and its update bracket closes.
  EXPECT_THROW(selection.SelectOnly(outsider), EELDesigner);
  EXPECT_EQ(Selected(), (std::vector<TControl*>{edit1, edit2}));
  EXPECT_EQ(selectionChanges, 1);
  selection.Add(edit3);
  EXPECT_EQ(selectionChanges, 2);
  // SetControls keeps what it added before the one that failed.
  EXPECT_THROW(selection.SetControls({edit1, outsider}), EELDesigner);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
}

TEST_F(DesignerTest, KeptEntriesStayBeforeAddedOnes) {
  Activate();
  TELDesignerSelectedControls& selection = designer->SelectedControls();
  selection.SetControls({edit1, edit2});
  selection.SetControls({edit3, edit2});
  EXPECT_EQ(Selected(), (std::vector<TControl*>{edit2, edit3}));
  EXPECT_EQ(selection.PrimaryControl(), edit3);
  EXPECT_EQ(selection.IndexOf(edit1), -1);
  EXPECT_THROW(selection.Items(2), EListError);
}

TEST_F(DesignerTest, ASingleControlShowsEightHandlesCentredOnItsEdges) {
  Activate();
  designer->SelectedControls().SelectOnly(edit1);  // 16, 24, 100 x 21
  const std::vector<std::pair<P, QPoint>> table = {
      {P::hpTopLeft, {14, 22}},      {P::hpTop, {64, 22}},    {P::hpTopRight, {113, 22}},  {P::hpRight, {113, 32}},
      {P::hpBottomRight, {113, 42}}, {P::hpBottom, {64, 42}}, {P::hpBottomLeft, {14, 42}}, {P::hpLeft, {14, 32}}};
  for (const auto& [position, origin] : table) {
    TDSelCtrlItemPoint& handle = HandleOf(edit1, position);
    EXPECT_EQ(HandleRect(handle), QRect(origin, QSize(5, 5)));
    EXPECT_TRUE(handle.isVisible());
    EXPECT_EQ(handle.parentWidget(), frame->ClientWidget());
  }
  EXPECT_EQ(HandleOf(edit1, P::hpTopLeft).HandleCursor(), crSizeNWSE);
  EXPECT_EQ(HandleOf(edit1, P::hpTop).HandleCursor(), crSizeNS);
  EXPECT_EQ(HandleOf(edit1, P::hpTopRight).HandleCursor(), crSizeNESW);
  EXPECT_EQ(HandleOf(edit1, P::hpLeft).HandleCursor(), crSizeWE);
  // Handles are no controls of the frame.
  EXPECT_EQ(frame->ControlCount(), 3);
}

TEST_F(DesignerTest, ASecondControlTurnsTheHandlesIntoFourCorners) {
  Activate();
  TELDesignerSelectedControls& selection = designer->SelectedControls();
  selection.SetFocused(true);
  selection.SelectOnly(edit1);
  selection.Add(edit2);
  EXPECT_EQ(HandleRect(HandleOf(edit1, P::hpTopLeft)), QRect(16, 24, 5, 5));
  EXPECT_EQ(HandleRect(HandleOf(edit1, P::hpTopRight)), QRect(111, 24, 5, 5));
  EXPECT_EQ(HandleRect(HandleOf(edit1, P::hpBottomRight)), QRect(111, 40, 5, 5));
  EXPECT_EQ(HandleRect(HandleOf(edit1, P::hpBottomLeft)), QRect(16, 40, 5, 5));
  for (P edge : {P::hpTop, P::hpRight, P::hpBottom, P::hpLeft}) EXPECT_FALSE(HandleOf(edit1, edge).isVisible());
  EXPECT_EQ(HandleOf(edit1, P::hpTopLeft).FillColor(), clGray);
  EXPECT_EQ(HandleOf(edit1, P::hpTopLeft).BorderColor(), clGray);
  EXPECT_EQ(HandleOf(edit1, P::hpTopLeft).HandleCursor(), crDefault);
}

TEST_F(DesignerTest, HandleColoursFollowFocusAndLocks) {
  Activate();
  TELDesignerSelectedControls& selection = designer->SelectedControls();
  selection.SelectOnly(edit1);
  // The surface gaining and losing the keyboard focus, as the window system reports it.
  QFocusEvent in(QEvent::FocusIn);
  QCoreApplication::sendEvent(panel->Surface().Widget(), &in);
  ASSERT_TRUE(selection.Focused());
  TDSelCtrlItemPoint& handle = HandleOf(edit1, P::hpRight);
  EXPECT_EQ(handle.FillColor(), clBlack);
  EXPECT_EQ(handle.BorderColor(), clBlack);
  designer->LockControl(edit1, {TELDesignerLock::dlNoResize});
  EXPECT_EQ(handle.FillColor(), clBlack);
  EXPECT_EQ(handle.BorderColor(), clRed);
  EXPECT_EQ(handle.HandleCursor(), crDefault);
  designer->LockControl(edit1, {TELDesignerLock::dlNoMove});
  EXPECT_EQ(handle.FillColor(), clRed);
  EXPECT_EQ(handle.BorderColor(), clBlack);
  QFocusEvent out(QEvent::FocusOut);
  QCoreApplication::sendEvent(panel->Surface().Widget(), &out);
  EXPECT_FALSE(selection.Focused());
  EXPECT_EQ(handle.FillColor(), clGray);  // inactive colours; locks do not show then
  EXPECT_EQ(handle.BorderColor(), clBlack);
}

TEST_F(DesignerTest, HandlesFollowAMoveOnceItHasBeenHandled) {
  Activate();
  designer->SelectedControls().SelectOnly(edit1);
  edit1->SetBounds(40, 50, 60, 21);  // as the inspector writes it
  EXPECT_EQ(HandleRect(HandleOf(edit1, P::hpTopLeft)).topLeft(), QPoint(14, 22));
  QApplication::processEvents();
  EXPECT_EQ(HandleRect(HandleOf(edit1, P::hpTopLeft)).topLeft(), QPoint(38, 48));
  EXPECT_EQ(HandleRect(HandleOf(edit1, P::hpBottomRight)).topLeft(), QPoint(97, 68));
}

TEST_F(DesignerTest, AFreedControlLeavesSelectionHintAndRequestAtOnce) {
  Activate();
  TELDesignerSelectedControls& selection = designer->SelectedControls();
  selection.SetControls({edit1, edit2});
  const int before = selectionChanges;
  edit1->SetLeft(50);  // a follow request is on its way
  Engine().Hint().Show("Edit1: TEdit", false, true, nullptr, true);
  TComponent::Free(edit1);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit2});
  EXPECT_EQ(selectionChanges, before + 1);
  QApplication::processEvents();  // the request for the freed control is dropped
  // A control destroyed directly is forgotten the same way.
  edit2->SetLeft(60);
  delete edit2;
  QApplication::processEvents();
  EXPECT_EQ(selection.Count(), 0);
}

TEST_F(DesignerTest, DestroyingThePanelWhileActiveGivesTheFrameBack) {
  Activate();
  designer->SelectedControls().SelectOnly(edit1);
  TComponent::Free(panel);
  EXPECT_FALSE(designer->Active());
  EXPECT_EQ(designer->DesignPanel(), nullptr);
  EXPECT_EQ(frame->Parent(), holder);
  EXPECT_EQ(frame->BoundsRect(), QRect(5, 6, 300, 250));
  EXPECT_FALSE(edit1->IsDesigning());
  EXPECT_EQ(frame->ControlCount(), 3);
}

TEST_F(DesignerTest, APanelDestroyedDirectlyStillLetsTheFrameGoFirst) {
  Activate();
  delete panel;
  EXPECT_FALSE(designer->Active());
  EXPECT_EQ(designer->DesignPanel(), nullptr);
  EXPECT_EQ(frame->Parent(), holder);
}

TEST_F(DesignerTest, AVanishedFormerParentIsNotWrittenTo) {
  Activate();
  TComponent::Free(holder);
  designer->SetActive(false);
  EXPECT_EQ(frame->Parent(), nullptr);
  EXPECT_FALSE(frame->IsDesigning());
  EXPECT_EQ(frame->ControlCount(), 3);
}

TEST_F(DesignerTest, DestroyingTheFrameOrTheDesignerEndsDesigning) {
  Activate();
  TComponent::Free(frame);
  EXPECT_FALSE(designer->Active());
  EXPECT_EQ(designer->DesignControl(), nullptr);
  EXPECT_FALSE(panel->HasEngine());

  auto* frame2 = new TFrame(window);
  frame2->SetParent(holder);
  designer->SetDesignControl(frame2);
  designer->SetActive(true);
  TComponent::Free(designer);
  EXPECT_EQ(frame2->Parent(), holder);
  EXPECT_FALSE(frame2->IsDesigning());
  EXPECT_FALSE(panel->HasEngine());
}

}  // namespace
