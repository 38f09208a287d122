#include "core/algorithms/light_cycle.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/test_drawing.h"

namespace tsp {
namespace {

using testing::BoxEntry;
using testing::DrawingWith;

const std::vector<BoxEntry> FourVertices{{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"},
                                         {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}};

TEST(BuildLightCycle, FourVerticesTriesEveryVariantAndKeepsTheLightest) {
  const LightCycle cycle = BuildLightCycle(DrawingWith(4, FourVertices));
  const std::vector<Tour> variants{
      {0, 1, 3, 2, 0}, {0, 1, 3, 2, 0}, {0, 3, 1, 2, 0}, {0, 2, 3, 1, 0}, {0, 1, 2, 3, 0}};
  EXPECT_EQ(cycle.Variants, variants);
  EXPECT_EQ(cycle.Weights, (std::vector<std::int16_t>{15, 15, 13, 15, 18}));
  EXPECT_EQ(cycle.Lightest, 2);
  EXPECT_EQ(cycle.Best(), (Tour{0, 3, 1, 2, 0}));
}

TEST(BuildLightCycle, PartialTreeExchangesStayInFrontOfTheReturn) {
  const LightCycle cycle =
      BuildLightCycle(DrawingWith(5, {{0, 1, "1"}, {1, 2, "2"}, {3, 4, "-50"}}));
  const std::vector<Tour> variants{{0, 1, 2, 0}, {0, 1, 2, 0}, {0, 2, 1, 0},
                                   {0, 1, 2, 0}, {0, 1, 2, 0}, {0, 1, 2, 3, 4, 0}};
  EXPECT_EQ(cycle.Variants, variants);
  EXPECT_EQ(cycle.Weights, (std::vector<std::int16_t>{3, 3, 3, 3, 3, -47}));
  EXPECT_EQ(cycle.Lightest, 5);
}

struct CycleCase {
  const char* Name;
  int VertexCount;
  std::vector<BoxEntry> Boxes;
  Tour TreeTour;
  Tour Best;
  int Weight;
};
void PrintTo(const CycleCase& c, std::ostream* os) {
  *os << c.Name;
}

class LightCycleOf : public ::testing::TestWithParam<CycleCase> {};

TEST_P(LightCycleOf, KeepsTheFirstStrictlyLightestVariant) {
  const CycleCase& c = GetParam();
  const Drawing drawing = DrawingWith(c.VertexCount, c.Boxes);
  const LightCycle cycle = BuildLightCycle(drawing);
  ASSERT_EQ(cycle.Variants.size(), static_cast<std::size_t>(c.VertexCount + 1));
  EXPECT_EQ(cycle.Variants[0], c.TreeTour);
  EXPECT_EQ(cycle.Best(), c.Best);
  EXPECT_EQ(cycle.Weights[cycle.Lightest], c.Weight);
  EXPECT_EQ(TourWeight(drawing, cycle.Best()), c.Weight);
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, LightCycleOf,
    ::testing::Values(
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
        // A "0" line is never in the tree but counts, with weight 0, in a variant.
        CycleCase{"ZeroTextLine",
                  3,
                  {{0, 1, "0"}, {0, 2, "4"}, {1, 2, "-6"}},
                  {0, 2, 1, 0},
                  {0, 2, 1, 0},
                  -2},
        CycleCase{"PartialTreeStays",
                  5,
                  {{0, 1, "1"}, {1, 2, "2"}, {3, 4, "50"}},
                  {0, 1, 2, 0},
                  {0, 1, 2, 0},
                  3}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tsp
