// Hand-made graphs for the course's algorithms: ties, the sentences of their runs, the reasons
// they give when they cannot go on, one and two vertices, and the table they sit in. Graphs
// are given by the weights of AB, AC, ..., BC, ... ("-" for no line).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/algorithms/algorithm_table.h"
#include "core/lesson/narration.h"
#include "core/test_drawing.h"

namespace tsp {
namespace {

using testing::DrawingOfPairs;

std::string Letters(const std::optional<Tour>& tour) {
  std::string text;
  for (int v : tour.value_or(Tour{})) text += VertexLetter(v);
  return text;
}

// The tours that go along lines only (the tree tour and the light cycle need not).
std::vector<const AlgorithmRow*> ToursAlongLines() {
  std::vector<const AlgorithmRow*> rows;
  for (const AlgorithmRow& row : Algorithms()) {
    if (row.Kind == AlgorithmKind::Tour && row.Id != "tree_tour" && row.Id != "light_cycle") {
      rows.push_back(&row);
    }
  }
  return rows;
}

const char* const Four = "1 3 4 4 2 9";           // the README's graph
const char* const PathAndChords = "1 5 - 1 5 1";  // A-B-C-D of 1s; A-B-D-C-A its one tour
const char* const Pendant = "1 1 1 1 - -";        // a triangle of 1s, D hanging from A
const char* const Apart = "1 2 - - 3 - - - - 1";  // a triangle, and D-E apart from it
const char* const SixVertices = "1 3 4 1 4 2 4 1 1 3 3 4 3 4 2";  // bounds 11 and 12.50, optimum 13

struct RunCase {
  const char* Name;
  std::string_view Id;
  int VertexCount;
  const char* Weights;
  const char* Tour;  // "" when there is none
  const char* Reason;
};
void PrintTo(const RunCase& c, std::ostream* os) {
  *os << c.Name;
}

class Runs : public ::testing::TestWithParam<RunCase> {};

TEST_P(Runs, GiveTheTourOrSayWhyNot) {
  const RunCase& c = GetParam();
  const AlgorithmResult result = AlgorithmById(c.Id).Run(DrawingOfPairs(c.VertexCount, c.Weights));
  EXPECT_EQ(Letters(result.FoundTour), c.Tour);
  EXPECT_EQ(result.Reason, c.Reason);
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, Runs,
    ::testing::Values(
        // From A, B and C tie at 2: B, the earlier letter.
        RunCase{"NearestNeighbourTie", "nearest_neighbour", 4, "2 2 5 5 1 1", "ABDCA", ""},
        RunCase{"NearestNeighbourStuck", "nearest_neighbour", 4, Pendant, "",
                "At step 3, no line leads from C to a vertex not yet visited."},
        RunCase{"NearestNeighbourNoWayBack", "nearest_neighbour", 4, PathAndChords, "",
                "At step 4, no line leads from D back to A."},
        // All six lines tie: AB, AC, then BD, as BC would close a cycle, then CD closes it.
        RunCase{"GreedyEdgeTie", "greedy_edge", 4, "1 1 1 1 1 1", "ABDCA", ""},
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
        // A star from A: the matchings AB+CD, AC+BD and AD+BC all weigh 6; AB+CD comes first.
        RunCase{"ChristofidesMatchingTie", "christofides", 4, "1 1 1 5 5 5", "ABCDA", ""},
        RunCase{"ChristofidesNoMatching", "christofides", 4, PathAndChords, "",
                "No matching pairs the tree's odd-degree vertices A and D over lines: A has no "
                "line to another of them."},
        RunCase{"ChristofidesShortcutWithoutALine", "christofides", 4, "5 - 1 - 5 5", "",
                "The shortcut from C back to A has no line."},
        // From the tree tour A, D, C, B, A the exchanges 1..2 and 2..3 both gain 2.
        RunCase{"TwoOptTie", "two_opt", 4, "9 5 2 8 3 1", "ACDBA", ""},
        RunCase{"TwoOptTreeTourStepWithoutALine", "two_opt", 3, "1 - 1", "",
                "The tree tour's step from C to A has no line, so 2-opt has no tour to start "
                "from."}));

TEST(Runs, OneVertexAloneTwoVerticesTheirLineTwice) {
  const std::map<std::string_view, std::string> reasons{
      {"nearest_neighbour", "At step 1, no line leads from A to a vertex not yet visited."},
      {"greedy_edge", "Greedy edge cannot close a tour: A has no line."},
      {"nearest_insertion", "A has no line, so the tour cannot start."},
      {"farthest_insertion", "A has no line, so the tour cannot start."},
      {"cheapest_insertion", "A has no line, so the tour cannot start."},
      {"christofides", "The spanning tree does not reach B, so Christofides cannot start."},
      {"two_opt", "The tree tour does not visit B, so 2-opt has no tour to start from."},
      {"optimum", "B is not reached from A."}};
  for (const AlgorithmRow* row : ToursAlongLines()) {
    const AlgorithmResult one = row->Run(DrawingOfPairs(1, ""));
    EXPECT_EQ(Letters(one.FoundTour), "A") << row->Id;
    EXPECT_EQ(one.Weight, 0) << row->Id;
    const AlgorithmResult joined = row->Run(DrawingOfPairs(2, "-7"));
    EXPECT_EQ(Letters(joined.FoundTour), "ABA") << row->Id;
    EXPECT_EQ(joined.Weight, -14) << row->Id;
    EXPECT_EQ(row->Run(DrawingOfPairs(2, "-")).Reason, reasons.at(row->Id));
  }
}

TEST(Narration, StepsSayWhy) {
  const struct {
    std::string_view Id;
    int VertexCount;
    const char* Weights;
    int Tick;
    const char* Sentence;
  } cases[] = {
      {"nearest_neighbour", 5, "1 9 9 5 2 9 9 4 9 3", 3,
       "Step 3 of 5: C to D (4): D is the nearest vertex not yet visited."},
      {"nearest_neighbour", 5, "1 9 9 5 2 9 9 4 9 3", 6, "Done: the tour weighs 15."},
      {"cheapest_insertion", 5, "8 2 4 8 4 1 4 3 5 8", 4,
       "Step 4 of 4: E goes between B and C: +5, the cheapest place."},
      {"one_tree", 6, SixVertices, 6,
       "Step 6 of 6: B--E (1) is one of the two lightest lines of B."},
      {"held_karp", 6, SixVertices, 1,
       "With the penalties of round 6: Step 1 of 6: A--E (1), 2.50 with its ends' penalties, is "
       "the lightest line from the tree of the vertices other than B to a vertex outside it."},
      {"held_karp", 6, SixVertices, 7,
       "Done: with the penalties, which add up to 0 and so change no closed tour's weight, the "
       "lightest 1-tree of B weighs 12.50, so no closed tour weighs less."},
  };
  for (const auto& c : cases) {
    const Drawing drawing = DrawingOfPairs(c.VertexCount, c.Weights);
    EXPECT_EQ(StepSentence(AlgorithmById(c.Id).Run(drawing).Play, c.Tick), c.Sentence);
  }
}

// Insertions, greedy edge and 2-opt change what the list boxes show; the last tick shows the
// tour as read from A.
TEST(Narration, FramesShowTheTourAsItGrows) {
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
      {"two_opt",
       {"A--B,B--D,D--C,C--A,", "A--D,D--B,B--C,C--A,"},
       "A--B and D--C give way to A--D and B--C: 2 lighter, the largest gain of any exchange."},
  };
  for (const auto& c : cases) {
    const AlgorithmResult result = AlgorithmById(c.Id).Run(DrawingOfPairs(4, Four));
    const Animation& play = result.Play;
    ASSERT_EQ(play.TickCount(), static_cast<int>(c.Edges.size())) << c.Id;
    for (int tick = 1; tick <= play.TickCount(); ++tick) {
      EXPECT_EQ(TextsAfter(play, tick).Edges, c.Edges[tick - 1]) << c.Id << ", tick " << tick;
    }
    EXPECT_EQ(play.Reasons.back(), c.LastReason) << c.Id;
  }
}

TEST(Bounds, ValuesOrWhyNone) {
  for (std::string_view id : {"one_tree", "held_karp"}) {
    EXPECT_EQ(AlgorithmById(id).Run(DrawingOfPairs(2, "1")).Reason,
              "A 1-tree needs at least three vertices.");
    EXPECT_EQ(AlgorithmById(id).Run(DrawingOfPairs(3, "1 - -")).Reason,
              "No vertex has two lines while the other vertices are joined among themselves.");
  }
  EXPECT_EQ(AlgorithmById("one_tree").Run(DrawingOfPairs(6, SixVertices)).Bound, 11);
  EXPECT_EQ(AlgorithmById("held_karp").Run(DrawingOfPairs(6, SixVertices)).Bound, 12.5);
}

TEST(Table, TreesThenToursThenBoundsWithTheOldRowsInTheirOrder) {
  std::vector<std::string_view> ids;
  for (const AlgorithmRow& row : Algorithms()) {
    EXPECT_TRUE(ids.empty() || row.Kind >= AlgorithmById(ids.back()).Kind) << row.Id;
    EXPECT_EQ(FindAlgorithm(row.Id), &row) << "ids are unique";
    EXPECT_FALSE(row.Colour == Rgb{}) << row.Id;  // black does not show on the graph view
    ids.push_back(row.Id);
  }
  EXPECT_EQ(FindAlgorithm("nearest"), nullptr);
  const auto at = [&](std::string_view id) { return std::find(ids.begin(), ids.end(), id); };
  EXPECT_TRUE(at("spanning_tree") < at("tree_tour") && at("tree_tour") < at("light_cycle") &&
              at("light_cycle") < at("optimum"));
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
