// The designer's selection: the selected controls in order of selection,
// each with eight grab handles drawn around it in its parent. Handles are
// small windows of their own, not controls: the controls of a container
// never include them. Every change of the selection is reported once
// through the designer's OnChangeSelection; changes inside BeginUpdate and
// EndUpdate are reported once at the outermost EndUpdate.
#pragma once

#include "designer/DesignGeometry.h"
#include "toolkit/Colors.h"
#include "toolkit/Cursors.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <exception>
#include <memory>
#include <vector>

class TComponent;
class TControl;
class TWinControl;
class TELCustomDesigner;
class TELDesignerSelectedControls;
class TDSelCtrlItem;

// One grab handle: a 5 x 5 window in the selected control's parent, drawn as
// a rectangle with a border. A left press on a handle of a control selected
// alone starts a resize.
class TDSelCtrlItemPoint : public QWidget {
 public:
  TDSelCtrlItemPoint(TDSelCtrlItem& item, THandlePosition position);

  THandlePosition Position() const { return m_position; }
  TColor BorderColor() const { return m_borderColor; }
  TColor FillColor() const { return m_fillColor; }
  TCursor HandleCursor() const { return m_cursor; }
  // Places, colours and shows or hides the handle for its item's state.
  void UpdateHandle();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TDSelCtrlItem& m_item;
  THandlePosition m_position;
  TColor m_borderColor = clBlack;
  TColor m_fillColor = clBlack;
  TCursor m_cursor = crDefault;
};

// A selected control with its handles.
class TDSelCtrlItem {
 public:
  TDSelCtrlItem(TELDesignerSelectedControls& selection, TControl* control);
  ~TDSelCtrlItem();
  TDSelCtrlItem(const TDSelCtrlItem&) = delete;
  TDSelCtrlItem& operator=(const TDSelCtrlItem&) = delete;

  TControl* Control() const { return m_control; }
  TELDesignerSelectedControls& Selection() const { return m_selection; }
  THandleMode Mode() const { return m_mode; }
  // A changed mode updates the handles at once.
  void SetMode(THandleMode mode);
  // The position of the handle pressed last.
  THandlePosition ActiveHandle() const { return m_activeHandle; }
  void SetActiveHandle(THandlePosition position) { m_activeHandle = position; }
  // The handle at a position; created again if its window went with a parent.
  TDSelCtrlItemPoint& Handle(THandlePosition position);
  void UpdateHandles();
  // The control is gone: nothing of it may be touched any more.
  void ForgetControl() { m_controlGone = true; }

 private:
  friend class TELDesignerSelectedControls;
  TELDesignerSelectedControls& m_selection;
  TControl* m_control;
  std::array<QPointer<TDSelCtrlItemPoint>, kHandleCount> m_handles;
  THandleMode m_mode = THandleMode::hmNone;
  THandlePosition m_activeHandle = THandlePosition::hpTopLeft;
  bool m_controlGone = false;
};

class TELDesignerSelectedControls {
 public:
  explicit TELDesignerSelectedControls(TELCustomDesigner& designer);
  ~TELDesignerSelectedControls();
  TELDesignerSelectedControls(const TELDesignerSelectedControls&) = delete;
  TELDesignerSelectedControls& operator=(const TELDesignerSelectedControls&) = delete;

  TELCustomDesigner& Designer() const { return m_designer; }
  int Count() const { return static_cast<int>(m_items.size()); }
  // The control of an entry; EListError outside 0..Count - 1.
  TControl* Items(int index) const;
  int IndexOf(const TControl* control) const;
  // The control selected last; nullptr when the selection is empty.
  TControl* PrimaryControl() const;
  // The entry of a control, nullptr when it is not selected.
  TDSelCtrlItem* Item(const TControl* control) const;

  // Selects a designable control and returns its index; a selected one keeps
  // its place.
  int Add(TControl* control);
  void Delete(int index);
  void Remove(TControl* control);
  // Leaves exactly `control` selected (nothing with nullptr). The control is
  // checked before anything changes.
  void SelectOnly(TControl* control);
  void Clear() { SelectOnly(nullptr); }
  // Keeps the selected controls that are in the list and adds the others in
  // list order.
  void SetControls(const std::vector<TControl*>& controls);
  std::vector<TControl*> GetControls() const;
  // Keeps only the selected controls whose parent is `parent`.
  void KeepChildrenOf(const TWinControl* parent);

  void BeginUpdate() { ++m_updateDepth; }
  void EndUpdate();

  bool HandlesVisible() const { return m_handlesVisible; }
  void SetHandlesVisible(bool value);
  // Whether the design surface has the keyboard focus.
  bool Focused() const { return m_focused; }
  void SetFocused(bool value);
  // The design control while the designer is active; it shows no handles.
  TControl* RootControl() const { return m_rootControl; }
  void SetRootControl(TControl* control);
  void UpdateHandles();
  void UpdateHandles(int index);

  // A control is going: its entry leaves at once, without touching it.
  void ControlGone(const TComponent* component);

 private:
  friend class TDSelCtrlItem;
  void CheckActive() const;
  void CheckSelectable(TControl* control) const;
  // Removes an entry and runs the change step.
  void DeleteItem(int index);
  // After every addition or removal: modes, handles and OnChangeSelection,
  // once per outermost update.
  void Changed();
  void UpdateModes();

  TELCustomDesigner& m_designer;
  std::vector<std::unique_ptr<TDSelCtrlItem>> m_items;
  bool m_handlesVisible = false;
  bool m_focused = false;
  TControl* m_rootControl = nullptr;
  int m_updateDepth = 0;
  bool m_changePending = false;
  bool m_destroying = false;
};

// Brackets selection changes: OnChangeSelection fires once, when the
// outermost bracket closes, also when the work inside fails.
class TSelectionUpdate {
 public:
  explicit TSelectionUpdate(TELDesignerSelectedControls& selection)
      : m_selection(selection), m_uncaught(std::uncaught_exceptions()) {
    m_selection.BeginUpdate();
  }
  ~TSelectionUpdate() noexcept(false);
  TSelectionUpdate(const TSelectionUpdate&) = delete;
  TSelectionUpdate& operator=(const TSelectionUpdate&) = delete;

 private:
  TELDesignerSelectedControls& m_selection;
  int m_uncaught;
};
