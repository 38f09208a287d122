#pragma once

#include "graph/graph_state.h"

namespace tsp {

// Grows the spanning tree from vertex A into MstWeights, MstLineIds and MstBoxes, taking at
// every step the lightest list head that leads from a tree vertex to a vertex outside the tree.
// It consumes the vertex edge lists, which must be rebuilt before the next call. The tree stops
// growing when no tree vertex has an entry leading out (a graph not connected to A); the slot
// after the last tree edge always holds the sentinel.
void BuildSpanningTree(GraphState& state);

// Drops from every vertex's list the heads that lead into the tree, then chooses the tree
// vertex with the lightest head (ChosenVertex, BestWeight); among equal heads the
// highest-numbered vertex wins.
void SelectTreeVertex(GraphState& state);

// Records the head of vertex into slot MstEdgeCount, decodes it into FromVertex/ToVertex and
// removes it from the lists of vertex.
void TakeListHead(GraphState& state, int vertex);

void RecordTreeEdge(GraphState& state, int slot, const VertexList& weights, const VertexList& boxes,
                    const VertexList& lineIds);

// Decodes the head's box into FromVertex/ToVertex, then empties the head in all three lists.
void ClearListHead(GraphState& state, VertexList& weights, VertexList& boxes, VertexList& lineIds);

void ShiftListHeads(VertexList& weights, VertexList& boxes, VertexList& lineIds);

// Moves the slots up by one when the head is empty; a list with a head is left alone.
void ShiftList(VertexList& list);

// Vertices outside 0..9 (the sentinel decodes to 20) change nothing.
void MarkInTree(GraphState& state, int vertex);

// CandidateOutside := vertex is 0..9 and not yet in the tree.
void TestOutsideTree(GraphState& state, int vertex);

}  // namespace tsp
