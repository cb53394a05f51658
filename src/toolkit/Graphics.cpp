#include "toolkit/Graphics.h"

#include "toolkit/Screen.h"

#include <QFontDatabase>

#include <cmath>

const char* const kDefaultFontName = "MS Sans Serif";

namespace {

int MulDivRound(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }

bool IsDefaultFaceName(const QString& name) {
  return name.isEmpty() || name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
         name.startsWith(QLatin1String("MS Shell Dlg"), Qt::CaseInsensitive);
}

}  // namespace

QString DefaultSansFamily() {
  static const QString family = [] {
    const QStringList families = QFontDatabase::families();
    for (const char* candidate : {"Liberation Sans", "DejaVu Sans", "Arial"})
      if (families.contains(QLatin1String(candidate))) return QString::fromLatin1(candidate);
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }();
  return family;
}

const TClassInfo& TGraphicsObject::StaticClass() {
  static const TClassInfo info("TGraphicsObject", &TPersistent::StaticClass());
  return info;
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

// ---- TFont ----

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info("TFont", &TGraphicsObject::StaticClass(), [](TClassInfo& c) {
    Publisher<TFont>(c)
        .Prop("Charset", Types::TFontCharset(), &TFont::Charset, &TFont::SetCharset)
        .Prop("Color", Types::TColor(), &TFont::Color, &TFont::SetColor)
        .Prop("Height", Types::Integer(), &TFont::Height, &TFont::SetHeight)
        .Prop("Name", Types::TFontName(), &TFont::Name, &TFont::SetName)
        .Prop("Pitch", Types::TFontPitch(), &TFont::Pitch, &TFont::SetPitch)
        .Prop("Size", Types::Integer(), &TFont::Size, &TFont::SetSize)
        .Prop("Style", Types::TFontStyles(), &TFont::Style, &TFont::SetStyle);
  });
  return info;
}

TFont::TFont() : m_name(QString::fromLatin1(kDefaultFontName)) {}

void TFont::SetCharset(uint8_t value) {
  if (value == m_charset) return;
  m_charset = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == m_color) return;
  m_color = value;
  Changed();
}

void TFont::SetHeight(int value) {
  if (value == m_height) return;
  m_height = value;
  Changed();
}

void TFont::SetName(const QString& value) {
  if (value.isEmpty() || value == m_name) return;
  m_name = value;
  Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (value == m_pitch) return;
  m_pitch = value;
  Changed();
}

int TFont::Size() const { return -MulDivRound(m_height, 72, Screen().PixelsPerInch()); }

void TFont::SetSize(int value) { SetHeight(-MulDivRound(value, Screen().PixelsPerInch(), 72)); }

void TFont::SetStyle(TFontStyles value) {
  if (value == m_style) return;
  m_style = value;
  Changed();
}

void TFont::Assign(const TPersistent* source) {
  if (const auto* f = dynamic_cast<const TFont*>(source)) {
    if (f == this) return;
    m_charset = f->m_charset;
    m_color = f->m_color;
    m_height = f->m_height;
    m_name = f->m_name;
    m_pitch = f->m_pitch;
    m_style = f->m_style;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

QFont TFont::ToQFont() const {
  QFont font(IsDefaultFaceName(m_name) ? DefaultSansFamily() : m_name);
  // A positive height is the cell height; the character height is about 4/5 of it.
  const int pixels = m_height < 0 ? -m_height : std::max(1, m_height * 4 / 5);
  font.setPixelSize(std::max(1, pixels));
  font.setBold(m_style.Contains(TFontStyle::fsBold));
  font.setItalic(m_style.Contains(TFontStyle::fsItalic));
  font.setUnderline(m_style.Contains(TFontStyle::fsUnderline));
  font.setStrikeOut(m_style.Contains(TFontStyle::fsStrikeOut));
  if (m_pitch == TFontPitch::fpFixed) font.setFixedPitch(true);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// ---- TPen ----

const TTypeInfo& PenModeType() {
  static const TTypeInfo info = TTypeInfo::Enumeration(
      "TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot", "pmMaskPenNot",
                   "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor",
                   "pmNotXor"});
  return info;
}

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info("TPen", &TGraphicsObject::StaticClass(), [](TClassInfo& c) {
    Publisher<TPen>(c)
        .Prop("Color", Types::TColor(), &TPen::Color, &TPen::SetColor)
        .Prop("Mode", PenModeType(), &TPen::Mode, &TPen::SetMode)
        .Prop("Style", Types::TPenStyle(), &TPen::Style, &TPen::SetStyle)
        .Prop("Width", Types::Integer(), &TPen::Width, &TPen::SetWidth);
  });
  return info;
}

void TPen::SetColor(TColor value) {
  if (value == m_color) return;
  m_color = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (value == m_mode) return;
  m_mode = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == m_style) return;
  m_style = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value < 0 || value == m_width) return;
  m_width = value;
  Changed();
}

void TPen::Assign(const TPersistent* source) {
  if (const auto* p = dynamic_cast<const TPen*>(source)) {
    m_color = p->m_color;
    m_mode = p->m_mode;
    m_style = p->m_style;
    m_width = p->m_width;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

// ---- TBrush ----

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info("TBrush", &TGraphicsObject::StaticClass(), [](TClassInfo& c) {
    Publisher<TBrush>(c)
        .Prop("Color", Types::TColor(), &TBrush::Color, &TBrush::SetColor)
        .Prop("Style", Types::TBrushStyle(), &TBrush::Style, &TBrush::SetStyle);
  });
  return info;
}

void TBrush::SetColor(TColor value) {
  if (value == m_color && m_style != TBrushStyle::bsClear) return;
  m_color = value;
  if (m_style == TBrushStyle::bsClear) m_style = TBrushStyle::bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == m_style) return;
  m_style = value;
  Changed();
}

void TBrush::SetPattern(const QImage& value) {
  m_pattern = value;
  Changed();
}

void TBrush::Assign(const TPersistent* source) {
  if (const auto* b = dynamic_cast<const TBrush*>(source)) {
    m_color = b->m_color;
    m_style = b->m_style;
    m_pattern = b->m_pattern;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

TIdentMap CharsetIdents() {
  static const TIdentMapEntry map[] = {
      {0, "ANSI_CHARSET"},        {1, "DEFAULT_CHARSET"},      {2, "SYMBOL_CHARSET"},    {77, "MAC_CHARSET"},
      {128, "SHIFTJIS_CHARSET"},  {129, "HANGEUL_CHARSET"},    {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},
      {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},    {162, "TURKISH_CHARSET"}, {177, "HEBREW_CHARSET"},
      {178, "ARABIC_CHARSET"},    {186, "BALTIC_CHARSET"},     {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},
      {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
  };
  return map;
}
