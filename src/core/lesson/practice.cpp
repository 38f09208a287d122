#include "core/lesson/practice.h"

#include <array>
#include <cassert>

#include "core/algorithms/algorithm_table.h"
#include "core/algorithms/greedy_edge.h"
#include "core/algorithms/insertion.h"
#include "core/algorithms/kruskal.h"
#include "core/algorithms/nearest_neighbour.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tree_tour.h"
#include "core/lesson/narration.h"

namespace tsp {
namespace {

constexpr std::string_view FirstOfTour = "Which vertex makes the first tour with A?";

const std::array Table{
    PracticeRow{"spanning_tree",
                AnswerKind::Line,
                "Which line does Prim's algorithm add next?",
                {},
                SpanningTreeSteps},
    PracticeRow{"kruskal",
                AnswerKind::Line,
                "Which line does Kruskal's algorithm add next?",
                {},
                KruskalSteps},
    PracticeRow{"tree_tour",
                AnswerKind::Vertex,
                "Which vertex comes next in the tree's preorder?",
                {},
                TreeTourSteps},
    PracticeRow{"nearest_neighbour",
                AnswerKind::Vertex,
                "Which vertex does the nearest-neighbour tour visit next?",
                {},
                NearestNeighbourSteps},
    PracticeRow{"greedy_edge",
                AnswerKind::Line,
                "Which line does greedy edge take next?",
                {},
                GreedyEdgeSteps},
    PracticeRow{"nearest_insertion", AnswerKind::Vertex,
                "Which vertex does nearest insertion put into the tour next?", FirstOfTour,
                NearestInsertionSteps},
    PracticeRow{"farthest_insertion", AnswerKind::Vertex,
                "Which vertex does farthest insertion put into the tour next?", FirstOfTour,
                FarthestInsertionSteps},
    PracticeRow{"cheapest_insertion", AnswerKind::Vertex,
                "Which vertex does cheapest insertion put into the tour next?", FirstOfTour,
                CheapestInsertionSteps},
};

}  // namespace

std::span<const PracticeRow> PracticeAlgorithms() {
  return Table;
}

const PracticeRow* FindPractice(std::string_view id) {
  for (const PracticeRow& row : Table) {
    if (row.Id == id) return &row;
  }
  return nullptr;
}

Practice::Practice(const PracticeRow& row, const Drawing& drawing)
    : row_(&row),
      algorithm_(&AlgorithmById(row.Id)),
      drawing_(drawing),
      result_(algorithm_->Run(drawing)) {
  const std::string name(algorithm_->Name);
  if (algorithm_->Kind == AlgorithmKind::Tour && !result_.FoundTour) {
    unavailable_ = name + " finds no tour to practise: " + result_.Reason;
    return;
  }
  steps_ = row.Steps(drawing);
  if (steps_.empty()) unavailable_ = name + " takes no step on this graph: nothing to practise.";
  // Each question plays the ticks up to its own; the run must hold them all.
  assert(steps_.empty() || steps_.back().Tick <= result_.Play.TickCount());
}

std::string Practice::Question() const {
  if (Done()) return "";
  const std::string_view text =
      asked_ == 0 && !row_->FirstQuestion.empty() ? row_->FirstQuestion : row_->Question;
  return "Question " + std::to_string(asked_ + 1) + " of " + std::to_string(steps_.size()) + ": " +
         std::string(text);
}

std::vector<PracticeAnswer> Practice::Offered() const {
  std::vector<PracticeAnswer> offered;
  if (Done()) return offered;
  for (const JudgedAnswer& judged : steps_[asked_].Answers) {
    if (judged.Offered) offered.push_back(judged.Answer);
  }
  return offered;
}

PracticeAnswer Practice::Expected() const {
  assert(!Done());
  for (const JudgedAnswer& judged : steps_[asked_].Answers) {
    if (judged.Judged == Verdict::Taken) return judged.Answer;
  }
  assert(false && "every step takes one answer");
  return {};
}

std::string Practice::AnswerText(PracticeAnswer answer) const {
  if (!answer.IsLine()) return VertexName(answer.First);
  return LineText(answer.First, answer.Second, drawing_.WeightBetween(answer.First, answer.Second));
}

Practice::Outcome Practice::Answer(PracticeAnswer answer) {
  assert(!Done());
  for (const JudgedAnswer& judged : steps_[asked_].Answers) {
    if (!(judged.Answer == answer)) continue;
    if (judged.Judged == Verdict::Refused) {
      missed_ = true;
      return {false, "Not this one: " + judged.Why, ticks_};
    }
    return MoveOn(!missed_, "Right: " + judged.Why);
  }
  // Not among what the algorithm weighs (a line to a hidden vertex, say): no try at all.
  return {false, "Not this one: " + AnswerText(answer) + " is not an answer to this question.",
          ticks_};
}

Practice::Outcome Practice::Reveal() {
  assert(!Done());
  for (const JudgedAnswer& judged : steps_[asked_].Answers) {
    if (judged.Judged == Verdict::Taken) return MoveOn(false, "The answer: " + judged.Why);
  }
  assert(false && "every step takes one answer");
  return {};
}

Practice::Outcome Practice::MoveOn(bool right, std::string verdict) {
  ticks_ = steps_[asked_].Tick;
  ++asked_;
  ++finished_;
  firstTry_ += right ? 1 : 0;
  missed_ = false;
  // What follows the last question (the step back to A, reading the tour off) plays with it.
  if (Done()) ticks_ = result_.Play.TickCount() + 1;
  return {true, std::move(verdict), ticks_};
}

std::string Practice::Score() const {
  if (finished_ == 0) return "No question answered yet";
  return std::to_string(firstTry_) + " of " + std::to_string(finished_) + " right at the first try";
}

}  // namespace tsp
