// A drawing surface over a container and all its children. It starts as a
// picture of the container's client area as the window shows it and shows
// on top of it; frames drawn on it with the exclusive-or pen mode vanish
// when drawn again, and the controls beneath are never repainted while it
// is up.
#pragma once

#include "toolkit/Canvas.h"

#include <QPointer>

class TWinControl;
class QWidget;

class TOverlayCanvas {
 public:
  explicit TOverlayCanvas(TWinControl& container);
  ~TOverlayCanvas();
  TOverlayCanvas(const TOverlayCanvas&) = delete;
  TOverlayCanvas& operator=(const TOverlayCanvas&) = delete;

  // Draws in the container's client coordinates.
  TCanvas& Canvas() { return *m_canvas; }
  const QImage& Image() const { return m_image; }

 private:
  QImage m_image;
  QPointer<QWidget> m_widget;
  std::unique_ptr<TCanvas> m_canvas;
};
