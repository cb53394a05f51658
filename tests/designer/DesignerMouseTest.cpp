// Selecting, moving, resizing and the rubber band with the mouse, and the
// ways a drag ends.
#include "designer/DesignerFixture.h"

#include "designer/DesignHint.h"
#include "toolkit/Application.h"

#include "support/WidgetDriver.h"

#include <QApplication>

namespace {

using P = THandlePosition;

TEST_F(DesignerTest, AClickSelectsWithoutMoving) {
  Activate();
  Click(edit1);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
  EXPECT_EQ(edit1->BoundsRect(), QRect(16, 24, 100, 21));
  EXPECT_EQ(modified, 0);
  EXPECT_FALSE(Engine().Dragging());
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_FALSE(Application().CursorClip().isValid());
}

TEST_F(DesignerTest, ShiftTogglesAndAnEmptiedSelectionFallsBackToTheFrame) {
  Activate();
  Click(edit1);
  Click(edit2, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), (std::vector<TControl*>{edit1, edit2}));
  Click(edit1, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit2});
  Click(edit2, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<TControl*>{frame});
  // A control added to the frame selected alone takes its place.
  Click(edit3, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit3});
  EXPECT_EQ(modified, 0);
}

TEST_F(DesignerTest, TheGridQuantisesTheDistanceADragTravels) {
  Activate();
  struct Case {
    int travelled;
    bool snap;
    int moved;
  };
  const Case cases[] = {{11, true, 8},   {12, true, 16},  {4, true, 0}, {20, true, 16},
                        {11, false, 11}, {12, false, 12}, {4, false, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.travelled << (c.snap ? " on the grid" : " free"));
    designer->SetSnapToGrid(c.snap);
    edit1->SetBounds(16, 24, 100, 21);
    modified = 0;
    Drag(edit1, c.travelled, c.travelled);
    EXPECT_EQ(edit1->BoundsRect(), QRect(16 + c.moved, 24 + c.moved, 100, 21));
    EXPECT_EQ(modified, c.moved ? 1 : 0);
    EXPECT_FALSE(Engine().Dragging());
  }
}

TEST_F(DesignerTest, AControlOffTheGridKeepsItsOffset) {
  Activate();
  edit1->SetLeft(3);
  Drag(edit1, 9, 0);
  EXPECT_EQ(edit1->Left(), 11);
  Drag(edit1, 7, 0);
  EXPECT_EQ(edit1->Left(), 19);
}

TEST_F(DesignerTest, SelectedSiblingsMoveTogetherOnce) {
  Activate();
  Click(edit1);
  Click(edit2, Qt::ShiftModifier);
  Drag(edit2, 16, 8);
  EXPECT_EQ(edit1->BoundsRect().topLeft(), QPoint(32, 32));
  EXPECT_EQ(edit2->BoundsRect().topLeft(), QPoint(32, 72));
  EXPECT_EQ(edit3->BoundsRect().topLeft(), QPoint(150, 24));
  EXPECT_EQ(modified, 1);
  // The handles are back after the drag, at the new places.
  EXPECT_TRUE(designer->SelectedControls().HandlesVisible());
  EXPECT_EQ(HandleOf(edit1, P::hpTopLeft).geometry().topLeft(), QPoint(32, 32));
}

TEST_F(DesignerTest, TheMoveHintShowsTheNewSmallestLeftAndTop) {
  Activate();
  const QPoint from = Centre(edit1);
  Press(from);
  MoveTo(from + QPoint(16, 0));
  ASSERT_TRUE(Engine().Hint().Showing());
  EXPECT_EQ(Engine().Hint().Text(), "32, 24");
  EXPECT_TRUE(TDEngHint::Window()->isVisible());
  Release(from + QPoint(16, 0));
  EXPECT_FALSE(Engine().Hint().Showing());
}

TEST_F(DesignerTest, LockedControlsStayWhereTheyAre) {
  Activate();
  designer->LockControl(edit1, {TELDesignerLock::dlNoMove});
  Drag(edit1, 16, 16);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
  EXPECT_EQ(edit1->BoundsRect().topLeft(), QPoint(16, 24));
  // Dragged with a movable sibling, the locked one leaves the selection.
  Click(edit2, Qt::ShiftModifier);
  Drag(edit2, 16, 0);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit2});
  EXPECT_EQ(edit1->Left(), 16);
  EXPECT_EQ(edit2->Left(), 32);
  EXPECT_EQ(modified, 1);
}

TEST_F(DesignerTest, AControlLockedAgainstResizingMovesButDoesNotResize) {
  Activate();
  designer->LockControl(edit1, {TELDesignerLock::dlNoResize, TELDesignerLock::dlNoDelete});
  Drag(edit1, 16, 8);
  EXPECT_EQ(edit1->BoundsRect(), QRect(32, 32, 100, 21));
  PressHandle(edit1, P::hpRight);
  EXPECT_FALSE(Engine().Dragging());
  MoveTo(Centre(edit1) + QPoint(40, 0));
  Release(Centre(edit1) + QPoint(40, 0));
  EXPECT_EQ(edit1->BoundsRect(), QRect(32, 32, 100, 21));
  EXPECT_EQ(modified, 1);
}

TEST_F(DesignerTest, TheRightHandleChangesOnlyTheWidth) {
  Activate();
  designer->SetSnapToGrid(false);
  Click(edit1);
  const QPoint from = HandleOf(edit1, P::hpRight).mapToGlobal(QPoint(2, 2));
  PressHandle(edit1, P::hpRight);
  ASSERT_TRUE(Engine().Dragging());
  MoveTo(from + QPoint(30, 25));
  EXPECT_EQ(Engine().Hint().Text(), "130 x 21");
  Release(from + QPoint(30, 25));
  EXPECT_EQ(edit1->BoundsRect(), QRect(16, 24, 130, 21));
  EXPECT_EQ(modified, 1);
}

TEST_F(DesignerTest, ALeftHandleDraggedPastTheRightEdgeMirrors) {
  Activate();
  designer->SetSnapToGrid(false);
  edit1->SetBounds(0, 24, 100, 21);
  Click(edit1);
  QApplication::processEvents();
  const QPoint from = HandleOf(edit1, P::hpLeft).mapToGlobal(QPoint(2, 2));
  PressHandle(edit1, P::hpLeft);
  MoveTo(from + QPoint(60, 0));
  MoveTo(from + QPoint(120, 0));
  Release(from + QPoint(120, 0));
  EXPECT_EQ(edit1->BoundsRect(), QRect(100, 24, 20, 21));
}

TEST_F(DesignerTest, ABandFromTheBareFrameSelectsTheControlsItMeets) {
  Activate();
  const QPoint from = frame->ClientToScreen(QPoint(5, 5));
  Press(from);
  EXPECT_EQ(Selected(), std::vector<TControl*>{frame});
  MoveTo(from + QPoint(40, 40));
  MoveTo(from + QPoint(60, 70));
  Release(from + QPoint(60, 70));
  EXPECT_EQ(Selected(), (std::vector<TControl*>{edit1, edit2}));
  EXPECT_EQ(modified, 0);
  // A band that meets nothing leaves the frame selected.
  Press(frame->ClientToScreen(QPoint(200, 200)));
  Release(frame->ClientToScreen(QPoint(210, 210)));
  EXPECT_EQ(Selected(), std::vector<TControl*>{frame});
}

TEST_F(DesignerTest, CtrlStartsABandOverControls) {
  Activate();
  const QPoint from = Centre(edit1);
  Press(from, Qt::ControlModifier);
  MoveTo(from + QPoint(100, 0), Qt::ControlModifier);
  Release(from + QPoint(100, 0), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Selected(), (std::vector<TControl*>{edit1, edit3}));
  EXPECT_EQ(edit1->Left(), 16);
}

TEST_F(DesignerTest, WhileADragRunsOtherPressesAndDeleteAreIgnored) {
  Activate();
  designer->LockAll({});
  const QPoint from = Centre(edit1);
  Press(from);
  MoveTo(from + QPoint(16, 0));
  Press(Centre(edit2), {}, Qt::RightButton);
  Key(Qt::Key_Delete);
  EXPECT_TRUE(Engine().Dragging());
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
  EXPECT_EQ(frame->ControlCount(), 3);
  Release(from + QPoint(16, 0));
  Release(Centre(edit2), Qt::RightButton);
  EXPECT_EQ(edit1->Left(), 32);
}

TEST_F(DesignerTest, ADragIsCancelledWhenItsMouseGoesAstray) {
  Activate();
  struct Case {
    const char* how;
    std::function<void(const QPoint&)> lose;
  };
  const std::vector<Case> cases = {
      {"the capture is lost", [](const QPoint&) { TControl::CaptureControl()->SetMouseCapture(false); }},
      {"a move arrives with the button up", [this](const QPoint& at) { MoveWithoutButtons(at); }},
      {"the application is deactivated",
       [](const QPoint&) {
         QEvent deactivate(QEvent::ApplicationDeactivate);
         QCoreApplication::sendEvent(qApp, &deactivate);
         QApplication::processEvents();
       }},
      {"Escape is pressed", [this](const QPoint&) { Key(Qt::Key_Escape); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    const QPoint from = Centre(edit1);
    Press(from);
    MoveTo(from + QPoint(16, 16));
    ASSERT_TRUE(Engine().Dragging());
    c.lose(from + QPoint(24, 24));
    EXPECT_FALSE(Engine().Dragging());
    EXPECT_EQ(TControl::CaptureControl(), nullptr);
    EXPECT_FALSE(Application().CursorClip().isValid());
    EXPECT_TRUE(designer->SelectedControls().HandlesVisible());
    Release(from + QPoint(24, 24));
    EXPECT_EQ(edit1->BoundsRect().topLeft(), QPoint(16, 24));
  }
  EXPECT_EQ(modified, 0);
}

TEST_F(DesignerTest, AFailingModificationHandlerStillEndsTheDrag) {
  Activate();
  RecordingDialogs& boxes = *dialogs;
  designer->OnModified = [](TObject*) { throw EInvalidOperation("handler failed"); };
  const QPoint from = Centre(edit1);
  Press(from);
  MoveTo(from + QPoint(16, 0));
  Release(from + QPoint(16, 0));
  ASSERT_EQ(boxes.errors.size(), 1u);
  EXPECT_EQ(boxes.errors[0].second, "handler failed");
  EXPECT_EQ(edit1->Left(), 32);
  EXPECT_FALSE(Engine().Dragging());
  EXPECT_EQ(TControl::CaptureControl(), nullptr);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_FALSE(Application().CursorClip().isValid());
  EXPECT_TRUE(designer->SelectedControls().HandlesVisible());
  EXPECT_TRUE(HandleOf(edit1, P::hpTopLeft).isVisible());
}

TEST_F(DesignerTest, RightClicksAskForTheContextMenuAndDoubleClicksAreReported) {
  Activate();
  std::vector<QPoint> popups;
  designer->OnContextPopup = [&](TObject*, QPoint at, bool& handled) {
    popups.push_back(at);
    handled = true;
  };
  int doubleClicks = 0;
  designer->OnDblClick = [&](TObject*) { ++doubleClicks; };
  const QPoint at = Centre(edit2);
  Press(at, {}, Qt::RightButton);
  Release(at, Qt::RightButton);
  EXPECT_EQ(popups, std::vector<QPoint>{at});
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit2});
  SendMouseEvent(edit2->Widget(), QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
  SendMouseEvent(edit2->Widget(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(modified, 0);
}

TEST_F(DesignerTest, DeactivatingDuringADragCancelsIt) {
  Activate();
  const QPoint from = Centre(edit1);
  Press(from);
  MoveTo(from + QPoint(16, 0));
  designer->SetActive(false);
  EXPECT_EQ(edit1->Left(), 16);
  EXPECT_EQ(TControl::CaptureControl(), nullptr);
  EXPECT_FALSE(designer->SelectedControls().HandlesVisible());
  EXPECT_EQ(frame->Parent(), holder);
}

}  // namespace
