#include "core/algorithms/spanning_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "core/test_drawing.h"

namespace tsp {
namespace {

using testing::BoxEntry;
using testing::DrawingWith;
using testing::Listing;

struct TreeCase {
  const char* Name;
  int VertexCount;
  std::vector<BoxEntry> Boxes;
  const char* Edges;
  int Weight;
};
void PrintTo(const TreeCase& c, std::ostream* os) {
  *os << c.Name;
}

class TreeOf : public ::testing::TestWithParam<TreeCase> {};

TEST_P(TreeOf, TakesTheExpectedEdgesInOrder) {
  const TreeCase& c = GetParam();
  const Drawing drawing = DrawingWith(c.VertexCount, c.Boxes);
  const SpanningTree tree = BuildSpanningTree(drawing);
  EXPECT_EQ(Listing(tree.Edges), c.Edges);
  EXPECT_EQ(tree.Weight(), c.Weight);
  EXPECT_EQ(tree.VertexCount, static_cast<int>(tree.Edges.size()) + 1);
  for (const TreeEdge& edge : tree.Edges) {
    EXPECT_EQ(edge.LineId, drawing.LineBetween(edge.From, edge.To));
    EXPECT_EQ(edge.Weight, drawing.WeightBetween(edge.From, edge.To));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, TreeOf,
    ::testing::Values(
        // B-C is listed for C too, so C brings B in: total 2, not 11.
        TreeCase{"Triangle", 3, {{0, 1, "10"}, {0, 2, "1"}, {1, 2, "1"}}, "A--C,C--B,", 2},
        TreeCase{
            "TriangleBelowDiagonal", 3, {{1, 0, "10"}, {2, 0, "1"}, {2, 1, "1"}}, "A--C,C--B,", 2},
        TreeCase{"FourVertices",
                 4,
                 {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}},
                 "A--B,B--D,A--C,",
                 6},
        // Heads of A (to C) and B (to D) weigh 5 each: the higher-numbered B wins.
        TreeCase{"TieGoesToHigherVertex",
                 4,
                 {{0, 1, "1"}, {0, 2, "5"}, {1, 3, "5"}},
                 "A--B,B--D,A--C,",
                 11},
        TreeCase{"MinusHundredOneBeatsAll",
                 4,
                 {{0, 1, "-100"}, {0, 2, "-101"}, {0, 3, "101"}, {1, 3, "-99"}},
                 "A--C,A--B,B--D,",
                 -300},
        // Equal weights leave A's list in the order of nine bubble passes that also exchange
        // equal neighbours.
        TreeCase{"StarTwoEqual", 3, {{0, 1, "5"}, {0, 2, "5"}}, "A--B,A--C,", 10},
        TreeCase{
            "StarThreeEqual", 4, {{0, 1, "5"}, {0, 2, "5"}, {0, 3, "5"}}, "A--D,A--B,A--C,", 15},
        TreeCase{"StarTwoEqualOneLighter",
                 4,
                 {{0, 1, "5"}, {0, 2, "5"}, {0, 3, "3"}},
                 "A--D,A--B,A--C,",
                 13},
        TreeCase{"StarMixed",
                 5,
                 {{0, 1, "7"}, {0, 2, "-3"}, {0, 3, "7"}, {0, 4, "2"}},
                 "A--C,A--E,A--B,A--D,",
                 13},
        // Lines whose text reads exactly 0 are drawn but never listed.
        TreeCase{
            "ZeroTextNeverTaken", 3, {{0, 1, "0"}, {0, 2, "5"}, {2, 1, "7"}}, "A--C,C--B,", 12},
        TreeCase{"ZeroTextOnlyWay", 2, {{0, 1, "0"}}, "", 0},
        // "0.3" is listed with weight 0, and the tie between A and C goes to C.
        TreeCase{"PointThree", 3, {{0, 1, "0.3"}, {0, 2, "-1"}, {1, 2, "0.4"}}, "A--C,C--B,", -1},
        TreeCase{"Clamped", 3, {{0, 1, "250"}, {0, 2, "101"}, {1, 2, "-300"}}, "A--B,B--C,", 0},
        TreeCase{"SingleVertex", 1, {}, "", 0},
        // A's lightest entry is taken even when A is the only vertex shown.
        TreeCase{"SingleVertexHiddenLine", 1, {{0, 3, "2"}, {0, 4, "1"}}, "A--E,", 1},
        TreeCase{
            "HiddenVertexReached", 3, {{0, 7, "1"}, {0, 1, "3"}, {1, 2, "2"}}, "A--H,A--B,", 4},
        TreeCase{"AWithoutEdges", 3, {{1, 2, "4"}}, "", 0},
        TreeCase{"Disconnected", 4, {{0, 1, "3"}, {2, 3, "1"}}, "A--B,", 3},
        TreeCase{"PartlyReachable", 5, {{0, 1, "3"}, {1, 2, "2"}, {3, 4, "1"}}, "A--B,B--C,", 5}),
    [](const auto& info) { return std::string(info.param.Name); });

struct Line {
  int A;
  int B;
  int Weight;
};

int KruskalWeight(int n, std::vector<Line> lines) {
  std::ranges::sort(lines, {}, &Line::Weight);
  std::vector<int> root(n);
  std::iota(root.begin(), root.end(), 0);
  const auto find = [&](int v) {
    while (root[v] != v) v = root[v];
    return v;
  };
  int total = 0;
  for (const Line& line : lines) {
    const int a = find(line.A);
    const int b = find(line.B);
    if (a == b) continue;
    root[a] = b;
    total += line.Weight;
  }
  return total;
}

TEST(BuildSpanningTree, ConnectedGraphsGetAMinimumTreeReachingEveryVertexOnce) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    const int n = std::uniform_int_distribution<int>(1, 10)(rng);
    std::vector<Line> lines;
    std::vector<BoxEntry> boxes;
    const auto join = [&](int a, int b) {
      const int w = std::uniform_int_distribution<int>(-100, 100)(rng) | 1;  // never 0
      lines.push_back({a, b, w});
      const bool below = std::bernoulli_distribution(0.5)(rng);
      boxes.push_back({below ? b : a, below ? a : b, std::to_string(w)});
    };
    // A path through a random order connects the graph; extra pairs make it interesting.
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::ranges::shuffle(order, rng);
    for (int i = 1; i < n; ++i)
      join(std::min(order[i - 1], order[i]), std::max(order[i - 1], order[i]));
    for (int a = 0; a < n; ++a) {
      for (int b = a + 1; b < n; ++b) {
        const bool onPath =
            std::ranges::any_of(lines, [&](const Line& l) { return l.A == a && l.B == b; });
        if (!onPath && std::bernoulli_distribution(0.4)(rng)) join(a, b);
      }
    }
    const SpanningTree tree = BuildSpanningTree(DrawingWith(n, boxes));
    ASSERT_EQ(static_cast<int>(tree.Edges.size()), n - 1) << "round " << round;
    std::vector<bool> reached(n, false);
    reached[0] = true;
    for (const TreeEdge& edge : tree.Edges) {
      ASSERT_TRUE(reached[edge.From] && !reached[edge.To]) << "round " << round;
      reached[edge.To] = true;
    }
    ASSERT_EQ(tree.Weight(), KruskalWeight(n, lines)) << "round " << round;
  }
}

}  // namespace
}  // namespace tsp
