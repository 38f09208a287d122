#pragma once

#include <optional>
#include <string>

#include "core/algorithms/algorithm.h"
#include "core/graph/drawing.h"
#include "core/graph/pair_weights.h"
#include "core/graph/tour.h"

namespace tsp {

// Reversing positions I..J of a tour (1 <= I < J <= n - 1) trades the lines before I and after
// J for two new ones; Gain is how much lighter that makes the tour.
struct TwoOptExchange {
  int I = 0;
  int J = 0;
  int Gain = 0;

  bool operator==(const TwoOptExchange&) const = default;
};

struct TwoOptResult {
  std::optional<Tour> Found;
  std::string Reason;  // when there is no tour: why the tree tour cannot be the start
  Tour Start;
  int Exchanges = 0;  // BestExchange from Start, applied this many times, gives Found
};

// The exchange with the largest gain whose two new lines are drawn, ties to the smallest I and
// then J; nothing when none gains. The tour must visit every vertex once, along lines.
std::optional<TwoOptExchange> BestExchange(const PairWeights& graph, const Tour& tour);
void ApplyExchange(Tour& tour, const TwoOptExchange& exchange);

// Applies the best exchange until none gains.
TwoOptResult TwoOptImprove(const PairWeights& graph, const Tour& start);
// The same from the tree tour, which must visit every vertex and have a line at every step.
TwoOptResult TwoOptTour(const Drawing& drawing);

AlgorithmResult RunTwoOpt(const Drawing& drawing);

}  // namespace tsp
