// The main window: the movie panel on its design surface, the toolbar with
// Open, Save, Save as and Reset GUI, "Enable editing", the component list,
// the property inspector and the three file-information fields.
#pragma once

#include "toolkit/Forms.h"

class TELDesigner;
class TELDesignPanel;
class TPanel;
class TToolBar;
class TToolButton;
class TCheckBox;
class TComboBox;
class TLabel;
class TEdit;
class TMemo;
class TImage;
class TImageList;
class TActionList;
class TAction;
class TMovieFrame;
class TOrqStringList;
class TELPropertyInspector;
class TPropInfo;

// What the language dialog chose last for the panel's layout.
enum class TGUIChoice {
  None,      // no choice made yet
  LoadGUI,   // apply the file's layout
  KeepGUI,   // keep the current layout, take only the texts
  ResetGUI,  // put the built-in default layout back
};

class TMainForm : public TForm {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TMainForm(TComponent* owner);

  TMovieFrame* FrmMovie() const { return m_frmMovie; }
  TAction* ActionOpen() const { return m_actionOpen; }
  TAction* ActionSave() const { return m_actionSave; }
  TAction* ActionSaveAs() const { return m_actionSaveAs; }
  TAction* ActionReset() const { return m_actionReset; }

  // Layout state: what the language dialog chose last and whether the
  // layout changed since the last reset.
  TGUIChoice GUIChoice() const { return m_guiChoice; }
  bool LayoutModified() const { return m_layoutModified; }

  void SetGUIChoice(TGUIChoice choice) { m_guiChoice = choice; }
  // The language/GUI file the window shows and Save writes; empty until a
  // file has been applied. Save as makes the chosen file current.
  const QString& CurrentFile() const { return m_currentFile; }

  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  // Applies the current language's file: texts of this window and the
  // panel, the panel's layout as GUIChoice says, then enables editing.
  void ApplyLanguage();
  // The same with a given file (the current language's file in the program).
  void ApplyLanguageFile(const QString& fileName);
  // Shows the language dialog; on OK applies the chosen file as its radio
  // buttons say and fills the three file-information fields from its row.
  void ActionOpenExecute(TObject* sender);
  void ActionSaveExecute(TObject* sender);
  void ActionSaveAsExecute(TObject* sender);
  void ActionResetExecute(TObject* sender);

  // The property inspector over the selected controls, and its events: only
  // the seven layout properties are shown; every written value marks the
  // layout modified, enables Reset GUI and keeps the star image 200 x 20.
  TELPropertyInspector* PInspector() const { return m_inspector; }
  void PInspectorFilterProp(TObject* sender, TObject* instance, const TPropInfo& prop, bool& includeProp);
  void PInspectorModified(TObject* sender);

  TEdit* EVersion() const { return m_eVersion; }
  TMemo* MAuthor() const { return m_mAuthor; }
  TMemo* MComments() const { return m_mComments; }
  TCheckBox* CBLock() const { return m_cbLock; }
  TComboBox* CBNames() const { return m_cbNames; }
  TELDesigner* PDesigner() const { return m_designer; }
  TELDesignPanel* DesignPanel() const { return m_designPanel; }
  TPanel* PanelBorder() const { return m_panelBorder; }

  // "Enable editing" toggled: the designer goes on over the frame (every
  // control locked against deletion, the star image also against resizing)
  // or off.
  void CBLockClick(TObject* sender);
  // An entry chosen in the component list becomes the selection.
  void CBNamesChange(TObject* sender);
  void PDesignerChangeSelection(TObject* sender);
  // A completed move, resize, deletion or insertion on the design surface.
  void PDesignerModified(TObject* sender);
  void FormDestroy(TObject* sender);

 private:
  void CreateActions();
  void CreateLeftColumn();
  void CreateRightColumn();
  void CreateMessages();
  void OverrideFrameDesignValues();
  void ShowFileInCaption();
  // Save and Save as need a file; refuses with a clear message without one.
  void RequireCurrentFile() const;
  void PaintStarRating();
  // The frame and each component it owns, as "Name: Class".
  void FillComponentList();
  // Shows the entry of a component in the component list; none with nullptr.
  void SelectInComponentList(TComponent* component);
  // The designer's selection shown beside the design surface.
  void ShowSelection();

  TPanel* m_panelLeft = nullptr;
  TToolBar* m_toolbarLeft = nullptr;
  TCheckBox* m_cbLock = nullptr;
  TComboBox* m_cbNames = nullptr;
  TELPropertyInspector* m_inspector = nullptr;
  TEdit* m_eVersion = nullptr;
  TMemo* m_mAuthor = nullptr;
  TMemo* m_mComments = nullptr;
  TImage* m_imageT = nullptr;
  TPanel* m_panelTop = nullptr;
  TELDesignPanel* m_designPanel = nullptr;
  TELDesigner* m_designer = nullptr;
  TMovieFrame* m_frmMovie = nullptr;
  TPanel* m_panelBorder = nullptr;
  TImageList* m_ilNormal = nullptr;
  TActionList* m_actionList = nullptr;
  TAction* m_actionOpen = nullptr;
  TAction* m_actionSave = nullptr;
  TAction* m_actionSaveAs = nullptr;
  TAction* m_actionReset = nullptr;
  TOrqStringList* m_messages = nullptr;
  TGUIChoice m_guiChoice = TGUIChoice::None;
  QString m_currentFile;
  bool m_layoutModified = false;
};
