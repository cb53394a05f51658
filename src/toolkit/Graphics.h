// Graphics objects: the font, pen and brush that controls and canvases use.
// Each tells its owner of every change through OnChange.
#pragma once

#include "toolkit/Colors.h"
#include "toolkit/IdentMap.h"
#include "toolkit/Component.h"

#include <QFont>
#include <QImage>

#include <memory>

// The name the toolkit uses for its default dialog font.
extern const char* const kDefaultFontName;
constexpr int kDefaultFontHeight = -11;
constexpr uint8_t DEFAULT_CHARSET = 1;
// The names of the font character sets, "ANSI_CHARSET" to "OEM_CHARSET".
TIdentMap CharsetIdents();

class TGraphicsObject : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  TNotifyEvent OnChange;

 protected:
  void Changed();
};

class TFont : public TGraphicsObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TFont();

  uint8_t Charset() const { return m_charset; }
  void SetCharset(uint8_t value);
  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  // Negative: the character height in pixels; positive: the cell height.
  int Height() const { return m_height; }
  void SetHeight(int value);
  QString Name() const { return m_name; }
  void SetName(const QString& value);
  TFontPitch Pitch() const { return m_pitch; }
  void SetPitch(TFontPitch value);
  // Points at the screen's logical resolution.
  int Size() const;
  void SetSize(int value);
  TFontStyles Style() const { return m_style; }
  void SetStyle(TFontStyles value);

  void Assign(const TPersistent* source) override;
  // The Qt font: the default face names map to an installed sans-serif face,
  // the height is the pixel size.
  QFont ToQFont() const;

 private:
  uint8_t m_charset = DEFAULT_CHARSET;
  TColor m_color = clWindowText;
  int m_height = kDefaultFontHeight;
  QString m_name;
  TFontPitch m_pitch = TFontPitch::fpDefault;
  TFontStyles m_style;
};

// The installed face that stands in for the default font names.
QString DefaultSansFamily();

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                      pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };
const TTypeInfo& PenModeType();

class TPen : public TGraphicsObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  TPenMode Mode() const { return m_mode; }
  void SetMode(TPenMode value);
  TPenStyle Style() const { return m_style; }
  void SetStyle(TPenStyle value);
  int Width() const { return m_width; }
  void SetWidth(int value);
  void Assign(const TPersistent* source) override;

 private:
  TColor m_color = clBlack;
  TPenMode m_mode = TPenMode::pmCopy;
  TPenStyle m_style = TPenStyle::psSolid;
  int m_width = 1;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return m_style; }
  void SetStyle(TBrushStyle value);
  // A tiling pattern (for example 8 x 1 or 2 x 2 grid cells); an empty image
  // means none. The pattern replaces colour and style while it is set.
  const QImage& Pattern() const { return m_pattern; }
  void SetPattern(const QImage& value);
  void Assign(const TPersistent* source) override;

 private:
  TColor m_color = clWhite;
  TBrushStyle m_style = TBrushStyle::bsSolid;
  QImage m_pattern;
};
