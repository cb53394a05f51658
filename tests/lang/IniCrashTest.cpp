// A Save killed at any moment leaves the old file or the new one, never a
// mix, and the next Save cleans up after it.
#include "lang/IniFile.h"

#include "SaveKeys.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <chrono>
#include <random>
#include <thread>

namespace {

class IniCrashTest : public TempDirTest {
 protected:
  static void Save(const QString& path, int variant) {
    TIniFile ini(path);
    ini.BeginUpdate();
    WriteLayoutSave(ini, SampleFrameControls(), variant);
    ini.EndUpdate();
  }
  QStringList Entries() const {
    return QDir(DirPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  }
};

// The sample German file grown to about 300 KB by the sections of other
// windows, as a catalog's full language file is.
QByteArray LargeLanguageFile() {
  QByteArray bytes = ReadFileBytes(QStringLiteral(VORNIK_SOURCE_DIR "/sample/Languages/Deutsch.lng"));
  for (int window = 0; bytes.size() < 300 * 1024; ++window) {
    bytes += "\r\n[TOtherWindow" + QByteArray::number(window) + "]\r\n";
    for (int i = 0; i < 100; ++i)
      bytes += "LOther" + QByteArray::number(i) + ".Caption=Beschriftung eines anderen Fensters\r\n";
  }
  return bytes;
}

TEST_F(IniCrashTest, KilledSaveLeavesTheOldOrTheNewFile) {
  const QString path = Path("Deutsch.lng");
  const QString other = Path("Other.lng");
  const QByteArray large = LargeLanguageFile();
  WriteFileBytes(path, large);
  QElapsedTimer timer;
  timer.start();
  Save(path, 1);
  const qint64 saveMicroseconds = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);
  const QByteArray first = ReadFileBytes(path);
  WriteFileBytes(other, first);
  Save(other, 2);
  const QByteArray second = ReadFileBytes(other);
  ASSERT_TRUE(QFile::remove(other));
  ASSERT_NE(first, second);

  // The child saves the two variants by turns as fast as it can; it is
  // killed somewhere within the first few saves.
  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  std::uniform_int_distribution<qint64> delay(0, 4 * saveMicroseconds);
  int cutShort = 0;
  for (int trial = 0; trial < 100; ++trial) {
    SCOPED_TRACE(testing::Message() << "trial " << trial << ", seed " << seed);
    QProcess child;
    child.start(QStringLiteral(INI_SAVE_CHILD), {path});
    ASSERT_TRUE(child.waitForStarted());
    ASSERT_TRUE(child.waitForReadyRead());
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardError().toStdString();
    const QByteArray bytes = ReadFileBytes(path);
    ASSERT_TRUE(bytes == first || bytes == second) << "a mixed file of " << bytes.size() << " bytes";
    if (QFile::exists(path + ".saving")) ++cutShort;
    Save(path, 1);
    ASSERT_EQ(ReadFileBytes(path), first);
    ASSERT_EQ(Entries(), QStringList{"Deutsch.lng"});
  }
  // Some kills came while the new bytes were being written, which left the
  // temporary file for the next Save to take over.
  EXPECT_GT(cutShort, 0);
  RecordProperty("savesCutShort", cutShort);
}

}  // namespace
