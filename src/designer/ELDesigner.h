// The designer component: pointed at a windowed control (the design control)
// and a design panel, it turns the control tree into a design surface while
// Active. It owns the selection and the grid settings, keeps the locks of
// the designed controls and reports selection changes and completed
// modifications through its events. The work on the surface is the design
// engine's (DesignEngine.h), which exists exactly while the designer is active.
#pragma once

#include "toolkit/Colors.h"
#include "toolkit/Component.h"
#include "toolkit/Control.h"
#include "toolkit/Forms.h"
#include "toolkit/SysUtils.h"

#include <QHash>
#include <QPoint>

#include <memory>

class QMimeData;
class TDEng;
class TELCustomDesignPanel;
class TELDesignerSelectedControls;
class TPopupMenu;

VORNIK_EXCEPTION(EELDesigner, Exception);

// Locks of a designed control, kept in its design-information word (16 bits).
enum class TELDesignerLock { dlNoMove, dlNoResize, dlNoDelete, dlNoInsertInto };
using TELDesignerLocks = TSet<TELDesignerLock>;
TELDesignerLocks ControlLocks(const TComponent& component);
void SetControlLocks(TComponent& component, TELDesignerLocks locks);

enum class TELDesignerHintType { htControl, htSize, htMove, htInsert };
using TELDesignerHintTypes = TSet<TELDesignerHintType>;
const TTypeInfo& DesignerHintTypesType();

enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Grid steps lie in 2..32.
using TELDesignerGridSize = uint8_t;
constexpr int kMinGridStep = 2;
constexpr int kMaxGridStep = 32;
const TTypeInfo& DesignerGridSizeType();

class TELCustomDesigner;

// The grid: dots every XStep by YStep pixels on the design surface.
class TELDesignerGrid : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TELDesignerGrid(TELCustomDesigner* designer) : m_designer(designer) {}

  int XStep() const { return m_xStep; }
  // A step outside 2..32 is brought into it.
  void SetXStep(int value);
  int YStep() const { return m_yStep; }
  void SetYStep(int value);
  bool Visible() const { return m_visible; }
  void SetVisible(bool value);
  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  // Copies the four values of another grid, steps brought into 2..32: a step
  // of 0 would divide by zero in the grid painting.
  void Assign(const TPersistent* source) override;

 private:
  void Changed();
  TELCustomDesigner* m_designer;
  TELDesignerGridSize m_xStep = 8;
  TELDesignerGridSize m_yStep = 8;
  bool m_visible = true;
  TColor m_color = clBlack;
};

using TELDesignerValidateNameEvent = std::function<void(TObject* sender, const QString& name, bool& isValid)>;
using TELDesignerGetUniqueNameEvent =
    std::function<void(TObject* sender, const QString& baseName, QString& uniqueName)>;
using TELDesignerControlInsertingEvent = std::function<void(TObject* sender, const TClassInfo*& controlClass)>;
using TELDesignerNotificationEvent = std::function<void(TObject* sender, TPersistent* object, TOperation operation)>;
using TELDesignerControlHintEvent = std::function<void(TObject* sender, TControl* control, QString& hint)>;
using TELDesignerDesignFormCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TContextPopupEvent = std::function<void(TObject* sender, QPoint mousePos, bool& handled)>;
// Outside objects dragged onto the surface are known by their data.
using TELDesignerDragOverEvent = std::function<void(TObject* sender, const QMimeData* source, TControl* target, int x,
                                                    int y, TDragState state, bool& accept)>;
using TELDesignerDragDropEvent =
    std::function<void(TObject* sender, const QMimeData* source, TControl* target, int x, int y)>;

class TELCustomDesigner : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TELCustomDesigner(TComponent* owner);
  ~TELCustomDesigner() override;

  bool Active() const { return m_active; }
  // Activates (the design control moves onto the design panel's surface)
  // or deactivates (it goes back); failures raise EELDesigner.
  void SetActive(bool value);
  TWinControl* DesignControl() const { return m_designControl; }
  void SetDesignControl(TWinControl* control);
  TELCustomDesignPanel* DesignPanel() const { return m_designPanel; }
  void SetDesignPanel(TELCustomDesignPanel* panel);
  TELDesignerGrid& Grid() { return *m_grid; }
  TELDesignerGrid* GridObject() const { return m_grid.get(); }
  void SetGrid(TELDesignerGrid* grid) { m_grid->Assign(grid); }
  bool SnapToGrid() const { return m_snapToGrid; }
  void SetSnapToGrid(bool value) { m_snapToGrid = value; }
  TELDesignerHintTypes ShowingHints() const { return m_showingHints; }
  void SetShowingHints(TELDesignerHintTypes value) { m_showingHints = value; }
  TPopupMenu* PopupMenu() const { return m_popupMenu; }
  void SetPopupMenu(TPopupMenu* menu);

  TColor HandleClr() const { return m_handleClr; }
  void SetHandleClr(TColor value);
  TColor HandleBorderClr() const { return m_handleBorderClr; }
  void SetHandleBorderClr(TColor value);
  TColor MultySelectHandleClr() const { return m_multySelectHandleClr; }
  void SetMultySelectHandleClr(TColor value);
  TColor MultySelectHandleBorderClr() const { return m_multySelectHandleBorderClr; }
  void SetMultySelectHandleBorderClr(TColor value);
  TColor InactiveHandleClr() const { return m_inactiveHandleClr; }
  void SetInactiveHandleClr(TColor value);
  TColor InactiveHandleBorderClr() const { return m_inactiveHandleBorderClr; }
  void SetInactiveHandleBorderClr(TColor value);
  TColor LockedHandleClr() const { return m_lockedHandleClr; }
  void SetLockedHandleClr(TColor value);
  // The name of the designer's clipboard format. Nothing of the designer
  // uses the clipboard, so the name is only kept.
  QString ClipboardFormat() const { return m_clipboardFormat; }
  void SetClipboardFormat(const QString& value) { m_clipboardFormat = value; }

  TELDesignerSelectedControls& SelectedControls() { return *m_selection; }
  const TELDesignerSelectedControls& SelectedControls() const { return *m_selection; }
  // Stores locks on a designable control other than the design control.
  void LockControl(TControl* control, TELDesignerLocks locks);
  // Stores locks on every control the design control owns.
  void LockAll(TELDesignerLocks locks);
  // Raises "Designer mast be active" or "Designer mast be inactive" when the
  // designer is not in the expected state.
  void CheckActive(bool expected) const;
  // The grid settings changed: an active designer repaints the surface.
  void GridChanged();
  // The engine while active; nullptr otherwise.
  TDEng* Engine() const { return m_engine.get(); }

  // Keeps track of a component's going; calls nest, the last Unwatch ends it.
  void Watch(TComponent* component);
  void Unwatch(TComponent* component);

  TNotifyEvent OnModified;
  TELDesignerValidateNameEvent OnValidateName;
  TELDesignerGetUniqueNameEvent OnGetUniqueName;
  TELDesignerControlInsertingEvent OnControlInserting;
  TNotifyEvent OnControlInserted;
  TELDesignerNotificationEvent OnNotification;
  TNotifyEvent OnChangeSelection;
  TELDesignerControlHintEvent OnControlHint;
  TELDesignerDesignFormCloseEvent OnDesignFormClose;
  TContextPopupEvent OnContextPopup;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnDblClick;
  TELDesignerDragDropEvent OnDragDrop;
  TELDesignerDragOverEvent OnDragOver;

  // Each fires its event when one is assigned.
  virtual void DoModified();
  virtual void DoValidateName(const QString& name, bool& isValid);
  virtual void DoGetUniqueName(const QString& baseName, QString& uniqueName);
  virtual void DoChangeSelection();
  virtual void DoControlInserting(const TClassInfo*& controlClass);
  virtual void DoControlInserted();
  virtual void DoNotification(TPersistent* object, TOperation operation);
  virtual void DoControlHint(TControl* control, QString& hint);
  // OnContextPopup, then, unless it handled the click, the popup menu at the
  // screen point when its automatic popup is on.
  virtual void DoContextPopup(const QPoint& screenPos);
  virtual void DoDesignFormClose(TCloseAction& action);
  virtual void DoKeyDown(uint16_t& key, TShiftState shift);
  virtual void DoKeyPress(QChar& key);
  virtual void DoKeyUp(uint16_t& key, TShiftState shift);
  virtual void DoDblClick();
  virtual TPopupMenu* GetPopupMenu() const { return m_popupMenu; }
  // Accept starts false; it is true when OnDragOver is assigned, which may
  // change it.
  virtual void DoDragOver(const QMimeData* source, TControl* target, int x, int y, TDragState state, bool& accept);
  virtual void DoDragDrop(const QMimeData* source, TControl* target, int x, int y);

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void BeforeDestruction() override;

 private:
  void Activate();
  void Deactivate();
  void SetHandleColor(TColor& field, TColor value);

  // First: the selection's entries give their watches back when they go.
  QHash<TComponent*, int> m_watched;
  bool m_active = false;
  bool m_changingActive = false;
  std::unique_ptr<TDEng> m_engine;
  TWinControl* m_designControl = nullptr;
  TELCustomDesignPanel* m_designPanel = nullptr;
  std::unique_ptr<TELDesignerGrid> m_grid;
  std::unique_ptr<TELDesignerSelectedControls> m_selection;
  bool m_snapToGrid = true;
  TELDesignerHintTypes m_showingHints{TELDesignerHintType::htControl, TELDesignerHintType::htSize,
                                      TELDesignerHintType::htMove, TELDesignerHintType::htInsert};
  TPopupMenu* m_popupMenu = nullptr;
  TColor m_handleClr = clBlack;
  TColor m_handleBorderClr = clBlack;
  TColor m_multySelectHandleClr = clGray;
  TColor m_multySelectHandleBorderClr = clGray;
  TColor m_inactiveHandleClr = clGray;
  TColor m_inactiveHandleBorderClr = clBlack;
  TColor m_lockedHandleClr = clRed;
  QString m_clipboardFormat = QStringLiteral("Layout designer components");
};

// The designer with its settings and events published.
class TELDesigner : public TELCustomDesigner {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TELDesigner(TComponent* owner) : TELCustomDesigner(owner) {}
};
