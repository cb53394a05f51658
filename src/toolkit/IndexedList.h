// Lists whose items are reached by position: string lists, collections,
// the nodes of a tree view and the rows of a list view. Published properties
// hand these lists out; a path such as "Lines.Strings[2]" or
// "Columns.Items[1].Caption" walks into them through this one interface.
#pragma once

#include <QString>

class TPersistent;

// What an item of the list is.
enum class TIndexedKind {
  Lines,    // a line of text and nothing else (string lists)
  Texts,    // an object shown by one text (tree nodes, list-view rows)
  Objects,  // an object known by its published properties (collection items)
};

// An index outside 0 .. ItemCount - 1 raises the list's own index error.
class IIndexedList {
 public:
  virtual TIndexedKind ItemKind() const = 0;
  virtual int ItemCount() const = 0;
  // Item n as an object; always nullptr for the Lines kind.
  virtual TPersistent* ItemObject(int index) const = 0;
  // The text that stands for item n: the line, the node's text, the row's
  // caption, a collection item's display name.
  virtual QString ItemText(int index) const = 0;
  // Replaces the text of item n; items of the Objects kind have no text of
  // their own and refuse with EInvalidOperation.
  virtual void SetItemText(int index, const QString& text) = 0;

 protected:
  ~IIndexedList() = default;
};

// The indexed-list side of a list of objects shown by one text each (tree
// nodes, list-view rows): the list's own Count() and Item(n), and the item's
// text read and written through `GetText` and `SetText`.
template <class List, class Item, QString (Item::*GetText)() const, void (Item::*SetText)(const QString&)>
class TTextItems : public IIndexedList {
 public:
  TIndexedKind ItemKind() const override { return TIndexedKind::Texts; }
  int ItemCount() const override { return Self().Count(); }
  TPersistent* ItemObject(int index) const override { return Self().Item(index); }
  QString ItemText(int index) const override { return (Self().Item(index)->*GetText)(); }
  void SetItemText(int index, const QString& text) override { (Self().Item(index)->*SetText)(text); }

 protected:
  ~TTextItems() = default;

 private:
  const List& Self() const { return static_cast<const List&>(*this); }
};
