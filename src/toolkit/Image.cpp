#include "toolkit/Image.h"

#include "toolkit/Panel.h"

namespace {
const TTypeInfo& BevelShapeType() {
  static const TTypeInfo info = TTypeInfo::Enumeration(
      "TBevelShape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"});
  return info;
}

const TTypeInfo& BevelStyleType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TBevelStyle", {"bsLowered", "bsRaised"});
  return info;
}

void PublishGraphicCommon(TClassInfo& c) {
  TControl::PublishStandard(c, {TControl::kPlacing, "Constraints", "ParentShowHint", "ShowHint", "Visible"});
}
}  // namespace

// ---- TImage ----

const TClassInfo& TImage::StaticClass() {
  static const TClassInfo info("TImage", &TGraphicControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TImage>(c).Creatable();
    PublishGraphicCommon(c);
    PublishStandard(c, {"Enabled", "PopupMenu", kClicks, kMouseEvents});
    Publisher<TImage>(c)
        .Prop("AutoSize", Types::Boolean(), &TImage::AutoSize, &TImage::SetAutoSize)
        .Prop("Center", Types::Boolean(), &TImage::Center, &TImage::SetCenter)
        .Prop("Picture", TPicture::StaticClass().TypeInfo(), &TImage::PictureObject, &TImage::SetPicture)
        .Prop("Proportional", Types::Boolean(), &TImage::Proportional, &TImage::SetProportional)
        .Prop("Stretch", Types::Boolean(), &TImage::Stretch, &TImage::SetStretch)
        .Prop("Transparent", Types::Boolean(), &TImage::Transparent, &TImage::SetTransparent);
  });
  return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), m_picture(std::make_unique<TPicture>()) {
  m_picture->OnChange = [this](TObject*) {
    AdjustSize();
    Invalidate();
  };
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { m_picture->OnChange = nullptr; }

TCanvas& TImage::Canvas() {
  TBitmap& bitmap = m_picture->Bitmap();
  if (bitmap.Empty()) bitmap.SetSize(Width(), Height());
  return bitmap.Canvas();
}

void TImage::SetStretch(bool v) {
  m_stretch = v;
  Invalidate();
}

void TImage::SetCenter(bool v) {
  m_center = v;
  Invalidate();
}

void TImage::SetProportional(bool v) {
  m_proportional = v;
  Invalidate();
}

void TImage::SetTransparent(bool v) {
  m_transparent = v;
  if (m_picture->Graphic()) m_picture->Bitmap().SetTransparent(v);
  Invalidate();
}

void TImage::SetAutoSize(bool v) {
  m_autoSize = v;
  AdjustSize();
}

bool TImage::CanAutoSize(int& width, int& height) const {
  if (!m_autoSize || !m_picture->Graphic() || m_picture->Graphic()->Empty()) return false;
  width = m_picture->Width();
  height = m_picture->Height();
  return true;
}

QRect TImage::DestRect() const {
  const int w = m_picture->Width();
  const int h = m_picture->Height();
  QRect dest(0, 0, w, h);
  if (m_stretch || (m_proportional && (w > Width() || h > Height()))) {
    if (m_proportional && w > 0 && h > 0) {
      const double scale = std::min(static_cast<double>(Width()) / w, static_cast<double>(Height()) / h);
      dest = QRect(0, 0, static_cast<int>(w * scale), static_cast<int>(h * scale));
    } else {
      dest = QRect(0, 0, Width(), Height());
    }
  }
  if (m_center) dest.moveTo((Width() - dest.width()) / 2, (Height() - dest.height()) / 2);
  return dest;
}

void TImage::Paint() {
  TCanvas& canvas = TGraphicControl::Canvas();
  if (IsDesigning() && !m_picture->Graphic()) {
    canvas.Pen().SetStyle(TPenStyle::psDash);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(ClientRect());
    return;
  }
  if (const TGraphic* graphic = m_picture->Graphic(); graphic && !graphic->Empty())
    graphic->Draw(canvas, DestRect());
}

// ---- TBevel ----

const TClassInfo& TBevel::StaticClass() {
  static const TClassInfo info("TBevel", &TGraphicControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TBevel>(c).Creatable();
    PublishGraphicCommon(c);
    Publisher<TBevel>(c)
        .Prop("Shape", BevelShapeType(), &TBevel::Shape, &TBevel::SetShape)
        .Prop("Style", BevelStyleType(), &TBevel::Style, &TBevel::SetStyle);
  });
  return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape v) {
  m_shape = v;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle v) {
  m_style = v;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas& canvas = TGraphicControl::Canvas();
  const TColor first = m_style == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
  const TColor second = m_style == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
  const int w = Width();
  const int h = Height();
  auto line = [&](TColor color, QPoint a, QPoint b) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(a.x(), a.y());
    canvas.LineTo(b.x(), b.y());
  };
  switch (m_shape) {
    case TBevelShape::bsBox: Frame3D(canvas, ClientRect(), first, second, 1); break;
    case TBevelShape::bsFrame: {
      Frame3D(canvas, QRect(0, 0, w - 1, h - 1), first, first, 1);
      Frame3D(canvas, QRect(1, 1, w - 1, h - 1), second, second, 1);
      break;
    }
    case TBevelShape::bsTopLine:
      line(first, QPoint(0, 0), QPoint(w, 0));
      line(second, QPoint(0, 1), QPoint(w, 1));
      break;
    case TBevelShape::bsBottomLine:
      line(first, QPoint(0, h - 2), QPoint(w, h - 2));
      line(second, QPoint(0, h - 1), QPoint(w, h - 1));
      break;
    case TBevelShape::bsLeftLine:
      line(first, QPoint(0, 0), QPoint(0, h));
      line(second, QPoint(1, 0), QPoint(1, h));
      break;
    case TBevelShape::bsRightLine:
      line(first, QPoint(w - 2, 0), QPoint(w - 2, h));
      line(second, QPoint(w - 1, 0), QPoint(w - 1, h));
      break;
    case TBevelShape::bsSpacer: break;
  }
}
