#include "core/algorithms/line_order.h"

#include <cassert>
#include <limits>

namespace tsp {
namespace {

// Each line as one 16-bit number, smaller exactly when TakenBefore puts it first: the weight in
// the top byte, the two letters a half byte each below it.
constexpr std::int16_t LineKey(const WeightedLine& line) {
  return static_cast<std::int16_t>(line.Weight * 256 + line.From * 16 + line.To);
}
// Room for every line rounded up to whole vector registers; the padding is larger than every
// line.
constexpr std::size_t KeySlots = 48;
static_assert(KeySlots >= MaxLines);

// By rank: a line's place is the number of lines that come before it. The compiler counts
// eight or sixteen of them at once, without a branch, where sorting 45 lines by comparisons
// mispredicts a branch at almost every step. Keys differ for different pairs, so the places are
// distinct.
void SortByWeight(LineList& lines) {
  std::array<std::int16_t, KeySlots> keys;
  keys.fill(std::numeric_limits<std::int16_t>::max());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    assert(lines[i].Weight >= -MaxWeight && lines[i].Weight <= MaxWeight);
    keys[i] = LineKey(lines[i]);
  }
  std::array<std::int16_t, KeySlots> place{};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::size_t j = 0; j < KeySlots; ++j) place[j] += keys[i] < keys[j] ? 1 : 0;
  }
  const LineList unsorted = lines;
  for (std::size_t i = 0; i < unsorted.size(); ++i) {
    lines[static_cast<std::size_t>(place[i])] = unsorted[i];
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
