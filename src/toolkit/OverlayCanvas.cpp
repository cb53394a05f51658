#include "toolkit/OverlayCanvas.h"

#include "toolkit/WinControl.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

class OverlayWidget : public QWidget {
 public:
  OverlayWidget(QWidget* parent, const QImage* image) : QWidget(parent), m_image(image) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    p.drawImage(event->rect(), *m_image, event->rect());
  }

 private:
  const QImage* m_image;
};

}  // namespace

TOverlayCanvas::TOverlayCanvas(TWinControl& container) {
  QWidget* host = container.ClientWidget();
  const QRect client = container.ClientRect();
  // The area as the screen shows it: a container that lets its parent show
  // through is pictured with what lies beneath it.
  if (host) {
    QWidget* window = host->window();
    const QRect inWindow(host->mapTo(window, client.topLeft()), client.size());
    m_image = window->grab(inWindow).toImage().convertToFormat(QImage::Format_RGB32);
  }
  if (m_image.isNull()) {
    m_image = QImage(std::max(1, client.width()), std::max(1, client.height()), QImage::Format_RGB32);
    m_image.fill(Qt::white);
  }
  // grab() may render at the screen's device pixel ratio; the canvas works in pixels of the control.
  if (m_image.size() != client.size() && client.isValid()) m_image = m_image.scaled(client.size());
  m_image.setDevicePixelRatio(1);
  if (host) {
    m_widget = new OverlayWidget(host, &m_image);
    m_widget->setGeometry(client);
    m_widget->raise();
    m_widget->show();
  }
  m_canvas = std::make_unique<TCanvas>(&m_image, [this](const QRect& r) {
    if (m_widget) m_widget->update(r.adjusted(-1, -1, 1, 1));
  });
}

TOverlayCanvas::~TOverlayCanvas() { delete m_widget.data(); }
