// Hand-made graphs for the course's algorithms: ties, the sentences of their runs, the reasons
// they give when they cannot go on, one and two vertices, and the table they sit in.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/algorithms/algorithm_table.h"
#include "core/bounds/held_karp_bound.h"
#include "core/lesson/narration.h"
#include "core/test_drawing.h"

namespace tsp {
namespace {

using testing::BoxEntry;
using testing::DrawingWith;

const std::vector<std::string_view> NewTours{"nearest_neighbour",
                                             "greedy_edge",
                                             "nearest_insertion",
                                             "farthest_insertion",
                                             "cheapest_insertion",
                                             "christofides",
                                             "two_opt"};

std::string Letters(const std::optional<Tour>& tour) {
  std::string text;
  if (tour) {
    for (int v : *tour) text += VertexLetter(v);
  }
  return text;
}

// A-B 1, B-D 2, A-C 3, A-D 4, B-C 4, C-D 9: the README's graph.
const std::vector<BoxEntry> Four{{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"},
                                 {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}};
// The path A-B-C-D of 1s, with A-C 5 and B-D 5: A-B-D-C-A is its one tour.
const std::vector<BoxEntry> PathAndChords{
    {0, 1, "1"}, {1, 2, "1"}, {2, 3, "1"}, {0, 2, "5"}, {1, 3, "5"}};
// A graph whose Held–Karp bound, 12.50, lies between its 1-tree bound, 11, and its optimum, 13.
const std::vector<BoxEntry> SixVertices{{0, 1, "1"}, {0, 2, "3"}, {0, 3, "4"}, {0, 4, "1"},
                                        {0, 5, "4"}, {1, 2, "2"}, {1, 3, "4"}, {1, 4, "1"},
                                        {1, 5, "1"}, {2, 3, "3"}, {2, 4, "3"}, {2, 5, "4"},
                                        {3, 4, "3"}, {3, 5, "4"}, {4, 5, "2"}};
// A triangle of 1s with D hanging from A.
const std::vector<BoxEntry> Pendant{{0, 1, "1"}, {1, 2, "1"}, {0, 2, "1"}, {0, 3, "1"}};
// A triangle and, apart from it, the line D-E.
const std::vector<BoxEntry> Apart{{0, 1, "1"}, {0, 2, "2"}, {1, 2, "3"}, {3, 4, "1"}};

struct RunCase {
  const char* Name;
  std::string_view Id;
  int VertexCount;
  std::vector<BoxEntry> Boxes;
  const char* Tour;  // "" when there is none
  const char* Reason;
};
void PrintTo(const RunCase& c, std::ostream* os) {
  *os << c.Name;
}

class Runs : public ::testing::TestWithParam<RunCase> {};

TEST_P(Runs, GiveTheTourOrSayWhyNot) {
  const RunCase& c = GetParam();
  const AlgorithmResult result = AlgorithmById(c.Id).Run(DrawingWith(c.VertexCount, c.Boxes));
  EXPECT_EQ(Letters(result.FoundTour), c.Tour);
  EXPECT_EQ(result.Reason, c.Reason);
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, Runs,
    ::testing::Values(
        // From A, B and C tie at 2: B, the earlier letter.
        RunCase{"NearestNeighbourTieGoesToTheEarlierLetter",
                "nearest_neighbour",
                4,
                {{0, 2, "2"}, {0, 1, "2"}, {1, 3, "1"}, {2, 3, "1"}, {1, 2, "5"}, {0, 3, "5"}},
                "ABDCA",
                ""},
        RunCase{"NearestNeighbourStuck", "nearest_neighbour", 4, Pendant, "",
                "At step 3, no line leads from C to a vertex not yet visited."},
        RunCase{"NearestNeighbourNoWayBack", "nearest_neighbour", 4, PathAndChords, "",
                "At step 4, no line leads from D back to A."},
        // Six lines of 1, taken AB, AC, BD, CD: A-C before B-C, as A comes before B.
        RunCase{"GreedyEdgeTiesGoToTheEarlierPair",
                "greedy_edge",
                4,
                {{0, 1, "1"}, {0, 2, "1"}, {0, 3, "1"}, {1, 2, "1"}, {1, 3, "1"}, {2, 3, "1"}},
                "ABDCA",
                ""},
        RunCase{"GreedyEdgeStuckThoughATourExists", "greedy_edge", 4, PathAndChords, "",
                "Greedy edge stops after 3 lines: A has one line taken, and every line left "
                "would give a vertex a third line or close a cycle too early."},
        RunCase{"GreedyEdgeVertexWithOneLine", "greedy_edge", 4, Pendant, "",
                "Greedy edge cannot close a tour: D has fewer than two lines."},
        RunCase{"NearestInsertionNoPlace", "nearest_insertion", 4, Pendant, "",
                "At step 3, D has no place: no two neighbours on the tour are both joined to it."},
        RunCase{"CheapestInsertionNoPlace", "cheapest_insertion", 4, Pendant, "",
                "At step 3, no vertex outside the tour has a place: none is joined to two "
                "neighbours on the tour."},
        RunCase{"FarthestInsertionNothingJoined", "farthest_insertion", 5, Apart, "",
                "At step 3, none of D and E has a line to a vertex of the tour."},
        RunCase{"InsertionWithoutALineAtA",
                "nearest_insertion",
                3,
                {{1, 2, "1"}},
                "",
                "A has no line, so the tour cannot start."},
        // A star from A: the matchings AB+CD, AC+BD and AD+BC all weigh 6; AB+CD comes first.
        RunCase{"ChristofidesMatchingTieGoesToTheFirstSortedList",
                "christofides",
                4,
                {{0, 1, "1"}, {0, 2, "1"}, {0, 3, "1"}, {1, 2, "5"}, {1, 3, "5"}, {2, 3, "5"}},
                "ABCDA",
                ""},
        RunCase{"ChristofidesTreeMissesAVertex", "christofides", 5, Apart, "",
                "The spanning tree does not reach D, so Christofides cannot start."},
        RunCase{"ChristofidesNoMatching", "christofides", 4, PathAndChords, "",
                "No matching pairs the tree's odd-degree vertices A and D over lines: A has no "
                "line to another of them."},
        RunCase{"ChristofidesShortcutWithoutALine",
                "christofides",
                4,
                {{0, 1, "5"}, {0, 3, "1"}, {1, 3, "5"}, {2, 3, "5"}},
                "",
                "The shortcut from C back to A has no line."},
        // From A, D, C, B, A the exchanges 1..2 and 2..3 both gain 4: the first is taken.
        RunCase{"TwoOptTieGoesToTheSmallestPositions",
                "two_opt",
                4,
                {{0, 1, "9"}, {0, 2, "5"}, {0, 3, "2"}, {1, 2, "8"}, {1, 3, "3"}, {2, 3, "1"}},
                "ACDBA",
                ""},
        RunCase{"TwoOptTreeTourStepWithoutALine",
                "two_opt",
                3,
                {{0, 1, "1"}, {1, 2, "1"}},
                "",
                "The tree tour's step from C to A has no line, so 2-opt has no tour to start "
                "from."},
        RunCase{"TwoOptTreeTourMissesAVertex", "two_opt", 5, Apart, "",
                "The tree tour does not visit D, so 2-opt has no tour to start from."}));

TEST(Runs, OneVertexIsATourOfItsOwn) {
  for (std::string_view id : NewTours) {
    const AlgorithmResult result = AlgorithmById(id).Run(DrawingWith(1, {}));
    EXPECT_EQ(Letters(result.FoundTour), "A") << id;
    EXPECT_EQ(result.Weight, 0) << id;
  }
}

TEST(Runs, TwoVerticesUseTheirLineTwiceOrSayWhyNot) {
  const std::map<std::string_view, std::string> reasons{
      {"nearest_neighbour", "At step 1, no line leads from A to a vertex not yet visited."},
      {"greedy_edge", "Greedy edge cannot close a tour: A has no line."},
      {"nearest_insertion", "A has no line, so the tour cannot start."},
      {"farthest_insertion", "A has no line, so the tour cannot start."},
      {"cheapest_insertion", "A has no line, so the tour cannot start."},
      {"christofides", "The spanning tree does not reach B, so Christofides cannot start."},
      {"two_opt", "The tree tour does not visit B, so 2-opt has no tour to start from."}};
  for (std::string_view id : NewTours) {
    const AlgorithmResult joined = AlgorithmById(id).Run(DrawingWith(2, {{1, 0, "-7"}}));
    EXPECT_EQ(Letters(joined.FoundTour), "ABA") << id;
    EXPECT_EQ(joined.Weight, -14) << id;
    const AlgorithmResult apart = AlgorithmById(id).Run(DrawingWith(2, {}));
    EXPECT_FALSE(apart.FoundTour) << id;
    EXPECT_EQ(apart.Reason, reasons.at(id));
  }
}

TEST(Narration, NearestNeighbourSaysWhyEachVertex) {
  // A-B 1, B-C 2, C-D 4, D-E 3, E-A 5; every other pair 9.
  const Drawing drawing = DrawingWith(5, {{0, 1, "1"},
                                          {1, 2, "2"},
                                          {2, 3, "4"},
                                          {3, 4, "3"},
                                          {0, 4, "5"},
                                          {0, 2, "9"},
                                          {0, 3, "9"},
                                          {1, 3, "9"},
                                          {1, 4, "9"},
                                          {2, 4, "9"}});
  const Animation play = AlgorithmById("nearest_neighbour").Run(drawing).Play;
  EXPECT_EQ(StepSentence(play, 3),
            "Step 3 of 5: C to D (4): D is the nearest vertex not yet visited.");
  EXPECT_EQ(StepSentence(play, 5), "Step 5 of 5: back to A (5).");
  EXPECT_EQ(StepSentence(play, 6), "Done: the tour weighs 15.");
}

TEST(Narration, CheapestInsertionNamesThePlace) {
  const Drawing drawing = DrawingWith(5, {{0, 1, "8"},
                                          {0, 2, "2"},
                                          {0, 3, "4"},
                                          {0, 4, "8"},
                                          {1, 2, "4"},
                                          {1, 3, "1"},
                                          {1, 4, "4"},
                                          {2, 3, "3"},
                                          {2, 4, "5"},
                                          {3, 4, "8"}});
  const Animation play = AlgorithmById("cheapest_insertion").Run(drawing).Play;
  EXPECT_EQ(StepSentence(play, 4), "Step 4 of 4: E goes between B and C: +5, the cheapest place.");
}

// Insertions, greedy edge and 2-opt change what the list boxes show; the last tick shows the
// tour as read from A.
TEST(Narration, FramesShowTheTourAsItGrows) {
  const Drawing drawing = DrawingWith(4, Four);
  const struct {
    std::string_view Id;
    std::vector<const char*> Edges;  // after each tick
    const char* LastReason;
  } cases[] = {
      {"nearest_insertion",
       {"A--B,B--A,", "A--D,D--B,B--A,", "A--D,D--B,B--C,C--A,"},
       "C is the nearest vertex to the tour, by A--C (3). C goes between B and A: +6, the "
       "cheapest place."},
      {"greedy_edge",
       {"A--B,", "A--B,B--D,", "A--B,B--D,A--C,", "A--B,B--D,A--C,C--D,", "A--B,B--D,D--C,C--A,"},
       "Read from A towards B, the earlier of A's two neighbours: A, B, D, C, A."},
      {"christofides",
       {"A--B,", "A--B,B--D,", "A--B,B--D,A--C,", "A--B,B--D,A--C,C--D,", "A--B,B--D,D--C,C--A,"},
       "The Euler circuit A, B, D, C, A without its repeated vertices is the tour A, B, D, C, A."},
      {"two_opt",
       {"A--B,B--D,D--C,C--A,", "A--D,D--B,B--C,C--A,"},
       "A--B and D--C give way to A--D and B--C: 2 lighter, the largest gain of any exchange."},
  };
  for (const auto& c : cases) {
    const AlgorithmResult result = AlgorithmById(c.Id).Run(drawing);
    const Animation& play = result.Play;
    ASSERT_EQ(play.TickCount(), static_cast<int>(c.Edges.size())) << c.Id;
    for (int tick = 1; tick <= play.TickCount(); ++tick) {
      EXPECT_EQ(TextsAfter(play, tick).Edges, c.Edges[tick - 1]) << c.Id << ", tick " << tick;
    }
    EXPECT_EQ(play.Reasons.back(), c.LastReason) << c.Id;
    EXPECT_EQ(TextsAfter(play, play.TickCount()).Weight, result.Weight) << c.Id;
  }
}

TEST(Bounds, OneTreeAndHeldKarpOnTheFourVertexGraph) {
  const Drawing drawing = DrawingWith(4, Four);
  // Every vertex's 1-tree weighs 10; A's comes first.
  const AlgorithmResult oneTree = AlgorithmById("one_tree").Run(drawing);
  EXPECT_EQ(oneTree.Bound, 10);
  EXPECT_EQ(TextsAfter(oneTree.Play, 4).Edges, "B--D,B--C,A--B,A--C,");
  EXPECT_EQ(StepSentence(oneTree.Play, 3),
            "Step 3 of 4: A--B (1) is one of the two lightest lines of A.");
  // The first penalties turn A's 1-tree into the optimum A-D-B-C-A.
  const AlgorithmResult heldKarp = AlgorithmById("held_karp").Run(drawing);
  EXPECT_EQ(heldKarp.Bound, 13);
  EXPECT_EQ(TextsAfter(heldKarp.Play, 4).Edges, "B--D,B--C,A--D,A--B,");
}

TEST(Bounds, NoneWithoutAOneTree) {
  for (std::string_view id : {"one_tree", "held_karp"}) {
    const AlgorithmResult two = AlgorithmById(id).Run(DrawingWith(2, {{0, 1, "1"}}));
    EXPECT_FALSE(two.Bound) << id;
    EXPECT_EQ(two.Reason, "A 1-tree needs at least three vertices.");
    const AlgorithmResult path = AlgorithmById(id).Run(DrawingWith(3, {{0, 1, "1"}}));
    EXPECT_FALSE(path.Bound) << id;
    EXPECT_EQ(path.Reason,
              "No vertex has two lines while the other vertices are joined among themselves.");
  }
}

TEST(Bounds, HeldKarpClimbsAboveTheOneTree) {
  const Drawing drawing = DrawingWith(6, SixVertices);
  const AlgorithmResult heldKarp = AlgorithmById("held_karp").Run(drawing);
  EXPECT_EQ(AlgorithmById("one_tree").Run(drawing).Bound, 11);
  EXPECT_EQ(heldKarp.Bound, 12.5);  // the optimum weighs 13
  EXPECT_EQ(StepSentence(heldKarp.Play, 1),
            "With the penalties of round 6: Step 1 of 6: A--E (1), 2.50 with its ends' "
            "penalties, is the lightest line from the tree of the vertices other than B to a "
            "vertex outside it.");
  EXPECT_EQ(StepSentence(heldKarp.Play, 7),
            "Done: with the penalties, which add up to 0 and so change no closed tour's weight, "
            "the lightest 1-tree of B weighs 12.50, so no closed tour weighs less.");
}

TEST(Table, TreesThenToursThenBoundsWithTheOldRowsInTheirOrder) {
  std::vector<std::string_view> ids;
  std::set<std::string_view> unique;
  AlgorithmKind kind = AlgorithmKind::Tree;
  for (const AlgorithmRow& row : Algorithms()) {
    EXPECT_GE(static_cast<int>(row.Kind), static_cast<int>(kind)) << row.Id;
    kind = row.Kind;
    ids.push_back(row.Id);
    EXPECT_TRUE(unique.insert(row.Id).second) << row.Id;
    EXPECT_EQ(FindAlgorithm(row.Id), &row);
    EXPECT_FALSE(row.Colour == Rgb{}) << row.Id;  // black does not show on the graph view
  }
  EXPECT_EQ(FindAlgorithm("nearest"), nullptr);
  const auto at = [&](std::string_view id) { return std::find(ids.begin(), ids.end(), id); };
  EXPECT_LT(at("spanning_tree"), at("tree_tour"));
  EXPECT_LT(at("tree_tour"), at("light_cycle"));
  EXPECT_LT(at("light_cycle"), at("optimum"));
  EXPECT_EQ(AlgorithmById(*(at("optimum") + 1)).Kind, AlgorithmKind::Bound);
}

TEST(Table, FactorsGrowWithTheCeilingOfLog2) {
  const KnownFactor nearest = AlgorithmById("nearest_neighbour").Factor;
  const KnownFactor farthest = AlgorithmById("farthest_insertion").Factor;
  EXPECT_EQ(nearest.Of(2), 1);
  EXPECT_EQ(nearest.Of(8), 2);
  EXPECT_EQ(nearest.Of(9), 2.5);
  EXPECT_EQ(farthest.Of(4), 3);
  EXPECT_EQ(farthest.Of(5), 4);
  EXPECT_EQ(AlgorithmById("christofides").Factor.Of(10), 1.5);
  EXPECT_FALSE(AlgorithmById("kruskal").Factor.Known());
  EXPECT_FALSE(AlgorithmById("held_karp").Factor.Known());
}

}  // namespace
}  // namespace tsp
