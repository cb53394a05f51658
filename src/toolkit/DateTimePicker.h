// The date-time picker: an edit field for a date (with a calendar to drop
// down) or a time, optionally with a check box at its left that switches
// the value on and off.
#pragma once

#include "toolkit/SysUtils.h"
#include "toolkit/WinControl.h"

#include <QDate>
#include <QTime>

VORNIK_EXCEPTION(EDateTimeError, Exception);

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateFormat { dfShort, dfLong };
const TTypeInfo& DateTimeKindType();
const TTypeInfo& DTDateFormatType();

class TDateTimePicker : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TDateTimePicker(TComponent* owner);
  ~TDateTimePicker() override;

  // Values count days from 1899-12-30 with the time of day as the fraction.
  // Date is the whole-day part and Time the fraction; setting one keeps the
  // other. A value outside 1601-01-01 .. 9999-12-31 (or not a number) raises
  // EDateTimeError and changes nothing.
  double Date() const;
  void SetDate(double value);
  double Time() const;
  void SetTime(double value);
  double DateTime() const;
  void SetDateTime(double value);
  QDate QtDate() const { return m_date; }
  QTime QtTime() const { return m_time; }

  // A check box at the left inside the control; unchecked, the value shows
  // greyed and cannot be edited.
  bool ShowCheckbox() const { return m_showCheckbox; }
  void SetShowCheckbox(bool value);
  bool Checked() const { return m_checked; }
  void SetChecked(bool value);
  TDateTimeKind Kind() const { return m_kind; }
  void SetKind(TDateTimeKind value);
  // The locale's short format (with a four-digit year) or its long format.
  TDTDateFormat DateFormat() const { return m_dateFormat; }
  void SetDateFormat(TDTDateFormat value);
  // The text the field shows.
  QString DisplayText() const;

  // Fired when the user changes the value or the check box; setting them
  // from the program fires nothing.
  TNotifyEvent OnChange;
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent e) { OnChange = std::move(e); }

 protected:
  virtual void Change();
  void SyncColor() override;
  void SyncFont() override;

 private:
  void SetValue(const QDate& date, const QTime& time);
  void SyncWidget();
  // An unchecked value shows grey on the field's own background.
  void SyncGreyedLook();
  void WidgetValueChanged();
  void WidgetCheckToggled(bool checked);

  QDate m_date;
  QTime m_time;
  bool m_showCheckbox = false;
  bool m_checked = true;
  TDateTimeKind m_kind = TDateTimeKind::dtkDate;
  TDTDateFormat m_dateFormat = TDTDateFormat::dfShort;
  bool m_syncing = false;
  // Receiver of the widget's signals; going first, it cuts them off before
  // the widget goes.
  std::unique_ptr<QObject> m_signals;
};
