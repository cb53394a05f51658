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

void DesignerTest::TearDown() { TComponent::Free(window); }

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

QWidget* DesignerTest::MouseTarget() const {
  if (QWidget* grabber = QWidget::mouseGrabber()) return grabber;
  return m_pressed;
}

void DesignerTest::Press(TControl* control, const QPoint& screen, Qt::KeyboardModifiers mods, Qt::MouseButton button) {
  m_pressed = control->Widget();
  SendMouseEvent(m_pressed, QEvent::MouseButtonPress, screen, button, button, mods);
}

void DesignerTest::MoveTo(const QPoint& screen, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  if (QWidget* target = MouseTarget()) SendMouseEvent(target, QEvent::MouseMove, screen, Qt::NoButton, buttons, mods);
}

void DesignerTest::Release(const QPoint& screen, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
  if (QWidget* target = MouseTarget())
    SendMouseEvent(target, QEvent::MouseButtonRelease, screen, button, Qt::NoButton, mods);
  m_pressed = nullptr;
}

void DesignerTest::Drag(TControl* control, int dx, int dy, Qt::KeyboardModifiers mods) {
  const QPoint from = Centre(control);
  Press(control, from, mods);
  MoveTo(from + QPoint(dx / 2, dy / 2), Qt::LeftButton, mods);
  MoveTo(from + QPoint(dx, dy), Qt::LeftButton, mods);
  Release(from + QPoint(dx, dy), Qt::LeftButton, mods);
}

void DesignerTest::Click(TControl* control, Qt::KeyboardModifiers mods) {
  Press(control, Centre(control), mods);
  Release(Centre(control), Qt::LeftButton, mods);
}

TDSelCtrlItemPoint& DesignerTest::HandleOf(TControl* control, THandlePosition position) const {
  TDSelCtrlItem* item = designer->SelectedControls().Item(control);
  EXPECT_NE(item, nullptr);
  return item->Handle(position);
}

void DesignerTest::PressHandle(TControl* control, THandlePosition position) {
  TDSelCtrlItemPoint& handle = HandleOf(control, position);
  m_pressed = &handle;
  const QPoint screen = handle.mapToGlobal(QPoint(2, 2));
  SendMouseEvent(&handle, QEvent::MouseButtonPress, screen, Qt::LeftButton, Qt::LeftButton, {});
}

void DesignerTest::Key(int qtKey, Qt::KeyboardModifiers mods) {
  QTest::keyClick(panel->Surface().Widget(), static_cast<Qt::Key>(qtKey), mods);
}
