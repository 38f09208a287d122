#pragma once

#include <array>
#include <cstdint>

#include "core/graph/drawing.h"
#include "core/graph/fixed_list.h"
#include "core/graph/pair_weights.h"

namespace tsp {

// A line as the algorithms that take lines by weight see it, written with the earlier letter
// first.
struct WeightedLine {
  int From = 0;
  int To = 0;
  int Weight = 0;

  bool operator==(const WeightedLine&) const = default;
};

inline constexpr int MaxLines = MaxVertices * (MaxVertices - 1) / 2;
using LineList = FixedList<WeightedLine, MaxLines>;

// The lighter line first; between equal weights the pair written with the earlier letter
// first, compared letter by letter.
constexpr bool TakenBefore(const WeightedLine& a, const WeightedLine& b) {
  if (a.Weight != b.Weight) return a.Weight < b.Weight;
  if (a.From != b.From) return a.From < b.From;
  return a.To < b.To;
}

// Every drawn line among the graph's vertices, in the order TakenBefore gives.
LineList LinesByWeight(const PairWeights& graph);
// The listed lines (those the spanning tree may use) among the drawing's vertices, likewise.
LineList ListedLinesByWeight(const Drawing& drawing);

// The parts that the lines taken so far join the vertices into.
class Components {
 public:
  Components() {
    for (int v = 0; v < MaxVertices; ++v) root_[v] = static_cast<std::int8_t>(v);
  }
  int Find(int v) const {
    while (root_[v] != v) v = root_[v];
    return v;
  }
  // Joins the parts of a and b; false when they are one part already.
  bool Join(int a, int b) {
    const int ra = Find(a);
    const int rb = Find(b);
    if (ra == rb) return false;
    root_[rb] = static_cast<std::int8_t>(ra);
    return true;
  }

 private:
  std::array<std::int8_t, MaxVertices> root_;
};

}  // namespace tsp
