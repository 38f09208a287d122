#pragma once

#include <string>

#include "graph/graph_state.h"

namespace tsp {

// Rebuilds the sorted edge lists of all ten vertices from the edge grid. The spanning-tree
// computation consumes them, so it is called right before every such computation.
void BuildVertexEdgeLists(GraphState& state);

// Fills the three parallel lists of one vertex and sorts them by weight. Slot j describes the
// drawn edge between vertex and j, whichever of the boxes (vertex, j) or (j, vertex) was kept:
// box index 10 * vertex + j, the edge's line id and weight. Listing an edge for both endpoints
// lets the tree grow across it from either side. A slot without an edge holds the sentinel in
// all three lists.
void LoadVertexEdgeList(const GraphState& state, VertexList& weights, VertexList& lineIds,
                        VertexList& boxes, int vertex);

// Nine full bubble-sort passes that exchange unless strictly less; the order it leaves among
// equal weights decides which edge the spanning tree takes first.
void SortVertexEdgeList(VertexList& weights, VertexList& lineIds, VertexList& boxes);

// "A" to "J" for 0 to 9; any other vertex leaves letter as it was.
void VertexLetter(int vertex, std::string& letter);

}  // namespace tsp
