#include "graph/edge_lists.h"

#include <gtest/gtest.h>

#include <vector>

#include "graph_core/test_graph.h"

namespace tsp {
namespace {

using testing::LoadedGraph;

std::vector<int> Front(const VertexList& list, std::size_t count) {
  return std::vector<int>(list.begin(), list.begin() + static_cast<long>(count));
}

struct SortCase {
  const char* Name;
  std::vector<const char*> WeightsToBCDE;  // kept in boxes 1, 2, ...: line ids 0, 1, ...
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
  std::vector<testing::BoxEntry> boxes;
  for (std::size_t k = 0; k < c.WeightsToBCDE.size(); ++k) {
    boxes.push_back({0, static_cast<int>(k) + 1, c.WeightsToBCDE[k]});
  }
  GraphState state = LoadedGraph(5, boxes);
  BuildVertexEdgeLists(state);
  const std::size_t n = c.Weights.size();
  EXPECT_EQ(Front(state.VertexEdgeWeights[0], n), c.Weights);
  EXPECT_EQ(Front(state.VertexEdgeLineIds[0], n), c.LineIds);
  EXPECT_EQ(Front(state.VertexEdgeBoxes[0], n), c.Boxes);
  for (std::size_t s = n; s < MaxVertices; ++s) {
    EXPECT_EQ(state.VertexEdgeWeights[0][s], ListSentinel);
    EXPECT_EQ(state.VertexEdgeLineIds[0][s], ListSentinel);
    EXPECT_EQ(state.VertexEdgeBoxes[0][s], ListSentinel);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SortedListOfA,
    ::testing::Values(
        SortCase{"TwoEqual", {"5", "5"}, {5, 5}, {0, 1}, {1, 2}},
        SortCase{"TwoEqualOneLighter", {"5", "5", "3"}, {3, 5, 5}, {2, 0, 1}, {3, 1, 2}},
        SortCase{"ThreeEqual", {"5", "5", "5"}, {5, 5, 5}, {2, 0, 1}, {3, 1, 2}},
        SortCase{"Negative", {"7", "-3", "7", "2"}, {-3, 2, 7, 7}, {1, 3, 0, 2}, {2, 4, 1, 3}},
        // The text's value is not 0, so the edge is listed with weight 0.
        SortCase{"RoundedToZero", {"0.4", "2.5"}, {0, 2}, {0, 1}, {1, 2}},
        SortCase{"NoEdges", {}, {}, {}, {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(VertexEdgeList, EdgeIsListedForBothEndpoints) {
  GraphState state = LoadedGraph(6, {{5, 2, "9"}});
  BuildVertexEdgeLists(state);
  EXPECT_EQ(Front(state.VertexEdgeWeights[5], 2), (std::vector<int>{9, ListSentinel}));
  EXPECT_EQ(Front(state.VertexEdgeBoxes[5], 1), std::vector<int>{52});
  EXPECT_EQ(Front(state.VertexEdgeLineIds[5], 1), std::vector<int>{0});
  EXPECT_EQ(Front(state.VertexEdgeWeights[2], 2), (std::vector<int>{9, ListSentinel}));
  EXPECT_EQ(Front(state.VertexEdgeBoxes[2], 1), std::vector<int>{25});
  EXPECT_EQ(Front(state.VertexEdgeLineIds[2], 1), std::vector<int>{0});
}

TEST(VertexLetter, LettersAndOutOfRange) {
  std::string letter = "?";
  VertexLetter(0, letter);
  EXPECT_EQ(letter, "A");
  VertexLetter(9, letter);
  EXPECT_EQ(letter, "J");
  for (int outside : {20, -1, 10}) {
    VertexLetter(outside, letter);
    EXPECT_EQ(letter, "J") << outside;
  }
}

}  // namespace
}  // namespace tsp
