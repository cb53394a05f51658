#include "toolkit/Bitmap.h"

#include <QBuffer>
#include <QImageReader>

const TClassInfo& TGraphic::StaticClass() {
  static const TClassInfo info("TGraphic", &TPersistent::StaticClass());
  return info;
}

void TGraphic::SetTransparent(bool value) {
  if (value == m_transparent) return;
  m_transparent = value;
  Changed();
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info("TBitmap", &TGraphic::StaticClass());
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(const QImage& image) { SetImage(image); }

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (m_image.width() == width && m_image.height() == height) return;
  QImage resized(width, height, QImage::Format_RGB32);
  resized.fill(Qt::white);
  if (!m_image.isNull()) {
    QPainter p(&resized);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, m_image);
  }
  m_image = resized;
  Changed();
}

void TBitmap::SetImage(const QImage& image) {
  // Drawing with exclusive-or needs an image without an alpha channel.
  m_image = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                    : image.convertToFormat(QImage::Format_RGB32);
  Changed();
}

TCanvas& TBitmap::Canvas() {
  if (!m_canvas) m_canvas = std::make_unique<TCanvas>(&m_image, [this](const QRect&) { Changed(); });
  return *m_canvas;
}

TColor TBitmap::TransparentColor() const {
  if (m_transparentColor != clDefault) return m_transparentColor;
  if (m_image.isNull()) return clDefault;
  return QColorToColor(m_image.pixelColor(0, m_image.height() - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
  m_transparentColor = color;
  Changed();
}

bool TBitmap::LoadFromBytes(const QByteArray& bytes) {
  QImage image;
  if (!image.loadFromData(bytes, "BMP")) return false;
  SetImage(image);
  return true;
}

bool TBitmap::LoadFromFile(const QString& path) {
  QImageReader reader(path);
  QImage image = reader.read();
  if (image.isNull()) return false;
  SetImage(image);
  return true;
}

QImage TBitmap::MaskedImage() const {
  QImage out = m_image.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ColorToQColor(TransparentColor()).rgb() & 0xFFFFFF;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
  }
  return out;
}

void TBitmap::Draw(TCanvas& canvas, const QRect& rect) const {
  const QImage image = Transparent() ? MaskedImage() : m_image;
  if (rect.size() == m_image.size()) canvas.Draw(rect.left(), rect.top(), image);
  else canvas.StretchDraw(rect, image);
}

void TBitmap::Assign(const TPersistent* source) {
  if (const auto* b = dynamic_cast<const TBitmap*>(source)) {
    m_image = b->m_image;
    m_transparentColor = b->m_transparentColor;
    SetTransparent(b->Transparent());
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

const TClassInfo& TPicture::StaticClass() {
  static const TClassInfo info("TPicture", &TPersistent::StaticClass());
  return info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

TBitmap& TPicture::Bitmap() {
  if (!m_bitmap) {
    m_bitmap = std::make_unique<TBitmap>();
    m_bitmap->OnChange = [this](TObject*) { Changed(); };
  }
  return *m_bitmap;
}

bool TPicture::LoadFromFile(const QString& path) {
  QImageReader reader(path);
  const QImage image = reader.read();
  if (image.isNull()) return false;
  Bitmap().SetImage(image);
  return true;
}

void TPicture::Clear() {
  m_bitmap.reset();
  Changed();
}

void TPicture::Assign(const TPersistent* source) {
  if (const auto* p = dynamic_cast<const TPicture*>(source)) {
    if (p->m_bitmap) Bitmap().Assign(p->m_bitmap.get());
    else Clear();
    return;
  }
  if (const auto* b = dynamic_cast<const TBitmap*>(source)) {
    Bitmap().Assign(b);
    return;
  }
  TPersistent::Assign(source);
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}
