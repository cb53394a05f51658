#include "lang/TextEncoding.h"

#include "support/TestSupport.h"

#include <ostream>

namespace {

struct Utf8Case {
  QByteArray bytes;
  bool valid;
};

void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.bytes.toHex(' ').constData(); }

class Utf8Validity : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validity, OnlyWellFormedSequencesPass) {
  EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
  EXPECT_EQ(DetectTextEncoding(GetParam().bytes),
            GetParam().valid ? TTextEncoding::teUtf8 : TTextEncoding::teWindows1252);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Validity,
    ::testing::Values(Utf8Case{"", true}, Utf8Case{"plain ASCII text that runs past eight bytes", true},
                      Utf8Case{"M\xC3\xBCller", true}, Utf8Case{"\xE2\x82\xAC and \xF0\x9F\x98\x80", true},
                      Utf8Case{"\xEF\xBB\xBF[A]", true}, Utf8Case{"M\xFCller", false},
                      Utf8Case{"\xC0\x80", false},          // overlong NUL
                      Utf8Case{"\xE0\x80\x80", false},      // overlong three-byte form
                      Utf8Case{"\xED\xA0\x80", false},      // a surrogate
                      Utf8Case{"\xF4\x90\x80\x80", false},  // above U+10FFFF
                      Utf8Case{"abcdefgh\xC3", false},      // cut off at the end
                      Utf8Case{"\xC3(", false}, Utf8Case{"\x81", false}));

TEST(Windows1252, EveryByteDecodesAndEncodesBackToItself) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  const QString text = DecodeText(all, TTextEncoding::teWindows1252);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(text[0x80], QChar(0x20AC));
  EXPECT_EQ(text[0x9F], QChar(0x0178));
  EXPECT_EQ(text[0xE4], QChar(0x00E4));
  // The undefined bytes stand for the C1 controls of the same value.
  for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(text[b], QChar(b)) << b;
  QByteArray back;
  ASSERT_TRUE(TryEncodeText(text, TTextEncoding::teWindows1252, back));
  EXPECT_EQ(back, all);
}

TEST(Windows1252, CharactersOutsideTheCodePageAreRefused) {
  QByteArray bytes = "untouched";
  for (const QString& text : {QStringLiteral("\u0416uk"), QStringLiteral("\u0080"), QStringLiteral("\u2603")}) {
    EXPECT_FALSE(TryEncodeText(text, TTextEncoding::teWindows1252, bytes)) << text.toStdString();
    EXPECT_EQ(bytes, "untouched");
  }
}

TEST(Utf8, UnpairedSurrogatesAreRefusedAndPairsPass) {
  QByteArray bytes;
  EXPECT_FALSE(TryEncodeText(QString(QChar(0xD800)) + QLatin1Char('x'), TTextEncoding::teUtf8, bytes));
  EXPECT_FALSE(TryEncodeText(QString(QChar(0xDC00)), TTextEncoding::teUtf8, bytes));
  ASSERT_TRUE(TryEncodeText(QString::fromUtf8("\xF0\x9F\x98\x80 \xD0\x96"), TTextEncoding::teUtf8, bytes));
  EXPECT_EQ(bytes, "\xF0\x9F\x98\x80 \xD0\x96");
}

TEST(LanguageFileText, DecodesByTheDetectedEncodingAndDropsTheByteOrderMark) {
  EXPECT_EQ(DecodeLanguageFile("Jahr=M\xC3\xBCller"), QString::fromUtf8("Jahr=M\xC3\xBCller"));
  EXPECT_EQ(DecodeLanguageFile("Jahr=M\xFCller \x80"), QString::fromUtf8("Jahr=M\xC3\xBCller \xE2\x82\xAC"));
  EXPECT_EQ(DecodeLanguageFile("\xEF\xBB\xBF[MainForm]"), "[MainForm]");
  // Not UTF-8 as a whole: the same three bytes are Windows-1252 text.
  EXPECT_EQ(DecodeLanguageFile("\xEF\xBB\xBF\xFC"), QString::fromUtf8("\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xBC"));
}

}  // namespace
