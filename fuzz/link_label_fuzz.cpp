// Arbitrary link label markup: parsed (with a handler that fills DYNAMIC
// tags from the input), laid out and drawn into a small bitmap at a width
// taken from the input, then asked what the mouse handling asks (the link
// under some points, its text) and each link redrawn in another state.
#include "controls/OrqJvLinkLabelParser.h"
#include "controls/OrqJvLinkLabelRenderer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QGuiApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>

namespace {

class InputHandler : public IDynamicNodeHandler {
 public:
  explicit InputHandler(QString source) : m_source(std::move(source)) {}
  void SupplySource(QString& source, TDynamicNode*) override { source = m_source; }

 private:
  QString m_source;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int width = input.ConsumeIntegralInRange(1, 240);
  InputHandler handler(QString::fromStdString(input.ConsumeRandomLengthString(64)));
  const QString caption = QString::fromStdString(input.ConsumeRemainingBytesAsString());

  TDefaultParser parser;
  parser.AttachDynamicHandler(&handler);
  LinkCounter = 0;
  DynamicCounter = 0;
  const std::unique_ptr<TNodeTree> tree = parser.ParseText(caption);

  QImage image(width, 64, QImage::Format_ARGB32);
  image.fill(Qt::white);
  TCanvas canvas(&image);
  canvas.Font().SetSize(8);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const QRect rect(2, 2, width - 2, 62);
  TDefaultRenderer renderer;
  renderer.DrawTree(canvas, rect, *tree);

  for (int y = 0; y < 64; y += 7) {
    for (int x = 0; x < width; x += 13) {
      const QPoint point(x, y);
      if (!tree->PointInNodeClass(point, TLinkNode::StaticClass())) continue;
      if (auto* link = dynamic_cast<TLinkNode*>(tree->NodeAtPoint(point, TLinkNode::StaticClass())))
        (void)link->AreaText();
    }
  }
  for (TNodeEnumerator links = tree->TopLevelNodes(TLinkNode::StaticClass()); links.HasNext();) {
    auto* link = static_cast<TLinkNode*>(links.GetNext());
    link->SetState(TLinkState::lsHot);
    renderer.DrawTreeLeavingOut(canvas, rect, *tree, link);
    renderer.DrawArea(canvas, rect, link);
  }
  return 0;
}
