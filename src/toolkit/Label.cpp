#include "toolkit/Label.h"

#include "toolkit/Application.h"

#include <QShortcut>

// ---- access keys ----

TCaptionBehaviour::~TCaptionBehaviour() { delete m_shortcut.data(); }

void TCaptionBehaviour::SetShowAccelChar(bool value) {
  m_showAccelChar = value;
  UpdateAccessKey();
}

void TCaptionBehaviour::SetFocusControl(TWinControl* control) {
  if (m_focusControl) m_focusControl->RemoveFreeNotification(&m_control);
  m_focusControl = control;
  if (control) control->FreeNotification(&m_control);
  UpdateAccessKey();
}

void TCaptionBehaviour::ComponentRemoved(TComponent* component) {
  if (component != m_focusControl) return;
  m_focusControl = nullptr;
  UpdateAccessKey();
}

void TCaptionBehaviour::UpdateAccessKey() {
  delete m_shortcut.data();
  TWinControl* focusControl = m_focusControl;
  const QChar key = m_showAccelChar ? AccessKey(m_control.Caption()) : QChar();
  if (key.isNull() || !focusControl || !m_control.Widget()) return;
  m_shortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+") + key), m_control.Widget());
  m_shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(m_shortcut, &QShortcut::activated, [focusControl] {
    Application().Guard([focusControl] { focusControl->SetFocus(); });
  });
}

namespace {
const TTypeInfo& StaticBorderStyleType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TStaticBorderStyle", {"sbsNone", "sbsSingle", "sbsSunken"});
  return info;
}

void PublishLabelCommon(TClassInfo& c) {
  TControl::PublishStandard(c, {TControl::kPlacing, "Caption", TControl::kLook, "Visible", TControl::kClicks,
                                TControl::kMouseEvents});
}
}  // namespace

// ---- TLabel ----

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info("TLabel", &TGraphicControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TLabel>(c).Creatable();
    PublishLabelCommon(c);
    Publisher<TLabel>(c)
        .Prop("Alignment", AlignmentType(), &TLabel::Alignment, &TLabel::SetAlignment)
        .Prop("AutoSize", Types::Boolean(), &TLabel::AutoSize, &TLabel::SetAutoSize)
        .Prop("FocusControl", TWinControl::StaticClass().TypeInfo(), &TLabel::FocusControl, &TLabel::SetFocusControl)
        .Prop("Layout", TextLayoutType(), &TLabel::Layout, &TLabel::SetLayout)
        .Prop("ShowAccelChar", Types::Boolean(), &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)
        .Prop("Transparent", Types::Boolean(), &TLabel::Transparent, &TLabel::SetTransparent)
        .Prop("WordWrap", Types::Boolean(), &TLabel::WordWrap, &TLabel::SetWordWrap);
  });
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetParentColor(true);
  SetBounds(0, 0, 65, 17);
}

TLabel::~TLabel() = default;

void TLabel::SetAlignment(TAlignment v) {
  m_alignment = v;
  Invalidate();
}

void TLabel::SetAutoSize(bool v) {
  m_autoSize = v;
  AdjustSize();
}

void TLabel::SetLayout(TTextLayout v) {
  m_layout = v;
  Invalidate();
}

void TLabel::SetTransparent(bool v) {
  m_transparent = v;
  if (Widget()) Widget()->setAttribute(Qt::WA_TranslucentBackground, v);
  Invalidate();
}

void TLabel::SetWordWrap(bool v) {
  m_wordWrap = v;
  AdjustSize();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
  m_caption.SetShowAccelChar(v);
  AdjustSize();
  Invalidate();
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove) m_caption.ComponentRemoved(component);
}

void TLabel::TextChanged() {
  m_caption.UpdateAccessKey();
  Invalidate();
}

bool TLabel::CanAutoSize(int& width, int& height) const {
  if (!m_autoSize) return false;
  const QSize size = MeasureCaption(FontObject()->ToQFont(), Caption(), ShowAccelChar(), m_wordWrap ? width : 0);
  width = size.width();
  height = size.height();
  return true;
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!m_transparent) canvas.FillRect(ClientRect());
  DrawCaption(canvas, ClientRect(), Caption(), m_alignment, m_layout, m_wordWrap, ShowAccelChar(), Enabled());
}

// ---- TStaticText ----

const TClassInfo& TStaticText::StaticClass() {
  static const TClassInfo info("TStaticText", &TWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TStaticText>(c).Creatable();
    PublishLabelCommon(c);
    PublishStandard(c, {kTabbing});
    Publisher<TStaticText>(c)
        .Prop("Alignment", AlignmentType(), &TStaticText::Alignment, &TStaticText::SetAlignment)
        .Prop("AutoSize", Types::Boolean(), &TStaticText::AutoSize, &TStaticText::SetAutoSize)
        .Prop("BorderStyle", StaticBorderStyleType(), &TStaticText::BorderStyle, &TStaticText::SetBorderStyle)
        .Prop("FocusControl", TWinControl::StaticClass().TypeInfo(), &TStaticText::FocusControl,
              &TStaticText::SetFocusControl)
        .Prop("ShowAccelChar", Types::Boolean(), &TStaticText::ShowAccelChar, &TStaticText::SetShowAccelChar)
        .Prop("Transparent", Types::Boolean(), &TStaticText::Transparent, &TStaticText::SetTransparent);
  });
  return info;
}

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {
  auto* widget = new TPaintWidget([this](QPainter& p, const QRect&) { PaintText(p); });
  widget->setFocusPolicy(Qt::NoFocus);
  AttachWidget(widget);
  SetBounds(0, 0, 65, 17);
}

TStaticText::~TStaticText() = default;

void TStaticText::SetAlignment(TAlignment v) {
  m_alignment = v;
  Invalidate();
}

void TStaticText::SetAutoSize(bool v) {
  m_autoSize = v;
  AdjustSize();
}

void TStaticText::SetBorderStyle(TStaticBorderStyle v) {
  m_borderStyle = v;
  AdjustSize();
  Invalidate();
}

void TStaticText::SetTransparent(bool v) {
  m_transparent = v;
  if (Widget()) Widget()->setAttribute(Qt::WA_TranslucentBackground, v);
  Invalidate();
}

void TStaticText::SetShowAccelChar(bool v) {
  m_caption.SetShowAccelChar(v);
  AdjustSize();
  Invalidate();
}

void TStaticText::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove) m_caption.ComponentRemoved(component);
}

void TStaticText::TextChanged() {
  m_caption.UpdateAccessKey();
  Invalidate();
}

void TStaticText::SyncColor() { Invalidate(); }

bool TStaticText::CanAutoSize(int& width, int& height) const {
  if (!m_autoSize) return false;
  // The text and a margin of two pixels on each side.
  const QSize text = MeasureCaption(FontObject()->ToQFont(), Caption(), ShowAccelChar(), 0);
  width = text.width() + 4;
  height = text.height() + 4;
  return true;
}

void TStaticText::PaintText(QPainter& painter) {
  TCanvas canvas(&painter);
  PrepareControlCanvas(canvas, *this);
  const QRect all(0, 0, Width(), Height());
  if (!m_transparent) canvas.FillRect(all);
  const int b = BorderWidth();
  if (b > 0) {
    canvas.Pen().SetColor(m_borderStyle == TStaticBorderStyle::sbsSunken ? clBtnShadow : clWindowFrame);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(all);
  }
  DrawCaption(canvas, all.adjusted(b, b, -b, -b), Caption(), m_alignment, TTextLayout::tlTop, false,
              ShowAccelChar(), Enabled());
}
