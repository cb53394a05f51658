// Drags on the design surface. A drag (TDEngDrag) runs in one container: it
// captures the mouse for the design control, keeps the pointer inside the
// container, hides the grab handles and lays a drawing surface over the
// container, and puts all of that back when it goes, however the drag ends.
// A handler draws the feedback with exclusive-or frames and, when the drag
// finishes, applies the change once: move, resize, rubber band or insert.
#pragma once

#include "designer/DesignGeometry.h"

#include <QPoint>

#include <cstdint>
#include <memory>
#include <vector>

class QObject;
class TCanvas;
class TClassInfo;
class TComponent;
class TControl;
class TDEng;
class TOverlayCanvas;
class TWinControl;

class TDEngDragHandler {
 public:
  virtual ~TDEngDragHandler() = default;
  // Builds the state and draws the first feedback (screen point).
  virtual void Start(TCanvas& canvas, const QPoint& point) = 0;
  // The snapped pointer moved: the old feedback goes, the new one shows.
  virtual void Move(TCanvas& canvas, const QPoint& point) = 0;
  // The left button was released: the feedback goes and the change is made.
  virtual void Finish(TCanvas& canvas, const QPoint& point) = 0;
  // The drag was cancelled: the feedback goes.
  virtual void Cancel(TCanvas& canvas) = 0;
  // A control is going: the handler forgets it.
  virtual void ControlGone(const TComponent*) {}
};

// The frame of a control being moved or resized: 2 pixels wide, grey,
// exclusive-or, just inside the rectangle. Drawing it again removes it.
void DrawDragFrame(TCanvas& canvas, const TDesignRect& rect);
// The rubber band: a dotted white exclusive-or rectangle.
void DrawBandFrame(TCanvas& canvas, const TDesignRect& rect);

class TDEngDrag {
 public:
  // `origin` is where the pointer was pressed, `start` that point or, for a
  // drag that starts on the grid, the grid point it was moved to.
  TDEngDrag(TDEng& engine, TWinControl& container, bool snap, bool lockX, bool lockY, const QPoint& origin,
            const QPoint& start);
  ~TDEngDrag();
  TDEngDrag(const TDEngDrag&) = delete;
  TDEngDrag& operator=(const TDEngDrag&) = delete;

  TWinControl& Container() const { return m_container; }
  TCanvas& Canvas() const;
  TDEngDragHandler& Handler() const { return *m_handler; }
  void SetHandler(std::unique_ptr<TDEngDragHandler> handler) { m_handler = std::move(handler); }
  bool Snap() const { return m_snap; }
  bool LockX() const { return m_lockX; }
  bool LockY() const { return m_lockY; }
  QPoint Origin() const { return m_origin; }
  QPoint Start() const { return m_start; }
  QPoint Last() const { return m_last; }
  void SetLast(const QPoint& point) { m_last = point; }
  // A control is going; true when it was the container, which ends the drag.
  bool ControlGone(const TComponent* component);
  // Whether a cancel-drag request was posted for this drag when the
  // application lost the active state.
  bool IsDeactivationRequest(intptr_t param) const { return param == static_cast<intptr_t>(m_serial); }

 private:
  // Puts back what the drag changed: the pointer, the capture, the canvas
  // and the handles.
  void Release();
  TDEng& m_engine;
  uint32_t m_serial;
  TWinControl& m_container;
  bool m_snap;
  bool m_lockX;
  bool m_lockY;
  QPoint m_origin;
  QPoint m_start;
  QPoint m_last;
  std::unique_ptr<TOverlayCanvas> m_canvas;
  std::unique_ptr<TDEngDragHandler> m_handler;
  std::unique_ptr<QObject> m_deactivationWatch;
};

// Moves the selected controls by the distance travelled.
class TMoveDragHandler : public TDEngDragHandler {
 public:
  TMoveDragHandler(TDEng& engine, TWinControl& container) : m_engine(engine), m_container(container) {}
  void Start(TCanvas& canvas, const QPoint& point) override;
  void Move(TCanvas& canvas, const QPoint& point) override;
  void Finish(TCanvas& canvas, const QPoint& point) override;
  void Cancel(TCanvas& canvas) override;
  void ControlGone(const TComponent* component) override;

 private:
  struct TEntry {
    TControl* control;
    TDesignRect bounds;
  };
  void DrawFrames(TCanvas& canvas) const;
  void ShowHint() const;
  TDEng& m_engine;
  TWinControl& m_container;
  std::vector<TEntry> m_entries;
  int64_t m_minLeft = 0;
  int64_t m_minTop = 0;
  QPoint m_start;
  QPoint m_offset;
};

// Resizes the control selected alone from the handle pressed on it.
class TResizeDragHandler : public TDEngDragHandler {
 public:
  explicit TResizeDragHandler(TDEng& engine) : m_engine(engine) {}
  void Start(TCanvas& canvas, const QPoint& point) override;
  void Move(TCanvas& canvas, const QPoint& point) override;
  void Finish(TCanvas& canvas, const QPoint& point) override;
  void Cancel(TCanvas& canvas) override;
  void ControlGone(const TComponent* component) override;

 private:
  TDesignRect RectAt(const QPoint& point) const;
  void ShowHint() const;
  TDEng& m_engine;
  TControl* m_control = nullptr;
  THandlePosition m_handle = THandlePosition::hpTopLeft;
  QPoint m_start;
  TDesignRect m_rect;
};

// Selects the designable children of the container that the band meets.
class TBandDragHandler : public TDEngDragHandler {
 public:
  TBandDragHandler(TDEng& engine, TWinControl& container) : m_engine(engine), m_container(container) {}
  void Start(TCanvas& canvas, const QPoint& point) override;
  void Move(TCanvas& canvas, const QPoint& point) override;
  void Finish(TCanvas& canvas, const QPoint& point) override;
  void Cancel(TCanvas& canvas) override;

 private:
  TDesignRect Band() const;
  TDEng& m_engine;
  TWinControl& m_container;
  QPoint m_anchor;
  QPoint m_corner;
};

// Creates a control of a class in the rectangle dragged out.
class TInsertDragHandler : public TDEngDragHandler {
 public:
  TInsertDragHandler(TDEng& engine, TWinControl& container, const TClassInfo& controlClass)
      : m_engine(engine), m_container(container), m_class(controlClass) {}
  void Start(TCanvas& canvas, const QPoint& point) override;
  void Move(TCanvas& canvas, const QPoint& point) override;
  void Finish(TCanvas& canvas, const QPoint& point) override;
  void Cancel(TCanvas& canvas) override;

 private:
  TDesignRect RectTo(const QPoint& point) const;
  void Erase(TCanvas& canvas);
  TDEng& m_engine;
  TWinControl& m_container;
  const TClassInfo& m_class;
  QPoint m_start;
  TDesignRect m_drawn;
  bool m_isDrawn = false;
};
