#include "core/algorithms/christofides.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <limits>

#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tour_result.h"
#include "core/lesson/narration.h"

namespace tsp {
namespace {

constexpr int NoMatching = std::numeric_limits<int>::max();

// The lightest perfect matching over lines of the given vertices, or false when none exists.
// lightest[set] is the weight for a set of positions in odd[]; the lowest position is matched
// first, so taking its smallest partner that keeps the optimum gives the first sorted list.
bool LightestMatching(const PairWeights& graph, const FixedList<int, MaxVertices>& odd,
                      FixedList<WeightedLine, MaxVertices / 2>& matching) {
  const int count = static_cast<int>(odd.size());
  std::array<int, 1 << MaxVertices> lightest;
  lightest[0] = 0;
  const unsigned full = (1u << count) - 1;
  const auto via = [&](unsigned set, int low, int partner) {
    const auto& line = graph.Between(odd[low], odd[partner]);
    const int rest = lightest[set & ~(1u << low) & ~(1u << partner)];
    return line && rest != NoMatching ? *line + rest : NoMatching;
  };
  for (unsigned set = 1; set <= full; ++set) {
    lightest[set] = NoMatching;
    if (std::popcount(set) % 2 != 0) continue;
    const int low = std::countr_zero(set);
    for (int partner = low + 1; partner < count; ++partner) {
      if ((set >> partner & 1u) != 0) {
        lightest[set] = std::min(lightest[set], via(set, low, partner));
      }
    }
  }
  if (lightest[full] == NoMatching) return false;
  for (unsigned set = full; set != 0;) {
    const int low = std::countr_zero(set);
    int partner = low + 1;
    while ((set >> partner & 1u) == 0 || via(set, low, partner) != lightest[set]) ++partner;
    matching.push_back({odd[low], odd[partner], *graph.Between(odd[low], odd[partner])});
    set &= ~(1u << low) & ~(1u << partner);
  }
  return true;
}

}  // namespace

ChristofidesResult ChristofidesTour(const Drawing& drawing) {
  const int n = drawing.VertexCount();
  assert(n >= 1 && n <= MaxVertices);
  ChristofidesResult result;
  if (n == 1) {
    result.Found = Tour{0};
    return result;
  }
  result.Tree = BuildSpanningTree(drawing);
  unsigned reached = 1;
  for (const TreeEdge& edge : result.Tree.Edges) reached |= 1u << edge.From | 1u << edge.To;
  for (int v = 1; v < n; ++v) {
    if ((reached >> v & 1u) == 0) {
      result.Reason =
          "The spanning tree does not reach " + VertexName(v) + ", so Christofides cannot start.";
      return result;
    }
  }

  std::array<std::array<int, MaxVertices>, MaxVertices> edges{};  // multiplicities
  std::array<int, MaxVertices> degree{};
  for (const TreeEdge& edge : result.Tree.Edges) {
    // It reaches every vertex with at most as many vertices: none beyond the vertex count.
    assert(edge.From < n && edge.To < n);
    ++edges[edge.From][edge.To];
    ++edges[edge.To][edge.From];
    ++degree[edge.From];
    ++degree[edge.To];
  }
  FixedList<int, MaxVertices> odd;
  for (int v = 0; v < n; ++v) {
    if (degree[v] % 2 != 0) odd.push_back(v);
  }
  const PairWeights graph = PairWeightsOf(drawing);
  if (!LightestMatching(graph, odd, result.Matching)) {
    for (int a : odd) {
      bool partner = false;
      for (int b : odd) partner = partner || (a != b && graph.Between(a, b));
      if (!partner) {
        result.Reason = "No matching pairs the tree's odd-degree vertices " + VertexList(odd) +
                        " over lines: " + VertexName(a) + " has no line to another of them.";
        return result;
      }
    }
    result.Reason = "No matching pairs all of the tree's odd-degree vertices " + VertexList(odd) +
                    " over lines.";
    return result;
  }
  for (const WeightedLine& line : result.Matching) {
    ++edges[line.From][line.To];
    ++edges[line.To][line.From];
  }

  // Hierholzer: the circuit is the vertices in the order they are popped, read backwards.
  std::array<int, MaxVertices + MaxVertices / 2> stack;
  int top = 0;
  stack[top++] = 0;
  FixedList<int, MaxVertices + MaxVertices / 2> popped;
  while (top > 0) {
    const int v = stack[top - 1];
    int u = 0;
    while (u < n && edges[v][u] == 0) ++u;
    if (u == n) {
      popped.push_back(v);
      --top;
      continue;
    }
    --edges[v][u];
    --edges[u][v];
    stack[top++] = u;
  }
  for (std::size_t i = popped.size(); i-- > 0;) result.Circuit.push_back(popped[i]);

  Tour tour;
  unsigned visited = 0;
  for (int v : result.Circuit) {
    if ((visited >> v & 1u) != 0) continue;
    visited |= 1u << v;
    if (!tour.empty() && !graph.Between(tour.back(), v)) {
      result.Reason = "The shortcut from " + VertexName(tour.back()) + " to " + VertexName(v) +
                      " past vertices already visited has no line.";
      return result;
    }
    tour.push_back(v);
  }
  assert(static_cast<int>(tour.size()) == n);
  if (!graph.Between(tour.back(), 0)) {
    result.Reason = "The shortcut from " + VertexName(tour.back()) + " back to A has no line.";
    return result;
  }
  tour.push_back(0);
  result.Found = tour;
  return result;
}

AlgorithmResult RunChristofides(const Drawing& drawing) {
  const ChristofidesResult found = ChristofidesTour(drawing);
  AlgorithmResult result = TourOutcome(drawing, found.Found, found.Reason);
  if (!found.Found || found.Tree.Edges.empty()) return result;

  Animation& play = result.Play;
  play.Steps.clear();
  std::vector<AnimationStep> shown;
  for (const TreeEdge& edge : found.Tree.Edges) {
    shown.push_back(PairStep(drawing, edge.From, edge.To));
    play.Frames.push_back(shown);
    play.Reasons.push_back(LineText(edge.From, edge.To, edge.Weight) +
                           " is an edge of the spanning tree.");
  }
  for (const WeightedLine& line : found.Matching) {
    shown.push_back(PairStep(drawing, line.From, line.To));
    play.Frames.push_back(shown);
    play.Reasons.push_back(
        LineText(line.From, line.To, line.Weight) +
        " pairs two of the tree's odd-degree vertices in the lightest matching.");
  }
  std::string circuit;
  for (int v : found.Circuit) circuit += (circuit.empty() ? "" : ", ") + VertexName(v);
  play.Frames.push_back(TourSteps(drawing, *found.Found));
  play.Reasons.push_back("The Euler circuit " + circuit +
                         " without its repeated vertices is the tour " + TourText(*found.Found) +
                         ".");
  play.Closing = TourClosing(result.Weight);
  return result;
}

}  // namespace tsp
