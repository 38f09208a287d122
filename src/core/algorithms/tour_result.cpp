#include "core/algorithms/tour_result.h"

#include <cassert>
#include <cstdint>

namespace tsp {

std::int16_t TourWeight(const Drawing& drawing, const Tour& tour) {
  // At most eleven pairs of weights within -101..101: the sum cannot leave 16 bits.
  int weight = 0;
  for (std::size_t s = 0; s + 1 < tour.size(); ++s) {
    weight += drawing.WeightBetween(tour[s], tour[s + 1]);
  }
  assert(weight >= INT16_MIN && weight <= INT16_MAX);
  return static_cast<std::int16_t>(weight);
}

int MissingPairs(const Drawing& drawing, const Tour& tour) {
  int missing = 0;
  for (std::size_t s = 0; s + 1 < tour.size(); ++s) {
    if (drawing.LineBetween(tour[s], tour[s + 1]) < 0) ++missing;
  }
  return missing;
}

AlgorithmResult TourOutcome(const Drawing& drawing, const std::optional<Tour>& tour,
                            std::string reason) {
  AlgorithmResult result;
  result.FoundTour = tour;
  if (tour) {
    result.Weight = TourWeight(drawing, *tour);
    result.MissingPairs = MissingPairs(drawing, *tour);
  } else {
    assert(!reason.empty());
    result.Reason = std::move(reason);
  }
  result.Play = TourAnimation(drawing, tour);
  return result;
}

}  // namespace tsp
