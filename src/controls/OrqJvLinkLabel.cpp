#include "controls/OrqJvLinkLabel.h"

#include "toolkit/Cursors.h"

const TTypeInfo& LinkClickEventType() {
  static const TTypeInfo info = TTypeInfo::Simple(TTypeKind::tkMethod, "TLinkClickEvent");
  return info;
}

const TTypeInfo& DynamicTagInitEventType() {
  static const TTypeInfo info = TTypeInfo::Simple(TTypeKind::tkMethod, "TDynamicTagInitEvent");
  return info;
}

// ---- TOrqJvCutomLinkLabel --------------------------------------------------

const TClassInfo& TOrqJvCutomLinkLabel::StaticClass() {
  static const TClassInfo info("TOrqJvCutomLinkLabel", &TGraphicControl::StaticClass());
  return info;
}

TOrqJvCutomLinkLabel::TOrqJvCutomLinkLabel(TComponent* owner)
    : TGraphicControl(owner), m_tree(std::make_unique<TNodeTree>()) {
  m_parser = CreateParser();
  m_parser->AttachDynamicHandler(this);
  m_renderer = CreateRenderer();
  SyncRootWithFont();
  SetColor(clWindow);
  SetBounds(0, 0, 160, 17);
}

TOrqJvCutomLinkLabel::~TOrqJvCutomLinkLabel() = default;

std::unique_ptr<IParser> TOrqJvCutomLinkLabel::CreateParser() { return std::make_unique<TDefaultParser>(); }

std::unique_ptr<IRenderer> TOrqJvCutomLinkLabel::CreateRenderer() { return std::make_unique<TDefaultRenderer>(); }

void TOrqJvCutomLinkLabel::SetText(const QString& value) {
  if (value == m_text) return;
  m_text = value;
  m_lines.SetText(value);
  m_activeLink = nullptr;
  LinkCounter = 0;
  DynamicCounter = 0;
  // The old tree goes only once the new one stands, so the control always
  // has a tree to paint and to ask.
  m_tree = m_parser->ParseText(value);
  SyncRootWithFont();
  Invalidate();
  DoCaptionChanged();
}

void TOrqJvCutomLinkLabel::SetTextLines(TStrings* lines) {
  m_lines.Assign(lines);
  SetText(m_lines.Text());
}

void TOrqJvCutomLinkLabel::SyncRootWithFont() {
  m_tree->Root()->SetStyle(Font().Style());
  m_tree->Root()->SetColor(Font().Color());
}

void TOrqJvCutomLinkLabel::FontChanged() {
  TGraphicControl::FontChanged();
  SyncRootWithFont();
  // Every width was measured in the old font.
  for (TNodeEnumerator texts = m_tree->TopLevelNodes(TStringNode::StaticClass()); texts.HasNext();)
    static_cast<TStringNode*>(texts.GetNext())->ClearWordInfo();
  Invalidate();
}

void TOrqJvCutomLinkLabel::SupplySource(QString& source, TDynamicNode* node) {
  source.clear();
  if (node) DoDynamicTagInit(source, node->Number());
}

void TOrqJvCutomLinkLabel::DoCaptionChanged() {
  if (OnCaptionChanged) OnCaptionChanged(this);
}

void TOrqJvCutomLinkLabel::DoLinkClicked(int linkNumber, const QString& linkText) {
  if (OnLinkClick) OnLinkClick(this, linkNumber, linkText);
}

void TOrqJvCutomLinkLabel::DoDynamicTagInit(QString& source, int number) {
  source.clear();
  if (OnDynamicTagInit) OnDynamicTagInit(this, source, number);
}

// ---- settings --------------------------------------------------------------

void TOrqJvCutomLinkLabel::SetTransparent(bool value) {
  if (value == m_transparent) return;
  m_transparent = value;
  Invalidate();
}

void TOrqJvCutomLinkLabel::SetLinkColor(TColor value) {
  if (value == m_renderer->LinkColor()) return;
  m_renderer->SetLinkColor(value);
  Invalidate();
}

void TOrqJvCutomLinkLabel::SetLinkColorClicked(TColor value) { m_renderer->SetLinkColorClicked(value); }

void TOrqJvCutomLinkLabel::SetLinkColorHot(TColor value) { m_renderer->SetLinkColorHot(value); }

void TOrqJvCutomLinkLabel::SetLinkStyle(TFontStyles value) {
  if (value == m_renderer->LinkStyle()) return;
  m_renderer->SetLinkStyle(value);
  Invalidate();
}

void TOrqJvCutomLinkLabel::SetAutoHeight(bool value) {
  if (value == m_autoHeight) return;
  m_autoHeight = value;
  Invalidate();
}

void TOrqJvCutomLinkLabel::SetMarginWidth(int value) {
  m_marginWidth = value;
  Invalidate();
}

void TOrqJvCutomLinkLabel::SetMarginHeight(int value) {
  m_marginHeight = value;
  Invalidate();
}

QRect TOrqJvCutomLinkLabel::DrawRect() const {
  const QRect client = ClientRect();
  return QRect(client.left() + m_marginWidth, client.top() + m_marginHeight,
               std::max(0, client.width() - 2 * m_marginWidth), std::max(0, client.height() - m_marginHeight));
}

// ---- painting --------------------------------------------------------------

void TOrqJvCutomLinkLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!m_transparent) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(&Font());
  const QRect area = DrawRect();
  m_renderer->DrawTreeLeavingOut(canvas, area, *m_tree, m_activeLink);
  const int textHeight = m_renderer->GetTextHeight();
  if (m_activeLink) m_renderer->DrawArea(canvas, area, m_activeLink);
  const TAlign align = Align();
  if (m_autoHeight && (align == TAlign::alNone || align == TAlign::alTop || align == TAlign::alBottom))
    SetHeight(textHeight + m_marginHeight);
}

// ---- links and the mouse ---------------------------------------------------

TLinkNode* TOrqJvCutomLinkLabel::LinkAt(const QPoint& point) const {
  if (!m_tree->PointInNodeClass(point, TLinkNode::StaticClass())) return nullptr;
  return static_cast<TLinkNode*>(m_tree->NodeAtPoint(point, TLinkNode::StaticClass()));
}

void TOrqJvCutomLinkLabel::SetLinkStateAt(const QPoint& point, TLinkState state) {
  TLinkNode* link = LinkAt(point);
  if (!link || (link == m_activeLink && link->State() == state)) return;
  ResetActiveLink();
  link->SetState(state);
  m_activeLink = link;
  Invalidate();
}

void TOrqJvCutomLinkLabel::ResetActiveLink() {
  if (!m_activeLink) return;
  m_activeLink->SetState(TLinkState::lsNormal);
  m_activeLink = nullptr;
  Invalidate();
}

bool TOrqJvCutomLinkLabel::IsActiveLinkClicked() const {
  return m_activeLink && m_activeLink->State() == TLinkState::lsClicked;
}

void TOrqJvCutomLinkLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  SetLinkStateAt(QPoint(x, y), TLinkState::lsClicked);
}

void TOrqJvCutomLinkLabel::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  const QPoint point(x, y);
  const bool overLink = m_tree->PointInNodeClass(point, TLinkNode::StaticClass());
  // The pointer shape changes on the widget only; the Cursor setting stays.
  if (Widget()) Widget()->setCursor(CursorShape(overLink ? crHandPoint : Cursor()));
  if (!m_hotLinks || IsActiveLinkClicked()) return;
  if (overLink) SetLinkStateAt(point, TLinkState::lsHot);
  else ResetActiveLink();
}

void TOrqJvCutomLinkLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  // The click goes to the link under the release, wherever the press was.
  if (TLinkNode* link = LinkAt(QPoint(x, y))) DoLinkClicked(link->Number(), link->AreaText());
  ResetActiveLink();
}

bool TOrqJvCutomLinkLabel::WndProc(TMessage& message) {
  if (message.Kind == TMessageKind::MouseLeave && m_hotLinks && !IsActiveLinkClicked()) ResetActiveLink();
  return TGraphicControl::WndProc(message);
}

// ---- TOrqJvLinkLabel -------------------------------------------------------

const TClassInfo& TOrqJvLinkLabel::StaticClass() {
  static const TClassInfo info("TOrqJvLinkLabel", &TOrqJvCutomLinkLabel::StaticClass(), [](TClassInfo& c) {
    Publisher<TOrqJvLinkLabel>(c).Creatable();
    PublishStandard(c, {"Caption", "Align", "Anchors", "Color", "Constraints", "Font", "ParentColor", "ParentFont",
                        "ParentShowHint", "PopupMenu", "ShowHint", "Visible", "OnClick", "OnDblClick", "OnMouseDown",
                        "OnMouseMove", "OnMouseUp"});
    Publisher<TOrqJvLinkLabel>(c)
        .Prop("Text", TStrings::StaticClass().TypeInfo(), &TOrqJvLinkLabel::TextLinesObject,
              &TOrqJvLinkLabel::SetTextLines)
        .Prop("Transparent", Types::Boolean(), &TOrqJvLinkLabel::Transparent, &TOrqJvLinkLabel::SetTransparent)
        .Prop("LinkColor", Types::TColor(), &TOrqJvLinkLabel::LinkColor, &TOrqJvLinkLabel::SetLinkColor)
        .Prop("LinkColorClicked", Types::TColor(), &TOrqJvLinkLabel::LinkColorClicked,
              &TOrqJvLinkLabel::SetLinkColorClicked)
        .Prop("LinkColorHot", Types::TColor(), &TOrqJvLinkLabel::LinkColorHot, &TOrqJvLinkLabel::SetLinkColorHot)
        .Prop("LinkStyle", Types::TFontStyles(), &TOrqJvLinkLabel::LinkStyle, &TOrqJvLinkLabel::SetLinkStyle)
        .Prop("HotLinks", Types::Boolean(), &TOrqJvLinkLabel::HotLinks, &TOrqJvLinkLabel::SetHotLinks)
        .Prop("AutoHeight", Types::Boolean(), &TOrqJvLinkLabel::AutoHeight, &TOrqJvLinkLabel::SetAutoHeight)
        .Prop("MarginWidth", Types::Integer(), &TOrqJvLinkLabel::MarginWidth, &TOrqJvLinkLabel::SetMarginWidth)
        .Prop("MarginHeight", Types::Integer(), &TOrqJvLinkLabel::MarginHeight, &TOrqJvLinkLabel::SetMarginHeight)
        .Prop("OnLinkClick", LinkClickEventType(), &TOrqJvLinkLabel::GetOnLinkClick, &TOrqJvLinkLabel::SetOnLinkClick)
        .Prop("OnDynamicTagInit", DynamicTagInitEventType(), &TOrqJvLinkLabel::GetOnDynamicTagInit,
              &TOrqJvLinkLabel::SetOnDynamicTagInit)
        .Prop("OnCaptionChanged", Types::Method(), &TOrqJvLinkLabel::GetOnCaptionChanged,
              &TOrqJvLinkLabel::SetOnCaptionChanged);
  });
  return info;
}
