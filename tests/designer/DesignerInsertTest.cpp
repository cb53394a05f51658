// Inserting new controls by dragging out their rectangle, and outside
// objects dragged onto the surface.
#include "designer/DesignerFixture.h"

#include "designer/DesignHint.h"
#include "toolkit/Application.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QMimeData>

namespace {

class DesignerInsertTest : public DesignerTest {
 protected:
  void SetUp() override {
    DesignerTest::SetUp();
    Activate();
    designer->OnControlInserting = [this](TObject*, const TClassInfo*& controlClass) {
      ++asked;
      controlClass = &TPanel::StaticClass();
    };
    designer->OnControlInserted = [this](TObject*) { ++inserted; };
  }
  int asked = 0;
  int inserted = 0;
};

TEST_F(DesignerInsertTest, APressAndReleaseInsertsAtTheAlignedPointWithTheDefaultSize) {
  const QPoint at = frame->ClientToScreen(QPoint(203, 205));
  Press(at);
  Release(at);
  auto* created = dynamic_cast<TPanel*>(frame->FindComponent("Panel1"));
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->Owner(), frame);
  EXPECT_EQ(created->Parent(), frame);
  EXPECT_TRUE(created->IsDesigning());
  EXPECT_EQ(created->BoundsRect(), QRect(200, 200, 185, 41));
  EXPECT_EQ(Selected(), std::vector<TControl*>{created});
  EXPECT_EQ(inserted, 1);
  EXPECT_EQ(modified, 1);
}

TEST_F(DesignerInsertTest, ADraggedOutRectangleBecomesTheBounds) {
  const QPoint from = frame->ClientToScreen(QPoint(200, 100));
  Press(from);
  MoveTo(from + QPoint(20, 10));
  EXPECT_EQ(Engine().Hint().Text(), "17 x 9");
  MoveTo(from + QPoint(41, 30));
  Release(from + QPoint(41, 30));
  TControl* created = dynamic_cast<TControl*>(frame->FindComponent("Panel1"));
  ASSERT_NE(created, nullptr);
  // From the grid point (200, 96) by whole steps of the distance travelled;
  // the rectangle includes its end.
  EXPECT_EQ(created->BoundsRect(), QRect(200, 96, 41, 33));
}

TEST_F(DesignerInsertTest, NoInsertionIntoALockedContainerOrWithoutTheEvent) {
  frame->SetDesignInfo(static_cast<int32_t>(TELDesignerLocks{TELDesignerLock::dlNoInsertInto}.Mask()));
  Click(edit1);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit1});
  frame->SetDesignInfo(0);
  designer->OnControlInserting = nullptr;
  Click(edit2);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit2});
  EXPECT_EQ(frame->ComponentCount(), 3);
}

TEST_F(DesignerInsertTest, AFailureWhileNamingDestroysTheNewControl) {
  const TELDesignerControlInsertingEvent inserting = std::exchange(designer->OnControlInserting, nullptr);
  Click(edit2);
  designer->OnControlInserting = inserting;
  designer->OnGetUniqueName = [](TObject*, const QString&, QString& name) { name = "Edit1"; };
  const int changes = selectionChanges;
  Press(frame->ClientToScreen(QPoint(200, 200)));
  Release(frame->ClientToScreen(QPoint(200, 200)));
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(frame->ComponentCount(), 3);
  EXPECT_EQ(frame->ControlCount(), 3);
  EXPECT_EQ(Selected(), std::vector<TControl*>{edit2});
  EXPECT_EQ(selectionChanges, changes);
  EXPECT_EQ(modified, 0);
  // The failing handler still ended the drag and gave everything back.
  EXPECT_FALSE(Engine().Dragging());
  EXPECT_EQ(TControl::CaptureControl(), nullptr);
  EXPECT_FALSE(Application().CursorClip().isValid());
  EXPECT_TRUE(designer->SelectedControls().HandlesVisible());
}

TEST_F(DesignerTest, OutsideDragsGoToTheDesignersEvents) {
  Activate();
  QWidget* surface = panel->Surface().Widget();
  QMimeData data;
  data.setText("dragged");
  const QPoint over = surface->mapFromGlobal(edit3->ClientToScreen(QPoint(7, 5)));
  QDragEnterEvent refused(over, Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(surface, &refused);
  EXPECT_FALSE(refused.isAccepted());

  std::vector<QString> seen;
  designer->OnDragOver = [&](TObject*, const QMimeData* source, TControl* target, int x, int y, TDragState state,
                             bool& accept) {
    seen.push_back(QStringLiteral("over %1 %2 %3,%4 %5")
                       .arg(source->text(), target->Name())
                       .arg(x)
                       .arg(y)
                       .arg(static_cast<int>(state)));
    accept = true;
  };
  designer->OnDragDrop = [&](TObject*, const QMimeData* source, TControl* target, int x, int y) {
    seen.push_back(QStringLiteral("drop %1 %2 %3,%4").arg(source->text(), target->Name()).arg(x).arg(y));
  };
  QDragEnterEvent enter(over, Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(surface, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(over), Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(surface, &drop);
  EXPECT_EQ(seen, (std::vector<QString>{"over dragged Edit3 7,5 0", "drop dragged Edit3 7,5"}));
}

}  // namespace
