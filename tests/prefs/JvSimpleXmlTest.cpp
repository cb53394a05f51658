#include "prefs/JvSimpleXml.h"

#include "support/TestSupport.h"

#include <ostream>

namespace {

// Parses a text as a file would be; the error message, or empty on success.
QString ParseError(TJvSimpleXml& xml, const QString& text) {
  try {
    xml.LoadFromString(text);
  } catch (const TJvSimpleXmlInvalid& e) {
    return e.Message();
  }
  return QString();
}

struct ErrorCase {
  const char* text;
  const char* message;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.text; }

class ParseErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ParseErrors, StopWithTheirMessage) {
  TJvSimpleXml xml(nullptr);
  EXPECT_EQ(ParseError(xml, QString::fromLatin1(GetParam().text)), QString::fromLatin1(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ParseErrors,
    ::testing::Values(
        ErrorCase{" x<a/>", "Invalid Document: Unexpected text in file prolog."},
        ErrorCase{"<a/x>", "Invalid XML Element: Expected end of tag but x found."},
        ErrorCase{"<a>< b/></a>", "Invalid XML Element: Malformed tag found (no valid name)"},
        ErrorCase{"<a></b>", "Invalid XML Element: Erroneous end of tag, expecting </a> but </b> found."},
        ErrorCase{"<Settings></settings>",
                  "Invalid XML Element: Erroneous end of tag, expecting </Settings> but </settings> found."},
        ErrorCase{"<a b%=\"1\"/>", "Invalid XML Element: Unexpected character in properties declaration (% found)."},
        ErrorCase{"<a b =\"1\"/>", "Invalid XML Element: Unexpected character in properties declaration (  found)."},
        ErrorCase{"<a b= \"1\"/>",
                  "Invalid XML Element: Unexpected character in property declaration. Expecting \" or ' but   found."},
        ErrorCase{"<a b=1/>",
                  "Invalid XML Element: Unexpected character in property declaration. Expecting \" or ' but 1 found."},
        ErrorCase{"<a><!-- open -- ->", "Invalid Comment: Unexpected end of data"},
        ErrorCase{"<a><![CDATA[ ]] ]>", "Invalid CDATA: Unexpected end of data"},
        ErrorCase{"<?xml version=\"1.0\"/>", "Invalid Header: Expected ? Found /"},
        ErrorCase{"<?xml version=\"1.0\"?x", "Invalid Header: Expected > Found x"},
        ErrorCase{"<?xml version=\"1.0\"", "Invalid Header: Unexpected end of data"},
        ErrorCase{"<?xml-stylesheet href=\"a.css\">", "Invalid Stylesheet: Expected ? Found >"},
        ErrorCase{"<?xml-stylesheet href=\"a.css\"?", "Invalid Stylesheet: Unexpected end of data"},
        ErrorCase{"<!DOCTYPE a [ <!ELEMENT a ANY> ]", "Invalid DocType: Unexpected end of data"}));

TEST(SimpleXml, ElementNotStartingWithATagIsRefused) {
  const QString text = QStringLiteral("x>");
  TJvSimpleXmlSource source(text);
  TJvSimpleXmlElemClassic element(nullptr);
  try {
    element.Parse(source);
    FAIL() << "no error";
  } catch (const TJvSimpleXmlInvalid& e) {
    EXPECT_EQ(e.Message(), "Invalid XML Element: Expected beginning of tag but x found.");
  }
}

TEST(SimpleXml, DocumentEndingInsideTheRootStartTagKeepsWhatWasRead) {
  TJvSimpleXml xml(nullptr);
  EXPECT_EQ(ParseError(xml, "<?xml version=\"1.0\"?>\n<Prefs Version=\"4.0\" Other=\"x"), "");
  EXPECT_EQ(xml.Prolog().Count(), 1);
  EXPECT_EQ(xml.Root().Name(), "Prefs");
  EXPECT_EQ(xml.Root().PropCount(), 1);
  EXPECT_EQ(xml.Root().Props().ReadText("Version", ""), "4.0");
}

TEST(SimpleXml, DocumentEndingInsideContentKeepsTheCompletedElements) {
  TJvSimpleXml xml(nullptr);
  EXPECT_EQ(ParseError(xml, "<r><a x=\"1\"/><b><c/>"),
            "Invalid XML Element: Erroneous end of tag, expecting </b> but </> found.");
  ASSERT_EQ(xml.Root().ChildCount(), 1);
  EXPECT_EQ(xml.Root().Children().Item(0)->Name(), "a");
  // An end tag the text cuts off is no end tag either.
  EXPECT_EQ(ParseError(xml, "<r><a/></r"), "Invalid XML Element: Erroneous end of tag, expecting </r> but </> found.");
  EXPECT_EQ(xml.Root().ChildCount(), 1);
}

TEST(SimpleXml, FindReturnsTheLastMatchIgnoringLetterCaseOfAToZ) {
  TJvSimpleXml xml(nullptr);
  ASSERT_EQ(ParseError(xml, "<r><MRU n=\"1\"/><mru n=\"2\"/><Ä n=\"3\"/></r>"), "");
  TJvSimpleXmlElems& children = xml.Root().Children();
  ASSERT_NE(children.Find("Mru"), nullptr);
  EXPECT_EQ(children.Find("Mru")->Props().ReadText("N", ""), "2");
  EXPECT_EQ(children.Find(QString::fromLatin1("\xC4"))->Props().ReadText("n", ""), "3");
  // Only A to Z fold: the small a umlaut is another name.
  EXPECT_EQ(children.Find(QString::fromLatin1("\xE4")), nullptr);
  EXPECT_EQ(children.Find("MR"), nullptr);
  EXPECT_EQ(children.Find("MRUs"), nullptr);
  EXPECT_EQ(children.Item(3), nullptr);
  EXPECT_EQ(children.Item(-1), nullptr);
}

TEST(SimpleXml, ReadBool) {
  TJvSimpleXml xml(nullptr);
  ASSERT_EQ(ParseError(xml, "<r yes=\"yes\" one=\"1\" minus=\"-2\" zero=\"0\" empty=\"\" t=\"TRUE\" f=\"false\"/>"), "");
  const TJvSimpleXmlProps& props = xml.Root().Props();
  EXPECT_FALSE(props.ReadBool("yes", true));
  EXPECT_TRUE(props.ReadBool("one", false));
  EXPECT_TRUE(props.ReadBool("minus", false));
  EXPECT_FALSE(props.ReadBool("zero", true));
  EXPECT_TRUE(props.ReadBool("empty", true));
  EXPECT_FALSE(props.ReadBool("empty", false));
  EXPECT_TRUE(props.ReadBool("t", false));
  EXPECT_FALSE(props.ReadBool("f", true));
  EXPECT_TRUE(props.ReadBool("missing", true));
}

TEST(SimpleXml, ReadInteger) {
  TJvSimpleXml xml(nullptr);
  ASSERT_EQ(ParseError(xml, "<r a=\"12ab\" b=\"$1F\" c=\" 7\" d=\"2147483648\" e=\"-2147483648\" f=\"\" g=\"0x10\"/>"), "");
  const TJvSimpleXmlProps& props = xml.Root().Props();
  EXPECT_EQ(props.ReadInteger("a", 5), 5);
  EXPECT_EQ(props.ReadInteger("b", 5), 31);
  EXPECT_EQ(props.ReadInteger("c", 5), 7);
  EXPECT_EQ(props.ReadInteger("d", 5), 5);
  EXPECT_EQ(props.ReadInteger("e", 5), -2147483648LL);
  EXPECT_EQ(props.ReadInteger("f", 5), 5);
  EXPECT_EQ(props.ReadInteger("g", 5), 16);
  // A missing attribute gives the default whole, a bad value its low 32 bits.
  EXPECT_EQ(props.ReadInteger("missing", 0x100000005LL), 0x100000005LL);
  EXPECT_EQ(props.ReadInteger("a", 0x1FFFFFFFFLL), -1);
}

TEST(SimpleXml, EntitiesAreDecodedOnce) {
  TJvSimpleXml xml(nullptr);
  ASSERT_EQ(ParseError(xml, "<r a=\"&amp;lt;\" b=\"&#65;&#x42;&LT;&quot;&apos;&gt;\" c=\"&nbsp; &lt x&\" "
                            "d=\"&#; &#300;\">&lt;b&gt; &amp; more </r>"),
            "");
  const TJvSimpleXmlProps& props = xml.Root().Props();
  EXPECT_EQ(props.ReadText("a", ""), "&lt;");
  EXPECT_EQ(props.ReadText("b", ""), "AB<\"'>");
  EXPECT_EQ(props.ReadText("c", ""), "&nbsp; &lt x&");
  EXPECT_EQ(props.ReadText("d", ""), QString::fromLatin1("\xFF ,"));
  EXPECT_EQ(xml.Root().Value(), "<b> & more ");
}

TEST(SimpleXml, MixedTextAndChildrenStayChildren) {
  TJvSimpleXml xml(nullptr);
  ASSERT_EQ(ParseError(xml, "<r>one <b/>\n two<![CDATA[<raw>]]><!-- a -- b --></r>"), "");
  const TJvSimpleXmlElem& root = xml.Root();
  EXPECT_EQ(root.Value(), "");
  TJvSimpleXmlElems& children = const_cast<TJvSimpleXmlElem&>(root).Children();
  ASSERT_EQ(children.Count(), 5);
  EXPECT_NE(dynamic_cast<TJvSimpleXmlElemText*>(children.Item(0)), nullptr);
  EXPECT_EQ(children.Item(0)->Value(), "one ");
  EXPECT_EQ(children.Item(1)->Name(), "b");
  EXPECT_EQ(children.Item(2)->Value(), "two");
  EXPECT_NE(dynamic_cast<TJvSimpleXmlElemCData*>(children.Item(3)), nullptr);
  EXPECT_EQ(children.Item(3)->Value(), "<raw>");
  EXPECT_NE(dynamic_cast<TJvSimpleXmlElemComment*>(children.Item(4)), nullptr);
  EXPECT_EQ(children.Item(4)->Value(), " a -- b ");
}

TEST(SimpleXml, PrologElementsAreRecorded) {
  TJvSimpleXml xml(nullptr);
  ASSERT_EQ(ParseError(xml, "<?xml version=\"1.1\" encoding=\"windows-1252\" standalone=\"yes\"?>\r\n"
                            "<!-- made by hand -->\n<!DOCTYPE prefs [ <!ELEMENT prefs ANY> ] >\n"
                            "<?xml-stylesheet type=\"text/xsl\" href=\"p.xsl\"?>\n<prefs/>trailing text"),
            "");
  TJvSimpleXmlElemsProlog& prolog = xml.Prolog();
  ASSERT_EQ(prolog.Count(), 4);
  const auto* header = dynamic_cast<TJvSimpleXmlElemHeader*>(prolog.Item(0));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->Version(), "1.1");
  EXPECT_EQ(header->Encoding(), "windows-1252");
  EXPECT_TRUE(header->StandAlone());
  EXPECT_EQ(header->PropCount(), 0);
  EXPECT_EQ(prolog.Item(1)->Value(), " made by hand ");
  EXPECT_EQ(prolog.Item(2)->Value(), "prefs [ <!ELEMENT prefs ANY> ]");
  EXPECT_EQ(prolog.Item(3)->Props().ReadText("href", ""), "p.xsl");
  EXPECT_EQ(xml.Root().Name(), "prefs");

  ASSERT_EQ(ParseError(xml, "<?xml encoding=\"utf-8\"?><r/>"), "");
  const auto* plain = dynamic_cast<TJvSimpleXmlElemHeader*>(xml.Prolog().Item(0));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->Version(), "");
  EXPECT_FALSE(plain->StandAlone());
}

TEST(SimpleXml, NamespacePrefixesAreSplitAndMatchTheirEndTag) {
  TJvSimpleXml xml(nullptr);
  ASSERT_EQ(ParseError(xml, "<v:r x:a=\"1\"><v:c>text</v:c></v:r>"), "");
  EXPECT_EQ(xml.Root().Namespace(), "v");
  EXPECT_EQ(xml.Root().Name(), "r");
  EXPECT_EQ(xml.Root().Props().Find("a")->Namespace(), "x");
  EXPECT_EQ(xml.Root().Children().Find("c")->Value(), "text");
  EXPECT_EQ(ParseError(xml, "<v:r></r>"), "Invalid XML Element: Erroneous end of tag, expecting </v:r> but </r> found.");
}

TEST(SimpleXml, TextValueKeepsInnerAndTrailingBlanks) {
  TJvSimpleXml xml(nullptr);
  ASSERT_EQ(ParseError(xml, "<r>\n  <a>  x\ty \n</a><b></b><c/></r>"), "");
  TJvSimpleXmlElems& children = xml.Root().Children();
  EXPECT_EQ(children.Find("a")->Value(), "x\ty \n");
  EXPECT_EQ(children.Find("a")->ChildCount(), 0);
  EXPECT_EQ(children.Find("b")->Value(), "");
  EXPECT_EQ(children.Count(), 3);
}

TEST(SimpleXml, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  TJvSimpleXml xml(nullptr);
  const QString deep = QStringLiteral("<a>").repeated(TJvSimpleXmlSource::kMaxDepth + 1);
  EXPECT_EQ(ParseError(xml, deep), "Invalid XML Element: Elements nested too deeply (more than 1000 levels)");
  const QString allowed = QStringLiteral("<a>").repeated(TJvSimpleXmlSource::kMaxDepth) +
                          QStringLiteral("</a>").repeated(TJvSimpleXmlSource::kMaxDepth);
  EXPECT_EQ(ParseError(xml, allowed), "");
}

TEST(SimpleXml, RenamesAndDeletesKeepTheNameIndexTrue) {
  TJvSimpleXml xml(nullptr);
  TJvSimpleXmlElems& children = xml.Root().Children();
  TJvSimpleXmlElem* first = children.Add("One");
  TJvSimpleXmlElem* second = children.Add("Two");
  EXPECT_EQ(children.Find("one"), first);
  first->SetName("Three");
  EXPECT_EQ(children.Find("one"), nullptr);
  EXPECT_EQ(children.Find("THREE"), first);
  first->SetName("");
  EXPECT_EQ(first->Name(), "Three");
  children.Delete("three");
  EXPECT_EQ(children.Count(), 1);
  EXPECT_EQ(children.Find("Three"), nullptr);
  EXPECT_EQ(children.Find("two"), second);
  EXPECT_EQ(second->Parent(), &xml.Root());
  children.Clear();
  EXPECT_EQ(children.Find("two"), nullptr);
}

class SimpleXmlFile : public TempDirTest {};

TEST_F(SimpleXmlFile, LoadFromFileReadsBytesAsCharacters) {
  const QString path = Path("prefs.xml");
  WriteFileBytes(path, QByteArray("<r name=\"Gr\xFC\xDF" "e\">\xE9t\xE9</r>"));
  TJvSimpleXml xml(nullptr);
  xml.LoadFromFile(path);
  EXPECT_EQ(xml.Root().Props().ReadText("name", ""), QString::fromLatin1("Gr\xFC\xDF" "e"));
  EXPECT_EQ(xml.Root().Value(), QString::fromLatin1("\xE9t\xE9"));
  EXPECT_EQ(xml.FileName(), path);
  EXPECT_THROW(xml.LoadFromFile(Path("missing.xml")), EJvSimpleXmlFileError);
}

TEST(StringListEx, RebuildsItsTreeOnceAfterChanges) {
  TStringListEx list;
  list.Add("alpha");
  list.Add("Beta");
  EXPECT_GT(list.ChangeCount(), 0);
  EXPECT_EQ(list.IndexOfText("BETA"), 1);
  EXPECT_EQ(list.ChangeCount(), 0);
  EXPECT_EQ(list.IndexedCount(), 2);
  EXPECT_EQ(list.IndexOfText("alp"), -1);
  EXPECT_EQ(list.IndexOfText("alphabet"), -1);
  list.Put(0, "beta");
  EXPECT_EQ(list.IndexOfText("Beta"), 1);
  list.Delete(1);
  EXPECT_EQ(list.IndexOfText("Beta"), 0);
  list.SetCaseSensitive(true);
  list.Add("Gamma");
  EXPECT_EQ(list.IndexOfText("gamma"), -1);
  EXPECT_EQ(list.IndexOfText("Gamma"), 1);
  list.Clear();
  EXPECT_EQ(list.IndexedCount(), 0);
  EXPECT_EQ(list.IndexOfText(""), -1);
  list.Add("");
  EXPECT_EQ(list.IndexOfText(""), 0);
}

}  // namespace
