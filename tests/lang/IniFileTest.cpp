#include "lang/IniFile.h"

#include "lang/TextEncoding.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <ostream>

namespace {

// One write into a file that holds `before`: the file must then hold `after`.
struct WriteCase {
  const char* name;
  QByteArray before;
  const char* section;
  const char* key;
  const char* value;
  QByteArray after;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class IniWriteRule : public TempDirTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(IniWriteRule, ChangesOnlyWhatTheWriteNeeds) {
  const WriteCase& c = GetParam();
  const QString path = Path("Deutsch.lng");
  WriteFileBytes(path, c.before);
  TIniFile(path).WriteString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), QString::fromUtf8(c.value));
  EXPECT_EQ(ReadFileBytes(path), c.after);
}

const WriteCase kWriteCases[] = {
    {"KeyReplacedInPlace", "; top\r\n[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\ny=2\r\n", "A", "y", "9",
     "; top\r\n[A]\r\nx=1\r\ny=9\r\n\r\n[B]\r\ny=2\r\n"},
    {"KeyAddedAfterTheLastKeyBeforeBlankLines", "[A]\r\nx=1\r\n;note\r\n\r\n[B]\r\nz=3\r\n", "A", "k", "v",
     "[A]\r\nx=1\r\nk=v\r\n;note\r\n\r\n[B]\r\nz=3\r\n"},
    {"KeyAddedToTheLastSectionBeforeTrailingBlankLines", "[A]\r\nx=1\r\n\r\n\r\n", "A", "y", "2",
     "[A]\r\nx=1\r\ny=2\r\n\r\n\r\n"},
    {"KeyAddedAfterTheHeaderOfASectionWithoutKeys", "[A]\r\n;k=1\r\n\r\n[B]\r\n", "A", "k", "2",
     "[A]\r\nk=2\r\n;k=1\r\n\r\n[B]\r\n"},
    {"SectionAddedAtTheEnd", "[A]\r\nx=1\r\n", "C", "k", "v", "[A]\r\nx=1\r\n\r\n[C]\r\nk=v\r\n"},
    {"SectionAddedAfterExistingBlankLine", "[A]\r\nx=1\r\n\r\n", "C", "k", "v", "[A]\r\nx=1\r\n\r\n[C]\r\nk=v\r\n"},
    {"HeaderInOtherLetterCase", "[fileinformation]\r\nname=a\r\n", "FileInformation", "Name", "b",
     "[fileinformation]\r\nname=b\r\n"},
    {"FirstOfTwoEqualKeys", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "9", "[A]\r\nk=9\r\nK=2\r\n"},
    {"OnlyTheFirstOfTwoEqualSections", "[A]\r\nx=1\r\n[B]\r\n[a]\r\nk=1\r\n", "A", "k", "2",
     "[A]\r\nx=1\r\nk=2\r\n[B]\r\n[a]\r\nk=1\r\n"},
    {"BlanksAroundTheKeyAreDropped", "[A]\r\n Name = Deutsch \r\n", "A", "Name", "English", "[A]\r\nName=English\r\n"},
    {"KeysAndSectionsMatchWhole", "[AB]\r\nkey2=1\r\n[A]\r\nkey2=1\r\n", "A", "key", "v",
     "[AB]\r\nkey2=1\r\n[A]\r\nkey2=1\r\nkey=v\r\n"},
    {"ValueMayHoldEqualSigns", "[A]\r\nk=1\r\n", "A", "k", "a=b", "[A]\r\nk=a=b\r\n"},
    {"LineFeedsOnlyStayLineFeeds", "[A]\nx=1\n\n[B]\ny=2\n", "A", "z", "3", "[A]\nx=1\nz=3\n\n[B]\ny=2\n"},
    {"LineFeedsOnlyNewSection", "[A]\nx=1\n", "B", "k", "v", "[A]\nx=1\n\n[B]\nk=v\n"},
    {"CarriageReturnsOnly", "[A]\rx=1\r", "A", "y", "2", "[A]\rx=1\ry=2\r"},
    {"LinesKeepTheirOwnEndsNewLinesTakeTheFirst", "[A]\nx=1\r\n", "A", "y", "2", "[A]\nx=1\r\ny=2\n"},
    {"NoFinalLineEndAddKey", "[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2"},
    {"NoFinalLineEndReplaceKey", "[A]\r\nx=1", "A", "x", "2", "[A]\r\nx=2"},
    {"NoFinalLineEndAddSection", "[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"HeaderAloneAtTheEnd", "[A]", "A", "k", "v", "[A]\r\nk=v"},
    {"EmptyFile", "", "A", "k", "v", "[A]\r\nk=v\r\n"},
    {"ByteOrderMarkKept", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "2", "\xEF\xBB\xBF[A]\r\nk=2\r\n"},
    {"SpaceBeforeBracketIsNoHeader", "[B]\r\n [A]\r\n", "A", "k", "v", "[B]\r\n [A]\r\n\r\n[A]\r\nk=v\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniWriteRule, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

class IniFileTest : public TempDirTest {
 protected:
  QStringList Entries() const { return QDir(DirPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
};

TEST_F(IniFileTest, MissingFileIsCreatedWithCrLf) {
  const QString path = Path("New.lng");
  TIniFile ini(path);
  ini.WriteString("FileInformation", "Version", "1.2");
  ini.WriteInteger("TMovieFrame", "LYear.Left", -8);
  ini.WriteBool("TMovieFrame", "LYear.Visible", true);
  ini.WriteBool("TMovieFrame", "LYear.Visible", false);
  EXPECT_EQ(ReadFileBytes(path),
            "[FileInformation]\r\nVersion=1.2\r\n\r\n[TMovieFrame]\r\nLYear.Left=-8\r\nLYear.Visible=0\r\n");
  EXPECT_EQ(Entries(), QStringList{"New.lng"});
}

TEST_F(IniFileTest, ReadOnlyFileIsRefusedAndEarlierKeysStay) {
  const QString path = Path("Deutsch.lng");
  WriteFileBytes(path, "[A]\r\nx=1\r\n");
  TIniFile ini(path);
  ini.WriteString("A", "x", "2");
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
  try {
    ini.WriteString("A", "y", "3");
    FAIL() << "the write went through";
  } catch (const EIniFileError& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + path);
  }
  EXPECT_EQ(ReadFileBytes(path), "[A]\r\nx=2\r\n");
  EXPECT_EQ(Entries(), QStringList{"Deutsch.lng"});
  EXPECT_FALSE(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
}

TEST_F(IniFileTest, FilesThatCannotBeReplacedAreRefused) {
  QDir(DirPath()).mkdir("Folder.lng");
  for (const QString& path : {Path("Missing/Deutsch.lng"), Path("Folder.lng")}) {
    try {
      TIniFile(path).WriteString("A", "k", "v");
      FAIL() << path.toStdString();
    } catch (const EIniFileError& e) {
      EXPECT_EQ(e.Message(), "Unable to write to " + path);
    }
  }
  EXPECT_EQ(Entries(), QStringList{"Folder.lng"});
  EXPECT_TRUE(QDir(Path("Folder.lng")).isEmpty());
}

TEST_F(IniFileTest, FullDiskLeavesThePreviousContentAndNoTemporaryFile) {
  const QString path = Path("Deutsch.lng");
  const QByteArray filler = "[Other]\r\n" + QByteArray(8000, 'x') + "\r\n";
  WriteFileBytes(path, filler);
  TIniFile ini(path);
  ini.WriteString("A", "k", "1");
  const QByteArray written = ReadFileBytes(path);
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.Ok());
    EXPECT_THROW(ini.WriteString("A", "k", "2"), EIniFileError);
  }
  EXPECT_EQ(ReadFileBytes(path), written);
  EXPECT_EQ(written, filler + "\r\n[A]\r\nk=1\r\n");
  EXPECT_EQ(Entries(), QStringList{"Deutsch.lng"});
}

TEST_F(IniFileTest, PermissionsOfTheFileSurviveTheReplacement) {
  const QString path = Path("Deutsch.lng");
  WriteFileBytes(path, "[A]\r\n");
  const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
  ASSERT_TRUE(QFile::setPermissions(path, permissions));
  TIniFile(path).WriteString("A", "k", "v");
  EXPECT_EQ(QFileInfo(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
            permissions);
}

struct BadWrite {
  const char* section;
  const char* key;
  const char* value;
  const char* reason;
};

void PrintTo(const BadWrite& c, std::ostream* os) {
  QByteArray text = QByteArray("[") + c.section + "] " + c.key + "=" + c.value;
  *os << text.replace('\r', "\\r").replace('\n', "\\n").constData();
}

class IniRefusal : public TempDirTest, public ::testing::WithParamInterface<BadWrite> {};

TEST_P(IniRefusal, InputThatWouldBreakTheFileIsRefusedBeforeWriting) {
  const QString path = Path("Deutsch.lng");
  const QByteArray before = "[A]\r\nk=1\r\n";
  WriteFileBytes(path, before);
  try {
    TIniFile(path).WriteString(QString::fromUtf8(GetParam().section), QString::fromUtf8(GetParam().key),
                               QString::fromUtf8(GetParam().value));
    FAIL() << "accepted";
  } catch (const EIniFileError& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + path + ": " + QString::fromUtf8(GetParam().reason));
  }
  EXPECT_EQ(ReadFileBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRefusal,
    ::testing::Values(BadWrite{"A", "k", "one\r\ntwo", "the value of k holds a line break"},
                      BadWrite{"A", "k", "one\rtwo", "the value of k holds a line break"},
                      BadWrite{"A", "k=x", "v", "k=x is not a valid key name"},
                      BadWrite{"A", ";k", "v", ";k is not a valid key name"},
                      BadWrite{"A", "[k", "v", "[k is not a valid key name"},
                      BadWrite{"A", " k", "v", " k is not a valid key name"},
                      BadWrite{"A", "", "v", " is not a valid key name"},
                      BadWrite{"A", "a\nb", "v", "a\nb is not a valid key name"},
                      BadWrite{"A]", "k", "v", "A] is not a valid section name"},
                      BadWrite{"", "k", "v", " is not a valid section name"},
                      BadWrite{"A\nB", "k", "v", "A\nB is not a valid section name"}));

// Encodings: a value goes into the file in the file's own encoding.
TEST_F(IniFileTest, Windows1252FileTakesUmlautsInItsOwnEncoding) {
  const QString path = Path("Deutsch.lng");
  WriteFileBytes(path, "[FileInformation]\r\nName=M\xFCller \x81\x9D\r\n");
  TIniFile ini(path);
  const QString authors = QString::fromUtf8("J\xC3\xB6rg Gr\xC3\xB6\xC3\x9F" "e|\xE2\x82\xAC");
  ini.WriteString("FileInformation", "Authors", authors);
  const QByteArray bytes = ReadFileBytes(path);
  EXPECT_EQ(bytes, "[FileInformation]\r\nName=M\xFCller \x81\x9D\r\nAuthors=J\xF6rg Gr\xF6\xDF" "e|\x80\r\n");
  EXPECT_EQ(DecodeLanguageFile(bytes),
            QString::fromUtf8("[FileInformation]\r\nName=M\xC3\xBCller \xC2\x81\xC2\x9D\r\nAuthors=") + authors + "\r\n");
}

TEST_F(IniFileTest, Utf8FileTakesUmlautsAsUtf8) {
  for (const QByteArray& before : {QByteArray("[A]\r\nName=M\xC3\xBCller\r\n"), QByteArray("[A]\r\nName=ascii\r\n")}) {
    const QString path = Path("Deutsch.lng");
    WriteFileBytes(path, before);
    const QString value = QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e \xD0\x96");
    TIniFile(path).WriteString("A", "Authors", value);
    const QByteArray bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes, before + "Authors=Gr\xC3\xB6\xC3\x9F" "e \xD0\x96\r\n");
    EXPECT_EQ(DecodeLanguageFile(bytes), QString::fromUtf8(before) + "Authors=" + value + "\r\n");
  }
}

TEST_F(IniFileTest, ValueTheFileEncodingCannotHoldIsRefusedWithNothingWritten) {
  const QString path = Path("Deutsch.lng");
  const QByteArray before = "[A]\r\nName=M\xFCller\r\n";
  WriteFileBytes(path, before);
  try {
    TIniFile(path).WriteString("A", "Name", QString::fromUtf8("\xD0\x96uk"));
    FAIL() << "accepted";
  } catch (const EIniFileError& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + path + QString::fromUtf8(
                               ": [A] Name=\xD0\x96uk holds characters that the file's encoding (Windows-1252) "
                               "cannot store"));
  }
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_EQ(QDir(DirPath()).entryList(QDir::Files | QDir::Hidden), QStringList{"Deutsch.lng"});
}

}  // namespace
