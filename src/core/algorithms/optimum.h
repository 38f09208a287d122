#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/algorithms/algorithm.h"
#include "core/graph/pair_weights.h"
#include "core/graph/tour.h"

namespace tsp {

// The lightest closed tour from A through every vertex, or why there is none.
struct OptimumTour {
  // Closed vertex sequence 0, ..., 0; empty optional when no tour exists. A single vertex gives
  // the tour {0} of weight 0; two joined vertices give {0, 1, 0}, their line used twice.
  std::optional<Tour> Vertices;
  int Weight = 0;  // 0 when there is no tour
  // Empty when there is a tour, otherwise one or two English sentences naming vertices by
  // letter: the vertices with fewer than two edges, then those not reached from A, or, when
  // neither applies, that no closed tour through every vertex exists.
  std::string Reason;
};

// Held–Karp over the drawn pairs of vertices 0..VertexCount-1. Among tours of equal weight the
// one whose vertex sequence comes first in lexicographic order is returned (both directions of
// a cycle count as different sequences). Weights may be negative.
OptimumTour BestTour(const PairWeights& graph);

// Plays the optimum a step a tick; nothing when there is none.
Animation OptimumAnimation(const Drawing& drawing, const OptimumTour& optimum);
AlgorithmResult RunOptimum(const Drawing& drawing);

}  // namespace tsp
