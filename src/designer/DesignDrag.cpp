#include "designer/DesignDrag.h"

#include "designer/DesignEngine.h"
#include "designer/ELSelection.h"
#include "toolkit/Application.h"
#include "toolkit/OverlayCanvas.h"

#include <QCoreApplication>
#include <QEvent>

#include <climits>

void DrawDragFrame(TCanvas& canvas, const TDesignRect& r) {
  canvas.Pen().SetMode(TPenMode::pmXor);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetWidth(2);
  canvas.Pen().SetColor(clGray);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Rectangle(ClampToInt(r.Left + 1), ClampToInt(r.Top + 1), ClampToInt(r.Right), ClampToInt(r.Bottom));
}

void DrawBandFrame(TCanvas& canvas, const TDesignRect& r) {
  canvas.Pen().SetMode(TPenMode::pmXor);
  canvas.Pen().SetStyle(TPenStyle::psDot);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(clWhite);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Rectangle(ClampToInt(r.Left), ClampToInt(r.Top), ClampToInt(r.Right), ClampToInt(r.Bottom));
}

// ---- TDEngDrag ----

namespace {

// The application losing the active state ends a drag: its release would
// never come.
class TDeactivationWatch : public QObject {
 public:
  TDeactivationWatch(TCustomForm& host, uint32_t serial) : m_host(host), m_serial(serial) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~TDeactivationWatch() override { QCoreApplication::instance()->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    // Posted, so the drag does not end inside the filter that watches it.
    if (event->type() == QEvent::ApplicationDeactivate && !m_posted) {
      m_posted = true;
      m_host.PostRequest(kCancelDragRequest, static_cast<intptr_t>(m_serial));
    }
    return false;
  }

 private:
  TCustomForm& m_host;
  uint32_t m_serial;
  bool m_posted = false;
};

uint32_t g_dragSerial = 0;

}  // namespace

TDEngDrag::TDEngDrag(TDEng& engine, TWinControl& container, bool snap, bool lockX, bool lockY, const QPoint& origin,
                     const QPoint& start)
    : m_engine(engine),
      m_serial(++g_dragSerial),
      m_container(container),
      m_snap(snap),
      m_lockX(lockX),
      m_lockY(lockY),
      m_origin(origin),
      m_start(start),
      m_last(start) {
  // Each step is undone by the destructor; a step that fails undoes the ones before.
  try {
    m_engine.HideHint();
    m_engine.Selection().SetHandlesVisible(false);
    m_canvas = std::make_unique<TOverlayCanvas>(container);
    m_engine.DesignControl()->SetMouseCapture(true);
    const TCustomForm& host = *m_engine.HostSurface();
    const QRect inContainer(container.ClientOrigin(), container.ClientRect().size());
    const QRect onHost(host.ClientOrigin(), host.ClientRect().size());
    const QRect clip = inContainer & onHost;
    if (!clip.isEmpty()) Application().ClipCursor(clip);
    m_deactivationWatch = std::make_unique<TDeactivationWatch>(*m_engine.HostSurface(), m_serial);
  } catch (...) {
    Release();
    throw;
  }
}

TDEngDrag::~TDEngDrag() { Release(); }

void TDEngDrag::Release() {
  m_deactivationWatch.reset();
  Application().ClipCursor(QRect());
  TWinControl* root = m_engine.DesignControlIfAlive();
  if (root && TControl::CaptureControl() == root) root->SetMouseCapture(false);
  m_canvas.reset();
  m_engine.Selection().SetHandlesVisible(true);
}

TCanvas& TDEngDrag::Canvas() const { return m_canvas->Canvas(); }

bool TDEngDrag::ControlGone(const TComponent* component) {
  if (component == &m_container) return true;
  if (m_handler) m_handler->ControlGone(component);
  return false;
}

// ---- move ----

void TMoveDragHandler::Start(TCanvas& canvas, const QPoint& point) {
  m_minLeft = INT64_MAX;
  m_minTop = INT64_MAX;
  for (TControl* control : m_engine.Selection().GetControls()) {
    const TDesignRect bounds = TDesignRect::FromQRect(control->BoundsRect());
    m_entries.push_back({control, bounds});
    m_minLeft = std::min(m_minLeft, bounds.Left);
    m_minTop = std::min(m_minTop, bounds.Top);
  }
  m_start = point;
  m_offset = QPoint();
  DrawFrames(canvas);
  ShowHint();
}

void TMoveDragHandler::Move(TCanvas& canvas, const QPoint& point) {
  DrawFrames(canvas);
  m_offset = point - m_start;
  DrawFrames(canvas);
  ShowHint();
}

void TMoveDragHandler::Finish(TCanvas& canvas, const QPoint& point) {
  m_engine.HideHint();
  DrawFrames(canvas);
  m_offset = point - m_start;
  if (m_offset.isNull()) return;
  bool changed = false;
  for (const TEntry& entry : m_entries) {
    if (ControlLocks(*entry.control).Contains(TELDesignerLock::dlNoMove)) continue;
    const QRect before = entry.control->BoundsRect();
    entry.control->SetBoundsRect(TDesignRect::FromQRect(before).Translated(m_offset.x(), m_offset.y()).ToBounds());
    changed = changed || entry.control->BoundsRect() != before;
  }
  if (changed) m_engine.HookModified();
}

void TMoveDragHandler::Cancel(TCanvas& canvas) {
  m_engine.HideHint();
  DrawFrames(canvas);
}

void TMoveDragHandler::ControlGone(const TComponent* component) {
  std::erase_if(m_entries, [component](const TEntry& entry) { return entry.control == component; });
}

void TMoveDragHandler::DrawFrames(TCanvas& canvas) const {
  for (const TEntry& entry : m_entries)
    if (!ControlLocks(*entry.control).Contains(TELDesignerLock::dlNoMove))
      DrawDragFrame(canvas, entry.bounds.Translated(m_offset.x(), m_offset.y()));
}

void TMoveDragHandler::ShowHint() const {
  if (m_entries.empty()) return;
  m_engine.ShowDragHint(TELDesignerHintType::htMove,
                        QStringLiteral("%1, %2").arg(m_minLeft + m_offset.x()).arg(m_minTop + m_offset.y()));
}

// ---- resize ----

void TResizeDragHandler::Start(TCanvas& canvas, const QPoint& point) {
  TELDesignerSelectedControls& selection = m_engine.Selection();
  if (selection.Count() == 0) return;
  m_control = selection.Items(0);
  m_handle = selection.Item(m_control)->ActiveHandle();
  m_start = point;
  m_rect = RectAt(point);
  DrawDragFrame(canvas, m_rect);
  ShowHint();
}

void TResizeDragHandler::Move(TCanvas& canvas, const QPoint& point) {
  if (!m_control) return;
  DrawDragFrame(canvas, m_rect);
  m_rect = RectAt(point);
  DrawDragFrame(canvas, m_rect);
  ShowHint();
}

void TResizeDragHandler::Finish(TCanvas& canvas, const QPoint& point) {
  m_engine.HideHint();
  if (!m_control) return;
  DrawDragFrame(canvas, m_rect);
  const QRect before = m_control->BoundsRect();
  const QRect after = RectAt(point).ToBounds();
  if (after == before) return;
  m_control->SetBoundsRect(after);
  m_control->Repaint();
  if (m_control->BoundsRect() != before) m_engine.HookModified();
}

void TResizeDragHandler::Cancel(TCanvas& canvas) {
  m_engine.HideHint();
  if (m_control) DrawDragFrame(canvas, m_rect);
}

void TResizeDragHandler::ControlGone(const TComponent* component) {
  if (component == m_control) m_control = nullptr;
}

TDesignRect TResizeDragHandler::RectAt(const QPoint& point) const {
  return ResizedRect(TDesignRect::FromQRect(m_control->BoundsRect()), m_handle, int64_t{point.x()} - m_start.x(),
                     int64_t{point.y()} - m_start.y());
}

void TResizeDragHandler::ShowHint() const {
  m_engine.ShowDragHint(TELDesignerHintType::htSize,
                        QStringLiteral("%1 x %2").arg(m_rect.Width()).arg(m_rect.Height()));
}

// ---- rubber band ----

TDesignRect TBandDragHandler::Band() const {
  return TDesignRect{m_anchor.x(), m_anchor.y(), m_corner.x(), m_corner.y()}.Normalized();
}

void TBandDragHandler::Start(TCanvas& canvas, const QPoint& point) {
  m_anchor = m_corner = m_container.ScreenToClient(point);
  DrawBandFrame(canvas, Band());
}

void TBandDragHandler::Move(TCanvas& canvas, const QPoint& point) {
  DrawBandFrame(canvas, Band());
  m_corner = m_container.ScreenToClient(point);
  DrawBandFrame(canvas, Band());
}

void TBandDragHandler::Finish(TCanvas& canvas, const QPoint& point) {
  DrawBandFrame(canvas, Band());
  m_corner = m_container.ScreenToClient(point);
  const TDesignRect band = Band();
  TELDesignerSelectedControls& selection = m_engine.Selection();
  TSelectionUpdate update(selection);
  for (int i = 0; i < m_container.ControlCount(); ++i) {
    TControl* child = m_container.Controls(i);
    if (TDesignRect::FromQRect(child->BoundsRect()).Touches(band) && m_engine.IsDesignable(child)) selection.Add(child);
  }
  if (selection.Count() > 1) selection.Remove(m_engine.DesignControl());
}

void TBandDragHandler::Cancel(TCanvas& canvas) { DrawBandFrame(canvas, Band()); }

// ---- insert ----

TDesignRect TInsertDragHandler::RectTo(const QPoint& point) const {
  const QPoint to = m_container.ScreenToClient(point);
  TDesignRect r = TDesignRect{m_start.x(), m_start.y(), to.x(), to.y()}.Normalized();
  ++r.Right;
  ++r.Bottom;
  return r;
}

void TInsertDragHandler::Start(TCanvas&, const QPoint& point) {
  m_start = m_container.ScreenToClient(point);
  m_isDrawn = false;
}

void TInsertDragHandler::Move(TCanvas& canvas, const QPoint& point) {
  Erase(canvas);
  m_drawn = RectTo(point);
  DrawDragFrame(canvas, m_drawn);
  m_isDrawn = true;
  m_engine.ShowDragHint(TELDesignerHintType::htInsert,
                        QStringLiteral("%1 x %2").arg(m_drawn.Width()).arg(m_drawn.Height()));
}

void TInsertDragHandler::Finish(TCanvas& canvas, const QPoint& point) {
  const TDesignRect r = RectTo(point);
  m_engine.HideHint();
  Erase(canvas);
  TWinControl* root = m_engine.DesignControl();
  const auto& create = m_class.Creator();
  TComponent* created = create ? create(root) : nullptr;
  auto* control = dynamic_cast<TControl*>(created);
  if (!control) {
    TComponent::Free(created);
    throw EELDesigner(Format("A control of class %s can not be created", {m_class.Name()}));
  }
  try {
    control->SetDesigning(true);
    if (r.Width() > 1 || r.Height() > 1)
      control->SetBoundsRect(r.ToBounds());
    else
      control->SetBounds(ClampToInt(r.Left), ClampToInt(r.Top), control->Width(), control->Height());
    control->SetName(m_engine.HookUniqueName(m_class.Name()));
    control->SetParent(&m_container);
  } catch (...) {
    TComponent::Free(control);
    throw;
  }
  m_engine.Selection().SelectOnly(control);
  m_engine.Designer().DoControlInserted();
  m_engine.HookModified();
}

void TInsertDragHandler::Cancel(TCanvas& canvas) {
  m_engine.HideHint();
  Erase(canvas);
}

void TInsertDragHandler::Erase(TCanvas& canvas) {
  if (!m_isDrawn) return;
  DrawDragFrame(canvas, m_drawn);
  m_isDrawn = false;
}
