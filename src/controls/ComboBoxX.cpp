#include "controls/ComboBoxX.h"

#include "controls/Glyphs.h"
#include "controls/EdgeDrawing.h"
#include "toolkit/Application.h"
#include "toolkit/FreeWatch.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/StoredBounds.h"
#include "toolkit/SysUtils.h"
#include "toolkit/SystemLook.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionComboBox>

const TTypeInfo& CBXButtonsType() {
  static const TTypeInfo element = TTypeInfo::Enumeration(
      "TCBXButton", {"cbxbEdit", "cbxbNew", "cbxbDelete", "cbxbUp", "cbxbDown", "cbxbPin"});
  static const TTypeInfo info = TTypeInfo::Set("TCBXButtons", element);
  return info;
}

namespace {

constexpr int kBarButtonWidth = 15;
constexpr int kBarButtonHeight = 13;
constexpr int kScrollStart = 500;
constexpr int kScrollFastest = 100;
constexpr int kScrollStep = 50;
constexpr uint16_t kKeyF4 = VK_F1 + 3;

bool IsOwnerDraw(TComboBoxStyle style) {
  return style == TComboBoxStyle::csOwnerDrawFixed || style == TComboBoxStyle::csOwnerDrawVariable;
}

// The items of a text: cut at the delimiter, blanks around each trimmed,
// empty ones left out.
QStringList Tokens(const QString& text, QChar delimiter) {
  QStringList tokens;
  for (const QString& part : text.split(delimiter)) {
    const QString token = Trim(part);
    if (!token.isEmpty()) tokens << token;
  }
  return tokens;
}

}  // namespace

// ---- TCBXInplaceEdit ----

const TClassInfo& TCBXInplaceEdit::StaticClass() {
  static const TClassInfo info("TCBXInplaceEdit", &TEdit::StaticClass());
  return info;
}

TCBXInplaceEdit::TCBXInplaceEdit(TComponent* owner) : TEdit(owner) {
  LineEdit()->setFrame(false);
  // The text starts 3 pixels in from the left edge.
  LineEdit()->setTextMargins(3, 0, 0, 0);
  SetTabStop(false);
  SetVisible(false);
}

void TCBXInplaceEdit::KeyDown(uint16_t& key, TShiftState shift) {
  TEdit::KeyDown(key, shift);
  if (key != VK_RETURN && key != VK_ESCAPE) return;
  const bool accepted = key == VK_RETURN;
  key = 0;
  if (OnFinish) {
    const auto finish = OnFinish;
    finish(accepted);
  }
}

void TCBXInplaceEdit::DoExit() {
  TEdit::DoExit();
  if (OnFinish) {
    const auto finish = OnFinish;
    finish(false);
  }
}

// ---- TCBXBarButton ----

const TClassInfo& TCBXBarButton::StaticClass() {
  static const TClassInfo info("TCBXBarButton", &TOrqJvSpeedButton::StaticClass());
  return info;
}

TCBXBarButton::TCBXBarButton(TComponent* owner, TCBXButton kind) : TOrqJvSpeedButton(owner), m_kind(kind) {
  SetBounds(0, 0, kBarButtonWidth, kBarButtonHeight);
}

void TCBXBarButton::SetDown(bool value) {
  m_down = value;
  Invalidate();
}

QImage TCBXBarButton::Picture() const {
  const bool enabled = Enabled();
  switch (m_kind) {
    case TCBXButton::cbxbEdit: return Glyphs::ComboEdit();
    case TCBXButton::cbxbNew: return enabled ? Glyphs::ComboNew() : Glyphs::ComboNewDisabled();
    case TCBXButton::cbxbDelete: return enabled ? Glyphs::ComboDelete() : Glyphs::ComboDeleteDisabled();
    case TCBXButton::cbxbUp: return Glyphs::ComboUp();
    case TCBXButton::cbxbDown: return Glyphs::ComboDown();
    case TCBXButton::cbxbPin: {
      const int state = !enabled ? 1 : Pressed() ? 2 : m_down ? 3 : 0;
      return Glyphs::ComboPins().copy(state * 13, 0, 13, 11);
    }
  }
  return QImage();
}

void TCBXBarButton::Paint() {
  TCanvas& canvas = Canvas();
  const QRect all(0, 0, Width(), Height());
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(all);
  const bool sunken = Pressed() || m_down;
  if (sunken || (Hot() && Enabled())) DrawThinEdge(canvas, all, !sunken);
  const QImage picture = Picture();
  // New, Delete and Pin have pictures of their own for the disabled state.
  const bool ownDisabledPicture = m_kind == TCBXButton::cbxbNew || m_kind == TCBXButton::cbxbDelete ||
                                  m_kind == TCBXButton::cbxbPin;
  const int shift = sunken ? 1 : 0;
  DrawPicture(canvas, (all.width() - picture.width()) / 2 + shift, (all.height() - picture.height()) / 2 + shift,
              picture, Enabled() || ownDisabledPicture);
}

// ---- TCBXPopup ----

const TClassInfo& TCBXPopup::StaticClass() {
  static const TClassInfo info("TCBXPopup", &TPopupWindow::StaticClass());
  return info;
}

void TCBXPopup::SetBarTop(int value) {
  m_barTop = value;
  Invalidate();
}

void TCBXPopup::Paint() {
  TPopupWindow::Paint();
  if (m_barTop <= 0) return;
  // A light line under the list, continued down the right side in shadow.
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(clBtnHighlight);
  canvas.FillRect(QRect(1, m_barTop, std::max(0, Width() - 2), 1));
  canvas.Brush().SetColor(clBtnShadow);
  canvas.FillRect(QRect(Width() - 2, m_barTop + 1, 1, std::max(0, Height() - m_barTop - 2)));
}

// ---- TCustomComboBoxX ----

// Hands the keys typed into the edit to the item editor while one runs: the
// popup never takes the focus, so the edit keeps it.
class TCustomComboBoxX::KeyForwarder : public QObject {
 public:
  explicit KeyForwarder(TCustomComboBoxX& combo) : m_combo(combo) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    TCBXInplaceEdit* editor = m_combo.m_activeEditor;
    if (!editor) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                   static_cast<ushort>(key->count()));
    QCoreApplication::sendEvent(editor->LineEdit(), &copy);
    return true;
  }

 private:
  TCustomComboBoxX& m_combo;
};

const TClassInfo& TCustomComboBoxX::StaticClass() {
  static const TClassInfo info("TCustomComboBoxX", &TWinControl::StaticClass());
  return info;
}

TCustomComboBoxX::TCustomComboBoxX(TComponent* owner)
    : TWinControl(owner), m_signals(std::make_unique<QObject>()), m_keyForwarder(std::make_unique<KeyForwarder>(*this)) {
  auto* widget = new TPaintWidget([this](QPainter& painter, const QRect&) {
    TCanvas canvas(&painter);
    PrepareControlCanvas(canvas, *this);
    Paint(canvas);
  });
  widget->setFocusPolicy(Qt::StrongFocus);
  m_lineEdit = new QLineEdit(widget);
  m_lineEdit->setFrame(false);
  widget->setFocusProxy(m_lineEdit);
  QObject::connect(m_lineEdit, &QLineEdit::textChanged, m_signals.get(), [this](const QString& text) {
    if (m_syncing || text == m_text) return;
    m_text = text;
    Application().Guard([this] {
      TFreeWatch watch(this);
      Change();
      if (watch.Gone() || !DroppedDown()) return;
      TextToList();
      if (m_style == TComboBoxStyle::csDropDownList) ListToText(false);
    });
  });
  AttachWidget(widget);
  m_lineEdit->installEventFilter(m_keyForwarder.get());

  m_popup = new TCBXPopup(this);
  m_popup->OnCloseUp = [this](TObject*, TPopupCloseReason) { AfterCloseUp(); };
  m_list = new TPopupListBox(this);
  m_list->SetParent(m_popup);
  m_list->SetCheckBoxes(true);
  m_list->OnClickCheck = [this](TObject*, int) {
    if (!DroppedDown()) return;
    m_checkCapture = true;
    if (QGuiApplication::mouseButtons() & Qt::LeftButton) m_list->SetMouseCapture(true);
    ListToText(false);
    UpdateButtons();
  };
  m_list->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { UpdateButtons(); };
  m_list->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int x, int y) { ListMouseUp(button, x, y); };
  m_list->OnMouseMove = [this](TObject*, TShiftState shift, int x, int y) { ListMouseMove(shift, x, y); };
  m_list->OnDblClick = [this](TObject*) {
    if (m_pinDown || m_multiSelect) CloseUp();
  };
  m_list->OnItemsChanged = [this](TObject*) {
    // Items the program adds or removes while the list is open resize it.
    if (DroppedDown()) LayoutPopup();
    Invalidate();
  };
  m_bar = new TPanel(this);
  m_bar->SetParent(m_popup);
  m_bar->SetBevelOuter(TBevelCut::bvNone);
  m_bar->SetCaption(QString());
  m_bar->SetBounds(1, 1, 0, 14);
  const std::array<std::function<void()>, 6> actions{[this] { EditItem(); }, [this] { NewItem(); },
                                                     [this] { DeleteItems(); }, [this] { MoveItem(true); },
                                                     [this] { MoveItem(false); }, [this] { TogglePin(); }};
  for (size_t i = 0; i < m_buttons.size(); ++i) {
    auto* button = new TCBXBarButton(this, static_cast<TCBXButton>(i));
    button->SetParent(m_bar);
    const std::function<void()> action = actions[i];
    if (button->Kind() == TCBXButton::cbxbPin) {
      button->OnClick = [button, action](TObject*) {
        button->SetDown(!button->Down());
        action();
      };
    } else {
      button->OnClick = [action](TObject*) { action(); };
    }
    m_buttons[i] = button;
  }
  m_editor = new TCBXInplaceEdit(this);
  m_editor->SetParent(m_list);
  SetAutoScrollTimer(std::make_unique<TQtIntervalTimer>());

  OnKeyUp = [this](TObject*, uint16_t& key, TShiftState shift) { AutoCompleteKeyUp(key, shift); };
  SetButtonHint(QStringLiteral("Edit,New,Delete,Up,Down,Pin"));
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 145, 21);
  PlaceEditor();
}

TCustomComboBoxX::~TCustomComboBoxX() {
  Destroying();
  m_lineEdit->removeEventFilter(m_keyForwarder.get());
  m_popup->OnCloseUp = nullptr;
  m_list->OnClickCheck = nullptr;
  m_list->OnMouseDown = nullptr;
  m_list->OnMouseUp = nullptr;
  m_list->OnMouseMove = nullptr;
  m_list->OnDblClick = nullptr;
  m_list->OnItemsChanged = nullptr;
  m_list->OnDrawItem = nullptr;
  m_list->OnMeasureItem = nullptr;
  m_scrollTimer->OnTick = nullptr;
  if (m_activeEditor) m_activeEditor->OnFinish = nullptr;
  for (TCBXBarButton* button : m_buttons) button->OnClick = nullptr;
}

void TCustomComboBoxX::SetAutoScrollTimer(std::unique_ptr<TIntervalTimer> timer) {
  m_scrollTimer = std::move(timer);
  m_scrollTimer->SetInterval(kScrollStart);
  m_scrollTimer->OnTick = [this] { AutoScrollTick(); };
}

bool TCustomComboBoxX::Themed() const { return ThemesEnabled(); }

// -- geometry --

int TCustomComboBoxX::MinHeight() const {
  if (IsOwnerDraw(m_style)) return m_itemHeight + 4;
  TFont& font = const_cast<TCustomComboBoxX*>(this)->Font();
  const int f = FontTextHeight(font);
  const int s = SystemFontTextHeight();
  return 4 * BorderHeight() + f + std::min(f, s) / 4 + (font.Size() <= 9 ? 1 : 0);
}

void TCustomComboBoxX::SetBounds(int left, int top, int width, int height) {
  if (!KeepsStoredBounds(*this)) height = std::max(height, MinHeight());
  TWinControl::SetBounds(left, top, width, height);
}

void TCustomComboBoxX::ApplyHeightRule() {
  if (!KeepsStoredBounds(*this) && Height() < MinHeight()) SetHeight(MinHeight());
}

QRect TCustomComboBoxX::ThemedPart(QStyle::SubControl part) const {
  QStyleOptionComboBox option;
  option.initFrom(Widget());
  option.rect = QRect(0, 0, Width(), Height());
  option.editable = m_style == TComboBoxStyle::csDropDown;
  return Widget()->style()->subControlRect(QStyle::CC_ComboBox, &option, part, Widget());
}

QRect TCustomComboBoxX::ButtonRect() const {
  if (Themed()) return ThemedPart(QStyle::SC_ComboBoxArrow);
  const int w = Width();
  const int h = Height();
  const int b = VerticalScrollBarWidth();
  return QRect(QPoint(w - b - 1, 1), QPoint(w - 2, h - 2));
}

QRect TCustomComboBoxX::EditRect() const {
  if (Themed()) return ThemedPart(QStyle::SC_ComboBoxEditField);
  const int w = Width();
  const int h = Height();
  const int b = VerticalScrollBarWidth();
  // The window inset by 2, narrowed by the button; the edit field 1 more in
  // from the top and the left.
  if (m_style == TComboBoxStyle::csDropDown) return QRect(QPoint(3, 3), QPoint(w - 3 - b, h - 3));
  return QRect(QPoint(2, 2), QPoint(w - 3 - b, h - 3));
}

void TCustomComboBoxX::PlaceEditor() {
  const bool edit = m_style == TComboBoxStyle::csDropDown;
  m_lineEdit->setVisible(edit);
  Widget()->setFocusProxy(edit ? m_lineEdit : nullptr);
  const QRect r = EditRect();
  m_lineEdit->setGeometry(r);
}

void TCustomComboBoxX::BoundsChanged(bool sizeChanged) {
  TWinControl::BoundsChanged(sizeChanged);
  if (sizeChanged) PlaceEditor();
}

// -- painting --

void TCustomComboBoxX::Paint(TCanvas& canvas) {
  const QRect all(0, 0, Width(), Height());
  const bool enabled = Widget()->isEnabled();
  const QRect button = ButtonRect();
  const QRect area = EditRect();
  if (Themed()) {
    const QImage picture = StylePicture(all.size(), [&](QPainter& painter, QStyle& style) {
      QStyleOptionComboBox option;
      option.initFrom(Widget());
      option.rect = all;
      option.editable = m_style == TComboBoxStyle::csDropDown;
      option.frame = true;
      option.subControls = QStyle::SC_All;
      if (Focused()) option.state |= QStyle::State_HasFocus;
      if (m_pressed && m_hot) {
        option.state |= QStyle::State_Sunken | QStyle::State_On;
        option.activeSubControls = QStyle::SC_ComboBoxArrow;
      }
      style.drawComplexControl(QStyle::CC_ComboBox, &option, &painter, Widget());
    });
    canvas.Draw(0, 0, picture);
  } else {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(all.adjusted(2, 2, -2, -2));
    DrawEdge3D(canvas, all, false, false);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(button);
    if (m_pressed && m_hot) {
      canvas.Brush().SetColor(clBtnShadow);
      canvas.FrameRect(button);
    } else {
      DrawEdge3D(canvas, button, true, false);
    }
    const QImage& arrow = Glyphs::SpinDownPole();
    const int shift = m_pressed && m_hot ? 1 : 0;
    const int x = button.left() + (button.width() - arrow.width()) / 2 + shift;
    const int y = button.top() + (button.height() - arrow.height()) / 2 + shift;
    DrawPicture(canvas, x, y, arrow, enabled);
  }
  if (m_style == TComboBoxStyle::csDropDown) return;
  // The other styles draw their text themselves.
  if (IsOwnerDraw(m_style)) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(area);
    if (IsDesigning() || !OnDrawItem) return;
    TOwnerDrawState state{TOwnerDrawStateFlag::odComboBoxEdit};
    if (Focused()) state.Include(TOwnerDrawStateFlag::odFocused);
    OnDrawItem(this, canvas, m_list->ItemIndex(), area, state);
    return;
  }
  const QRect inner = area.adjusted(1, 1, -1, -1);
  if (Focused()) {
    canvas.Brush().SetColor(clHighlight);
    canvas.FillRect(inner);
    canvas.DrawFocusRect(inner);
    canvas.Font().SetColor(clHighlightText);
  } else {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(inner);
    canvas.Font().SetColor(enabled ? Font().Color() : clGrayText);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const int top = inner.top() + std::max(0, (inner.height() - canvas.TextHeight(m_text)) / 2);
  canvas.TextRect(inner, area.left() + 3, top, m_text);
}

// -- properties --

TStrings& TCustomComboBoxX::Items() { return m_list->Items(); }

TStrings* TCustomComboBoxX::ItemsObject() const { return m_list->ItemsObject(); }

void TCustomComboBoxX::SetItems(TStrings* value) { m_list->Items().Assign(value); }

void TCustomComboBoxX::SetStyle(TComboBoxStyle value) {
  if (value == TComboBoxStyle::csSimple || value == m_style) return;
  m_style = value;
  m_list->SetVariableHeights(value == TComboBoxStyle::csOwnerDrawVariable);
  if (IsOwnerDraw(value)) {
    m_list->OnDrawItem = [this](TObject*, TCanvas& canvas, int index, const QRect& rect, TOwnerDrawState state) {
      if (OnDrawItem) OnDrawItem(this, canvas, index, rect, state);
    };
    m_list->OnMeasureItem = [this](TObject*, int index, int& height) {
      if (OnMeasureItem) OnMeasureItem(this, index, height);
    };
    m_list->SetItemHeight(m_itemHeight);
  } else {
    m_list->OnDrawItem = nullptr;
    m_list->OnMeasureItem = nullptr;
  }
  if (value == TComboBoxStyle::csDropDownList) {
    TextToList();
    ListToText(false);
  }
  PlaceEditor();
  ApplyHeightRule();
  Invalidate();
}

void TCustomComboBoxX::SetItemHeight(int value) {
  if (!IsOwnerDraw(m_style) || value == m_itemHeight) return;
  m_itemHeight = value;
  m_list->SetItemHeight(value);
  ApplyHeightRule();
  Invalidate();
}

void TCustomComboBoxX::SetMultiSelect(bool value) {
  if (value == m_multiSelect) return;
  m_multiSelect = value;
  m_list->SetMultiSelect(value);
  m_itemDrag = !value;
  m_closeOnSelect = !m_pinDown && !value;
  if (m_style != TComboBoxStyle::csDropDown) {
    TextToList();
    ListToText(!DroppedDown());
  }
}

TCBXButtons TCustomComboBoxX::Buttons() const {
  TCBXButtons buttons;
  for (TCBXBarButton* button : m_buttons)
    if (button->Allowed()) buttons.Include(button->Kind());
  return buttons;
}

void TCustomComboBoxX::SetButtons(TCBXButtons value) {
  for (TCBXBarButton* button : m_buttons) button->SetAllowed(value.Contains(button->Kind()));
  m_layoutRows = -1;
  if (DroppedDown()) {
    LayoutPopup();
    LayoutButtons();
  }
}

QString TCustomComboBoxX::ButtonHint() const {
  TStringList hints;
  for (TCBXBarButton* button : m_buttons) hints.Add(button->Hint());
  return hints.CommaText();
}

void TCustomComboBoxX::SetButtonHint(const QString& value) {
  TStringList hints;
  hints.SetCommaText(value);
  for (size_t i = 0; i < m_buttons.size(); ++i)
    m_buttons[i]->SetHint(static_cast<int>(i) < hints.Count() ? hints[static_cast<int>(i)] : QString());
}

void TCustomComboBoxX::SetShowHint(bool value) {
  TWinControl::SetShowHint(value);
  for (TCBXBarButton* button : m_buttons) button->SetShowHint(value);
}

void TCustomComboBoxX::SetMaxLength(int value) {
  m_maxLength = value;
  m_lineEdit->setMaxLength(value > 0 ? value : 32767);
}

// -- text and list --

void TCustomComboBoxX::TextChanged() {
  if (m_lineEdit->text() != m_text) {
    const TScopedValue syncing(m_syncing, true);
    m_lineEdit->setText(m_text);
  }
  TFreeWatch watch(this);
  Change();
  if (watch.Gone()) return;
  if (m_style != TComboBoxStyle::csDropDown) {
    TextToList();
    ListToText(DroppedDown());
  }
  Invalidate();
}

void TCustomComboBoxX::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBoxX::TextToList() {
  TStrings& items = Items();
  if (m_multiSelect) {
    const QStringList tokens = Tokens(m_text, m_delimiter);
    std::vector<bool> used(static_cast<size_t>(tokens.size()), false);
    for (int i = items.Count() - 1; i >= 0; --i) {
      m_list->SetSelected(i, false);
      bool tick = false;
      for (qsizetype t = 0; t < tokens.size() && !tick; ++t) {
        if (used[static_cast<size_t>(t)] || tokens[t].compare(items[i], Qt::CaseInsensitive) != 0) continue;
        used[static_cast<size_t>(t)] = true;
        tick = true;
      }
      m_list->SetChecked(i, tick);
    }
    // The item the whole text begins (an item being typed) is ticked too;
    // an empty field ticks nothing.
    if (!Trim(m_text).isEmpty()) {
      for (int i = 0; i < items.Count(); ++i) {
        if (!items[i].startsWith(m_text)) continue;
        m_list->SetChecked(i, true);
        break;
      }
    }
    return;
  }
  const QString text = Trim(m_text);
  int index = -1;
  if (!text.isEmpty()) {
    for (int i = 0; i < items.Count() && index < 0; ++i)
      if (items[i].compare(text, Qt::CaseInsensitive) == 0) index = i;
    for (int i = 0; i < items.Count() && index < 0; ++i)
      if (!items[i].isEmpty() && m_text.startsWith(items[i], Qt::CaseInsensitive)) index = i;
    for (int i = 0; i < items.Count() && index < 0 && m_style == TComboBoxStyle::csDropDown; ++i)
      if (items[i].startsWith(m_text, Qt::CaseInsensitive)) index = i;
  }
  m_list->SetItemIndex(index);
}

void TCustomComboBoxX::ListToText(bool onlyDropDownList) {
  if (m_style == TComboBoxStyle::csDropDownList || !onlyDropDownList) {
    QString text;
    if (m_multiSelect) {
      QStringList ticked;
      for (int i = 0; i < Items().Count(); ++i)
        if (m_list->Checked(i)) ticked << Items()[i];
      text = ticked.join(QString(m_delimiter) + QLatin1Char(' '));
    } else if (m_list->ItemIndex() >= 0) {
      text = Items()[m_list->ItemIndex()];
    }
    SetText(text);
  }
  Invalidate();
}

int TCustomComboBoxX::ChosenCount() const {
  if (m_multiSelect) return m_list->SelCount();
  return m_list->ItemIndex() >= 0 ? 1 : 0;
}

void TCustomComboBoxX::UpdateButtons() {
  const int chosen = ChosenCount();
  auto enable = [this](TCBXButton kind, bool value) { BarButton(kind)->SetEnabled(value); };
  enable(TCBXButton::cbxbNew, true);
  enable(TCBXButton::cbxbEdit, chosen == 1);
  enable(TCBXButton::cbxbUp, chosen == 1);
  enable(TCBXButton::cbxbDown, chosen == 1);
  enable(TCBXButton::cbxbDelete, chosen >= 1);
  const int current = m_list->ItemIndex();
  if (current == 0) enable(TCBXButton::cbxbUp, false);
  if (current == Items().Count() - 1) enable(TCBXButton::cbxbDown, false);
}

void TCustomComboBoxX::LayoutPopup() {
  const int rows = std::min(Items().Count(), std::max(m_dropDownCount, 1));
  if (rows == m_layoutRows) return;
  m_layoutRows = rows;
  int width = m_popupListWidth > 0 ? m_popupListWidth : Width();
  int barWidth = 0;
  for (TCBXBarButton* button : m_buttons)
    if (button->Allowed()) barWidth += kBarButtonWidth;
  if (BarButton(TCBXButton::cbxbEdit)->Allowed()) ++barWidth;
  if (BarButton(TCBXButton::cbxbPin)->Allowed()) ++barWidth;
  if (barWidth > 0) width = std::max(width, barWidth + 3);
  if (m_style == TComboBoxStyle::csDropDown || m_style == TComboBoxStyle::csDropDownList)
    m_list->SetItemHeight(MinHeight() - 8);
  const int listHeight = m_list->RowsHeight(0, rows);
  m_list->SetBounds(1, 1, width - 2, listHeight);
  const int barTop = 1 + listHeight + 1;
  int height = listHeight + 2;
  if (barWidth > 0) {
    m_bar->SetVisible(true);
    m_bar->SetBounds(1, barTop, width - 3, kBarButtonHeight);
    height += kBarButtonHeight + 1;
    m_popup->SetBarTop(barTop - 1);
  } else {
    m_bar->SetVisible(false);
    m_bar->SetBounds(1, barTop, width - 3, 0);
    m_popup->SetBarTop(0);
  }
  m_popup->SetBounds(m_popup->Left(), m_popup->Top(), width, height);
  if (DroppedDown()) m_popup->Popup(this, QSize(width, height));
}

void TCustomComboBoxX::LayoutButtons() {
  const int barWidth = m_bar->Width();
  for (TCBXBarButton* button : m_buttons) button->SetVisible(false);
  TCBXBarButton* pin = BarButton(TCBXButton::cbxbPin);
  if (!m_pinDown) {
    if (pin->Allowed()) {
      pin->SetBounds(barWidth - kBarButtonWidth, 0, kBarButtonWidth, kBarButtonHeight);
      pin->SetVisible(true);
    }
    return;
  }
  int x = barWidth - kBarButtonWidth;
  for (TCBXButton kind : {TCBXButton::cbxbPin, TCBXButton::cbxbDown, TCBXButton::cbxbUp, TCBXButton::cbxbDelete,
                          TCBXButton::cbxbNew}) {
    TCBXBarButton* button = BarButton(kind);
    if (!button->Allowed()) continue;
    button->SetBounds(x, 0, kBarButtonWidth, kBarButtonHeight);
    button->SetVisible(true);
    x -= kBarButtonWidth + (kind == TCBXButton::cbxbPin ? 1 : 0);
  }
  TCBXBarButton* edit = BarButton(TCBXButton::cbxbEdit);
  if (edit->Allowed()) {
    edit->SetBounds(1, 0, kBarButtonWidth, kBarButtonHeight);
    edit->SetVisible(true);
  }
}

// -- opening and closing --

bool TCustomComboBoxX::DroppedDown() const { return m_popup->IsOpen(); }

bool TCustomComboBoxX::Allows(const TCBXItemEvent& event) {
  if (!event) return true;
  bool enabled = true;
  TFreeWatch watch(this);
  const TCBXItemEvent handler = event;
  handler(this, enabled);
  return enabled && !watch.Gone();
}

void TCustomComboBoxX::DropDown() {
  if (IsDesigning() || DroppedDown() || !Enabled() || !Allows(OnDropDown)) return;
  SetFocus();
  m_lineEdit->end(false);
  m_closeOnSelect = !m_pinDown && !m_multiSelect;
  BarButton(TCBXButton::cbxbPin)->SetDown(m_pinDown);
  TextToList();
  UpdateButtons();
  m_layoutRows = -1;
  LayoutPopup();
  LayoutButtons();
  m_popup->SetColor(Color());
  m_list->SetColor(Color());
  m_list->Font().Assign(&Font());
  m_popup->Popup(this, QSize(m_popup->Width(), m_popup->Height()));
  Invalidate();
}

void TCustomComboBoxX::CloseUp() {
  if (DroppedDown()) m_popup->ClosePopup();
}

void TCustomComboBoxX::AfterCloseUp() {
  m_layoutRows = -1;
  DropEdit();
  StopAutoScroll();
  m_checkCapture = false;
  if (m_closeOnSelect || IsOwnerDraw(m_style)) TextToList();
  else ListToText(true);
  Invalidate();
  if (OnDropUp) OnDropUp(this);
}

// -- the list's mouse --

void TCustomComboBoxX::ListMouseUp(TMouseButton button, int x, int y) {
  if (button != TMouseButton::mbLeft) return;
  const bool ticked = m_checkCapture;
  m_checkCapture = false;
  m_list->SetMouseCapture(false);
  DropEdit();
  StopAutoScroll();
  if (m_multiSelect || m_pinDown) return;
  // A click on an item chooses it: the item becomes the text.
  const int row = m_list->ItemAtPos(QPoint(x, y));
  if (!ticked && row >= 0) {
    m_list->SetItemIndex(row);
    ListToText(false);
  }
  CloseUp();
}

void TCustomComboBoxX::ListMouseMove(TShiftState, int x, int y) {
  m_lastListPos = QPoint(x, y);
  if (m_closeOnSelect && !m_checkCapture) {
    const int row = m_list->ItemAtPos(QPoint(x, y));
    if (row >= 0 && row != m_list->ItemIndex()) {
      m_list->SetItemIndex(row);
      UpdateButtons();
    }
  }
  if (!m_autoScroll) return;
  const bool inside = QRect(0, 0, m_list->Width(), m_list->Height()).contains(x, y);
  if (!(m_checkCapture ? m_itemDrag : inside) || x < 0 || x >= m_list->Width()) return;
  if (y <= 3 || y >= m_list->Height() - 4) {
    const bool up = y <= 3;
    if (!m_scrollTimer->Active() || up != m_scrollUp) {
      m_scrollUp = up;
      m_scrollTimer->Start(m_scrollTimer->Interval());
    }
  } else {
    StopAutoScroll();
  }
}

void TCustomComboBoxX::StopAutoScroll() {
  m_scrollTimer->Stop();
  m_scrollTimer->SetInterval(kScrollStart);
}

void TCustomComboBoxX::AutoScrollTick() {
  if (m_lastListPos.x() < 0 || m_lastListPos.x() >= m_list->Width()) {
    m_scrollTimer->Stop();
    return;
  }
  if (m_scrollTimer->Interval() > kScrollFastest)
    m_scrollTimer->SetInterval(std::max(kScrollFastest, m_scrollTimer->Interval() - kScrollStep));
  if (!m_list->ScrollBy(m_scrollUp ? -1 : 1)) {
    StopAutoScroll();
    return;
  }
  if (m_closeOnSelect && !m_checkCapture) {
    const int row = m_list->ItemAtPos(m_lastListPos);
    if (row >= 0) m_list->SetItemIndex(row);
  }
}

// -- the bar's actions --

void TCustomComboBoxX::DropEdit() {
  TCBXInplaceEdit* editor = m_activeEditor;
  if (!editor) return;
  m_activeEditor = nullptr;
  editor->OnFinish = nullptr;
  editor->SetVisible(false);
}

void TCustomComboBoxX::EditItem() {
  if (m_activeEditor) {
    DropEdit();
    return;
  }
  const int index = m_list->ItemIndex();
  if (index < 0) return;
  QString text = Items()[index];
  TObject* object = Items().Objects(index);
  TCBXInplaceEdit* editor = m_editor;
  bool enabled = true;
  if (OnEditItem) {
    TFreeWatch watch(this);
    OnEditItem(this, text, object, editor, enabled);
    if (watch.Gone()) return;
  }
  if (!enabled || !editor) return;
  m_activeEditor = editor;
  editor->SetComboBox(this);
  editor->SetTextObject(object);
  editor->OnFinish = [this](bool accepted) { FinishEdit(accepted); };
  if (editor->Parent() != m_list) editor->SetParent(m_list);
  QRect row = m_list->ItemRect(index);
  row.setLeft(m_list->CheckWidth());
  editor->SetBounds(row.left(), row.top(), row.width(), row.height());
  editor->Font().Assign(&Font());
  editor->SetColor(Color());
  editor->SetText(text);
  editor->SetVisible(true);
  editor->BringToFront();
  editor->SelectAll();
}

void TCustomComboBoxX::FinishEdit(bool accepted) {
  TCBXInplaceEdit* editor = m_activeEditor;
  if (!editor) return;
  const int index = m_list->ItemIndex();
  if (accepted && index >= 0) {
    QString text = editor->GetText();
    TObject* object = editor->TextObject();
    bool enabled = true;
    if (OnModifiedItem) {
      TFreeWatch watch(this);
      OnModifiedItem(this, text, object, enabled);
      if (watch.Gone()) return;
    }
    if (enabled) {
      Items().Put(index, text);
      Items().PutObject(index, object);
      if (m_closeOnSelect) {
        SetText(text);
        m_list->SetItemIndex(index);
      }
    }
  }
  DropEdit();
}

void TCustomComboBoxX::NewItem() {
  QString text = QStringLiteral("NewItem");
  for (int n = 2; Items().IndexOf(text) >= 0; ++n) text = QStringLiteral("NewItem") + QString::number(n);
  TObject* object = nullptr;
  bool enabled = true;
  if (OnNewItem) {
    TFreeWatch watch(this);
    OnNewItem(this, text, object, enabled);
    if (watch.Gone()) return;
  }
  if (!enabled) return;
  DropEdit();
  if (m_multiSelect) {
    if (m_list->SelCount() > 0) {
      m_list->ClearSelection();
      SetText(QString());
    }
  } else {
    m_list->SetItemIndex(-1);
    SetText(QString());
  }
  Items().AddObject(text, object);
  const int index = Items().Count() - 1;
  m_list->SetItemIndex(index);
  if (m_multiSelect) m_list->SetSelected(index, true);
  m_list->SetTopIndex(index);
  UpdateButtons();
  LayoutPopup();
  ListToText(false);
  EditItem();
}

void TCustomComboBoxX::DeleteItems() {
  if (!Allows(OnDeleteItem)) return;
  DropEdit();
  for (int i = Items().Count() - 1; i >= 0; --i)
    if (m_multiSelect ? m_list->Selected(i) : i == m_list->ItemIndex()) m_list->DeleteItem(i);
  UpdateButtons();
  LayoutPopup();
  ListToText(false);
  // No empty rows at the end of the list while items remain.
  m_list->SetTopIndex(m_list->TopIndex());
}

void TCustomComboBoxX::MoveItem(bool up) {
  const int index = m_list->ItemIndex();
  const int target = up ? index - 1 : index + 1;
  if (index < 0 || target < 0 || target >= Items().Count() || !Allows(up ? OnMoveUpItem : OnMoveDownItem)) return;
  m_list->ExchangeItems(index, target);
  m_list->SetItemIndex(target);
  UpdateButtons();
}

void TCustomComboBoxX::TogglePin() {
  m_pinDown = BarButton(TCBXButton::cbxbPin)->Down();
  m_closeOnSelect = !m_pinDown && !m_multiSelect;
  LayoutButtons();
}

// -- auto-completion --

void TCustomComboBoxX::AutoCompleteKeyUp(uint16_t key, TShiftState shift) {
  // Shortcuts (Ctrl+A, Alt+Down, ...) type nothing to complete.
  if (!m_autoComplete || m_style != TComboBoxStyle::csDropDown || shift.Contains(TShiftStateFlag::ssCtrl) ||
      shift.Contains(TShiftStateFlag::ssAlt))
    return;
  // Only the release of a key that typed a character completes (never
  // Backspace, Delete, Enter or the arrows).
  const bool typed = m_typedChar;
  m_typedChar = false;
  if (!typed || key == VK_BACK || key == VK_DELETE || key == VK_RETURN) return;
  const int caret = m_lineEdit->cursorPosition();
  const QString before = m_text.left(caret);
  // The item being typed starts after the last delimiter and its blanks.
  int start = static_cast<int>(before.lastIndexOf(m_delimiter)) + 1;
  while (start < before.size() && before[start].isSpace()) ++start;
  const QString token = before.mid(start);
  if (token.isEmpty()) return;
  for (int i = 0; i < Items().Count(); ++i) {
    const QString item = Items()[i];
    // The first item that begins with the token and sorts after it: an
    // exact match completes nothing.
    if (!item.startsWith(token, Qt::CaseInsensitive) || CompareText(item, token) <= 0) continue;
    const QString text = before.left(start) + item;
    SetText(text);
    m_lineEdit->setSelection(static_cast<int>(text.size()), caret - static_cast<int>(text.size()));
    return;
  }
}

// -- input --

bool TCustomComboBoxX::WndProc(TMessage& message) {
  if (m_pressed && !IsDesigning()) {
    // While the drop-down button is held, keys and the other mouse buttons
    // are ignored; a left press or double-click ends the hold.
    if (message.IsKey()) return true;
    if ((message.Kind == TMessageKind::MouseDown || message.Kind == TMessageKind::MouseUp ||
         message.Kind == TMessageKind::MouseDblClick) &&
        message.Button != TMouseButton::mbLeft)
      return true;
    if (message.Kind == TMessageKind::MouseDown || message.Kind == TMessageKind::MouseDblClick) {
      m_pressed = false;
      m_hot = false;
      Invalidate();
      return true;
    }
  }
  return TWinControl::WndProc(message);
}

void TCustomComboBoxX::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Enabled()) {
    const bool onButton = ButtonRect().contains(x, y);
    if (onButton || (m_style != TComboBoxStyle::csDropDown && QRect(0, 0, Width(), Height()).contains(x, y))) {
      TFreeWatch watch(this);
      DropDown();
      if (watch.Gone()) return;
      if (onButton) {
        m_pressed = true;
        m_hot = true;
        Invalidate();
      }
    }
  }
  TWinControl::MouseDown(button, shift, x, y);
}

void TCustomComboBoxX::MouseMove(TShiftState shift, int x, int y) {
  if (m_pressed) {
    const bool hot = ButtonRect().contains(x, y);
    if (hot != m_hot) {
      m_hot = hot;
      Invalidate();
    }
  }
  TWinControl::MouseMove(shift, x, y);
}

void TCustomComboBoxX::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && m_pressed) {
    m_pressed = false;
    m_hot = false;
    Invalidate();
  }
  TWinControl::MouseUp(button, shift, x, y);
}

void TCustomComboBoxX::KeyDown(uint16_t& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == 0) return;
  const bool alt = shift.Contains(TShiftStateFlag::ssAlt);
  if ((alt && (key == VK_DOWN || key == VK_UP)) || key == kKeyF4) {
    key = 0;
    if (DroppedDown()) CloseUp();
    else DropDown();
    return;
  }
  if (!DroppedDown()) return;
  switch (key) {
    case VK_ESCAPE:
      key = 0;
      CloseUp();
      break;
    case VK_RETURN:
      key = 0;
      // Without ticks the item moved to with the keys is the choice.
      if (m_closeOnSelect && m_list->ItemIndex() >= 0) ListToText(false);
      CloseUp();
      break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
      const uint16_t move = key;
      key = 0;
      m_list->HandleKey(move);
      UpdateButtons();
      break;
    }
    default:
      break;
  }
}

void TCustomComboBoxX::KeyPress(QChar& key) {
  TWinControl::KeyPress(key);
  if (!key.isNull() && key.isPrint()) m_typedChar = true;
}

void TCustomComboBoxX::FontChanged() {
  TWinControl::FontChanged();
  if (m_style == TComboBoxStyle::csDropDown || m_style == TComboBoxStyle::csDropDownList) {
    ApplyHeightRule();
    m_list->SetItemHeight(MinHeight() - 6);
  }
  if (DroppedDown()) m_list->Font().Assign(&Font());
  PlaceEditor();
}

void TCustomComboBoxX::EnabledChanged() {
  TWinControl::EnabledChanged();
  if (!Enabled()) CloseUp();
  m_list->Font().Assign(&Font());
  Invalidate();
}

void TCustomComboBoxX::ColorChanged() {
  TWinControl::ColorChanged();
  QPalette p = m_lineEdit->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    p.setColor(group, QPalette::Base, ColorToQColor(Color()));
  m_lineEdit->setPalette(p);
  Invalidate();
}

void TCustomComboBoxX::SyncFocusPolicy() {
  TWinControl::SyncFocusPolicy();
  if (m_lineEdit) m_lineEdit->setFocusPolicy(IsDesigning() ? Qt::NoFocus : Qt::StrongFocus);
}

void TCustomComboBoxX::DesigningChanged() {
  TWinControl::DesigningChanged();
  Invalidate();
}

// ---- TComboBoxX ----

const TClassInfo& TComboBoxX::StaticClass() {
  static const TClassInfo info("TComboBoxX", &TCustomComboBoxX::StaticClass(), [](TClassInfo& c) {
    Publisher<TComboBoxX>(c)
        .Creatable()
        .Prop("Style", ComboBoxStyleType(), &TComboBoxX::Style, &TComboBoxX::SetStyle)
        .Prop("Items", TStrings::StaticClass().TypeInfo(), &TComboBoxX::ItemsObject, &TComboBoxX::SetItems)
        .Prop("PinDown", Types::Boolean(), &TComboBoxX::PinDown, &TComboBoxX::SetPinDown)
        .Prop("ItemDrag", Types::Boolean(), &TComboBoxX::ItemDrag, &TComboBoxX::SetItemDrag)
        .Prop("AutoScroll", Types::Boolean(), &TComboBoxX::AutoScroll, &TComboBoxX::SetAutoScroll)
        .Prop("ItemHeight", Types::Integer(), &TComboBoxX::ItemHeight, &TComboBoxX::SetItemHeight)
        .Prop("DropDownCount", Types::Integer(), &TComboBoxX::DropDownCount, &TComboBoxX::SetDropDownCount)
        .Prop("MultiSelect", Types::Boolean(), &TComboBoxX::MultiSelect, &TComboBoxX::SetMultiSelect)
        .Prop("PopupListWidth", Types::Integer(), &TComboBoxX::PopupListWidth, &TComboBoxX::SetPopupListWidth)
        .Prop("Buttons", CBXButtonsType(), &TComboBoxX::Buttons, &TComboBoxX::SetButtons)
        .Prop("ButtonHint", Types::String(), &TComboBoxX::ButtonHint, &TComboBoxX::SetButtonHint)
        .Prop("ShowHint", Types::Boolean(), &TComboBoxX::ShowHint, &TComboBoxX::SetShowHint);
    PublishStandard(c, {"Text", "Anchors", "Color", "Constraints", "Enabled", "Font", "ParentColor", "ParentFont",
                        "ParentShowHint", "PopupMenu", "TabOrder", "TabStop", "Visible", "OnClick", "OnDblClick",
                        "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
    Publisher<TComboBoxX>(c)
        .Prop("MaxLength", Types::Integer(), &TComboBoxX::MaxLength, &TComboBoxX::SetMaxLength)
        .Prop("OnChange", Types::Method(), &TComboBoxX::GetOnChange, &TComboBoxX::SetOnChange)
        .Prop("Delimiter", Types::Char(),
              [](const TComboBoxX& x) { return static_cast<uint8_t>(x.Delimiter().unicode()); },
              [](TComboBoxX& x, uint8_t v) { x.SetDelimiter(QChar(v)); })
        .Prop("AutoComplete", Types::Boolean(), &TComboBoxX::AutoComplete, &TComboBoxX::SetAutoComplete);
  });
  return info;
}
