#pragma once

#include "graph/graph_state.h"

namespace tsp {

// Grows the spanning tree from vertex A into MstWeights, MstLineIds and MstBoxes, exactly as
// taking list heads from the sorted vertex edge lists would: the first edge is A's lightest
// entry; then, among the tree vertices, the one whose lightest entry leading out of the tree
// is lightest (the highest-numbered one on equal weights) gives that entry, and between its
// entries of equal weight the list order decides. It reads the entries recorded at load, so
// the vertex edge lists are neither needed nor changed. The tree stops growing when no tree
// vertex has an entry leading out (a graph not connected to A); the slot after the last tree
// edge always holds the sentinel.
void BuildSpanningTree(GraphState& state);

}  // namespace tsp
