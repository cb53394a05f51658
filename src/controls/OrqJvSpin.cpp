#include "controls/OrqJvSpin.h"

#include "controls/EdgeDrawing.h"
#include "controls/Glyphs.h"
#include "controls/OrqJvSpeedButton.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/FreeWatch.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/SystemLook.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStyleOptionButton>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

const TTypeInfo& SpinButtonStyleType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TOrqJvSpinButtonStyle", {"sbsDefault", "sbsClassic"});
  return info;
}

const TTypeInfo& SpinButtonKindType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TSpinButtonKind", {"bkStandard", "bkDiagonal", "bkClassic"});
  return info;
}

const TTypeInfo& ValueTypeType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TValueType", {"vtInteger", "vtFloat", "vtHex"});
  return info;
}

const TTypeInfo& CheckOptionsType() {
  static const TTypeInfo element =
      TTypeInfo::Enumeration("TOrqJvCheckOption", {"coCheckOnChange", "coCheckOnExit", "coCropBeyondLimit"});
  static const TTypeInfo info = TTypeInfo::Set("TOrqJvCheckOptions", element);
  return info;
}

namespace {

constexpr int kFirstRepeat = 400;
constexpr int kNextRepeats = 100;

// The nearest 64-bit integer, halves away from zero, limited to the range.
int64_t ToInt64(TSpinValue x) {
  if (std::isnan(x)) return 0;
  x = std::round(x);
  if (x >= static_cast<TSpinValue>(std::numeric_limits<int64_t>::max())) return std::numeric_limits<int64_t>::max();
  if (x <= static_cast<TSpinValue>(std::numeric_limits<int64_t>::min())) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(x);
}

QChar GroupSeparator() {
  const QString separator = QLocale().groupSeparator();
  return separator.isEmpty() ? QChar() : separator.at(0);
}

// A decimal integer: optional blanks, an optional sign, digits.
bool ParseDecimal(const QString& text, int64_t& value) {
  bool ok = false;
  const qlonglong v = QLocale::c().toLongLong(Trim(text), &ok);
  if (ok) value = v;
  return ok;
}

// Hexadecimal digits with an optional sign; 16 digits with the top bit set
// are a negative number in two's complement, as the edit writes them.
bool ParseHex(const QString& text, int64_t& value) {
  QString digits = Trim(text);
  bool negative = false;
  if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
    negative = digits.startsWith(QLatin1Char('-'));
    digits.remove(0, 1);
  }
  if (digits.isEmpty() || digits.size() > 16) return false;
  bool ok = false;
  const qulonglong magnitude = digits.toULongLong(&ok, 16);
  if (!ok) return false;
  if (negative) {
    if (magnitude > 0x8000000000000000ull) return false;
    value = static_cast<int64_t>(0 - magnitude);
  } else {
    value = static_cast<int64_t>(magnitude);
  }
  return true;
}

QString HexText(int64_t value) { return QString::number(static_cast<qulonglong>(value), 16).toUpper(); }

QLocale NumberLocale(bool grouped) {
  QLocale locale;
  QLocale::NumberOptions options = locale.numberOptions();
  if (grouped) options &= ~QLocale::NumberOptions(QLocale::OmitGroupSeparator);
  else options |= QLocale::OmitGroupSeparator;
  locale.setNumberOptions(options);
  return locale;
}

double ToDouble(TSpinValue x) { return static_cast<double>(std::clamp<TSpinValue>(x, -DBL_MAX, DBL_MAX)); }

}  // namespace

QString FormatFloatPicture(const QString& picture, long double value) {
  // Only the first section of a picture with sections counts.
  QString section = picture.section(QLatin1Char(';'), 0, 0);
  QString prefix, suffix;
  int intZeros = 0, fracZeros = 0, fracDigits = 0;
  bool grouped = false, inFraction = false, seenDigit = false;
  for (int i = 0; i < section.size(); ++i) {
    const QChar c = section[i];
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      const int end = section.indexOf(c, i + 1);
      const QString literal = section.mid(i + 1, end < 0 ? -1 : end - i - 1);
      (seenDigit ? suffix : prefix) += literal;
      i = end < 0 ? section.size() : end;
    } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
      seenDigit = true;
      if (!suffix.isEmpty()) continue;
      if (inFraction) {
        ++fracDigits;
        if (c == QLatin1Char('0')) fracZeros = fracDigits;
      } else if (c == QLatin1Char('0')) {
        ++intZeros;
      }
    } else if (c == QLatin1Char('.') && !inFraction && suffix.isEmpty()) {
      inFraction = true;
      seenDigit = true;
    } else if (c == QLatin1Char(',') && !inFraction && suffix.isEmpty()) {
      grouped = true;
    } else {
      (seenDigit ? suffix : prefix) += c;
    }
  }
  const double v = static_cast<double>(std::clamp<long double>(value, -DBL_MAX, DBL_MAX));
  const QLocale locale = NumberLocale(grouped);
  QString number = QLocale::c().toString(std::fabs(v), 'f', fracDigits);
  const qsizetype dot = number.indexOf(QLatin1Char('.'));
  QString integer = dot < 0 ? number : number.left(dot);
  QString fraction = dot < 0 ? QString() : number.mid(dot + 1);
  while (fraction.size() > fracZeros && fraction.endsWith(QLatin1Char('0'))) fraction.chop(1);
  if (integer == QLatin1String("0") && intZeros == 0) integer.clear();
  while (integer.size() < intZeros) integer.prepend(QLatin1Char('0'));
  if (grouped && !integer.isEmpty()) integer = locale.toString(integer.toULongLong());
  if (integer.isEmpty() && fraction.isEmpty()) integer = QStringLiteral("0");
  QString text = integer;
  if (!fraction.isEmpty()) text += locale.decimalPoint() + fraction;
  const bool negative = v < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]")));
  return prefix + (negative ? QStringLiteral("-") : QString()) + text + suffix;
}

// ---- TOrqJvSpinButton ----

const TClassInfo& TOrqJvSpinButton::StaticClass() {
  static const TClassInfo info("TOrqJvSpinButton", &TGraphicControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TOrqJvSpinButton>(c)
        .Creatable()
        .Prop("ButtonStyle", SpinButtonStyleType(), &TOrqJvSpinButton::ButtonStyle, &TOrqJvSpinButton::SetButtonStyle)
        .Prop("DownGlyph", TBitmap::StaticClass().TypeInfo(), &TOrqJvSpinButton::DownGlyphObject,
              &TOrqJvSpinButton::SetDownGlyph)
        .Prop("UpGlyph", TBitmap::StaticClass().TypeInfo(), &TOrqJvSpinButton::UpGlyphObject,
              &TOrqJvSpinButton::SetUpGlyph)
        .Prop("FocusControl", TWinControl::StaticClass().TypeInfo(), &TOrqJvSpinButton::FocusControl,
              &TOrqJvSpinButton::SetFocusControl);
    PublishStandard(c, {"Align", "Anchors", "Constraints", "Enabled", "Hint", "ParentShowHint", "ShowHint", "Visible"});
  });
  return info;
}

TOrqJvSpinButton::TOrqJvSpinButton(TComponent* owner)
    : TGraphicControl(owner), m_upGlyph(std::make_unique<TBitmap>()), m_downGlyph(std::make_unique<TBitmap>()) {
  SetClickEvents(false);
  m_upGlyph->OnChange = [this](TObject*) { Invalidate(); };
  m_downGlyph->OnChange = [this](TObject*) { Invalidate(); };
  SetRepeatTimer(std::make_unique<TQtIntervalTimer>());
  SetBounds(0, 0, 20, 20);
}

TOrqJvSpinButton::~TOrqJvSpinButton() {
  m_upGlyph->OnChange = nullptr;
  m_downGlyph->OnChange = nullptr;
  m_timer->OnTick = nullptr;
  if (m_focusControl) m_focusControl->RemoveFreeNotification(this);
}

void TOrqJvSpinButton::SetButtonStyle(TOrqJvSpinButtonStyle value) {
  m_style = value;
  Invalidate();
}

void TOrqJvSpinButton::SetFocusControl(TWinControl* control) {
  if (control == m_focusControl) return;
  if (m_focusControl) m_focusControl->RemoveFreeNotification(this);
  m_focusControl = control;
  if (control) control->FreeNotification(this);
}

void TOrqJvSpinButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_focusControl) m_focusControl = nullptr;
}

void TOrqJvSpinButton::SetRepeatTimer(std::unique_ptr<TIntervalTimer> timer) {
  m_timer = std::move(timer);
  m_timer->OnTick = [this] { TimerTick(); };
}

TOrqJvSpinButton::TPart TOrqJvSpinButton::PartAt(int x, int y) const {
  const int w = std::max(1, Width());
  const int h = Height();
  if (m_style == TOrqJvSpinButtonStyle::sbsClassic) return y > h / 2 ? TPart::Bottom : TPart::Top;
  // Below the diagonal from the bottom-left to the top-right corner.
  return y > h - static_cast<double>(h) / w * x ? TPart::Bottom : TPart::Top;
}

void TOrqJvSpinButton::TopClick() {
  if (OnTopClick) OnTopClick(this);
}

void TOrqJvSpinButton::BottomClick() {
  if (OnBottomClick) OnBottomClick(this);
}

void TOrqJvSpinButton::SetPressed(TPart part) {
  if (part == m_pressed) return;
  m_pressed = part;
  Invalidate();
}

void TOrqJvSpinButton::FireClick(TPart part) {
  TFreeWatch watch(this);
  if (part == TPart::Top) TopClick();
  else if (part == TPart::Bottom) BottomClick();
  if (watch.Gone()) return;
  // A click that ran while the left button went up (a handler showed a
  // window that took the release) ends the press.
  if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
    m_timer->Stop();
    m_mouseDown = false;
    m_downPart = TPart::None;
    SetPressed(TPart::None);
  }
}

void TOrqJvSpinButton::TimerTick() {
  m_timer->SetInterval(kNextRepeats);
  if (m_pressed == TPart::None || !m_mouseDown) return;
  try {
    FireClick(m_pressed);
  } catch (...) {
    // The error goes to the caller; the timer repeats nothing more.
    m_timer->Stop();
    throw;
  }
}

void TOrqJvSpinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Widget()->isEnabled()) {
    FocusOnPress(m_focusControl);
    if (m_pressed == TPart::None) {
      m_downPart = PartAt(x, y);
      SetPressed(m_downPart);
      m_mouseDown = true;
      m_timer->Start(kFirstRepeat);
      TFreeWatch watch(this);
      FireClick(m_downPart);
      if (watch.Gone()) return;
    }
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TOrqJvSpinButton::MouseMove(TShiftState shift, int x, int y) {
  const bool inside = QRect(0, 0, Width(), Height()).contains(x, y);
  if (m_mouseDown) {
    // Over the part that went down it is pressed again; anywhere else it is not.
    SetPressed(inside && PartAt(x, y) == m_downPart ? m_downPart : TPart::None);
  } else if (ThemesEnabled() && m_hot != TPart::None) {
    const TPart hot = inside ? PartAt(x, y) : TPart::None;
    if (hot != m_hot) {
      m_hot = hot;
      Invalidate();
    }
  }
  TGraphicControl::MouseMove(shift, x, y);
}

void TOrqJvSpinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    m_mouseDown = false;
    m_timer->Stop();
    if (QRect(0, 0, Width(), Height()).contains(x, y)) {
      m_downPart = TPart::None;
      SetPressed(TPart::None);
    }
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

bool TOrqJvSpinButton::WndProc(TMessage& message) {
  if (message.Kind == TMessageKind::MouseEnter || message.Kind == TMessageKind::MouseLeave) {
    const QPoint pos = ScreenToClient(QCursor::pos());
    m_hot = message.Kind == TMessageKind::MouseEnter ? PartAt(pos.x(), pos.y()) : TPart::None;
    if (ThemesEnabled()) Invalidate();
  }
  return TGraphicControl::WndProc(message);
}

QImage TOrqJvSpinButton::UpPicture() const {
  if (!m_upGlyph->Empty()) return m_upGlyph->MaskedImage();
  return m_style == TOrqJvSpinButtonStyle::sbsClassic ? Glyphs::SpinUpPole() : Glyphs::SpinUp();
}

QImage TOrqJvSpinButton::DownPicture() const {
  if (!m_downGlyph->Empty()) return m_downGlyph->MaskedImage();
  return m_style == TOrqJvSpinButtonStyle::sbsClassic ? Glyphs::SpinDownPole() : Glyphs::SpinDown();
}

void TOrqJvSpinButton::DrawGlyphs(TCanvas& canvas, TPart pressed) const {
  const bool enabled = Widget()->isEnabled();
  auto draw = [&](const QImage& glyph, int x, int y, const QRect& clip) {
    QImage shown = enabled ? glyph : RecolorGlyph(glyph, ColorToQColor(clBtnShadow));
    const QRect target = QRect(x, y, shown.width(), shown.height()).intersected(clip);
    if (target.isEmpty()) return;
    canvas.Draw(target.left(), target.top(), shown.copy(target.translated(-x, -y)));
  };
  const int w = Width();
  const int h = Height();
  const QImage up = UpPicture();
  const QImage down = DownPicture();
  if (m_style == TOrqJvSpinButtonStyle::sbsDefault) {
    const int d = pressed == TPart::Top ? 2 : 1;
    draw(up, static_cast<int>(std::nearbyint(w / 4.0 - up.width() / 2.0)) + d,
         static_cast<int>(std::nearbyint(h / 4.0 - up.height() / 2.0)) + d, QRect(0, 0, w, h));
    draw(down, static_cast<int>(std::nearbyint(3.0 * w / 4.0 - down.width() / 2.0)) - 1,
         static_cast<int>(std::nearbyint(3.0 * h / 4.0 - down.height() / 2.0)) - 1, QRect(0, 0, w, h));
    return;
  }
  // Classic: each arrow centred in its half, clipped to it, one pixel lower
  // while its part is pressed.
  const QRect top(0, 0, w, h / 2);
  const QRect bottom(0, h / 2, w, h - h / 2);
  draw(up, (w - up.width()) / 2, top.top() + (top.height() - up.height()) / 2 + (pressed == TPart::Top ? 1 : 0), top);
  draw(down, (w - down.width()) / 2,
       bottom.top() + (bottom.height() - down.height()) / 2 + (pressed == TPart::Bottom ? 1 : 0), bottom);
}

void TOrqJvSpinButton::DrawDefault(TCanvas& canvas, TPart pressed, TPart) const {
  const QRect all(0, 0, Width(), Height());
  // The top part's border on the top and left edges, the bottom part's on
  // the bottom and right edges.
  DrawEdge3D(canvas, all, pressed != TPart::Top, true, {TEdgeSide::esLeft, TEdgeSide::esTop});
  DrawEdge3D(canvas, all, pressed != TPart::Bottom, true, {TEdgeSide::esRight, TEdgeSide::esBottom});
  // Three diagonals inside the rectangle shrunk by 1 separate the parts.
  const int l = 1, t = 1, r = all.width() - 1, b = all.height() - 1;
  TColor a = clBtnShadow, bColor = clBtnHighlight, c = clWindowFrame;
  if (pressed == TPart::Top) {
    a = clBtnFace;
    c = clBtnHighlight;
  } else if (pressed == TPart::Bottom) {
    bColor = clWindowFrame;
    c = clBtnShadow;
  }
  canvas.Pen().SetColor(a);
  canvas.MoveTo(l, b - 2);
  canvas.LineTo(r - 1, t - 1);
  canvas.Pen().SetColor(c);
  canvas.MoveTo(r - 1, t);
  canvas.LineTo(l, b - 1);
  canvas.Pen().SetColor(bColor);
  canvas.MoveTo(l + 1, b - 1);
  canvas.LineTo(r, t);
}

void TOrqJvSpinButton::DrawClassic(TCanvas& canvas, TPart pressed, TPart) const {
  const int w = Width();
  const int h = Height();
  DrawEdge3D(canvas, QRect(0, 0, w, h / 2 + (pressed == TPart::Top ? 0 : 1)), pressed != TPart::Top, true);
  DrawEdge3D(canvas, QRect(0, h / 2, w, h - h / 2), pressed != TPart::Bottom, true);
}

void TOrqJvSpinButton::DrawThemedParts(TCanvas& canvas, TPart pressed, TPart hot) const {
  const QSize size(Width(), Height());
  const bool enabled = Widget()->isEnabled();
  const QImage picture = StylePicture(size, [&](QPainter& painter, QStyle& style) {
    const bool classic = m_style == TOrqJvSpinButtonStyle::sbsClassic;
    for (TPart part : {TPart::Top, TPart::Bottom}) {
      QPainterPath clip;
      if (classic) {
        clip.addRect(part == TPart::Top ? QRectF(0, 0, size.width(), size.height() / 2)
                                        : QRectF(0, size.height() / 2, size.width(), size.height()));
      } else if (part == TPart::Top) {
        clip.addPolygon(QPolygonF({QPointF(0, 0), QPointF(size.width(), 0), QPointF(0, size.height())}));
      } else {
        clip.addPolygon(QPolygonF(
            {QPointF(size.width(), 0), QPointF(size.width(), size.height()), QPointF(0, size.height())}));
      }
      painter.save();
      painter.setClipPath(clip);
      QStyleOptionButton option;
      option.rect = classic ? (part == TPart::Top ? QRect(0, 0, size.width(), size.height() / 2)
                                                  : QRect(0, size.height() / 2, size.width(), size.height() - size.height() / 2))
                            : QRect(QPoint(0, 0), size);
      option.palette = QGuiApplication::palette();
      option.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
      if (pressed == part) option.state |= QStyle::State_Sunken;
      else option.state |= QStyle::State_Raised;
      if (hot == part) option.state |= QStyle::State_MouseOver;
      style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, nullptr);
      painter.restore();
    }
  });
  canvas.Draw(0, 0, picture);
}

QImage TOrqJvSpinButton::StateImage(TPart pressed, TPart hot) const {
  QImage image(std::max(1, Width()), std::max(1, Height()), QImage::Format_ARGB32);
  TCanvas canvas(&image);
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(QRect(0, 0, image.width(), image.height()));
  if (ThemesEnabled()) DrawThemedParts(canvas, pressed, hot);
  else if (m_style == TOrqJvSpinButtonStyle::sbsClassic) DrawClassic(canvas, pressed, hot);
  else DrawDefault(canvas, pressed, hot);
  DrawGlyphs(canvas, pressed);
  return image;
}

void TOrqJvSpinButton::Paint() {
  if (!Widget()->isEnabled() && !IsDesigning()) m_mouseDown = false;
  TPart hot = TPart::None;
  if (m_pressed == TPart::None && ThemesEnabled()) hot = m_hot;
  Canvas().Draw(0, 0, StateImage(m_pressed, hot));
}

// ---- TOrqJvUpDown ----

const TClassInfo& TOrqJvUpDown::StaticClass() {
  static const TClassInfo info("TOrqJvUpDown", &TOrqJvSpinButton::StaticClass());
  return info;
}

TOrqJvUpDown::TOrqJvUpDown(TComponent* owner) : TOrqJvSpinButton(owner) {
  SetButtonStyle(TOrqJvSpinButtonStyle::sbsClassic);
}

// ---- TOrqJvCustomSpinEdit ----

const TClassInfo& TOrqJvCustomSpinEdit::StaticClass() {
  static const TClassInfo info("TOrqJvCustomSpinEdit", &TOrqJvCustomEdit::StaticClass());
  return info;
}

TOrqJvCustomSpinEdit::TOrqJvCustomSpinEdit(TComponent* owner) : TOrqJvCustomEdit(owner) {
  RecreateButton();
  UpdateLayout();
}

TOrqJvCustomSpinEdit::~TOrqJvCustomSpinEdit() = default;

int TOrqJvCustomSpinEdit::MinHeight() const {
  return 4 * BorderHeight() + FontTextHeight(const_cast<TOrqJvCustomSpinEdit*>(this)->Font()) + 1;
}

void TOrqJvCustomSpinEdit::RecreateButton() {
  if (IsDestroying()) return;
  if (m_container) TComponent::Free(m_container);
  else if (m_button) TComponent::Free(m_button);
  m_container = nullptr;
  m_button = nullptr;
  if (m_buttonKind == TSpinButtonKind::bkStandard) {
    m_button = new TOrqJvUpDown(this);
    m_button->SetParent(this);
  } else {
    m_container = new TOrqJvButtonContainer(this);
    m_container->SetParent(this);
    m_button = new TOrqJvSpinButton(this);
    m_button->SetParent(m_container);
    m_button->SetButtonStyle(m_buttonKind == TSpinButtonKind::bkClassic ? TOrqJvSpinButtonStyle::sbsClassic
                                                                         : TOrqJvSpinButtonStyle::sbsDefault);
  }
  m_button->SetFocusControl(this);
  m_button->SetEnabled(Enabled());
  m_button->OnTopClick = [this](TObject*) { UpClick(); };
  m_button->OnBottomClick = [this](TObject*) { DownClick(); };
  UpdateLayout();
}

void TOrqJvCustomSpinEdit::SetButtonKind(TSpinButtonKind value) {
  if (value == m_buttonKind) return;
  m_buttonKind = value;
  RecreateButton();
}

void TOrqJvCustomSpinEdit::UpdateLayout() {
  TOrqJvCustomEdit::UpdateLayout();
  if (!m_button) return;
  const QRect client = ClientRect();
  const int w = Width();
  const int h = Height();
  const int s = std::min(VerticalScrollBarWidth(), 15);
  int buttonWidth = 0;
  if (m_buttonKind == TSpinButtonKind::bkStandard) {
    buttonWidth = s;
    m_button->SetBounds(client.width() - s, 0, s, client.height());
  } else {
    const bool sunken = BorderStyle() == TBorderStyle::bsSingle && Ctl3D();
    QRect container;
    if (m_buttonKind == TSpinButtonKind::bkDiagonal)
      container = sunken ? QRect(w - h - 1, -1, h - 3, h - 3) : QRect(w - h, 0, h, h);
    else
      container = sunken ? QRect(w - s - 4, -1, s, h - 3) : QRect(w - s, 0, s, h);
    m_container->SetBounds(container.left(), container.top(), std::max(0, container.width()),
                           std::max(0, container.height()));
    m_button->SetBounds(1, 1, std::max(0, container.width() - 1), std::max(0, container.height() - 1));
    buttonWidth = m_button->Width();
  }
  // The text keeps clear of the button and 2 pixels more.
  SetTextRect(QRect(0, 0, std::max(0, client.width() - buttonWidth - 2), client.height()));
}

void TOrqJvCustomSpinEdit::EnabledChanged() {
  TOrqJvCustomEdit::EnabledChanged();
  if (m_button) m_button->SetEnabled(Enabled());
}

// -- values and bounds --

TSpinValue TOrqJvCustomSpinEdit::Clamp(TSpinValue x, bool typing) const {
  if (m_allowEmpty && x == m_emptyValue) return x;
  if (!m_checkMin && !m_checkMax) return x;
  TSpinValue v = x;
  if (!typing && m_checkMin && x < m_minValue) v = m_minValue;
  if (m_checkMax && x > m_maxValue) return m_maxValue;
  return v;
}

TSpinValue TOrqJvCustomSpinEdit::CheckValue(TSpinValue x) const { return Clamp(x, false); }

TSpinValue TOrqJvCustomSpinEdit::CheckValue(TSpinValue x, bool raise) const {
  const TSpinValue v = Clamp(x, false);
  if ((m_checkMin || m_checkMax) && raise && v != x)
    throw ERangeError(Format("Value must be between %g and %g",
                             {static_cast<double>(m_minValue), static_cast<double>(m_maxValue)}));
  return v;
}

void TOrqJvCustomSpinEdit::SetValue(TSpinValue value) { WriteValue(CheckValue(value)); }

void TOrqJvCustomSpinEdit::WriteText(const QString& text) {
  const bool modified = Modified();
  SetText(text);
  SetModified(modified);
}

void TOrqJvCustomSpinEdit::RefreshText() {
  if (m_allowEmpty && Value() == m_emptyValue) {
    WriteText(QString());
    return;
  }
  if (m_valueType == TValueType::vtFloat && !m_displayFormat.isEmpty() && m_focused) {
    QString picture = QStringLiteral("0");
    if (m_decimal > 0) picture += QLatin1Char('.') + QString(m_decimal, QLatin1Char('#'));
    WriteText(FormatFloatPicture(picture, Value()));
  }
}

void TOrqJvCustomSpinEdit::BoundChanged(bool maxBound) {
  const bool expression = m_minValue != 0 || m_maxValue != 0;
  bool& own = maxBound ? m_checkMax : m_checkMin;
  bool& other = maxBound ? m_checkMin : m_checkMax;
  const bool ownSetByLoad = maxBound ? m_checkMaxSetByLoad : m_checkMinSetByLoad;
  const bool otherSetByLoad = maxBound ? m_checkMinSetByLoad : m_checkMaxSetByLoad;
  if (ownSetByLoad) return;
  const bool before = own;
  own = expression;
  if (before != own && !otherSetByLoad) other = expression;
}

void TOrqJvCustomSpinEdit::SetMaxValue(TSpinValue value) {
  if (value == m_maxValue) return;
  const bool wasZero = m_maxValue == 0;
  m_maxValue = value;
  if (wasZero != (value == 0)) BoundChanged(true);
  SetValue(Value());
}

void TOrqJvCustomSpinEdit::SetMinValue(TSpinValue value) {
  if (value == m_minValue) return;
  const bool wasZero = m_minValue == 0;
  m_minValue = value;
  if (wasZero != (value == 0)) BoundChanged(false);
  SetValue(Value());
}

void TOrqJvCustomSpinEdit::SetCheckMaxValue(bool value) {
  if (IsLoading()) m_checkMaxSetByLoad = true;
  m_checkMax = m_maxValue != 0 ? true : value;
  SetValue(Value());
}

void TOrqJvCustomSpinEdit::SetCheckMinValue(bool value) {
  if (IsLoading()) m_checkMinSetByLoad = true;
  m_checkMin = m_minValue != 0 ? true : value;
  SetValue(Value());
}

void TOrqJvCustomSpinEdit::Loaded() {
  TOrqJvCustomEdit::Loaded();
  m_checkMinSetByLoad = false;
  m_checkMaxSetByLoad = false;
  m_lastValue = Value();
}

void TOrqJvCustomSpinEdit::SetIncrement(TSpinValue value) { m_increment = value; }

void TOrqJvCustomSpinEdit::SetValueType(TValueType value) {
  const TSpinValue current = Value();
  m_valueType = value;
  if (value != TValueType::vtFloat) {
    m_increment = std::round(m_increment);
    if (m_increment == 0) m_increment = 1;
  }
  if (value == TValueType::vtHex) m_thousands = false;
  SetValue(current);
}

void TOrqJvCustomSpinEdit::SetDecimal(int value) {
  const TSpinValue current = Value();
  m_decimal = std::clamp(value, 0, 255);
  SetValue(current);
}

void TOrqJvCustomSpinEdit::SetDisplayFormat(const QString& value) {
  const TSpinValue current = Value();
  m_displayFormat = value;
  SetValue(current);
}

void TOrqJvCustomSpinEdit::SetThousands(bool value) {
  if (m_valueType == TValueType::vtHex) value = false;
  const TSpinValue current = Value();
  m_thousands = value;
  SetValue(current);
}

void TOrqJvCustomSpinEdit::SetAllowEmpty(bool value) {
  const TSpinValue current = Value();
  m_allowEmpty = value;
  SetValue(current);
}

void TOrqJvCustomSpinEdit::SetEmptyValue(int value) {
  const TSpinValue current = Value();
  m_emptyValue = value;
  SetValue(current);
}

void TOrqJvCustomSpinEdit::SetEditorEnabled(bool value) {
  m_editorEnabled = value;
  LineEdit()->setReadOnly(ReadOnly() || !value);
}

void TOrqJvCustomSpinEdit::SetReadOnly(bool value) {
  TOrqJvCustomEdit::SetReadOnly(value);
  LineEdit()->setReadOnly(value || !m_editorEnabled);
}

// -- text changes and steps --

void TOrqJvCustomSpinEdit::Change() {
  if (m_changing) return;
  {
    const TScopedValue changing(m_changing, true);
    const int caret = LineEdit()->cursorPosition();
    if (m_checkOptions.Contains(TOrqJvCheckOption::coCheckOnChange)) {
      // While typing only the maximum limits; the text shows the value.
      WriteValue(Clamp(Value(), true));
    }
    LineEdit()->setCursorPosition(caret);
  }
  const TSpinValue value = Value();
  if (value == m_lastValue) return;
  m_lastValue = value;
  TOrqJvCustomEdit::Change();
}

void TOrqJvCustomSpinEdit::Step(bool up) {
  if (ReadOnly()) return;
  const bool whole = m_valueType != TValueType::vtFloat;
  const TSpinValue low = whole ? static_cast<TSpinValue>(std::numeric_limits<int64_t>::min()) : -DBL_MAX;
  const TSpinValue high = whole ? static_cast<TSpinValue>(std::numeric_limits<int64_t>::max()) : DBL_MAX;
  auto next = [&](TSpinValue v) { return std::clamp<TSpinValue>(up ? v + m_increment : v - m_increment, low, high); };
  TSpinValue n = next(Value());
  // The empty value is never a step's result: the step goes past it.
  if (m_allowEmpty && n == m_emptyValue) n = next(n);
  const QString before = GetText();
  {
    const TScopedValue changing(m_changing, true);
    SetValue(n);
  }
  TFreeWatch watch(this);
  if (GetText().compare(before, Qt::CaseInsensitive) != 0) {
    SetModified(true);
    Change();
  }
  if (watch.Gone()) return;
  if (up && OnTopClick) OnTopClick(this);
  if (!up && OnBottomClick) OnBottomClick(this);
}

void TOrqJvCustomSpinEdit::UpClick() { Step(true); }

void TOrqJvCustomSpinEdit::DownClick() { Step(false); }

// -- keys, characters, wheel, focus --

bool TOrqJvCustomSpinEdit::IsValidChar(QChar key) const {
  if (key.unicode() < 32) return m_editorEnabled || key != QLatin1Char('\b');
  if (!m_editorEnabled) return false;
  if (key == QLatin1Char('+') || key == QLatin1Char('-') || (key >= QLatin1Char('0') && key <= QLatin1Char('9')))
    return true;
  const QString text = GetText();
  if (m_valueType == TValueType::vtFloat) {
    const QChar decimal = DecimalSeparator();
    if (key == decimal && !text.contains(decimal)) return true;
    if (key == QLatin1Char('.') && !(m_thousands && GroupSeparator() == QLatin1Char('.'))) return true;
    if ((key == QLatin1Char('E') || key == QLatin1Char('e')) && !text.toUpper().contains(QLatin1Char('E'))) return true;
  }
  if (m_valueType == TValueType::vtHex) {
    const QChar upper = key.toUpper();
    return upper >= QLatin1Char('A') && upper <= QLatin1Char('F');
  }
  return false;
}

void TOrqJvCustomSpinEdit::KeyPress(QChar& key) {
  const QChar decimal = DecimalSeparator();
  QChar typed = key;
  // A "." stands for the decimal separator (unless it separates thousands
  // here), also when the text has one already.
  if (m_valueType == TValueType::vtFloat && typed == QLatin1Char('.') &&
      !(m_thousands && GroupSeparator() == QLatin1Char('.')))
    typed = decimal;
  if (m_valueType == TValueType::vtFloat && typed == decimal && GetText().contains(decimal) && m_editorEnabled) {
    key = QChar();
    LineEdit()->deselect();
    LineEdit()->setCursorPosition(GetText().indexOf(decimal) + 1);
    return;
  }
  if (!IsValidChar(key) || (typed != key && !IsValidChar(typed))) {
    key = QChar();
    return;
  }
  TOrqJvCustomEdit::KeyPress(typed);
  if (typed.isNull()) {
    key = QChar();
  } else if (typed != key) {
    // The edit box gets the character as changed.
    key = QChar();
    LineEdit()->insert(QString(typed));
  }
}

QString TOrqJvCustomSpinEdit::FilterPastedText(const QString& text) const {
  // Each pasted character passes the rules of a typed one, against the text
  // as it grows.
  const QChar decimal = DecimalSeparator();
  QString current = GetText();
  if (LineEdit()->hasSelectedText()) current.remove(LineEdit()->selectionStart(), LineEdit()->selectedText().size());
  QString kept;
  for (QChar c : text) {
    if (c.unicode() < 32) continue;
    if (m_valueType == TValueType::vtFloat && c == QLatin1Char('.') && !(m_thousands && GroupSeparator() == QLatin1Char('.')))
      c = decimal;
    const QString context = current + kept;
    bool valid = c == QLatin1Char('+') || c == QLatin1Char('-') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    if (m_valueType == TValueType::vtFloat) {
      valid = valid || (c == decimal && !context.contains(decimal)) ||
              ((c == QLatin1Char('E') || c == QLatin1Char('e')) && !context.toUpper().contains(QLatin1Char('E')));
    }
    if (m_valueType == TValueType::vtHex) valid = valid || (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'));
    if (valid) kept += c;
  }
  return kept;
}

void TOrqJvCustomSpinEdit::KeyDown(uint16_t& key, TShiftState shift) {
  TOrqJvCustomEdit::KeyDown(key, shift);
  if (key == 0) return;
  if (m_arrowKeys && (key == VK_UP || key == VK_DOWN)) {
    const bool up = key == VK_UP;
    key = 0;
    Step(up);
    return;
  }
  if (key == VK_RETURN) {
    // Offered to the window as a dialog key (its default button), then consumed.
    key = 0;
    if (TCustomForm* form = ParentForm()) form->HandleDialogKey(Qt::Key_Return);
  }
}

bool TOrqJvCustomSpinEdit::WndProc(TMessage& message) {
  if (message.Kind == TMessageKind::MouseWheel) {
    // Only the focused field turns, once per whole notch of 120.
    if (message.WheelDelta == 0 || !Focused()) return false;
    if ((message.WheelDelta > 0) != (m_wheelRemainder > 0) && m_wheelRemainder != 0) m_wheelRemainder = 0;
    m_wheelRemainder += message.WheelDelta;
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    TFreeWatch watch(this);
    for (int i = 0; i < std::abs(notches) && !watch.Gone(); ++i) Step(notches > 0);
    return true;
  }
  return TOrqJvCustomEdit::WndProc(message);
}

void TOrqJvCustomSpinEdit::DoEnter() {
  const bool changed = !m_focused;
  m_focused = true;
  if (changed) RefreshText();
  TOrqJvCustomEdit::DoEnter();
}

bool TOrqJvCustomSpinEdit::ExitCheck() {
  if (!m_checkOptions.Contains(TOrqJvCheckOption::coCheckOnExit)) return true;
  // Focus changes caused by the message box of a failed check are not
  // checked again: one failure, one box.
  if (m_exitChecking) return false;
  try {
    CheckValue(Value(), !m_checkOptions.Contains(TOrqJvCheckOption::coCropBeyondLimit));
    SetValue(Value());
    return true;
  } catch (const ERangeError& error) {
    const TScopedValue exitChecking(m_exitChecking, true);
    TFreeWatch watch(this);
    m_focused = true;
    SelectAll();
    SetFocus();
    Application().HandleException(error);
    if (watch.Gone()) return false;
    SetFocus();
    SelectAll();
    return false;
  }
}

void TOrqJvCustomSpinEdit::DoExit() {
  if (m_exitChecking) return;
  m_focused = false;
  TFreeWatch watch(this);
  if (!ExitCheck() || watch.Gone()) return;
  TOrqJvCustomEdit::DoExit();
}

// ---- TOrqJvSpinEdit ----

const TClassInfo& TOrqJvSpinEdit::StaticClass() {
  static const TClassInfo info("TOrqJvSpinEdit", &TOrqJvCustomSpinEdit::StaticClass(), [](TClassInfo& c) {
    Publisher<TOrqJvSpinEdit>(c).Creatable();
    PublishStandard(c, {"Anchors", "Color", "Constraints", "Enabled", "Font", "ParentColor", "ParentFont",
                        "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Text", "Visible",
                        "OnClick", "OnDblClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                        "OnMouseDown", "OnMouseMove", "OnMouseUp"});
    Publisher<TOrqJvSpinEdit>(c)
        .Prop("Alignment", AlignmentType(), &TOrqJvSpinEdit::Alignment, &TOrqJvSpinEdit::SetAlignment)
        .Prop("AllowEmpty", Types::Boolean(), &TOrqJvSpinEdit::AllowEmpty, &TOrqJvSpinEdit::SetAllowEmpty)
        .Prop("ArrowKeys", Types::Boolean(), &TOrqJvSpinEdit::ArrowKeys, &TOrqJvSpinEdit::SetArrowKeys)
        .Prop("AutoSelect", Types::Boolean(), &TOrqJvSpinEdit::AutoSelect, &TOrqJvSpinEdit::SetAutoSelect)
        .Prop("AutoSize", Types::Boolean(), &TOrqJvSpinEdit::AutoSize, &TOrqJvSpinEdit::SetAutoSize)
        .Prop("ButtonKind", SpinButtonKindType(), &TOrqJvSpinEdit::ButtonKind, &TOrqJvSpinEdit::SetButtonKind)
        .Prop("CheckMaxValue", Types::Boolean(), &TOrqJvSpinEdit::CheckMaxValue, &TOrqJvSpinEdit::SetCheckMaxValue)
        .Prop("CheckMinValue", Types::Boolean(), &TOrqJvSpinEdit::CheckMinValue, &TOrqJvSpinEdit::SetCheckMinValue)
        .Prop("CheckOptions", CheckOptionsType(), &TOrqJvSpinEdit::CheckOptions, &TOrqJvSpinEdit::SetCheckOptions)
        .Prop("ClipboardCommands", ClipboardCommandsType(), &TOrqJvSpinEdit::ClipboardCommands,
              &TOrqJvSpinEdit::SetClipboardCommands)
        .Prop("Decimal", Types::Byte(), &TOrqJvSpinEdit::Decimal, &TOrqJvSpinEdit::SetDecimal)
        .Prop("DisabledColor", Types::TColor(), &TOrqJvSpinEdit::DisabledColor, &TOrqJvSpinEdit::SetDisabledColor)
        .Prop("DisabledTextColor", Types::TColor(), &TOrqJvSpinEdit::DisabledTextColor,
              &TOrqJvSpinEdit::SetDisabledTextColor)
        .Prop("DisplayFormat", Types::String(), &TOrqJvSpinEdit::DisplayFormat, &TOrqJvSpinEdit::SetDisplayFormat)
        .Prop("EditorEnabled", Types::Boolean(), &TOrqJvSpinEdit::EditorEnabled, &TOrqJvSpinEdit::SetEditorEnabled)
        .Prop("EmptyValue", Types::Integer(), &TOrqJvSpinEdit::EmptyValue, &TOrqJvSpinEdit::SetEmptyValue)
        .Prop("HotTrack", Types::Boolean(), &TOrqJvSpinEdit::HotTrack, &TOrqJvSpinEdit::SetHotTrack)
        .Prop("Increment", Types::Extended(), &TOrqJvSpinEdit::Increment, &TOrqJvSpinEdit::SetIncrement)
        .Prop("MaxLength", Types::Integer(), &TOrqJvSpinEdit::MaxLength, &TOrqJvSpinEdit::SetMaxLength)
        .Prop("MaxValue", Types::Extended(), &TOrqJvSpinEdit::MaxValue, &TOrqJvSpinEdit::SetMaxValue)
        .Prop("MinValue", Types::Extended(), &TOrqJvSpinEdit::MinValue, &TOrqJvSpinEdit::SetMinValue)
        .Prop("ReadOnly", Types::Boolean(), &TOrqJvSpinEdit::ReadOnly, &TOrqJvSpinEdit::SetReadOnly)
        .Prop("Thousands", Types::Boolean(), &TOrqJvSpinEdit::Thousands, &TOrqJvSpinEdit::SetThousands)
        .Prop("Value", Types::Extended(), &TOrqJvSpinEdit::Value, &TOrqJvSpinEdit::SetValue)
        .Prop("ValueType", ValueTypeType(), &TOrqJvSpinEdit::ValueType, &TOrqJvSpinEdit::SetValueType)
        .Prop("OnBottomClick", Types::Method(), [](const TOrqJvSpinEdit& e) { return e.OnBottomClick; },
              [](TOrqJvSpinEdit& e, TNotifyEvent v) { e.OnBottomClick = std::move(v); })
        .Prop("OnChange", Types::Method(), &TOrqJvSpinEdit::GetOnChange, &TOrqJvSpinEdit::SetOnChange)
        .Prop("OnTopClick", Types::Method(), [](const TOrqJvSpinEdit& e) { return e.OnTopClick; },
              [](TOrqJvSpinEdit& e, TNotifyEvent v) { e.OnTopClick = std::move(v); });
  });
  return info;
}

TOrqJvSpinEdit::TOrqJvSpinEdit(TComponent* owner) : TOrqJvCustomSpinEdit(owner) { SetText(QStringLiteral("0")); }

TSpinValue TOrqJvSpinEdit::Value() const {
  const QString text = GetText();
  if (AllowEmpty() && Trim(text).isEmpty()) return EmptyValue();
  const QChar group = GroupSeparator();
  const QChar decimal = DecimalSeparator();
  switch (ValueType()) {
    case TValueType::vtInteger: {
      QString digits = text;
      // Thousand separators are part of the text only when Thousands is on.
      if (Thousands() && !group.isNull()) digits.remove(group);
      int64_t v = 0;
      return ParseDecimal(digits, v) ? static_cast<TSpinValue>(v) : std::round(MinValue());
    }
    case TValueType::vtHex: {
      int64_t v = 0;
      return ParseHex(text, v) ? static_cast<TSpinValue>(v) : std::round(MinValue());
    }
    case TValueType::vtFloat: {
      QString number = Trim(text);
      const bool grouped = Thousands() || (!DisplayFormat().isEmpty() && DisplayFormat().section(';', 0, 0).contains(','));
      if (grouped && !group.isNull() && group != decimal) number.remove(group);
      if (!DisplayFormat().isEmpty()) {
        if (decimal != QLatin1Char('.') && group != QLatin1Char('.')) number.replace(QLatin1Char('.'), decimal);
        if (decimal != QLatin1Char(',') && group != QLatin1Char(',')) number.replace(QLatin1Char(','), decimal);
        if (number.isEmpty()) number = QStringLiteral("0");
        else if (number == QLatin1String("-")) number = QStringLiteral("-0");
      }
      double v = 0;
      return TryStrToFloat(number, v) ? static_cast<TSpinValue>(v) : MinValue();
    }
  }
  return MinValue();
}

QString TOrqJvSpinEdit::FormatValue(TSpinValue value) const {
  switch (ValueType()) {
    case TValueType::vtFloat: {
      if (!DisplayFormat().isEmpty()) return FormatFloatPicture(DisplayFormat(), value);
      const double v = ToDouble(value);
      // Fixed notation with Decimal decimals while 15 significant digits
      // hold the integer part.
      if (std::fabs(v) >= 1e15) return NumberLocale(Thousands()).toString(v, 'g', 15);
      return NumberLocale(Thousands()).toString(v, 'f', Decimal());
    }
    case TValueType::vtHex:
      return HexText(ToInt64(value));
    case TValueType::vtInteger:
      return NumberLocale(Thousands()).toString(static_cast<qlonglong>(ToInt64(value)));
  }
  return QString();
}

void TOrqJvSpinEdit::WriteValue(TSpinValue value) {
  WriteText(FormatValue(value));
  RefreshText();
}
