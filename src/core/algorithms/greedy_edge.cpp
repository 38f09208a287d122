#include "core/algorithms/greedy_edge.h"

#include <algorithm>
#include <array>
#include <cassert>

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
  std::array<int, MaxVertices> degree{};
  std::array<std::array<int, 2>, MaxVertices> neighbour{};

  // Taking the lightest line still allowed, line after line, as LineLanes does. The taken
  // lines form paths; each end of a path knows the other end (a vertex without a line is a
  // path alone). The line between the two ends of a path would close a cycle; once n - 1 lines
  // are taken it is the one line left that gives no vertex a third line, and it was never
  // refused before, as its ends never were the ends of one shorter path.
  LineLanes lines(graph);
  std::array<int, MaxVertices> otherEnd;
  for (int v = 0; v < MaxVertices; ++v) otherEnd[v] = v;
  while (static_cast<int>(result.Taken.size()) < needed) {
    const std::optional<WeightedLine> line = lines.Lightest();
    if (!line) break;
    result.Taken.push_back(*line);
    neighbour[line->From][degree[line->From]++] = line->To;
    neighbour[line->To][degree[line->To]++] = line->From;
    const int end = otherEnd[line->From];
    const int otherSide = otherEnd[line->To];
    otherEnd[end] = otherSide;
    otherEnd[otherSide] = end;
    // A vertex with two lines refuses the rest of its lines. The line between the new path's
    // ends is refused unless it closes the cycle through every vertex; it is the line just
    // taken when that joined two vertices without lines.
    lines.RefuseLinesOf(degree[line->From] == 2 ? line->From : MaxVertices);
    lines.RefuseLinesOf(degree[line->To] == 2 ? line->To : MaxVertices);
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
    while (degree[lacking] == 2) ++lacking;
    result.Reason = "Greedy edge stops after " + std::to_string(result.Taken.size()) +
                    " lines: " + VertexName(lacking) + " has " +
                    (degree[lacking] == 0 ? "no line" : "one line") +
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
  int current = std::min(neighbour[0][0], neighbour[0][1]);
  while (current != 0) {
    tour.push_back(current);
    // The neighbour that is not the previous vertex, without a branch that mispredicts half
    // the time.
    const int next = neighbour[current][0] ^ neighbour[current][1] ^ previous;
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
