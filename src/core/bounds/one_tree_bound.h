#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/algorithms/algorithm.h"
#include "core/algorithms/line_order.h"
#include "core/graph/pair_weights.h"

namespace tsp {

// A 1-tree of vertex Special: a lightest spanning tree of the other vertices, then Special's
// two lightest lines. Every closed tour through all vertices is one, so none weighs less than
// the lightest. Lines are written with the earlier letter first, the tree's in the order grown
// from the first other vertex (the lightest line out of the tree, ties to the pair written
// with the earlier letter first), then Special's two (ties to the earlier letter).
struct OneTree {
  int Special = 0;
  FixedList<WeightedLine, MaxVertices> Lines;
  int Weight = 0;  // of the lines as drawn
};

// Vertex penalties, added to both ends' lines: they move the lightest 1-tree towards a tour.
using Penalties = std::array<double, MaxVertices>;

// The lightest 1-tree of special under the penalties (Weight still as drawn); nothing when
// special has fewer than two lines or the other vertices are not joined among themselves
// (always for fewer than three vertices).
std::optional<OneTree> LightestOneTree(const PairWeights& graph, int special,
                                       const Penalties& penalties = {});
// The penalised weight of a 1-tree, less twice the penalties: never above any closed tour.
double PenalisedValue(const OneTree& tree, const Penalties& penalties);

// The heaviest of the vertices' lightest 1-trees (the earlier letter on equal weights).
std::optional<OneTree> BestOneTree(const PairWeights& graph);
// Its weight: the 1-tree bound.
std::optional<int> OneTreeBound(const PairWeights& graph);

AlgorithmResult RunOneTreeBound(const Drawing& drawing);

// Why no vertex has a 1-tree.
std::string NoOneTreeReason(const PairWeights& graph);
// What line i of the 1-tree is, as the end of a sentence that names it: " is the lightest line
// from the tree of the vertices other than D to a vertex outside it." or " is one of the two
// lightest lines of D."
std::string OneTreeLineRole(const OneTree& tree, std::size_t i);

}  // namespace tsp
