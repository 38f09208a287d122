// The course's algorithms against the plain computations of naive_tours.h on random graphs,
// and what every row of the table must give on them (row_checks.h).

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/algorithms/christofides.h"
#include "core/algorithms/greedy_edge.h"
#include "core/algorithms/insertion.h"
#include "core/algorithms/kruskal.h"
#include "core/algorithms/nearest_neighbour.h"
#include "core/algorithms/tree_tour.h"
#include "core/algorithms/two_opt.h"
#include "core/bounds/one_tree_bound.h"
#include "core/naive_tours.h"
#include "core/row_checks.h"
#include "core/test_drawing.h"

namespace tsp {
namespace {

struct GraphKind {
  const char* Name;
  double Density;
  int Low;
  int High;
  bool Metric;  // Manhattan distances of points on a grid: every triangle holds
};

const GraphKind Kinds[] = {
    {"metric", 1.0, 0, 0, true},
    {"complete 1..99", 1.0, 1, 99, false},
    {"complete -100..100", 1.0, -100, 100, false},
    {"complete 1..2", 1.0, 1, 2, false},
    {"sparse -5..5", 0.55, -5, 5, false},
    {"sparse 1..3", 0.35, 1, 3, false},
};

// Each pair's weight text in its upper or lower box, never "0".
Drawing RandomDrawing(std::mt19937& rng, int n, const GraphKind& kind) {
  std::vector<testing::BoxEntry> boxes;
  std::uniform_int_distribution<int> coordinate(0, 40);
  std::vector<std::pair<int, int>> points(n);
  for (auto& [x, y] : points) x = coordinate(rng), y = coordinate(rng);
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b) {
      if (!std::bernoulli_distribution(kind.Density)(rng)) continue;
      int weight = std::uniform_int_distribution<int>(kind.Low, kind.High)(rng);
      if (kind.Metric) {
        weight = std::abs(points[a].first - points[b].first) +
                 std::abs(points[a].second - points[b].second);
      }
      if (weight == 0) weight = 1;
      const bool upper = std::bernoulli_distribution(0.7)(rng);
      boxes.push_back({upper ? a : b, upper ? b : a, std::to_string(weight)});
    }
  }
  return testing::DrawingWith(n, boxes);
}

naive::Tour Plain(const std::optional<Tour>& tour) {
  return tour ? naive::Tour(tour->begin(), tour->end()) : naive::Tour{};
}

std::vector<naive::Line> Lines(const SpanningTree& tree) {
  std::vector<naive::Line> lines;
  for (const TreeEdge& e : tree.Edges) lines.push_back({e.Weight, e.From, e.To});
  return lines;
}

void CheckTheNewRowsAgainstThePlainOnes(const Drawing& drawing, const PairWeights& g) {
  const SpanningTree tree = BuildSpanningTree(drawing);
  EXPECT_EQ(Lines(KruskalTree(drawing)), naive::Kruskal(g)) << "kruskal";
  EXPECT_EQ(Plain(NearestNeighbourTour(g).Found), naive::NearestNeighbour(g))
      << "nearest neighbour";
  EXPECT_EQ(Plain(GreedyEdgeTour(g).Found), naive::GreedyEdge(g)) << "greedy edge";
  EXPECT_EQ(Plain(InsertionTour(g, InsertionRule::Nearest).Found),
            naive::Insertion(g, naive::Rule::Nearest))
      << "nearest insertion";
  EXPECT_EQ(Plain(InsertionTour(g, InsertionRule::Farthest).Found),
            naive::Insertion(g, naive::Rule::Farthest))
      << "farthest insertion";
  EXPECT_EQ(Plain(InsertionTour(g, InsertionRule::Cheapest).Found),
            naive::Insertion(g, naive::Rule::Cheapest))
      << "cheapest insertion";
  EXPECT_EQ(Plain(ChristofidesTour(drawing).Found), naive::Christofides(g, tree)) << "christofides";

  const naive::Tour start = Plain(TreeTour(tree));
  const bool startsWell = g.VertexCount == 1 || testing::IsFullTour(g, TreeTour(tree));
  EXPECT_EQ(
      Plain(TwoOptTour(drawing).Found),
      g.VertexCount == 1 ? naive::Tour{0} : (startsWell ? naive::TwoOpt(g, start) : naive::Tour{}))
      << "2-opt";
  EXPECT_EQ(OneTreeBound(g), naive::OneTreeBound(g)) << "1-tree bound";
}

TEST(AlgorithmStress, TheCourseAlgorithmsOnRandomGraphs) {
  std::mt19937 rng(4242);
  for (const GraphKind& kind : Kinds) {
    for (int n = 1; n <= MaxVertices; ++n) {
      for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(::testing::Message()
                     << kind.Name << ", " << n << " vertices, round " << round);
        const Drawing drawing = RandomDrawing(rng, n, kind);
        const PairWeights g = PairWeightsOf(drawing);
        CheckTheNewRowsAgainstThePlainOnes(drawing, g);
        EXPECT_EQ(testing::BrokenRowInvariant(drawing), "");
        if (::testing::Test::HasFailure()) return;
      }
    }
  }
}

}  // namespace
}  // namespace tsp
