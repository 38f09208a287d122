#pragma once

#include <cassert>
#include <string>

namespace tsp {

inline constexpr int MaxVertices = 10;
// The matrix editor's boxes: box 10 * row + column joins vertex row to vertex column.
inline constexpr int BoxCount = MaxVertices * MaxVertices;

constexpr int BoxIndex(int row, int column) {
  return MaxVertices * row + column;
}
constexpr int BoxRow(int box) {
  return box / MaxVertices;
}
constexpr int BoxColumn(int box) {
  return box % MaxVertices;
}

// "A" to "J" for vertices 0 to 9.
constexpr char VertexLetter(int vertex) {
  assert(vertex >= 0 && vertex < MaxVertices);
  return static_cast<char>('A' + vertex);
}

inline std::string VertexName(int vertex) {
  return std::string(1, VertexLetter(vertex));
}

// "A--B", as the runs list their edges.
inline std::string EdgeName(int from, int to) {
  return VertexName(from) + "--" + VertexName(to);
}

}  // namespace tsp
