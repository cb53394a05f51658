#include "toolkit/Forms.h"

#include "toolkit/Application.h"
#include "toolkit/DesignerHook.h"
#include "toolkit/Screen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QScreen>

// ---- hints ----

QString GetShortHint(const QString& hint) {
  const int bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.left(bar);
}

QString GetLongHint(const QString& hint) {
  const int bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.mid(bar + 1);
}

// ---- TControlScrollBar ----

const TClassInfo& TControlScrollBar::StaticClass() {
  static const TClassInfo info("TControlScrollBar", &TPersistent::StaticClass(), [](TClassInfo& c) {
    Publisher<TControlScrollBar>(c)
        .Prop("Increment", Types::Integer(), &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement)
        .Prop("Position", Types::Integer(), &TControlScrollBar::Position, &TControlScrollBar::SetPosition)
        .Prop("Range", Types::Integer(), &TControlScrollBar::Range, &TControlScrollBar::SetRange)
        .Prop("Visible", Types::Boolean(), &TControlScrollBar::Visible, &TControlScrollBar::SetVisible);
  });
  return info;
}

TControlScrollBar::TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind)
    : m_control(control), m_kind(kind) {}

void TControlScrollBar::SetPosition(int value) {
  const QRect client = m_control->ClientRect();
  const int page = m_kind == TScrollBarKind::sbHorizontal ? client.width() : client.height();
  value = std::clamp(value, 0, std::max(0, m_range - page));
  if (value == m_position) return;
  const int delta = m_position - value;
  m_position = value;
  if (m_kind == TScrollBarKind::sbHorizontal) m_control->ScrollBy(delta, 0);
  else m_control->ScrollBy(0, delta);
  m_control->UpdateScrollBars();
}

void TControlScrollBar::SetRange(int value) {
  m_range = std::max(0, value);
  m_control->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value) {
  m_visible = value;
  m_control->UpdateScrollBars();
}

bool TControlScrollBar::IsScrollBarVisible() const {
  if (!m_visible) return false;
  const QSize size(m_control->Width(), m_control->Height());
  return m_range > (m_kind == TScrollBarKind::sbHorizontal ? size.width() : size.height());
}

void TControlScrollBar::Assign(const TPersistent* source) {
  if (const auto* s = dynamic_cast<const TControlScrollBar*>(source)) {
    m_visible = s->m_visible;
    m_increment = s->m_increment;
    SetRange(s->m_range);
    SetPosition(s->m_position);
    return;
  }
  TPersistent::Assign(source);
}

// ---- TScrollingWinControl ----

const TClassInfo& TScrollingWinControl::StaticClass() {
  static const TClassInfo info("TScrollingWinControl", &TWinControl::StaticClass());
  return info;
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner),
      m_horz(std::make_unique<TControlScrollBar>(this, TScrollBarKind::sbHorizontal)),
      m_vert(std::make_unique<TControlScrollBar>(this, TScrollBarKind::sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::CreateScrollBars() {
  m_horzBar = new QScrollBar(Qt::Horizontal, Widget());
  m_vertBar = new QScrollBar(Qt::Vertical, Widget());
  m_horzBar->hide();
  m_vertBar->hide();
  QObject::connect(m_horzBar, &QScrollBar::valueChanged, [this](int v) {
    if (!m_updatingBars) m_horz->SetPosition(v);
  });
  QObject::connect(m_vertBar, &QScrollBar::valueChanged, [this](int v) {
    if (!m_updatingBars) m_vert->SetPosition(v);
  });
}

void TScrollingWinControl::SetAutoScroll(bool value) {
  m_autoScroll = value;
  UpdateScrollBars();
}

QRect TScrollingWinControl::ClientRect() const {
  QRect r(0, 0, Width(), Height());
  if (m_vertBar && m_vertBar->isVisibleTo(Widget())) r.setWidth(r.width() - m_vertBar->sizeHint().width());
  if (m_horzBar && m_horzBar->isVisibleTo(Widget())) r.setHeight(r.height() - m_horzBar->sizeHint().height());
  return r;
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    c->ChangeBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
  }
}

void TScrollingWinControl::AlignControls() {
  TWinControl::AlignControls();
  UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
  if (m_updatingBars || !m_horzBar || !m_vertBar) return;
  m_updatingBars = true;
  if (m_autoScroll) {
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
      const TControl* c = Controls(i);
      if (!c->Visible() && !c->IsDesigning()) continue;
      right = std::max(right, c->Left() + c->Width() + m_horz->m_position);
      bottom = std::max(bottom, c->Top() + c->Height() + m_vert->m_position);
    }
    m_horz->m_range = right;
    m_vert->m_range = bottom;
  }
  const bool showH = m_horz->IsScrollBarVisible();
  const bool showV = m_vert->IsScrollBarVisible();
  const int barW = m_vertBar->sizeHint().width();
  const int barH = m_horzBar->sizeHint().height();
  m_horzBar->setVisible(showH);
  m_vertBar->setVisible(showV);
  const QRect client = ClientRect();
  if (showH) {
    m_horzBar->setGeometry(0, Height() - barH, client.width(), barH);
    m_horzBar->setRange(0, std::max(0, m_horz->m_range - client.width()));
    m_horzBar->setPageStep(client.width());
    m_horzBar->setSingleStep(m_horz->m_increment);
    m_horzBar->setValue(m_horz->m_position);
    m_horzBar->raise();
  }
  if (showV) {
    m_vertBar->setGeometry(Width() - barW, 0, barW, client.height());
    m_vertBar->setRange(0, std::max(0, m_vert->m_range - client.height()));
    m_vertBar->setPageStep(client.height());
    m_vertBar->setSingleStep(m_vert->m_increment);
    m_vertBar->setValue(m_vert->m_position);
    m_vertBar->raise();
  }
  m_updatingBars = false;
}

// ---- TScrollBox ----

const TClassInfo& TScrollBox::StaticClass() {
  static const TClassInfo info("TScrollBox", &TScrollingWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TScrollBox>(c).Creatable();
    PublishStandard(c, {kPlacing, kLook, kTabbing, "Visible", kClicks, kFocusEvents, kMouseEvents, "OnResize"});
    Publisher<TScrollBox>(c)
        .Prop("AutoScroll", Types::Boolean(), &TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll)
        .Prop("HorzScrollBar", TControlScrollBar::StaticClass().TypeInfo(), &TScrollBox::HorzScrollBarObject,
              &TScrollBox::SetHorzScrollBar)
        .Prop("VertScrollBar", TControlScrollBar::StaticClass().TypeInfo(), &TScrollBox::VertScrollBarObject,
              &TScrollBox::SetVertScrollBar);
  });
  return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  auto* widget = new TPaintWidget([this](QPainter& p, const QRect& clip) {
    p.fillRect(clip, ColorToQColor(Color()));
    p.setPen(ColorToQColor(clBtnShadow));
    p.drawRect(QRect(0, 0, Width() - 1, Height() - 1));
  });
  AttachWidget(widget);
  CreateScrollBars();
  SetAutoScroll(true);
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::SyncColor() { Invalidate(); }

// ---- TCustomForm ----

const TTypeInfo& FormBorderStyleType() {
  static const TTypeInfo info = TTypeInfo::Enumeration(
      "TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
  return info;
}

const TTypeInfo& BorderIconsType() {
  static const TTypeInfo element =
      TTypeInfo::Enumeration("TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
  static const TTypeInfo info = TTypeInfo::Set("TBorderIcons", element);
  return info;
}

const TTypeInfo& PositionType() {
  static const TTypeInfo info = TTypeInfo::Enumeration(
      "TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                    "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"});
  return info;
}

// The window of a form: paints the background (or lets the designer paint
// it) and reports activation.
class TFormWidget : public QWidget {
 public:
  explicit TFormWidget(TCustomForm* form) : m_form(form) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    Application().Guard([&] { m_form->PaintBackground(p, event->rect()); });
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) Application().Guard([&] { m_form->Activate(); });
    if (event->type() == QEvent::WindowDeactivate) Application().Guard([&] { m_form->Deactivate(); });
    return QWidget::event(event);
  }

 private:
  TCustomForm* m_form;
};

const TClassInfo& TCustomForm::StaticClass() {
  static const TClassInfo info("TCustomForm", &TScrollingWinControl::StaticClass(), [](TClassInfo& c) {
    PublishStandard(c, {"Caption", "Color", "Constraints", "Enabled", "Font", "ParentFont", "PopupMenu", "ShowHint",
                        "Visible", kClicks, kMouseEvents, "OnResize", kKeyEvents});
    Publisher<TCustomForm>(c)
        .Prop("BorderIcons", BorderIconsType(), &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
        .Prop("BorderStyle", FormBorderStyleType(), &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
        .Prop("Position", PositionType(), &TCustomForm::Position, &TCustomForm::SetPosition)
        .Prop("ModalResult", Types::TModalResult(), &TCustomForm::ModalResult, &TCustomForm::SetModalResult);
  });
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner) {
  auto* widget = new TFormWidget(this);
  widget->setWindowFlag(Qt::Window);
  SetVisible(false);
  AttachWidget(widget);
  CreateScrollBars();
  ApplyWindowFlags();
  SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
  Destroying();
  Application().FormDestroyed(this);
}

void TCustomForm::FinishCreate() {
  if (IsLoading()) EndLoading();
  DoCreate();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::Activate() {
  Application().SetActiveForm(this);
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::BeforeDestruction() {
  TScrollingWinControl::BeforeDestruction();
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TScrollingWinControl::Notification(component, operation);
  if (m_designer) m_designer->HookNotification(component, operation);
}

void TCustomForm::SetParent(TWinControl* parent) {
  if (QWidget* w = Widget()) {
    const bool window = parent == nullptr;
    w->setWindowFlag(Qt::Window, window);
    if (window) {
      ApplyWindowFlags();
    } else {
      // Inside a parent the form has the size it is given, whatever its border.
      w->setMinimumSize(0, 0);
      w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
  }
  TScrollingWinControl::SetParent(parent);
}

void TCustomForm::ApplyWindowFlags() {
  QWidget* w = Widget();
  if (!w || Parent()) return;
  Qt::WindowFlags flags = Qt::Window;
  switch (m_borderStyle) {
    case TFormBorderStyle::bsNone: flags |= Qt::FramelessWindowHint; break;
    case TFormBorderStyle::bsDialog: flags |= Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin: flags |= Qt::Tool; break;
    default: flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
  }
  if (m_borderStyle != TFormBorderStyle::bsNone) {
    if (m_borderIcons.Contains(TBorderIcon::biSystemMenu)) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (m_borderIcons.Contains(TBorderIcon::biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
    if (m_borderIcons.Contains(TBorderIcon::biMaximize) && m_borderStyle == TFormBorderStyle::bsSizeable)
      flags |= Qt::WindowMaximizeButtonHint;
  }
  const bool wasVisible = w->isVisible();
  w->setWindowFlags(flags);
  SyncGeometry();
  if (wasVisible) w->show();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  m_borderStyle = value;
  ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  m_borderIcons = value;
  ApplyWindowFlags();
}

void TCustomForm::SyncGeometry() {
  QWidget* w = Widget();
  if (!w) return;
  if (!w->isWindow()) {
    TScrollingWinControl::SyncGeometry();
    return;
  }
  const bool fixed = m_borderStyle == TFormBorderStyle::bsSingle || m_borderStyle == TFormBorderStyle::bsDialog ||
                     m_borderStyle == TFormBorderStyle::bsToolWindow || m_borderStyle == TFormBorderStyle::bsNone;
  if (fixed) {
    w->setFixedSize(std::max(0, Width()), std::max(0, Height()));
  } else {
    w->setMinimumSize(0, 0);
    w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    w->resize(std::max(0, Width()), std::max(0, Height()));
  }
  w->move(Left(), Top());
}

void TCustomForm::WindowGeometryChanged() {
  QWidget* w = Widget();
  if (w && w->isWindow() && !m_settingVisible) TScrollingWinControl::WindowGeometryChanged();
}

void TCustomForm::SyncVisibility() {
  QWidget* w = Widget();
  if (!w) return;
  if (!w->isWindow()) {
    TScrollingWinControl::SyncVisibility();
    return;
  }
  if (Visible() == w->isVisible()) return;
  m_settingVisible = true;
  if (Visible()) {
    DoShow();
    PlaceOnFirstShow();
    w->show();
    // Platforms without a window system (offscreen) have no stacking to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
      w->raise();
      w->activateWindow();
    }
  } else {
    w->hide();
    DoHide();
  }
  m_settingVisible = false;
}

void TCustomForm::ShowForm() { SetVisible(true); }

void TCustomForm::PlaceOnFirstShow() {
  if (m_placed) return;
  m_placed = true;
  QRect area;
  if (m_position == TPosition::poOwnerFormCenter || m_position == TPosition::poMainFormCenter) {
    TCustomForm* over = m_position == TPosition::poMainFormCenter ? Application().MainForm()
                                                                  : dynamic_cast<TCustomForm*>(Owner());
    if (over && over != this && over->Widget() && over->Widget()->isVisible())
      area = over->Widget()->geometry();
  }
  if (area.isNull() && m_position != TPosition::poDesigned && m_position != TPosition::poDefault &&
      m_position != TPosition::poDefaultSizeOnly) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
  }
  if (area.isNull()) return;
  SetBounds(area.left() + (area.width() - Width()) / 2, area.top() + (area.height() - Height()) / 2, Width(),
            Height());
}

void TCustomForm::SyncColor() { Invalidate(); }

// A click on a bare part of a form, or on a toolbar or panel in it, leaves the
// keyboard focus where it is; the form takes it by Tab or from the program.
void TCustomForm::SyncFocusPolicy() {
  if (Widget()) Widget()->setFocusPolicy(Qt::TabFocus);
}

void TCustomForm::TextChanged() {
  if (Widget()) Widget()->setWindowTitle(GetText());
}

void TCustomForm::PaintBackground(QPainter& painter, const QRect& clip) {
  if (m_designer) {
    TCanvas canvas(&painter);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(clip);
    m_designer->HookPaintGrid(canvas, clip);
    return;
  }
  painter.fillRect(clip, ColorToQColor(Color()));
}

TWinControl* TCustomForm::ActiveControl() const {
  QWidget* focus = Widget() ? Widget()->focusWidget() : nullptr;
  for (QWidget* w = focus; w; w = w->parentWidget()) {
    if (auto* c = dynamic_cast<TWinControl*>(TControl::FromWidget(w))) return c == this ? nullptr : c;
  }
  return nullptr;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (!control) {
    if (Widget() && Widget()->focusWidget()) Widget()->focusWidget()->clearFocus();
    return;
  }
  control->SetFocus();
}

TModalResult TCustomForm::ShowModal() {
  m_modal = true;
  m_modalResult = mrNone;
  TModalResult result = mrNone;
  try {
    result = Application().Dialogs().RunModal(*this);
  } catch (...) {
    m_modal = false;
    SetVisible(false);
    throw;
  }
  m_modal = false;
  SetVisible(false);
  return result;
}

void TCustomForm::Close() {
  if (m_modal) {
    m_modalResult = mrCancel;
    return;
  }
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  if (!canClose) return;
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (Application().MainForm() == this) {
    SetVisible(false);
    Application().Terminate();
  } else if (action == TCloseAction::caFree) {
    Release();
  } else if (action == TCloseAction::caMinimize && Widget()) {
    Widget()->showMinimized();
  } else {
    SetVisible(false);
  }
}

void TCustomForm::Release() {
  TComponent* self = this;
  Application().QueueFree(self);
}

bool TCustomForm::WndProc(TMessage& m) {
  if (m.Kind == TMessageKind::Close) {
    Close();
    return true;
  }
  return TScrollingWinControl::WndProc(m);
}

namespace {
bool OfferDialogKey(TWinControl* container, uint16_t key) {
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* c = container->Controls(i);
    if (!c->Visible() || !c->Enabled()) continue;
    if (c->DialogKey(key)) return true;
    if (auto* win = dynamic_cast<TWinControl*>(c); win && OfferDialogKey(win, key)) return true;
  }
  return false;
}
}  // namespace

bool TCustomForm::HandleDialogKey(int qtKey) {
  if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) return OfferDialogKey(this, VK_RETURN);
  if (qtKey == Qt::Key_Escape) return OfferDialogKey(this, VK_ESCAPE);
  return false;
}

// ---- TForm ----

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info("TForm", &TCustomForm::StaticClass(), [](TClassInfo& c) { Publisher<TForm>(c).Creatable(); });
  return info;
}

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}

// ---- TFrame ----

const TClassInfo& TFrame::StaticClass() {
  static const TClassInfo info("TFrame", &TScrollingWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TFrame>(c).Creatable();
    PublishStandard(c, {kPlacing, kLook, kTabbing, "Visible", kClicks, kFocusEvents, kMouseEvents, "OnResize"});
  });
  return info;
}

TFrame::TFrame(TComponent* owner) : TScrollingWinControl(owner) {
  auto* widget = new TPaintWidget([this](QPainter& p, const QRect& clip) {
    if (!IsDesigning()) p.fillRect(clip, ColorToQColor(Color()));
  });
  AttachWidget(widget);
  CreateScrollBars();
  SetBounds(0, 0, 320, 240);
}

void TFrame::SyncColor() { Invalidate(); }

void TFrame::DesigningChanged() {
  TScrollingWinControl::DesigningChanged();
  Invalidate();
}
