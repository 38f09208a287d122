#include "core/algorithms/tree_tour.h"

#include <array>
#include <cassert>

#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tour_result.h"
#include "core/lesson/narration.h"

namespace tsp {

Tour TreeTour(const SpanningTree& tree) {
  std::array<std::array<int, MaxVertices>, MaxVertices> children;
  std::array<int, MaxVertices> childCount{};
  for (const TreeEdge& edge : tree.Edges) {
    // A tree grown from A brings every vertex in once, and A never.
    assert(edge.To != 0 && edge.From >= 0 && edge.From < MaxVertices);
    children[edge.From][childCount[edge.From]++] = edge.To;
  }

  Tour tour;
  // Depth first, with the next child to enter for every vertex on the path.
  std::array<int, MaxVertices> path;
  std::array<int, MaxVertices> nextChild{};
  int depth = 0;
  path[0] = 0;
  tour.push_back(0);
  while (depth >= 0) {
    const int vertex = path[depth];
    if (nextChild[vertex] == childCount[vertex]) {
      --depth;
      continue;
    }
    const int child = children[vertex][nextChild[vertex]++];
    tour.push_back(child);
    path[++depth] = child;
  }
  tour.push_back(0);
  return tour;
}

Animation TreeTourAnimation(const Drawing& drawing, const std::optional<Tour>& tour) {
  Animation animation = TourAnimation(drawing, tour);
  NarrateTour(animation, [&](int s) {
    return VertexName(animation.Steps[s].To) + " is the next vertex of the tree in preorder.";
  });
  return animation;
}

AlgorithmResult RunTreeTour(const Drawing& drawing) {
  const Tour tour = TreeTour(BuildSpanningTree(drawing));
  AlgorithmResult result = TourOutcome(drawing, tour);
  result.Play = TreeTourAnimation(drawing, tour);
  return result;
}

}  // namespace tsp
