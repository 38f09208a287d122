#include "core/algorithms/two_opt.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>

#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tour_result.h"
#include "core/algorithms/tree_tour.h"
#include "core/lesson/narration.h"

namespace tsp {

namespace {

// The weights as plain 16-bit numbers, read once for a whole improvement rather than for every
// exchange weighed; NoLine where no line joins the pair, which leaves every exchange that draws
// it below a gain of 0.
constexpr std::int16_t NoLine = 1000;
static_assert(4 * MaxWeight < NoLine);
using WeightTable = std::array<std::array<std::int16_t, MaxVertices>, MaxVertices>;

WeightTable TableOf(const PairWeights& graph) {
  WeightTable table;
  for (auto& row : table) row.fill(NoLine);
  for (int a = 0; a < graph.VertexCount; ++a) {
    for (int b = a + 1; b < graph.VertexCount; ++b) {
      table[a][b] = table[b][a] = graph.Between(a, b).value_or(NoLine);
    }
  }
  return table;
}

// BestExchange on the table. Each exchange as gain * 256 - (16 * I + J): the largest is the
// largest gain with the smallest I and then J, and only a gain of at least 1 is above 0. Taking
// the largest without a branch on the weights avoids a mispredicted branch at nearly every
// exchange.
std::optional<TwoOptExchange> BestExchangeIn(const WeightTable& weight, int n, const Tour& tour) {
  assert(static_cast<int>(tour.size()) == (n == 1 ? 1 : n + 1));
  static_assert(16 * (MaxVertices - 1) + MaxVertices < 256);
  std::array<int, MaxVertices> step{};  // the weight from position s to s + 1
  for (std::size_t s = 0; s + 1 < tour.size(); ++s) {
    step[s] = weight[tour[s]][tour[s + 1]];
    assert(step[s] != NoLine);
  }
  int best = 0;
  for (int i = 1; i + 1 < n; ++i) {
    const auto& first = weight[tour[i - 1]];
    const auto& second = weight[tour[i]];
    // gain * 256 - (16 * i + j) = base + (after - first - second) * 256 - j
    const int base = step[i - 1] * 256 - 16 * i;
    for (int j = i + 1; j < n; ++j) {
      best = std::max(best, base + (step[j] - first[tour[j]] - second[tour[j + 1]]) * 256 - j);
    }
  }
  if (best <= 0) return std::nullopt;
  const int gain = (best + 255) >> 8;
  const int ij = gain * 256 - best;
  return TwoOptExchange{ij >> 4, ij & 15, gain};
}

}  // namespace

std::optional<TwoOptExchange> BestExchange(const PairWeights& graph, const Tour& tour) {
  return BestExchangeIn(TableOf(graph), graph.VertexCount, tour);
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
  const WeightTable weight = TableOf(graph);
  while (const auto exchange = BestExchangeIn(weight, graph.VertexCount, tour)) {
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
