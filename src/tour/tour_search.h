#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>

#include "graph/animation.h"
#include "graph/graph_state.h"

namespace tsp {

// One tour search on the stored tree: the tree edges of MstBoxes grouped by parent into
// ChildLists (parent, children in edge order, -1; groups in the order their parents first
// appear, then an empty group for every other vertex the tree reached), the depth-first walk
// from A into TreeWalk that returns to the parent after each subtree, and Tour = the walk's
// vertices at their first appearance, A again, then the sentinel. A tree without an edge gives
// the tour A, A. Also empties the run's edge and weight list texts. MstBoxes must hold the
// edges as BuildSpanningTree leaves them: codes from slot 0 on, then the sentinel behind them.
void SearchTour(GraphState& state);

// Writes front[0..length) into list and rest behind it up to used, the index from which the
// list holds rest already.
template <std::size_t N>
void StoreFront(TourList& list, const std::array<std::int16_t, N>& front, int length, int used,
                std::int16_t rest) {
  assert(length >= 0 && length <= static_cast<int>(N) && used >= 0 && used <= TourSlots);
  std::copy_n(front.begin(), length, list.begin());
  if (used > length) std::fill(list.begin() + length, list.begin() + used, rest);
}

// The timed part of the tour run: IterationCount searches (none when IterationCount <= 0).
void RunTourRepetitions(GraphState& state);

// One tick of the tour animation (shared by the tour run and the light cycle): lists the pair
// Tour[s], Tour[s + 1], colours its line, if any, and adds its weight.
AnimationTick TourAnimationTick(GraphState& state);

}  // namespace tsp
