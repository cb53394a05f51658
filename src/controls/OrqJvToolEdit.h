// The combo edit: a one-line edit box with a button built into its right end
// (the movie panel's address field shows a drop-down arrow there). The button
// sits in a container that is a child of the edit; the text never runs under
// it.
#pragma once

#include "controls/OrqJvExEdit.h"
#include "controls/OrqJvSpeedButton.h"

#include <memory>

class TBitmap;
class TImageList;

enum class TJvImageKind { ikCustom, ikDefault, ikDropDown, ikEllipsis };
const TTypeInfo& JvImageKindType();

// The combo edit's button: a speed button that shows the edit's picture.
class TOrqJvEditButton : public TOrqJvSpeedButton {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvEditButton(TComponent* owner);

  bool Flat() const { return m_flat; }
  void SetFlat(bool value);
  // What the button shows, decided by the edit.
  TJvImageKind Kind() const { return m_kind; }
  const QImage& Picture() const { return m_picture; }
  void SetPicture(TJvImageKind kind, const QImage& picture);

 protected:
  void Paint() override;

 private:
  bool m_flat = false;
  TJvImageKind m_kind = TJvImageKind::ikCustom;
  QImage m_picture;
};

class TOrqJvCustomComboEdit : public TOrqJvExCustomEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvCustomComboEdit(TComponent* owner);
  ~TOrqJvCustomComboEdit() override;

  bool ButtonFlat() const;
  void SetButtonFlat(bool value);
  QString ButtonHint() const;
  void SetButtonHint(const QString& value);
  // 21 by default; with ikDropDown the width of a combo box's drop-down
  // button (a vertical scroll bar's in the classic look; fixed); with ikDefault at least the default picture's width + 6. While
  // the control loads, a new width waits for the end of loading. A width of
  // 1 or less hides the button.
  int ButtonWidth() const { return m_buttonWidth; }
  void SetButtonWidth(int value);
  // The default width for the current ImageKind.
  int DefaultButtonWidth() const;
  TJvImageKind ImageKind() const { return m_imageKind; }
  void SetImageKind(TJvImageKind value);
  TBitmap& Glyph() { return *m_glyph; }
  TBitmap* GlyphObject() const { return m_glyph.get(); }
  void SetGlyph(TBitmap* value);
  TImageList* Images() const { return m_images; }
  void SetImages(TImageList* value);
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value);
  // Off: the text cannot be typed; the button still works.
  bool DirectInput() const { return m_directInput; }
  void SetDirectInput(bool value);
  void SetReadOnly(bool value) override;
  // A shortcut code: the key in the low byte, 0x2000 Shift, 0x4000 Ctrl,
  // 0x8000 Alt. Alt+Down by default.
  uint16_t ClickKey() const { return m_clickKey; }
  void SetClickKey(uint16_t value) { m_clickKey = value; }
  // The font's text height plus 8 border heights (3-D border) or 6 (flat).
  int MinHeight() const override;

  TOrqJvButtonContainer* ButtonContainer() const { return m_container; }
  TOrqJvEditButton* Button() const { return m_button; }
  // Presses the button: ignored while ReadOnly, otherwise OnButtonClick.
  void DoClick();
  // With themes, a non-flat drop-down button makes the control look like a
  // themed combo box: the picture of one, the button shown pressed or hot.
  bool ThemedDropDown() const;
  QImage ThemedPicture(bool pressed, bool hot) const;

  TNotifyEvent OnButtonClick;
  TNotifyEvent GetOnButtonClick() const { return OnButtonClick; }
  void SetOnButtonClick(TNotifyEvent e) { OnButtonClick = std::move(e); }

 protected:
  void UpdateLayout() override;
  void PaintFrame(TCanvas& canvas) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(QChar& key) override;
  void Loaded() override;
  void EnabledChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ApplyButtonWidth(int value);
  void UpdatePicture();
  QImage EllipsisPicture() const;

  TOrqJvButtonContainer* m_container = nullptr;
  TOrqJvEditButton* m_button = nullptr;
  std::unique_ptr<TBitmap> m_glyph;
  TImageList* m_images = nullptr;
  int m_imageIndex = -1;
  int m_buttonWidth = 21;
  int m_pendingButtonWidth = -1;
  TJvImageKind m_imageKind = TJvImageKind::ikCustom;
  bool m_directInput = true;
  uint16_t m_clickKey = 0x8028;
};

class TOrqJvComboEdit : public TOrqJvCustomComboEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvComboEdit(TComponent* owner) : TOrqJvCustomComboEdit(owner) {}
};

class TOrqJvComboEditXP : public TOrqJvComboEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvComboEditXP(TComponent* owner) : TOrqJvComboEdit(owner) {}
};

// A shortcut code for a key and shift state (see ClickKey).
uint16_t ShortCutOf(uint16_t key, TShiftState shift);
