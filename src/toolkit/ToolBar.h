// Toolbars: a bar that lays its buttons out from left to right, and the
// buttons, which may be bound to an action and then follow it.
#pragma once

#include "toolkit/WinControl.h"

class TAction;
class TImageList;
class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsSeparator };
const TTypeInfo& ToolButtonStyleType();

// A flat button of a toolbar. Bound to an action it takes the action's
// caption, hint, picture, enabled, visible and checked state at every change
// of the action, and a click executes the action.
class TToolButton : public TControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;

  void SetParent(TWinControl* parent) override;
  // The toolbar the button sits on, if its parent is one.
  TToolBar* ToolBar() const;

  TAction* Action() const { return m_action; }
  void SetAction(TAction* action);
  // A picture of the toolbar's images; -1 for none.
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value);
  TToolButtonStyle Style() const { return m_style; }
  // A separator is a gap of 8 pixels with a line; it does not react to clicks.
  void SetStyle(TToolButtonStyle value);
  // Shown pressed; follows the action's Checked.
  bool Down() const { return m_down; }
  void SetDown(bool value);
  // Takes the picture again from the toolbar's images.
  void UpdateImage();

 protected:
  // OnClick when assigned, otherwise the action; nothing while disabled.
  void Click() override;
  void TextChanged() override;
  void VisibleChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ActionChanged();
  void SyncLook();

  TAction* m_action = nullptr;
  int m_imageIndex = -1;
  TToolButtonStyle m_style = TToolButtonStyle::tbsButton;
  bool m_down = false;
};

class TToolBar : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;

  bool AcceptsControls() const override { return true; }

  TImageList* Images() const { return m_images; }
  void SetImages(TImageList* value);
  // Flat buttons show their frame only under the mouse.
  bool Flat() const { return m_flat; }
  void SetFlat(bool value);
  // The size of every button (separators keep their own width).
  int ButtonWidth() const { return m_buttonWidth; }
  void SetButtonWidth(int value);
  int ButtonHeight() const { return m_buttonHeight; }
  void SetButtonHeight(int value);

  int ButtonCount() const;
  // The buttons in child order; EListError outside 0 .. ButtonCount - 1.
  TToolButton* Buttons(int index) const;
  // Puts the buttons side by side in child order, from the left edge,
  // centred in the bar's height; hidden buttons take no place.
  void ArrangeButtons();
  void AlignControls() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void SyncColor() override;

 private:
  void ImagesChanged();

  TImageList* m_images = nullptr;
  bool m_flat = true;
  int m_buttonWidth = 23;
  int m_buttonHeight = 22;
};
