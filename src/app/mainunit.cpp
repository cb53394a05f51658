#include "app/mainunit.h"

#include "app/pictures.h"
#include "controls/OrqStringList.h"
#include "designer/ELDesignPanel.h"
#include "designer/ELDesigner.h"
#include "designer/ELSelection.h"
#include "frame/defaultgui.h"
#include "frame/framemovie.h"
#include "inspector/ELPropInsp.h"
#include "lang/IniFile.h"
#include "lang/OrqTranslator.h"
#include "lang/frameLanguage.h"
#include "lang/languageselect.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/SysUtils.h"
#include "toolkit/ActionList.h"
#include "toolkit/Buttons.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Panel.h"
#include "toolkit/Screen.h"
#include "toolkit/ToolBar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <utility>

namespace {

// Texts of the catalog application that a language/GUI file translates
// with the rest of this window.
const char* const kMessages[] = {
    "Are you sure you want to delete the selected movies?",
    "Do you want to save the changes to the catalog?",
    "The file %s could not be opened.",
    "The file %s could not be saved.",
    "The catalog has been modified.",
    "No movie is selected.",
    "The picture could not be loaded.",
    "The picture is too large to be stored in the catalog.",
    "Unknown file format.",
    "The catalog was created with a newer version of the program.",
    "Search text not found.",
    "Replace all occurrences?",
    "%d movies found.",
    "Import finished: %d movies added.",
    "Export finished.",
    "The template file could not be found.",
    "Loading catalog...",
    "Saving catalog...",
    "Checking for updates...",
    "Your version is up to date.",
    "A new version is available.",
    "The script contains errors.",
    "The script has finished.",
    "Lend the selected movie to whom?",
    "The movie has been returned.",
    "Invalid number.",
    "Invalid date.",
    "The field cannot be empty.",
    "Restart the program to apply the new language.",
    "The selected language file is damaged.",
    "Print preview",
    "Page %d of %d",
    "Total",
    "Untitled",
};

const QString kCaption = QStringLiteral("Vornik GUI designer");

// A memo's text as one value of the file: without the line break that adding
// a line leaves at its end; a line break inside becomes "|", the file's own
// mark for it, since a value cannot span lines.
QString MemoValue(const QString& text) {
  QString value = text.endsWith(QLatin1String("\r\n")) ? text.chopped(2) : text;
  value.replace(QLatin1String("\r\n"), QLatin1String("|"));
  value.replace(QLatin1Char('\r'), QLatin1Char('|')).replace(QLatin1Char('\n'), QLatin1Char('|'));
  return value;
}

// The file name with its extension replaced by ".lng".
QString WithLngExtension(const QString& fileName) {
  const QFileInfo info(fileName);
  const QString name = info.fileName();
  const int dot = static_cast<int>(name.lastIndexOf(QLatin1Char('.')));
  return info.dir().filePath((dot > 0 ? name.left(dot) : name) + QStringLiteral(".lng"));
}

// Copies a file over another; the target is replaced whole, so a failed copy
// leaves it as it was. A file is never copied onto itself.
void ReplaceFileCopy(const QString& from, const QString& to) {
  const QFileInfo source(from);
  const QFileInfo target(to);
  if (!source.exists() || (target.exists() && source.canonicalFilePath() == target.canonicalFilePath())) return;
  const QString temporary = to + QStringLiteral(".copying");
  QFile::remove(temporary);
  if (!QFile::copy(from, temporary)) return;
  QFile::remove(to);
  if (!QFile::rename(temporary, to)) QFile::remove(temporary);
}

QString LanguageFolder() { return ProgramFolder() + QStringLiteral("Languages/"); }

bool IsInLanguageFolder(const QString& file) {
  return QFileInfo(file).absoluteDir().canonicalPath() == QDir(LanguageFolder()).canonicalPath();
}

struct Bounds {
  int left, top, width, height;
};

template <class T>
T* Make(TComponent* owner, TWinControl* parent, const char* name, Bounds b) {
  auto* c = new T(owner);
  c->SetName(QString::fromLatin1(name));
  c->SetParent(parent);
  c->SetBounds(b.left, b.top, b.width, b.height);
  return c;
}

// A label with the bounds of the table rather than the size of its caption.
TLabel* MakeLabel(TComponent* owner, TWinControl* parent, const char* name, Bounds b, const char* caption) {
  auto* label = new TLabel(owner);
  label->SetAutoSize(false);
  label->SetName(QString::fromLatin1(name));
  label->SetCaption(QString::fromLatin1(caption));
  label->SetParent(parent);
  label->SetBounds(b.left, b.top, b.width, b.height);
  return label;
}

}  // namespace

const TClassInfo& TMainForm::StaticClass() {
  static const TClassInfo info("TMainForm", &TForm::StaticClass());
  return info;
}

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
  BeginLoading();
  SetName(QStringLiteral("MainForm"));
  SetCaption(QStringLiteral("Vornik GUI designer"));
  Font().SetName(QString::fromLatin1(kDefaultFontName));
  Font().SetHeight(kDefaultFontHeight);
  SetBorderStyle(TFormBorderStyle::bsSingle);
  SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
  SetPosition(TPosition::poScreenCenter);
  SetClientSize(787, 637);
  CreateActions();
  CreateLeftColumn();
  CreateRightColumn();
  CreateMessages();
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnShow = [this](TObject* sender) { FormShow(sender); };
  OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
  FinishCreate();
}

void TMainForm::CreateActions() {
  m_ilNormal = new TImageList(this);
  m_ilNormal->SetName(QStringLiteral("ILNormal"));
  for (ToolbarPicture p : {ToolbarPicture::Open, ToolbarPicture::Save, ToolbarPicture::SaveAs, ToolbarPicture::Reset})
    m_ilNormal->Add(TBitmap(ToolbarImage(p)));

  m_actionList = new TActionList(this);
  m_actionList->SetName(QStringLiteral("ActionList"));
  m_actionList->SetImages(m_ilNormal);
  auto action = [this](const char* name, const char* caption, const char* hint, int image, TNotifyEvent execute) {
    auto* a = new TAction(this);
    a->SetName(QString::fromLatin1(name));
    a->SetActionList(m_actionList);
    a->SetCaption(QString::fromLatin1(caption));
    a->SetHint(QString::fromLatin1(hint));
    a->SetImageIndex(image);
    a->OnExecute = std::move(execute);
    return a;
  };
  m_actionOpen = action("ActionOpen", "Open", "Open language/GUI file...", 0,
                        [this](TObject* sender) { ActionOpenExecute(sender); });
  m_actionSave = action("ActionSave", "Save", "Save", 1, [this](TObject* sender) { ActionSaveExecute(sender); });
  m_actionSaveAs = action("ActionSaveAs", "Save as", "Save as...", 2,
                          [this](TObject* sender) { ActionSaveAsExecute(sender); });
  m_actionReset = action("ActionReset", "Reset GUI", "Reset GUI to default", 3,
                         [this](TObject* sender) { ActionResetExecute(sender); });
  // Only Open is available until a language file has been applied.
  for (TAction* a : {m_actionSave, m_actionSaveAs, m_actionReset}) a->SetEnabled(false);
}

// The toolbar, "Enable editing", the component list, the inspector and the
// file-information fields.
void TMainForm::CreateLeftColumn() {
  m_panelLeft = Make<TPanel>(this, this, "PanelLeft", {0, 0, 233, 637});
  m_panelLeft->SetAlign(TAlign::alLeft);
  auto* dock = Make<TPanel>(this, m_panelLeft, "DockLeft", {1, 1, 231, 26});
  dock->SetBevelOuter(TBevelCut::bvNone);
  m_toolbarLeft = Make<TToolBar>(this, dock, "ToolbarLeft", {0, 0, 231, 26});
  m_toolbarLeft->SetAlign(TAlign::alClient);
  m_toolbarLeft->SetImages(m_ilNormal);
  m_toolbarLeft->SetShowHint(true);
  auto button = [this](const char* name, TAction* a) {
    auto* b = new TToolButton(this);
    b->SetName(QString::fromLatin1(name));
    b->SetParent(m_toolbarLeft);
    if (a) b->SetAction(a);
    else b->SetStyle(TToolButtonStyle::tbsSeparator);
    return b;
  };
  button("TBOpen", m_actionOpen);
  button("TBSave", m_actionSave);
  button("TBSaveAs", m_actionSaveAs);
  button("TBSeparatorItem1", nullptr);
  button("TBReset", m_actionReset);

  m_cbLock = Make<TCheckBox>(this, m_panelLeft, "CBLock", {8, 40, 97, 17});
  m_cbLock->SetCaption(QStringLiteral("Enable editing"));
  m_cbLock->OnClick = [this](TObject* sender) { CBLockClick(sender); };
  m_cbNames = Make<TComboBox>(this, m_panelLeft, "CBNames", {8, 64, 217, 21});
  m_cbNames->SetStyle(TComboBoxStyle::csDropDownList);
  m_cbNames->SetSorted(true);
  m_cbNames->OnChange = [this](TObject* sender) { CBNamesChange(sender); };
  m_inspector = Make<TELPropertyInspector>(this, m_panelLeft, "PInspector", {8, 88, 217, 185});
  m_inspector->SetSplitter(108);
  m_inspector->OnFilterProp = [this](TObject* sender, TObject* instance, const TPropInfo& prop, bool& includeProp) {
    PInspectorFilterProp(sender, instance, prop, includeProp);
  };
  m_inspector->OnModified = [this](TObject* sender) { PInspectorModified(sender); };
  auto* fileProperties = MakeLabel(this, m_panelLeft, "Label1", {8, 368, 217, 17}, "File properties");
  fileProperties->SetAlignment(TAlignment::taCenter);
  MakeLabel(this, m_panelLeft, "Label5", {8, 395, 49, 17}, "Version:");
  m_eVersion = Make<TEdit>(this, m_panelLeft, "EVersion", {64, 392, 161, 21});
  MakeLabel(this, m_panelLeft, "Label6", {8, 419, 49, 17}, "Authors:");
  m_mAuthor = Make<TMemo>(this, m_panelLeft, "MAuthor", {8, 440, 217, 65});
  m_mAuthor->SetWantReturns(false);
  MakeLabel(this, m_panelLeft, "Label7", {8, 515, 57, 17}, "Comments:");
  m_mComments = Make<TMemo>(this, m_panelLeft, "MComments", {8, 536, 217, 81});
  m_mComments->SetWantReturns(false);
  m_imageT = Make<TImage>(this, m_panelLeft, "ImageT", {200, 32, 20, 20});
  m_imageT->SetVisible(false);
  m_imageT->Picture().Bitmap().SetImage(StarPicture());
}

// The design surface with the movie panel and the bar at its design height.
void TMainForm::CreateRightColumn() {
  m_panelTop = Make<TPanel>(this, this, "PanelTop", {233, 0, 555, 637});
  m_panelTop->SetAlign(TAlign::alClient);
  m_panelTop->Constraints().SetMinWidth(555);
  m_panelTop->Constraints().SetMinHeight(637);
  m_designPanel = Make<TELDesignPanel>(this, m_panelTop, "DesignPanel", {-2, -2, 557, 637});
  m_designPanel->SetAnchors(kAnchorsAll);
  m_designPanel->SetAutoScroll(true);
  m_designPanel->HorzScrollBarObject()->SetVisible(false);
  m_designPanel->VertScrollBarObject()->SetVisible(false);

  m_frmMovie = new TMovieFrame(this);
  m_frmMovie->SetName(QStringLiteral("FrmMovie"));
  m_frmMovie->BeginLoading();
  m_frmMovie->SetParent(m_panelTop);
  m_frmMovie->Constraints().SetMinWidth(553);
  m_frmMovie->Constraints().SetMinHeight(635);
  m_frmMovie->Constraints().SetMaxWidth(553);
  m_frmMovie->Constraints().SetMaxHeight(635);
  m_frmMovie->SetBounds(0, 0, 553, 635);
  m_frmMovie->SetAnchors(kAnchorsAll);
  m_frmMovie->HorzScrollBar().SetVisible(false);
  OverrideFrameDesignValues();
  m_frmMovie->EndLoading();

  m_panelBorder = Make<TPanel>(this, m_panelTop, "PanelBorder", {0, 517, 553, 2});
  m_panelBorder->SetAnchors(kAnchorLeft + kAnchorRight + kAnchorBottom);

  m_designer = new TELDesigner(this);
  m_designer->SetName(QStringLiteral("PDesigner"));
  m_designer->SetDesignPanel(m_designPanel);
  m_designer->SetClipboardFormat(QStringLiteral("Layout designer components"));
  m_designer->OnModified = [this](TObject* sender) { PDesignerModified(sender); };
  m_designer->OnChangeSelection = [this](TObject* sender) { PDesignerChangeSelection(sender); };
}

void TMainForm::CreateMessages() {
  m_messages = new TOrqStringList(this);
  m_messages->SetName(QStringLiteral("Messages"));
  for (const char* text : kMessages) m_messages->Strings().Add(QString::fromLatin1(text));
}

void TMainForm::OverrideFrameDesignValues() {
  TMovieFrame& f = *m_frmMovie;
  auto set = [&f](std::initializer_list<const char*> names, auto apply) {
    for (const char* name : names) apply(f.Child(QString::fromLatin1(name)));
  };
  set({"StarRating"}, [](TControl* c) { c->SetLeft(352); });
  set({"EVideoFormat", "EAudioFormat"}, [](TControl* c) { c->SetWidth(126); });
  set({"ETranslatedTitle", "EOriginalTitle", "EDescription", "EComments", "EVersion", "EReleaseNotes", "EURL"},
      [](TControl* c) { c->SetWidth(445); });
  set({"ESource", "EBorrower", "EMedia"}, [](TControl* c) { c->SetWidth(180); });
  set({"ELanguages", "ESubtitles"}, [](TControl* c) { c->SetWidth(184); });
  set({"EActors"}, [](TControl* c) { c->SetWidth(173); });
  set({"ESize", "EResolution", "EFramerate", "EDisks"}, [](TControl* c) { c->SetLeft(407); });
  set({"EDate", "EMediaType", "ERating"}, [](TControl* c) { c->SetLeft(408); });
  set({"EVideoBitrate", "EAudioBitrate"}, [](TControl* c) { c->SetLeft(233); });
  set({"LVideoKbps", "LAudioKbps"}, [](TControl* c) { c->SetLeft(292); });
  set({"LSize", "LResolution", "LFramerate", "LDisks"}, [](TControl* c) { c->SetLeft(331); });
  set({"LRating", "LMediaType", "LDate"}, [](TControl* c) { c->SetLeft(297); });
  set({"LSizeUnit", "LFramerateFPS"}, [](TControl* c) { c->SetLeft(528); });
  f.ComponentAs<TDateTimePicker>(QStringLiteral("EDate")).SetChecked(true);
  set({"ECategory", "ELanguages", "ESubtitles", "EMediaType"}, [](TControl* c) { c->SetParentShowHint(false); });
}

void TMainForm::FormCreate(TObject*) { m_frmMovie->SetCustomLayout(false); }

void TMainForm::FormShow(TObject*) {
  if (m_designer->DesignControl() != m_frmMovie) m_designer->SetDesignControl(m_frmMovie);
  m_frmMovie->SetEnabled(false);
  m_cbLock->SetEnabled(false);
  PaintStarRating();
  m_eVersion->SetEnabled(false);
  m_mAuthor->SetEnabled(false);
  m_mComments->SetEnabled(false);
}

void TMainForm::PaintStarRating() {
  TCanvas& canvas = m_frmMovie->StarRating()->Canvas();
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(QRect(QPoint(0, 0), QPoint(199, 19)));
  TBitmap& star = m_imageT->Picture().Bitmap();
  for (int i = 0; i < 10; ++i)
    canvas.BrushCopy(QRect(20 * i, 0, 20, 20), star, QRect(0, 0, 20, 20), clFuchsia);
}

void TMainForm::PInspectorFilterProp(TObject*, TObject*, const TPropInfo& prop, bool& includeProp) {
  static const QStringList shown{QStringLiteral("Caption"), QStringLiteral("Width"),   QStringLiteral("Left"),
                                 QStringLiteral("Top"),     QStringLiteral("Height"),  QStringLiteral("Visible"),
                                 QStringLiteral("Anchors")};
  includeProp = shown.contains(prop.Name, Qt::CaseSensitive);
}

void TMainForm::PInspectorModified(TObject*) {
  m_layoutModified = true;
  m_actionReset->SetEnabled(true);
  // The star image keeps its size whatever is typed, as the designer keeps
  // it from being resized with the mouse.
  bool snapped = false;
  const TELDesignerSelectedControls& selection = m_designer->SelectedControls();
  for (int i = 0; i < selection.Count(); ++i) {
    if (selection.Items(i)->Name() != QLatin1String("StarRating")) continue;
    TControl* star = m_frmMovie->StarRating();
    star->SetBounds(star->Left(), star->Top(), 200, 20);
    snapped = true;
  }
  if (snapped) m_inspector->RefreshValues();
}

void TMainForm::ApplyLanguage() { ApplyLanguageFile(Settings->GetLanguageFile()); }

void TMainForm::ApplyLanguageFile(const QString& fileName) {
  if (fileName.isEmpty() || !QFileInfo(fileName).isFile()) return;
  m_currentFile = fileName;
  Translator->LoadLanguageFile(fileName);
  ShowFileInCaption();
  Font().SetName(QString::fromLatin1(kDefaultFontName));
  Font().SetCharset(DEFAULT_CHARSET);
  {
    m_frmMovie->BeginUpdate();
    const auto endUpdate = qScopeGuard([this] { m_frmMovie->EndUpdate(); });
    Translator->TranslateForm(this);
    if (m_guiChoice == TGUIChoice::KeepGUI) Translator->SetLoadGUI(false);
    if (m_guiChoice == TGUIChoice::LoadGUI) Translator->SetLoadGUI(true);
    {
      // Bounds read from the file are the author's: while the frame loads
      // and scales them, its fields keep heights below their fonts' minimum.
      m_frmMovie->BeginLoading();
      const auto endLoading = qScopeGuard([this] { m_frmMovie->EndLoading(); });
      Translator->TranslateFrame(m_frmMovie);
      m_frmMovie->AdjustLayout();
    }
    if (m_guiChoice == TGUIChoice::ResetGUI) ActionResetExecute(this);
    m_frmMovie->SetCustomLayout(true);
  }
  m_frmMovie->SetEnabled(true);
  m_cbLock->SetEnabled(true);
  m_actionSave->SetEnabled(true);
  m_actionSaveAs->SetEnabled(true);
  m_inspector->RefreshValues();
}

void TMainForm::ActionOpenExecute(TObject*) {
  Screen().SetCursor(crHourGlass);
  TLanguageWin* dialog = nullptr;
  try {
    dialog = new TLanguageWin(this);
    if (dialog->Execute()) {
      const TLanguageFrame& frame = *dialog->LanguageFrame();
      if (frame.RbLoadGUI()->Checked()) m_guiChoice = TGUIChoice::LoadGUI;
      else if (frame.RbKeepGUI()->Checked()) m_guiChoice = TGUIChoice::KeepGUI;
      else if (frame.RbResetGUI()->Checked()) m_guiChoice = TGUIChoice::ResetGUI;
      ApplyLanguage();
      // With no row chosen the fields keep what they show.
      if (frame.LstLanguages()->Selected()) {
        m_eVersion->SetText(dialog->SelectedVersion());
        m_mAuthor->Lines().Clear();
        m_mAuthor->Lines().Add(dialog->SelectedAuthors());
        m_mComments->Lines().Clear();
        m_mComments->Lines().Add(dialog->SelectedComments());
      }
      if (m_guiChoice == TGUIChoice::LoadGUI) m_actionReset->SetEnabled(true);
    }
  } catch (...) {
    Screen().SetCursor(crDefault);
    TComponent::Free(dialog);
    throw;
  }
  Screen().SetCursor(crDefault);
  TComponent::Free(dialog);
}

void TMainForm::ShowFileInCaption() { SetCaption(kCaption + QStringLiteral(" - ") + QFileInfo(m_currentFile).fileName()); }

void TMainForm::RequireCurrentFile() const {
  if (m_currentFile.isEmpty()) throw EInvalidOperation(QStringLiteral("No language/GUI file is open. Open one first."));
}

void TMainForm::ActionSaveExecute(TObject*) {
  RequireCurrentFile();
  TIniFile ini(m_currentFile);
  // The keys reach the file together at EndUpdate; a failure before leaves
  // the file as it was.
  ini.BeginUpdate();
  const QString info = QStringLiteral("FileInformation");
  const QString frame = QStringLiteral("TMovieFrame");
  ini.WriteString(info, QStringLiteral("VersionFormat"), QStringLiteral("4.0.6.4"));
  ini.WriteString(info, QStringLiteral("Version"), m_eVersion->GetText());
  ini.WriteString(info, QStringLiteral("Authors"), MemoValue(m_mAuthor->GetText()));
  ini.WriteString(info, QStringLiteral("Comments"), MemoValue(m_mComments->GetText()));
  if (m_layoutModified || m_guiChoice == TGUIChoice::LoadGUI) {
    ini.WriteString(info, QStringLiteral("CustomGUI"), QStringLiteral("yes"));
    for (int i = 0; i < m_frmMovie->ControlCount(); ++i) {
      TControl* c = m_frmMovie->Controls(i);
      // The one control that has lost its name is the star image.
      if (c->Name().isEmpty()) c->SetName(QStringLiteral("StarRating"));
      const QString n = c->Name();
      if (dynamic_cast<TStaticText*>(c)) ini.WriteString(frame, n + QStringLiteral(".Caption"), c->Caption());
      ini.WriteInteger(frame, n + QStringLiteral(".Left"), c->Left());
      ini.WriteInteger(frame, n + QStringLiteral(".Top"), c->Top());
      ini.WriteInteger(frame, n + QStringLiteral(".Width"), c->Width());
      ini.WriteInteger(frame, n + QStringLiteral(".Height"), c->Height());
      ini.WriteBool(frame, n + QStringLiteral(".Visible"), c->Visible());
      ini.WriteInteger(frame, n + QStringLiteral(".Anchors"), AnchorsToInt(c->Anchors()));
    }
  } else {
    ini.WriteString(info, QStringLiteral("CustomGUI"), QStringLiteral("no"));
  }
  for (int i = 0; i < m_frmMovie->ControlCount(); ++i) {
    TControl* c = m_frmMovie->Controls(i);
    if (dynamic_cast<TStaticText*>(c)) ini.WriteString(frame, c->Name() + QStringLiteral(".Caption"), c->Caption());
  }
  ini.EndUpdate();
}

void TMainForm::ActionSaveAsExecute(TObject* sender) {
  RequireCurrentFile();
  {
    TSaveDialog dialog(this);
    dialog.InitialDir = LanguageFolder();
    dialog.Filter = QStringLiteral("Language/GUI files (*.lng)|*.lng");
    dialog.Options = {TOpenOption::ofHideReadOnly, TOpenOption::ofPathMustExist, TOpenOption::ofFileMustExist,
                      TOpenOption::ofEnableSizing};
    if (dialog.Execute()) {
      const QString chosen = dialog.FileName;
      const QString target = WithLngExtension(chosen);
      ReplaceFileCopy(m_currentFile, target);
      TIniFile(target).WriteString(QStringLiteral("FileInformation"), QStringLiteral("Name"),
                                   QFileInfo(chosen).fileName());
      // From now on the chosen file is the one written. It becomes the
      // current language only where the language list looks for languages:
      // a copy elsewhere must not send later saves into the folder's file of
      // the same name.
      m_currentFile = target;
      if (IsInLanguageFolder(target)) Settings->Language = QFileInfo(target).completeBaseName();
      ShowFileInCaption();
    }
  }
  ActionSaveExecute(sender);
}

void TMainForm::ActionResetExecute(TObject*) {
  ApplyDefaultGUI(*m_frmMovie);
  m_layoutModified = false;
  m_actionReset->SetEnabled(false);
  m_inspector->RefreshValues();
}

void TMainForm::CBLockClick(TObject*) {
  try {
    m_designer->SetActive(m_cbLock->Checked());
  } catch (...) {
    // The box shows what the designer is: a failed activation unticks it
    // again, without coming back here.
    const TNotifyEvent onClick = std::exchange(m_cbLock->OnClick, nullptr);
    m_cbLock->SetChecked(m_designer->Active());
    m_cbLock->OnClick = onClick;
    throw;
  }
  const bool editing = m_designer->Active();
  if (editing) {
    m_designer->LockAll({TELDesignerLock::dlNoDelete});
    m_designer->LockControl(m_frmMovie->StarRating(), {TELDesignerLock::dlNoResize, TELDesignerLock::dlNoDelete});
    FillComponentList();
    ShowSelection();
  } else {
    m_cbNames->Items().Clear();
  }
  for (TControl* field : std::initializer_list<TControl*>{m_eVersion, m_mAuthor, m_mComments}) field->SetEnabled(editing);
  m_panelBorder->BringToFront();
}

void TMainForm::FillComponentList() {
  TStrings& items = m_cbNames->Items();
  items.BeginUpdate();
  items.Clear();
  const auto add = [&items](TComponent* component) {
    items.AddObject(Format("%s: %s", {component->Name(), component->ClassName()}), component);
  };
  add(m_frmMovie);
  for (int i = 0; i < m_frmMovie->ComponentCount(); ++i) add(m_frmMovie->Components(i));
  items.EndUpdate();
}

void TMainForm::SelectInComponentList(TComponent* component) {
  m_cbNames->SetItemIndex(component ? m_cbNames->Items().IndexOfObject(component) : -1);
}

void TMainForm::ShowSelection() {
  const TELDesignerSelectedControls& selection = m_designer->SelectedControls();
  // One rebuild of the rows for the whole selection, in selection order.
  m_inspector->BeginUpdate();
  {
    const auto endUpdate = qScopeGuard([this] { m_inspector->EndUpdate(); });
    m_inspector->Clear();
    for (int i = 0; i < selection.Count(); ++i) m_inspector->Add(selection.Items(i));
  }
  SelectInComponentList(selection.Count() == 1 ? selection.Items(0) : nullptr);
}

void TMainForm::CBNamesChange(TObject*) {
  const int index = m_cbNames->ItemIndex();
  if (index < 0) return;
  // One change of the selection: the chosen control alone.
  if (auto* control = dynamic_cast<TControl*>(m_cbNames->Items().Objects(index)))
    m_designer->SelectedControls().SelectOnly(control);
}

void TMainForm::PDesignerChangeSelection(TObject*) { ShowSelection(); }

void TMainForm::PDesignerModified(TObject*) {
  m_layoutModified = true;
  m_actionReset->SetEnabled(true);
  ShowSelection();
}

void TMainForm::FormDestroy(TObject*) {
  // The frame goes back to its place before the window's parts go.
  if (m_designer->Active()) m_designer->SetActive(false);
}
