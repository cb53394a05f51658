// The undo history of the design surface: each completed move, resize and
// keyboard step is one step, nudges of the same controls merge, undo and
// redo go through the controls' setters and report the change, a drag
// refuses them, and deactivation clears the history.
#include "designer/DesignerFixture.h"

#include "designer/DesignHistory.h"
#include "toolkit/PropAccess.h"

#include <QApplication>

namespace {

class DesignerUndoTest : public DesignerTest {
 protected:
  TDesignHistory& History() const { return designer->History(); }
};

TEST_F(DesignerUndoTest, EachKindOfChangeIsUndoneAndRedoneAndReported) {
  designer->SetSnapToGrid(false);
  Activate();
  struct Case {
    const char* what;
    std::function<void()> change;
    QRect after;
  };
  const std::vector<Case> cases = {
      {"mouse move", [this] { Drag(edit1, 30, 7); }, QRect(46, 31, 100, 21)},
      {"mouse resize",
       [this] {
         designer->SelectedControls().SelectOnly(edit1);
         QApplication::processEvents();
         const QPoint at = HandleOf(edit1, THandlePosition::hpRight).mapToGlobal(QPoint(2, 2));
         PressHandle(edit1, THandlePosition::hpRight);
         MoveTo(at + QPoint(12, 0));
         Release(at + QPoint(12, 0));
       },
       QRect(16, 24, 112, 21)},
      {"keyboard move",
       [this] {
         designer->SelectedControls().SelectOnly(edit1);
         Key(Qt::Key_Down, Qt::ControlModifier);
       },
       QRect(16, 25, 100, 21)},
      {"keyboard resize",
       [this] {
         designer->SelectedControls().SelectOnly(edit1);
         Key(Qt::Key_Right, Qt::ShiftModifier);
       },
       QRect(16, 24, 101, 21)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    History().Clear();
    edit1->SetBoundsRect(QRect(16, 24, 100, 21));
    QApplication::processEvents();  // the handles follow
    c.change();
    ASSERT_EQ(edit1->BoundsRect(), c.after);
    ASSERT_EQ(History().Stack().count(), 1);
    const int reported = modified;
    ASSERT_TRUE(History().Undo());
    EXPECT_EQ(edit1->BoundsRect(), QRect(16, 24, 100, 21));
    EXPECT_EQ(modified, reported + 1);
    // The handles followed the control back.
    if (designer->SelectedControls().IndexOf(edit1) >= 0 && designer->SelectedControls().Count() == 1) {
      EXPECT_EQ(HandleOf(edit1, THandlePosition::hpTopLeft).pos(), QPoint(14, 22));
    }
    ASSERT_TRUE(History().Redo());
    EXPECT_EQ(edit1->BoundsRect(), c.after);
    EXPECT_EQ(modified, reported + 2);
    EXPECT_FALSE(History().Redo());
  }
}

TEST_F(DesignerUndoTest, NudgesOfTheSameControlsMergeUntilSomethingElseHappens) {
  Activate();
  designer->SelectedControls().SetControls({edit1, edit2});
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Right, Qt::ControlModifier);
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(History().Stack().count(), 1);
  // Resizing is another kind of step.
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(History().Stack().count(), 2);
  // Another selection starts a new step, and so does a selection of the same
  // controls again after a change of the selection.
  designer->SelectedControls().SelectOnly(edit1);
  Key(Qt::Key_Right, Qt::ControlModifier);
  designer->SelectedControls().SelectOnly(edit2);
  designer->SelectedControls().SelectOnly(edit1);
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(History().Stack().count(), 4);
  EXPECT_EQ(edit1->BoundsRect(), QRect(21, 25, 102, 21));
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(History().Undo());
  EXPECT_EQ(edit1->BoundsRect(), QRect(16, 24, 100, 21));
  EXPECT_EQ(edit2->BoundsRect(), QRect(16, 64, 100, 21));
  EXPECT_FALSE(History().Undo());
  ASSERT_TRUE(History().Redo());
  EXPECT_EQ(edit2->BoundsRect(), QRect(19, 65, 100, 21));
}

TEST_F(DesignerUndoTest, UndoAndRedoAreRefusedWhileADragRuns) {
  designer->SetSnapToGrid(false);
  Activate();
  Drag(edit1, 10, 0);
  ASSERT_EQ(edit1->Left(), 26);
  const QPoint from = Centre(edit2);
  Press(from);
  MoveTo(from + QPoint(5, 5));
  ASSERT_TRUE(Engine().Dragging());
  EXPECT_FALSE(History().CanUndo());
  EXPECT_FALSE(History().Undo());
  EXPECT_EQ(edit1->Left(), 26);
  Release(from + QPoint(5, 5));
  ASSERT_TRUE(History().Undo());
  EXPECT_EQ(edit2->BoundsRect(), QRect(16, 64, 100, 21));
  ASSERT_TRUE(History().Redo());
  EXPECT_EQ(edit2->BoundsRect(), QRect(21, 69, 100, 21));
}

TEST_F(DesignerUndoTest, StepsNameControlsAndSkipOnesThatWent) {
  Activate();
  designer->SelectedControls().SetControls({edit1, edit3});
  Key(Qt::Key_Down, Qt::ControlModifier);
  designer->SelectedControls().SelectOnly(edit1);
  TComponent::Free(edit3);
  ASSERT_TRUE(History().Undo());
  EXPECT_EQ(edit1->Top(), 24);
  // A control of the same name made later is the one a step names.
  TEdit* again = AddEdit("Edit3", QRect(150, 24, 100, 21));
  ASSERT_TRUE(History().Redo());
  EXPECT_EQ(again->Top(), 25);
}

TEST_F(DesignerUndoTest, PropertyWritesAreUndoneThroughTheSetters) {
  Activate();
  const std::vector<TObject*> objects{edit1, edit2};
  const TPropertySnapshot before = TDesignHistory::Snapshot(objects);
  for (TObject* o : objects) SetOrdProp(*o, PropByName(*o, "Width"), 60);
  History().RecordProperties("Property", before, objects);
  // A write that changed nothing is no step.
  History().RecordProperties("Property", TDesignHistory::Snapshot(objects), objects);
  ASSERT_EQ(History().Stack().count(), 1);
  const int reported = modified;
  ASSERT_TRUE(History().Undo());
  EXPECT_EQ(edit1->Width(), 100);
  EXPECT_EQ(edit2->Width(), 100);
  EXPECT_EQ(modified, reported + 1);
  ASSERT_TRUE(History().Redo());
  EXPECT_EQ(edit1->Width(), 60);
  EXPECT_EQ(edit2->Width(), 60);
}

TEST_F(DesignerUndoTest, DeactivationClearsTheHistoryAndAnInactiveDesignerRefuses) {
  Activate();
  designer->SelectedControls().SelectOnly(edit1);
  Key(Qt::Key_Down, Qt::ControlModifier);
  ASSERT_TRUE(History().CanUndo());
  designer->SetActive(false);
  EXPECT_EQ(History().Stack().count(), 0);
  EXPECT_FALSE(History().Undo());
  EXPECT_EQ(edit1->Top(), 25);
}

}  // namespace
