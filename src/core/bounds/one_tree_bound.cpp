#include "core/bounds/one_tree_bound.h"

#include <algorithm>
#include <cassert>

#include "core/lesson/narration.h"

namespace tsp {
namespace {

// A candidate line under penalties: the lighter first, then the pair with the earlier letters.
struct Candidate {
  double Weight = 0;
  int From = -1;
  int To = -1;

  bool Before(const Candidate& other) const {
    if (other.From < 0) return From >= 0;
    if (From < 0) return false;
    if (Weight != other.Weight) return Weight < other.Weight;
    if (From != other.From) return From < other.From;
    return To < other.To;
  }
};

Candidate Line(const PairWeights& graph, const Penalties& penalties, int a, int b) {
  const auto& weight = graph.Between(a, b);
  if (!weight) return {};
  return {*weight + penalties[a] + penalties[b], std::min(a, b), std::max(a, b)};
}

}  // namespace

std::optional<OneTree> LightestOneTree(const PairWeights& graph, int special,
                                       const Penalties& penalties) {
  const int n = graph.VertexCount;
  assert(n >= 1 && n <= MaxVertices && special >= 0 && special < n);
  if (n < 3) return std::nullopt;

  OneTree tree;
  tree.Special = special;
  const auto take = [&](const Candidate& line) {
    const int weight = *graph.Between(line.From, line.To);
    tree.Lines.push_back({line.From, line.To, weight});
    tree.Weight += weight;
  };

  // Prim over the other vertices, from the first of them.
  std::array<Candidate, MaxVertices> best{};
  unsigned inside = 1u << special;
  int added = special == 0 ? 1 : 0;
  for (int grown = 1; grown < n - 1; ++grown) {
    inside |= 1u << added;
    for (int u = 0; u < n; ++u) {
      if ((inside >> u & 1u) != 0) continue;
      const Candidate line = Line(graph, penalties, added, u);
      if (line.Before(best[u])) best[u] = line;
    }
    int next = -1;
    for (int u = 0; u < n; ++u) {
      if ((inside >> u & 1u) == 0 && (next < 0 || best[u].Before(best[next]))) next = u;
    }
    if (best[next].From < 0) return std::nullopt;
    take(best[next]);
    added = next;
  }

  Candidate first;
  Candidate second;
  for (int u = 0; u < n; ++u) {
    if (u == special) continue;
    const Candidate line = Line(graph, penalties, special, u);
    if (line.Before(first)) {
      second = first;
      first = line;
    } else if (line.Before(second)) {
      second = line;
    }
  }
  if (second.From < 0) return std::nullopt;
  take(first);
  take(second);
  return tree;
}

double PenalisedValue(const OneTree& tree, const Penalties& penalties) {
  double value = 0;
  for (const WeightedLine& line : tree.Lines) {
    value += line.Weight + penalties[line.From] + penalties[line.To];
  }
  for (double penalty : penalties) value -= 2 * penalty;
  return value;
}

std::optional<OneTree> BestOneTree(const PairWeights& graph) {
  std::optional<OneTree> best;
  for (int v = 0; v < graph.VertexCount; ++v) {
    auto tree = LightestOneTree(graph, v);
    if (tree && (!best || tree->Weight > best->Weight)) best = tree;
  }
  return best;
}

std::optional<int> OneTreeBound(const PairWeights& graph) {
  const auto tree = BestOneTree(graph);
  if (!tree) return std::nullopt;
  return tree->Weight;
}

std::string NoOneTreeReason(const PairWeights& graph) {
  if (graph.VertexCount < 3) return "A 1-tree needs at least three vertices.";
  return "No vertex has two lines while the other vertices are joined among themselves.";
}

std::string OneTreeLineRole(const OneTree& tree, std::size_t i) {
  const std::string special = VertexName(tree.Special);
  return i + 2 < tree.Lines.size()
             ? " is the lightest line from the tree of the vertices other than " + special +
                   " to a vertex outside it."
             : " is one of the two lightest lines of " + special + ".";
}

AlgorithmResult RunOneTreeBound(const Drawing& drawing) {
  const PairWeights graph = PairWeightsOf(drawing);
  const auto tree = BestOneTree(graph);
  AlgorithmResult result;
  if (!tree) {
    result.Reason = NoOneTreeReason(graph);
    return result;
  }
  result.Bound = tree->Weight;
  result.Weight = tree->Weight;
  Animation& play = result.Play;
  const std::string special = VertexName(tree->Special);
  for (std::size_t i = 0; i < tree->Lines.size(); ++i) {
    const WeightedLine& line = tree->Lines[i];
    play.Steps.push_back(PairStep(drawing, line.From, line.To));
    play.Reasons.push_back(LineText(line.From, line.To, line.Weight) + OneTreeLineRole(*tree, i));
  }
  play.Closing = "Done: the 1-tree of " + special + " weighs " + std::to_string(tree->Weight) +
                 ", the most of any vertex's, so no closed tour weighs less.";
  return result;
}

}  // namespace tsp
