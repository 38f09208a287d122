#pragma once

// Builds graph states the way the matrix editor and the graph view do, for the core tests.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graph/graph_build.h"
#include "graph/graph_state.h"

namespace tsp::testing {

struct BoxEntry {
  int Row;
  int Column;
  std::string Weight;
};

inline MatrixBoxes BoxesWith(const std::vector<BoxEntry>& entries) {
  MatrixBoxes boxes;
  boxes.White.fill("0");
  boxes.Red.fill("0");
  for (const BoxEntry& e : entries) {
    boxes.White[BoxIndex(e.Row, e.Column)] = "1";
    boxes.Red[BoxIndex(e.Row, e.Column)] = e.Weight;
  }
  return boxes;
}

// Loads a graph of vertexCount vertices whose edges sit in the given boxes.
inline GraphState LoadedGraph(int vertexCount, const std::vector<BoxEntry>& entries,
                              std::int16_t iterationCount = 1) {
  GraphState state;
  MatrixBoxes boxes = BoxesWith(entries);
  std::array<DrawnEdge, BoxCount> edges{};
  LoadGraphState(state, static_cast<std::int16_t>(vertexCount), iterationCount, boxes, edges);
  return state;
}

}  // namespace tsp::testing
