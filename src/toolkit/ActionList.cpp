#include "toolkit/ActionList.h"

#include "toolkit/ImageList.h"
#include "toolkit/SysUtils.h"

#include <algorithm>

// ---- TAction ----

const TClassInfo& TAction::StaticClass() {
  static const TClassInfo info("TAction", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TAction>(c)
        .Creatable()
        .Prop("Caption", Types::TCaption(), &TAction::Caption, &TAction::SetCaption)
        .Prop("Checked", Types::Boolean(), &TAction::Checked, &TAction::SetChecked)
        .Prop("Enabled", Types::Boolean(), &TAction::Enabled, &TAction::SetEnabled)
        .Prop("Hint", Types::String(), &TAction::Hint, &TAction::SetHint)
        .Prop("ImageIndex", Types::Integer(), &TAction::ImageIndex, &TAction::SetImageIndex)
        .Prop("Visible", Types::Boolean(), &TAction::Visible, &TAction::SetVisible)
        .Prop("OnExecute", Types::Method(), &TAction::GetOnExecute, &TAction::SetOnExecute);
  });
  return info;
}

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction() {
  Destroying();
  SetActionList(nullptr);
}

void TAction::SetActionList(TActionList* list) {
  if (list == m_actionList) return;
  if (m_actionList) m_actionList->RemoveAction(this);
  if (list) list->AddAction(this);
}

int TAction::Index() const { return m_actionList ? m_actionList->IndexOfAction(this) : -1; }

void TAction::SetCaption(const QString& value) {
  if (value == m_caption) return;
  m_caption = value;
  Change();
}

void TAction::SetHint(const QString& value) {
  if (value == m_hint) return;
  m_hint = value;
  Change();
}

void TAction::SetImageIndex(int value) {
  if (value == m_imageIndex) return;
  m_imageIndex = value;
  Change();
}

void TAction::SetEnabled(bool value) {
  if (value == m_enabled) return;
  m_enabled = value;
  Change();
}

void TAction::SetVisible(bool value) {
  if (value == m_visible) return;
  m_visible = value;
  Change();
}

void TAction::SetChecked(bool value) {
  if (value == m_checked) return;
  m_checked = value;
  Change();
}

bool TAction::Execute() {
  if (!m_enabled || !OnExecute) return false;
  // The handler may free the action with its stored handler: a copy runs.
  const TNotifyEvent handler = OnExecute;
  handler(this);
  return true;
}

void TAction::RegisterChanges(TComponent* client, std::function<void()> changed) {
  m_links.Add(client, std::move(changed));
  FreeNotification(client);
}

void TAction::UnRegisterChanges(TComponent* client) { m_links.Remove(client); }

void TAction::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) m_links.Remove(component);
  TComponent::Notification(component, operation);
}

void TAction::Change() { m_links.Notify(); }

// ---- TActionList ----

const TClassInfo& TActionList::StaticClass() {
  static const TClassInfo info("TActionList", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TActionList>(c)
        .Creatable()
        .Prop("Images", TImageList::StaticClass().TypeInfo(), &TActionList::Images, &TActionList::SetImages);
  });
  return info;
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList() {
  Destroying();
  // The actions stay with their owners and only leave the list.
  while (!m_actions.empty()) m_actions.back()->SetActionList(nullptr);
}

TAction* TActionList::Actions(int index) const {
  if (index < 0 || index >= ActionCount()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return m_actions[static_cast<size_t>(index)];
}

int TActionList::IndexOfAction(const TAction* action) const {
  const auto it = std::find(m_actions.begin(), m_actions.end(), action);
  return it == m_actions.end() ? -1 : static_cast<int>(it - m_actions.begin());
}

void TActionList::SetImages(TImageList* value) {
  if (value == m_images) return;
  if (m_images) m_images->RemoveFreeNotification(this);
  m_images = value;
  if (value) value->FreeNotification(this);
}

void TActionList::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == m_images) m_images = nullptr;
  TComponent::Notification(component, operation);
}

void TActionList::AddAction(TAction* action) {
  m_actions.push_back(action);
  action->m_actionList = this;
}

void TActionList::RemoveAction(TAction* action) {
  m_actions.erase(std::remove(m_actions.begin(), m_actions.end(), action), m_actions.end());
  action->m_actionList = nullptr;
}
