// A class set of worksheets without the pages: the graphs, every algorithm of the table on each
// and the answers. scripts/bench times the whole command with its PDF files beside it.

#include <benchmark/benchmark.h>

#include "core/worksheet/worksheet.h"

namespace tsp {
namespace {

void HundredSheets(benchmark::State& bench) {
  WorksheetSettings settings;
  settings.Seed = 2026;
  settings.VertexCount = MaxVertices;
  settings.Questions = QuestionIds();
  for (auto _ : bench) {
    for (int number = 1; number <= 100; ++number) {
      benchmark::DoNotOptimize(MakeWorksheet(settings, number));
    }
  }
}
BENCHMARK(HundredSheets)->Name("Worksheets/100")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tsp
