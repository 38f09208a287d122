#pragma once

#include <optional>
#include <string>

#include "core/algorithms/algorithm.h"
#include "core/algorithms/line_order.h"
#include "core/graph/drawing.h"
#include "core/graph/tour.h"
#include "core/graph/tree.h"

namespace tsp {

// Christofides' tour: the program's spanning tree, the lightest perfect matching of its
// odd-degree vertices over lines (among equal weights the one whose sorted list of pairs comes
// first), an Euler circuit of both by Hierholzer's algorithm from A, and shortcuts to first
// visits.
struct ChristofidesResult {
  std::optional<Tour> Found;
  std::string Reason;  // when there is no tour: the phase and the vertex or pair that stops it
  SpanningTree Tree;
  FixedList<WeightedLine, MaxVertices / 2> Matching;  // sorted by their first, then second letter
  // The closed circuit over the tree's and the matching's edges, A first and last.
  FixedList<int, MaxVertices + MaxVertices / 2> Circuit;
};

ChristofidesResult ChristofidesTour(const Drawing& drawing);

AlgorithmResult RunChristofides(const Drawing& drawing);

}  // namespace tsp
