#include "tour/tour_search.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graph_core/random_graph.h"
#include "graph_core/test_graph.h"
#include "mst/spanning_tree_run.h"

namespace tsp {
namespace {

using testing::Until;

// A freshly loaded view of vertexCount vertices whose spanning tree is given as box codes.
GraphState WithTree(int vertexCount, const std::vector<int>& treeBoxes) {
  GraphState state = testing::LoadedGraph(vertexCount, {});
  for (std::size_t i = 0; i < treeBoxes.size(); ++i) {
    state.MstBoxes[i] = static_cast<std::int16_t>(treeBoxes[i]);
  }
  return state;
}

struct WalkCase {
  const char* Name;
  int VertexCount;
  std::vector<int> TreeBoxes;
  std::vector<int> ChildLists;  // up to the zeros behind the groups
  std::vector<int> TreeWalk;
  std::vector<int> Tour;  // the closed tour, before its sentinel
};
void PrintTo(const WalkCase& c, std::ostream* os) {
  *os << c.Name;
}

class TourSearch : public ::testing::TestWithParam<WalkCase> {};

TEST_P(TourSearch, WalksTheTreeInPreorder) {
  const WalkCase& c = GetParam();
  GraphState state = WithTree(c.VertexCount, c.TreeBoxes);
  SearchTour(state);
  std::vector<int> lists(state.ChildLists.begin(),
                         state.ChildLists.begin() + static_cast<int>(c.ChildLists.size()) + 1);
  std::vector<int> expected = c.ChildLists;
  expected.push_back(0);
  EXPECT_EQ(lists, expected);
  EXPECT_EQ(Until(state.TreeWalk), c.TreeWalk);
  EXPECT_EQ(Until(state.Tour), c.Tour);
  for (std::size_t i = c.Tour.size(); i < TourSlots; ++i) ASSERT_EQ(state.Tour[i], ListSentinel);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, TourSearch,
    ::testing::Values(
        // A hidden box kept an edge to H, beyond the three vertices: H is walked as a leaf.
        WalkCase{"VertexBeyondTheCount",
                 3,
                 {7, 1},
                 {0, 7, 1, -1, 1, -1, 7, -1},
                 {0, 7, 0, 1, 0},
                 {0, 7, 1, 0}},
        WalkCase{"FourVertices",
                 4,
                 {1, 13, 2},
                 {0, 1, 2, -1, 1, 3, -1, 2, -1, 3, -1},
                 {0, 1, 3, 1, 0, 2, 0},
                 {0, 1, 3, 2, 0}},
        WalkCase{"Path",
                 4,
                 {1, 12, 23},
                 {0, 1, -1, 1, 2, -1, 2, 3, -1, 3, -1},
                 {0, 1, 2, 3, 2, 1, 0},
                 {0, 1, 2, 3, 0}},
        WalkCase{"StarKeepsEdgeOrder",
                 4,
                 {2, 1, 3},
                 {0, 2, 1, 3, -1, 1, -1, 2, -1, 3, -1},
                 {0, 2, 0, 1, 0, 3, 0},
                 {0, 2, 1, 3, 0}},
        WalkCase{"TwoVertices", 2, {1}, {0, 1, -1, 1, -1}, {0, 1, 0}, {0, 1, 0}},
        WalkCase{"Branches",
                 6,
                 {1, 12, 3, 14, 35},
                 {0, 1, 3, -1, 1, 2, 4, -1, 3, 5, -1, 2, -1, 4, -1, 5, -1},
                 {0, 1, 2, 1, 4, 1, 0, 3, 5, 3, 0},
                 {0, 1, 2, 4, 3, 5, 0}},
        // Edges whose parent is B come later but join B's group.
        WalkCase{"GroupsInOrderOfFirstParent",
                 5,
                 {2, 21, 3, 24},
                 {0, 2, 3, -1, 2, 1, 4, -1, 1, -1, 3, -1, 4, -1},
                 {0, 2, 1, 2, 4, 2, 0, 3, 0},
                 {0, 2, 1, 4, 3, 0}},
        WalkCase{"SingleVertex", 1, {}, {0, -1}, {0}, {0, 0}},
        WalkCase{"AWithoutEdges", 4, {}, {0, -1}, {0}, {0, 0}},
        // C, D and E are not reached: they get no group and the walk still ends.
        WalkCase{
            "PartialTree", 5, {1, 12}, {0, 1, -1, 1, 2, -1, 2, -1}, {0, 1, 2, 1, 0}, {0, 1, 2, 0}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TourSearch, SecondSearchOnTheSameTreeGivesTheSameResult) {
  GraphState state = WithTree(4, {1, 13, 2});
  SearchTour(state);
  const GraphState first = state;
  SearchTour(state);
  EXPECT_EQ(state.ChildLists, first.ChildLists);
  EXPECT_EQ(state.TreeWalk, first.TreeWalk);
  EXPECT_EQ(state.Tour, first.Tour);
}

TEST(TourSearch, NoGroupOfAnEarlierTreeSurvives) {
  // The path leaves longer lists than the star, with a group "2, 3, -1" behind the star's.
  GraphState state = WithTree(4, {1, 12, 23});
  SearchTour(state);
  state.MstBoxes.fill(ListSentinel);
  for (int i = 0; const int box : {3, 2, 1}) state.MstBoxes[i++] = static_cast<std::int16_t>(box);
  SearchTour(state);

  GraphState fresh = WithTree(4, {3, 2, 1});
  SearchTour(fresh);
  EXPECT_EQ(state.ChildLists, fresh.ChildLists);
  EXPECT_EQ(state.TreeWalk, fresh.TreeWalk);
  EXPECT_EQ(Until(state.Tour), (std::vector<int>{0, 3, 2, 1, 0}));
}

TEST(TourSearch, TwoGraphsLoadedOneAfterTheOther) {
  GraphState state = testing::LoadedGraph(
      4, {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}});
  RunSpanningTreeRepetitions(state);
  SearchTour(state);
  ASSERT_EQ(Until(state.Tour), (std::vector<int>{0, 1, 3, 2, 0}));

  MatrixBoxes boxes = testing::BoxesWith({{0, 2, "1"}, {2, 1, "1"}});
  std::array<DrawnEdge, BoxCount> edges{};
  LoadGraphState(state, 3, 1, boxes, edges);
  // Before any run on the new graph there is nothing to play.
  EXPECT_EQ(state.Tour[0], ListSentinel);
  RunSpanningTreeRepetitions(state);
  SearchTour(state);
  EXPECT_EQ(Until(state.Tour), (std::vector<int>{0, 2, 1, 0}));
}

TEST(TourSearch, RandomConnectedGraphsGiveAClosedTourThroughEveryVertex) {
  std::mt19937 rng(99);
  for (int round = 0; round < 300; ++round) {
    const int n = std::uniform_int_distribution<int>(2, 10)(rng);
    testing::RandomGraph graph = testing::MakeConnectedGraph(rng, n);
    GraphState state = testing::LoadRandomGraph(graph);
    RunSpanningTreeRepetitions(state);
    SearchTour(state);

    std::vector<int> tour = Until(state.Tour);
    ASSERT_EQ(static_cast<int>(tour.size()), n + 1) << "round " << round;
    ASSERT_EQ(tour.front(), 0);
    ASSERT_EQ(tour.back(), 0);
    std::vector<int> seen(n, 0);
    for (int i = 0; i < n; ++i) ++seen[tour[i]];
    ASSERT_EQ(seen, std::vector<int>(n, 1)) << "round " << round;
    ASSERT_EQ(static_cast<int>(Until(state.TreeWalk).size()), 2 * n - 1);
  }
}

}  // namespace
}  // namespace tsp
