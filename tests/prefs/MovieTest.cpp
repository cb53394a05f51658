#include "prefs/JvSimpleXml.h"
#include "prefs/ProgramSettings.h"
#include "prefs/movieclass.h"

#include "support/TestSupport.h"
#include "support/WidgetDriver.h"

#include <QDate>
#include <QDir>
#include <QImage>
#include <QLocale>

#include <ostream>

namespace {

// A movie element parsed from the attributes given.
class MovieElement {
 public:
  explicit MovieElement(const QString& attributes) : m_xml(nullptr) {
    m_xml.LoadFromString(QStringLiteral("<Values ") + attributes + QStringLiteral("/>"));
  }
  TJvSimpleXmlElem* Get() { return &m_xml.Root(); }

 private:
  TJvSimpleXml m_xml;
};

TEST(Movie, ResetAndEmptyElementGiveTheEmptyValues) {
  TMovie movie;
  MovieElement full("Number=\"4\" Checked=\"False\" Rating=\"5\" Year=\"1999\" Actors=\"A\" Picture=\"p.jpg\"");
  movie.LoadFromXML(full.Get());
  movie.Reset();
  MovieElement empty("");
  movie.LoadFromXML(empty.Get());
  for (int field = 0; field < fieldCount; ++field) {
    SCOPED_TRACE(MovieFieldNames[static_cast<size_t>(field)]);
    const QString expected = field == fieldNumber ? "0" : field == fieldChecked ? "True" : "";
    EXPECT_EQ(movie.GetFieldText(field, false), expected);
  }
  EXPECT_EQ(movie.GetFieldInteger(fieldNumber), 0);
  EXPECT_EQ(movie.GetFieldInteger(fieldDate), 0);
  for (int field : {fieldRating, fieldYear, fieldLength, fieldVideoBitrate, fieldAudioBitrate, fieldDisks})
    EXPECT_EQ(movie.GetFieldInteger(field), -1);
  EXPECT_EQ(movie.GetFieldInteger(fieldActors), -1);
  EXPECT_EQ(movie.GetFieldText(fieldCount, false), "");
  EXPECT_EQ(movie.GetFieldText(-1, false), "");
  EXPECT_EQ(movie.Picture(), "");
  EXPECT_EQ(movie.SnapCount(), 0);
}

struct RatingCase {
  const char* text;
  int tenths;
};

void PrintTo(const RatingCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class RatingInGerman : public ::testing::TestWithParam<RatingCase> {};

TEST_P(RatingInGerman, StoresTenths) {
  const LocalePin german(QLocale(QLocale::German, QLocale::Germany));
  TMovie movie;
  movie.SetFieldText(fieldRating, QString::fromLatin1(GetParam().text));
  EXPECT_EQ(movie.GetFieldInteger(fieldRating), GetParam().tenths);
}

INSTANTIATE_TEST_SUITE_P(Texts, RatingInGerman,
                         ::testing::Values(RatingCase{"7.5", 75}, RatingCase{"7,5", 75}, RatingCase{"", -1},
                                           RatingCase{"good", -1}, RatingCase{"10", 100}, RatingCase{"2.39", 23},
                                           RatingCase{"1.000,5", -1}, RatingCase{"-0.5", -5}));

TEST(Movie, RatingTextForStorageDisplayAndTruncation) {
  TSettings settings;
  TMovie& movie = settings.DefaultMovie;
  movie.SetFieldText(fieldRating, "7.5");
  {
    const LocalePin german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(movie.GetFieldText(fieldRating, false), "7.5");
    EXPECT_EQ(movie.GetFieldText(fieldRating, true), "7,5");
  }
  EXPECT_EQ(movie.GetFieldText(fieldRating, true), "7.5");
  movie.SetFieldText(fieldRating, "8");
  EXPECT_EQ(movie.GetFieldText(fieldRating, false), "8.0");
  settings.Options.MovieInfo.RatingTrunc = true;
  movie.SetFieldText(fieldRating, "7.5");
  EXPECT_EQ(movie.GetFieldText(fieldRating, false), "7");
  // A missing attribute leaves the rating alone, although its text is cut.
  MovieElement other("Year=\"2001\"");
  movie.LoadFromXML(other.Get());
  EXPECT_EQ(movie.GetFieldInteger(fieldRating), 75);
}

TEST(Movie, CheckedYearLineBreaksAndNumbers) {
  TMovie movie;
  MovieElement element(
      "Checked=\"false\" Year=\"\" Description=\"one|two||\" Number=\"x\" Length=\"95\" Disks=\"2a\" "
      "FormattedTitle=\"ignored\" Comments=\"&lt;c&gt;\"");
  movie.LoadFromXML(element.Get());
  EXPECT_EQ(movie.GetFieldText(fieldChecked, false), "False");
  EXPECT_EQ(movie.GetFieldInteger(fieldYear), -1);
  EXPECT_EQ(movie.GetFieldText(fieldYear, false), "");
  EXPECT_EQ(movie.GetFieldText(fieldDescription, false), "one\r\ntwo\r\n\r\n");
  EXPECT_EQ(movie.GetFieldInteger(fieldNumber), 0);
  EXPECT_EQ(movie.GetFieldText(fieldLength, false), "95");
  EXPECT_EQ(movie.GetFieldInteger(fieldDisks), -1);
  EXPECT_EQ(movie.GetFieldText(fieldComments, false), "<c>");
  for (const char* text : {"yes", "1", "True", "-"}) {
    movie.SetFieldText(fieldChecked, text);
    EXPECT_EQ(movie.GetFieldText(fieldChecked, false), "True") << text;
  }
  for (const char* text : {"", "0", "FALSE"}) {
    movie.SetFieldText(fieldChecked, text);
    EXPECT_EQ(movie.GetFieldText(fieldChecked, false), "False") << text;
  }
}

TEST(Movie, DateInTheShortDateFormat) {
  TMovie movie;
  movie.SetFieldText(fieldDate, "12/25/2003");
  EXPECT_EQ(movie.GetFieldInteger(fieldDate), QDate(1899, 12, 30).daysTo(QDate(2003, 12, 25)));
  EXPECT_EQ(movie.GetFieldText(fieldDate, true), "12/25/2003");
  {
    const LocalePin german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(movie.GetFieldText(fieldDate, false), "25.12.2003");
  }
  movie.SetFieldText(fieldDate, "someday");
  EXPECT_EQ(movie.GetFieldInteger(fieldDate), 0);
  EXPECT_EQ(movie.GetFieldText(fieldDate, false), "");
}

TEST(Movie, LoadWithoutElementFails) {
  TMovie movie;
  try {
    movie.LoadFromXML(nullptr);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "TMovie.LoadFromXML : nil element");
  }
}

struct TitleCase {
  int mode;
  const char* original;
  const char* translated;
  const char* expected;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.mode << " " << c.original << "/" << c.translated; }

class TitleModes : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleModes, BuildTheTitle) {
  const TitleCase& c = GetParam();
  EXPECT_EQ(TMovie::FormatTitle(c.original, c.translated, "DVD 12", c.mode, nullptr), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TitleModes,
    ::testing::Values(TitleCase{0, "O", "T", "O"}, TitleCase{1, "O", "T", "T"}, TitleCase{1, "O", "", "O"},
                      TitleCase{2, "O", "T", "O (T)"}, TitleCase{2, "O", "", "O"}, TitleCase{2, "", "T", "T"},
                      TitleCase{3, "O", "T", "T (O)"}, TitleCase{3, "", "T", "T"}, TitleCase{3, "O", "", "O"},
                      TitleCase{4, "O", "T", "DVD 12"}, TitleCase{5, "O", "T", ""}));

TEST(Movie, FormattedTitleMovesListedPrefixes) {
  TSettings settings;
  settings.TitlePrefixes.SetText("The\r\nL'\r\nL\r\n");
  settings.Options.MovieList.TitleDisplay.TitleColumn = 2;
  TMovie& movie = settings.DefaultMovie;
  movie.SetFieldText(fieldOriginalTitle, "the matrix");
  movie.SetFieldText(fieldTranslatedTitle, "L'avion");
  EXPECT_EQ(movie.GetFieldText(fieldFormattedTitle, false), "the matrix (L'avion)");
  settings.Options.MovieList.TitleDisplay.Prefixes.Use = true;
  EXPECT_EQ(movie.GetFieldText(fieldFormattedTitle, false), "Matrix, the (Avion, L')");
  EXPECT_EQ(TMovie::MovePrefix("Them All", settings.TitlePrefixes), "Them All");
  EXPECT_EQ(TMovie::MovePrefix(" The", settings.TitlePrefixes), " The");
  EXPECT_EQ(TMovie::MovePrefix("The ", settings.TitlePrefixes), ", The");
}

// Snapshots are looked up in the current directory, which the program keeps
// at its own folder.
class MovieSnapshots : public TempDirTest {
 protected:
  void SetUp() override {
    m_saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(DirPath()));
  }
  void TearDown() override { QDir::setCurrent(m_saved); }

 private:
  QString m_saved;
};

TEST_F(MovieSnapshots, PicturesLoadByExtensionFromTheSmallCopy) {
  QImage png(3, 2, QImage::Format_RGB32);
  png.fill(Qt::red);
  ASSERT_TRUE(png.save(Path("at.png"), "PNG"));
  QImage jpeg(5, 4, QImage::Format_RGB32);
  jpeg.fill(Qt::blue);
  ASSERT_TRUE(jpeg.save(Path("bt.JPEG"), "JPEG"));
  // The smallest GIF: one pixel.
  WriteFileBytes(Path("ct.gif"), QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw=="));
  TMovie movie;
  MovieElement element(
      "SnapCount=\"4\" Snap1=\"C:\\pics\\a.png\" Snap2=\"/x/b.JPEG\" Snap3=\"c.gif\" Snap4=\"missing.jpe\" "
      "Picture=\"cover|.jpg\"");
  movie.LoadFromXML(element.Get());
  EXPECT_EQ(movie.Picture(), "cover\r\n.jpg");
  ASSERT_EQ(movie.SnapCount(), 4);
  EXPECT_EQ(movie.SnapName(1), "C:\\pics\\a.png");
  EXPECT_EQ(movie.SnapKind(1), TMovie::TPictureKind::Png);
  EXPECT_EQ(movie.SnapPicture(1).size(), QSize(3, 2));
  EXPECT_EQ(movie.SnapKind(2), TMovie::TPictureKind::Jpeg);
  EXPECT_EQ(movie.SnapPicture(2).size(), QSize(5, 4));
  EXPECT_EQ(movie.SnapKind(3), TMovie::TPictureKind::Gif);
  EXPECT_EQ(movie.SnapPicture(3).size(), QSize(1, 1));
  EXPECT_EQ(movie.SnapKind(4), TMovie::TPictureKind::Jpeg);
  EXPECT_TRUE(movie.SnapPicture(4).isNull());
}

TEST_F(MovieSnapshots, UnknownKindStopsTheLoadAfterTheFields) {
  TMovie movie;
  MovieElement element("Actors=\"A|B\" Picture=\"p.png\" SnapCount=\"2\" Snap1=\"one.bmp\" Snap2=\"two.png\"");
  EXPECT_THROW(movie.LoadFromXML(element.Get()), EMovieAbort);
  EXPECT_EQ(movie.GetFieldText(fieldActors, false), "A\r\nB");
  EXPECT_EQ(movie.Picture(), "p.png");
  EXPECT_EQ(movie.SnapName(1), "one.bmp");
  EXPECT_EQ(movie.SnapName(2), "");
}

TEST_F(MovieSnapshots, BadCountsAndBrokenPictures) {
  TMovie movie;
  MovieElement notNumber("SnapCount=\"two\"");
  EXPECT_THROW(movie.LoadFromXML(notNumber.Get()), EConvertError);

  // The record has ten snapshot slots; the eleventh (a kind no reader
  // knows) is never looked at.
  QString snaps = "SnapCount=\"11\" Snap11=\"eleven.bmp\"";
  for (int i = 1; i <= 10; ++i) snaps += QString(" Snap%1=\"s%1.png\"").arg(i);
  MovieElement tooMany(snaps);
  movie.LoadFromXML(tooMany.Get());
  EXPECT_EQ(movie.SnapCount(), 10);
  EXPECT_EQ(movie.SnapName(10), "s10.png");

  WriteFileBytes(Path("brokent.png"), "not a picture");
  MovieElement broken("SnapCount=\"1\" Snap1=\"broken.png\"");
  EXPECT_THROW(movie.LoadFromXML(broken.Get()), EMoviePictureError);
}

}  // namespace
