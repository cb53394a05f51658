#include "controls/OrqJvToolEdit.h"

#include "controls/EdgeDrawing.h"
#include "controls/Glyphs.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Forms.h"
#include "toolkit/ImageList.h"
#include "toolkit/SystemLook.h"

#include <QLineEdit>
#include <QStyleOptionComboBox>

const TTypeInfo& JvImageKindType() {
  static const TTypeInfo info =
      TTypeInfo::Enumeration("TJvImageKind", {"ikCustom", "ikDefault", "ikDropDown", "ikEllipsis"});
  return info;
}

uint16_t ShortCutOf(uint16_t key, TShiftState shift) {
  uint16_t code = key & 0xFF;
  if (shift.Contains(TShiftStateFlag::ssShift)) code |= 0x2000;
  if (shift.Contains(TShiftStateFlag::ssCtrl)) code |= 0x4000;
  if (shift.Contains(TShiftStateFlag::ssAlt)) code |= 0x8000;
  return code;
}

namespace {

// The picture the class offers for ikDefault.
const QImage& DefaultPicture() { return Glyphs::SpinDownPole(); }

}  // namespace

// ---- TOrqJvEditButton ----

const TClassInfo& TOrqJvEditButton::StaticClass() {
  static const TClassInfo info("TOrqJvEditButton", &TOrqJvSpeedButton::StaticClass());
  return info;
}

TOrqJvEditButton::TOrqJvEditButton(TComponent* owner) : TOrqJvSpeedButton(owner) {
  Widget()->setCursor(Qt::ArrowCursor);
}

void TOrqJvEditButton::SetFlat(bool value) {
  m_flat = value;
  Invalidate();
}

void TOrqJvEditButton::SetPicture(TJvImageKind kind, const QImage& picture) {
  m_kind = kind;
  m_picture = picture;
  Invalidate();
}

void TOrqJvEditButton::Paint() {
  TCanvas& canvas = Canvas();
  const bool enabled = Widget()->isEnabled();
  const auto* edit = dynamic_cast<const TOrqJvCustomComboEdit*>(Owner());
  if (edit && edit->ThemedDropDown() && edit->Widget()) {
    // This button's part of the themed combo box the edit shows.
    const QPoint at = Widget()->mapTo(edit->Widget(), QPoint(0, 0));
    canvas.Draw(0, 0, edit->ThemedPicture(Pressed(), Hot()).copy(QRect(at, QSize(Width(), Height()))));
    return;
  }
  const QRect all(0, 0, Width(), Height());
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(all);
  if (m_flat) {
    if (Pressed() || (Hot() && enabled)) DrawThinEdge(canvas, all, !Pressed());
  } else if (Pressed()) {
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect(all);
  } else {
    DrawEdge3D(canvas, all, true, true);
    // The edge towards the text: a face-coloured line, then a light one.
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(QRect(0, 0, 1, all.height()));
    canvas.Brush().SetColor(clBtnHighlight);
    canvas.FillRect(QRect(1, 1, 1, std::max(0, all.height() - 2)));
  }
  const int shift = Pressed() ? 1 : 0;
  const int x = (all.width() - m_picture.width()) / 2 + shift;
  const int y = (all.height() - m_picture.height()) / 2 + shift;
  DrawPicture(canvas, x, y, m_picture, enabled);
}

// ---- TOrqJvCustomComboEdit ----

const TClassInfo& TOrqJvCustomComboEdit::StaticClass() {
  static const TClassInfo info("TOrqJvCustomComboEdit", &TOrqJvExCustomEdit::StaticClass());
  return info;
}

TOrqJvCustomComboEdit::TOrqJvCustomComboEdit(TComponent* owner)
    : TOrqJvExCustomEdit(owner), m_glyph(std::make_unique<TBitmap>()) {
  SetHeight(21);
  m_container = new TOrqJvButtonContainer(this);
  m_container->SetParent(this);
  m_container->SetBounds(0, 0, 21, 17);
  m_button = new TOrqJvEditButton(this);
  m_button->SetParent(m_container);
  m_button->SetBounds(0, 0, 21, 17);
  m_button->SetFocusControl(this);
  m_button->OnClick = [this](TObject*) { DoClick(); };
  m_glyph->OnChange = [this](TObject*) { UpdatePicture(); };
  UpdateLayout();
  UpdatePicture();
}

TOrqJvCustomComboEdit::~TOrqJvCustomComboEdit() {
  m_glyph->OnChange = nullptr;
  if (m_images) m_images->RemoveFreeNotification(this);
}

bool TOrqJvCustomComboEdit::ButtonFlat() const { return m_button->Flat(); }

void TOrqJvCustomComboEdit::SetButtonFlat(bool value) {
  m_button->SetFlat(value);
  RepaintFrame();
}

QString TOrqJvCustomComboEdit::ButtonHint() const { return m_button->Hint(); }

void TOrqJvCustomComboEdit::SetButtonHint(const QString& value) { m_button->SetHint(value); }

int TOrqJvCustomComboEdit::DefaultButtonWidth() const {
  switch (m_imageKind) {
    case TJvImageKind::ikDropDown: return DropDownButtonWidth();
    case TJvImageKind::ikDefault: return std::max(21, DefaultPicture().width() + 6);
    default: return 21;
  }
}

void TOrqJvCustomComboEdit::SetButtonWidth(int value) {
  if (IsLoading()) {
    m_pendingButtonWidth = value;
    return;
  }
  // With the drop-down arrow the width is the scroll bar's.
  if (m_imageKind == TJvImageKind::ikDropDown) return;
  ApplyButtonWidth(value);
}

void TOrqJvCustomComboEdit::ApplyButtonWidth(int value) {
  m_buttonWidth = value;
  m_container->SetVisible(value > 1);
  UpdateLayout();
  UpdatePicture();
}

void TOrqJvCustomComboEdit::Loaded() {
  TOrqJvExCustomEdit::Loaded();
  if (m_pendingButtonWidth >= 0) {
    const int width = m_pendingButtonWidth;
    m_pendingButtonWidth = -1;
    SetButtonWidth(width);
  }
}

void TOrqJvCustomComboEdit::SetImageKind(TJvImageKind value) {
  m_imageKind = value;
  if (value == TJvImageKind::ikDropDown) ApplyButtonWidth(DropDownButtonWidth());
  else if (value == TJvImageKind::ikDefault && m_buttonWidth < DefaultPicture().width() + 6)
    ApplyButtonWidth(DefaultPicture().width() + 6);
  UpdatePicture();
  RepaintFrame();
}

void TOrqJvCustomComboEdit::SetGlyph(TBitmap* value) { m_glyph->Assign(value); }

void TOrqJvCustomComboEdit::SetImages(TImageList* value) {
  if (value == m_images) return;
  if (m_images) m_images->RemoveFreeNotification(this);
  m_images = value;
  if (value) value->FreeNotification(this);
  UpdatePicture();
}

void TOrqJvCustomComboEdit::SetImageIndex(int value) {
  m_imageIndex = value;
  UpdatePicture();
}

void TOrqJvCustomComboEdit::Notification(TComponent* component, TOperation operation) {
  TOrqJvExCustomEdit::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_images) {
    m_images = nullptr;
    UpdatePicture();
  }
}

void TOrqJvCustomComboEdit::SetDirectInput(bool value) {
  m_directInput = value;
  LineEdit()->setReadOnly(ReadOnly() || !value);
}

void TOrqJvCustomComboEdit::SetReadOnly(bool value) {
  TOrqJvExCustomEdit::SetReadOnly(value);
  LineEdit()->setReadOnly(value || !m_directInput);
}

int TOrqJvCustomComboEdit::MinHeight() const { return AutoHeight(); }

QImage TOrqJvCustomComboEdit::EllipsisPicture() const {
  // Three 2 x 2 dots on rows 1 and 2 of a picture 4 high and the button's
  // width less 6 wide, the gaps between them 1 to 3 pixels, centred.
  const int width = std::max(1, m_buttonWidth - 6);
  const int gap = std::clamp((width - 6) / 2, 1, 3);
  const int group = 6 + 2 * gap;
  QImage picture(width, 4, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  const int left = (width - group) / 2;
  for (int dot = 0; dot < 3; ++dot)
    for (int dx = 0; dx < 2; ++dx)
      for (int dy = 1; dy <= 2; ++dy) {
        const int x = left + dot * (2 + gap) + dx;
        if (x >= 0 && x < width) picture.setPixelColor(x, dy, Qt::black);
      }
  return picture;
}

void TOrqJvCustomComboEdit::UpdatePicture() {
  QImage picture;
  switch (m_imageKind) {
    case TJvImageKind::ikDropDown: picture = Glyphs::SpinDownPole(); break;
    case TJvImageKind::ikEllipsis: picture = EllipsisPicture(); break;
    case TJvImageKind::ikDefault: picture = DefaultPicture(); break;
    case TJvImageKind::ikCustom:
      if (m_images && m_imageIndex >= 0 && m_imageIndex < m_images->Count())
        picture = m_images->Pixmap(m_imageIndex).toImage();
      else if (!m_glyph->Empty())
        picture = m_glyph->Transparent() ? m_glyph->MaskedImage() : m_glyph->Image();
      break;
  }
  m_button->SetPicture(m_imageKind, picture);
}

void TOrqJvCustomComboEdit::UpdateLayout() {
  TOrqJvExCustomEdit::UpdateLayout();
  if (!m_container) return;
  const QRect client = ClientRect();
  const bool single = BorderStyle() == TBorderStyle::bsSingle;
  // The button container in client coordinates. The themed frame takes the
  // same two pixels as the classic one, so one placement serves both looks.
  QRect container;
  if (single) {
    const int b = Ctl3D() ? 0 : 2;
    container = QRect(Width() + b - m_buttonWidth - 2 - 2, b, m_buttonWidth, Height() - 2 - 2);
  } else {
    container = QRect(Width() - m_buttonWidth, 0, m_buttonWidth, Height());
  }
  m_container->SetBounds(container.left(), container.top(), std::max(0, container.width()),
                         std::max(0, container.height()));
  m_button->SetBounds(0, 0, std::max(0, container.width()), std::max(0, container.height()));
  // The text ends before the button, one pixel above the client's bottom.
  int right = client.width();
  if (m_container->Visible()) right = container.left() - 2 + (single ? (Ctl3D() ? 1 : 2) : 0);
  SetTextRect(QRect(0, 0, std::max(0, right), std::max(0, client.height() - 1)));
}

bool TOrqJvCustomComboEdit::ThemedDropDown() const {
  return ThemesEnabled() && m_imageKind == TJvImageKind::ikDropDown && !ButtonFlat();
}

QImage TOrqJvCustomComboEdit::ThemedPicture(bool pressed, bool hot) const {
  const QSize size(Width(), Height());
  return StylePicture(size, [&](QPainter& painter, QStyle& style) {
    QStyleOptionComboBox option;
    option.initFrom(Widget());
    option.rect = QRect(QPoint(0, 0), size);
    option.editable = true;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    if (Focused()) option.state |= QStyle::State_HasFocus;
    if (hot) option.state |= QStyle::State_MouseOver;
    if (pressed) {
      option.state |= QStyle::State_Sunken | QStyle::State_On;
      option.activeSubControls = QStyle::SC_ComboBoxArrow;
    }
    style.drawComplexControl(QStyle::CC_ComboBox, &option, &painter, Widget());
  });
}

void TOrqJvCustomComboEdit::PaintFrame(TCanvas& canvas) {
  if (!ThemedDropDown() || BorderStyle() == TBorderStyle::bsNone) {
    TOrqJvExCustomEdit::PaintFrame(canvas);
    return;
  }
  canvas.Draw(0, 0, ThemedPicture(false, false));
}

void TOrqJvCustomComboEdit::EnabledChanged() {
  TOrqJvExCustomEdit::EnabledChanged();
  m_button->Invalidate();
}

void TOrqJvCustomComboEdit::DoClick() {
  if (ReadOnly()) return;
  if (OnButtonClick) OnButtonClick(this);
}

void TOrqJvCustomComboEdit::KeyDown(uint16_t& key, TShiftState shift) {
  TOrqJvExCustomEdit::KeyDown(key, shift);
  if (key == 0) return;
  if (m_clickKey != 0 && ShortCutOf(key, shift) == m_clickKey && m_buttonWidth > 0) {
    key = 0;
    DoClick();
    return;
  }
  if (key == VK_RETURN && !shift.Contains(TShiftStateFlag::ssCtrl)) {
    // Offered to the window as a dialog key (its default button), then consumed.
    key = 0;
    if (TCustomForm* form = ParentForm()) form->HandleDialogKey(Qt::Key_Return);
  }
}

void TOrqJvCustomComboEdit::KeyPress(QChar& key) {
  TOrqJvExCustomEdit::KeyPress(key);
  if (key == QLatin1Char('\t') || key == QLatin1Char('\n')) key = QChar();
}

const TClassInfo& TOrqJvComboEdit::StaticClass() {
  static const TClassInfo info("TOrqJvComboEdit", &TOrqJvCustomComboEdit::StaticClass(), [](TClassInfo& c) {
    Publisher<TOrqJvComboEdit>(c).Creatable();
    PublishStandard(c, {"Anchors", "Color", "Constraints", "Enabled", "Font", "ParentColor", "ParentFont",
                        "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Text", "Visible",
                        "OnClick", "OnDblClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                        "OnMouseDown", "OnMouseMove", "OnMouseUp"});
    Publisher<TOrqJvComboEdit>(c)
        .Prop("Alignment", AlignmentType(), &TOrqJvComboEdit::Alignment, &TOrqJvComboEdit::SetAlignment)
        .Prop("AutoSelect", Types::Boolean(), &TOrqJvComboEdit::AutoSelect, &TOrqJvComboEdit::SetAutoSelect)
        .Prop("AutoSize", Types::Boolean(), &TOrqJvComboEdit::AutoSize, &TOrqJvComboEdit::SetAutoSize)
        .Prop("BorderStyle", BorderStyleType(), &TOrqJvComboEdit::BorderStyle, &TOrqJvComboEdit::SetBorderStyle)
        .Prop("ButtonFlat", Types::Boolean(), &TOrqJvComboEdit::ButtonFlat, &TOrqJvComboEdit::SetButtonFlat)
        .Prop("ButtonHint", Types::String(), &TOrqJvComboEdit::ButtonHint, &TOrqJvComboEdit::SetButtonHint)
        .Prop("ButtonWidth", Types::Integer(), &TOrqJvComboEdit::ButtonWidth, &TOrqJvComboEdit::SetButtonWidth)
        .Prop("ClickKey", Types::TShortCut(), &TOrqJvComboEdit::ClickKey, &TOrqJvComboEdit::SetClickKey)
        .Prop("ClipboardCommands", ClipboardCommandsType(), &TOrqJvComboEdit::ClipboardCommands,
              &TOrqJvComboEdit::SetClipboardCommands)
        .Prop("Ctl3D", Types::Boolean(), &TOrqJvComboEdit::Ctl3D, &TOrqJvComboEdit::SetCtl3D)
        .Prop("DirectInput", Types::Boolean(), &TOrqJvComboEdit::DirectInput, &TOrqJvComboEdit::SetDirectInput)
        .Prop("DisabledColor", Types::TColor(), &TOrqJvComboEdit::DisabledColor, &TOrqJvComboEdit::SetDisabledColor)
        .Prop("DisabledTextColor", Types::TColor(), &TOrqJvComboEdit::DisabledTextColor,
              &TOrqJvComboEdit::SetDisabledTextColor)
        .Prop("Glyph", TBitmap::StaticClass().TypeInfo(), &TOrqJvComboEdit::GlyphObject, &TOrqJvComboEdit::SetGlyph)
        .Prop("ImageIndex", Types::Integer(), &TOrqJvComboEdit::ImageIndex, &TOrqJvComboEdit::SetImageIndex)
        .Prop("ImageKind", JvImageKindType(), &TOrqJvComboEdit::ImageKind, &TOrqJvComboEdit::SetImageKind)
        .Prop("Images", TImageList::StaticClass().TypeInfo(), &TOrqJvComboEdit::Images, &TOrqJvComboEdit::SetImages)
        .Prop("MaxLength", Types::Integer(), &TOrqJvComboEdit::MaxLength, &TOrqJvComboEdit::SetMaxLength)
        .Prop("ReadOnly", Types::Boolean(), &TOrqJvComboEdit::ReadOnly, &TOrqJvComboEdit::SetReadOnly)
        .Prop("OnButtonClick", Types::Method(), &TOrqJvComboEdit::GetOnButtonClick,
              &TOrqJvComboEdit::SetOnButtonClick)
        .Prop("OnChange", Types::Method(), &TOrqJvComboEdit::GetOnChange, &TOrqJvComboEdit::SetOnChange);
  });
  return info;
}

const TClassInfo& TOrqJvComboEditXP::StaticClass() {
  static const TClassInfo info("TOrqJvComboEditXP", &TOrqJvComboEdit::StaticClass(),
                               [](TClassInfo& c) { Publisher<TOrqJvComboEditXP>(c).Creatable(); });
  return info;
}
