#pragma once

#include "core/algorithms/spanning_tree.h"
#include "core/graph/fixed_list.h"

namespace tsp {

// A closed tour: its vertices in order, the start again at the end (a single vertex alone).
using Tour = FixedList<int, MaxVertices + 1>;

// The tour of the spanning tree: its vertices in depth-first preorder from A, each vertex's
// children in the order of their tree edges, then A again. A tree without an edge gives A, A.
Tour TreeTour(const SpanningTree& tree);

}  // namespace tsp
