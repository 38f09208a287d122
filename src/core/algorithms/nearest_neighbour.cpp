#include "core/algorithms/nearest_neighbour.h"

#include <cassert>

#include "core/algorithms/tour_result.h"
#include "core/lesson/narration.h"

namespace tsp {

NearestNeighbourResult NearestNeighbourTour(const PairWeights& graph) {
  const int n = graph.VertexCount;
  assert(n >= 1 && n <= MaxVertices);
  NearestNeighbourResult result;
  Tour tour{0};
  unsigned visited = 1;
  int current = 0;
  for (int step = 1; step < n; ++step) {
    // The weights as they are, NoLine where no line is drawn: no line is taken over one.
    int next = -1;
    int lightest = PairWeights::NoLine;
    for (int v = 1; v < n; ++v) {
      const int w = graph.At(current, v);
      if ((visited >> v & 1u) == 0 && w < lightest) {
        next = v;
        lightest = w;
      }
    }
    if (next < 0) {
      result.Reason = "At step " + std::to_string(step) + ", no line leads from " +
                      VertexName(current) + " to a vertex not yet visited.";
      return result;
    }
    tour.push_back(next);
    visited |= 1u << next;
    current = next;
  }
  if (n > 1) {
    if (!graph.Between(current, 0)) {
      result.Reason = "At step " + std::to_string(n) + ", no line leads from " +
                      VertexName(current) + " back to A.";
      return result;
    }
    tour.push_back(0);
  }
  result.Found = tour;
  return result;
}

PracticeSteps NearestNeighbourSteps(const Drawing& drawing) {
  const PairWeights graph = PairWeightsOf(drawing);
  const NearestNeighbourResult found = NearestNeighbourTour(graph);
  PracticeSteps steps;
  if (!found.Found) return steps;
  const Tour& tour = *found.Found;
  const int n = graph.VertexCount;
  unsigned visited = 1;
  for (int k = 1; k < n; ++k) {
    const int from = tour[k - 1];
    const int next = tour[k];
    const std::string takenText = LineText(from, next, *graph.Between(from, next));
    const std::string rule =
        ", the lightest line from " + VertexName(from) + " to a vertex not yet visited";
    PracticeStep& step = steps.emplace_back();
    step.Tick = k;
    for (int v = 0; v < n; ++v) {
      JudgedAnswer& judged = step.Answers.emplace_back();
      judged.Answer = PracticeAnswer::Vertex(v);
      const auto& line = graph.Between(from, v);
      if (v == next) {
        judged.Judged = Verdict::Taken;
        judged.Why = takenText + " is the lightest line from " + VertexName(from) +
                     " to a vertex not yet visited.";
      } else if ((visited >> v & 1u) != 0) {
        judged.Offered = false;
        judged.Why = v == 0 ? "A is where the tour starts; it goes back there last."
                            : VertexName(v) + " is visited already.";
      } else if (!line) {
        judged.Why = "No line joins " + VertexName(from) + " and " + VertexName(v) + ".";
      } else if (*line > *graph.Between(from, next)) {
        judged.Why = LineText(from, v, *line) + " is heavier than " + takenText + rule + ".";
      } else {
        judged.Judged = Verdict::Allowed;
        judged.Why = LineText(from, v, *line) + " is as light as " + takenText + rule +
                     "; on equal weights the program takes the earlier letter, " +
                     VertexName(next) + ".";
      }
    }
    visited |= 1u << next;
  }
  return steps;
}

AlgorithmResult RunNearestNeighbour(const Drawing& drawing) {
  const NearestNeighbourResult found = NearestNeighbourTour(PairWeightsOf(drawing));
  AlgorithmResult result = TourOutcome(drawing, found.Found, found.Reason);
  NarrateTour(result.Play, [&](int s) {
    return VertexName(result.Play.Steps[s].To) + " is the nearest vertex not yet visited.";
  });
  return result;
}

}  // namespace tsp
