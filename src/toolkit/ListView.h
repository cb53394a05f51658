// The list view: rows of a caption, sub-items and a small picture, shown in
// columns (report view) or as a plain list. The control's item list holds
// the truth; the Qt tree widget mirrors it row for row, in the same order.
#pragma once

#include "toolkit/Collection.h"
#include "toolkit/Strings.h"
#include "toolkit/WinControl.h"

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TImageList;
class TListItems;
class TListView;

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
// stText and stBoth keep the rows sorted by caption; stData sorts nothing,
// as the items carry no data to compare.
enum class TSortType { stNone, stData, stText, stBoth };
class TListItem;
using TLVSelectItemEvent = std::function<void(TObject* sender, TListItem* item, bool selected)>;

const TTypeInfo& ViewStyleType();
const TTypeInfo& SortTypeType();
const TTypeInfo& LVSelectItemEventType();

// One column of the report view.
class TListColumn : public TCollectionItem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TListColumn(TCollection* collection);

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& value);
  // Pixels; a negative width sizes the column to its content.
  int Width() const { return m_width; }
  void SetWidth(int value);

 private:
  QString m_caption;
  int m_width = 50;
};

class TListColumns : public TCollection {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TListColumns(TListView* owner);
  TListView* ListView() const { return m_listView; }
  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TListView* m_listView;
};

// One row. Items are created by TListItems::Add and belong to their list.
class TListItem : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  ~TListItem() override;

  TListItems* Owner() const { return m_owner; }
  TListView* ListView() const;

  // Changing the caption of a sorted list moves the row to its place.
  QString Caption() const { return m_caption; }
  void SetCaption(const QString& value);
  // The texts of the columns after the first, by index.
  TStrings& SubItems() { return *m_subItems; }
  TStrings* SubItemsObject() const { return m_subItems.get(); }
  void SetSubItems(TStrings* value) { m_subItems->Assign(value); }
  // A picture of the list view's small images; -1 for none.
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value);
  bool Selected() const;
  void SetSelected(bool value);
  // The row's position in the list.
  int Index() const;
  // Scrolls the row into view; with `partialOk` a partly visible row stays put.
  void MakeVisible(bool partialOk);
  // Removes the row from its list and frees it.
  void Delete();

 private:
  friend class TListItems;
  explicit TListItem(TListItems* owner);

  TListItems* m_owner;
  QString m_caption;
  std::unique_ptr<TStringList> m_subItems;
  int m_imageIndex = -1;
};

// As an indexed list: the rows, each shown by its caption.
class TListItems : public TPersistent,
                   public TTextItems<TListItems, TListItem, &TListItem::Caption, &TListItem::SetCaption> {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TListItems(TListView* owner);
  ~TListItems() override;

  TListView* Owner() const { return m_owner; }
  // A new row with an empty caption: at the end, or at its sorted place.
  TListItem* Add();
  int Count() const { return static_cast<int>(m_items.size()); }
  // EListError "List index out of bounds (%d)" outside 0 .. Count - 1.
  TListItem* Item(int index) const;
  int IndexOf(const TListItem* item) const;
  void Delete(int index);
  void Clear();
  // Batches changes: rows are sorted and shown once, at the outermost end.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return m_updateCount; }

 private:
  friend class TListItem;
  friend class TListView;
  void CaptionChanged(TListItem* item);
  void ItemChanged(TListItem* item);
  // Stable sort by caption in the locale's order.
  void Sort();
  // The place of a caption in the sorted rows: after every equal caption.
  int SortedPosition(const QString& caption) const;
  bool Sorted() const;

  TListView* m_owner;
  std::vector<std::unique_ptr<TListItem>> m_items;
  int m_updateCount = 0;
  bool m_dirty = false;
};

class TListView : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TListView(TComponent* owner);
  ~TListView() override;

  TListColumns& Columns() { return *m_columns; }
  TListColumns* ColumnsObject() const { return m_columns.get(); }
  TListItems& Items() { return *m_items; }
  TListItems* ItemsObject() const { return m_items.get(); }

  // The report view shows the columns with a header; the other styles show
  // the captions with their pictures in one column.
  TViewStyle ViewStyle() const { return m_viewStyle; }
  void SetViewStyle(TViewStyle value);
  // The whole row shows selected, not only its caption.
  bool RowSelect() const { return m_rowSelect; }
  void SetRowSelect(bool value);
  // Without ReadOnly a caption can be edited in place (F2 or a click on the
  // selected row).
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool value);
  // False keeps the selection visible while the list has no focus.
  bool HideSelection() const { return m_hideSelection; }
  void SetHideSelection(bool value);
  // Whether the column headers react to clicks.
  bool ColumnClick() const { return m_columnClick; }
  void SetColumnClick(bool value);
  TSortType SortType() const { return m_sortType; }
  void SetSortType(TSortType value);
  TImageList* SmallImages() const { return m_smallImages; }
  void SetSmallImages(TImageList* value);

  // The selected row, or nullptr; one row at most is selected.
  TListItem* Selected() const { return m_selected; }
  void SetSelected(TListItem* item);
  int ItemIndex() const;
  // -1 selects nothing; EListError outside the rows.
  void SetItemIndex(int index);

  // Fired with the row that loses the selection (false), then with the row
  // that gains it (true), whether the user or the program selected it.
  TLVSelectItemEvent OnSelectItem;
  TLVSelectItemEvent GetOnSelectItem() const { return OnSelectItem; }
  void SetOnSelectItem(TLVSelectItemEvent e) { OnSelectItem = std::move(e); }

 protected:
  virtual void DoSelectItem(TListItem* item, bool selected);
  void Notification(TComponent* component, TOperation operation) override;
  void SyncColor() override;
  void SyncFont() override;

 private:
  friend class TListItem;
  friend class TListItems;
  friend class TListColumns;

  QTreeWidget* Tree() const;
  bool IsReport() const { return m_viewStyle == TViewStyle::vsReport; }
  int ShownColumnCount() const;
  // Model to widget.
  void RowInserted(int row);
  void RowRemoved(int row);
  void RowMoved(int from, int to);
  void RowChanged(int row);
  void RebuildRows();
  void FillRow(QTreeWidgetItem* row, const TListItem& item) const;
  void ColumnsChanged();
  void ColumnChanged(int index);
  void SyncSelection();
  void SyncHighlight();
  void SyncBehaviour();
  void ItemDeleting(TListItem* item);
  void ScrollTo(const TListItem* item, bool partialOk);
  // Widget to model.
  void WidgetSelectionChanged();
  void WidgetItemEdited(QTreeWidgetItem* row, int column);
  void WidgetColumnResized(int index, int width);

  std::unique_ptr<TListColumns> m_columns;
  std::unique_ptr<TListItems> m_items;
  TViewStyle m_viewStyle = TViewStyle::vsIcon;
  bool m_rowSelect = false;
  bool m_readOnly = false;
  bool m_hideSelection = true;
  bool m_columnClick = true;
  TSortType m_sortType = TSortType::stNone;
  TImageList* m_smallImages = nullptr;
  TListItem* m_selected = nullptr;
  bool m_syncing = false;
  // Receiver of the widget's signals; going first, it cuts them off before
  // the widget goes.
  std::unique_ptr<QObject> m_signals;
};
