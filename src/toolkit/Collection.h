// Collections: an ordered list of items that the collection owns.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/IndexedList.h"

#include <functional>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TCollectionItem(TCollection* collection);
  // Leaves the collection.
  ~TCollectionItem() override;

  TCollection* Collection() const { return m_collection; }
  void SetCollection(TCollection* collection);
  int Index() const;
  // Moves the item to another position.
  void SetIndex(int index);
  int ID() const { return m_id; }
  virtual QString DisplayName() const;

 protected:
  // Tells the collection that this item changed.
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* m_collection = nullptr;
  int m_id = 0;
};

class TCollection : public TPersistent, public IIndexedList {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The items as an indexed list: objects known by their properties.
  TIndexedKind ItemKind() const override { return TIndexedKind::Objects; }
  int ItemCount() const override { return Count(); }
  TPersistent* ItemObject(int index) const override { return Items(index); }
  QString ItemText(int index) const override { return Items(index)->DisplayName(); }
  void SetItemText(int index, const QString& text) override;

  using ItemFactory = std::function<TCollectionItem*(TCollection*)>;
  // `factory` creates one item of the collection's item class.
  TCollection(const TClassInfo& itemClass, ItemFactory factory);
  ~TCollection() override;

  const TClassInfo& ItemClass() const { return m_itemClass; }
  int Count() const { return static_cast<int>(m_items.size()); }
  // EListError "List index out of bounds (%d)" outside 0 .. Count - 1.
  TCollectionItem* Items(int index) const;
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  TCollectionItem* FindItemID(int id) const;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return m_updateCount; }

  // The owner of the collection, for display and notification purposes.
  TPersistent* Owner() const { return m_owner; }
  void SetOwner(TPersistent* owner) { m_owner = owner; }

  // Called after a change: with the item that changed, or nullptr when the
  // whole collection did. Not called while an update bracket is open; the
  // outermost EndUpdate calls it once with nullptr.
  std::function<void(TCollectionItem* item)> OnUpdate;

 protected:
  virtual void Update(TCollectionItem* item);
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item, bool notify);
  void RemoveItem(TCollectionItem* item);
  const TClassInfo& m_itemClass;
  ItemFactory m_factory;
  std::vector<TCollectionItem*> m_items;
  int m_nextId = 0;
  int m_updateCount = 0;
  TPersistent* m_owner = nullptr;
};
