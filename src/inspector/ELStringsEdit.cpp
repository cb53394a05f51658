#include "inspector/ELStringsEdit.h"

#include "toolkit/Buttons.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/SysUtils.h"

const TClassInfo& TELStringsEditorDlg::StaticClass() {
  static const TClassInfo info("TELStringsEditorDlg", &TForm::StaticClass());
  return info;
}

TELStringsEditorDlg::TELStringsEditorDlg(TComponent* owner) : TForm(owner) {
  SetName(QStringLiteral("ELStringsEditorDlg"));
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetBorderIcons({TBorderIcon::biSystemMenu});
  SetPosition(TPosition::poScreenCenter);
  SetClientSize(431, 279);

  m_lbLineCount = new TLabel(this);
  m_lbLineCount->SetName(QStringLiteral("lbLineCount"));
  m_lbLineCount->SetParent(this);
  m_lbLineCount->SetAutoSize(false);
  m_lbLineCount->SetBounds(12, 12, 169, 17);
  m_lbLineCount->SetCaption(QStringLiteral("0 lines"));

  m_bvlMain = new TBevel(this);
  m_bvlMain->SetName(QStringLiteral("bvlMain"));
  m_bvlMain->SetParent(this);
  m_bvlMain->SetShape(TBevelShape::bsFrame);
  m_bvlMain->SetBounds(8, 8, 413, 229);

  m_btnOk = new TButton(this);
  m_btnOk->SetName(QStringLiteral("btnOk"));
  m_btnOk->SetParent(this);
  m_btnOk->SetBounds(265, 248, 75, 25);
  m_btnOk->SetCaption(QStringLiteral("&OK"));
  m_btnOk->SetDefault(true);
  m_btnOk->SetModalResult(mrOk);
  m_btnOk->SetTabOrder(0);

  m_btnCancel = new TButton(this);
  m_btnCancel->SetName(QStringLiteral("btnCancel"));
  m_btnCancel->SetParent(this);
  m_btnCancel->SetBounds(345, 248, 75, 25);
  m_btnCancel->SetCaption(QStringLiteral("Cancel"));
  m_btnCancel->SetCancel(true);
  m_btnCancel->SetModalResult(mrCancel);
  m_btnCancel->SetTabOrder(1);

  m_memMain = new TMemo(this);
  m_memMain->SetName(QStringLiteral("memMain"));
  m_memMain->SetParent(this);
  m_memMain->SetBounds(16, 31, 397, 197);
  m_memMain->SetScrollBars(TScrollStyle::ssBoth);
  m_memMain->SetWordWrap(false);
  m_memMain->SetTabOrder(2);
  m_memMain->OnChange = [this](TObject* sender) { memMainChange(sender); };
  FinishCreate();
}

TStrings& TELStringsEditorDlg::Lines() { return m_memMain->Lines(); }

void TELStringsEditorDlg::SetLines(const TStrings& lines) { m_memMain->Lines().Assign(&lines); }

bool TELStringsEditorDlg::Execute() {
  SetCaption(QStringLiteral("String List Editor"));
  // The form says "&OK"; this is the text shown.
  m_btnOk->SetCaption(QStringLiteral("&Ok"));
  m_btnCancel->SetCaption(QStringLiteral("Cancel"));
  ShowLineCount();
  return ShowModal() == mrOk;
}

void TELStringsEditorDlg::memMainChange(TObject*) { ShowLineCount(); }

void TELStringsEditorDlg::ShowLineCount() {
  m_lbLineCount->SetCaption(Format("%d lines", {m_memMain->Lines().Count()}));
}
