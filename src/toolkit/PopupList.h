// Drop-down popups: a borderless window that opens under (or over) the
// control that opened it without taking the activation, and the list of
// owner-drawn rows that drop-down lists show in it.
//
// The control that opens a popup keeps the keyboard focus and hands the keys
// typed while it is open to TPopupWindow::HandleKey: Escape closes the popup,
// Enter chooses the list's current row, the arrow and page keys move in the
// list. The popup closes on its own when the mouse is pressed anywhere
// outside it, when the focus goes to another control, and when the
// application loses the activation; OnCloseUp reports every close with its
// reason.
#pragma once

#include "toolkit/Strings.h"
#include "toolkit/WinControl.h"

#include <functional>
#include <memory>
#include <vector>

class QScrollBar;

// The rectangle of the screen that holds a point, in screen coordinates.
using TScreenGeometry = std::function<QRect(const QPoint& screenPoint)>;
// The real screens: the one that holds the point, else the primary one.
QRect ScreenGeometryAt(const QPoint& screenPoint);

// Where a popup of `size` goes for a control at `anchor` (both in screen
// coordinates) on `screen`: below the control with the left edges aligned;
// with the right edges aligned when it would pass the screen's right edge;
// above the control when it would pass the screen's bottom; and in any case
// moved into the screen as far as its size allows.
QRect PlacePopup(const QRect& anchor, const QSize& size, const QRect& screen);

enum class TPopupCloseReason {
  pcClosed,        // closed by a program call
  pcChosen,        // Enter chose the list's current row
  pcEscape,        // Escape
  pcOutsideClick,  // a mouse press outside the popup
  pcFocusLost,     // the focus went to another control or the application was deactivated
};

class TPopupListBox;

using TPopupCloseEvent = std::function<void(TObject* sender, TPopupCloseReason reason)>;

// The borderless popup window. It holds child controls like any container;
// its owner is usually the control that opens it.
class TPopupWindow : public TCustomControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TPopupWindow(TComponent* owner);
  ~TPopupWindow() override;

  bool AcceptsControls() const override { return true; }

  // Opens the popup at `size` for `opener`, placed by PlacePopup on the
  // screen that holds the opener's centre; an open popup moves and resizes.
  // At design time nothing opens.
  void Popup(TControl* opener, const QSize& size);
  // Closes an open popup and reports `reason`; a closed one stays closed.
  void ClosePopup(TPopupCloseReason reason = TPopupCloseReason::pcClosed);
  bool IsOpen() const { return m_open; }
  TControl* Opener() const { return m_opener; }
  // A key typed in the opener while the popup is open: Escape closes it,
  // Enter reports the list's current row (TPopupListBox::OnChoose) and
  // closes it, the list's keys move in the first list of the popup. True
  // when the key was used.
  bool HandleKey(uint16_t key);
  // The first list among the popup's children, if any.
  TPopupListBox* List() const;

  // The screens placement measures against; tests put in fixed ones.
  void SetScreenGeometry(TScreenGeometry geometry);

  // The frame drawn inside the popup's edge: `BorderWidth` pixels (1 by
  // default, 0 for none) in `BorderColor` (the window-frame colour).
  int BorderWidth() const { return m_borderWidth; }
  void SetBorderWidth(int value);
  TColor BorderColor() const { return m_borderColor; }
  void SetBorderColor(TColor value);

  TPopupCloseEvent OnCloseUp;

 protected:
  void Paint() override;
  bool WndProc(TMessage& message) override;
  void SyncGeometry() override;
  void SyncVisibility() override;
  void DesigningChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  class Watcher;
  friend class Watcher;
  // A mouse press somewhere in the application; true swallows it.
  bool PressSeen(QWidget* target, const QPoint& screenPos);
  void FocusMoved(QWidget* now);
  void SetOpener(TControl* opener);
  void Hide();

  std::unique_ptr<Watcher> m_watcher;
  TControl* m_opener = nullptr;
  TScreenGeometry m_screenGeometry;
  int m_borderWidth = 1;
  TColor m_borderColor = clWindowFrame;
  bool m_open = false;
};

// odComboBoxEdit: the edit area of an owner-drawn combo box, not a list row.
enum class TOwnerDrawStateFlag { odSelected, odFocused, odDisabled, odChecked, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

using TListDrawItemEvent =
    std::function<void(TObject* sender, TCanvas& canvas, int index, const QRect& rect, TOwnerDrawState state)>;
using TListMeasureItemEvent = std::function<void(TObject* sender, int index, int& height)>;
using TListItemEvent = std::function<void(TObject* sender, int index)>;

// The list of a drop-down: rows of fixed or measured height, drawn by the
// list or by OnDrawItem, a vertical scroll bar when they do not fit, one
// current row, several highlighted rows with MultiSelect, and optionally a
// tick box in front of every row.
class TPopupListBox : public TCustomControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TPopupListBox(TComponent* owner);
  ~TPopupListBox() override;

  // The rows' texts (and objects). DeleteItem and ExchangeItems keep the
  // highlight and tick with their rows; rows added to the list start without
  // them, and any other change that lowers the count clears them all.
  TStrings& Items() { return *m_items; }
  TStringList* ItemsObject() const { return m_items.get(); }
  int Count() const { return m_items->Count(); }
  void DeleteItem(int index);
  void ExchangeItems(int index1, int index2);

  // Height of every row, or the start value of a measured row.
  int ItemHeight() const { return m_itemHeight; }
  void SetItemHeight(int value);
  // On: each row's height is ItemHeight passed through OnMeasureItem.
  bool VariableHeights() const { return m_variableHeights; }
  void SetVariableHeights(bool value);
  int RowHeight(int index) const;
  // The summed height of `count` rows from `first` (rows past the end count 0).
  int RowsHeight(int first, int count) const;

  // The current row, -1 for none.
  int ItemIndex() const { return m_itemIndex; }
  void SetItemIndex(int index);
  // Several rows can be highlighted at once (a click highlights one row,
  // Ctrl+click toggles a row, Shift+click a range); otherwise the current
  // row is the highlighted one.
  bool MultiSelect() const { return m_multiSelect; }
  void SetMultiSelect(bool value);
  // Without MultiSelect: the row under the pointer becomes the current one
  // as the pointer moves over the list, no button held, as in the list of a
  // combo box.
  bool HotTrack() const { return m_hotTrack; }
  void SetHotTrack(bool value) { m_hotTrack = value; }
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  int SelCount() const;
  void ClearSelection();

  // A tick box in front of every row; a click on it toggles the tick and
  // fires OnClickCheck.
  bool CheckBoxes() const { return m_checkBoxes; }
  void SetCheckBoxes(bool value);
  bool Checked(int index) const;
  void SetChecked(int index, bool value);
  // Width of the tick box column (0 without tick boxes).
  int CheckWidth() const;

  // The first row shown; scrolling keeps it between 0 and MaxTopIndex.
  int TopIndex() const { return m_topIndex; }
  void SetTopIndex(int index);
  int MaxTopIndex() const;
  // Scrolls by whole rows; false when the position did not change.
  bool ScrollBy(int rows);
  // Scrolls so that the row is fully shown.
  void MakeVisible(int index);
  // The row at a point (client coordinates), -1 below the last row, on the
  // scroll bar or outside the list.
  int ItemAtPos(const QPoint& pos) const;
  // The row's rectangle in client coordinates, empty when it is not shown.
  QRect ItemRect(int index) const;
  // The width left for the rows: the client width less a shown scroll bar.
  int RowsWidth() const;

  // Up, Down, Page Up, Page Down, Home and End move the current row, Space
  // toggles its tick; true when the key did something.
  bool HandleKey(uint16_t key);
  // Reports the current row through OnChoose (nothing without one).
  void ChooseCurrent();

  TListDrawItemEvent OnDrawItem;
  TListMeasureItemEvent OnMeasureItem;
  // A row was chosen: the left button released over the row it went down on,
  // or ChooseCurrent.
  TListItemEvent OnChoose;
  // A tick was toggled by the user.
  TListItemEvent OnClickCheck;
  // The rows changed (added, deleted, renamed, measured anew).
  TNotifyEvent OnItemsChanged;

 protected:
  void Paint() override;
  bool WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void BoundsChanged(bool sizeChanged) override;
  void FontChanged() override;
  // Draws a row (its tick box is already drawn): the highlight or the list's
  // colour, and the text 2 pixels in.
  virtual void DrawItem(TCanvas& canvas, int index, const QRect& rect, TOwnerDrawState state);

 private:
  void ItemsChanged();
  void Remeasure();
  void UpdateScrollBar();
  void SelectByMouse(int index, TShiftState shift);
  void Moved(int index);
  void DrawCheckBox(TCanvas& canvas, const QRect& rect, bool checked) const;

  std::unique_ptr<QObject> m_signals;
  std::unique_ptr<TStringList> m_items;
  QScrollBar* m_scrollBar = nullptr;
  std::vector<int> m_heights;
  std::vector<char> m_selected;
  std::vector<char> m_checked;
  int m_itemHeight = 13;
  bool m_variableHeights = false;
  int m_itemIndex = -1;
  int m_anchorIndex = -1;
  bool m_multiSelect = false;
  bool m_hotTrack = false;
  bool m_checkBoxes = false;
  int m_topIndex = 0;
  int m_pressedIndex = -1;
  int m_wheelRemainder = 0;
  bool m_keepState = false;
};
