// The small owning list the property page builds its item tree from: items
// are created by the list itself (CreateItem), and every addition, deletion
// and change of the count passes hooks a derived list can use.
#pragma once

#include "toolkit/Object.h"

#include <memory>
#include <vector>

class TELObjectList : public TObject {
 public:
  TELObjectList() = default;
  // Destroys the remaining items. A derived list whose hooks must hear of
  // the deletions clears itself in its own destructor.
  ~TELObjectList() override;

  // Appends a new item from CreateItem; its index. BeforeAdd, the item,
  // AfterAdd, then Change unless the count is being set.
  int Add();
  // Deletes item `index` (EListError outside the list). The item leaves its
  // slot before it is destroyed, so the list never holds a dying item.
  void Delete(int index);
  int Count() const { return static_cast<int>(m_items.size()); }
  // Adds or deletes at the end until the list holds `count` items, with one
  // Change at the end; SettingCount is set meanwhile, also on errors.
  void SetCount(int count);
  TObject* Items(int index) const;
  void Clear() { SetCount(0); }
  bool SettingCount() const { return m_settingCount; }

 protected:
  // A new item for Add; the base makes none (Add then fails).
  virtual std::unique_ptr<TObject> CreateItem() { return nullptr; }
  virtual void BeforeAdd() {}
  virtual void BeforeDelete() {}
  virtual void Change() {}
  virtual void AfterAdd() {}
  virtual void AfterDelete() {}

 private:
  int AddItem();
  void DeleteItem(int index);
  std::vector<std::unique_ptr<TObject>> m_items;
  bool m_settingCount = false;
};
