#include "oracle/oracle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "graph/edge_lists.h"
#include "graph/graph_build.h"
#include "mst/spanning_tree_run.h"
#include "tour/light_cycle.h"
#include "tour/tour_search.h"

namespace tsp {
namespace {

// How the random graphs of one case are drawn.
struct GraphShape {
  const char* Name;
  double EdgeChance;  // per vertex pair
  int LowWeight;      // weights are drawn from LowWeight..HighWeight
  int HighWeight;
  double BelowChance;  // chance that a pair's edge is entered below the diagonal
  double BothChance;   // chance that both boxes of a pair are set (the upper one is kept)
  bool AIsolated;      // vertex A gets no edge
  bool Split;          // no edge between the lower and the upper half of the vertices
  bool OddTexts;       // weight texts that round ("2.5", "0.4") or read as 0
  int HiddenVertices;  // edges may also join vertices up to this many beyond the count
  int Graphs;          // per vertex count 1..10
};
void PrintTo(const GraphShape& c, std::ostream* os) {
  *os << c.Name;
}

std::string WeightText(std::mt19937& rng, const GraphShape& shape) {
  const int w = std::uniform_int_distribution<int>(shape.LowWeight, shape.HighWeight)(rng);
  if (shape.OddTexts) {
    switch (std::uniform_int_distribution<int>(0, 5)(rng)) {
      case 0:
        return std::to_string(w) + ".5";
      case 1:
        return "0.4";
      case 2:
        return "0";
      case 3:
        return std::to_string(w) + " km";
      default:
        break;
    }
  }
  return std::to_string(w);
}

MatrixBoxes RandomBoxes(std::mt19937& rng, const GraphShape& shape, int n) {
  MatrixBoxes boxes;
  boxes.White.fill("0");
  boxes.Red.fill("0");
  std::bernoulli_distribution edge(shape.EdgeChance);
  std::bernoulli_distribution below(shape.BelowChance);
  std::bernoulli_distribution both(shape.BothChance);
  auto set = [&](int row, int column) {
    boxes.White[BoxIndex(row, column)] = "1";
    boxes.Red[BoxIndex(row, column)] = WeightText(rng, shape);
  };
  const int reach = std::min(n + shape.HiddenVertices, MaxVertices);
  for (int a = 0; a < reach; ++a) {
    for (int b = a + 1; b < reach; ++b) {
      if (shape.AIsolated && a == 0) continue;
      if (shape.Split && (a < n / 2) != (b < n / 2)) continue;
      if (!edge(rng)) continue;
      if (both(rng)) {
        set(a, b);
        set(b, a);
      } else if (below(rng)) {
        set(b, a);
      } else {
        set(a, b);
      }
    }
  }
  return boxes;
}

void ExpectSameLists(const GraphState& fast, const GraphState& slow) {
  EXPECT_EQ(fast.VertexEdgeWeights, slow.VertexEdgeWeights);
  EXPECT_EQ(fast.VertexEdgeLineIds, slow.VertexEdgeLineIds);
  EXPECT_EQ(fast.VertexEdgeBoxes, slow.VertexEdgeBoxes);
}

void ExpectSameTree(const GraphState& fast, const GraphState& slow) {
  EXPECT_EQ(fast.MstWeights, slow.MstWeights);
  EXPECT_EQ(fast.MstLineIds, slow.MstLineIds);
  EXPECT_EQ(fast.MstBoxes, slow.MstBoxes);
  EXPECT_EQ(fast.InTree, slow.InTree);
  EXPECT_EQ(fast.TreeVertexCount, slow.TreeVertexCount);
  EXPECT_EQ(fast.MstEdgeCount, slow.MstEdgeCount);
}

// EdgeWork, ChildListMarks and VertexUsed are the step-by-step walk's own scratch: the tree
// walk does without them.
void ExpectSameTour(const GraphState& fast, const GraphState& slow) {
  EXPECT_EQ(fast.ChildLists, slow.ChildLists);
  EXPECT_EQ(fast.TreeWalk, slow.TreeWalk);
  EXPECT_EQ(fast.Tour, slow.Tour);
  EXPECT_EQ(fast.EdgeListText, slow.EdgeListText);
  EXPECT_EQ(fast.WeightListText, slow.WeightListText);
  EXPECT_EQ(fast.RunIteration, slow.RunIteration);
}

void ExpectSameCycle(const GraphState& fast, const GraphState& slow) {
  ExpectSameTree(fast, slow);
  ExpectSameTour(fast, slow);
  EXPECT_EQ(fast.BaseCycle, slow.BaseCycle);
  EXPECT_EQ(fast.BestCycle, slow.BestCycle);
  EXPECT_EQ(fast.BestCycleWeight, slow.BestCycleWeight);
  EXPECT_EQ(fast.TourWeight, slow.TourWeight);
  EXPECT_EQ(fast.FromVertex, slow.FromVertex);
  EXPECT_EQ(fast.ToVertex, slow.ToVertex);
}

// Plays the tour animation of both to its end and compares what the window would show.
void ExpectSamePlayback(GraphState fast, GraphState slow) {
  for (GraphState* state : {&fast, &slow}) {
    state->AnimationStep = 0;
    state->TourWeight = 0;
    for (int tick = 0; tick < 120 && TourAnimationTick(*state).EndMessage == nullptr; ++tick) {
    }
  }
  EXPECT_EQ(fast.EdgeListText, slow.EdgeListText);
  EXPECT_EQ(fast.WeightListText, slow.WeightListText);
  EXPECT_EQ(fast.TourWeight, slow.TourWeight);
  EXPECT_EQ(fast.AnimationStep, slow.AnimationStep);
}

// Lists of any weights, the sentinel among them, with line ids and boxes that tell the slots
// apart: the order that nine bubble passes leave, ties included.
TEST(SortVertexEdgeList, SameAsNineBubblePasses) {
  std::mt19937 rng(11);
  for (int round = 0; round < 20000; ++round) {
    const int distinct = std::uniform_int_distribution<int>(1, 6)(rng);
    VertexList weights{};
    VertexList lineIds{};
    VertexList boxes{};
    for (int j = 0; j < MaxVertices; ++j) {
      const int pick = std::uniform_int_distribution<int>(0, distinct)(rng);
      weights[j] = static_cast<std::int16_t>(pick == 0 ? ListSentinel : pick * 7 - 20);
      lineIds[j] = static_cast<std::int16_t>(j);
      boxes[j] = static_cast<std::int16_t>(10 * round % 100 + j);
    }
    VertexList slowWeights = weights;
    VertexList slowLineIds = lineIds;
    VertexList slowBoxes = boxes;
    SortVertexEdgeList(weights, lineIds, boxes);
    oracle::SortVertexEdgeList(slowWeights, slowLineIds, slowBoxes);
    ASSERT_EQ(weights, slowWeights) << "round " << round;
    ASSERT_EQ(lineIds, slowLineIds) << "round " << round;
    ASSERT_EQ(boxes, slowBoxes) << "round " << round;
  }
}

class SameAsStepByStep : public ::testing::TestWithParam<GraphShape> {};

// Each round loads a graph into the same two states (so stale arrays of the previous graph take
// part), then runs the buttons in a user's order: tree, tour, light cycle, tour on its tree.
TEST_P(SameAsStepByStep, AfterEveryRun) {
  const GraphShape& shape = GetParam();
  std::mt19937 rng(std::hash<std::string>{}(shape.Name));
  GraphState fast;
  GraphState slow;
  for (int n = 1; n <= MaxVertices; ++n) {
    for (int round = 0; round < shape.Graphs; ++round) {
      SCOPED_TRACE(::testing::Message() << "n " << n << " round " << round);
      const MatrixBoxes boxes = RandomBoxes(rng, shape, n);
      const auto iterations = static_cast<std::int16_t>(round % 3 + 1);
      for (GraphState* state : {&fast, &slow}) {
        MatrixBoxes copy = boxes;
        std::array<DrawnEdge, BoxCount> edges{};
        LoadGraphState(*state, static_cast<std::int16_t>(n), iterations, copy, edges);
      }

      BuildVertexEdgeLists(fast);
      oracle::BuildVertexEdgeLists(slow);
      ExpectSameLists(fast, slow);

      RunSpanningTreeRepetitions(fast);
      oracle::RunSpanningTreeRepetitions(slow);
      ExpectSameTree(fast, slow);

      RunTourRepetitions(fast);
      oracle::RunTourRepetitions(slow);
      ExpectSameTour(fast, slow);
      ExpectSamePlayback(fast, slow);

      RunLightCycleRepetitions(fast);
      oracle::RunLightCycleRepetitions(slow);
      ExpectSameCycle(fast, slow);
      ExpectSamePlayback(fast, slow);

      SCOPED_TRACE("tour on the light cycle's tree");
      RunTourRepetitions(fast);
      oracle::RunTourRepetitions(slow);
      ExpectSameTour(fast, slow);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    RandomGraphs, SameAsStepByStep,
    ::testing::Values(
        GraphShape{"Full", 1.0, 1, 99, 0.0, 0.0, false, false, false, 0, 150},
        GraphShape{"FullNegative", 1.0, -100, 100, 0.5, 0.0, false, false, false, 0, 150},
        GraphShape{"FullTies", 1.0, 1, 3, 0.5, 0.0, false, false, false, 0, 150},
        GraphShape{"SparseTies", 0.4, -2, 2, 0.5, 0.0, false, false, false, 0, 150},
        GraphShape{"Sparse", 0.3, -101, 101, 0.5, 0.0, false, false, false, 0, 150},
        GraphShape{"BelowDiagonal", 0.7, 1, 9, 1.0, 0.0, false, false, false, 0, 100},
        GraphShape{"BothBoxes", 0.7, -5, 5, 0.5, 0.5, false, false, false, 0, 100},
        GraphShape{"AIsolated", 0.7, 1, 5, 0.5, 0.0, true, false, false, 0, 50},
        GraphShape{"Split", 0.8, 1, 5, 0.5, 0.0, false, true, false, 0, 100},
        GraphShape{"OddTexts", 0.8, -3, 3, 0.5, 0.2, false, false, true, 0, 100},
        // Boxes outside the vertex count that were kept while hidden still make edges.
        GraphShape{"HiddenBoxes", 0.5, -3, 3, 0.5, 0.0, false, false, false, 3, 100}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tsp
