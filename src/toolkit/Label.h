// Labels: the windowless label and the windowed static text. Both size
// themselves to their caption, and "&" in a caption gives the access key of
// their focus control.
#pragma once

#include "toolkit/TextDrawing.h"
#include "toolkit/WinControl.h"

#include <QPointer>

class QShortcut;

// The part both label kinds share: caption look, auto-size and access key.
class TCaptionBehaviour {
 public:
  explicit TCaptionBehaviour(TControl& control) : m_control(control) {}
  ~TCaptionBehaviour();
  bool ShowAccelChar() const { return m_showAccelChar; }
  void SetShowAccelChar(bool value);
  TWinControl* FocusControl() const { return m_focusControl; }
  void SetFocusControl(TWinControl* control);
  // Forgets a focus control that goes away.
  void ComponentRemoved(TComponent* component);
  // Re-creates the access-key shortcut for the caption and focus control.
  void UpdateAccessKey();

 private:
  TControl& m_control;
  QPointer<QShortcut> m_shortcut;
  bool m_showAccelChar = true;
  TWinControl* m_focusControl = nullptr;
};

class TLabel : public TGraphicControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TLabel(TComponent* owner);
  ~TLabel() override;

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment v);
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool v);
  TTextLayout Layout() const { return m_layout; }
  void SetLayout(TTextLayout v);
  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool v);
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool v);
  bool ShowAccelChar() const { return m_caption.ShowAccelChar(); }
  void SetShowAccelChar(bool v);
  TWinControl* FocusControl() const { return m_caption.FocusControl(); }
  void SetFocusControl(TWinControl* v) { m_caption.SetFocusControl(v); }

 protected:
  void Paint() override;
  bool CanAutoSize(int& width, int& height) const override;
  void TextChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TCaptionBehaviour m_caption{*this};
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_autoSize = true;
  TTextLayout m_layout = TTextLayout::tlTop;
  bool m_transparent = false;
  bool m_wordWrap = false;
};

enum class TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

class TStaticText : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TStaticText(TComponent* owner);
  ~TStaticText() override;

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment v);
  bool AutoSize() const { return m_autoSize; }
  // Turning automatic sizing on sizes the control at once, keeping Left and Top.
  void SetAutoSize(bool v);
  TStaticBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TStaticBorderStyle v);
  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool v);
  bool ShowAccelChar() const { return m_caption.ShowAccelChar(); }
  void SetShowAccelChar(bool v);
  TWinControl* FocusControl() const { return m_caption.FocusControl(); }
  void SetFocusControl(TWinControl* v) { m_caption.SetFocusControl(v); }

 protected:
  bool CanAutoSize(int& width, int& height) const override;
  void TextChanged() override;
  void SyncColor() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PaintText(QPainter& painter);
  int BorderWidth() const { return m_borderStyle == TStaticBorderStyle::sbsNone ? 0 : 1; }
  TCaptionBehaviour m_caption{*this};
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_autoSize = true;
  TStaticBorderStyle m_borderStyle = TStaticBorderStyle::sbsNone;
  bool m_transparent = false;
};
