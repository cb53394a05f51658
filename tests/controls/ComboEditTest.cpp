// The combo edit: the button's place and width by kind, the height rule, the
// click key, DirectInput and ReadOnly, and the disabled look.
#include "controls/OrqJvToolEdit.h"

#include "toolkit/Buttons.h"
#include "toolkit/Forms.h"
#include "toolkit/SystemLook.h"

#include "ControlsTestSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include <ostream>

namespace {

class ComboEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 600, 200);
    edit = new TOrqJvComboEditXP(&form);
    edit->SetParent(&form);
    edit->SetBounds(104, 245, 440, 21);
    edit->SetButtonFlat(false);
    edit->SetImageKind(TJvImageKind::ikDropDown);
    edit->OnButtonClick = [this](TObject*) { ++clicks; };
  }
  LookPin classic;
  TForm form{nullptr};
  TOrqJvComboEditXP* edit = nullptr;
  int clicks = 0;
};

TEST_F(ComboEdit, TheAddressFieldHasAScrollBarWideArrowButtonAtItsRightEnd) {
  const int b = VerticalScrollBarWidth();  // the classic look's drop-down button
  ASSERT_EQ(DropDownButtonWidth(), b);
  EXPECT_EQ(edit->BoundsRect(), QRect(104, 245, 440, 21));
  EXPECT_EQ(edit->ButtonWidth(), b);
  EXPECT_EQ(edit->ClientRect(), QRect(2, 2, 436, 17));
  EXPECT_EQ(edit->ButtonContainer()->BoundsRect(), QRect(436 - b, 0, b, 17));
  EXPECT_EQ(edit->Button()->BoundsRect(), QRect(0, 0, b, 17));
  // The text ends before the button and one pixel above the client's bottom.
  EXPECT_EQ(edit->TextRect(), QRect(0, 0, 436 - b - 1, 16));
  EXPECT_EQ(edit->Button()->Kind(), TJvImageKind::ikDropDown);
  EXPECT_EQ(edit->Button()->Picture().size(), QSize(7, 4));
  // Fixed with the drop-down arrow.
  edit->SetButtonWidth(40);
  EXPECT_EQ(edit->ButtonWidth(), b);
}

TEST_F(ComboEdit, ThemedTheAddressFieldLooksLikeAThemedComboBox) {
  LookPin themed(true);
  TOrqJvComboEditXP url(nullptr);
  url.SetBounds(0, 0, 440, 21);
  url.SetImageKind(TJvImageKind::ikDropDown);
  EXPECT_EQ(url.ButtonWidth(), DropDownButtonWidth());
  EXPECT_TRUE(url.ThemedDropDown());
  // The button shows its part of the same picture the frame shows.
  const QImage whole = url.ThemedPicture(false, false);
  const QImage button = url.Button()->Widget()->grab().toImage();
  const QPoint at = url.Button()->Widget()->mapTo(url.Widget(), QPoint(0, 0));
  EXPECT_EQ(button.copy(0, 0, 4, 4).convertToFormat(QImage::Format_ARGB32),
            whole.copy(at.x(), at.y(), 4, 4).convertToFormat(QImage::Format_ARGB32));
  url.SetButtonFlat(true);
  EXPECT_FALSE(url.ThemedDropDown());
}

TEST_F(ComboEdit, WithoutAHandlerTheButtonAndItsKeyChangeNothing) {
  edit->OnButtonClick = nullptr;
  edit->SetText("http://example.org");
  Click(edit->Button()->Widget(), QPoint(3, 3));
  PressKey(edit->LineEdit(), Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(edit->GetText(), "http://example.org");
}

TEST_F(ComboEdit, TheButtonAndAltDownPressIt) {
  Click(edit->Button()->Widget(), QPoint(3, 3));
  EXPECT_EQ(clicks, 1);
  // A release away from the button is no click.
  MouseEvent(edit->Button()->Widget(), QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
  MouseEvent(edit->Button()->Widget(), QEvent::MouseMove, QPoint(-20, 3), Qt::LeftButton);
  EXPECT_FALSE(edit->Button()->Pressed());
  MouseEvent(edit->Button()->Widget(), QEvent::MouseButtonRelease, QPoint(-20, 3), Qt::NoButton);
  EXPECT_EQ(clicks, 1);
  PressKey(edit->LineEdit(), Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(clicks, 2);
  PressKey(edit->LineEdit(), Qt::Key_Down);  // Down alone is no click key
  EXPECT_EQ(clicks, 2);
  edit->SetClickKey(ShortCutOf(VK_F1 + 1, TShiftState{TShiftStateFlag::ssCtrl}));
  PressKey(edit->LineEdit(), Qt::Key_F2, Qt::ControlModifier);
  EXPECT_EQ(clicks, 3);
  // No button, no click key.
  edit->SetImageKind(TJvImageKind::ikCustom);
  edit->SetButtonWidth(0);
  PressKey(edit->LineEdit(), Qt::Key_F2, Qt::ControlModifier);
  EXPECT_EQ(clicks, 3);
}

TEST_F(ComboEdit, ReadOnlyBlocksTheButtonDirectInputDoesNot) {
  edit->SetDirectInput(false);
  EXPECT_TRUE(edit->LineEdit()->isReadOnly());
  edit->DoClick();
  EXPECT_EQ(clicks, 1);
  edit->SetReadOnly(true);
  edit->DoClick();
  PressKey(edit->LineEdit(), Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(clicks, 1);
  edit->SetDirectInput(true);
  EXPECT_TRUE(edit->LineEdit()->isReadOnly());  // still ReadOnly
  edit->SetReadOnly(false);
  EXPECT_FALSE(edit->LineEdit()->isReadOnly());
}

struct WidthCase {
  const char* what;
  TJvImageKind kind;
  int width;  // -1: the scroll bar's width
};

void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.what; }

class ButtonWidthByKind : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ButtonWidthByKind, DefaultsFollowTheKind) {
  TOrqJvComboEdit edit(nullptr);
  edit.SetImageKind(GetParam().kind);
  const int expected = GetParam().width < 0 ? DropDownButtonWidth() : GetParam().width;
  EXPECT_EQ(edit.ButtonWidth(), expected);
  EXPECT_EQ(edit.DefaultButtonWidth(), expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ButtonWidthByKind,
                         ::testing::Values(WidthCase{"custom", TJvImageKind::ikCustom, 21},
                                           WidthCase{"default", TJvImageKind::ikDefault, 21},
                                           WidthCase{"dropDown", TJvImageKind::ikDropDown, -1},
                                           WidthCase{"ellipsis", TJvImageKind::ikEllipsis, 21}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(ComboEdit, TheEllipsisIsThreeDotsCentredInAPictureFourHigh) {
  edit->SetImageKind(TJvImageKind::ikEllipsis);
  edit->SetButtonWidth(21);
  const QImage& dots = edit->Button()->Picture();
  ASSERT_EQ(dots.size(), QSize(15, 4));
  // Gaps of 3 between dots of 2: columns 1-2, 6-7 and 11-12 on rows 1 and 2.
  QString rows;
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 15; ++x) rows += qAlpha(dots.pixel(x, y)) ? '#' : '.';
    rows += '/';
  }
  EXPECT_EQ(rows, ".............../.##...##...##../.##...##...##../.............../");
}

TEST_F(ComboEdit, ANarrowButtonHidesAndTheTextReachesTheBorder) {
  edit->SetImageKind(TJvImageKind::ikCustom);
  edit->SetButtonWidth(1);
  EXPECT_FALSE(edit->ButtonContainer()->Visible());
  EXPECT_EQ(edit->TextRect(), QRect(0, 0, 436, 16));
  edit->SetButtonWidth(30);
  EXPECT_TRUE(edit->ButtonContainer()->Visible());
  EXPECT_EQ(edit->ButtonContainer()->BoundsRect(), QRect(406, 0, 30, 17));
}

TEST_F(ComboEdit, TheButtonFollowsSizeChangesAndTheHeightRule) {
  const int minimum = edit->MinHeight();
  EXPECT_EQ(minimum, FontTextHeight(edit->Font()) + 8);
  edit->SetHeight(10);
  EXPECT_EQ(edit->Height(), minimum);
  edit->SetBounds(0, 0, 300, 30);
  EXPECT_EQ(edit->ButtonContainer()->BoundsRect(), QRect(296 - edit->ButtonWidth(), 0, edit->ButtonWidth(), 26));
  // Loading or designing keeps a stored height as it stands.
  form.BeginLoading();
  edit->SetHeight(12);
  form.EndLoading();
  EXPECT_EQ(edit->Height(), 12);
  edit->SetDesigning(true);
  edit->SetHeight(11);
  EXPECT_EQ(edit->Height(), 11);
}

TEST_F(ComboEdit, AWidthSetWhileLoadingWaitsForTheEnd) {
  TOrqJvComboEdit loading(nullptr);
  loading.BeginLoading();
  loading.SetButtonWidth(30);
  EXPECT_EQ(loading.ButtonWidth(), 21);
  loading.EndLoading();
  EXPECT_EQ(loading.ButtonWidth(), 30);
}

TEST_F(ComboEdit, EnterGoesToTheDefaultButtonTabsAreNoText) {
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->SetDefault(true);
  int defaults = 0;
  ok->OnClick = [&](TObject*) { ++defaults; };
  PressKey(edit->LineEdit(), Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_EQ(defaults, 1);
  TMessage tab;
  tab.Kind = TMessageKind::Char;
  tab.Char = QLatin1Char('\t');
  EXPECT_TRUE(edit->Dispatch(tab));
  EXPECT_EQ(edit->GetText(), "");
}

TEST_F(ComboEdit, DisabledTheTextIsGreyOnTheWindowColour) {
  edit->SetText("disabled text");
  edit->SetEnabled(false);
  const QPalette palette = edit->LineEdit()->palette();
  EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::Text).rgb(), Sys(clGrayText));
  EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::Base).rgb(), Sys(clWindow));
  const QImage picture = edit->Widget()->grab().toImage();
  EXPECT_EQ(PixelAt(picture, 3, 3), Sys(clWindow));
  edit->SetDisabledColor(clBtnFace);
  EXPECT_EQ(PixelAt(edit->Widget()->grab().toImage(), 3, 3), Sys(clBtnFace));
}

TEST_F(ComboEdit, ClipboardCommandsCanBeSwitchedOff) {
  edit->SetText("kept");
  QGuiApplication::clipboard()->setText("before");
  edit->SetClipboardCommands({TClipboardCommand::caPaste});
  edit->LineEdit()->selectAll();
  PressKey(edit->LineEdit(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
  PressKey(edit->LineEdit(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(edit->GetText(), "kept");
  edit->SetClipboardCommands({TClipboardCommand::caCopy, TClipboardCommand::caCut});
  edit->LineEdit()->selectAll();
  PressKey(edit->LineEdit(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
  PressKey(edit->LineEdit(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(edit->GetText(), "");
  EXPECT_TRUE(edit->Modified());
}

TEST_F(ComboEdit, AutoSizeFollowsTheFontUnlessTheBoundsAreStored) {
  edit->Font().SetHeight(-16);
  const int large = FontTextHeight(edit->Font()) + 8;
  EXPECT_EQ(edit->Height(), large);
  form.BeginLoading();
  edit->Font().SetHeight(-11);
  form.EndLoading();
  EXPECT_EQ(edit->Height(), large);  // kept while loading
  edit->SetAutoSize(false);
  edit->SetHeight(40);
  edit->Font().SetHeight(-12);
  EXPECT_EQ(edit->Height(), 40);
}

}  // namespace
