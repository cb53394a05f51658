#include "designer/ELDesigner.h"

#include "designer/DesignEngine.h"
#include "designer/ELDesignPanel.h"
#include "designer/ELSelection.h"
#include "toolkit/Application.h"
#include "toolkit/PopupMenu.h"

#include <algorithm>
#include <exception>

// ---- locks, types ----

TELDesignerLocks ControlLocks(const TComponent& component) {
  return TELDesignerLocks::FromMask(static_cast<uint32_t>(component.DesignInfo()) & 0xFFFFu);
}

void SetControlLocks(TComponent& component, TELDesignerLocks locks) {
  component.SetDesignInfo(static_cast<int32_t>(locks.Mask() & 0xFFFFu));
}

const TTypeInfo& DesignerHintTypesType() {
  static const TTypeInfo element =
      TTypeInfo::Enumeration("TELDesignerHintType", {"htControl", "htSize", "htMove", "htInsert"});
  static const TTypeInfo info = TTypeInfo::Set("TELDesignerHintTypes", element);
  return info;
}

const TTypeInfo& DesignerGridSizeType() {
  static const TTypeInfo info =
      TTypeInfo::Ordinal(TTypeKind::tkInteger, "TELDesignerGridSize", TOrdType::otUByte, kMinGridStep, kMaxGridStep);
  return info;
}

// ---- TELDesignerGrid ----

namespace {

TELDesignerGridSize ClampStep(int step) {
  return static_cast<TELDesignerGridSize>(std::clamp(step, kMinGridStep, kMaxGridStep));
}

// Sets a flag for the life of the object, also when the work inside fails.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
  ~TFlagScope() { m_flag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

const TClassInfo& TELDesignerGrid::StaticClass() {
  static const TClassInfo info("TELDesignerGrid", &TPersistent::StaticClass(), [](TClassInfo& c) {
    Publisher<TELDesignerGrid>(c)
        .Prop("XStep", DesignerGridSizeType(), &TELDesignerGrid::XStep, &TELDesignerGrid::SetXStep)
        .Prop("YStep", DesignerGridSizeType(), &TELDesignerGrid::YStep, &TELDesignerGrid::SetYStep)
        .Prop("Visible", Types::Boolean(), &TELDesignerGrid::Visible, &TELDesignerGrid::SetVisible)
        .Prop("Color", Types::TColor(), &TELDesignerGrid::Color, &TELDesignerGrid::SetColor);
  });
  return info;
}

void TELDesignerGrid::SetXStep(int value) {
  const TELDesignerGridSize step = ClampStep(value);
  if (step == m_xStep) return;
  m_xStep = step;
  Changed();
}

void TELDesignerGrid::SetYStep(int value) {
  const TELDesignerGridSize step = ClampStep(value);
  if (step == m_yStep) return;
  m_yStep = step;
  Changed();
}

void TELDesignerGrid::SetVisible(bool value) {
  if (value == m_visible) return;
  m_visible = value;
  Changed();
}

void TELDesignerGrid::SetColor(TColor value) {
  if (value == m_color) return;
  m_color = value;
  Changed();
}

void TELDesignerGrid::Assign(const TPersistent* source) {
  const auto* grid = dynamic_cast<const TELDesignerGrid*>(source);
  if (!grid) {
    TPersistent::Assign(source);
    return;
  }
  const TELDesignerGridSize x = ClampStep(grid->m_xStep);
  const TELDesignerGridSize y = ClampStep(grid->m_yStep);
  if (x == m_xStep && y == m_yStep && grid->m_visible == m_visible && grid->m_color == m_color) return;
  m_xStep = x;
  m_yStep = y;
  m_visible = grid->m_visible;
  m_color = grid->m_color;
  Changed();
}

void TELDesignerGrid::Changed() {
  if (m_designer) m_designer->GridChanged();
}

// ---- TELCustomDesigner ----

const TClassInfo& TELCustomDesigner::StaticClass() {
  static const TClassInfo info("TELCustomDesigner", &TComponent::StaticClass());
  return info;
}

const TClassInfo& TELDesigner::StaticClass() {
  static const TClassInfo info("TELDesigner", &TELCustomDesigner::StaticClass(), [](TClassInfo& c) {
    using D = TELCustomDesigner;
    Publisher<TELDesigner>(c)
        .Prop("DesignPanel", TELCustomDesignPanel::StaticClass().TypeInfo(), &D::DesignPanel, &D::SetDesignPanel)
        .Prop("Grid", TELDesignerGrid::StaticClass().TypeInfo(), &D::GridObject, &D::SetGrid)
        .Prop("SnapToGrid", Types::Boolean(), &D::SnapToGrid, &D::SetSnapToGrid)
        .Prop("ShowingHints", DesignerHintTypesType(), &D::ShowingHints, &D::SetShowingHints)
        .Prop("PopupMenu", TPopupMenu::StaticClass().TypeInfo(), &D::PopupMenu, &D::SetPopupMenu)
        .Prop("HandleClr", Types::TColor(), &D::HandleClr, &D::SetHandleClr)
        .Prop("HandleBorderClr", Types::TColor(), &D::HandleBorderClr, &D::SetHandleBorderClr)
        .Prop("MultySelectHandleClr", Types::TColor(), &D::MultySelectHandleClr, &D::SetMultySelectHandleClr)
        .Prop("MultySelectHandleBorderClr", Types::TColor(), &D::MultySelectHandleBorderClr,
              &D::SetMultySelectHandleBorderClr)
        .Prop("InactiveHandleClr", Types::TColor(), &D::InactiveHandleClr, &D::SetInactiveHandleClr)
        .Prop("InactiveHandleBorderClr", Types::TColor(), &D::InactiveHandleBorderClr, &D::SetInactiveHandleBorderClr)
        .Prop("LockedHandleClr", Types::TColor(), &D::LockedHandleClr, &D::SetLockedHandleClr)
        .Prop("ClipboardFormat", Types::String(), &D::ClipboardFormat, &D::SetClipboardFormat);
  });
  return info;
}

TELCustomDesigner::TELCustomDesigner(TComponent* owner)
    : TComponent(owner),
      m_grid(std::make_unique<TELDesignerGrid>(this)),
      m_selection(std::make_unique<TELDesignerSelectedControls>(*this)) {}

TELCustomDesigner::~TELCustomDesigner() {
  // Freed directly, without BeforeDestruction: the design control goes back all the same.
  BeforeDestruction();
}

void TELCustomDesigner::BeforeDestruction() {
  TComponent::BeforeDestruction();
  if (!m_active) return;
  try {
    SetActive(false);
  } catch (const std::exception& e) {
    Application().HandleException(e);
  }
}

void TELCustomDesigner::CheckActive(bool expected) const {
  if (expected && !m_active) throw EELDesigner(QStringLiteral("Designer mast be active"));
  if (!expected && m_active) throw EELDesigner(QStringLiteral("Designer mast be inactive"));
}

void TELCustomDesigner::SetActive(bool value) {
  if (value == m_active || m_changingActive) return;
  if (value)
    Activate();
  else
    Deactivate();
}

void TELCustomDesigner::Activate() {
  {
    TFlagScope changing(m_changingActive);
    if (!m_designControl) throw EELDesigner(QStringLiteral("Design control not specified"));
    if (!dynamic_cast<TCustomForm*>(m_designControl)) {
      if (!m_designPanel) throw EELDesigner(QStringLiteral("No design panel specified"));
      if (m_designPanel->HasEngine())
        throw EELDesigner(Format("Design panel '%S' is used by another designer", {m_designPanel->Name()}));
    }
    m_engine = std::make_unique<TDEng>(*this);
    m_selection->SetRootControl(m_designControl);
  }
  m_active = true;
  m_selection->SetHandlesVisible(true);
  m_selection->Add(m_designControl);
}

void TELCustomDesigner::Deactivate() {
  std::exception_ptr failure;
  {
    TFlagScope changing(m_changingActive);
    // The engine and the design control are put back whatever the handlers do.
    auto keep = [&failure](auto&& step) {
      try {
        step();
      } catch (...) {
        if (!failure) failure = std::current_exception();
      }
    };
    keep([this] { m_engine->CancelDrag(); });
    m_selection->SetHandlesVisible(false);
    keep([this] { m_selection->Clear(); });
    m_selection->SetRootControl(nullptr);
    m_engine.reset();
  }
  m_active = false;
  if (failure) std::rethrow_exception(failure);
}

void TELCustomDesigner::SetDesignControl(TWinControl* control) {
  CheckActive(false);
  if (control == m_designControl) return;
  if (m_designControl) Unwatch(m_designControl);
  m_designControl = control;
  if (control) Watch(control);
}

void TELCustomDesigner::SetDesignPanel(TELCustomDesignPanel* panel) {
  CheckActive(false);
  if (panel == m_designPanel) return;
  if (m_designPanel) Unwatch(m_designPanel);
  m_designPanel = panel;
  if (panel) Watch(panel);
}

void TELCustomDesigner::SetPopupMenu(TPopupMenu* menu) {
  if (menu == m_popupMenu) return;
  if (m_popupMenu) Unwatch(m_popupMenu);
  m_popupMenu = menu;
  if (menu) Watch(menu);
}

void TELCustomDesigner::SetHandleColor(TColor& field, TColor value) {
  if (field == value) return;
  field = value;
  if (m_active) m_selection->UpdateHandles();
}

void TELCustomDesigner::SetHandleClr(TColor value) { SetHandleColor(m_handleClr, value); }
void TELCustomDesigner::SetHandleBorderClr(TColor value) { SetHandleColor(m_handleBorderClr, value); }
void TELCustomDesigner::SetMultySelectHandleClr(TColor value) { SetHandleColor(m_multySelectHandleClr, value); }
void TELCustomDesigner::SetMultySelectHandleBorderClr(TColor value) {
  SetHandleColor(m_multySelectHandleBorderClr, value);
}
void TELCustomDesigner::SetInactiveHandleClr(TColor value) { SetHandleColor(m_inactiveHandleClr, value); }
void TELCustomDesigner::SetInactiveHandleBorderClr(TColor value) { SetHandleColor(m_inactiveHandleBorderClr, value); }
void TELCustomDesigner::SetLockedHandleClr(TColor value) { SetHandleColor(m_lockedHandleClr, value); }

void TELCustomDesigner::LockControl(TControl* control, TELDesignerLocks locks) {
  CheckActive(true);
  m_engine->SetLocks(control, locks);
}

void TELCustomDesigner::LockAll(TELDesignerLocks locks) {
  CheckActive(true);
  for (int i = 0; i < m_designControl->ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TControl*>(m_designControl->Components(i))) m_engine->SetLocks(control, locks);
}

void TELCustomDesigner::GridChanged() {
  if (m_engine) m_engine->GridChanged();
}

void TELCustomDesigner::Watch(TComponent* component) {
  if (m_watched[component]++ == 0) component->FreeNotification(this);
}

void TELCustomDesigner::Unwatch(TComponent* component) {
  const auto it = m_watched.find(component);
  if (it == m_watched.end()) return;
  if (--it.value() > 0) return;
  m_watched.erase(it);
  component->RemoveFreeNotification(this);
}

void TELCustomDesigner::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  // The link is gone with the component: nothing holds it any more.
  m_watched.remove(component);
  if (m_engine) m_engine->ControlGone(component);
  if (component == m_popupMenu) m_popupMenu = nullptr;
  const bool panelGoes = component == m_designPanel;
  const bool controlGoes = component == m_designControl;
  // The component is being destroyed: a failing event handler is reported,
  // never thrown through the destruction, and the references go regardless.
  std::exception_ptr failure;
  try {
    m_selection->ControlGone(component);
  } catch (...) {
    failure = std::current_exception();
  }
  if ((panelGoes || controlGoes) && !m_changingActive && m_engine &&
      (controlGoes || m_designPanel->Engine() == m_engine.get())) {
    try {
      SetActive(false);
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  }
  if (panelGoes) m_designPanel = nullptr;
  if (controlGoes) m_designControl = nullptr;
  if (!failure) return;
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& e) {
    Application().HandleException(e);
  }
}

// ---- events ----

void TELCustomDesigner::DoModified() {
  if (OnModified) OnModified(this);
}

void TELCustomDesigner::DoValidateName(const QString& name, bool& isValid) {
  if (OnValidateName) OnValidateName(this, name, isValid);
}

void TELCustomDesigner::DoGetUniqueName(const QString& baseName, QString& uniqueName) {
  if (OnGetUniqueName) OnGetUniqueName(this, baseName, uniqueName);
}

void TELCustomDesigner::DoChangeSelection() {
  if (OnChangeSelection) OnChangeSelection(this);
}

void TELCustomDesigner::DoControlInserting(const TClassInfo*& controlClass) {
  if (OnControlInserting) OnControlInserting(this, controlClass);
}

void TELCustomDesigner::DoControlInserted() {
  if (OnControlInserted) OnControlInserted(this);
}

void TELCustomDesigner::DoNotification(TPersistent* object, TOperation operation) {
  if (OnNotification) OnNotification(this, object, operation);
}

void TELCustomDesigner::DoControlHint(TControl* control, QString& hint) {
  if (OnControlHint) OnControlHint(this, control, hint);
}

void TELCustomDesigner::DoContextPopup(const QPoint& screenPos) {
  bool handled = false;
  if (OnContextPopup) OnContextPopup(this, screenPos, handled);
  if (handled) return;
  TPopupMenu* menu = GetPopupMenu();
  if (!menu || !menu->AutoPopup()) return;
  menu->SetPopupComponent(this);
  menu->Popup(screenPos.x(), screenPos.y());
}

void TELCustomDesigner::DoDesignFormClose(TCloseAction& action) {
  if (OnDesignFormClose) OnDesignFormClose(this, action);
}

void TELCustomDesigner::DoKeyDown(uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TELCustomDesigner::DoKeyPress(QChar& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TELCustomDesigner::DoKeyUp(uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TELCustomDesigner::DoDblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TELCustomDesigner::DoDragOver(const QMimeData* source, TControl* target, int x, int y, TDragState state,
                                   bool& accept) {
  accept = false;
  if (!OnDragOver) return;
  accept = true;
  OnDragOver(this, source, target, x, y, state, accept);
}

void TELCustomDesigner::DoDragDrop(const QMimeData* source, TControl* target, int x, int y) {
  if (OnDragDrop) OnDragDrop(this, source, target, x, y);
}
