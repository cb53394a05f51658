// Forms, frames and scrolling containers.
#pragma once

#include "toolkit/WinControl.h"

#include <QScrollBar>

class IDesignerHook;

enum class TScrollBarKind { sbHorizontal, sbVertical };

// One scroll bar of a scrolling container: scrolling moves the children.
class TControlScrollBar : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TControlScrollBar(class TScrollingWinControl* control, TScrollBarKind kind);
  int Position() const { return m_position; }
  void SetPosition(int value);
  int Range() const { return m_range; }
  void SetRange(int value);
  bool Visible() const { return m_visible; }
  void SetVisible(bool value);
  int Increment() const { return m_increment; }
  void SetIncrement(int value) { m_increment = std::max(1, value); }
  // Whether the bar shows: visible and the range larger than the client.
  bool IsScrollBarVisible() const;
  void Assign(const TPersistent* source) override;

 private:
  friend class TScrollingWinControl;
  TScrollingWinControl* m_control;
  TScrollBarKind m_kind;
  int m_position = 0;
  int m_range = 0;
  bool m_visible = true;
  int m_increment = 8;
};

class TScrollingWinControl : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TScrollingWinControl(TComponent* owner);
  ~TScrollingWinControl() override;

  TControlScrollBar& HorzScrollBar() { return *m_horz; }
  TControlScrollBar& VertScrollBar() { return *m_vert; }
  TControlScrollBar* HorzScrollBarObject() const { return m_horz.get(); }
  TControlScrollBar* VertScrollBarObject() const { return m_vert.get(); }
  void SetHorzScrollBar(TControlScrollBar* v) { m_horz->Assign(v); }
  void SetVertScrollBar(TControlScrollBar* v) { m_vert->Assign(v); }
  // With AutoScroll the ranges follow the extent of the children.
  bool AutoScroll() const { return m_autoScroll; }
  void SetAutoScroll(bool value);
  // Moves every child by (dx, dy).
  void ScrollBy(int dx, int dy);
  QRect ClientRect() const override;
  void AlignControls() override;

 protected:
  friend class TControlScrollBar;
  void UpdateScrollBars();
  // Creates the Qt scroll bars inside the widget; concrete classes call it
  // after attaching their widget.
  void CreateScrollBars();

 private:
  std::unique_ptr<TControlScrollBar> m_horz;
  std::unique_ptr<TControlScrollBar> m_vert;
  QPointer<QScrollBar> m_horzBar;
  QPointer<QScrollBar> m_vertBar;
  bool m_autoScroll = false;
  bool m_updatingBars = false;
};

class TScrollBox : public TScrollingWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TScrollBox(TComponent* owner);
  bool AcceptsControls() const override { return true; }

 protected:
  void SyncColor() override;
};

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                       poMainFormCenter, poOwnerFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

const TTypeInfo& FormBorderStyleType();
const TTypeInfo& BorderIconsType();
const TTypeInfo& PositionType();

// A window. Without a parent it is a top-level window whose Width and Height
// are its client size; with a parent it lives inside that control.
class TCustomForm : public TScrollingWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  void SetParent(TWinControl* parent) override;

  TFormBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return m_borderIcons; }
  void SetBorderIcons(TBorderIcons value);
  TPosition Position() const { return m_position; }
  void SetPosition(TPosition value) { m_position = value; }

  TWinControl* ActiveControl() const;
  void SetActiveControl(TWinControl* control);
  TModalResult ModalResult() const { return m_modalResult; }
  void SetModalResult(TModalResult value) { m_modalResult = value; }
  // Shows the window modally through the application's dialog service and
  // returns the modal result.
  TModalResult ShowModal();
  bool IsModal() const { return m_modal; }
  // Asks OnCloseQuery and OnClose, then hides or frees the window; closing
  // the main window ends the application.
  void Close();
  // Frees the window after the current event.
  void Release();
  // Makes the form visible: OnShow runs first, then the window appears,
  // placed by Position on its first showing.
  void ShowForm();

  void SetDesigner(IDesignerHook* hook) { m_designer = hook; }
  IDesignerHook* Designer() const { return m_designer; }

  // Handles Enter and Escape for the default and cancel buttons.
  bool HandleDialogKey(int qtKey);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  // Called at the end of a derived form's constructor: ends loading and runs OnCreate.
  void FinishCreate();
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  void BeforeDestruction() override;
  // Passes every notification on to the designer hook as well.
  void Notification(TComponent* component, TOperation operation) override;
  bool WndProc(TMessage& message) override;
  void SyncGeometry() override;
  void SyncVisibility() override;
  void SyncColor() override;
  void SyncFocusPolicy() override;
  void TextChanged() override;
  void WindowGeometryChanged() override;
  virtual void PaintBackground(QPainter& painter, const QRect& clip);

 private:
  friend class TFormWidget;
  void ApplyWindowFlags();
  void PlaceOnFirstShow();
  TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons m_borderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
  TPosition m_position = TPosition::poDesigned;
  TModalResult m_modalResult = mrNone;
  IDesignerHook* m_designer = nullptr;
  bool m_modal = false;
  bool m_placed = false;
  bool m_settingVisible = false;
};

class TForm : public TCustomForm {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TForm(TComponent* owner);
  bool AcceptsControls() const override { return true; }
};

// A container that is placed into a form like a control and owns its controls.
// While it is designed it lets the surface it is designed on (with that
// surface's grid) show through.
class TFrame : public TScrollingWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TFrame(TComponent* owner);
  bool AcceptsControls() const override { return true; }

 protected:
  void SyncColor() override;
  void DesigningChanged() override;
};

// The text before and after the "|" of a hint.
QString GetShortHint(const QString& hint);
QString GetLongHint(const QString& hint);
