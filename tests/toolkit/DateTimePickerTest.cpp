#include "toolkit/DateTimePicker.h"
#include "toolkit/Forms.h"
#include "toolkit/PropAccess.h"
#include "toolkit/Variant.h"

#include "support/TestSupport.h"
#include "support/WidgetDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>

#include <cmath>
#include <limits>
#include <ostream>

namespace {

constexpr double kJan2001 = 36892.0;  // 2001-01-01

class DateTimePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    picker = new TDateTimePicker(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 141, 21);
    picker->OnChange = [this](TObject*) { ++changes; };
  }
  void TearDown() override { TComponent::Free(form); }
  QDateTimeEdit* Edit() const { return static_cast<QDateTimeEdit*>(picker->Widget()); }
  QCheckBox* Box() const { return Edit()->findChild<QCheckBox*>(); }

  TForm* form = nullptr;
  TDateTimePicker* picker = nullptr;
  int changes = 0;
};

TEST_F(DateTimePickerTest, DateRoundTripsAndShowsInTheShortFormat) {
  ASSERT_EQ(DateTimeFromQt(QDateTime(QDate(2001, 1, 1), QTime(0, 0))), kJan2001);
  SetFloatProp(*picker, PropByName(*picker, "Date"), kJan2001);
  EXPECT_EQ(picker->Date(), kJan2001);
  EXPECT_EQ(GetFloatProp(*picker, PropByName(*picker, "Date")), kJan2001);
  EXPECT_EQ(picker->QtDate(), QDate(2001, 1, 1));
  EXPECT_EQ(PropByName(*picker, "Date").PropType, &Types::TDate());
  EXPECT_EQ(Edit()->date(), QDate(2001, 1, 1));
  EXPECT_EQ(picker->DisplayText(), "1/1/2001");  // en_US short format, four-digit year
  EXPECT_EQ(changes, 0);                           // set by the program: no change event
}

TEST_F(DateTimePickerTest, DateAndTimeEachKeepTheOtherPart) {
  picker->SetDateTime(kJan2001 + 0.75);
  EXPECT_EQ(picker->Date(), kJan2001);
  EXPECT_EQ(picker->Time(), 0.75);
  picker->SetDate(kJan2001 + 10.25);  // only the day is taken
  EXPECT_EQ(picker->DateTime(), kJan2001 + 10.75);
  picker->SetTime(3.5);  // only the time of day is taken
  EXPECT_EQ(picker->DateTime(), kJan2001 + 10.5);
  EXPECT_EQ(picker->QtTime(), QTime(12, 0));
}

struct ValueCase {
  double value;
  QDate date;
  QTime time;
  double readBack;  // -0.5 and 0.5 name the same moment
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.value; }

class DateTimePickerValues : public DateTimePickerTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(DateTimePickerValues, ValueSplitsIntoDayAndTimeOfDay) {
  const ValueCase& c = GetParam();
  picker->SetDateTime(c.value);
  EXPECT_EQ(picker->QtDate(), c.date);
  EXPECT_EQ(picker->QtTime(), c.time);
  EXPECT_DOUBLE_EQ(picker->DateTime(), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateTimePickerValues,
    ::testing::Values(ValueCase{0.0, QDate(1899, 12, 30), QTime(0, 0), 0.0},
                      ValueCase{kJan2001 + 0.25, QDate(2001, 1, 1), QTime(6, 0), kJan2001 + 0.25},
                      ValueCase{-1.25, QDate(1899, 12, 29), QTime(6, 0), -1.25},
                      ValueCase{-0.5, QDate(1899, 12, 30), QTime(12, 0), 0.5},
                      ValueCase{-109205.0, QDate(1601, 1, 1), QTime(0, 0), -109205.0},
                      ValueCase{2958465.5, QDate(9999, 12, 31), QTime(12, 0), 2958465.5},
                      ValueCase{0.9999999999, QDate(1899, 12, 31), QTime(0, 0), 1.0}));

TEST_F(DateTimePickerTest, ValuesOutsideTheRangeAreRefusedAndChangeNothing) {
  picker->SetDate(kJan2001);
  for (double bad : {-109206.0, 2958466.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity(), 1e300}) {
    EXPECT_THROW(picker->SetDateTime(bad), EDateTimeError) << bad;
    EXPECT_THROW(picker->SetDate(bad), EDateTimeError) << bad;
  }
  EXPECT_EQ(picker->Date(), kJan2001);
}

TEST_F(DateTimePickerTest, CheckBoxShowsCheckedAndUncheckedGreysTheValue) {
  EXPECT_TRUE(Box()->isHidden());
  picker->SetDate(kJan2001);
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  EXPECT_FALSE(Box()->isHidden());
  EXPECT_FALSE(Box()->isChecked());
  EXPECT_FALSE(Edit()->findChild<QLineEdit*>()->isEnabled());
  EXPECT_TRUE(Edit()->isReadOnly());
  EXPECT_EQ(picker->DisplayText(), "1/1/2001");  // still shown, greyed
  const QPalette field = Edit()->findChild<QLineEdit*>()->palette();
  EXPECT_EQ(field.color(QPalette::Disabled, QPalette::Text), ColorToQColor(clGrayText));
  EXPECT_EQ(field.color(QPalette::Disabled, QPalette::Base), ColorToQColor(clWindow));

  picker->SetChecked(true);
  EXPECT_TRUE(Box()->isChecked());
  EXPECT_TRUE(Edit()->findChild<QLineEdit*>()->isEnabled());
  EXPECT_EQ(changes, 0);
  // The box sits inside the field, at its left.
  EXPECT_LT(Box()->geometry().left(), 8);
}

TEST_F(DateTimePickerTest, UserTogglingTheCheckBoxFiresOnChange) {
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  form->ShowForm();
  QApplication::processEvents();
  ClickWidget(Box(), Box()->rect().center());
  EXPECT_TRUE(picker->Checked());
  EXPECT_EQ(changes, 1);
  ClickWidget(Box(), Box()->rect().center());
  EXPECT_FALSE(picker->Checked());
  EXPECT_EQ(changes, 2);
}

TEST_F(DateTimePickerTest, UserEditChangesTheShownPartOnly) {
  picker->SetDateTime(kJan2001 + 0.5);
  Edit()->setDate(QDate(2002, 3, 4));  // what typing into the field does
  EXPECT_EQ(picker->QtDate(), QDate(2002, 3, 4));
  EXPECT_EQ(picker->QtTime(), QTime(12, 0));
  EXPECT_EQ(changes, 1);
  picker->SetKind(TDateTimeKind::dtkTime);
  Edit()->setTime(QTime(8, 30));
  EXPECT_EQ(picker->QtTime(), QTime(8, 30));
  EXPECT_EQ(picker->QtDate(), QDate(2002, 3, 4));
  EXPECT_EQ(changes, 2);
}

TEST_F(DateTimePickerTest, KindAndDateFormatChooseWhatTheFieldShows) {
  picker->SetDateTime(kJan2001 + 0.5);
  picker->SetDateFormat(TDTDateFormat::dfLong);
  EXPECT_EQ(picker->DisplayText(), "Monday, January 1, 2001");
  EXPECT_TRUE(Edit()->calendarPopup());
  picker->SetKind(TDateTimeKind::dtkTime);
  EXPECT_EQ(picker->DisplayText(), "12:00:00 PM");
  EXPECT_FALSE(Edit()->calendarPopup());
  EXPECT_EQ(PropByName(*picker, "Kind").PropType->EnumValue("dtkTime"), 1);
}

TEST_F(DateTimePickerTest, GermanLocaleShowsItsOwnShortFormat) {
  const LocalePin german(QLocale(QLocale::German, QLocale::Germany));
  picker->SetDate(kJan2001 + 1);  // changing the value shows it in the present locale
  EXPECT_EQ(picker->DisplayText(), "02.01.2001");
}

}  // namespace
