// The panel: a container with raised or lowered bevels and a centred caption.
#pragma once

#include "toolkit/WinControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
const TTypeInfo& BevelCutType();

// Draws a three-dimensional frame of `width` pixels inside `rect`, the top
// and left edges in `topLeft`, the bottom and right ones in `bottomRight`,
// and returns the rectangle inside it.
QRect Frame3D(TCanvas& canvas, QRect rect, TColor topLeft, TColor bottomRight, int width);

class TPanel : public TCustomControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TPanel(TComponent* owner);

  bool AcceptsControls() const override { return true; }
  TBevelCut BevelOuter() const { return m_bevelOuter; }
  void SetBevelOuter(TBevelCut v);
  TBevelCut BevelInner() const { return m_bevelInner; }
  void SetBevelInner(TBevelCut v);
  int BevelWidth() const { return m_bevelWidth; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return m_borderWidth; }
  void SetBorderWidth(int v);
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment v);
  // Qt always paints through a back buffer; the setting is kept for the files.
  bool DoubleBuffered() const { return m_doubleBuffered; }
  void SetDoubleBuffered(bool v) { m_doubleBuffered = v; }
  QRect AdjustClientRect(const QRect& rect) const override;

 protected:
  void Paint() override;
  void TextChanged() override { Invalidate(); }

 private:
  TBevelCut m_bevelOuter = TBevelCut::bvRaised;
  TBevelCut m_bevelInner = TBevelCut::bvNone;
  int m_bevelWidth = 1;
  int m_borderWidth = 0;
  TAlignment m_alignment = TAlignment::taCenter;
  bool m_doubleBuffered = false;
};
