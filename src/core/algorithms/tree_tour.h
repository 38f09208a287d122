#pragma once

#include <optional>

#include "core/algorithms/algorithm.h"
#include "core/graph/tour.h"
#include "core/graph/tree.h"

namespace tsp {

// The tour of the spanning tree: its vertices in depth-first preorder from A, each vertex's
// children in the order of their tree edges, then A again. A tree without an edge gives A, A.
Tour TreeTour(const SpanningTree& tree);

// Plays the tour a step a tick, each vertex as the tree's next in preorder; nothing when no
// tour was computed.
Animation TreeTourAnimation(const Drawing& drawing, const std::optional<Tour>& tour);
// The tour of the program's spanning tree.
AlgorithmResult RunTreeTour(const Drawing& drawing);

}  // namespace tsp
