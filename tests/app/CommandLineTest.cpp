#include "app/CommandLine.h"

#include "toolkit/Screen.h"

#include "support/TestSupport.h"

#include <QFileInfo>
#include <QImage>

#include <sstream>

namespace {

struct Outcome {
  std::optional<int> status;
  std::string out;
  std::string err;
};

Outcome RunWith(const QStringList& args) {
  std::ostringstream out;
  std::ostringstream err;
  Outcome run;
  run.status = RunCommandLine(QStringList{"vornik-gui-designer"} + args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

const QString kSamples = QStringLiteral(VORNIK_SOURCE_DIR "/sample/Languages/");

class CommandLine : public TempDirTest {};

TEST_F(CommandLine, SampleFilesAreClean) {
  const Outcome run = RunWith({"--check", kSamples + "English.lng", kSamples + "Deutsch.lng"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
}

TEST_F(CommandLine, MistakesGiveErrorsAndWarningsWithLineNumbers) {
  const QString file = Path("bad.lng");
  WriteFileBytes(file,
                 "[FileInformation]\r\nName=Bad\r\n\r\n[MainForm]\r\nNoSuch.Caption=x\r\nCBLock.NoProp=1\r\n"
                 "CBLock.Font=1\r\n[TMovieFrame]\r\nEMedia.Width=abc\r\nEMedia.Left=$20\r\n"
                 "EDescription.Lines.Strings[-1]=x\r\n");
  const QByteArray before = ReadFileBytes(file);
  const Outcome run = RunWith({"--check", file});
  EXPECT_EQ(run.status, 1);
  const std::string name = file.toStdString();
  EXPECT_EQ(run.out, name + ":5: error: Unable to assign value for NoSuch.Caption = x\n" + name +
                         ":6: warning: CBLock.NoProp: no such property; the line changes nothing\n" + name +
                         ":7: warning: CBLock.Font: the property cannot be set from a file; the line changes nothing\n" +
                         name + ":9: error: Unable to assign value for EMedia.Width = abc\n" + name +
                         ":11: warning: EDescription.Lines.Strings[-1]: the path leads to nothing; the line changes "
                         "nothing\n");
  EXPECT_EQ(ReadFileBytes(file), before);  // never written
}

TEST_F(CommandLine, FileInformationTheLanguageListCannotFindIsAWarning) {
  const std::vector<std::pair<QByteArray, std::string>> cases{
      {"[FileInformation]\nName=x\n\n", ":1: warning: line feeds without carriage returns"},
      {"[fileinformation]\r\nName=x\r\n\r\n", ":1: warning: the language list finds only \"[FileInformation]\""},
      {"; c\r\n\r\n[FileInformation]\r\nName=x\r\n\r\n", ":3: warning: \"[FileInformation]\" comes after"},
      {"[MainForm]\r\n", ":1: warning: no \"[FileInformation]\" block"}};
  for (const auto& [bytes, expected] : cases) {
    const QString file = Path("info.lng");
    WriteFileBytes(file, bytes);
    const Outcome run = RunWith({"--check", file});
    EXPECT_EQ(run.status, 0) << bytes.toStdString();
    EXPECT_NE(run.out.find(expected), std::string::npos) << run.out;
  }
  WriteFileBytes(Path("good.lng"), "[FileInformation]\r\nName=x\r\n\r\n");
  EXPECT_EQ(RunWith({"--check", Path("good.lng")}).out, "");
}

TEST_F(CommandLine, WarningsAloneAreNotErrors) {
  const QString file = Path("warn.lng");
  WriteFileBytes(file, "[FileInformation]\r\nName=W\r\n\r\n[MainForm]\r\nCBLock.NoProp=1\r\n");
  EXPECT_EQ(RunWith({"--check", file}).status, 0);
}

TEST_F(CommandLine, UnreadableFilesAndBadArgumentsGiveTwo) {
  Outcome run = RunWith({"--check", Path("missing.lng")});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("cannot be read"), std::string::npos);
  EXPECT_EQ(RunWith({"--check"}).status, 2);
  EXPECT_EQ(RunWith({"--render", kSamples + "English.lng"}).status, 2);
  EXPECT_EQ(RunWith({"--bogus"}).status, 2);
  run = RunWith({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("--check FILE..."), std::string::npos);
  EXPECT_FALSE(RunWith({"/tr_show_errors"}).status.has_value());
  EXPECT_FALSE(RunWith({"--screenshot", Path("shot.png")}).status.has_value());
}

TEST_F(CommandLine, RenderSavesThePictureOfTheWindow) {
  const QString png = Path("de.png");
  EXPECT_EQ(RunWith({"--render", kSamples + "Deutsch.lng", png}).status, 0);
  const QImage image(png);
  EXPECT_EQ(image.size(), QSize(787, 637));
}

TEST_F(CommandLine, RenderAtAFinerResolutionScalesThePanelAndMakesRoomForIt) {
  const QString normal = Path("96.png");
  const QString at120 = Path("120.png");
  const QString at144 = Path("144.png");
  ASSERT_EQ(RunWith({"--render", kSamples + "English.lng", normal}).status, 0);
  ASSERT_EQ(RunWith({"--render", kSamples + "English.lng", at120, "--dpi", "120"}).status, 0);
  ASSERT_EQ(RunWith({"--render", kSamples + "English.lng", at144, "--dpi", "144"}).status, 0);
  const QImage a(normal), b(at120), c(at144);
  // The window grows by as much as the panel does, so the scaled panel fits:
  // its 553 pixels of width become 691 at 120 and 830 at 144.
  EXPECT_EQ(a.size(), QSize(787, 637));
  EXPECT_EQ(b.width(), 787 + 138);
  EXPECT_EQ(c.width(), 787 + 277);
  EXPECT_GT(b.height(), a.height() + 150);
  EXPECT_GT(c.height(), b.height() + 150);
  // The resolution was for the pictures only.
  EXPECT_EQ(Screen().PixelsPerInchOverride(), 0);
  for (const char* bad : {"0", "abc", "481"})
    EXPECT_EQ(RunWith({"--render", kSamples + "English.lng", Path("x.png"), "--dpi", bad}).status, 2) << bad;
  EXPECT_EQ(RunWith({"--render", kSamples + "English.lng", Path("x.png"), "--dpi"}).status, 2);
  EXPECT_FALSE(QFileInfo::exists(Path("x.png")));
}

}  // namespace
