#include "inspector/ELPropsPage.h"

#include "inspector/ELPropsPageEdit.h"
#include "toolkit/Application.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/SysUtils.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int kBorder = 2;
constexpr int kMinColumn = 40;
constexpr int kGlyphZone = 13;
constexpr int kSplitterZone = 4;

}  // namespace

void DrawLine(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
  canvas.Pen().SetColor(color);
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

// ---- TELPropsPageItem ----

TELPropsPageItem::TELPropsPageItem(TELCustomPropsPage* page, TELPropsPageItem* parent)
    : m_parent(parent), m_owner(page) {}

TELPropsPageItem::~TELPropsPageItem() {
  Clear();
  m_owner->ForgetItem(this);
}

TELPropsPageItem* TELPropsPageItem::Item(int index) const { return static_cast<TELPropsPageItem*>(Items(index)); }

std::unique_ptr<TObject> TELPropsPageItem::CreateItem() { return m_owner->CreateItem(this); }

void TELPropsPageItem::Change() { m_owner->ItemsChanged(); }

void TELPropsPageItem::AfterDelete() { m_expanded = m_expanded && HasChildren(); }

bool TELPropsPageItem::HasChildren() const {
  return m_expandable == TELPropsPageItemExpandable::exAlways ||
         (m_expandable == TELPropsPageItemExpandable::exAuto && Count() > 0);
}

int TELPropsPageItem::Level() const {
  int level = 0;
  for (const TELPropsPageItem* p = m_parent; p; p = p->m_parent) ++level;
  return level;
}

void TELPropsPageItem::SetExpandable(TELPropsPageItemExpandable value) {
  if (value == m_expandable) return;
  m_expandable = value;
  m_expanded = m_expanded && HasChildren();
  Change();
}

void TELPropsPageItem::SetCaption(const QString& value) {
  if (value == m_caption) return;
  m_caption = value;
  Change();
}

void TELPropsPageItem::SetEditStyle(TELPropEditStyle value) {
  if (value == m_editStyle) return;
  m_editStyle = value;
  Change();
}

void TELPropsPageItem::SetReadOnly(bool value) {
  if (value == m_readOnly) return;
  m_readOnly = value;
  Change();
}

void TELPropsPageItem::SetAutoUpdate(bool value) {
  if (value == m_autoUpdate) return;
  m_autoUpdate = value;
  Change();
}

void TELPropsPageItem::SetOwnerDrawValues(bool value) {
  if (value == m_ownerDrawValues) return;
  m_ownerDrawValues = value;
  Change();
}

void TELPropsPageItem::SetDisplayValue(const QString& value) {
  if (value == m_value) return;
  m_value = value;
  Change();
}

void TELPropsPageItem::Expand() {
  if (m_expanded || !HasChildren()) return;
  m_owner->Locked([this] {
    m_expanded = true;
    m_owner->DoExpand(this);
    Change();
  });
}

void TELPropsPageItem::Collapse() {
  if (!m_expanded) return;
  m_owner->Locked([this] {
    m_expanded = false;
    m_owner->DoCollapse(this);
    Change();
  });
}

// ---- TELPropsPageItems ----

TELPropsPageItem* TELPropsPageItems::Item(int index) const { return static_cast<TELPropsPageItem*>(Items(index)); }

std::unique_ptr<TObject> TELPropsPageItems::CreateItem() { return m_owner->CreateItem(nullptr); }

void TELPropsPageItems::Change() { m_owner->ItemsChanged(); }

// ---- TELCustomPropsPage ----

const TClassInfo& TELCustomPropsPage::StaticClass() {
  static const TClassInfo info("TELCustomPropsPage", &TCustomControl::StaticClass());
  return info;
}

TELCustomPropsPage::TELCustomPropsPage(TComponent* owner)
    : TCustomControl(owner), m_items(std::make_unique<TELPropsPageItems>(this)) {
  m_scrollBar = new QScrollBar(Qt::Vertical, Widget());
  m_scrollBar->setFocusPolicy(Qt::NoFocus);
  m_scrollBar->hide();
  QObject::connect(m_scrollBar, &QScrollBar::valueChanged, [this](int value) {
    if (!m_syncingScrollBar) Application().Guard([&] { Scroll(TELScrollCode::scTrack, value); });
  });
  m_editor = new TELPropsPageInplaceEdit(this);
  m_editor->SetParent(this);
  m_editor->Hide();
  SetColor(clBtnFace);
  UpdateRowHeight();
  SetBounds(0, 0, 188, 193);
  SetSplitter(84);
  ReloadEditor();
}

TELCustomPropsPage::~TELCustomPropsPage() {
  m_destroying = true;
  m_editor->CloseUp(false);
  m_items.reset();
}

void TELCustomPropsPage::BeginUpdate() { ++m_updateCount; }

void TELCustomPropsPage::EndUpdate() {
  if (--m_updateCount > 0) return;
  m_updateCount = 0;
  Unlocked();
}

void TELCustomPropsPage::EndUpdateAfterError() {
  // The first error is the one the user must see; a later one still shows.
  try {
    EndUpdate();
  } catch (const std::exception& e) {
    Application().HandleException(e);
  }
}

void TELCustomPropsPage::Unlocked() {
  if (m_updatePending) ItemsChanged();
}

std::unique_ptr<TELPropsPageItem> TELCustomPropsPage::CreateItem(TELPropsPageItem* parent) {
  return std::make_unique<TELPropsPageItem>(this, parent);
}

TColor TELCustomPropsPage::GetItemCaptionColor(TELPropsPageItem*) { return Font().Color(); }

TELPropsPageItem* TELCustomPropsPage::ItemAtRow(int row) const {
  if (row < 0 || row >= RowCount()) return nullptr;
  return m_rows[static_cast<size_t>(row)];
}

void TELCustomPropsPage::ForgetItem(TELPropsPageItem* item) {
  if (item->m_row >= 0 && item->m_row < RowCount() && m_rows[static_cast<size_t>(item->m_row)] == item)
    m_rows[static_cast<size_t>(item->m_row)] = nullptr;
  item->m_row = -1;
  // Text typed for this item goes with it.
  if (m_editItem == item) m_editItem = nullptr;
}

void TELCustomPropsPage::RowsFromItems() {
  for (TELPropsPageItem* item : m_rows)
    if (item) item->m_row = -1;
  m_rows.clear();
  std::vector<TELPropsPageItem*> stack;
  for (int i = m_items->Count() - 1; i >= 0; --i) stack.push_back(m_items->Item(i));
  while (!stack.empty()) {
    TELPropsPageItem* item = stack.back();
    stack.pop_back();
    item->m_row = RowCount();
    m_rows.push_back(item);
    if (item->m_expanded)
      for (int i = item->Count() - 1; i >= 0; --i) stack.push_back(item->Item(i));
  }
}

void TELCustomPropsPage::ItemsChanged() {
  if (m_updateCount > 0 || m_destroying) {
    m_updatePending = true;
    return;
  }
  m_updatePending = false;
  TELPropsPageItem* remembered = ActiveItem();
  RowsFromItems();
  // The current item, or its nearest shown ancestor, stays current.
  int row = -1;
  for (TELPropsPageItem* item = remembered; item; item = item->m_parent) {
    if (item->m_row != -1) {
      row = item->m_row;
      break;
    }
  }
  if (row < 0 && RowCount() > 0) row = std::clamp(m_row, 0, RowCount() - 1);
  m_editor->CloseUp(false);
  const bool moved = row != m_row;
  m_row = row;
  UpdateScrollBar();
  ClampTopRow();
  if (moved) ScrollInView(m_row);
  PlaceEditor();
  ReloadEditor();
  Invalidate();
}

void TELCustomPropsPage::ReloadEditor() {
  TELPropsPageItem* item = ActiveItem();
  const TScopedValue loading(m_loadingEditor, true);
  m_editText = item ? item->DisplayValue() : QString();
  m_editItem = item;
  if (m_editor->Text() != m_editText) {
    m_editor->SetText(m_editText);
    // The start of a value that is longer than the cell shows.
    m_editor->SetSel(0, 0);
  } else {
    // The value as loaded is where the field's own undo starts.
    m_editor->ForgetEdits();
  }
  const bool editable = CanEditModify();
  if (editable) m_editor->SetColors(clWindow, clWindowText);
  else m_editor->SetColors(Color(), m_valuesColor);
  m_editor->SetReadOnlyLook(!editable);
  m_editor->SetEditStyle(item ? item->EditStyle() : TELPropEditStyle::esSimple);
}

bool TELCustomPropsPage::CanEditModify() const {
  const TELPropsPageItem* item = ActiveItem();
  return item && !item->ReadOnly();
}

void TELCustomPropsPage::ApplyEditText(int row) {
  TELPropsPageItem* item = ItemAtRow(row);
  if (!item || item != m_editItem) return;
  Locked([&] {
    try {
      item->SetDisplayValue(m_editText);
    } catch (...) {
      ReloadEditor();
      throw;
    }
    ReloadEditor();
  });
}

void TELCustomPropsPage::EditorTextChanged(const QString& text) {
  if (m_loadingEditor) return;
  TELPropsPageItem* item = ActiveItem();
  m_editText = text;
  m_editItem = item;
  if (item && item->AutoUpdate()) {
    Locked([&] {
      try {
        item->SetDisplayValue(text);
      } catch (...) {
        ReloadEditor();
        throw;
      }
    });
  }
}

void TELCustomPropsPage::FocusLeft(QWidget* now) {
  // The window losing the activation keeps the focus where it is.
  if (!now || now == Widget() || Widget()->isAncestorOf(now)) return;
  m_editor->CloseUp(false);
  ApplyEditText(m_row);
}

void TELCustomPropsPage::SetRow(int row) {
  if (RowCount() == 0) return;
  row = std::clamp(row, 0, RowCount() - 1);
  if (row == m_row) {
    ScrollInView(row);
    return;
  }
  Locked([&] {
    m_editor->CloseUp(false);
    ApplyEditText(m_row);
    MoveRow(row);
  });
}

void TELCustomPropsPage::MoveRow(int row) {
  const int old = m_row;
  m_row = row;
  // A row looks different when it is just above the current one.
  for (int r : {old - 1, old, old + 1, row - 1, row, row + 1}) InvalidateRow(r);
  ScrollInView(row);
  PlaceEditor();
  ReloadEditor();
  // The value of the row moved to is selected, so typing replaces it.
  m_editor->SelectAll();
}

void TELCustomPropsPage::InvalidateRow(int row) {
  const QRect r = CellRect(0, row);
  if (!r.isEmpty()) Widget()->update(QRect(r.topLeft(), QSize(ColWidth(0) + ColWidth(1), r.height())));
}

// ---- geometry ----

QPoint TELCustomPropsPage::GridOrigin() const {
  const int b = m_borderSingle ? kBorder : 0;
  return QPoint(b, b);
}

int TELCustomPropsPage::VisibleRowCount() const {
  const int gridHeight = Height() - 2 * GridOrigin().y();
  return std::max(0, gridHeight / std::max(1, m_rowHeight));
}

bool TELCustomPropsPage::ScrollBarShown() const { return !m_scrollBar->isHidden(); }

void TELCustomPropsPage::SetSplitter(int value) {
  value = std::min(value, Width() - kMinColumn);
  m_colWidths[0] = std::max(value, kMinColumn);
  UpdateColumns();
}

void TELCustomPropsPage::UpdateColumns() {
  // The value column ends where the scroll bar begins.
  const int gridWidth = Width() - 2 * GridOrigin().x();
  const int bar = ScrollBarShown() ? m_scrollBar->width() : 0;
  m_colWidths[1] = std::max(0, gridWidth - bar - m_colWidths[0]);
  PlaceEditor();
  Invalidate();
}

QRect TELCustomPropsPage::CellRect(int col, int row) const {
  if (row < m_topRow || row >= RowCount() || col < 0 || col > 1) return {};
  const QPoint origin = GridOrigin();
  const int y = origin.y() + (row - m_topRow) * m_rowHeight;
  if (y >= Height() - origin.y()) return {};
  const int x = origin.x() + (col == 0 ? 0 : m_colWidths[0]);
  return QRect(x, y, m_colWidths[col], m_rowHeight);
}

QPoint TELCustomPropsPage::MouseCoord(const QPoint& pos) const {
  const QPoint g = pos - GridOrigin();
  int col = -1;
  if (g.x() >= 0 && g.x() < m_colWidths[0]) col = 0;
  else if (g.x() >= m_colWidths[0] && g.x() < m_colWidths[0] + m_colWidths[1]) col = 1;
  int row = -1;
  const int gridHeight = Height() - 2 * GridOrigin().y();
  if (g.y() >= 0 && g.y() < gridHeight) {
    const int r = m_topRow + g.y() / std::max(1, m_rowHeight);
    if (r < RowCount()) row = r;
  }
  return QPoint(col, row);
}

void TELCustomPropsPage::SetTopRow(int row) {
  row = std::clamp(row, 0, std::max(0, RowCount() - VisibleRowCount()));
  if (row == m_topRow) return;
  m_topRow = row;
  m_editor->CloseUp(false);
  UpdateScrollBar();
  PlaceEditor();
  Invalidate();
}

void TELCustomPropsPage::Scroll(TELScrollCode code, int position) {
  int top = m_topRow;
  switch (code) {
    case TELScrollCode::scLineUp: top -= 1; break;
    case TELScrollCode::scLineDown: top += 1; break;
    case TELScrollCode::scPageUp: top -= VisibleRowCount(); break;
    case TELScrollCode::scPageDown: top += VisibleRowCount(); break;
    case TELScrollCode::scTop: top = 0; break;
    case TELScrollCode::scBottom: top = RowCount() - 1; break;
    case TELScrollCode::scPosition:
    case TELScrollCode::scTrack: top = position; break;
    case TELScrollCode::scOther: break;
  }
  // When all rows fit the only top row is 0.
  SetTopRow(std::clamp(top, 0, std::max(0, RowCount() - VisibleRowCount())));
}

void TELCustomPropsPage::MouseWheelTurned(int delta) {
  for (int notches = std::abs(delta / 120); notches > 0; --notches) {
    if (delta < 0 && m_topRow < RowCount() - VisibleRowCount()) SetTopRow(m_topRow + 1);
    else if (delta > 0 && m_topRow > 0) SetTopRow(m_topRow - 1);
  }
}

void TELCustomPropsPage::ClampTopRow() {
  // No empty band at the bottom while rows above are hidden.
  const int fit = VisibleRowCount();
  if (RowCount() - m_topRow < fit) SetTopRow(std::max(0, RowCount() - fit));
  else SetTopRow(m_topRow);
}

void TELCustomPropsPage::ScrollInView(int row) {
  if (row < 0) return;
  if (row < m_topRow) SetTopRow(row);
  else if (row >= m_topRow + VisibleRowCount()) SetTopRow(row - VisibleRowCount() + 1);
}

void TELCustomPropsPage::UpdateScrollBar() {
  const int visible = VisibleRowCount();
  const bool needed = RowCount() > visible;
  const QPoint origin = GridOrigin();
  const int width = m_scrollBar->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  m_scrollBar->setGeometry(Width() - origin.x() - width, origin.y(), width, Height() - 2 * origin.y());
  m_syncingScrollBar = true;
  m_scrollBar->setRange(0, std::max(0, RowCount() - visible));
  m_scrollBar->setPageStep(std::max(1, visible));
  m_scrollBar->setValue(m_topRow);
  m_syncingScrollBar = false;
  if (needed == ScrollBarShown()) return;
  m_scrollBar->setVisible(needed);
  UpdateColumns();
}

void TELCustomPropsPage::PlaceEditor() {
  const QRect cell = CellRect(1, m_row);
  const bool shown = !cell.isEmpty() && m_row < m_topRow + std::max(1, VisibleRowCount());
  if (!shown) {
    // Keys typed meanwhile go to the page, which shows the editor again.
    if (m_editor->Focused()) {
      m_focusToPage = true;
      struct Done {
        bool& flag;
        ~Done() { flag = false; }
      } done{m_focusToPage};
      Widget()->setFocus(Qt::OtherFocusReason);
    }
    m_editor->Hide();
    return;
  }
  m_editor->SetBounds(cell.left(), cell.top(), cell.width(), cell.height() - 2);
  m_editor->Show();
  // The focus the page kept while the editor was scrolled away goes back.
  if (Widget()->hasFocus() && m_editor->CanFocus()) m_editor->SetFocus();
}

void TELCustomPropsPage::SetValuesColor(TColor value) {
  if (value == m_valuesColor) return;
  m_valuesColor = value;
  ReloadEditor();
  Invalidate();
}

void TELCustomPropsPage::SetBorderSingle(bool value) {
  if (value == m_borderSingle) return;
  m_borderSingle = value;
  BoundsChanged(true);
}

void TELCustomPropsPage::BoundsChanged(bool sizeChanged) {
  TCustomControl::BoundsChanged(sizeChanged);
  if (!m_scrollBar) return;
  SetSplitter(m_colWidths[0]);
  UpdateScrollBar();
  ClampTopRow();
  PlaceEditor();
}

void TELCustomPropsPage::UpdateRowHeight() {
  // The text height of "Wg" and room for the lines that close a row.
  m_rowHeight = QFontMetrics(Font().ToQFont()).height() + 3;
}

void TELCustomPropsPage::FontChanged() {
  TCustomControl::FontChanged();
  UpdateRowHeight();
  if (m_editor) BoundsChanged(true);
}

void TELCustomPropsPage::ColorChanged() {
  TCustomControl::ColorChanged();
  if (m_editor) ReloadEditor();
}

// ---- input ----

bool TELCustomPropsPage::WndProc(TMessage& m) {
  if (m.Kind == TMessageKind::MouseWheel) {
    MouseWheelTurned(m.WheelDelta);
    return true;
  }
  if (m.Kind == TMessageKind::FocusOut) {
    TCustomControl::WndProc(m);
    FocusLeft(QApplication::focusWidget());
    return false;
  }
  bool consumed = false;
  Locked([&] { consumed = TCustomControl::WndProc(m); });
  return consumed;
}

void TELCustomPropsPage::DoEnter() {
  TCustomControl::DoEnter();
  if (!m_focusToPage && m_editor->Visible() && m_editor->CanFocus()) m_editor->SetFocus();
}

void TELCustomPropsPage::ToggleItem(TELPropsPageItem* item) {
  if (item->Expanded()) item->Collapse();
  else item->Expand();
}

void TELCustomPropsPage::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != TMouseButton::mbLeft) {
    TCustomControl::MouseDown(button, shift, x, y);
    return;
  }
  m_lastPress = QPoint(x, y);
  const QPoint g = m_lastPress - GridOrigin();
  const QPoint cell = MouseCoord(m_lastPress);
  if (g.x() >= Splitter() - kSplitterZone && g.x() <= Splitter() && cell.y() >= 0) {
    m_splitterDragging = true;
    m_dragOffset = g.x() - Splitter();
    SetMouseCapture(true);
    return;
  }
  TCustomControl::MouseDown(button, shift, x, y);
  if (cell.x() < 0 || cell.y() < 0) return;
  m_selecting = true;
  SetMouseCapture(true);
  try {
    if (cell.x() == 1) {
      SetRow(cell.y());
    } else if (TELPropsPageItem* item = ItemAtRow(cell.y());
               item && item->HasChildren() && g.x() >= item->Indent() && g.x() <= item->Indent() + kGlyphZone) {
      SetRow(cell.y());
      ToggleItem(item);
    } else if (cell.y() < m_topRow + VisibleRowCount()) {
      SetRow(cell.y());
    }
  } catch (...) {
    m_selecting = false;
    SetMouseCapture(false);
    throw;
  }
  if (m_editor->Visible() && m_editor->CanFocus()) m_editor->SetFocus();
}

void TELCustomPropsPage::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  const int gx = x - GridOrigin().x();
  if (m_splitterDragging) {
    SetSplitter(gx - m_dragOffset);
    return;
  }
  if (!m_selecting) {
    const bool zone = gx >= Splitter() - kSplitterZone && gx <= Splitter() && MouseCoord(QPoint(x, y)).y() >= 0;
    Widget()->setCursor(CursorShape(zone ? crHSplit : Cursor()));
    return;
  }
  const int row = MouseCoord(QPoint(x, y)).y();
  try {
    if (row >= 0) SetRow(row);
    else if (y < GridOrigin().y() && m_row > 0) SetRow(m_row - 1);
    else if (y >= GridOrigin().y() && m_row < RowCount() - 1) SetRow(m_row + 1);
  } catch (...) {
    m_selecting = false;
    SetMouseCapture(false);
    throw;
  }
}

void TELCustomPropsPage::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && (m_splitterDragging || m_selecting)) {
    m_splitterDragging = false;
    m_selecting = false;
    SetMouseCapture(false);
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TELCustomPropsPage::DblClick() {
  TCustomControl::DblClick();
  const QPoint cell = MouseCoord(m_lastPress);
  if (cell.x() != 0) return;
  TELPropsPageItem* item = ItemAtRow(cell.y());
  const int gx = m_lastPress.x() - GridOrigin().x();
  if (item && (gx < item->Indent() || gx > item->Indent() + kGlyphZone)) ToggleItem(item);
}

bool TELCustomPropsPage::NavigationKey(uint16_t key, TShiftState) {
  if (RowCount() == 0) return false;
  switch (key) {
    case VK_UP: SetRow(std::max(0, m_row - 1)); return true;
    case VK_DOWN: SetRow(m_row + 1); return true;
    case VK_PRIOR: SetRow(std::max(0, m_row - std::max(1, VisibleRowCount()))); return true;
    case VK_NEXT: SetRow(m_row + std::max(1, VisibleRowCount())); return true;
    case VK_HOME: SetRow(0); return true;
    case VK_END: SetRow(RowCount() - 1); return true;
    default: return false;
  }
}

void TELCustomPropsPage::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key != 0 && NavigationKey(key, shift)) key = 0;
}

void TELCustomPropsPage::KeyPress(QChar& key) {
  TCustomControl::KeyPress(key);
  // Typing while the editor is scrolled away brings it back with the key.
  if (key.isNull() || !key.isPrint() || !CanEditModify()) return;
  ScrollInView(m_row);
  PlaceEditor();
  if (!m_editor->Visible() || !m_editor->CanFocus()) return;
  m_editor->SetFocus();
  m_editor->SetText(m_editor->Text() + key);
  key = QChar();
}

// ---- painting ----

void TELCustomPropsPage::DrawBorder(TCanvas& canvas) {
  if (!m_borderSingle) return;
  const int w = Width();
  const int h = Height();
  auto line = [&canvas](TColor color, int x1, int y1, int x2, int y2) { DrawLine(canvas, color, x1, y1, x2, y2); };
  // A sunken edge: shadows above and left, lights below and right.
  line(clBtnShadow, 0, h - 1, 0, 0);
  line(clBtnShadow, 0, 0, w - 1, 0);
  line(clBtnHighlight, w - 1, 0, w - 1, h - 1);
  line(clBtnHighlight, w - 1, h - 1, -1, h - 1);
  line(cl3DDkShadow, 1, h - 2, 1, 1);
  line(cl3DDkShadow, 1, 1, w - 2, 1);
  line(cl3DLight, w - 2, 1, w - 2, h - 2);
  line(cl3DLight, w - 2, h - 2, 0, h - 2);
}

void TELCustomPropsPage::DottedBrush(TBrush& brush) {
  if (m_dotColor != Color() || m_dotPattern.isNull()) {
    m_dotPattern = QImage(8, 1, QImage::Format_RGB32);
    for (int x = 0; x < 8; ++x)
      m_dotPattern.setPixelColor(x, 0, ColorToQColor(x % 2 == 0 ? clBtnShadow : Color()));
    m_dotColor = Color();
  }
  brush.SetPattern(m_dotPattern);
}

void TELCustomPropsPage::PaintCellBitmap(int col, int row, int width, int height) {
  m_cellBitmap.SetSize(width, height);
  TCanvas& c = m_cellBitmap.Canvas();
  TELPropsPageItem* item = ItemAtRow(row);
  c.Font().Assign(&Font());
  c.Brush().SetPattern(QImage());
  c.Brush().SetStyle(TBrushStyle::bsSolid);
  c.Brush().SetColor(Color());
  c.Pen().SetStyle(TPenStyle::psSolid);
  QString text;
  int indent = 0;
  if (item) {
    text = col == 0 ? item->Caption() : item->DisplayValue();
    c.Font().SetColor(col == 0 ? GetItemCaptionColor(item) : m_valuesColor);
    indent = item->Indent();
  }
  const QRect all(0, 0, width, height);
  c.FillRect(all);
  c.TextRect(all, col == 1 ? 1 : indent + kGlyphZone, 1, text);
  auto line = [&c](TColor color, int x1, int y1, int x2, int y2) { DrawLine(c, color, x1, y1, x2, y2); };
  if (col == 0 && item && item->HasChildren()) {
    const int x0 = indent + 2;
    const int y0 = 3;
    c.Pen().SetColor(clBlack);
    c.Brush().SetColor(clWhite);
    c.Rectangle(x0, y0, x0 + 9, y0 + 9);
    line(clBlack, x0 + 2, y0 + 4, x0 + 7, y0 + 4);
    if (!item->Expanded()) line(clBlack, x0 + 4, y0 + 2, x0 + 4, y0 + 7);
  }
  if (col == 0) {
    line(clBtnShadow, width - 2, 0, width - 2, height);
    line(clBtnHighlight, width - 1, 0, width - 1, height);
  }
  if (row == m_row - 1) {
    line(cl3DDkShadow, 0, height - 2, width, height - 2);
    line(clBtnShadow, 0, height - 1, width, height - 1);
  } else if (row == m_row) {
    if (col == 0) {
      line(cl3DDkShadow, 0, 0, 0, height);
      line(clBtnShadow, 1, 0, 1, height);
    }
    line(clBtnHighlight, 0, height - 2, width, height - 2);
    line(cl3DLight, 0, height - 1, width, height - 1);
  } else {
    DottedBrush(c.Brush());
    c.FillRect(QRect(0, height - 1, width, 1));
    c.Brush().SetPattern(QImage());
  }
}

void TELCustomPropsPage::DrawCell(TCanvas& canvas, int col, int row, const QRect& rect) {
  // Nothing is drawn over the border below the grid.
  const int bottom = Height() - GridOrigin().y();
  const int shownHeight = std::min(rect.height(), bottom - rect.top());
  if (shownHeight <= 0 || rect.width() <= 0) return;
  if (col == 1 && row == m_row && m_editor->Visible()) {
    // Under the editor only the two lines that close the current row.
    const int r = rect.left() + rect.width();
    const int b = rect.top() + rect.height();
    DrawLine(canvas, clBtnHighlight, rect.left(), b - 2, r, b - 2);
    DrawLine(canvas, cl3DLight, rect.left(), b - 1, r, b - 1);
    return;
  }
  PaintCellBitmap(col, row, rect.width(), rect.height());
  const QImage& image = m_cellBitmap.Image();
  canvas.Draw(rect.left(), rect.top(), shownHeight < rect.height() ? image.copy(0, 0, rect.width(), shownHeight) : image);
}

QImage TELCustomPropsPage::CellImage(int col, int row) {
  PaintCellBitmap(col, row, ColWidth(col), m_rowHeight);
  return m_cellBitmap.Image().copy();
}

void TELCustomPropsPage::Paint() {
  TCanvas& canvas = Canvas();
  const QPoint origin = GridOrigin();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(QRect(origin, QSize(Width() - 2 * origin.x(), Height() - 2 * origin.y())));
  DrawBorder(canvas);
  for (int row = m_topRow; row < RowCount(); ++row) {
    const QRect caption = CellRect(0, row);
    if (caption.isEmpty()) break;
    DrawCell(canvas, 0, row, caption);
    DrawCell(canvas, 1, row, CellRect(1, row));
  }
  // The two lines under the editor, once more after everything else.
  if (m_row >= 0) DrawCell(canvas, 1, m_row, CellRect(1, m_row));
}
