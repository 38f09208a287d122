#pragma once

#include <array>
#include <span>

#include "core/graph/vertex.h"

// Where the vertices of a drawing stand on their ring, in twips (1/1440 inch) from the top left
// of the picture, as the graph view, its exports and printed pages place them.
namespace tsp::ring {

struct TwipPoint {
  int X = 0;
  int Y = 0;
};

// Position and size in twips from the top left.
struct TwipBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// The anchor point of each vertex, where its lines meet. Every coordinate is even, so the
// midpoint of two anchors is a whole number of twips.
inline constexpr std::array<TwipPoint, MaxVertices> Anchors{{{5640, 1320},
                                                             {8040, 2040},
                                                             {9480, 3240},
                                                             {9240, 5760},
                                                             {7920, 6960},
                                                             {5520, 7320},
                                                             {3360, 6720},
                                                             {1680, 5400},
                                                             {1800, 3360},
                                                             {3600, 1920}}};

// Each vertex's marker (a circle of MarkerDiameter centred in its box) and its letter box.
struct VertexPlace {
  TwipBox Marker;
  TwipBox LetterBox;
};
inline constexpr std::array<VertexPlace, MaxVertices> Places{{
    {{5160, 600, 735, 1095}, {5400, 960, 375, 375}},
    {{7680, 1200, 735, 1095}, {7800, 1560, 375, 375}},
    {{9120, 2640, 735, 1095}, {9240, 3000, 375, 375}},
    {{9000, 5040, 735, 1095}, {9120, 5400, 375, 375}},
    {{7680, 6360, 735, 1095}, {7800, 6720, 375, 375}},
    {{5160, 7080, 735, 1095}, {5400, 7440, 375, 375}},
    {{2760, 6360, 735, 1095}, {3000, 6720, 375, 375}},
    {{1200, 4920, 735, 1095}, {1440, 5280, 375, 375}},
    {{1200, 2640, 735, 1095}, {1320, 3000, 375, 375}},
    {{3000, 1320, 735, 1095}, {3240, 1680, 375, 375}},
}};
inline constexpr int MarkerDiameter = 735;

// The box that shows a line's weight stands at the midpoint of the line's two anchors.
inline constexpr int WeightBoxWidth = 280;
inline constexpr int WeightBoxHeight = 285;
constexpr TwipBox WeightBox(int from, int to) {
  return {(Anchors[from].X + Anchors[to].X) / 2, (Anchors[from].Y + Anchors[to].Y) / 2,
          WeightBoxWidth, WeightBoxHeight};
}

// Where a click lands, for the questions answered on the drawing: the vertex among the first
// vertexCount whose marker holds the point, -1 when none does.
int VertexAt(TwipPoint point, int vertexCount);

// A line drawn from the anchor of one vertex to the anchor of another.
struct Segment {
  int From = 0;
  int To = 0;
};
// How far from a line a click still hits it: six pixels.
inline constexpr int LineReach = 90;
// The index of the line nearest the point when it passes within LineReach; -1 when none does,
// or when the point is on one of the first vertexCount markers, where many lines meet.
int LineAt(TwipPoint point, std::span<const Segment> lines, int vertexCount);

// The picture of the ring with every vertex, marker, letter and weight inside it.
inline constexpr int Width = 12165;
inline constexpr int Height = 7800;

}  // namespace tsp::ring
