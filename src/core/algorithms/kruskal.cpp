#include "core/algorithms/kruskal.h"

#include <cassert>

#include "core/algorithms/line_order.h"
#include "core/lesson/narration.h"

namespace tsp {

SpanningTree KruskalTree(const Drawing& drawing) {
  const int n = drawing.VertexCount();
  assert(n >= 1 && n <= MaxVertices);
  Components parts;
  SpanningTree tree;
  for (const WeightedLine& line : ListedLinesByWeight(drawing)) {
    if (!parts.Join(line.From, line.To)) continue;
    tree.Edges.push_back({line.From, line.To, drawing.LineBetween(line.From, line.To),
                          static_cast<std::int16_t>(line.Weight)});
    if (static_cast<int>(tree.Edges.size()) == n - 1) break;
  }
  tree.VertexCount = 0;
  for (int v = 0; v < n; ++v) tree.VertexCount += parts.Find(v) == parts.Find(0) ? 1 : 0;
  return tree;
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
