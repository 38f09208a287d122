#pragma once

#include <optional>
#include <string>

#include "core/algorithms/algorithm.h"
#include "core/graph/pair_weights.h"
#include "core/graph/tour.h"
#include "core/lesson/practice_step.h"

namespace tsp {

// Which vertex goes into the tour next. Nearest: the one outside whose lightest line to a tour
// vertex is lightest; farthest: the one whose lightest line to a tour vertex is heaviest; both
// then take their cheapest place. Cheapest: the vertex and place that add the least weight.
enum class InsertionRule { Nearest, Farthest, Cheapest };

// One vertex put into the tour between two consecutive tour vertices.
struct InsertionStep {
  int Vertex = 0;
  int Place = 0;  // it went between positions Place and Place + 1 of the tour before
  int After = 0;  // the vertices at those positions
  int Before = 0;
  // Nearest and farthest: its lightest line to a tour vertex, and that vertex (the earlier
  // letter on equal weights). Unused by the cheapest rule.
  int Distance = 0;
  int DistanceTo = 0;
  int Increase = 0;  // w(After, Vertex) + w(Vertex, Before) - w(After, Before)
};

// Starts with A, x, A, x joined to A by the lightest line (the heaviest for the farthest rule),
// then inserts one vertex at a time between consecutive tour vertices both joined to it, where
// the increase is least (ties to the earlier place in the tour as written from A; for the
// cheapest rule first to the earlier letter). Ties between vertices go to the earlier letter.
struct InsertionResult {
  std::optional<Tour> Found;
  std::string Reason;  // when there is no tour: the step and the vertex that cannot go in
  int Start = -1;      // x, -1 when A has no line
  FixedList<InsertionStep, MaxVertices> Steps;

  // The tour after the start and the first `inserted` steps.
  Tour TourAfter(std::size_t inserted) const;
};

InsertionResult InsertionTour(const PairWeights& graph, InsertionRule rule);

// The start and every insertion as practice questions, one a tick, each with every vertex
// judged by the rule's choice of the vertex (its place follows from it). Nothing when there is
// no tour.
PracticeSteps InsertionSteps(const Drawing& drawing, InsertionRule rule);
PracticeSteps NearestInsertionSteps(const Drawing& drawing);
PracticeSteps FarthestInsertionSteps(const Drawing& drawing);
PracticeSteps CheapestInsertionSteps(const Drawing& drawing);

AlgorithmResult RunNearestInsertion(const Drawing& drawing);
AlgorithmResult RunFarthestInsertion(const Drawing& drawing);
AlgorithmResult RunCheapestInsertion(const Drawing& drawing);

}  // namespace tsp
