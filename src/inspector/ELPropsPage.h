// The property page: a two-column list control, captions on the left and
// values on the right, whose rows are the shown part of a tree of items that
// expand and collapse with a plus or minus glyph. One in-place editor sits on
// the value cell of the current row; typed text belongs to the item it was
// typed for and is committed to that item (Enter, a row change, the focus
// leaving the page, a choice from the drop-down list) or dropped. The page
// paints every cell itself through the toolkit canvas and knows nothing
// about properties: each row is an item that supplies its caption, value,
// edit style and values, and receives the typed text.
#pragma once

#include "inspector/ELUtils.h"
#include "toolkit/Bitmap.h"
#include "toolkit/SysUtils.h"
#include "toolkit/WinControl.h"

#include <QStringList>

#include <memory>
#include <vector>

class QScrollBar;
class TELCustomPropsPage;
class TELPropsPageInplaceEdit;

VORNIK_EXCEPTION(EELPropsPage, Exception);

// A line in a pen colour from (x1, y1) to (x2, y2), the end pixel left out.
void DrawLine(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2);

enum class TELPropsPageItemExpandable { exAuto, exAlways, exNever };
enum class TELPropEditStyle { esSimple, esEllipsis, esPickList };

// One row of the page and the list of its child rows.
class TELPropsPageItem : public TELObjectList {
 public:
  TELPropsPageItem(TELCustomPropsPage* page, TELPropsPageItem* parent);
  // Clears the children while the item stands and empties its slot in the
  // page's rows.
  ~TELPropsPageItem() override;

  TELPropsPageItem* Parent() const { return m_parent; }
  TELCustomPropsPage* Owner() const { return m_owner; }
  // Child item `index`.
  TELPropsPageItem* Item(int index) const;

  TELPropsPageItemExpandable Expandable() const { return m_expandable; }
  void SetExpandable(TELPropsPageItemExpandable value);
  const QString& Caption() const { return m_caption; }
  void SetCaption(const QString& value);
  bool Expanded() const { return m_expanded; }
  TELPropEditStyle EditStyle() const { return m_editStyle; }
  void SetEditStyle(TELPropEditStyle value);
  // Index into the page's rows; -1 when the item is not shown.
  int Row() const { return m_row; }
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool value);
  // Every keystroke is written at once.
  bool AutoUpdate() const { return m_autoUpdate; }
  void SetAutoUpdate(bool value);
  // The drop-down list is measured and drawn by the item.
  bool OwnerDrawValues() const { return m_ownerDrawValues; }
  void SetOwnerDrawValues(bool value);

  bool HasChildren() const;
  // Number of ancestors; the caption is indented 10 pixels per level.
  int Level() const;
  int Indent() const { return Level() * 10; }

  // Shows the children (the page's DoExpand may create them) or hides them.
  void Expand();
  void Collapse();

  virtual QString DisplayValue() const { return m_value; }
  // Stores the text; a different text (letter case counts) is a change.
  virtual void SetDisplayValue(const QString& value);
  virtual void GetValues(QStringList&) {}
  virtual void ListMeasureHeight(const QString&, TCanvas&, int&) {}
  virtual void ListMeasureWidth(const QString&, TCanvas&, int&) {}
  virtual void ListDrawValue(const QString&, TCanvas&, const QRect&, bool) {}
  virtual void EditButtonClick() {}
  virtual void DblClick() {}

 protected:
  std::unique_ptr<TObject> CreateItem() override;
  void Change() override;
  void AfterDelete() override;

 private:
  friend class TELCustomPropsPage;
  TELPropsPageItem* m_parent;
  TELCustomPropsPage* m_owner;
  TELPropsPageItemExpandable m_expandable = TELPropsPageItemExpandable::exAuto;
  QString m_caption;
  bool m_expanded = false;
  QString m_value;
  TELPropEditStyle m_editStyle = TELPropEditStyle::esSimple;
  int m_row = -1;
  bool m_readOnly = false;
  bool m_autoUpdate = false;
  bool m_ownerDrawValues = false;
};

// The top-level items of a page.
class TELPropsPageItems : public TELObjectList {
 public:
  explicit TELPropsPageItems(TELCustomPropsPage* owner) : m_owner(owner) {}
  ~TELPropsPageItems() override { Clear(); }
  TELPropsPageItem* Item(int index) const;
  TELCustomPropsPage* Owner() const { return m_owner; }

 protected:
  std::unique_ptr<TObject> CreateItem() override;
  void Change() override;

 private:
  TELCustomPropsPage* m_owner;
};

// Scroll actions of the page's vertical scroll bar.
enum class TELScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scTop, scBottom, scPosition, scTrack, scOther };

class TELCustomPropsPage : public TCustomControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TELCustomPropsPage(TComponent* owner);
  ~TELCustomPropsPage() override;

  // A nestable lock: rebuilds of the rows (and whatever a derived page
  // defers) wait for the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return m_updateCount > 0; }
  // Runs `work` inside BeginUpdate/EndUpdate, the lock undone also when it
  // fails. Everything the user does on the page runs so: an item or editor
  // it calls into is never destroyed under it, the deferred work runs after.
  template <class F>
  void Locked(F&& work) {
    BeginUpdate();
    try {
      work();
    } catch (...) {
      EndUpdateAfterError();
      throw;
    }
    EndUpdate();
  }
  // Rebuilds the rows from the item tree; deferred while locked.
  void ItemsChanged();

  TELPropsPageItems& Items() { return *m_items; }
  // The item of a row; none outside the rows or for an emptied slot.
  TELPropsPageItem* ItemAtRow(int row) const;
  TELPropsPageItem* ActiveItem() const { return ItemAtRow(m_row); }
  // Commits the text typed for the row's item to it. Text typed for another
  // item (one a rebuild has taken away or moved) is not this row's and is
  // not written. When the write fails, the editor shows the stored value
  // again and the error propagates.
  void ApplyEditText(int row);
  // The last text seen in the editor, and the item it was typed for.
  const QString& EditText() const { return m_editText; }
  TELPropsPageItem* EditItem() const { return m_editItem; }

  // Width of the caption column: at most Width - 40, at least 40.
  int Splitter() const { return m_colWidths[0]; }
  void SetSplitter(int value);
  TColor ValuesColor() const { return m_valuesColor; }
  void SetValuesColor(TColor value);
  // 2-pixel sunken edge (true, the default) or none.
  bool BorderSingle() const { return m_borderSingle; }
  void SetBorderSingle(bool value);

  // The grid.
  int RowCount() const { return static_cast<int>(m_rows.size()); }
  // The current row; -1 without rows.
  int Row() const { return m_row; }
  // Makes a row current. The text typed for the row left is committed
  // first; when that fails the current row stays and the error propagates.
  void SetRow(int row);
  int TopRow() const { return m_topRow; }
  void SetTopRow(int row);
  // Rows shown in full.
  int VisibleRowCount() const;
  int DefaultRowHeight() const { return m_rowHeight; }
  int ColWidth(int col) const { return m_colWidths[col == 0 ? 0 : 1]; }
  // The page's own coordinates of the grid's top-left corner.
  QPoint GridOrigin() const;
  // A cell's rectangle (page coordinates); empty when the row is not shown.
  QRect CellRect(int col, int row) const;
  // The cell under a point (page coordinates): its column (0 or 1, -1
  // outside both) and row (-1 for none).
  QPoint MouseCoord(const QPoint& pos) const;
  void InvalidateRow(int row);
  // A scroll action of the vertical scroll bar.
  void Scroll(TELScrollCode code, int position = 0);
  bool ScrollBarShown() const;
  TELPropsPageInplaceEdit* InplaceEditor() const { return m_editor; }
  // Whether the current row's item takes typed text.
  bool CanEditModify() const;

  // Pictures of the page for tests: one cell as Paint draws it off screen.
  QImage CellImage(int col, int row);

 protected:
  friend class TELPropsPageItem;
  friend class TELPropsPageItems;
  friend class TELPropsPageInplaceEdit;

  virtual std::unique_ptr<TELPropsPageItem> CreateItem(TELPropsPageItem* parent);
  virtual void DoExpand(TELPropsPageItem*) {}
  virtual void DoCollapse(TELPropsPageItem*) {}
  virtual TColor GetItemCaptionColor(TELPropsPageItem* item);
  // The outermost EndUpdate: the deferred row rebuild runs.
  virtual void Unlocked();

  void Paint() override;
  bool WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(QChar& key) override;
  void BoundsChanged(bool sizeChanged) override;
  void FontChanged() override;
  void ColorChanged() override;
  void DoEnter() override;

  // Editor callbacks.
  void EditorTextChanged(const QString& text);
  // The focus went from the editor or the page to `now` (none when the
  // window lost the activation).
  void FocusLeft(QWidget* now);
  // Row navigation keys typed in the editor; true when used.
  bool NavigationKey(uint16_t key, TShiftState shift);
  void MouseWheelTurned(int delta);

 private:
  void EndUpdateAfterError();
  void UpdateRowHeight();
  void RowsFromItems();
  void MoveRow(int row);
  void ReloadEditor();
  void PlaceEditor();
  void UpdateScrollBar();
  void UpdateColumns();
  void ClampTopRow();
  void ScrollInView(int row);
  void DrawCell(TCanvas& canvas, int col, int row, const QRect& rect);
  void PaintCellBitmap(int col, int row, int width, int height);
  void DrawBorder(TCanvas& canvas);
  void ToggleItem(TELPropsPageItem* item);
  void ForgetItem(TELPropsPageItem* item);
  void DottedBrush(TBrush& brush);

  std::unique_ptr<TELPropsPageItems> m_items;
  std::vector<TELPropsPageItem*> m_rows;
  int m_colWidths[2] = {84, 104};
  int m_rowHeight = 16;
  int m_row = -1;
  int m_topRow = 0;
  TColor m_valuesColor = clNavy;
  bool m_borderSingle = true;
  QString m_editText;
  TELPropsPageItem* m_editItem = nullptr;
  int m_updateCount = 0;
  bool m_updatePending = false;
  bool m_destroying = false;
  bool m_splitterDragging = false;
  int m_dragOffset = 0;
  bool m_selecting = false;
  QPoint m_lastPress;
  bool m_loadingEditor = false;
  // The focus goes from the hidden editor to the page itself.
  bool m_focusToPage = false;
  TELPropsPageInplaceEdit* m_editor = nullptr;
  QScrollBar* m_scrollBar = nullptr;
  bool m_syncingScrollBar = false;
  TBitmap m_cellBitmap;
  QImage m_dotPattern;
  TColor m_dotColor = clNone;
};
