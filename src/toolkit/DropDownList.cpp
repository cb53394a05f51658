#include "toolkit/DropDownList.h"

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Messages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

// The popup window: it paints through the list and hands the mouse to it.
class TDropDownList::Window : public QWidget {
 public:
  explicit Window(TDropDownList& list)
      : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), m_list(list) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    scrollBar = new QScrollBar(Qt::Vertical, this);
    scrollBar->setFocusPolicy(Qt::NoFocus);
    scrollBar->hide();
    QObject::connect(scrollBar, &QScrollBar::valueChanged, [this](int value) {
      if (!m_syncing) m_list.SetTopIndex(value);
    });
  }

  // Sets the scroll bar without taking its signal for the user's.
  void SyncScrollBar(int maximum, int page, int value) {
    m_syncing = true;
    scrollBar->setRange(0, maximum);
    scrollBar->setPageStep(page);
    scrollBar->setValue(value);
    m_syncing = false;
  }

  QScrollBar* scrollBar;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    Application().Guard([&] { m_list.Paint(painter); });
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton) return;
    m_pressed = true;
    Track(e->position().toPoint());
  }
  void mouseMoveEvent(QMouseEvent* e) override { Track(e->position().toPoint()); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton || !m_pressed) return;
    m_pressed = false;
    const int index = m_list.ItemAtPos(e->position().toPoint());
    if (index >= 0) Application().Guard([&] { m_list.Choose(index); });
  }
  void wheelEvent(QWheelEvent* e) override {
    const int notches = e->angleDelta().y() / 120;
    if (notches != 0) m_list.SetTopIndex(m_list.TopIndex() - notches);
    e->accept();
  }

 private:
  // The row under the pointer becomes the current one, as in a combo box.
  void Track(const QPoint& pos) {
    const int index = m_list.ItemAtPos(pos);
    if (index >= 0 && index != m_list.ItemIndex()) m_list.SetItemIndex(index);
  }
  TDropDownList& m_list;
  bool m_pressed = false;
  bool m_syncing = false;
};

// Watches the whole application while the list is open: a press outside it
// or the loss of the activation closes it.
class TDropDownList::Watcher : public QObject {
 public:
  explicit Watcher(TDropDownList& list) : m_list(list) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::NonClientAreaMouseButtonPress: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        QWidget* window = m_list.m_window.get();
        const bool inside = widget == window || window->isAncestorOf(widget);
        const QWidget* opener = m_list.m_opener;
        const bool onOpener = opener && (widget == opener || opener->isAncestorOf(widget));
        if (!inside && !onOpener) m_list.CloseWithoutChoice();
        return false;
      }
      case QEvent::ApplicationStateChange:
        if (QGuiApplication::applicationState() != Qt::ApplicationActive) m_list.CloseWithoutChoice();
        return false;
      default:
        return false;
    }
  }

 private:
  TDropDownList& m_list;
};

TDropDownList::TDropDownList()
    : m_window(std::make_unique<Window>(*this)), m_watcher(std::make_unique<Watcher>(*this)),
      m_font(std::make_unique<TFont>()) {}

TDropDownList::~TDropDownList() {
  if (qApp) qApp->removeEventFilter(m_watcher.get());
}

QWidget* TDropDownList::Widget() const { return m_window.get(); }

TFont& TDropDownList::Font() { return *m_font; }

int TDropDownList::ItemHeight() const { return QFontMetrics(m_font->ToQFont()).height(); }

void TDropDownList::SetColors(TColor background, TColor text) {
  m_color = background;
  m_textColor = text;
  m_window->update();
}

void TDropDownList::SetOwnerDraw(bool value) {
  m_ownerDraw = value;
  Remeasure();
}

void TDropDownList::SetItems(const QStringList& items) {
  m_items = items;
  m_itemIndex = -1;
  m_topIndex = 0;
  Remeasure();
}

void TDropDownList::Remeasure() {
  m_heights.assign(m_items.size(), ItemHeight());
  if (m_ownerDraw && OnMeasureItem)
    for (int i = 0; i < Count(); ++i) OnMeasureItem(i, m_heights[static_cast<size_t>(i)]);
  // A row is never thinner than a pixel, so scrolling always moves.
  for (int& h : m_heights) h = std::max(1, h);
  m_topIndex = std::min(m_topIndex, MaxTopIndex());
  LayoutScrollBar();
  m_window->update();
}

int TDropDownList::RowHeight(int index) const {
  return index >= 0 && index < Count() ? m_heights[static_cast<size_t>(index)] : 0;
}

int TDropDownList::HeightForRows(int rows) const {
  if (Count() == 0) return kEmptyHeight;
  int height = 2 * kFrame;
  for (int i = 0; i < std::min(rows, Count()); ++i) height += RowHeight(i);
  return height;
}

int TDropDownList::ScrollBarWidth() const { return m_window->style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

int TDropDownList::RowsAreaHeight() const { return std::max(0, m_window->height() - 2 * kFrame); }

bool TDropDownList::ScrollBarNeeded() const {
  int total = 0;
  for (int h : m_heights) total += h;
  return total > RowsAreaHeight();
}

int TDropDownList::RowsShown() const {
  int rows = 0;
  for (int used = 0, i = m_topIndex; i < Count() && used + RowHeight(i) <= RowsAreaHeight(); ++i, ++rows)
    used += RowHeight(i);
  return std::max(1, rows);
}

int TDropDownList::MaxTopIndex() const {
  // The smallest first row from which the rest fits.
  int used = 0;
  int top = Count();
  while (top > 0 && used + RowHeight(top - 1) <= RowsAreaHeight()) used += RowHeight(--top);
  return std::min(top, std::max(0, Count() - 1));
}

void TDropDownList::SetTopIndex(int index) {
  const int top = std::clamp(index, 0, MaxTopIndex());
  if (top == m_topIndex) return;
  m_topIndex = top;
  LayoutScrollBar();
  m_window->update();
}

void TDropDownList::SetItemIndex(int index) {
  m_itemIndex = index >= 0 && index < Count() ? index : -1;
  if (m_itemIndex >= 0) {
    if (m_itemIndex < m_topIndex) {
      SetTopIndex(m_itemIndex);
    } else {
      // Scroll down until the row ends inside the list.
      int top = m_topIndex;
      auto bottomOf = [&](int first) {
        int y = 0;
        for (int i = first; i <= m_itemIndex; ++i) y += RowHeight(i);
        return y;
      };
      while (top < m_itemIndex && bottomOf(top) > RowsAreaHeight()) ++top;
      SetTopIndex(top);
    }
  }
  m_window->update();
}

QRect TDropDownList::ItemRect(int index) const {
  if (index < m_topIndex || index >= Count()) return {};
  const int rowsWidth = m_window->width() - 2 * kFrame - (ScrollBarNeeded() ? ScrollBarWidth() : 0);
  int y = kFrame;
  for (int i = m_topIndex; i < index; ++i) y += RowHeight(i);
  if (y >= kFrame + RowsAreaHeight()) return {};
  return QRect(kFrame, y, rowsWidth, RowHeight(index));
}

int TDropDownList::ItemAtPos(const QPoint& pos) const {
  for (int i = m_topIndex; i < Count(); ++i) {
    const QRect r = ItemRect(i);
    if (r.isEmpty()) break;
    if (r.contains(pos)) return i;
  }
  return -1;
}

void TDropDownList::LayoutScrollBar() {
  QScrollBar* bar = m_window->scrollBar;
  if (!ScrollBarNeeded()) {
    bar->hide();
    return;
  }
  const int width = ScrollBarWidth();
  bar->setGeometry(m_window->width() - kFrame - width, kFrame, width, RowsAreaHeight());
  m_window->SyncScrollBar(MaxTopIndex(), RowsShown(), m_topIndex);
  bar->show();
}

void TDropDownList::Paint(QPainter& painter) {
  TCanvas canvas(&painter);
  const QRect outer(0, 0, m_window->width(), m_window->height());
  canvas.Brush().SetColor(m_color);
  canvas.Pen().SetColor(clWindowFrame);
  canvas.Rectangle(outer);
  canvas.Font().Assign(m_font.get());
  for (int i = m_topIndex; i < Count(); ++i) {
    const QRect r = ItemRect(i);
    if (r.isEmpty()) break;
    // Rows below the list's bottom edge are cut there.
    const QRect clipped = r.intersected(QRect(kFrame, kFrame, r.width(), RowsAreaHeight()));
    const bool selected = i == m_itemIndex;
    canvas.Brush().SetColor(selected ? clHighlight : m_color);
    canvas.Font().SetColor(selected ? clHighlightText : m_textColor);
    canvas.FillRect(clipped);
    if (m_ownerDraw && OnDrawItem) {
      painter.save();
      painter.setClipRect(clipped);
      OnDrawItem(canvas, i, r, selected);
      painter.restore();
    } else {
      canvas.TextRect(clipped, r.left() + 2, r.top(), m_items[i]);
    }
  }
}

QRect TDropDownList::Place(const QRect& anchor, const QSize& size, const QRect& screen) {
  QRect r(QPoint(anchor.left(), anchor.top() + anchor.height()), size);
  if (r.top() + r.height() > screen.top() + screen.height()) r.moveTop(anchor.top() - size.height());
  const int screenRight = screen.left() + screen.width();
  if (r.left() + r.width() > screenRight) r.moveLeft(std::max(screen.left(), screenRight - r.width()));
  return r;
}

void TDropDownList::SetScreenGeometry(std::function<QRect(const QPoint&)> geometry) {
  m_screenGeometry = std::move(geometry);
}

void TDropDownList::DropDown(const QRect& anchor, const QSize& size) {
  QRect screen;
  if (m_screenGeometry) {
    screen = m_screenGeometry(anchor.center());
  } else {
    const QScreen* s = QGuiApplication::screenAt(anchor.center());
    if (!s) s = QGuiApplication::primaryScreen();
    screen = s ? s->geometry() : QRect(anchor.topLeft(), size);
  }
  const QRect r = Place(anchor, size, screen);
  m_window->setGeometry(r);
  m_topIndex = std::min(m_topIndex, MaxTopIndex());
  LayoutScrollBar();
  SetItemIndex(m_itemIndex);
  if (!m_window->isVisible()) {
    qApp->installEventFilter(m_watcher.get());
    m_window->show();
  }
  m_window->update();
}

bool TDropDownList::IsOpen() const { return m_window->isVisible(); }

QRect TDropDownList::ScreenRect() const { return m_window->geometry(); }

void TDropDownList::CloseUp() {
  qApp->removeEventFilter(m_watcher.get());
  m_window->hide();
}

void TDropDownList::CloseWithoutChoice() {
  if (!IsOpen()) return;
  CloseUp();
  if (OnCancel) Application().Guard([this] { OnCancel(); });
}

void TDropDownList::Choose(int index) {
  CloseUp();
  if (OnChoose) OnChoose(index);
}

void TDropDownList::SetOpenerWidget(QWidget* widget) { m_opener = widget; }

bool TDropDownList::HandleKey(uint16_t key) {
  const int page = RowsShown();
  const int last = Count() - 1;
  const int at = m_itemIndex;
  switch (key) {
    case VK_UP: SetItemIndex(at < 0 ? 0 : std::max(0, at - 1)); return true;
    case VK_DOWN: SetItemIndex(std::min(last, at + 1)); return true;
    case VK_PRIOR: SetItemIndex(std::max(0, at - page)); return true;
    case VK_NEXT: SetItemIndex(std::min(last, std::max(0, at) + page)); return true;
    case VK_HOME: SetItemIndex(0); return true;
    case VK_END: SetItemIndex(last); return true;
    default: return false;
  }
}
