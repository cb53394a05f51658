// The language selection dialog "Select a language": lists the
// language/GUI files of the program's "Languages" folder, preselects the
// current language and, on OK, makes the chosen file the current language.
// The caller then reads the chosen way of treating the layout from the
// frame's radio buttons and the selected row's details.
#pragma once

#include "controls/base.h"

class TLanguageFrame;

class TLanguageWin : public TBaseDlg {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TLanguageWin(TComponent* owner);

  // Fills the list from ProgramFolder() + "Languages/", selects the current
  // language's file and shows the dialog. OK stores the selected file's name
  // without extension as the current language (empty with no row selected)
  // and returns true; any other ending returns false and turns a current
  // language of "?" into none.
  bool Execute();

  TLanguageFrame* LanguageFrame() const { return m_languageFrame; }
  // The selected row's version, authors and comments as the file holds
  // them; empty when no row is selected.
  QString SelectedVersion() const;
  QString SelectedAuthors() const;
  QString SelectedComments() const;

  // Repaints the list and details.
  void FormActivate(TObject* sender);
  // A double click on the list confirms the dialog.
  void LanguageFramelstLanguagesDblClick(TObject* sender);

 private:
  QString SelectedSubItem(int index) const;

  TLanguageFrame* m_languageFrame = nullptr;
};
