#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/lesson/animation.h"

namespace tsp {

// The sentence for the tick just played: "Step 3 of 5: " and that tick's reason, after the
// animation's lead; once past the last tick, its closing ("Nothing was computed to play." when
// it has no tick). Nothing played yet gives "".
std::string StepSentence(const Animation& animation, int played);

// " (3)" after a pair that a line joins, nothing after one that none does.
std::string WeightNote(const AnimationStep& step);

// A step of a tour: "D to C (9): " and why (a sentence of its own), or "D to C (9)." without
// one; the last step back to the start is "back to A (3).". A pair without a line says that it
// counts 0 instead of why.
std::string TourStepSentence(const AnimationStep& step, bool last, std::string_view why);

// Gives every step of a tour animation its sentence, with why(index) for each step that a line
// joins, and the closing that says what the tour weighs.
template <class Why>
void NarrateTour(Animation& animation, Why why) {
  const int steps = static_cast<int>(animation.Steps.size());
  for (int s = 0; s < steps; ++s) {
    animation.Reasons.push_back(TourStepSentence(animation.Steps[s], s + 1 == steps, why(s)));
  }
  animation.Closing =
      "Done: the tour weighs " + std::to_string(TextsAfter(animation, steps).Weight) + ".";
}

// "Done: the tree joins 4 of 4 vertices with weight 6."
std::string TreeClosing(const Animation& animation, int vertexCount);

// "A, B, D, C, A"
std::string TourText(const Tour& tour);
// "C", "C and D", "C, D and E".
std::string VertexList(std::span<const int> vertices);
// "+5", "+0", "-3": a change of weight.
std::string SignedText(int value);
// "B--D (2)"
std::string LineText(int from, int to, int weight);
// A bound as shown: rounded to two decimals, halves away from zero, never "-0.00".
double TwoDecimals(double value);
std::string TwoDecimalText(double value);
// "Done: the tour weighs 13."
std::string TourClosing(int weight);

// The pairs of a closed tour as the list boxes show them, each with its line and weight.
std::vector<AnimationStep> TourSteps(const Drawing& drawing, const Tour& tour);

}  // namespace tsp
