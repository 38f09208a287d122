#include "graph/graph_build.h"

#include <cassert>
#include <cmath>

#include "entry/number_text.h"

namespace tsp {
namespace {

constexpr std::int16_t MaxWeight = 101;

bool ReadsOne(const std::string& white) {
  return white == "1";
}

void ResetRunArrays(GraphState& state) {
  state.MstWeights.fill(ListSentinel);
  state.MstLineIds.fill(ListSentinel);
  state.MstBoxes.fill(ListSentinel);
  for (int v = 0; v < MaxVertices; ++v) {
    state.VertexEdgeWeights[v].fill(ListSentinel);
    state.VertexEdgeLineIds[v].fill(ListSentinel);
    state.VertexEdgeBoxes[v].fill(ListSentinel);
  }
  // Nothing of an earlier graph may be played on the new drawing. Everything reads as "empty"
  // (the sentinel), so a run without computation ends at its first tick, except ChildLists:
  // the leaf groups are appended at the first 0 behind a group end, which is what a list
  // holds behind its groups.
  state.EdgeWork.fill(ListSentinel);
  state.ChildLists.fill(0);
  state.ChildListMarks.fill(ListSentinel);
  state.TreeWalk.fill(ListSentinel);
  state.VertexUsed.fill(ListSentinel);
  state.Tour.fill(ListSentinel);
  state.BaseCycle.fill(ListSentinel);
  state.BestCycle.fill(ListSentinel);
  state.TourArraysUsed = 0;
  state.CycleArraysUsed = 0;
}

void SymmetriseMatrix(MatrixBoxes& boxes) {
  for (int i = 0; i < BoxCount; ++i) {
    if (ReadsOne(boxes.White[i])) {
      boxes.White[BoxIndex(DecodeTo(i), DecodeFrom(i))].assign(1, '0');
    }
  }
}

void DrawEdges(GraphState& state, const MatrixBoxes& boxes,
               std::array<DrawnEdge, BoxCount>& edges) {
  edges.fill(DrawnEdge{});
  state.EdgeCount = 0;
  for (int i = 0; i < BoxCount; ++i) {
    if (!ReadsOne(boxes.White[i])) continue;
    const std::int16_t r = DecodeFrom(i);
    const std::int16_t c = DecodeTo(i);
    if (r == c) continue;
    const std::int16_t k = state.EdgeCount;
    assert(k < BoxCount);
    edges[k] = DrawnEdge{r, c};
    state.LineIds[c][r] = k;
    state.EdgeCount = static_cast<std::int16_t>(k + 1);
  }
}

void RecordEdges(GraphState& state, const MatrixBoxes& boxes) {
  for (int c = 0; c < MaxVertices; ++c) {
    for (int r = 0; r < MaxVertices; ++r) {
      if (state.LineIds[c][r] == -1) continue;
      EdgeGridCell& cell = state.EdgeGrid[BoxIndex(r, c)];
      const std::string& text = boxes.Red[BoxIndex(r, c)];
      cell.LineId = state.LineIds[c][r];
      cell.Marked = true;
      cell.WeightText = text;
      cell.Weight = WeightOfText(text);
      cell.Listed = NumericValue(text) != 0;
      state.EdgeWeights[c][r] = cell.Weight;
    }
  }
}

// Slot j of vertex v lists the edge between v and j whichever of its boxes was kept.
void RecordListedEntries(GraphState& state) {
  for (int v = 0; v < MaxVertices; ++v) {
    for (int j = 0; j < MaxVertices; ++j) {
      const EdgeGridCell& own = state.EdgeGrid[BoxIndex(v, j)];
      const EdgeGridCell& mirror = state.EdgeGrid[BoxIndex(j, v)];
      const EdgeGridCell* kept = own.Listed ? &own : (mirror.Listed ? &mirror : nullptr);
      state.ListedWeights[v][j] = kept != nullptr ? kept->Weight : ListSentinel;
      state.ListedLineIds[v][j] = kept != nullptr ? kept->LineId : ListSentinel;
    }
  }
}

}  // namespace

std::int16_t WeightOfText(const std::string& text) {
  const double value = NumericValue(text);
  if (std::isnan(value)) return 0;
  const auto rounded = ToInt16(value);
  if (rounded && *rounded >= -MaxWeight && *rounded <= MaxWeight) return *rounded;
  return value < 0 ? static_cast<std::int16_t>(-MaxWeight) : MaxWeight;
}

void LoadGraphState(GraphState& state, std::int16_t vertexCount, std::int16_t iterationCount,
                    MatrixBoxes& boxes, std::array<DrawnEdge, BoxCount>& edges) {
  assert(vertexCount >= 1 && vertexCount <= MaxVertices);
  ResetRunArrays(state);
  state.VertexCount = vertexCount;
  state.IterationCount = iterationCount;

  for (auto& column : state.LineIds) column.fill(-1);
  for (auto& column : state.EdgeWeights) column.fill(0);
  SymmetriseMatrix(boxes);
  DrawEdges(state, boxes, edges);
  state.EdgeGrid.fill(EdgeGridCell{});
  RecordEdges(state, boxes);
  RecordListedEntries(state);
}

}  // namespace tsp
