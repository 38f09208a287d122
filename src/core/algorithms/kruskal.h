#pragma once

#include "core/algorithms/algorithm.h"
#include "core/graph/drawing.h"
#include "core/graph/tree.h"
#include "core/lesson/practice_step.h"

namespace tsp {

// Kruskal's algorithm over the listed lines among the drawing's vertices: the lines by weight,
// ties to the pair written with the earlier letter first; a line is taken when it joins two
// separate parts. Edges in the order taken, each written with the earlier letter first;
// VertexCount is the size of A's part, so the tree spans when it is the vertex count. On a
// graph in several parts the edges form one tree per part.
SpanningTree KruskalTree(const Drawing& drawing);

AlgorithmResult RunKruskal(const Drawing& drawing);

// The edges as practice questions, one a tick, each with every line among the drawing's
// vertices judged by the rule: the lightest line left that joins two separate parts.
PracticeSteps KruskalSteps(const Drawing& drawing);

}  // namespace tsp
