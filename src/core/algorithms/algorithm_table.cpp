#include "core/algorithms/algorithm_table.h"

#include <array>
#include <cassert>

#include "core/algorithms/light_cycle.h"
#include "core/algorithms/optimum.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tree_tour.h"

namespace tsp {
namespace {

double Two(int) {
  return 2;
}
double One(int) {
  return 1;
}

constexpr KnownFactor NoFactor{};

// The four runs of the graph view's buttons keep their colours; the others take the Okabe–Ito
// colours, which colour-blind readers tell apart.
const std::array Table{
    AlgorithmRow{"spanning_tree",
                 "Spanning tree",
                 AlgorithmKind::Tree,
                 {255, 128, 0},
                 NoFactor,
                 RunSpanningTree},
    AlgorithmRow{"tree_tour",
                 "Tree tour",
                 AlgorithmKind::Tour,
                 {0, 255, 0},
                 {Two, "2", "Rosenkrantz, Stearns and Lewis 1977"},
                 RunTreeTour},
    AlgorithmRow{"light_cycle",
                 "Light cycle",
                 AlgorithmKind::Tour,
                 {255, 255, 0},
                 {Two, "2", "never heavier than the tree tour"},
                 RunLightCycle},
    AlgorithmRow{
        "optimum", "Optimum", AlgorithmKind::Tour, {255, 0, 255}, {One, "1", "exact"}, RunOptimum},
};

}  // namespace

std::span<const AlgorithmRow> Algorithms() {
  return Table;
}

const AlgorithmRow* FindAlgorithm(std::string_view id) {
  for (const AlgorithmRow& row : Table) {
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
