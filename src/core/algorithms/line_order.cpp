#include "core/algorithms/line_order.h"

namespace tsp {
namespace {

// Insertion sort: at most 45 lines, and already sorted pairs stay in place.
void SortByWeight(LineList& lines) {
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const WeightedLine line = lines[i];
    std::size_t at = i;
    while (at > 0 && TakenBefore(line, lines[at - 1])) {
      lines[at] = lines[at - 1];
      --at;
    }
    lines[at] = line;
  }
}

}  // namespace

LineList LinesByWeight(const PairWeights& graph) {
  LineList lines;
  for (int a = 0; a < graph.VertexCount; ++a) {
    for (int b = a + 1; b < graph.VertexCount; ++b) {
      if (const auto& weight = graph.Between(a, b)) lines.push_back({a, b, *weight});
    }
  }
  SortByWeight(lines);
  return lines;
}

LineList ListedLinesByWeight(const Drawing& drawing) {
  LineList lines;
  const int n = drawing.VertexCount();
  for (int a = 0; a < n; ++a) {
    const Drawing::ListedRow& row = drawing.ListedWeights(a);
    for (int b = a + 1; b < n; ++b) {
      if (row[b] != Drawing::NotListed) lines.push_back({a, b, row[b]});
    }
  }
  SortByWeight(lines);
  return lines;
}

}  // namespace tsp
