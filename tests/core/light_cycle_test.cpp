#include "core/algorithms/light_cycle.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "core/algorithms/spanning_tree.h"
#include "core/lesson/animation.h"
#include "core/test_drawing.h"

namespace tsp {
namespace {

// Every allocation of this test program, counted by the operator new below.
std::atomic<long> allocations{0};

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

// The graph view times up to 32767 repetitions of each run in one press: none may allocate.
TEST(TimedRepetitions, AllocateNothing) {
  std::vector<BoxEntry> complete;
  for (int a = 0; a < MaxVertices; ++a) {
    for (int b = a + 1; b < MaxVertices; ++b) {
      complete.push_back({a, b, std::to_string((a * 7 + b * 3) % 5 - 2)});  // many ties
    }
  }
  const std::vector<Drawing> drawings{
      DrawingWith(MaxVertices, complete), DrawingWith(4, FourVertices),
      DrawingWith(5, {{0, 1, "1"}, {1, 2, "2"}, {3, 4, "-50"}}), DrawingWith(1, {})};
  for (const Drawing& drawing : drawings) {
    const long before = allocations;
    const auto tree = Repeat(2, [&] { return BuildSpanningTree(drawing); });
    const auto tour = Repeat(2, [&] { return TreeTour(*tree); });
    const auto cycle = Repeat(2, [&] { return BuildLightCycle(drawing); });
    EXPECT_EQ(allocations - before, 0) << drawing.VertexCount() << " vertices";
    EXPECT_EQ(cycle->Variants[0], *tour);
  }
}

}  // namespace
}  // namespace tsp

// Counting replacements of the global allocation functions; the other forms call these. The
// functions stay out of line: inlined, g++ takes malloc and free for a mismatch with new.
[[gnu::noinline]] void* operator new(std::size_t size) {
  tsp::allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
[[gnu::noinline]] void* operator new[](std::size_t size) {
  return operator new(size);
}
[[gnu::noinline]] void operator delete(void* memory) noexcept {
  std::free(memory);
}
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
[[gnu::noinline]] void operator delete[](void* memory) noexcept {
  std::free(memory);
}
[[gnu::noinline]] void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}
