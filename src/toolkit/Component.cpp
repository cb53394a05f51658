#include "toolkit/Component.h"

#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"

#include <algorithm>

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info("TPersistent", &TObject::StaticClass());
  return info;
}

void TPersistent::Assign(const TPersistent* source) {
  if (source) {
    source->AssignTo(this);
    return;
  }
  throw EConvertError(Format("Cannot assign nil to a %s", {ClassName()}));
}

void TPersistent::AssignTo(TPersistent* destination) const {
  throw EConvertError(Format("Cannot assign a %s to a %s", {ClassName(), destination->ClassName()}));
}

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info("TComponent", &TPersistent::StaticClass(), [](TClassInfo& c) {
    Publisher<TComponent>(c)
        .Prop("Name", Types::TComponentName(), &TComponent::Name, &TComponent::SetName)
        .Prop("Tag", Types::Integer(), [](const TComponent& o) { return static_cast<int32_t>(o.Tag()); },
              [](TComponent& o, int32_t v) { o.SetTag(v); });
  });
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Watchers not yet told (a component destroyed directly, or a watcher that
  // came after RunBeforeDestruction), while the owner relation still stands.
  NotifyFreeLinks();
  while (!m_components.empty()) {
    TComponent* child = m_components.back();
    child->RunBeforeDestruction();
    // BeforeDestruction may have freed other owned components: look again.
    if (m_components.empty() || m_components.back() != child) continue;
    delete child;  // leaves this list through RemoveComponent
  }
  if (m_owner) m_owner->RemoveComponent(this);
}

void TComponent::Free(TComponent* component) {
  if (!component) return;
  component->RunBeforeDestruction();
  delete component;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return m_components[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!m_owner) return -1;
  const auto& list = m_owner->m_components;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  for (TComponent* c : m_components)
    if (SameText(c->m_name, name)) return c;
  return nullptr;
}

void TComponent::ComponentAsError(const QString& name, const TComponent* found, const TClassInfo& wanted) const {
  if (!found) {
    const QString owner = m_name.isEmpty() ? ClassName() : m_name;
    throw EComponentError(Format("%s has no component named %s", {owner, name}));
  }
  throw EComponentError(Format("%s is a %s, not a %s", {found->Name(), found->ClassName(), wanted.Name()}));
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component->m_name.isEmpty()) ValidateRename(component, QString(), component->m_name);
  if (component->m_owner) component->m_owner->RemoveComponent(component);
  m_components.push_back(component);
  component->m_owner = this;
  component->m_leavingAnnounced = false;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(m_components.begin(), m_components.end(), component);
  if (it == m_components.end()) return;
  if (!component->m_leavingAnnounced) Notification(component, TOperation::opRemove);
  it = std::find(m_components.begin(), m_components.end(), component);
  if (it != m_components.end()) m_components.erase(it);
  component->m_owner = nullptr;
}

void TComponent::FreeNotification(TComponent* watcher) {
  if (!watcher || watcher == this) return;
  auto add = [](std::vector<TComponent*>& list, TComponent* c) {
    if (std::find(list.begin(), list.end(), c) == list.end()) list.push_back(c);
  };
  add(m_freeNotifies, watcher);
  add(watcher->m_freeNotifies, this);
}

void TComponent::RemoveFreeNotification(TComponent* watcher) {
  auto drop = [](std::vector<TComponent*>& list, TComponent* c) {
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
  };
  drop(m_freeNotifies, watcher);
  if (watcher) drop(watcher->m_freeNotifies, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component) RemoveFreeNotification(component);
  // Copy: a handler may free components of this one.
  const std::vector<TComponent*> owned = m_components;
  for (TComponent* c : owned)
    if (c != component) c->Notification(component, operation);
}

void TComponent::SetName(const QString& name) {
  if (name == m_name) return;
  if (!name.isEmpty() && !IsValidIdent(name))
    throw EComponentError(Format("'%s' is not a valid component name", {name}));
  if (m_owner) m_owner->ValidateRename(this, m_name, name);
  m_name = name;
}

void TComponent::ValidateRename(TComponent* component, const QString& currentName, const QString& newName) {
  if (m_renameCheck) m_renameCheck(component, currentName, newName);
  if (component && !SameText(currentName, newName)) {
    TComponent* existing = FindComponent(newName);
    if (existing && existing != component)
      throw EComponentError(Format("A component named %s already exists", {newName}));
  }
  if (component && IsDesigning() && m_owner) m_owner->ValidateRename(component, currentName, newName);
}

void TComponent::SetDesigning(bool value, bool setChildren) {
  if (value != IsDesigning()) {
    if (value) m_state.Include(TComponentStateFlag::csDesigning);
    else m_state.Exclude(TComponentStateFlag::csDesigning);
    DesigningChanged();
  }
  if (setChildren)
    for (TComponent* c : m_components) c->SetDesigning(value, true);
}

void TComponent::BeginLoading() {
  m_state.Include(TComponentStateFlag::csLoading);
}

void TComponent::EndLoading() {
  m_state.Exclude(TComponentStateFlag::csLoading);
  Loaded();
}

void TComponent::RunBeforeDestruction() {
  if (m_beforeDestructionDone) return;
  m_beforeDestructionDone = true;
  BeforeDestruction();
  // Watchers, the owner and its components hear of the going while the whole
  // object still stands.
  NotifyFreeLinks();
  if (m_owner) {
    m_leavingAnnounced = true;
    m_owner->Notification(this, TOperation::opRemove);
  }
}

void TComponent::NotifyFreeLinks() {
  while (!m_freeNotifies.empty()) {
    TComponent* watcher = m_freeNotifies.back();
    m_freeNotifies.pop_back();
    auto& back = watcher->m_freeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    watcher->Notification(this, TOperation::opRemove);
  }
}

void TComponent::Destroying() {
  if (IsDestroying()) return;
  m_state.Include(TComponentStateFlag::csDestroying);
  for (TComponent* c : m_components) c->Destroying();
}
