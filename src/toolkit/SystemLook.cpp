#include "toolkit/SystemLook.h"

#include "toolkit/Graphics.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <optional>

namespace {

std::optional<bool>& ThemesSetting() {
  static std::optional<bool> themes;
  return themes;
}

bool ApplicationStyleIsThemed() {
  const QStyle* style = QApplication::style();
  if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
  return !style || style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
}

}  // namespace

bool ThemesEnabled() {
  std::optional<bool>& themes = ThemesSetting();
  if (!themes) themes = ApplicationStyleIsThemed();
  return *themes;
}

void SetThemesEnabled(bool value) { ThemesSetting() = value; }

int VerticalScrollBarWidth() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

int DropDownButtonWidth() {
  if (!ThemesEnabled()) return VerticalScrollBarWidth();
  // Where the arrow part of a themed editable combo box begins, measured
  // from the inside of its right border.
  QStyleOptionComboBox option;
  option.rect = QRect(0, 0, 200, 21);
  option.editable = true;
  option.frame = true;
  const QRect arrow =
      QApplication::style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, nullptr);
  return std::max(1, 200 - 2 - arrow.left());
}

int BorderHeight() { return 1; }

int FontTextHeight(const TFont& font) { return QFontMetrics(font.ToQFont()).height(); }

int SystemFontTextHeight() { return QFontMetrics(QApplication::font()).height(); }

QImage StylePicture(const QSize& size, const std::function<void(QPainter& painter, QStyle& style)>& draw) {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  draw(painter, *QApplication::style());
  return image;
}
