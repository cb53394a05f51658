// Container controls with focus, and the two self-painting control bases.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Control.h"

#include <vector>

// A control that can take the keyboard focus and hold child controls. The
// order of its child list is the z-order (the last is on top).
class TWinControl : public TControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TWinControl(TComponent* owner);
  // Destroys the child controls first, whoever owns them.
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(m_controls.size()); }
  TControl* Controls(int index) const;
  int IndexOfControl(const TControl* control) const;
  // Moves a child to a place in the child list (and so in the z-order).
  void ReorderControl(TControl* control, int index);
  // The topmost child whose bounds contain the point (client coordinates);
  // hidden children count only at design time.
  TControl* ControlAtPos(const QPoint& pos, bool allowDisabled = false) const;
  bool ContainsControl(const TControl* control) const;

  // Where child widgets go; a scrolling control has an inner surface.
  virtual QWidget* ClientWidget() const { return Widget(); }
  // Children that accept child controls; plain controls do not.
  virtual bool AcceptsControls() const { return false; }

  bool Focused() const;
  virtual bool CanFocus() const;
  void SetFocus();
  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return m_tabStop; }
  void SetTabStop(bool value);

  // Lays out aligned children and moves anchored ones for the present client size.
  virtual void AlignControls();
  void DisableAlign() { ++m_alignDisabled; }
  void EnableAlign();
  // The client area left for aligned children.
  virtual QRect AdjustClientRect(const QRect& rect) const { return rect; }

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent GetOnKeyDown() const { return OnKeyDown; }
  void SetOnKeyDown(TKeyEvent e) { OnKeyDown = std::move(e); }
  TKeyEvent GetOnKeyUp() const { return OnKeyUp; }
  void SetOnKeyUp(TKeyEvent e) { OnKeyUp = std::move(e); }
  TKeyPressEvent GetOnKeyPress() const { return OnKeyPress; }
  void SetOnKeyPress(TKeyPressEvent e) { OnKeyPress = std::move(e); }
  TNotifyEvent GetOnEnter() const { return OnEnter; }
  void SetOnEnter(TNotifyEvent e) { OnEnter = std::move(e); }
  TNotifyEvent GetOnExit() const { return OnExit; }
  void SetOnExit(TNotifyEvent e) { OnExit = std::move(e); }

 protected:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool WndProc(TMessage& message) override;
  // Key handling; setting the key to 0 stops it.
  virtual void KeyDown(uint16_t& key, TShiftState shift);
  virtual void KeyUp(uint16_t& key, TShiftState shift);
  virtual void KeyPress(QChar& key);
  virtual void DoEnter();
  virtual void DoExit();
  void BoundsChanged(bool sizeChanged) override;
  void Loaded() override;
  void FontChanged() override;
  void ColorChanged() override;
  void SyncFocusPolicy() override;
  // The stacking of child widgets follows the child list.
  void RestackChildren();

 private:
  void ArrangeAligned(QRect& rect);
  std::vector<TControl*> m_controls;
  std::vector<TWinControl*> m_tabList;
  bool m_tabStop = false;
  int m_alignDisabled = 0;
  bool m_aligning = false;
};

// The widget of self-painting controls: its paint event calls back.
class TPaintWidget : public QWidget {
 public:
  using Painter = std::function<void(QPainter& painter, const QRect& clip)>;
  explicit TPaintWidget(Painter painter);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter m_painter;
};

// A windowed control that paints itself through its canvas.
class TCustomControl : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TCustomControl(TComponent* owner);
  // Valid while the control paints.
  TCanvas& Canvas();

 protected:
  // Draws the control; the default fills it with its colour.
  virtual void Paint();
  void PaintWith(QPainter& painter, const QRect& clip);
  void SyncColor() override;

 private:
  TCanvas* m_canvas = nullptr;
};

// A control without a window of its own that paints itself; it never takes
// the focus.
class TGraphicControl : public TControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TGraphicControl(TComponent* owner);
  TCanvas& Canvas();

 protected:
  virtual void Paint() {}
  void PaintWith(QPainter& painter, const QRect& clip);

 private:
  TCanvas* m_canvas = nullptr;
};

// Prepares a canvas for a control: its font and a brush of its colour.
void PrepareControlCanvas(TCanvas& canvas, TControl& control);
