#include "tour/tour_search.h"

#include <algorithm>
#include <cassert>

#include "entry/number_text.h"
#include "graph/edge_lists.h"

namespace tsp {
namespace {

// A read beyond the tour array counts as the sentinel.
std::int16_t At(const TourList& list, int i) {
  return i >= 0 && i < TourSlots ? list[i] : ListSentinel;
}

}  // namespace

void SearchTour(GraphState& state) {
  state.WeightListText.clear();
  state.EdgeListText.clear();
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
    // A tree grown from A brings every vertex in once, and A never.
    assert((reached >> child & 1u) == 0 && child != 0);
    children[parent][childCount[parent]++] = static_cast<std::int8_t>(child);
    reached |= 1u << child;
  }
  if (e == 0) {
    // No tree edge: the root alone, closed at once.
    const std::array<std::int16_t, 2> lists{0, GroupEnd};
    const std::array<std::int16_t, 1> walk{0};
    const std::array<std::int16_t, 2> tour{0, 0};
    const int used = state.TourArraysUsed;
    StoreFront(state.ChildLists, lists, 2, used, 0);
    StoreFront(state.TreeWalk, walk, 1, used, ListSentinel);
    StoreFront(state.Tour, tour, 2, used, ListSentinel);
    state.TourArraysUsed = 2;
    return;
  }
  assert(parents[0] == 0);
  unsigned heads = 0;
  for (int g = 0; g < parentCount; ++g) heads |= 1u << parents[g];
  // Every reached vertex that heads no group gets an empty one, so the walk enters and leaves
  // it like any other leaf.
  const unsigned leaves = reached & ~heads;

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
  for (int v = 1; v < MaxVertices; ++v) {
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
