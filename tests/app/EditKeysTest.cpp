// The main window's keys: Ctrl+O, Ctrl+S and Ctrl+Shift+S run their
// actions, Ctrl+Z undoes and Ctrl+Shift+Z and Ctrl+Y redo the layout
// changes of the design surface and of the inspector; Open, Reset GUI and
// turning editing off clear the history.
#include "app/MainWindowFixture.h"

#include "designer/DesignEngine.h"
#include "designer/DesignHistory.h"
#include "designer/ELDesignPanel.h"
#include "designer/ELDesigner.h"
#include "designer/ELSelection.h"
#include "frame/framemovie.h"
#include "inspector/ELPropInsp.h"
#include "inspector/ELPropsPageEdit.h"
#include "toolkit/ActionList.h"
#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Edit.h"

#include "support/WidgetDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

class EditKeysTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    file = WriteLanguage("English.lng", {"[FileInformation]", "Name=English", "[MainForm]", "[TMovieFrame]"});
    Open("English", TGUIChoice::KeepGUI);
    form->Widget()->activateWindow();
    QApplication::setActiveWindow(form->Widget());
    QApplication::processEvents();
  }
  void EnableEditing(bool on) {
    form->CBLock()->SetChecked(on);
    QApplication::processEvents();
  }
  TControl* Child(const char* name) const { return form->FrmMovie()->Child(QString::fromLatin1(name)); }
  TDesignHistory& History() const { return form->PDesigner()->History(); }
  // Types into the inspector's row with real keys and presses Enter.
  void TypeIntoRow(const QString& caption, const QString& text) {
    TELPropertyInspector* inspector = form->PInspector();
    TELPropsPageItem* item = nullptr;
    for (int r = 0; r < inspector->RowCount(); ++r)
      if (inspector->ItemAtRow(r)->Caption() == caption) item = inspector->ItemAtRow(r);
    ASSERT_NE(item, nullptr) << caption.toStdString();
    Application().Guard([&] { inspector->SetRow(item->Row()); });
    QLineEdit* edit = inspector->InplaceEditor()->LineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  // A key pressed where the keyboard focus is, as the window system sends it.
  void Key(int key, Qt::KeyboardModifiers mods = {}) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form->Widget();
    QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
  }
  // A key typed on the design surface.
  void SurfaceKey(int key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(form->DesignPanel()->Surface().Widget(), static_cast<Qt::Key>(key), mods);
  }
  void DragControl(TControl* control, QPoint by) {
    const QPoint at = control->ClientToScreen(QPoint(control->Width() / 2, control->Height() / 2));
    SendMouseEvent(control->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    QWidget* grabber = QWidget::mouseGrabber();
    ASSERT_NE(grabber, nullptr);
    SendMouseEvent(grabber, QEvent::MouseMove, at + by, Qt::NoButton, Qt::LeftButton);
    SendMouseEvent(grabber, QEvent::MouseButtonRelease, at + by, Qt::LeftButton, Qt::NoButton);
  }
  QString file;
};

TEST_F(EditKeysTest, CtrlSSavesAndTheHintsKeepTheirTexts) {
  form->EVersion()->SetText("7.1");
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(SectionLines(file, "FileInformation").contains("Version=7.1"));
  EXPECT_EQ(form->ActionSave()->Hint(), "Save");
  EXPECT_EQ(form->ActionSaveAs()->Hint(), "Save as...");
  EXPECT_EQ(form->ActionOpen()->Hint(), "Open language/GUI file...");
}

TEST_F(EditKeysTest, CtrlOAndCtrlShiftSShowTheirDialogs) {
  // The recording service answers the modal windows with Cancel.
  int modals = 0;
  int saveDialogs = 0;
  dialogs->answerModal = [&modals](TCustomForm&) { ++modals; };
  dialogs->answerDialog = [&saveDialogs](TCommonDialog&) {
    ++saveDialogs;
    return false;
  };
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(modals, 1);
  EXPECT_EQ(saveDialogs, 0);
  Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(saveDialogs, 1);
}

TEST_F(EditKeysTest, CtrlZUndoesADragAndCtrlYAndCtrlShiftZRedoIt) {
  EnableEditing(true);
  TControl* media = Child("EMedia");
  const QRect before = media->BoundsRect();
  DragControl(media, QPoint(16, 8));
  const QRect moved = media->BoundsRect();
  ASSERT_NE(moved, before);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(media->BoundsRect(), before);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(media->BoundsRect(), moved);
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(media->BoundsRect(), moved);
  // Reset GUI clears the history: the key then changes nothing.
  form->ActionResetExecute(nullptr);
  EXPECT_FALSE(History().CanUndo());
  const QRect reset = media->BoundsRect();
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(media->BoundsRect(), reset);
}

TEST_F(EditKeysTest, AnUndoneStepRefreshesTheInspectorAndSaveWritesIt) {
  EnableEditing(true);
  TControl* media = Child("EMedia");
  const int top = media->Top();
  form->PDesigner()->SelectedControls().SelectOnly(media);
  SurfaceKey(Qt::Key_Down, Qt::ControlModifier);
  SurfaceKey(Qt::Key_Down, Qt::ControlModifier);
  ASSERT_EQ(media->Top(), top + 2);
  ASSERT_TRUE(History().Undo());  // both nudges are one step
  EXPECT_EQ(media->Top(), top);
  TELPropertyInspector* inspector = form->PInspector();
  bool shown = false;
  for (int r = 0; r < inspector->RowCount(); ++r)
    if (inspector->ItemAtRow(r)->Caption() == "Top") {
      EXPECT_EQ(inspector->ItemAtRow(r)->DisplayValue(), QString::number(top));
      shown = true;
    }
  EXPECT_TRUE(shown);
  EXPECT_TRUE(form->LayoutModified());
  form->ActionSave()->Execute();
  EXPECT_TRUE(SectionLines(file, "TMovieFrame").contains(QStringLiteral("EMedia.Top=%1").arg(top)));
}

TEST_F(EditKeysTest, AnInspectorWriteIsOneStepUndoneThroughTheSameSetters) {
  EnableEditing(true);
  TControl* media = Child("EMedia");
  form->PDesigner()->SelectedControls().SelectOnly(media);
  TypeIntoRow("Width", "250");
  ASSERT_EQ(media->Width(), 250);
  ASSERT_EQ(History().Stack().count(), 1);
  ASSERT_TRUE(History().Undo());
  EXPECT_EQ(media->Width(), 180);
  ASSERT_TRUE(History().Redo());
  EXPECT_EQ(media->Width(), 250);
}

TEST_F(EditKeysTest, ACaptionTypedKeyByKeyIsOneStepUntilAnotherPropertyIsWritten) {
  EnableEditing(true);
  TControl* label = Child("LMedia");
  form->PDesigner()->SelectedControls().SelectOnly(label);
  // The caption row writes on every key.
  TypeIntoRow("Caption", "Disc:");
  ASSERT_EQ(label->Caption(), "Disc:");
  TypeIntoRow("Top", "30");
  ASSERT_EQ(History().Stack().count(), 2);
  ASSERT_TRUE(History().Undo());
  EXPECT_EQ(label->Top(), 9);
  EXPECT_EQ(label->Caption(), "Disc:");
  ASSERT_TRUE(History().Undo());
  EXPECT_EQ(label->Caption(), "Media Label:");
  ASSERT_TRUE(History().Redo());
  EXPECT_EQ(label->Caption(), "Disc:");
}

TEST_F(EditKeysTest, CtrlZInTheInspectorUndoesTheTypedTextFirstThenTheLayout) {
  EnableEditing(true);
  TControl* media = Child("EMedia");
  form->PDesigner()->SelectedControls().SelectOnly(media);
  TypeIntoRow("Width", "250");
  ASSERT_EQ(media->Width(), 250);
  QLineEdit* edit = form->PInspector()->InplaceEditor()->LineEdit();
  edit->setFocus();
  // Text typed but not committed: the field's own undo takes it back.
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClicks(edit, "9");
  ASSERT_EQ(edit->text(), "2509");
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), "250");
  EXPECT_EQ(media->Width(), 250);
  // With nothing left to undo in the field, the key undoes the layout.
  ASSERT_FALSE(edit->isUndoAvailable());
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(media->Width(), 180);
  EXPECT_EQ(edit->text(), "180");
}

TEST_F(EditKeysTest, OpenAndEditingOffClearTheHistoryAndADragRefusesUndo) {
  EnableEditing(true);
  TControl* media = Child("EMedia");
  form->PDesigner()->SelectedControls().SelectOnly(media);
  SurfaceKey(Qt::Key_Right, Qt::ControlModifier);
  ASSERT_TRUE(History().CanUndo());
  Open("English", TGUIChoice::KeepGUI);
  EXPECT_FALSE(History().CanUndo());

  SurfaceKey(Qt::Key_Right, Qt::ControlModifier);
  const QRect moved = media->BoundsRect();
  const QPoint at = media->ClientToScreen(QPoint(5, 5));
  SendMouseEvent(media->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  ASSERT_TRUE(form->PDesigner()->Engine()->Dragging());
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(media->BoundsRect(), moved);
  SendMouseEvent(QWidget::mouseGrabber(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  ASSERT_TRUE(History().CanUndo());

  EnableEditing(false);
  EXPECT_EQ(History().Stack().count(), 0);
}

}  // namespace
