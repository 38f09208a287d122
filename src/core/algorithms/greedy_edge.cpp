#include "core/algorithms/greedy_edge.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>

#include "core/algorithms/line_lanes.h"
#include "core/algorithms/tour_result.h"
#include "core/lesson/narration.h"

namespace tsp {

GreedyEdgeResult GreedyEdgeTour(const PairWeights& graph) {
  const int n = graph.VertexCount;
  assert(n >= 1 && n <= MaxVertices);
  GreedyEdgeResult result;
  if (n == 1) {
    result.Found = Tour{0};
    return result;
  }
  // Two vertices close their cycle with the one line; more need n lines.
  const int needed = n == 2 ? 1 : n;
  // The vertices with at least one line taken and those with two, a bit each; for every
  // vertex, four bits a vertex, its taken neighbours' letters exclusive-or'ed together, which
  // is all the walk along the tour needs: from a vertex, the neighbour that is not the one it
  // came from. Words in registers, where arrays would make every step wait for a store.
  unsigned withLine = 0;
  unsigned withTwo = 0;
  std::uint64_t neighbours = 0;
  int firstOfA = -1;  // A's first neighbour

  // Taking the lightest line still allowed, line after line, as LineLanes does. The taken
  // lines form paths; each end of a path knows the other end (a vertex without a line is a
  // path alone), four bits a vertex. The line between the two ends of a path would close a
  // cycle; once n - 1 lines are taken it is the one line left that gives no vertex a third
  // line, and it was never refused before, as its ends never were the ends of one shorter
  // path.
  LineLanes lines(graph);
  std::uint64_t otherEnd = 0xfedcba9876543210;
  const auto nibble = [](std::uint64_t word, int v) {
    return static_cast<int>(word >> 4 * v & 15);
  };
  while (static_cast<int>(result.Taken.size()) < needed) {
    const std::optional<WeightedLine> line = lines.Lightest();
    if (!line) break;
    result.Taken.push_back(*line);
    const int from = line->From;
    const int to = line->To;
    if (from == 0 && firstOfA < 0) firstOfA = to;
    withTwo |= withLine & (1u << from | 1u << to);
    withLine |= 1u << from | 1u << to;
    neighbours ^= static_cast<std::uint64_t>(to) << 4 * from ^ static_cast<std::uint64_t>(from)
                                                                   << 4 * to;
    const int end = nibble(otherEnd, from);
    const int otherSide = nibble(otherEnd, to);
    otherEnd = (otherEnd & ~(std::uint64_t{15} << 4 * end)) | static_cast<std::uint64_t>(otherSide)
                                                                  << 4 * end;
    otherEnd = (otherEnd & ~(std::uint64_t{15} << 4 * otherSide)) | static_cast<std::uint64_t>(end)
                                                                        << 4 * otherSide;
    // A vertex with two lines refuses the rest of its lines. The line between the new path's
    // ends is refused unless it closes the cycle through every vertex; it is the line just
    // taken when that joined two vertices without lines.
    lines.RefuseLinesOf(withTwo >> from & 1 ? from : MaxVertices);
    lines.RefuseLinesOf(withTwo >> to & 1 ? to : MaxVertices);
    if (static_cast<int>(result.Taken.size()) != n - 1) lines.RefuseLine(end, otherSide);
  }

  if (static_cast<int>(result.Taken.size()) < needed) {
    // A vertex without enough lines is the plainest reason; otherwise the rule got stuck.
    const int fewest = n == 2 ? 1 : 2;
    for (int v = 0; v < n; ++v) {
      int lines = 0;
      for (int u = 0; u < n; ++u) lines += graph.Between(v, u) ? 1 : 0;
      if (lines < fewest) {
        result.Reason = "Greedy edge cannot close a tour: " + VertexName(v) +
                        (n == 2 ? " has no line." : " has fewer than two lines.");
        return result;
      }
    }
    int lacking = 0;
    while (withTwo >> lacking & 1) ++lacking;
    result.Reason = "Greedy edge stops after " + std::to_string(result.Taken.size()) +
                    " lines: " + VertexName(lacking) + " has " +
                    ((withLine >> lacking & 1) == 0 ? "no line" : "one line") +
                    " taken, and every line left would give a vertex a third line or close a "
                    "cycle too early.";
    return result;
  }
  if (n == 2) {
    result.Found = Tour{0, 1, 0};
    return result;
  }
  Tour tour{0};
  int previous = 0;
  int current = std::min(firstOfA, nibble(neighbours, 0) ^ firstOfA);
  while (current != 0) {
    tour.push_back(current);
    const int next = nibble(neighbours, current) ^ previous;
    previous = current;
    current = next;
  }
  tour.push_back(0);
  assert(static_cast<int>(tour.size()) == n + 1);
  result.Found = tour;
  return result;
}

PracticeSteps GreedyEdgeSteps(const Drawing& drawing) {
  const PairWeights graph = PairWeightsOf(drawing);
  const GreedyEdgeResult found = GreedyEdgeTour(graph);
  PracticeSteps steps;
  if (!found.Found) return steps;
  const int n = graph.VertexCount;
  const std::string rule =
      ", the lightest line left that gives no vertex a third line and closes no cycle";
  std::array<int, MaxVertices> degree{};
  std::array<std::array<bool, MaxVertices>, MaxVertices> taken{};
  Components parts;
  for (std::size_t k = 0; k < found.Taken.size(); ++k) {
    const WeightedLine& line = found.Taken[k];
    const std::string takenText = LineText(line.From, line.To, line.Weight);
    // Only the last line of three or more may close a cycle: the one through every vertex.
    const bool last = static_cast<int>(k) == n - 1;
    PracticeStep& step = steps.emplace_back();
    step.Tick = static_cast<int>(k) + 1;
    for (int a = 0; a < n; ++a) {
      for (int b = a + 1; b < n; ++b) {
        const auto& weight = graph.Between(a, b);
        if (!weight) continue;
        JudgedAnswer& judged = step.Answers.emplace_back();
        judged.Answer = PracticeAnswer::Line(a, b);
        const std::string text = LineText(a, b, *weight);
        if (a == line.From && b == line.To) {
          judged.Judged = Verdict::Taken;
          judged.Why = last ? text + " closes the cycle through every vertex."
                            : text +
                                  " is the lightest line left that gives no vertex a third "
                                  "line and closes no cycle.";
        } else if (taken[a][b]) {
          judged.Offered = false;
          judged.Why = text + " is taken already.";
        } else if (degree[a] == 2 || degree[b] == 2) {
          judged.Why =
              text + " would give " + VertexName(degree[a] == 2 ? a : b) + " a third line.";
        } else if (parts.Find(a) == parts.Find(b) && !last) {
          judged.Why = text + " would close a cycle before it runs through every vertex.";
        } else if (*weight > line.Weight) {
          judged.Why = text + " is heavier than " + takenText + rule + ".";
        } else {
          assert(*weight == line.Weight);
          judged.Judged = Verdict::Allowed;
          judged.Why = text + " is as light as " + takenText + rule +
                       "; on equal weights the program takes the pair with the earlier letters, " +
                       takenText + ".";
        }
      }
    }
    taken[line.From][line.To] = true;
    ++degree[line.From];
    ++degree[line.To];
    parts.Join(line.From, line.To);
  }
  return steps;
}

AlgorithmResult RunGreedyEdge(const Drawing& drawing) {
  const GreedyEdgeResult found = GreedyEdgeTour(PairWeightsOf(drawing));
  AlgorithmResult result = TourOutcome(drawing, found.Found, found.Reason);
  if (!found.Found || found.Taken.empty()) return result;

  Animation& play = result.Play;
  play.Steps.clear();
  std::vector<AnimationStep> shown;
  for (std::size_t i = 0; i < found.Taken.size(); ++i) {
    const WeightedLine& line = found.Taken[i];
    shown.push_back(PairStep(drawing, line.From, line.To));
    play.Frames.push_back(shown);
    const bool closing = i + 1 == found.Taken.size() && drawing.VertexCount() > 2;
    play.Reasons.push_back(
        LineText(line.From, line.To, line.Weight) +
        (closing ? " closes the cycle through every vertex."
                 : " is the lightest line left that gives no vertex a third line and closes no "
                   "cycle."));
  }
  play.Frames.push_back(TourSteps(drawing, *found.Found));
  const Tour& tour = *found.Found;
  play.Reasons.push_back(tour.size() == 3
                             ? "The tour is " + TourText(tour) + ", the line used twice."
                             : "Read from A towards " + VertexName(tour[1]) +
                                   ", the earlier of A's two neighbours: " + TourText(tour) + ".");
  play.Closing = TourClosing(result.Weight);
  return result;
}

}  // namespace tsp
