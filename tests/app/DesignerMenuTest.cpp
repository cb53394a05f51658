// The context menu of the design surface: a right click on a selected
// control offers undo, redo and the arrange commands with their keys; a
// command chosen there is one change and one undo step. The picture of the
// menu is saved into the build folder for looking at.
#include "app/MainWindowFixture.h"

#include "designer/DesignHistory.h"
#include "designer/ELDesignPanel.h"
#include "designer/ELDesigner.h"
#include "designer/ELSelection.h"
#include "frame/framemovie.h"
#include "toolkit/Buttons.h"
#include "toolkit/PopupMenu.h"

#include "support/WidgetDriver.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>

namespace {

class DesignerMenuTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    WriteLanguage("English.lng", {"[FileInformation]", "Name=English", "[MainForm]", "[TMovieFrame]"});
    Open("English", TGUIChoice::KeepGUI);
    form->CBLock()->SetChecked(true);
    QApplication::processEvents();
  }
  TControl* Child(const char* name) const { return form->FrmMovie()->Child(QString::fromLatin1(name)); }
  void RightClick(TControl* control) {
    const QPoint at = control->ClientToScreen(QPoint(control->Width() / 2, control->Height() / 2));
    SendMouseEvent(control->Widget(), QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    SendMouseEvent(control->Widget(), QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    QApplication::processEvents();
  }
  QAction* Action(const QString& caption) const {
    for (QAction* a : form->DesignerMenu()->Menu()->actions())
      if (a->text().section(QLatin1Char('\t'), 0, 0) == caption) return a;
    ADD_FAILURE() << "no item " << caption.toStdString();
    return nullptr;
  }
};

TEST_F(DesignerMenuTest, ARightClickOffersTheCommandsWithTheirKeys) {
  TControl* source = Child("ESource");
  TControl* media = Child("EMedia");
  TControl* borrower = Child("EBorrower");
  media->SetLeft(110);
  form->PDesigner()->SelectedControls().SetControls({media, borrower, source});
  RightClick(source);
  QMenu* menu = form->DesignerMenu()->Menu();
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(menu->isVisible());
  QStringList texts;
  for (QAction* a : menu->actions())
    if (!a->isSeparator()) texts << a->text();
  EXPECT_EQ(texts, QStringList({"Undo\tCtrl+Z", "Redo\tCtrl+Y", "Align lefts\tCtrl+Alt+L", "Align rights\tCtrl+Alt+R",
                                "Align tops\tCtrl+Alt+T", "Align bottoms\tCtrl+Alt+B",
                                "Align horizontal centres\tCtrl+Alt+C", "Align vertical centres\tCtrl+Alt+M",
                                "Make same width\tCtrl+Alt+W", "Make same height\tCtrl+Alt+H",
                                "Make same size\tCtrl+Alt+S", "Distribute horizontally\tShift+Ctrl+Alt+H",
                                "Distribute vertically\tShift+Ctrl+Alt+V"}));
  EXPECT_FALSE(Action("Undo")->isEnabled());
  EXPECT_TRUE(Action("Align lefts")->isEnabled());
  EXPECT_TRUE(Action("Distribute vertically")->isEnabled());
  // The picture of the surface with the menu where it shows.
  QImage picture = form->Widget()->grab().toImage();
  QPainter painter(&picture);
  painter.drawImage(form->Widget()->mapFromGlobal(menu->pos()), menu->grab().toImage());
  painter.end();
  picture.save(QStringLiteral(VORNIK_BINARY_DIR "/designer-menu.png"));

  const int before = form->PDesigner()->History().Stack().count();
  Action("Align lefts")->trigger();
  menu->hide();
  EXPECT_EQ(media->Left(), source->Left());
  EXPECT_EQ(borrower->Left(), source->Left());
  EXPECT_EQ(form->PDesigner()->History().Stack().count(), before + 1);
  EXPECT_TRUE(form->LayoutModified());
  RightClick(source);
  EXPECT_TRUE(Action("Undo")->isEnabled());
  Action("Undo")->trigger();
  form->DesignerMenu()->Menu()->hide();
  EXPECT_EQ(media->Left(), 110);
}

TEST_F(DesignerMenuTest, WithOneControlTheArrangeCommandsAreOff) {
  TControl* media = Child("EMedia");
  RightClick(media);
  EXPECT_EQ(form->PDesigner()->SelectedControls().GetControls(), std::vector<TControl*>{media});
  EXPECT_FALSE(Action("Align lefts")->isEnabled());
  EXPECT_FALSE(Action("Make same size")->isEnabled());
  form->DesignerMenu()->Menu()->hide();
}

}  // namespace
