// The hints over designed controls.
#include "designer/DesignerFixture.h"

#include "designer/DesignHint.h"
#include "toolkit/Application.h"

#include "support/WidgetDriver.h"

#include <QApplication>
#include <QTest>

namespace {

class DesignerHintTest : public DesignerTest {
 protected:
  void SetUp() override {
    DesignerTest::SetUp();
    m_pause = Application().HintPause();
    m_hidePause = Application().HintHidePause();
    Application().SetHintPause(20);
    Application().SetHintHidePause(300);
    Activate();
  }
  void TearDown() override {
    Application().SetHintPause(m_pause);
    Application().SetHintHidePause(m_hidePause);
    DesignerTest::TearDown();
  }
  // A move of the pointer without buttons over a control.
  void Hover(TControl* control) {
    SendMouseEvent(control->Widget(), QEvent::MouseMove, Centre(control), Qt::NoButton, Qt::NoButton);
  }
  TDEngHint& Hint() { return Engine().Hint(); }
  bool WindowShows(const QString& text) {
    QWidget* w = TDEngHint::Window();
    return w && w->isVisible() && w->windowTitle() == text;
  }

 private:
  int m_pause = 0;
  int m_hidePause = 0;
};

TEST_F(DesignerHintTest, TheControlsNameAndClassShowAfterThePauseAndGoAfterTheHidePause) {
  Hover(edit1);
  EXPECT_FALSE(Hint().Showing());
  ASSERT_TRUE(ProcessEventsUntil([&] { return Hint().Showing(); }));
  EXPECT_EQ(Hint().Text(), "Edit1: TEdit");
  EXPECT_TRUE(WindowShows("Edit1: TEdit"));
  EXPECT_EQ(TDEngHint::Window()->pos(), Centre(edit1) + QPoint(0, 20));
  EXPECT_TRUE(ProcessEventsUntil([&] { return !Hint().Showing(); }));
  EXPECT_FALSE(TDEngHint::Window()->isVisible());
}

TEST_F(DesignerHintTest, AKeyOrAClickHidesTheHintAtOnce) {
  for (const auto& input : std::vector<std::function<void()>>{
           [&] { QTest::keyClick(panel->Surface().Widget(), Qt::Key_Shift); }, [&] { Click(edit2); }}) {
    Hover(edit3);
    Hover(edit1);
    ASSERT_TRUE(ProcessEventsUntil([&] { return Hint().Showing(); }));
    input();
    EXPECT_FALSE(Hint().Showing());
    EXPECT_FALSE(TDEngHint::Window()->isVisible());
  }
}

TEST_F(DesignerHintTest, MovingToAnotherControlChangesTheTextAtOnce) {
  Hover(edit1);
  ASSERT_TRUE(ProcessEventsUntil([&] { return Hint().Showing(); }));
  Hover(edit2);
  EXPECT_TRUE(Hint().Showing());
  EXPECT_TRUE(WindowShows("Edit2: TEdit"));
  // Over the bare frame the hint goes.
  Hover(frame);
  EXPECT_FALSE(Hint().Showing());
}

TEST_F(DesignerHintTest, OnControlHintMayChangeOrEmptyTheText) {
  designer->OnControlHint = [&](TObject*, TControl* control, QString& text) {
    text = control == edit2 ? QString() : text + " (mine)";
  };
  Hover(edit1);
  ASSERT_TRUE(ProcessEventsUntil([&] { return Hint().Showing(); }));
  EXPECT_EQ(Hint().Text(), "Edit1: TEdit (mine)");
  Hover(edit2);
  EXPECT_FALSE(Hint().Showing());
}

TEST_F(DesignerHintTest, WithoutControlHintsMoveHintsStillShow) {
  designer->SetShowingHints({TELDesignerHintType::htMove, TELDesignerHintType::htSize});
  Hover(edit1);
  QTest::qWait(60);
  EXPECT_FALSE(Hint().Showing());
  const QPoint from = Centre(edit1);
  Press(from);
  MoveTo(from + QPoint(16, 0));
  EXPECT_TRUE(WindowShows("32, 24"));
  Release(from + QPoint(16, 0));
  designer->SetShowingHints({});
  Press(Centre(edit1));
  MoveTo(Centre(edit1) + QPoint(16, 0));
  EXPECT_FALSE(Hint().Showing());
  Release(Centre(edit1) + QPoint(16, 0));
  EXPECT_EQ(edit1->Left(), 48);
}

TEST_F(DesignerHintTest, AHintedControlThatGoesTakesItsHintAlong) {
  Hover(edit1);
  TComponent::Free(edit1);  // before the pause is over
  QTest::qWait(60);
  EXPECT_FALSE(Hint().Showing());
  Hover(edit2);
  ASSERT_TRUE(ProcessEventsUntil([&] { return Hint().Showing(); }));
  TComponent::Free(edit2);
  EXPECT_FALSE(Hint().Showing());
  EXPECT_FALSE(TDEngHint::Window()->isVisible());
}

}  // namespace
