#include "toolkit/Control.h"

#include "toolkit/Application.h"
#include "toolkit/ControlAdapter.h"
#include "toolkit/DesignerHook.h"
#include "toolkit/Forms.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/PropAccess.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/SysUtils.h"
#include "toolkit/WinControl.h"

#include <QApplication>
#include <QHash>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

QHash<const QWidget*, TControl*>& WidgetRegistry() {
  static QHash<const QWidget*, TControl*> registry;
  return registry;
}

TControl* g_captureControl = nullptr;

}  // namespace

// ---- types ----

const TTypeInfo& CoordinateType() {
  static const TTypeInfo info = TTypeInfo::Ordinal(TTypeKind::tkInteger, "TCoordinate", TOrdType::otSLong, -32768, 32767);
  return info;
}

const TTypeInfo& ExtentType() {
  static const TTypeInfo info = TTypeInfo::Ordinal(TTypeKind::tkInteger, "TExtent", TOrdType::otSLong, 0, 32767);
  return info;
}

const TTypeInfo& AnchorKindType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"});
  return info;
}

const TTypeInfo& AnchorsType() {
  static const TTypeInfo info = TTypeInfo::Set("TAnchors", AnchorKindType());
  return info;
}

const TTypeInfo& AlignType() {
  static const TTypeInfo info =
      TTypeInfo::Enumeration("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"});
  return info;
}

const TTypeInfo& AlignmentType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return info;
}

const TTypeInfo& MouseEventType() {
  static const TTypeInfo info = TTypeInfo::Simple(TTypeKind::tkMethod, "TMouseEvent");
  return info;
}

const TTypeInfo& MouseMoveEventType() {
  static const TTypeInfo info = TTypeInfo::Simple(TTypeKind::tkMethod, "TMouseMoveEvent");
  return info;
}

const TTypeInfo& KeyEventType() {
  static const TTypeInfo info = TTypeInfo::Simple(TTypeKind::tkMethod, "TKeyEvent");
  return info;
}

const TTypeInfo& KeyPressEventType() {
  static const TTypeInfo info = TTypeInfo::Simple(TTypeKind::tkMethod, "TKeyPressEvent");
  return info;
}

// ---- TSizeConstraints ----

const TClassInfo& TSizeConstraints::StaticClass() {
  static const TClassInfo info("TSizeConstraints", &TPersistent::StaticClass(), [](TClassInfo& c) {
    Publisher<TSizeConstraints>(c)
        .Prop("MaxHeight", Types::Integer(), &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
        .Prop("MaxWidth", Types::Integer(), &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
        .Prop("MinHeight", Types::Integer(), &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
        .Prop("MinWidth", Types::Integer(), &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth);
  });
  return info;
}

void TSizeConstraints::SetMaxHeight(int v) {
  m_maxHeight = std::max(0, v);
  Changed();
}
void TSizeConstraints::SetMaxWidth(int v) {
  m_maxWidth = std::max(0, v);
  Changed();
}
void TSizeConstraints::SetMinHeight(int v) {
  m_minHeight = std::max(0, v);
  Changed();
}
void TSizeConstraints::SetMinWidth(int v) {
  m_minWidth = std::max(0, v);
  Changed();
}

QSize TSizeConstraints::Constrain(QSize size) const {
  int w = size.width();
  int h = size.height();
  if (m_maxWidth > 0) w = std::min(w, m_maxWidth);
  if (m_maxHeight > 0) h = std::min(h, m_maxHeight);
  if (m_minWidth > 0) w = std::max(w, m_minWidth);
  if (m_minHeight > 0) h = std::max(h, m_minHeight);
  return QSize(w, h);
}

void TSizeConstraints::Assign(const TPersistent* source) {
  if (const auto* c = dynamic_cast<const TSizeConstraints*>(source)) {
    m_maxHeight = c->m_maxHeight;
    m_maxWidth = c->m_maxWidth;
    m_minHeight = c->m_minHeight;
    m_minWidth = c->m_minWidth;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TSizeConstraints::Changed() {
  if (OnChange) OnChange(this);
}

// ---- TControl ----

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info("TControl", &TComponent::StaticClass(), [](TClassInfo& c) {
    PublishStandard(c, {"Left", "Top", "Width", "Height", "Cursor", "Hint"});
  });
  return info;
}

void TControl::PublishStandard(TClassInfo& info, std::initializer_list<TPropNames> names) {
  // The common control properties, described once and published by name.
  static const TClassInfo table("TControlStandard", nullptr, [](TClassInfo& c) {
    Publisher<TControl>(c)
        .Prop("Left", CoordinateType(), &TControl::Left, &TControl::SetLeft)
        .Prop("Top", CoordinateType(), &TControl::Top, &TControl::SetTop)
        .Prop("Width", ExtentType(), &TControl::Width, &TControl::SetWidth)
        .Prop("Height", ExtentType(), &TControl::Height, &TControl::SetHeight)
        .Prop("Cursor", Types::TCursor(), &TControl::Cursor, &TControl::SetCursor)
        .Prop("Hint", Types::String(), &TControl::Hint, &TControl::SetHint)
        .Prop("Align", AlignType(), &TControl::Align, &TControl::SetAlign)
        .Prop("Anchors", AnchorsType(), &TControl::Anchors, &TControl::SetAnchors)
        .Prop("Caption", Types::TCaption(), &TControl::Caption, &TControl::SetCaption)
        .Prop("Text", Types::TCaption(), &TControl::GetText, &TControl::SetText)
        .Prop("Color", Types::TColor(), &TControl::Color, &TControl::SetColor)
        .Prop("Constraints", TSizeConstraints::StaticClass().TypeInfo(), &TControl::ConstraintsObject,
              &TControl::SetConstraints)
        .Prop("Enabled", Types::Boolean(), &TControl::Enabled, &TControl::SetEnabled)
        .Prop("Font", TFont::StaticClass().TypeInfo(), &TControl::FontObject, &TControl::SetFont)
        .Prop("ParentColor", Types::Boolean(), &TControl::ParentColor, &TControl::SetParentColor)
        .Prop("ParentFont", Types::Boolean(), &TControl::ParentFont, &TControl::SetParentFont)
        .Prop("ParentShowHint", Types::Boolean(), &TControl::ParentShowHint, &TControl::SetParentShowHint)
        .Prop("PopupMenu", TPopupMenu::StaticClass().TypeInfo(), &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Prop("ShowHint", Types::Boolean(), &TControl::ShowHint, &TControl::SetShowHint)
        .Prop("Visible", Types::Boolean(), &TControl::Visible, &TControl::SetVisible)
        .Prop("OnClick", Types::Method(), &TControl::GetOnClick, &TControl::SetOnClick)
        .Prop("OnDblClick", Types::Method(), &TControl::GetOnDblClick, &TControl::SetOnDblClick)
        .Prop("OnResize", Types::Method(), &TControl::GetOnResize, &TControl::SetOnResize)
        .Prop("OnMouseDown", MouseEventType(), &TControl::GetOnMouseDown, &TControl::SetOnMouseDown)
        .Prop("OnMouseMove", MouseMoveEventType(), &TControl::GetOnMouseMove, &TControl::SetOnMouseMove)
        .Prop("OnMouseUp", MouseEventType(), &TControl::GetOnMouseUp, &TControl::SetOnMouseUp);
    Publisher<TWinControl>(c)
        .Prop("TabOrder", Types::TTabOrder(), &TWinControl::TabOrder, &TWinControl::SetTabOrder)
        .Prop("TabStop", Types::Boolean(), &TWinControl::TabStop, &TWinControl::SetTabStop)
        .Prop("OnEnter", Types::Method(), &TWinControl::GetOnEnter, &TWinControl::SetOnEnter)
        .Prop("OnExit", Types::Method(), &TWinControl::GetOnExit, &TWinControl::SetOnExit)
        .Prop("OnKeyDown", KeyEventType(), &TWinControl::GetOnKeyDown, &TWinControl::SetOnKeyDown)
        .Prop("OnKeyPress", KeyPressEventType(), &TWinControl::GetOnKeyPress, &TWinControl::SetOnKeyPress)
        .Prop("OnKeyUp", KeyEventType(), &TWinControl::GetOnKeyUp, &TWinControl::SetOnKeyUp);
  });
  for (const TPropNames& group : names) {
    for (const char* name : group.Names()) {
      const TPropInfo* p = table.FindProperty(QString::fromLatin1(name));
      Q_ASSERT_X(p, "PublishStandard", name);
      info.AddProperty(*p);
    }
  }
}

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      m_font(std::make_unique<TFont>()),
      m_constraints(std::make_unique<TSizeConstraints>()) {
  m_font->OnChange = [this](TObject*) { FontChanged(); };
  m_constraints->OnChange = [this](TObject*) { SetBounds(m_left, m_top, m_width, m_height); };
}

TControl::~TControl() {
  Destroying();
  if (g_captureControl == this) SetMouseCapture(false);
  Application().ControlDestroyed(this);
  if (m_parent) m_parent->RemoveControl(this);
  m_parent = nullptr;
  if (m_widget) {
    WidgetRegistry().remove(m_widget);
    delete m_widget.data();
  }
  m_font->OnChange = nullptr;
  m_constraints->OnChange = nullptr;
}

TControl* TControl::FromWidget(const QWidget* widget) { return WidgetRegistry().value(widget, nullptr); }

void TControl::AttachWidget(QWidget* widget) {
  m_widget = widget;
  WidgetRegistry().insert(widget, this);
  widget->setAttribute(Qt::WA_NoMousePropagation);
  widget->setMouseTracking(true);
  m_adapter = std::make_unique<TControlAdapter>(this);
  m_adapter->Watch(widget);
  if (m_parent && m_parent->ClientWidget()) widget->setParent(m_parent->ClientWidget());
  SyncGeometry();
  SyncFont();
  SyncColor();
  SyncFocusPolicy();
  widget->setEnabled(m_enabled);
  widget->setCursor(CursorShape(m_cursor));
  SyncVisibility();
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == m_parent) return;
  if (parent == this) throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
  if (m_parent) m_parent->RemoveControl(this);
  m_parent = parent;
  if (parent) parent->InsertControl(this);
  if (m_widget) {
    if (parent && parent->ClientWidget()) {
      m_widget->setParent(parent->ClientWidget());
    } else if (!dynamic_cast<TCustomForm*>(this)) {
      m_widget->hide();
      m_widget->setParent(nullptr);
    }
  }
  if (parent && m_parentFont) ParentFontChanged();
  if (parent && m_parentColor) ParentColorChanged();
  UpdateAnchorRules();
  SyncGeometry();
  SyncVisibility();
  if (m_parent && m_align != TAlign::alNone) m_parent->AlignControls();
}

bool TControl::CanAutoSize(int&, int&) const { return false; }

void TControl::AdjustSize() {
  int width = m_width;
  int height = m_height;
  if (IsLoading() || !CanAutoSize(width, height)) return;
  if (width != m_width || height != m_height) SetBounds(m_left, m_top, width, height);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (!IsLoading()) CanAutoSize(width, height);
  const QSize size = m_constraints->Constrain(QSize(width, height));
  ChangeBounds(left, top, size.width(), size.height());
  UpdateAnchorRules();
}

void TControl::ChangeBounds(int left, int top, int width, int height) {
  // Left + Width and Top + Height stay within the 32-bit range, so the
  // bounds always make a rectangle.
  width = static_cast<int>(std::min<int64_t>(width, int64_t{INT_MAX} - left));
  height = static_cast<int>(std::min<int64_t>(height, int64_t{INT_MAX} - top));
  const bool moved = left != m_left || top != m_top;
  const bool sized = width != m_width || height != m_height;
  if (!moved && !sized) return;
  m_left = left;
  m_top = top;
  m_width = width;
  m_height = height;
  SyncGeometry();
  BoundsChanged(sized);
  TMessage m;
  m.Kind = TMessageKind::WindowPosChanged;
  Dispatch(m);
  if (sized && !IsLoading()) Resize();
  if (m_parent && m_align != TAlign::alNone) m_parent->AlignControls();
}

void TControl::BoundsChanged(bool) {}

void TControl::SetClientSize(int width, int height) {
  const QRect client = ClientRect();
  SetBounds(m_left, m_top, m_width + (width - client.width()), m_height + (height - client.height()));
}

QPoint TControl::ClientOrigin() const {
  if (m_widget) return m_widget->mapToGlobal(QPoint(0, 0)) + ClientRect().topLeft();
  QPoint origin(m_left, m_top);
  if (m_parent) origin += m_parent->ClientOrigin();
  return origin;
}

void TControl::UpdateAnchorRules() {
  m_anchorOrigin = BoundsRect();
  m_anchorParentSize = m_parent ? m_parent->ClientRect().size() : QSize();
}

void TControl::ApplyAnchors(const QSize& parentSize) {
  if (m_align != TAlign::alNone || m_anchorParentSize.isEmpty()) return;
  const int dx = parentSize.width() - m_anchorParentSize.width();
  const int dy = parentSize.height() - m_anchorParentSize.height();
  int left = m_anchorOrigin.left();
  int top = m_anchorOrigin.top();
  int width = m_anchorOrigin.width();
  int height = m_anchorOrigin.height();
  const bool l = m_anchors.Contains(TAnchorKind::akLeft);
  const bool r = m_anchors.Contains(TAnchorKind::akRight);
  const bool t = m_anchors.Contains(TAnchorKind::akTop);
  const bool b = m_anchors.Contains(TAnchorKind::akBottom);
  if (l && r) {
    width += dx;
  } else if (r) {
    left += dx;
  } else if (!l && m_anchorParentSize.width() > 0) {
    // Neither side: the centre keeps its place in proportion.
    const double centre = (left + width / 2.0) * parentSize.width() / m_anchorParentSize.width();
    left = RoundHalfEven(centre - width / 2.0);
  }
  if (t && b) {
    height += dy;
  } else if (b) {
    top += dy;
  } else if (!t && m_anchorParentSize.height() > 0) {
    const double centre = (top + height / 2.0) * parentSize.height() / m_anchorParentSize.height();
    top = RoundHalfEven(centre - height / 2.0);
  }
  const QSize size = m_constraints->Constrain(QSize(std::max(0, width), std::max(0, height)));
  ChangeBounds(left, top, size.width(), size.height());
}

void TControl::SetAnchors(TAnchors anchors) {
  if (anchors == m_anchors) return;
  m_anchors = anchors;
  UpdateAnchorRules();
}

void TControl::SetAlign(TAlign align) {
  if (align == m_align) return;
  m_align = align;
  if (m_parent) m_parent->AlignControls();
}

void TControl::SetVisible(bool value) {
  if (value == m_visible) return;
  m_visible = value;
  VisibleChanged();
}

void TControl::VisibleChanged() {
  SyncVisibility();
  if (m_parent && m_align != TAlign::alNone) m_parent->AlignControls();
}

bool TControl::Showing() const {
  if (!(m_visible || IsDesigning())) return false;
  if (m_widget) return m_widget->isVisible();
  return m_parent ? m_parent->Showing() : false;
}

void TControl::SetEnabled(bool value) {
  if (value == m_enabled) return;
  m_enabled = value;
  if (m_widget) m_widget->setEnabled(value);
  EnabledChanged();
}

void TControl::SetText(const QString& value) {
  if (value == m_text) return;
  m_text = value;
  TextChanged();
  AdjustSize();
}

void TControl::SetParentFont(bool value) {
  if (value == m_parentFont) return;
  m_parentFont = value;
  if (value && m_parent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!m_parentFont || !m_parent) return;
  const TScopedValue applying(m_applyingParentFont, true);
  m_font->Assign(&m_parent->Font());
}

void TControl::FontChanged() {
  if (!m_applyingParentFont) m_parentFont = false;
  SyncFont();
  AdjustSize();
  Invalidate();
}

void TControl::SetColor(TColor value) {
  if (value == m_color && !m_parentColor) return;
  m_color = value;
  m_parentColor = false;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (value == m_parentColor) return;
  m_parentColor = value;
  if (value && m_parent) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!m_parentColor || !m_parent) return;
  m_color = m_parent->Color();
  ColorChanged();
}

void TControl::ColorChanged() {
  SyncColor();
  Invalidate();
}

void TControl::SetShowHint(bool value) {
  m_showHint = value;
  m_parentShowHint = false;
}

void TControl::SetParentShowHint(bool value) { m_parentShowHint = value; }

bool TControl::EffectiveShowHint() const {
  if (m_parentShowHint && m_parent) return m_parent->EffectiveShowHint();
  return m_showHint;
}

void TControl::SetCursor(TCursor value) {
  m_cursor = value;
  if (m_widget) m_widget->setCursor(CursorShape(value));
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (m_popupMenu == value) return;
  if (m_popupMenu) m_popupMenu->RemoveFreeNotification(this);
  m_popupMenu = value;
  if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_popupMenu) m_popupMenu = nullptr;
}

void TControl::BringToFront() {
  if (m_parent) m_parent->ReorderControl(this, m_parent->ControlCount() - 1);
}

void TControl::SendToBack() {
  if (m_parent) m_parent->ReorderControl(this, 0);
}

void TControl::Invalidate() {
  if (m_widget) m_widget->update();
}

void TControl::Repaint() {
  if (m_widget) m_widget->repaint();
}

void TControl::Update() {
  if (m_widget && m_widget->isVisible()) m_widget->repaint();
}

bool TControl::MouseCapture() const { return g_captureControl == this; }

void TControl::SetMouseCapture(bool value) {
  if (value) {
    if (g_captureControl && g_captureControl != this) g_captureControl->SetMouseCapture(false);
    g_captureControl = this;
    if (m_widget && m_widget->isVisible()) m_widget->grabMouse();
  } else if (g_captureControl == this) {
    g_captureControl = nullptr;
    if (m_widget) m_widget->releaseMouse();
    if (!IsDestroying()) {
      TMessage m;
      m.Kind = TMessageKind::CaptureChanged;
      Dispatch(m);
    }
  }
}

TControl* TControl::CaptureControl() { return g_captureControl; }

void TControl::SendRequest(int number, intptr_t param) {
  TMessage m;
  m.Kind = TMessageKind::Request;
  m.Request = number;
  m.Param = param;
  Dispatch(m);
}

void TControl::PostRequest(int number, intptr_t param) {
  if (m_adapter) m_adapter->Post(number, param);
}

TCustomForm* TControl::ParentForm() const {
  TControl* c = const_cast<TControl*>(this);
  while (c->m_parent) c = c->m_parent;
  return dynamic_cast<TCustomForm*>(c);
}

IDesignerHook* TControl::DesignHook() const {
  // The nearest form up the parent chain that carries a hook.
  for (const TControl* c = this; c; c = c->m_parent)
    if (const auto* form = dynamic_cast<const TCustomForm*>(c); form && form->Designer()) return form->Designer();
  return nullptr;
}

bool TControl::Dispatch(TMessage& message) {
  if (IsDesigning()) {
    if (IDesignerHook* hook = DesignHook(); hook && hook->HookMessage(this, message)) return true;
    // At design time a control shows itself but does not react.
    switch (message.Kind) {
      case TMessageKind::WindowPosChanged:
      case TMessageKind::Request:
      case TMessageKind::MouseEnter:
      case TMessageKind::MouseLeave:
        break;
      default:
        return true;
    }
  }
  return WndProc(message);
}

bool TControl::WndProc(TMessage& m) {
  switch (m.Kind) {
    case TMessageKind::MouseDown:
      MouseDown(m.Button, m.Shift, m.Pos.x(), m.Pos.y());
      return false;
    case TMessageKind::MouseUp:
      MouseUp(m.Button, m.Shift, m.Pos.x(), m.Pos.y());
      if (m_clickEvents && m.Button == TMouseButton::mbLeft && m_widget &&
          QRect(QPoint(0, 0), QSize(m_width, m_height)).contains(m.Pos))
        Click();
      return false;
    case TMessageKind::MouseDblClick:
      MouseDown(m.Button, m.Shift, m.Pos.x(), m.Pos.y());
      if (m.Button == TMouseButton::mbLeft) DblClick();
      return false;
    case TMessageKind::MouseMove:
      MouseMove(m.Shift, m.Pos.x(), m.Pos.y());
      return false;
    case TMessageKind::ContextPopup:
      if (m_popupMenu && m_popupMenu->AutoPopup()) {
        m_popupMenu->SetPopupComponent(this);
        m_popupMenu->Popup(m.ScreenPos.x(), m.ScreenPos.y());
        return true;
      }
      return false;
    case TMessageKind::Request:
      HandleRequest(m.Request, m.Param);
      return true;
    default:
      return false;
  }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::HandleRequest(int, intptr_t) {}

void TControl::DesigningChanged() {
  SyncVisibility();
  SyncFocusPolicy();
  SyncInnerCursors();
}

namespace {

// The widgets inside a control's widget that belong to it, not to a child
// control or to whoever placed a foreign widget there.
void CollectInnerWidgets(const QWidget* widget, const TControl* control, QList<QWidget*>& inner) {
  for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const TControl* owner = TControl::FromWidget(child);
    if ((owner && owner != control) || TControlAdapter::IsForeign(child)) continue;
    inner << child;
    CollectInnerWidgets(child, control, inner);
  }
}

}  // namespace

void TControl::SyncInnerCursors() {
  if (!m_widget) return;
  if (!IsDesigning()) {
    for (auto& [widget, cursor] : m_cursorsBeforeDesign) {
      if (!widget) continue;
      if (cursor) widget->setCursor(*cursor);
      else widget->unsetCursor();
    }
    m_cursorsBeforeDesign.clear();
    return;
  }
  if (!m_cursorsBeforeDesign.empty()) return;
  QList<QWidget*> inner;
  CollectInnerWidgets(m_widget, this, inner);
  for (QWidget* widget : inner) {
    std::optional<QCursor> own;
    if (widget->testAttribute(Qt::WA_SetCursor)) own = widget->cursor();
    m_cursorsBeforeDesign.emplace_back(widget, own);
    widget->setCursor(CursorShape(m_cursor));
  }
}

void TControl::SyncGeometry() {
  if (m_widget && !m_widget->isWindow())
    m_widget->setGeometry(m_left, m_top, std::max(0, m_width), std::max(0, m_height));
}

void TControl::SyncVisibility() {
  if (!m_widget || m_widget->isWindow()) return;
  // Hidden controls show at design time, so that they can be designed.
  const bool show = (m_visible || IsDesigning()) && m_parent;
  m_widget->setVisible(show);
}

void TControl::SyncFont() {
  if (!m_widget) return;
  m_widget->setFont(m_font->ToQFont());
  QPalette p = m_widget->palette();
  const QColor text = ColorToQColor(m_font->Color());
  // The disabled look keeps the style's grey text.
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::WindowText, text);
    p.setColor(group, QPalette::Text, text);
    p.setColor(group, QPalette::ButtonText, text);
  }
  m_widget->setPalette(p);
}

void TControl::SyncColor() {}

void TControl::ApplyPalette(QPalette::ColorRole background, bool fillBackground) {
  if (!m_widget) return;
  QPalette p = m_widget->palette();
  p.setColor(background, ColorToQColor(m_color));
  m_widget->setPalette(p);
  m_widget->setAutoFillBackground(fillBackground);
}

void TControl::SyncFocusPolicy() {
  if (!m_widget) return;
  if (IsDesigning() && !dynamic_cast<TCustomForm*>(this)) {
    if (!m_focusPolicyBeforeDesign) m_focusPolicyBeforeDesign = m_widget->focusPolicy();
    m_widget->setFocusPolicy(Qt::NoFocus);
    if (m_widget->hasFocus()) m_widget->clearFocus();
  } else if (m_focusPolicyBeforeDesign) {
    m_widget->setFocusPolicy(*m_focusPolicyBeforeDesign);
    m_focusPolicyBeforeDesign.reset();
  }
}

void TControl::WindowGeometryChanged() {
  if (!m_widget) return;
  const QRect g = m_widget->geometry();
  const bool sized = g.width() != m_width || g.height() != m_height;
  m_left = g.left();
  m_top = g.top();
  m_width = g.width();
  m_height = g.height();
  BoundsChanged(sized);
  if (sized && !IsLoading()) Resize();
}
