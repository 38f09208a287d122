#include "mst/spanning_tree_run.h"

#include "graph/edge_lists.h"
#include "mst/spanning_tree.h"

namespace tsp {

void RunSpanningTreeRepetitions(GraphState& state) {
  for (std::int16_t i = 0; i < state.IterationCount; ++i) BuildSpanningTree(state);
}

AnimationTick MstAnimationTick(GraphState& state) {
  AnimationTick tick;
  const std::int16_t s = state.AnimationStep;
  if (s == 0) {
    state.EdgeListText.clear();
    tick.ClearLists = true;
  }
  // Another animation sharing the step could have pushed it anywhere; every step outside the
  // table ends the run like the one after its last slot.
  if (s < 0 || s >= MstSlots) {
    state.AnimationStep = 0;
    tick.EndMessage = AllDoneMessage;
    return tick;
  }
  if (state.MstLineIds[s] == ListSentinel) {
    tick.EndMessage = SentinelFoundMessage;
    return tick;
  }
  tick.ColourLine = state.MstLineIds[s];
  state.FromVertex = DecodeFrom(state.MstBoxes[s]);
  VertexLetter(state.FromVertex, state.EdgeText);
  state.EdgeText += "--";
  state.ToVertex = DecodeTo(state.MstBoxes[s]);
  VertexLetter(state.ToVertex, state.ToLetter);
  state.EdgeText += state.ToLetter;
  state.EdgeListText += state.EdgeText;
  state.EdgeListText += ",";
  state.AnimationStep = static_cast<std::int16_t>(s + 1);
  return tick;
}

}  // namespace tsp
