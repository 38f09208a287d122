#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tsp {

// Marks an empty slot in every list of the graph state. It lies above every weight (-101..101)
// and every box index (0..99), so it sorts last.
inline constexpr std::int16_t ListSentinel = 200;
// Ends a group of child lists, and marks a consumed entry during the tour search.
inline constexpr std::int16_t GroupEnd = -1;

inline constexpr int MaxVertices = 10;
inline constexpr int BoxCount = 100;
inline constexpr int MstSlots = 100;
inline constexpr int TourSlots = 200;

using VertexList = std::array<std::int16_t, MaxVertices>;
using MstList = std::array<std::int16_t, MstSlots>;
using TourList = std::array<std::int16_t, TourSlots>;

// Box b of the matrix editor is row b / 10 (from-vertex), column b % 10 (to-vertex).
constexpr std::int16_t BoxIndex(int row, int column) {
  return static_cast<std::int16_t>(10 * row + column);
}

// Floor division, so that a consumed entry (-1) decodes to -1 and never to vertex 0.
constexpr std::int16_t DecodeFrom(int box) {
  return static_cast<std::int16_t>(box >= 0 ? box / 10 : -((-box + 9) / 10));
}
constexpr std::int16_t DecodeTo(int box) {
  return static_cast<std::int16_t>(box - 10 * DecodeFrom(box));
}

// One cell of the box-indexed record of what was drawn.
struct EdgeGridCell {
  std::int16_t LineId = -1;
  std::string WeightText = "0";  // the red box text exactly as typed
  bool Marked = false;
  // The weight text turned into a number once, when the cell is recorded.
  std::int16_t Weight = 0;
  bool Listed = false;  // the weight text's numeric value is not exactly 0
};

// Everything the graph view knows about the drawn graph and about the runs made on it.
// One object lives from the first opening of the graph view to the end of the application.
struct GraphState {
  std::int16_t VertexCount = 0;
  std::int16_t IterationCount = 0;
  std::int16_t EdgeCount = 0;

  // The line-id and weight tables are indexed column first: [c][r] for the box in row r,
  // column c. They are stored 10 x 10; every read outside 0..9 (the sentinel decodes to
  // vertex 20) finds no line and weight 0.
  std::int16_t LineIdOf(int c, int r) const {
    return InRange(c) && InRange(r) ? LineIds[c][r] : static_cast<std::int16_t>(-1);
  }
  std::int16_t EdgeWeightOf(int c, int r) const {
    return InRange(c) && InRange(r) ? EdgeWeights[c][r] : static_cast<std::int16_t>(0);
  }
  std::array<std::array<std::int16_t, MaxVertices>, MaxVertices> LineIds{};
  std::array<std::array<std::int16_t, MaxVertices>, MaxVertices> EdgeWeights{};

  std::array<EdgeGridCell, BoxCount> EdgeGrid{};

  // The entries of the vertex edge lists before sorting, taken from the edge grid once per load:
  // ListedWeights[v][j] and ListedLineIds[v][j] describe slot j of vertex v (the edge between
  // v and j, whichever of its two boxes was kept), the sentinel where there is none.
  std::array<VertexList, MaxVertices> ListedWeights{};
  std::array<VertexList, MaxVertices> ListedLineIds{};

  std::array<VertexList, MaxVertices> VertexEdgeWeights{};
  std::array<VertexList, MaxVertices> VertexEdgeLineIds{};
  std::array<VertexList, MaxVertices> VertexEdgeBoxes{};

  MstList MstWeights{};
  MstList MstLineIds{};
  MstList MstBoxes{};

  std::int16_t AnimationStep = 0;
  std::string EdgeListText;
  std::string EdgeText;
  std::string ToLetter;

  // Seconds from a monotonic clock.
  double RunStartTime = 0;
  double RunTime1 = 0;

  std::int16_t FromVertex = 0;
  std::int16_t ToVertex = 0;

  // Working state of the spanning-tree computation.
  std::array<std::int16_t, MaxVertices> InTree{};
  std::int16_t TreeVertexCount = 0;
  std::int16_t MstEdgeCount = 0;
  std::int16_t ChosenVertex = 0;
  std::int16_t BestWeight = 0;
  std::int16_t CandidateVertex = 0;
  bool CandidateOutside = false;

  // Working arrays of the tour search. EdgeWork, ChildListMarks and VertexUsed are scratch of
  // the step-by-step walk, which the tests keep as a reference; the search over the tree's
  // groups needs none of them.
  TourList EdgeWork{};
  TourList ChildLists{};
  TourList ChildListMarks{};
  TourList TreeWalk{};
  TourList VertexUsed{};
  TourList Tour{};
  // From this index on ChildLists holds 0 and TreeWalk and Tour the sentinel, so a search
  // clears only what an earlier one wrote. TourSlots when that is not known.
  std::int16_t TourArraysUsed = TourSlots;

  // Tour run and light cycle.
  std::int16_t TourWeight = 0;
  std::string WeightListText;
  double TspTime = 0;
  std::int16_t RunIteration = 0;
  TourList BaseCycle{};
  TourList BestCycle{};
  std::int16_t BestCycleWeight = 0;
  // From this index on BaseCycle and BestCycle hold the sentinel; TourSlots when not known.
  std::int16_t CycleArraysUsed = TourSlots;

  static constexpr bool InRange(int v) { return v >= 0 && v < MaxVertices; }
};

}  // namespace tsp
