#include "core/algorithms/light_cycle.h"

#include <array>
#include <cassert>
#include <climits>
#include <cstdint>
#include <utility>

#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tour_result.h"
#include "core/lesson/narration.h"

namespace tsp {

namespace {

// The weight between two vertices as TourWeight adds it up, 0 where no line is drawn. The
// listed rows hold it in one place: a line that is not listed weighs 0 anyway.
int PairWeight(const Drawing& drawing, int a, int b) {
  const std::int16_t listed = drawing.ListedWeights(a)[b];
  const int weight = listed == Drawing::NotListed ? 0 : listed;
  assert(weight == drawing.WeightBetween(a, b));
  return weight;
}

std::int16_t TourTotal(int weight) {
  // At most eleven steps of weights within -101..101: the sum cannot leave 16 bits.
  assert(weight >= INT16_MIN && weight <= INT16_MAX);
  return static_cast<std::int16_t>(weight);
}

}  // namespace

LightCycle BuildLightCycle(const Drawing& drawing) {
  const int n = drawing.VertexCount();
  assert(n >= 1 && n <= MaxVertices);
  const Tour base = TreeTour(BuildSpanningTree(drawing));
  assert(base.size() >= 2);
  // Exchanges stay in front of P's return to the start, so for a partial tree neither it nor
  // anything behind it moves into a variant's middle.
  const int closing = static_cast<int>(base.size()) - 1;

  std::array<int, MaxVertices + 1> step{};  // step[s]: from base[s] to base[s + 1]
  int baseWeight = 0;
  for (int s = 0; s < closing; ++s) {
    step[s] = PairWeight(drawing, base[s], base[s + 1]);
    baseWeight += step[s];
  }

  LightCycle cycle;
  int lightest = INT_MAX;
  const auto weigh = [&](int weight) {
    if (weight < lightest) {
      lightest = weight;
      cycle.Lightest = static_cast<int>(cycle.Weights.size());
    }
    cycle.Weights.push_back(TourTotal(weight));
  };
  for (int i = 0; i < n; ++i) {
    cycle.Variants.push_back(base);
    int weight = baseWeight;
    if (i >= 2 && i < closing) {
      Tour& variant = cycle.Variants.back();
      std::swap(variant[1], variant[i]);
      // Only the steps into and out of the two exchanged places differ from P's.
      const auto restep = [&](int s) {
        weight += PairWeight(drawing, variant[s], variant[s + 1]) - step[s];
      };
      restep(0);
      restep(1);
      if (i > 2) restep(i - 1);
      restep(i);
    }
    weigh(weight);
  }
  Tour order;
  int orderWeight = 0;
  for (int j = 0; j < n; ++j) {
    order.push_back(j);
    if (j > 0) orderWeight += PairWeight(drawing, j - 1, j);
  }
  order.push_back(base[0]);
  orderWeight += PairWeight(drawing, n - 1, base[0]);
  cycle.Variants.push_back(order);
  weigh(orderWeight);
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
