#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <string_view>

#include "core/graph/colour.h"
#include "core/graph/drawing.h"
#include "core/graph/tour.h"
#include "core/graph/tree.h"
#include "core/lesson/animation.h"

namespace tsp {

// A tree algorithm gives a spanning tree, a tour algorithm a closed tour through every vertex,
// a bound a value that no closed tour through every vertex goes below.
enum class AlgorithmKind { Tree, Tour, Bound };

// The smallest k with 2^k >= n, exactly, for the known factors that grow with the vertex count.
constexpr int CeilLog2(int n) {
  assert(n >= 1);
  int log = 0;
  while ((1 << log) < n) ++log;
  return log;
}

// The factor by which the algorithm's tour is known never to exceed the optimum on graphs where
// every pair is joined, no weight is negative and every triangle holds.
struct KnownFactor {
  double (*Of)(int vertexCount) = nullptr;  // nullptr where none is known
  std::string_view Formula;                 // as shown, in UTF-8: "½⌈log₂ n⌉ + ½"
  std::string_view Source;                  // "Christofides 1976"

  bool Known() const { return Of != nullptr; }
};

// What an algorithm finds on one drawing, with the animation that plays it, one sentence a tick.
struct AlgorithmResult {
  // Tree algorithms: the edges in the order taken, and the vertices they reach.
  SpanningTree Tree;
  // Tour algorithms: the closed tour from A; empty when the algorithm cannot go on.
  std::optional<Tour> FoundTour;
  // Bounds: the value; empty when there is none.
  std::optional<double> Bound;
  // The weight of the tree or of the tour.
  int Weight = 0;
  // Steps of the tour between two vertices that no line joins (they count 0).
  int MissingPairs = 0;
  // Why there is no tour or bound: a sentence that names the vertex and the step.
  std::string Reason;
  Animation Play;
};

// One algorithm as every window, the report and the tools know it.
struct AlgorithmRow {
  std::string_view Id;    // in the JSON report and on the command line: "nearest_neighbour"
  std::string_view Name;  // as shown: "Nearest neighbour"
  AlgorithmKind Kind;
  Rgb Colour;
  KnownFactor Factor;
  AlgorithmResult (*Run)(const Drawing& drawing);
};

}  // namespace tsp
