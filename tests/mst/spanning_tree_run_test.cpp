#include "mst/spanning_tree_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graph_core/test_graph.h"

namespace tsp {
namespace {

using testing::LoadedGraph;

struct Played {
  std::vector<AnimationTick> Ticks;
  std::string EdgeList;
};

// Ticks until the first end message, as the window's timer would.
Played PlayTree(GraphState& state) {
  Played played;
  state.AnimationStep = 0;
  for (int guard = 0; guard < 200; ++guard) {
    played.Ticks.push_back(MstAnimationTick(state));
    if (played.Ticks.back().EndMessage != nullptr) break;
  }
  played.EdgeList = state.EdgeListText;
  return played;
}

std::vector<int> ColouredLines(const Played& played) {
  std::vector<int> lines;
  for (const AnimationTick& t : played.Ticks) {
    if (t.ColourLine >= 0) lines.push_back(t.ColourLine);
  }
  return lines;
}

TEST(MstRun, TriangleIsPlayedEdgeByEdge) {
  // Lines: 0 = A-B, 1 = A-C, 2 = B-C.
  GraphState state = LoadedGraph(3, {{0, 1, "10"}, {0, 2, "1"}, {1, 2, "1"}});
  RunSpanningTreeRepetitions(state);
  Played played = PlayTree(state);

  ASSERT_EQ(played.Ticks.size(), 3u);
  EXPECT_EQ(played.EdgeList, "A--C,C--B,");
  EXPECT_EQ(ColouredLines(played), (std::vector<int>{1, 2}));
  EXPECT_TRUE(played.Ticks[0].ClearLists);
  EXPECT_FALSE(played.Ticks[1].ClearLists);
  EXPECT_STREQ(played.Ticks[2].EndMessage, SentinelFoundMessage);
  EXPECT_EQ(played.Ticks[2].ColourLine, -1);
  EXPECT_EQ(state.AnimationStep, 2);
  EXPECT_EQ(state.MstWeights[0] + state.MstWeights[1], 2);

  // A tick delivered after the end finds the same step and ends again without listing more.
  const AnimationTick again = MstAnimationTick(state);
  EXPECT_STREQ(again.EndMessage, SentinelFoundMessage);
  EXPECT_EQ(state.EdgeListText, "A--C,C--B,");
}

TEST(MstRun, SecondRunStartsWithAnEmptyList) {
  GraphState state = LoadedGraph(3, {{0, 1, "10"}, {0, 2, "1"}, {1, 2, "1"}});
  RunSpanningTreeRepetitions(state);
  PlayTree(state);
  RunSpanningTreeRepetitions(state);
  EXPECT_EQ(PlayTree(state).EdgeList, "A--C,C--B,");
}

struct EndCase {
  const char* Name;
  int VertexCount;
  std::int16_t Iterations;
  std::vector<testing::BoxEntry> Boxes;
  std::size_t Ticks;
  const char* EdgeList;
};
void PrintTo(const EndCase& c, std::ostream* os) {
  *os << c.Name;
}

class MstRunEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(MstRunEnd, EndsAtTheSentinelSlot) {
  const EndCase& c = GetParam();
  GraphState state = LoadedGraph(c.VertexCount, c.Boxes, c.Iterations);
  RunSpanningTreeRepetitions(state);
  Played played = PlayTree(state);
  EXPECT_EQ(played.Ticks.size(), c.Ticks);
  EXPECT_STREQ(played.Ticks.back().EndMessage, SentinelFoundMessage);
  EXPECT_EQ(played.EdgeList, c.EdgeList);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, MstRunEnd,
    ::testing::Values(EndCase{"SingleVertex", 1, 1, {}, 1, ""},
                      EndCase{"NoIterationsOnAFreshLoad", 3, 0, {{0, 1, "1"}, {1, 2, "1"}}, 1, ""},
                      EndCase{"NegativeIterations", 3, -4, {{0, 1, "1"}, {1, 2, "1"}}, 1, ""},
                      EndCase{"ManyIterations", 3, 50, {{0, 1, "1"}, {1, 2, "1"}}, 3, "A--B,B--C,"},
                      EndCase{"Disconnected", 4, 1, {{0, 1, "3"}, {2, 3, "1"}}, 2, "A--B,"},
                      EndCase{"AWithoutEdges", 3, 1, {{1, 2, "4"}}, 1, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MstRun, StepHundredEndsWithAllDone) {
  GraphState state = LoadedGraph(2, {{0, 1, "1"}});
  state.AnimationStep = 100;
  state.EdgeListText = "kept";
  const AnimationTick tick = MstAnimationTick(state);
  EXPECT_STREQ(tick.EndMessage, AllDoneMessage);
  EXPECT_FALSE(tick.ClearLists);
  EXPECT_EQ(state.AnimationStep, 0);
  EXPECT_EQ(state.EdgeListText, "kept");
}

}  // namespace
}  // namespace tsp
