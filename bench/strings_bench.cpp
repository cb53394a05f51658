// String list and property access costs that the translator and the
// language list pay on every file they read.
#include "toolkit/PropAccess.h"
#include "toolkit/Strings.h"

#include <benchmark/benchmark.h>

static void SplitLanguageFileText(benchmark::State& state) {
  QString text;
  for (int i = 0; i < 5000; ++i) text += QStringLiteral("LControl%1.Caption=Some translated caption\r\n").arg(i);
  for (auto _ : state) {
    TStringList lines;
    lines.SetText(text);
    benchmark::DoNotOptimize(lines.Count());
  }
}
BENCHMARK(SplitLanguageFileText)->Unit(benchmark::kMillisecond);

static void FindPropertyByName(benchmark::State& state) {
  TComponent component(nullptr);
  for (auto _ : state) benchmark::DoNotOptimize(GetPropInfo(component, QStringLiteral("tag")));
}
BENCHMARK(FindPropertyByName);

BENCHMARK_MAIN();
