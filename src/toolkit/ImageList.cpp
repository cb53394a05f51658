#include "toolkit/ImageList.h"

#include "toolkit/SysUtils.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

// Every pixel of `color` made see-through.
QImage MaskColor(const QImage& source, const QColor& color) {
  QImage out = source.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = color.rgb() & 0xFFFFFFu;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0xFFFFFFu) == key) line[x] = 0;
  }
  return out;
}

}  // namespace

const TClassInfo& TImageList::StaticClass() {
  static const TClassInfo info("TImageList", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TImageList>(c)
        .Creatable()
        .Prop("Height", Types::Integer(), &TImageList::Height, &TImageList::SetHeight)
        .Prop("Width", Types::Integer(), &TImageList::Width, &TImageList::SetWidth);
  });
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

void TImageList::SetWidth(int value) { SetSize(value, m_height); }

void TImageList::SetHeight(int value) { SetSize(m_width, value); }

void TImageList::SetSize(int width, int height) {
  if (width < 1 || height < 1) throw EInvalidOperation(QStringLiteral("Invalid image size"));
  if (width == m_width && height == m_height) return;
  m_width = width;
  m_height = height;
  m_images.clear();
  Change();
}

int TImageList::Add(const TBitmap& bitmap) {
  if (bitmap.Empty()) throw EInvalidOperation(QStringLiteral("TImageList.Add: The bitmap is empty"));
  return AddImage(bitmap.Image().convertToFormat(QImage::Format_ARGB32));
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor transparentColor) {
  if (bitmap.Empty()) throw EInvalidOperation(QStringLiteral("TImageList.AddMasked: The bitmap is empty"));
  if (transparentColor == clNone) return AddImage(bitmap.Image().convertToFormat(QImage::Format_ARGB32));
  const TColor key = transparentColor == clDefault ? bitmap.TransparentColor() : transparentColor;
  return AddImage(MaskColor(bitmap.Image(), ColorToQColor(key)));
}

int TImageList::AddImage(const QImage& image) {
  const int first = Count();
  if (image.height() == m_height && image.width() % m_width == 0) {
    // A strip of pictures side by side.
    for (int x = 0; x < image.width(); x += m_width) m_images.push_back(image.copy(x, 0, m_width, m_height));
  } else {
    QImage cell(m_width, m_height, QImage::Format_ARGB32);
    cell.fill(Qt::transparent);
    const QImage scaled = image.scaled(m_width, m_height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&cell);
    p.drawImage((m_width - scaled.width()) / 2, (m_height - scaled.height()) / 2, scaled);
    p.end();
    m_images.push_back(cell);
  }
  Change();
  return first;
}

void TImageList::Clear() {
  if (m_images.empty()) return;
  m_images.clear();
  Change();
}

QImage TImageList::Image(int index) const {
  if (index < 0 || index >= Count()) return QImage();
  return m_images[static_cast<size_t>(index)];
}

QPixmap TImageList::Pixmap(int index, bool enabled) const {
  const QImage image = Image(index);
  if (image.isNull()) return QPixmap();
  const QPixmap normal = QPixmap::fromImage(image);
  if (enabled) return normal;
  QStyleOption option;
  option.palette = QApplication::palette();
  return QApplication::style()->generatedIconPixmap(QIcon::Disabled, normal, &option);
}

QIcon TImageList::Icon(int index) const {
  const QPixmap normal = Pixmap(index, true);
  if (normal.isNull()) return QIcon();
  QIcon icon;
  icon.addPixmap(normal, QIcon::Normal);
  icon.addPixmap(Pixmap(index, false), QIcon::Disabled);
  return icon;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  const QPixmap pixmap = Pixmap(index, enabled);
  if (pixmap.isNull()) return;
  canvas.Draw(x, y, pixmap.toImage());
}

void TImageList::RegisterChanges(TComponent* client, std::function<void()> changed) {
  m_links.Add(client, std::move(changed));
  FreeNotification(client);
}

void TImageList::UnRegisterChanges(TComponent* client) { m_links.Remove(client); }

void TImageList::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) m_links.Remove(component);
  TComponent::Notification(component, operation);
}

void TImageList::Change() {
  m_links.Notify();
  if (OnChange) OnChange(this);
}
