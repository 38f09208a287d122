#include "core/report/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/algorithms/light_cycle.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tree_tour.h"
#include "core/files/graph_file.h"
#include "core/files/graphviz.h"
#include "core/lesson/animation.h"
#include "core/lesson/narration.h"

namespace tsp {
namespace {

struct Edge {
  int From;
  int To;
  std::string Weight;
};

MatrixTexts TextsWith(const std::vector<Edge>& edges) {
  MatrixTexts texts = MatrixTexts::Blank();
  for (const Edge& e : edges) {
    texts.White[BoxIndex(e.From, e.To)] = "1";
    texts.Red[BoxIndex(e.From, e.To)] = e.Weight;
  }
  return texts;
}

Drawing DrawingWith(int vertexCount, const std::vector<Edge>& edges) {
  return BuildDrawing(vertexCount, TextsWith(edges));
}

// A-B 1, B-D 2, A-C 3, A-D 4, B-C 4, C-D 9.
Drawing FourVertices() {
  return DrawingWith(
      4, {{0, 1, "1"}, {1, 3, "2"}, {0, 2, "3"}, {0, 3, "4"}, {1, 2, "4"}, {2, 3, "9"}});
}

// A-B and B-C only: no closed tour, and the tree's tour returns from C to A without a line.
Drawing Path() {
  return DrawingWith(3, {{0, 1, "1"}, {1, 2, "1"}});
}

TEST(Report, FourVertexJsonIsExact) {
  // Worked by hand: Prim from A takes A-B 1, B-D 2, A-C 3; preorder A B D C gives
  // 1 + 2 + 9 + 3 = 15; the light cycle A D B C weighs 4 + 2 + 4 + 3 = 13, as does the optimum
  // A C B D, which comes first in lexicographic order. A-D and twice C-D break the triangle.
  EXPECT_EQ(ReportJson(MakeReport(FourVertices())),
            R"({"vertices":4,"edges":[{"from":"A","to":"B","weight":1},)"
            R"({"from":"A","to":"C","weight":3},{"from":"A","to":"D","weight":4},)"
            R"({"from":"B","to":"C","weight":4},{"from":"B","to":"D","weight":2},)"
            R"({"from":"C","to":"D","weight":9}],)"
            R"("spanning_tree":{"edges":["A--B","B--D","A--C"],"weight":6,"spans":true},)"
            R"("tree_tour":{"tour":["A","B","D","C","A"],"weight":15,"missing_pairs":0},)"
            R"("light_cycle":{"tour":["A","D","B","C","A"],"weight":13,"missing_pairs":0},)"
            R"("optimum":{"tour":["A","C","B","D","A"],"weight":13},)"
            R"("guarantee":{"holds":false,"all_pairs":true,"non_negative":true,)"
            R"("violations":[["A","B","D"],["C","A","D"],["C","B","D"]]},)"
            R"("kruskal":{"edges":["A--B","B--D","A--C"],"weight":6,"spans":true},)"
            R"("nearest_neighbour":{"tour":["A","B","D","C","A"],"weight":15},)"
            R"("greedy_edge":{"tour":["A","B","D","C","A"],"weight":15},)"
            R"("nearest_insertion":{"tour":["A","D","B","C","A"],"weight":13},)"
            R"("farthest_insertion":{"tour":["A","C","B","D","A"],"weight":13},)"
            R"("cheapest_insertion":{"tour":["A","D","B","C","A"],"weight":13},)"
            R"("christofides":{"tour":["A","B","D","C","A"],"weight":15},)"
            R"("two_opt":{"tour":["A","D","B","C","A"],"weight":13},)"
            R"("bounds":{"spanning_tree":6,"one_tree":10,"held_karp":13.0}})"
            "\n");
}

TEST(Report, FourVertexTextGivesRatiosAndTheFirstViolation) {
  const std::string text = ReportText(MakeReport(FourVertices()));
  EXPECT_NE(text.find("Tree tour: A, B, D, C, A (weight 15, 1.15 times the optimum)"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Light cycle: A, D, B, C, A (weight 13, 1.00 times the optimum)"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("A\u2013D (4) > A\u2013B (1) + B\u2013D (2)"), std::string::npos) << text;
  for (const char* line :
       {"Kruskal: A--B, B--D, A--C (weight 6)\n",
        "Farthest insertion: A, C, B, D, A (weight 13, 1.00 times the optimum)\n",
        "Optimum: A, C, B, D, A (weight 13)\n", "1-tree bound: 10\n",
        "Held\u2013Karp bound: 13.00\n",
        "Bounds and tours: 6 \u2264 10 \u2264 13.00 \u2264 optimum 13 \u2264 light cycle 13\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
  }
}

TEST(Report, ChainFromTheBoundsToTheLightestTour) {
  const struct {
    const char* Name;
    Drawing Graph;
    const char* Chain;
  } cases[] = {
      {"bounds below the optimum",
       DrawingWith(6, {{0, 1, "1"},
                       {0, 2, "3"},
                       {0, 3, "4"},
                       {0, 4, "1"},
                       {0, 5, "4"},
                       {1, 2, "2"},
                       {1, 3, "4"},
                       {1, 4, "1"},
                       {1, 5, "1"},
                       {2, 3, "3"},
                       {2, 4, "3"},
                       {2, 5, "4"},
                       {3, 4, "3"},
                       {3, 5, "4"},
                       {4, 5, "2"}}),
       "8 \u2264 11 \u2264 12.50 \u2264 optimum 13 \u2264 greedy edge 13"},
      // A negative line: the spanning tree (-3) says nothing about the tours.
      {"negative weight", DrawingWith(3, {{0, 1, "-5"}, {1, 2, "2"}, {0, 2, "3"}}),
       "0 \u2264 0.00 \u2264 optimum 0 \u2264 tree tour 0"},
      {"no optimum", Path(), ""},
      // One vertex: the tree tour's step from A to A has no line, the others are A alone.
      {"one vertex", DrawingWith(1, {}), "0 \u2264 optimum 0 \u2264 nearest neighbour 0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BoundChain(MakeReport(c.Graph)), c.Chain) << c.Name;
  }
}

TEST(Report, GraphWithoutATour) {
  const GraphReport report = MakeReport(Path());
  const std::string json = ReportJson(report);
  EXPECT_NE(json.find(R"("optimum":null,"optimum_reason":")"), std::string::npos) << json;
  EXPECT_FALSE(report.Result("optimum").Reason.empty());
  EXPECT_NE(json.find(R"("tree_tour":{"tour":["A","B","C","A"],"weight":2,"missing_pairs":1})"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find(R"("all_pairs":false)"), std::string::npos) << json;
  EXPECT_FALSE(RatioToOptimum(report, 2));
  for (
      const char* part :
      {R"("nearest_neighbour":{"tour":null,"reason":"At step 3, no line leads from C back to A."})",
       R"("greedy_edge":{"tour":null,"reason":"Greedy edge cannot close a tour: A has fewer than two lines."})",
       R"("bounds":{"spanning_tree":2,"one_tree":null,"held_karp":null})"}) {
    EXPECT_NE(json.find(part), std::string::npos) << part << json;
  }

  const std::string text = ReportText(report);
  EXPECT_NE(text.find("Optimum: none. " + report.Result("optimum").Reason), std::string::npos)
      << text;
  EXPECT_NE(text.find("1 of its steps join vertices without a line and count 0"), std::string::npos)
      << text;
}

TEST(Report, DisconnectedGraphsTreeDoesNotSpan) {
  const GraphReport report = MakeReport(DrawingWith(4, {{0, 1, "5"}, {2, 3, "1"}}));
  EXPECT_FALSE(report.TreeSpans());
  const std::string json = ReportJson(report);
  EXPECT_NE(json.find(R"("spanning_tree":{"edges":["A--B"],"weight":5,"spans":false})"),
            std::string::npos)
      << json;
  EXPECT_NE(ReportText(report).find("it reaches 2 of 4 vertices"), std::string::npos);
}

TEST(Narration, FourVertexSentences) {
  const Drawing drawing = FourVertices();
  const SpanningTree tree = BuildSpanningTree(drawing);
  const Animation treeRun = SpanningTreeAnimation(tree, 4);
  EXPECT_EQ(StepSentence(treeRun, 0), "");
  EXPECT_EQ(StepSentence(treeRun, 2),
            "Step 2 of 3: D joins the tree through B--D (2), the lightest edge from a tree vertex "
            "to a vertex outside it.");
  EXPECT_EQ(StepSentence(treeRun, 4), "Done: the tree joins 4 of 4 vertices with weight 6.");

  const Animation tourRun = TreeTourAnimation(drawing, TreeTour(tree));
  EXPECT_EQ(StepSentence(tourRun, 3),
            "Step 3 of 4: D to C (9): C is the next vertex of the tree in preorder.");
  EXPECT_EQ(StepSentence(tourRun, 4), "Step 4 of 4: back to A (3).");
  EXPECT_EQ(StepSentence(tourRun, 5), "Done: the tour weighs 15.");

  const LightCycle cycle = BuildLightCycle(drawing);
  const std::string sentence = StepSentence(LightCycleAnimation(drawing, cycle), 1);
  EXPECT_EQ(sentence, "Variant " + std::to_string(cycle.Lightest + 1) + " of " +
                          std::to_string(cycle.Variants.size()) +
                          " (weight 13) is the lightest; playing it: Step 1 of 4: A to D (4).");
}

TEST(Narration, StepWithoutALineCountsZero) {
  const Drawing drawing = Path();
  const Animation run = TreeTourAnimation(drawing, TreeTour(BuildSpanningTree(drawing)));
  EXPECT_EQ(StepSentence(run, 3),
            "Step 3 of 3: back to A. No line joins C and A, so this step counts 0.");
  EXPECT_EQ(StepSentence(Animation{}, 1), "Nothing was computed to play.");
}

TEST(Graphviz, ColouredAndPlainLines) {
  const Drawing drawing = DrawingWith(3, {{0, 1, "5"}, {1, 2, "-2"}});
  EXPECT_EQ(GraphvizText(drawing, {"", "#ff8000"}),
            "graph tsp {\n"
            "  node [shape=circle];\n"
            "  A;\n"
            "  B;\n"
            "  C;\n"
            "  A -- B [label=\"5\"];\n"
            "  B -- C [label=\"-2\", color=\"#ff8000\", penwidth=3];\n"
            "}\n");
  EXPECT_EQ(GraphvizText(drawing, {}), GraphvizText(drawing, {"", ""}));
}

TEST(BoxTexts, DocumentRoundTripKeepsHiddenBoxesFresh) {
  const GraphDocument document{2, "7", {"0", "1", "x", "\xC3\xA9"}, {"1", "-3", "", "2.5"}};
  const MatrixTexts texts = BoxTextsOf(document);
  EXPECT_EQ(texts.White[BoxIndex(1, 0)], "x");
  EXPECT_EQ(texts.Red[BoxIndex(1, 1)], "2.5");
  EXPECT_EQ(texts.White[BoxIndex(0, 2)], "0");
  EXPECT_EQ(texts.Red[BoxIndex(2, 0)], "1");
  EXPECT_EQ(DocumentOf(2, "7", texts), document);

  MatrixTexts changed = texts;
  changed.White[BoxIndex(5, 5)] = "hidden";
  EXPECT_EQ(DocumentOf(2, "7", changed), document);
}

TEST(BoxTexts, MatrixFaultNamesTheFirstBadBox) {
  const struct {
    std::vector<Edge> Edges;
    int WhiteBox;
    std::string WhiteText;
    std::string Fault;
  } cases[] = {
      {{{0, 1, "1"}}, -1, "", ""},
      {{{0, 1, "1"}},
       BoxIndex(1, 2),
       "x",
       "The white box B to C holds \"x\"; it must hold 1 or 0."},
      // A hidden box fails too.
      {{}, BoxIndex(9, 0), "2", "The white box J to A holds \"2\"; it must hold 1 or 0."},
      {{{0, 1, "1"}, {2, 3, "0"}},
       -1,
       "",
       "The red box C to D holds \"0\"; a weight lies between -101 and 101 and is not 0."},
      {{{3, 0, "101"}},
       -1,
       "",
       "The red box D to A holds \"101\"; a weight lies between -101 and 101 and is not 0."},
      // Long texts are cut before the 25th byte, never inside a character.
      {{},
       0,
       std::string(23, 'a') + "\xC3\xA9zz",
       "The white box A to A holds \"" + std::string(23, 'a') + "\u2026\"; it must hold 1 or 0."},
  };
  for (const auto& c : cases) {
    MatrixTexts texts = TextsWith(c.Edges);
    if (c.WhiteBox >= 0) texts.White[c.WhiteBox] = c.WhiteText;
    EXPECT_EQ(MatrixFault(texts), c.Fault);
  }
}

}  // namespace
}  // namespace tsp
