// Link label drawing costs: a full drawing with the word widths still to be
// measured (a new caption or font), the same drawing with the widths cached
// (every later repaint), and the one link that a hover or a press redraws.
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

}  // namespace
