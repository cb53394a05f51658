#include "designer/ELDesignPanel.h"

#include "toolkit/Panel.h"

namespace {

int BorderWidthOf(TBorderStyle style) { return style == TBorderStyle::bsSingle ? 2 : 0; }

}  // namespace

// ---- TDPForm ----

const TClassInfo& TDPForm::StaticClass() {
  static const TClassInfo info("TDPForm", &TCustomForm::StaticClass());
  return info;
}

TDPForm::TDPForm(TELCustomDesignPanel* panel) : TCustomForm(nullptr), m_panel(panel) {
  SetBorderStyle(TFormBorderStyle::bsNone);
  SetBorderIcons({});
  SetParent(panel);
}

void TDPForm::FocusSurface() {
  if (Widget() && !Widget()->hasFocus()) Widget()->setFocus(Qt::MouseFocusReason);
}

// ---- TELCustomDesignPanel ----

const TClassInfo& TELCustomDesignPanel::StaticClass() {
  static const TClassInfo info("TELCustomDesignPanel", &TCustomControl::StaticClass());
  return info;
}

const TClassInfo& TELDesignPanel::StaticClass() {
  static const TClassInfo info("TELDesignPanel", &TELCustomDesignPanel::StaticClass(), [](TClassInfo& c) {
    PublishStandard(c, {"Align",       "Anchors",     "Color",          "Constraints", "Enabled",  "Font",
                        "ParentColor", "ParentFont",  "ParentShowHint", "PopupMenu",   "ShowHint", "TabOrder",
                        "TabStop",     "Visible",     "OnClick",        "OnDblClick",  "OnEnter",  "OnExit",
                        "OnMouseDown", "OnMouseMove", "OnMouseUp",      "OnResize"});
    using P = TELCustomDesignPanel;
    Publisher<TELDesignPanel>(c)
        .Prop("BorderStyle", BorderStyleType(), &P::BorderStyle, &P::SetBorderStyle)
        .Prop("AutoScroll", Types::Boolean(), &P::AutoScroll, &P::SetAutoScroll)
        .Prop("HorzScrollBar", TControlScrollBar::StaticClass().TypeInfo(), &P::HorzScrollBarObject,
              &P::SetHorzScrollBar)
        .Prop("VertScrollBar", TControlScrollBar::StaticClass().TypeInfo(), &P::VertScrollBarObject,
              &P::SetVertScrollBar);
  });
  return info;
}

TELCustomDesignPanel::TELCustomDesignPanel(TComponent* owner) : TCustomControl(owner) {
  m_form = new TDPForm(this);
  SetTabStop(true);
  SetBounds(0, 0, 185, 41);
  FitSurface();
}

TELCustomDesignPanel::~TELCustomDesignPanel() {
  // Whoever watches the panel hears of its going while it is whole: an
  // active designer takes its design control off the surface before the
  // surface goes with the panel.
  RunBeforeDestruction();
  TComponent::Free(m_form);
}

void TELCustomDesignPanel::SetEngine(TDEng* engine) {
  if (engine == m_engine) return;
  m_engine = engine;
  if (engine) {
    FitSurface();
    m_form->SetVisible(true);
    Widget()->setFocusProxy(m_form->Widget());
  } else {
    Widget()->setFocusProxy(nullptr);
    m_form->SetVisible(false);
  }
}

void TELCustomDesignPanel::SetBorderStyle(TBorderStyle value) {
  if (static_cast<int>(value) > 1 || value == m_borderStyle) return;
  m_borderStyle = value;
  FitSurface();
  Invalidate();
}

QRect TELCustomDesignPanel::SurfaceRect() const {
  const int b = BorderWidthOf(m_borderStyle);
  return QRect(b, b, std::max(0, Width() - 2 * b), std::max(0, Height() - 2 * b));
}

void TELCustomDesignPanel::FitSurface() {
  if (m_form) m_form->SetBoundsRect(SurfaceRect());
}

void TELCustomDesignPanel::Paint() {
  TCanvas& canvas = Canvas();
  canvas.FillRect(ClientRect());
  if (m_borderStyle != TBorderStyle::bsSingle) return;
  // The sunken client edge: shadow and highlight outside, dark shadow and light inside.
  const QRect inner = Frame3D(canvas, ClientRect(), clBtnShadow, clBtnHighlight, 1);
  Frame3D(canvas, inner, cl3DDkShadow, cl3DLight, 1);
}

void TELCustomDesignPanel::BoundsChanged(bool sizeChanged) {
  TCustomControl::BoundsChanged(sizeChanged);
  if (sizeChanged) FitSurface();
}

void TELCustomDesignPanel::ColorChanged() {
  TCustomControl::ColorChanged();
  if (m_form) m_form->SetColor(Color());
}

void TELCustomDesignPanel::FontChanged() {
  TCustomControl::FontChanged();
  if (m_form) m_form->Font().Assign(&Font());
}

bool TELCustomDesignPanel::WndProc(TMessage& message) {
  // While a designer works on the surface the panel offers no popup menu of its own.
  if (message.Kind == TMessageKind::ContextPopup && m_engine) return true;
  return TCustomControl::WndProc(message);
}
