#include "inspector/ELPropsPageEdit.h"

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/SystemLook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPaintEvent>
#include <QSignalBlocker>
#include <QPainter>

#include <algorithm>

// The button at the editor's right edge: a raised face with a drop-down
// arrow or an ellipsis, sunken while pressed.
class TELPropsPageInplaceEdit::Button : public QWidget {
 public:
  Button(TELPropsPageInplaceEdit& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    Application().Guard([&] { Draw(painter); });
  }

 private:
  void Draw(QPainter& painter) {
    TCanvas c(&painter);
    const int w = width();
    const int h = height();
    const bool down = m_editor.ButtonPressed();
    c.Brush().SetColor(clBtnFace);
    c.FillRect(QRect(0, 0, w, h));
    auto line = [&c](TColor color, int x1, int y1, int x2, int y2) { DrawLine(c, color, x1, y1, x2, y2); };
    if (down) {
      line(clBtnShadow, 0, h - 1, 0, 0);
      line(clBtnShadow, 0, 0, w, 0);
    } else {
      // Light above and left, two shades of shadow below and right.
      line(cl3DLight, 0, h - 1, 0, 0);
      line(cl3DLight, 0, 0, w - 1, 0);
      line(clBtnHighlight, 1, h - 2, 1, 1);
      line(clBtnHighlight, 1, 1, w - 2, 1);
      line(cl3DDkShadow, w - 1, 0, w - 1, h);
      line(cl3DDkShadow, 0, h - 1, w - 1, h - 1);
      line(clBtnShadow, w - 2, 1, w - 2, h - 1);
      line(clBtnShadow, 1, h - 2, w - 2, h - 2);
    }
    const int shift = down ? 1 : 0;
    const int cx = w / 2 + shift;
    const int cy = h / 2 + shift;
    if (m_editor.EditStyle() == TELPropEditStyle::esPickList) {
      // A small black triangle pointing down.
      for (int i = 0; i < 4; ++i) line(clBtnText, cx - 3 + i, cy - 1 + i, cx + 4 - i, cy - 1 + i);
    } else {
      // Three dots.
      c.Brush().SetColor(clBtnText);
      for (int i = -1; i <= 1; ++i) c.FillRect(QRect(cx - 1 + 4 * i, cy + 1, 2, 2));
    }
  }
  TELPropsPageInplaceEdit& m_editor;
};

namespace {

// Undo and redo keys reach the text field only while its text has something
// to undo or redo; otherwise they go on to the window's own keys (the
// layout's undo), as if the field were not there.
class TUndoKeysFilter : public QObject {
 public:
  explicit TUndoKeysFilter(QLineEdit* edit) : QObject(edit), m_edit(edit) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != m_edit || event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo) || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y);
    if ((undo && !m_edit->isUndoAvailable()) || (redo && !m_edit->isRedoAvailable())) {
      event->ignore();
      return true;
    }
    return false;
  }

 private:
  QLineEdit* m_edit;
};

}  // namespace

const TClassInfo& TELPropsPageInplaceEdit::StaticClass() {
  static const TClassInfo info("TELPropsPageInplaceEdit", &TWinControl::StaticClass());
  return info;
}

TELPropsPageInplaceEdit::TELPropsPageInplaceEdit(TELCustomPropsPage* page) : TWinControl(page), m_page(page) {
  auto* widget = new QWidget;
  m_lineEdit = new QLineEdit(widget);
  m_lineEdit->setFrame(false);
  m_lineEdit->setTextMargins(0, 0, 0, 0);
  m_lineEdit->installEventFilter(new TUndoKeysFilter(m_lineEdit));
  m_button = new Button(*this, widget);
  m_button->hide();
  // The editor takes the focus like a field; the text field inside has it.
  widget->setFocusPolicy(Qt::StrongFocus);
  widget->setFocusProxy(m_lineEdit);
  QObject::connect(m_lineEdit, &QLineEdit::textChanged, [this](const QString& text) {
    Application().Guard([&] { m_page->Locked([&] { m_page->EditorTextChanged(text); }); });
  });
  AttachWidget(widget);
  SetTabStop(true);
  m_pickListPopup = new TPopupWindow(this);
  m_pickList = new TPopupListBox(this);
  m_pickList->SetParent(m_pickListPopup);
  m_pickList->SetHotTrack(true);
  m_pickList->OnChoose = [this](TObject*, int index) {
    m_page->Locked([&] {
      CloseUp(false);
      ListChosen(index);
    });
  };
  m_pickList->OnMeasureItem = [this](TObject*, int index, int& height) {
    if (TELPropsPageItem* item = m_page->ActiveItem()) {
      TBitmap scratch(1, 1);
      scratch.Canvas().Font().Assign(&m_pickList->Font());
      item->ListMeasureHeight(m_pickList->Items()[index], scratch.Canvas(), height);
    }
  };
  ListFontChanged();
}

TELPropsPageInplaceEdit::~TELPropsPageInplaceEdit() {
  m_pickList->OnChoose = nullptr;
  m_pickList->OnMeasureItem = nullptr;
  m_pickList->OnDrawItem = nullptr;
}

void TELPropsPageInplaceEdit::DrawListValue(TCanvas& canvas, int index, const QRect& rect, TOwnerDrawState state) {
  const bool selected = state.Contains(TOwnerDrawStateFlag::odSelected);
  canvas.Brush().SetColor(selected ? clHighlight : m_pickList->Color());
  canvas.Font().SetColor(selected ? clHighlightText : m_pickList->Font().Color());
  canvas.FillRect(rect);
  if (TELPropsPageItem* item = m_page->ActiveItem())
    item->ListDrawValue(m_pickList->Items()[index], canvas, rect, selected);
}

QString TELPropsPageInplaceEdit::Text() const { return m_lineEdit->text(); }

void TELPropsPageInplaceEdit::SetText(const QString& text) { m_lineEdit->setText(text); }

void TELPropsPageInplaceEdit::ForgetEdits() {
  if (!m_lineEdit->isUndoAvailable() && !m_lineEdit->isRedoAvailable()) return;
  const int start = SelStart();
  const int length = SelLength();
  const bool all = length > 0 && length == m_lineEdit->text().size();
  // The same text set again clears the field's history without a change.
  const QSignalBlocker quiet(m_lineEdit);
  m_lineEdit->setText(m_lineEdit->text());
  if (all) SelectAll();
  else SetSel(start, length);
}

void TELPropsPageInplaceEdit::SelectAll() {
  // Selected from the end back to the start, so the start of a long value
  // stays in view.
  const int length = static_cast<int>(m_lineEdit->text().size());
  m_lineEdit->setSelection(length, -length);
}

int TELPropsPageInplaceEdit::SelStart() const {
  return m_lineEdit->hasSelectedText() ? m_lineEdit->selectionStart() : m_lineEdit->cursorPosition();
}

int TELPropsPageInplaceEdit::SelLength() const { return static_cast<int>(m_lineEdit->selectedText().size()); }

void TELPropsPageInplaceEdit::SetSel(int start, int length) {
  if (length <= 0) m_lineEdit->setCursorPosition(start);
  else m_lineEdit->setSelection(start, length);
}

void TELPropsPageInplaceEdit::SetReadOnlyLook(bool value) {
  m_readOnly = value;
  m_lineEdit->setReadOnly(value);
}

void TELPropsPageInplaceEdit::SetEditStyle(TELPropEditStyle value) {
  if (value == m_editStyle) return;
  m_editStyle = value;
  CloseUp(false);
  LayoutParts();
  m_button->update();
}

void TELPropsPageInplaceEdit::SetColors(TColor background, TColor text) {
  QPalette p = m_lineEdit->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Base, ColorToQColor(background));
    p.setColor(group, QPalette::Text, ColorToQColor(text));
  }
  m_lineEdit->setPalette(p);
}

QRect TELPropsPageInplaceEdit::ButtonRect() const {
  if (m_editStyle == TELPropEditStyle::esSimple) return {};
  return QRect(Width() - ButtonWidth, 0, ButtonWidth, Height());
}

void TELPropsPageInplaceEdit::LayoutParts() {
  // No margin on the left; 2 pixels on the right, and the button beyond.
  const QRect button = ButtonRect();
  const int right = 2 + (button.isEmpty() ? 0 : ButtonWidth);
  m_lineEdit->setGeometry(0, 0, std::max(0, Width() - right), Height());
  m_button->setVisible(!button.isEmpty());
  if (!button.isEmpty()) m_button->setGeometry(button);
}

void TELPropsPageInplaceEdit::BoundsChanged(bool sizeChanged) {
  TWinControl::BoundsChanged(sizeChanged);
  LayoutParts();
  CloseUp(false);
}

void TELPropsPageInplaceEdit::FontChanged() {
  TWinControl::FontChanged();
  m_lineEdit->setFont(Font().ToQFont());
  ListFontChanged();
}

void TELPropsPageInplaceEdit::ListFontChanged() {
  m_pickList->Font().Assign(&Font());
  TBitmap scratch(1, 1);
  scratch.Canvas().Font().Assign(&m_pickList->Font());
  m_pickList->SetItemHeight(scratch.Canvas().TextHeight(QStringLiteral("Wg")));
}

void TELPropsPageInplaceEdit::DropDown() {
  TELPropsPageItem* item = m_page->ActiveItem();
  if (ListVisible() || !item) return;
  TPopupListBox& list = *m_pickList;
  // The list has the editor's font (and its text height as the row height)
  // and takes its colours.
  const QPalette palette = m_lineEdit->palette();
  const TColor background = QColorToColor(palette.color(QPalette::Base));
  list.SetColor(background);
  list.Font().SetColor(QColorToColor(palette.color(QPalette::Text)));
  m_pickListPopup->SetColor(background);
  TBitmap scratch(1, 1);
  TCanvas& canvas = scratch.Canvas();
  canvas.Font().Assign(&list.Font());
  const bool ownerDraw = item->OwnerDrawValues();
  list.SetVariableHeights(ownerDraw);
  if (ownerDraw) {
    list.OnDrawItem = [this](TObject*, TCanvas& c, int index, const QRect& rect, TOwnerDrawState state) {
      DrawListValue(c, index, rect, state);
    };
  } else {
    list.OnDrawItem = nullptr;
  }
  QStringList values;
  item->GetValues(values);
  const TStringList entries(values);
  list.SetItemIndex(-1);
  list.SetTopIndex(0);
  list.Items().Assign(&entries);
  const int shown = m_dropDownRows > 0 ? std::min(m_dropDownRows, list.Count()) : list.Count();
  // As wide as the editor, or as the widest entry needs.
  int client = Width() - 2 * kListFrame;
  for (const QString& value : values) {
    int width = canvas.TextWidth(value);
    if (ownerDraw) item->ListMeasureWidth(value, canvas, width);
    client = std::max(client, width + 4);
  }
  const int bar = shown < list.Count() ? VerticalScrollBarWidth() : 0;
  const int rowsHeight = list.Count() == 0 ? kEmptyListHeight - 2 * kListFrame : list.RowsHeight(0, shown);
  const QSize size(client + 2 * kListFrame + bar, rowsHeight + 2 * kListFrame);
  list.SetBounds(kListFrame, kListFrame, size.width() - 2 * kListFrame, rowsHeight);
  m_pickListPopup->Popup(this, size);
  list.SetItemIndex(Text().isEmpty() ? -1 : static_cast<int>(values.indexOf(Text())));
  m_lineEdit->update();
}

void TELPropsPageInplaceEdit::CloseUp(bool accept) {
  if (!ListVisible()) return;
  const int index = m_pickList->ItemIndex();
  m_pickListPopup->ClosePopup();
  if (accept && index >= 0) ListChosen(index);
}

void TELPropsPageInplaceEdit::ListChosen(int index) {
  SetText(m_pickList->Items()[index]);
  m_page->ApplyEditText(m_page->Row());
  SelectAll();
}

void TELPropsPageInplaceEdit::NextValue() {
  if (TELPropsPageItem* item = m_page->ActiveItem()) item->DblClick();
  // The value the item moved to, all selected.
  m_page->ReloadEditor();
  SelectAll();
}

void TELPropsPageInplaceEdit::ButtonDown() {
  m_buttonPressed = true;
  m_button->update();
  if (m_editStyle != TELPropEditStyle::esPickList) return;
  if (ListVisible()) CloseUp(false);
  else DropDown();
}

bool TELPropsPageInplaceEdit::WndProc(TMessage& m) {
  bool consumed = false;
  m_page->Locked([&] {
    const bool onButton = ButtonRect().contains(m.Pos);
    switch (m.Kind) {
      case TMessageKind::MouseWheel:
        m_page->MouseWheelTurned(m.WheelDelta);
        consumed = true;
        return;
      case TMessageKind::MouseDown:
      case TMessageKind::MouseDblClick:
        if (m.Button != TMouseButton::mbLeft) break;
        if (onButton) {
          // A double click on the button is a second press of it.
          ButtonDown();
          consumed = true;
          return;
        }
        if (m.Kind == TMessageKind::MouseDblClick) {
          NextValue();
          consumed = true;
          return;
        }
        break;
      case TMessageKind::MouseUp:
        if (m.Button != TMouseButton::mbLeft || !m_buttonPressed) break;
        m_buttonPressed = false;
        m_button->update();
        if (m_editStyle == TELPropEditStyle::esEllipsis && onButton)
          if (TELPropsPageItem* item = m_page->ActiveItem()) item->EditButtonClick();
        consumed = true;
        return;
      case TMessageKind::FocusOut:
        TWinControl::WndProc(m);
        m_page->FocusLeft(QApplication::focusWidget());
        return;
      case TMessageKind::KeyDown:
      case TMessageKind::SysKeyDown:
      case TMessageKind::Char:
        // A key whose commit fails is still this editor's: the error is
        // shown and the key goes no further (not to a default button).
        try {
          consumed = TWinControl::WndProc(m);
        } catch (const std::exception& e) {
          Application().HandleException(e);
          consumed = true;
        }
        return;
      default:
        break;
    }
    consumed = TWinControl::WndProc(m);
  });
  return consumed;
}

void TELPropsPageInplaceEdit::KeyDown(uint16_t& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == 0) return;
  const bool alt = shift.Contains(TShiftStateFlag::ssAlt);
  const bool pickList = m_editStyle == TELPropEditStyle::esPickList;
  if (ListVisible()) {
    if (key == VK_RETURN || ((key == VK_UP || key == VK_DOWN) && alt) || key == VK_F4) CloseUp(true);
    else if (key == VK_ESCAPE) CloseUp(false);
    else if (!m_pickListPopup->HandleKey(key)) return;
    key = 0;
    return;
  }
  switch (key) {
    case VK_RETURN: {
      m_page->ApplyEditText(m_page->Row());
      if (shift == TShiftState{TShiftStateFlag::ssCtrl}) NextValue();
      SelectAll();
      key = 0;
      return;
    }
    case VK_ESCAPE:
      if (TELPropsPageItem* item = m_page->ActiveItem()) {
        SetText(item->DisplayValue());
        SelectAll();
        key = 0;
      }
      return;
    case VK_END:
      if (SelLength() > 0 && SelStart() + SelLength() == Text().size()) SetSel(SelStart(), 0);
      return;
    case VK_HOME:
      if (SelLength() > 0 && SelStart() == 0) SetSel(0, 0);
      return;
    case VK_UP:
    case VK_DOWN:
      if (alt) {
        if (pickList) DropDown();
        key = 0;
        return;
      }
      [[fallthrough]];
    case VK_PRIOR:
    case VK_NEXT:
      if (m_page->NavigationKey(key, shift)) key = 0;
      return;
    default:
      if (key == VK_F4 && pickList) {
        DropDown();
        key = 0;
      }
      return;
  }
}

void TELPropsPageInplaceEdit::KeyPress(QChar& key) {
  TWinControl::KeyPress(key);
  // Enter commits; its character never reaches the text.
  if (key == QLatin1Char('\r') || key == QLatin1Char('\n')) key = QChar();
}
