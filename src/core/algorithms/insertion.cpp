#include "core/algorithms/insertion.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <experimental/simd>
#include <limits>

#include "core/algorithms/tour_result.h"
#include "core/lesson/narration.h"

namespace tsp {
namespace {

bool Joined(const PairWeights& graph, int a, int b) {
  return graph.At(a, b) != PairWeights::NoLine;
}
int W(const PairWeights& graph, int a, int b) {
  assert(Joined(graph, a, b));
  return graph.At(a, b);
}

std::string StepText(std::size_t step) {
  return "At step " + std::to_string(step) + ", ";
}

}  // namespace

Tour InsertionResult::TourAfter(std::size_t inserted) const {
  assert(Start > 0 && inserted <= Steps.size());
  Tour tour{0, Start, 0};
  for (std::size_t s = 0; s < inserted; ++s) {
    tour.insert(static_cast<std::size_t>(Steps[s].Place) + 1, Steps[s].Vertex);
  }
  return tour;
}

namespace {

namespace stdx = std::experimental;
// One lane per vertex in two SSE2 registers; the six lanes beyond the ten vertices never take
// part. Each step weighs its choice for every vertex at once, without a branch on the weights.
using VertexLanes = stdx::fixed_size_simd<std::int16_t, 16>;
static_assert(VertexLanes::size() == PairWeights::RowLanes &&
              PairWeights::RowAlignment % stdx::memory_alignment_v<VertexLanes> == 0);
using LaneRow = std::array<std::int16_t, VertexLanes::size()>;
constexpr std::int16_t High = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t Low = std::numeric_limits<std::int16_t>::min();

// Weights times 16, the low four bits left for a vertex or a place in the tour, so that the
// smallest of such keys is the lightest with the earliest vertex or place. A missing line
// counts NoLine: above every weight times 3, so that an increase over a missing line stays
// above Unplaced, and small enough that the sums stay within 16 bits.
constexpr int NoLineKey = PairWeights::NoLine * 16;
constexpr int Unplaced = 600 * 16;
static_assert(2 * NoLineKey + 16 * MaxWeight + 15 <= High &&
              NoLineKey - 32 * MaxWeight > Unplaced && Unplaced > 3 * 16 * MaxWeight + 15);

template <class Lane>
constexpr std::array<LaneRow, MaxVertices + 1> LaneTable(Lane lane) {
  std::array<LaneRow, MaxVertices + 1> rows;
  for (int v = 0; v <= MaxVertices; ++v) {
    for (int u = 0; u < static_cast<int>(VertexLanes::size()); ++u) rows[v][u] = lane(v, u);
  }
  return rows;
}
// High in the lane of vertex v, Low in the others.
alignas(32) constexpr auto VertexFloors = LaneTable([](int v, int u) {
  return u == v ? High : Low;
});
// High in the lanes from vertex count n on, Low below them.
alignas(32) constexpr auto CountFloors = LaneTable([](int n, int u) {
  return u >= n ? High : Low;
});
// Lane u holds u.
alignas(32) constexpr LaneRow LaneNumbers = LaneTable([](int, int u) { return u; })[0];

VertexLanes Lanes(const std::int16_t* values) {
  return VertexLanes(values, stdx::vector_aligned);
}
VertexLanes Lanes(const LaneRow& values) {
  return Lanes(values.data());
}

// The smallest of weight * 16 + lane over the lanes of keys (weight * 16 + anything): the
// lightest, the earliest lane on equal weights. For the farthest rule the order is
// |weight - 200| instead (99 to 301 for lines, 700 for NoLine), least for the heaviest line.
template <InsertionRule Rule>
[[gnu::always_inline]] inline std::int16_t LeastKey(const VertexLanes& keys) {
  if constexpr (Rule == InsertionRule::Farthest) {
    return stdx::hmin((stdx::abs((keys >> 4) - 200) << 4) | Lanes(LaneNumbers));
  } else {
    return stdx::hmin((keys & static_cast<std::int16_t>(-16)) | Lanes(LaneNumbers));
  }
}

template <InsertionRule Rule>
InsertionResult InsertionTourBy(const PairWeights& graph) {
  constexpr bool farthest = Rule == InsertionRule::Farthest;
  // Where the least key of LeastKey means that no vertex has a line.
  constexpr int NoLineOrder = (farthest ? 700 : PairWeights::NoLine) * 16;
  const int n = graph.VertexCount;
  assert(n >= 1 && n <= MaxVertices);
  InsertionResult result;
  if (n == 1) {
    result.Found = Tour{0};
    return result;
  }
  const auto row = [&graph](int t) { return Lanes(graph.RowOf(t)) * 16; };
  // High in the lanes of the tour's vertices and beyond the vertex count, which take no part
  // in a choice.
  VertexLanes inside = stdx::max(Lanes(CountFloors[n]), Lanes(VertexFloors[0]));
  int start = -1;
  for (int v = 1; v < n; ++v) {
    if (!Joined(graph, 0, v)) continue;
    const int w = W(graph, 0, v);
    if (start < 0 || (farthest ? w > W(graph, 0, start) : w < W(graph, 0, start))) start = v;
  }
  if (start < 0) {
    result.Reason = "A has no line, so the tour cannot start.";
    return result;
  }
  result.Start = start;
  const VertexLanes fromA = row(0);

  // The tour four bits a position, A at both ends: an insertion shifts the later positions
  // in one register instead of moving them one by one.
  std::uint64_t tour = static_cast<std::uint64_t>(start) << 4;
  const auto vertexAt = [&tour](int p) { return static_cast<int>(tour >> 4 * p & 15); };
  // For the tour's step from vertex i to the next one, what putting each vertex between them
  // adds, times 16: the rows of both ends less the step. Every tour vertex starts one step, so
  // that an insertion reweighs two of them and the others stay as they are.
  alignas(stdx::memory_alignment_v<VertexLanes>) std::array<LaneRow, MaxVertices + 1> stepFrom;
  const auto weighStep = [&](int i, const VertexLanes& fromI, int j, const VertexLanes& fromJ) {
    const VertexLanes added = fromI + fromJ - static_cast<std::int16_t>(16 * W(graph, i, j));
    added.copy_to(stepFrom[i].data(), stdx::vector_aligned);
    return added;
  };
  // Cheapest: the places are weighed over a copy of the tour in which the two steps the last
  // insertion made lead to the row Unweighed, where no place is cheapest, and then over those
  // two steps as they were just weighed, so that the search over the other steps need not
  // wait for their rows to be stored. Unweighed leaves room for a place to be added.
  constexpr int Unweighed = MaxVertices;
  stepFrom[Unweighed].fill(High - 15);
  std::uint64_t placesTour = tour;
  int lastAt = -1;  // no insertion yet
  VertexLanes madeBefore = High;
  VertexLanes madeAfter = High;
  const VertexLanes fromStart = row(start);
  weighStep(0, fromA, start, fromStart);
  stepFrom[start] = stepFrom[0];
  inside = stdx::max(inside, Lanes(VertexFloors[start]));
  // Every outside vertex's lightest line to a tour vertex as weight * 16 + that vertex, the
  // earlier letter on equal weights; NoLine and more where it has none.
  VertexLanes distance = stdx::min(fromA, fromStart + static_cast<std::int16_t>(start));
  // Nearest and farthest: the key of the next vertex, chosen as soon as the one before is,
  // so that the choice runs alongside the search for the place of the one before.
  std::int16_t nextKey = 0;
  if constexpr (Rule != InsertionRule::Cheapest) {
    nextKey = LeastKey<Rule>(stdx::max(distance, inside));
  }

  for (int size = 2; size < n; ++size) {
    const std::size_t step = result.Steps.size() + 2;
    InsertionStep chosen;
    int k = 0;
    VertexLanes fromK;  // k's row, read before anything is stored into the result
    // The chosen vertex's cheapest place as increase * 16 + place, the earliest on equal
    // increases; Unplaced and more where no two consecutive tour vertices are both joined to
    // it.
    int best = High;
    if constexpr (Rule == InsertionRule::Cheapest) {
      // Every vertex's at once.
      VertexLanes places = High;
      VertexLanes place = 0;
      std::uint64_t rest = placesTour;
      for (int p = 0; p < size; ++p, rest >>= 4) {
        places = stdx::min(places, Lanes(stepFrom[rest & 15]) + place);
        place += static_cast<std::int16_t>(1);
      }
      if (lastAt >= 0) {
        places = stdx::min(places, stdx::min(madeBefore + static_cast<std::int16_t>(lastAt),
                                             madeAfter + static_cast<std::int16_t>(lastAt + 1)));
      }
      const std::int16_t key = LeastKey<Rule>(stdx::max(places, inside));
      if (key >= Unplaced) {
        result.Reason = StepText(step) +
                        "no vertex outside the tour has a place: none is joined to two "
                        "neighbours on the tour.";
        return result;
      }
      k = key & 15;
      best = places[k];
    } else {
      const std::int16_t key = nextKey;
      if (key >= NoLineOrder) {
        FixedList<int, MaxVertices> outside;
        for (int v = 1; v < n; ++v) {
          if (inside[v] != High) outside.push_back(v);
        }
        result.Reason = StepText(step) +
                        (outside.size() == 1 ? VertexName(outside[0]) + " has"
                                             : "none of " + VertexList(outside) + " has") +
                        " a line to a vertex of the tour.";
        return result;
      }
      k = key & 15;
      chosen.Distance = distance[k] >> 4;
      chosen.DistanceTo = distance[k] & 15;
      fromK = row(k);
      inside = stdx::max(inside, Lanes(VertexFloors[k]));
      distance = stdx::min(distance, fromK + static_cast<std::int16_t>(k));
      nextKey = LeastKey<Rule>(stdx::max(distance, inside));
      const std::int16_t* placesOfK = stepFrom[0].data() + k;
      // Two positions at a time: the one after the end is A's step again, which comes after
      // its first place and so is never the earliest cheapest.
      const auto placeAt = [&](std::uint64_t rest, int p) {
        return placesOfK[(rest & 15) * VertexLanes::size()] + p;
      };
      std::uint64_t rest = tour;
      for (int p = 0; p < size; p += 2, rest >>= 8) {
        best = std::min(best, std::min(placeAt(rest, p), placeAt(rest >> 4, p + 1)));
      }
      if (best >= Unplaced) {
        result.Reason = StepText(step) + VertexName(k) +
                        " has no place: no two neighbours on the tour are both joined to it.";
        return result;
      }
    }
    const int at = best & 15;
    chosen.Vertex = k;
    chosen.Increase = best >> 4;
    chosen.Place = at;
    chosen.After = vertexAt(at);
    chosen.Before = vertexAt(at + 1);
    result.Steps.push_back(chosen);
    const std::uint64_t kept = (std::uint64_t{1} << 4 * (at + 1)) - 1;
    tour = (tour & kept) | static_cast<std::uint64_t>(k) << 4 * (at + 1) | (tour & ~kept) << 4;
    if constexpr (Rule == InsertionRule::Cheapest) fromK = row(k);
    madeBefore = weighStep(chosen.After, row(chosen.After), k, fromK);
    madeAfter = weighStep(k, fromK, chosen.Before, row(chosen.Before));
    if constexpr (Rule == InsertionRule::Cheapest) {
      inside = stdx::max(inside, Lanes(VertexFloors[k]));
      lastAt = at;
      const std::uint64_t madeSteps = std::uint64_t{0xff} << 4 * at;
      placesTour = (tour & ~madeSteps) | (Unweighed * std::uint64_t{0x11} << 4 * at);
    }
  }
  Tour& found = result.Found.emplace();
  for (int p = 0; p <= n; ++p) found.push_back(vertexAt(p));
  return result;
}

}  // namespace

InsertionResult InsertionTour(const PairWeights& graph, InsertionRule rule) {
  switch (rule) {
    case InsertionRule::Nearest:
      return InsertionTourBy<InsertionRule::Nearest>(graph);
    case InsertionRule::Farthest:
      return InsertionTourBy<InsertionRule::Farthest>(graph);
    case InsertionRule::Cheapest:
      break;
  }
  return InsertionTourBy<InsertionRule::Cheapest>(graph);
}

namespace {

std::string Between(const Tour& tour, int place) {
  return "between " + VertexName(tour[place]) + " and " + VertexName(tour[place + 1]);
}

// The tour's first vertex after A: A's lightest line, or its heaviest for the farthest rule.
PracticeStep StartStep(const PairWeights& graph, int start, bool farthest) {
  PracticeStep step;
  step.Tick = 1;
  const int best = W(graph, 0, start);
  const std::string bestText = LineText(0, start, best);
  const std::string rule = std::string(", A's ") + (farthest ? "heaviest" : "lightest") + " line";
  for (int v = 0; v < graph.VertexCount; ++v) {
    JudgedAnswer& judged = step.Answers.emplace_back();
    judged.Answer = PracticeAnswer::Vertex(v);
    if (v == 0) {
      judged.Offered = false;
      judged.Why = "A is where the tour starts and ends.";
    } else if (v == start) {
      judged.Judged = Verdict::Taken;
      judged.Why = bestText + " is A's " + (farthest ? "heaviest" : "lightest") +
                   " line: the tour starts A, " + VertexName(start) + ", A.";
    } else if (!Joined(graph, 0, v)) {
      judged.Why = "No line joins A and " + VertexName(v) + ".";
    } else if (const int w = W(graph, 0, v); farthest ? w < best : w > best) {
      judged.Why = LineText(0, v, w) + (farthest ? " is lighter than " : " is heavier than ") +
                   bestText + rule + ".";
    } else {
      judged.Judged = Verdict::Allowed;
      judged.Why = LineText(0, v, w) + (farthest ? " is as heavy as " : " is as light as ") +
                   bestText + rule + "; on equal weights the program takes the earlier letter, " +
                   VertexName(start) + ".";
    }
  }
  return step;
}

// The vertex that the nearest or the farthest rule puts in next.
void JudgeByDistance(const PairWeights& graph, const Tour& tour, const InsertionStep& chosen,
                     bool farthest, PracticeStep& step) {
  const std::string k = VertexName(chosen.Vertex);
  const std::string kLine = LineText(chosen.DistanceTo, chosen.Vertex, chosen.Distance);
  for (int v = 0; v < graph.VertexCount; ++v) {
    JudgedAnswer& judged = step.Answers.emplace_back();
    judged.Answer = PracticeAnswer::Vertex(v);
    const std::string name = VertexName(v);
    // Its lightest line to a tour vertex, to the earlier letter on equal weights.
    int to = -1;
    for (std::size_t p = 0; p + 1 < tour.size(); ++p) {
      const int t = tour[p];
      if (t != v && Joined(graph, v, t) &&
          (to < 0 || W(graph, v, t) < W(graph, v, to) ||
           (W(graph, v, t) == W(graph, v, to) && t < to))) {
        to = t;
      }
    }
    if (std::find(tour.begin(), tour.end(), v) != tour.end()) {
      judged.Offered = false;
      judged.Why = name + " is in the tour already.";
    } else if (v == chosen.Vertex) {
      judged.Judged = Verdict::Taken;
      judged.Why = (farthest ? k +
                                   " is the farthest vertex from the tour: its lightest line to "
                                   "it is " +
                                   kLine
                             : k + " is the nearest vertex to the tour, by " + kLine) +
                   "; it goes " + Between(tour, chosen.Place) + ": " + SignedText(chosen.Increase) +
                   ", the cheapest place.";
    } else if (to < 0) {
      judged.Why = name + " has no line to a vertex of the tour.";
    } else {
      const int w = W(graph, v, to);
      const std::string own = name + "'s lightest line to the tour, " + LineText(to, v, w);
      if (farthest ? w < chosen.Distance : w > chosen.Distance) {
        judged.Why = own + (farthest ? ", is lighter than " : ", is heavier than ") + k + "'s, " +
                     kLine + (farthest ? ", the heaviest of those." : ".");
      } else {
        assert(w == chosen.Distance);
        judged.Judged = Verdict::Allowed;
        judged.Why = own + (farthest ? ", is as heavy as " : ", is as light as ") + k + "'s, " +
                     kLine + "; on equal weights the program takes the earlier letter, " + k + ".";
      }
    }
  }
}

// The cheapest place for k in the tour, the earliest of equal ones, with what it adds; -1 where
// no two neighbours on the tour are both joined to k.
int CheapestPlace(const PairWeights& graph, const Tour& tour, int k, int& increase) {
  int place = -1;
  for (std::size_t p = 0; p + 1 < tour.size(); ++p) {
    const int i = tour[p];
    const int j = tour[p + 1];
    if (!Joined(graph, i, k) || !Joined(graph, k, j)) continue;
    const int added = W(graph, i, k) + W(graph, k, j) - W(graph, i, j);
    if (place < 0 || added < increase) {
      place = static_cast<int>(p);
      increase = added;
    }
  }
  return place;
}

// The vertex that the cheapest rule puts in next.
void JudgeByIncrease(const PairWeights& graph, const Tour& tour, const InsertionStep& chosen,
                     PracticeStep& step) {
  const std::string k = VertexName(chosen.Vertex);
  const std::string kPlace = Between(tour, chosen.Place);
  for (int v = 0; v < graph.VertexCount; ++v) {
    JudgedAnswer& judged = step.Answers.emplace_back();
    judged.Answer = PracticeAnswer::Vertex(v);
    const std::string name = VertexName(v);
    int increase = 0;
    if (std::find(tour.begin(), tour.end(), v) != tour.end()) {
      judged.Offered = false;
      judged.Why = name + " is in the tour already.";
    } else if (v == chosen.Vertex) {
      judged.Judged = Verdict::Taken;
      judged.Why =
          k + " adds the least weight: " + SignedText(chosen.Increase) + ", " + kPlace + ".";
    } else if (const int place = CheapestPlace(graph, tour, v, increase); place < 0) {
      judged.Why = name + " has no place: no two neighbours on the tour are both joined to it.";
    } else if (increase > chosen.Increase) {
      judged.Why = name + " adds " + SignedText(increase) + " at its cheapest place, " +
                   Between(tour, place) + "; " + k + " adds " + SignedText(chosen.Increase) + ", " +
                   kPlace + ".";
    } else {
      assert(increase == chosen.Increase);
      judged.Judged = Verdict::Allowed;
      judged.Why = name + " adds " + SignedText(increase) + " too, " + Between(tour, place) +
                   ", as little as " + k +
                   "; on equal increases the program takes the earlier letter, " + k + ".";
    }
  }
}

}  // namespace

PracticeSteps InsertionSteps(const Drawing& drawing, InsertionRule rule) {
  const PairWeights graph = PairWeightsOf(drawing);
  const InsertionResult found = InsertionTour(graph, rule);
  PracticeSteps steps;
  if (!found.Found || found.Start < 0) return steps;
  steps.push_back(StartStep(graph, found.Start, rule == InsertionRule::Farthest));
  for (std::size_t s = 0; s < found.Steps.size(); ++s) {
    const Tour tour = found.TourAfter(s);
    PracticeStep& step = steps.emplace_back();
    step.Tick = static_cast<int>(s) + 2;
    if (rule == InsertionRule::Cheapest) {
      JudgeByIncrease(graph, tour, found.Steps[s], step);
    } else {
      JudgeByDistance(graph, tour, found.Steps[s], rule == InsertionRule::Farthest, step);
    }
  }
  return steps;
}

PracticeSteps NearestInsertionSteps(const Drawing& drawing) {
  return InsertionSteps(drawing, InsertionRule::Nearest);
}
PracticeSteps FarthestInsertionSteps(const Drawing& drawing) {
  return InsertionSteps(drawing, InsertionRule::Farthest);
}
PracticeSteps CheapestInsertionSteps(const Drawing& drawing) {
  return InsertionSteps(drawing, InsertionRule::Cheapest);
}

namespace {

AlgorithmResult RunInsertion(const Drawing& drawing, InsertionRule rule) {
  const InsertionResult found = InsertionTour(PairWeightsOf(drawing), rule);
  AlgorithmResult result = TourOutcome(drawing, found.Found, found.Reason);
  if (!found.Found || found.Start < 0) return result;

  Animation& play = result.Play;
  play.Steps.clear();
  play.Frames.push_back(TourSteps(drawing, found.TourAfter(0)));
  play.Reasons.push_back("Start with A, " + VertexName(found.Start) +
                         ", A: " + LineText(0, found.Start, drawing.WeightBetween(0, found.Start)) +
                         " is A's " + (rule == InsertionRule::Farthest ? "heaviest" : "lightest") +
                         " line.");
  for (std::size_t s = 0; s < found.Steps.size(); ++s) {
    const InsertionStep& step = found.Steps[s];
    const std::string k = VertexName(step.Vertex);
    const std::string line = LineText(step.DistanceTo, step.Vertex, step.Distance);
    std::string why;
    if (rule == InsertionRule::Nearest) {
      why = k + " is the nearest vertex to the tour, by " + line + ". ";
    } else if (rule == InsertionRule::Farthest) {
      why = k + " is the farthest vertex from the tour: its lightest line to it is " + line + ". ";
    }
    play.Frames.push_back(TourSteps(drawing, found.TourAfter(s + 1)));
    play.Reasons.push_back(why + k + " goes between " + VertexName(step.After) + " and " +
                           VertexName(step.Before) + ": " + SignedText(step.Increase) +
                           ", the cheapest place.");
  }
  play.Closing = TourClosing(result.Weight);
  return result;
}

}  // namespace

AlgorithmResult RunNearestInsertion(const Drawing& drawing) {
  return RunInsertion(drawing, InsertionRule::Nearest);
}
AlgorithmResult RunFarthestInsertion(const Drawing& drawing) {
  return RunInsertion(drawing, InsertionRule::Farthest);
}
AlgorithmResult RunCheapestInsertion(const Drawing& drawing) {
  return RunInsertion(drawing, InsertionRule::Cheapest);
}

}  // namespace tsp
