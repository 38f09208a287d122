#include "core/algorithms/light_cycle.h"

#include <cassert>
#include <utility>

#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tour_result.h"
#include "core/lesson/narration.h"

namespace tsp {

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

Animation LightCycleAnimation(const Drawing& drawing, const std::optional<LightCycle>& cycle) {
  std::optional<Tour> best;
  if (cycle) best = cycle->Best();
  Animation animation = TourAnimation(drawing, best);
  NarrateTour(animation, [](int) { return std::string(); });
  if (cycle) {
    animation.Lead = "Variant " + std::to_string(cycle->Lightest + 1) + " of " +
                     std::to_string(cycle->Variants.size()) + " (weight " +
                     std::to_string(cycle->Weights[cycle->Lightest]) +
                     ") is the lightest; playing it: ";
  }
  return animation;
}

AlgorithmResult RunLightCycle(const Drawing& drawing) {
  const LightCycle cycle = BuildLightCycle(drawing);
  AlgorithmResult result = TourOutcome(drawing, cycle.Best());
  result.Play = LightCycleAnimation(drawing, cycle);
  return result;
}

}  // namespace tsp
