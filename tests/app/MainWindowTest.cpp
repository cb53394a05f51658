#include "app/MainWindowFixture.h"
#include "app/pictures.h"
#include "frame/framemovie.h"
#include "lang/OrqTranslator.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/ActionList.h"
#include "toolkit/Buttons.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/SysUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace {

TEST_F(MainWindowTest, StartsWithOnlyOpenAvailable) {
  EXPECT_EQ(form->Caption(), "Vornik GUI designer");
  EXPECT_EQ(form->ClientWidth(), 787);
  EXPECT_EQ(form->ClientHeight(), 637);
  EXPECT_FALSE(form->FrmMovie()->Enabled());
  EXPECT_FALSE(form->CBLock()->Enabled());
  EXPECT_FALSE(form->EVersion()->Enabled());
  EXPECT_FALSE(form->MAuthor()->Enabled());
  EXPECT_FALSE(form->MComments()->Enabled());
  EXPECT_TRUE(form->ActionOpen()->Enabled());
  EXPECT_FALSE(form->ActionSave()->Enabled());
  EXPECT_FALSE(form->ActionSaveAs()->Enabled());
  EXPECT_FALSE(form->ActionReset()->Enabled());
  EXPECT_FALSE(form->FrmMovie()->CustomLayout());
  EXPECT_EQ(form->GUIChoice(), TGUIChoice::None);
  EXPECT_FALSE(form->LayoutModified());
}

TEST_F(MainWindowTest, PaintsTenStarsOnTheButtonFace) {
  const QImage& row = form->FrmMovie()->StarRating()->Picture().Bitmap().Image();
  ASSERT_EQ(row.size(), QSize(200, 20));
  const QRgb face = ColorToQColor(clBtnFace).rgb();
  const QImage star = StarPicture();
  ASSERT_EQ(star.pixel(0, 0), qRgb(255, 0, 255));
  ASSERT_EQ(star.pixel(9, 12), qRgb(104, 120, 152));  // the star's body
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(row.pixel(20 * i, 0), face) << "former magenta corner of star " << i;
    EXPECT_EQ(row.pixel(20 * i + 9, 12), star.pixel(9, 12)) << "body of star " << i;
    for (int x = 0; x < 20; ++x)
      for (int y = 0; y < 20; ++y) {
        const QRgb expected = star.pixel(x, y) == qRgb(255, 0, 255) ? face : star.pixel(x, y);
        ASSERT_EQ(row.pixel(20 * i + x, y), expected) << i << ": " << x << "," << y;
      }
  }
}

TEST_F(MainWindowTest, ResetPutsTheDefaultLayoutBackAndDisablesItself) {
  TControl* media = form->FrmMovie()->Child("EMedia");
  media->SetBounds(10, 10, 40, 40);
  form->ActionReset()->SetEnabled(true);
  form->ActionReset()->Execute();
  EXPECT_EQ(media->BoundsRect(), QRect(104, 5, 180, 21));
  EXPECT_FALSE(form->ActionReset()->Enabled());
  EXPECT_FALSE(form->LayoutModified());
}

TEST_F(MainWindowTest, ApplyingALanguageNamesTheFileAndEnablesEditing) {
  WriteLanguage("Deutsch.lng", {"[MainForm]", "CBLock.Caption=Bearbeiten", "[TMovieFrame]", "LYear.Caption=Jahr:",
                                "EMedia.Left=20"});
  Open("Deutsch", TGUIChoice::None);
  EXPECT_EQ(form->Caption(), "Vornik GUI designer - Deutsch.lng");
  EXPECT_EQ(form->CBLock()->Caption(), "Bearbeiten");
  EXPECT_EQ(form->FrmMovie()->Child("LYear")->Caption(), "Jahr:");
  EXPECT_EQ(form->FrmMovie()->Child("EMedia")->Left(), 20);  // layout loading is on at start
  EXPECT_TRUE(form->FrmMovie()->Enabled());
  EXPECT_TRUE(form->CBLock()->Enabled());
  EXPECT_TRUE(form->ActionSave()->Enabled());
  EXPECT_TRUE(form->ActionSaveAs()->Enabled());
  EXPECT_FALSE(form->ActionReset()->Enabled());
  EXPECT_TRUE(form->FrmMovie()->CustomLayout());
  EXPECT_FALSE(form->FrmMovie()->Modified());  // translated texts are not field changes
}

TEST_F(MainWindowTest, MainFormLinesForCaptionAndFontReplaceTheDefaults) {
  WriteLanguage("Deutsch.lng", {"[MainForm]", "Caption=Eigener Titel", "Font.Name=Courier New", "Font.Charset=238"});
  Open("Deutsch", TGUIChoice::None);
  EXPECT_EQ(form->Caption(), "Eigener Titel");
  EXPECT_EQ(form->Font().Name(), "Courier New");
  EXPECT_EQ(form->Font().Charset(), 238);
  // Without them the font goes back to the default.
  WriteLanguage("English.lng", {"[MainForm]", "CBLock.Caption=Enable editing"});
  Open("English", TGUIChoice::None);
  EXPECT_EQ(form->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form->Font().Charset(), 1);
  EXPECT_EQ(form->Caption(), "Vornik GUI designer - English.lng");
}

TEST_F(MainWindowTest, NoLanguageOrAMissingFileAppliesNothing) {
  for (const char* language : {"", "?", "Missing"}) {
    Open(language, TGUIChoice::LoadGUI);
    EXPECT_EQ(form->Caption(), "Vornik GUI designer") << language;
    EXPECT_FALSE(form->ActionSave()->Enabled()) << language;
  }
}

TEST_F(MainWindowTest, KeepCurrentGUISkipsLayoutAndResetGUIAppliesTheDefault) {
  WriteLanguage("Deutsch.lng", {"[TMovieFrame]", "EMedia.Left=20", "EMedia.Visible=0", "LYear.Caption=Jahr:"});
  Open("Deutsch", TGUIChoice::KeepGUI);
  EXPECT_EQ(form->FrmMovie()->Child("EMedia")->Left(), 104);
  EXPECT_EQ(form->FrmMovie()->Child("LYear")->Caption(), "Jahr:");
  EXPECT_FALSE(Translator->LoadGUI());
  Open("Deutsch", TGUIChoice::ResetGUI);  // keeps the layout switch as choice 2 left it
  EXPECT_EQ(form->FrmMovie()->Child("EMedia")->Left(), 104);
  Open("Deutsch", TGUIChoice::LoadGUI);
  EXPECT_EQ(form->FrmMovie()->Child("EMedia")->Left(), 20);
  EXPECT_FALSE(form->FrmMovie()->Child("EMedia")->Visible());
  Open("Deutsch", TGUIChoice::ResetGUI);  // layout lines applied, then the default laid over them
  EXPECT_EQ(form->FrmMovie()->Child("EMedia")->Left(), 104);
  EXPECT_TRUE(form->FrmMovie()->Child("EMedia")->Visible());
  EXPECT_FALSE(form->ActionReset()->Enabled());
}

int CountKeys(const QStringList& lines, const QString& suffix) {
  int n = 0;
  for (const QString& line : lines) n += line.section('=', 0, 0).endsWith(suffix) ? 1 : 0;
  return n;
}

TEST_F(MainWindowTest, SaveAfterLoadGUIWritesTheWholeLayout) {
  const QString file = WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch", "", "[TMovieFrame]"});
  Open("Deutsch", TGUIChoice::LoadGUI);
  form->EVersion()->SetText("2.0");
  form->MAuthor()->Lines().Add("A|a-address");
  form->ActionSave()->Execute();
  const QStringList info = SectionLines(file, "FileInformation");
  EXPECT_EQ(info, QStringList({"Name=Deutsch", "VersionFormat=4.0.6.4", "Version=2.0", "Authors=A|a-address",
                               "Comments=", "CustomGUI=yes"}));
  const QStringList frame = SectionLines(file, "TMovieFrame");
  for (const char* suffix : {".Left", ".Top", ".Width", ".Height", ".Visible", ".Anchors"})
    EXPECT_EQ(CountKeys(frame, suffix), 64) << suffix;
  EXPECT_EQ(CountKeys(frame, ".Caption"), 33);
  EXPECT_EQ(frame.first(), "StarRating.Left=352");
  EXPECT_TRUE(frame.contains("ERating.Visible=0"));
  EXPECT_TRUE(frame.contains("EComments.Anchors=13"));
  EXPECT_TRUE(frame.contains("LYear.Caption=Year:"));
}

TEST_F(MainWindowTest, SaveAfterKeepCurrentGUIWritesOnlyCaptions) {
  const QString file = WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch", "", "[TMovieFrame]",
                                                     "EMedia.Left=20", "LYear.Caption=Jahr:"});
  Open("Deutsch", TGUIChoice::KeepGUI);
  form->ActionSave()->Execute();
  EXPECT_TRUE(SectionLines(file, "FileInformation").contains("CustomGUI=no"));
  const QStringList frame = SectionLines(file, "TMovieFrame");
  EXPECT_EQ(CountKeys(frame, ".Caption"), 33);
  EXPECT_EQ(CountKeys(frame, ".Left"), 1);
  EXPECT_TRUE(frame.contains("EMedia.Left=20"));  // the old key stays as it was
  EXPECT_TRUE(frame.contains("LYear.Caption=Jahr:"));
}

TEST_F(MainWindowTest, SaveWritesMemosWithoutTheirTrailingLineBreak) {
  const QString file = WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch"});
  Open("Deutsch", TGUIChoice::KeepGUI);
  form->MAuthor()->Lines().Add("A|a");
  form->MComments()->SetText("typed whole");
  form->ActionSave()->Execute();
  QStringList info = SectionLines(file, "FileInformation");
  EXPECT_TRUE(info.contains("Authors=A|a"));
  EXPECT_TRUE(info.contains("Comments=typed whole"));
  // A line break inside becomes the file's own line-break mark.
  form->MComments()->SetText("first\r\nsecond\r\n");
  form->MAuthor()->SetText("");
  form->ActionSave()->Execute();
  info = SectionLines(file, "FileInformation");
  EXPECT_TRUE(info.contains("Comments=first|second"));
  EXPECT_TRUE(info.contains("Authors="));
}

TEST_F(MainWindowTest, SaveAsCancelledSavesTheCurrentFile) {
  const QString file = WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch"});
  Open("Deutsch", TGUIChoice::KeepGUI);
  TSaveDialog* seen = nullptr;
  dialogs->answerDialog = [&](TCommonDialog& d) {
    seen = dynamic_cast<TSaveDialog*>(&d);
    return false;
  };
  form->EVersion()->SetText("3");
  form->ActionSaveAs()->Execute();
  ASSERT_NE(seen, nullptr);
  EXPECT_TRUE(SectionLines(file, "FileInformation").contains("Version=3"));
  EXPECT_EQ(Settings->Language, "Deutsch");
}

TEST_F(MainWindowTest, SaveAsCopiesToTheChosenNameWithTheLanguageExtension) {
  WriteLanguage("English.lng", {"[FileInformation]", "Name=English", "", "[Other]", "Kept=1"});
  const QString chosen = WriteLanguage("Deutsch.txt", {"junk"});
  Open("English", TGUIChoice::KeepGUI);
  QString initialDir;
  QString filter;
  TOpenOptions options;
  dialogs->answerDialog = [&](TCommonDialog& d) {
    auto& save = dynamic_cast<TSaveDialog&>(d);
    initialDir = save.InitialDir;
    filter = save.Filter;
    options = save.Options;
    save.FileName = chosen;
    return true;
  };
  form->ActionSaveAs()->Execute();
  EXPECT_EQ(QDir(initialDir).canonicalPath(), QDir(Path("Languages")).canonicalPath());
  EXPECT_EQ(filter, "Language/GUI files (*.lng)|*.lng");
  EXPECT_TRUE(options.Contains(TOpenOption::ofFileMustExist));
  EXPECT_TRUE(options.Contains(TOpenOption::ofPathMustExist));
  const QString target = LanguagePath("Deutsch.lng");
  EXPECT_EQ(Settings->Language, "Deutsch");
  EXPECT_EQ(form->Caption(), "Vornik GUI designer - Deutsch.lng");
  const QStringList info = SectionLines(target, "FileInformation");
  EXPECT_TRUE(info.contains("Name=Deutsch.txt"));
  EXPECT_TRUE(info.contains("CustomGUI=no"));
  EXPECT_EQ(SectionLines(target, "Other"), QStringList({"Kept=1"}));
  EXPECT_EQ(SectionLines(LanguagePath("English.lng"), "FileInformation"), QStringList({"Name=English"}));
  EXPECT_EQ(ReadFileBytes(chosen), QByteArray("junk\r\n"));
}

TEST_F(MainWindowTest, SaveAsIntoAnotherFolderWritesOnlyTheChosenFile) {
  WriteLanguage("English.lng", {"[FileInformation]", "Name=English", "", "[TMovieFrame]", "LYear.Caption=Year:"});
  WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch", "", "[TMovieFrame]", "LYear.Caption=Jahr:"});
  const QString elsewhere = Path("elsewhere/Deutsch.lng");
  WriteFileBytes(elsewhere, "[FileInformation]\r\nName=Other\r\n");
  const QByteArray englishBefore = ReadFileBytes(LanguagePath("English.lng"));
  const QByteArray deutschBefore = ReadFileBytes(LanguagePath("Deutsch.lng"));
  Open("English", TGUIChoice::KeepGUI);
  dialogs->answerDialog = [&](TCommonDialog& d) {
    dynamic_cast<TSaveDialog&>(d).FileName = elsewhere;
    return true;
  };
  form->EVersion()->SetText("7");
  form->ActionSaveAs()->Execute();
  EXPECT_EQ(form->CurrentFile(), elsewhere);
  EXPECT_EQ(form->Caption(), "Vornik GUI designer - Deutsch.lng");
  EXPECT_EQ(Settings->Language, "English");  // the language folder has no such copy
  const QStringList info = SectionLines(elsewhere, "FileInformation");
  EXPECT_TRUE(info.contains("Name=Deutsch.lng"));
  EXPECT_TRUE(info.contains("Version=7"));
  EXPECT_TRUE(SectionLines(elsewhere, "TMovieFrame").contains("LYear.Caption=Year:"));

  // A later Save goes to the chosen file too.
  form->EVersion()->SetText("8");
  form->ActionSave()->Execute();
  EXPECT_TRUE(SectionLines(elsewhere, "FileInformation").contains("Version=8"));
  EXPECT_EQ(ReadFileBytes(LanguagePath("English.lng")), englishBefore);
  EXPECT_EQ(ReadFileBytes(LanguagePath("Deutsch.lng")), deutschBefore);
}

TEST_F(MainWindowTest, SaveAndSaveAsWithoutAFileSaySoAndWriteNothing) {
  const std::vector<std::pair<const char*, std::function<void()>>> commands = {
      {"Save", [this] { form->ActionSaveExecute(form); }},
      {"Save as", [this] { form->ActionSaveAsExecute(form); }},
  };
  bool asked = false;
  dialogs->answerDialog = [&](TCommonDialog&) { return asked = true; };
  for (const auto& [name, run] : commands) {
    SCOPED_TRACE(name);
    try {
      run();
      ADD_FAILURE() << "no error";
    } catch (const EInvalidOperation& e) {
      EXPECT_EQ(e.Message(), "No language/GUI file is open. Open one first.");
    }
  }
  EXPECT_FALSE(asked);
  EXPECT_TRUE(QDir(Path("Languages")).entryList(QDir::Files).isEmpty());
  EXPECT_FALSE(QFile::exists(Path(".lng")));
}

TEST_F(MainWindowTest, SaveAsOntoTheCurrentFileKeepsIt) {
  const QString file = WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch", "", "[Other]", "Kept=1"});
  Open("Deutsch", TGUIChoice::KeepGUI);
  dialogs->answerDialog = [&](TCommonDialog& d) {
    dynamic_cast<TSaveDialog&>(d).FileName = file;
    return true;
  };
  form->ActionSaveAs()->Execute();
  EXPECT_EQ(SectionLines(file, "Other"), QStringList({"Kept=1"}));
  EXPECT_TRUE(SectionLines(file, "FileInformation").contains("Name=Deutsch.lng"));
}

class SaveEncoding : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SaveEncoding, UmlautCaptionRoundTrips) {
  const QString file = WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch", "", "[TMovieFrame]",
                                                     QString::fromUtf8("LYear.Caption=J\xc3\xa4hr:")},
                                     GetParam());
  const QByteArray before = ReadFileBytes(file);
  Open("Deutsch", TGUIChoice::KeepGUI);
  EXPECT_EQ(form->FrmMovie()->Child("LYear")->Caption(), QString::fromUtf8("J\xc3\xa4hr:"));
  form->FrmMovie()->Child("LSource")->SetCaption(QString::fromUtf8("Qu\xc3\xb6lle:"));
  form->ActionSave()->Execute();
  const QByteArray after = ReadFileBytes(file);
  QStringEncoder encoder(GetParam());
  EXPECT_TRUE(after.contains(QByteArray(encoder.encode(QString::fromUtf8("LSource.Caption=Qu\xc3\xb6lle:")))));
  EXPECT_TRUE(after.contains(QByteArray(encoder.encode(QString::fromUtf8("LYear.Caption=J\xc3\xa4hr:")))));
  // Read back by a new opening, the captions are as saved.
  form->FrmMovie()->Child("LSource")->SetCaption("x");
  Open("Deutsch", TGUIChoice::KeepGUI);
  EXPECT_EQ(form->FrmMovie()->Child("LSource")->Caption(), QString::fromUtf8("Qu\xc3\xb6lle:"));
  EXPECT_NE(before, after);
}

INSTANTIATE_TEST_SUITE_P(Files, SaveEncoding, ::testing::Values("Windows-1252", "UTF-8"));

TEST_F(MainWindowTest, ResetGUIAfterApplyingAFileWithACustomLayout) {
  WriteLanguage("Deutsch.lng", {"[TMovieFrame]", "ERating.Visible=1", "EMedia.Left=10", "EMedia.Top=10"});
  Open("Deutsch", TGUIChoice::LoadGUI);
  EXPECT_TRUE(form->FrmMovie()->Child("ERating")->Visible());
  form->ActionReset()->SetEnabled(true);
  form->ActionReset()->Execute();
  EXPECT_FALSE(form->FrmMovie()->Child("ERating")->Visible());
  EXPECT_EQ(form->FrmMovie()->Child("EMedia")->BoundsRect(), QRect(104, 5, 180, 21));
}

}  // namespace
