#include "core/algorithms/two_opt.h"

#include <algorithm>
#include <cassert>

#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tour_result.h"
#include "core/algorithms/tree_tour.h"
#include "core/lesson/narration.h"

namespace tsp {

std::optional<TwoOptExchange> BestExchange(const PairWeights& graph, const Tour& tour) {
  const int n = graph.VertexCount;
  assert(static_cast<int>(tour.size()) == (n == 1 ? 1 : n + 1));
  std::optional<TwoOptExchange> best;
  for (int i = 1; i + 1 < n; ++i) {
    const auto& before = graph.Between(tour[i - 1], tour[i]);
    assert(before.has_value());
    for (int j = i + 1; j < n; ++j) {
      const auto& after = graph.Between(tour[j], tour[j + 1]);
      const auto& first = graph.Between(tour[i - 1], tour[j]);
      const auto& second = graph.Between(tour[i], tour[j + 1]);
      assert(after.has_value());
      if (!first || !second) continue;
      const int gain = *before + *after - *first - *second;
      if (gain > 0 && (!best || gain > best->Gain)) best = TwoOptExchange{i, j, gain};
    }
  }
  return best;
}

void ApplyExchange(Tour& tour, const TwoOptExchange& exchange) {
  assert(exchange.I >= 1 && exchange.I < exchange.J &&
         static_cast<std::size_t>(exchange.J) + 1 < tour.size());
  std::reverse(tour.begin() + exchange.I, tour.begin() + exchange.J + 1);
}

namespace {

[[maybe_unused]] bool VisitsEveryVertexAlongLines(const PairWeights& graph, const Tour& tour) {
  const int n = graph.VertexCount;
  if (n == 1) return tour == Tour{0};
  if (static_cast<int>(tour.size()) != n + 1 || tour[0] != 0 || tour[n] != 0) return false;
  unsigned seen = 0;
  for (int s = 0; s < n; ++s) {
    if (!graph.Between(tour[s], tour[s + 1])) return false;
    seen |= 1u << tour[s];
  }
  return seen == (1u << n) - 1;
}

}  // namespace

TwoOptResult TwoOptImprove(const PairWeights& graph, const Tour& start) {
  assert(VisitsEveryVertexAlongLines(graph, start));
  TwoOptResult result;
  result.Start = start;
  Tour tour = start;
  // Every exchange makes the tour at least 1 lighter, so this ends.
  while (const auto exchange = BestExchange(graph, tour)) {
    ApplyExchange(tour, *exchange);
    ++result.Exchanges;
  }
  result.Found = tour;
  return result;
}

TwoOptResult TwoOptTour(const Drawing& drawing) {
  const int n = drawing.VertexCount();
  assert(n >= 1 && n <= MaxVertices);
  const PairWeights graph = PairWeightsOf(drawing);
  if (n == 1) return TwoOptImprove(graph, Tour{0});
  const Tour start = TreeTour(BuildSpanningTree(drawing));
  unsigned visited = 0;
  for (int v : start) visited |= 1u << v;
  for (int v = 1; v < n; ++v) {
    if ((visited >> v & 1u) == 0) {
      TwoOptResult result;
      result.Start = start;
      result.Reason =
          "The tree tour does not visit " + VertexName(v) + ", so 2-opt has no tour to start from.";
      return result;
    }
  }
  for (std::size_t s = 0; s + 1 < start.size(); ++s) {
    if (!graph.Between(start[s], start[s + 1])) {
      TwoOptResult result;
      result.Start = start;
      result.Reason = "The tree tour's step from " + VertexName(start[s]) + " to " +
                      VertexName(start[s + 1]) +
                      " has no line, so 2-opt has no tour to start from.";
      return result;
    }
  }
  return TwoOptImprove(graph, start);
}

AlgorithmResult RunTwoOpt(const Drawing& drawing) {
  const TwoOptResult found = TwoOptTour(drawing);
  AlgorithmResult result = TourOutcome(drawing, found.Found, found.Reason);
  if (!found.Found || found.Start.size() < 2) return result;

  Animation& play = result.Play;
  play.Steps.clear();
  const PairWeights graph = PairWeightsOf(drawing);
  Tour tour = found.Start;
  play.Frames.push_back(TourSteps(drawing, tour));
  play.Reasons.push_back("Start from the tree tour " + TourText(tour) + " (weight " +
                         std::to_string(TourWeight(drawing, tour)) + ").");
  while (const auto exchange = BestExchange(graph, tour)) {
    const int a = tour[exchange->I - 1];
    const int b = tour[exchange->I];
    const int c = tour[exchange->J];
    const int d = tour[exchange->J + 1];
    ApplyExchange(tour, *exchange);
    play.Frames.push_back(TourSteps(drawing, tour));
    play.Reasons.push_back(EdgeName(a, b) + " and " + EdgeName(c, d) + " give way to " +
                           EdgeName(a, c) + " and " + EdgeName(b, d) + ": " +
                           std::to_string(exchange->Gain) +
                           " lighter, the largest gain of any exchange.");
  }
  assert(tour == *found.Found);
  play.Closing =
      "Done: no exchange makes the tour lighter; it weighs " + std::to_string(result.Weight) + ".";
  return result;
}

}  // namespace tsp
