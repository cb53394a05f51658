// Persistent objects and components: the named objects with an owner that
// every window, control and non-visual part of the system is built from.
#pragma once

#include "toolkit/Object.h"

#include <functional>
#include <vector>

using TNotifyEvent = std::function<void(TObject* sender)>;

// An object whose published state can be copied from another of its kind.
class TPersistent : public TObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Copies the state of `source`; EConvertError "Cannot assign a %s to a %s"
  // when the classes do not fit.
  virtual void Assign(const TPersistent* source);

 protected:
  // Lets the destination side of an assignment take over; the default refuses.
  virtual void AssignTo(TPersistent* destination) const;
};

enum class TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning, csUpdating };
using TComponentState = TSet<TComponentStateFlag>;
enum class TOperation { opInsert, opRemove };

// Called before a component owned by the component that carries the check
// gets a new name; it refuses by raising an exception.
using TRenameCheck = std::function<void(TComponent* component, const QString& currentName, const QString& newName)>;

class TComponent : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TComponent(TComponent* owner);
  // Tells the watchers not told yet, frees every owned component (the last
  // first), then leaves the owner.
  ~TComponent() override;
  // Frees a component the way owners and parent controls free theirs:
  // BeforeDestruction runs and the watchers are told while the object is
  // still whole, then it is deleted.
  static void Free(TComponent* component);

  TComponent* Owner() const { return m_owner; }

  const QString& Name() const { return m_name; }
  // A name is empty or an identifier unique among the owner's components
  // (letter case ignored); a refused rename keeps the old name.
  void SetName(const QString& name);

  int ComponentCount() const { return static_cast<int>(m_components.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  // An owned component by name, ASCII letter case ignored; nullptr if none.
  TComponent* FindComponent(const QString& name) const;
  // The owned component of that name as a T. EComponentError "%s has no
  // component named %s" when there is none, "%s is a %s, not a %s" when it
  // is of another class.
  template <class T>
  T& ComponentAs(const QString& name) const {
    TComponent* found = FindComponent(name);
    if (auto* typed = dynamic_cast<T*>(found)) return *typed;
    ComponentAsError(name, found, T::StaticClass());
  }
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  // `watcher` is told through Notification(this, opRemove) before this
  // component goes away; the link is removed when either side goes.
  //
  // A component freed through Free, by its owner or by its parent control
  // tells its watchers, and then its owner with the owner's components,
  // while the whole object still stands (after BeforeDestruction): a
  // watcher may compare its address, read its class and its state
  // (IsDestroying is true), but must not keep it. A component destroyed
  // directly (delete, a variable going out of scope) can only tell them from
  // ~TComponent, when everything above TComponent is gone: such a
  // notification may only be compared by address.
  void FreeNotification(TComponent* watcher);
  void RemoveFreeNotification(TComponent* watcher);
  // Insertions into and removals from the owner, and the going of a watched
  // component, arrive here; the default passes them on to the owned components.
  virtual void Notification(TComponent* component, TOperation operation);

  TComponentState ComponentState() const { return m_state; }
  bool IsDesigning() const { return m_state.Contains(TComponentStateFlag::csDesigning); }
  bool IsDestroying() const { return m_state.Contains(TComponentStateFlag::csDestroying); }
  bool IsLoading() const { return m_state.Contains(TComponentStateFlag::csLoading); }
  // Design state for this component and, with `setChildren`, everything it owns.
  void SetDesigning(bool value, bool setChildren = true);
  // Brackets the building of a component from stored data; Loaded runs at the end.
  void BeginLoading();
  void EndLoading();

  // The integer every component carries for design tools.
  int32_t DesignInfo() const { return m_designInfo; }
  void SetDesignInfo(int32_t value) { m_designInfo = value; }
  intptr_t Tag() const { return m_tag; }
  void SetTag(intptr_t value) { m_tag = value; }

  // Installs the check that renames of this component's owned components
  // pass; a designer installs its rename rules on the component it designs.
  // While a component is designed, the renames of its owned components are
  // checked by its owner too.
  void SetRenameCheck(TRenameCheck check) { m_renameCheck = std::move(check); }
  const TRenameCheck& RenameCheck() const { return m_renameCheck; }

 protected:
  virtual void ValidateRename(TComponent* component, const QString& currentName, const QString& newName);
  virtual void Loaded() {}
  // Runs before the destructors, while the whole object still stands.
  virtual void BeforeDestruction() { Destroying(); }
  // Called after this component entered or left design state.
  virtual void DesigningChanged() {}
  void RunBeforeDestruction();
  // Marks this component and everything it owns as going away.
  void Destroying();

 private:
  // Tells every linked component (watchers and watched) that this one goes.
  void NotifyFreeLinks();
  [[noreturn]] void ComponentAsError(const QString& name, const TComponent* found, const TClassInfo& wanted) const;
  TComponent* m_owner = nullptr;
  QString m_name;
  std::vector<TComponent*> m_components;
  std::vector<TComponent*> m_freeNotifies;
  TComponentState m_state;
  int32_t m_designInfo = 0;
  intptr_t m_tag = 0;
  TRenameCheck m_renameCheck;
  bool m_beforeDestructionDone = false;
  // The owner heard of this component's going from RunBeforeDestruction.
  bool m_leavingAnnounced = false;
};
