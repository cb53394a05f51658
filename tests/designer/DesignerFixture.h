// A window with a design panel, a frame to design and a few controls on it,
// and a designer over them; mouse and key input delivered as the window
// system would (moves and releases to the mouse grabber while there is one).
#pragma once

#include "designer/DesignEngine.h"
#include "designer/ELDesignPanel.h"
#include "designer/ELDesigner.h"
#include "designer/ELSelection.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/Panel.h"

#include "support/RecordingDialogs.h"
#include "support/TestSupport.h"

#include <QImage>

class DesignerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Activates the designer and counts its events from then on.
  void Activate();
  TEdit* AddEdit(const char* name, QRect bounds, TWinControl* parent = nullptr);

  // The centre of a control on the screen.
  QPoint Centre(const TControl* control) const;
  // Mouse input at points of the screen, through the window as the window
  // system delivers it: Qt finds the widget, keeps the button state and
  // sends moves and releases to the widget that holds the mouse.
  void Press(const QPoint& screen, Qt::KeyboardModifiers mods = {}, Qt::MouseButton button = Qt::LeftButton);
  void MoveTo(const QPoint& screen, Qt::KeyboardModifiers mods = {});
  void Release(const QPoint& screen, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {});
  // A move that arrives with no button held while a drag still holds the
  // mouse, as when the release went to another window.
  void MoveWithoutButtons(const QPoint& screen);
  // Press at the control's centre, moves in two steps by (dx, dy), release.
  void Drag(TControl* control, int dx, int dy, Qt::KeyboardModifiers mods = {});
  void Click(TControl* control, Qt::KeyboardModifiers mods = {});
  // A press on a grab handle of the control selected alone.
  void PressHandle(TControl* control, THandlePosition position);
  // A key typed on the design surface.
  void Key(int qtKey, Qt::KeyboardModifiers mods = {});

  TDSelCtrlItemPoint& HandleOf(TControl* control, THandlePosition position) const;
  std::vector<TControl*> Selected() const { return designer->SelectedControls().GetControls(); }
  TDEng& Engine() const { return *designer->Engine(); }

  ScopedDialogs dialogs;
  TForm* window = nullptr;
  TPanel* holder = nullptr;  // the frame's place while it is not designed
  TELDesignPanel* panel = nullptr;
  TFrame* frame = nullptr;
  TEdit* edit1 = nullptr;
  TEdit* edit2 = nullptr;
  TEdit* edit3 = nullptr;
  TELDesigner* designer = nullptr;
  int modified = 0;
  int selectionChanges = 0;

 private:
  QWindow* Window() const;
  QPoint InWindow(const QPoint& screen) const;
};
