#include <cassert>
#include <utility>

#include "entry/number_text.h"
#include "graph/graph_build.h"
#include "oracle/oracle.h"

namespace tsp::oracle {
namespace {

bool Listed(const EdgeGridCell& cell) {
  return NumericValue(cell.WeightText) != 0;
}

}  // namespace

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
    const EdgeGridCell* kept = Listed(own) ? &own : (Listed(mirror) ? &mirror : nullptr);
    if (kept == nullptr) {
      weights[j] = ListSentinel;
      lineIds[j] = ListSentinel;
      boxes[j] = ListSentinel;
    } else {
      weights[j] = WeightOfText(kept->WeightText);
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

namespace {

bool IsVertex(int v) {
  return v >= 0 && v < MaxVertices;
}

void RemoveListHead(GraphState& state, int vertex) {
  ClearListHead(state, state.VertexEdgeWeights[vertex], state.VertexEdgeBoxes[vertex],
                state.VertexEdgeLineIds[vertex]);
  ShiftListHeads(state.VertexEdgeWeights[vertex], state.VertexEdgeBoxes[vertex],
                 state.VertexEdgeLineIds[vertex]);
}

std::int16_t CountTreeVertices(const GraphState& state) {
  std::int16_t count = 0;
  for (std::int16_t flag : state.InTree) count = static_cast<std::int16_t>(count + flag);
  return count;
}

// Drops the heads of vertex that lead into the tree, stopping at the first one leading out.
void CleanList(GraphState& state, int vertex) {
  state.CandidateOutside = false;
  while (state.VertexEdgeWeights[vertex][0] < ListSentinel && !state.CandidateOutside) {
    const std::int16_t box = state.VertexEdgeBoxes[vertex][0];
    state.FromVertex = DecodeFrom(box);
    state.ToVertex = DecodeTo(box);
    state.CandidateVertex = state.ToVertex;
    TestOutsideTree(state, state.CandidateVertex);
    if (!state.CandidateOutside) RemoveListHead(state, vertex);
  }
}

}  // namespace

void BuildSpanningTree(GraphState& state) {
  assert(state.VertexCount >= 1 && state.VertexCount <= MaxVertices);
  // The first edge is A's lightest entry, taken without a test: only A is in the tree yet.
  RecordTreeEdge(state, 0, state.VertexEdgeWeights[0], state.VertexEdgeBoxes[0],
                 state.VertexEdgeLineIds[0]);
  state.FromVertex = DecodeFrom(state.MstBoxes[0]);
  state.ToVertex = DecodeTo(state.MstBoxes[0]);
  RemoveListHead(state, 0);
  state.InTree.fill(0);
  state.InTree[0] = 1;
  state.TreeVertexCount = 1;
  state.MstEdgeCount = 1;
  MarkInTree(state, state.ToVertex);
  state.TreeVertexCount = CountTreeVertices(state);

  while (state.TreeVertexCount < state.VertexCount) {
    SelectTreeVertex(state);
    // Cleaned heads all lead out of the tree, so an empty best head means no tree vertex can
    // reach the rest of the graph: taking it would record the sentinel and loop forever.
    if (state.BestWeight >= ListSentinel) break;
    TakeListHead(state, state.ChosenVertex);
    MarkInTree(state, state.ToVertex);
    ++state.MstEdgeCount;
    state.TreeVertexCount = CountTreeVertices(state);
  }
  // Normally already empty since the load; written anyway so the animation and the tour
  // search always find the end right behind the last edge.
  if (state.MstEdgeCount < MstSlots) {
    state.MstWeights[state.MstEdgeCount] = ListSentinel;
    state.MstLineIds[state.MstEdgeCount] = ListSentinel;
    state.MstBoxes[state.MstEdgeCount] = ListSentinel;
  }
}

void SelectTreeVertex(GraphState& state) {
  if (state.TreeVertexCount >= state.VertexCount) return;
  for (int v = 0; v < MaxVertices; ++v) {
    CleanList(state, v);
    const std::int16_t head = state.VertexEdgeWeights[v][0];
    if (v == 0) {
      state.BestWeight = head;
      state.ChosenVertex = 0;
    } else if (state.InTree[v] == 1 && head <= state.BestWeight) {
      state.ChosenVertex = static_cast<std::int16_t>(v);
      state.BestWeight = head;
    }
  }
}

void TakeListHead(GraphState& state, int vertex) {
  assert(IsVertex(vertex));
  RecordTreeEdge(state, state.MstEdgeCount, state.VertexEdgeWeights[vertex],
                 state.VertexEdgeBoxes[vertex], state.VertexEdgeLineIds[vertex]);
  RemoveListHead(state, vertex);
}

void RecordTreeEdge(GraphState& state, int slot, const VertexList& weights, const VertexList& boxes,
                    const VertexList& lineIds) {
  assert(slot >= 0 && slot < MstSlots);
  state.MstWeights[slot] = weights[0];
  state.MstLineIds[slot] = lineIds[0];
  state.MstBoxes[slot] = boxes[0];
}

void ClearListHead(GraphState& state, VertexList& weights, VertexList& boxes, VertexList& lineIds) {
  state.FromVertex = DecodeFrom(boxes[0]);
  state.ToVertex = DecodeTo(boxes[0]);
  weights[0] = ListSentinel;
  lineIds[0] = ListSentinel;
  boxes[0] = ListSentinel;
}

void ShiftListHeads(VertexList& weights, VertexList& boxes, VertexList& lineIds) {
  ShiftList(boxes);
  ShiftList(weights);
  ShiftList(lineIds);
}

void ShiftList(VertexList& list) {
  if (list[0] != ListSentinel) return;
  for (int i = 0; i < MaxVertices - 1; ++i) list[i] = list[i + 1];
  list[MaxVertices - 1] = ListSentinel;
}

void MarkInTree(GraphState& state, int vertex) {
  if (IsVertex(vertex)) state.InTree[vertex] = 1;
}

void TestOutsideTree(GraphState& state, int vertex) {
  state.CandidateOutside = IsVertex(vertex) && state.InTree[vertex] == 0;
}

void RunSpanningTreeRepetitions(GraphState& state) {
  for (std::int16_t i = 0; i < state.IterationCount; ++i) {
    BuildVertexEdgeLists(state);
    BuildSpanningTree(state);
  }
}

}  // namespace tsp::oracle
