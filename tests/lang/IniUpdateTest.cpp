// Writes inside an update: the same bytes as key by key, one replacement at
// the end, and a file left as it was by any failure.
#include "lang/IniFile.h"

#include "SaveKeys.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <ostream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class IniUpdateTest : public TempDirTest {
 protected:
  QStringList Entries() const {
    return QDir(DirPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  }
  // A full layout Save in one update.
  static void SaveInOneUpdate(const QString& path, int variant) {
    TIniFile ini(path);
    ini.BeginUpdate();
    WriteLayoutSave(ini, SampleFrameControls(), variant);
    ini.EndUpdate();
  }
};

// ---- The same bytes as key by key -------------------------------------------

struct FileCase {
  const char* name;
  QByteArray bytes;
  bool exists = true;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

QByteArray SampleBytes(const char* name) {
  return ReadFileBytes(QStringLiteral(VORNIK_SOURCE_DIR "/sample/Languages/") + QLatin1String(name));
}

// Key by key is a replacement of the file per key; a folder in memory, where
// the system has one, keeps those hundreds of syncs quick.
class IniUpdateEquivalence : public ::testing::TestWithParam<FileCase> {
 protected:
  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private:
  QTemporaryDir m_dir{QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/vornik-test-XXXXXX")
                                                                 : QDir::tempPath() + "/vornik-test-XXXXXX"};
};

TEST_P(IniUpdateEquivalence, OneUpdateGivesTheBytesOfTheWritesOneByOne) {
  const FileCase& c = GetParam();
  const QString oneByOne = Path("OneByOne.lng");
  const QString together = Path("Together.lng");
  if (c.exists) {
    WriteFileBytes(oneByOne, c.bytes);
    WriteFileBytes(together, c.bytes);
  }
  const std::vector<TFrameControl> controls = SampleFrameControls();
  {
    TIniFile ini(oneByOne);
    WriteLayoutSave(ini, controls, 1);
  }
  {
    TIniFile ini(together);
    ini.BeginUpdate();
    WriteLayoutSave(ini, controls, 1);
    // Nothing reaches the file before the update ends.
    EXPECT_EQ(QFileInfo::exists(together), c.exists);
    if (c.exists) {
      EXPECT_EQ(ReadFileBytes(together), c.bytes);
    }
    ini.EndUpdate();
  }
  const QByteArray expected = ReadFileBytes(oneByOne);
  EXPECT_EQ(ReadFileBytes(together), expected);
  // A second Save of other values over the first one, too.
  {
    TIniFile ini(oneByOne);
    WriteLayoutSave(ini, controls, 2);
  }
  {
    TIniFile ini(together);
    ini.BeginUpdate();
    WriteLayoutSave(ini, controls, 2);
    ini.EndUpdate();
  }
  EXPECT_EQ(ReadFileBytes(together), ReadFileBytes(oneByOne));
  EXPECT_NE(ReadFileBytes(together), expected);
}

const FileCase kFileCases[] = {
    {"SampleDeutsch", SampleBytes("Deutsch.lng")},
    {"SampleEnglish", SampleBytes("English.lng")},
    {"SampleEspanol", SampleBytes("Espanol.lng")},
    {"SampleFrancais", SampleBytes("Francais.lng")},
    {"SampleItaliano", SampleBytes("Italiano.lng")},
    {"DuplicateKeysAndSections",
     "[FileInformation]\r\nVersion=1\r\nversion=2\r\n\r\n[TMovieFrame]\r\nLYear.Left=1\r\nlyear.LEFT=2\r\n"
     "[tmovieframe]\r\nLYear.Top=5\r\n"},
    {"MissingSections", "[MainForm]\r\nCaption=x\r\n"},
    {"NoFinalLineEnd", "[FileInformation]\r\nName=x\r\n\r\n[TMovieFrame]\r\nLYear.Left=1"},
    {"HeaderWithoutLineEndAtTheEnd", "[FileInformation]\r\nName=x\r\n\r\n[TMovieFrame]"},
    {"NoLineEndAtAll", "; one line"},
    {"ByteOrderMark", "\xEF\xBB\xBF[FileInformation]\r\nName=Gr\xC3\xBC\xC3\x9F\r\n"},
    {"Windows1252", "[FileInformation]\r\nName=M\xFC" "ller\r\n\r\n[TMovieFrame]\r\nLYear.Caption=J\xE4hr:\r\n"},
    {"Windows1252BecomesUtf8WithAByteOrderMark",
     "\xEF\xBB\xBF[TMovieFrame]\r\nLYear.Left=1\r\n[FileInformation]\r\nVersion=\xE9\r\n"},
    {"LineFeedsOnly", "[FileInformation]\nName=x\n\n[TMovieFrame]\nLYear.Left=3\n"},
    {"CarriageReturnsOnly", "[FileInformation]\rName=x\r"},
    {"LoneCarriageReturnAtTheEndOfALineFeedFile", "[FileInformation]\nName=x\r\n[MainForm]\rCaption=y\r"},
    {"BlankLastLineWithoutLineEnd", "[FileInformation]\r\nName=x\r\n \t"},
    {"CommentsBlanksAndLinesWithoutKeys",
     "[TMovieFrame]\r\n;LYear.Left=9\r\nnot a key\r\n LYear.Top = 4 \r\n=\r\n\r\n; end\r\n\r\n"},
    {"SpaceBeforeBracket", " [TMovieFrame]\r\nLYear.Left=1\r\n"},
    {"Empty", ""},
    {"Missing", "", false},
};

INSTANTIATE_TEST_SUITE_P(Files, IniUpdateEquivalence, ::testing::ValuesIn(kFileCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- One replacement at the end ---------------------------------------------

TEST_F(IniUpdateTest, UpdatesNestAndOnlyTheOutermostEndWrites) {
  const QString path = Path("Deutsch.lng");
  WriteFileBytes(path, "[A]\r\nk=1\r\n");
  TIniFile ini(path);
  ini.BeginUpdate();
  ini.WriteString("A", "k", "2");
  ini.BeginUpdate();
  ini.WriteString("A", "n", "3");
  ini.EndUpdate();
  EXPECT_EQ(ReadFileBytes(path), "[A]\r\nk=1\r\n");
  ini.EndUpdate();
  EXPECT_EQ(ReadFileBytes(path), "[A]\r\nk=2\r\nn=3\r\n");
  // The next update reads the file again.
  WriteFileBytes(path, "[B]\r\n");
  ini.BeginUpdate();
  ini.WriteString("A", "k", "4");
  ini.EndUpdate();
  EXPECT_EQ(ReadFileBytes(path), "[B]\r\n\r\n[A]\r\nk=4\r\n");
}

TEST_F(IniUpdateTest, AnUpdateThatChangesNothingLeavesTheFileAlone) {
  const QString path = Path("Deutsch.lng");
  WriteFileBytes(path, "[A]\r\nk=1\r\n");
  struct stat before {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
  TIniFile ini(path);
  ini.BeginUpdate();
  ini.WriteString("A", "k", "2");
  ini.WriteString("A", "k", "1");
  ini.EndUpdate();
  struct stat after {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(ReadFileBytes(path), "[A]\r\nk=1\r\n");
}

// ---- Failures leave the file as it was --------------------------------------

// Takes the write permissions of a folder away and gives them back.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const QString& path) : m_path(path), m_saved(QFile::permissions(path)) {
    QFile::setPermissions(path, m_saved & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                            QFileDevice::WriteGroup | QFileDevice::WriteOther));
  }
  ~ReadOnlyFolder() { QFile::setPermissions(m_path, m_saved); }

 private:
  QString m_path;
  QFileDevice::Permissions m_saved;
};

void ExpectUnableToWrite(const std::function<void()>& action, const QString& path) {
  try {
    action();
    ADD_FAILURE() << "the write went through";
  } catch (const EIniFileError& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + path);
  }
}

TEST_F(IniUpdateTest, ReadOnlyFileIsRefusedAtTheFirstWrite) {
  const QString path = Path("Deutsch.lng");
  const QByteArray before = SampleBytes("Deutsch.lng");
  WriteFileBytes(path, before);
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  TIniFile ini(path);
  ini.BeginUpdate();
  ExpectUnableToWrite([&] { WriteLayoutSave(ini, SampleFrameControls(), 1); }, path);
  ini.EndUpdate();
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_EQ(Entries(), QStringList{"Deutsch.lng"});
}

TEST_F(IniUpdateTest, MissingFolderFailsAtTheEndWithNothingCreated) {
  const QString path = Path("Missing/Deutsch.lng");
  ExpectUnableToWrite([&] { SaveInOneUpdate(path, 1); }, path);
  EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(IniUpdateTest, FullDiskLeavesTheOldBytesAndNoTemporaryFile) {
  const QString path = Path("Deutsch.lng");
  const QByteArray before = SampleBytes("Deutsch.lng");
  WriteFileBytes(path, before);
  {
    FileSizeLimit limit(static_cast<rlim_t>(before.size()));
    ASSERT_TRUE(limit.Ok());
    ExpectUnableToWrite([&] { SaveInOneUpdate(path, 1); }, path);
  }
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_EQ(Entries(), QStringList{"Deutsch.lng"});
}

TEST_F(IniUpdateTest, RefusedWriteInsideAnUpdateThatNeverEndsLeavesTheFile) {
  // The main window's Save raises out of the update; the writes before the
  // refused one are dropped with the TIniFile.
  const QString path = Path("Deutsch.lng");
  const QByteArray before = "[FileInformation]\r\nName=M\xFCller\r\n";
  WriteFileBytes(path, before);
  {
    TIniFile ini(path);
    ini.BeginUpdate();
    ini.WriteString("FileInformation", "Version", "2");
    EXPECT_THROW(ini.WriteString("TMovieFrame", "LYear.Caption", QString::fromUtf8("\xD0\x96")), EIniFileError);
    ini.WriteString("TMovieFrame", "LYear.Left", "8");
  }
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_EQ(Entries(), QStringList{"Deutsch.lng"});
}

// ---- How the file is replaced -----------------------------------------------

TEST_F(IniUpdateTest, TemporaryFileOfASaveCutShortIsTakenOverAndRemoved) {
  const QString path = Path("Deutsch.lng");
  WriteFileBytes(path, "[A]\r\nk=1\r\n");
  WriteFileBytes(path + ".saving", "[A]\r\nk=half written");
  TIniFile(path).WriteString("A", "k", "2");
  EXPECT_EQ(ReadFileBytes(path), "[A]\r\nk=2\r\n");
  EXPECT_EQ(Entries(), QStringList{"Deutsch.lng"});
}

TEST_F(IniUpdateTest, FileInAFolderThatTakesNoNewFilesIsRewrittenInPlace) {
  const QString path = Path("Languages/Deutsch.lng");
  WriteFileBytes(path, "[A]\r\nk=1\r\n");
  struct stat before {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
  {
    const ReadOnlyFolder folder(Path("Languages"));
    TIniFile ini(path);
    ini.BeginUpdate();
    ini.WriteString("A", "k", "2");
    ini.WriteString("B", "n", "3");
    ini.EndUpdate();
    TIniFile(path).WriteString("A", "k", "");  // shorter than before
  }
  EXPECT_EQ(ReadFileBytes(path), "[A]\r\nk=\r\n\r\n[B]\r\nn=3\r\n");
  struct stat after {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(QDir(Path("Languages")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"Deutsch.lng"});
}

TEST_F(IniUpdateTest, NewFileInAFolderThatTakesNoNewFilesIsRefused) {
  const QString path = Path("Languages/Deutsch.lng");
  QDir(DirPath()).mkdir("Languages");
  const ReadOnlyFolder folder(Path("Languages"));
  ExpectUnableToWrite([&] { TIniFile(path).WriteString("A", "k", "v"); }, path);
  EXPECT_TRUE(QDir(Path("Languages")).isEmpty());
}

TEST_F(IniUpdateTest, InPlaceRewriteThatCannotGrowTheFileLeavesIt) {
  const QString path = Path("Languages/Deutsch.lng");
  const QByteArray before = SampleBytes("Deutsch.lng");
  WriteFileBytes(path, before);
  {
    const ReadOnlyFolder folder(Path("Languages"));
    FileSizeLimit limit(static_cast<rlim_t>(before.size()));
    ASSERT_TRUE(limit.Ok());
    ExpectUnableToWrite([&] { SaveInOneUpdate(path, 1); }, path);
  }
  EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(IniUpdateTest, LinkedFileIsReplacedAndTheLinkStays) {
  const QString target = Path("Real.lng");
  const QString link = Path("Deutsch.lng");
  WriteFileBytes(target, "[A]\r\nk=1\r\n");
  ASSERT_TRUE(QFile::link(target, link));
  TIniFile(link).WriteString("A", "k", "2");
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(ReadFileBytes(target), "[A]\r\nk=2\r\n");
  EXPECT_EQ(Entries(), QStringList({"Deutsch.lng", "Real.lng"}));
}

TEST_F(IniUpdateTest, OwnerAndPermissionsOfTheFileAreKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "only a user who may give files away can keep another owner";
  const QString path = Path("Deutsch.lng");
  WriteFileBytes(path, "[A]\r\n");
  const QByteArray name = QFile::encodeName(path);
  ASSERT_EQ(::chown(name.constData(), 65534, 65534), 0);
  ASSERT_EQ(::chmod(name.constData(), 0640), 0);
  SaveInOneUpdate(path, 1);
  struct stat after {};
  ASSERT_EQ(::stat(name.constData(), &after), 0);
  EXPECT_EQ(after.st_uid, 65534u);
  EXPECT_EQ(after.st_gid, 65534u);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
}

}  // namespace
