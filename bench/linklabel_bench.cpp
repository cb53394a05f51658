// Link label costs: parsing a caption (done on every caption change) and
// finding the link under the mouse (done on every mouse move).
#include "controls/OrqJvLinkLabelParser.h"

#include <benchmark/benchmark.h>

namespace {

// An author list as the language dialog writes it: one linked mail address
// and a line break per author, some names in bold.
QString AuthorCaption(int authors) {
  QString caption;
  for (int i = 0; i < authors; ++i)
    caption += QStringLiteral("<b>Author %1</b> (<link>author%1@example.org</link>) &lt;team&gt;<br>").arg(i);
  return caption;
}

// A parsed caption whose text pieces lie on a 100-pixel line grid, one row
// per author.
std::unique_ptr<TNodeTree> LaidOutCaption(int authors) {
  LinkCounter = 0;
  DynamicCounter = 0;
  TDefaultParser parser;
  auto tree = parser.ParseText(AuthorCaption(authors));
  int row = 0;
  int x = 0;
  TNodeEnumerator texts = tree->TopLevelNodes(TStringNode::StaticClass());
  while (texts.HasNext()) {
    auto* text = static_cast<TStringNode*>(texts.GetNext());
    text->AddRect(QRect(x, row * 10, 30, 10));
    x += 30;
    if (x >= 90) {
      x = 0;
      ++row;
    }
  }
  return tree;
}

void ParseAuthorList(benchmark::State& state) {
  const QString caption = AuthorCaption(static_cast<int>(state.range(0)));
  TDefaultParser parser;
  for (auto _ : state) {
    LinkCounter = 0;
    DynamicCounter = 0;
    benchmark::DoNotOptimize(parser.ParseText(caption));
  }
  state.SetBytesProcessed(state.iterations() * caption.size() * 2);
}
BENCHMARK(ParseAuthorList)->Arg(10)->Arg(200);

// The mouse over the last link: the worst case for the search.
void LinkUnderMouse(benchmark::State& state) {
  const int authors = static_cast<int>(state.range(0));
  const bool cached = state.range(1) != 0;
  auto tree = LaidOutCaption(authors);
  if (cached) tree->CollectLinkRects();
  const TNode* lastLink = nullptr;
  for (TNodeEnumerator links = tree->TopLevelNodes(TLinkNode::StaticClass()); links.HasNext();)
    lastLink = links.GetNext();
  const QRect target = static_cast<const TStringNode*>(static_cast<const TParentNode*>(lastLink)->Children()[0])->Rects()[0];
  for (auto _ : state) benchmark::DoNotOptimize(tree->PointInNodeClass(target.center(), TLinkNode::StaticClass()));
}
BENCHMARK(LinkUnderMouse)->ArgsProduct({{10, 200}, {0, 1}})->ArgNames({"authors", "cached"});

void NodeAtMouse(benchmark::State& state) {
  auto tree = LaidOutCaption(static_cast<int>(state.range(0)));
  const TNode* lastLink = nullptr;
  for (TNodeEnumerator links = tree->TopLevelNodes(TLinkNode::StaticClass()); links.HasNext();)
    lastLink = links.GetNext();
  const QRect target = static_cast<const TStringNode*>(static_cast<const TParentNode*>(lastLink)->Children()[0])->Rects()[0];
  for (auto _ : state) benchmark::DoNotOptimize(tree->NodeAtPoint(target.center(), TLinkNode::StaticClass()));
}
BENCHMARK(NodeAtMouse)->Arg(10)->Arg(200)->ArgNames({"authors"});

}  // namespace

BENCHMARK_MAIN();
