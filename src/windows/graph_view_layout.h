#pragma once

#include <QColor>
#include <QLineEdit>
#include <array>
#include <vector>

#include "core/graph/vertex.h"
#include "ui/canvas.h"
#include "ui/geometry.h"

// Where the graph view's controls and the ring's vertices stand, in twips.
namespace tsp::graph_view_layout {

inline const QColor ListGrey(224, 224, 224);
inline constexpr int WeightBoxWidth = 280;
inline constexpr int WeightBoxHeight = 285;
// The strip below the specified client area that holds the controls added since.
inline constexpr int StripTop = 11160;
inline constexpr int WindowHeight = 12135;

enum class Kind { TextBox, Button, Label };
struct ControlRow {
  Kind Type;
  ui::ControlDesign Design;
};
// Later rows lie above earlier ones: the "Data" panel comes before the boxes it holds.
const std::vector<ControlRow>& ControlTable();
// The strip's buttons, after every specified control in the focus order.
const std::vector<ControlRow>& StripTable();
// Creates the control a row describes; gives it when it is a text box.
QLineEdit* AddControl(QWidget* parent, const ControlRow& row);

// The painted part of the view: the markers and anchor points of the ten vertices (items 0..9)
// and the graph's lines by line id (items 10..), all hidden.
ui::Canvas* AddRing(QWidget* parent);
inline const QColor LinePlain = ui::SystemColour::Desktop;

// The runs in the order of RunKind: the button that starts each, the timer that animates it, and
// its colour.
struct RunDesign {
  const char* Button;
  const char* Timer;
  QColor Colour;
};
const std::array<RunDesign, 4>& RunDesigns();

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

// Where each vertex's marker and letter box stand around its anchor.
struct VertexPlace {
  ui::Place Marker;
  ui::Place LetterBox;
};
inline constexpr std::array<VertexPlace, MaxVertices> VertexPlaces{{
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

}  // namespace tsp::graph_view_layout
