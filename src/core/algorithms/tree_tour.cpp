#include "core/algorithms/tree_tour.h"

#include <algorithm>
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

PracticeSteps TreeTourSteps(const Drawing& drawing) {
  const SpanningTree tree = BuildSpanningTree(drawing);
  const Tour tour = TreeTour(tree);
  std::array<int, MaxVertices> parent;
  parent.fill(-1);
  // A tree with lines to hidden vertices may reach them: they are answers too.
  int vertices = drawing.VertexCount();
  for (const TreeEdge& edge : tree.Edges) {
    parent[edge.To] = edge.From;
    vertices = std::max(vertices, edge.To + 1);
  }
  unsigned visited = 1;
  const auto childLeft = [&](int vertex) {
    for (const TreeEdge& edge : tree.Edges) {
      if (edge.From == vertex && (visited >> edge.To & 1u) == 0) return true;
    }
    return false;
  };
  FixedList<int, MaxVertices> path{0};
  PracticeSteps steps;
  for (std::size_t k = 1; k + 1 < tour.size(); ++k) {
    const int next = tour[k];
    const int stands = tour[k - 1];
    while (!childLeft(path.back())) path.pop_back();
    const int from = path.back();
    assert(parent[next] == from);
    const std::string f = VertexName(from);
    const bool back = from != stands;
    const std::string nothingLeft = "nothing below " + VertexName(stands) + " is left to visit";
    FixedList<int, MaxVertices> allowed;
    for (const TreeEdge& edge : tree.Edges) {
      if (edge.From == from && (visited >> edge.To & 1u) == 0) allowed.push_back(edge.To);
    }
    PracticeStep& step = steps.emplace_back();
    step.Tick = static_cast<int>(k);
    for (int v = 0; v < vertices; ++v) {
      JudgedAnswer& judged = step.Answers.emplace_back();
      judged.Answer = PracticeAnswer::Vertex(v);
      const std::string name = VertexName(v);
      if (v == next) {
        judged.Judged = Verdict::Taken;
        judged.Why =
            name + " is the next vertex of the tree in preorder: " +
            (back ? nothingLeft + ", and " + name + " is a child of " + f : "a child of " + f) +
            " not yet visited.";
      } else if ((visited >> v & 1u) != 0) {
        judged.Offered = false;
        judged.Why = name + " is visited already.";
      } else if (parent[v] < 0) {
        judged.Why = name + " is not in the tree: the spanning tree does not reach it.";
      } else if (parent[v] == from) {
        judged.Judged = Verdict::Allowed;
        judged.Why = name + " is a child of " + f + " not yet visited too" +
                     (back ? ", and " + nothingLeft : "") + "; the program visits " + f +
                     "'s children in the order they joined the tree, so " + VertexName(next) +
                     " comes first.";
      } else {
        judged.Why = name + " is not a child of " + f + "; depth first, the tour goes on from " +
                     f + (back ? ", as " + nothingLeft + "," : "") +
                     " to a child not yet visited: " + VertexList(allowed) + ".";
      }
    }
    visited |= 1u << next;
    path.push_back(next);
  }
  return steps;
}

AlgorithmResult RunTreeTour(const Drawing& drawing) {
  const Tour tour = TreeTour(BuildSpanningTree(drawing));
  AlgorithmResult result = TourOutcome(drawing, tour);
  result.Play = TreeTourAnimation(drawing, tour);
  return result;
}

}  // namespace tsp
