#pragma once

#include "graph/graph_state.h"

namespace tsp {

// Recomputes the tree and its tour P, then weighs n + 1 candidates: P, P again, P with its
// second vertex exchanged with each later one, and the plain vertex order closed at A. The
// first strictly lightest becomes Tour; BaseCycle, BestCycle and BestCycleWeight keep P, the
// winner and its weight, TourWeight the weight of the last candidate.
void BuildLightCycle(GraphState& state);

// The timed part of the light-cycle run: IterationCount light cycles (none when
// IterationCount <= 0).
void RunLightCycleRepetitions(GraphState& state);

}  // namespace tsp
