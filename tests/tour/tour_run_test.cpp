#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graph_core/test_graph.h"
#include "mst/spanning_tree_run.h"
#include "tour/tour_search.h"

namespace tsp {
namespace {

using testing::Play;

GraphState SearchedGraph(int vertexCount, const std::vector<testing::BoxEntry>& boxes,
                         std::int16_t iterations = 1) {
  GraphState state = testing::LoadedGraph(vertexCount, boxes, iterations);
  RunSpanningTreeRepetitions(state);
  RunTourRepetitions(state);
  return state;
}

TEST(TourRun, FourVertexTourIsPlayedWithItsWeights) {
  // Lines: 0 = A-B, 1 = A-C, 2 = B-D, 3 = D-C (entered below the diagonal).
  GraphState state = SearchedGraph(4, {{0, 1, "5"}, {0, 2, "7"}, {1, 3, "3"}, {3, 2, "2"}});
  testing::Played played = Play(state, TourAnimationTick);

  ASSERT_EQ(played.Ticks.size(), 5u);
  EXPECT_EQ(state.EdgeListText, "A--B,B--D,D--C,C--A,");
  EXPECT_EQ(state.WeightListText, "5**3**2**7**");
  EXPECT_EQ(state.TourWeight, 17);
  EXPECT_EQ(played.Lines, (std::vector<int>{0, 2, 3, 1}));
  EXPECT_TRUE(played.Ticks[0].ClearLists);
  for (std::size_t i = 0; i + 1 < played.Ticks.size(); ++i) {
    EXPECT_EQ(played.Ticks[i].EndMessage, nullptr);
    EXPECT_FALSE(played.Ticks[i].ShowTourWeight);
  }
  EXPECT_STREQ(played.Ticks[4].EndMessage, EndReachedMessage);
  EXPECT_TRUE(played.Ticks[4].ShowTourWeight);
  EXPECT_EQ(state.AnimationStep, 4);

  // Pressing again restarts from empty lists and weight 0.
  RunTourRepetitions(state);
  Play(state, TourAnimationTick);
  EXPECT_EQ(state.WeightListText, "5**3**2**7**");
  EXPECT_EQ(state.TourWeight, 17);
}

struct EndCase {
  const char* Name;
  int VertexCount;
  std::int16_t Iterations;
  std::vector<testing::BoxEntry> Boxes;
  std::size_t Ticks;
  const char* EndMessage;
  const char* EdgeList;
  const char* WeightList;
  int TourWeight;
};
void PrintTo(const EndCase& c, std::ostream* os) {
  *os << c.Name;
}

class TourRunEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(TourRunEnd, EndsWithTheTourWeight) {
  const EndCase& c = GetParam();
  GraphState state = SearchedGraph(c.VertexCount, c.Boxes, c.Iterations);
  testing::Played played = Play(state, TourAnimationTick);
  EXPECT_EQ(played.Ticks.size(), c.Ticks);
  EXPECT_STREQ(played.Ticks.back().EndMessage, c.EndMessage);
  EXPECT_TRUE(played.Ticks.back().ShowTourWeight);
  EXPECT_EQ(state.EdgeListText, c.EdgeList);
  EXPECT_EQ(state.WeightListText, c.WeightList);
  EXPECT_EQ(state.TourWeight, c.TourWeight);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TourRunEnd,
    ::testing::Values(
        EndCase{
            "NoIterationsOnAFreshLoad", 3, 0, {{0, 1, "4"}}, 1, SentinelFoundMessage, "", "", 0},
        EndCase{"NegativeIterations", 3, -2, {{0, 1, "4"}}, 1, SentinelFoundMessage, "", "", 0},
        EndCase{"TwoVerticesNegativeWeight",
                2,
                1,
                {{1, 0, "-5"}},
                3,
                EndReachedMessage,
                "A--B,B--A,",
                "-5**-5**",
                -10},
        EndCase{"SingleVertex", 1, 1, {}, 2, EndReachedMessage, "A--A,", "", 0},
        EndCase{"AWithoutEdges", 3, 1, {{1, 2, "8"}}, 2, EndReachedMessage, "A--A,", "", 0},
        // The tour returns from C to A, which share no line: listed, nothing added.
        EndCase{"PartialTree",
                4,
                1,
                {{0, 1, "3"}, {1, 2, "-4"}},
                4,
                EndReachedMessage,
                "A--B,B--C,C--A,",
                "3**-4**",
                -1},
        EndCase{"ManyIterations",
                3,
                40,
                {{0, 1, "4"}, {1, 2, "6"}},
                4,
                EndReachedMessage,
                "A--B,B--C,C--A,",
                "4**6**",
                10}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TourRun, StepsOutsideTheTourEndTheRun) {
  GraphState state = SearchedGraph(3, {{0, 1, "4"}, {1, 2, "6"}});
  // Another animation moved the shared step past the tour's last pair.
  state.AnimationStep = 5;
  AnimationTick tick = TourAnimationTick(state);
  EXPECT_STREQ(tick.EndMessage, SentinelFoundMessage);
  EXPECT_TRUE(tick.ShowTourWeight);
  EXPECT_EQ(state.AnimationStep, 5);

  state.AnimationStep = 100;
  tick = TourAnimationTick(state);
  EXPECT_STREQ(tick.EndMessage, AllDoneMessage);
  EXPECT_FALSE(tick.ShowTourWeight);
  EXPECT_EQ(state.AnimationStep, 0);
}

}  // namespace
}  // namespace tsp
