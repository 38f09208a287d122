// One repetition of each run on a fixed set of complete ten-vertex graphs, next to what
// Boost.Graph takes for the same spanning tree and tour, and a whole press of the light-cycle
// button at its largest iteration count.

#include <benchmark/benchmark.h>

#include <array>
#include <boost/graph/adjacency_matrix.hpp>
#include <boost/graph/metric_tsp_approx.hpp>
#include <boost/graph/prim_minimum_spanning_tree.hpp>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "graph/graph_build.h"
#include "graph/graph_state.h"
#include "mst/spanning_tree_run.h"
#include "oracle/oracle.h"
#include "tour/light_cycle.h"
#include "tour/tour_search.h"

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

// Weights of the complete graphs of one range, row-major, the same on every run.
std::vector<std::array<std::array<int, N>, N>> MakeWeights(const WeightRange& range) {
  std::mt19937 rng(20240611u + static_cast<unsigned>(range.Low));
  const unsigned span =
      static_cast<unsigned>(range.High - range.Low + 1 - (range.SkipZero ? 1 : 0));
  std::vector<std::array<std::array<int, N>, N>> graphs(GraphCount);
  for (auto& w : graphs) {
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

// Graph views loaded like the matrix editor loads them: every pair in its upper box.
std::vector<GraphState> LoadStates(const WeightRange& range, std::int16_t iterations) {
  std::vector<GraphState> states(GraphCount);
  const auto weights = MakeWeights(range);
  for (int g = 0; g < GraphCount; ++g) {
    MatrixBoxes boxes;
    boxes.White.fill("0");
    boxes.Red.fill("0");
    for (int a = 0; a < N; ++a) {
      for (int b = a + 1; b < N; ++b) {
        boxes.White[BoxIndex(a, b)] = "1";
        boxes.Red[BoxIndex(a, b)] = std::to_string(weights[g][a][b]);
      }
    }
    std::array<DrawnEdge, BoxCount> edges{};
    LoadGraphState(states[g], N, iterations, boxes, edges);
  }
  return states;
}

template <void (*Run)(GraphState&), void (*Prepare)(GraphState&)>
void OneRepetition(benchmark::State& bench, const WeightRange& range) {
  std::vector<GraphState> states = LoadStates(range, 1);
  for (GraphState& s : states) Prepare(s);
  std::size_t g = 0;
  for (auto _ : bench) {
    GraphState& state = states[g];
    Run(state);
    benchmark::DoNotOptimize(state.Tour[0]);
    benchmark::DoNotOptimize(state.MstBoxes[0]);
    benchmark::ClobberMemory();
    g = g + 1 == states.size() ? 0 : g + 1;
  }
}

void Nothing(GraphState&) {}

using BoostGraph = boost::adjacency_matrix<boost::undirectedS, boost::no_property,
                                           boost::property<boost::edge_weight_t, int>>;

// Prim in Boost rejects negative weights: the offset lifts every weight by the same amount,
// which changes neither the tree nor the tour of a complete graph.
std::vector<BoostGraph> BoostGraphs(const WeightRange& range) {
  std::vector<BoostGraph> graphs;
  for (const auto& w : MakeWeights(range)) {
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
template <void (*Run)(GraphState&)>
void WorstCasePress(benchmark::State& bench) {
  GraphState state = LoadStates(Ranges[1], 32767)[0];
  for (auto _ : bench) {
    Run(state);
    benchmark::DoNotOptimize(state.Tour[0]);
    benchmark::ClobberMemory();
  }
}

void RegisterAll() {
  for (const WeightRange& range : Ranges) {
    const std::string r = range.Name;
    benchmark::RegisterBenchmark(("SpanningTreeRun/" + r).c_str(),
                                 OneRepetition<RunSpanningTreeRepetitions, Nothing>, range);
    benchmark::RegisterBenchmark(("TourRun/" + r).c_str(),
                                 OneRepetition<RunTourRepetitions, RunSpanningTreeRepetitions>,
                                 range);
    benchmark::RegisterBenchmark(("LightCycle/" + r).c_str(),
                                 OneRepetition<RunLightCycleRepetitions, Nothing>, range);
    benchmark::RegisterBenchmark(("BoostMetricTspApprox/" + r).c_str(), BoostMetricTspApprox,
                                 range);
    benchmark::RegisterBenchmark(("BoostPrim/" + r).c_str(), BoostPrim, range);
    benchmark::RegisterBenchmark(("StepByStep/SpanningTreeRun/" + r).c_str(),
                                 OneRepetition<oracle::RunSpanningTreeRepetitions, Nothing>, range);
    benchmark::RegisterBenchmark(
        ("StepByStep/TourRun/" + r).c_str(),
        OneRepetition<oracle::RunTourRepetitions, oracle::RunSpanningTreeRepetitions>, range);
    benchmark::RegisterBenchmark(("StepByStep/LightCycle/" + r).c_str(),
                                 OneRepetition<oracle::RunLightCycleRepetitions, Nothing>, range);
  }
  benchmark::RegisterBenchmark("WorstCasePress/LightCycle32767",
                               WorstCasePress<RunLightCycleRepetitions>)
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
