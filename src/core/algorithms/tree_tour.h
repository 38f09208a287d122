#pragma once

#include <vector>

#include "core/algorithms/spanning_tree.h"

namespace tsp {

// A closed tour: its vertices in order, the start again at the end.
using Tour = std::vector<int>;

// The tour of the spanning tree: its vertices in depth-first preorder from A, each vertex's
// children in the order of their tree edges, then A again. A tree without an edge gives A, A.
Tour TreeTour(const SpanningTree& tree);

}  // namespace tsp
