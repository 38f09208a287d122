#pragma once

// Builds graph states the way the matrix editor and the graph view do, and plays animations
// the way the windows' timers do, for the core tests.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graph/animation.h"
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
    boxes.White[BoxIndex(e.Row, e.Column)].assign(1, '1');  // not = "1": a false -Wrestrict in g++ 12
    boxes.Red[BoxIndex(e.Row, e.Column)] = e.Weight;
  }
  return boxes;
}

inline void Load(GraphState& state, int vertexCount, MatrixBoxes boxes,
                 std::int16_t iterationCount = 1) {
  std::array<DrawnEdge, BoxCount> edges{};
  LoadGraphState(state, static_cast<std::int16_t>(vertexCount), iterationCount, boxes, edges);
}

// A fresh graph view of vertexCount vertices whose edges sit in the given boxes.
inline GraphState LoadedGraph(int vertexCount, const std::vector<BoxEntry>& entries,
                              std::int16_t iterationCount = 1) {
  GraphState state;
  Load(state, vertexCount, BoxesWith(entries), iterationCount);
  return state;
}

// The entries of a list before the first one equal to stop.
template <std::size_t N>
std::vector<int> Until(const std::array<std::int16_t, N>& list, int stop = ListSentinel) {
  std::vector<int> front;
  for (std::int16_t x : list) {
    if (x == stop) break;
    front.push_back(x);
  }
  return front;
}

struct Played {
  std::vector<AnimationTick> Ticks;
  std::vector<int> Lines;  // coloured, in order
};

// Starts an animation at step 0 and ticks until its first end message.
template <class TickFunction>
Played Play(GraphState& state, TickFunction tick) {
  Played played;
  state.AnimationStep = 0;
  state.TourWeight = 0;
  for (int guard = 0; guard < 300; ++guard) {
    played.Ticks.push_back(tick(state));
    const AnimationTick& last = played.Ticks.back();
    if (last.ColourLine >= 0) played.Lines.push_back(last.ColourLine);
    if (last.EndMessage != nullptr) break;
  }
  return played;
}

}  // namespace tsp::testing
