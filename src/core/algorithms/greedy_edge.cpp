#include "core/algorithms/greedy_edge.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <experimental/simd>
#include <limits>

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

  // Taking the lightest line still allowed, line after line, takes the same lines as going
  // through all of them by weight: a line once refused stays refused. Each line is a 16-bit key
  // that orders as TakenBefore does, the weight in the top byte and the pair's letters a half
  // byte each below it, one lane per pair, in vector registers. Only the n lines taken cost a
  // step, of a few vector instructions and no branch on the weights, where going through every
  // line mispredicts a branch at nearly every one.
  namespace stdx = std::experimental;
  using Lanes = stdx::native_simd<std::int16_t>;
  constexpr std::size_t Blocks = (MaxLines + Lanes::size() - 1) / Lanes::size();
  constexpr std::size_t Slots = Blocks * Lanes::size();
  // A missing line weighs Missing here, above every weight; a refused line's key is raised to
  // Refused, above every other key.
  static constexpr std::int16_t Missing = 127;
  static constexpr std::int16_t Refused = std::numeric_limits<std::int16_t>::max();
  static constexpr std::int16_t Kept = std::numeric_limits<std::int16_t>::min();
  // The lanes hold AB, AC, ..., AJ, BC, ...; pairs[lane] is the lower half of the lane's key,
  // 255 for the lanes beyond the last pair, which makes their keys Refused.
  static constexpr auto pairs = [] {
    std::array<std::int16_t, Slots> codes;
    codes.fill(255);
    for (int a = 0, lane = 0; a < MaxVertices; ++a) {
      for (int b = a + 1; b < MaxVertices; ++b, ++lane) codes[lane] = a * 16 + b;
    }
    return codes;
  }();
  // For each vertex, Refused in the lanes of its lines and Kept in the others; the row after
  // the last vertex refuses nothing. A line is refused by raising its key to its floor.
  static constexpr auto floors = [] {
    std::array<std::array<std::int16_t, Slots>, MaxVertices + 1> rows;
    for (auto& row : rows) row.fill(Kept);
    for (int a = 0, lane = 0; a < MaxVertices; ++a) {
      for (int b = a + 1; b < MaxVertices; ++b, ++lane) rows[a][lane] = rows[b][lane] = Refused;
    }
    return rows;
  }();
  constexpr int None = MaxVertices;
  const auto floor = [](int vertex, std::size_t block) {
    return Lanes(floors[vertex].data() + block * Lanes::size(), stdx::element_aligned);
  };

  std::array<Lanes, Blocks> keys;
  {
    std::array<std::int16_t, Slots> weights;
    weights.fill(Missing);
    for (int a = 0; a < n; ++a) {
      int lane = a * (2 * MaxVertices - a - 1) / 2;  // that of the pair of a and a + 1
      for (int b = a + 1; b < n; ++b, ++lane) {
        const auto& weight = graph.Between(a, b);
        assert(!weight || (*weight >= -MaxWeight && *weight <= MaxWeight));
        weights[lane] = weight ? *weight : Missing;
      }
    }
    for (std::size_t block = 0; block < Blocks; ++block) {
      const std::size_t first = block * Lanes::size();
      keys[block] = Lanes(weights.data() + first, stdx::element_aligned) * 256 +
                    Lanes(pairs.data() + first, stdx::element_aligned);
    }
  }
  // The taken lines form paths; each end of a path knows the other end (a vertex without a
  // line is a path alone). The line between the two ends of a path would close a cycle; once
  // n - 1 lines are taken it is the one line left that gives no vertex a third line, and it was
  // never refused before, as its ends never were the ends of one shorter path.
  std::array<int, MaxVertices> otherEnd;
  for (int v = 0; v < MaxVertices; ++v) otherEnd[v] = v;

  while (static_cast<int>(result.Taken.size()) < needed) {
    Lanes least = keys[0];
    for (std::size_t block = 1; block < Blocks; ++block) least = stdx::min(least, keys[block]);
    const std::int16_t key = stdx::hmin(least);
    if (key >= Missing * 256) break;
    const int from = key >> 4 & 15;
    const int to = key & 15;
    result.Taken.push_back({from, to, key >> 8});
    neighbour[from][degree[from]++] = to;
    neighbour[to][degree[to]++] = from;
    const int end = otherEnd[from];
    const int otherSide = otherEnd[to];
    otherEnd[end] = otherSide;
    otherEnd[otherSide] = end;
    // A vertex with two lines refuses the rest of its lines. The line between the new path's
    // ends, their one common lane, is refused unless it closes the cycle through every vertex;
    // it is the line just taken when that joined two vertices without lines.
    const int fullFrom = degree[from] == 2 ? from : None;
    const int fullTo = degree[to] == 2 ? to : None;
    const bool last = static_cast<int>(result.Taken.size()) == n - 1;
    for (std::size_t block = 0; block < Blocks; ++block) {
      const Lanes closing =
          last ? floor(None, block) : stdx::min(floor(end, block), floor(otherSide, block));
      keys[block] = stdx::max(
          keys[block], stdx::max(closing, stdx::max(floor(fullFrom, block), floor(fullTo, block))));
    }
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
