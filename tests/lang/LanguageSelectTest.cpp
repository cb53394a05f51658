// The language list and the selection dialog over real language folders:
// the file-information reader, the rows and their pictures, the details of
// the selected file, the links, and the dialog's answers.
#include "lang/frameLanguage.h"
#include "lang/languageselect.h"

#include "controls/OrqCorelButton.h"
#include "controls/OrqJvLinkLabel.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/Buttons.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/SysUtils.h"

#include "support/RecordingDialogs.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// A 16 x 16 bitmap file in Base64: magenta, with a blue square in the middle.
QString IconText(const char* format = "BMP") {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x) image.setPixelColor(x, y, QColor(0, 0, 255));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return QString::fromLatin1(bytes.toBase64());
}

// The file-information block of a file, CR LF line ends.
QByteArray InfoFile(const QString& name, const QString& customGUI, const QString& extra = {}) {
  return QStringLiteral(
             "[FileInformation]\r\nName=%1\r\nLocalName=%1 local\r\nVersion=2.0\r\nAuthors=Ann|ann@example.org\r\n"
             "Comments=First|Second\r\nIcon=%2\r\nCustomGUI=%3\r\n%4\r\n[MainForm]\r\nCBLock.Caption=x\r\n")
      .arg(name, IconText(), customGUI, extra)
      .toUtf8();
}

// A program folder with a "Languages" folder, the preferences in place and
// the current directory kept.
class LanguageFolder : public TempDirTest {
 protected:
  void SetUp() override {
    m_programFolder = ProgramFolder();
    m_currentDir = QDir::currentPath();
    m_settings = Settings;
    Settings = &settings;
    SetProgramFolder(DirPath());
    QDir(DirPath()).mkdir("Languages");
  }
  void TearDown() override {
    Settings = m_settings;
    SetProgramFolder(m_programFolder);
    QDir::setCurrent(m_currentDir);
  }

  QString Folder() const { return Path("Languages") + "/"; }
  void Write(const QString& name, const QByteArray& bytes) { WriteFileBytes(Folder() + name, bytes); }
  static QStringList Captions(TListView* list) {
    QStringList captions;
    for (int i = 0; i < list->Items().Count(); ++i) captions << list->Items().Item(i)->Caption();
    return captions;
  }
  static TListItem* Row(TListView* list, const QString& caption) {
    for (int i = 0; i < list->Items().Count(); ++i)
      if (list->Items().Item(i)->Caption() == caption) return list->Items().Item(i);
    ADD_FAILURE() << "no row " << caption.toStdString();
    return nullptr;
  }

  TSettings settings;

 private:
  QString m_programFolder;
  QString m_currentDir;
  TSettings* m_settings = nullptr;
};

// ---- the file-information reader -------------------------------------------

TEST_F(LanguageFolder, ReadsTheBlockBeforeTheFirstBlankLine) {
  Write("Good.lng", InfoFile("Deutsch", "yes"));
  const TLanguageInfo info = TLanguageFrame::ReadFileInfo(Folder() + "Good.lng");
  EXPECT_EQ(info.Name, "Deutsch");
  EXPECT_EQ(info.LocalName, "Deutsch local");
  EXPECT_EQ(info.Version, "2.0");
  EXPECT_EQ(info.Authors, "Ann|ann@example.org");
  EXPECT_EQ(info.Comments, "First|Second");
  EXPECT_EQ(info.Icon, IconText());
  EXPECT_EQ(info.CustomGUI, "yes");
}

TEST_F(LanguageFolder, FilesWithoutAReadableBlockShowAsUnknown) {
  struct Case {
    const char* why;
    QByteArray bytes;
  };
  QByteArray lfOnly = InfoFile("Deutsch", "yes");
  lfOnly.replace("\r\n", "\n");
  QByteArray otherCase = InfoFile("Deutsch", "yes");
  otherCase.replace("[FileInformation]", "[fileinformation]");
  const Case cases[] = {
      {"line feeds only", lfOnly},
      {"header in other letter case", otherCase},
      {"block after the first blank line", "; comment\r\n\r\n[FileInformation]\r\nName=Late\r\n\r\n"},
      {"no blank line", "[FileInformation]\r\nName=Open\r\n"},
      {"no header", "[MainForm]\r\nName=x\r\n\r\n"},
  };
  TLanguageInfo unknown;
  unknown.Name = "?";
  unknown.CustomGUI = "no";
  for (const Case& c : cases) {
    Write("File.lng", c.bytes);
    EXPECT_EQ(TLanguageFrame::ReadFileInfo(Folder() + "File.lng"), unknown) << c.why;
  }
  EXPECT_EQ(TLanguageFrame::ReadFileInfo(Folder() + "Missing.lng"), unknown);
}

TEST(LanguageInfo, KeysIgnoreLetterCaseButNotSpacesAndValuesStayAsWritten) {
  const TLanguageInfo info = TLanguageFrame::ParseFileInfo(
      "\r\nName =Spaced\r\nLOCALNAME=Upper\r\nVersion= 1.0 \r\nVersion=second\r\nAuthors=a=b\r\nno equals\r\n");
  EXPECT_EQ(info.Name, "");
  EXPECT_EQ(info.LocalName, "Upper");
  EXPECT_EQ(info.Version, " 1.0 ");
  EXPECT_EQ(info.Authors, "a=b");
  EXPECT_EQ(info.Comments, "");
  EXPECT_EQ(info.CustomGUI, "");
}

// ---- the texts of the selected file ----------------------------------------

TEST(LanguageInfo, MadeByMarkupPairsNamesWithAddresses) {
  const std::pair<const char*, const char*> cases[] = {
      {"A|a|B", "A (<link>a</link>)<br>B<br>"},
      {"A||B|b", "A<br>B (<link>b</link>)<br>"},
      {"|a", ""},
      {"", ""},
      {"A|a|", "A (<link>a</link>)<br>"},
      {"A|a||b|C", "A (<link>a</link>)<br>C<br>"},
  };
  for (const auto& [authors, markup] : cases) EXPECT_EQ(TLanguageFrame::MadeByMarkup(authors), markup) << authors;
  EXPECT_EQ(TLanguageFrame::CommentsMarkup("First|Second|"), "First<br>Second<br>");
}

// ---- the list --------------------------------------------------------------

TEST_F(LanguageFolder, ListsTheLanguageFilesSortedByName) {
  QByteArray badIcon = InfoFile("Deutsch", "yes");
  badIcon.replace(IconText().toLatin1(), "not*base64");
  Write("English.lng", InfoFile("English", "no"));
  Write("deutsch.lng", badIcon);
  Write("Broken.LNG", "[FileInformation]\nName=Broken\n\n");
  Write("notes.txt", InfoFile("Notes", "no"));
  Write(".Hidden.lng", InfoFile("Hidden", "no"));
  QDir(Folder()).mkdir("Folder.lng");
  TLanguageFrame frame(nullptr);
  TListView* list = frame.LstLanguages();
  frame.FillList(Folder(), "*.lng");
  QStringList captions = Captions(list);
  EXPECT_EQ(captions.size(), 3);
  EXPECT_TRUE(captions.contains("?"));
  EXPECT_LT(captions.indexOf("Deutsch"), captions.indexOf("English"));
  EXPECT_EQ(QDir::currentPath(), QDir(Folder()).absolutePath());

  TListItem* english = Row(list, "English");
  EXPECT_EQ(english->SubItems().Strings(lcLocalName), "English local");
  EXPECT_EQ(english->SubItems().Strings(lcFileName), "English.lng");
  EXPECT_EQ(english->SubItems().Strings(lcVersion), "2.0");
  EXPECT_EQ(english->SubItems().Strings(lcAuthors), "Ann|ann@example.org");
  EXPECT_EQ(english->SubItems().Strings(lcComments), "First|Second");
  EXPECT_EQ(english->SubItems().Strings(lcCustomGUI), "no");
  ASSERT_GE(english->ImageIndex(), 0);
  // An invalid picture leaves its row without one.
  EXPECT_EQ(Row(list, "Deutsch")->ImageIndex(), -1);
  TListItem* broken = Row(list, "?");
  EXPECT_EQ(broken->ImageIndex(), -1);
  EXPECT_EQ(broken->SubItems().Strings(lcFileName), "Broken.LNG");
  EXPECT_EQ(broken->SubItems().Strings(lcCustomGUI), "no");
  EXPECT_EQ(frame.ImgLanguages()->Count(), 1);

  // Filling again starts afresh; a missing folder lists nothing.
  frame.FillList(Folder() + "Nowhere/", "*.lng");
  EXPECT_EQ(list->Items().Count(), 0);
  EXPECT_EQ(frame.ImgLanguages()->Count(), 0);
}

TEST(LanguagePictures, TopLeftColourBecomesTransparent) {
  TLanguageFrame frame(nullptr);
  const int index = frame.AddPicture(IconText());
  ASSERT_EQ(index, 0);
  const QImage picture = frame.ImgLanguages()->Image(index);
  EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(picture.pixel(15, 15)), 0);
  EXPECT_EQ(picture.pixelColor(8, 8), QColor(0, 0, 255));
  const std::pair<const char*, QString> refused[] = {
      {"empty", ""}, {"not Base64", "Qk0*&^%"}, {"not a bitmap", IconText("PNG")}, {"cut short", IconText().left(40)}};
  for (const auto& [why, text] : refused) EXPECT_EQ(frame.AddPicture(text), -1) << why;
  EXPECT_EQ(frame.ImgLanguages()->Count(), 1);
}

TEST_F(LanguageFolder, SelectingAFileRespectsLetterCase) {
  Write("deutsch.lng", InfoFile("Deutsch", "yes"));
  Write("English.lng", InfoFile("English", "no"));
  TLanguageFrame frame(nullptr);
  frame.FillList(Folder(), "*.lng");
  frame.SelectFile("Deutsch.lng");
  EXPECT_EQ(frame.LstLanguages()->Selected(), nullptr);
  EXPECT_EQ(frame.SelectedFile(), "");
  frame.SelectFile("deutsch.lng");
  EXPECT_EQ(frame.SelectedFile(), "deutsch.lng");
  frame.SelectFile("Other.lng");
  EXPECT_EQ(frame.SelectedFile(), "deutsch.lng");
}

TEST_F(LanguageFolder, SelectedRowFillsTheDetailsAndTheLayoutChoice) {
  Write("Yes.lng", InfoFile("Custom", "yes"));
  Write("Capital.lng", InfoFile("Capital", "Yes"));
  Write("No.lng", InfoFile("Plain", "no"));
  Write("Empty.lng", InfoFile("Empty", ""));
  TLanguageFrame frame(nullptr);
  frame.FillList(Folder(), "*.lng");
  TListView* list = frame.LstLanguages();
  EXPECT_EQ(frame.LblVersionText()->Caption(), "version");
  EXPECT_EQ(frame.LblMadebyText()->Caption(), "madeby");
  EXPECT_EQ(frame.LblCommentsText()->Caption(), "comment");
  EXPECT_EQ(frame.LblCustomGUItext()->Caption(), "customgui");
  EXPECT_FALSE(frame.RbLoadGUI()->Checked() || frame.RbKeepGUI()->Checked() || frame.RbResetGUI()->Checked());

  list->SetSelected(Row(list, "Custom"));
  EXPECT_EQ(frame.LblVersionText()->Caption(), "2.0");
  EXPECT_EQ(frame.LblMadebyText()->Caption(), "Ann (<link>ann@example.org</link>)<br>");
  EXPECT_EQ(frame.LblCommentsText()->Caption(), "First<br>Second");
  EXPECT_EQ(frame.LblCustomGUItext()->Caption(), "+");
  EXPECT_TRUE(frame.RbLoadGUI()->Enabled());
  EXPECT_TRUE(frame.RbLoadGUI()->Checked());

  // "Yes" in capitals is neither: the mark and the radio buttons stay.
  list->SetSelected(Row(list, "Capital"));
  EXPECT_EQ(frame.LblCustomGUItext()->Caption(), "+");
  EXPECT_TRUE(frame.RbLoadGUI()->Enabled());
  EXPECT_TRUE(frame.RbLoadGUI()->Checked());

  for (const char* plain : {"Plain", "Empty"}) {
    frame.RbResetGUI()->SetChecked(true);
    frame.RbLoadGUI()->SetEnabled(true);
    list->SetSelected(Row(list, plain));
    EXPECT_EQ(frame.LblCustomGUItext()->Caption(), "-") << plain;
    EXPECT_FALSE(frame.RbLoadGUI()->Enabled()) << plain;
    EXPECT_TRUE(frame.RbKeepGUI()->Checked()) << plain;
  }

  frame.RbResetGUI()->SetChecked(true);
  list->SetSelected(Row(list, "Capital"));
  EXPECT_EQ(frame.LblCustomGUItext()->Caption(), "-");
  EXPECT_TRUE(frame.RbResetGUI()->Checked());
  EXPECT_FALSE(frame.RbLoadGUI()->Enabled());

  list->SetSelected(nullptr);
  EXPECT_EQ(frame.LblVersionText()->Caption(), "");
  EXPECT_EQ(frame.LblMadebyText()->Caption(), "");
  EXPECT_EQ(frame.LblCommentsText()->Caption(), "");
  EXPECT_EQ(frame.LblCustomGUItext()->Caption(), "-");
  EXPECT_TRUE(frame.RbResetGUI()->Checked());
}

// ---- links -----------------------------------------------------------------

TEST_F(LanguageFolder, LinksOpenMailAndWebAddresses) {
  Write("Links.lng", InfoFile("Links", "no").replace(
                         "Comments=First|Second",
                         "Comments=See <link>www.example.org</link>|or <link>HTTP://Example.org/x</link>|"
                         "or <link>https://example.org/s</link>"));
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 430);
  auto* frame = new TLanguageFrame(&form);
  frame->SetParent(&form);
  std::vector<QString> opened;
  frame->OpenURL = [&](const QString& url) { opened.push_back(url); };
  form.ShowForm();
  frame->FillList(Folder(), "*.lng");
  frame->SelectFile("Links.lng");
  QApplication::processEvents();

  auto clickLink = [](TOrqJvLinkLabel* label, int n) {
    label->Widget()->grab();
    TNodeEnumerator links = label->Tree().TopLevelNodes(TLinkNode::StaticClass());
    for (int i = 0; i < n; ++i) links.GetNext();
    TRectEnumerator rects = static_cast<TAreaNode*>(links.GetNext())->AreaRects();
    QRect rect;
    while (rects.HasNext() && rect.isEmpty()) rect = rects.GetNext();
    QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, rect.center());
  };
  clickLink(frame->LblMadebyText(), 0);
  clickLink(frame->LblCommentsText(), 0);
  clickLink(frame->LblCommentsText(), 1);
  clickLink(frame->LblCommentsText(), 2);
  EXPECT_EQ(opened, (std::vector<QString>{"mailto:ann@example.org", "http://www.example.org", "HTTP://Example.org/x",
                                          "https://example.org/s"}));
}

// ---- the dialog ------------------------------------------------------------

class LanguageDialog : public LanguageFolder {
 protected:
  void SetUp() override {
    LanguageFolder::SetUp();
    Write("deutsch.lng", InfoFile("Deutsch", "yes"));
    Write("English.lng", InfoFile("English", "no"));
  }
  static void Click(TControl* control) { QTest::mouseClick(control->Widget(), Qt::LeftButton); }

  ScopedDialogs dialogs;
};

TEST_F(LanguageDialog, OkStoresTheSelectedFileAsTheLanguage) {
  settings.Language = "English";
  TLanguageWin dialog(nullptr);
  dialogs->answerModal = [&](TCustomForm&) {
    TLanguageFrame* frame = dialog.LanguageFrame();
    EXPECT_EQ(frame->SelectedFile(), "English.lng");
    EXPECT_EQ(frame->LblVersionText()->Caption(), "2.0");
    EXPECT_TRUE(frame->RbKeepGUI()->Checked());
    frame->SelectFile("deutsch.lng");
    frame->RbResetGUI()->SetChecked(true);
    Click(dialog.Btn2());
  };
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(settings.Language, "deutsch");
  EXPECT_TRUE(dialog.LanguageFrame()->RbResetGUI()->Checked());
  EXPECT_EQ(dialog.SelectedVersion(), "2.0");
  EXPECT_EQ(dialog.SelectedAuthors(), "Ann|ann@example.org");
  EXPECT_EQ(dialog.SelectedComments(), "First|Second");
}

TEST_F(LanguageDialog, PreselectionRespectsLetterCaseAndOkWithoutARowEmptiesTheLanguage) {
  settings.Language = "Deutsch";
  TLanguageWin dialog(nullptr);
  dialogs->answerModal = [&](TCustomForm&) {
    EXPECT_EQ(dialog.LanguageFrame()->LstLanguages()->Selected(), nullptr);
    Click(dialog.Btn2());
  };
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(settings.Language, "");
  EXPECT_EQ(dialog.SelectedVersion(), "");
  EXPECT_EQ(settings.GetLanguageFile(), "");
}

TEST_F(LanguageDialog, CancelKeepsTheLanguageButDropsAnUnknownOne) {
  struct Case {
    const char* language;
    const char* after;
    std::function<void(TLanguageWin&)> answer;
  };
  const Case cases[] = {
      {"?", "", [](TLanguageWin& d) { Click(d.Btn1()); }},
      {"English", "English", [](TLanguageWin& d) { Click(d.Btn1()); }},
      {"?", "", [](TLanguageWin& d) { QTest::keyClick(d.LanguageFrame()->LstLanguages()->Widget(), Qt::Key_Escape); }},
      {"English", "English", [](TLanguageWin& d) { d.Close(); }},
  };
  for (const Case& c : cases) {
    settings.Language = c.language;
    TLanguageWin dialog(nullptr);
    dialogs->answerModal = [&](TCustomForm&) {
      dialog.LanguageFrame()->SelectFile("deutsch.lng");
      c.answer(dialog);
    };
    EXPECT_FALSE(dialog.Execute()) << c.language;
    EXPECT_EQ(settings.Language, c.after) << c.language;
  }
}

TEST_F(LanguageDialog, DoubleClickOnARowConfirms) {
  settings.Language = "English";
  TLanguageWin dialog(nullptr);
  dialogs->answerModal = [&](TCustomForm&) {
    auto* tree = static_cast<QTreeWidget*>(dialog.LanguageFrame()->LstLanguages()->Widget());
    QApplication::processEvents();
    QTreeWidgetItem* deutsch = tree->findItems("Deutsch", Qt::MatchExactly).value(0);
    ASSERT_NE(deutsch, nullptr);
    const QPoint at = tree->viewport()->mapTo(dialog.Widget(), tree->visualItemRect(deutsch).center());
    QTest::mouseDClick(dialog.Widget()->windowHandle(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
  };
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(settings.Language, "deutsch");
}

TEST(LanguageDialogLayout, RefusesToRunWithoutPreferences) {
  TSettings* previous = Settings;
  Settings = nullptr;
  ScopedDialogs dialogs;
  TLanguageWin dialog(nullptr);
  try {
    dialog.Execute();
    ADD_FAILURE() << "no error";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "TLanguageWin.Execute: The preferences are not loaded");
  }
  Settings = previous;
}

TEST(LanguageDialogLayout, HasItsFixedGeometry) {
  TLanguageWin dialog(nullptr);
  EXPECT_EQ(dialog.Caption(), "Select a language");
  EXPECT_EQ(dialog.ClientWidth(), 396);
  EXPECT_EQ(dialog.ClientHeight(), 503);
  EXPECT_EQ(dialog.BorderStyle(), TFormBorderStyle::bsSingle);
  EXPECT_EQ(dialog.Position(), TPosition::poOwnerFormCenter);
  TLanguageFrame* frame = dialog.LanguageFrame();
  EXPECT_EQ(frame->Name(), "LanguageFrame");
  EXPECT_EQ(frame->BoundsRect(), QRect(2, 2, 392, 465));
  EXPECT_EQ(frame->LstLanguages()->BoundsRect(), QRect(0, 0, 392, 258));
  struct Place {
    const char* name;
    int left;
    int top;
  };
  for (const Place& p : {Place{"lblVersion", 0, 265}, Place{"lblVersionText", 88, 265}, Place{"lblMadeby", 0, 289},
                         Place{"lblMadebyText", 88, 289}, Place{"lblComments", 0, 337},
                         Place{"lblCommentsText", 88, 337}, Place{"lblCustomGUI", 0, 394},
                         Place{"lblCustomGUItext", 88, 394}, Place{"rbLoadGUI", 160, 393},
                         Place{"rbKeepGUI", 160, 417}, Place{"rbResetGUI", 160, 441}}) {
    auto* control = static_cast<TControl*>(frame->FindComponent(p.name));
    ASSERT_NE(control, nullptr) << p.name;
    EXPECT_EQ(control->Left(), p.left) << p.name;
    EXPECT_EQ(control->Top(), p.top) << p.name;
    EXPECT_EQ(control->Anchors(), TAnchors({TAnchorKind::akLeft, TAnchorKind::akBottom})) << p.name;
  }
  for (TOrqJvLinkLabel* link : {frame->LblMadebyText(), frame->LblCommentsText()}) {
    EXPECT_EQ(link->Width(), 299);
    EXPECT_EQ(link->Height(), 47);
    EXPECT_EQ(link->LinkColor(), clBlue);
    EXPECT_EQ(link->LinkColorClicked(), clPurple);
    EXPECT_EQ(link->LinkColorHot(), clRed);
    EXPECT_TRUE(link->HotLinks());
    EXPECT_FALSE(link->AutoHeight());
    EXPECT_TRUE(link->Transparent());
  }
  EXPECT_EQ(dialog.Btn2()->Caption(), "OK");
  EXPECT_TRUE(dialog.Btn2()->Default());
  EXPECT_EQ(dialog.Btn2()->ModalResult(), mrOk);
  EXPECT_EQ(dialog.Btn2()->BoundsRect(), QRect(240, 475, 75, 25));
  EXPECT_EQ(dialog.Btn1()->Caption(), "Cancel");
  EXPECT_TRUE(dialog.Btn1()->Cancel());
  EXPECT_EQ(dialog.Btn1()->ModalResult(), mrCancel);
  EXPECT_EQ(dialog.Btn1()->BoundsRect(), QRect(318, 475, 75, 25));
  EXPECT_TRUE(dialog.Btn1()->Visible() && dialog.Btn2()->Visible());
  EXPECT_FALSE(dialog.Btn3()->Visible() || dialog.Btn4()->Visible());
  EXPECT_EQ(dialog.Bevel1()->BoundsRect(), QRect(3, 470, 390, 2));
}

}  // namespace
