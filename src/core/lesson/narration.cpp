#include "core/lesson/narration.h"

#include <cassert>

namespace tsp {
namespace {

std::string Weighed(const AnimationStep& step) {
  return step.LineId >= 0 ? " (" + std::to_string(step.Weight) + ")" : "";
}

std::string TreeSentence(const AnimationStep& step) {
  return VertexName(step.To) + " joins the tree through " + EdgeName(step.From, step.To) +
         Weighed(step) + ", the lightest edge from a tree vertex to a vertex outside it.";
}

std::string TourSentence(const Animation& animation, const RunStory& story, int index) {
  const AnimationStep& step = animation.Steps[index];
  const bool last = index + 1 == static_cast<int>(animation.Steps.size());
  std::string sentence = last && step.To == 0
                             ? "back to " + VertexName(step.To) + Weighed(step) + "."
                             : VertexName(step.From) + " to " + VertexName(step.To) + Weighed(step);
  if (step.LineId < 0) {
    sentence += last && step.To == 0 ? "" : ".";
    return sentence + " No line joins " + VertexName(step.From) + " and " + VertexName(step.To) +
           ", so this step counts 0.";
  }
  if (last && step.To == 0) return sentence;
  switch (story.Kind) {
    case RunKind::TreeTour:
      return sentence + ": " + VertexName(step.To) + " is the next vertex of the tree in preorder.";
    case RunKind::Optimum:
      return sentence + ": the next vertex of the lightest closed tour.";
    default:
      return sentence + ".";
  }
}

std::string EndSentence(const Animation& animation, const RunStory& story) {
  const int steps = static_cast<int>(animation.Steps.size());
  if (steps == 0) return "Nothing was computed to play.";
  const PlayedTexts texts = TextsAfter(animation, steps);
  if (story.Kind == RunKind::SpanningTree) {
    int weight = 0;
    for (const AnimationStep& step : animation.Steps) weight += step.Weight;
    return "Done: the tree joins " + std::to_string(steps + 1) + " of " +
           std::to_string(story.VertexCount) + " vertices with weight " + std::to_string(weight) +
           ".";
  }
  return "Done: the tour weighs " + std::to_string(texts.Weight) + ".";
}

}  // namespace

std::string StepSentence(const Animation& animation, const RunStory& story, int played) {
  const int steps = static_cast<int>(animation.Steps.size());
  assert(played >= 0 && played <= steps + 1);
  if (played == 0) return "";
  if (played > steps) return EndSentence(animation, story);
  const std::string count =
      "Step " + std::to_string(played) + " of " + std::to_string(steps) + ": ";
  if (story.Kind == RunKind::SpanningTree) {
    return count + TreeSentence(animation.Steps[played - 1]);
  }
  std::string sentence = count + TourSentence(animation, story, played - 1);
  if (story.Kind == RunKind::LightCycle) {
    sentence = "Variant " + std::to_string(story.Variant + 1) + " of " +
               std::to_string(story.VariantCount) + " (weight " +
               std::to_string(story.VariantWeight) + ") is the lightest; playing it: " + sentence;
  }
  return sentence;
}

}  // namespace tsp
