#pragma once

#include <cstdint>

#include "core/graph/drawing.h"
#include "core/algorithms/tree_tour.h"

namespace tsp {

// The weight of a closed tour over its consecutive pairs, 0 for a pair without a line, exactly
// as its animation adds it up.
std::int16_t TourWeight(const Drawing& drawing, const Tour& tour);

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

}  // namespace tsp
