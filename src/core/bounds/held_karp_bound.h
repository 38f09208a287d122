#pragma once

#include <optional>

#include "core/algorithms/algorithm.h"
#include "core/bounds/one_tree_bound.h"
#include "core/graph/pair_weights.h"

namespace tsp {

// Held and Karp's subgradient ascent on the 1-trees of one vertex: start from the best 1-tree
// (its vertex stays the special one), then after each round raise the penalty of every vertex
// with more than two 1-tree lines and lower it for those with one, by a step that halves every
// few rounds. Steps are powers of two, so that every penalty and value is exact in a double:
// the same on every machine, and never above the optimum.
struct HeldKarpAscent {
  double Value = 0;  // the best value reached, at least the 1-tree bound
  OneTree Tree;      // the 1-tree that gave it
  Penalties Penalty{};
  int Round = 0;  // the round that reached it, 0 for the start
};

inline constexpr int HeldKarpRounds = 100;

std::optional<HeldKarpAscent> AscendHeldKarp(const PairWeights& graph);
// The value; nothing where no vertex has a 1-tree.
std::optional<double> HeldKarpBound(const PairWeights& graph);

AlgorithmResult RunHeldKarpBound(const Drawing& drawing);

}  // namespace tsp
