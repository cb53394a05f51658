// The in-place editor of the property page: a one-line text field with a
// button at its right edge, a drop-down arrow for a value list and an
// ellipsis for a dialog, and the drop-down list of values. The page places
// it on the value cell of the current row; its keys, mouse and text go back
// to the page and the row's item.
#pragma once

#include "inspector/ELPropsPage.h"
#include "toolkit/PopupList.h"

class QLineEdit;

class TELPropsPageInplaceEdit : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  static constexpr int ButtonWidth = 16;

  explicit TELPropsPageInplaceEdit(TELCustomPropsPage* page);
  ~TELPropsPageInplaceEdit() override;

  TELCustomPropsPage* Page() const { return m_page; }
  QString Text() const;
  // Sets the text the way typing does: the page hears of the change.
  void SetText(const QString& text);
  // Keeps the text and the selection but forgets the edits that led there,
  // so the field's undo has nothing to take back.
  void ForgetEdits();
  void SelectAll();
  int SelStart() const;
  int SelLength() const;
  void SetSel(int start, int length);

  // The look of a value that cannot be typed (and the field refuses typing).
  bool ReadOnlyLook() const { return m_readOnly; }
  void SetReadOnlyLook(bool value);
  TELPropEditStyle EditStyle() const { return m_editStyle; }
  void SetEditStyle(TELPropEditStyle value);
  void SetColors(TColor background, TColor text);
  // The button's place in the editor's coordinates; empty for esSimple.
  QRect ButtonRect() const;
  bool ButtonPressed() const { return m_buttonPressed; }

  // Rows the drop-down list shows without scrolling; 0 or less: all.
  int DropDownRows() const { return m_dropDownRows; }
  void SetDropDownRows(int value) { m_dropDownRows = value; }
  // The value list and the popup window it drops down in.
  TPopupListBox& PickList() { return *m_pickList; }
  TPopupWindow& PickListPopup() { return *m_pickListPopup; }
  bool ListVisible() const { return m_pickListPopup->IsOpen(); }
  // Opens the list of the active item's values under (or over) the editor.
  void DropDown();
  // Closes the list; with `accept` its current entry becomes the text and
  // is committed to the current row.
  void CloseUp(bool accept);

  QLineEdit* LineEdit() const { return m_lineEdit; }

 protected:
  bool WndProc(TMessage& message) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(QChar& key) override;
  void BoundsChanged(bool sizeChanged) override;
  void FontChanged() override;

 private:
  class Button;
  void LayoutParts();
  void ButtonDown();
  // The active item's next value (its double click), shown and selected.
  void NextValue();
  void ListChosen(int index);
  // The list takes the editor's font; a row is the font's text high.
  void ListFontChanged();
  // An owner-drawn entry: the highlight or the list's colour, then the item draws the value.
  void DrawListValue(TCanvas& canvas, int index, const QRect& rect, TOwnerDrawState state);

  // The list sits inside the popup's frame: a line and a pixel of space on each side.
  static constexpr int kListFrame = 2;
  // The height of a list without entries.
  static constexpr int kEmptyListHeight = 20;

  TELCustomPropsPage* m_page;
  QLineEdit* m_lineEdit = nullptr;
  Button* m_button = nullptr;
  TPopupWindow* m_pickListPopup = nullptr;
  TPopupListBox* m_pickList = nullptr;
  bool m_readOnly = false;
  TELPropEditStyle m_editStyle = TELPropEditStyle::esSimple;
  bool m_buttonPressed = false;
  int m_dropDownRows = 8;
};
