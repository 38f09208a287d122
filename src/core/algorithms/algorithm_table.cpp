#include "core/algorithms/algorithm_table.h"

#include <array>
#include <cassert>

#include "core/algorithms/christofides.h"
#include "core/algorithms/greedy_edge.h"
#include "core/algorithms/insertion.h"
#include "core/algorithms/kruskal.h"
#include "core/algorithms/light_cycle.h"
#include "core/algorithms/nearest_neighbour.h"
#include "core/algorithms/optimum.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tree_tour.h"
#include "core/algorithms/two_opt.h"
#include "core/bounds/held_karp_bound.h"
#include "core/bounds/one_tree_bound.h"

namespace tsp {
namespace {

double Two(int) {
  return 2;
}
double OneAndAHalf(int) {
  return 1.5;
}
double One(int) {
  return 1;
}
double HalfLogPlusHalf(int n) {
  return 0.5 * CeilLog2(n) + 0.5;
}
double LogPlusOne(int n) {
  return CeilLog2(n) + 1;
}

constexpr KnownFactor NoFactor{};
constexpr std::string_view Rsl = "Rosenkrantz, Stearns and Lewis 1977";

// The four runs of the graph view's buttons keep their colours; the others take the Okabe–Ito
// colours, which colour-blind readers tell apart, black left out for the black background.
// Seven colours for the eight new trees and tours: Kruskal and 2-opt, of different kinds,
// share one.
constexpr Rgb Orange{230, 159, 0};
constexpr Rgb SkyBlue{86, 180, 233};
constexpr Rgb BluishGreen{0, 158, 115};
constexpr Rgb Yellow{240, 228, 66};
constexpr Rgb Blue{0, 114, 178};
constexpr Rgb Vermillion{213, 94, 0};
constexpr Rgb ReddishPurple{204, 121, 167};
// The bounds in greys: they are lines across the comparison's chart, not tours.
constexpr Rgb LightGrey{200, 200, 200};
constexpr Rgb Grey{140, 140, 140};

const std::array TheAlgorithms{
    AlgorithmRow{"spanning_tree",
                 "Spanning tree",
                 AlgorithmKind::Tree,
                 {255, 128, 0},
                 NoFactor,
                 RunSpanningTree},
    AlgorithmRow{"kruskal", "Kruskal", AlgorithmKind::Tree, Vermillion, NoFactor, RunKruskal},
    AlgorithmRow{
        "tree_tour", "Tree tour", AlgorithmKind::Tour, {0, 255, 0}, {Two, "2", Rsl}, RunTreeTour},
    AlgorithmRow{"light_cycle",
                 "Light cycle",
                 AlgorithmKind::Tour,
                 {255, 255, 0},
                 {Two, "2", "never heavier than the tree tour"},
                 RunLightCycle},
    AlgorithmRow{"nearest_neighbour",
                 "Nearest neighbour",
                 AlgorithmKind::Tour,
                 SkyBlue,
                 {HalfLogPlusHalf, "\u00bd\u2308log\u2082 n\u2309 + \u00bd", Rsl},
                 RunNearestNeighbour},
    AlgorithmRow{"greedy_edge",
                 "Greedy edge",
                 AlgorithmKind::Tour,
                 ReddishPurple,
                 {HalfLogPlusHalf, "\u00bd\u2308log\u2082 n\u2309 + \u00bd", "Ong and Moore 1984"},
                 RunGreedyEdge},
    AlgorithmRow{"nearest_insertion",
                 "Nearest insertion",
                 AlgorithmKind::Tour,
                 BluishGreen,
                 {Two, "2", Rsl},
                 RunNearestInsertion},
    AlgorithmRow{"farthest_insertion",
                 "Farthest insertion",
                 AlgorithmKind::Tour,
                 Blue,
                 {LogPlusOne, "\u2308log\u2082 n\u2309 + 1", Rsl},
                 RunFarthestInsertion},
    AlgorithmRow{"cheapest_insertion",
                 "Cheapest insertion",
                 AlgorithmKind::Tour,
                 Orange,
                 {Two, "2", Rsl},
                 RunCheapestInsertion},
    AlgorithmRow{"christofides",
                 "Christofides",
                 AlgorithmKind::Tour,
                 Yellow,
                 {OneAndAHalf, "1.5", "Christofides 1976"},
                 RunChristofides},
    AlgorithmRow{"two_opt",
                 "2-opt",
                 AlgorithmKind::Tour,
                 Vermillion,
                 {Two, "2", "it starts from the tree tour"},
                 RunTwoOpt},
    AlgorithmRow{
        "optimum", "Optimum", AlgorithmKind::Tour, {255, 0, 255}, {One, "1", "exact"}, RunOptimum},
    AlgorithmRow{"one_tree", "1-tree bound", AlgorithmKind::Bound, LightGrey, NoFactor,
                 RunOneTreeBound},
    AlgorithmRow{"held_karp", "Held\u2013Karp bound", AlgorithmKind::Bound, Grey, NoFactor,
                 RunHeldKarpBound},
};

}  // namespace

std::span<const AlgorithmRow> Algorithms() {
  return TheAlgorithms;
}

const AlgorithmRow* FindAlgorithm(std::string_view id) {
  for (const AlgorithmRow& row : TheAlgorithms) {
    if (row.Id == id) return &row;
  }
  return nullptr;
}

const AlgorithmRow& AlgorithmById(std::string_view id) {
  const AlgorithmRow* row = FindAlgorithm(id);
  assert(row != nullptr);
  return *row;
}

}  // namespace tsp
