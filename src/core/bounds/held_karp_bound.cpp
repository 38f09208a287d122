#include "core/bounds/held_karp_bound.h"

#include <algorithm>
#include <cassert>

#include "core/lesson/narration.h"

namespace tsp {
namespace {

// The first step: the smallest power of two above an eighth of the weights' spread (0
// included), at least 1/64. Tried on random graphs against much longer ascents, this and five
// rounds a step come closest.
double FirstStep(const PairWeights& graph) {
  int low = 0;
  int high = 0;
  for (int a = 0; a < graph.VertexCount; ++a) {
    for (int b = a + 1; b < graph.VertexCount; ++b) {
      if (const auto& w = graph.Between(a, b)) {
        low = std::min<int>(low, *w);
        high = std::max<int>(high, *w);
      }
    }
  }
  double step = 1.0 / 64;
  while (step * 8 <= high - low) step *= 2;
  return step;
}

constexpr int RoundsPerStep = 5;

}  // namespace

std::optional<HeldKarpAscent> AscendHeldKarp(const PairWeights& graph) {
  const auto start = BestOneTree(graph);
  if (!start) return std::nullopt;
  const int n = graph.VertexCount;
  HeldKarpAscent best{static_cast<double>(start->Weight), *start, {}, 0};
  Penalties penalty{};
  OneTree tree = *start;
  double step = FirstStep(graph);
  for (int round = 1; round <= HeldKarpRounds; ++round) {
    std::array<int, MaxVertices> degree{};
    for (const WeightedLine& line : tree.Lines) {
      ++degree[line.From];
      ++degree[line.To];
    }
    bool tour = true;
    for (int v = 0; v < n; ++v) {
      penalty[v] += step * (degree[v] - 2);
      tour = tour && degree[v] == 2;
    }
    // A 1-tree in which every vertex has two lines is a tour: nothing lies above it.
    if (tour) break;
    const auto next = LightestOneTree(graph, start->Special, penalty);
    assert(next.has_value());  // penalties change no line's presence
    tree = *next;
    const double value = PenalisedValue(tree, penalty);
    if (value > best.Value) best = {value, tree, penalty, round};
    if (round % RoundsPerStep == 0) step /= 2;
  }
  return best;
}

std::optional<double> HeldKarpBound(const PairWeights& graph) {
  const auto ascent = AscendHeldKarp(graph);
  if (!ascent) return std::nullopt;
  return ascent->Value;
}

AlgorithmResult RunHeldKarpBound(const Drawing& drawing) {
  const PairWeights graph = PairWeightsOf(drawing);
  const auto ascent = AscendHeldKarp(graph);
  AlgorithmResult result;
  if (!ascent) {
    result.Reason = NoOneTreeReason(graph);
    return result;
  }
  result.Bound = ascent->Value;
  result.Weight = ascent->Tree.Weight;
  Animation& play = result.Play;
  const OneTree& tree = ascent->Tree;
  const std::string special = VertexName(tree.Special);
  play.Lead = ascent->Round == 0
                  ? std::string("Without penalties: ")
                  : "With the penalties of round " + std::to_string(ascent->Round) + ": ";
  for (std::size_t i = 0; i < tree.Lines.size(); ++i) {
    const WeightedLine& line = tree.Lines[i];
    const double penalised = line.Weight + ascent->Penalty[line.From] + ascent->Penalty[line.To];
    play.Steps.push_back(PairStep(drawing, line.From, line.To));
    play.Reasons.push_back(LineText(line.From, line.To, line.Weight) + ", " +
                           TwoDecimalText(penalised) + " with its ends' penalties," +
                           OneTreeLineRole(tree, i));
  }
  // A 1-tree has as many lines as vertices, so every round's changes, and all penalties, add
  // up to 0: they leave every closed tour's weight as it is.
  play.Closing =
      "Done: with the penalties, which add up to 0 and so change no closed tour's "
      "weight, the lightest 1-tree of " +
      special + " weighs " + TwoDecimalText(ascent->Value) + ", so no closed tour weighs less.";
  return result;
}

}  // namespace tsp
