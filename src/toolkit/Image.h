// Pictures on a form: the image control and the bevel line or frame.
#pragma once

#include "toolkit/Bitmap.h"
#include "toolkit/WinControl.h"

class TImage : public TGraphicControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture& Picture() { return *m_picture; }
  TPicture* PictureObject() const { return m_picture.get(); }
  void SetPicture(TPicture* v) { m_picture->Assign(v); }
  // The canvas of the picture's bitmap, which is created at the control's
  // size when the picture is empty.
  TCanvas& Canvas();
  bool Stretch() const { return m_stretch; }
  void SetStretch(bool v);
  bool Center() const { return m_center; }
  void SetCenter(bool v);
  bool Proportional() const { return m_proportional; }
  void SetProportional(bool v);
  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool v);
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool v);

 protected:
  void Paint() override;
  void AdjustSize() override;

 private:
  QRect DestRect() const;
  std::unique_ptr<TPicture> m_picture;
  bool m_stretch = false;
  bool m_center = false;
  bool m_proportional = false;
  bool m_transparent = false;
  bool m_autoSize = false;
};

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TBevel(TComponent* owner);

  TBevelShape Shape() const { return m_shape; }
  void SetShape(TBevelShape v);
  TBevelStyle Style() const { return m_style; }
  void SetStyle(TBevelStyle v);

 protected:
  void Paint() override;

 private:
  TBevelShape m_shape = TBevelShape::bsBox;
  TBevelStyle m_style = TBevelStyle::bsLowered;
};
