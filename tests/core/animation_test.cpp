#include "core/lesson/animation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/algorithms/algorithm_table.h"
#include "core/algorithms/light_cycle.h"
#include "core/lesson/playback.h"
#include "core/test_drawing.h"

namespace tsp {
namespace {

using testing::BoxEntry;
using testing::DrawingWith;

std::vector<int> ColouredLines(const Animation& animation) {
  std::vector<int> lines;
  for (const AnimationStep& step : animation.Steps) lines.push_back(step.LineId);
  return lines;
}

PlayedTexts TextsAtEnd(const Animation& animation) {
  return TextsAfter(animation, static_cast<int>(animation.Steps.size()));
}

TEST(TreeAnimation, ListsTheEdgesWithoutWeights) {
  // Lines: 0 = A-B, 1 = A-C, 2 = B-C.
  const Drawing drawing = DrawingWith(3, {{0, 1, "10"}, {0, 2, "1"}, {1, 2, "1"}});
  const Animation animation = TreeAnimation(BuildSpanningTree(drawing));
  EXPECT_EQ(ColouredLines(animation), (std::vector<int>{1, 2}));
  EXPECT_STREQ(animation.EndMessage, SentinelFoundMessage);
  EXPECT_EQ(TextsAfter(animation, 0).Edges, "");
  EXPECT_EQ(TextsAfter(animation, 1).Edges, "A--C,");
  const PlayedTexts end = TextsAtEnd(animation);
  EXPECT_EQ(end.Edges, "A--C,C--B,");
  EXPECT_EQ(end.Weights, "");
  EXPECT_EQ(end.Weight, 0);
}

struct TourCase {
  const char* Name;
  int VertexCount;
  std::vector<BoxEntry> Boxes;
  std::vector<int> Lines;
  const char* Edges;
  const char* Weights;
  int Weight;
};
void PrintTo(const TourCase& c, std::ostream* os) {
  *os << c.Name;
}

class TreeTourAnimation : public ::testing::TestWithParam<TourCase> {};

TEST_P(TreeTourAnimation, ListsEveryPairAndWeighsThoseJoinedByALine) {
  const TourCase& c = GetParam();
  const Drawing drawing = DrawingWith(c.VertexCount, c.Boxes);
  const Animation animation = TourAnimation(drawing, TreeTour(BuildSpanningTree(drawing)));
  EXPECT_EQ(ColouredLines(animation), c.Lines);
  EXPECT_STREQ(animation.EndMessage, EndReachedMessage);
  const PlayedTexts end = TextsAtEnd(animation);
  EXPECT_EQ(end.Edges, c.Edges);
  EXPECT_EQ(end.Weights, c.Weights);
  EXPECT_EQ(end.Weight, c.Weight);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TreeTourAnimation,
    ::testing::Values(
        // Lines: 0 = A-B, 1 = A-C, 2 = B-D, 3 = D-C (entered below the diagonal).
        TourCase{"FourVertices",
                 4,
                 {{0, 1, "5"}, {0, 2, "7"}, {1, 3, "3"}, {3, 2, "2"}},
                 {0, 2, 3, 1},
                 "A--B,B--D,D--C,C--A,",
                 "5**3**2**7**",
                 17},
        TourCase{"ReadmeExample",
                 4,
                 {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}},
                 {0, 4, 5, 1},
                 "A--B,B--D,D--C,C--A,",
                 "1**2**9**3**",
                 15},
        TourCase{
            "TwoVerticesNegativeWeight", 2, {{1, 0, "-5"}}, {0, 0}, "A--B,B--A,", "-5**-5**", -10},
        TourCase{"SingleVertex", 1, {}, {-1}, "A--A,", "", 0},
        TourCase{"AWithoutEdges", 3, {{1, 2, "8"}}, {-1}, "A--A,", "", 0},
        // The tour returns from C to A, which share no line: listed, nothing added.
        TourCase{"PartialTree",
                 4,
                 {{0, 1, "3"}, {1, 2, "-4"}},
                 {0, 1, -1},
                 "A--B,B--C,C--A,",
                 "3**-4**",
                 -1},
        // A line whose text reads 0 is no tree edge, but the tour's return uses it.
        TourCase{"ZeroTextLine",
                 3,
                 {{0, 1, "4"}, {1, 2, "6"}, {0, 2, "0"}},
                 {0, 2, 1},
                 "A--B,B--C,C--A,",
                 "4**6**0**",
                 10}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TourAnimation, LightCycleOfTheReadmeExample) {
  const std::vector<BoxEntry> boxes{{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"},
                                    {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}};
  const Drawing drawing = DrawingWith(4, boxes);
  const PlayedTexts end = TextsAtEnd(TourAnimation(drawing, BuildLightCycle(drawing).Best()));
  EXPECT_EQ(end.Edges, "A--D,D--B,B--C,C--A,");
  EXPECT_EQ(end.Weights, "4**2**4**3**");
  EXPECT_EQ(end.Weight, 13);
}

TEST(Animation, NothingComputedPlaysNothingAndEndsAtOnce) {
  const Drawing drawing = DrawingWith(3, {{0, 1, "4"}});
  for (const Animation& animation :
       {TreeAnimation(std::nullopt), TourAnimation(drawing, std::nullopt)}) {
    EXPECT_TRUE(animation.Steps.empty());
    EXPECT_STREQ(animation.EndMessage, SentinelFoundMessage);
    const PlayedTexts end = TextsAtEnd(animation);
    EXPECT_EQ(end.Edges, "");
    EXPECT_EQ(end.Weights, "");
    EXPECT_EQ(end.Weight, 0);
  }
}

TEST(Repeat, ComputesTimesOverAndKeepsTheLast) {
  for (int times : {-4, 0, 1, 40}) {
    int calls = 0;
    const auto last = Repeat(times, [&] { return ++calls; });
    EXPECT_EQ(calls, std::max(times, 0)) << times;
    EXPECT_EQ(last, times > 0 ? std::optional<int>(times) : std::nullopt) << times;
  }
}

const Rgb Plain{0, 128, 128};
const Rgb Red{255, 0, 0};

Board Before(int lines) {
  Board board;
  board.LineColours.assign(lines, Plain);
  board.TreeEdges = "tree before";
  board.TourEdges = "tour before";
  board.TourWeights = "weights before";
  board.TourWeight = "7";
  return board;
}

Drawing FourVertices() {
  return DrawingWith(
      4, {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}});
}

TEST(Playback, ShowsTheBoardAsItWasUntilTheFirstTickAndTheWeightOnlyAtTheEnd) {
  const Drawing drawing = FourVertices();
  Playback playback;
  playback.Start(AlgorithmById("tree_tour").Run(drawing).Play, Red, Before(6));
  EXPECT_EQ(playback.View(), Before(6));

  ASSERT_EQ(playback.Advance(), Playback::Tick::Played);
  Board view = playback.View();
  EXPECT_EQ(view.TourEdges, "A--B,");
  EXPECT_EQ(view.TourWeights, "1**");
  EXPECT_EQ(view.TourWeight, "7");
  EXPECT_EQ(view.TreeEdges, "tree before");
  EXPECT_EQ(view.LineColours[0], Red);
  EXPECT_EQ(view.LineColours[1], Plain);

  while (playback.Advance() == Playback::Tick::Played) {
  }
  EXPECT_TRUE(playback.Ended());
  EXPECT_EQ(playback.Advance(), Playback::Tick::None);
  view = playback.View();
  EXPECT_EQ(view.TourEdges, "A--B,B--D,D--C,C--A,");
  EXPECT_EQ(view.TourWeight, "15");
  EXPECT_EQ(view.Sentence, "Done: the tour weighs 15.");
  EXPECT_EQ(playback.TourWeight(), 15);
}

TEST(Playback, FramesTakeColoursBackFromLinesThatLeaveThePicture) {
  Animation animation;
  animation.IsTour = true;
  animation.Frames = {{{0, 1, 0, 3}, {1, 0, 0, 3}}, {{0, 2, 1, 4}, {2, 1, 2, 5}, {1, 0, 0, 3}}};
  animation.Reasons = {"first", "second"};
  Playback playback;
  playback.Start(animation, Red, Before(3));
  playback.Advance();
  EXPECT_EQ(playback.View().LineColours, (std::vector<Rgb>{Red, Plain, Plain}));
  playback.Advance();
  const Board view = playback.View();
  EXPECT_EQ(view.LineColours, (std::vector<Rgb>{Red, Red, Red}));
  EXPECT_EQ(view.TourEdges, "A--C,C--B,B--A,");
  EXPECT_EQ(view.Sentence, "Step 2 of 2: second");
}

TEST(Playback, NothingHappensBeforeARunStarts) {
  Playback playback;
  EXPECT_EQ(playback.Advance(), Playback::Tick::None);
  EXPECT_FALSE(playback.StepBack());
  playback.SetPaused(true);
  EXPECT_FALSE(playback.Paused());
}

// Any sequence of ticks, steps back, pauses and restarts shows what a run played straight to
// the same tick shows.
TEST(Playback, EveryStateIsTheOneReachedByPlayingStraightThere) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 300; ++round) {
    const int n = std::uniform_int_distribution(1, 7)(random);
    std::vector<testing::BoxEntry> boxes;
    for (int r = 0; r < n; ++r) {
      for (int c = r + 1; c < n; ++c) {
        if (std::bernoulli_distribution(0.7)(random)) {
          boxes.push_back({r, c, std::to_string(std::uniform_int_distribution(1, 20)(random))});
        }
      }
    }
    const Drawing drawing = DrawingWith(n, boxes);
    const auto rows = Algorithms();
    const AlgorithmRow& row =
        rows[std::uniform_int_distribution<std::size_t>(0, rows.size() - 1)(random)];
    const Animation animation = row.Run(drawing).Play;
    const Board before = Before(static_cast<int>(drawing.Lines().size()));

    Playback playback;
    playback.Start(animation, Red, before);
    for (int op = 0; op < 30; ++op) {
      switch (std::uniform_int_distribution(0, 3)(random)) {
        case 0:
        case 1:
          playback.Advance();
          break;
        case 2:
          playback.StepBack();
          break;
        case 3:
          playback.SetPaused(!playback.Paused());
          break;
      }
      Playback straight;
      straight.Start(animation, Red, before);
      for (int t = 0; t < playback.Ticks(); ++t) straight.Advance();
      ASSERT_EQ(playback.View(), straight.View()) << row.Id << " round " << round;
      ASSERT_LE(playback.Ticks(), animation.TickCount() + 1);
    }
  }
}

}  // namespace
}  // namespace tsp
