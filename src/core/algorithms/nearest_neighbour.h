#pragma once

#include <optional>
#include <string>

#include "core/algorithms/algorithm.h"
#include "core/graph/pair_weights.h"
#include "core/graph/tour.h"
#include "core/lesson/practice_step.h"

namespace tsp {

// The nearest-neighbour tour: from A, always along the lightest line from the current vertex
// to a vertex not yet visited (the earlier letter on equal weights), then back to A. Each step's
// weight is the key it was chosen by.
struct NearestNeighbourResult {
  std::optional<Tour> Found;
  std::string Reason;  // when there is no tour: the step and the vertex where it got stuck
};

NearestNeighbourResult NearestNeighbourTour(const PairWeights& graph);

AlgorithmResult RunNearestNeighbour(const Drawing& drawing);

// The tour's vertices after A as practice questions, one a tick (the step back to A is none),
// each with every vertex judged by the rule: the lightest line to a vertex not yet visited.
// Nothing when there is no tour.
PracticeSteps NearestNeighbourSteps(const Drawing& drawing);

}  // namespace tsp
