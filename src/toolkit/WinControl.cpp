#include "toolkit/WinControl.h"

#include "toolkit/Application.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/SysUtils.h"

#include <QPaintEvent>

#include <algorithm>

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info("TWinControl", &TControl::StaticClass());
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  while (!m_controls.empty()) TComponent::Free(m_controls.back());
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return m_controls[static_cast<size_t>(index)];
}

int TWinControl::IndexOfControl(const TControl* control) const {
  const auto it = std::find(m_controls.begin(), m_controls.end(), control);
  return it == m_controls.end() ? -1 : static_cast<int>(it - m_controls.begin());
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* control) {
  m_controls.push_back(control);
  if (auto* win = dynamic_cast<TWinControl*>(control)) m_tabList.push_back(win);
}

void TWinControl::RemoveControl(TControl* control) {
  m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
  m_tabList.erase(std::remove(m_tabList.begin(), m_tabList.end(), control), m_tabList.end());
}

void TWinControl::ReorderControl(TControl* control, int index) {
  const int current = IndexOfControl(control);
  if (current < 0) return;
  index = std::clamp(index, 0, ControlCount() - 1);
  if (index == current) return;
  m_controls.erase(m_controls.begin() + current);
  m_controls.insert(m_controls.begin() + index, control);
  RestackChildren();
}

void TWinControl::RestackChildren() {
  for (TControl* c : m_controls)
    if (c->Widget()) c->Widget()->raise();
}

TControl* TWinControl::ControlAtPos(const QPoint& pos, bool allowDisabled) const {
  for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
    TControl* c = *it;
    if (!(c->Visible() || c->IsDesigning())) continue;
    if (!allowDisabled && !c->Enabled()) continue;
    if (c->BoundsRect().contains(pos)) return c;
  }
  return nullptr;
}

bool TWinControl::Focused() const { return Widget() && Widget()->hasFocus(); }

bool TWinControl::CanFocus() const {
  if (!Widget() || IsDesigning()) return false;
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return Widget()->focusPolicy() != Qt::NoFocus;
}

void TWinControl::SetFocus() {
  if (CanFocus()) Widget()->setFocus(Qt::OtherFocusReason);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->m_tabList;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!Parent()) return;
  auto& list = Parent()->m_tabList;
  const int current = TabOrder();
  if (current < 0) return;
  value = value < 0 || value >= static_cast<int>(list.size()) ? static_cast<int>(list.size()) - 1 : value;
  list.erase(list.begin() + current);
  list.insert(list.begin() + value, this);
  // Qt's focus chain follows the tab list.
  for (size_t i = 1; i < list.size(); ++i)
    if (list[i - 1]->Widget() && list[i]->Widget()) QWidget::setTabOrder(list[i - 1]->Widget(), list[i]->Widget());
}

void TWinControl::SetTabStop(bool value) {
  if (value == m_tabStop) return;
  m_tabStop = value;
  SyncFocusPolicy();
}

void TWinControl::SyncFocusPolicy() {
  if (Widget() && !IsDesigning() && Widget()->focusPolicy() != Qt::NoFocus)
    Widget()->setFocusPolicy(m_tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  TControl::SyncFocusPolicy();
}

void TWinControl::EnableAlign() {
  if (m_alignDisabled > 0 && --m_alignDisabled == 0) AlignControls();
}

void TWinControl::ArrangeAligned(QRect& rect) {
  auto aligned = [&](TAlign a) {
    std::vector<TControl*> list;
    for (TControl* c : m_controls)
      if (c->Align() == a && (c->Visible() || c->IsDesigning())) list.push_back(c);
    // Within one kind, the control nearer to its edge goes first.
    std::stable_sort(list.begin(), list.end(), [a](TControl* x, TControl* y) {
      switch (a) {
        case TAlign::alTop: return x->Top() < y->Top();
        case TAlign::alBottom: return x->Top() + x->Height() > y->Top() + y->Height();
        case TAlign::alLeft: return x->Left() < y->Left();
        case TAlign::alRight: return x->Left() + x->Width() > y->Left() + y->Width();
        default: return false;
      }
    });
    return list;
  };
  for (TControl* c : aligned(TAlign::alTop)) {
    c->ChangeBounds(rect.left(), rect.top(), rect.width(), c->Height());
    rect.setTop(rect.top() + c->Height());
  }
  for (TControl* c : aligned(TAlign::alBottom)) {
    c->ChangeBounds(rect.left(), rect.top() + rect.height() - c->Height(), rect.width(), c->Height());
    rect.setHeight(rect.height() - c->Height());
  }
  for (TControl* c : aligned(TAlign::alLeft)) {
    c->ChangeBounds(rect.left(), rect.top(), c->Width(), rect.height());
    rect.setLeft(rect.left() + c->Width());
  }
  for (TControl* c : aligned(TAlign::alRight)) {
    c->ChangeBounds(rect.left() + rect.width() - c->Width(), rect.top(), c->Width(), rect.height());
    rect.setWidth(rect.width() - c->Width());
  }
  for (TControl* c : aligned(TAlign::alClient)) c->ChangeBounds(rect.left(), rect.top(), rect.width(), rect.height());
}

void TWinControl::AlignControls() {
  if (m_alignDisabled > 0 || m_aligning || IsLoading() || IsDestroying()) return;
  const TScopedValue aligning(m_aligning, true);
  QRect rect = AdjustClientRect(ClientRect());
  ArrangeAligned(rect);
  const QSize client = ClientRect().size();
  for (TControl* c : m_controls)
    if (c->Align() == TAlign::alNone) c->ApplyAnchors(client);
}

void TWinControl::BoundsChanged(bool sizeChanged) {
  if (sizeChanged) AlignControls();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  for (TControl* c : m_controls) c->UpdateAnchorRules();
  AlignControls();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* c : m_controls) c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (TControl* c : m_controls) c->ParentColorChanged();
}

bool TWinControl::WndProc(TMessage& m) {
  switch (m.Kind) {
    case TMessageKind::KeyDown:
    case TMessageKind::SysKeyDown: {
      uint16_t key = m.Key;
      KeyDown(key, m.Shift);
      return key == 0 && m.Key != 0;
    }
    case TMessageKind::KeyUp:
    case TMessageKind::SysKeyUp: {
      uint16_t key = m.Key;
      KeyUp(key, m.Shift);
      return key == 0 && m.Key != 0;
    }
    case TMessageKind::Char: {
      QChar c = m.Char;
      KeyPress(c);
      return c.isNull();
    }
    case TMessageKind::FocusIn:
      DoEnter();
      return false;
    case TMessageKind::FocusOut:
      DoExit();
      return false;
    default:
      return TControl::WndProc(m);
  }
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(QChar& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// ---- painting controls ----

TPaintWidget::TPaintWidget(Painter painter) : m_painter(std::move(painter)) {}

void TPaintWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  Application().Guard([&] { m_painter(painter, event->rect()); });
}

void PrepareControlCanvas(TCanvas& canvas, TControl& control) {
  canvas.Font().Assign(&control.Font());
  canvas.Brush().SetColor(control.Color());
}

namespace {

// Paints a control through a canvas over the painter; `slot` holds the
// canvas while the control paints.
void PaintThroughCanvas(TControl& control, QPainter& painter, TCanvas*& slot, const std::function<void()>& paint) {
  TCanvas canvas(&painter);
  PrepareControlCanvas(canvas, control);
  const TScopedValue painting(slot, &canvas);
  paint();
}

TCanvas& PaintingCanvas(TCanvas* slot, const TControl& control) {
  if (!slot) throw EInvalidOperation(Format("%s can only draw while it paints", {control.ClassName()}));
  return *slot;
}

}  // namespace

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo info("TCustomControl", &TWinControl::StaticClass());
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
  auto* widget = new TPaintWidget([this](QPainter& p, const QRect& clip) { PaintWith(p, clip); });
  widget->setFocusPolicy(Qt::ClickFocus);
  AttachWidget(widget);
}

TCanvas& TCustomControl::Canvas() { return PaintingCanvas(m_canvas, *this); }

void TCustomControl::PaintWith(QPainter& painter, const QRect&) {
  PaintThroughCanvas(*this, painter, m_canvas, [this] { Paint(); });
}

void TCustomControl::Paint() {
  Canvas().FillRect(ClientRect());
}

void TCustomControl::SyncColor() { Invalidate(); }

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info("TGraphicControl", &TControl::StaticClass());
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {
  auto* widget = new TPaintWidget([this](QPainter& p, const QRect& clip) { PaintWith(p, clip); });
  widget->setFocusPolicy(Qt::NoFocus);
  AttachWidget(widget);
}

TCanvas& TGraphicControl::Canvas() { return PaintingCanvas(m_canvas, *this); }

void TGraphicControl::PaintWith(QPainter& painter, const QRect&) {
  PaintThroughCanvas(*this, painter, m_canvas, [this] { Paint(); });
}
