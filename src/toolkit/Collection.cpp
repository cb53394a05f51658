#include "toolkit/Collection.h"

#include "toolkit/SysUtils.h"

#include <algorithm>

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo info("TCollectionItem", &TPersistent::StaticClass());
  return info;
}

TCollectionItem::TCollectionItem(TCollection* collection) {
  // The collection hears of a new item once it is whole (in Add).
  if (collection) collection->InsertItem(this, false);
}

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection == m_collection) return;
  if (m_collection) m_collection->RemoveItem(this);
  if (collection) collection->InsertItem(this, true);
}

int TCollectionItem::Index() const {
  if (!m_collection) return -1;
  const auto& items = m_collection->m_items;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || index == current) return;
  auto& items = m_collection->m_items;
  index = std::clamp(index, 0, static_cast<int>(items.size()) - 1);
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  Changed(true);
}

QString TCollectionItem::DisplayName() const { return ClassName(); }

void TCollectionItem::Changed(bool allItems) {
  if (m_collection && m_collection->m_updateCount == 0) m_collection->Update(allItems ? nullptr : this);
}

const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo info("TCollection", &TPersistent::StaticClass());
  return info;
}

TCollection::TCollection(const TClassInfo& itemClass, ItemFactory factory)
    : m_itemClass(itemClass), m_factory(std::move(factory)) {}

TCollection::~TCollection() {
  m_updateCount = 1;  // no updates while going away
  Clear();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return m_items[static_cast<size_t>(index)];
}

void TCollection::SetItemText(int index, const QString&) {
  Items(index);  // an index outside the list is refused as such
  throw EInvalidOperation(Format("The items of %s have no text of their own", {ClassName()}));
}

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = m_factory(this);
  Changed();
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) { delete Items(index); }

void TCollection::Clear() {
  if (m_items.empty()) return;
  BeginUpdate();
  while (!m_items.empty()) delete m_items.back();
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : m_items)
    if (item->m_id == id) return item;
  return nullptr;
}

void TCollection::BeginUpdate() { ++m_updateCount; }

void TCollection::EndUpdate() {
  if (m_updateCount == 0) return;
  if (--m_updateCount == 0) Changed();
}

void TCollection::Changed() {
  if (m_updateCount == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem* item) {
  if (OnUpdate) OnUpdate(item);
}

void TCollection::InsertItem(TCollectionItem* item, bool notify) {
  item->m_collection = this;
  item->m_id = m_nextId++;
  m_items.push_back(item);
  if (notify) Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  m_items.erase(std::remove(m_items.begin(), m_items.end(), item), m_items.end());
  item->m_collection = nullptr;
  Changed();
}
