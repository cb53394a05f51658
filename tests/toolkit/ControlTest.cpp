#include "toolkit/Application.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/PropAccess.h"
#include "toolkit/PropText.h"
#include "toolkit/SysUtils.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <ostream>

namespace {

TEST(ControlBounds, PublishedBoundsTakeTypedValuesWithinTheirRanges) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetBounds(10, 20, 100, 21);
  const struct {
    const char* prop;
    const char* text;
    const char* error;
  } refused[] = {{"Width", "-1", "Value must be between 0 and 32767"},
                 {"Height", "32768", "Value must be between 0 and 32767"},
                 {"Left", "-32769", "Value must be between -32768 and 32767"},
                 {"Top", "99999", "Value must be between -32768 and 32767"}};
  for (const auto& r : refused) {
    try {
      SetPropText(*edit, PropByName(*edit, r.prop), r.text, TOrdinalText::Names);
      ADD_FAILURE() << r.prop << " took " << r.text;
    } catch (const EPropertyError& e) {
      EXPECT_EQ(e.Message(), r.error);
    }
  }
  EXPECT_EQ(edit->BoundsRect(), QRect(10, 20, 100, 21));
  SetPropText(*edit, PropByName(*edit, "Left"), "-32768", TOrdinalText::Names);
  SetPropText(*edit, PropByName(*edit, "Width"), "32767", TOrdinalText::Names);
  EXPECT_EQ(edit->BoundsRect(), QRect(-32768, 20, 32767, 21));
}

TEST(ControlBounds, BoundsAreTheWidgetGeometryAndBack) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(5, 5, 300, 200);
  auto* edit = new TEdit(&form);
  edit->SetParent(panel);
  edit->SetBounds(10, 20, 100, 21);
  EXPECT_EQ(edit->Widget()->geometry(), QRect(10, 20, 100, 21));
  EXPECT_EQ(edit->Widget()->parentWidget(), panel->Widget());
  edit->SetLeft(15);
  edit->SetHeight(25);
  EXPECT_EQ(edit->Widget()->geometry(), QRect(15, 20, 100, 25));
  EXPECT_EQ(edit->BoundsRect(), QRect(15, 20, 100, 25));
  // Published properties reach the same state.
  SetOrdProp(*edit, PropByName(*edit, "Top"), 40);
  EXPECT_EQ(edit->Widget()->y(), 40);

  form.SetBounds(50, 60, 400, 300);
  form.ShowForm();
  form.Widget()->resize(420, 310);
  QApplication::processEvents();
  EXPECT_EQ(form.Width(), 420);
  EXPECT_EQ(form.Height(), 310);
}

TEST(ControlBounds, AFormWithAFixedBorderTakesTheBoundsItIsGivenInsideAParent) {
  TForm window(nullptr);
  window.SetBounds(0, 0, 400, 300);
  auto* inner = new TForm(&window);
  inner->SetBorderStyle(TFormBorderStyle::bsNone);  // fixed at its window size so far
  inner->SetParent(&window);
  inner->SetBounds(2, 2, 350, 260);
  inner->SetVisible(true);
  EXPECT_EQ(inner->Widget()->geometry(), QRect(2, 2, 350, 260));
}

TEST(Focus, AClickOnAPanelOrABarePartOfTheFormLeavesTheFocusWhereItIs) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(0, 0, 150, 100);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(160, 10, 100, 21);
  form.ShowForm();
  form.Widget()->activateWindow();
  QApplication::processEvents();
  edit->SetFocus();
  ASSERT_TRUE(edit->Focused());
  QTest::mouseClick(panel->Widget(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_TRUE(edit->Focused());
  QTest::mouseClick(form.Widget(), Qt::LeftButton, {}, QPoint(200, 150));
  EXPECT_TRUE(edit->Focused());
}

TEST(CursorClip, AMoveOutsideTheRectangleIsBroughtBackToItsEdge) {
  TForm form(nullptr);
  form.ShowForm();
  QWidget* widget = form.Widget();
  auto move = [widget](QPoint screen) {
    QMouseEvent event(QEvent::MouseMove, widget->mapFromGlobal(screen), screen, Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(widget, &event);
  };
  QCursor::setPos(120, 120);
  Application().ClipCursor(QRect(100, 100, 50, 50));
  move(QPoint(300, 120));
  EXPECT_EQ(QCursor::pos(), QPoint(149, 120));
  // A move inside leaves the pointer alone, wherever the platform last put it.
  move(QPoint(110, 110));
  EXPECT_EQ(QCursor::pos(), QPoint(149, 120));
  Application().ClipCursor(QRect());
  move(QPoint(300, 120));
  EXPECT_EQ(QCursor::pos(), QPoint(149, 120));
}

TEST(ControlBounds, ConstraintsLimitTheSize) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->Constraints().SetMinWidth(50);
  panel->Constraints().SetMaxHeight(30);
  panel->SetBounds(0, 0, 10, 100);
  EXPECT_EQ(panel->BoundsRect(), QRect(0, 0, 50, 30));
}

struct AnchorCase {
  int anchors;  // 1 left, 2 top, 4 right, 8 bottom
  QRect grown;  // after the parent grew by 10 x 5
};

void PrintTo(const AnchorCase& c, std::ostream* os) { *os << "anchors " << c.anchors; }

class Anchoring : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(Anchoring, FollowsTheParentsSize) {
  TForm form(nullptr);
  auto* parent = new TPanel(&form);
  parent->SetParent(&form);
  parent->SetBounds(0, 0, 200, 100);
  auto* child = new TPanel(&form);
  child->SetParent(parent);
  child->SetAnchors(IntToAnchors(GetParam().anchors));
  child->SetBounds(20, 30, 50, 10);

  parent->SetBounds(0, 0, 210, 105);
  EXPECT_EQ(child->BoundsRect(), GetParam().grown);
  // Measured from the explicit bounds, so shrinking back restores them.
  parent->SetBounds(0, 0, 200, 100);
  EXPECT_EQ(child->BoundsRect(), QRect(20, 30, 50, 10));
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, Anchoring,
    ::testing::Values(AnchorCase{3, QRect(20, 30, 50, 10)},   // left, top
                      AnchorCase{7, QRect(20, 30, 60, 10)},   // left, top, right: stretches
                      AnchorCase{6, QRect(30, 30, 50, 10)},   // top, right: moves
                      AnchorCase{13, QRect(20, 35, 60, 10)},  // left, right, bottom
                      AnchorCase{12, QRect(30, 35, 50, 10)},  // right, bottom
                      AnchorCase{10, QRect(22, 30, 50, 15)},  // top, bottom: grows, centred across
                      AnchorCase{15, QRect(20, 30, 60, 15)},  // all four: grows both ways
                      AnchorCase{11, QRect(20, 30, 50, 15)},  // left, top, bottom
                      // neither side: the centre keeps its place in proportion
                      // (45 * 210 / 200 = 47.25, 35 * 105 / 100 = 36.75)
                      AnchorCase{0, QRect(22, 32, 50, 10)}, AnchorCase{1, QRect(20, 32, 50, 10)},
                      AnchorCase{2, QRect(22, 30, 50, 10)}));

TEST(Anchoring, ExplicitBoundsStartANewReference) {
  TForm form(nullptr);
  auto* parent = new TPanel(&form);
  parent->SetParent(&form);
  parent->SetBounds(0, 0, 200, 100);
  auto* child = new TPanel(&form);
  child->SetParent(parent);
  child->SetAnchors(kAnchorTop + kAnchorRight);
  child->SetBounds(100, 10, 50, 10);
  parent->SetBounds(0, 0, 250, 100);
  EXPECT_EQ(child->Left(), 150);
  child->SetLeft(120);
  parent->SetBounds(0, 0, 260, 100);
  EXPECT_EQ(child->Left(), 130);
}

TEST(Anchoring, NoAnchoringWhileLoading) {
  TForm form(nullptr);
  auto* parent = new TPanel(&form);
  parent->SetParent(&form);
  parent->SetBounds(0, 0, 200, 100);
  auto* child = new TPanel(&form);
  child->SetParent(parent);
  child->SetAnchors(kAnchorRight + kAnchorBottom);
  child->SetBounds(20, 30, 50, 10);
  parent->BeginLoading();
  parent->SetBounds(0, 0, 300, 200);
  EXPECT_EQ(child->BoundsRect(), QRect(20, 30, 50, 10));
  parent->EndLoading();
  // After loading the anchors measure from the loaded state.
  parent->SetBounds(0, 0, 310, 200);
  EXPECT_EQ(child->BoundsRect(), QRect(30, 30, 50, 10));
}

TEST(Align, ArrangesAlignedChildren) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  auto* left = new TPanel(&form);
  left->SetParent(&form);
  left->SetWidth(100);
  left->SetAlign(TAlign::alLeft);
  auto* rest = new TPanel(&form);
  rest->SetParent(&form);
  rest->SetAlign(TAlign::alClient);
  EXPECT_EQ(left->BoundsRect(), QRect(0, 0, 100, form.ClientHeight()));
  EXPECT_EQ(rest->BoundsRect(), QRect(100, 0, form.ClientWidth() - 100, form.ClientHeight()));
  form.SetBounds(0, 0, 500, 300);
  EXPECT_EQ(rest->Width(), form.ClientWidth() - 100);
}

TEST(ChildList, OrderIsTheZOrderAndTheHitTest) {
  TForm form(nullptr);
  auto* a = new TPanel(&form);
  auto* b = new TPanel(&form);
  a->SetParent(&form);
  b->SetParent(&form);
  a->SetBounds(0, 0, 50, 50);
  b->SetBounds(25, 25, 50, 50);
  EXPECT_EQ(form.ControlAtPos(QPoint(30, 30)), b);
  a->BringToFront();
  EXPECT_EQ(form.IndexOfControl(a), 1);
  EXPECT_EQ(form.ControlAtPos(QPoint(30, 30)), a);
  a->SendToBack();
  EXPECT_EQ(form.Controls(0), a);
  EXPECT_EQ(form.ControlAtPos(QPoint(60, 60)), b);
  EXPECT_EQ(form.ControlAtPos(QPoint(90, 90)), nullptr);
  b->SetVisible(false);
  EXPECT_EQ(form.ControlAtPos(QPoint(60, 60)), nullptr);
}

TEST(ChildList, FreeingAContainerFreesItsChildControls) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  auto* edit = new TEdit(&form);
  edit->SetName("Inner");
  edit->SetParent(panel);
  TComponent::Free(panel);
  EXPECT_EQ(form.FindComponent("Inner"), nullptr);
  EXPECT_EQ(form.ControlCount(), 0);
}

TEST(ParentFont, ChildrenFollowUntilTheyGetTheirOwn) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  auto* own = new TLabel(&form);
  own->SetParent(&form);
  own->Font().SetHeight(-20);
  EXPECT_FALSE(own->ParentFont());
  form.Font().SetName("Courier New");
  EXPECT_EQ(label->Font().Name(), "Courier New");
  EXPECT_TRUE(label->ParentFont());
  EXPECT_EQ(own->Font().Height(), -20);
  EXPECT_NE(own->Font().Name(), "Courier New");
}

TEST(Labels, SizeThemselvesToTheirCaptionKeepingLeftAndTop) {
  TForm form(nullptr);
  auto* text = new TStaticText(&form);
  text->SetParent(&form);
  text->SetBounds(8, 225, 10, 10);
  text->SetCaption("Year:");
  const int shortWidth = text->Width();
  EXPECT_EQ(text->Left(), 8);
  EXPECT_EQ(text->Top(), 225);
  EXPECT_GT(shortWidth, 10);
  // The default font is 11 pixels high; its lines take 13, and the margin 4.
  EXPECT_EQ(text->Height(), 17);
  text->SetCaption("A much longer caption:");
  EXPECT_GT(text->Width(), shortWidth);
  EXPECT_EQ(text->Left(), 8);
  // Turned off, the size stays as set; turned on, it fits the caption again.
  text->SetAutoSize(false);
  text->SetBounds(8, 225, 33, 17);
  EXPECT_EQ(text->Width(), 33);
  text->SetAutoSize(true);
  EXPECT_GT(text->Width(), shortWidth);
}

TEST(Labels, AccessKeyIsTheLetterAfterTheAmpersand) {
  EXPECT_EQ(AccessKey("&Original Title:"), QChar('O'));
  EXPECT_EQ(AccessKey("T&ranslated Title:"), QChar('R'));
  EXPECT_EQ(AccessKey("Fish && Chips"), QChar());
  EXPECT_EQ(AccessKey("Plain"), QChar());
}

TEST(MemoLines, AddingALineLeavesALineBreakAtTheEnd) {
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->Lines().Add("A|a-address");
  EXPECT_EQ(memo->GetText(), "A|a-address\r\n");
  EXPECT_EQ(memo->Lines().Count(), 1);
  memo->Lines().Add("second");
  EXPECT_EQ(memo->GetText(), "A|a-address\r\nsecond\r\n");
  memo->SetText("typed without break");
  memo->Lines().Add("x");
  EXPECT_EQ(memo->GetText(), "typed without break\r\nx\r\n");
  memo->Lines().Put(0, "first");
  memo->Lines().Delete(1);
  EXPECT_EQ(memo->GetText(), "first\r\n");
  EXPECT_THROW(memo->Lines().Put(3, "x"), EStringListError);
  memo->Lines().Clear();
  EXPECT_EQ(memo->GetText(), "");
}

}  // namespace
