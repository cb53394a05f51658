// Link label drawing costs: a full drawing with the word widths still to be
// measured (a new caption or font), the same drawing with the widths cached
// (every later repaint), the one link that a hover or a press redraws, and a
// caption of deeply nested spans.
#include "controls/OrqJvLinkLabelParser.h"
#include "controls/OrqJvLinkLabelRenderer.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// An author list as the language dialog writes it, with a comment sentence
// between the authors so that lines wrap.
QString Caption(int authors) {
  QString caption;
  for (int i = 0; i < authors; ++i)
    caption += QStringLiteral("<b>Author %1</b> (<link>author%1@example.org</link>) translated the menus and "
                              "checked the <i>dialog</i>texts<br>")
                   .arg(i);
  return caption;
}

struct Surface {
  Surface() : image(300, 2000, QImage::Format_ARGB32), canvas(&image) {
    canvas.Font().SetSize(8);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
  }
  QImage image;
  TCanvas canvas;
  const QRect rect{0, 0, 300, 2000};
};

void ClearWordCaches(TNodeTree& tree) {
  for (TNodeEnumerator texts = tree.TopLevelNodes(TStringNode::StaticClass()); texts.HasNext();)
    static_cast<TStringNode*>(texts.GetNext())->ClearWordInfo();
}

void FullDrawing(benchmark::State& state) {
  const bool cached = state.range(1) != 0;
  Surface surface;
  LinkCounter = 0;
  auto tree = TDefaultParser().ParseText(Caption(static_cast<int>(state.range(0))));
  TDefaultRenderer renderer;
  renderer.DrawTree(surface.canvas, surface.rect, *tree);
  for (auto _ : state) {
    if (!cached) ClearWordCaches(*tree);
    renderer.DrawTree(surface.canvas, surface.rect, *tree);
  }
}
BENCHMARK(FullDrawing)->ArgsProduct({{5, 50}, {0, 1}})->ArgNames({"authors", "cached"});

// The last link drawn again in its hot colour, as a hover does.
void LinkRedraw(benchmark::State& state) {
  Surface surface;
  LinkCounter = 0;
  auto tree = TDefaultParser().ParseText(Caption(static_cast<int>(state.range(0))));
  TDefaultRenderer renderer;
  renderer.DrawTree(surface.canvas, surface.rect, *tree);
  TLinkNode* last = nullptr;
  for (TNodeEnumerator links = tree->TopLevelNodes(TLinkNode::StaticClass()); links.HasNext();)
    last = static_cast<TLinkNode*>(links.GetNext());
  last->SetState(TLinkState::lsHot);
  for (auto _ : state) renderer.DrawArea(surface.canvas, surface.rect, last);
}
BENCHMARK(LinkRedraw)->Arg(5)->Arg(50)->ArgNames({"authors"});

// A word followed by `depth` nested bold spans, with a word or nothing at
// the innermost level: every span starts where that word is placed.
QString NestedCaption(int depth, bool innerText) {
  return QStringLiteral("word") + QStringLiteral("<b>").repeated(depth) +
         (innerText ? QStringLiteral("bold") : QString()) + QStringLiteral("</b>").repeated(depth);
}

void NestedSpansDrawing(benchmark::State& state) {
  Surface surface;
  auto tree = TDefaultParser().ParseText(NestedCaption(static_cast<int>(state.range(0)), state.range(1) != 0));
  TDefaultRenderer renderer;
  for (auto _ : state) renderer.DrawTree(surface.canvas, surface.rect, *tree);
}
BENCHMARK(NestedSpansDrawing)
    ->ArgsProduct({{2000, 20000}, {0, 1}})
    ->ArgNames({"depth", "inner_text"})
    ->Unit(benchmark::kMillisecond);

// The link under the pointer at the bottom of `depth` nested bold spans, as
// a press or a move over the link asks for it.
void NestedLinkUnderPointer(benchmark::State& state) {
  Surface surface;
  const int depth = static_cast<int>(state.range(0));
  auto tree = TDefaultParser().ParseText(QStringLiteral("word") + QStringLiteral("<b>").repeated(depth) +
                                         QStringLiteral("<link>deep</link>") + QStringLiteral("</b>").repeated(depth));
  TDefaultRenderer renderer;
  renderer.DrawTree(surface.canvas, surface.rect, *tree);
  const auto* link = static_cast<const TAreaNode*>(tree->TopLevelNodes(TLinkNode::StaticClass()).GetNext());
  const QPoint point = link->AreaRects().GetNext().topLeft() + QPoint(1, 1);
  for (auto _ : state) benchmark::DoNotOptimize(tree->NodeAtPoint(point, TLinkNode::StaticClass()));
}
BENCHMARK(NestedLinkUnderPointer)->Arg(2000)->Arg(20000)->ArgNames({"depth"})->Unit(benchmark::kMillisecond);

}  // namespace
