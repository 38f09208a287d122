#include <cassert>
#include <utility>

#include "entry/number_text.h"
#include "oracle/oracle.h"

namespace tsp::oracle {

namespace {

bool IsVertex(int v) {
  return v >= 0 && v < MaxVertices;
}

// Every access to a tour array goes through these: a read beyond the array counts as the
// sentinel, a write beyond it is dropped.
std::int16_t At(const TourList& list, int i) {
  return i >= 0 && i < TourSlots ? list[i] : ListSentinel;
}
void Put(TourList& list, int i, std::int16_t value) {
  if (i >= 0 && i < TourSlots) list[i] = value;
}

int LowestOpenEdge(const TourList& work) {
  for (int e = 0; e < TourSlots; ++e) {
    if (work[e] >= 0 && work[e] < ListSentinel) return e;
  }
  return -1;
}

bool HeadsGroup(const TourList& lists, std::int16_t vertex) {
  for (int i = 1; i < TourSlots; ++i) {
    if (lists[i] == vertex && lists[i - 1] == GroupEnd) return true;
  }
  return false;
}

bool Occurs(const TourList& lists, std::int16_t vertex, int end) {
  for (int i = 1; i < end; ++i) {
    if (lists[i] == vertex) return true;
  }
  return false;
}

void ReadNext(WalkState& walk) {
  walk.NextEntry = At(walk.ChildLists, walk.ListPosition + 1);
  walk.NextMark = At(walk.ChildListMarks, walk.ListPosition + 1);
}

constexpr int WalkCapacity = TourSlots - 1;

}  // namespace

void BuildChildLists(GraphState& state) {
  TourList& work = state.EdgeWork;
  TourList& lists = state.ChildLists;
  for (int i = 0; i < TourSlots; ++i) work[i] = i < MstSlots ? state.MstBoxes[i] : ListSentinel;
  // Zero is what AppendLeafGroups expects behind the groups; clearing drops every group of
  // an earlier tree.
  lists.fill(0);
  if (work[0] < 0 || work[0] >= ListSentinel) {
    // No tree edge: decoding the sentinel would make up a parent 20 and a walk without end.
    lists[0] = 0;
    lists[1] = GroupEnd;
    return;
  }

  int k = 0;
  int e = 0;
  std::int16_t parent = DecodeFrom(work[e]);
  std::int16_t child = DecodeTo(work[e]);
  for (;;) {
    Put(lists, k, parent);
    ++k;
    Put(lists, k, child);
    work[e] = GroupEnd;
    if (k >= WalkCapacity) return;
    for (int i = 1; i < TourSlots && work[i] < ListSentinel; ++i) {
      // A consumed entry decodes to parent -1 and never matches.
      if (DecodeFrom(work[i]) == parent) {
        ++k;
        Put(lists, k, DecodeTo(work[i]));
        work[i] = GroupEnd;
      }
    }
    ++k;
    Put(lists, k, GroupEnd);
    e = LowestOpenEdge(work);
    if (e < 0) return;
    parent = DecodeFrom(work[e]);
    child = DecodeTo(work[e]);
    ++k;
  }
}

void AppendLeafGroups(GraphState& state) {
  TourList& lists = state.ChildLists;
  int end = -1;
  for (int i = 2; i < TourSlots; ++i) {
    if (lists[i] == 0 && lists[i - 1] == GroupEnd) {
      end = i;
      break;
    }
  }
  if (end < 0) return;
  const int listed = end;
  // Every vertex the tree reached, also one beyond the vertex count that a hidden box joined,
  // so that the walk enters and leaves each of them. Only reached ones: an empty group for any
  // other vertex would be walked into by nobody and keep the walk from ever completing.
  for (std::int16_t v = 1; v < MaxVertices; ++v) {
    if (HeadsGroup(lists, v) || !Occurs(lists, v, listed)) continue;
    Put(lists, end, v);
    Put(lists, end + 1, GroupEnd);
    end += 2;
  }
}

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

void SearchTour(GraphState& state) {
  BuildChildLists(state);
  AppendLeafGroups(state);
  state.WeightListText.clear();
  state.EdgeListText.clear();
  state.ChildListMarks.fill(ListSentinel);
  state.TreeWalk.fill(ListSentinel);
  state.VertexUsed.fill(ListSentinel);
  state.Tour.fill(ListSentinel);
  WalkSpanningTree(state.ChildLists, state.ChildListMarks, state.TreeWalk);
  ShortcutWalk(state, state.VertexUsed, state.TreeWalk);
}

void RunTourRepetitions(GraphState& state) {
  for (state.RunIteration = 0; state.RunIteration < state.IterationCount; ++state.RunIteration) {
    SearchTour(state);
  }
}

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

}  // namespace tsp::oracle
