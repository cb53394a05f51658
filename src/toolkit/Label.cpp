#include "toolkit/Label.h"

#include "toolkit/Application.h"

#include <QShortcut>

// ---- access keys ----

TCaptionBehaviour::~TCaptionBehaviour() { delete m_shortcut.data(); }

void TCaptionBehaviour::UpdateAccessKey(bool showAccelChar, TWinControl* focusControl) {
  delete m_shortcut.data();
  const QChar key = showAccelChar ? AccessKey(m_control.Caption()) : QChar();
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
  TControl::PublishStandard(c, {"Align", "Anchors", "Caption", "Color", "Constraints", "Enabled", "Font",
                                "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "Visible",
                                "OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
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
  m_showAccelChar = v;
  m_caption.UpdateAccessKey(m_showAccelChar, m_focusControl);
  AdjustSize();
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* v) {
  if (m_focusControl) m_focusControl->RemoveFreeNotification(this);
  m_focusControl = v;
  if (v) v->FreeNotification(this);
  m_caption.UpdateAccessKey(m_showAccelChar, m_focusControl);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_focusControl) {
    m_focusControl = nullptr;
    m_caption.UpdateAccessKey(m_showAccelChar, nullptr);
  }
}

void TLabel::TextChanged() {
  m_caption.UpdateAccessKey(m_showAccelChar, m_focusControl);
  Invalidate();
}

void TLabel::AdjustSize() {
  if (!m_autoSize || IsLoading()) return;
  const QSize size = MeasureCaption(Font().ToQFont(), Caption(), m_showAccelChar, m_wordWrap ? Width() : 0);
  SetBounds(Left(), Top(), size.width(), size.height());
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!m_transparent) canvas.FillRect(ClientRect());
  DrawCaption(canvas, ClientRect(), Caption(), m_alignment, m_layout, m_wordWrap, m_showAccelChar, Enabled());
}

// ---- TStaticText ----

const TClassInfo& TStaticText::StaticClass() {
  static const TClassInfo info("TStaticText", &TWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TStaticText>(c).Creatable();
    PublishLabelCommon(c);
    PublishStandard(c, {"TabOrder", "TabStop"});
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
  m_showAccelChar = v;
  m_caption.UpdateAccessKey(m_showAccelChar, m_focusControl);
  AdjustSize();
  Invalidate();
}

void TStaticText::SetFocusControl(TWinControl* v) {
  if (m_focusControl) m_focusControl->RemoveFreeNotification(this);
  m_focusControl = v;
  if (v) v->FreeNotification(this);
  m_caption.UpdateAccessKey(m_showAccelChar, m_focusControl);
}

void TStaticText::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_focusControl) {
    m_focusControl = nullptr;
    m_caption.UpdateAccessKey(m_showAccelChar, nullptr);
  }
}

void TStaticText::TextChanged() {
  m_caption.UpdateAccessKey(m_showAccelChar, m_focusControl);
  Invalidate();
}

void TStaticText::SyncColor() { Invalidate(); }

void TStaticText::AdjustSize() {
  if (!m_autoSize || IsLoading()) return;
  // The text and a margin of two pixels on each side.
  const QSize text = MeasureCaption(Font().ToQFont(), Caption(), m_showAccelChar, 0);
  SetBounds(Left(), Top(), text.width() + 4, text.height() + 4);
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
              m_showAccelChar, Enabled());
}
