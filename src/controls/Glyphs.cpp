#include "controls/Glyphs.h"

#include <QColor>
#include <QPainter>

#include <cstring>

QImage GlyphFromRows(std::initializer_list<const char*> rows) {
  const int width = rows.size() ? static_cast<int>(std::strlen(*rows.begin())) : 0;
  QImage image(width, static_cast<int>(rows.size()), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  int y = 0;
  for (const char* row : rows) {
    Q_ASSERT(static_cast<int>(std::strlen(row)) == width);
    for (int x = 0; x < width; ++x) {
      QColor color;
      switch (row[x]) {
        case '#': color = QColor(0, 0, 0); break;
        case 'w': color = QColor(255, 255, 255); break;
        case 'g': color = QColor(128, 128, 128); break;
        case 'd': color = QColor(64, 64, 64); break;
        case 'y': color = QColor(255, 255, 0); break;
        case 'r': color = QColor(192, 0, 0); break;
        case 'n': color = QColor(0, 128, 0); break;
        case 'b': color = QColor(0, 0, 128); break;
        case 'o': color = QColor(128, 128, 0); break;
        default: continue;
      }
      image.setPixelColor(x, y, color);
    }
    ++y;
  }
  return image;
}

QImage RecolorGlyph(const QImage& glyph, const QColor& color) {
  QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) image.setPixelColor(x, y, color);
  return image;
}

namespace Glyphs {

const QImage& SpinUp() {
  static const QImage glyph = GlyphFromRows({"..##..", ".####.", "######", "..##..", "..##..", "..##.."});
  return glyph;
}

const QImage& SpinDown() {
  static const QImage glyph = GlyphFromRows({"..##..", "..##..", "..##..", "######", ".####.", "..##.."});
  return glyph;
}

const QImage& SpinUpPole() {
  static const QImage glyph = GlyphFromRows({"...#...", "..###..", ".#####.", "#######"});
  return glyph;
}

const QImage& SpinDownPole() {
  static const QImage glyph = GlyphFromRows({"#######", ".#####.", "..###..", "...#..."});
  return glyph;
}

// clang-format off
const QImage& ComboEdit() {
  static const QImage glyph = GlyphFromRows({
      ".........##..",
      "........#rr#.",
      ".......#yy#r#",
      "......#yy#.#.",
      ".....#yy#.#..",
      "....#yy#.#...",
      "...#yy#.#....",
      "..#ww#.#.....",
      "..#dw##......",
      "..###........",
      "............."});
  return glyph;
}

const QImage& ComboNew() {
  static const QImage glyph = GlyphFromRows({
      ".#######.....",
      ".#wwwww#.....",
      ".#wwwww#..n..",
      ".#wwwww#..n..",
      ".#wwwww#nnnnn",
      ".#wwwww#..n..",
      ".#wwwww#..n..",
      ".#wwwww#.....",
      ".#wwwww#.....",
      ".#######.....",
      "............."});
  return glyph;
}

const QImage& ComboNewDisabled() {
  static const QImage glyph = GlyphFromRows({
      ".ggggggg.....",
      ".g.....g.....",
      ".g.....g..g..",
      ".g.....g..g..",
      ".g.....gggggg",
      ".g.....g..g..",
      ".g.....g..g..",
      ".g.....g.....",
      ".g.....g.....",
      ".ggggggg.....",
      "............."});
  return glyph;
}

const QImage& ComboDelete() {
  static const QImage glyph = GlyphFromRows({
      ".............",
      "..rr.....rr..",
      "...rr...rr...",
      "....rr.rr....",
      ".....rrr.....",
      ".....rrr.....",
      "....rr.rr....",
      "...rr...rr...",
      "..rr.....rr..",
      ".............",
      "............."});
  return glyph;
}

const QImage& ComboDeleteDisabled() {
  static const QImage glyph = RecolorGlyph(ComboDelete(), QColor(128, 128, 128));
  return glyph;
}

const QImage& ComboUp() {
  static const QImage glyph = GlyphFromRows({
      ".............",
      ".............",
      "......#......",
      ".....###.....",
      "....#####....",
      "...#######...",
      ".....###.....",
      ".....###.....",
      ".....###.....",
      ".............",
      "............."});
  return glyph;
}

const QImage& ComboDown() {
  static const QImage glyph = ComboUp().mirrored(false, true);
  return glyph;
}

// Four states side by side: up (the pin lies), disabled, pressed, down (the
// pin stands in the list).
const QImage& ComboPins() {
  static const QImage glyph = [] {
    const QImage lying = GlyphFromRows({
        ".............",
        ".............",
        "......#......",
        "......##.....",
        "#.....#w#####",
        "#######wwwwww",
        "#.....#dddddd",
        "......##.....",
        "......#......",
        ".............",
        "............."});
    const QImage standing = GlyphFromRows({
        "....#####....",
        "....#wwd#....",
        "....#wwd#....",
        "....#wwd#....",
        "....#wwd#....",
        "..#########..",
        "......#......",
        "......#......",
        "......#......",
        "......#......",
        "............."});
    QImage strip(4 * 13, 11, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.drawImage(0, 0, lying);
    painter.drawImage(13, 0, RecolorGlyph(lying, QColor(128, 128, 128)));
    painter.drawImage(26 + 1, 1, lying.copy(0, 0, 12, 10));
    painter.drawImage(39, 0, standing);
    return strip;
  }();
  return glyph;
}
// clang-format on

}  // namespace Glyphs
