#pragma once

#include <algorithm>
#include <cassert>
#include <string>
#include <vector>

namespace tsp {

// An answer to a practice question: a line between two vertices, written with the earlier
// letter first, or a vertex alone (Second is -1).
struct PracticeAnswer {
  int First = 0;
  int Second = -1;

  static PracticeAnswer Vertex(int vertex) { return {vertex, -1}; }
  static PracticeAnswer Line(int a, int b) {
    assert(a != b && a >= 0 && b >= 0);
    return {std::min(a, b), std::max(a, b)};
  }
  bool IsLine() const { return Second >= 0; }
  bool operator==(const PracticeAnswer&) const = default;
};

// What an algorithm's rule makes of an answer at one of its steps.
enum class Verdict {
  Taken,    // what the program takes
  Allowed,  // ties with it: the rule allows it too, the program takes the other
  Refused,
};

struct JudgedAnswer {
  PracticeAnswer Answer;
  Verdict Judged = Verdict::Refused;
  // Why, as a sentence that names the answer: "C--D (9) is heavier than B--D (2), ...".
  std::string Why;
  // False for what the run holds already (a tree line, a visited vertex): a click on it is
  // judged, but the list of answers leaves it out.
  bool Offered = true;
};

// One step of a run asked as a question: every answer the algorithm weighs at that step, in
// the order the list of answers shows them, each judged; exactly one is taken.
struct PracticeStep {
  std::vector<JudgedAnswer> Answers;
  // The ticks of the run's animation played once the step is taken.
  int Tick = 0;
};
using PracticeSteps = std::vector<PracticeStep>;

}  // namespace tsp
