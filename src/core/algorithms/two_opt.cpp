#include "core/algorithms/two_opt.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tour_result.h"
#include "core/algorithms/tree_tour.h"
#include "core/lesson/narration.h"

namespace tsp {

namespace {

// Eight 16-bit lanes, one SSE2 register, as GCC and Clang's vector extensions give them: the
// tour-ordered table below is built by interleaving lanes, which std::experimental::simd
// cannot express.
using Lanes = std::int16_t __attribute__((vector_size(16)));
constexpr int LaneCount = 8;

// The low or the high halves of x and y interleaved 16, 32 or 64 bits at a time, as SSE2's
// unpack instructions do.
Lanes Low16(Lanes x, Lanes y) {
  return __builtin_shufflevector(x, y, 0, 8, 1, 9, 2, 10, 3, 11);
}
Lanes High16(Lanes x, Lanes y) {
  return __builtin_shufflevector(x, y, 4, 12, 5, 13, 6, 14, 7, 15);
}
Lanes Low32(Lanes x, Lanes y) {
  return __builtin_shufflevector(x, y, 0, 1, 8, 9, 2, 3, 10, 11);
}
Lanes High32(Lanes x, Lanes y) {
  return __builtin_shufflevector(x, y, 4, 5, 12, 13, 6, 7, 14, 15);
}
Lanes Low64(Lanes x, Lanes y) {
  return __builtin_shufflevector(x, y, 0, 1, 2, 3, 8, 9, 10, 11);
}
Lanes High64(Lanes x, Lanes y) {
  return __builtin_shufflevector(x, y, 4, 5, 6, 7, 12, 13, 14, 15);
}

Lanes Load(const std::int16_t (&values)[LaneCount]) {
  Lanes lanes;
  std::memcpy(&lanes, values, sizeof lanes);
  return lanes;
}

// Every exchange I, J as gain * 64 + 63 - (8 * (I - 1) + J - 2), for 1 <= I <= 8 and
// 2 <= J <= 9: the largest is the largest gain with the smallest I and then J, and only a
// gain of at least 1 reaches 64. Row I of the table holds what lane J - 2 adds for each
// vertex count; Refused where J <= I or J >= n, which keeps such a lane below 0 whatever its
// gain (at most 4 * MaxWeight).
constexpr int Slots = 64;
constexpr std::int16_t Refused = std::numeric_limits<std::int16_t>::min();
static_assert(4 * MaxWeight * Slots + Refused < 0 && 4 * MaxWeight * Slots + Slots - 1 <= 32767);
struct ExchangeOrder {
  std::int16_t Lane[MaxVertices + 1][MaxVertices - 1][LaneCount];
};
constexpr ExchangeOrder Order = [] {
  ExchangeOrder order{};
  for (int n = 0; n <= MaxVertices; ++n) {
    for (int i = 1; i < MaxVertices - 1; ++i) {
      for (int j = 2; j < 2 + LaneCount; ++j) {
        order.Lane[n][i][j - 2] =
            j > i && j < n ? static_cast<std::int16_t>(Slots - 1 - (LaneCount * (i - 1) + j - 2))
                           : Refused;
      }
    }
  }
  return order;
}();

// The tour as the search reads it: the vertex at every position four bits a position, A at
// position n and after it, so that an exchange is a few shifts and masks rather than a loop
// whose length a branch would have to guess.
class TourLanes {
 public:
  TourLanes(const PairWeights& graph, const Tour& tour) : n_(graph.VertexCount) {
    assert(static_cast<int>(tour.size()) == (n_ == 1 ? 1 : n_ + 1));
    for (std::size_t p = tour.size(); p-- > 0;) at_ = at_ << 4 | static_cast<unsigned>(tour[p]);
  }

  std::optional<TwoOptExchange> Best(const PairWeights& graph) const;

  // Reverses positions I to J: the nibbles reversed, then turned so that the segment lands on
  // itself, then merged into place.
  void Apply(const TwoOptExchange& exchange) {
    const int i = exchange.I;
    const int j = exchange.J;
    std::uint64_t reversed = __builtin_bswap64(at_);
    reversed = (reversed >> 4 & 0x0f0f0f0f0f0f0f0f) | (reversed & 0x0f0f0f0f0f0f0f0f) << 4;
    const std::uint64_t turned = std::rotr(reversed, 4 * (15 - i - j));
    const std::uint64_t segment = ((std::uint64_t{1} << 4 * (j + 1)) - 1) >> 4 * i << 4 * i;
    at_ = (at_ & ~segment) | (turned & segment);
  }

  int At(int p) const { return static_cast<int>(at_ >> 4 * p & 15); }
  Tour Vertices() const {
    Tour tour;
    for (int p = 0; p <= (n_ == 1 ? 0 : n_); ++p) tour.push_back(At(p));
    return tour;
  }

 private:
  int n_;
  std::uint64_t at_ = 0;
};

// The exchange with the largest gain, one row of exchanges I at a time with J in the lanes.
// Lane J - 2 of column[v] is the weight from v to the tour's vertex at position J: the rows
// of the tour's vertices at positions 2 to 9, interleaved into columns, so that a row of
// exchanges is a few lanewise sums. The gain of I, J is
// w(t[I-1], t[I]) + w(t[J], t[J+1]) - w(t[I-1], t[J]) - w(t[I], t[J+1]). All eight rows are
// weighed whatever the vertex count: those beyond it hold only refused lanes.
[[gnu::always_inline]] inline std::optional<TwoOptExchange> TourLanes::Best(
    const PairWeights& graph) const {
  if (n_ < 3) return std::nullopt;
  static_assert(PairWeights::RowLanes == 2 * LaneCount);
  const auto rowHalf = [&graph](int v, int half) {
    Lanes lanes;
    std::memcpy(&lanes, graph.RowOf(v) + half * LaneCount, sizeof lanes);
    return lanes;
  };
  Lanes column[MaxVertices];
  {
    Lanes low[4];
    Lanes high[4];
    Lanes far[4];
    for (int k = 0; k < 4; ++k) {
      const int a = At(2 * k + 2);
      const int b = At(2 * k + 3);
      low[k] = Low16(rowHalf(a, 0), rowHalf(b, 0));
      high[k] = High16(rowHalf(a, 0), rowHalf(b, 0));
      far[k] = Low16(rowHalf(a, 1), rowHalf(b, 1));
    }
    // Four interleaved pairs of rows transposed into `count` columns of eight lanes.
    const auto intoColumns = [](const Lanes(&pairs)[4], Lanes* out, int count) {
      for (int half = 0; half < count / 2; ++half) {
        const Lanes front = half == 0 ? Low32(pairs[0], pairs[1]) : High32(pairs[0], pairs[1]);
        const Lanes back = half == 0 ? Low32(pairs[2], pairs[3]) : High32(pairs[2], pairs[3]);
        out[2 * half] = Low64(front, back);
        out[2 * half + 1] = High64(front, back);
      }
    };
    intoColumns(low, column, 4);
    intoColumns(high, column + 4, 4);
    intoColumns(far, column + 8, 2);
  }
  // The weights of the steps from positions 0 to 7 and from 2 to 9; 0 from the end on, where
  // a gain would otherwise count NoLine and could reach past 16 bits once shifted.
  Lanes stepFrom0{};
  Lanes stepFrom2{};
  for (int p = 0; p < LaneCount + 2; ++p) {
    const std::int16_t weight = p < n_ ? graph.At(At(p), At(p + 1)) : 0;
    if (p < LaneCount) stepFrom0[p] = weight;
    if (p >= 2) stepFrom2[p - 2] = weight;
  }
  const std::int16_t* fromA = graph.RowOf(0);
  const std::int16_t(&order)[MaxVertices - 1][LaneCount] = Order.Lane[n_];
  Lanes best{};
  for (int i = 1; i <= LaneCount; ++i) {
    const int before = At(i - 1);
    const int first = At(i);
    // Lane J - 2: the weight from t[I] to t[J + 1], position 10 being A again.
    Lanes toNext = __builtin_shufflevector(column[first], Lanes{}, 1, 2, 3, 4, 5, 6, 7, 8);
    toNext[LaneCount - 1] = fromA[first];
    const Lanes gain = stepFrom2 + stepFrom0[i - 1] - column[before] - toNext;
    const Lanes key = ((gain > 0 ? gain : Lanes{}) << 6) + Load(order[i]);
    best = key > best ? key : best;
  }
  const auto atLeast = [](Lanes x, Lanes y) { return x > y ? x : y; };
  best = atLeast(best, __builtin_shufflevector(best, best, 4, 5, 6, 7, 0, 1, 2, 3));
  best = atLeast(best, __builtin_shufflevector(best, best, 2, 3, 0, 1, 6, 7, 4, 5));
  best = atLeast(best, __builtin_shufflevector(best, best, 1, 0, 3, 2, 5, 4, 7, 6));
  const std::int16_t top = best[0];
  if (top < Slots) return std::nullopt;
  const int slot = Slots - 1 - (top & (Slots - 1));
  return TwoOptExchange{slot / LaneCount + 1, slot % LaneCount + 2, top >> 6};
}

}  // namespace

std::optional<TwoOptExchange> BestExchange(const PairWeights& graph, const Tour& tour) {
  return TourLanes(graph, tour).Best(graph);
}

void ApplyExchange(Tour& tour, const TwoOptExchange& exchange) {
  assert(exchange.I >= 1 && exchange.I < exchange.J &&
         static_cast<std::size_t>(exchange.J) + 1 < tour.size());
  std::reverse(tour.begin() + exchange.I, tour.begin() + exchange.J + 1);
}

namespace {

[[maybe_unused]] bool VisitsEveryVertexAlongLines(const PairWeights& graph, const Tour& tour) {
  const int n = graph.VertexCount;
  if (n == 1) return tour == Tour{0};
  if (static_cast<int>(tour.size()) != n + 1 || tour[0] != 0 || tour[n] != 0) return false;
  unsigned seen = 0;
  for (int s = 0; s < n; ++s) {
    if (!graph.Between(tour[s], tour[s + 1])) return false;
    seen |= 1u << tour[s];
  }
  return seen == (1u << n) - 1;
}

}  // namespace

TwoOptResult TwoOptImprove(const PairWeights& graph, const Tour& start) {
  assert(VisitsEveryVertexAlongLines(graph, start));
  TwoOptResult result;
  result.Start = start;
  TourLanes tour(graph, start);
  // Every exchange makes the tour at least 1 lighter, so this ends.
  while (const auto exchange = tour.Best(graph)) {
    tour.Apply(*exchange);
    ++result.Exchanges;
  }
  result.Found = tour.Vertices();
  return result;
}

TwoOptResult TwoOptTour(const Drawing& drawing) {
  const int n = drawing.VertexCount();
  assert(n >= 1 && n <= MaxVertices);
  const PairWeights graph = PairWeightsOf(drawing);
  if (n == 1) return TwoOptImprove(graph, Tour{0});
  const Tour start = TreeTour(BuildSpanningTree(drawing));
  unsigned visited = 0;
  for (int v : start) visited |= 1u << v;
  for (int v = 1; v < n; ++v) {
    if ((visited >> v & 1u) == 0) {
      TwoOptResult result;
      result.Start = start;
      result.Reason =
          "The tree tour does not visit " + VertexName(v) + ", so 2-opt has no tour to start from.";
      return result;
    }
  }
  for (std::size_t s = 0; s + 1 < start.size(); ++s) {
    if (!graph.Between(start[s], start[s + 1])) {
      TwoOptResult result;
      result.Start = start;
      result.Reason = "The tree tour's step from " + VertexName(start[s]) + " to " +
                      VertexName(start[s + 1]) +
                      " has no line, so 2-opt has no tour to start from.";
      return result;
    }
  }
  return TwoOptImprove(graph, start);
}

AlgorithmResult RunTwoOpt(const Drawing& drawing) {
  const TwoOptResult found = TwoOptTour(drawing);
  AlgorithmResult result = TourOutcome(drawing, found.Found, found.Reason);
  if (!found.Found || found.Start.size() < 2) return result;

  Animation& play = result.Play;
  play.Steps.clear();
  const PairWeights graph = PairWeightsOf(drawing);
  Tour tour = found.Start;
  play.Frames.push_back(TourSteps(drawing, tour));
  play.Reasons.push_back("Start from the tree tour " + TourText(tour) + " (weight " +
                         std::to_string(TourWeight(drawing, tour)) + ").");
  while (const auto exchange = BestExchange(graph, tour)) {
    const int a = tour[exchange->I - 1];
    const int b = tour[exchange->I];
    const int c = tour[exchange->J];
    const int d = tour[exchange->J + 1];
    ApplyExchange(tour, *exchange);
    play.Frames.push_back(TourSteps(drawing, tour));
    play.Reasons.push_back(EdgeName(a, b) + " and " + EdgeName(c, d) + " give way to " +
                           EdgeName(a, c) + " and " + EdgeName(b, d) + ": " +
                           std::to_string(exchange->Gain) +
                           " lighter, the largest gain of any exchange.");
  }
  assert(tour == *found.Found);
  play.Closing =
      "Done: no exchange makes the tour lighter; it weighs " + std::to_string(result.Weight) + ".";
  return result;
}

}  // namespace tsp
