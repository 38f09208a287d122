#include "core/lesson/narration.h"

#include <cassert>
#include <cmath>
#include <cstdio>

namespace tsp {

std::string StepSentence(const Animation& animation, int played) {
  const int ticks = animation.TickCount();
  assert(played >= 0 && played <= ticks + 1);
  if (played == 0) return "";
  if (ticks == 0) return "Nothing was computed to play.";
  if (played > ticks) return animation.Closing;
  assert(static_cast<int>(animation.Reasons.size()) == ticks);
  return animation.Lead + "Step " + std::to_string(played) + " of " + std::to_string(ticks) + ": " +
         animation.Reasons[played - 1];
}

std::string WeightNote(const AnimationStep& step) {
  return step.LineId >= 0 ? " (" + std::to_string(step.Weight) + ")" : "";
}

std::string TourStepSentence(const AnimationStep& step, bool last, std::string_view why) {
  const bool home = last && step.To == 0;
  std::string sentence =
      home ? "back to " + VertexName(step.To) + WeightNote(step) + "."
           : VertexName(step.From) + " to " + VertexName(step.To) + WeightNote(step);
  if (step.LineId < 0) {
    if (!home) sentence += ".";
    return sentence + " No line joins " + VertexName(step.From) + " and " + VertexName(step.To) +
           ", so this step counts 0.";
  }
  if (home) return sentence;
  return why.empty() ? sentence + "." : sentence + ": " + std::string(why);
}

std::string TreeClosing(const Animation& animation, int vertexCount) {
  int weight = 0;
  for (const AnimationStep& step : animation.Steps) weight += step.Weight;
  return "Done: the tree joins " + std::to_string(animation.Steps.size() + 1) + " of " +
         std::to_string(vertexCount) + " vertices with weight " + std::to_string(weight) + ".";
}

std::string TourText(const Tour& tour) {
  std::string text;
  for (int v : tour) {
    if (!text.empty()) text += ", ";
    text += VertexLetter(v);
  }
  return text;
}

std::string VertexList(std::span<const int> vertices) {
  assert(!vertices.empty());
  std::string text;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    if (i > 0) text += i + 1 == vertices.size() ? " and " : ", ";
    text += VertexLetter(vertices[i]);
  }
  return text;
}

std::string SignedText(int value) {
  // Appended rather than prepended: g++ 12 warns (-Wrestrict) on a literal + a temporary string.
  std::string text = value >= 0 ? "+" : "";
  text += std::to_string(value);
  return text;
}

std::string LineText(int from, int to, int weight) {
  return EdgeName(from, to) + " (" + std::to_string(weight) + ")";
}

double TwoDecimals(double value) {
  return std::round(value * 100) / 100 + 0.0;
}

std::string TwoDecimalText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", TwoDecimals(value));
  return text;
}

std::string TourClosing(int weight) {
  return "Done: the tour weighs " + std::to_string(weight) + ".";
}

std::vector<AnimationStep> TourSteps(const Drawing& drawing, const Tour& tour) {
  std::vector<AnimationStep> steps;
  for (std::size_t s = 0; s + 1 < tour.size(); ++s) {
    steps.push_back(PairStep(drawing, tour[s], tour[s + 1]));
  }
  return steps;
}

}  // namespace tsp
