// The bundled sample installation: its preferences name the current
// language, and its language files apply cleanly.
#include "app/CommandLine.h"
#include "prefs/ProgramSettings.h"

#include "support/TestSupport.h"

#include <QDir>

#include <sstream>

namespace {

const QString kSample = QStringLiteral(VORNIK_SOURCE_DIR "/sample");

TEST(SampleInstallation, PreferencesNameEnglishAsTheCurrentLanguage) {
  const QString saved = QDir::currentPath();
  SetProgramFolder(kSample);
  TSettings settings;
  settings.Load({"vornik-gui-designer"});
  QDir::setCurrent(saved);
  EXPECT_EQ(settings.Language, "English");
  EXPECT_TRUE(QFileInfo(settings.GetLanguageFile()).isFile()) << settings.GetLanguageFile().toStdString();
}

TEST(SampleInstallation, EveryLanguageFileChecksWithoutErrors) {
  const QStringList files = QDir(kSample + "/Languages").entryList({"*.lng"}, QDir::Files);
  ASSERT_GE(files.size(), 2);
  for (const QString& name : files) {
    std::ostringstream out;
    EXPECT_TRUE(CheckLanguageFile(kSample + "/Languages/" + name, out)) << name.toStdString() << "\n" << out.str();
  }
}

}  // namespace
