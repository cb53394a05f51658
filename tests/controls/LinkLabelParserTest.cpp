#include "TreeDump.h"

#include "controls/OrqJvLinkLabelParser.h"

#include "support/TestSupport.h"

#include <functional>
#include <ostream>

namespace {

// Each caption is parsed afresh, as the label does: both counters start at 0.
class ParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LinkCounter = 0;
    DynamicCounter = 0;
  }
  QString Parse(const QString& text) { return DumpTree(*m_parser.ParseText(text)); }

  TDefaultParser m_parser;
};

struct MarkupCase {
  const char* markup;
  const char* tree;
};

void PrintTo(const MarkupCase& c, std::ostream* os) { *os << c.markup; }

class Markup : public ParserTest, public ::testing::WithParamInterface<MarkupCase> {};

TEST_P(Markup, ParsesIntoTree) { EXPECT_EQ(Parse(QString::fromUtf8(GetParam().markup)), GetParam().tree); }

INSTANTIATE_TEST_SUITE_P(
    Spans, Markup,
    ::testing::Values(MarkupCase{"a<b>b</b>c", "root['a', b['b'], 'c']"},
                      MarkupCase{"<I>a<u>b</u>c</i>", "root[i['a', u['b'], 'c']]"},
                      MarkupCase{"a<i>b<b>c", "root['a', i['b', b['c']]]"},
                      MarkupCase{"<link>mail@host</link>", "root[link0['mail@host']]"},
                      MarkupCase{"", "root[]"}));

// Any end tag closes the innermost open span; at the top level it ends the
// caption.
INSTANTIATE_TEST_SUITE_P(
    EndTags, Markup,
    ::testing::Values(MarkupCase{"<B>x</i>y", "root[b['x'], 'y']"},
                      MarkupCase{"x</b>y", "root['x']"},
                      MarkupCase{"</b>", "root[]"},
                      MarkupCase{"<b>a<br>b</br>c</b>d", "root[b['a', br, 'b'], 'c']"},
                      MarkupCase{"<dynamic>text</dynamic>more", "root[dyn0[], 'text']"},
                      MarkupCase{"<link href=x>y</link>z", "root[?<link href=x>, 'y']"}));

INSTANTIATE_TEST_SUITE_P(
    Breaks, Markup,
    ::testing::Values(MarkupCase{"a<br>b", "root['a', br, 'b']"},
                      MarkupCase{"a<BR>b", "root['a', br, 'b']"},
                      MarkupCase{"a<br/>b", "root['a', ?<br/>, 'b']"},
                      MarkupCase{"a<p>b<P>", "root['a', p, 'b', p]"},
                      MarkupCase{"a< b>", "root['a', ?< b>]"},
                      MarkupCase{"<Hello>", "root[?<Hello>]"}));

INSTANTIATE_TEST_SUITE_P(
    Text, Markup,
    ::testing::Values(MarkupCase{"1 &lt; 2", "root['1 < 2']"},
                      MarkupCase{"&lt;b&gt;x&lt;/b&gt;", "root['<b>x</b>']"},
                      MarkupCase{"&amp; &quot;", "root['&amp; &quot;']"},
                      MarkupCase{"&LT;", "root['&LT;']"},
                      MarkupCase{"wo\r\nrd", "root['word']"},
                      MarkupCase{"<b>wo\r\n</b>rd", "root[b['wo'], 'rd']"},
                      MarkupCase{"a\nb\rc", "root['a\nb\rc']"},
                      MarkupCase{"<b\r\n>x", "root[b['x']]"}));

// A tag left open at the end of the text keeps its whole name, and a lone
// "<" or "</" makes an empty tag.
INSTANTIATE_TEST_SUITE_P(
    Unclosed, Markup,
    ::testing::Values(MarkupCase{"a<b", "root['a', b[]]"},
                      MarkupCase{"a<bx", "root['a', ?<bx>]"},
                      MarkupCase{"a<", "root['a', ?<>]"},
                      MarkupCase{"<b>a</", "root[b['a']]"},
                      MarkupCase{"<>x", "root[?<>, 'x']"},
                      MarkupCase{"x>y", "root['x>y']"}));

TEST_F(ParserTest, NumbersLinksInDocumentOrderPerCaption) {
  EXPECT_EQ(Parse("<link>a</link><link>b</link>"), "root[link0['a'], link1['b']]");
  EXPECT_EQ(LinkCounter, 2);
  // Without a reset the numbering goes on; the label resets before each caption.
  EXPECT_EQ(Parse("<link>c</link>"), "root[link2['c']]");
  LinkCounter = 0;
  EXPECT_EQ(Parse("<b><link>a</link></b>x<link>b</link>"), "root[b[link0['a']], 'x', link1['b']]");
}

TEST_F(ParserTest, ParsesAStringListsWholeText) {
  TStringList lines(QStringList{"<b>wo", "rd</b> and", "<link>x</link>"});
  EXPECT_EQ(DumpTree(*m_parser.ParseText(lines)), "root[b['word'], ' and', link0['x']]");
}

TEST_F(ParserTest, NodesKnowTheirParents) {
  const auto tree = m_parser.ParseText("<b>x<i>y</i></b>");
  const TRootNode* root = tree->Root();
  EXPECT_EQ(root->Parent(), nullptr);
  const auto* bold = dynamic_cast<TStyleNode*>(root->Children().at(0));
  ASSERT_NE(bold, nullptr);
  EXPECT_EQ(bold->Parent(), root);
  EXPECT_EQ(bold->Children().at(0)->Parent(), bold);
  EXPECT_EQ(dynamic_cast<TParentNode*>(bold->Children().at(1))->Children().at(0)->Parent(), bold->Children().at(1));
}

TEST_F(ParserTest, DeepNestingNeedsNoCallStack) {
  constexpr int kDepth = 300000;
  const auto tree = m_parser.ParseText(QStringLiteral("<b>").repeated(kDepth) + QStringLiteral("x"));
  const TNode* deepest = tree->FirstNodeOfClass(TStringNode::StaticClass());
  ASSERT_NE(deepest, nullptr);
  int depth = 0;
  for (const TNode* node = deepest->Parent(); node != tree->Root(); node = node->Parent()) ++depth;
  EXPECT_EQ(depth, kDepth);
  EXPECT_EQ(tree->AreaText(), "x");
  EXPECT_EQ(tree->NodeAtPoint(QPoint(0, 0), TLinkNode::StaticClass()), nullptr);
}

// ---- Dynamic tags ----------------------------------------------------------

// Supplies the text of each dynamic tag by its number and records the calls.
class SourceTable : public IDynamicNodeHandler {
 public:
  explicit SourceTable(QStringList sources) : m_sources(std::move(sources)) {}
  void SupplySource(QString& source, TDynamicNode* node) override {
    EXPECT_TRUE(source.isEmpty());
    Asked << node->Number();
    source = node->Number() < m_sources.size() ? m_sources.at(node->Number()) : QString();
  }
  QList<int> Asked;

 private:
  QStringList m_sources;
};

struct DynamicCase {
  const char* markup;
  QStringList sources;
  const char* tree;
};

void PrintTo(const DynamicCase& c, std::ostream* os) { *os << c.markup; }

class DynamicTags : public ParserTest, public ::testing::WithParamInterface<DynamicCase> {};

TEST_P(DynamicTags, TakeTheSuppliedContent) {
  SourceTable handler(GetParam().sources);
  m_parser.AttachDynamicHandler(&handler);
  EXPECT_EQ(Parse(GetParam().markup), GetParam().tree);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DynamicTags,
    ::testing::Values(
        DynamicCase{"<dynamic>", {"<b>x</b>"}, "root[dyn0[b['x']]]"},
        DynamicCase{"a<DYNAMIC>c", {"b"}, "root['a', dyn0['b'], 'c']"},
        DynamicCase{"<dynamic>", {""}, "root[dyn0[]]"},
        // One level deep: a dynamic tag in supplied text stays empty.
        DynamicCase{"<dynamic>", {"<dynamic>y"}, "root[dyn0[dyn1[], 'y']]"},
        // Supplied text follows the same rules, including the end of the parse.
        DynamicCase{"<dynamic>z", {"x</b>y"}, "root[dyn0['x'], 'z']"},
        // Links in supplied text are numbered where they stand.
        DynamicCase{"<link>a</link><dynamic><link>c</link>", {"<link>b</link>"},
                    "root[link0['a'], dyn0[link1['b']], link2['c']]"},
        DynamicCase{"<dynamic><b><dynamic></b>", {"one", "two"}, "root[dyn0['one'], b[dyn1['two']]]"}));

TEST_F(ParserTest, HandlerIsAskedOncePerTagAndNotForSuppliedOnes) {
  SourceTable handler({"<dynamic>", "second"});
  m_parser.AttachDynamicHandler(&handler);
  // The supplied tag takes number 1, so the second tag of the caption is 2.
  EXPECT_EQ(Parse("<dynamic><dynamic>"), "root[dyn0[dyn1[]], dyn2[]]");
  EXPECT_EQ(handler.Asked, QList<int>({0, 2}));
}

TEST_F(ParserTest, WithoutHandlerDynamicTagsStayEmpty) {
  EXPECT_EQ(Parse("<dynamic>x"), "root[dyn0[], 'x']");
  SourceTable handler({"y"});
  m_parser.AttachDynamicHandler(&handler);
  m_parser.AttachDynamicHandler(nullptr);
  EXPECT_EQ(Parse("<dynamic>"), "root[dyn1[]]");
  EXPECT_TRUE(handler.Asked.isEmpty());
}

// ---- Element scanning ------------------------------------------------------

QString Scan(const QString& text) {
  TElementEnumerator elements(text);
  QStringList parts;
  while (!elements.AtEnd()) {
    const TElement element = elements.GetNextElement();
    const char* kind = element.Kind == TElementKind::ekBeginTag ? "begin" : element.Kind == TElementKind::ekEndTag ? "end" : "text";
    parts << QStringLiteral("%1 '%2'").arg(QLatin1String(kind), element.Text);
  }
  return parts.join(QStringLiteral(", "));
}

TEST(ElementEnumerator, CutsTextIntoElements) {
  EXPECT_EQ(Scan("a<b>c</x>d"), "text 'a', begin 'b', text 'c', end 'x', text 'd'");
  EXPECT_EQ(Scan("<link href=x>"), "begin 'link href=x'");
  EXPECT_EQ(Scan("a>b<<c>"), "text 'a>b', begin '<c'");
  EXPECT_EQ(Scan("x<"), "text 'x', begin ''");
  EXPECT_EQ(Scan("x</"), "text 'x', end ''");
  EXPECT_EQ(Scan("</ab"), "end 'ab'");
  EXPECT_EQ(Scan(""), "");
}

TEST(ElementEnumerator, LookingAheadDoesNotMove) {
  TElementEnumerator elements("<b>x");
  EXPECT_EQ(elements.LookNextElement().Text, "b");
  EXPECT_EQ(elements.LookNextElement().Text, "b");
  EXPECT_EQ(elements.GetNextElement().Text, "b");
  const TElement text = elements.LookNextElement();
  EXPECT_EQ(text.Kind, TElementKind::ekText);
  EXPECT_EQ(text.Text, "x");
  EXPECT_FALSE(elements.AtEnd());
  EXPECT_EQ(elements.GetNextElement().Text, "x");
  EXPECT_TRUE(elements.AtEnd());
}

TEST(ElementEnumerator, AskingAtTheEndFails) {
  TElementEnumerator elements("x");
  elements.GetNextElement();
  for (const auto& ask : {std::function<void()>([&] { elements.GetNextElement(); }),
                          std::function<void()>([&] { elements.LookNextElement(); })}) {
    try {
      ask();
      ADD_FAILURE() << "no error";
    } catch (const EParserError& e) {
      EXPECT_EQ(e.Message(), "TElementEnumerator.GetNextElement: No more elements to return");
    }
  }
}

}  // namespace
