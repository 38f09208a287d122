#pragma once

#include <cstdint>

#include "graph/animation.h"
#include "graph/graph_state.h"

namespace tsp {

// The state of one walk over the child lists. Its flags start afresh on every walk.
struct WalkState {
  TourList& ChildLists;
  TourList& ChildListMarks;
  TourList& TreeWalk;
  std::int16_t CurrentVertex = 0;
  int ListPosition = 0;
  int WalkIndex = 0;
  std::int16_t NextEntry = 0;
  std::int16_t NextMark = 0;
  bool Finished = false;
  bool Complete = false;
  bool Found = false;
};

// Groups the tree edges of MstBoxes by parent into ChildLists (parent, children in edge order,
// -1), consuming them in EdgeWork. ChildLists is cleared first so that no group of an earlier
// tree survives. A tree without an edge gives the single group "0, -1".
void BuildChildLists(GraphState& state);

// Appends an empty group (vertex, -1) for every vertex the tree reached that heads no group,
// so that the last appearance of every leaf is a group of its own.
void AppendLeafGroups(GraphState& state);

// Walks the tree depth first from the head of the first group into treeWalk, returning to the
// parent after each subtree. A root without a child gives a walk of the root alone.
void WalkSpanningTree(TourList& childLists, TourList& childListMarks, TourList& treeWalk);

void FindVertexGroup(WalkState& walk);
void NextUnvisitedChild(WalkState& walk);
void MarkVertexFinished(WalkState& walk);
void CheckWalkComplete(WalkState& walk);
void StepBackToParent(WalkState& walk);

// Keeps the first appearance of every vertex of treeWalk and closes the tour at its start:
// Tour = the vertices in order, the first one again, then the sentinel.
void ShortcutWalk(GraphState& state, TourList& vertexUsed, TourList& treeWalk);

// One tour search on the stored tree, with the resets that precede it in a run.
void SearchTour(GraphState& state);

// The timed part of the tour run: IterationCount searches (none when IterationCount <= 0).
void RunTourRepetitions(GraphState& state);

// One tick of the tour animation (shared by the tour run and the light cycle): lists the pair
// Tour[s], Tour[s + 1], colours its line, if any, and adds its weight.
AnimationTick TourAnimationTick(GraphState& state);

}  // namespace tsp
