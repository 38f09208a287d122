#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/graph/vertex.h"

namespace tsp {

// The drawn graph as a weight table: for every vertex pair the weight of the line between
// them, empty where no line is drawn. Symmetric, with an empty diagonal; the weights lie in
// -101..101. Only vertices below VertexCount take part.
struct PairWeights {
  int VertexCount = 0;
  std::array<std::array<std::optional<std::int16_t>, MaxVertices>, MaxVertices> Weight{};

  const std::optional<std::int16_t>& Between(int a, int b) const { return Weight[a][b]; }
  void Join(int a, int b, std::int16_t weight) {
    assert(a != b);
    Weight[a][b] = weight;
    Weight[b][a] = weight;
  }
};

}  // namespace tsp
