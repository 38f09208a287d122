#pragma once

// The lightest tour by trying every order of B..: the reference for BestTour, and its rival in
// the benchmark.

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

#include "core/graph/pair_weights.h"

namespace tsp::testing {

struct EnumeratedTour {
  std::vector<int> Vertices;
  int Weight = 0;
};

// Orders are tried in lexicographic order and only a strictly lighter tour replaces the best,
// so ties go to the first sequence.
inline std::optional<EnumeratedTour> EnumerateTours(const PairWeights& graph) {
  const int n = graph.VertexCount;
  if (n == 1) return EnumeratedTour{{0}, 0};
  std::vector<int> order(n - 1);
  std::iota(order.begin(), order.end(), 1);
  std::optional<EnumeratedTour> best;
  do {
    int weight = 0;
    int from = 0;
    bool closed = true;
    for (int i = 0; i <= n - 1 && closed; ++i) {
      const int to = i < n - 1 ? order[i] : 0;
      const auto& line = graph.Between(from, to);
      closed = line.has_value();
      weight += closed ? *line : 0;
      from = to;
    }
    if (closed && (!best || weight < best->Weight)) {
      best = EnumeratedTour{{0}, weight};
      best->Vertices.insert(best->Vertices.end(), order.begin(), order.end());
      best->Vertices.push_back(0);
    }
  } while (std::next_permutation(order.begin(), order.end()));
  return best;
}

}  // namespace tsp::testing
