#include "graph/edge_lists.h"

#include <gtest/gtest.h>

#include <vector>

#include "graph_core/test_graph.h"

namespace tsp {
namespace {

using testing::LoadedGraph;

std::vector<int> Front(const VertexList& list, int count) {
  return std::vector<int>(list.begin(), list.begin() + count);
}

TEST(VertexEdgeList, VertexWithoutEdgesIsAllSentinel) {
  GraphState state = LoadedGraph(3, {{0, 1, "4"}});
  BuildVertexEdgeLists(state);
  for (int v : {2, 9}) {
    for (int s = 0; s < MaxVertices; ++s) {
      EXPECT_EQ(state.VertexEdgeWeights[v][s], ListSentinel);
      EXPECT_EQ(state.VertexEdgeLineIds[v][s], ListSentinel);
      EXPECT_EQ(state.VertexEdgeBoxes[v][s], ListSentinel);
    }
  }
}

struct SortCase {
  const char* Name;
  std::vector<const char*> WeightsToBCDE;
  std::vector<int> Weights;
  std::vector<int> LineIds;
  std::vector<int> Boxes;
};
void PrintTo(const SortCase& c, std::ostream* os) {
  *os << c.Name;
}

class SortedListOfA : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortedListOfA, FollowsTheBubbleSortOrder) {
  const SortCase& c = GetParam();
  MatrixBoxes boxes = testing::BoxesWith({});
  for (std::size_t k = 0; k < c.WeightsToBCDE.size(); ++k) {
    boxes.White[k + 1] = "1";
    boxes.Red[k + 1] = c.WeightsToBCDE[k];
  }
  GraphState state;
  std::array<DrawnEdge, BoxCount> edges{};
  LoadGraphState(state, 5, 1, boxes, edges);
  BuildVertexEdgeLists(state);
  const int n = static_cast<int>(c.Weights.size());
  EXPECT_EQ(Front(state.VertexEdgeWeights[0], n), c.Weights);
  EXPECT_EQ(Front(state.VertexEdgeLineIds[0], n), c.LineIds);
  EXPECT_EQ(Front(state.VertexEdgeBoxes[0], n), c.Boxes);
  for (int s = n; s < MaxVertices; ++s) EXPECT_EQ(state.VertexEdgeWeights[0][s], ListSentinel);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SortedListOfA,
    ::testing::Values(
        SortCase{"TwoEqual", {"5", "5"}, {5, 5}, {0, 1}, {1, 2}},
        SortCase{"TwoEqualOneLighter", {"5", "5", "3"}, {3, 5, 5}, {2, 0, 1}, {3, 1, 2}},
        SortCase{"ThreeEqual", {"5", "5", "5"}, {5, 5, 5}, {2, 0, 1}, {3, 1, 2}},
        SortCase{"Negative", {"7", "-3", "7", "2"}, {-3, 2, 7, 7}, {1, 3, 0, 2}, {2, 4, 1, 3}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(VertexEdgeList, EdgeIsListedForBothEndpoints) {
  GraphState state = LoadedGraph(6, {{5, 2, "9"}});
  BuildVertexEdgeLists(state);
  EXPECT_EQ(state.VertexEdgeWeights[5][0], 9);
  EXPECT_EQ(state.VertexEdgeBoxes[5][0], 52);
  EXPECT_EQ(state.VertexEdgeLineIds[5][0], 0);
  EXPECT_EQ(state.VertexEdgeWeights[2][0], 9);
  EXPECT_EQ(state.VertexEdgeBoxes[2][0], 25);
  EXPECT_EQ(state.VertexEdgeLineIds[2][0], 0);
  EXPECT_EQ(state.VertexEdgeWeights[5][1], ListSentinel);
  EXPECT_EQ(state.VertexEdgeWeights[2][1], ListSentinel);
}

TEST(VertexEdgeList, RoundedWeightIsListedWhenTheTextIsNotZero) {
  GraphState state = LoadedGraph(3, {{0, 1, "0.4"}, {0, 2, "2.5"}});
  BuildVertexEdgeLists(state);
  EXPECT_EQ(Front(state.VertexEdgeWeights[0], 3), (std::vector<int>{0, 2, ListSentinel}));
  EXPECT_EQ(Front(state.VertexEdgeBoxes[0], 2), (std::vector<int>{1, 2}));
}

TEST(VertexEdgeList, RebuildRestoresConsumedLists) {
  GraphState state = LoadedGraph(3, {{0, 1, "4"}, {1, 2, "6"}});
  BuildVertexEdgeLists(state);
  const auto weights = state.VertexEdgeWeights;
  state.VertexEdgeWeights[1].fill(ListSentinel);
  BuildVertexEdgeLists(state);
  EXPECT_EQ(state.VertexEdgeWeights, weights);
}

TEST(VertexLetter, LettersAndOutOfRange) {
  std::string letter = "?";
  VertexLetter(0, letter);
  EXPECT_EQ(letter, "A");
  VertexLetter(9, letter);
  EXPECT_EQ(letter, "J");
  for (int outside : {20, -1, 10}) {
    letter = "x";
    VertexLetter(outside, letter);
    EXPECT_EQ(letter, "x") << outside;
  }
}

}  // namespace
}  // namespace tsp
