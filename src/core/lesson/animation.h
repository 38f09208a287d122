#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/graph/drawing.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tree_tour.h"

namespace tsp {

inline constexpr const char* SentinelFoundMessage = " Simulation terminated (200 found ) !!";
inline constexpr const char* EndReachedMessage = " Simulation terminated (End reached) !!";

// One tick of a run's animation that plays an edge: the pair it lists and the line it colours.
struct AnimationStep {
  int From = 0;
  int To = 0;
  int LineId = -1;  // -1: no line joins the pair; it is listed, coloured nothing, weighs 0
  std::int16_t Weight = 0;
};

// What a run plays, one step a tick, and the message of the tick after the last step.
struct Animation {
  std::vector<AnimationStep> Steps;
  const char* EndMessage = SentinelFoundMessage;
  // A tour lists its weights and shows its total at the end; a tree lists its edges only.
  bool IsTour = false;
};

// The tree's edges; nothing when no tree was computed.
Animation TreeAnimation(const std::optional<SpanningTree>& tree);
// The tour's consecutive pairs; nothing when no tour was computed.
Animation TourAnimation(const Drawing& drawing, const std::optional<Tour>& tour);

// The texts of the list boxes and the tour's weight once the first `played` steps were played:
// "X--Y," for every pair, and for a tour "w**" for every pair joined by a line.
struct PlayedTexts {
  std::string Edges;
  std::string Weights;
  std::int16_t Weight = 0;
};
PlayedTexts TextsAfter(const Animation& animation, int played);

// Runs compute times over (the timed part of a run) and gives the last result; nothing when
// times is 0 or less.
template <class Compute>
auto Repeat(int times, Compute compute) -> std::optional<decltype(compute())> {
  std::optional<decltype(compute())> last;
  for (int i = 0; i < times; ++i) last = compute();
  return last;
}

}  // namespace tsp
