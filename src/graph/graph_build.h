#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "graph/graph_state.h"

namespace tsp {

// The matrix editor's white (adjacency) and red (weight) box texts; index = box index.
struct MatrixBoxes {
  std::array<std::string, BoxCount> White;
  std::array<std::string, BoxCount> Red;
};

// One drawn line from the anchor of Row to the anchor of Column; its line id is its index.
struct DrawnEdge {
  std::int16_t Row = 0;
  std::int16_t Column = 0;
};

struct TwipPoint {
  int X = 0;
  int Y = 0;
};

// Anchor points of the ten vertices on the ring, in twips. Every coordinate is even, so the
// midpoint of two anchors is a whole number of twips.
inline constexpr std::array<TwipPoint, MaxVertices> VertexAnchors{{{5640, 1320},
                                                                   {8040, 2040},
                                                                   {9480, 3240},
                                                                   {9240, 5760},
                                                                   {7920, 6960},
                                                                   {5520, 7320},
                                                                   {3360, 6720},
                                                                   {1680, 5400},
                                                                   {1800, 3360},
                                                                   {3600, 1920}}};

// Top-left corner of the weight box of the edge between vertices row and column: the midpoint
// of their anchors.
constexpr TwipPoint WeightBoxPosition(int row, int column) {
  return {(VertexAnchors[column].X + VertexAnchors[row].X) / 2,
          (VertexAnchors[column].Y + VertexAnchors[row].Y) / 2};
}
inline constexpr int WeightBoxWidth = 280;

// The weight of a red box text: its numeric value rounded half to even. Validation keeps the
// value strictly between -101 and 101; anything else is clamped into -101..101 so that a weight
// always sorts before the list sentinel and sums of weights stay far from overflow.
std::int16_t WeightOfText(const std::string& text);

// The state part of loading the graph view: resets every table and working array of the runs,
// takes the vertex and iteration counts, symmetrises the white boxes in place (one box kept per
// vertex pair, diagonal cleared), fills edges[0..EdgeCount-1] with the lines to draw and
// records every drawn edge in the line-id and weight tables and in the edge grid.
void LoadGraphState(GraphState& state, std::int16_t vertexCount, std::int16_t iterationCount,
                    MatrixBoxes& boxes, std::array<DrawnEdge, BoxCount>& edges);

}  // namespace tsp
