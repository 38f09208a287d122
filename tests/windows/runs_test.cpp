#include <gtest/gtest.h>

#include "support/graph_helpers.h"

namespace tsp::testing {
namespace {

const QColor Orange(255, 128, 0);
const QColor Green(0, 255, 0);
const QColor Yellow(255, 255, 0);
const QString SentinelFound = QStringLiteral(" Simulation terminated (200 found ) !!");
const QString EndReached = QStringLiteral(" Simulation terminated (End reached) !!");

// A-B 10, A-C 1, B-C 1: line ids 0 (A-B), 1 (A-C), 2 (B-C).
const std::vector<EdgeEntry> Triangle = {{0, 1, "10"}, {0, 2, "1"}, {1, 2, "1"}};

// Ticks until the timer switches itself off; returns the number of ticks.
int PlayToEnd(const QWidget* view, const RunControls& run) {
  int ticks = 0;
  while (Running(view, run.Timer) && ticks < 200) {
    Fire(view, run.Timer);
    ++ticks;
  }
  return ticks;
}

// The four-vertex graph: line ids 0 A-B, 1 A-C, 2 A-D, 3 B-C, 4 B-D, 5 C-D.
class FourVertexRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    view = OpenGraph(app, FourVertexWeights());
    ASSERT_NE(view, nullptr);
  }
  void PlayTree() {
    Click(view, Tree.Button);
    PlayToEnd(view, Tree);
    app.Messages.Texts.clear();
  }

  TestApp app;
  GraphView* view = nullptr;
};

TEST(SpanningTreeRun, TrianglePlaysTheLightTreeInOrange) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 3, Triangle);
  ASSERT_NE(view, nullptr);
  bool timerOnDuringMessage = true;
  app.Messages.OnShow = [&](const QString&) { timerOnDuringMessage = Running(view, "Timer1"); };

  Click(view, Tree.Button);
  EXPECT_EQ(TextOf(view, "Text4"), "0");
  EXPECT_TRUE(Find<QPushButton>(view, Tour.Button)->isEnabled());
  EXPECT_TRUE(Running(view, "Timer1"));
  EXPECT_EQ(Find<ui::Timer>(view, "Timer1")->interval(), 500);

  Fire(view, "Timer1");
  EXPECT_EQ(TextOf(view, "Text6"), "A--C,");
  EXPECT_EQ(GraphLine(view, 1).BorderColour, Orange);
  EXPECT_EQ(GraphLine(view, 2).BorderColour, ui::SystemColour::Desktop);
  Fire(view, "Timer1");
  EXPECT_EQ(TextOf(view, "Text6"), "A--C,C--B,");
  EXPECT_TRUE(app.Messages.Texts.isEmpty());
  Fire(view, "Timer1");
  EXPECT_EQ(app.Messages.Texts, QStringList{SentinelFound});
  EXPECT_FALSE(timerOnDuringMessage);
  EXPECT_FALSE(Running(view, "Timer1"));
  EXPECT_EQ(TextOf(view, "Text6"), "A--C,C--B,");
  EXPECT_EQ(GraphLine(view, 2).BorderColour, Orange);
  EXPECT_EQ(GraphLine(view, 0).BorderColour, ui::SystemColour::Desktop);

  // A second run lists the tree afresh; the lines stay orange meanwhile.
  Click(view, Tree.Button);
  Fire(view, "Timer1");
  EXPECT_EQ(TextOf(view, "Text6"), "A--C,");
  EXPECT_EQ(GraphLine(view, 2).BorderColour, Orange);
}

TEST_F(FourVertexRuns, TourInGreenThenLightCycleInYellow) {
  PlayTree();
  Click(view, Tour.Button);
  EXPECT_EQ(PlayToEnd(view, Tour), 5);
  EXPECT_EQ(TextOf(view, "Text7"), "A--B,B--D,D--C,C--A,");
  EXPECT_EQ(TextOf(view, "Text8"), "1**2**9**3**");
  EXPECT_EQ(TextOf(view, "Text9"), "15");
  EXPECT_EQ(app.Messages.Texts, QStringList{EndReached});
  for (int line : {0, 1, 4, 5}) EXPECT_EQ(GraphLine(view, line).BorderColour, Green) << line;

  app.Messages.Texts.clear();
  Click(view, Cycle.Button);
  EXPECT_EQ(PlayToEnd(view, Cycle), 5);
  EXPECT_EQ(TextOf(view, "Text7"), "A--D,D--B,B--C,C--A,");
  EXPECT_EQ(TextOf(view, "Text8"), "4**2**4**3**");
  EXPECT_EQ(TextOf(view, "Text9"), "13");
  EXPECT_EQ(app.Messages.Texts, QStringList{EndReached});
  for (int line : {1, 2, 3, 4}) EXPECT_EQ(GraphLine(view, line).BorderColour, Yellow) << line;
  EXPECT_EQ(GraphLine(view, 0).BorderColour, Green);
  EXPECT_EQ(GraphLine(view, 5).BorderColour, Green);
}

// The weight follows the end message: while the box is open the run is over (its timer off)
// but the weight box still shows what it showed before.
TEST_F(FourVertexRuns, WeightIsShownOnlyAfterTheEndMessage) {
  PlayTree();
  const struct {
    RunControls Run;
    const char* WeightBefore;
    const char* WeightAfter;
  } runs[] = {{Tour, "", "15"}, {Cycle, "15", "13"}};
  for (const auto& run : runs) {
    SCOPED_TRACE(run.Run.Button);
    QString weightWhileOpen = QStringLiteral("not shown");
    bool timerWhileOpen = true;
    app.Messages.OnShow = [&](const QString&) {
      weightWhileOpen = TextOf(view, "Text9");
      timerWhileOpen = Running(view, run.Run.Timer);
    };
    Click(view, run.Run.Button);
    PlayToEnd(view, run.Run);
    EXPECT_EQ(weightWhileOpen, run.WeightBefore);
    EXPECT_FALSE(timerWhileOpen);
    EXPECT_EQ(TextOf(view, "Text9"), run.WeightAfter);
  }
}

TEST_F(FourVertexRuns, EachRunButtonStopsTheOtherAnimations) {
  Click(view, Tree.Button);
  for (const RunControls& run : {Tree, Tour, Cycle}) {
    SCOPED_TRACE(run.Button);
    for (const char* timer : {"Timer1", "Timer2", "Timer3"}) {
      Find<ui::Timer>(view, timer)->SetEnabled(true);
    }
    Click(view, run.Button);
    for (const RunControls& other : {Tree, Tour, Cycle}) {
      EXPECT_EQ(Running(view, other.Timer), other.Timer == run.Timer) << other.Timer;
    }
  }
}

// While any message box is open (here one of the matrix editor's) a tick changes nothing; the
// animation goes on once the box is closed.
TEST_F(FourVertexRuns, AnimationWaitsWhileAMessageIsOpen) {
  Click(view, Tree.Button);
  Fire(view, "Timer1");
  const QString listed = TextOf(view, "Text6");
  QStringList listsWhileOpen;
  app.Messages.OnShow = [&](const QString&) {
    Fire(view, "Timer1", 10);
    listsWhileOpen << TextOf(view, "Text6");
  };
  MatrixEditor* editor = app.App->window<MatrixEditor>().Get();
  Type(editor, "Text2_1", "0");
  Click(editor, "Command1");
  EXPECT_EQ(listsWhileOpen, QStringList{listed});
  EXPECT_EQ(app.Messages.Texts.size(), 1);
  EXPECT_TRUE(Running(view, "Timer1"));

  // Nor does a tick during the run's own end message open a second box.
  app.Messages.OnShow = [&](const QString&) { Fire(view, "Timer1"); };
  EXPECT_EQ(PlayToEnd(view, Tree), 3);
  EXPECT_EQ(app.Messages.Texts.size(), 2);
  EXPECT_EQ(app.Messages.Texts.last(), SentinelFound);
}

TEST(RunButtons, WithoutRepetitionsARunEndsAtTheFirstTick) {
  const struct {
    const char* Name;
    std::vector<std::vector<int>> Weights;
    const char* Iterations;
    RunControls Run;
  } cases[] = {
      {"tree, no repetition", FourVertexWeights(), "0", Tree},
      {"tree of one vertex", {{0}}, "1", Tree},
      {"light cycle, no repetition", FourVertexWeights(), "0", Cycle},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TestApp app;
    GraphView* view = OpenGraph(app, c.Weights, c.Iterations);
    ASSERT_NE(view, nullptr);
    Click(view, c.Run.Button);
    EXPECT_EQ(PlayToEnd(view, c.Run), 1);
    EXPECT_EQ(app.Messages.Texts, QStringList{SentinelFound});
    EXPECT_EQ(TextOf(view, "Text6"), "");
    EXPECT_EQ(TextOf(view, "Text7"), "");
    EXPECT_EQ(TextOf(view, "Text9"), c.Run.Timer == Cycle.Timer ? "0" : "");
  }
}

TEST_F(FourVertexRuns, TimesInSecondsWithSixSignificantDigits) {
  app.Time.Step = 1.234567891;
  Click(view, Tree.Button);
  EXPECT_EQ(TextOf(view, "Text4"), "1.23457");

  app.Time.Step = 0.000123456789;
  Click(view, Tour.Button);
  EXPECT_EQ(TextOf(view, "Text5"), "0.000123457");
  EXPECT_EQ(TextOf(view, "Text10"), "1.23469");

  app.Time.Step = 2;
  Click(view, Cycle.Button);
  EXPECT_EQ(TextOf(view, "Text10"), "2");
  EXPECT_EQ(TextOf(view, "Text4"), "1.23457");
  EXPECT_EQ(TextOf(view, "Text5"), "0.000123457");

  // The tour's total now adds the light cycle's time.
  app.Time.Step = 0.5;
  Click(view, Tour.Button);
  EXPECT_EQ(TextOf(view, "Text10"), "2.5");
}

// Nothing was computed: every time box says 0 however long the empty run took.
TEST(RunTimes, WithoutRepetitionsEveryTimeIsZero) {
  for (const char* iterations : {"0", "-3"}) {
    SCOPED_TRACE(iterations);
    TestApp app;
    GraphView* view = OpenGraph(app, FourVertexWeights(), iterations);
    ASSERT_NE(view, nullptr);
    app.Time.Step = 0.75;
    Click(view, Tree.Button);
    Click(view, Tour.Button);
    EXPECT_EQ(TextOf(view, "Text4"), "0");
    EXPECT_EQ(TextOf(view, "Text5"), "0");
    EXPECT_EQ(TextOf(view, "Text10"), "0");
    Type(view, "Text10", "");
    Click(view, Cycle.Button);
    EXPECT_EQ(TextOf(view, "Text10"), "0");
  }
}

}  // namespace
}  // namespace tsp::testing
