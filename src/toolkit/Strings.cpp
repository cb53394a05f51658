#include "toolkit/Strings.h"

#include "toolkit/SysUtils.h"

#include <algorithm>

const TClassInfo& TStrings::StaticClass() {
  static const TClassInfo info("TStrings", &TPersistent::StaticClass());
  return info;
}

void TStrings::Error(const QString& format, int index) const { throw EStringListError(Format(format, {index})); }

void TStrings::Put(int index, const QString& text) {
  TObject* object = GetObject(index);
  BeginUpdate();
  Delete(index);
  InsertObject(index, text, object);
  EndUpdate();
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int index, const QString& text, TObject* object) {
  Insert(index, text);
  PutObject(index, object);
}

int TStrings::Add(const QString& text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

int TStrings::AddObject(const QString& text, TObject* object) {
  const int index = Add(text);
  PutObject(index, object);
  return index;
}

void TStrings::AddStrings(const TStrings& strings) {
  BeginUpdate();
  for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Get(i), strings.GetObject(i));
  EndUpdate();
}

void TStrings::Exchange(int index1, int index2) {
  BeginUpdate();
  const QString text = Get(index1);
  TObject* object = GetObject(index1);
  Put(index1, Get(index2));
  PutObject(index1, GetObject(index2));
  Put(index2, text);
  PutObject(index2, object);
  EndUpdate();
}

void TStrings::Move(int currentIndex, int newIndex) {
  if (currentIndex == newIndex) return;
  BeginUpdate();
  const QString text = Get(currentIndex);
  TObject* object = GetObject(currentIndex);
  Delete(currentIndex);
  InsertObject(newIndex, text, object);
  EndUpdate();
}

int TStrings::IndexOf(const QString& text) const {
  for (int i = 0; i < Count(); ++i)
    if (Get(i).compare(text, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i)
    if (GetObject(i) == object) return i;
  return -1;
}

QString TStrings::Names(int index) const {
  const QString line = Get(index);
  const int eq = line.indexOf(QLatin1Char('='));
  return eq >= 0 ? line.left(eq) : QString();
}

int TStrings::IndexOfName(const QString& name) const {
  for (int i = 0; i < Count(); ++i) {
    const QString line = Get(i);
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq >= 0 && QStringView(line).left(eq).compare(name, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

QString TStrings::Values(const QString& name) const {
  const int i = IndexOfName(name);
  return i >= 0 ? ValueFromIndex(i) : QString();
}

QString TStrings::ValueFromIndex(int index) const {
  const QString line = Get(index);
  const int eq = line.indexOf(QLatin1Char('='));
  return eq >= 0 ? line.mid(eq + 1) : QString();
}

void TStrings::SetValue(const QString& name, const QString& value) {
  const int i = IndexOfName(name);
  if (value.isEmpty()) {
    if (i >= 0) Delete(i);
    return;
  }
  if (i >= 0) Put(i, name + QLatin1Char('=') + value);
  else Add(name + QLatin1Char('=') + value);
}

QString TStrings::Text() const {
  QString text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += QLatin1String("\r\n");
  }
  return text;
}

void TStrings::SetText(const QString& text) {
  BeginUpdate();
  Clear();
  for (const TLineSpan& line : LineSpans(text)) Add(text.mid(line.Start, line.Length));
  EndUpdate();
}

QString TStrings::CommaText() const {
  QStringList parts;
  for (int i = 0; i < Count(); ++i) {
    const QString s = Get(i);
    bool quote = s.isEmpty() && Count() > 1;
    for (const QChar c : s)
      if (c.unicode() <= 32 || c == QLatin1Char(',') || c == QLatin1Char('"')) quote = true;
    if (quote) {
      QString q = s;
      q.replace(QLatin1String("\""), QLatin1String("\"\""));
      parts << QLatin1Char('"') + q + QLatin1Char('"');
    } else {
      parts << s;
    }
  }
  return parts.join(QLatin1Char(','));
}

void TStrings::SetCommaText(const QString& text) {
  BeginUpdate();
  Clear();
  const int n = text.size();
  int i = 0;
  auto skipBlanks = [&] {
    while (i < n && text[i].unicode() <= 32) ++i;
  };
  skipBlanks();
  while (i < n) {
    QString item;
    if (text[i] == QLatin1Char('"')) {
      ++i;
      while (i < n) {
        if (text[i] == QLatin1Char('"')) {
          if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
            item += QLatin1Char('"');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
    } else {
      while (i < n && text[i].unicode() > 32 && text[i] != QLatin1Char(',')) item += text[i++];
    }
    Add(item);
    skipBlanks();
    if (i < n && text[i] == QLatin1Char(',')) {
      ++i;
      skipBlanks();
      if (i >= n) Add(QString());
    }
  }
  EndUpdate();
}

QStringList TStrings::ToStringList() const {
  QStringList list;
  for (int i = 0; i < Count(); ++i) list << Get(i);
  return list;
}

void TStrings::BeginUpdate() {
  if (m_updateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (m_updateCount == 0) return;
  if (--m_updateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TStrings*>(source)) {
    if (other == this) return;
    BeginUpdate();
    Clear();
    AddStrings(*other);
    EndUpdate();
    return;
  }
  TPersistent::Assign(source);
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Get(i) != other.Get(i)) return false;
  return true;
}

// ---- TStringList ----

const TClassInfo& TStringList::StaticClass() {
  static const TClassInfo info("TStringList", &TStrings::StaticClass());
  return info;
}

TStringList::TStringList(const QStringList& lines) {
  for (const QString& line : lines) m_items.push_back({line, nullptr});
}

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  if (m_ownsObjects)
    for (Item& item : m_items) delete item.object;
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) Error(QStringLiteral("List index out of bounds (%d)"), index);
}

QString TStringList::Get(int index) const {
  CheckIndex(index);
  return m_items[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const QString& text) {
  if (m_sorted) throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
  CheckIndex(index);
  Changing();
  m_items[static_cast<size_t>(index)].text = text;
  Changed();
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index);
  return m_items[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  m_items[static_cast<size_t>(index)].object = object;
  Changed();
}

void TStringList::InsertItem(int index, const QString& text, TObject* object) {
  Changing();
  m_items.insert(m_items.begin() + index, Item{text, object});
  Changed();
}

void TStringList::Insert(int index, const QString& text) { InsertObject(index, text, nullptr); }

void TStringList::InsertObject(int index, const QString& text, TObject* object) {
  if (m_sorted) throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
  if (index < 0 || index > Count()) Error(QStringLiteral("List index out of bounds (%d)"), index);
  InsertItem(index, text, object);
}

int TStringList::Add(const QString& text) {
  if (!m_sorted) {
    const int index = Count();
    InsertItem(index, text, nullptr);
    return index;
  }
  int index = 0;
  if (Find(text, index)) {
    if (m_duplicates == TDuplicates::dupIgnore) return index;
    if (m_duplicates == TDuplicates::dupError)
      throw EStringListError(QStringLiteral("String list does not allow duplicates"));
  }
  InsertItem(index, text, nullptr);
  return index;
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  TObject* object = m_items[static_cast<size_t>(index)].object;
  m_items.erase(m_items.begin() + index);
  if (m_ownsObjects) delete object;
  Changed();
}

void TStringList::Clear() {
  if (m_items.empty()) return;
  Changing();
  std::vector<Item> old;
  old.swap(m_items);
  if (m_ownsObjects)
    for (Item& item : old) delete item.object;
  Changed();
}

int TStringList::CompareStrings(const QString& a, const QString& b) const {
  return a.compare(b, m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

int TStringList::IndexOf(const QString& text) const {
  if (m_sorted) {
    int index = 0;
    return Find(text, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(m_items[static_cast<size_t>(i)].text, text) == 0) return i;
  return -1;
}

bool TStringList::Find(const QString& text, int& index) const {
  int lo = 0;
  int hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    const int c = CompareStrings(m_items[static_cast<size_t>(mid)].text, text);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (m_duplicates != TDuplicates::dupAccept) lo = mid;
      }
    }
  }
  index = lo;
  return found;
}

void TStringList::SetSorted(bool value) {
  if (m_sorted == value) return;
  if (value) Sort();
  m_sorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (m_caseSensitive == value) return;
  m_caseSensitive = value;
  if (m_sorted) Sort();
}

void TStringList::Sort() {
  CustomSort([](const TStringList& list, int a, int b) {
    return list.CompareStrings(list.m_items[static_cast<size_t>(a)].text, list.m_items[static_cast<size_t>(b)].text);
  });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
  if (Count() < 2) return;
  Changing();
  // Sort a permutation so the comparison sees the list as it stands.
  std::vector<int> order(m_items.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
  std::vector<Item> sorted;
  sorted.reserve(m_items.size());
  for (int i : order) sorted.push_back(m_items[static_cast<size_t>(i)]);
  m_items.swap(sorted);
  Changed();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) Changing();
  else Changed();
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}
