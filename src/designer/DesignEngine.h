// The design engine: while its designer is active it is the design hook of
// the design surface, so every event of the design control and of the
// controls it owns comes here before the control sees it. It selects,
// moves and resizes controls with the mouse and the keys, deletes them under
// their locks, inserts new ones, paints the grid and routes drag-and-drop
// to the designer's events.
//
// Event path of a move: a left press on a control -> TControl::Dispatch ->
// HookMessage -> the press selects the control and starts a move drag (the
// mouse captured, exclusive-or frames over the controls) -> every move
// redraws the frames at the snapped pointer -> the release writes the new
// bounds once -> OnModified.
#pragma once

#include "designer/DesignGeometry.h"
#include "designer/ELDesigner.h"
#include "toolkit/DesignerHook.h"

#include <QImage>
#include <QSet>

#include <memory>

class TDEngDrag;
class TDEngDragHandler;
class TDEngHint;
class TDPForm;
class TELDesignerSelectedControls;

// The numbered requests the engine sends itself.
constexpr int kResizeStartRequest = 47874;  // a pressed grab handle; the control in Param
constexpr int kCancelDragRequest = 47875;
constexpr int kFollowControlRequest = 47876;  // posted after a control moved; the control in Param

class TDEng : public IDesignerHook {
 public:
  explicit TDEng(TELCustomDesigner& designer);
  ~TDEng() override;
  TDEng(const TDEng&) = delete;
  TDEng& operator=(const TDEng&) = delete;

  TELCustomDesigner& Designer() const { return m_designer; }
  TELDesignerSelectedControls& Selection() const { return m_selection; }
  TWinControl* DesignControl() const { return m_designControl; }
  // The surface the design control sits on: the design panel's form, or the
  // design control itself when it is a form.
  TCustomForm* HostSurface() const { return m_host; }
  TDEngHint& Hint() const { return *m_hint; }

  // The design control unless it is going; for what runs while it goes.
  TWinControl* DesignControlIfAlive() const { return m_designControlGone ? nullptr : m_designControl; }
  // The design control, or a control in design state that it owns.
  bool IsDesignable(const TControl* control) const;
  // The first of the control, its parent, its parent's parent... that is designable.
  TControl* DesignableAncestor(TControl* control) const;

  bool HookMessage(TControl* control, TMessage& message) override;
  void HookPaintGrid(TCanvas& canvas, const QRect& clip) override;
  void HookNotification(TPersistent* object, TOperation operation) override;
  // After a completed change: every handle follows, then OnModified.
  void HookModified();
  // The designer's rename rules for components of the design control.
  void HookValidateRename(TComponent* component, const QString& currentName, const QString& newName);
  // A name for a new component: the stem of the base name (TButton gives
  // Button) and the first free number.
  QString HookUniqueName(const QString& baseName) const;

  void SetLocks(TControl* control, TELDesignerLocks locks);
  // Deletes the selected controls unless a lock forbids it.
  void DeleteSelected();
  bool Dragging() const { return m_drag != nullptr; }
  // Cancels a running drag, as Escape does.
  void CancelDrag();
  // The grid settings changed: the pattern is made again and the surface repaints.
  void GridChanged();
  // A component is going: every reference to it goes at once.
  void ControlGone(const TComponent* component);

  // The pointer where the last mouse event saw it, on the screen.
  QPoint PointerPos() const { return m_pointer; }
  // The innermost control under a screen point on the design surface,
  // disabled ones included; nullptr outside the surface.
  TControl* ControlAtScreen(const QPoint& screenPos) const;

  // A drag shows its position or size at once, without pause or time limit,
  // when the designer's ShowingHints has the type.
  void ShowDragHint(TELDesignerHintType type, const QString& text);
  void HideHint();

 private:
  friend class TDEngDrag;
  bool HookMouse(TControl* control, TMessage& message);
  void Press(TControl* control, const TMessage& message, bool claimed);
  void PressSelect(TControl* pressed, const TMessage& message, bool claimed);
  void ShiftPress(TControl* target);
  bool TryInsert(TControl* pressed, const QPoint& screenPos);
  void StartResize(TControl* control, const QPoint& screenPos);
  void StartBand(TControl* pressed, const QPoint& screenPos);
  // Runs a drag in `container` from `screenPos`; `prepare` changes the
  // selection once the drag has hidden the handles.
  void BeginDrag(TWinControl& container, bool snap, bool lockX, bool alignStart, bool lockY,
                 std::unique_ptr<TDEngDragHandler> handler, const QPoint& screenPos,
                 const std::function<void()>& prepare = {});
  void DragTo(const QPoint& screenPos);
  void EndDrag(const QPoint& screenPos, bool finish);
  QPoint SnappedPoint(const QPoint& screenPos) const;
  void TrackControlHint(TControl* control, const TMessage& message, bool claimed);

  void HookKey(TMessage& message);
  void KeyDown(uint16_t key, TShiftState shift);
  void SelectByTab(bool forward);
  void EscapeToParent();
  void KeyboardMoveOrResize(uint16_t key, TShiftState shift);
  void SelectNearest(uint16_t key);

  void HookDrag(TControl* control, TMessage& message);

  void PostFollow(TControl* control);
  void Follow(intptr_t control);
  void DesignFormClose();
  void RebuildGridPattern();
  void SetLastHinted(TControl* control);
  // Puts the surface and the design control back as they were before the
  // engine came; it copes with a construction that stopped halfway.
  void Leave();

  TELCustomDesigner& m_designer;
  TELDesignerSelectedControls& m_selection;
  TWinControl* m_designControl;
  bool m_designControlGone = false;
  TCustomForm* m_host = nullptr;
  TDPForm* m_panelSurface = nullptr;
  TELCustomDesignPanel* m_panel = nullptr;
  TWinControl* m_formerParent = nullptr;
  int m_formerLeft = 0;
  int m_formerTop = 0;
  std::unique_ptr<TDEngHint> m_hint;
  TControl* m_lastHinted = nullptr;
  std::unique_ptr<TDEngDrag> m_drag;
  QPoint m_pointer;
  QSet<TComponent*> m_pendingFollow;
  bool m_hostAcceptedDrops = false;
  QPoint m_dragPos;
  QImage m_gridTile;
  TColor m_gridTileColor = clNone;
  QPoint m_gridTileScroll;
};
