#include "designer/DesignerFixture.h"

#include "support/WidgetDriver.h"

#include <QApplication>
#include <QTest>

void DesignerTest::SetUp() {
  window = new TForm(nullptr);
  window->SetName("Window");
  window->SetBounds(100, 100, 600, 400);
  panel = new TELDesignPanel(window);
  panel->SetName("DesignPanel");
  panel->SetParent(window);
  panel->SetBounds(10, 10, 304, 254);
  holder = new TPanel(window);
  holder->SetName("Holder");
  holder->SetParent(window);
  holder->SetBounds(320, 10, 270, 380);
  holder->SetBevelOuter(TBevelCut::bvNone);
  frame = new TFrame(window);
  frame->SetName("Frame");
  frame->SetParent(holder);
  frame->SetBounds(5, 6, 300, 250);
  edit1 = AddEdit("Edit1", QRect(16, 24, 100, 21));
  edit2 = AddEdit("Edit2", QRect(16, 64, 100, 21));
  edit3 = AddEdit("Edit3", QRect(150, 24, 100, 21));
  designer = new TELDesigner(window);
  designer->SetName("Designer");
  designer->SetDesignPanel(panel);
  designer->SetDesignControl(frame);
  window->ShowForm();
  window->Widget()->activateWindow();
  QApplication::processEvents();
}

void DesignerTest::TearDown() {
  // A test that ends with a button down lets it go, so the next one starts
  // with the mouse at rest.
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
    if (QGuiApplication::mouseButtons() & button) QTest::mouseRelease(Window(), button);
  // A selection handler a test set may count into the test's own locals,
  // which are gone by now; the teardown's last selection change must not
  // reach it.
  // A test may have freed the designer: it is looked for by address among
  // the window's components, never touched before it is found there.
  for (int i = 0; i < window->ComponentCount(); ++i)
    if (window->Components(i) == designer) designer->OnChangeSelection = nullptr;
  TComponent::Free(window);
}

TEdit* DesignerTest::AddEdit(const char* name, QRect bounds, TWinControl* parent) {
  auto* edit = new TEdit(frame);
  edit->SetName(QString::fromLatin1(name));
  edit->SetParent(parent ? parent : frame);
  edit->SetBoundsRect(bounds);
  if (designer && designer->Active()) edit->SetDesigning(true);
  return edit;
}

void DesignerTest::Activate() {
  designer->SetActive(true);
  designer->OnModified = [this](TObject*) { ++modified; };
  designer->OnChangeSelection = [this](TObject*) { ++selectionChanges; };
  QApplication::processEvents();
}

QPoint DesignerTest::Centre(const TControl* control) const {
  return control->ClientToScreen(QPoint(control->Width() / 2, control->Height() / 2));
}

QWindow* DesignerTest::Window() const { return window->Widget()->windowHandle(); }

QPoint DesignerTest::InWindow(const QPoint& screen) const { return Window()->mapFromGlobal(screen); }

void DesignerTest::Press(const QPoint& screen, Qt::KeyboardModifiers mods, Qt::MouseButton button) {
  QTest::mousePress(Window(), button, mods, InWindow(screen));
}

void DesignerTest::MoveTo(const QPoint& screen, Qt::KeyboardModifiers mods) {
  QTest::mouseEvent(QTest::MouseMove, Window(), Qt::NoButton, mods, InWindow(screen));
}

void DesignerTest::Release(const QPoint& screen, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
  QTest::mouseRelease(Window(), button, mods, InWindow(screen));
}

void DesignerTest::MoveWithoutButtons(const QPoint& screen) {
  if (QWidget* grabber = QWidget::mouseGrabber())
    SendMouseEvent(grabber, QEvent::MouseMove, screen, Qt::NoButton, Qt::NoButton);
}

void DesignerTest::Drag(TControl* control, int dx, int dy, Qt::KeyboardModifiers mods) {
  const QPoint from = Centre(control);
  Press(from, mods);
  MoveTo(from + QPoint(dx / 2, dy / 2), mods);
  MoveTo(from + QPoint(dx, dy), mods);
  Release(from + QPoint(dx, dy), Qt::LeftButton, mods);
}

void DesignerTest::Click(TControl* control, Qt::KeyboardModifiers mods) {
  Press(Centre(control), mods);
  Release(Centre(control), Qt::LeftButton, mods);
}

TDSelCtrlItemPoint& DesignerTest::HandleOf(TControl* control, THandlePosition position) const {
  TDSelCtrlItem* item = designer->SelectedControls().Item(control);
  EXPECT_NE(item, nullptr);
  return item->Handle(position);
}

void DesignerTest::PressHandle(TControl* control, THandlePosition position) {
  Press(HandleOf(control, position).mapToGlobal(QPoint(2, 2)));
}

void DesignerTest::Key(int qtKey, Qt::KeyboardModifiers mods) {
  QTest::keyClick(panel->Surface().Widget(), static_cast<Qt::Key>(qtKey), mods);
}
