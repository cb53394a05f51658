// The string list dialog "String List Editor": the lines of a string list in
// a text editor, with a line counter above it and OK and Cancel below. The
// dialog is a plain form: the inspector builds on the toolkit only.
#pragma once

#include "toolkit/Forms.h"

class TBevel;
class TButton;
class TLabel;
class TMemo;
class TStrings;

class TELStringsEditorDlg : public TForm {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TELStringsEditorDlg(TComponent* owner);

  // The editor's lines; setting copies the given lines into the editor.
  TStrings& Lines();
  void SetLines(const TStrings& lines);
  // Shows the dialog modally; true when it closes with OK.
  bool Execute();
  // The editor's text changed: the counter shows its lines.
  void memMainChange(TObject* sender);

  TLabel* LineCountLabel() const { return m_lbLineCount; }
  TMemo* Memo() const { return m_memMain; }
  TButton* OkButton() const { return m_btnOk; }
  TButton* CancelButton() const { return m_btnCancel; }

 private:
  void ShowLineCount();

  TLabel* m_lbLineCount = nullptr;
  TBevel* m_bvlMain = nullptr;
  TButton* m_btnOk = nullptr;
  TButton* m_btnCancel = nullptr;
  TMemo* m_memMain = nullptr;
};
