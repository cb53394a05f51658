#include "TreeDump.h"

#include "controls/OrqJvLinkLabelParser.h"
#include "controls/OrqJvLinkLabelTree.h"

#include "support/TestSupport.h"

#include <functional>
#include <ostream>

namespace {

void ExpectNodeError(const std::function<void()>& action, const char* message) {
  try {
    action();
    ADD_FAILURE() << "no error, expected: " << message;
  } catch (const ENodeError& e) {
    EXPECT_EQ(e.Message(), message);
  }
}

// ---- Node classes ----------------------------------------------------------

TEST(LinkLabelNodes, ReportTheTypeNumberOfTheirExactClass) {
  LinkCounter = 0;
  DynamicCounter = 0;
  TNode node;
  TParentNode parent;
  TAreaNode area;
  TStyleNode style(TFontStyle::fsItalic);
  TLinkNode link;
  TDynamicNode dynamic;
  TRootNode root({}, 0);
  TStringNode text("x");
  TActionNode action(TActionType::atParagraphBreak);
  TUnknownNode unknown("x");
  const std::pair<const TNode*, int> cases[] = {{&node, 0},    {&parent, 1},  {&area, 2},   {&style, 3},
                                                {&link, 4},    {&dynamic, 5}, {&root, 6},   {&text, 7},
                                                {&action, 8},  {&unknown, 9}};
  for (const auto& [n, type] : cases) EXPECT_EQ(static_cast<int>(n->GetNodeType()), type) << n->ClassName().toStdString();
}

// A node class of its own, outside the family the tree knows.
class TNoteNode : public TStringNode {
 public:
  static const TClassInfo& StaticClass() {
    static const TClassInfo info("TNoteNode", &TStringNode::StaticClass());
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  TNoteNode() : TStringNode("note") {}
};

TEST(LinkLabelNodes, UnknownClassHasNoTypeNumber) {
  TNoteNode note;
  ExpectNodeError([&] { note.GetNodeType(); }, "TNode.GetNodeType: Unknown class");
  // It still takes part in the queries as the string node it is.
  TAreaNode area;
  area.AddChild(new TNoteNode);
  EXPECT_EQ(area.AreaText(), "note");
}

TEST(LinkLabelNodes, TreeStartsWithAnEmptyRootInWindowTextColour) {
  TNodeTree tree;
  EXPECT_TRUE(tree.Root()->Children().empty());
  EXPECT_TRUE(tree.Root()->Style().Empty());
  EXPECT_EQ(tree.Root()->Color(), static_cast<int32_t>(0xFF000008u));
  EXPECT_EQ(tree.Root()->StartingPoint(), QPoint(0, 0));
  EXPECT_TRUE(tree.Root()->LinkRects().empty());
}

TEST(LinkLabelNodes, LinkColourIsTheCodeOfItsState) {
  TLinkNode link;
  link.SetColor(0x123456);
  EXPECT_EQ(link.State(), TLinkState::lsNormal);
  EXPECT_EQ(link.Color(), static_cast<int32_t>(0x80000400u));
  link.SetState(TLinkState::lsClicked);
  EXPECT_EQ(link.Color(), static_cast<int32_t>(0x80000401u));
  link.SetState(TLinkState::lsHot);
  EXPECT_EQ(link.Color(), static_cast<int32_t>(0x80000402u));
  EXPECT_LT(link.Color(), 0);
  TStyleNode bold(TFontStyle::fsBold);
  bold.SetColor(0x123456);
  bold.SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline});
  EXPECT_EQ(bold.Color(), 0x123456);
  EXPECT_EQ(bold.Style(), TFontStyles({TFontStyle::fsBold, TFontStyle::fsUnderline}));
}

TEST(LinkLabelNodes, CountersNumberNewNodes) {
  LinkCounter = 5;
  DynamicCounter = 0;
  TLinkNode first;
  TLinkNode second;
  TDynamicNode dynamic;
  EXPECT_EQ(first.Number(), 5);
  EXPECT_EQ(second.Number(), 6);
  EXPECT_EQ(dynamic.Number(), 0);
  EXPECT_EQ(LinkCounter, 7);
  EXPECT_EQ(DynamicCounter, 1);
}

TEST(LinkLabelNodes, WordCacheRefusesIndexesOutsideIt) {
  TStringNode text("two words");
  ExpectNodeError([&] { text.GetWordInfo(0); }, "TStringNode.GetWordInfo: Index out of bounds");
  text.AddWordInfo({true, 3, 20});
  text.AddWordInfo({false, 3, 25});
  EXPECT_EQ(text.GetWordInfo(1).Width, 25);
  EXPECT_TRUE(text.GetWordInfo(0).EndsWithSpace);
  EXPECT_EQ(text.GetWordInfo(0).SpaceWidth, 3);
  ExpectNodeError([&] { text.GetWordInfo(2); }, "TStringNode.GetWordInfo: Index out of bounds");
  ExpectNodeError([&] { text.GetWordInfo(-1); }, "TStringNode.GetWordInfo: Index out of bounds");
  text.ClearWordInfo();
  EXPECT_EQ(text.WordInfoCount(), 0);
}

// Tells when it is freed.
class TWatchedNode : public TNode {
 public:
  explicit TWatchedNode(bool& freed) : m_freed(freed) {}
  ~TWatchedNode() override { m_freed = true; }

 private:
  bool& m_freed;
};

TEST(LinkLabelNodes, ParentFreesItsChildrenOnlyWhileItOwnsThem) {
  bool ownedFreed = false;
  bool deepFreed = false;
  bool loanedFreed = false;
  auto* loaned = new TWatchedNode(loanedFreed);
  {
    TParentNode owner;
    EXPECT_TRUE(owner.OwnsChildren());
    owner.AddChild(new TWatchedNode(ownedFreed));
    auto* inner = new TParentNode;
    owner.AddChild(inner);
    inner->AddChild(new TWatchedNode(deepFreed));
    TParentNode borrower;
    borrower.SetOwnsChildren(false);
    borrower.AddChild(loaned);
    EXPECT_EQ(loaned->Parent(), &borrower);
  }
  EXPECT_TRUE(ownedFreed);
  EXPECT_TRUE(deepFreed);
  EXPECT_FALSE(loanedFreed);
  delete loaned;
}

TEST(LinkLabelNodes, EnumeratorsFailPastTheEnd) {
  TNodeTree tree;
  TNodeEnumerator nodes = tree.TopLevelNodes(TLinkNode::StaticClass());
  EXPECT_FALSE(nodes.HasNext());
  ExpectNodeError([&] { nodes.GetNext(); }, "No more nodes to return");
  TRectEnumerator rects = tree.AreaRects();
  EXPECT_FALSE(rects.HasNext());
  ExpectNodeError([&] { rects.GetNext(); }, "No more records to return");
}

// ---- Queries on a laid-out caption -----------------------------------------

// The caption of an author list, laid out by hand on a 10-pixel line grid:
//
//   row 0:   "Mail "  [link0 "me@a.org"]  " or "
//   row 10:  <b> "see " [link1 "our " <i>"site"</i>] "!" </b>
//   row 20:  [link1 continued: "site" wrapped]  <u>"end"</u>
class LaidOutCaption : public ::testing::Test {
 protected:
  void SetUp() override {
    LinkCounter = 0;
    DynamicCounter = 0;
    TDefaultParser parser;
    m_tree = parser.ParseText("Mail <link>me@a.org</link> or <b>see <link>our <i>site</i></link>!</b><u>end</u>");
    ASSERT_EQ(DumpTree(*m_tree),
              "root['Mail ', link0['me@a.org'], ' or ', b['see ', link1['our ', i['site']], '!'], u['end']]");
    const TNodeList& top = Root()->Children();
    Text(top[0])->AddRect(QRect(0, 0, 25, 10));
    Text(Child(top[1], 0))->AddRect(QRect(25, 0, 40, 10));
    Text(top[2])->AddRect(QRect(65, 0, 20, 10));
    TParentNode* bold = Parent(top[3]);
    Text(bold->Children()[0])->AddRect(QRect(0, 10, 20, 10));
    Text(Child(bold->Children()[1], 0))->AddRect(QRect(20, 10, 20, 10));
    Text(Child(Child(bold->Children()[1], 1), 0))->AddRect(QRect(0, 20, 20, 10));
    Text(bold->Children()[2])->AddRect(QRect(20, 20, 5, 10));
    Text(Child(top[4], 0))->AddRect(QRect(25, 20, 15, 10));
  }

  TRootNode* Root() const { return m_tree->Root(); }
  TNode* Link(int number) const {
    TNodeEnumerator links = m_tree->TopLevelNodes(TLinkNode::StaticClass());
    while (links.HasNext()) {
      TNode* link = links.GetNext();
      if (static_cast<TLinkNode*>(link)->Number() == number) return link;
    }
    return nullptr;
  }
  static TStringNode* Text(TNode* node) { return dynamic_cast<TStringNode*>(node); }
  static TParentNode* Parent(TNode* node) { return dynamic_cast<TParentNode*>(node); }
  static TNode* Child(TNode* node, int index) { return Parent(node)->Children().at(static_cast<size_t>(index)); }
  static QStringList Dumps(TNodeEnumerator nodes) {
    QStringList dumps;
    while (nodes.HasNext()) dumps << DumpNode(*nodes.GetNext());
    return dumps;
  }
  static QString NodeName(const TNode* node) { return node ? DumpNode(*node) : QStringLiteral("none"); }

  std::unique_ptr<TNodeTree> m_tree;
};

TEST_F(LaidOutCaption, TopLevelNodesSearchThroughOtherSpans) {
  EXPECT_EQ(Dumps(m_tree->TopLevelNodes(TLinkNode::StaticClass())),
            QStringList({"link0['me@a.org']", "link1['our ', i['site']]"}));
  EXPECT_EQ(Dumps(m_tree->TopLevelNodes(TAreaNode::StaticClass())),
            QStringList({"link0['me@a.org']", "b['see ', link1['our ', i['site']], '!']", "u['end']"}));
  const auto* bold = static_cast<const TAreaNode*>(Root()->Children()[3]);
  EXPECT_EQ(Dumps(bold->TopLevelNodes(TStringNode::StaticClass())), QStringList({"'see '", "'our '", "'site'", "'!'"}));
}

TEST_F(LaidOutCaption, FirstNodeOfClassIsDepthFirst) {
  EXPECT_EQ(NodeName(m_tree->FirstNodeOfClass(TAreaNode::StaticClass())), "link0['me@a.org']");
  EXPECT_EQ(NodeName(m_tree->FirstNodeOfClass(TStyleNode::StaticClass())), "b['see ', link1['our ', i['site']], '!']");
  EXPECT_EQ(NodeName(static_cast<TAreaNode*>(Link(1))->FirstNodeOfClass(TStringNode::StaticClass())), "'our '");
  EXPECT_EQ(NodeName(m_tree->FirstNodeOfClass(TActionNode::StaticClass())), "none");
  // The area itself does not count.
  EXPECT_EQ(NodeName(static_cast<TAreaNode*>(Link(0))->FirstNodeOfClass(TLinkNode::StaticClass())), "none");
}

TEST_F(LaidOutCaption, AreaTextJoinsTheTextBelow) {
  EXPECT_EQ(static_cast<TAreaNode*>(Link(1))->AreaText(), "our site");
  EXPECT_EQ(m_tree->AreaText(), "Mail me@a.org or see our site!end");
}

TEST_F(LaidOutCaption, AreaRectsListEveryPieceInDocumentOrder) {
  TRectEnumerator rects = static_cast<TAreaNode*>(Link(1))->AreaRects();
  ASSERT_TRUE(rects.HasNext());
  EXPECT_EQ(rects.GetNext(), QRect(20, 10, 20, 10));
  ASSERT_TRUE(rects.HasNext());
  EXPECT_EQ(rects.GetNext(), QRect(0, 20, 20, 10));
  EXPECT_FALSE(rects.HasNext());
  int count = 0;
  for (TRectEnumerator all = m_tree->AreaRects(); all.HasNext(); all.GetNext()) ++count;
  EXPECT_EQ(count, 8);
}

struct PointCase {
  QPoint point;
  const char* link;  // the link under the point, or "none"
};

void PrintTo(const PointCase& c, std::ostream* os) { *os << "(" << c.point.x() << "," << c.point.y() << ")"; }

class LinkUnderPoint : public LaidOutCaption, public ::testing::WithParamInterface<PointCase> {};

TEST_P(LinkUnderPoint, FoundWithAndWithoutTheCache) {
  const QString expected = QString::fromLatin1(GetParam().link);
  const QPoint point = GetParam().point;
  for (bool cached : {false, true}) {
    if (cached) m_tree->CollectLinkRects();
    EXPECT_EQ(m_tree->PointInNodeClass(point, TLinkNode::StaticClass()), expected != "none") << "cached " << cached;
    const TNode* link = m_tree->NodeAtPoint(point, TLinkNode::StaticClass());
    EXPECT_EQ(link ? QStringLiteral("link%1").arg(static_cast<const TLinkNode*>(link)->Number()) : QStringLiteral("none"),
              expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Points, LinkUnderPoint,
    ::testing::Values(PointCase{{30, 5}, "link0"},   // inside
                      PointCase{{25, 0}, "link0"},   // top-left corner
                      PointCase{{64, 9}, "link0"},   // right and bottom edges
                      PointCase{{24, 5}, "none"},    // plain text before it
                      PointCase{{65, 5}, "none"},    // plain text after it
                      PointCase{{25, 10}, "link1"},  // through the bold span
                      PointCase{{5, 25}, "link1"},   // the wrapped piece, through italic
                      PointCase{{5, 15}, "none"},    // bold text outside the link
                      PointCase{{30, 25}, "none"},   // underlined text
                      PointCase{{100, 100}, "none"}));

TEST_F(LaidOutCaption, PointInAreaAndNodeClassForOtherSpans) {
  EXPECT_TRUE(m_tree->PointInArea(QPoint(0, 0)));
  EXPECT_FALSE(m_tree->PointInArea(QPoint(50, 25)));
  EXPECT_TRUE(m_tree->PointInNodeClass(QPoint(5, 15), TStyleNode::StaticClass()));
  EXPECT_TRUE(m_tree->PointInNodeClass(QPoint(30, 25), TStyleNode::StaticClass()));
  EXPECT_FALSE(m_tree->PointInNodeClass(QPoint(5, 5), TStyleNode::StaticClass()));
  // The italic span lies inside the bold one, so it is not a top-level style node.
  EXPECT_EQ(NodeName(m_tree->NodeAtPoint(QPoint(5, 25), TStyleNode::StaticClass())),
            "b['see ', link1['our ', i['site']], '!']");
  EXPECT_EQ(NodeName(static_cast<TAreaNode*>(Link(1))->NodeAtPoint(QPoint(5, 25), TStyleNode::StaticClass())),
            "i['site']");
}

TEST_F(LaidOutCaption, LinkRectCacheListsAllLinkTextAndAnswersOnItsOwn) {
  m_tree->CollectLinkRects();
  EXPECT_EQ(Root()->LinkRects(), TRectArray({QRect(25, 0, 40, 10), QRect(20, 10, 20, 10), QRect(0, 20, 20, 10)}));
  // Until the next full drawing refills it, the cache answers for the root.
  Text(Child(Link(0), 0))->ClearRects();
  EXPECT_TRUE(m_tree->PointInNodeClass(QPoint(30, 5), TLinkNode::StaticClass()));
  EXPECT_FALSE(static_cast<TAreaNode*>(Root())->TAreaNode::PointInNodeClass(QPoint(30, 5), TLinkNode::StaticClass()));
  m_tree->CollectLinkRects();
  EXPECT_FALSE(m_tree->PointInNodeClass(QPoint(30, 5), TLinkNode::StaticClass()));
}

// Spans whose rectangles overlap: the first bold span holds link0, the
// second, touching the same point, holds none.
TEST(LinkLabelQueries, LaterSpanWithoutLinkKeepsTheFoundLink) {
  LinkCounter = 0;
  TDefaultParser parser;
  const auto tree = parser.ParseText("<b><link>a</link></b><b>c</b>");
  const TNodeList& top = tree->Root()->Children();
  auto* first = static_cast<TParentNode*>(static_cast<TParentNode*>(top[0])->Children()[0]);
  static_cast<TStringNode*>(first->Children()[0])->AddRect(QRect(0, 0, 10, 10));
  static_cast<TStringNode*>(static_cast<TParentNode*>(top[1])->Children()[0])->AddRect(QRect(9, 0, 10, 10));
  const TNode* found = tree->NodeAtPoint(QPoint(9, 5), TLinkNode::StaticClass());
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(DumpNode(*found), "link0['a']");
}

TEST(LinkLabelQueries, LaterFindAtTheSameLevelWins) {
  LinkCounter = 0;
  TDefaultParser parser;
  const auto tree = parser.ParseText("<i><link>a</link></i><i><link>b</link></i>");
  TNodeEnumerator links = tree->TopLevelNodes(TLinkNode::StaticClass());
  static_cast<TStringNode*>(static_cast<TParentNode*>(links.GetNext())->Children()[0])->AddRect(QRect(0, 0, 10, 10));
  static_cast<TStringNode*>(static_cast<TParentNode*>(links.GetNext())->Children()[0])->AddRect(QRect(9, 0, 10, 10));
  EXPECT_EQ(DumpNode(*tree->NodeAtPoint(QPoint(9, 5), TLinkNode::StaticClass())), "link1['b']");
  EXPECT_EQ(DumpNode(*tree->NodeAtPoint(QPoint(5, 5), TLinkNode::StaticClass())), "link0['a']");
}

TEST(LinkLabelQueries, NestedLinkAnswersWithTheOuterOne) {
  LinkCounter = 0;
  TDefaultParser parser;
  const auto tree = parser.ParseText("<link>a<link>b</link></link>");
  auto* outer = static_cast<TParentNode*>(tree->Root()->Children()[0]);
  auto* inner = static_cast<TParentNode*>(outer->Children()[1]);
  static_cast<TStringNode*>(inner->Children()[0])->AddRect(QRect(10, 0, 10, 10));
  EXPECT_EQ(tree->NodeAtPoint(QPoint(15, 5), TLinkNode::StaticClass()), outer);
  tree->CollectLinkRects();
  EXPECT_EQ(tree->Root()->LinkRects(), TRectArray({QRect(10, 0, 10, 10)}));
}

}  // namespace
