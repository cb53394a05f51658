// The extended combo box: a one-line edit with a drop-down button whose list
// opens in a popup of its own. The list is a check list: with MultiSelect the
// ticked items, joined by the delimiter and a space, are the text ("Drama,
// Action"), and typing completes the last item. A bar of six buttons under
// the list edits, adds, deletes and reorders items; its pin keeps the list
// open. The movie panel's four list fields are these controls.
#pragma once

#include "controls/OrqJvSpeedButton.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/IntervalTimer.h"
#include "toolkit/Panel.h"
#include "toolkit/PopupList.h"

#include <QStyle>

#include <array>
#include <memory>

class QLineEdit;
class TComboBoxX;
class TCustomComboBoxX;

enum class TCBXButton { cbxbEdit, cbxbNew, cbxbDelete, cbxbUp, cbxbDown, cbxbPin };
using TCBXButtons = TSet<TCBXButton>;
const TTypeInfo& CBXButtonsType();

class TCBXInplaceEdit;

// Before the list opens; setting `enabled` to false keeps it closed.
using TCBXDropDownEvent = std::function<void(TObject* sender, bool& enabled)>;
// Before an item is edited in place: the text, the item's object and the
// editor may be changed; `enabled` false refuses.
using TCBXEditEvent = std::function<void(TObject* sender, QString& text, TObject*& textObject,
                                         TCBXInplaceEdit*& inplaceEditor, bool& enabled)>;
// Before an item is added or an edited item is stored.
using TCBXItemObjectEvent = std::function<void(TObject* sender, QString& text, TObject*& textObject, bool& enabled)>;
// Before an item is deleted or moved; `enabled` false refuses.
using TCBXItemEvent = std::function<void(TObject* sender, bool& enabled)>;
using TCBXMeasureItemEvent = std::function<void(TObject* sender, int index, int& height)>;

// The editor an item is edited in, placed over the item's row.
class TCBXInplaceEdit : public TEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TCBXInplaceEdit(TComponent* owner);

  TCustomComboBoxX* ComboBox() const { return m_comboBox; }
  void SetComboBox(TCustomComboBoxX* comboBox) { m_comboBox = comboBox; }
  TObject* TextObject() const { return m_textObject; }
  void SetTextObject(TObject* object) { m_textObject = object; }
  // Called with true when Enter accepts the text, false when Escape cancels.
  std::function<void(bool accepted)> OnFinish;

 protected:
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void DoExit() override;

 private:
  TCustomComboBoxX* m_comboBox = nullptr;
  TObject* m_textObject = nullptr;
};

// One button of the bar: flat, with a picture; the Pin button stays down
// when clicked until clicked again.
class TCBXBarButton : public TOrqJvSpeedButton {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  TCBXBarButton(TComponent* owner, TCBXButton kind);

  TCBXButton Kind() const { return m_kind; }
  // Visible-allowed: the button's member is in Buttons.
  bool Allowed() const { return m_allowed; }
  void SetAllowed(bool value) { m_allowed = value; }
  // The Pin button's state.
  bool Down() const { return m_down; }
  void SetDown(bool value);

 protected:
  void Paint() override;
  void EnabledChanged() override { Invalidate(); }

 private:
  QImage Picture() const;
  TCBXButton m_kind;
  bool m_allowed = true;
  bool m_down = false;
};

// The popup window of the combo box: the list, and the bar under it.
class TCBXPopup : public TPopupWindow {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TCBXPopup(TComponent* owner) : TPopupWindow(owner) {}
  // The bar's top edge, 0 without a bar.
  void SetBarTop(int value);

 protected:
  void Paint() override;

 private:
  int m_barTop = 0;
};

class TCustomComboBoxX : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TCustomComboBoxX(TComponent* owner);
  ~TCustomComboBoxX() override;

  // A height below MinHeight is raised to it, unless the bounds must stay
  // as stored (loading, designing).
  void SetBounds(int left, int top, int width, int height) override;

  TComboBoxStyle Style() const { return m_style; }
  // csSimple and the current style are refused.
  void SetStyle(TComboBoxStyle value);
  TStrings& Items();
  TStrings* ItemsObject() const;
  void SetItems(TStrings* value);
  bool PinDown() const { return m_pinDown; }
  void SetPinDown(bool value) { m_pinDown = value; }
  bool ItemDrag() const { return m_itemDrag; }
  void SetItemDrag(bool value) { m_itemDrag = value; }
  bool AutoScroll() const { return m_autoScroll; }
  void SetAutoScroll(bool value) { m_autoScroll = value; }
  int ItemHeight() const { return m_itemHeight; }
  // Only the owner-draw styles take a new row height.
  void SetItemHeight(int value);
  int DropDownCount() const { return m_dropDownCount; }
  void SetDropDownCount(int value) { m_dropDownCount = value; }
  bool MultiSelect() const { return m_multiSelect; }
  // ItemDrag becomes the opposite.
  void SetMultiSelect(bool value);
  int PopupListWidth() const { return m_popupListWidth; }
  void SetPopupListWidth(int value) { m_popupListWidth = value; }
  TCBXButtons Buttons() const;
  void SetButtons(TCBXButtons value);
  QString ButtonHint() const;
  void SetButtonHint(const QString& value);
  // Also for the six buttons.
  void SetShowHint(bool value);
  QChar Delimiter() const { return m_delimiter; }
  void SetDelimiter(QChar value) { m_delimiter = value; }
  bool AutoComplete() const { return m_autoComplete; }
  void SetAutoComplete(bool value) { m_autoComplete = value; }
  int MaxLength() const { return m_maxLength; }
  void SetMaxLength(int value);

  // Opens and closes the list.
  void DropDown();
  void CloseUp();
  bool DroppedDown() const;
  // Without the pin and MultiSelect a chosen item closes the list.
  bool CloseOnSelect() const { return m_closeOnSelect; }

  // The list follows the text: ticks (MultiSelect) or the current item.
  void TextToList();
  // The text follows the list; with `onlyDropDownList` only for csDropDownList.
  void ListToText(bool onlyDropDownList);
  // Enables the bar's buttons for the chosen items.
  void UpdateButtons();
  // Sizes and places the popup when the number of rows changed.
  void LayoutPopup();
  // Places the bar's buttons for the pin state.
  void LayoutButtons();
  // The smallest height for the style and font.
  int MinHeight() const;

  // The drop-down button and the edit area in control coordinates.
  QRect ButtonRect() const;
  QRect EditRect() const;

  TCBXPopup* Popup() const { return m_popup; }
  TPopupListBox* List() const { return m_list; }
  TPanel* ButtonBar() const { return m_bar; }
  TCBXBarButton* BarButton(TCBXButton kind) const { return m_buttons[static_cast<size_t>(kind)]; }
  TCBXInplaceEdit* ActiveEditor() const { return m_activeEditor; }
  QLineEdit* LineEdit() const { return m_lineEdit; }
  // The list auto-scroll timer; tests put in one they fire themselves.
  void SetAutoScrollTimer(std::unique_ptr<TIntervalTimer> timer);
  TIntervalTimer& AutoScrollTimer() { return *m_scrollTimer; }

  // The bar's actions, as its buttons run them.
  void EditItem();
  void NewItem();
  void DeleteItems();
  void MoveItem(bool up);
  void TogglePin();

  TNotifyEvent OnChange;
  TNotifyEvent OnDropUp;
  TCBXDropDownEvent OnDropDown;
  TListDrawItemEvent OnDrawItem;
  TCBXMeasureItemEvent OnMeasureItem;
  TCBXEditEvent OnEditItem;
  TCBXItemObjectEvent OnNewItem;
  TCBXItemObjectEvent OnModifiedItem;
  TCBXItemEvent OnDeleteItem;
  TCBXItemEvent OnMoveUpItem;
  TCBXItemEvent OnMoveDownItem;
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent e) { OnChange = std::move(e); }

 protected:
  void TextChanged() override;
  virtual void Change();
  bool WndProc(TMessage& message) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(QChar& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void BoundsChanged(bool sizeChanged) override;
  void FontChanged() override;
  void EnabledChanged() override;
  void ColorChanged() override;
  void SyncFocusPolicy() override;
  void DesigningChanged() override;
  void Paint(TCanvas& canvas);

 private:
  class KeyForwarder;
  // The auto-completion of the last item while typing (the default OnKeyUp).
  void AutoCompleteKeyUp(uint16_t key, TShiftState shift);
  void AfterCloseUp();
  void ApplyHeightRule();
  void PlaceEditor();
  void ListMouseUp(TMouseButton button, int x, int y);
  void ListMouseMove(TShiftState shift, int x, int y);
  void AutoScrollTick();
  void StopAutoScroll();
  void FinishEdit(bool accepted);
  void DropEdit();
  int ChosenCount() const;
  // Asks an event that can refuse; false when it refused or freed the control.
  bool Allows(const TCBXItemEvent& event);
  bool Themed() const;
  // A part of the themed combo box the control draws.
  QRect ThemedPart(QStyle::SubControl part) const;

  std::unique_ptr<QObject> m_signals;
  std::unique_ptr<KeyForwarder> m_keyForwarder;
  QLineEdit* m_lineEdit = nullptr;
  TCBXPopup* m_popup = nullptr;
  TPopupListBox* m_list = nullptr;
  TPanel* m_bar = nullptr;
  std::array<TCBXBarButton*, 6> m_buttons{};
  TCBXInplaceEdit* m_editor = nullptr;
  TCBXInplaceEdit* m_activeEditor = nullptr;
  std::unique_ptr<TIntervalTimer> m_scrollTimer;
  TComboBoxStyle m_style = TComboBoxStyle::csDropDown;
  bool m_pinDown = false;
  bool m_itemDrag = true;
  bool m_autoScroll = true;
  int m_itemHeight = 13;
  int m_dropDownCount = 7;
  bool m_multiSelect = false;
  int m_popupListWidth = 0;
  QChar m_delimiter = QLatin1Char(',');
  bool m_autoComplete = true;
  int m_maxLength = 0;
  bool m_closeOnSelect = true;
  int m_layoutRows = -1;
  bool m_checkCapture = false;
  bool m_scrollUp = false;
  bool m_pressed = false;
  bool m_hot = false;
  bool m_syncing = false;
  bool m_typedChar = false;
  QPoint m_lastListPos{-1, -1};
};

class TComboBoxX : public TCustomComboBoxX {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TComboBoxX(TComponent* owner) : TCustomComboBoxX(owner) {}
};
