#include "core/algorithms/kruskal.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <optional>

#include "core/algorithms/line_lanes.h"
#include "core/algorithms/spanning_tree.h"
#include "core/lesson/narration.h"

namespace tsp {

SpanningTree KruskalTree(const Drawing& drawing) {
  const int n = drawing.VertexCount();
  assert(n >= 1 && n <= MaxVertices);
  // The lightest line that joins two separate parts, as LineLanes takes it: joining two parts
  // refuses every line between them. part[v] is the lowest vertex of v's part, lines[p] every
  // line of part p's vertices.
  LineLanes lanes(n, [&drawing](int a, int b) {
    const std::int16_t weight = drawing.ListedWeights(a)[b];
    return weight == Drawing::NotListed ? LineLanes::NoLine : weight;
  });
  std::array<int, MaxVertices> part;
  std::array<LineLanes::Lines, MaxVertices> lines;
  for (int v = 0; v < n; ++v) {
    part[v] = v;
    lines[v] = LineLanes::Of(v);
  }
  SpanningTree tree;
  while (static_cast<int>(tree.Edges.size()) < n - 1) {
    const std::optional<WeightedLine> line = lanes.Lightest();
    if (!line) break;
    tree.Edges.push_back({line->From, line->To, drawing.LineBetween(line->From, line->To),
                          static_cast<std::int16_t>(line->Weight)});
    const int kept = std::min(part[line->From], part[line->To]);
    const int joined = std::max(part[line->From], part[line->To]);
    lanes.RefuseBetween(lines[kept], lines[joined]);
    lines[kept] = LineLanes::Either(lines[kept], lines[joined]);
    for (int v = 0; v < n; ++v) part[v] = part[v] == joined ? kept : part[v];
  }
  tree.VertexCount = 0;
  for (int v = 0; v < n; ++v) tree.VertexCount += part[v] == 0 ? 1 : 0;
  return tree;
}

PracticeSteps KruskalSteps(const Drawing& drawing) {
  const SpanningTree tree = KruskalTree(drawing);
  const int n = drawing.VertexCount();
  const std::string rule = ", the lightest line left that joins two separate parts";
  Components parts;
  PracticeSteps steps;
  for (std::size_t k = 0; k < tree.Edges.size(); ++k) {
    const TreeEdge& taken = tree.Edges[k];
    const std::string takenText = LineText(taken.From, taken.To, taken.Weight);
    PracticeStep& step = steps.emplace_back();
    step.Tick = static_cast<int>(k) + 1;
    for (int a = 0; a < n; ++a) {
      for (int b = a + 1; b < n; ++b) {
        if (drawing.LineBetween(a, b) < 0) continue;
        JudgedAnswer& judged = step.Answers.emplace_back();
        judged.Answer = PracticeAnswer::Line(a, b);
        const std::string text = LineText(a, b, drawing.WeightBetween(a, b));
        const std::int16_t weight = drawing.ListedWeights(a)[b];
        const bool before =
            std::any_of(tree.Edges.begin(), tree.Edges.begin() + k,
                        [&](const TreeEdge& e) { return e.From == a && e.To == b; });
        if (a == taken.From && b == taken.To) {
          judged.Judged = Verdict::Taken;
          judged.Why = text + " is the lightest line left that joins two separate parts.";
        } else if (before) {
          judged.Offered = false;
          judged.Why = text + " is taken already.";
        } else if (parts.Find(a) == parts.Find(b)) {
          judged.Why = text + " would close a cycle: " + VertexName(a) + " and " + VertexName(b) +
                       " are joined already.";
        } else if (!JudgeByWeight(judged, text, weight, taken, takenText, rule)) {
          judged.Why = text + " is as light as " + takenText + rule +
                       "; on equal weights the program takes the pair with the earlier letters, " +
                       takenText + ".";
        }
      }
    }
    parts.Join(taken.From, taken.To);
  }
  return steps;
}

AlgorithmResult RunKruskal(const Drawing& drawing) {
  AlgorithmResult result;
  result.Tree = KruskalTree(drawing);
  result.Weight = result.Tree.Weight();
  result.Play = TreeAnimation(result.Tree);
  for (const AnimationStep& step : result.Play.Steps) {
    result.Play.Reasons.push_back(EdgeName(step.From, step.To) + WeightNote(step) +
                                  " is the lightest line left that joins two separate parts.");
  }
  const int n = drawing.VertexCount();
  const int parts = n - static_cast<int>(result.Tree.Edges.size());
  result.Play.Closing = parts == 1 ? TreeClosing(result.Play, n)
                                   : "Done: the lines taken join the " + std::to_string(n) +
                                         " vertices in " + std::to_string(parts) +
                                         " separate parts, with weight " +
                                         std::to_string(result.Weight) + ".";
  return result;
}

}  // namespace tsp
