// The layout of link label text, measured against the canvas it is drawn on:
// word splitting, wrapping, words made of several pieces, breaks, starting
// points and the word cache.
#include "controls/OrqJvLinkLabelParser.h"
#include "controls/OrqJvLinkLabelRenderer.h"
#include "controls/OrqJvLinkLabelTextHandler.h"

#include "support/TestSupport.h"

#include <QImage>

namespace {

// ---- words -----------------------------------------------------------------

TEST(WordEnumerator, SplitsAfterEachSpace) {
  struct Case {
    const char* text;
    QStringList words;
  };
  const Case cases[] = {
      {"one two  three", {"one ", "two ", " ", "three"}},
      {" lead", {" ", "lead"}},
      {"trail ", {"trail "}},
      {"single", {"single"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    TWordEnumerator words(QString::fromUtf8(c.text));
    QStringList got;
    while (words.MoreWords()) {
      const QString next = words.LookNext();
      EXPECT_EQ(words.GetNext(), next);
      got << next;
    }
    EXPECT_EQ(got, c.words) << c.text;
    EXPECT_EQ(words.WordCount(), c.words.size()) << c.text;
  }
}

TEST(WordEnumerator, AskingPastTheEndFails) {
  TWordEnumerator words(QStringLiteral("x"));
  words.GetNext();
  try {
    words.GetNext();
    ADD_FAILURE() << "no error";
  } catch (const ETextHandlerError& e) {
    EXPECT_EQ(e.Message(), "TWordEnumerator.GetNext: No more words to return");
  }
}

// ---- layout ----------------------------------------------------------------

// A canvas on an image in an 8-point font, and the measurements the layout
// must agree with.
class Layout : public ::testing::Test {
 protected:
  Layout() : image(400, 200, QImage::Format_ARGB32), canvas(&image) {
    image.fill(Qt::white);
    canvas.Font().SetSize(8);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    lineHeight = canvas.TextHeight(QStringLiteral("fg"));
  }

  int Width(const QString& text, TFontStyles style = {}) {
    const TFontStyles before = canvas.Font().Style();
    canvas.Font().SetStyle(style);
    const int width = canvas.TextWidth(text);
    canvas.Font().SetStyle(before);
    return width;
  }

  std::unique_ptr<TNodeTree> Draw(const QString& caption, const QRect& rect) {
    LinkCounter = 0;
    DynamicCounter = 0;
    auto tree = TDefaultParser().ParseText(caption);
    renderer.DrawTree(canvas, rect, *tree);
    return tree;
  }

  // The string nodes of a tree in document order.
  static std::vector<TStringNode*> Texts(const TNodeTree& tree) {
    std::vector<TStringNode*> texts;
    for (TNodeEnumerator e = tree.TopLevelNodes(TStringNode::StaticClass()); e.HasNext();)
      texts.push_back(static_cast<TStringNode*>(e.GetNext()));
    return texts;
  }

  QImage image;
  TCanvas canvas;
  TDefaultRenderer renderer;
  int lineHeight = 0;
};

TEST_F(Layout, WordsWrapAtTheRightEdge) {
  const QRect rect(10, 5, Width("one two ") + Width("three") - 1, 100);
  auto tree = Draw(QStringLiteral("one two three four"), rect);
  const TRectArray rects = Texts(*tree)[0]->Rects();
  ASSERT_EQ(rects.size(), 2u);
  // The wrapped line is measured with its trailing space.
  EXPECT_EQ(rects[0], QRect(10, 5, Width("one two "), lineHeight));
  EXPECT_EQ(rects[1], QRect(10, 5 + lineHeight, Width("three four"), lineHeight));
  EXPECT_EQ(renderer.GetTextHeight(), 5 + 2 * lineHeight);
}

TEST_F(Layout, NoWrapBeforeTheFirstWord) {
  const QRect rect(0, 0, 10, 100);
  auto tree = Draw(QStringLiteral("Supercalifragilistic more"), rect);
  const TRectArray rects = Texts(*tree)[0]->Rects();
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0], QRect(0, 0, Width("Supercalifragilistic "), lineHeight));
  EXPECT_EQ(rects[1], QRect(0, lineHeight, Width("more"), lineHeight));
}

TEST_F(Layout, AWordOfSeveralPiecesWrapsAsOneWord) {
  const TFontStyles bold{TFontStyle::fsBold};
  // Wide enough for "boldword c" on one line, but not for "boldword" after
  // the first word; "bold" alone would still fit after it.
  const int width = Width("bold", bold) + Width("word c") + 1;
  ASSERT_LT(Width("aaa ") + Width("bold", bold), width);
  ASSERT_GE(Width("aaa ") + Width("bold", bold) + Width("word"), width);
  auto tree = Draw(QStringLiteral("aaa <b>bold</b>word c"), QRect(0, 0, width, 100));
  const std::vector<TStringNode*> texts = Texts(*tree);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0]->Rects(), TRectArray({QRect(0, 0, Width("aaa "), lineHeight)}));
  // "bold" leaves the first line empty-handed and starts the second one.
  ASSERT_FALSE(texts[1]->Rects().empty());
  EXPECT_EQ(texts[1]->Rects().back(), QRect(0, lineHeight, Width("bold", bold), lineHeight));
  EXPECT_EQ(texts[2]->Rects(), TRectArray({QRect(Width("bold", bold), lineHeight, Width("word c"), lineHeight)}));
  // The word was measured as a whole in its first piece.
  EXPECT_TRUE(texts[2]->Joined());
  EXPECT_FALSE(texts[1]->Joined());
  EXPECT_EQ(texts[1]->GetWordInfo(0).Width, Width("bold", bold) + Width("word "));
  EXPECT_TRUE(texts[1]->GetWordInfo(0).EndsWithSpace);
  EXPECT_EQ(texts[2]->GetWordInfo(0).Width, 0);
  EXPECT_EQ(texts[2]->GetWordInfo(1).Width, Width("c"));
}

TEST_F(Layout, LineAndParagraphBreaks) {
  auto tree = Draw(QStringLiteral("a<br>b<p>c<BR>"), QRect(4, 3, 300, 100));
  const std::vector<TStringNode*> texts = Texts(*tree);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0]->Rects()[0].topLeft(), QPoint(4, 3));
  EXPECT_EQ(texts[1]->Rects()[0].topLeft(), QPoint(4, 3 + lineHeight));
  // A paragraph leaves one empty line.
  EXPECT_EQ(texts[2]->Rects()[0].topLeft(), QPoint(4, 3 + 3 * lineHeight));
  EXPECT_EQ(renderer.GetTextHeight(), 3 + 5 * lineHeight);
}

TEST_F(Layout, AreasStartWhereTheirFirstTextIsPlaced) {
  auto tree = Draw(QStringLiteral("first <link>second</link>ab<i>cd</i>"), QRect(3, 4, 300, 100));
  EXPECT_EQ(tree->Root()->StartingPoint(), QPoint(3, 4));
  // Entered with nothing queued: the link starts at the current position.
  auto* link = static_cast<TLinkNode*>(tree->FirstNodeOfClass(TLinkNode::StaticClass()));
  EXPECT_EQ(link->StartingPoint(), QPoint(3 + Width("first "), 4));
  // Entered while "second" and "ab" wait: the span starts where its text
  // is placed when the queue is laid out.
  auto* italic = static_cast<TAreaNode*>(tree->FirstNodeOfClass(TStyleNode::StaticClass()));
  const int x = 3 + Width("first ") + Width("second", {TFontStyle::fsUnderline}) + Width("ab");
  EXPECT_EQ(italic->StartingPoint(), QPoint(x, 4));
  EXPECT_EQ(italic->Style(), TFontStyles({TFontStyle::fsItalic}));
  EXPECT_EQ(link->Style(), TFontStyles({TFontStyle::fsUnderline}));
}

TEST_F(Layout, SpansNestedAfterAWordStartWhereTheirTextIsPlaced) {
  // Every span is entered while "ab" waits in the queue, so each one waits
  // for the first text below it; spans without text never start.
  const int depth = 2000;
  auto tree = Draw(QStringLiteral("ab<u></u>") + QStringLiteral("<i>").repeated(depth) +
                       QStringLiteral("<b></b>cd<link>ef</link>") + QStringLiteral("</i>").repeated(depth),
                   QRect(3, 4, 300, 100));
  const TNodeList& top = tree->Root()->Children();
  ASSERT_EQ(top.size(), 3u);
  EXPECT_EQ(static_cast<TAreaNode*>(top[1])->StartingPoint(), QPoint());
  const QPoint text(3 + Width("ab"), 4);
  auto* span = static_cast<TAreaNode*>(top[2]);
  for (int level = 1; level < depth; ++level) {
    ASSERT_EQ(span->StartingPoint(), text) << level;
    span = static_cast<TAreaNode*>(span->Children()[0]);
  }
  EXPECT_EQ(span->StartingPoint(), text);
  const TNodeList& inner = span->Children();
  ASSERT_EQ(inner.size(), 3u);
  EXPECT_EQ(static_cast<TAreaNode*>(inner[0])->StartingPoint(), QPoint());
  auto* link = static_cast<TAreaNode*>(inner[2]);
  EXPECT_EQ(link->StartingPoint(), QPoint(text.x() + Width("cd", {TFontStyle::fsItalic}), 4));
  // The link is found under the pointer through all the spans above it.
  const QPoint inLink = link->AreaRects().GetNext().center();
  EXPECT_EQ(tree->NodeAtPoint(inLink, TLinkNode::StaticClass()), link);
  EXPECT_EQ(tree->NodeAtPoint(QPoint(text.x() + 1, 5), TLinkNode::StaticClass()), nullptr);
}

TEST_F(Layout, RedrawingALinkRepeatsTheFullLayoutInItsStateColour) {
  renderer.SetLinkColorHot(clRed);
  const int width = Width("Mail to ") + Width("some");
  auto tree = Draw(QStringLiteral("Mail to <link>someone@example.org now</link> please"), QRect(2, 2, width, 100));
  auto* link = static_cast<TLinkNode*>(tree->FirstNodeOfClass(TLinkNode::StaticClass()));
  auto* linkText = static_cast<TStringNode*>(link->Children()[0]);
  // The link's first word wraps (leaving an empty piece on the first line),
  // and so does "now".
  const TRectArray full = linkText->Rects();
  ASSERT_EQ(full.size(), 3u);
  EXPECT_EQ(full[1].topLeft(), QPoint(2, 2 + lineHeight));
  EXPECT_EQ(full[2].topLeft(), QPoint(2, 2 + 2 * lineHeight));
  EXPECT_EQ(tree->Root()->LinkRects(), full);
  const int measured = linkText->WordInfoCount();

  image.fill(Qt::white);
  link->SetState(TLinkState::lsHot);
  renderer.DrawArea(canvas, QRect(2, 2, width, 100), link);
  EXPECT_EQ(linkText->Rects(), full);
  EXPECT_EQ(linkText->WordInfoCount(), measured);
  int red = 0;
  for (const QRect& r : full)
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) red += image.pixelColor(x, y) == QColor(255, 0, 0);
  EXPECT_GT(red, 0);
  // Only the link was drawn again.
  const QRect before = Texts(*tree)[0]->Rects()[0];
  for (int y = before.top(); y <= before.bottom(); ++y)
    for (int x = before.left(); x <= before.right(); ++x) ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white));
}

TEST_F(Layout, LeftOutAreaIsLaidOutButNotDrawn) {
  LinkCounter = 0;
  auto tree = TDefaultParser().ParseText(QStringLiteral("<link>gone</link>"));
  auto* link = static_cast<TLinkNode*>(tree->FirstNodeOfClass(TLinkNode::StaticClass()));
  renderer.DrawTreeLeavingOut(canvas, QRect(0, 0, 300, 100), *tree, link);
  EXPECT_EQ(tree->Root()->LinkRects(), TRectArray({QRect(0, 0, Width("gone", {TFontStyle::fsUnderline}), lineHeight)}));
  for (int y = 0; y < lineHeight; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white));
}

TEST_F(Layout, UnknownQueuedElementFails) {
  class Other : public TParentTextElement {};
  TTextHandler handler(QRect(0, 0, 100, 100), 0, 0, canvas);
  handler.AddElement(std::make_unique<Other>());
  try {
    handler.EmptyBuffer();
    ADD_FAILURE() << "no error";
  } catch (const ETextHandlerError& e) {
    EXPECT_EQ(e.Message(), "TTextHandler.EmptyBuffer: Unsupported TParentTextElement descendant encountered");
  }
  EXPECT_TRUE(handler.IsBufferEmpty());
}

TEST(LinkLabelRenderer, MapsTheLinkCodesToTheConfiguredColours) {
  TDefaultRenderer renderer;
  renderer.SetLinkColor(clGreen);
  renderer.SetLinkColorClicked(clMaroon);
  renderer.SetLinkColorHot(clNavy);
  EXPECT_EQ(renderer.MapColor(clLinkNormal), clGreen);
  EXPECT_EQ(renderer.MapColor(clLinkClicked), clMaroon);
  EXPECT_EQ(renderer.MapColor(clLinkHot), clNavy);
  EXPECT_EQ(renderer.MapColor(clWindowText), clWindowText);
  EXPECT_EQ(renderer.MapColor(clBlue), clBlue);
}

}  // namespace
