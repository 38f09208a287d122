#include "graph/edge_lists.h"

#include <cassert>
#include <utility>

namespace tsp {

void BuildVertexEdgeLists(GraphState& state) {
  for (int v = 0; v < MaxVertices; ++v) {
    LoadVertexEdgeList(state, state.VertexEdgeWeights[v], state.VertexEdgeLineIds[v],
                       state.VertexEdgeBoxes[v], v);
  }
}

void LoadVertexEdgeList(const GraphState& state, VertexList& weights, VertexList& lineIds,
                        VertexList& boxes, int vertex) {
  assert(vertex >= 0 && vertex < MaxVertices);
  for (int j = 0; j < MaxVertices; ++j) {
    const EdgeGridCell& own = state.EdgeGrid[BoxIndex(vertex, j)];
    const EdgeGridCell& mirror = state.EdgeGrid[BoxIndex(j, vertex)];
    const EdgeGridCell* kept = own.Listed ? &own : (mirror.Listed ? &mirror : nullptr);
    if (kept == nullptr) {
      weights[j] = ListSentinel;
      lineIds[j] = ListSentinel;
      boxes[j] = ListSentinel;
    } else {
      weights[j] = kept->Weight;
      lineIds[j] = kept->LineId;
      boxes[j] = BoxIndex(vertex, j);
    }
  }
  SortVertexEdgeList(weights, lineIds, boxes);
}

void SortVertexEdgeList(VertexList& weights, VertexList& lineIds, VertexList& boxes) {
  for (int pass = 0; pass < MaxVertices - 1; ++pass) {
    for (int i = 0; i < MaxVertices - 1; ++i) {
      if (!(weights[i] < weights[i + 1])) {
        std::swap(weights[i], weights[i + 1]);
        std::swap(lineIds[i], lineIds[i + 1]);
        std::swap(boxes[i], boxes[i + 1]);
      }
    }
  }
}

void VertexLetter(int vertex, std::string& letter) {
  if (vertex >= 0 && vertex < MaxVertices) letter = std::string(1, static_cast<char>('A' + vertex));
}

}  // namespace tsp
