// The language list: one row per language/GUI file of a folder, with the
// information from the top of each file, and below it the selected file's
// version, authors, comments and custom-layout mark, and the choice of what
// happens to the layout ("Load GUI", "Keep current GUI", "Reset GUI to
// default").
#pragma once

#include "toolkit/Forms.h"

#include <QString>

#include <functional>

class TImageList;
class TLabel;
class TListItem;
class TListView;
class TOrqJvLinkLabel;
class TPanel;
class TRadioButton;

// The file information of one language/GUI file: the values of the keys
// "Name", "LocalName", "Version", "Authors", "Comments", "Icon" and
// "CustomGUI".
struct TLanguageInfo {
  QString Name;
  QString LocalName;
  QString Version;
  QString Authors;
  QString Comments;
  QString Icon;
  QString CustomGUI;

  bool operator==(const TLanguageInfo&) const = default;
};

// The sub-items of a row, after its caption (the language's name).
enum TLanguageColumn {
  lcLocalName = 0,
  lcFileName = 1,
  lcVersion = 2,
  lcAuthors = 3,
  lcComments = 4,
  lcCustomGUI = 5,
};

class TLanguageFrame : public TFrame {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TLanguageFrame(TComponent* owner);

  // Lists the files of `folder` that match `mask` (letter case ignored), one
  // row each, sorted by name. The folder becomes the current directory. A
  // folder that does not exist leaves the list empty.
  void FillList(const QString& folder, const QString& mask);
  // The information block of a file: the lines after "[FileInformation]"
  // (exact letter case) up to the first blank line (CR LF CR LF). A file
  // that cannot be read, or has no such block, gives the name "?" and the
  // custom layout "no".
  static TLanguageInfo ReadFileInfo(const QString& fileName);
  // Each field takes the text after the first "=" of the first line whose
  // text before that "=" is the key, letter case ignored; nothing is trimmed.
  static TLanguageInfo ParseFileInfo(const QString& block);
  // Decodes a Base64 bitmap file into the language pictures, transparent
  // where it has the colour of its top-left pixel; the picture's index, or -1
  // for no picture (empty text or anything undecodable).
  int AddPicture(const QString& text);
  // Selects the first row whose file name is exactly `fileName` (letter case
  // counts); without one the selection stays.
  void SelectFile(const QString& fileName);
  // The selected row's file name, or empty.
  QString SelectedFile() const;

  // The authors as the made-by text: entries separated by "|" alternate a
  // name and a mail address; each name gets its own line, with its address
  // as a link when there is one; empty names are skipped.
  static QString MadeByMarkup(const QString& authors);
  // The comments with every "|" as a line break.
  static QString CommentsMarkup(const QString& comments);

  void lstLanguagesSelectItem(TObject* sender, TListItem* item, bool selected);
  // Opens "mailto:" and the address.
  void lblMadebyTextLinkClick(TObject* sender, int linkNumber, const QString& linkText);
  // Opens the address, with "http://" put in front unless it has it.
  void lblCommentsTextLinkClick(TObject* sender, int linkNumber, const QString& linkText);

  // Hands an address to the system's handler; tests record it instead.
  std::function<void(const QString& url)> OpenURL;

  TPanel* PanelForXpThemeBug() const { return m_panel; }
  TListView* LstLanguages() const { return m_lstLanguages; }
  TLabel* LblVersionText() const { return m_lblVersionText; }
  TOrqJvLinkLabel* LblMadebyText() const { return m_lblMadebyText; }
  TOrqJvLinkLabel* LblCommentsText() const { return m_lblCommentsText; }
  TLabel* LblCustomGUItext() const { return m_lblCustomGUItext; }
  TRadioButton* RbLoadGUI() const { return m_rbLoadGUI; }
  TRadioButton* RbKeepGUI() const { return m_rbKeepGUI; }
  TRadioButton* RbResetGUI() const { return m_rbResetGUI; }
  TImageList* ImgLanguages() const { return m_imgLanguages; }

 private:
  void CreateComponents();

  TPanel* m_panel = nullptr;
  TListView* m_lstLanguages = nullptr;
  TLabel* m_lblVersionText = nullptr;
  TOrqJvLinkLabel* m_lblMadebyText = nullptr;
  TOrqJvLinkLabel* m_lblCommentsText = nullptr;
  TLabel* m_lblCustomGUItext = nullptr;
  TRadioButton* m_rbLoadGUI = nullptr;
  TRadioButton* m_rbKeepGUI = nullptr;
  TRadioButton* m_rbResetGUI = nullptr;
  TImageList* m_imgLanguages = nullptr;
};
