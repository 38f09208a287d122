// The core against the plain computations of naive_reference.h on random graphs, compared on
// what the windows show only.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/algorithms/light_cycle.h"
#include "core/algorithms/spanning_tree.h"
#include "core/lesson/animation.h"
#include "core/naive_reference.h"

namespace tsp {
namespace {

naive::Shown Played(const Animation& animation) {
  naive::Shown shown;
  for (const AnimationStep& step : animation.Steps) shown.Lines.push_back(step.LineId);
  const PlayedTexts texts = TextsAfter(animation, static_cast<int>(animation.Steps.size()));
  shown.Edges = texts.Edges;
  shown.Weights = texts.Weights;
  shown.Weight = texts.Weight;
  shown.End = animation.EndMessage;
  return shown;
}

void ExpectSame(const naive::Shown& program, const naive::Shown& reference, const char* run) {
  EXPECT_EQ(program.Lines, reference.Lines) << run;
  EXPECT_EQ(program.Edges, reference.Edges) << run;
  EXPECT_EQ(program.Weights, reference.Weights) << run;
  EXPECT_EQ(program.Weight, reference.Weight) << run;
  EXPECT_EQ(program.End, reference.End) << run;
}

// Few distinct weights make ties common; "0" lines are drawn but never listed, "0.3" is listed
// with weight 0, and "250" is clamped.
std::string WeightText(std::mt19937& rng, int low, int high) {
  switch (std::uniform_int_distribution<int>(0, 19)(rng)) {
    case 0:
      return "0";
    case 1:
      return "0.3";
    case 2:
      return "250";
    case 3:
      return "2.5";
    default:
      return std::to_string(std::uniform_int_distribution<int>(low, high)(rng));
  }
}

MatrixTexts RandomTexts(std::mt19937& rng, int n) {
  static constexpr std::pair<int, int> Ranges[] = {{1, 3}, {-2, 2}, {0, 1}, {-101, 101}};
  const auto [low, high] = Ranges[std::uniform_int_distribution<int>(0, 3)(rng)];
  const double density = std::uniform_real_distribution<double>(0.1, 1.0)(rng);
  // Now and then boxes beyond the vertex count, kept while hidden, join in.
  const int reach = std::bernoulli_distribution(0.1)(rng) ? MaxVertices : n;
  MatrixTexts texts = MatrixTexts::Blank();
  std::uniform_int_distribution<int> place(0, 5);
  for (int a = 0; a < reach; ++a) {
    for (int b = a; b < reach; ++b) {
      if (!std::bernoulli_distribution(a == b ? 0.05 : density)(rng)) continue;
      const int where = place(rng);  // 0..2 above, 3..4 below, 5 both
      for (const int box : {BoxIndex(a, b), BoxIndex(b, a)}) {
        if ((box == BoxIndex(a, b)) == (where >= 3) && where != 5) continue;
        texts.White[box] = "1";
        texts.Red[box] = WeightText(rng, low, high);
      }
    }
  }
  return texts;
}

TEST(Stress, RunsShowWhatThePlainComputationsGive) {
  std::mt19937 rng(31337);
  for (int round = 0; round < 4000; ++round) {
    const int n = std::uniform_int_distribution<int>(1, MaxVertices)(rng);
    const MatrixTexts texts = RandomTexts(rng, n);
    SCOPED_TRACE(::testing::Message() << "round " << round << ", " << n << " vertices");
    const naive::Reference reference = naive::Run(n, texts);

    const Drawing drawing = BuildDrawing(n, texts);
    const SpanningTree tree = BuildSpanningTree(drawing);
    const Tour tour = TreeTour(tree);
    const LightCycle cycle = BuildLightCycle(drawing);
    ExpectSame(Played(TreeAnimation(tree)), reference.Tree, "tree");
    ExpectSame(Played(TourAnimation(drawing, tour)), reference.TreeTour, "tour");
    ExpectSame(Played(TourAnimation(drawing, cycle.Best())), reference.LightCycle, "light cycle");
    EXPECT_EQ(cycle.Weights[cycle.Lightest], reference.LightCycle.Weight);
    EXPECT_EQ(TourWeight(drawing, tour), reference.TreeTour.Weight);
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(Stress, EqualWeightRankFollowsTheBubblePasses) {
  std::mt19937 rng(11);
  for (int round = 0; round < 20000; ++round) {
    const int distinct = std::uniform_int_distribution<int>(1, 4)(rng);
    std::array<int, MaxVertices> weights;
    std::array<std::int16_t, MaxVertices> row;
    for (int j = 0; j < MaxVertices; ++j) {
      const int pick = std::uniform_int_distribution<int>(0, distinct)(rng);
      weights[j] = pick == 0 ? naive::Empty : pick * 7 - 20;
      row[j] = static_cast<std::int16_t>(weights[j]);
    }
    std::array<int, MaxVertices> seen{};
    for (const int slot : naive::SortedSlots(weights)) {
      int rank = 0;
      for (int j = 0; j < MaxVertices; ++j) rank += seen[j] && weights[j] == weights[slot];
      seen[slot] = 1;
      ASSERT_EQ(EqualWeightRank(row, slot), rank) << "round " << round << ", slot " << slot;
    }
  }
}

}  // namespace
}  // namespace tsp
