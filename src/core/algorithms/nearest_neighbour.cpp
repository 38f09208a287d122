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
    int next = -1;
    for (int v = 1; v < n; ++v) {
      const auto& line = graph.Between(current, v);
      if ((visited >> v & 1u) == 0 && line && (next < 0 || *line < *graph.Between(current, next))) {
        next = v;
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

AlgorithmResult RunNearestNeighbour(const Drawing& drawing) {
  const NearestNeighbourResult found = NearestNeighbourTour(PairWeightsOf(drawing));
  AlgorithmResult result = TourOutcome(drawing, found.Found, found.Reason);
  NarrateTour(result.Play, [&](int s) {
    return VertexName(result.Play.Steps[s].To) + " is the nearest vertex not yet visited.";
  });
  return result;
}

}  // namespace tsp
