#include "tour/tour_search.h"

#include <algorithm>
#include <cassert>

#include "entry/number_text.h"
#include "graph/edge_lists.h"

namespace tsp {
namespace {

bool IsVertex(int v) {
  return v >= 0 && v < MaxVertices;
}

// Every access to a tour array of the group-by-group walk goes through these: a read beyond
// the array counts as the sentinel, a write beyond it is dropped.
std::int16_t At(const TourList& list, int i) {
  return i >= 0 && i < TourSlots ? list[i] : ListSentinel;
}
void Put(TourList& list, int i, std::int16_t value) {
  if (i >= 0 && i < TourSlots) list[i] = value;
}

constexpr int WalkCapacity = TourSlots - 1;

// The state of one group-by-group walk. Its flags start afresh on every walk.
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

void ReadNext(WalkState& walk) {
  walk.NextEntry = At(walk.ChildLists, walk.ListPosition + 1);
  walk.NextMark = At(walk.ChildListMarks, walk.ListPosition + 1);
}

void FindVertexGroup(WalkState& walk) {
  const TourList& lists = walk.ChildLists;
  for (int j = 1; j < TourSlots; ++j) {
    if (lists[j] != walk.CurrentVertex) continue;
    walk.ListPosition = j;
    const std::int16_t next = At(lists, j + 1);
    if (lists[j - 1] == GroupEnd && next >= 0 && next < ListSentinel) return;
  }
}

void NextUnvisitedChild(WalkState& walk) {
  walk.Found = false;
  for (int p = walk.ListPosition + 1; p < TourSlots; ++p) {
    const std::int16_t entry = walk.ChildLists[p];
    if (entry >= 0 && entry < ListSentinel && walk.ChildListMarks[p] == 0) {
      walk.CurrentVertex = entry;
      walk.Found = true;
      return;
    }
    if (entry == GroupEnd) return;
  }
}

void MarkVertexFinished(WalkState& walk) {
  for (int i = 0; i < TourSlots; ++i) {
    if (walk.ChildLists[i] == walk.CurrentVertex) walk.ChildListMarks[i] = 1;
  }
}

void CheckWalkComplete(WalkState& walk) {
  walk.Complete = true;
  for (std::int16_t mark : walk.ChildListMarks) {
    if (mark == 0) walk.Complete = false;
  }
}

void StepBackToParent(WalkState& walk) {
  for (int j = 1; j < TourSlots; ++j) {
    if (walk.TreeWalk[j] == walk.CurrentVertex) {
      walk.CurrentVertex = walk.TreeWalk[j - 1];
      break;
    }
  }
  const TourList& lists = walk.ChildLists;
  if (lists[0] == walk.CurrentVertex) {
    walk.ListPosition = 0;
    return;
  }
  for (int j = 1; j < TourSlots; ++j) {
    if (lists[j] == walk.CurrentVertex && lists[j - 1] == GroupEnd) {
      walk.ListPosition = j;
      return;
    }
  }
}

// Where the groups of ChildLists end: the first 0 behind a group end (index 2 or more).
int GroupsEnd(const TourList& lists) {
  for (int i = 2; i < TourSlots; ++i) {
    if (lists[i] == 0 && lists[i - 1] == GroupEnd) return i;
  }
  return -1;
}

}  // namespace

void WalkSpanningTree(TourList& childLists, TourList& childListMarks, TourList& treeWalk) {
  WalkState walk{childLists, childListMarks, treeWalk};
  childListMarks.fill(ListSentinel);
  treeWalk.fill(ListSentinel);
  for (int i = 0; i < TourSlots; ++i) {
    if (childLists[i] < ListSentinel) childListMarks[i] = childLists[i] == GroupEnd ? GroupEnd : 0;
  }
  walk.CurrentVertex = childLists[0];
  treeWalk[0] = childLists[0];
  if (!IsVertex(childLists[1])) return;  // the root has no child: nothing to walk

  walk.ListPosition = 1;
  walk.CurrentVertex = childLists[1];
  FindVertexGroup(walk);
  walk.CurrentVertex = At(childLists, walk.ListPosition);
  walk.WalkIndex = 1;
  for (;;) {
    Put(treeWalk, walk.WalkIndex, walk.CurrentVertex);
    ReadNext(walk);
    if (walk.Complete) return;
    walk.Finished = false;
    while (!walk.Finished) {
      if (walk.NextEntry == GroupEnd) {
        MarkVertexFinished(walk);
        walk.Finished = true;
      } else if (IsVertex(walk.NextEntry) && walk.NextMark == 0) {
        ++walk.WalkIndex;
        Put(treeWalk, walk.WalkIndex, walk.NextEntry);
        walk.CurrentVertex = walk.NextEntry;
      } else if (IsVertex(walk.NextEntry) && walk.NextMark == 1) {
        NextUnvisitedChild(walk);
        if (!walk.Found) {
          MarkVertexFinished(walk);
          walk.Finished = true;
        } else {
          ++walk.WalkIndex;
          Put(treeWalk, walk.WalkIndex, walk.CurrentVertex);
        }
      } else {
        // Not a child and not a group end: the lists are not those of a tree. Finishing the
        // vertex keeps the walk finite.
        MarkVertexFinished(walk);
        walk.Finished = true;
      }
      if (walk.Finished) break;
      if (walk.WalkIndex >= WalkCapacity) return;
      FindVertexGroup(walk);
      walk.CurrentVertex = At(childLists, walk.ListPosition);
      ReadNext(walk);
    }
    CheckWalkComplete(walk);
    if (walk.Complete || walk.WalkIndex >= WalkCapacity) return;
    StepBackToParent(walk);
    walk.CurrentVertex = At(childLists, walk.ListPosition);
    ++walk.WalkIndex;
  }
}

void BuildChildLists(GraphState& state) {
  TourList& lists = state.ChildLists;
  // Zero is what AppendLeafGroups expects behind the groups; clearing drops every group of
  // an earlier tree.
  lists.fill(0);
  std::array<std::int8_t, MaxVertices> childCount{};
  std::array<std::array<std::int8_t, MaxVertices>, MaxVertices> children;
  std::array<std::int8_t, MaxVertices> parents;
  int parentCount = 0;
  int e = 0;
  for (; e < MstSlots && state.MstBoxes[e] >= 0 && state.MstBoxes[e] < ListSentinel; ++e) {
    const std::int16_t parent = DecodeFrom(state.MstBoxes[e]);
    if (childCount[parent] == 0) parents[parentCount++] = static_cast<std::int8_t>(parent);
    assert(childCount[parent] < MaxVertices);
    children[parent][childCount[parent]++] = static_cast<std::int8_t>(DecodeTo(state.MstBoxes[e]));
  }
  if (e == 0) {
    // No tree edge: decoding the sentinel would make up a parent 20 and a walk without end.
    lists[1] = GroupEnd;
    return;
  }
  int k = 0;
  for (int g = 0; g < parentCount; ++g) {
    const int parent = parents[g];
    lists[k++] = static_cast<std::int16_t>(parent);
    for (int c = 0; c < childCount[parent]; ++c) lists[k++] = children[parent][c];
    lists[k++] = GroupEnd;
  }
}

void AppendLeafGroups(GraphState& state) {
  TourList& lists = state.ChildLists;
  int end = GroupsEnd(lists);
  if (end < 0 || state.VertexCount <= 1) return;
  // Behind the groups the lists hold zeros only, so the groups tell everything.
  unsigned heads = 0;
  unsigned occurs = 0;
  for (int i = 1; i < end; ++i) {
    if (!IsVertex(lists[i])) continue;
    occurs |= 1u << lists[i];
    if (lists[i - 1] == GroupEnd) heads |= 1u << lists[i];
  }
  for (std::int16_t v = 1; v < state.VertexCount; ++v) {
    // Only vertices the tree reached: an empty group for any other vertex would be walked
    // into by nobody and keep the walk from ever completing.
    if ((heads >> v & 1u) != 0 || (occurs >> v & 1u) == 0) continue;
    Put(lists, end, v);
    Put(lists, end + 1, GroupEnd);
    end += 2;
  }
}

void ShortcutWalk(GraphState& state, TourList& vertexUsed, TourList& treeWalk) {
  vertexUsed.fill(0);
  int m = 0;
  for (std::int16_t x : treeWalk) {
    if (x < 0 || x >= TourSlots) break;
    if (vertexUsed[x] == 0) {
      Put(state.Tour, m, x);
      ++m;
      vertexUsed[x] = 1;
    }
  }
  Put(state.Tour, m, At(state.Tour, 0));
  for (int i = m + 1; i < TourSlots; ++i) state.Tour[i] = ListSentinel;
}

namespace {

// The tour search on the groups of a tree, without the 200-entry arrays: false, leaving the
// state as it was, when a reached vertex would head no group.
bool SearchTreeTour(GraphState& state) {
  const int n = state.VertexCount;
  std::array<std::int8_t, MaxVertices> childCount{};
  std::array<std::array<std::int8_t, MaxVertices>, MaxVertices> children;
  std::array<std::int8_t, MaxVertices> parents;
  int parentCount = 0;
  unsigned reached = 0;
  int e = 0;
  for (; e < MstSlots && state.MstBoxes[e] >= 0 && state.MstBoxes[e] < ListSentinel; ++e) {
    const std::int16_t parent = DecodeFrom(state.MstBoxes[e]);
    const std::int16_t child = DecodeTo(state.MstBoxes[e]);
    if (childCount[parent] == 0) parents[parentCount++] = static_cast<std::int8_t>(parent);
    if ((reached >> child & 1u) != 0) return false;
    children[parent][childCount[parent]++] = static_cast<std::int8_t>(child);
    reached |= 1u << child;
  }
  if (e == 0 || parents[0] != 0 || (reached & 1u) != 0) return false;
  unsigned heads = 0;
  for (int g = 0; g < parentCount; ++g) heads |= 1u << parents[g];
  // Every group but the root's belongs to a vertex the walk gets to.
  if ((heads & ~reached & ~1u) != 0) return false;
  // Leaves below the vertex count get an empty group; a leaf beyond it would not.
  const unsigned leaves = reached & ~heads;
  if ((leaves >> n) != 0) return false;

  std::array<std::int16_t, 3 * MaxVertices> lists;
  std::array<std::int16_t, MaxVertices> groupStart;
  int length = 0;
  for (int g = 0; g < parentCount; ++g) {
    const int parent = parents[g];
    groupStart[parent] = static_cast<std::int16_t>(length);
    lists[length++] = static_cast<std::int16_t>(parent);
    for (int c = 0; c < childCount[parent]; ++c) lists[length++] = children[parent][c];
    lists[length++] = GroupEnd;
  }
  for (int v = 1; v < n; ++v) {
    if ((leaves >> v & 1u) == 0) continue;
    groupStart[v] = static_cast<std::int16_t>(length);
    lists[length++] = static_cast<std::int16_t>(v);
    lists[length++] = GroupEnd;
  }

  // Depth first: enter each child in group order, come back to the parent after its subtree.
  // The tour keeps every vertex where it is first entered.
  std::array<std::int16_t, 2 * MaxVertices> walk;
  std::array<std::int16_t, MaxVertices + 1> tour;
  std::array<std::int16_t, MaxVertices> pathVertex;
  std::array<std::int16_t, MaxVertices> pathNext;  // list position of the next child
  int depth = 0;
  pathVertex[0] = 0;
  pathNext[0] = 1;
  int w = 1;
  int t = 1;
  walk[0] = 0;
  tour[0] = 0;
  for (;;) {
    const std::int16_t child = lists[pathNext[depth]];
    if (child != GroupEnd) {
      ++pathNext[depth];
      walk[w++] = child;
      tour[t++] = child;
      ++depth;
      pathVertex[depth] = child;
      pathNext[depth] = static_cast<std::int16_t>(groupStart[child] + 1);
      continue;
    }
    if (depth == 0) break;
    --depth;
    walk[w++] = pathVertex[depth];
  }
  tour[t++] = tour[0];

  const int used = state.TourArraysUsed;
  StoreFront(state.ChildLists, lists, length, used, 0);
  StoreFront(state.TreeWalk, walk, w, used, ListSentinel);
  StoreFront(state.Tour, tour, t, used, ListSentinel);
  state.TourArraysUsed = static_cast<std::int16_t>(std::max({length, w, t}));
  return true;
}

}  // namespace

void SearchTour(GraphState& state) {
  state.WeightListText.clear();
  state.EdgeListText.clear();
  if (SearchTreeTour(state)) return;
  BuildChildLists(state);
  AppendLeafGroups(state);
  // The walk and the shortcut rewrite all 200 entries of the arrays they fill, so the run's
  // reset of them to the sentinel would be overwritten at once.
  WalkSpanningTree(state.ChildLists, state.ChildListMarks, state.TreeWalk);
  ShortcutWalk(state, state.VertexUsed, state.TreeWalk);
  state.TourArraysUsed = TourSlots;
}

void RunTourRepetitions(GraphState& state) {
  for (state.RunIteration = 0; state.RunIteration < state.IterationCount; ++state.RunIteration) {
    SearchTour(state);
  }
}

AnimationTick TourAnimationTick(GraphState& state) {
  AnimationTick tick;
  const std::int16_t s = state.AnimationStep;
  if (s == 0) {
    state.WeightListText.clear();
    state.EdgeListText.clear();
    tick.ClearLists = true;
  }
  // A step pushed outside the played range by another animation ends the run as step 100 does.
  if (s < 0 || s >= MstSlots) {
    state.AnimationStep = 0;
    tick.EndMessage = AllDoneMessage;
    return tick;
  }
  if (state.Tour[s] >= ListSentinel) {
    tick.EndMessage = SentinelFoundMessage;
    tick.ShowTourWeight = true;
    return tick;
  }
  state.FromVertex = state.Tour[s];
  VertexLetter(state.FromVertex, state.EdgeText);
  state.EdgeText += "--";
  if (At(state.Tour, s + 1) >= ListSentinel) {
    tick.EndMessage = EndReachedMessage;
    tick.ShowTourWeight = true;
    return tick;
  }
  state.ToVertex = state.Tour[s + 1];
  VertexLetter(state.ToVertex, state.ToLetter);
  state.EdgeText += state.ToLetter;
  state.EdgeListText += state.EdgeText;
  state.EdgeListText += ",";

  const std::int16_t from = state.FromVertex;
  const std::int16_t to = state.ToVertex;
  std::int16_t line = state.LineIdOf(from, to);
  std::int16_t weight = state.EdgeWeightOf(from, to);
  if (line < 0) {
    line = state.LineIdOf(to, from);
    weight = state.EdgeWeightOf(to, from);
  }
  if (line >= 0) {
    tick.ColourLine = line;
    state.WeightListText += IntText(weight);
    state.WeightListText += "**";
    state.TourWeight = Add16(state.TourWeight, weight);
  }
  state.AnimationStep = static_cast<std::int16_t>(s + 1);
  return tick;
}

}  // namespace tsp
