#include "inspector/ELUtils.h"

#include "toolkit/ScopedValue.h"
#include "toolkit/SysUtils.h"

#include <algorithm>

TELObjectList::~TELObjectList() {
  // A derived list has cleared itself while its hooks could still run; what
  // is left goes without them, each item out of its slot first.
  while (!m_items.empty()) {
    std::unique_ptr<TObject> item = std::move(m_items.back());
    m_items.pop_back();
  }
}

TObject* TELObjectList::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return m_items[static_cast<size_t>(index)].get();
}

int TELObjectList::AddItem() {
  BeforeAdd();
  std::unique_ptr<TObject> item = CreateItem();
  if (!item) throw EListError(QStringLiteral("The list cannot create items"));
  m_items.push_back(std::move(item));
  AfterAdd();
  return Count() - 1;
}

void TELObjectList::DeleteItem(int index) {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  BeforeDelete();
  std::unique_ptr<TObject> item = std::move(m_items[static_cast<size_t>(index)]);
  m_items.erase(m_items.begin() + index);
  item.reset();
  AfterDelete();
}

int TELObjectList::Add() {
  const int index = AddItem();
  if (!m_settingCount) Change();
  return index;
}

void TELObjectList::Delete(int index) {
  DeleteItem(index);
  if (!m_settingCount) Change();
}

void TELObjectList::SetCount(int count) {
  count = std::max(0, count);
  {
    const TScopedValue settingCount(m_settingCount, true);
    while (Count() < count) AddItem();
    while (Count() > count) DeleteItem(Count() - 1);
  }
  Change();
}
