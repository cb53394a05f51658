#include "lang/OrqTranslator.h"

#include "lang/TranslatorSamples.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"

#include "support/RecordingDialogs.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QRegularExpression>

#include <ostream>

namespace {

// A form "MainForm" with the controls a language file addresses; message
// boxes are recorded.
class TranslatorTest : public TempDirTest {
 protected:
  TranslatorTest() {
    m_form.SetName("MainForm");
    m_form.SetCaption("caption");
  }

  void Load(const QByteArray& bytes, const QString& name = "Deutsch.lng") {
    WriteFileBytes(Path(name), bytes);
    m_translator.LoadLanguageFile(Path(name));
  }
  // Loads a file of one "MainForm" section and applies it.
  void ApplyMainForm(const QByteArray& body) {
    Load("[MainForm]\r\n" + body);
    m_translator.TranslateForm(&m_form);
  }
  TSampleControl* Control(const QString& name) const {
    return static_cast<TSampleControl*>(m_form.FindComponent(name));
  }

  // The texts of the message boxes shown so far; each box shows a warning.
  QStringList Messages() {
    QStringList texts;
    for (const RecordingDialogs::Box& box : m_dialogs->boxes) {
      EXPECT_EQ(box.flags, MB_OK | MB_ICONWARNING);
      texts << box.text;
    }
    return texts;
  }

  ScopedDialogs m_dialogs;
  TOrqTranslator m_translator{nullptr};
  TForm m_form{nullptr};
  TSampleControl* m_year = new TSampleControl(&m_form, "LYear");
  TSampleControl* m_media = new TSampleControl(&m_form, "EMedia");
  TSampleControl* m_description = new TSampleControl(&m_form, "EDescription");
};

TEST_F(TranslatorTest, StartsWithoutLinesAndChangesNothingBeforeALoad) {
  EXPECT_EQ(m_translator.FileLines(), nullptr);
  EXPECT_FALSE(m_translator.ShowErrors());
  EXPECT_TRUE(m_translator.LoadGUI());
  const QStringList before = Snapshot(m_form);
  m_translator.TranslateForm(&m_form);
  EXPECT_EQ(Snapshot(m_form), before);
}

struct HeaderCase {
  const char* name;
  QByteArray file;
  const char* caption;  // of the form afterwards
};

void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }

class TranslatorHeaders : public TranslatorTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(TranslatorHeaders, FindTheSectionByItsWholeHeaderLine) {
  Load(GetParam().file);
  m_translator.TranslateForm(&m_form);
  EXPECT_EQ(m_form.Caption(), GetParam().caption);
}

const HeaderCase kHeaderCases[] = {
    {"OtherLetterCase", "[mainform]\r\nCaption=x\r\n", "x"},
    {"SpaceBeforeIsNoHeader", " [MainForm]\r\nCaption=x\r\n", "caption"},
    {"SpaceAfterIsNoHeader", "[MainForm] \r\nCaption=x\r\n", "caption"},
    {"AmongOtherSections", "[Other]\r\nCaption=y\r\n[MainForm]\r\nCaption=x\r\n[Next]\r\nCaption=z\r\n", "x"},
    {"FirstOfTwoSections", "[MainForm]\r\nCaption=a\r\n[MainForm]\r\nCaption=b\r\n", "a"},
    {"CommentsAndBlankLinesSkipped", "[MainForm]\r\n;Caption=c\r\n\r\nCaption=x\r\n\r\n;Caption=d\r\n", "x"},
    {"AnyBracketLineEndsTheSection", "[MainForm]\r\n[\r\nCaption=x\r\n", "caption"},
    {"IndentedHeaderInsideIsAKeyLineWithoutEquals", "[MainForm]\r\n [Other]\r\nCaption=x\r\n", "x"},
    {"LaterLinesWin", "[MainForm]\r\nCaption=a\r\nCaption=b\r\n", "b"},
    {"LineFeedsOnly", "[Other]\nCaption=y\n[MainForm]\nCaption=x\n", "x"},
    {"CarriageReturnsOnly", "[MainForm]\rCaption=x\r", "x"},
    {"ByteOrderMarkBeforeTheFirstHeader", "\xEF\xBB\xBF[MainForm]\r\nCaption=x\r\n", "x"},
    {"NoSuchSection", "[TMovieFrame]\r\nCaption=x\r\n", "caption"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TranslatorHeaders, ::testing::ValuesIn(kHeaderCases),
                         [](const auto& info) { return std::string(info.param.name); });

// One line applied: `entry` of the snapshot must then read `expected`.
struct LineCase {
  const char* line;
  const char* entry;
  const char* expected;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.line; }

class TranslatorLines : public TranslatorTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(TranslatorLines, AssignTheValueByThePropertyKind) {
  const QStringList before = Snapshot(m_form);
  ApplyMainForm(QByteArray(GetParam().line) + "\r\n");
  const QString entry = QString::fromUtf8(GetParam().entry);
  const QString expected = entry + "=" + QString::fromUtf8(GetParam().expected);
  const QStringList after = Snapshot(m_form);
  ASSERT_TRUE(after.contains(expected)) << after.join('\n').toStdString();
  // Nothing else changed.
  QStringList changed;
  for (const QString& line : after)
    if (!before.contains(line)) changed << line;
  EXPECT_EQ(changed.size(), before.contains(expected) ? 0 : 1) << changed.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranslatorLines,
    ::testing::Values(LineCase{"LYear.Caption = Jahr:", "LYear.Caption", "Jahr:"},
                      LineCase{"LYear.Caption=", "LYear.Caption", ""},
                      LineCase{"LYear.Caption=a=b", "LYear.Caption", "a=b"},
                      LineCase{" \tlyear.CAPTION\t= \tJahr: \t", "LYear.Caption", "Jahr:"},
                      LineCase{"LYear.Hint=short", "LYear.Hint", "short"},
                      LineCase{"Caption=Hauptfenster", "MainForm.Caption", "Hauptfenster"},
                      LineCase{"EMedia.Left=20", "EMedia.Left", "20"},
                      LineCase{"EMedia.left=20", "EMedia.Left", "20"},
                      LineCase{"EMedia.Width=$20", "EMedia.Width", "32"},
                      LineCase{"EMedia.Width=0x20", "EMedia.Width", "32"},
                      LineCase{"EMedia.Width=x1F", "EMedia.Width", "31"},
                      LineCase{"EMedia.Width=-7", "EMedia.Width", "-7"},
                      LineCase{"EMedia.Visible=0", "EMedia.Visible", "0"},
                      LineCase{"EMedia.Anchors=9", "EMedia.Anchors", "9"},
                      LineCase{"EMedia.Anchors=0", "EMedia.Anchors", "0"},
                      LineCase{"EMedia.Anchors=255", "EMedia.Anchors", "15"},
                      LineCase{"EMedia.Align=2", "EMedia.Align", "2"},
                      LineCase{"EMedia.Font.Name=Arial", "EMedia.Font.Name", "Arial"},
                      LineCase{"EMedia.Font.Size=$A", "EMedia.Font.Size", "10"},
                      LineCase{"EMedia.Columns.Items[1].Caption=Jahr", "EMedia.Columns[1].Caption", "Jahr"},
                      LineCase{"EMedia.Columns.Items[0].Width=80", "EMedia.Columns[0].Width", "80"},
                      LineCase{"EDescription.Lines.Strings[2]=drei", "EDescription.Lines", "one|two|drei"},
                      LineCase{"EDescription.Lines.Strings[0].Ignored=eins", "EDescription.Lines", "eins|two|three"},
                      LineCase{"EDescription.Lines.Strings[$1]=zwei", "EDescription.Lines", "one|zwei|three"}));

TEST_F(TranslatorTest, PathsFromTheFormItself) {
  ApplyMainForm("Caption=Hauptfenster\r\nFont.Name=Tahoma\r\nFont.Charset=$EE\r\n");
  EXPECT_EQ(m_form.Caption(), "Hauptfenster");
  EXPECT_EQ(m_form.Font().Name(), "Tahoma");
  EXPECT_EQ(m_form.Font().Charset(), 0xEE);
}

TEST_F(TranslatorTest, NameIsATextLikeAnyOther) {
  ApplyMainForm("LYear.Name=LJahr\r\nLJahr.Caption=Jahr\r\nEMedia.Name=\r\nEMedia.Caption=after\r\n");
  EXPECT_EQ(m_year->Name(), "LJahr");
  EXPECT_EQ(m_year->Caption(), "Jahr");
  EXPECT_EQ(m_media->Name(), "");
  EXPECT_EQ(m_media->Caption(), "caption");  // no component of that name any more
}

TEST_F(TranslatorTest, ComponentReachedThroughAnObjectContinuesAsAComponent) {
  m_media->Font()->SetLink(m_description);
  ApplyMainForm("EMedia.Font.Link.Lines.Strings[1]=zwei\r\nEMedia.Font.Link.Caption=linked\r\n");
  EXPECT_EQ(m_description->Lines()->ToStringList(), QStringList({"one", "zwei", "three"}));
  EXPECT_EQ(m_description->Caption(), "linked");
}

TEST_F(TranslatorTest, LayoutPropertiesWaitForLoadGUI) {
  const QByteArray body =
      "EMedia.Left=20\r\nEMedia.top=21\r\nEMedia.WIDTH=22\r\nEMedia.Height=23\r\nEMedia.Visible=0\r\n"
      "EMedia.Anchors=9\r\nEMedia.Columns.Items[0].Width=5\r\nEMedia.Caption=Medium\r\nEMedia.Align=1\r\n";
  m_translator.SetLoadGUI(false);
  ApplyMainForm(body);
  EXPECT_EQ(m_media->Caption(), "Medium");
  EXPECT_EQ(m_media->Align(), TSampleAlign::alTop);
  EXPECT_EQ(m_media->Left(), 1);
  EXPECT_EQ(m_media->Top(), 2);
  EXPECT_EQ(m_media->Width(), 30);
  EXPECT_EQ(m_media->Height(), 40);
  EXPECT_TRUE(m_media->Visible());
  EXPECT_EQ(m_media->Anchors(), TSampleAnchors({TSampleAnchor::akLeft, TSampleAnchor::akTop}));
  EXPECT_EQ(static_cast<TSampleColumn*>(m_media->Columns()->Items(0))->Width(), 50);

  m_translator.SetLoadGUI(true);
  m_translator.TranslateForm(&m_form);
  EXPECT_EQ(m_media->Left(), 20);
  EXPECT_EQ(m_media->Top(), 21);
  EXPECT_EQ(m_media->Width(), 22);
  EXPECT_EQ(m_media->Height(), 23);
  EXPECT_FALSE(m_media->Visible());
  EXPECT_EQ(m_media->Anchors(), TSampleAnchors({TSampleAnchor::akLeft, TSampleAnchor::akBottom}));
  EXPECT_EQ(static_cast<TSampleColumn*>(m_media->Columns()->Items(0))->Width(), 5);
}

// Lines that do nothing: some fail (and are reported with ShowErrors), the
// others pass silently. Either way the next line is applied.
struct SkippedCase {
  const char* line;
  bool fails;
};

void PrintTo(const SkippedCase& c, std::ostream* os) { *os << c.line; }

class TranslatorSkippedLines : public TranslatorTest, public ::testing::WithParamInterface<SkippedCase> {};

TEST_P(TranslatorSkippedLines, ChangeNothingAndTheNextLineStillApplies) {
  const QStringList before = Snapshot(m_form);
  QStringList expected = before;
  expected.replaceInStrings(QRegularExpression("^EMedia\\.Caption=.*$"), "EMedia.Caption=after");
  const QString line = QString::fromUtf8(GetParam().line);
  const qsizetype eq = line.indexOf('=');
  const QStringList report{"Unable to assign value for " + Trim(line.left(eq)) + " = " + Trim(line.mid(eq + 1))};

  ApplyMainForm(QByteArray(GetParam().line) + "\r\nEMedia.Caption=after\r\n");
  EXPECT_EQ(Snapshot(m_form), expected);
  EXPECT_EQ(Messages(), QStringList());

  m_media->SetCaption("again");
  m_translator.SetShowErrors(true);
  m_translator.TranslateForm(&m_form);
  EXPECT_EQ(Snapshot(m_form), expected);
  EXPECT_EQ(Messages(), GetParam().fails ? report : QStringList());
}

const SkippedCase kSkippedCases[] = {
    {"EMedia.Width=abc", true},
    {" EMedia.Width = 12 px ", true},
    {"EMedia.Width=", true},
    {"EMedia.Width=12px", true},
    {"EMedia.Width=99999999999", true},
    {"NoSuchControl.Caption=x", true},
    {"EMedia.Caption.Length=3", true},
    {"EMedia.NoSuch.Caption=3", true},
    {"EDescription.Lines.Strings[9]=x", true},
    {"EDescription.Lines.Strings[3]=x", true},
    {"EDescription.Lines.Strings[-5]=x", true},
    {"EDescription.Lines.Strings[two]=x", true},
    {"EDescription.Lines.Strings]1[=x", true},
    {"EMedia.Columns.Items[2].Caption=x", true},
    {"EMedia.Columns.Items[x].Caption=x", true},
    {"EMedia.Columns.Items[0].NoSuch.Caption=x", true},
    {"EMedia.Version=3", true},
    {"EMedia.Align=3", true},
    {"EMedia.Visible=2", true},
    {"EMedia.Align=-1", true},
    {"LYear.Name=EMedia", true},
    {"LYear.Name=1abc", true},
    {"EMedia.NoSuchProperty=x", false},
    {"EMedia.Ratio=1", false},
    {"EMedia.Letter=66", false},
    {"EMedia.Huge=5", false},
    {"EMedia.WideText=x", false},
    {"EMedia.Font=x", false},
    {"EMedia.Buddy.Caption=x", false},
    {"EMedia.Buddy.NoSuch.Caption=x", false},
    {"EMedia.Columns.Caption=x", false},
    {"EMedia.Columns.Items[1]=x", false},
    {"EMedia.Columns.Items[0].NoSuch=x", false},
    {"EDescription.Lines.Strings[-1]=x", false},
    {"EDescription.Lines.Strings=x", false},
    {"EDescription.Lines.Strings[1=x", false},
    {"EMedia.Caption", false},
    {" [Other]=x", false},
};

INSTANTIATE_TEST_SUITE_P(Cases, TranslatorSkippedLines, ::testing::ValuesIn(kSkippedCases));

TEST_F(TranslatorTest, ErrorsAreReportedOncePerLineOnlyWithShowErrors) {
  const QByteArray body = "EMedia.Width=abc\r\nNoSuchControl.Caption=x\r\nEMedia.NoSuchProperty=x\r\nEMedia.Width=12\r\n";
  ApplyMainForm(body);
  EXPECT_EQ(Messages(), QStringList());
  m_translator.SetShowErrors(true);
  m_media->SetWidth(0);
  m_translator.TranslateForm(&m_form);
  EXPECT_EQ(Messages(), QStringList({"Unable to assign value for EMedia.Width = abc",
                                     "Unable to assign value for NoSuchControl.Caption = x"}));
  EXPECT_EQ(m_media->Width(), 12);
}

TEST_F(TranslatorTest, FrameTakesItsOwnSectionFirstThenItsAncestors) {
  TSampleSubFrame frame(nullptr);
  frame.SetName("FrmMovie");
  auto* year = new TSampleControl(&frame, "LYear");
  Load("[TSampleSubFrame]\r\nLYear.Caption=sub\r\nLYear.Hint=sub\r\nLYear.Name=LJahr\r\n"
       "[TSampleFrame]\r\nLJahr.Caption=base\r\n"
       "[TFrame]\r\nLJahr.Hint=frame\r\n[FrmMovie]\r\nLJahr.Hint=name\r\n");
  m_translator.TranslateFrame(&frame);
  EXPECT_EQ(year->Name(), "LJahr");
  EXPECT_EQ(year->Caption(), "base");  // the ancestor's section came second
  EXPECT_EQ(year->Hint(), "sub");      // no section of TFrame or of the frame's name

  TSampleFrame base(nullptr);
  auto* baseYear = new TSampleControl(&base, "LYear");
  m_translator.TranslateFrame(&base);
  EXPECT_EQ(baseYear->Caption(), "caption");  // LYear is not named in [TSampleFrame]
  Load("[tsampleframe]\r\nLYear.Caption=base\r\n");
  m_translator.TranslateFrame(&base);
  EXPECT_EQ(baseYear->Caption(), "base");

  TFrame plain(nullptr);
  auto* plainYear = new TSampleControl(&plain, "LYear");
  Load("[TFrame]\r\nLYear.Caption=frame\r\n");
  m_translator.TranslateFrame(&plain);
  EXPECT_EQ(plainYear->Caption(), "caption");
}

TEST_F(TranslatorTest, FailedLoadKeepsTheLinesOfTheFileBefore) {
  Load("[MainForm]\r\nCaption=first\r\n");
  const QStringList lines = m_translator.FileLines()->ToStringList();
  QDir(DirPath()).mkdir("Folder.lng");
  for (const QString& name : {Path("Missing.lng"), Path("Folder.lng")}) {
    m_translator.LoadLanguageFile(name);
    EXPECT_EQ(m_translator.FileLines()->ToStringList(), lines);
  }
  m_translator.TranslateForm(&m_form);
  EXPECT_EQ(m_form.Caption(), "first");
}

TEST_F(TranslatorTest, FirstLoadThatFailsLeavesEmptyLines) {
  m_translator.LoadLanguageFile(Path("Missing.lng"));
  ASSERT_NE(m_translator.FileLines(), nullptr);
  EXPECT_EQ(m_translator.FileLines()->Count(), 0);
  m_translator.TranslateForm(&m_form);
  EXPECT_EQ(m_form.Caption(), "caption");
}

TEST_F(TranslatorTest, LaterLoadReplacesTheLines) {
  Load("[MainForm]\r\nCaption=first\r\n", "One.lng");
  Load("[MainForm]\nCaption=second", "Two.lng");
  EXPECT_EQ(m_translator.FileLines()->ToStringList(), QStringList({"[MainForm]", "Caption=second"}));
}

TEST_F(TranslatorTest, FilesAreReadInTheirOwnEncoding) {
  const QString jahr = QString::fromUtf8("J\xC3\xA4hrchen \xE2\x82\xAC");
  for (const QByteArray& caption : {QByteArray("J\xE4hrchen \x80"), QByteArray("J\xC3\xA4hrchen \xE2\x82\xAC")}) {
    m_year->SetCaption("caption");
    ApplyMainForm("LYear.Caption=" + caption + "\r\n");
    EXPECT_EQ(m_year->Caption(), jahr);
  }
}

struct IndexCase {
  const char* text;
  int index;  // -2: an error
};

void PrintTo(const IndexCase& c, std::ostream* os) { *os << c.text; }

class ExtractIndexCases : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ExtractIndexCases, ReadTheNumberBetweenTheBrackets) {
  const QString text = QString::fromUtf8(GetParam().text);
  if (GetParam().index == -2) EXPECT_THROW(TOrqTranslator::ExtractIndex(text), EConvertError);
  else EXPECT_EQ(TOrqTranslator::ExtractIndex(text), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtractIndexCases,
                         ::testing::Values(IndexCase{"Strings[2]", 2}, IndexCase{"Item[3].Caption", 3},
                                           IndexCase{"[$10]", 16}, IndexCase{"[-1]", -1}, IndexCase{"[-7]", -7},
                                           IndexCase{"Strings", -1}, IndexCase{"Strings[2", -1},
                                           IndexCase{"Strings2]", -1}, IndexCase{"[two]", -2},
                                           IndexCase{"[]", -2}, IndexCase{"]1[", -2}, IndexCase{"[1][2]", 1}));

}  // namespace
