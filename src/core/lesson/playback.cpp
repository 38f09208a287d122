#include "core/lesson/playback.h"

#include <algorithm>
#include <cassert>

#include "core/lesson/narration.h"
#include "core/text/number_text.h"

namespace tsp {

void Playback::Start(Animation animation, Rgb colour, Board before) {
  animation_ = std::move(animation);
  colour_ = colour;
  before_ = std::move(before);
  ticks_ = 0;
  started_ = true;
  paused_ = false;
}

Playback::Tick Playback::Advance() {
  if (!started_ || Ended()) return Tick::None;
  ++ticks_;
  return Ended() ? Tick::Ended : Tick::Played;
}

bool Playback::StepBack() {
  if (!started_ || ticks_ == 0) return false;
  --ticks_;
  return true;
}

void Playback::SetPaused(bool paused) {
  if (started_) paused_ = paused;
}

Board Playback::View() const {
  Board board = before_;
  board.Sentence = StepSentence(animation_, ticks_);
  if (!started_) return board;
  const int played = std::min(ticks_, animation_.TickCount());
  for (const AnimationStep& step : animation_.ShownAfter(played)) {
    if (step.LineId < 0) continue;
    assert(step.LineId < static_cast<int>(board.LineColours.size()));
    board.LineColours[step.LineId] = colour_;
  }
  if (ticks_ == 0) return board;
  // The first tick empties the run's list boxes.
  const PlayedTexts texts = TextsAfter(animation_, played);
  if (animation_.IsTour) {
    board.TourEdges = texts.Edges;
    board.TourWeights = texts.Weights;
    if (Ended()) board.TourWeight = IntText(texts.Weight);
  } else {
    board.TreeEdges = texts.Edges;
  }
  return board;
}

std::int16_t Playback::TourWeight() const {
  return TextsAfter(animation_, animation_.TickCount()).Weight;
}

}  // namespace tsp
