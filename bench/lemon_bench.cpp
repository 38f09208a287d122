// LEMON's heuristics and Kruskal on the benchmark's graphs, each under the name of the same
// algorithm in the core with "Lemon" in front ("LemonNearestNeighbour/1..99" beside
// "NearestNeighbour/1..99"), so that scripts/bench can set them side by side.

#include <benchmark/benchmark.h>

#include <numeric>
#include <string>
#include <vector>

#include "bench_loop.h"
#include "graphs.h"
#include "lemon_graph.h"
#include "registration.h"

namespace tsp::bench {
namespace {

std::vector<LemonGraph> LemonGraphs(const WeightRange& range) {
  std::vector<LemonGraph> graphs;
  for (const Weights& weights : MakeWeights(range)) graphs.emplace_back(weights);
  return graphs;
}

// The start tour of 2-opt, here and in the core's TwoOpt benchmark: the plain vertex order A,
// B, ..., J.
std::vector<int> TwoOptStart() {
  std::vector<int> order(GraphVertices);
  std::iota(order.begin(), order.end(), 0);
  return order;
}

template <class Run>
void Register(const std::string& name, Run run) {
  for (const WeightRange& range : Ranges) {
    benchmark::RegisterBenchmark(
        ("Lemon" + name + "/" + range.Name).c_str(),
        [run, range](benchmark::State& state) { EachInTurn(state, LemonGraphs(range), run); });
  }
}

}  // namespace

void RegisterLemonBenchmarks() {
  Register("NearestNeighbour", [](const LemonGraph& g) { return g.NearestNeighbour(); });
  Register("GreedyEdge", [](const LemonGraph& g) { return g.GreedyEdge(); });
  Register("NearestInsertion",
           [](const LemonGraph& g) { return g.Insertion(InsertionRule::Nearest); });
  Register("FarthestInsertion",
           [](const LemonGraph& g) { return g.Insertion(InsertionRule::Farthest); });
  Register("CheapestInsertion",
           [](const LemonGraph& g) { return g.Insertion(InsertionRule::Cheapest); });
  Register("Christofides", [](const LemonGraph& g) { return g.Christofides(); });
  Register("TwoOpt", [start = TwoOptStart()](const LemonGraph& g) { return g.TwoOpt(start); });
  Register("Kruskal", [](const LemonGraph& g) { return g.Kruskal(); });
}

}  // namespace tsp::bench
