#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/algorithms/algorithm.h"
#include "core/graph/drawing.h"
#include "core/lesson/practice_step.h"

namespace tsp {

enum class AnswerKind { Line, Vertex };

// An algorithm that can be practised step by step, and what it asks before each step.
struct PracticeRow {
  std::string_view Id;  // its id in the table of algorithms
  AnswerKind Kind;
  std::string_view Question;       // "Which line does Prim's algorithm add next?"
  std::string_view FirstQuestion;  // asked before the first step instead, when not empty
  PracticeSteps (*Steps)(const Drawing& drawing);
};

// Every algorithm that can be practised, in the order of the table of algorithms.
std::span<const PracticeRow> PracticeAlgorithms();
// The row with this id; nullptr when it cannot be practised.
const PracticeRow* FindPractice(std::string_view id);

// A practice of one algorithm on one drawing: the user answers each step before it is played,
// is told whether the algorithm would take that answer and why, and may try again or have the
// answer revealed. The run's animation plays one question's tick at a time.
class Practice {
 public:
  Practice(const PracticeRow& row, const Drawing& drawing);

  const PracticeRow& Row() const { return *row_; }
  const AlgorithmRow& Algorithm() const { return *algorithm_; }
  // The run that the answers play.
  const Animation& Play() const { return result_.Play; }
  // Why there is nothing to practise here, "" when there is.
  const std::string& Unavailable() const { return unavailable_; }

  bool Done() const { return asked_ == steps_.size(); }
  int QuestionCount() const { return static_cast<int>(steps_.size()); }
  // "Question 2 of 4: Which line does Prim's algorithm add next?"; "" once done.
  std::string Question() const;
  // The answers the list offers for the question asked, in their fixed order.
  std::vector<PracticeAnswer> Offered() const;
  // What the program takes at the question asked.
  PracticeAnswer Expected() const;
  // "B--D (2)" for a line of the drawing, "C" for a vertex.
  std::string AnswerText(PracticeAnswer answer) const;

  struct Outcome {
    bool Right = false;
    std::string Verdict;  // "Right: ...", "Not this one: ...", "The answer: ..."
    // The ticks the run shows afterwards: the step's once it is taken, every tick and the one
    // that ends the run once the last question is; unchanged after a wrong answer.
    int Tick = 0;
  };
  // Judges an answer to the question asked; a right one (also one that ties with the
  // program's) moves on to the next question.
  Outcome Answer(PracticeAnswer answer);
  // Gives the program's answer and moves on; the question counts as not right at the first try.
  Outcome Reveal();
  // "4 of 5 right at the first try", over the questions finished.
  std::string Score() const;

 private:
  Outcome MoveOn(bool right, std::string verdict);

  const PracticeRow* row_;
  const AlgorithmRow* algorithm_;
  Drawing drawing_;
  AlgorithmResult result_;
  PracticeSteps steps_;
  std::string unavailable_;
  std::size_t asked_ = 0;
  bool missed_ = false;  // a wrong answer was given to the question asked
  int finished_ = 0;
  int firstTry_ = 0;
  int ticks_ = 0;
};

}  // namespace tsp
