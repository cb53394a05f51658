#include "designer/DesignEngine.h"

#include "designer/DesignDrag.h"
#include "designer/DesignHint.h"
#include "designer/ELDesignPanel.h"
#include "designer/ELSelection.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"

#include <QWidget>

#include <exception>

namespace {

// Whether anything the control would take with it when destroyed (its child
// controls and the components it owns, at every depth) carries a lock.
bool TreeHasLock(const TControl& control, TELDesignerLock lock) {
  if (ControlLocks(control).Contains(lock)) return true;
  if (const auto* container = dynamic_cast<const TWinControl*>(&control))
    for (int i = 0; i < container->ControlCount(); ++i)
      if (TreeHasLock(*container->Controls(i), lock)) return true;
  for (int i = 0; i < control.ComponentCount(); ++i)
    if (const auto* owned = dynamic_cast<const TControl*>(control.Components(i)); owned && TreeHasLock(*owned, lock))
      return true;
  return false;
}

TArrowDirection DirectionOf(uint16_t key) {
  switch (key) {
    case VK_LEFT: return TArrowDirection::Left;
    case VK_UP: return TArrowDirection::Up;
    case VK_RIGHT: return TArrowDirection::Right;
    default: return TArrowDirection::Down;
  }
}

}  // namespace

// ---- life ----

TDEng::TDEng(TELCustomDesigner& designer)
    : m_designer(designer),
      m_selection(designer.SelectedControls()),
      m_designControl(designer.DesignControl()),
      m_hint(std::make_unique<TDEngHint>(*this)) {
  try {
    TWinControl* root = m_designControl;
    if (auto* form = dynamic_cast<TCustomForm*>(root)) {
      m_host = form;
    } else {
      m_panel = designer.DesignPanel();
      m_panelSurface = &m_panel->Surface();
      m_host = m_panelSurface;
      m_panel->SetEngine(this);
      m_formerParent = root->Parent();
      m_formerLeft = root->Left();
      m_formerTop = root->Top();
      if (m_formerParent) m_designer.Watch(m_formerParent);
      root->SetParent(m_host);
      root->SetBounds(0, 0, root->Width(), root->Height());
    }
    m_host->SetDesigner(this);
    m_host->SetDesigning(true, false);
    root->SetDesigning(true, true);
    root->SetRenameCheck([this](TComponent* component, const QString& currentName, const QString& newName) {
      HookValidateRename(component, currentName, newName);
    });
    if (QWidget* w = m_host->Widget()) {
      m_hostAcceptedDrops = w->acceptDrops();
      w->setAcceptDrops(true);
    }
    m_host->SetActiveControl(nullptr);
    const bool focused =
        m_panel ? m_panel->Widget()->hasFocus() || m_host->Widget()->hasFocus() : Application().ActiveForm() == m_host;
    m_selection.SetFocused(focused);
  } catch (...) {
    Leave();
    throw;
  }
}

TDEng::~TDEng() {
  try {
    CancelDrag();
  } catch (const std::exception& e) {
    Application().HandleException(e);
  }
  Leave();
}

void TDEng::Leave() {
  m_drag.reset();
  m_hint->Hide();
  for (TComponent* control : std::as_const(m_pendingFollow)) m_designer.Unwatch(control);
  m_pendingFollow.clear();
  SetLastHinted(nullptr);
  TWinControl* root = DesignControlIfAlive();
  if (m_host && (root || m_host != m_designControl)) {
    m_host->SetDesigning(false, false);
    if (m_host->Designer() == this) m_host->SetDesigner(nullptr);
    if (QWidget* w = m_host->Widget()) w->setAcceptDrops(m_hostAcceptedDrops);
  }
  if (root) {
    if (root->RenameCheck()) root->SetRenameCheck({});
    root->SetDesigning(false, true);
    if (m_panel) {
      // Back where it was; a former parent that went or is going gets nothing.
      TWinControl* parent = m_formerParent && !m_formerParent->IsDestroying() ? m_formerParent : nullptr;
      root->SetParent(parent);
      root->SetBounds(m_formerLeft, m_formerTop, root->Width(), root->Height());
    }
  }
  if (m_formerParent) m_designer.Unwatch(m_formerParent);
  m_formerParent = nullptr;
  if (m_panel && m_panel->Engine() == this) m_panel->SetEngine(nullptr);
  m_gridTile = QImage();
}

// ---- designable controls ----

bool TDEng::IsDesignable(const TControl* control) const {
  if (!control) return false;
  return control == m_designControl || (control->IsDesigning() && control->Owner() == m_designControl);
}

TControl* TDEng::DesignableAncestor(TControl* control) const {
  for (TControl* c = control; c; c = c->Parent())
    if (IsDesignable(c)) return c;
  return nullptr;
}

TControl* TDEng::ControlAtScreen(const QPoint& screenPos) const {
  QPoint pos = m_host->ScreenToClient(screenPos);
  if (!m_host->ClientRect().contains(pos)) return nullptr;
  TControl* found = m_host;
  TWinControl* container = m_host;
  while (container) {
    TControl* child = container->ControlAtPos(pos, true);
    if (!child) break;
    found = child;
    pos -= QPoint(child->Left(), child->Top());
    container = dynamic_cast<TWinControl*>(child);
  }
  return found;
}

// ---- the hook ----

bool TDEng::HookMessage(TControl* control, TMessage& m) {
  if (!control) return false;
  // Input that hides a control hint passes the hint's application-wide
  // filter before it gets here.
  switch (m.Kind) {
    case TMessageKind::FocusIn: m_selection.SetFocused(true); return false;
    case TMessageKind::FocusOut: m_selection.SetFocused(false); return false;
    case TMessageKind::Close:
      if (control == m_designControl && control == m_host) DesignFormClose();
      return true;
    case TMessageKind::WindowPosChanged: PostFollow(control); return false;
    case TMessageKind::CaptureChanged:
      if (Dragging() && control == m_designControl) CancelDrag();
      return false;
    case TMessageKind::Request:
      if (m.Request == kFollowControlRequest) {
        Follow(m.Param);
        return false;
      }
      if (m.Request == kResizeStartRequest || m.Request == kCancelDragRequest) return HookMouse(control, m);
      return false;
    case TMessageKind::KeyDown:
    case TMessageKind::KeyUp:
    case TMessageKind::Char:
    case TMessageKind::SysKeyDown:
    case TMessageKind::SysKeyUp: HookKey(m); return true;
    case TMessageKind::MouseMove:
    case TMessageKind::MouseDown:
    case TMessageKind::MouseUp:
    case TMessageKind::MouseDblClick:
    case TMessageKind::MouseWheel: {
      const bool claimed = HookMouse(control, m);
      if (m.Kind == TMessageKind::MouseUp && m.Button == TMouseButton::mbRight) {
        if (!Dragging()) m_designer.DoContextPopup(m.ScreenPos);
        return true;
      }
      return claimed;
    }
    case TMessageKind::DragEnter:
    case TMessageKind::DragMove:
    case TMessageKind::DragLeave:
    case TMessageKind::DragDrop: HookDrag(control, m); return true;
    default: return false;
  }
}

void TDEng::HookNotification(TPersistent* object, TOperation operation) {
  m_designer.DoNotification(object, operation);
}

void TDEng::HookModified() {
  m_selection.UpdateHandles();
  m_designer.DoModified();
}

void TDEng::HookValidateRename(TComponent* component, const QString&, const QString& newName) {
  const auto* control = dynamic_cast<const TControl*>(component);
  if (!control || !IsDesignable(control) || newName.isEmpty()) return;
  bool valid = IsValidIdent(newName);
  if (valid) m_designer.DoValidateName(newName, valid);
  if (!valid) throw EELDesigner(Format("''%s'' is not a valid component name", {newName}));
  // The component itself may take its own name in other letter case.
  const TComponent* existing = m_designControl->FindComponent(newName);
  if (existing && existing != component) throw EELDesigner(Format("A component named %s already exists", {newName}));
}

QString TDEng::HookUniqueName(const QString& baseName) const {
  QString unique;
  m_designer.DoGetUniqueName(baseName, unique);
  if (!unique.isEmpty()) return unique;
  const bool classPrefix =
      baseName.size() >= 2 && (baseName.front() == QLatin1Char('T') || baseName.front() == QLatin1Char('t'));
  const QString stem = classPrefix ? baseName.mid(1) : baseName;
  for (int64_t n = 1;; ++n) {
    const QString candidate = stem + QString::number(n);
    if (!m_designControl->FindComponent(candidate)) return candidate;
  }
}

void TDEng::SetLocks(TControl* control, TELDesignerLocks locks) {
  if (!IsDesignable(control) || control == m_designControl) return;
  SetControlLocks(*control, locks);
  m_selection.UpdateHandles();
}

void TDEng::ControlGone(const TComponent* component) {
  if (component == m_designControl) m_designControlGone = true;
  if (component == m_formerParent) m_formerParent = nullptr;
  if (component == m_lastHinted) m_lastHinted = nullptr;
  m_hint->ControlGone(component);
  m_pendingFollow.remove(const_cast<TComponent*>(component));
  if (m_drag && m_drag->ControlGone(component)) {
    std::unique_ptr<TDEngDrag> drag = std::move(m_drag);
    drag->Handler().Cancel(drag->Canvas());
  }
}

// ---- following moved controls ----

void TDEng::PostFollow(TControl* control) {
  if (m_pendingFollow.contains(control)) return;
  m_pendingFollow.insert(control);
  m_designer.Watch(control);
  m_host->PostRequest(kFollowControlRequest, reinterpret_cast<intptr_t>(control));
}

void TDEng::Follow(intptr_t param) {
  // Only a control still waiting is looked at: one that went was forgotten.
  TComponent* control = reinterpret_cast<TControl*>(param);
  if (!m_pendingFollow.remove(control)) return;
  m_designer.Unwatch(control);
  m_selection.UpdateHandles(m_selection.IndexOf(static_cast<TControl*>(control)));
}

// ---- mouse ----

bool TDEng::HookMouse(TControl* control, TMessage& m) {
  const bool resizeStart = m.Kind == TMessageKind::Request && m.Request == kResizeStartRequest;
  const bool claimed = Dragging() || resizeStart || !control->DesignWantsMouse(m);
  if (m.IsMouse()) m_pointer = m.ScreenPos;
  switch (m.Kind) {
    case TMessageKind::MouseDown:
      // A drag owns the mouse until it ends: other buttons change nothing.
      if (!Dragging() && (m.Button == TMouseButton::mbLeft || m.Button == TMouseButton::mbRight))
        Press(control, m, claimed);
      break;
    case TMessageKind::MouseMove:
      if (!Dragging())
        TrackControlHint(control, m, claimed);
      else if (!m.Shift.Contains(TShiftStateFlag::ssLeft))
        EndDrag(m.ScreenPos, false);  // the release went astray
      else
        DragTo(m.ScreenPos);
      break;
    case TMessageKind::MouseUp:
      if (m.Button == TMouseButton::mbLeft && Dragging()) EndDrag(m.ScreenPos, true);
      break;
    case TMessageKind::MouseDblClick:
      if (m.Button == TMouseButton::mbLeft && !Dragging()) m_designer.DoDblClick();
      break;
    case TMessageKind::Request:
      if (resizeStart && !Dragging()) StartResize(reinterpret_cast<TControl*>(m.Param), m.ScreenPos);
      if (m.Request == kCancelDragRequest && Dragging() && (m.Param == 0 || m_drag->IsDeactivationRequest(m.Param)))
        CancelDrag();
      break;
    default: break;
  }
  return claimed;
}

void TDEng::Press(TControl* control, const TMessage& m, bool claimed) {
  if (m_panelSurface) m_panelSurface->FocusSurface();
  if (control == m_host && m_host != m_designControl) return;
  if (m.Button == TMouseButton::mbLeft && TryInsert(control, m.ScreenPos)) return;
  TControl* target = DesignableAncestor(control);
  if (!target) return;
  if (m.Shift.Contains(TShiftStateFlag::ssShift)) {
    ShiftPress(target);
    return;
  }
  if (target == m_designControl || m.Shift.Contains(TShiftStateFlag::ssCtrl)) {
    m_selection.SelectOnly(m_designControl);
    if (claimed && m.Button == TMouseButton::mbLeft) StartBand(target, m.ScreenPos);
    return;
  }
  PressSelect(target, m, claimed);
}

void TDEng::PressSelect(TControl* target, const TMessage& m, bool claimed) {
  TSelectionUpdate update(m_selection);
  std::vector<TControl*> list{target};
  if (m_selection.IndexOf(target) >= 0) {
    // Pressing a selected control moves it with its selected siblings.
    m_selection.KeepChildrenOf(target->Parent());
    list = m_selection.GetControls();
  }
  auto locked = [](const TControl* c) { return ControlLocks(*c).Contains(TELDesignerLock::dlNoMove); };
  TWinControl* container = target->Parent();
  const bool movable =
      !locked(target) && std::any_of(list.begin(), list.end(), [&](TControl* c) { return !locked(c); });
  if (!claimed || m.Button != TMouseButton::mbLeft || !movable || !container) {
    m_selection.SetControls(list);
    return;
  }
  std::erase_if(list, locked);
  BeginDrag(*container, true, false, false, false, std::make_unique<TMoveDragHandler>(*this, *container), m.ScreenPos,
            [&] { m_selection.SetControls(list); });
}

void TDEng::ShiftPress(TControl* target) {
  TSelectionUpdate update(m_selection);
  if (m_selection.IndexOf(target) < 0) {
    if (target == m_designControl && m_selection.Count() > 0) return;
    m_selection.Add(target);
    // A control added to the frame alone replaces the frame.
    if (target != m_designControl) m_selection.Remove(m_designControl);
  } else {
    m_selection.Remove(target);
    if (m_selection.Count() == 0) m_selection.Add(m_designControl);
  }
}

bool TDEng::TryInsert(TControl* pressed, const QPoint& screenPos) {
  TWinControl* container = nullptr;
  for (TControl* c = pressed; c; c = c->Parent()) {
    auto* win = dynamic_cast<TWinControl*>(c);
    if (win && (win->AcceptsControls() || win == m_host)) {
      container = win;
      break;
    }
  }
  if (!container || ControlLocks(*container).Contains(TELDesignerLock::dlNoInsertInto)) return false;
  const TClassInfo* controlClass = nullptr;
  m_designer.DoControlInserting(controlClass);
  if (!controlClass) return false;
  BeginDrag(*container, true, false, true, false,
            std::make_unique<TInsertDragHandler>(*this, *container, *controlClass), screenPos);
  return true;
}

void TDEng::StartResize(TControl* control, const QPoint& screenPos) {
  if (!control || ControlLocks(*control).Contains(TELDesignerLock::dlNoResize)) return;
  TControl* target = DesignableAncestor(control);
  if (!target || !target->Parent()) return;
  const TDSelCtrlItem* item = m_selection.Item(control);
  const THandlePosition handle = item ? item->ActiveHandle() : THandlePosition::hpTopLeft;
  const bool lockX = handle == THandlePosition::hpTop || handle == THandlePosition::hpBottom;
  const bool lockY = handle == THandlePosition::hpRight || handle == THandlePosition::hpLeft;
  BeginDrag(*target->Parent(), true, lockX, false, lockY, std::make_unique<TResizeDragHandler>(*this), screenPos,
            [&] { m_selection.SelectOnly(target); });
}

void TDEng::StartBand(TControl* pressed, const QPoint& screenPos) {
  for (TControl* c = pressed; c; c = c->Parent()) {
    auto* container = dynamic_cast<TWinControl*>(c);
    if (!IsDesignable(c) || !container || !container->AcceptsControls()) continue;
    BeginDrag(*container, false, false, false, false, std::make_unique<TBandDragHandler>(*this, *container), screenPos);
    return;
  }
}

void TDEng::BeginDrag(TWinControl& container, bool snap, bool lockX, bool alignStart, bool lockY,
                      std::unique_ptr<TDEngDragHandler> handler, const QPoint& screenPos,
                      const std::function<void()>& prepare) {
  QPoint start = screenPos;
  if (alignStart && m_designer.SnapToGrid()) {
    const QPoint onHost = m_host->ScreenToClient(start);
    const TELDesignerGrid& grid = m_designer.Grid();
    start = m_host->ClientToScreen(
        QPoint(AlignToGrid(onHost.x(), grid.XStep(), m_host->HorzScrollBarObject()->Position()),
               AlignToGrid(onHost.y(), grid.YStep(), m_host->VertScrollBarObject()->Position())));
  }
  auto drag = std::make_unique<TDEngDrag>(*this, container, snap, lockX, lockY, screenPos, start);
  if (prepare) prepare();
  drag->SetHandler(std::move(handler));
  drag->Handler().Start(drag->Canvas(), start);
  m_drag = std::move(drag);
}

QPoint TDEng::SnappedPoint(const QPoint& screenPos) const {
  const TELDesignerGrid& grid = m_designer.Grid();
  const bool snap = m_designer.SnapToGrid() && m_drag->Snap();
  const QPoint start = m_drag->Start();
  const QPoint origin = m_drag->Origin();
  // The distance counts from the press, so a press and release in one place
  // stays at the start even when the start was moved onto the grid.
  return QPoint(SnapCoordinate(start.x(), int64_t{screenPos.x()} - origin.x(), grid.XStep(), snap, m_drag->LockX()),
                SnapCoordinate(start.y(), int64_t{screenPos.y()} - origin.y(), grid.YStep(), snap, m_drag->LockY()));
}

void TDEng::DragTo(const QPoint& screenPos) {
  const QPoint point = SnappedPoint(screenPos);
  if (point == m_drag->Last()) return;
  m_drag->Handler().Move(m_drag->Canvas(), point);
  m_drag->SetLast(point);
}

void TDEng::EndDrag(const QPoint& screenPos, bool finish) {
  const QPoint point = SnappedPoint(screenPos);
  // The drag is over before its handler runs; whatever the handler does,
  // the drag's destructor gives back the mouse, the pointer and the handles.
  std::unique_ptr<TDEngDrag> drag = std::move(m_drag);
  if (finish)
    drag->Handler().Finish(drag->Canvas(), point);
  else
    drag->Handler().Cancel(drag->Canvas());
}

void TDEng::CancelDrag() {
  if (Dragging()) EndDrag(m_drag->Last(), false);
}

void TDEng::TrackControlHint(TControl* control, const TMessage&, bool claimed) {
  TControl* target = DesignableAncestor(control);
  if (!target) return;
  if (target == m_designControl || target == m_host || !claimed) {
    m_hint->Hide();
  } else if (target != m_lastHinted) {
    QString text;
    if (m_designer.ShowingHints().Contains(TELDesignerHintType::htControl)) {
      text = target->Name() + QStringLiteral(": ") + target->ClassName();
      m_designer.DoControlHint(target, text);
    }
    if (text.isEmpty()) {
      m_hint->Hide();
    } else {
      // A hint already up changes its text at once; otherwise it waits for the pause.
      m_hint->Show(text, !m_hint->Showing(), true, target, true);
    }
  }
  SetLastHinted(claimed ? target : nullptr);
}

void TDEng::SetLastHinted(TControl* control) {
  if (control == m_lastHinted) return;
  if (m_lastHinted) m_designer.Unwatch(m_lastHinted);
  m_lastHinted = control;
  if (control) m_designer.Watch(control);
}

void TDEng::ShowDragHint(TELDesignerHintType type, const QString& text) {
  if (m_designer.ShowingHints().Contains(type))
    m_hint->Show(text, false, false, nullptr, false);
  else
    m_hint->Hide();
}

void TDEng::HideHint() { m_hint->Hide(); }

// ---- keyboard ----

void TDEng::HookKey(TMessage& m) {
  switch (m.Kind) {
    case TMessageKind::KeyDown:
    case TMessageKind::SysKeyDown: {
      uint16_t key = m.Key;
      m_designer.DoKeyDown(key, m.Shift);
      if (key != 0) KeyDown(key, m.Shift);
      break;
    }
    case TMessageKind::KeyUp:
    case TMessageKind::SysKeyUp: {
      uint16_t key = m.Key;
      m_designer.DoKeyUp(key, m.Shift);
      break;
    }
    case TMessageKind::Char: {
      QChar c = m.Char;
      m_designer.DoKeyPress(c);
      break;
    }
    default: break;
  }
}

void TDEng::KeyDown(uint16_t key, TShiftState shift) {
  const bool withShift = shift.Contains(TShiftStateFlag::ssShift);
  const bool withCtrl = shift.Contains(TShiftStateFlag::ssCtrl);
  const bool withAlt = shift.Contains(TShiftStateFlag::ssAlt);
  switch (key) {
    case VK_TAB:
      if (!Dragging()) SelectByTab(!withShift);
      break;
    case VK_ESCAPE:
      if (Dragging())
        CancelDrag();
      else
        EscapeToParent();
      break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (m_selection.Count() == 0 || Dragging() || m_selection.PrimaryControl() == m_designControl) break;
      if (withShift || withCtrl)
        KeyboardMoveOrResize(key, shift);
      else if (!withAlt)
        SelectNearest(key);
      break;
    case VK_DELETE: DeleteSelected(); break;
    default: break;
  }
}

void TDEng::SelectByTab(bool forward) {
  TControl* primary = m_selection.PrimaryControl();
  if (!primary || primary->Owner() != m_designControl) return;
  const int count = m_designControl->ComponentCount();
  const int index = primary->ComponentIndex();
  for (int step = 1; step < count; ++step) {
    const int i = forward ? (index + step) % count : (index - step + count) % count;
    auto* control = dynamic_cast<TControl*>(m_designControl->Components(i));
    // Only what can be selected: a control on a parent, designable.
    if (control && control->Parent() && IsDesignable(control)) {
      m_selection.SelectOnly(control);
      return;
    }
  }
}

void TDEng::EscapeToParent() {
  TControl* primary = m_selection.PrimaryControl();
  TControl* target = primary && primary->Parent() ? DesignableAncestor(primary->Parent()) : nullptr;
  m_selection.SelectOnly(target ? target : m_designControl);
}

void TDEng::KeyboardMoveOrResize(uint16_t key, TShiftState shift) {
  const bool resize = shift.Contains(TShiftStateFlag::ssShift);
  const TELDesignerLock lock = resize ? TELDesignerLock::dlNoResize : TELDesignerLock::dlNoMove;
  const TWinControl* parent = m_selection.PrimaryControl()->Parent();
  auto stays = [&](const TControl* c) { return c->Parent() == parent && !ControlLocks(*c).Contains(lock); };
  const std::vector<TControl*> controls = m_selection.GetControls();
  // With nothing left to change the selection stays as it is.
  if (std::none_of(controls.begin(), controls.end(), stays)) return;
  {
    TSelectionUpdate update(m_selection);
    for (int i = m_selection.Count() - 1; i >= 0; --i)
      if (!stays(m_selection.Items(i))) m_selection.Delete(i);
  }
  const int dx = key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0;
  const int dy = key == VK_UP ? -1 : key == VK_DOWN ? 1 : 0;
  bool changed = false;
  for (TControl* c : m_selection.GetControls()) {
    const QRect before = c->BoundsRect();
    const TDesignRect r = TDesignRect::FromQRect(before);
    if (resize)
      c->SetBounds(before.left(), before.top(), ClampToInt(std::max<int64_t>(r.Width() + dx, 0)),
                   ClampToInt(std::max<int64_t>(r.Height() + dy, 0)));
    else
      c->SetBoundsRect(r.Translated(dx, dy).ToBounds());
    changed = changed || c->BoundsRect() != before;
  }
  if (changed) HookModified();
}

void TDEng::SelectNearest(uint16_t key) {
  TControl* primary = m_selection.PrimaryControl();
  const TWinControl* parent = primary->Parent();
  if (!parent) return;
  const TDesignRect from = TDesignRect::FromQRect(primary->BoundsRect());
  TControl* best = nullptr;
  double bestDistance = 0;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* candidate = parent->Controls(i);
    if (candidate == primary || !IsDesignable(candidate)) continue;
    const std::optional<double> distance =
        ArrowDistance(from, TDesignRect::FromQRect(candidate->BoundsRect()), DirectionOf(key));
    if (distance && (!best || *distance < bestDistance)) {
      best = candidate;
      bestDistance = *distance;
    }
  }
  if (best) m_selection.SelectOnly(best);
}

void TDEng::DeleteSelected() {
  // A running drag refers to the selected controls until it ends.
  if (Dragging()) return;
  if (m_selection.Count() == 0 || (m_selection.Count() == 1 && m_selection.Items(0) == m_designControl)) return;
  {
    TSelectionUpdate update(m_selection);
    std::vector<TControl*> locked;
    for (TControl* c : m_selection.GetControls())
      if (c != m_designControl && TreeHasLock(*c, TELDesignerLock::dlNoDelete)) locked.push_back(c);
    if (locked.size() == 1)
      throw EELDesigner(Format("Control \"%s\" or some of it chidrens can not\r be deleted becouse they are locked",
                               {locked.front()->Name()}));
    if (locked.size() > 1) throw EELDesigner(QStringLiteral("Some controls is locked. Can not delete controls."));
    // Destroying a control takes its selected children out of the selection too.
    for (int i = m_selection.Count() - 1; i >= 0; i = std::min(i - 1, m_selection.Count() - 1)) {
      TControl* c = m_selection.Items(i);
      if (c != m_designControl) TComponent::Free(c);
    }
  }
  HookModified();
}

// ---- drag and drop of outside objects ----

void TDEng::HookDrag(TControl* control, TMessage& m) {
  if (m.Kind != TMessageKind::DragLeave) m_dragPos = control->ClientToScreen(m.Pos);
  TControl* under = ControlAtScreen(m_dragPos);
  TControl* target = DesignableAncestor(under ? under : control);
  if (!target) {
    m.Accepted = false;
    return;
  }
  const QPoint at = target->ScreenToClient(m_dragPos);
  switch (m.Kind) {
    case TMessageKind::DragDrop: m_designer.DoDragDrop(m.Data, target, at.x(), at.y()); break;
    default: {
      const TDragState state = m.Kind == TMessageKind::DragEnter   ? TDragState::dsDragEnter
                               : m.Kind == TMessageKind::DragLeave ? TDragState::dsDragLeave
                                                                   : TDragState::dsDragMove;
      bool accept = false;
      m_designer.DoDragOver(m.Data, target, at.x(), at.y(), state, accept);
      m.Accepted = accept;
      break;
    }
  }
}

// ---- the form as design control ----

void TDEng::DesignFormClose() {
  TCloseAction action = TCloseAction::caHide;
  m_designer.DoDesignFormClose(action);
  if (action == TCloseAction::caNone) return;
  if (Application().MainForm() == m_host) {
    Application().Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caMinimize:
      if (m_host->Widget() && m_host->Widget()->isVisible()) m_host->Widget()->showMinimized();
      break;
    case TCloseAction::caFree: m_host->Release(); break;
    default: m_host->Hide(); break;
  }
}

// ---- grid ----

void TDEng::HookPaintGrid(TCanvas& canvas, const QRect& clip) {
  if (!m_designer.Grid().Visible()) return;
  const QPoint scroll(m_host->HorzScrollBarObject()->Position(), m_host->VertScrollBarObject()->Position());
  if (m_gridTile.isNull() || m_gridTileColor != m_host->Color() || m_gridTileScroll != scroll) RebuildGridPattern();
  canvas.Brush().SetPattern(m_gridTile);
  canvas.FillRect(clip);
}

void TDEng::RebuildGridPattern() {
  const TELDesignerGrid& grid = m_designer.Grid();
  const int xStep = grid.XStep();
  const int yStep = grid.YStep();
  m_gridTileColor = m_host->Color();
  m_gridTileScroll = QPoint(m_host->HorzScrollBarObject()->Position(), m_host->VertScrollBarObject()->Position());
  // Two cells each way; a dot on every grid point of the scrolled content.
  m_gridTile = QImage(2 * xStep, 2 * yStep, QImage::Format_RGB32);
  m_gridTile.fill(ColorToQColor(m_gridTileColor));
  const QRgb dot = ColorToQColor(grid.Color()).rgb();
  for (int x = -(m_gridTileScroll.x() % xStep); x < m_gridTile.width(); x += xStep)
    for (int y = -(m_gridTileScroll.y() % yStep); y < m_gridTile.height(); y += yStep)
      if (x >= 0 && y >= 0) m_gridTile.setPixel(x, y, dot);
}

void TDEng::GridChanged() {
  RebuildGridPattern();
  m_host->Invalidate();
}
