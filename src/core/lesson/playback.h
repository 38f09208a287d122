#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/graph/colour.h"
#include "core/lesson/animation.h"

namespace tsp {

// What the graph view shows that a run changes: the colour of each line (by line id), the
// three list boxes, the tour's weight and the sentence of the last step.
struct Board {
  std::vector<Rgb> LineColours;
  std::string TreeEdges;
  std::string TourEdges;
  std::string TourWeights;
  std::string TourWeight;
  std::string Sentence;

  bool operator==(const Board&) const = default;
};

// The run being played, one tick at a time: it can be paused, stepped forward and back, and
// every state it passes through is rebuilt from the board as it was when the run started plus
// the ticks played so far.
class Playback {
 public:
  // Starts the animation afresh over the board as it stands; its lines take the colour.
  void Start(Animation animation, Rgb colour, Board before);
  bool Started() const { return started_; }
  bool Paused() const { return paused_; }
  // Every tick was played, the one after the last step included.
  bool Ended() const { return ticks_ > animation_.TickCount(); }
  int Ticks() const { return ticks_; }
  const Animation& Playing() const { return animation_; }

  enum class Tick { None, Played, Ended };
  // One more tick: a step, or the tick after the last step, which ends the run; None once the
  // run had ended (or none was started).
  Tick Advance();
  // Takes the last tick back; false when there is none to take back.
  bool StepBack();
  // Only a started run can be paused.
  void SetPaused(bool paused);

  // What the board shows after the ticks played: the run's lines in its colour over the colours
  // they had, its list boxes filled from the first tick on (before that they show what they
  // held), the tour's weight once it ended.
  Board View() const;
  // The weight of the tour once all its steps were played.
  std::int16_t TourWeight() const;

 private:
  Animation animation_;
  Rgb colour_;
  Board before_;
  int ticks_ = 0;
  bool started_ = false;
  bool paused_ = false;
};

}  // namespace tsp
