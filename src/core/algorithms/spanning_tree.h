#pragma once

#include <array>
#include <cstdint>

#include <optional>
#include <string>

#include "core/algorithms/algorithm.h"
#include "core/graph/drawing.h"
#include "core/graph/tree.h"
#include "core/lesson/practice_step.h"

namespace tsp {

// Grows the tree from vertex A as taking heads of sorted edge lists would. Every vertex lists
// its listed lines (a weight text that is not exactly 0), sorted by weight with nine full
// bubble-sort passes that exchange unless strictly less would, so the list order among equal
// weights is that sort's. The first edge is A's lightest entry; then, among the tree vertices,
// the one whose lightest entry leading out of the tree is lightest (the highest-numbered one on
// equal weights) gives that entry. The tree stops when it holds every vertex of the drawing, or
// when no entry leads out (a graph not connected to A); A's lightest entry is taken even for a
// single vertex.
SpanningTree BuildSpanningTree(const Drawing& drawing);

// Plays the tree an edge a tick, each as the lightest edge out of the tree; nothing when no tree
// was computed.
Animation SpanningTreeAnimation(const std::optional<SpanningTree>& tree, int vertexCount);
AlgorithmResult RunSpanningTree(const Drawing& drawing);

// The position of slot among the slots of the same weight once the list is sorted by the nine
// bubble-sort passes (0 for the first of them).
int EqualWeightRank(const std::array<std::int16_t, MaxVertices>& weights, int slot);

// The tree's edges as practice questions, one a tick, each with every drawn line judged by the
// rule that the tree takes the lightest listed line from a tree vertex to one outside it.
PracticeSteps SpanningTreeSteps(const Drawing& drawing);

// Judges, for a tree's practice, a line the rule could take that is not the one taken: refused
// when it weighs 0 as typed or is heavier than `taken`, else allowed as just as light. Returns
// whether it said why; where not, the caller says which of the equal lines the program takes.
bool JudgeByWeight(JudgedAnswer& judged, const std::string& text, std::int16_t weight,
                   const TreeEdge& taken, const std::string& takenText, const std::string& rule);

}  // namespace tsp
