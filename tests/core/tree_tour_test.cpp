#include "core/algorithms/tree_tour.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tsp {
namespace {

struct WalkCase {
  const char* Name;
  std::vector<std::pair<int, int>> Edges;  // from, to, in the order the tree took them
  Tour Expected;
};
void PrintTo(const WalkCase& c, std::ostream* os) {
  *os << c.Name;
}

class TreeTourOf : public ::testing::TestWithParam<WalkCase> {};

TEST_P(TreeTourOf, VisitsThePreorderAndReturnsToA) {
  SpanningTree tree;
  for (auto [from, to] : GetParam().Edges) tree.Edges.push_back(TreeEdge{from, to});
  tree.VertexCount = static_cast<int>(tree.Edges.size()) + 1;
  EXPECT_EQ(TreeTour(tree), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, TreeTourOf,
    ::testing::Values(
        WalkCase{"FourVertices", {{0, 1}, {1, 3}, {0, 2}}, {0, 1, 3, 2, 0}},
        WalkCase{"Path", {{0, 1}, {1, 2}, {2, 3}}, {0, 1, 2, 3, 0}},
        WalkCase{"StarKeepsEdgeOrder", {{0, 2}, {0, 1}, {0, 3}}, {0, 2, 1, 3, 0}},
        WalkCase{"TwoVertices", {{0, 1}}, {0, 1, 0}},
        WalkCase{"Branches", {{0, 1}, {1, 2}, {0, 3}, {1, 4}, {3, 5}}, {0, 1, 2, 4, 3, 5, 0}},
        // C's second child comes after A's second in the edges, yet is walked before it.
        WalkCase{"ChildrenJoinTheirParent", {{0, 2}, {2, 1}, {0, 3}, {2, 4}}, {0, 2, 1, 4, 3, 0}},
        WalkCase{"DeepBeforeWide",
                 {{0, 9}, {9, 8}, {8, 7}, {7, 6}, {0, 1}, {6, 5}, {1, 2}, {5, 4}, {2, 3}},
                 {0, 9, 8, 7, 6, 5, 4, 1, 2, 3, 0}},
        WalkCase{"NoEdge", {}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tsp
