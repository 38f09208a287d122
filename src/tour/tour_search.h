#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "graph/animation.h"
#include "graph/graph_state.h"

namespace tsp {

// Groups the tree edges of MstBoxes by parent into ChildLists (parent, children in edge order,
// -1), the groups in the order in which their parents first appear. ChildLists is cleared
// first so that no group of an earlier tree survives. A tree without an edge gives the single
// group "0, -1". MstBoxes must hold the edges as BuildSpanningTree leaves them: codes from
// slot 0 on, then the sentinel in every slot behind them.
void BuildChildLists(GraphState& state);

// Appends an empty group (vertex, -1) for every vertex below VertexCount that the tree reached
// and that heads no group, so that the last appearance of every leaf is a group of its own.
void AppendLeafGroups(GraphState& state);

// Walks the tree depth first from the head of the first group into treeWalk, returning to the
// parent after each subtree, and leaves in childListMarks the marks of the finished walk. A
// root without a child gives a walk of the root alone. Lists in which a reached vertex heads
// no group (a vertex at or beyond VertexCount kept by a hidden box) are walked the long way,
// group by group, which is what defines the walk for them.
void WalkSpanningTree(TourList& childLists, TourList& childListMarks, TourList& treeWalk);

// Keeps the first appearance of every vertex of treeWalk and closes the tour at its start:
// Tour = the vertices in order, the first one again, then the sentinel.
void ShortcutWalk(GraphState& state, TourList& vertexUsed, TourList& treeWalk);

// One tour search on the stored tree, with the resets that precede it in a run: the four steps
// above, done in one go over the tree's few groups when every vertex the tree reached heads a
// group (always, unless hidden boxes kept edges to vertices at or beyond VertexCount).
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
