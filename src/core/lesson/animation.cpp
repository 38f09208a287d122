#include "core/lesson/animation.h"

#include "core/text/number_text.h"

namespace tsp {

Animation TreeAnimation(const std::optional<SpanningTree>& tree) {
  Animation animation;
  if (!tree) return animation;
  for (const TreeEdge& edge : tree->Edges) {
    animation.Steps.push_back(AnimationStep{edge.From, edge.To, edge.LineId, edge.Weight});
  }
  return animation;
}

Animation TourAnimation(const Drawing& drawing, const std::optional<Tour>& tour) {
  Animation animation;
  animation.IsTour = true;
  if (!tour) return animation;
  assert(!tour->empty());
  for (std::size_t s = 0; s + 1 < tour->size(); ++s) {
    animation.Steps.push_back(PairStep(drawing, (*tour)[s], (*tour)[s + 1]));
  }
  animation.EndMessage = EndReachedMessage;
  return animation;
}

AnimationStep PairStep(const Drawing& drawing, int from, int to) {
  return AnimationStep{from, to, drawing.LineBetween(from, to), drawing.WeightBetween(from, to)};
}

std::span<const AnimationStep> Animation::ShownAfter(int played) const {
  assert(played >= 0 && played <= TickCount());
  if (Frames.empty()) return {Steps.data(), static_cast<std::size_t>(played)};
  if (played == 0) return {};
  return Frames[played - 1];
}

PlayedTexts TextsAfter(const Animation& animation, int played) {
  PlayedTexts texts;
  for (const AnimationStep& step : animation.ShownAfter(played)) {
    texts.Edges += EdgeName(step.From, step.To) + ',';
    if (animation.IsTour && step.LineId >= 0) {
      texts.Weights += IntText(step.Weight);
      texts.Weights += "**";
      texts.Weight = Add16(texts.Weight, step.Weight);
    }
  }
  return texts;
}

}  // namespace tsp
