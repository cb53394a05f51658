// Controls: components with a parent, bounds, anchors, a text and the usual
// visual settings. The control holds the truth; the Qt widget it owns
// mirrors it and hands every input event back to Dispatch.
#pragma once

#include "toolkit/Colors.h"
#include "toolkit/Component.h"
#include "toolkit/Cursors.h"
#include "toolkit/Graphics.h"
#include "toolkit/Messages.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class TWinControl;
class TCustomForm;
class TPopupMenu;
class IDesignerHook;
class TControlAdapter;

enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// The types of the published bounds: positions within -32768 .. 32767 and
// sizes within 0 .. 32767, so that a typed value leaves room for the sums
// and differences later drawing and layout make of them.
const TTypeInfo& CoordinateType();
const TTypeInfo& ExtentType();
const TTypeInfo& AnchorKindType();
const TTypeInfo& AnchorsType();
const TTypeInfo& AlignType();
const TTypeInfo& AlignmentType();
const TTypeInfo& MouseEventType();
const TTypeInfo& MouseMoveEventType();
const TTypeInfo& KeyEventType();
const TTypeInfo& KeyPressEventType();

// Named anchor sets; sets combine with + (kAnchorLeft + kAnchorBottom).
constexpr TAnchors kAnchorLeft{TAnchorKind::akLeft};
constexpr TAnchors kAnchorTop{TAnchorKind::akTop};
constexpr TAnchors kAnchorRight{TAnchorKind::akRight};
constexpr TAnchors kAnchorBottom{TAnchorKind::akBottom};
constexpr TAnchors kAnchorsAll = kAnchorLeft + kAnchorTop + kAnchorRight + kAnchorBottom;
constexpr TAnchors kDefaultAnchors = kAnchorLeft + kAnchorTop;
// Anchors as a number, as files store them: 1 left, 2 top, 4 right, 8 bottom.
inline int AnchorsToInt(TAnchors a) { return static_cast<int>(a.Mask()); }
inline TAnchors IntToAnchors(int v) { return TAnchors::FromMask(static_cast<uint32_t>(v) & 15u); }

using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, QChar& key)>;

class TSizeConstraints : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int MaxHeight() const { return m_maxHeight; }
  void SetMaxHeight(int v);
  int MaxWidth() const { return m_maxWidth; }
  void SetMaxWidth(int v);
  int MinHeight() const { return m_minHeight; }
  void SetMinHeight(int v);
  int MinWidth() const { return m_minWidth; }
  void SetMinWidth(int v);
  // The size limited to the constraints (0 means no limit).
  QSize Constrain(QSize size) const;
  void Assign(const TPersistent* source) override;
  TNotifyEvent OnChange;

 private:
  void Changed();
  int m_maxHeight = 0;
  int m_maxWidth = 0;
  int m_minHeight = 0;
  int m_minWidth = 0;
};

class TControl : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return m_parent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return m_left; }
  int Top() const { return m_top; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  void SetLeft(int v) { SetBounds(v, m_top, m_width, m_height); }
  void SetTop(int v) { SetBounds(m_left, v, m_width, m_height); }
  void SetWidth(int v) { SetBounds(m_left, m_top, v, m_height); }
  void SetHeight(int v) { SetBounds(m_left, m_top, m_width, v); }
  // Sets the bounds explicitly: the anchors measure from here on against the
  // parent's present size.
  virtual void SetBounds(int left, int top, int width, int height);
  QRect BoundsRect() const { return QRect(m_left, m_top, m_width, m_height); }
  void SetBoundsRect(const QRect& r) { SetBounds(r.left(), r.top(), r.width(), r.height()); }

  // The client area in the control's own coordinates.
  virtual QRect ClientRect() const { return QRect(0, 0, m_width, m_height); }
  int ClientWidth() const { return ClientRect().width(); }
  int ClientHeight() const { return ClientRect().height(); }
  // Sets the size so that the client area gets the given size.
  void SetClientSize(int width, int height);
  QPoint ClientOrigin() const;
  QPoint ClientToScreen(const QPoint& p) const { return p + ClientOrigin(); }
  QPoint ScreenToClient(const QPoint& p) const { return p - ClientOrigin(); }

  TAnchors Anchors() const { return m_anchors; }
  void SetAnchors(TAnchors anchors);
  TAlign Align() const { return m_align; }
  void SetAlign(TAlign align);
  TSizeConstraints& Constraints() { return *m_constraints; }
  TSizeConstraints* ConstraintsObject() const { return m_constraints.get(); }
  void SetConstraints(TSizeConstraints* value) { m_constraints->Assign(value); }

  bool Visible() const { return m_visible; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, on a parent chain that is shown.
  bool Showing() const;
  bool Enabled() const { return m_enabled; }
  virtual void SetEnabled(bool value);

  // The text of the control: its caption or, for edit fields, its text.
  virtual QString GetText() const { return m_text; }
  virtual void SetText(const QString& value);
  QString Caption() const { return GetText(); }
  void SetCaption(const QString& value) { SetText(value); }

  TFont& Font() { return *m_font; }
  TFont* FontObject() const { return m_font.get(); }
  void SetFont(TFont* value) { m_font->Assign(value); }
  bool ParentFont() const { return m_parentFont; }
  void SetParentFont(bool value);
  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  bool ParentColor() const { return m_parentColor; }
  void SetParentColor(bool value);

  QString Hint() const { return m_hint; }
  void SetHint(const QString& value) { m_hint = value; }
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return m_parentShowHint; }
  void SetParentShowHint(bool value);
  // Whether a hint shows for this control, following ParentShowHint upwards.
  bool EffectiveShowHint() const;

  TCursor Cursor() const { return m_cursor; }
  void SetCursor(TCursor value);
  TPopupMenu* PopupMenu() const { return m_popupMenu; }
  void SetPopupMenu(TPopupMenu* value);

  void BringToFront();
  void SendToBack();
  void Invalidate();
  void Repaint();
  void Update();

  // Mouse capture: while set, every mouse event comes to this control.
  bool MouseCapture() const;
  void SetMouseCapture(bool value);
  static TControl* CaptureControl();

  // Numbered requests: sent ones run now, posted ones after the current event.
  void SendRequest(int number, intptr_t param = 0);
  void PostRequest(int number, intptr_t param = 0);

  // The one entry of every event: a control in design state offers it to its
  // form's design hook first and never runs its own interactive behaviour.
  // True means the event was consumed and Qt must not process it further.
  bool Dispatch(TMessage& message);
  // Enter or Escape pressed in a window: a default or cancel button takes it.
  virtual bool DialogKey(uint16_t) { return false; }
  // Whether this control wants a mouse event for itself at design time.
  virtual bool DesignWantsMouse(const TMessage&) const { return false; }
  IDesignerHook* DesignHook() const;
  // The form this control sits on, following the parents.
  TCustomForm* ParentForm() const;

  QWidget* Widget() const { return m_widget; }
  // The control that owns a widget (or the nearest widget above it), if any.
  static TControl* FromWidget(const QWidget* widget);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // Published accessors for event properties.
  TNotifyEvent GetOnClick() const { return OnClick; }
  void SetOnClick(TNotifyEvent e) { OnClick = std::move(e); }
  TNotifyEvent GetOnDblClick() const { return OnDblClick; }
  void SetOnDblClick(TNotifyEvent e) { OnDblClick = std::move(e); }
  TNotifyEvent GetOnResize() const { return OnResize; }
  void SetOnResize(TNotifyEvent e) { OnResize = std::move(e); }
  TMouseEvent GetOnMouseDown() const { return OnMouseDown; }
  void SetOnMouseDown(TMouseEvent e) { OnMouseDown = std::move(e); }
  TMouseEvent GetOnMouseUp() const { return OnMouseUp; }
  void SetOnMouseUp(TMouseEvent e) { OnMouseUp = std::move(e); }
  TMouseMoveEvent GetOnMouseMove() const { return OnMouseMove; }
  void SetOnMouseMove(TMouseMoveEvent e) { OnMouseMove = std::move(e); }

  // One property of the common control set by name, or a named group of
  // them (kPlacing, kLook, ...).
  class TPropNames {
   public:
    template <std::size_t N>
    constexpr TPropNames(const char* const (&group)[N]) : m_group(group) {}
    constexpr TPropNames(const char* name) : m_single(name) {}
    std::span<const char* const> Names() const { return m_single ? std::span(&m_single, 1) : m_group; }

   private:
    std::span<const char* const> m_group;
    const char* m_single = nullptr;
  };
  // The groups the control classes publish, each in the order they publish it.
  static constexpr const char* kPlacing[] = {"Align", "Anchors"};
  static constexpr const char* kLook[] = {"Color",      "Constraints",    "Enabled",   "Font",    "ParentColor",
                                          "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"};
  static constexpr const char* kTabbing[] = {"TabOrder", "TabStop"};
  static constexpr const char* kClicks[] = {"OnClick", "OnDblClick"};
  static constexpr const char* kFocusEvents[] = {"OnEnter", "OnExit"};
  static constexpr const char* kKeyEvents[] = {"OnKeyDown", "OnKeyPress", "OnKeyUp"};
  static constexpr const char* kMouseEvents[] = {"OnMouseDown", "OnMouseMove", "OnMouseUp"};
  // Adds properties of the common control set to a class's published list,
  // in the order given: {kPlacing, "Caption", kLook, "Visible", kClicks}.
  static void PublishStandard(TClassInfo& info, std::initializer_list<TPropNames> names);

  // Re-measures the anchors against the parent's present size (used when a
  // form has finished loading its stored values).
  void UpdateAnchorRules();
  // Moves and sizes the control for a new parent client size by its anchors.
  void ApplyAnchors(const QSize& parentClientSize);
  // A change of bounds by anchoring, alignment or scrolling: the anchors keep
  // measuring from the last explicit bounds.
  void ChangeBounds(int left, int top, int width, int height);

 protected:
  friend class TWinControl;
  friend class TControlAdapter;

  // Concrete classes create their widget in their constructor and attach it;
  // the control's state is copied onto it then and kept in step afterwards.
  void AttachWidget(QWidget* widget);
  // The default processing of an event after the design hook; true consumes it.
  virtual bool WndProc(TMessage& message);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void Click();
  virtual void DblClick();
  virtual void Resize();
  virtual void HandleRequest(int number, intptr_t param);
  virtual void BoundsChanged(bool sizeChanged);
  virtual void TextChanged() {}
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void EnabledChanged() {}
  virtual void VisibleChanged();
  void DesigningChanged() override;
  // Copies the state onto the widget.
  virtual void SyncGeometry();
  // The inner widgets (an edit field's text area, a spin box's line edit)
  // show the control's pointer while it is designed, not their own I-beam.
  void SyncInnerCursors();
  virtual void SyncVisibility();
  virtual void SyncFont();
  virtual void SyncColor();
  virtual void SyncFocusPolicy();
  // A window's position or size changed by the window system.
  virtual void WindowGeometryChanged();
  // The widget's background and text colours follow Color and Font.Color.
  void ApplyPalette(QPalette::ColorRole background, bool fillBackground);
  // Resizes an auto-sized control to its content, keeping Left and Top.
  void AdjustSize();
  // An auto-sized control replaces the size it is given by the size its
  // content needs and returns true; the others keep it.
  virtual bool CanAutoSize(int& width, int& height) const;
  // Controls that report clicks themselves (buttons, check boxes) turn off
  // the click that a left press and release inside the control makes.
  void SetClickEvents(bool value) { m_clickEvents = value; }
  void Notification(TComponent* component, TOperation operation) override;

  QString m_text;

 private:
  void ParentFontChanged();
  void ParentColorChanged();

  TWinControl* m_parent = nullptr;
  int m_left = 0;
  int m_top = 0;
  int m_width = 0;
  int m_height = 0;
  TAnchors m_anchors = kDefaultAnchors;
  TAlign m_align = TAlign::alNone;
  QRect m_anchorOrigin;
  QSize m_anchorParentSize;
  bool m_visible = true;
  bool m_enabled = true;
  std::unique_ptr<TFont> m_font;
  bool m_parentFont = true;
  TColor m_color = clBtnFace;
  bool m_parentColor = false;
  QString m_hint;
  bool m_showHint = false;
  bool m_parentShowHint = true;
  TCursor m_cursor = crDefault;
  TPopupMenu* m_popupMenu = nullptr;
  std::unique_ptr<TSizeConstraints> m_constraints;
  QPointer<QWidget> m_widget;
  std::unique_ptr<TControlAdapter> m_adapter;
  bool m_applyingParentFont = false;
  bool m_clickEvents = true;
  std::optional<Qt::FocusPolicy> m_focusPolicyBeforeDesign;
  // The pointers the inner widgets had before design state: their own, or
  // none set (nullopt).
  std::vector<std::pair<QPointer<QWidget>, std::optional<QCursor>>> m_cursorsBeforeDesign;
};
