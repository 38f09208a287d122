#include "core/algorithms/optimum.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/report/guarantee.h"
#include "core/tour_enumeration.h"

namespace tsp {
namespace {

struct Line {
  int A;
  int B;
  std::int16_t Weight;
};

PairWeights MakeGraph(int vertexCount, const std::vector<Line>& lines) {
  PairWeights graph;
  graph.VertexCount = vertexCount;
  for (const Line& line : lines) graph.Join(line.A, line.B, line.Weight);
  return graph;
}

// Few distinct weights make ties common, which puts the lexicographic rule to the test.
TEST(BestTour, MatchesTryingEveryOrderOnRandomGraphs) {
  struct Kind {
    double Density;
    int Low;
    int High;
  };
  const std::vector<Kind> kinds{{1.0, -2, 2},     {1.0, -101, 101}, {1.0, 1, 101},   {0.6, -2, 2},
                                {0.6, -101, 101}, {0.35, 0, 3},     {0.35, -50, 50}, {0.8, 0, 0}};
  std::mt19937 rng(7151u);
  for (int n = 1; n <= 8; ++n) {
    for (const Kind& kind : kinds) {
      std::bernoulli_distribution drawn(kind.Density);
      std::uniform_int_distribution<int> weight(kind.Low, kind.High);
      for (int g = 0; g < 60; ++g) {
        PairWeights graph;
        graph.VertexCount = n;
        for (int a = 0; a < n; ++a) {
          for (int b = a + 1; b < n; ++b) {
            if (drawn(rng)) graph.Join(a, b, static_cast<std::int16_t>(weight(rng)));
          }
        }
        const OptimumTour tour = BestTour(graph);
        const auto expected = testing::EnumerateTours(graph);
        ASSERT_EQ(tour.Vertices.has_value(), expected.has_value()) << n << " vertices, graph " << g;
        if (expected) {
          ASSERT_EQ(*tour.Vertices, expected->Vertices) << n << " vertices, graph " << g;
          ASSERT_EQ(tour.Weight, expected->Weight);
          ASSERT_EQ(tour.Reason, "");
        } else {
          ASSERT_NE(tour.Reason, "");
        }
      }
    }
  }
}

struct TourCase {
  const char* Name;
  int VertexCount;
  std::vector<Line> Lines;
  std::optional<std::vector<int>> Vertices;
  int Weight;
  const char* Reason;
};
void PrintTo(const TourCase& c, std::ostream* os) {
  *os << c.Name;
}

class FixedGraphs : public ::testing::TestWithParam<TourCase> {};

TEST_P(FixedGraphs, GiveTheTourOrTheReason) {
  const TourCase& c = GetParam();
  const OptimumTour tour = BestTour(MakeGraph(c.VertexCount, c.Lines));
  EXPECT_EQ(tour.Vertices, c.Vertices);
  EXPECT_EQ(tour.Weight, c.Weight);
  EXPECT_EQ(tour.Reason, c.Reason);
}

const std::vector<Line> Triangle{{0, 1, 1}, {1, 2, 1}, {0, 2, 1}};

INSTANTIATE_TEST_SUITE_P(
    Graphs, FixedGraphs,
    ::testing::Values(
        TourCase{"SingleVertex", 1, {}, std::vector<int>{0}, 0, ""},
        TourCase{
            "TwoJoinedVerticesUseTheLineTwice", 2, {{0, 1, -7}}, std::vector{0, 1, 0}, -14, ""},
        TourCase{"TwoVerticesWithoutLine", 2, {}, std::nullopt, 0, "B is not reached from A."},
        // Cycles A-B-D-C (11), A-B-C-D (16), A-C-B-D (19); A,B,D,C,A precedes its reverse.
        TourCase{"FourVertices",
                 4,
                 {{0, 1, 1}, {0, 2, 5}, {0, 3, 4}, {1, 2, 8}, {1, 3, 2}, {2, 3, 3}},
                 std::vector{0, 1, 3, 2, 0},
                 11,
                 ""},
        TourCase{"OnlyCycleTakenInItsFirstDirection",
                 4,
                 {{0, 3, 1}, {3, 1, 1}, {1, 2, 1}, {2, 0, 1}},
                 std::vector{0, 2, 1, 3, 0},
                 4,
                 ""},
        TourCase{"PendantVertex",
                 4,
                 {{0, 1, 1}, {1, 2, 1}, {0, 2, 1}, {2, 3, 1}},
                 std::nullopt,
                 0,
                 "D has fewer than two edges."},
        TourCase{"PendantAndIsolatedVertices",
                 5,
                 {{0, 1, 1}, {1, 2, 1}, {0, 2, 1}, {0, 4, 1}},
                 std::nullopt,
                 0,
                 "D and E have fewer than two edges. D is not reached from A."},
        TourCase{"TwoTriangles",
                 6,
                 {{0, 1, 1}, {1, 2, 1}, {0, 2, 1}, {3, 4, 1}, {4, 5, 1}, {3, 5, 1}},
                 std::nullopt,
                 0,
                 "D, E and F are not reached from A."},
        TourCase{"TrianglesMeetingAtA",
                 5,
                 {{0, 1, 1}, {1, 2, 1}, {0, 2, 1}, {0, 3, 1}, {3, 4, 1}, {0, 4, 1}},
                 std::nullopt,
                 0,
                 "No closed tour visits every vertex exactly once."}));

TEST(Guarantee, HoldsOnAMetricCompleteGraph) {
  // Points 0, 1, 3, 6 on a line: distances are metric, equality included.
  const GuaranteeCheck check = CheckGuarantee(
      MakeGraph(4, {{0, 1, 1}, {0, 2, 3}, {0, 3, 6}, {1, 2, 2}, {1, 3, 5}, {2, 3, 3}}));
  EXPECT_TRUE(check.AllPairs);
  EXPECT_TRUE(check.NonNegative);
  EXPECT_TRUE(check.Violations.empty());
  EXPECT_TRUE(check.Holds());
}

TEST(Guarantee, ListsEveryViolatedTriangleInOrder) {
  const GuaranteeCheck check = CheckGuarantee(
      MakeGraph(4, {{0, 1, 1}, {0, 2, 5}, {0, 3, 4}, {1, 2, 8}, {1, 3, 2}, {2, 3, 3}}));
  EXPECT_TRUE(check.AllPairs);
  EXPECT_TRUE(check.NonNegative);
  EXPECT_FALSE(check.Holds());
  const std::vector<Violation> expected{{0, 1, 3, 4, 1, 2}, {1, 0, 2, 8, 1, 5}, {1, 3, 2, 8, 2, 3}};
  EXPECT_EQ(check.Violations, expected);
  std::vector<std::string> texts;
  for (const Violation& v : check.Violations) texts.push_back(ViolationText(v));
  EXPECT_EQ(texts, (std::vector<std::string>{"A\u2013D (4) > A\u2013B (1) + B\u2013D (2)",
                                             "B\u2013C (8) > B\u2013A (1) + A\u2013C (5)",
                                             "B\u2013C (8) > B\u2013D (2) + D\u2013C (3)"}));
}

TEST(Guarantee, NeedsEveryPairAndNoNegativeWeight) {
  const GuaranteeCheck missing = CheckGuarantee(MakeGraph(3, {{0, 1, 1}, {1, 2, 1}}));
  EXPECT_FALSE(missing.AllPairs);
  EXPECT_TRUE(missing.Violations.empty());
  EXPECT_FALSE(missing.Holds());

  // A negative line breaks the guarantee even where every triangle is fine.
  const GuaranteeCheck negative = CheckGuarantee(MakeGraph(2, {{0, 1, -3}}));
  EXPECT_TRUE(negative.AllPairs);
  EXPECT_FALSE(negative.NonNegative);
  EXPECT_FALSE(negative.Holds());

  EXPECT_TRUE(CheckGuarantee(MakeGraph(1, {})).Holds());
  EXPECT_TRUE(CheckGuarantee(MakeGraph(3, Triangle)).Holds());
}

}  // namespace
}  // namespace tsp
