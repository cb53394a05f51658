#include "toolkit/Buttons.h"

#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/ScopedValue.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

const TTypeInfo& CheckBoxStateType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"});
  return info;
}

void PublishButtonCommon(TClassInfo& c) {
  TControl::PublishStandard(c, {"Anchors", "Caption", "Constraints", "Enabled", "Font", "ParentFont", "ParentShowHint",
                                "PopupMenu", "ShowHint", TControl::kTabbing, "Visible", "OnClick",
                                TControl::kFocusEvents, TControl::kKeyEvents, TControl::kMouseEvents});
}

}  // namespace

// The push button's widget: Qt's button, or the class's own drawing.
class TButtonWidget : public QPushButton {
 public:
  explicit TButtonWidget(TButton* button) : m_button(button) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (!m_button->OwnerDraw()) {
      QPushButton::paintEvent(event);
      return;
    }
    QPainter painter(this);
    Application().Guard([&] { m_button->PaintButton(painter); });
  }
  void enterEvent(QEnterEvent* event) override {
    QPushButton::enterEvent(event);
    update();
  }
  void leaveEvent(QEvent* event) override {
    QPushButton::leaveEvent(event);
    update();
  }

 private:
  TButton* m_button;
};

// ---- TButton ----

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info("TButton", &TWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TButton>(c).Creatable();
    PublishButtonCommon(c);
    Publisher<TButton>(c)
        .Prop("Cancel", Types::Boolean(), &TButton::Cancel, &TButton::SetCancel)
        .Prop("Default", Types::Boolean(), &TButton::Default, &TButton::SetDefault)
        .Prop("ModalResult", Types::TModalResult(), &TButton::ModalResult, &TButton::SetModalResult);
  });
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetClickEvents(false);
  auto* button = new TButtonWidget(this);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, [this] { Application().Guard([this] { Click(); }); });
  AttachWidget(button);
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool v) {
  m_default = v;
  static_cast<QPushButton*>(Widget())->setDefault(v);
}

void TButton::Click() {
  if (TCustomForm* form = ParentForm(); form && m_modalResult != 0) form->SetModalResult(m_modalResult);
  TWinControl::Click();
}

bool TButton::DialogKey(uint16_t key) {
  if ((key == VK_RETURN && m_default) || (key == VK_ESCAPE && m_cancel)) {
    Click();
    return true;
  }
  return false;
}

bool TButton::Active() const { return m_default; }

void TButton::TextChanged() { static_cast<QPushButton*>(Widget())->setText(GetText()); }

void TButton::SetOwnerDraw(bool value) {
  m_ownerDraw = value;
  Invalidate();
}

void TButton::PaintButton(QPainter& painter) {
  auto* button = static_cast<QPushButton*>(Widget());
  TCanvas canvas(&painter);
  PrepareControlCanvas(canvas, *this);
  TButtonDrawState state;
  state.pressed = button->isDown();
  state.hot = button->underMouse();
  state.focused = button->hasFocus();
  state.isDefault = m_default;
  state.enabled = Enabled();
  DrawButton(canvas, state);
}

void TButton::DrawButton(TCanvas& canvas, const TButtonDrawState&) { canvas.FillRect(ClientRect()); }

// ---- TCheckBox ----

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo info("TCheckBox", &TWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TCheckBox>(c).Creatable();
    PublishButtonCommon(c);
    PublishStandard(c, {"Color", "ParentColor"});
    Publisher<TCheckBox>(c)
        .Prop("Alignment", AlignmentType(), &TCheckBox::Alignment, &TCheckBox::SetAlignment)
        .Prop("AllowGrayed", Types::Boolean(), &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed)
        .Prop("Checked", Types::Boolean(), &TCheckBox::Checked, &TCheckBox::SetChecked)
        .Prop("State", CheckBoxStateType(), &TCheckBox::State, &TCheckBox::SetState);
  });
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetClickEvents(false);
  auto* box = new QCheckBox;
  QObject::connect(box, &QCheckBox::stateChanged, [this](int state) {
    if (m_syncing) return;
    Application().Guard([this, state] {
      SetState(state == Qt::Checked           ? TCheckBoxState::cbChecked
               : state == Qt::PartiallyChecked ? TCheckBoxState::cbGrayed
                                               : TCheckBoxState::cbUnchecked);
    });
  });
  AttachWidget(box);
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetState(TCheckBoxState v) {
  auto* box = static_cast<QCheckBox*>(Widget());
  if (v == m_state) return;
  m_state = v;
  {
    const TScopedValue syncing(m_syncing, true);
    box->setCheckState(v == TCheckBoxState::cbChecked ? Qt::Checked
                       : v == TCheckBoxState::cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
  }
  Click();
}

void TCheckBox::SetAllowGrayed(bool v) {
  m_allowGrayed = v;
  static_cast<QCheckBox*>(Widget())->setTristate(v);
}

void TCheckBox::SetAlignment(TAlignment v) {
  m_alignment = v;
  Widget()->setLayoutDirection(v == TAlignment::taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::TextChanged() { static_cast<QCheckBox*>(Widget())->setText(GetText()); }

// ---- TRadioButton ----

namespace {
// A radio button that the user cannot clear by clicking it again.
class RadioWidget : public QRadioButton {
 protected:
  void nextCheckState() override {
    if (!isChecked()) setChecked(true);
  }
};
}  // namespace

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info("TRadioButton", &TWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TRadioButton>(c).Creatable();
    PublishButtonCommon(c);
    PublishStandard(c, {"Color", "ParentColor"});
    Publisher<TRadioButton>(c)
        .Prop("Alignment", AlignmentType(), &TRadioButton::Alignment, &TRadioButton::SetAlignment)
        .Prop("Checked", Types::Boolean(), &TRadioButton::Checked, &TRadioButton::SetChecked);
  });
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  SetClickEvents(false);
  auto* radio = new RadioWidget;
  radio->setAutoExclusive(false);
  QObject::connect(radio, &QRadioButton::toggled, [this](bool on) {
    if (!m_syncing && on) Application().Guard([this] { SetChecked(true); });
  });
  AttachWidget(radio);
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool v) {
  if (v == m_checked) return;
  m_checked = v;
  {
    const TScopedValue syncing(m_syncing, true);
    static_cast<QRadioButton*>(Widget())->setChecked(v);
  }
  if (!v) return;
  // The radio buttons of one parent form one group.
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i)
      if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this)
        other->SetChecked(false);
  }
  SetTabStop(true);
  Click();
}

void TRadioButton::SetAlignment(TAlignment v) {
  m_alignment = v;
  Widget()->setLayoutDirection(v == TAlignment::taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TRadioButton::TextChanged() { static_cast<QRadioButton*>(Widget())->setText(GetText()); }
