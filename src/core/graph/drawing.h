#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/graph/matrix.h"
#include "core/graph/pair_weights.h"
#include "core/graph/vertex.h"

namespace tsp {

// A line of the drawing, drawn from the anchor of vertex From to the anchor of vertex To: the
// row and the column of the white box that asked for it.
struct DrawnLine {
  int From = 0;
  int To = 0;
  std::string WeightText;  // the red box exactly as typed
  std::int16_t Weight = 0;
  // The weight text's numeric value is not exactly 0: only such lines can join the tree.
  bool Listed = false;

  bool operator==(const DrawnLine&) const = default;
};

// The graph as drawn: its vertices and its lines, whose line ids are their indices.
class Drawing {
 public:
  Drawing() {
    lineAt_.fill(-1);
    for (ListedRow& row : listed_) row.fill(NotListed);
  }

  int VertexCount() const { return vertexCount_; }
  const std::vector<DrawnLine>& Lines() const { return lines_; }

  // The line between two vertices in either direction, -1 where none is drawn.
  int LineBetween(int a, int b) const {
    assert(a >= 0 && a < MaxVertices && b >= 0 && b < MaxVertices);
    return lineAt_[BoxIndex(a, b)];
  }
  // The weight of that line, 0 where none is drawn.
  std::int16_t WeightBetween(int a, int b) const {
    const int line = LineBetween(a, b);
    return line < 0 ? std::int16_t{0} : lines_[line].Weight;
  }

  // Weights of the listed lines from one vertex to each other vertex, NotListed where there is
  // none: the entries the spanning tree chooses from, taken once per drawing.
  static constexpr std::int16_t NotListed = 200;
  using ListedRow = std::array<std::int16_t, MaxVertices>;
  const ListedRow& ListedWeights(int vertex) const { return listed_[vertex]; }

  bool operator==(const Drawing&) const = default;

  friend Drawing BuildDrawing(int vertexCount, const MatrixTexts& texts);

 private:
  int vertexCount_ = 0;
  std::vector<DrawnLine> lines_;
  std::array<std::int8_t, BoxCount> lineAt_;
  std::array<ListedRow, MaxVertices> listed_;
};

// Draws a line for every white box that reads "1" off the diagonal, in box order, once the
// white boxes keep one "1" per vertex pair (KeepOneBoxPerPair). Every box takes part, hidden
// ones included.
Drawing BuildDrawing(int vertexCount, const MatrixTexts& texts);

// The drawn lines among the first VertexCount vertices as a weight table.
PairWeights PairWeightsOf(const Drawing& drawing);

}  // namespace tsp
