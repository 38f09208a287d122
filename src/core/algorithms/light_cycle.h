#pragma once

#include <cstdint>

#include "core/algorithms/algorithm.h"
#include "core/algorithms/tour_result.h"
#include "core/algorithms/tree_tour.h"

namespace tsp {

// The light cycle: the spanning tree's tour P and n other variants, the lightest of them kept.
struct LightCycle {
  // P, P again, P with its second vertex exchanged with each later one (the return to the start
  // never moves), and the plain vertex order closed at A: n + 1 variants for n vertices.
  FixedList<Tour, MaxVertices + 1> Variants;
  FixedList<std::int16_t, MaxVertices + 1> Weights;
  int Lightest = 0;  // the first variant that no later one is strictly lighter than

  const Tour& Best() const { return Variants[Lightest]; }
};

LightCycle BuildLightCycle(const Drawing& drawing);

// Plays the lightest variant, saying before every step which variant won; nothing when no
// cycle was computed.
Animation LightCycleAnimation(const Drawing& drawing, const std::optional<LightCycle>& cycle);
AlgorithmResult RunLightCycle(const Drawing& drawing);

}  // namespace tsp
