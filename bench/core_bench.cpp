// One run of each computation on a fixed set of complete ten-vertex graphs, next to what
// Boost.Graph takes for the same spanning tree and tour, and a whole press of the light-cycle
// button at its largest iteration count.

#include <benchmark/benchmark.h>

#include <array>
#include <boost/graph/adjacency_matrix.hpp>
#include <boost/graph/metric_tsp_approx.hpp>
#include <boost/graph/prim_minimum_spanning_tree.hpp>
#include <random>
#include <string>
#include <vector>

#include "core/lesson/animation.h"
#include "core/graph/drawing.h"
#include "core/algorithms/light_cycle.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tree_tour.h"

namespace tsp {
namespace {

constexpr int GraphCount = 64;
constexpr int N = MaxVertices;

struct WeightRange {
  const char* Name;
  int Low;
  int High;
  bool SkipZero;
};
constexpr std::array<WeightRange, 2> Ranges{
    {{"1..99", 1, 99, false}, {"-100..100", -100, 100, true}}};

using Weights = std::array<std::array<int, N>, N>;

// The complete graphs of one range, the same on every run.
std::vector<Weights> MakeWeights(const WeightRange& range) {
  std::mt19937 rng(20240611u + static_cast<unsigned>(range.Low));
  const unsigned span =
      static_cast<unsigned>(range.High - range.Low + 1 - (range.SkipZero ? 1 : 0));
  std::vector<Weights> graphs(GraphCount);
  for (Weights& w : graphs) {
    for (int a = 0; a < N; ++a) {
      for (int b = a + 1; b < N; ++b) {
        int value = range.Low + static_cast<int>(rng() % span);
        if (range.SkipZero && value >= 0) ++value;
        w[a][b] = w[b][a] = value;
      }
    }
  }
  return graphs;
}

// Drawn as the matrix editor draws them: every pair in its upper box.
std::vector<Drawing> MakeDrawings(const WeightRange& range) {
  std::vector<Drawing> drawings;
  for (const Weights& w : MakeWeights(range)) {
    MatrixTexts texts = MatrixTexts::Blank();
    for (int a = 0; a < N; ++a) {
      for (int b = a + 1; b < N; ++b) {
        texts.White[BoxIndex(a, b)].assign(1, '1');  // not = "1": a false -Wrestrict in g++ 12
        texts.Red[BoxIndex(a, b)] = std::to_string(w[a][b]);
      }
    }
    drawings.push_back(BuildDrawing(N, texts));
  }
  return drawings;
}

// Runs compute once per iteration on the inputs in turn.
template <class Input, class Compute>
void EachInTurn(benchmark::State& bench, const std::vector<Input>& inputs, Compute compute) {
  std::size_t g = 0;
  for (auto _ : bench) {
    auto result = compute(inputs[g]);
    benchmark::DoNotOptimize(result);
    benchmark::ClobberMemory();
    g = g + 1 == inputs.size() ? 0 : g + 1;
  }
}

void SpanningTreeRun(benchmark::State& bench, const WeightRange& range) {
  EachInTurn(bench, MakeDrawings(range), BuildSpanningTree);
}

void TourRun(benchmark::State& bench, const WeightRange& range) {
  std::vector<SpanningTree> trees;
  for (const Drawing& drawing : MakeDrawings(range)) trees.push_back(BuildSpanningTree(drawing));
  EachInTurn(bench, trees, TreeTour);
}

void LightCycleRun(benchmark::State& bench, const WeightRange& range) {
  EachInTurn(bench, MakeDrawings(range), BuildLightCycle);
}

using BoostGraph = boost::adjacency_matrix<boost::undirectedS, boost::no_property,
                                           boost::property<boost::edge_weight_t, int>>;

// Prim in Boost rejects negative weights: the offset lifts every weight by the same amount,
// which changes neither the tree nor the tour of a complete graph.
std::vector<BoostGraph> BoostGraphs(const WeightRange& range) {
  std::vector<BoostGraph> graphs;
  for (const Weights& w : MakeWeights(range)) {
    BoostGraph g(N);
    for (int a = 0; a < N; ++a) {
      for (int b = a + 1; b < N; ++b) boost::add_edge(a, b, w[a][b] + 101, g);
    }
    graphs.push_back(std::move(g));
  }
  return graphs;
}

void BoostMetricTspApprox(benchmark::State& bench, const WeightRange& range) {
  const std::vector<BoostGraph> graphs = BoostGraphs(range);
  std::vector<BoostGraph::vertex_descriptor> tour;
  tour.reserve(N + 1);
  std::size_t g = 0;
  for (auto _ : bench) {
    tour.clear();
    boost::metric_tsp_approx_tour(graphs[g], std::back_inserter(tour));
    benchmark::DoNotOptimize(tour.data());
    benchmark::ClobberMemory();
    g = g + 1 == graphs.size() ? 0 : g + 1;
  }
}

void BoostPrim(benchmark::State& bench, const WeightRange& range) {
  const std::vector<BoostGraph> graphs = BoostGraphs(range);
  std::vector<BoostGraph::vertex_descriptor> parent(N);
  std::size_t g = 0;
  for (auto _ : bench) {
    boost::prim_minimum_spanning_tree(graphs[g], parent.data());
    benchmark::DoNotOptimize(parent.data());
    benchmark::ClobberMemory();
    g = g + 1 == graphs.size() ? 0 : g + 1;
  }
}

// The longest press the light-cycle button allows: 32767 repetitions on one graph.
void WorstCasePress(benchmark::State& bench) {
  const Drawing drawing = MakeDrawings(Ranges[1])[0];
  for (auto _ : bench) {
    auto cycle = Repeat(32767, [&] { return BuildLightCycle(drawing); });
    benchmark::DoNotOptimize(cycle);
    benchmark::ClobberMemory();
  }
}

void RegisterAll() {
  for (const WeightRange& range : Ranges) {
    const std::string r = range.Name;
    benchmark::RegisterBenchmark(("SpanningTreeRun/" + r).c_str(), SpanningTreeRun, range);
    benchmark::RegisterBenchmark(("TourRun/" + r).c_str(), TourRun, range);
    benchmark::RegisterBenchmark(("LightCycle/" + r).c_str(), LightCycleRun, range);
    benchmark::RegisterBenchmark(("BoostMetricTspApprox/" + r).c_str(), BoostMetricTspApprox,
                                 range);
    benchmark::RegisterBenchmark(("BoostPrim/" + r).c_str(), BoostPrim, range);
  }
  benchmark::RegisterBenchmark("WorstCasePress/LightCycle32767", WorstCasePress)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace
}  // namespace tsp

int main(int argc, char** argv) {
  tsp::RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
