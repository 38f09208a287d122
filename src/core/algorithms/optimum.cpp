#include "core/algorithms/optimum.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <limits>
#include <utility>

#include "core/algorithms/tour_result.h"
#include "core/graph/drawing.h"
#include "core/graph/vertex.h"
#include "core/lesson/narration.h"

namespace tsp {
namespace {

// Stands for a missing line. Sums of up to ten of them still fit an int, and any sum holding
// one stays above Unreachable / 2, far from the real weights (at most 11 * 101 in size).
constexpr int Unreachable = 1 << 20;
constexpr int SetCount = 1 << (MaxVertices - 1);

using WeightTable = std::array<std::array<int, MaxVertices>, MaxVertices>;

std::string NoTourReason(const PairWeights& graph) {
  const int n = graph.VertexCount;
  std::string reason;

  // Two vertices need only their one line, walked there and back.
  if (n >= 3) {
    std::vector<int> loose;
    for (int v = 0; v < n; ++v) {
      int degree = 0;
      for (int u = 0; u < n; ++u) degree += graph.Between(v, u).has_value() ? 1 : 0;
      if (degree < 2) loose.push_back(v);
    }
    if (!loose.empty()) {
      reason =
          VertexList(loose) + (loose.size() == 1 ? " has" : " have") + " fewer than two edges.";
    }
  }

  std::array<bool, MaxVertices> reached{};
  std::array<int, MaxVertices> stack{};
  int top = 0;
  reached[0] = true;
  stack[top++] = 0;
  while (top > 0) {
    const int v = stack[--top];
    for (int u = 0; u < n; ++u) {
      if (!reached[u] && graph.Between(v, u)) {
        reached[u] = true;
        stack[top++] = u;
      }
    }
  }
  std::vector<int> apart;
  for (int v = 0; v < n; ++v) {
    if (!reached[v]) apart.push_back(v);
  }
  if (!apart.empty()) {
    if (!reason.empty()) reason += ' ';
    reason += VertexList(apart) + (apart.size() == 1 ? " is" : " are") + " not reached from A.";
  }

  if (reason.empty()) reason = "No closed tour visits every vertex exactly once.";
  return reason;
}

}  // namespace

OptimumTour BestTour(const PairWeights& graph) {
  const int n = graph.VertexCount;
  assert(n >= 1 && n <= MaxVertices);
  if (n == 1) return {Tour{0}, 0, {}};

  WeightTable w;
  for (int a = 0; a < n; ++a) {
    for (int b = 0; b < n; ++b) {
      const auto& line = graph.Between(a, b);
      w[a][b] = line ? *line : Unreachable;
    }
  }

  // Vertex v >= 1 is bit v - 1 of a set. rest[set][v]: the lightest path from v through every
  // vertex of set, then back to A. Filling it from the end of the tour lets the tour be rebuilt
  // from the front, taking the smallest next vertex that keeps the optimum: this yields the
  // lexicographically first of the lightest tours.
  const unsigned full = (1u << (n - 1)) - 1;
  std::array<std::array<int, MaxVertices>, SetCount> rest;
  const auto lightest = [&](const unsigned set, const int v) {
    int best = std::numeric_limits<int>::max();
    for (unsigned bits = set; bits != 0; bits &= bits - 1) {
      const int bit = std::countr_zero(bits);
      best = std::min(best, w[v][bit + 1] + rest[set ^ (1u << bit)][bit + 1]);
    }
    return best;
  };
  for (int v = 1; v < n; ++v) rest[0][v] = w[v][0];
  for (unsigned set = 1; set < full; ++set) {
    for (unsigned outside = full & ~set; outside != 0; outside &= outside - 1) {
      const int v = std::countr_zero(outside) + 1;
      rest[set][v] = lightest(set, v);
    }
  }
  rest[full][0] = lightest(full, 0);

  const int weight = rest[full][0];
  if (weight >= Unreachable / 2) return {std::nullopt, 0, NoTourReason(graph)};

  Tour tour{0};
  int v = 0;
  for (unsigned set = full; set != 0;) {
    const int target = rest[set][v];
    int bit = 0;
    while (!((set >> bit) & 1u) || w[v][bit + 1] + rest[set ^ (1u << bit)][bit + 1] != target) {
      ++bit;
      assert(bit < n - 1);
    }
    v = bit + 1;
    set ^= 1u << bit;
    tour.push_back(v);
  }
  tour.push_back(0);
  return {tour, weight, {}};
}

Animation OptimumAnimation(const Drawing& drawing, const OptimumTour& optimum) {
  Animation animation = TourAnimation(drawing, optimum.Vertices);
  NarrateTour(animation,
              [](int) { return std::string("the next vertex of the lightest closed tour."); });
  return animation;
}

AlgorithmResult RunOptimum(const Drawing& drawing) {
  const OptimumTour optimum = BestTour(PairWeightsOf(drawing));
  AlgorithmResult result = TourOutcome(drawing, optimum.Vertices, optimum.Reason);
  result.Play = OptimumAnimation(drawing, optimum);
  return result;
}

}  // namespace tsp
