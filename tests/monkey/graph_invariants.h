#pragma once

// What the graph state may hold at any moment, checked from outside the computations. Plain
// C++ on purpose: the random sessions and the fuzzer of the computation chain share it.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "graph/edge_lists.h"
#include "graph/graph_state.h"

namespace tsp::testing {

namespace invariants_detail {

inline std::string Letter(int vertex) {
  std::string letter = "?";
  VertexLetter(vertex, letter);
  return letter;
}

// The line between two vertices, whichever of its boxes was kept; -1 when none.
inline int LineBetween(const GraphState& g, int a, int b) {
  const int line = g.LineIdOf(b, a);
  return line >= 0 ? line : g.LineIdOf(a, b);
}
inline int WeightBetween(const GraphState& g, int a, int b) {
  return g.LineIdOf(b, a) >= 0 ? g.EdgeWeightOf(b, a) : g.EdgeWeightOf(a, b);
}

inline bool IsWeight(int w) {
  return w >= -101 && w <= 101;
}

template <std::size_t N>
bool AllIn(const std::array<std::int16_t, N>& list, int low, int high, bool sentinel) {
  return std::all_of(list.begin(), list.end(), [&](std::int16_t x) {
    return (x >= low && x <= high) || (sentinel && x == ListSentinel);
  });
}

// Index of the first sentinel, or the list size.
template <std::size_t N>
int FirstSentinel(const std::array<std::int16_t, N>& list) {
  int k = 0;
  while (k < static_cast<int>(N) && list[k] != ListSentinel) ++k;
  return k;
}

// Vertices the stored spanning tree reaches, A included, as a bit set.
inline unsigned TreeVertices(const GraphState& g) {
  unsigned set = 1;
  const int k = FirstSentinel(g.MstBoxes);
  for (int i = 0; i < k; ++i) {
    const int to = DecodeTo(g.MstBoxes[i]);
    if (to >= 0 && to < MaxVertices) set |= 1u << to;
  }
  return set;
}

}  // namespace invariants_detail

// The first problem found in a tour list, or an empty text. A tour is either empty (all
// sentinel) or starts at A, visits distinct vertices and returns to A, then holds only the
// sentinel. It covers the tree's vertices, or all vertices in their plain order.
inline std::string TourProblem(const GraphState& g, const TourList& tour, const char* name) {
  using namespace invariants_detail;
  const int n = g.VertexCount;
  const int k = FirstSentinel(tour);
  for (int i = k; i < TourSlots; ++i) {
    if (tour[i] != ListSentinel) return std::string(name) + " holds an entry after its end";
  }
  if (k == 0) return {};
  if (k < 2) return std::string(name) + " is not closed";
  unsigned visited = 0;
  for (int i = 0; i < k; ++i) {
    if (tour[i] < 0 || tour[i] >= n) return std::string(name) + " holds a non-vertex";
    if (i == k - 1) break;
    if (visited & (1u << tour[i])) return std::string(name) + " visits a vertex twice";
    visited |= 1u << tour[i];
  }
  if (tour[0] != 0 || tour[k - 1] != 0) return std::string(name) + " does not start and end at A";
  const unsigned all = (1u << n) - 1;
  if (visited != TreeVertices(g) && visited != all) {
    return std::string(name) + " visits other vertices than the spanning tree";
  }
  return {};
}

// The first problem found anywhere in the graph state, or an empty text.
inline std::string GraphProblem(const GraphState& g) {
  using namespace invariants_detail;
  const int n = g.VertexCount;
  if (n < 1 || n > MaxVertices) return "vertex count " + std::to_string(n);
  if (g.EdgeCount < 0 || g.EdgeCount > n * (n - 1) / 2) {
    return "edge count " + std::to_string(g.EdgeCount);
  }
  std::array<int, BoxCount> idUses{};
  for (int c = 0; c < MaxVertices; ++c) {
    for (int r = 0; r < MaxVertices; ++r) {
      const int line = g.LineIds[c][r];
      const EdgeGridCell& cell = g.EdgeGrid[BoxIndex(r, c)];
      if (cell.LineId != line || cell.Marked != (line >= 0)) return "edge grid differs from table";
      if (line == -1) {
        if (g.EdgeWeights[c][r] != 0) return "weight without a line";
        continue;
      }
      if (line < 0 || line >= g.EdgeCount) return "line id " + std::to_string(line);
      if (r == c || r >= n || c >= n || g.LineIds[r][c] != -1) return "line on a wrong box";
      if (!IsWeight(g.EdgeWeights[c][r]) || cell.Weight != g.EdgeWeights[c][r]) {
        return "edge weight " + std::to_string(g.EdgeWeights[c][r]);
      }
      ++idUses[line];
    }
  }
  for (int line = 0; line < g.EdgeCount; ++line) {
    if (idUses[line] != 1) return "line id " + std::to_string(line) + " not used exactly once";
  }

  for (int v = 0; v < MaxVertices; ++v) {
    for (int j = 0; j < MaxVertices; ++j) {
      const int w = g.VertexEdgeWeights[v][j];
      const int line = g.VertexEdgeLineIds[v][j];
      const int box = g.VertexEdgeBoxes[v][j];
      if (w == ListSentinel || line == ListSentinel || box == ListSentinel) {
        if (w != line || w != box) {
          return "edge list of " + Letter(v) + " not parallel at slot " + std::to_string(j) + ": " +
                 std::to_string(w) + ", " + std::to_string(line) + ", " + std::to_string(box);
        }
        continue;
      }
      if (!IsWeight(w) || line < 0 || line >= g.EdgeCount || box < 0 || box >= BoxCount ||
          DecodeFrom(box) != v || DecodeTo(box) >= n || DecodeTo(box) == v ||
          LineBetween(g, v, DecodeTo(box)) != line || WeightBetween(g, v, DecodeTo(box)) != w) {
        return "edge list of " + Letter(v) + " holds a stray entry";
      }
    }
  }

  const int k = FirstSentinel(g.MstBoxes);
  if (k > n - 1) return "spanning tree of " + std::to_string(k) + " edges";
  unsigned tree = 1;
  for (int i = 0; i < MstSlots; ++i) {
    const bool end = i >= k;
    if (end != (g.MstLineIds[i] == ListSentinel) || end != (g.MstWeights[i] == ListSentinel) ||
        end != (g.MstBoxes[i] == ListSentinel)) {
      return "spanning-tree lists not ended together at slot " + std::to_string(i);
    }
    if (end) continue;
    const int box = g.MstBoxes[i];
    const int from = DecodeFrom(box);
    const int to = DecodeTo(box);
    if (box < 0 || box >= BoxCount || from >= n || to >= n || from == to) {
      return "tree edge " + std::to_string(box);
    }
    if (!(tree & (1u << from)) || (tree & (1u << to))) {
      return "tree edge " + Letter(from) + "--" + Letter(to) + " does not grow the tree";
    }
    tree |= 1u << to;
    if (g.MstLineIds[i] != LineBetween(g, from, to) ||
        g.MstWeights[i] != WeightBetween(g, from, to)) {
      return "tree edge " + Letter(from) + "--" + Letter(to) + " not a drawn line";
    }
  }

  if (!AllIn(g.InTree, 0, 1, false)) return "InTree";
  if (!AllIn(g.EdgeWork, -1, BoxCount - 1, true)) return "EdgeWork";
  if (!AllIn(g.ChildLists, -1, MaxVertices - 1, true)) return "ChildLists";
  if (!AllIn(g.ChildListMarks, -1, 1, true)) return "ChildListMarks";
  if (!AllIn(g.TreeWalk, 0, MaxVertices - 1, true)) return "TreeWalk";
  if (!AllIn(g.VertexUsed, 0, 1, true)) return "VertexUsed";
  if (g.AnimationStep < 0 || g.AnimationStep > MstSlots) {
    return "animation step " + std::to_string(g.AnimationStep);
  }
  for (const auto& [list, name] : {std::pair{&g.Tour, "Tour"}, std::pair{&g.BaseCycle, "BaseCycle"},
                                   std::pair{&g.BestCycle, "BestCycle"}}) {
    if (auto problem = TourProblem(g, *list, name); !problem.empty()) return problem;
  }
  return {};
}

// Weight of a closed tour as its run adds it up: pairs joined by no line add nothing.
inline int TourWeight(const GraphState& g, const TourList& tour) {
  using namespace invariants_detail;
  int total = 0;
  for (int s = 0; s + 1 < TourSlots && tour[s + 1] != ListSentinel; ++s) {
    if (LineBetween(g, tour[s], tour[s + 1]) >= 0) total += WeightBetween(g, tour[s], tour[s + 1]);
  }
  return total;
}

// The light cycle played is the lightest candidate and never heavier than the tree tour.
inline std::string LightCycleProblem(const GraphState& g) {
  if (g.Tour != g.BestCycle) return "the light cycle played is not the best candidate";
  const int best = TourWeight(g, g.BestCycle);
  if (best != g.BestCycleWeight) return "the light cycle's weight is misreckoned";
  if (best > TourWeight(g, g.BaseCycle)) return "the light cycle is heavier than the tree tour";
  return {};
}

// Minimum total weight of a tree over the vertices that A reaches, found by an independent
// Prim's algorithm; the stored tree must span the same vertices with the same weight.
inline std::string SpanningTreeProblem(const GraphState& g) {
  using namespace invariants_detail;
  const int n = g.VertexCount;
  unsigned reached = 1;
  int minimum = 0;
  for (;;) {
    int bestWeight = 1000;
    int bestVertex = -1;
    for (int a = 0; a < n; ++a) {
      if (!(reached & (1u << a))) continue;
      for (int b = 0; b < n; ++b) {
        if ((reached & (1u << b)) || LineBetween(g, a, b) < 0) continue;
        if (WeightBetween(g, a, b) < bestWeight) {
          bestWeight = WeightBetween(g, a, b);
          bestVertex = b;
        }
      }
    }
    if (bestVertex < 0) break;
    reached |= 1u << bestVertex;
    minimum += bestWeight;
  }
  int total = 0;
  const int k = FirstSentinel(g.MstWeights);
  for (int i = 0; i < k; ++i) total += g.MstWeights[i];
  if (TreeVertices(g) != reached) return "the spanning tree misses vertices that A reaches";
  if (total != minimum) {
    return "spanning tree weight " + std::to_string(total) + ", minimum " + std::to_string(minimum);
  }
  return {};
}

// "X--Y," for every tree edge, as the tree run lists them.
inline std::string TreeListing(const GraphState& g) {
  using namespace invariants_detail;
  std::string text;
  for (int i = 0; i < MstSlots && g.MstBoxes[i] != ListSentinel; ++i) {
    text += Letter(DecodeFrom(g.MstBoxes[i])) + "--" + Letter(DecodeTo(g.MstBoxes[i])) + ",";
  }
  return text;
}

// What a tour run shows once it has ended.
struct TourListing {
  bool Empty = true;
  std::string Edges;
  std::string Weights;
  int Weight = 0;
};

inline TourListing ListTour(const GraphState& g) {
  using namespace invariants_detail;
  TourListing listing;
  for (int s = 0; s + 1 < TourSlots && g.Tour[s] != ListSentinel; ++s) {
    listing.Empty = false;
    if (g.Tour[s + 1] == ListSentinel) break;
    listing.Edges += Letter(g.Tour[s]) + "--" + Letter(g.Tour[s + 1]) + ",";
    if (LineBetween(g, g.Tour[s], g.Tour[s + 1]) < 0) continue;
    const int w = WeightBetween(g, g.Tour[s], g.Tour[s + 1]);
    listing.Weights += std::to_string(w) + "**";
    listing.Weight += w;
  }
  return listing;
}

}  // namespace tsp::testing
