// A file opened with "Load GUI" and saved unchanged keeps the heights of the
// frame's controls, whatever minimum heights the controls' fonts ask for.
#include "app/MainWindowFixture.h"

#include "prefs/ProgramSettings.h"
#include "toolkit/ActionList.h"

#include <QFile>

namespace {

class ControlHeights : public MainWindowTest {
 protected:
  // The "Name.Height=value" lines of the frame's section.
  QStringList Heights(const QString& file) const {
    QStringList heights;
    for (const QString& line : SectionLines(file, "TMovieFrame"))
      if (line.section('=', 0, 0).endsWith(".Height")) heights << line;
    return heights;
  }
};

TEST_F(ControlHeights, TheGermanSampleKeepsEveryHeight) {
  const QString file = LanguagePath("Deutsch.lng");
  ASSERT_TRUE(QFile::copy(QStringLiteral(VORNIK_SOURCE_DIR "/sample/Languages/Deutsch.lng"), file));
  const QStringList before = Heights(file);
  ASSERT_EQ(before.size(), 64);
  Open("Deutsch", TGUIChoice::LoadGUI);
  form->ActionSave()->Execute();
  EXPECT_EQ(Heights(file), before);
}

TEST_F(ControlHeights, HeightsBelowTheFontsMinimumAreKept) {
  // Heights a font would not allow for an edit, a spin edit, a combo edit
  // and a list field.
  const QString file = WriteLanguage("Deutsch.lng", {"[FileInformation]", "Name=Deutsch", "", "[TMovieFrame]",
                                                     "EMedia.Height=9", "EYear.Height=15", "EURL.Height=12",
                                                     "ECategory.Height=14"});
  Open("Deutsch", TGUIChoice::LoadGUI);
  form->ActionSave()->Execute();
  const QStringList heights = Heights(file);
  for (const char* line : {"EMedia.Height=9", "EYear.Height=15", "EURL.Height=12", "ECategory.Height=14"})
    EXPECT_TRUE(heights.contains(QLatin1String(line))) << line << " in " << heights.join(" ").toStdString();
}

}  // namespace
