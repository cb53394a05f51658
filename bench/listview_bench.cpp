// Filling a sorted list view: the language list adds one row per file and
// shows them sorted by caption. Rows added one by one find their place at
// once; rows added inside BeginUpdate/EndUpdate are sorted and shown once.
#include "toolkit/ListView.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

QStringList Captions(int count) {
  std::mt19937 random(42);
  QStringList out;
  for (int i = 0; i < count; ++i) out << QStringLiteral("Language %1").arg(random() % 100000);
  return out;
}

void FillSorted(benchmark::State& state, bool batched) {
  const QStringList captions = Captions(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TListView list(nullptr);
    list.SetViewStyle(TViewStyle::vsReport);
    list.Columns().Add()->SetCaption(QStringLiteral("Name"));
    list.SetSortType(TSortType::stText);
    if (batched) list.Items().BeginUpdate();
    for (const QString& caption : captions) {
      TListItem* item = list.Items().Add();
      item->SetCaption(caption);
      item->SubItems().Add(caption + QStringLiteral(".lng"));
    }
    if (batched) list.Items().EndUpdate();
    benchmark::DoNotOptimize(list.Items().Count());
  }
}

void FillSortedOneByOne(benchmark::State& state) { FillSorted(state, false); }
void FillSortedBatched(benchmark::State& state) { FillSorted(state, true); }

}  // namespace

BENCHMARK(FillSortedOneByOne)->Arg(50)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(FillSortedBatched)->Arg(50)->Arg(1000)->Unit(benchmark::kMillisecond);
