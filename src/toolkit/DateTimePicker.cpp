#include "toolkit/DateTimePicker.h"

#include "toolkit/Application.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/Variant.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QLocale>
#include <QResizeEvent>

#include <cmath>

namespace {

const QDate kEpoch(1899, 12, 30);
const QDate kMinDate(1601, 1, 1);
const QDate kMaxDate(9999, 12, 31);
constexpr qint64 kMsPerDay = 86400000;

// The Qt side: a date-time field in UTC (so that no daylight-saving gap
// bends a value) with an optional check box inside, at its left.
class PickerWidget : public QDateTimeEdit {
 public:
  PickerWidget() : m_check(new QCheckBox(this)) {
    setTimeSpec(Qt::UTC);
    setDateTimeRange(QDateTime(kMinDate, QTime(0, 0), Qt::UTC), QDateTime(kMaxDate, QTime(23, 59, 59, 999), Qt::UTC));
    m_check->setFocusPolicy(Qt::NoFocus);
    m_check->hide();
  }
  using QAbstractSpinBox::lineEdit;
  QCheckBox* Check() const { return m_check; }
  void SetCheckboxShown(bool shown) {
    m_checkShown = shown;
    m_check->setVisible(shown);
    PlaceCheckbox();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QDateTimeEdit::resizeEvent(event);
    PlaceCheckbox();
  }

 private:
  void PlaceCheckbox() {
    if (!m_checkShown) {
      lineEdit()->setTextMargins(0, 0, 0, 0);
      return;
    }
    const QSize size = m_check->sizeHint();
    m_check->setGeometry(3, (height() - size.height()) / 2, size.width(), size.height());
    // The text starts after the box; the field's own frame is the left edge.
    lineEdit()->setTextMargins(std::max(0, m_check->geometry().right() + 3 - lineEdit()->x()), 0, 0, 0);
  }

  QCheckBox* m_check;
  bool m_checkShown = false;
};

// The short format with a four-digit year, as the rest of the system writes dates.
QString ShortDateFormat() {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return format;
}

// The long time format without the time zone.
QString TimeFormat() { return QLocale().timeFormat(QLocale::LongFormat).remove(QStringLiteral(" t")).trimmed(); }

// A value as a day and a time of day: the whole days, then the fraction's
// distance from that day (before 1899-12-30 the fraction counts forward from
// the day as well). EDateTimeError outside the picker's range.
void SplitValue(double value, QDate& date, QTime& time) {
  if (!std::isfinite(value)) throw EDateTimeError(QStringLiteral("Invalid date and time value"));
  double whole = std::trunc(value);
  qint64 ms = std::llround(std::fabs(value - whole) * kMsPerDay);
  if (ms == kMsPerDay) {
    ms = 0;
    whole += value < 0 ? -1 : 1;
  }
  if (whole < static_cast<double>(kEpoch.daysTo(kMinDate)))
    throw EDateTimeError(Format("Date exceeds minimum of %s", {QLocale().toString(kMinDate, ShortDateFormat())}));
  if (whole > static_cast<double>(kEpoch.daysTo(kMaxDate)))
    throw EDateTimeError(Format("Date exceeds maximum of %s", {QLocale().toString(kMaxDate, ShortDateFormat())}));
  date = kEpoch.addDays(static_cast<qint64>(whole));
  time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

}  // namespace

const TTypeInfo& DateTimeKindType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TDateTimeKind", {"dtkDate", "dtkTime"});
  return info;
}

const TTypeInfo& DTDateFormatType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TDTDateFormat", {"dfShort", "dfLong"});
  return info;
}

const TClassInfo& TDateTimePicker::StaticClass() {
  static const TClassInfo info("TDateTimePicker", &TWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TDateTimePicker>(c)
        .Creatable()
        .Prop("Checked", Types::Boolean(), &TDateTimePicker::Checked, &TDateTimePicker::SetChecked)
        .Prop("Date", Types::TDate(), &TDateTimePicker::Date, &TDateTimePicker::SetDate)
        .Prop("DateFormat", DTDateFormatType(), &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat)
        .Prop("Kind", DateTimeKindType(), &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
        .Prop("ShowCheckbox", Types::Boolean(), &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox)
        .Prop("Time", Types::TTime(), &TDateTimePicker::Time, &TDateTimePicker::SetTime)
        .Prop("OnChange", Types::Method(), &TDateTimePicker::GetOnChange, &TDateTimePicker::SetOnChange);
    PublishStandard(c, {"Anchors", kLook, kTabbing, "Visible", kClicks, kFocusEvents, kKeyEvents});
  });
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), m_signals(std::make_unique<QObject>()) {
  const QDateTime now = QDateTime::currentDateTime();
  m_date = now.date();
  m_time = now.time();
  SetColor(clWindow);
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
  auto* picker = new PickerWidget;
  picker->setFocusPolicy(Qt::StrongFocus);
  AttachWidget(picker);
  QObject::connect(picker, &QDateTimeEdit::dateTimeChanged, m_signals.get(), [this] { WidgetValueChanged(); });
  QObject::connect(picker->Check(), &QCheckBox::clicked, m_signals.get(),
                   [this](bool checked) { WidgetCheckToggled(checked); });
  SyncWidget();
}

TDateTimePicker::~TDateTimePicker() { Destroying(); }

double TDateTimePicker::DateTime() const { return DateTimeFromQt(QDateTime(m_date, m_time, Qt::UTC)); }

double TDateTimePicker::Date() const { return DateTimeFromQt(QDateTime(m_date, QTime(0, 0), Qt::UTC)); }

double TDateTimePicker::Time() const { return m_time.msecsSinceStartOfDay() / static_cast<double>(kMsPerDay); }

void TDateTimePicker::SetDateTime(double value) {
  QDate date;
  QTime time;
  SplitValue(value, date, time);
  SetValue(date, time);
}

void TDateTimePicker::SetDate(double value) {
  QDate date;
  QTime time;
  SplitValue(value, date, time);
  SetValue(date, m_time);
}

void TDateTimePicker::SetTime(double value) {
  QDate date;
  QTime time;
  SplitValue(value, date, time);
  SetValue(m_date, time);
}

void TDateTimePicker::SetValue(const QDate& date, const QTime& time) {
  if (date == m_date && time == m_time) return;
  m_date = date;
  m_time = time;
  SyncWidget();
}

void TDateTimePicker::SetShowCheckbox(bool value) {
  if (value == m_showCheckbox) return;
  m_showCheckbox = value;
  SyncWidget();
}

void TDateTimePicker::SetChecked(bool value) {
  if (value == m_checked) return;
  m_checked = value;
  SyncWidget();
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  if (value == m_kind) return;
  m_kind = value;
  SyncWidget();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value) {
  if (value == m_dateFormat) return;
  m_dateFormat = value;
  SyncWidget();
}

QString TDateTimePicker::DisplayText() const { return static_cast<PickerWidget*>(Widget())->text(); }

void TDateTimePicker::SyncWidget() {
  auto* picker = static_cast<PickerWidget*>(Widget());
  const TScopedValue syncing(m_syncing, true);
  picker->setLocale(QLocale());
  if (m_kind == TDateTimeKind::dtkTime) {
    picker->setDisplayFormat(TimeFormat());
  } else {
    picker->setDisplayFormat(m_dateFormat == TDTDateFormat::dfLong ? QLocale().dateFormat(QLocale::LongFormat)
                                                                 : ShortDateFormat());
  }
  picker->setCalendarPopup(m_kind == TDateTimeKind::dtkDate);
  picker->setDateTime(QDateTime(m_date, m_time, Qt::UTC));
  picker->SetCheckboxShown(m_showCheckbox);
  picker->Check()->setChecked(m_checked);
  const bool editable = !m_showCheckbox || m_checked;
  picker->setReadOnly(!editable);
  picker->lineEdit()->setEnabled(editable);
}

void TDateTimePicker::SyncColor() {
  ApplyPalette(QPalette::Base, false);
  SyncGreyedLook();
}

void TDateTimePicker::SyncFont() {
  TWinControl::SyncFont();
  SyncGreyedLook();
}

void TDateTimePicker::SyncGreyedLook() {
  auto* picker = static_cast<PickerWidget*>(Widget());
  if (!picker) return;
  QLineEdit* field = picker->lineEdit();
  QPalette p = field->palette();
  p.setColor(QPalette::Disabled, QPalette::Base, ColorToQColor(Color()));
  p.setColor(QPalette::Disabled, QPalette::Text, ColorToQColor(clGrayText));
  field->setPalette(p);
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

void TDateTimePicker::WidgetValueChanged() {
  if (m_syncing) return;
  Application().Guard([this] {
    const auto* picker = static_cast<PickerWidget*>(Widget());
    // Only the part the field shows is the user's; the other part stays.
    const QDateTime shown = picker->dateTime();
    if (m_kind == TDateTimeKind::dtkTime) m_time = shown.time();
    else m_date = shown.date();
    // Choosing a value switches an unchecked value on.
    if (m_showCheckbox && !m_checked) {
      m_checked = true;
      SyncWidget();
    }
    Change();
  });
}

void TDateTimePicker::WidgetCheckToggled(bool checked) {
  if (m_syncing) return;
  Application().Guard([this, checked] {
    m_checked = checked;
    SyncWidget();
    Change();
  });
}
