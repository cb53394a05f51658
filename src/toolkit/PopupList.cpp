#include "toolkit/PopupList.h"

#include "toolkit/Application.h"
#include "toolkit/FreeWatch.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/Screen.h"
#include "toolkit/SystemLook.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionButton>

#include <algorithm>
#include <climits>
#include <cstdint>

QRect ScreenGeometryAt(const QPoint& screenPoint) {
  QScreen* screen = QGuiApplication::screenAt(screenPoint);
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, Screen().Width(), Screen().Height());
}

QRect PlacePopup(const QRect& anchor, const QSize& size, const QRect& screen) {
  // 64-bit sums: no bounds near the integer limits overflow.
  const int64_t w = std::max(0, size.width());
  const int64_t h = std::max(0, size.height());
  const int64_t screenLeft = screen.left();
  const int64_t screenTop = screen.top();
  const int64_t screenRight = screenLeft + screen.width();
  const int64_t screenBottom = screenTop + screen.height();
  int64_t x = anchor.left();
  int64_t y = int64_t{anchor.top()} + anchor.height();
  if (x + w > screenRight) x -= w - anchor.width();
  if (y + h > screenBottom) y = int64_t{anchor.top()} - h;
  x = std::max(std::min(x, screenRight - w), screenLeft);
  y = std::max(std::min(y, screenBottom - h), screenTop);
  auto clampInt = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); };
  return QRect(clampInt(x), clampInt(y), static_cast<int>(w), static_cast<int>(h));
}

namespace {

bool Holds(const QWidget* outer, const QWidget* inner) {
  return outer && inner && (outer == inner || outer->isAncestorOf(inner));
}

}  // namespace

// ---- TPopupWindow ----

// Watches the whole application while the popup is open: mouse presses,
// focus changes and the application's activation.
class TPopupWindow::Watcher : public QObject {
 public:
  explicit Watcher(TPopupWindow& popup) : m_popup(popup) {}

  void Start() {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { Application().Guard([&] { m_popup.FocusMoved(now); }); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
      if (state != Qt::ApplicationActive)
        Application().Guard([this] { m_popup.ClosePopup(TPopupCloseReason::pcFocusLost); });
    });
  }

  void Stop() {
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target) return false;
    const QPoint pos = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    // Closing may free the popup and this watcher: only the local answer is
    // used afterwards.
    bool swallow = false;
    Application().Guard([&] { swallow = m_popup.PressSeen(target, pos); });
    return swallow;
  }

 private:
  TPopupWindow& m_popup;
};

const TClassInfo& TPopupWindow::StaticClass() {
  static const TClassInfo info("TPopupWindow", &TCustomControl::StaticClass());
  return info;
}

TPopupWindow::TPopupWindow(TComponent* owner) : TCustomControl(owner), m_watcher(std::make_unique<Watcher>(*this)) {
  QWidget* widget = Widget();
  // A window of its own that neither the window manager nor a click
  // activates: the control that opened it keeps the focus.
  widget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::NoDropShadowWindowHint);
  widget->setAttribute(Qt::WA_ShowWithoutActivating);
  widget->setFocusPolicy(Qt::NoFocus);
  SetVisible(false);
  SetColor(clWindow);
}

TPopupWindow::~TPopupWindow() {
  Destroying();
  m_watcher->Stop();
  if (m_opener) m_opener->RemoveFreeNotification(this);
}

void TPopupWindow::SetScreenGeometry(TScreenGeometry geometry) { m_screenGeometry = std::move(geometry); }

void TPopupWindow::SetBorderWidth(int value) {
  m_borderWidth = std::max(0, value);
  Invalidate();
}

void TPopupWindow::SetBorderColor(TColor value) {
  m_borderColor = value;
  Invalidate();
}

void TPopupWindow::SetOpener(TControl* opener) {
  if (opener == m_opener) return;
  if (m_opener) m_opener->RemoveFreeNotification(this);
  m_opener = opener;
  if (m_opener) m_opener->FreeNotification(this);
}

void TPopupWindow::Popup(TControl* opener, const QSize& size) {
  if (!opener || IsDesigning() || IsDestroying()) return;
  SetOpener(opener);
  const QPoint origin = opener->Widget() ? opener->Widget()->mapToGlobal(QPoint(0, 0)) : opener->ClientOrigin();
  const QRect anchor(origin, QSize(opener->Width(), opener->Height()));
  const QRect screen = m_screenGeometry ? m_screenGeometry(anchor.center()) : ScreenGeometryAt(anchor.center());
  SetBoundsRect(PlacePopup(anchor, size, screen));
  if (!m_open) {
    m_open = true;
    m_watcher->Start();
  }
  SetVisible(true);
  SyncVisibility();
  Widget()->raise();
}

void TPopupWindow::Hide() {
  if (TControl* capture = CaptureControl(); capture && Holds(Widget(), capture->Widget()))
    capture->SetMouseCapture(false);
  SetVisible(false);
}

void TPopupWindow::ClosePopup(TPopupCloseReason reason) {
  if (!m_open) return;
  m_open = false;
  m_watcher->Stop();
  Hide();
  // The handler may free the popup: a copy runs and nothing is touched after it.
  if (OnCloseUp) {
    const TPopupCloseEvent handler = OnCloseUp;
    handler(this, reason);
  }
}

TPopupListBox* TPopupWindow::List() const {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* list = dynamic_cast<TPopupListBox*>(Controls(i))) return list;
  return nullptr;
}

bool TPopupWindow::HandleKey(uint16_t key) {
  if (!m_open) return false;
  if (key == VK_ESCAPE) {
    ClosePopup(TPopupCloseReason::pcEscape);
    return true;
  }
  TPopupListBox* list = List();
  if (key == VK_RETURN) {
    TFreeWatch watch(this);
    if (list) list->ChooseCurrent();
    if (!watch.Gone()) ClosePopup(TPopupCloseReason::pcChosen);
    return true;
  }
  return list && list->HandleKey(key);
}

bool TPopupWindow::PressSeen(QWidget* target, const QPoint&) {
  if (!m_open || Holds(Widget(), target)) return false;
  // A press on the control that opened the popup only closes it: the
  // opener's drop-down button must not open it again at once.
  const bool onOpener = m_opener && Holds(m_opener->Widget(), target);
  ClosePopup(TPopupCloseReason::pcOutsideClick);
  return onOpener;
}

void TPopupWindow::FocusMoved(QWidget* now) {
  // A focus that goes nowhere is the application losing the activation,
  // which the state change reports.
  if (!m_open || !now || Holds(Widget(), now)) return;
  if (m_opener && Holds(m_opener->Widget(), now)) return;
  ClosePopup(TPopupCloseReason::pcFocusLost);
}

void TPopupWindow::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != TOperation::opRemove || component != m_opener) return;
  // The opener is going away: the popup hides without reporting to it.
  m_opener = nullptr;
  if (m_open) {
    m_open = false;
    m_watcher->Stop();
    Hide();
  }
}

bool TPopupWindow::WndProc(TMessage& message) {
  if (message.Kind == TMessageKind::Close) {
    ClosePopup();
    return true;
  }
  return TCustomControl::WndProc(message);
}

void TPopupWindow::DesigningChanged() {
  TCustomControl::DesigningChanged();
  if (IsDesigning()) ClosePopup();
}

void TPopupWindow::Paint() {
  TCanvas& canvas = Canvas();
  canvas.FillRect(ClientRect());
  canvas.Brush().SetColor(m_borderColor);
  QRect r = ClientRect();
  for (int i = 0; i < m_borderWidth && !r.isEmpty(); ++i) {
    canvas.FrameRect(r);
    r.adjust(1, 1, -1, -1);
  }
}

void TPopupWindow::SyncGeometry() {
  // The bounds of a popup are screen coordinates.
  if (Widget()) Widget()->setGeometry(Left(), Top(), std::max(0, Width()), std::max(0, Height()));
}

void TPopupWindow::SyncVisibility() {
  if (Widget()) Widget()->setVisible(m_open && Visible() && !IsDesigning());
}

// ---- TPopupListBox ----

namespace {
constexpr int kCheckBoxSize = 13;
constexpr int kCheckColumn = kCheckBoxSize + 2;
}  // namespace

const TClassInfo& TPopupListBox::StaticClass() {
  static const TClassInfo info("TPopupListBox", &TCustomControl::StaticClass());
  return info;
}

TPopupListBox::TPopupListBox(TComponent* owner)
    : TCustomControl(owner), m_signals(std::make_unique<QObject>()), m_items(std::make_unique<TStringList>()) {
  m_items->OnChange = [this](TObject*) { ItemsChanged(); };
  m_scrollBar = new QScrollBar(Qt::Vertical, Widget());
  m_scrollBar->setFocusPolicy(Qt::NoFocus);
  m_scrollBar->hide();
  QObject::connect(m_scrollBar, &QScrollBar::valueChanged, m_signals.get(),
                   [this](int value) { Application().Guard([&] { SetTopIndex(value); }); });
  Widget()->setFocusPolicy(Qt::NoFocus);
  SetColor(clWindow);
}

TPopupListBox::~TPopupListBox() { m_items->OnChange = nullptr; }

void TPopupListBox::ItemsChanged() {
  const size_t n = static_cast<size_t>(Count());
  if (!m_keepState && n != m_selected.size()) {
    if (n > m_selected.size()) {
      // Rows added at the end start without highlight and tick.
      m_selected.resize(n, 0);
      m_checked.resize(n, 0);
    } else {
      m_selected.assign(n, 0);
      m_checked.assign(n, 0);
      m_itemIndex = -1;
      m_anchorIndex = -1;
    }
  }
  if (m_itemIndex >= Count()) m_itemIndex = -1;
  Remeasure();
  UpdateScrollBar();
  SetTopIndex(m_topIndex);
  Invalidate();
  if (OnItemsChanged) OnItemsChanged(this);
}

void TPopupListBox::DeleteItem(int index) {
  if (index < 0 || index >= Count()) return;
  m_selected.erase(m_selected.begin() + index);
  m_checked.erase(m_checked.begin() + index);
  if (m_itemIndex == index) m_itemIndex = -1;
  else if (m_itemIndex > index) --m_itemIndex;
  if (m_anchorIndex >= index) m_anchorIndex = -1;
  const TScopedValue keepState(m_keepState, true);
  m_items->Delete(index);
}

void TPopupListBox::ExchangeItems(int index1, int index2) {
  if (index1 < 0 || index2 < 0 || index1 >= Count() || index2 >= Count() || index1 == index2) return;
  std::swap(m_selected[static_cast<size_t>(index1)], m_selected[static_cast<size_t>(index2)]);
  std::swap(m_checked[static_cast<size_t>(index1)], m_checked[static_cast<size_t>(index2)]);
  const TScopedValue keepState(m_keepState, true);
  m_items->Exchange(index1, index2);
}

void TPopupListBox::SetItemHeight(int value) {
  value = std::max(1, value);
  if (value == m_itemHeight) return;
  m_itemHeight = value;
  ItemsChanged();
}

void TPopupListBox::SetVariableHeights(bool value) {
  if (value == m_variableHeights) return;
  m_variableHeights = value;
  ItemsChanged();
}

void TPopupListBox::Remeasure() {
  m_heights.clear();
  if (!m_variableHeights) return;
  m_heights.reserve(static_cast<size_t>(Count()));
  for (int i = 0; i < Count(); ++i) {
    int h = m_itemHeight;
    if (OnMeasureItem) OnMeasureItem(this, i, h);
    m_heights.push_back(std::max(1, h));
  }
}

int TPopupListBox::RowHeight(int index) const {
  if (index < 0 || index >= Count()) return 0;
  if (m_variableHeights && static_cast<size_t>(index) < m_heights.size()) return m_heights[static_cast<size_t>(index)];
  return m_itemHeight;
}

int TPopupListBox::RowsHeight(int first, int count) const {
  int64_t sum = 0;
  for (int i = std::max(0, first); i < Count() && i < int64_t{first} + count; ++i) sum += RowHeight(i);
  return static_cast<int>(std::min<int64_t>(sum, INT_MAX));
}

void TPopupListBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  m_itemIndex = index;
  m_anchorIndex = index;
  if (index >= 0) MakeVisible(index);
  Invalidate();
}

void TPopupListBox::SetMultiSelect(bool value) {
  if (value == m_multiSelect) return;
  m_multiSelect = value;
  std::fill(m_selected.begin(), m_selected.end(), 0);
  Invalidate();
}

bool TPopupListBox::Selected(int index) const {
  if (index < 0 || index >= Count()) return false;
  return m_multiSelect ? m_selected[static_cast<size_t>(index)] != 0 : index == m_itemIndex;
}

void TPopupListBox::SetSelected(int index, bool value) {
  if (index < 0 || index >= Count()) return;
  if (m_multiSelect) {
    m_selected[static_cast<size_t>(index)] = value ? 1 : 0;
    Invalidate();
  } else if (value) {
    SetItemIndex(index);
  } else if (index == m_itemIndex) {
    SetItemIndex(-1);
  }
}

int TPopupListBox::SelCount() const {
  if (!m_multiSelect) return m_itemIndex >= 0 ? 1 : 0;
  return static_cast<int>(std::count(m_selected.begin(), m_selected.end(), 1));
}

void TPopupListBox::ClearSelection() {
  if (!m_multiSelect) {
    SetItemIndex(-1);
    return;
  }
  std::fill(m_selected.begin(), m_selected.end(), 0);
  Invalidate();
}

void TPopupListBox::SetCheckBoxes(bool value) {
  m_checkBoxes = value;
  Invalidate();
}

bool TPopupListBox::Checked(int index) const {
  return index >= 0 && index < Count() && m_checked[static_cast<size_t>(index)] != 0;
}

void TPopupListBox::SetChecked(int index, bool value) {
  if (index < 0 || index >= Count()) return;
  m_checked[static_cast<size_t>(index)] = value ? 1 : 0;
  Invalidate();
}

int TPopupListBox::CheckWidth() const { return m_checkBoxes ? kCheckColumn : 0; }

int TPopupListBox::MaxTopIndex() const {
  // The smallest top row from which the last rows fill the list.
  const int height = ClientHeight();
  int top = Count();
  int64_t used = 0;
  while (top > 0 && used + RowHeight(top - 1) <= height) {
    used += RowHeight(top - 1);
    --top;
  }
  return std::min(top, std::max(0, Count() - 1));
}

void TPopupListBox::SetTopIndex(int index) {
  index = std::clamp(index, 0, MaxTopIndex());
  if (index == m_topIndex) return;
  m_topIndex = index;
  const QSignalBlocker block(m_scrollBar);
  m_scrollBar->setValue(index);
  Invalidate();
}

bool TPopupListBox::ScrollBy(int rows) {
  const int before = m_topIndex;
  SetTopIndex(static_cast<int>(std::clamp<int64_t>(int64_t{m_topIndex} + rows, 0, INT_MAX)));
  return m_topIndex != before;
}

void TPopupListBox::MakeVisible(int index) {
  if (index < 0 || index >= Count()) return;
  if (index < m_topIndex) {
    SetTopIndex(index);
    return;
  }
  const int height = ClientHeight();
  if (RowsHeight(m_topIndex, index - m_topIndex + 1) <= height) return;
  int top = index;
  int64_t used = RowHeight(index);
  while (top > 0 && used + RowHeight(top - 1) <= height) {
    used += RowHeight(top - 1);
    --top;
  }
  SetTopIndex(top);
}

int TPopupListBox::RowsWidth() const {
  return std::max(0, ClientWidth() - (m_scrollBar->isVisibleTo(Widget()) ? m_scrollBar->width() : 0));
}

int TPopupListBox::ItemAtPos(const QPoint& pos) const {
  if (pos.x() < 0 || pos.x() >= RowsWidth() || pos.y() < 0 || pos.y() >= ClientHeight()) return -1;
  int64_t y = 0;
  for (int i = m_topIndex; i < Count() && y < ClientHeight(); ++i) {
    y += RowHeight(i);
    if (pos.y() < y) return i;
  }
  return -1;
}

QRect TPopupListBox::ItemRect(int index) const {
  if (index < m_topIndex || index >= Count()) return QRect();
  const int y = RowsHeight(m_topIndex, index - m_topIndex);
  if (y >= ClientHeight()) return QRect();
  return QRect(0, y, RowsWidth(), RowHeight(index));
}

void TPopupListBox::UpdateScrollBar() {
  const int max = MaxTopIndex();
  const int width = VerticalScrollBarWidth();
  const QSignalBlocker block(m_scrollBar);
  m_scrollBar->setRange(0, max);
  int visible = 0;
  for (int64_t used = 0, i = m_topIndex; i < Count() && used + RowHeight(static_cast<int>(i)) <= ClientHeight(); ++i) {
    used += RowHeight(static_cast<int>(i));
    ++visible;
  }
  m_scrollBar->setPageStep(std::max(1, visible));
  m_scrollBar->setValue(m_topIndex);
  m_scrollBar->setGeometry(ClientWidth() - width, 0, width, ClientHeight());
  m_scrollBar->setVisible(max > 0);
}

void TPopupListBox::BoundsChanged(bool sizeChanged) {
  TCustomControl::BoundsChanged(sizeChanged);
  if (!sizeChanged) return;
  UpdateScrollBar();
  SetTopIndex(m_topIndex);
}

void TPopupListBox::FontChanged() {
  TCustomControl::FontChanged();
  ItemsChanged();
}

void TPopupListBox::Moved(int index) {
  if (m_multiSelect) {
    std::fill(m_selected.begin(), m_selected.end(), 0);
    m_selected[static_cast<size_t>(index)] = 1;
  }
  SetItemIndex(index);
}

bool TPopupListBox::HandleKey(uint16_t key) {
  const int n = Count();
  if (key == VK_SPACE) {
    if (!m_checkBoxes || m_itemIndex < 0) return false;
    SetChecked(m_itemIndex, !Checked(m_itemIndex));
    if (OnClickCheck) OnClickCheck(this, m_itemIndex);
    return true;
  }
  int page = 0;
  for (int64_t used = 0, i = m_topIndex; i < n && used + RowHeight(static_cast<int>(i)) <= ClientHeight(); ++i) {
    used += RowHeight(static_cast<int>(i));
    ++page;
  }
  page = std::max(1, page - 1);
  const int current = m_itemIndex;
  int target = current;
  switch (key) {
    case VK_UP: target = current < 0 ? 0 : current - 1; break;
    case VK_DOWN: target = current + 1; break;
    case VK_PRIOR: target = current < 0 ? 0 : current - page; break;
    case VK_NEXT: target = current < 0 ? 0 : current + page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = n - 1; break;
    default: return false;
  }
  if (n == 0) return true;
  Moved(std::clamp(target, 0, n - 1));
  return true;
}

void TPopupListBox::ChooseCurrent() {
  if (m_itemIndex >= 0 && OnChoose) OnChoose(this, m_itemIndex);
}

void TPopupListBox::SelectByMouse(int index, TShiftState shift) {
  if (!m_multiSelect) {
    SetItemIndex(index);
    return;
  }
  if (shift.Contains(TShiftStateFlag::ssShift) && m_anchorIndex >= 0) {
    if (!shift.Contains(TShiftStateFlag::ssCtrl)) std::fill(m_selected.begin(), m_selected.end(), 0);
    for (int i = std::min(m_anchorIndex, index); i <= std::max(m_anchorIndex, index); ++i)
      m_selected[static_cast<size_t>(i)] = 1;
    m_itemIndex = index;
    MakeVisible(index);
    Invalidate();
    return;
  }
  if (shift.Contains(TShiftStateFlag::ssCtrl)) {
    m_selected[static_cast<size_t>(index)] = m_selected[static_cast<size_t>(index)] ? 0 : 1;
    SetItemIndex(index);
    return;
  }
  Moved(index);
}

void TPopupListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  m_pressedIndex = -1;
  int toggled = -1;
  if (button == TMouseButton::mbLeft) {
    const int index = ItemAtPos(QPoint(x, y));
    if (index >= 0) {
      SelectByMouse(index, shift);
      if (m_checkBoxes && x < CheckWidth()) {
        SetChecked(index, !Checked(index));
        toggled = index;
      } else {
        m_pressedIndex = index;
      }
    }
  }
  if (toggled >= 0 && OnClickCheck) OnClickCheck(this, toggled);
  TCustomControl::MouseDown(button, shift, x, y);
}

void TPopupListBox::MouseMove(TShiftState shift, int x, int y) {
  const bool dragging = shift.Contains(TShiftStateFlag::ssLeft) && m_pressedIndex >= 0;
  if ((dragging || m_hotTrack) && !m_multiSelect) {
    const int index = ItemAtPos(QPoint(x, y));
    if (index >= 0 && index != m_itemIndex) SetItemIndex(index);
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TPopupListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const int pressed = m_pressedIndex;
  m_pressedIndex = -1;
  if (button == TMouseButton::mbLeft && pressed >= 0) {
    const int index = ItemAtPos(QPoint(x, y));
    if (index >= 0 && (index == pressed || !m_multiSelect) && OnChoose) OnChoose(this, index);
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TPopupListBox::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key != 0 && HandleKey(key)) key = 0;
}

bool TPopupListBox::WndProc(TMessage& message) {
  if (message.Kind == TMessageKind::MouseWheel) {
    // Three rows per notch of 120, partial notches kept for the next turn.
    m_wheelRemainder += message.WheelDelta;
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    if (notches != 0) ScrollBy(-3 * notches);
    return true;
  }
  return TCustomControl::WndProc(message);
}

void TPopupListBox::DrawCheckBox(TCanvas& canvas, const QRect& column, bool checked) const {
  const int size = std::min(kCheckBoxSize, column.height());
  const QRect box(column.left() + (column.width() - size) / 2, column.top() + (column.height() - size) / 2, size, size);
  if (ThemesEnabled()) {
    const QImage picture = StylePicture(box.size(), [&](QPainter& painter, QStyle& style) {
      QStyleOptionButton option;
      option.rect = QRect(QPoint(0, 0), box.size());
      option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
      if (!Enabled()) option.state &= ~QStyle::State_Enabled;
      option.palette = QApplication::palette();
      style.drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, nullptr);
    });
    canvas.Draw(box.left(), box.top(), picture);
    return;
  }
  // The classic box: a sunken two-pixel edge around the window colour and a
  // tick of three-pixel strokes.
  canvas.Brush().SetColor(Enabled() ? clWindow : clBtnFace);
  canvas.FillRect(box);
  auto edge = [&](const QRect& r, TColor topLeft, TColor bottomRight) {
    canvas.Pen().SetColor(topLeft);
    canvas.MoveTo(r.left(), r.bottom());
    canvas.LineTo(r.left(), r.top());
    canvas.LineTo(r.right() + 1, r.top());
    canvas.Pen().SetColor(bottomRight);
    canvas.MoveTo(r.right(), r.top() + 1);
    canvas.LineTo(r.right(), r.bottom());
    canvas.LineTo(r.left() - 1, r.bottom());
  };
  edge(box, clBtnShadow, clBtnHighlight);
  edge(box.adjusted(1, 1, -1, -1), cl3DDkShadow, cl3DLight);
  if (!checked || size < 9) return;
  canvas.Brush().SetColor(Enabled() ? clWindowText : clGrayText);
  const int x0 = box.left() + (size - 7) / 2;
  const int y0 = box.top() + (size - 7) / 2 + 2;
  // Columns of three pixels going down two steps and up four.
  for (int i = 0; i < 7; ++i) canvas.FillRect(QRect(x0 + i, y0 + (i < 3 ? i : 4 - i), 1, 3));
}

void TPopupListBox::DrawItem(TCanvas& canvas, int index, const QRect& rect, TOwnerDrawState state) {
  if (state.Contains(TOwnerDrawStateFlag::odSelected)) {
    canvas.Brush().SetColor(clHighlight);
    canvas.Font().SetColor(clHighlightText);
  } else {
    canvas.Brush().SetColor(Color());
    canvas.Font().SetColor(state.Contains(TOwnerDrawStateFlag::odDisabled) ? clGrayText : Font().Color());
  }
  canvas.TextRect(rect, rect.left() + 2, rect.top(), m_items->Get(index));
  if (m_multiSelect && state.Contains(TOwnerDrawStateFlag::odFocused)) canvas.DrawFocusRect(rect);
}

void TPopupListBox::Paint() {
  TCanvas& canvas = Canvas();
  const int width = RowsWidth();
  const int height = ClientHeight();
  int y = 0;
  for (int i = m_topIndex; i < Count() && y < height; ++i) {
    const int h = RowHeight(i);
    TOwnerDrawState state;
    if (Selected(i)) state.Include(TOwnerDrawStateFlag::odSelected);
    if (i == m_itemIndex) state.Include(TOwnerDrawStateFlag::odFocused);
    if (!Enabled()) state.Include(TOwnerDrawStateFlag::odDisabled);
    if (Checked(i)) state.Include(TOwnerDrawStateFlag::odChecked);
    QRect item(0, y, width, h);
    PrepareControlCanvas(canvas, *this);
    if (m_checkBoxes) {
      const QRect column(0, y, CheckWidth(), h);
      canvas.FillRect(column);
      DrawCheckBox(canvas, column, Checked(i));
      item.setLeft(CheckWidth());
      PrepareControlCanvas(canvas, *this);
    }
    if (OnDrawItem) OnDrawItem(this, canvas, i, item, state);
    else DrawItem(canvas, i, item, state);
    y += h;
  }
  PrepareControlCanvas(canvas, *this);
  if (y < height) canvas.FillRect(QRect(0, y, width, height - y));
}
