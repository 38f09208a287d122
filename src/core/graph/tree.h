#pragma once

#include <cstdint>

#include "core/graph/fixed_list.h"
#include "core/graph/vertex.h"

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
  int VertexCount = 1;                         // the vertices the tree reaches, A included

  int Weight() const {
    int weight = 0;
    for (const TreeEdge& edge : Edges) weight += edge.Weight;
    return weight;
  }
};

}  // namespace tsp
