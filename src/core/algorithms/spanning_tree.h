#pragma once

#include <cstdint>
#include "core/graph/drawing.h"
#include "core/graph/fixed_list.h"

namespace tsp {

// A tree edge as taken: from the tree vertex From out to the new vertex To.
struct TreeEdge {
  int From = 0;
  int To = 0;
  int LineId = 0;
  std::int16_t Weight = 0;
};

struct SpanningTree {
  FixedList<TreeEdge, MaxVertices - 1> Edges;  // in the order the tree took them
  int VertexCount = 1;          // the vertices the tree reaches, A included

  int Weight() const;
};

// Grows the tree from vertex A as taking heads of sorted edge lists would. Every vertex lists
// its listed lines (a weight text that is not exactly 0), sorted by weight with nine full
// bubble-sort passes that exchange unless strictly less would, so the list order among equal
// weights is that sort's. The first edge is A's lightest entry; then, among the tree vertices,
// the one whose lightest entry leading out of the tree is lightest (the highest-numbered one on
// equal weights) gives that entry. The tree stops when it holds every vertex of the drawing, or
// when no entry leads out (a graph not connected to A); A's lightest entry is taken even for a
// single vertex.
SpanningTree BuildSpanningTree(const Drawing& drawing);

// The position of slot among the slots of the same weight once the list is sorted by the nine
// bubble-sort passes (0 for the first of them).
int EqualWeightRank(const std::array<std::int16_t, MaxVertices>& weights, int slot);

}  // namespace tsp
