#include "tour/light_cycle.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <utility>

#include "mst/spanning_tree.h"
#include "tour/tour_search.h"

namespace tsp {
namespace {

// A tour of the light cycle: its vertices up to and including the return to the start.
struct Cycle {
  std::array<std::int16_t, MaxVertices + 1> Vertices;
  int Length = 0;
};

// The weight of the pair's line whichever way it was drawn, 0 when none joins them.
std::int16_t PairWeight(const GraphState& state, int from, int to) {
  return state.LineIdOf(from, to) >= 0 ? state.EdgeWeightOf(from, to)
                                       : state.EdgeWeightOf(to, from);
}

// Over the consecutive pairs of the closed tour, exactly as the animation will add them up.
// At most eleven pairs of weights within -101..101: the sum cannot leave 16 bits.
std::int16_t CycleWeight(const GraphState& state, const Cycle& cycle) {
  int weight = 0;
  for (int s = 0; s + 1 < cycle.Length; ++s) {
    weight += PairWeight(state, cycle.Vertices[s], cycle.Vertices[s + 1]);
  }
  assert(weight >= INT16_MIN && weight <= INT16_MAX);
  return static_cast<std::int16_t>(weight);
}

}  // namespace

void BuildLightCycle(GraphState& state) {
  assert(state.VertexCount >= 1 && state.VertexCount <= MaxVertices);
  BuildSpanningTree(state);
  SearchTour(state);

  // P, the spanning-tree tour: its distinct vertices, then the start again.
  Cycle base;
  while (base.Length < TourSlots && state.Tour[base.Length] < ListSentinel) {
    assert(base.Length <= MaxVertices);
    base.Vertices[base.Length] = state.Tour[base.Length];
    ++base.Length;
  }
  assert(base.Length >= 2);
  const int n = state.VertexCount;
  // The last entry of P is its return to the start: exchanges stay in front of it, so for a
  // partial tree neither it nor the sentinel behind it moves into a candidate's middle.
  const int closing = base.Length - 1;

  Cycle best = base;
  std::int16_t bestWeight = 0;
  Cycle candidate = base;
  std::int16_t weight = 0;
  for (int i = 0; i <= n; ++i) {
    weight = CycleWeight(state, candidate);
    // The first candidate is P itself; later ones replace the best only when strictly lighter.
    if (i == 0 || weight < bestWeight) {
      bestWeight = weight;
      best = candidate;
    }
    candidate = base;
    if (i >= n - 1) {
      // The plain vertex order, closed by P's start.
      for (int j = 0; j < n; ++j) candidate.Vertices[j] = static_cast<std::int16_t>(j);
      candidate.Vertices[n] = base.Vertices[0];
      candidate.Length = n + 1;
    } else if (i + 1 < closing) {
      std::swap(candidate.Vertices[1], candidate.Vertices[i + 1]);
    }
  }

  // What the step-by-step weighing leaves behind: the last candidate weighed (the vertex
  // order) in TourWeight and its last pair, P in BaseCycle, the winner in BestCycle and Tour.
  state.TourWeight = weight;
  state.FromVertex = static_cast<std::int16_t>(n - 1);
  state.ToVertex = base.Vertices[0];
  state.BestCycleWeight = bestWeight;
  StoreFront(state.BaseCycle, base.Vertices, base.Length, state.CycleArraysUsed, ListSentinel);
  StoreFront(state.BestCycle, best.Vertices, best.Length, state.CycleArraysUsed, ListSentinel);
  state.CycleArraysUsed = static_cast<std::int16_t>(std::max(base.Length, best.Length));
  StoreFront(state.Tour, best.Vertices, best.Length, state.TourArraysUsed, ListSentinel);
  state.TourArraysUsed = std::max(state.TourArraysUsed, static_cast<std::int16_t>(best.Length));
}

void RunLightCycleRepetitions(GraphState& state) {
  for (state.RunIteration = 0; state.RunIteration < state.IterationCount; ++state.RunIteration) {
    BuildLightCycle(state);
  }
}

}  // namespace tsp
