#include "designer/ELSelection.h"

#include "designer/DesignEngine.h"
#include "designer/ELDesigner.h"
#include "toolkit/Application.h"
#include "toolkit/ControlAdapter.h"
#include "toolkit/WinControl.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <exception>

namespace {

TCursor ResizeCursor(THandlePosition position) {
  switch (position) {
    case THandlePosition::hpTopLeft:
    case THandlePosition::hpBottomRight: return crSizeNWSE;
    case THandlePosition::hpTop:
    case THandlePosition::hpBottom: return crSizeNS;
    case THandlePosition::hpTopRight:
    case THandlePosition::hpBottomLeft: return crSizeNESW;
    default: return crSizeWE;
  }
}

}  // namespace

// ---- TDSelCtrlItemPoint ----

TDSelCtrlItemPoint::TDSelCtrlItemPoint(TDSelCtrlItem& item, THandlePosition position)
    : m_item(item), m_position(position) {
  // The handle sits in the control's parent but takes its own presses.
  TControlAdapter::MarkForeign(this);
  setAttribute(Qt::WA_NoMousePropagation);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void TDSelCtrlItemPoint::UpdateHandle() {
  const TControl* control = m_item.Control();
  const TWinControl* parent = control->Parent();
  QWidget* window = parent ? parent->ClientWidget() : nullptr;
  if (!window) {
    // Without a window to sit in the handle keeps its state, unshown.
    hide();
    return;
  }
  if (parentWidget() != window) setParent(window);
  const TELDesignerSelectedControls& selection = m_item.Selection();
  const TELCustomDesigner& designer = selection.Designer();
  const THandleMode mode = m_item.Mode();
  const bool single = mode == THandleMode::hmSingle;
  const TELDesignerLocks locks = ControlLocks(*control);
  if (selection.Focused()) {
    m_borderColor = single ? designer.HandleBorderClr() : designer.MultySelectHandleBorderClr();
    m_fillColor = single ? designer.HandleClr() : designer.MultySelectHandleClr();
    if (locks.Contains(TELDesignerLock::dlNoMove)) m_fillColor = designer.LockedHandleClr();
    if (locks.Contains(TELDesignerLock::dlNoResize)) m_borderColor = designer.LockedHandleClr();
  } else {
    m_borderColor = single ? designer.InactiveHandleBorderClr() : designer.MultySelectHandleBorderClr();
    m_fillColor = single ? designer.InactiveHandleClr() : designer.MultySelectHandleClr();
  }
  const QPoint origin = HandleOrigin(mode, m_position, control->BoundsRect());
  setGeometry(origin.x(), origin.y(), kHandleSize, kHandleSize);
  raise();
  m_cursor = single && !locks.Contains(TELDesignerLock::dlNoResize) ? ResizeCursor(m_position) : crDefault;
  setCursor(CursorShape(m_cursor));
  setVisible(HandleShows(mode, m_position));
  update();
}

void TDSelCtrlItemPoint::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(&painter);
  canvas.Pen().SetColor(m_borderColor);
  canvas.Brush().SetColor(m_fillColor);
  canvas.Rectangle(0, 0, kHandleSize, kHandleSize);
}

void TDSelCtrlItemPoint::mousePressEvent(QMouseEvent* event) {
  // The press stays with the handle: the control beneath must not see it.
  event->accept();
  if (event->button() != Qt::LeftButton || m_item.Mode() != THandleMode::hmSingle) return;
  m_item.SetActiveHandle(m_position);
  TELCustomDesigner& designer = m_item.Selection().Designer();
  TWinControl* root = designer.DesignControl();
  if (!root) return;
  TMessage request;
  request.Kind = TMessageKind::Request;
  request.Request = kResizeStartRequest;
  request.Param = reinterpret_cast<intptr_t>(m_item.Control());
  request.ScreenPos = event->globalPosition().toPoint();
  Application().Guard([&] { root->Dispatch(request); });
}

// ---- TDSelCtrlItem ----

TDSelCtrlItem::TDSelCtrlItem(TELDesignerSelectedControls& selection, TControl* control)
    : m_selection(selection), m_control(control) {
  m_selection.Designer().Watch(control);
}

TDSelCtrlItem::~TDSelCtrlItem() {
  if (!m_controlGone) m_selection.Designer().Unwatch(m_control);
  for (QPointer<TDSelCtrlItemPoint>& handle : m_handles) delete handle.data();
}

void TDSelCtrlItem::SetMode(THandleMode mode) {
  if (mode == m_mode) return;
  m_mode = mode;
  UpdateHandles();
}

TDSelCtrlItemPoint& TDSelCtrlItem::Handle(THandlePosition position) {
  QPointer<TDSelCtrlItemPoint>& handle = m_handles[static_cast<size_t>(position)];
  if (!handle) handle = new TDSelCtrlItemPoint(*this, position);
  return *handle;
}

void TDSelCtrlItem::UpdateHandles() {
  if (m_controlGone) return;
  // Handle windows are made when they first show and only moved afterwards.
  for (int i = 0; i < kHandleCount; ++i) {
    const auto position = static_cast<THandlePosition>(i);
    if (m_handles[static_cast<size_t>(i)] || HandleShows(m_mode, position)) Handle(position).UpdateHandle();
  }
}

// ---- TELDesignerSelectedControls ----

TELDesignerSelectedControls::TELDesignerSelectedControls(TELCustomDesigner& designer) : m_designer(designer) {}

TELDesignerSelectedControls::~TELDesignerSelectedControls() {
  m_destroying = true;
  m_items.clear();
}

TControl* TELDesignerSelectedControls::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return m_items[static_cast<size_t>(index)]->Control();
}

int TELDesignerSelectedControls::IndexOf(const TControl* control) const {
  for (int i = 0; i < Count(); ++i)
    if (m_items[static_cast<size_t>(i)]->Control() == control) return i;
  return -1;
}

TControl* TELDesignerSelectedControls::PrimaryControl() const {
  return m_items.empty() ? nullptr : m_items.back()->Control();
}

TDSelCtrlItem* TELDesignerSelectedControls::Item(const TControl* control) const {
  const int index = IndexOf(control);
  return index < 0 ? nullptr : m_items[static_cast<size_t>(index)].get();
}

void TELDesignerSelectedControls::CheckActive() const { m_designer.CheckActive(true); }

void TELDesignerSelectedControls::CheckSelectable(TControl* control) const {
  const TDEng* engine = m_designer.Engine();
  if (!control || !engine || !engine->IsDesignable(control))
    throw EELDesigner(Format("Control '%S' can not be selected", {control ? control->Name() : QString()}));
}

int TELDesignerSelectedControls::Add(TControl* control) {
  CheckActive();
  const int index = IndexOf(control);
  if (index >= 0) return index;
  CheckSelectable(control);
  m_items.push_back(std::make_unique<TDSelCtrlItem>(*this, control));
  Changed();
  return Count() - 1;
}

void TELDesignerSelectedControls::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  DeleteItem(index);
}

void TELDesignerSelectedControls::DeleteItem(int index) {
  std::unique_ptr<TDSelCtrlItem> item = std::move(m_items[static_cast<size_t>(index)]);
  m_items.erase(m_items.begin() + index);
  item.reset();
  Changed();
}

void TELDesignerSelectedControls::Remove(TControl* control) {
  const int index = IndexOf(control);
  if (index >= 0) DeleteItem(index);
}

void TELDesignerSelectedControls::SelectOnly(TControl* control) {
  if (!m_destroying) CheckActive();
  if (control && IndexOf(control) < 0) CheckSelectable(control);
  TSelectionUpdate update(*this);
  while (!m_items.empty() && m_items.front()->Control() != control) DeleteItem(0);
  while (m_items.size() > 1) DeleteItem(1);
  if (m_items.empty() && control) Add(control);
}

void TELDesignerSelectedControls::SetControls(const std::vector<TControl*>& controls) {
  CheckActive();
  TSelectionUpdate update(*this);
  for (int i = Count() - 1; i >= 0; --i)
    if (std::find(controls.begin(), controls.end(), Items(i)) == controls.end()) DeleteItem(i);
  for (TControl* control : controls) Add(control);
}

std::vector<TControl*> TELDesignerSelectedControls::GetControls() const {
  std::vector<TControl*> controls;
  controls.reserve(m_items.size());
  for (const auto& item : m_items) controls.push_back(item->Control());
  return controls;
}

void TELDesignerSelectedControls::KeepChildrenOf(const TWinControl* parent) {
  CheckActive();
  TSelectionUpdate update(*this);
  for (int i = Count() - 1; i >= 0; --i)
    if (Items(i)->Parent() != parent) DeleteItem(i);
}

void TELDesignerSelectedControls::EndUpdate() {
  if (m_updateDepth > 0) --m_updateDepth;
  if (m_updateDepth == 0 && m_changePending) Changed();
}

void TELDesignerSelectedControls::Changed() {
  if (m_updateDepth > 0) {
    m_changePending = true;
    return;
  }
  m_changePending = false;
  if (m_destroying) return;
  for (const auto& item : m_items) {
    // Modes first, quietly: every handle is updated once below.
    const THandleMode mode = !m_handlesVisible || item->Control() == m_rootControl ? THandleMode::hmNone
                             : m_items.size() == 1                                 ? THandleMode::hmSingle
                                                                                   : THandleMode::hmMulti;
    if (mode != item->Mode()) item->m_mode = mode;
  }
  UpdateHandles();
  m_designer.DoChangeSelection();
}

void TELDesignerSelectedControls::UpdateModes() {
  for (const auto& item : m_items) {
    if (!m_handlesVisible || item->Control() == m_rootControl)
      item->SetMode(THandleMode::hmNone);
    else
      item->SetMode(m_items.size() == 1 ? THandleMode::hmSingle : THandleMode::hmMulti);
  }
}

void TELDesignerSelectedControls::SetHandlesVisible(bool value) {
  if (value == m_handlesVisible) return;
  m_handlesVisible = value;
  UpdateModes();
}

void TELDesignerSelectedControls::SetFocused(bool value) {
  if (value == m_focused) return;
  m_focused = value;
  UpdateHandles();
}

void TELDesignerSelectedControls::SetRootControl(TControl* control) {
  if (control == m_rootControl) return;
  m_rootControl = control;
  UpdateModes();
}

void TELDesignerSelectedControls::UpdateHandles() {
  for (const auto& item : m_items) item->UpdateHandles();
}

void TELDesignerSelectedControls::UpdateHandles(int index) {
  if (index >= 0 && index < Count()) m_items[static_cast<size_t>(index)]->UpdateHandles();
}

void TELDesignerSelectedControls::ControlGone(const TComponent* component) {
  for (int i = 0; i < Count(); ++i) {
    if (m_items[static_cast<size_t>(i)]->Control() != component) continue;
    m_items[static_cast<size_t>(i)]->ForgetControl();
    DeleteItem(i);
    return;
  }
}

// ---- TSelectionUpdate ----

TSelectionUpdate::~TSelectionUpdate() noexcept(false) {
  if (std::uncaught_exceptions() == m_uncaught) {
    m_selection.EndUpdate();
    return;
  }
  // Leaving with an error already on its way: the report of the change must
  // not replace it.
  try {
    m_selection.EndUpdate();
  } catch (const std::exception& e) {
    Application().HandleException(e);
  }
}
