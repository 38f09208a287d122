#pragma once

#include <QColor>
#include <QLineEdit>
#include <array>
#include <string_view>
#include <vector>

#include "core/graph/ring.h"
#include "core/graph/vertex.h"
#include "ui/canvas.h"
#include "ui/geometry.h"

// Where the graph view's controls and the ring's vertices stand, in twips.
namespace tsp::graph_view_layout {

inline const QColor ListGrey(224, 224, 224);
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
inline const QColor LinePlain = ui::PlainLineColour;

// The runs that the view's own buttons start, with the timer that animates each; the other
// algorithms of the table play through the play timer.
struct RunButton {
  std::string_view Algorithm;  // its id in the table of algorithms
  const char* Button;
  const char* Timer;
};
inline constexpr std::array<RunButton, 4> RunButtons{{
    {"spanning_tree", "Command2", "Timer1"},
    {"tree_tour", "Command4", "Timer2"},
    {"light_cycle", "Command6", "Timer3"},
    {"optimum", "OptimumButton", "OptimumTimer"},
}};
inline constexpr const char* PlayTimerName = "PlayTimer";

// The practice panel, in the free column right of the ring: the algorithm to practise, the
// answers to choose from, Check and Reveal (in PracticeTable), the verdict; the score below
// them, where the column widens under D.
inline constexpr ui::Place PracticeBoxPlace{9960, 1200, 2055, 375};
inline constexpr ui::Place AnswerListPlace{9960, 1680, 2055, 2160};
inline constexpr ui::Place VerdictPlace{9960, 4440, 2055, 1695};
const std::vector<ControlRow>& PracticeTable();
// A wrong answer shows the right line (or vertex) this long, in this colour (a vertex in the
// algorithm's).
inline constexpr const char* FlashTimerName = "FlashTimer";
inline constexpr int FlashMs = 900;
inline const QColor FlashColour(255, 255, 255);

}  // namespace tsp::graph_view_layout
