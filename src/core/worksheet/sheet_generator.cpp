#include "core/worksheet/sheet_generator.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <limits>
#include <numeric>
#include <string>

namespace tsp {

std::uint64_t SheetRandom::Next() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
  return z ^ (z >> 31);
}

int SheetRandom::Between(int low, int high) {
  assert(low <= high);
  const std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
  // Draws at or above the last whole multiple of span are drawn again, so that no value is
  // favoured; fewer than one draw in 2^56 is.
  const std::uint64_t limit =
      std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % span;
  std::uint64_t draw = Next();
  while (draw >= limit) draw = Next();
  return low + static_cast<int>(draw % span);
}

PairWeights SheetGraph(std::uint32_t seed, int number, int vertexCount, bool metric) {
  assert(vertexCount >= MinSheetVertices && vertexCount <= MaxSheetVertices);
  assert(number >= 1);
  // Seed and number side by side: every sheet of every seed has a generator of its own.
  SheetRandom random((static_cast<std::uint64_t>(seed) << 32) | static_cast<std::uint32_t>(number));

  // The first weights of a shuffle of 1..99: different weights for the 45 pairs at most.
  std::array<int, MaxSheetWeight> weights;
  std::iota(weights.begin(), weights.end(), MinSheetWeight);
  std::array<std::array<int, MaxVertices>, MaxVertices> w{};
  int drawn = 0;
  for (int a = 0; a < vertexCount; ++a) {
    for (int b = a + 1; b < vertexCount; ++b, ++drawn) {
      std::swap(weights[drawn], weights[random.Between(drawn, MaxSheetWeight - 1)]);
      w[a][b] = w[b][a] = weights[drawn];
    }
  }
  if (metric) {
    // Floyd–Warshall: a path is never heavier than the line it may replace.
    for (int k = 0; k < vertexCount; ++k) {
      for (int a = 0; a < vertexCount; ++a) {
        for (int b = 0; b < vertexCount; ++b) {
          if (a != b && a != k && b != k) w[a][b] = std::min(w[a][b], w[a][k] + w[k][b]);
        }
      }
    }
  }

  PairWeights graph;
  graph.VertexCount = vertexCount;
  for (int a = 0; a < vertexCount; ++a) {
    for (int b = a + 1; b < vertexCount; ++b) {
      assert(w[a][b] >= MinSheetWeight && w[a][b] <= MaxSheetWeight);
      graph.Join(a, b, static_cast<std::int16_t>(w[a][b]));
    }
  }
  return graph;
}

GraphDocument SheetDocument(const PairWeights& graph) {
  MatrixTexts texts = MatrixTexts::Blank();
  for (int a = 0; a < graph.VertexCount; ++a) {
    for (int b = a + 1; b < graph.VertexCount; ++b) {
      assert(graph.Between(a, b));
      texts.White[BoxIndex(a, b)].assign(1, '1');
      texts.Red[BoxIndex(a, b)] = std::to_string(*graph.Between(a, b));
    }
  }
  return DocumentOf(graph.VertexCount, "1", texts);
}

}  // namespace tsp
