// One run of each computation on the benchmark's complete ten-vertex graphs, next to what
// Boost.Graph takes for the same spanning tree and tour, a whole press of the light-cycle button
// at its largest iteration count, and the table's heuristics under the names their LEMON
// counterparts carry with "Lemon" in front (lemon_bench.cpp).

#include <benchmark/benchmark.h>

#include <boost/graph/adjacency_matrix.hpp>
#include <boost/graph/kruskal_min_spanning_tree.hpp>
#include <boost/graph/metric_tsp_approx.hpp>
#include <boost/graph/prim_minimum_spanning_tree.hpp>
#include <string>
#include <vector>

#include "bench_loop.h"
#include "core/algorithms/christofides.h"
#include "core/algorithms/greedy_edge.h"
#include "core/algorithms/insertion.h"
#include "core/algorithms/kruskal.h"
#include "core/algorithms/light_cycle.h"
#include "core/algorithms/nearest_neighbour.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tree_tour.h"
#include "core/algorithms/two_opt.h"
#include "core/graph/drawing.h"
#include "core/lesson/animation.h"
#include "graphs.h"
#include "registration.h"

namespace tsp {
namespace {

using bench::EachInTurn;
using bench::GraphVertices;
using bench::WeightRange;
using bench::Weights;
static_assert(GraphVertices == MaxVertices);

// Drawn as the matrix editor draws them: every pair in its upper box.
std::vector<Drawing> MakeDrawings(const WeightRange& range) {
  std::vector<Drawing> drawings;
  for (const Weights& w : bench::MakeWeights(range)) {
    MatrixTexts texts = MatrixTexts::Blank();
    for (int a = 0; a < MaxVertices; ++a) {
      for (int b = a + 1; b < MaxVertices; ++b) {
        texts.White[BoxIndex(a, b)].assign(1, '1');  // not = "1": a false -Wrestrict in g++ 12
        texts.Red[BoxIndex(a, b)] = std::to_string(w[a][b]);
      }
    }
    drawings.push_back(BuildDrawing(MaxVertices, texts));
  }
  return drawings;
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

// The weight tables of the same drawings, made once, as LEMON's runs get a prebuilt FullGraph.
std::vector<PairWeights> MakePairWeights(const WeightRange& range) {
  std::vector<PairWeights> graphs;
  for (const Drawing& drawing : MakeDrawings(range)) graphs.push_back(PairWeightsOf(drawing));
  return graphs;
}

void NearestNeighbourRun(benchmark::State& bench, const WeightRange& range) {
  EachInTurn(bench, MakePairWeights(range), NearestNeighbourTour);
}

void GreedyEdgeRun(benchmark::State& bench, const WeightRange& range) {
  EachInTurn(bench, MakePairWeights(range), GreedyEdgeTour);
}

template <InsertionRule Rule>
void InsertionRun(benchmark::State& bench, const WeightRange& range) {
  EachInTurn(bench, MakePairWeights(range),
             [](const PairWeights& graph) { return InsertionTour(graph, Rule); });
}

void ChristofidesRun(benchmark::State& bench, const WeightRange& range) {
  EachInTurn(bench, MakeDrawings(range), ChristofidesTour);
}

// From the plain order A, B, ..., J, the start LEMON's Opt2Tsp is given.
void TwoOptRun(benchmark::State& bench, const WeightRange& range) {
  Tour start;
  for (int v = 0; v < MaxVertices; ++v) start.push_back(v);
  start.push_back(0);
  EachInTurn(bench, MakePairWeights(range),
             [&](const PairWeights& graph) { return TwoOptImprove(graph, start); });
}

void KruskalRun(benchmark::State& bench, const WeightRange& range) {
  EachInTurn(bench, MakeDrawings(range), KruskalTree);
}

using BoostGraph = boost::adjacency_matrix<boost::undirectedS, boost::no_property,
                                           boost::property<boost::edge_weight_t, int>>;

// Prim in Boost rejects negative weights: the offset lifts every weight by the same amount,
// which changes neither the tree nor the tour of a complete graph.
std::vector<BoostGraph> BoostGraphs(const WeightRange& range) {
  std::vector<BoostGraph> graphs;
  for (const Weights& w : bench::MakeWeights(range)) {
    BoostGraph g(MaxVertices);
    for (int a = 0; a < MaxVertices; ++a) {
      for (int b = a + 1; b < MaxVertices; ++b) boost::add_edge(a, b, w[a][b] + 101, g);
    }
    graphs.push_back(std::move(g));
  }
  return graphs;
}

void BoostMetricTspApprox(benchmark::State& bench, const WeightRange& range) {
  std::vector<BoostGraph::vertex_descriptor> tour;
  tour.reserve(MaxVertices + 1);
  EachInTurn(bench, BoostGraphs(range), [&](const BoostGraph& graph) {
    tour.clear();
    boost::metric_tsp_approx_tour(graph, std::back_inserter(tour));
    return tour.back();
  });
}

void BoostPrim(benchmark::State& bench, const WeightRange& range) {
  std::vector<BoostGraph::vertex_descriptor> parent(MaxVertices);
  EachInTurn(bench, BoostGraphs(range), [&](const BoostGraph& graph) {
    boost::prim_minimum_spanning_tree(graph, parent.data());
    return parent.back();
  });
}

void BoostKruskal(benchmark::State& bench, const WeightRange& range) {
  std::vector<boost::graph_traits<BoostGraph>::edge_descriptor> tree;
  tree.reserve(MaxVertices - 1);
  EachInTurn(bench, BoostGraphs(range), [&](const BoostGraph& graph) {
    tree.clear();
    boost::kruskal_minimum_spanning_tree(graph, std::back_inserter(tree));
    int weight = 0;
    for (const auto& edge : tree) weight += boost::get(boost::edge_weight, graph, edge);
    return weight;
  });
}

// The longest press the light-cycle button allows: 32767 repetitions on one graph.
void WorstCasePress(benchmark::State& bench) {
  const std::vector<Drawing> drawing{MakeDrawings(bench::Ranges[1])[0]};
  EachInTurn(bench, drawing,
             [](const Drawing& d) { return Repeat(32767, [&] { return BuildLightCycle(d); }); });
}

}  // namespace

void bench::RegisterCoreBenchmarks() {
  for (const WeightRange& range : bench::Ranges) {
    const std::string r = range.Name;
    benchmark::RegisterBenchmark(("SpanningTreeRun/" + r).c_str(), SpanningTreeRun, range);
    benchmark::RegisterBenchmark(("TourRun/" + r).c_str(), TourRun, range);
    benchmark::RegisterBenchmark(("LightCycle/" + r).c_str(), LightCycleRun, range);
    benchmark::RegisterBenchmark(("BoostMetricTspApprox/" + r).c_str(), BoostMetricTspApprox,
                                 range);
    benchmark::RegisterBenchmark(("BoostPrim/" + r).c_str(), BoostPrim, range);
    benchmark::RegisterBenchmark(("BoostKruskal/" + r).c_str(), BoostKruskal, range);
    benchmark::RegisterBenchmark(("NearestNeighbour/" + r).c_str(), NearestNeighbourRun, range);
    benchmark::RegisterBenchmark(("GreedyEdge/" + r).c_str(), GreedyEdgeRun, range);
    benchmark::RegisterBenchmark(("NearestInsertion/" + r).c_str(),
                                 InsertionRun<InsertionRule::Nearest>, range);
    benchmark::RegisterBenchmark(("FarthestInsertion/" + r).c_str(),
                                 InsertionRun<InsertionRule::Farthest>, range);
    benchmark::RegisterBenchmark(("CheapestInsertion/" + r).c_str(),
                                 InsertionRun<InsertionRule::Cheapest>, range);
    benchmark::RegisterBenchmark(("Christofides/" + r).c_str(), ChristofidesRun, range);
    benchmark::RegisterBenchmark(("TwoOpt/" + r).c_str(), TwoOptRun, range);
    benchmark::RegisterBenchmark(("Kruskal/" + r).c_str(), KruskalRun, range);
  }
  benchmark::RegisterBenchmark("WorstCasePress/LightCycle32767", WorstCasePress)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace tsp
