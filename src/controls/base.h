// The base window of the program's dialogs: up to four buttons in a row at
// the bottom right (all hidden until a dialog shows the ones it needs), a
// separator line above them and a hint line at the very bottom. A dialog
// places its content above the separator.
#pragma once

#include "toolkit/Forms.h"

class TBevel;
class TCorelButton;
class TOrqAutoHintLabel;

class TBaseDlg : public TForm {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // A complete base dialog: its creation ends here.
  explicit TBaseDlg(TComponent* owner);

  TBevel* Bevel1() const { return m_bevel1; }
  TOrqAutoHintLabel* OrqAutoHintLabel1() const { return m_hintLabel; }
  // btn1 is the rightmost button, btn4 the leftmost.
  TCorelButton* Btn1() const { return m_btn1; }
  TCorelButton* Btn2() const { return m_btn2; }
  TCorelButton* Btn3() const { return m_btn3; }
  TCorelButton* Btn4() const { return m_btn4; }

  // Runs the two creation hooks (PrepareDialog first), centres the dialog
  // over its owner and resets the font to the toolkit's default face.
  void FormCreate(TObject* sender);
  // Runs the closing hook.
  void FormClose(TObject* sender, TCloseAction& action);

 protected:
  struct TInherited {};
  // For derived dialogs: they add their own parts and then end the creation
  // with FinishCreate, so that FormCreate sees the whole dialog.
  TBaseDlg(TComponent* owner, TInherited);

  // Creation hooks: PrepareDialog runs first, InitializeDialog after it.
  virtual void InitializeDialog() {}
  virtual void PrepareDialog() {}
  // Runs when the dialog closes.
  virtual void CloseDialog() {}

 private:
  void CreateComponents();

  TBevel* m_bevel1 = nullptr;
  TOrqAutoHintLabel* m_hintLabel = nullptr;
  TCorelButton* m_btn1 = nullptr;
  TCorelButton* m_btn2 = nullptr;
  TCorelButton* m_btn3 = nullptr;
  TCorelButton* m_btn4 = nullptr;
};
