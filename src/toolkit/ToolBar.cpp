#include "toolkit/ToolBar.h"

#include "toolkit/ActionList.h"
#include "toolkit/ImageList.h"
#include "toolkit/SysUtils.h"

#include <QPainter>
#include <QStyleOption>
#include <QToolButton>

namespace {

constexpr int kSeparatorWidth = 8;

// The widget of a toolbar button. Its checked state comes from the control
// only (a click does not toggle it); a separator draws a divider line.
class ToolButtonWidget : public QToolButton {
 public:
  ToolButtonWidget() {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
  }
  void SetSeparator(bool value) {
    m_separator = value;
    update();
  }

 protected:
  void nextCheckState() override {}
  void paintEvent(QPaintEvent* event) override {
    if (!m_separator) {
      QToolButton::paintEvent(event);
      return;
    }
    QPainter p(this);
    QStyleOption option;
    option.initFrom(this);
    option.state |= QStyle::State_Horizontal;
    style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &option, &p, this);
  }

 private:
  bool m_separator = false;
};

}  // namespace

const TTypeInfo& ToolButtonStyleType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TToolButtonStyle", {"tbsButton", "tbsSeparator"});
  return info;
}

// ---- TToolButton ----

const TClassInfo& TToolButton::StaticClass() {
  static const TClassInfo info("TToolButton", &TControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TToolButton>(c)
        .Creatable()
        .Prop("Action", TAction::StaticClass().TypeInfo(), &TToolButton::Action, &TToolButton::SetAction)
        .Prop("Down", Types::Boolean(), &TToolButton::Down, &TToolButton::SetDown)
        .Prop("ImageIndex", Types::Integer(), &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
        .Prop("Style", ToolButtonStyleType(), &TToolButton::Style, &TToolButton::SetStyle);
    PublishStandard(c, {"Caption", "Enabled", "ParentShowHint", "PopupMenu", "ShowHint", "Visible", "OnClick",
                        kMouseEvents});
  });
  return info;
}

TToolButton::TToolButton(TComponent* owner) : TControl(owner) {
  SetBounds(0, 0, 23, 22);
  AttachWidget(new ToolButtonWidget);
  SyncLook();
}

TToolButton::~TToolButton() {
  Destroying();
  // The bar closes the gap the button leaves, unless the bar itself is going.
  TToolBar* bar = ToolBar();
  if (bar && !bar->IsDestroying()) {
    TControl::SetParent(nullptr);
    bar->ArrangeButtons();
  }
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::SetParent(TWinControl* parent) {
  TToolBar* old = ToolBar();
  TControl::SetParent(parent);
  if (old && old != parent) old->ArrangeButtons();
  if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
  SyncLook();
}

void TToolButton::SetAction(TAction* action) {
  if (action == m_action) return;
  if (m_action) {
    m_action->UnRegisterChanges(this);
    m_action->RemoveFreeNotification(this);
  }
  m_action = action;
  if (action) {
    action->RegisterChanges(this, [this] { ActionChanged(); });
    ActionChanged();
  }
}

void TToolButton::ActionChanged() {
  SetCaption(m_action->Caption());
  SetHint(m_action->Hint());
  SetEnabled(m_action->Enabled());
  SetVisible(m_action->Visible());
  SetDown(m_action->Checked());
  SetImageIndex(m_action->ImageIndex());
}

void TToolButton::SetImageIndex(int value) {
  if (value == m_imageIndex) return;
  m_imageIndex = value;
  SyncLook();
}

void TToolButton::SetStyle(TToolButtonStyle value) {
  if (value == m_style) return;
  m_style = value;
  if (value == TToolButtonStyle::tbsSeparator) SetWidth(kSeparatorWidth);
  SyncLook();
  if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::SetDown(bool value) {
  if (value == m_down) return;
  m_down = value;
  SyncLook();
}

void TToolButton::UpdateImage() { SyncLook(); }

void TToolButton::SyncLook() {
  auto* button = static_cast<ToolButtonWidget*>(Widget());
  if (!button) return;
  const bool separator = m_style == TToolButtonStyle::tbsSeparator;
  button->SetSeparator(separator);
  const TToolBar* bar = ToolBar();
  button->setAutoRaise(!bar || bar->Flat());
  const TImageList* images = bar ? bar->Images() : nullptr;
  const QIcon icon = images && !separator ? images->Icon(m_imageIndex) : QIcon();
  button->setIcon(icon);
  if (images) button->setIconSize(QSize(images->Width(), images->Height()));
  // Without a picture the caption shows, so that the button is never blank.
  button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
  button->setText(separator ? QString() : Caption());
  button->setCheckable(m_down);
  button->setChecked(m_down);
}

void TToolButton::Click() {
  if (!Enabled() || m_style == TToolButtonStyle::tbsSeparator) return;
  if (OnClick) {
    // The handler may free the button with its stored handler: a copy runs.
    const TNotifyEvent handler = OnClick;
    handler(this);
  } else if (m_action) {
    m_action->Execute();
  }
}

void TToolButton::TextChanged() { SyncLook(); }

void TToolButton::VisibleChanged() {
  TControl::VisibleChanged();
  if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == m_action) m_action = nullptr;
  TControl::Notification(component, operation);
}

// ---- TToolBar ----

const TClassInfo& TToolBar::StaticClass() {
  static const TClassInfo info("TToolBar", &TWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TToolBar>(c)
        .Creatable()
        .Prop("ButtonHeight", Types::Integer(), &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight)
        .Prop("ButtonWidth", Types::Integer(), &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth)
        .Prop("Flat", Types::Boolean(), &TToolBar::Flat, &TToolBar::SetFlat)
        .Prop("Images", TImageList::StaticClass().TypeInfo(), &TToolBar::Images, &TToolBar::SetImages);
    PublishStandard(c, {kPlacing, kLook, "Visible", kClicks, kMouseEvents, "OnResize"});
  });
  return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  auto* widget = new QWidget;
  widget->setFocusPolicy(Qt::NoFocus);
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
  AttachWidget(widget);
}

TToolBar::~TToolBar() {
  Destroying();
  SetImages(nullptr);
}

void TToolBar::SetImages(TImageList* value) {
  if (value == m_images) return;
  if (m_images) {
    m_images->UnRegisterChanges(this);
    m_images->RemoveFreeNotification(this);
  }
  m_images = value;
  if (value) value->RegisterChanges(this, [this] { ImagesChanged(); });
  ImagesChanged();
}

void TToolBar::ImagesChanged() {
  if (IsDestroying()) return;
  for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->UpdateImage();
}

void TToolBar::SetFlat(bool value) {
  if (value == m_flat) return;
  m_flat = value;
  ImagesChanged();
}

void TToolBar::SetButtonWidth(int value) {
  value = std::max(0, value);
  if (value == m_buttonWidth) return;
  m_buttonWidth = value;
  ArrangeButtons();
}

void TToolBar::SetButtonHeight(int value) {
  value = std::max(0, value);
  if (value == m_buttonHeight) return;
  m_buttonHeight = value;
  ArrangeButtons();
}

int TToolBar::ButtonCount() const {
  int count = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (dynamic_cast<TToolButton*>(Controls(i))) ++count;
  return count;
}

TToolButton* TToolBar::Buttons(int index) const {
  int n = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* b = dynamic_cast<TToolButton*>(Controls(i)); b && n++ == index) return b;
  throw EListError(Format("List index out of bounds (%d)", {index}));
}

void TToolBar::ArrangeButtons() {
  if (IsDestroying()) return;
  const int top = std::max(0, (ClientHeight() - m_buttonHeight) / 2);
  int x = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    auto* b = dynamic_cast<TToolButton*>(Controls(i));
    if (!b || !(b->Visible() || b->IsDesigning())) continue;
    const int width = b->Style() == TToolButtonStyle::tbsSeparator ? b->Width() : m_buttonWidth;
    b->ChangeBounds(x, top, width, m_buttonHeight);
    x += width;
  }
}

void TToolBar::AlignControls() {
  TWinControl::AlignControls();
  ArrangeButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == m_images) {
    m_images = nullptr;
    ImagesChanged();
  }
  TWinControl::Notification(component, operation);
}

void TToolBar::SyncColor() { ApplyPalette(QPalette::Window, true); }
