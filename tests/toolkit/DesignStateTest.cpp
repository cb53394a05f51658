#include "toolkit/ControlAdapter.h"
#include "toolkit/DesignerHook.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/OverlayCanvas.h"
#include "toolkit/Panel.h"

#include "support/TestSupport.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTest>

namespace {

// A hook that records what it is offered and claims what it is told to.
class RecordingHook : public IDesignerHook {
 public:
  bool claim = true;
  std::vector<std::pair<TControl*, TMessageKind>> seen;
  bool HookMessage(TControl* control, TMessage& message) override {
    seen.emplace_back(control, message.Kind);
    return claim && message.Kind != TMessageKind::WindowPosChanged;
  }
  void HookPaintGrid(TCanvas&, const QRect&) override {}
  // The address, and for a removal the class of the departing component.
  std::vector<std::pair<TPersistent*, QString>> notifications;
  void HookNotification(TPersistent* object, TOperation operation) override {
    notifications.emplace_back(object, operation == TOperation::opRemove ? object->ClassName() : QString("insert"));
  }
  bool Saw(TControl* c, TMessageKind kind) const {
    return std::find(seen.begin(), seen.end(), std::make_pair(c, kind)) != seen.end();
  }
};

class DesignState : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 300, 200);
    panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 300, 200);
    edit = new TEdit(panel);
    edit->SetParent(panel);
    edit->SetBounds(10, 10, 120, 21);
    edit->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++editMouseDowns; };
    form->SetDesigner(&hook);
    form->ShowForm();
    QApplication::processEvents();
  }
  void TearDown() override {
    form->SetDesigner(nullptr);
    form.reset();
  }
  std::unique_ptr<TForm> form;
  TPanel* panel = nullptr;
  TEdit* edit = nullptr;
  RecordingHook hook;
  int editMouseDowns = 0;
};

TEST_F(DesignState, HookClaimsPressesAndKeysAndTheControlNeverSeesThem) {
  panel->SetDesigning(true);
  ASSERT_TRUE(edit->IsDesigning());
  QTest::mouseClick(edit->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(hook.Saw(edit, TMessageKind::MouseDown));
  EXPECT_TRUE(hook.Saw(edit, TMessageKind::MouseUp));
  EXPECT_EQ(editMouseDowns, 0);
  QTest::keyClicks(edit->Widget(), "abc");
  EXPECT_EQ(edit->GetText(), "");
  EXPECT_TRUE(hook.Saw(edit, TMessageKind::KeyDown));
  EXPECT_TRUE(hook.Saw(edit, TMessageKind::Char));
}

TEST_F(DesignState, DesignedControlsNeitherTypeNorTakeFocusWhenTheHookLetsGo) {
  hook.claim = false;
  panel->SetDesigning(true);
  edit->SetFocus();
  EXPECT_FALSE(edit->Focused());
  EXPECT_EQ(edit->Widget()->focusPolicy(), Qt::NoFocus);
  QTest::keyClicks(edit->Widget(), "abc");
  EXPECT_EQ(edit->GetText(), "");
  QTest::mouseClick(edit->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(editMouseDowns, 0);
  // Back out of design state the control is itself again.
  panel->SetDesigning(false);
  EXPECT_NE(edit->Widget()->focusPolicy(), Qt::NoFocus);
  QTest::keyClicks(edit->Widget(), "abc");
  EXPECT_EQ(edit->GetText(), "abc");
  QTest::mouseClick(edit->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(editMouseDowns, 1);
}

TEST_F(DesignState, HiddenControlsShowAtDesignTime) {
  edit->SetVisible(false);
  EXPECT_FALSE(edit->Widget()->isVisible());
  panel->SetDesigning(true);
  EXPECT_TRUE(edit->Widget()->isVisible());
  EXPECT_FALSE(edit->Visible());
  panel->SetDesigning(false);
  EXPECT_FALSE(edit->Widget()->isVisible());
}

TEST_F(DesignState, MovesReachTheHookAsWindowPositionChanges) {
  panel->SetDesigning(true);
  hook.seen.clear();
  edit->SetLeft(30);
  EXPECT_TRUE(hook.Saw(edit, TMessageKind::WindowPosChanged));
  EXPECT_EQ(edit->Widget()->x(), 30);
}

TEST_F(DesignState, HookHearsTheFormsComponentsComeAndGo) {
  auto* added = new TEdit(form.get());
  TComponent::Free(added);
  using Entry = std::pair<TPersistent*, QString>;
  // The edit is whole when it goes: its class is still its own.
  EXPECT_EQ(hook.notifications, (std::vector<Entry>{{added, "insert"}, {added, "TEdit"}}));
}

TEST_F(DesignState, AControlHearsWhenItLosesTheMouseCapture) {
  panel->SetDesigning(true);
  panel->SetMouseCapture(true);
  EXPECT_EQ(TControl::CaptureControl(), panel);
  hook.seen.clear();
  edit->SetMouseCapture(true);
  EXPECT_TRUE(hook.Saw(panel, TMessageKind::CaptureChanged));
  EXPECT_FALSE(hook.Saw(edit, TMessageKind::CaptureChanged));
  edit->SetMouseCapture(false);
  EXPECT_TRUE(hook.Saw(edit, TMessageKind::CaptureChanged));
  EXPECT_EQ(TControl::CaptureControl(), nullptr);
}

TEST_F(DesignState, InnerEditorsShowTheControlsPointerWhileDesigned) {
  auto* memo = new TMemo(panel);
  memo->SetParent(panel);
  memo->SetBounds(10, 50, 120, 60);
  QWidget* text = static_cast<QAbstractScrollArea*>(memo->Widget())->viewport();
  ASSERT_EQ(text->cursor().shape(), Qt::IBeamCursor);
  panel->SetDesigning(true);
  EXPECT_EQ(text->cursor().shape(), Qt::ArrowCursor);
  panel->SetDesigning(false);
  EXPECT_EQ(text->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(DesignState, WidgetsOfOthersInsideAControlKeepTheirEvents) {
  panel->SetDesigning(true);
  auto* foreign = new QWidget;
  TControlAdapter::MarkForeign(foreign);
  foreign->setParent(panel->Widget());
  foreign->setGeometry(200, 10, 20, 20);
  foreign->setAttribute(Qt::WA_NoMousePropagation);
  foreign->show();
  auto* own = new QWidget(panel->Widget());  // an inner widget of the panel
  own->setGeometry(200, 40, 20, 20);
  own->show();
  hook.seen.clear();
  QTest::mouseClick(foreign, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(hook.Saw(panel, TMessageKind::MouseDown));
  QTest::mouseClick(own, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(hook.Saw(panel, TMessageKind::MouseDown));
}

TEST_F(DesignState, ADesignedFrameLetsItsSurfaceShowThrough) {
  auto* frame = new TFrame(panel);
  frame->SetParent(panel);
  frame->SetBounds(150, 100, 100, 80);
  frame->SetColor(clYellow);
  panel->SetColor(clBlue);
  QApplication::processEvents();
  const QPoint inside(200, 150);
  EXPECT_EQ(panel->Widget()->grab().toImage().pixelColor(inside), ColorToQColor(clYellow));
  frame->SetDesigning(true);
  QApplication::processEvents();
  EXPECT_EQ(panel->Widget()->grab().toImage().pixelColor(inside), ColorToQColor(clBlue));
  // A drawing surface over the frame pictures it as the window shows it.
  TOverlayCanvas overlay(*frame);
  EXPECT_EQ(overlay.Image().pixelColor(50, 50), ColorToQColor(clBlue));
}

// A control that logs its requests.
class RequestLog : public TPanel {
 public:
  using TPanel::TPanel;
  std::vector<QString>* log = nullptr;

 protected:
  void HandleRequest(int number, intptr_t param) override {
    log->push_back(QStringLiteral("request %1/%2").arg(number).arg(param));
  }
};

TEST(Requests, PostedRequestRunsAfterTheCurrentEvent) {
  TForm form(nullptr);
  auto* target = new RequestLog(&form);
  target->SetParent(&form);
  std::vector<QString> log;
  target->log = &log;
  target->OnClick = [&](TObject*) {
    target->PostRequest(47876, 42);
    log.push_back("click handled");
  };
  form.ShowForm();
  QTest::mouseClick(target->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  ASSERT_EQ(log.size(), 1u);
  QApplication::processEvents();
  EXPECT_EQ(log, (std::vector<QString>{"click handled", "request 47876/42"}));
  target->SendRequest(7, 1);
  EXPECT_EQ(log.back(), "request 7/1");
}

}  // namespace
