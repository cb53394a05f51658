// String lists: ordered text lines, each with an optional object.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/IndexedList.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The abstract list: concrete lists store the lines, everything else is
// built on Get/Put/Insert/Delete. Lookup ignores letter case.
class TStrings : public TPersistent, public IIndexedList {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The lines as an indexed list.
  TIndexedKind ItemKind() const override { return TIndexedKind::Lines; }
  int ItemCount() const override { return Count(); }
  TPersistent* ItemObject(int) const override { return nullptr; }
  QString ItemText(int index) const override { return Get(index); }
  void SetItemText(int index, const QString& text) override { Put(index, text); }

  virtual int Count() const = 0;
  virtual QString Get(int index) const = 0;
  virtual void Put(int index, const QString& text);
  virtual TObject* GetObject(int index) const;
  virtual void PutObject(int index, TObject* object);
  virtual void Insert(int index, const QString& text) = 0;
  virtual void InsertObject(int index, const QString& text, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual int Add(const QString& text);
  int AddObject(const QString& text, TObject* object);
  void Append(const QString& text) { Add(text); }
  void AddStrings(const TStrings& strings);
  void Exchange(int index1, int index2);
  void Move(int currentIndex, int newIndex);

  QString Strings(int index) const { return Get(index); }
  QString operator[](int index) const { return Get(index); }
  TObject* Objects(int index) const { return GetObject(index); }

  // Letter case ignored; -1 when absent.
  virtual int IndexOf(const QString& text) const;
  int IndexOfObject(const TObject* object) const;
  // Name=value lines: the name is the text before the first "=".
  int IndexOfName(const QString& name) const;
  QString Names(int index) const;
  QString Values(const QString& name) const;
  // An empty value removes the line; a new name adds a line.
  void SetValue(const QString& name, const QString& value);
  QString ValueFromIndex(int index) const;

  // Lines joined, each followed by CR LF.
  QString Text() const;
  // Splits on CR LF, a lone LF or a lone CR; a final line break adds no line.
  void SetText(const QString& text);
  // Lines separated by commas, quoted with '"' when they hold a blank, a
  // comma or a quote.
  QString CommaText() const;
  void SetCommaText(const QString& text);
  QStringList ToStringList() const;

  // Batches changes: the change notification fires once, at the outermost end.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return m_updateCount; }

  // Copies the lines (and their objects) of another string list.
  void Assign(const TPersistent* source) override;
  bool Equals(const TStrings& other) const;

 protected:
  // Called when the outermost update bracket opens (true) and closes (false).
  virtual void SetUpdateState(bool updating);
  [[noreturn]] void Error(const QString& format, int index) const;

 private:
  int m_updateCount = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TStringList() = default;
  explicit TStringList(const QStringList& lines);
  ~TStringList() override;

  int Count() const override { return static_cast<int>(m_items.size()); }
  QString Get(int index) const override;
  void Put(int index, const QString& text) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const QString& text) override;
  void InsertObject(int index, const QString& text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(const QString& text) override;
  int IndexOf(const QString& text) const override;

  // Sorted lists keep their lines in order and insert where a line belongs.
  bool Sorted() const { return m_sorted; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return m_duplicates; }
  void SetDuplicates(TDuplicates value) { m_duplicates = value; }
  bool CaseSensitive() const { return m_caseSensitive; }
  void SetCaseSensitive(bool value);
  // The list frees the objects it holds when it deletes or clears lines.
  bool OwnsObjects() const { return m_ownsObjects; }
  void SetOwnsObjects(bool value) { m_ownsObjects = value; }
  // Binary search in a sorted list: true when found; `index` is the line or
  // the place where it would go.
  bool Find(const QString& text, int& index) const;
  void Sort();
  void CustomSort(const std::function<int(const TStringList& list, int index1, int index2)>& compare);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  virtual void Changed();
  virtual void Changing();
  int CompareStrings(const QString& a, const QString& b) const;

 private:
  struct Item {
    QString text;
    TObject* object = nullptr;
  };
  void CheckIndex(int index) const;
  void InsertItem(int index, const QString& text, TObject* object);
  std::vector<Item> m_items;
  bool m_sorted = false;
  bool m_caseSensitive = false;
  bool m_ownsObjects = false;
  TDuplicates m_duplicates = TDuplicates::dupIgnore;
};
