#include "mst/spanning_tree.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graph/edge_lists.h"
#include "graph_core/random_graph.h"
#include "graph_core/test_graph.h"
#include "mst/spanning_tree_run.h"

namespace tsp {
namespace {

using testing::LoadedGraph;
using testing::Play;
using testing::Until;

struct TreeCase {
  const char* Name;
  int VertexCount;
  std::vector<testing::BoxEntry> Boxes;
  std::vector<int> TreeBoxes;
  const char* EdgeList;
};
void PrintTo(const TreeCase& c, std::ostream* os) {
  *os << c.Name;
}

class SpanningTree : public ::testing::TestWithParam<TreeCase> {};

TEST_P(SpanningTree, TakesTheExpectedEdgesAndPlaysThem) {
  const TreeCase& c = GetParam();
  GraphState state = LoadedGraph(c.VertexCount, c.Boxes);
  RunSpanningTreeRepetitions(state);
  EXPECT_EQ(Until(state.MstBoxes), c.TreeBoxes);
  EXPECT_EQ(Until(state.MstLineIds).size(), c.TreeBoxes.size());

  testing::Played played = Play(state, MstAnimationTick);
  EXPECT_EQ(played.Ticks.size(), c.TreeBoxes.size() + 1);
  EXPECT_STREQ(played.Ticks.back().EndMessage, SentinelFoundMessage);
  EXPECT_EQ(state.EdgeListText, c.EdgeList);
  EXPECT_EQ(state.AnimationStep, static_cast<int>(c.TreeBoxes.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, SpanningTree,
    ::testing::Values(
        // B-C is listed for C too, so C brings B in: total 2, not 11.
        TreeCase{"Triangle", 3, {{0, 1, "10"}, {0, 2, "1"}, {1, 2, "1"}}, {2, 21}, "A--C,C--B,"},
        TreeCase{"TriangleBelowDiagonal",
                 3,
                 {{1, 0, "10"}, {2, 0, "1"}, {2, 1, "1"}},
                 {2, 21},
                 "A--C,C--B,"},
        TreeCase{"FourVertices",
                 4,
                 {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}},
                 {1, 13, 2},
                 "A--B,B--D,A--C,"},
        // Heads of A (to C) and B (to D) weigh 5 each: the higher-numbered B wins.
        TreeCase{"TieGoesToHigherVertex",
                 4,
                 {{0, 1, "1"}, {0, 2, "5"}, {1, 3, "5"}},
                 {1, 13, 2},
                 "A--B,B--D,A--C,"},
        TreeCase{"MinusHundredOneBeatsAll",
                 4,
                 {{0, 1, "-100"}, {0, 2, "-101"}, {0, 3, "101"}, {1, 3, "-99"}},
                 {2, 1, 13},
                 "A--C,A--B,B--D,"},
        TreeCase{"SingleVertex", 1, {}, {}, ""},
        TreeCase{"AWithoutEdges", 3, {{1, 2, "4"}}, {}, ""},
        TreeCase{"Disconnected", 4, {{0, 1, "3"}, {2, 3, "1"}}, {1}, "A--B,"},
        TreeCase{
            "PartlyReachable", 5, {{0, 1, "3"}, {1, 2, "2"}, {3, 4, "1"}}, {1, 12}, "A--B,B--C,"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MstRun, TicksColourTheTreeLinesAndEndOnce) {
  // Lines: 0 = A-B, 1 = A-C, 2 = B-C.
  GraphState state = LoadedGraph(3, {{0, 1, "10"}, {0, 2, "1"}, {1, 2, "1"}});
  RunSpanningTreeRepetitions(state);
  testing::Played played = Play(state, MstAnimationTick);
  EXPECT_EQ(played.Lines, (std::vector<int>{1, 2}));
  EXPECT_TRUE(played.Ticks[0].ClearLists);
  EXPECT_FALSE(played.Ticks[1].ClearLists);
  EXPECT_EQ(played.Ticks.back().ColourLine, -1);

  // A tick delivered after the end finds the same step and ends again without listing more.
  EXPECT_STREQ(MstAnimationTick(state).EndMessage, SentinelFoundMessage);
  EXPECT_EQ(state.EdgeListText, "A--C,C--B,");

  // A second run starts its list afresh.
  RunSpanningTreeRepetitions(state);
  Play(state, MstAnimationTick);
  EXPECT_EQ(state.EdgeListText, "A--C,C--B,");

  state.AnimationStep = 100;
  EXPECT_STREQ(MstAnimationTick(state).EndMessage, AllDoneMessage);
  EXPECT_EQ(state.AnimationStep, 0);
  EXPECT_EQ(state.EdgeListText, "A--C,C--B,");
}

TEST(MstRun, IterationCountDecidesWhetherAnythingIsComputed) {
  for (std::int16_t iterations : {0, -4, 1, 50}) {
    GraphState state = LoadedGraph(3, {{0, 1, "1"}, {1, 2, "1"}}, iterations);
    RunSpanningTreeRepetitions(state);
    Play(state, MstAnimationTick);
    EXPECT_EQ(state.EdgeListText, iterations > 0 ? "A--B,B--C," : "") << iterations;
  }
}

TEST(SpanningTree, TreeOfAGraphEnteredBelowTheDiagonalMatchesItsMirror) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    testing::RandomGraph upper = testing::MakeConnectedGraph(rng, 6);
    testing::RandomGraph lower = upper;
    for (int box = 0; box < BoxCount; ++box) {
      const int mirror = BoxIndex(DecodeTo(box), DecodeFrom(box));
      lower.Boxes.White[box] = upper.Boxes.White[mirror];
      lower.Boxes.Red[box] = upper.Boxes.Red[mirror];
    }
    GraphState a = testing::LoadRandomGraph(upper);
    GraphState b = testing::LoadRandomGraph(lower);
    RunSpanningTreeRepetitions(a);
    RunSpanningTreeRepetitions(b);
    EXPECT_EQ(a.MstBoxes, b.MstBoxes);
    EXPECT_EQ(a.MstWeights, b.MstWeights);
  }
}

TEST(SpanningTree, RandomConnectedGraphsGetAMinimumTree) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    const int n = std::uniform_int_distribution<int>(1, 8)(rng);
    testing::RandomGraph graph = testing::MakeConnectedGraph(rng, n);
    GraphState state = testing::LoadRandomGraph(graph);
    RunSpanningTreeRepetitions(state);

    const std::vector<int> weights = Until(state.MstWeights);
    ASSERT_EQ(static_cast<int>(weights.size()), n - 1) << "round " << round;
    int total = 0;
    for (int w : weights) total += w;
    ASSERT_EQ(total, testing::MinimumTreeWeight(graph)) << "round " << round;
    std::vector<bool> reached(n, false);
    reached[0] = true;
    for (int s = 0; s < n - 1; ++s) {
      const int from = DecodeFrom(state.MstBoxes[s]);
      const int to = DecodeTo(state.MstBoxes[s]);
      ASSERT_TRUE(reached[from] && !reached[to]) << "round " << round;
      reached[to] = true;
      const int line = std::max(state.LineIdOf(to, from), state.LineIdOf(from, to));
      ASSERT_EQ(line, state.MstLineIds[s]);
    }
  }
}

}  // namespace
}  // namespace tsp
