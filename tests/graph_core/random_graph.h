#pragma once

// Random connected graphs for the property tests, entered like a user would: one box per edge,
// above or below the diagonal at random.

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "graph/graph_build.h"
#include "graph/graph_state.h"

namespace tsp::testing {

struct WeightedEdge {
  int A;
  int B;
  int Weight;
};

struct RandomGraph {
  int VertexCount = 0;
  std::vector<WeightedEdge> Edges;
  MatrixBoxes Boxes;
};

inline RandomGraph MakeConnectedGraph(std::mt19937& rng, int vertexCount) {
  RandomGraph g;
  g.VertexCount = vertexCount;
  g.Boxes.White.fill("0");
  g.Boxes.Red.fill("0");
  std::uniform_int_distribution<int> weight(-100, 99);
  std::bernoulli_distribution coin(0.5);
  std::array<std::array<bool, MaxVertices>, MaxVertices> joined{};
  auto add = [&](int a, int b) {
    if (a == b || joined[a][b]) return;
    joined[a][b] = joined[b][a] = true;
    int w = weight(rng);
    if (w >= 0) ++w;  // -100..100 without 0
    g.Edges.push_back({a, b, w});
    const int box = coin(rng) ? BoxIndex(a, b) : BoxIndex(b, a);
    g.Boxes.White[box] = "1";
    g.Boxes.Red[box] = std::to_string(w);
  };
  // A random spanning tree makes it connected, extra edges make it interesting.
  std::vector<int> order(vertexCount);
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), rng);
  for (int i = 1; i < vertexCount; ++i) {
    add(order[i], order[std::uniform_int_distribution<int>(0, i - 1)(rng)]);
  }
  std::bernoulli_distribution extra(0.4);
  for (int a = 0; a < vertexCount; ++a) {
    for (int b = a + 1; b < vertexCount; ++b) {
      if (extra(rng)) add(a, b);
    }
  }
  return g;
}

inline GraphState LoadRandomGraph(RandomGraph& g) {
  GraphState state;
  std::array<DrawnEdge, BoxCount> edges{};
  LoadGraphState(state, static_cast<std::int16_t>(g.VertexCount), 1, g.Boxes, edges);
  return state;
}

// Kruskal's minimum spanning tree weight.
inline int MinimumTreeWeight(const RandomGraph& g) {
  std::vector<WeightedEdge> edges = g.Edges;
  std::sort(edges.begin(), edges.end(),
            [](const WeightedEdge& x, const WeightedEdge& y) { return x.Weight < y.Weight; });
  std::vector<int> root(g.VertexCount);
  std::iota(root.begin(), root.end(), 0);
  auto find = [&](int v) {
    while (root[v] != v) v = root[v] = root[root[v]];
    return v;
  };
  int total = 0;
  for (const WeightedEdge& e : edges) {
    const int a = find(e.A);
    const int b = find(e.B);
    if (a == b) continue;
    root[a] = b;
    total += e.Weight;
  }
  return total;
}

}  // namespace tsp::testing
