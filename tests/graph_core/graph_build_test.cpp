#include "graph/graph_build.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "graph_core/test_graph.h"

namespace tsp {
namespace {

using testing::BoxesWith;

struct Loaded {
  GraphState State;
  MatrixBoxes Boxes;
  std::array<DrawnEdge, BoxCount> Edges{};
};

Loaded Load(int vertexCount, MatrixBoxes boxes, GraphState state = {}) {
  Loaded g{std::move(state), std::move(boxes)};
  LoadGraphState(g.State, static_cast<std::int16_t>(vertexCount), 3, g.Boxes, g.Edges);
  return g;
}

TEST(LoadGraphState, SingleVertexDrawsNothingAndClearsItsDiagonal) {
  Loaded g = Load(1, BoxesWith({{0, 0, "5"}}));
  EXPECT_EQ(g.State.VertexCount, 1);
  EXPECT_EQ(g.State.IterationCount, 3);
  EXPECT_EQ(g.State.EdgeCount, 0);
  EXPECT_EQ(g.Boxes.White[0], "0");
  EXPECT_FALSE(g.State.EdgeGrid[0].Marked);
}

TEST(LoadGraphState, FullTenVertexGraphKeepsTheUpperTriangle) {
  MatrixBoxes boxes;
  boxes.White.fill("1");
  for (int i = 0; i < BoxCount; ++i) boxes.Red[i] = std::to_string(i + 1);
  Loaded g = Load(10, boxes);
  EXPECT_EQ(g.State.EdgeCount, 45);
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 10; ++c) {
      EXPECT_EQ(g.Boxes.White[BoxIndex(r, c)], r < c ? "1" : "0") << r << "," << c;
      EXPECT_EQ(g.State.EdgeGrid[BoxIndex(r, c)].Marked, r < c);
    }
  }
  for (auto [box, lineId] : {std::pair{1, 0}, {9, 8}, {12, 9}, {89, 44}}) {
    EXPECT_EQ(g.State.LineIdOf(box % 10, box / 10), lineId) << "box " << box;
    EXPECT_EQ(g.State.EdgeGrid[box].LineId, lineId);
    EXPECT_EQ(g.Edges[lineId].Row, box / 10);
    EXPECT_EQ(g.Edges[lineId].Column, box % 10);
  }
}

TEST(LoadGraphState, PairSetBothWaysKeepsTheUpperBox) {
  Loaded g = Load(6, BoxesWith({{2, 5, "7"}, {5, 2, "9"}}));
  ASSERT_EQ(g.State.EdgeCount, 1);
  EXPECT_EQ(g.Boxes.White[52], "0");
  EXPECT_EQ(g.Edges[0].Row, 2);
  EXPECT_EQ(g.Edges[0].Column, 5);
  EXPECT_EQ(g.State.LineIdOf(5, 2), 0);
  EXPECT_EQ(g.State.LineIdOf(2, 5), -1);
  EXPECT_EQ(g.State.EdgeWeightOf(5, 2), 7);
  EXPECT_EQ(g.State.EdgeGrid[25].WeightText, "7");
  EXPECT_EQ(g.State.EdgeGrid[52].LineId, -1);
  EXPECT_EQ(g.State.EdgeGrid[52].WeightText, "0");
}

TEST(LoadGraphState, PairSetOnlyBelowTheDiagonalStaysThere) {
  Loaded g = Load(6, BoxesWith({{5, 2, "9"}}));
  ASSERT_EQ(g.State.EdgeCount, 1);
  EXPECT_EQ(g.Boxes.White[52], "1");
  EXPECT_EQ(g.Edges[0].Row, 5);
  EXPECT_EQ(g.State.LineIdOf(2, 5), 0);
  EXPECT_EQ(g.State.LineIdOf(5, 2), -1);
  EXPECT_TRUE(g.State.EdgeGrid[52].Marked);
  EXPECT_EQ(g.State.EdgeGrid[52].WeightText, "9");
}

TEST(LoadGraphState, OnlyTheExactTextOneIsAnEdge) {
  MatrixBoxes boxes = BoxesWith({{0, 1, "4"}});
  boxes.White[2] = " 1";
  boxes.White[3] = "1.0";
  EXPECT_EQ(Load(4, boxes).State.EdgeCount, 1);
}

struct WeightCase {
  const char* Text;
  std::int16_t Weight;
};
void PrintTo(const WeightCase& c, std::ostream* os) {
  *os << '"' << c.Text << '"';
}

class RecordedWeight : public ::testing::TestWithParam<WeightCase> {};

TEST_P(RecordedWeight, KeepsTheTextAndRoundsHalfToEven) {
  Loaded g = Load(2, BoxesWith({{0, 1, GetParam().Text}}));
  EXPECT_EQ(g.State.EdgeGrid[1].WeightText, GetParam().Text);
  EXPECT_EQ(g.State.EdgeGrid[1].Weight, GetParam().Weight);
  EXPECT_EQ(g.State.EdgeWeightOf(1, 0), GetParam().Weight);
  EXPECT_TRUE(g.State.EdgeGrid[1].Listed);
}

INSTANTIATE_TEST_SUITE_P(Texts, RecordedWeight,
                         ::testing::Values(WeightCase{"7.0", 7}, WeightCase{" 7", 7},
                                           WeightCase{"5.5", 6}, WeightCase{"4.5", 4},
                                           WeightCase{"-2.5", -2}, WeightCase{"7 km", 7},
                                           WeightCase{"1E1", 10}, WeightCase{"0.4", 0},
                                           WeightCase{"-101", -101}));

TEST(WeightOfText, OutOfRangeStaysBelowTheSentinel) {
  EXPECT_EQ(WeightOfText("40000"), 101);
  EXPECT_EQ(WeightOfText("250"), 101);
  EXPECT_EQ(WeightOfText("-1E300"), -101);
}

TEST(WeightBoxPosition, MidpointOfTheAnchors) {
  EXPECT_EQ(WeightBoxPosition(0, 5).X, 5580);
  EXPECT_EQ(WeightBoxPosition(0, 5).Y, 4320);
  EXPECT_EQ(WeightBoxPosition(5, 0).X, 5580);
}

TEST(LoadGraphState, ReloadWithFewerEdgesLeavesNothingBehind) {
  Loaded first = Load(4, BoxesWith({{0, 1, "3"}, {1, 2, "4"}, {2, 3, "5"}}));
  first.State.MstBoxes.fill(1);
  first.State.ChildLists.fill(3);
  first.State.Tour.fill(2);
  Loaded second = Load(4, BoxesWith({{0, 2, "8"}}), first.State);

  EXPECT_EQ(second.State.EdgeCount, 1);
  EXPECT_EQ(second.State.LineIdOf(2, 0), 0);
  for (int box : {1, 12, 23}) {
    EXPECT_EQ(second.State.EdgeGrid[box].LineId, -1) << box;
    EXPECT_EQ(second.State.EdgeGrid[box].WeightText, "0");
    EXPECT_FALSE(second.State.EdgeGrid[box].Marked);
    EXPECT_EQ(second.State.LineIdOf(box % 10, box / 10), -1);
    EXPECT_EQ(second.State.EdgeWeightOf(box % 10, box / 10), 0);
  }
  EXPECT_EQ(second.Edges[1].Column, 0);
  // No result of the first graph can be played on the second.
  EXPECT_EQ(std::ranges::count(second.State.MstBoxes, ListSentinel), MstSlots);
  EXPECT_EQ(std::ranges::count(second.State.Tour, ListSentinel), TourSlots);
  EXPECT_EQ(std::ranges::count(second.State.ChildLists, 0), TourSlots);
}

}  // namespace
}  // namespace tsp
