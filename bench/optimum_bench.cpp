// The exact tour at ten vertices: Held–Karp next to trying all 9! orders on the same complete
// graphs.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench_loop.h"
#include "core/algorithms/optimum.h"
#include "core/tour_enumeration.h"

namespace tsp {
namespace {

using bench::EachInTurn;

std::vector<PairWeights> CompleteGraphs(const int count) {
  std::mt19937 rng(20240612u);
  std::uniform_int_distribution<int> weight(-100, 100);
  std::vector<PairWeights> graphs(count);
  for (PairWeights& graph : graphs) {
    graph.VertexCount = MaxVertices;
    for (int a = 0; a < MaxVertices; ++a) {
      for (int b = a + 1; b < MaxVertices; ++b) {
        graph.Join(a, b, static_cast<std::int16_t>(weight(rng)));
      }
    }
  }
  return graphs;
}

void OptimumTen(benchmark::State& bench) {
  EachInTurn(bench, CompleteGraphs(16),
             [](const PairWeights& graph) { return BestTour(graph).Weight; });
}
BENCHMARK(OptimumTen)->Name("Optimum/10")->Unit(benchmark::kMicrosecond);

void BruteForceTen(benchmark::State& bench) {
  EachInTurn(bench, CompleteGraphs(16),
             [](const PairWeights& graph) { return testing::EnumerateTours(graph)->Weight; });
}
BENCHMARK(BruteForceTen)->Name("BruteForce/10")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tsp
