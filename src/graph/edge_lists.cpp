#include "graph/edge_lists.h"

#include <cassert>
#include <cstdint>

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
    const bool listed = state.ListedWeights[vertex][j] != ListSentinel;
    weights[j] = state.ListedWeights[vertex][j];
    lineIds[j] = state.ListedLineIds[vertex][j];
    boxes[j] = listed ? BoxIndex(vertex, j) : ListSentinel;
  }
  SortVertexEdgeList(weights, lineIds, boxes);
}

void SortVertexEdgeList(VertexList& weights, VertexList& lineIds, VertexList& boxes) {
  VertexList sortedWeights{};
  VertexList sortedLineIds{};
  VertexList sortedBoxes{};
  for (int i = 0; i < MaxVertices; ++i) {
    int lighter = 0;
    int equal = 0;
    for (std::int16_t w : weights) {
      lighter += w < weights[i] ? 1 : 0;
      equal += w == weights[i] ? 1 : 0;
    }
    const int at = lighter + (equal > 1 ? EqualWeightRank(weights, i) : 0);
    sortedWeights[at] = weights[i];
    sortedLineIds[at] = lineIds[i];
    sortedBoxes[at] = boxes[i];
  }
  weights = sortedWeights;
  lineIds = sortedLineIds;
  boxes = sortedBoxes;
}

// A bubble pass carries each slot that no heavier slot precedes past the equal slots behind it
// up to the next heavier one. For the slots of one weight that moves the first of those
// without a heavier slot before them behind the others, and each pass removes one heavier
// slot from before every slot that has one. So the equal slots are reordered by rotating the
// front group of those whose heavier predecessors are used up, once per pass.
int EqualWeightRank(const VertexList& weights, int slot) {
  assert(slot >= 0 && slot < MaxVertices);
  const std::int16_t weight = weights[slot];
  std::array<std::int8_t, MaxVertices> order{};
  std::array<std::int8_t, MaxVertices> heavierBefore{};
  int count = 0;
  int heavier = 0;
  for (int i = 0; i < MaxVertices; ++i) {
    if (weights[i] > weight) {
      ++heavier;
    } else if (weights[i] == weight) {
      order[count] = static_cast<std::int8_t>(i);
      heavierBefore[count] = static_cast<std::int8_t>(heavier);
      ++count;
    }
  }
  for (int pass = 0; pass < MaxVertices - 1; ++pass) {
    int front = 0;
    while (front < count && heavierBefore[front] <= pass) ++front;
    if (front < 2) continue;
    const std::int8_t first = order[0];
    for (int k = 1; k < front; ++k) order[k - 1] = order[k];
    order[front - 1] = first;
  }
  int rank = 0;
  while (order[rank] != slot) ++rank;
  return rank;
}

void VertexLetter(int vertex, std::string& letter) {
  if (vertex >= 0 && vertex < MaxVertices) letter = std::string(1, static_cast<char>('A' + vertex));
}

}  // namespace tsp
