#pragma once

#include "graph/animation.h"
#include "graph/graph_state.h"

namespace tsp {

// The timed part of the spanning-tree run: IterationCount times the whole tree computation
// (each repetition computes the same tree; nothing at all when IterationCount <= 0).
void RunSpanningTreeRepetitions(GraphState& state);

// One tick of the spanning-tree animation: the edge in slot AnimationStep is listed as
// "X--Y," in EdgeListText and its line is to be coloured; the sentinel slot ends the run.
AnimationTick MstAnimationTick(GraphState& state);

}  // namespace tsp
