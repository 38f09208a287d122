#include "mst/spanning_tree.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graph/edge_lists.h"
#include "graph_core/random_graph.h"
#include "graph_core/test_graph.h"

namespace tsp {
namespace {

using testing::LoadedGraph;

void ComputeTree(GraphState& state) {
  BuildVertexEdgeLists(state);
  BuildSpanningTree(state);
}

// Box codes of the tree slots up to and including the first sentinel.
std::vector<int> TreeBoxes(const GraphState& state) {
  std::vector<int> boxes;
  for (int s = 0; s < MstSlots; ++s) {
    boxes.push_back(state.MstBoxes[s]);
    if (state.MstBoxes[s] == ListSentinel) break;
  }
  return boxes;
}

int TreeWeight(const GraphState& state) {
  int total = 0;
  for (int s = 0; s < MstSlots && state.MstWeights[s] != ListSentinel; ++s) {
    total += state.MstWeights[s];
  }
  return total;
}

struct TreeCase {
  const char* Name;
  int VertexCount;
  std::vector<testing::BoxEntry> Boxes;
  std::vector<int> TreeBoxes;  // ends with the sentinel
};
void PrintTo(const TreeCase& c, std::ostream* os) {
  *os << c.Name;
}

class SpanningTree : public ::testing::TestWithParam<TreeCase> {};

TEST_P(SpanningTree, TakesTheExpectedEdges) {
  GraphState state = LoadedGraph(GetParam().VertexCount, GetParam().Boxes);
  ComputeTree(state);
  EXPECT_EQ(TreeBoxes(state), GetParam().TreeBoxes);
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, SpanningTree,
    ::testing::Values(
        // The B-C edge reaches C's list too, so C brings B in.
        TreeCase{"Triangle", 3, {{0, 1, "10"}, {0, 2, "1"}, {1, 2, "1"}}, {2, 21, 200}},
        TreeCase{
            "TriangleBelowDiagonal", 3, {{1, 0, "10"}, {2, 0, "1"}, {2, 1, "1"}}, {2, 21, 200}},
        TreeCase{"FourVertices",
                 4,
                 {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}},
                 {1, 13, 2, 200}},
        // Heads of A (to C) and B (to D) weigh 5 each: the higher-numbered B wins.
        TreeCase{
            "TieGoesToHigherVertex", 4, {{0, 1, "1"}, {0, 2, "5"}, {1, 3, "5"}}, {1, 13, 2, 200}},
        TreeCase{"MinusHundredOneBeatsAll",
                 4,
                 {{0, 1, "-100"}, {0, 2, "-101"}, {0, 3, "101"}, {1, 3, "-99"}},
                 {2, 1, 13, 200}},
        TreeCase{
            "FirstEdgeIsLightestOfA", 3, {{0, 1, "7"}, {0, 2, "9"}, {1, 2, "-50"}}, {1, 12, 200}},
        TreeCase{"SingleVertex", 1, {}, {200}}, TreeCase{"AWithoutEdges", 3, {{1, 2, "4"}}, {200}},
        TreeCase{"Disconnected", 4, {{0, 1, "3"}, {2, 3, "1"}}, {1, 200}},
        TreeCase{"PartlyReachable", 5, {{0, 1, "3"}, {1, 2, "2"}, {3, 4, "1"}}, {1, 12, 200}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SpanningTree, SingleVertexEndsAfterTheSentinelSlot) {
  GraphState state = LoadedGraph(1, {});
  ComputeTree(state);
  EXPECT_EQ(state.MstEdgeCount, 1);
  EXPECT_EQ(state.ToVertex, 0);
  EXPECT_EQ(state.MstLineIds[0], ListSentinel);
  EXPECT_EQ(state.MstWeights[0], ListSentinel);
}

TEST(SpanningTree, TreeOfAGraphEnteredBelowTheDiagonalMatchesItsMirror) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    testing::RandomGraph upper = testing::MakeConnectedGraph(rng, 6);
    testing::RandomGraph lower = upper;
    for (int r = 0; r < 10; ++r) {
      for (int c = 0; c < 10; ++c) {
        lower.Boxes.White[BoxIndex(r, c)] = upper.Boxes.White[BoxIndex(c, r)];
        lower.Boxes.Red[BoxIndex(r, c)] = upper.Boxes.Red[BoxIndex(c, r)];
      }
    }
    GraphState a = testing::LoadRandomGraph(upper);
    GraphState b = testing::LoadRandomGraph(lower);
    ComputeTree(a);
    ComputeTree(b);
    EXPECT_EQ(TreeBoxes(a), TreeBoxes(b));
    EXPECT_EQ(a.MstWeights, b.MstWeights);
  }
}

TEST(SpanningTree, RandomConnectedGraphsGetAMinimumTree) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    const int n = std::uniform_int_distribution<int>(1, 8)(rng);
    testing::RandomGraph graph = testing::MakeConnectedGraph(rng, n);
    GraphState state = testing::LoadRandomGraph(graph);
    ComputeTree(state);

    ASSERT_EQ(TreeWeight(state), testing::MinimumTreeWeight(graph)) << "round " << round;
    const int edges = n - 1;
    ASSERT_EQ(state.MstBoxes[std::max(edges, 0)], ListSentinel);
    std::vector<bool> reached(n, false);
    reached[0] = true;
    for (int s = 0; s < edges; ++s) {
      const int from = DecodeFrom(state.MstBoxes[s]);
      const int to = DecodeTo(state.MstBoxes[s]);
      ASSERT_TRUE(reached[from]) << "round " << round;
      ASSERT_FALSE(reached[to]) << "round " << round;
      reached[to] = true;
      ASSERT_EQ(state.LineIdOf(to, from) >= 0 ? state.LineIdOf(to, from) : state.LineIdOf(from, to),
                state.MstLineIds[s]);
    }
  }
}

TEST(ShiftList, MovesUpOnlyWhenTheHeadIsEmpty) {
  VertexList list{200, 3, 4, 200, 200, 200, 200, 200, 200, 7};
  ShiftList(list);
  EXPECT_EQ(list, (VertexList{3, 4, 200, 200, 200, 200, 200, 200, 7, 200}));
  ShiftList(list);
  EXPECT_EQ(list[0], 3);
}

}  // namespace
}  // namespace tsp
