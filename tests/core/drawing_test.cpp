#include "core/graph/drawing.h"

#include <gtest/gtest.h>

#include "core/test_drawing.h"

namespace tsp {
namespace {

using testing::DrawingWith;

TEST(BuildDrawing, FullMatrixDrawsTheUpperTriangleInBoxOrder) {
  MatrixTexts texts;
  texts.White.fill("1");
  for (int box = 0; box < BoxCount; ++box) texts.Red[box] = std::to_string(box + 1);
  const Drawing drawing = BuildDrawing(10, texts);
  ASSERT_EQ(drawing.Lines().size(), 45u);
  for (auto [box, lineId] : {std::pair{1, 0}, {9, 8}, {12, 9}, {89, 44}}) {
    const DrawnLine& line = drawing.Lines()[lineId];
    EXPECT_EQ(line.From, BoxRow(box)) << box;
    EXPECT_EQ(line.To, BoxColumn(box));
    EXPECT_EQ(line.WeightText, std::to_string(box + 1));
    EXPECT_EQ(drawing.LineBetween(BoxRow(box), BoxColumn(box)), lineId);
    EXPECT_EQ(drawing.LineBetween(BoxColumn(box), BoxRow(box)), lineId);
  }
  for (int v = 0; v < MaxVertices; ++v) EXPECT_EQ(drawing.LineBetween(v, v), -1);
}

TEST(BuildDrawing, PairSetBothWaysKeepsTheEarlierBox) {
  const Drawing drawing = DrawingWith(6, {{5, 2, "9"}, {2, 5, "7"}});
  ASSERT_EQ(drawing.Lines().size(), 1u);
  EXPECT_EQ(drawing.Lines()[0].From, 2);
  EXPECT_EQ(drawing.Lines()[0].To, 5);
  EXPECT_EQ(drawing.WeightBetween(5, 2), 7);
}

TEST(BuildDrawing, PairSetBelowTheDiagonalIsDrawnFromItsRow) {
  const Drawing drawing = DrawingWith(6, {{5, 2, "9"}});
  ASSERT_EQ(drawing.Lines().size(), 1u);
  EXPECT_EQ(drawing.Lines()[0].From, 5);
  EXPECT_EQ(drawing.Lines()[0].To, 2);
  EXPECT_EQ(drawing.WeightBetween(2, 5), 9);
}

TEST(BuildDrawing, OnlyTheExactTextOneOffTheDiagonalDrawsALine) {
  MatrixTexts texts = testing::TextsWith({{0, 1, "4"}, {3, 3, "5"}});
  texts.White[2] = " 1";
  texts.White[3] = "1.0";
  const Drawing drawing = BuildDrawing(4, texts);
  ASSERT_EQ(drawing.Lines().size(), 1u);
  EXPECT_EQ(drawing.LineBetween(0, 1), 0);
  EXPECT_EQ(drawing.LineBetween(0, 2), -1);
  EXPECT_EQ(drawing.WeightBetween(0, 2), 0);
}

TEST(BuildDrawing, SingleVertexDrawsNothing) {
  const Drawing drawing = DrawingWith(1, {{0, 0, "5"}});
  EXPECT_EQ(drawing.VertexCount(), 1);
  EXPECT_TRUE(drawing.Lines().empty());
}

struct TextCase {
  const char* Text;
  std::int16_t Weight;
  bool Listed;
};

class LineWeight : public ::testing::TestWithParam<TextCase> {};

TEST_P(LineWeight, KeepsTheTextAndListsUnlessItReadsExactlyZero) {
  const Drawing drawing = DrawingWith(2, {{0, 1, GetParam().Text}});
  ASSERT_EQ(drawing.Lines().size(), 1u);
  const DrawnLine& line = drawing.Lines()[0];
  EXPECT_EQ(line.WeightText, GetParam().Text);
  EXPECT_EQ(line.Weight, GetParam().Weight);
  EXPECT_EQ(line.Listed, GetParam().Listed);
  EXPECT_EQ(drawing.WeightBetween(1, 0), GetParam().Weight);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineWeight,
                         ::testing::Values(TextCase{"7", 7, true}, TextCase{"5.5", 6, true},
                                           TextCase{"0.3", 0, true}, TextCase{"0", 0, false},
                                           TextCase{"0.0", 0, false}, TextCase{"abc", 0, false},
                                           TextCase{"-250", -101, true}));

TEST(BuildDrawing, HiddenBoxesDrawButStayOutOfThePairWeights) {
  const Drawing drawing = DrawingWith(3, {{0, 7, "2"}, {1, 2, "-4"}, {8, 9, "1"}});
  EXPECT_EQ(drawing.Lines().size(), 3u);
  EXPECT_EQ(drawing.LineBetween(7, 0), 0);

  const PairWeights pairs = PairWeightsOf(drawing);
  EXPECT_EQ(pairs.VertexCount, 3);
  for (int a = 0; a < MaxVertices; ++a) {
    for (int b = 0; b < MaxVertices; ++b) {
      const bool joined = (a == 1 && b == 2) || (a == 2 && b == 1);
      EXPECT_EQ(pairs.Between(a, b), joined ? std::optional<std::int16_t>(-4) : std::nullopt)
          << a << "," << b;
    }
  }
}

}  // namespace
}  // namespace tsp
