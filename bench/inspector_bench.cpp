// Costs of the property inspector on the movie panel: rebuilding the rows
// for all 64 controls selected at once (what the main window does after
// every selection change or designer move), and one keystroke in the
// Caption row of a label, which writes the caption at once and lays the
// auto-sized label out again.
#include "frame/framemovie.h"
#include "inspector/ELPropInsp.h"
#include "inspector/ELPropsPageEdit.h"
#include "toolkit/Forms.h"
#include "toolkit/Label.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// The main window's filter: the seven layout properties.
void LayoutFilter(TObject*, TObject*, const TPropInfo& prop, bool& include) {
  static const QStringList shown{"Caption", "Width", "Left", "Top", "Height", "Visible", "Anchors"};
  include = shown.contains(prop.Name);
}

// A window with the movie panel and an inspector of the main window's size.
struct Window {
  Window() {
    form = new TForm(nullptr);
    form->SetClientSize(800, 640);
    frame = new TMovieFrame(form);
    frame->SetParent(form);
    frame->SetBounds(233, 0, 553, 635);
    inspector = new TELPropertyInspector(form);
    inspector->SetParent(form);
    inspector->SetBounds(8, 88, 217, 185);
    inspector->SetSplitter(108);
    inspector->OnFilterProp = LayoutFilter;
    form->Show();
  }
  ~Window() { TComponent::Free(form); }
  TForm* form;
  TMovieFrame* frame;
  TELPropertyInspector* inspector;
};

// Clear, then Add for each selected control, as the selection handler does.
void BM_RebuildForAllControls(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.inspector->Clear();
    for (int i = 0; i < w.frame->ControlCount(); ++i) w.inspector->Add(w.frame->Controls(i));
    benchmark::DoNotOptimize(w.inspector->RowCount());
  }
  if (w.inspector->RowCount() != 6) state.SkipWithError("unexpected rows");
}
BENCHMARK(BM_RebuildForAllControls)->Unit(benchmark::kMillisecond);

// The same inside one BeginUpdate/EndUpdate: one rebuild at the end.
void BM_RebuildForAllControlsBatched(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.inspector->BeginUpdate();
    w.inspector->Clear();
    for (int i = 0; i < w.frame->ControlCount(); ++i) w.inspector->Add(w.frame->Controls(i));
    w.inspector->EndUpdate();
    benchmark::DoNotOptimize(w.inspector->RowCount());
  }
}
BENCHMARK(BM_RebuildForAllControlsBatched)->Unit(benchmark::kMillisecond);

// One key in the Caption row of an auto-sized label: the key passes the
// editor's dispatch, the caption is written, the label takes its new size,
// every row takes its value again.
void BM_CaptionKeystroke(benchmark::State& state) {
  Window w;
  auto* label = static_cast<TStaticText*>(w.frame->Child("LMedia"));
  w.inspector->Add(label);
  for (int r = 0; r < w.inspector->RowCount(); ++r)
    if (w.inspector->ItemAtRow(r)->Caption() == "Caption") w.inspector->SetRow(r);
  QLineEdit* edit = w.inspector->InplaceEditor()->LineEdit();
  edit->setFocus();
  edit->end(false);
  bool add = true;
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, add ? Qt::Key_X : Qt::Key_Backspace, Qt::NoModifier, add ? "x" : QString());
    QApplication::sendEvent(edit, &press);
    add = !add;
  }
  if (!label->Caption().startsWith("Media Label:")) state.SkipWithError("the caption was not written");
}
BENCHMARK(BM_CaptionKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
