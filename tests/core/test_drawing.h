#pragma once

// Drawings entered the way the matrix editor enters them: a "1" and a weight text in the
// given boxes, every other box blank.

#include <string>
#include <vector>

#include "core/graph/drawing.h"
#include "core/algorithms/spanning_tree.h"

namespace tsp::testing {

struct BoxEntry {
  int Row;
  int Column;
  std::string Weight;
};

inline MatrixTexts TextsWith(const std::vector<BoxEntry>& entries) {
  MatrixTexts texts = MatrixTexts::Blank();
  for (const BoxEntry& e : entries) {
    texts.White[BoxIndex(e.Row, e.Column)].assign(1,
                                                  '1');  // not = "1": a false -Wrestrict in g++ 12
    texts.Red[BoxIndex(e.Row, e.Column)] = e.Weight;
  }
  return texts;
}

inline Drawing DrawingWith(int vertexCount, const std::vector<BoxEntry>& entries) {
  return BuildDrawing(vertexCount, TextsWith(entries));
}

// "A--C,C--B," as the list box shows the edges.
template <class Edges>
inline std::string Listing(const Edges& edges) {
  std::string text;
  for (const TreeEdge& e : edges) {
    text += VertexLetter(e.From);
    text += "--";
    text += VertexLetter(e.To);
    text += ',';
  }
  return text;
}

}  // namespace tsp::testing
