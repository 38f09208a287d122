#pragma once

// What every row of the table of algorithms must give on any drawing, for the stress test and
// the chain fuzzer alike: each check names what it found broken.

#include <string>

#include "core/algorithms/algorithm_table.h"
#include "core/algorithms/kruskal.h"
#include "core/algorithms/optimum.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tour_result.h"
#include "core/algorithms/tree_tour.h"
#include "core/lesson/narration.h"
#include "core/report/guarantee.h"

namespace tsp::testing {

// Every vertex exactly once, from A back to A, along lines.
inline bool IsFullTour(const PairWeights& pairs, const Tour& tour) {
  const int n = pairs.VertexCount;
  if (n == 1) return tour == Tour{0};
  if (static_cast<int>(tour.size()) != n + 1 || tour[0] != 0 || tour[n] != 0) return false;
  unsigned seen = 0;
  for (int s = 0; s < n; ++s) {
    if (tour[s] < 0 || tour[s] >= n || !pairs.Between(tour[s], tour[s + 1])) return false;
    seen |= 1u << tour[s];
  }
  return seen == (1u << n) - 1;
}

// The first invariant broken, as "row: what", or "" when every row keeps them all.
inline std::string BrokenRowInvariant(const Drawing& drawing) {
  const int n = drawing.VertexCount();
  const PairWeights pairs = PairWeightsOf(drawing);
  const OptimumTour optimum = BestTour(pairs);
  const bool metric = CheckGuarantee(pairs).Holds();
  const int treeTour = TourWeight(drawing, TreeTour(BuildSpanningTree(drawing)));
  std::optional<double> oneTree;
  std::optional<double> heldKarp;
  for (const AlgorithmRow& row : Algorithms()) {
    const AlgorithmResult result = row.Run(drawing);
    const Animation& play = result.Play;
    const auto broken = [&](const char* what) { return std::string(row.Id) + ": " + what; };
    if (static_cast<int>(play.Reasons.size()) != play.TickCount()) {
      return broken("a tick without a sentence");
    }
    for (int played = 0; played <= play.TickCount(); ++played) {
      if (played > 0 && StepSentence(play, played).empty()) return broken("a tick says nothing");
      for (const AnimationStep& step : play.ShownAfter(played)) {
        if (step.LineId != drawing.LineBetween(step.From, step.To) ||
            step.Weight != drawing.WeightBetween(step.From, step.To)) {
          return broken("a pair shows another line or weight");
        }
      }
    }
    if (row.Kind == AlgorithmKind::Tree && result.Weight != result.Tree.Weight()) {
      return broken("a tree of another weight");
    }
    if (row.Kind == AlgorithmKind::Bound) {
      if (!result.Bound && result.Reason.empty()) return broken("no bound and no reason");
      if (result.Bound && optimum.Vertices && *result.Bound > optimum.Weight) {
        return broken("a bound above the optimum");
      }
      (row.Id == "one_tree" ? oneTree : heldKarp) = result.Bound;
    }
    if (row.Kind != AlgorithmKind::Tour) continue;
    if (!result.FoundTour) {
      if (result.Reason.empty()) return broken("no tour and no reason");
      continue;
    }
    const Tour& tour = *result.FoundTour;
    if (result.Weight != TourWeight(drawing, tour) ||
        result.MissingPairs != MissingPairs(drawing, tour)) {
      return broken("a tour of another weight");
    }
    if (play.TickCount() > 0 && TextsAfter(play, play.TickCount()).Weight != result.Weight) {
      return broken("the run ends on another weight");
    }
    // The tree tour and the light cycle may step between vertices without a line.
    if (row.Id == "tree_tour" || row.Id == "light_cycle") continue;
    if (!IsFullTour(pairs, tour)) return broken("a tour misses a vertex or a line");
    if (!optimum.Vertices || result.Weight < optimum.Weight) {
      return broken("a tour below the optimum");
    }
    if (metric && row.Factor.Known() && result.Weight > row.Factor.Of(n) * optimum.Weight + 1e-9) {
      return broken("a tour above its known factor");
    }
    if (row.Id == "two_opt" && result.Weight > treeTour) {
      return broken("heavier than the tree tour");
    }
  }
  if (oneTree.has_value() != heldKarp.has_value() || (oneTree && *heldKarp < *oneTree)) {
    return "held_karp: below the 1-tree bound";
  }
  const SpanningTree prim = BuildSpanningTree(drawing);
  const SpanningTree kruskal = KruskalTree(drawing);
  if (prim.VertexCount == n && kruskal.VertexCount == n && prim.Weight() != kruskal.Weight()) {
    return "kruskal: another weight than the spanning tree";
  }
  return "";
}

}  // namespace tsp::testing
