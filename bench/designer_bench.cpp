// Costs of the form designer on the movie panel: one step of a drag with all
// 64 controls selected (the old frames erased and the new ones drawn, then
// painted), switching the designer on and off, and selecting all 64 with the
// rubber band. Input goes the way the window system delivers it.
#include "designer/DesignEngine.h"
#include "designer/ELDesignPanel.h"
#include "designer/ELDesigner.h"
#include "designer/ELSelection.h"
#include "frame/framemovie.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

// A window with the design panel and the movie panel beside it, as the main
// window has them.
class TBenchWindow {
 public:
  TBenchWindow() {
    window = new TForm(nullptr);
    window->SetBounds(0, 0, 800, 700);
    panel = new TELDesignPanel(window);
    panel->SetParent(window);
    panel->SetBounds(0, 0, 557, 637);
    frame = new TMovieFrame(window);
    frame->SetParent(window);
    frame->SetBounds(2, 2, 553, 635);
    designer = new TELDesigner(window);
    designer->SetDesignPanel(panel);
    designer->SetDesignControl(frame);
    window->ShowForm();
    QApplication::processEvents();
  }
  ~TBenchWindow() { TComponent::Free(window); }
  TBenchWindow(const TBenchWindow&) = delete;
  TBenchWindow& operator=(const TBenchWindow&) = delete;

  static void Send(QWidget* widget, QEvent::Type type, const QPoint& screen, Qt::MouseButtons buttons) {
    QMouseEvent event(type, widget->mapFromGlobal(screen), screen,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, {});
    QCoreApplication::sendEvent(widget, &event);
  }
  std::vector<TControl*> AllControls() const {
    std::vector<TControl*> controls;
    for (int i = 0; i < frame->ControlCount(); ++i) controls.push_back(frame->Controls(i));
    return controls;
  }

  TForm* window;
  TELDesignPanel* panel;
  TMovieFrame* frame;
  TELDesigner* designer;
};

// One step of a move drag of all 64 controls: the pointer travels a grid
// step further, so every frame is erased and drawn again, and the hint
// shows the new position. Arg 1 paints the result as the screen would.
void DragStepAllSelected(benchmark::State& state) {
  TBenchWindow w;
  w.designer->SetActive(true);
  w.designer->SelectedControls().SetControls(w.AllControls());
  TControl* media = w.frame->Child(QStringLiteral("EMedia"));
  const QPoint from = media->ClientToScreen(QPoint(10, 10));
  TBenchWindow::Send(media->Widget(), QEvent::MouseButtonPress, from, Qt::LeftButton);
  QWidget* grabber = QWidget::mouseGrabber();
  if (!grabber || !w.designer->Engine()->Dragging()) {
    state.SkipWithError("no drag started");
    return;
  }
  QApplication::processEvents();
  int step = 0;
  for (auto _ : state) {
    step = (step + 1) % 4;
    TBenchWindow::Send(grabber, QEvent::MouseMove, from + QPoint(8 * step, 8 * step), Qt::LeftButton);
    if (state.range(0) == 1) QApplication::processEvents();
  }
  TBenchWindow::Send(grabber, QEvent::MouseButtonRelease, from, Qt::NoButton);
  state.SetLabel(QStringLiteral("%1 controls").arg(w.designer->SelectedControls().Count()).toStdString());
}

// Switching the designer on over the movie panel and off again.
void ActivateAndDeactivate(benchmark::State& state) {
  TBenchWindow w;
  for (auto _ : state) {
    w.designer->SetActive(true);
    w.designer->SetActive(false);
  }
}

// A rubber band from the bare top-left corner of the movie panel over all of
// it: 64 controls selected, each with its four corner handles.
void RubberBandSelectsAll(benchmark::State& state) {
  TBenchWindow w;
  w.designer->SetActive(true);
  const QPoint corner = w.frame->ClientToScreen(QPoint(1, 1));
  const QPoint far = w.frame->ClientToScreen(QPoint(552, 634));
  for (auto _ : state) {
    TBenchWindow::Send(w.frame->Widget(), QEvent::MouseButtonPress, corner, Qt::LeftButton);
    QWidget* grabber = QWidget::mouseGrabber();
    TBenchWindow::Send(grabber, QEvent::MouseMove, far, Qt::LeftButton);
    TBenchWindow::Send(grabber, QEvent::MouseButtonRelease, far, Qt::NoButton);
    state.PauseTiming();
    if (w.designer->SelectedControls().Count() != 64) state.SkipWithError("not all selected");
    w.designer->SelectedControls().SelectOnly(w.frame);
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(DragStepAllSelected)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(ActivateAndDeactivate)->Unit(benchmark::kMillisecond);
BENCHMARK(RubberBandSelectsAll)->Unit(benchmark::kMillisecond);
