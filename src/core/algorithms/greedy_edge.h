#pragma once

#include <optional>
#include <string>

#include "core/algorithms/algorithm.h"
#include "core/algorithms/line_order.h"
#include "core/graph/pair_weights.h"
#include "core/graph/tour.h"
#include "core/lesson/practice_step.h"

namespace tsp {

// The greedy-edge tour: the lines by weight (ties to the pair written with the earlier letter
// first); a line is taken when neither end has two taken lines and it closes no cycle, except
// the line that closes the cycle through every vertex. The tour is read from A towards the
// earlier letter of A's two neighbours. Two vertices give A, B, A, their line used twice.
struct GreedyEdgeResult {
  std::optional<Tour> Found;
  std::string
      Reason;  // when there is no tour: how many lines were taken and which vertex lacks one
  FixedList<WeightedLine, MaxVertices> Taken;  // in the order taken
};

GreedyEdgeResult GreedyEdgeTour(const PairWeights& graph);

AlgorithmResult RunGreedyEdge(const Drawing& drawing);

// The lines taken as practice questions, one a tick (reading the tour off is none), each with
// every line judged by the rule: the lightest line left that gives no vertex a third line and
// closes no cycle but the last. Nothing when there is no tour.
PracticeSteps GreedyEdgeSteps(const Drawing& drawing);

}  // namespace tsp
