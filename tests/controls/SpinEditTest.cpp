// The spin edit: values, bounds and the empty value; typing, pasting and
// the locale; stepping by keys, wheel and button with its auto-repeat; the
// layout and the button's pixels.
#include "controls/OrqJvSpin.h"

#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/SystemLook.h"

#include "ControlsTestSupport.h"
#include "support/ManualTimer.h"
#include "support/RecordingDialogs.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QTest>

#include <limits>

namespace {

// Sets the default locale and puts the previous one back.
class LocaleScope {
 public:
  explicit LocaleScope(const QLocale& locale) : m_saved(QLocale()) { QLocale::setDefault(locale); }
  ~LocaleScope() { QLocale::setDefault(m_saved); }

 private:
  QLocale m_saved;
};

class SpinEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(10, 10, 300, 120);
    spin = new TOrqJvSpinEdit(&form);
    spin->SetParent(&form);
    spin->SetBounds(104, 20, 55, 21);
    spin->OnChange = [this](TObject*) { ++changes; };
  }
  // The movie panel's year field.
  void MakeYear() {
    spin->SetAllowEmpty(true);
    spin->SetAlignment(TAlignment::taRightJustify);
    spin->SetDecimal(0);
    spin->SetMaxValue(99999);
    spin->SetValue(-1);
    changes = 0;
  }
  QLineEdit* Line() const { return spin->LineEdit(); }
  void SelectAllAndType(const QString& text) {
    Line()->selectAll();
    TypeText(Line(), text);
  }

  LookPin classic;
  TForm form{nullptr};
  TOrqJvSpinEdit* spin = nullptr;
  int changes = 0;
};

// -- the year field --

TEST_F(SpinEdit, TheEmptyYearReadsAsMinusOne) {
  MakeYear();
  EXPECT_TRUE(spin->CheckMinValue());
  EXPECT_TRUE(spin->CheckMaxValue());
  EXPECT_EQ(spin->Value(), -1);
  EXPECT_EQ(spin->GetText(), "");
  spin->UpClick();
  EXPECT_EQ(spin->GetText(), "0");
  spin->UpClick();
  EXPECT_EQ(spin->GetText(), "1");
  EXPECT_EQ(changes, 2);
}

TEST_F(SpinEdit, StepsGoPastTheEmptyValue) {
  MakeYear();
  spin->SetValue(0);
  changes = 0;
  // Down from 0 passes -1 and lands on -2, which the minimum lifts to 0.
  spin->DownClick();
  EXPECT_EQ(spin->GetText(), "0");
  EXPECT_EQ(changes, 0);
  // Without bounds the step does not stick in front of the empty value.
  spin->SetMaxValue(0);
  EXPECT_FALSE(spin->CheckMaxValue());
  spin->DownClick();
  EXPECT_EQ(spin->Value(), -2);
  spin->UpClick();
  EXPECT_EQ(spin->Value(), 0);
}

TEST_F(SpinEdit, TypingIsLimitedToTheMaximumAsYouType) {
  MakeYear();
  TypeText(Line(), "12345");
  EXPECT_EQ(spin->GetText(), "12345");
  TypeText(Line(), "6");
  EXPECT_EQ(spin->GetText(), "99999");
  EXPECT_EQ(spin->Value(), 99999);
}

TEST_F(SpinEdit, ClearingTheTextEmptiesTheValueWithOneChange) {
  MakeYear();
  spin->SetValue(2001);
  changes = 0;
  Line()->selectAll();
  PressKey(Line(), Qt::Key_Delete);
  EXPECT_EQ(spin->GetText(), "");
  EXPECT_EQ(spin->Value(), -1);
  EXPECT_EQ(changes, 1);
}

TEST_F(SpinEdit, MinusOneEmptiesALoneMinusIsZeroLettersAreIgnored) {
  MakeYear();
  QGuiApplication::clipboard()->setText("-1");
  spin->SetValue(5);
  Line()->selectAll();
  spin->PasteFromClipboard();
  EXPECT_EQ(spin->GetText(), "");
  TypeText(Line(), "-");
  EXPECT_EQ(spin->GetText(), "0");
  TypeText(Line(), "x");
  EXPECT_EQ(spin->GetText(), "0");
}

TEST_F(SpinEdit, TheMinimumWaitsForTheExit) {
  spin->SetMinValue(1900);
  spin->SetMaxValue(2100);
  SelectAllAndType("2024");
  EXPECT_EQ(spin->GetText(), "2024");
  SelectAllAndType("20");
  EXPECT_EQ(spin->GetText(), "20");
  TMessage exit;
  exit.Kind = TMessageKind::FocusOut;
  spin->Dispatch(exit);
  EXPECT_EQ(spin->GetText(), "1900");
}

// A dialog service whose error box takes the focus from the edit, as a real
// one does.
class FocusTakingDialogs : public RecordingDialogs {
 public:
  TControl* edit = nullptr;
  void ShowException(const QString& className, const QString& message) override {
    RecordingDialogs::ShowException(className, message);
    TMessage out;
    out.Kind = TMessageKind::FocusOut;
    edit->Dispatch(out);
    TMessage in;
    in.Kind = TMessageKind::FocusIn;
    edit->Dispatch(in);
    edit->Dispatch(out);
  }
};

TEST_F(SpinEdit, AFailedExitCheckShowsOneBox) {
  auto service = std::make_unique<FocusTakingDialogs>();
  FocusTakingDialogs* dialogs = service.get();
  dialogs->edit = spin;
  auto previous = Application().SetDialogs(std::move(service));
  spin->SetMinValue(10);
  spin->SetMaxValue(20);
  spin->SetCheckOptions({TOrqJvCheckOption::coCheckOnChange, TOrqJvCheckOption::coCheckOnExit});
  int exits = 0;
  spin->OnExit = [&](TObject*) { ++exits; };
  SelectAllAndType("5");
  TMessage exit;
  exit.Kind = TMessageKind::FocusOut;
  spin->Dispatch(exit);
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(dialogs->errors[0].first, "ERangeError");
  EXPECT_EQ(dialogs->errors[0].second, "Value must be between 10 and 20");
  EXPECT_EQ(spin->GetText(), "5");
  EXPECT_EQ(spin->SelLength(), 1);
  EXPECT_EQ(exits, 0);
  // In range, leaving works as usual.
  SelectAllAndType("15");
  spin->Dispatch(exit);
  EXPECT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(exits, 1);
  Application().SetDialogs(std::move(previous));
}

TEST_F(SpinEdit, CheckValueLimitsAndRaises) {
  spin->SetMinValue(1);
  spin->SetMaxValue(10);
  EXPECT_EQ(spin->CheckValue(0), 1);
  EXPECT_EQ(spin->CheckValue(11), 10);
  EXPECT_EQ(spin->CheckValue(5, true), 5);
  EXPECT_THROW(spin->CheckValue(11, true), ERangeError);
  spin->SetAllowEmpty(true);
  EXPECT_EQ(spin->CheckValue(-1, true), -1);
  // A bound is checked while it is not 0.
  spin->SetCheckMaxValue(false);
  EXPECT_TRUE(spin->CheckMaxValue());
  spin->SetMaxValue(0);
  spin->SetMinValue(0);
  spin->SetCheckMaxValue(false);
  EXPECT_FALSE(spin->CheckMaxValue());
  EXPECT_EQ(spin->CheckValue(1e6), 1e6);
}

// -- 64 bits and hexadecimal --

TEST_F(SpinEdit, WholeNumbersUseSixtyFourBitsAndStopAtTheirEnds) {
  spin->SetText("9223372036854775807");
  EXPECT_EQ(spin->Value(), static_cast<TSpinValue>(std::numeric_limits<int64_t>::max()));
  spin->UpClick();
  EXPECT_EQ(spin->GetText(), "9223372036854775807");
  spin->SetText("-9223372036854775808");
  spin->DownClick();
  EXPECT_EQ(spin->GetText(), "-9223372036854775808");
  spin->SetText("4294967296");
  EXPECT_EQ(spin->Value(), 4294967296.0L);
  spin->SetText("99999999999999999999");  // more than 64 bits: reads as the minimum
  EXPECT_EQ(spin->Value(), 0);
}

struct HexCase {
  const char* text;
  TSpinValue value;
  const char* written;
};

void PrintTo(const HexCase& c, std::ostream* os) { *os << c.text; }

class HexValues : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexValues, ReadBackAsWritten) {
  const HexCase& c = GetParam();
  TOrqJvSpinEdit spin(nullptr);
  spin.SetValueType(TValueType::vtHex);
  spin.SetText(c.text);
  EXPECT_EQ(spin.Value(), c.value);
  spin.SetValue(spin.Value());
  EXPECT_EQ(spin.GetText(), c.written);
  EXPECT_EQ(spin.Value(), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexValues,
    ::testing::Values(HexCase{"1F", 31, "1F"}, HexCase{"ff", 255, "FF"},
                      HexCase{"FFFFFFFFFFFFFFFF", -1, "FFFFFFFFFFFFFFFF"},
                      HexCase{"-1F", -31, "FFFFFFFFFFFFFFE1"},
                      HexCase{"8000000000000000", static_cast<TSpinValue>(std::numeric_limits<int64_t>::min()),
                              "8000000000000000"},
                      HexCase{"7FFFFFFFFFFFFFFF", static_cast<TSpinValue>(std::numeric_limits<int64_t>::max()),
                              "7FFFFFFFFFFFFFFF"}),
    [](const auto& info) { return QString(info.param.text).replace('-', "minus").toStdString(); });

TEST_F(SpinEdit, HexTakesHexDigitsAndWholeSteps) {
  spin->SetIncrement(0.4L);
  spin->SetThousands(true);
  spin->SetValueType(TValueType::vtHex);
  EXPECT_EQ(spin->Increment(), 1);  // rounded to 0, then 1
  EXPECT_FALSE(spin->Thousands());
  spin->SetThousands(true);
  EXPECT_FALSE(spin->Thousands());
  EXPECT_TRUE(spin->IsValidChar('a'));
  EXPECT_TRUE(spin->IsValidChar('F'));
  EXPECT_FALSE(spin->IsValidChar('g'));
  spin->SetText("F");
  spin->UpClick();
  EXPECT_EQ(spin->GetText(), "10");
}

// -- floats, separators, the locale --

TEST_F(SpinEdit, TheRatingShowsItsDecimalInTheLocale) {
  spin->SetDecimal(1);
  spin->SetValueType(TValueType::vtFloat);
  {
    LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    spin->SetValue(7.5);
    EXPECT_EQ(spin->GetText(), "7,5");
    EXPECT_EQ(spin->Value(), 7.5L);
  }
  spin->SetValue(7.5);
  EXPECT_EQ(spin->GetText(), "7.5");
}

TEST_F(SpinEdit, APointIsTheDecimalSeparatorAndOnlyOneIsTyped) {
  LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
  spin->SetDecimal(2);
  spin->SetValueType(TValueType::vtFloat);
  spin->SetCheckOptions({});
  SelectAllAndType("7.");
  EXPECT_EQ(spin->GetText(), "7,");
  TypeText(Line(), "5");
  EXPECT_EQ(spin->Value(), 7.5L);
  // A second separator, typed as "." or ",", moves the caret behind the first.
  Line()->setCursorPosition(0);
  TypeText(Line(), ".");
  EXPECT_EQ(spin->GetText(), "7,5");
  EXPECT_EQ(Line()->cursorPosition(), 2);
  Line()->setCursorPosition(3);
  TypeText(Line(), ",");
  EXPECT_EQ(Line()->cursorPosition(), 2);
}

TEST_F(SpinEdit, ThousandSeparatorsCountOnlyWithThousands) {
  LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
  spin->SetValueType(TValueType::vtFloat);
  spin->SetDecimal(1);
  spin->SetCheckOptions({});
  spin->SetText("7.5");
  EXPECT_EQ(spin->Value(), 7.5L);  // not 75
  spin->SetThousands(true);
  spin->SetValue(1234.5);
  EXPECT_EQ(spin->GetText(), "1.234,5");
  EXPECT_EQ(spin->Value(), 1234.5L);
  spin->SetValueType(TValueType::vtInteger);
  spin->SetValue(1234567);
  EXPECT_EQ(spin->GetText(), "1.234.567");
  EXPECT_EQ(spin->Value(), 1234567);
  spin->SetThousands(false);
  spin->SetText("1.234");
  EXPECT_EQ(spin->Value(), 0);  // no number without Thousands: the minimum
}

TEST_F(SpinEdit, PastedTextIsFilteredLikeTypedText) {
  spin->SetValueType(TValueType::vtFloat);
  spin->SetDecimal(2);
  spin->SetCheckOptions({});
  QGuiApplication::clipboard()->setText("1a2.5x.7");
  Line()->selectAll();
  PressKey(Line(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(spin->GetText(), "12.57");
  spin->SetEditorEnabled(false);
  QGuiApplication::clipboard()->setText("3");
  Line()->selectAll();
  spin->PasteFromClipboard();
  EXPECT_EQ(spin->GetText(), "12.57");
  spin->SetEditorEnabled(true);
  spin->SetClipboardCommands({TClipboardCommand::caCopy});
  Line()->selectAll();
  PressKey(Line(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(spin->GetText(), "12.57");
}

TEST_F(SpinEdit, ADisplayFormatGroupsUnfocusedAndNotWhileEditing) {
  spin->SetValueType(TValueType::vtFloat);
  spin->SetDecimal(2);
  spin->SetDisplayFormat(",0.00");
  spin->SetValue(1234.5);
  EXPECT_EQ(spin->GetText(), "1,234.50");
  EXPECT_EQ(spin->Value(), 1234.5L);
  TMessage enter;
  enter.Kind = TMessageKind::FocusIn;
  spin->Dispatch(enter);
  EXPECT_EQ(spin->GetText(), "1234.5");
  EXPECT_EQ(FormatFloatPicture("#.##", 0.5), ".5");
  EXPECT_EQ(FormatFloatPicture("0.0 'kg'", 2.25), "2.3 kg");
  EXPECT_EQ(FormatFloatPicture("000", -7), "-007");
  EXPECT_EQ(FormatFloatPicture("0.#", -0.01), "0");
}

TEST_F(SpinEdit, AllowedCharactersByType) {
  spin->SetCheckOptions({});
  spin->SetValueType(TValueType::vtFloat);
  spin->SetText("1.5");
  EXPECT_TRUE(spin->IsValidChar('7'));
  EXPECT_TRUE(spin->IsValidChar('-'));
  EXPECT_TRUE(spin->IsValidChar('e'));
  EXPECT_FALSE(spin->IsValidChar('a'));
  spin->SetText("1E5");
  EXPECT_FALSE(spin->IsValidChar('e'));
  spin->SetValueType(TValueType::vtInteger);
  EXPECT_FALSE(spin->IsValidChar('.'));
  EXPECT_TRUE(spin->IsValidChar('\b'));
  spin->SetEditorEnabled(false);
  EXPECT_FALSE(spin->IsValidChar('1'));
  EXPECT_FALSE(spin->IsValidChar('\b'));
  EXPECT_TRUE(spin->IsValidChar('\r'));
}

// -- keys and wheel --

TEST_F(SpinEdit, ArrowKeysStepAlsoWithTheEditorOff) {
  spin->SetEditorEnabled(false);
  TypeText(Line(), "5");
  EXPECT_EQ(spin->GetText(), "0");
  PressKey(Line(), Qt::Key_Up);
  PressKey(Line(), Qt::Key_Up);
  PressKey(Line(), Qt::Key_Down);
  EXPECT_EQ(spin->GetText(), "1");
  spin->Button()->TopClick();  // the button too
  EXPECT_EQ(spin->GetText(), "2");
  EXPECT_TRUE(Line()->isReadOnly());
  spin->SetArrowKeys(false);
  PressKey(Line(), Qt::Key_Up);
  EXPECT_EQ(spin->GetText(), "2");
  spin->SetReadOnly(true);
  spin->UpClick();
  EXPECT_EQ(spin->GetText(), "2");
}

TEST_F(SpinEdit, TheWheelStepsPerNotchAndOnlyWhenFocused) {
  auto* other = new TOrqJvSpinEdit(&form);
  other->SetParent(&form);
  other->SetBounds(200, 20, 55, 21);
  form.ShowForm();
  form.Widget()->activateWindow();
  QApplication::processEvents();
  other->SetFocus();
  ASSERT_TRUE(other->Focused());
  Wheel(spin, 120);
  EXPECT_EQ(spin->GetText(), "0");  // not focused
  spin->SetFocus();
  ASSERT_TRUE(spin->Focused());
  Wheel(spin, 120);
  EXPECT_EQ(spin->GetText(), "1");
  Wheel(spin, 60);
  EXPECT_EQ(spin->GetText(), "1");
  Wheel(spin, 60);
  EXPECT_EQ(spin->GetText(), "2");
  Wheel(spin, 0);
  Wheel(spin, -240);
  EXPECT_EQ(spin->GetText(), "0");
}

// -- the button --

class SpinButtonRepeat : public SpinEdit {
 protected:
  void SetUp() override {
    SpinEdit::SetUp();
    auto owned = std::make_unique<ManualTimer>();
    timer = owned.get();
    spin->Button()->SetRepeatTimer(std::move(owned));
    form.ShowForm();
    QApplication::processEvents();
    window = form.Widget()->windowHandle();
  }
  QPoint InWindow(const QPoint& onButton) const {
    return spin->Button()->Widget()->mapTo(form.Widget(), onButton);
  }
  ManualTimer* timer = nullptr;
  QWindow* window = nullptr;
};

TEST_F(SpinButtonRepeat, AHeldPartStepsAtOnceThenAfter400EveryHundred) {
  const QPoint top = InWindow(QPoint(3, 3));
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, top);
  EXPECT_EQ(spin->GetText(), "1");
  EXPECT_EQ(timer->starts, std::vector<int>{400});
  timer->Fire();
  EXPECT_EQ(timer->Interval(), 100);
  EXPECT_EQ(spin->GetText(), "2");
  timer->Fire();
  EXPECT_EQ(spin->GetText(), "3");
  // Off the part the stepping stops; back on it goes on.
  QTest::mouseMove(window, InWindow(QPoint(-20, 3)));
  EXPECT_EQ(spin->Button()->Pressed(), TOrqJvSpinButton::TPart::None);
  timer->Fire();
  EXPECT_EQ(spin->GetText(), "3");
  QTest::mouseMove(window, InWindow(QPoint(14, 14)));  // the other part: still released
  timer->Fire();
  EXPECT_EQ(spin->GetText(), "3");
  QTest::mouseMove(window, top);
  timer->Fire();
  EXPECT_EQ(spin->GetText(), "4");
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, top);
  EXPECT_FALSE(timer->Active());
  EXPECT_EQ(spin->Button()->Pressed(), TOrqJvSpinButton::TPart::None);
}

TEST_F(SpinButtonRepeat, AnErrorOfARepeatedClickStopsTheTimer) {
  ScopedDialogs dialogs;
  int clicks = 0;
  spin->OnTopClick = [&](TObject*) {
    if (++clicks == 2) throw EInvalidOperation("stepping failed");
  };
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, InWindow(QPoint(3, 3)));
  Application().Guard([&] { timer->Fire(); });
  EXPECT_FALSE(timer->Active());
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(dialogs->errors[0].second, "stepping failed");
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, InWindow(QPoint(3, 3)));
}

TEST_F(SpinButtonRepeat, AClickAfterTheButtonWentUpReleasesThePart) {
  // A press that arrives when the window system already has the button up
  // (a click handler's window took the release): one step, no repeat.
  ASSERT_FALSE(QGuiApplication::mouseButtons() & Qt::LeftButton);
  TMessage press;
  press.Kind = TMessageKind::MouseDown;
  press.Pos = QPoint(14, 14);
  spin->Button()->Dispatch(press);
  EXPECT_EQ(spin->GetText(), "-1");
  EXPECT_EQ(spin->Button()->Pressed(), TOrqJvSpinButton::TPart::None);
  EXPECT_FALSE(timer->Active());
  timer->Fire();
  EXPECT_EQ(spin->GetText(), "-1");
}

TEST_F(SpinEdit, TheDiagonalSplitsTheButtonIntoItsParts) {
  TOrqJvSpinButton* button = spin->Button();
  ASSERT_EQ(button->Width(), 17);
  using P = TOrqJvSpinButton::TPart;
  EXPECT_EQ(button->PartAt(0, 0), P::Top);
  EXPECT_EQ(button->PartAt(2, 14), P::Top);
  EXPECT_EQ(button->PartAt(2, 16), P::Bottom);
  EXPECT_EQ(button->PartAt(16, 1), P::Top);
  EXPECT_EQ(button->PartAt(16, 2), P::Bottom);
  EXPECT_EQ(button->PartAt(8, 9), P::Top);
  EXPECT_EQ(button->PartAt(8, 10), P::Bottom);
  button->SetButtonStyle(TOrqJvSpinButtonStyle::sbsClassic);
  EXPECT_EQ(button->PartAt(16, 8), P::Top);
  EXPECT_EQ(button->PartAt(0, 9), P::Bottom);
}

// -- layout --

TEST_F(SpinEdit, OnA21HighEditTheButtonIs17SquareAtTheRight) {
  EXPECT_EQ(spin->ClientRect(), QRect(2, 2, 51, 17));
  EXPECT_EQ(spin->ButtonContainer()->BoundsRect(), QRect(33, -1, 18, 18));
  EXPECT_EQ(spin->Button()->BoundsRect(), QRect(1, 1, 17, 17));
  EXPECT_EQ(spin->TextRect(), QRect(0, 0, 51 - 19, 17));
  spin->SetButtonKind(TSpinButtonKind::bkClassic);
  const int s = std::min(VerticalScrollBarWidth(), 15);
  EXPECT_EQ(spin->ButtonContainer()->BoundsRect(), QRect(55 - s - 4, -1, s, 18));
  EXPECT_EQ(spin->Button()->ButtonStyle(), TOrqJvSpinButtonStyle::sbsClassic);
  spin->SetButtonKind(TSpinButtonKind::bkStandard);
  EXPECT_EQ(spin->ButtonContainer(), nullptr);
  EXPECT_EQ(spin->Button()->ClassName(), "TOrqJvUpDown");
  EXPECT_EQ(spin->Button()->BoundsRect(), QRect(51 - s, 0, s, 17));
  spin->SetBorderStyle(TBorderStyle::bsNone);
  spin->SetButtonKind(TSpinButtonKind::bkDiagonal);
  EXPECT_EQ(spin->ButtonContainer()->BoundsRect(), QRect(55 - 21, 0, 21, 21));
}

TEST_F(SpinEdit, TheHeightRuleKeepsStoredHeights) {
  const int minimum = 4 * BorderHeight() + FontTextHeight(spin->Font()) + 1;
  EXPECT_EQ(spin->MinHeight(), minimum);
  spin->SetHeight(5);
  EXPECT_EQ(spin->Height(), minimum);
  form.BeginLoading();
  spin->SetHeight(5);
  form.EndLoading();
  EXPECT_EQ(spin->Height(), 5);
}

TEST_F(SpinEdit, HotTrackingShowsAFlatBorderAtRest) {
  spin->SetHotTrack(true);
  QImage picture = spin->Widget()->grab().toImage();
  EXPECT_EQ(PixelAt(picture, 0, 0), Sys(clBtnShadow));
  EXPECT_EQ(PixelAt(picture, 1, 5), Sys(clWindow));
  TMessage enter;
  enter.Kind = TMessageKind::MouseEnter;
  spin->Dispatch(enter);
  picture = spin->Widget()->grab().toImage();
  EXPECT_EQ(PixelAt(picture, 1, 5), Sys(cl3DDkShadow));  // the sunken edge's inner line
}

TEST_F(SpinEdit, EnablingFollowsToTheButton) {
  spin->SetEnabled(false);
  EXPECT_FALSE(spin->Button()->Enabled());
  spin->SetButtonKind(TSpinButtonKind::bkClassic);
  EXPECT_FALSE(spin->Button()->Enabled());
  spin->SetEnabled(true);
  EXPECT_TRUE(spin->Button()->Enabled());
}

// -- pixels of the diagonal button --

QString Describe(const QImage& image, const std::vector<std::pair<TColor, char>>& legend) {
  QString rows;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      char c = '?';
      for (const auto& [color, letter] : legend)
        if (PixelAt(image, x, y) == Sys(color)) {
          c = letter;
          break;
        }
      if (qGray(image.pixel(x, y)) == 0 && c == '?') c = '#';
      rows += QLatin1Char(c);
    }
    rows += QLatin1Char('\n');
  }
  return rows;
}

TEST_F(SpinEdit, TheDiagonalButtonsPixels) {
  TOrqJvSpinButton* button = spin->Button();
  using P = TOrqJvSpinButton::TPart;
  const QImage normal = button->StateImage(P::None, P::None);
  // Soft raised borders, the three diagonals, the arrows at (2, 2) and (9, 9).
  EXPECT_EQ(PixelAt(normal, 0, 0), Sys(clBtnHighlight));
  EXPECT_EQ(PixelAt(normal, 1, 1), Sys(cl3DLight));
  EXPECT_EQ(PixelAt(normal, 16, 16), Sys(cl3DDkShadow));
  EXPECT_EQ(PixelAt(normal, 15, 15), Sys(clBtnShadow));
  EXPECT_EQ(PixelAt(normal, 7, 8), Sys(clBtnShadow));    // A
  EXPECT_EQ(PixelAt(normal, 8, 8), Sys(clWindowFrame));  // C
  EXPECT_EQ(PixelAt(normal, 8, 9), Sys(clBtnHighlight)); // B
  EXPECT_EQ(qGray(normal.pixel(4, 2)), 0);   // top of the up arrow
  EXPECT_EQ(qGray(normal.pixel(2, 4)), 0);   // its wide row
  EXPECT_EQ(qGray(normal.pixel(9, 12)), 0);  // the down arrow's wide row
  EXPECT_EQ(qGray(normal.pixel(11, 14)), 0); // its point
  const QImage top = button->StateImage(P::Top, P::None);
  EXPECT_EQ(PixelAt(top, 0, 5), Sys(cl3DDkShadow));  // sunken soft
  EXPECT_EQ(PixelAt(top, 7, 8), Sys(clBtnFace));     // A
  EXPECT_EQ(PixelAt(top, 8, 8), Sys(clBtnHighlight));  // C
  EXPECT_EQ(qGray(top.pixel(5, 3)), 0);                // the up arrow one pixel lower
  const QImage bottom = button->StateImage(P::Bottom, P::None);
  EXPECT_EQ(PixelAt(bottom, 16, 5), Sys(clBtnHighlight));
  EXPECT_EQ(PixelAt(bottom, 8, 9), Sys(clWindowFrame));  // B
  EXPECT_EQ(PixelAt(bottom, 8, 8), Sys(clBtnShadow));    // C

  // The picture for looking at: the spin edit three times as large next to
  // the glyph description.
  const QImage edit = spin->Widget()->grab().toImage();
  QImage sheet(760, 3 * 21 + 340, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.drawImage(QRect(10, 10, 3 * 55, 3 * 21), edit);
  painter.drawImage(QRect(200, 10, 3 * 17, 3 * 17), normal);
  painter.drawImage(QRect(260, 10, 3 * 17, 3 * 17), top);
  painter.drawImage(QRect(320, 10, 3 * 17, 3 * 17), bottom);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setPixelSize(11);
  painter.setFont(mono);
  painter.setPen(Qt::black);
  const QString description = QStringLiteral(
      "ORQJVSPINUP 6x6 at (2,2):  ..##.. / .####. / ###### / ..##.. / ..##.. / ..##..\n"
      "ORQJVSPINDOWN 6x6 at (9,9): ..##.. / ..##.. / ..##.. / ###### / .####. / ..##..\n"
      "A (shadow) (1,14)-(15,0); C (frame) (15,1)-(1,15); B (highlight) (2,15)-(16,1)\n"
      "normal | top pressed: A face, C highlight, up arrow +1 | bottom pressed: B frame, C shadow\n"
      "normal, pixel by pixel: w highlight, l 3-D light, . face, s shadow, d dark (3-D shadow, frame)\n\n") +
      Describe(normal, {{clBtnHighlight, 'w'}, {cl3DLight, 'l'}, {clBtnFace, '.'}, {clBtnShadow, 's'},
                        {clWindowFrame, 'd'}});
  painter.drawText(QRect(10, 3 * 21 + 20, 740, 320), Qt::AlignLeft | Qt::AlignTop, description);
  painter.end();
  sheet.save(QStringLiteral(VORNIK_BINARY_DIR "/spin-edit-3x.png"));
}

}  // namespace
