#include "core/algorithms/light_cycle.h"

#include <cassert>
#include <utility>

#include "core/algorithms/spanning_tree.h"

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

LightCycle BuildLightCycle(const Drawing& drawing) {
  const int n = drawing.VertexCount();
  assert(n >= 1 && n <= MaxVertices);
  const Tour base = TreeTour(BuildSpanningTree(drawing));
  assert(base.size() >= 2);
  // Exchanges stay in front of P's return to the start, so for a partial tree neither it nor
  // anything behind it moves into a variant's middle.
  const int closing = static_cast<int>(base.size()) - 1;

  LightCycle cycle;
  for (int i = 0; i < n; ++i) {
    Tour variant = base;
    if (i >= 1 && i < closing) std::swap(variant[1], variant[i]);
    cycle.Variants.push_back(variant);
  }
  Tour order;
  for (int j = 0; j < n; ++j) order.push_back(j);
  order.push_back(base[0]);
  cycle.Variants.push_back(order);

  for (std::size_t i = 0; i < cycle.Variants.size(); ++i) {
    cycle.Weights.push_back(TourWeight(drawing, cycle.Variants[i]));
    if (cycle.Weights[i] < cycle.Weights[cycle.Lightest]) cycle.Lightest = static_cast<int>(i);
  }
  return cycle;
}

}  // namespace tsp
