#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/algorithms/algorithm.h"

namespace tsp {

// The weight of a closed tour over its consecutive pairs, 0 for a pair without a line, exactly
// as its animation adds it up.
std::int16_t TourWeight(const Drawing& drawing, const Tour& tour);
// The tour's steps between two vertices that no line joins.
int MissingPairs(const Drawing& drawing, const Tour& tour);

// A tour algorithm's result: the tour with its weight, or no tour and why; its animation plays
// the tour's pairs in order, still without reasons.
AlgorithmResult TourOutcome(const Drawing& drawing, const std::optional<Tour>& tour,
                            std::string reason = {});

}  // namespace tsp
