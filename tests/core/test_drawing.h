#pragma once

// Drawings entered the way the matrix editor enters them: a "1" and a weight text in the
// given boxes, every other box blank.

#include <algorithm>
#include <cassert>
#include <string>
#include <vector>

#include "core/algorithms/spanning_tree.h"
#include "core/graph/drawing.h"

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

// The weight texts of the pairs AB, AC, ..., AJ, BC, ... in that order, "-" for no line,
// separated by blanks: "1 3 4 4 2 9" joins all four vertices of a graph.
inline Drawing DrawingOfPairs(int vertexCount, const std::string& weights) {
  std::vector<BoxEntry> entries;
  std::size_t at = 0;
  for (int a = 0; a < vertexCount; ++a) {
    for (int b = a + 1; b < vertexCount; ++b) {
      const std::size_t end = std::min(weights.find(' ', at), weights.size());
      assert(at < weights.size());
      if (weights.compare(at, end - at, "-") != 0) {
        entries.push_back({a, b, weights.substr(at, end - at)});
      }
      at = end + 1;
    }
  }
  assert(at >= weights.size());
  return DrawingWith(vertexCount, entries);
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
