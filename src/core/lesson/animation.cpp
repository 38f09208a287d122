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
    const int from = (*tour)[s];
    const int to = (*tour)[s + 1];
    animation.Steps.push_back(
        AnimationStep{from, to, drawing.LineBetween(from, to), drawing.WeightBetween(from, to)});
  }
  animation.EndMessage = EndReachedMessage;
  return animation;
}

PlayedTexts TextsAfter(const Animation& animation, int played) {
  assert(played >= 0 && played <= static_cast<int>(animation.Steps.size()));
  PlayedTexts texts;
  for (int s = 0; s < played; ++s) {
    const AnimationStep& step = animation.Steps[s];
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
