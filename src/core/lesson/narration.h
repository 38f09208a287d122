#pragma once

#include <cstdint>
#include <string>

#include "core/lesson/animation.h"

namespace tsp {

enum class RunKind { SpanningTree, TreeTour, LightCycle, Optimum };

// What a run's sentences say beside its steps.
struct RunStory {
  RunKind Kind = RunKind::SpanningTree;
  int VertexCount = 0;
  // The light cycle: which variant won, out of how many, and its weight.
  int Variant = 0;
  int VariantCount = 0;
  std::int16_t VariantWeight = 0;
};

// One sentence for the tick that has just been played: step `played` (1-based) of the
// animation, or, when played is past the last step, its end. Nothing played yet gives "".
std::string StepSentence(const Animation& animation, const RunStory& story, int played);

}  // namespace tsp
