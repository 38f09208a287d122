#include "tour/light_cycle.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>
#include <vector>

#include "graph_core/random_graph.h"
#include "graph_core/test_graph.h"
#include "mst/spanning_tree_run.h"
#include "tour/tour_search.h"

namespace tsp {
namespace {

using testing::LoadedGraph;
using testing::Until;

struct CycleCase {
  const char* Name;
  int VertexCount;
  std::vector<testing::BoxEntry> Boxes;
  std::vector<int> SpanningTreeTour;
  std::vector<int> Tour;
  int Weight;
};
void PrintTo(const CycleCase& c, std::ostream* os) {
  *os << c.Name;
}

class LightCycle : public ::testing::TestWithParam<CycleCase> {};

TEST_P(LightCycle, KeepsTheFirstLightestCandidate) {
  const CycleCase& c = GetParam();
  GraphState state = LoadedGraph(c.VertexCount, c.Boxes);
  RunLightCycleRepetitions(state);
  EXPECT_EQ(Until(state.Tour), c.Tour);
  EXPECT_EQ(state.BestCycleWeight, c.Weight);
  EXPECT_EQ(Until(state.BaseCycle), c.SpanningTreeTour);
  for (std::size_t i = c.Tour.size(); i < TourSlots; ++i) ASSERT_EQ(state.Tour[i], ListSentinel);
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, LightCycle,
    ::testing::Values(
        // Candidates weigh 15, 15, 13, 15, 18.
        CycleCase{"FourVertices",
                  4,
                  {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}},
                  {0, 1, 3, 2, 0},
                  {0, 3, 1, 2, 0},
                  13},
        // P ties with its own reverse (P with B and C exchanged): P stays.
        CycleCase{"TieKeepsTheEarliest",
                  4,
                  {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {2, 3, "4"}, {0, 3, "50"}, {1, 2, "50"}},
                  {0, 1, 3, 2, 0},
                  {0, 1, 3, 2, 0},
                  10},
        CycleCase{"TwoVertices", 2, {{0, 1, "6"}}, {0, 1, 0}, {0, 1, 0}, 12},
        CycleCase{"SingleVertex", 1, {}, {0, 0}, {0, 0}, 0},
        CycleCase{"AWithoutEdges", 3, {{1, 2, "5"}}, {0, 0}, {0, 0}, 0},
        CycleCase{"AWithoutEdgesOrderWins", 3, {{1, 2, "-5"}}, {0, 0}, {0, 1, 2, 0}, -5},
        // The vertex order reaches D and E, whose edge is light enough to win.
        CycleCase{"PartialTreeOrderWins",
                  5,
                  {{0, 1, "1"}, {1, 2, "2"}, {3, 4, "-50"}},
                  {0, 1, 2, 0},
                  {0, 1, 2, 3, 4, 0},
                  -47},
        CycleCase{"PartialTreeStays",
                  5,
                  {{0, 1, "1"}, {1, 2, "2"}, {3, 4, "50"}},
                  {0, 1, 2, 0},
                  {0, 1, 2, 0},
                  3}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LightCycle, AnimationOfTheFourVertexExample) {
  GraphState state = LoadedGraph(
      4, {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}});
  RunLightCycleRepetitions(state);
  testing::Played played = testing::Play(state, TourAnimationTick);
  EXPECT_EQ(played.Ticks.size(), 5u);
  EXPECT_STREQ(played.Ticks.back().EndMessage, EndReachedMessage);
  EXPECT_EQ(state.EdgeListText, "A--D,D--B,B--C,C--A,");
  EXPECT_EQ(state.WeightListText, "4**2**4**3**");
  EXPECT_EQ(state.TourWeight, 13);
}

TEST(LightCycle, NoIterationsKeepTheTour) {
  GraphState state = LoadedGraph(3, {{0, 1, "1"}, {1, 2, "1"}}, 0);
  RunLightCycleRepetitions(state);
  EXPECT_EQ(state.Tour[0], ListSentinel);
  state.IterationCount = 2;
  RunLightCycleRepetitions(state);
  const TourList computed = state.Tour;
  state.IterationCount = -1;
  RunLightCycleRepetitions(state);
  EXPECT_EQ(state.Tour, computed);
}

int ClosedTourWeight(const std::vector<int>& tour, const testing::RandomGraph& graph) {
  std::map<std::pair<int, int>, int> weight;
  for (const testing::WeightedEdge& e : graph.Edges) {
    weight[{e.A, e.B}] = e.Weight;
    weight[{e.B, e.A}] = e.Weight;
  }
  int total = 0;
  for (std::size_t i = 0; i + 1 < tour.size(); ++i) {
    const auto found = weight.find({tour[i], tour[i + 1]});
    if (found != weight.end()) total += found->second;
  }
  return total;
}

TEST(LightCycle, RandomGraphsNeverWeighMoreThanTheSpanningTreeTour) {
  std::mt19937 rng(4242);
  for (int round = 0; round < 300; ++round) {
    const int n = std::uniform_int_distribution<int>(2, 10)(rng);
    testing::RandomGraph graph = testing::MakeConnectedGraph(rng, n);
    GraphState state = testing::LoadRandomGraph(graph);
    RunSpanningTreeRepetitions(state);
    SearchTour(state);
    const std::vector<int> treeTour = Until(state.Tour);

    BuildLightCycle(state);
    const std::vector<int> light = Until(state.Tour);
    ASSERT_EQ(light.size(), static_cast<std::size_t>(n + 1)) << "round " << round;
    ASSERT_EQ(light.front(), 0);
    ASSERT_EQ(light.back(), 0);
    ASSERT_LE(ClosedTourWeight(light, graph), ClosedTourWeight(treeTour, graph))
        << "round " << round;
    ASSERT_EQ(state.BestCycleWeight, ClosedTourWeight(light, graph));

    // The animation shows the weight the light cycle computed.
    testing::Play(state, TourAnimationTick);
    ASSERT_EQ(state.TourWeight, state.BestCycleWeight) << "round " << round;
  }
}

}  // namespace
}  // namespace tsp
