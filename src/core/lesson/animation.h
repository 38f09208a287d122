#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/graph/drawing.h"
#include "core/graph/tour.h"
#include "core/graph/tree.h"

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

// What a run plays, one tick at a time, with a sentence a tick, and the message of the tick
// after the last one. Most runs add one pair a tick: after k ticks the first k steps show.
struct Animation {
  std::vector<AnimationStep> Steps;
  // Runs whose ticks also take pairs away (an insertion puts a vertex between two others, an
  // exchange trades two lines for two) give instead the pairs shown after each tick, in the
  // order the list boxes list them. Empty for the runs that only add.
  std::vector<std::vector<AnimationStep>> Frames;
  // Why each tick plays what it plays: one sentence a tick (see StepSentence).
  std::vector<std::string> Reasons;
  // Said before every step's sentence; the sentence once every tick was played.
  std::string Lead;
  std::string Closing;
  const char* EndMessage = SentinelFoundMessage;
  // A tour lists its weights and shows its total at the end; a tree lists its edges only.
  bool IsTour = false;

  int TickCount() const { return static_cast<int>(Frames.empty() ? Steps.size() : Frames.size()); }
  // The pairs shown once the first `played` ticks were played (0 to TickCount()).
  std::span<const AnimationStep> ShownAfter(int played) const;
};

// The tree's edges; nothing when no tree was computed. Without reasons.
Animation TreeAnimation(const std::optional<SpanningTree>& tree);
// The tour's consecutive pairs; nothing when no tour was computed. Without reasons.
Animation TourAnimation(const Drawing& drawing, const std::optional<Tour>& tour);
// The pair of a tour step or a line, as animations play it: the line between the two
// vertices (-1 where there is none) and its weight.
AnimationStep PairStep(const Drawing& drawing, int from, int to);

// The texts of the list boxes and the tour's weight once the first `played` ticks were played:
// "X--Y," for every pair shown, and for a tour "w**" for every pair joined by a line.
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
