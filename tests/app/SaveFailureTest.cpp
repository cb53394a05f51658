// A Save that fails on the way leaves the language file as it was.
#include "app/MainWindowFixture.h"

#include "frame/framemovie.h"
#include "lang/IniFile.h"
#include "toolkit/ActionList.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"

#include <QDir>
#include <QFile>

namespace {

class SaveFailureTest : public MainWindowTest {
 protected:
  // The last label of the frame in child order, so that its caption is
  // written after most other keys.
  TControl* LastLabel() const {
    TControl* last = nullptr;
    for (int i = 0; i < form->FrmMovie()->ControlCount(); ++i)
      if (dynamic_cast<TStaticText*>(form->FrmMovie()->Controls(i))) last = form->FrmMovie()->Controls(i);
    return last;
  }
  void ExpectSaveFails(const QString& message) {
    try {
      form->ActionSave()->Execute();
      ADD_FAILURE() << "the save went through";
    } catch (const EIniFileError& e) {
      EXPECT_EQ(e.Message(), message);
    }
  }
};

TEST_F(SaveFailureTest, CaptionTheFileCannotHoldLeavesTheWholeFileUnchanged) {
  const QString file =
      WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch", "", "[TMovieFrame]", "LYear.Caption=J\u00e4hr:"},
                    "Windows-1252");
  const QByteArray before = ReadFileBytes(file);
  Open("Deutsch", {});
  form->EVersion()->SetText("2.0");
  TControl* label = LastLabel();
  ASSERT_NE(label, nullptr);
  label->SetCaption(QString::fromUtf8("\xd0\x96"));
  ExpectSaveFails("Unable to write to " + file + QString::fromUtf8(": [TMovieFrame] ") + label->Name() +
                  QString::fromUtf8(".Caption=\xd0\x96 holds characters that the file's encoding (Windows-1252) "
                                    "cannot store"));
  EXPECT_EQ(ReadFileBytes(file), before);
  EXPECT_EQ(QDir(Path("Languages")).entryList(QDir::Files | QDir::Hidden), QStringList{"Deutsch.lng"});
  // Once the caption can be stored, the same Save goes through whole.
  label->SetCaption(QStringLiteral("Jahr:"));
  form->ActionSave()->Execute();
  EXPECT_TRUE(SectionLines(file, "FileInformation").contains("Version=2.0"));
  EXPECT_TRUE(SectionLines(file, "TMovieFrame").contains(label->Name() + ".Caption=Jahr:"));
}

TEST_F(SaveFailureTest, FileWhoseFolderIsGoneIsReportedAndNotCreated) {
  const QString file = WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch"});
  Open("Deutsch", {});
  ASSERT_TRUE(QDir(Path("Languages")).removeRecursively());
  ExpectSaveFails("Unable to write to " + file);
  EXPECT_FALSE(QFile::exists(Path("Languages")));
}

}  // namespace
