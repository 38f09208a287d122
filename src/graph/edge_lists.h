#pragma once

#include <string>

#include "graph/graph_state.h"

namespace tsp {

// Rebuilds the sorted edge lists of all ten vertices from the entries recorded at load.
void BuildVertexEdgeLists(GraphState& state);

// Fills the three parallel lists of one vertex and sorts them by weight. Slot j describes the
// drawn edge between vertex and j, whichever of the boxes (vertex, j) or (j, vertex) was kept:
// box index 10 * vertex + j, the edge's line id and weight. Listing an edge for both endpoints
// lets the tree grow across it from either side. A slot without an edge holds the sentinel in
// all three lists.
void LoadVertexEdgeList(const GraphState& state, VertexList& weights, VertexList& lineIds,
                        VertexList& boxes, int vertex);

// Leaves the three lists as nine full bubble-sort passes that exchange unless strictly less
// would; the order among equal weights decides which edge the spanning tree takes first.
void SortVertexEdgeList(VertexList& weights, VertexList& lineIds, VertexList& boxes);

// The position of slot among the slots of the same weight once the list is sorted (0 for the
// first of them), without sorting.
int EqualWeightRank(const VertexList& weights, int slot);

// "A" to "J" for 0 to 9; any other vertex leaves letter as it was.
void VertexLetter(int vertex, std::string& letter);

}  // namespace tsp
