#pragma once

// The course's algorithms the plain way, for the stress test: every rule recomputed from
// scratch at every step with plain loops, lines sorted with std::sort, parts kept as labels,
// matchings and Euler circuits found by recursion. A tour is its vertex list from A back to A,
// empty when there is none.

#include <algorithm>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "core/graph/pair_weights.h"
#include "core/graph/tree.h"

namespace tsp::naive {

using Tour = std::vector<int>;
using Line = std::tuple<int, int, int>;  // weight, earlier letter, later letter

inline std::vector<Line> SortedLines(const PairWeights& g) {
  std::vector<Line> lines;
  for (int a = 0; a < g.VertexCount; ++a) {
    for (int b = a + 1; b < g.VertexCount; ++b) {
      if (g.Between(a, b)) lines.push_back({*g.Between(a, b), a, b});
    }
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

inline int W(const PairWeights& g, int a, int b) {
  return *g.Between(a, b);
}

inline bool Joined(const PairWeights& g, int a, int b) {
  return g.Between(a, b).has_value();
}

inline int Weight(const PairWeights& g, const Tour& tour) {
  int weight = 0;
  for (std::size_t s = 0; s + 1 < tour.size(); ++s) weight += W(g, tour[s], tour[s + 1]);
  return weight;
}

// Kruskal: the taken lines in order.
inline std::vector<Line> Kruskal(const PairWeights& g) {
  std::vector<int> label(g.VertexCount);
  for (int v = 0; v < g.VertexCount; ++v) label[v] = v;
  std::vector<Line> taken;
  for (const auto& [w, a, b] : SortedLines(g)) {
    if (label[a] == label[b]) continue;
    taken.push_back({w, a, b});
    const int old = label[b];
    for (int& l : label) l = l == old ? label[a] : l;
  }
  return taken;
}

inline Tour NearestNeighbour(const PairWeights& g) {
  const int n = g.VertexCount;
  Tour tour{0};
  while (static_cast<int>(tour.size()) < n) {
    int next = -1;
    for (int v = 0; v < n; ++v) {
      if (std::find(tour.begin(), tour.end(), v) != tour.end() || !Joined(g, tour.back(), v)) {
        continue;
      }
      if (next < 0 || W(g, tour.back(), v) < W(g, tour.back(), next)) next = v;
    }
    if (next < 0) return {};
    tour.push_back(next);
  }
  if (n == 1) return tour;
  if (!Joined(g, tour.back(), 0)) return {};
  tour.push_back(0);
  return tour;
}

inline Tour GreedyEdge(const PairWeights& g) {
  const int n = g.VertexCount;
  if (n == 1) return {0};
  std::vector<int> label(n);
  for (int v = 0; v < n; ++v) label[v] = v;
  std::vector<std::vector<int>> next(n);
  int taken = 0;
  for (const auto& [w, a, b] : SortedLines(g)) {
    if (next[a].size() == 2 || next[b].size() == 2) continue;
    if (label[a] == label[b] && taken != n - 1) continue;
    next[a].push_back(b);
    next[b].push_back(a);
    ++taken;
    const int old = label[b];
    for (int& l : label) l = l == old ? label[a] : l;
  }
  if (n == 2) return taken == 1 ? Tour{0, 1, 0} : Tour{};
  if (taken != n) return {};
  Tour tour{0, std::min(next[0][0], next[0][1])};
  while (tour.back() != 0) {
    const std::vector<int>& around = next[tour.back()];
    tour.push_back(around[0] == tour[tour.size() - 2] ? around[1] : around[0]);
  }
  return tour;
}

enum class Rule { Nearest, Farthest, Cheapest };

inline Tour Insertion(const PairWeights& g, Rule rule) {
  const int n = g.VertexCount;
  if (n == 1) return {0};
  int start = -1;
  for (int v = 1; v < n; ++v) {
    if (!Joined(g, 0, v)) continue;
    const bool better = start < 0 || (rule == Rule::Farthest ? W(g, 0, v) > W(g, 0, start)
                                                             : W(g, 0, v) < W(g, 0, start));
    if (better) start = v;
  }
  if (start < 0) return {};
  Tour tour{0, start, 0};
  const auto inTour = [&](int v) { return std::find(tour.begin(), tour.end(), v) != tour.end(); };
  // The increase of k between positions p and p + 1, empty without both lines.
  const auto increase = [&](int k, std::size_t p) -> std::optional<int> {
    if (!Joined(g, tour[p], k) || !Joined(g, k, tour[p + 1])) return std::nullopt;
    return W(g, tour[p], k) + W(g, k, tour[p + 1]) - W(g, tour[p], tour[p + 1]);
  };
  while (static_cast<int>(tour.size()) < n + 1) {
    int k = -1;
    std::size_t place = 0;
    std::optional<int> best;
    if (rule == Rule::Cheapest) {
      for (int v = 0; v < n; ++v) {
        for (std::size_t p = 0; !inTour(v) && p + 1 < tour.size(); ++p) {
          const auto added = increase(v, p);
          if (added && (!best || *added < *best)) k = v, place = p, best = added;
        }
      }
      if (k < 0) return {};
    } else {
      std::optional<int> kDistance;
      for (int v = 0; v < n; ++v) {
        std::optional<int> distance;
        for (int t : tour) {
          if (!inTour(v) && Joined(g, v, t) && (!distance || W(g, v, t) < *distance)) {
            distance = W(g, v, t);
          }
        }
        if (!distance) continue;
        if (k < 0 || (rule == Rule::Nearest ? *distance < *kDistance : *distance > *kDistance)) {
          k = v;
          kDistance = distance;
        }
      }
      if (k < 0) return {};
      for (std::size_t p = 0; p + 1 < tour.size(); ++p) {
        const auto added = increase(k, p);
        if (added && (!best || *added < *best)) place = p, best = added;
      }
      if (!best) return {};
    }
    tour.insert(tour.begin() + static_cast<std::ptrdiff_t>(place) + 1, k);
  }
  return tour;
}

// Christofides on a given tree: every perfect matching of its odd vertices tried in the order
// of sorted pair lists, the first lightest kept, then Hierholzer by recursion.
inline Tour Christofides(const PairWeights& g, const SpanningTree& tree) {
  const int n = g.VertexCount;
  if (n == 1) return {0};
  std::vector<std::vector<int>> count(n, std::vector<int>(n, 0));
  std::vector<int> degree(n, 0);
  for (const TreeEdge& e : tree.Edges) {
    if (e.From >= n || e.To >= n) return {};
    ++count[e.From][e.To], ++count[e.To][e.From], ++degree[e.From], ++degree[e.To];
  }
  if (static_cast<int>(tree.Edges.size()) != n - 1) return {};
  std::vector<int> odd;
  for (int v = 0; v < n; ++v) {
    if (degree[v] % 2 == 1) odd.push_back(v);
  }
  std::optional<std::pair<int, std::vector<std::pair<int, int>>>> best;
  std::vector<std::pair<int, int>> pairs;
  std::function<void(std::vector<int>, int)> match = [&](std::vector<int> left, int weight) {
    if (left.empty()) {
      if (!best || weight < best->first) best = {weight, pairs};
      return;
    }
    for (std::size_t i = 1; i < left.size(); ++i) {
      if (!Joined(g, left[0], left[i])) continue;
      std::vector<int> rest = left;
      rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
      rest.erase(rest.begin());
      pairs.push_back({left[0], left[i]});
      match(rest, weight + W(g, left[0], left[i]));
      pairs.pop_back();
    }
  };
  match(odd, 0);
  if (!best) return {};
  for (auto [a, b] : best->second) ++count[a][b], ++count[b][a];
  Tour circuit;
  std::function<void(int)> visit = [&](int v) {
    for (int u = 0; u < n;) {
      if (count[v][u] == 0) {
        ++u;
        continue;
      }
      --count[v][u], --count[u][v];
      visit(u);
      u = 0;
    }
    circuit.push_back(v);
  };
  visit(0);
  std::reverse(circuit.begin(), circuit.end());
  Tour tour;
  for (int v : circuit) {
    if (std::find(tour.begin(), tour.end(), v) == tour.end()) tour.push_back(v);
  }
  tour.push_back(0);
  for (std::size_t s = 0; s + 1 < tour.size(); ++s) {
    if (!Joined(g, tour[s], tour[s + 1])) return {};
  }
  return tour;
}

// 2-opt from a tour along lines: every reversal weighed in full.
inline Tour TwoOpt(const PairWeights& g, Tour tour) {
  const int n = g.VertexCount;
  for (;;) {
    int bestGain = 0;
    Tour bestTour;
    for (int i = 1; i < n; ++i) {
      for (int j = i + 1; j < n; ++j) {
        Tour candidate = tour;
        std::reverse(candidate.begin() + i, candidate.begin() + j + 1);
        if (!Joined(g, candidate[i - 1], candidate[i]) ||
            !Joined(g, candidate[j], candidate[j + 1])) {
          continue;
        }
        const int gain = Weight(g, tour) - Weight(g, candidate);
        if (gain > bestGain) bestGain = gain, bestTour = candidate;
      }
    }
    if (bestGain == 0) return tour;
    tour = bestTour;
  }
}

// The 1-tree bound: for every vertex with two lines, Kruskal over the others plus its two
// lightest lines, when the others form one part.
inline std::optional<int> OneTreeBound(const PairWeights& g) {
  const int n = g.VertexCount;
  std::optional<int> best;
  for (int v = 0; v < n && n >= 3; ++v) {
    PairWeights others = g;
    std::vector<int> own;
    for (int u = 0; u < n; ++u) {
      if (g.Between(v, u)) own.push_back(W(g, v, u));
      others.RemoveLine(v, u);
    }
    const std::vector<Line> tree = Kruskal(others);
    if (own.size() < 2 || static_cast<int>(tree.size()) != n - 2) continue;
    std::sort(own.begin(), own.end());
    int weight = own[0] + own[1];
    for (const auto& [w, a, b] : tree) weight += w;
    if (!best || weight > *best) best = weight;
  }
  return best;
}

}  // namespace tsp::naive
