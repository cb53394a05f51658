// The main window used with real input: the toolbar after dialogs, exact
// window titles, and Save as writing only the file the user chose.
#include "realinput/RealInputFixture.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <vector>

namespace {

// The bytes of every file of a folder, by name.
std::map<QString, QByteArray> FolderBytes(const QString& folder) {
  std::map<QString, QByteArray> files;
  for (const QString& name : QDir(folder).entryList(QDir::Files)) files[name] = ReadFileBytes(QDir(folder).filePath(name));
  return files;
}

TEST_F(RealInputTest, TheToolbarWorksAfterTheLanguageDialogClosesEitherWay) {
  const std::vector<std::pair<const char*, std::function<void(const QString&)>>> closings = {
      {"Escape", [this](const QString&) { session.Key("Escape"); }},
      {"Cancel", [this](const QString& dialog) { session.Click(LanguageDialogPoint(dialog, "btn1")); }},
      {"the window's close button", [this](const QString&) { session.Key("alt+F4"); }},
      {"OK", [this](const QString& dialog) { session.Click(LanguageDialogPoint(dialog, "btn2")); }},
  };
  for (const auto& [how, close] : closings) {
    SCOPED_TRACE(how);
    const QString dialog = OpenLanguageDialog();
    ASSERT_FALSE(dialog.isEmpty());
    close(dialog);
    ASSERT_TRUE(session.WaitForNoWindow(kLanguageTitle));
  }
  // OK applied the preselected English; the dialog still comes, and so do
  // the save dialog and Save.
  EXPECT_TRUE(session.WaitForTitle(mainWindow, "Vornik GUI designer - English.lng"));
  EXPECT_FALSE(OpenLanguageDialog().isEmpty());
  session.Key("Escape");
  ASSERT_TRUE(session.WaitForNoWindow(kLanguageTitle));
  ClickToolButton("TBSaveAs");
  ExpectWindow("Save As");
  session.Key("Escape");
  EXPECT_TRUE(session.WaitForNoWindow("Save As"));
  EXPECT_FALSE(OpenLanguageDialog().isEmpty());
}

TEST_F(RealInputTest, OpeningDeutschWithLoadGUIGivesTheExactTitle) {
  EXPECT_EQ(session.Title(mainWindow), kMainTitle);
  const QString dialog = OpenLanguageDialog();
  ASSERT_FALSE(dialog.isEmpty());
  EXPECT_EQ(session.Title(dialog), kLanguageTitle);
  // Typing a name's first letters selects its row in the list.
  session.Click(LanguageDialogPoint(dialog, "lstLanguages"));
  session.Type("Deu");
  session.Click(LanguageDialogPoint(dialog, "rbLoadGUI"));
  session.Click(LanguageDialogPoint(dialog, "btn2"));
  EXPECT_TRUE(session.WaitForTitle(mainWindow, "Vornik GUI designer - Deutsch.lng"))
      << session.Title(mainWindow).toStdString();
}

TEST_F(RealInputTest, SaveAsIntoAnotherFolderLeavesTheLanguageFolderAlone) {
  QTemporaryDir elsewhere;
  const QString chosen = elsewhere.filePath("Deutsch.lng");
  WriteFileBytes(chosen, "[FileInformation]\r\nName=Other\r\n");
  const QString languages = QDir(program.Folder()).filePath("Languages");
  const std::map<QString, QByteArray> before = FolderBytes(languages);

  ASSERT_FALSE(OpenLanguageDialog().isEmpty());
  session.Key("Return");  // the current language, English
  ASSERT_TRUE(session.WaitForTitle(mainWindow, "Vornik GUI designer - English.lng"));
  ClickToolButton("TBSaveAs");
  ExpectWindow("Save As");
  session.Type(chosen);
  session.Key("Return");
  ASSERT_TRUE(session.WaitForNoWindow("Save As"));
  EXPECT_TRUE(session.WaitForTitle(mainWindow, "Vornik GUI designer - Deutsch.lng"));
  ClickToolButton("TBSave");
  // A second Open after the saves still shows the dialog.
  EXPECT_FALSE(OpenLanguageDialog().isEmpty());
  session.Key("Escape");

  const QByteArray written = ReadFileBytes(chosen);
  EXPECT_TRUE(written.contains("Name=Deutsch.lng\r\n"));
  EXPECT_TRUE(written.contains("LocalName=English\r\n"));
  EXPECT_TRUE(written.contains("CustomGUI="));
  EXPECT_EQ(FolderBytes(languages), before);
}

TEST_F(RealInputTest, TheToolbarWorksAfterAnErrorBox) {
  ASSERT_FALSE(OpenLanguageDialog().isEmpty());
  session.Key("Return");
  ASSERT_TRUE(session.WaitForTitle(mainWindow, "Vornik GUI designer - English.lng"));
  const QString file = program.LanguageFile("English.lng");
  const QByteArray before = ReadFileBytes(file);
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
  ClickToolButton("TBSave");
  // The error box carries the application's title.
  const QString box = ExpectWindow(kMainTitle);
  ASSERT_FALSE(box.isEmpty());
  EXPECT_NE(box, mainWindow);
  session.Key("Return");
  ASSERT_TRUE(session.WaitForNoWindow(kMainTitle));
  EXPECT_EQ(ReadFileBytes(file), before);
  EXPECT_FALSE(OpenLanguageDialog().isEmpty());
}

}  // namespace
