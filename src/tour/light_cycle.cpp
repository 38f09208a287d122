#include "tour/light_cycle.h"

#include <cassert>
#include <utility>

#include "entry/number_text.h"
#include "graph/edge_lists.h"
#include "mst/spanning_tree.h"
#include "tour/tour_search.h"

namespace tsp {
namespace {

// Weight of the closed tour in Tour over its consecutive pairs, into TourWeight. A pair joined
// by no line adds nothing, exactly as the animation will show it.
void WeighCandidate(GraphState& state) {
  state.TourWeight = 0;
  for (int s = 0; s + 1 < TourSlots && state.Tour[s] < ListSentinel; ++s) {
    if (state.Tour[s + 1] >= ListSentinel) break;
    state.FromVertex = state.Tour[s];
    state.ToVertex = state.Tour[s + 1];
    const std::int16_t weight = state.LineIdOf(state.FromVertex, state.ToVertex) >= 0
                                    ? state.EdgeWeightOf(state.FromVertex, state.ToVertex)
                                    : state.EdgeWeightOf(state.ToVertex, state.FromVertex);
    state.TourWeight = Add16(state.TourWeight, weight);
  }
}

// Index of the closing vertex of a tour: its length without the return to the start.
int ClosingIndex(const TourList& tour) {
  int m = 0;
  while (m + 1 < TourSlots && tour[m + 1] < ListSentinel) ++m;
  return m;
}

}  // namespace

void BuildLightCycle(GraphState& state) {
  assert(state.VertexCount >= 1 && state.VertexCount <= MaxVertices);
  BuildVertexEdgeLists(state);
  BuildSpanningTree(state);
  SearchTour(state);

  const int n = state.VertexCount;
  // A partial tree gives a shorter P: exchanges stay inside it, so its closing vertex and the
  // sentinel behind it never move into the middle of a candidate.
  const int closing = ClosingIndex(state.Tour);
  for (int i = 0; i <= n; ++i) {
    WeighCandidate(state);
    if (i == 0) {
      state.BestCycleWeight = state.TourWeight;
      state.BestCycle = state.Tour;
      state.BaseCycle = state.Tour;
    }
    if (state.BestCycleWeight > state.TourWeight) {
      state.BestCycleWeight = state.TourWeight;
      state.BestCycle = state.Tour;
    }
    state.Tour = state.BaseCycle;
    if (i >= n - 1) {
      for (int j = 0; j < n; ++j) state.Tour[j] = static_cast<std::int16_t>(j);
      state.Tour[n] = state.BaseCycle[0];
      for (int j = n + 1; j < TourSlots; ++j) state.Tour[j] = ListSentinel;
    } else if (i + 1 < closing) {
      std::swap(state.Tour[1], state.Tour[i + 1]);
    }
  }
  state.Tour = state.BestCycle;
}

void RunLightCycleRepetitions(GraphState& state) {
  for (state.RunIteration = 0; state.RunIteration < state.IterationCount; ++state.RunIteration) {
    BuildVertexEdgeLists(state);
    BuildLightCycle(state);
  }
}

}  // namespace tsp
