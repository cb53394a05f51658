#include "toolkit/Panel.h"

#include "toolkit/TextDrawing.h"

const TTypeInfo& BevelCutType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return info;
}

QRect Frame3D(TCanvas& canvas, QRect rect, TColor topLeft, TColor bottomRight, int width) {
  const TColor savedPen = canvas.Pen().Color();
  const int savedWidth = canvas.Pen().Width();
  canvas.Pen().SetWidth(1);
  for (int i = 0; i < width; ++i) {
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width() - 1;
    const int b = rect.top() + rect.height() - 1;
    canvas.Pen().SetColor(topLeft);
    canvas.Polyline({QPoint(l, b), QPoint(l, t), QPoint(r, t)});
    canvas.Pen().SetColor(bottomRight);
    canvas.Polyline({QPoint(r, t), QPoint(r, b), QPoint(l - 1, b)});
    rect.adjust(1, 1, -1, -1);
  }
  canvas.Pen().SetColor(savedPen);
  canvas.Pen().SetWidth(savedWidth);
  return rect;
}

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info("TPanel", &TCustomControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TPanel>(c).Creatable();
    PublishStandard(c, {kPlacing, "Caption", kLook, kTabbing, "Visible", kClicks, kFocusEvents, kMouseEvents,
                        "OnResize"});
    Publisher<TPanel>(c)
        .Prop("Alignment", AlignmentType(), &TPanel::Alignment, &TPanel::SetAlignment)
        .Prop("BevelInner", BevelCutType(), &TPanel::BevelInner, &TPanel::SetBevelInner)
        .Prop("BevelOuter", BevelCutType(), &TPanel::BevelOuter, &TPanel::SetBevelOuter)
        .Prop("BevelWidth", Types::Integer(), &TPanel::BevelWidth, &TPanel::SetBevelWidth)
        .Prop("BorderWidth", Types::Integer(), &TPanel::BorderWidth, &TPanel::SetBorderWidth)
        .Prop("DoubleBuffered", Types::Boolean(), &TPanel::DoubleBuffered, &TPanel::SetDoubleBuffered);
  });
  return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  // A panel holds controls; a click on it leaves the keyboard focus where it is.
  Widget()->setFocusPolicy(Qt::NoFocus);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut v) {
  m_bevelOuter = v;
  AlignControls();
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut v) {
  m_bevelInner = v;
  AlignControls();
  Invalidate();
}

void TPanel::SetBevelWidth(int v) {
  m_bevelWidth = std::max(1, v);
  AlignControls();
  Invalidate();
}

void TPanel::SetBorderWidth(int v) {
  m_borderWidth = std::max(0, v);
  AlignControls();
  Invalidate();
}

void TPanel::SetAlignment(TAlignment v) {
  m_alignment = v;
  Invalidate();
}

QRect TPanel::AdjustClientRect(const QRect& rect) const {
  int inset = m_borderWidth;
  if (m_bevelOuter != TBevelCut::bvNone) inset += m_bevelWidth;
  if (m_bevelInner != TBevelCut::bvNone) inset += m_bevelWidth;
  return rect.adjusted(inset, inset, -inset, -inset);
}

void TPanel::Paint() {
  TCanvas& canvas = Canvas();
  QRect rect = ClientRect();
  canvas.FillRect(rect);
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    const bool raised = cut == TBevelCut::bvRaised;
    const TColor light = cut == TBevelCut::bvSpace ? Color() : (raised ? clBtnHighlight : clBtnShadow);
    const TColor dark = cut == TBevelCut::bvSpace ? Color() : (raised ? clBtnShadow : clBtnHighlight);
    rect = Frame3D(canvas, rect, light, dark, m_bevelWidth);
  };
  bevel(m_bevelOuter);
  rect.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
  bevel(m_bevelInner);
  if (!Caption().isEmpty())
    DrawCaption(canvas, rect, Caption(), m_alignment, TTextLayout::tlCenter, false, true, Enabled());
}
