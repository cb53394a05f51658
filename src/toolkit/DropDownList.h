// The list that drops down under an edit field: a borderless window that
// never takes the activation (the field keeps the keyboard focus and hands
// the list the keys that move in it), rows of one height or of heights the
// owner measures, drawn by the list or by the owner through a canvas, a
// scroll bar when not all rows fit, and a place under the field or, without
// room there, above it, on the field's own screen.
//
// The list closes itself without a choice when the mouse is pressed anywhere
// outside it (except on the widget that opened it, which decides itself) and
// when the application loses the activation; a click on a row chooses it.
#pragma once

#include "toolkit/Colors.h"

#include <QPointer>
#include <QRect>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QWidget;
class TCanvas;
class TFont;

class TDropDownList {
 public:
  TDropDownList();
  ~TDropDownList();
  TDropDownList(const TDropDownList&) = delete;
  TDropDownList& operator=(const TDropDownList&) = delete;

  // The rows. Setting them measures them anew and leaves no current row.
  const QStringList& Items() const { return m_items; }
  void SetItems(const QStringList& items);
  int Count() const { return static_cast<int>(m_items.size()); }

  // The current (highlighted) row, -1 for none; setting it scrolls it into view.
  int ItemIndex() const { return m_itemIndex; }
  void SetItemIndex(int index);

  TFont& Font();
  // Text height of the font: the height of a row, and where a measured row starts.
  int ItemHeight() const;
  // The colours of the rows that are not current.
  void SetColors(TColor background, TColor text);

  // With owner drawing each row's height is ItemHeight passed through
  // OnMeasureItem, and OnDrawItem draws the row; otherwise the list draws
  // every row in the font, highlighted when current.
  bool OwnerDraw() const { return m_ownerDraw; }
  void SetOwnerDraw(bool value);
  std::function<void(int index, int& height)> OnMeasureItem;
  std::function<void(TCanvas& canvas, int index, const QRect& rect, bool selected)> OnDrawItem;
  int RowHeight(int index) const;
  // The outer height that shows `rows` rows from the first: their heights
  // and the frame (kFrame above and below); kEmptyHeight without rows.
  int HeightForRows(int rows) const;
  static constexpr int kFrame = 2;
  static constexpr int kEmptyHeight = 20;
  // Width of the scroll bar shown when not all rows fit.
  int ScrollBarWidth() const;

  // The first row shown; scrolling keeps it within 0 .. MaxTopIndex.
  int TopIndex() const { return m_topIndex; }
  void SetTopIndex(int index);
  int MaxTopIndex() const;
  // The row under a point of the list (its own coordinates), -1 for none.
  int ItemAtPos(const QPoint& pos) const;
  // A shown row's rectangle in the list's coordinates; empty when not shown.
  QRect ItemRect(int index) const;

  // Where a list of `size` goes for a field at `anchor` on `screen` (screen
  // coordinates): its left edge at the field's, its top at the field's
  // bottom, or, when it would reach below the screen, its bottom at the
  // field's top; moved left as far as needed to stay on the screen.
  static QRect Place(const QRect& anchor, const QSize& size, const QRect& screen);
  // Opens the list for a field at `anchor` (screen coordinates) with `size`,
  // on the screen that holds the field's centre; an open list moves.
  void DropDown(const QRect& anchor, const QSize& size);
  // Closes the list without a choice (nothing is reported).
  void CloseUp();
  bool IsOpen() const;
  // The list's place on the screen while open.
  QRect ScreenRect() const;
  // The screens placement measures against; tests put fixed ones in.
  void SetScreenGeometry(std::function<QRect(const QPoint& screenPoint)> geometry);

  // A press on this widget (the field's drop-down button) does not close
  // the list: the widget's own handling decides.
  void SetOpenerWidget(QWidget* widget);
  // A row was chosen with the mouse; the list is closed before.
  std::function<void(int index)> OnChoose;
  // The list closed itself without a choice (outside press, deactivation).
  std::function<void()> OnCancel;

  // Up, Down, Page Up, Page Down, Home and End typed in the field move the
  // current row; true when the key was one of them.
  bool HandleKey(uint16_t key);

  // The window, for tests and pictures.
  QWidget* Widget() const;

 private:
  class Window;
  class Watcher;
  friend class Window;
  friend class Watcher;

  void Paint(QPainter& painter);
  void Remeasure();
  void LayoutScrollBar();
  int RowsAreaHeight() const;
  // Rows fully shown from the first shown one (at least 1).
  int RowsShown() const;
  bool ScrollBarNeeded() const;
  void Choose(int index);
  void CloseWithoutChoice();

  std::unique_ptr<Window> m_window;
  std::unique_ptr<Watcher> m_watcher;
  std::unique_ptr<TFont> m_font;
  QStringList m_items;
  std::vector<int> m_heights;
  int m_itemIndex = -1;
  int m_topIndex = 0;
  bool m_ownerDraw = false;
  TColor m_color = clWindow;
  TColor m_textColor = clWindowText;
  QPointer<QWidget> m_opener;
  std::function<QRect(const QPoint&)> m_screenGeometry;
};
