#pragma once

// LEMON's travelling-salesman heuristics and its Kruskal on one of the benchmark's graphs,
// behind a header without LEMON: LEMON's headers need C++17, so only lemon_graph.cpp sees
// them. Plain C++17, included by the C++20 benchmarks.

#include <memory>
#include <vector>

#include "graphs.h"

namespace tsp::bench {

enum class InsertionRule { Nearest, Farthest, Cheapest };

// The graph as LEMON's FullGraph with its edge costs, built once, so that a call times the
// algorithm alone (as Boost's runs time theirs on a prebuilt adjacency matrix). Each call
// returns the weight of the tour or tree it found, which keeps the optimiser from dropping it.
class LemonGraph {
 public:
  explicit LemonGraph(const Weights& weights);
  ~LemonGraph();
  LemonGraph(LemonGraph&&) noexcept;
  LemonGraph& operator=(LemonGraph&&) noexcept;

  int NearestNeighbour() const;
  int GreedyEdge() const;
  int Insertion(InsertionRule rule) const;
  int Christofides() const;
  // 2-opt from the closed tour through the vertices in the given order (the return to the
  // first one not repeated).
  int TwoOpt(const std::vector<int>& start) const;
  int Kruskal() const;

 private:
  struct Full;
  std::unique_ptr<Full> full_;
};

}  // namespace tsp::bench
