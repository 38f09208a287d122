#pragma once

#include <optional>

#include "core/algorithms/algorithm.h"
#include "core/graph/tour.h"
#include "core/graph/tree.h"
#include "core/lesson/practice_step.h"

namespace tsp {

// The tour of the spanning tree: its vertices in depth-first preorder from A, each vertex's
// children in the order of their tree edges, then A again. A tree without an edge gives A, A.
Tour TreeTour(const SpanningTree& tree);

// Plays the tour a step a tick, each vertex as the tree's next in preorder; nothing when no
// tour was computed.
Animation TreeTourAnimation(const Drawing& drawing, const std::optional<Tour>& tour);
// The tour of the program's spanning tree.
AlgorithmResult RunTreeTour(const Drawing& drawing);

// The tour's vertices after A as practice questions, one a tick (the step back to A is none),
// each with every vertex judged by depth-first preorder: a child not yet visited of the
// deepest vertex on the way back to A that has one. Any such child is allowed; the program
// takes them in the order they joined the tree.
PracticeSteps TreeTourSteps(const Drawing& drawing);

}  // namespace tsp
