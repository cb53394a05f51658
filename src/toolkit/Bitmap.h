// Pictures: the graphic base, the bitmap with its own canvas, and the
// picture holder that images and properties carry.
#pragma once

#include "toolkit/Canvas.h"

#include <QByteArray>
#include <QImage>

#include <memory>

class TGraphic : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  virtual QSize Size() const = 0;
  int Width() const { return Size().width(); }
  int Height() const { return Size().height(); }
  bool Empty() const { return Size().isEmpty(); }
  virtual void Draw(TCanvas& canvas, const QRect& rect) const = 0;

  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool value);
  TNotifyEvent OnChange;

 protected:
  void Changed();

 private:
  bool m_transparent = false;
};

class TBitmap : public TGraphic {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TBitmap();
  TBitmap(int width, int height);
  explicit TBitmap(const QImage& image);
  ~TBitmap() override;

  QSize Size() const override { return m_image.size(); }
  // Resizing keeps the pixels that still fit; new pixels are white.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  TCanvas& Canvas();
  const QImage& Image() const { return m_image; }
  void SetImage(const QImage& image);

  // The colour drawn as transparent when Transparent is on; clDefault means
  // the colour of the bottom-left pixel.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);

  // Reads a whole bitmap file (BMP) from bytes; false when they are not one.
  bool LoadFromBytes(const QByteArray& bytes);
  bool LoadFromFile(const QString& path);

  void Draw(TCanvas& canvas, const QRect& rect) const override;
  void Assign(const TPersistent* source) override;
  // The image with the transparent colour made see-through.
  QImage MaskedImage() const;

 private:
  QImage m_image;
  std::unique_ptr<TCanvas> m_canvas;
  TColor m_transparentColor = clDefault;
};

// Holds one graphic; images read through Qt's image readers become bitmaps.
class TPicture : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TPicture();
  ~TPicture() override;

  // The bitmap of the picture, created empty when there is none.
  TBitmap& Bitmap();
  const TGraphic* Graphic() const { return m_bitmap.get(); }
  int Width() const { return m_bitmap ? m_bitmap->Width() : 0; }
  int Height() const { return m_bitmap ? m_bitmap->Height() : 0; }
  // Reads PNG, GIF, JPEG or BMP by the file's contents; false when unreadable.
  bool LoadFromFile(const QString& path);
  void Clear();
  void Assign(const TPersistent* source) override;
  TNotifyEvent OnChange;

 private:
  void Changed();
  std::unique_ptr<TBitmap> m_bitmap;
};
