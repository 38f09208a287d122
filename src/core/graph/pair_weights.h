#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/graph/matrix.h"
#include "core/graph/vertex.h"

namespace tsp {

// The drawn graph as a weight table: for every vertex pair the weight of the line between
// them, empty where no line is drawn. Symmetric, with an empty diagonal; the weights lie in
// -101..101. Only vertices below VertexCount take part.
//
// The table is kept as the heuristics read it, so that a run does not first copy it into a
// table of its own: a row of 16 lanes of 16 bits per vertex, aligned for vector loads, NoLine
// where no line is drawn, on the diagonal and in the six lanes beyond the vertices.
class PairWeights {
 public:
  // Above 4 * MaxWeight, so that a sum of two weights less two others stays negative when one
  // of the two is NoLine, and small enough that 32 times it fits in 16 bits.
  static constexpr std::int16_t NoLine = 900;
  static_assert(NoLine > 5 * MaxWeight && 32 * NoLine < 32767);
  static constexpr std::size_t RowLanes = 16;
  static constexpr std::size_t RowAlignment = 32;
  static_assert(RowLanes * sizeof(std::int16_t) % RowAlignment == 0);

  int VertexCount = 0;

  PairWeights() { weights_.fill(NoLine); }

  std::optional<std::int16_t> Between(int a, int b) const {
    const std::int16_t weight = At(a, b);
    return weight == NoLine ? std::nullopt : std::optional<std::int16_t>(weight);
  }
  // The weight between a and b, NoLine where no line joins them.
  std::int16_t At(int a, int b) const {
    assert(a >= 0 && a < MaxVertices && b >= 0 && b < MaxVertices);
    return weights_[a * RowLanes + b];
  }
  // The weights from a to every vertex, as At gives them, in lane b for vertex b; the rows
  // follow one another, so that a run of lanes may go on into the next row.
  const std::int16_t* RowOf(int a) const {
    assert(a >= 0 && a < MaxVertices);
    return weights_.data() + a * RowLanes;
  }

  void Join(int a, int b, std::int16_t weight) {
    assert(a != b && weight >= -MaxWeight && weight <= MaxWeight);
    weights_[a * RowLanes + b] = weights_[b * RowLanes + a] = weight;
  }
  void RemoveLine(int a, int b) {
    weights_[a * RowLanes + b] = weights_[b * RowLanes + a] = NoLine;
  }

  bool operator==(const PairWeights&) const = default;

 private:
  alignas(RowAlignment) std::array<std::int16_t, MaxVertices * RowLanes> weights_;
};

}  // namespace tsp
