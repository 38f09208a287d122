#include <gtest/gtest.h>

#include <cstdio>

#include "app/random_session.h"
#include "support/app_helpers.h"
#include "support/widget_helpers.h"

namespace tsp::testing {
namespace {

constexpr int ActionsPerSeed = 2000;

// A failing seed prints the actions from its last program start, shortened, as code for a
// replay test below.
void ReportFailure(unsigned seed, const SessionResult& result) {
  const std::vector<Action> shortened = ShrinkFailure(result);
  std::fprintf(stderr, "Seed %u: %s\nReplay (%s):\n  ExpectClean({\n%s  });\n", seed,
               qPrintable(result.Failure), qPrintable(Replay(shortened).Failure),
               qPrintable(ActionListCode(shortened)));
}

class RandomSession : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomSession, KeepsEveryCheck) {
  const SessionResult result = RunRandomSession(GetParam(), ActionsPerSeed);
  if (!result.Failure.isEmpty()) ReportFailure(GetParam(), result);
  ASSERT_TRUE(result.Failure.isEmpty()) << qPrintable(result.Failure);
  const SessionCounts& c = result.Counts;
  std::printf("%d starts, %d graph views, %d tree runs and %d tour runs ended, %d rejections\n",
              c.Starts, c.GraphViews, c.TreeRunEnds, c.TourRunEnds, c.Rejections);
  // A session that never reaches the runs would check little.
  EXPECT_GT(c.GraphViews, 0);
  EXPECT_GT(c.TreeRunEnds + c.TourRunEnds, 0);
  EXPECT_GT(c.Rejections, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::Range(0u, 20u));

// Half the clicks and ticks also press the windows a dialog they raise blocks, while it is
// open; nothing may change until it closes.
class RandomSessionWithDialogsOpen : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomSessionWithDialogsOpen, KeepsEveryCheck) {
  const SessionResult result = RunRandomSession(1000 + GetParam(), ActionsPerSeed, true);
  if (!result.Failure.isEmpty()) ReportFailure(1000 + GetParam(), result);
  ASSERT_TRUE(result.Failure.isEmpty()) << qPrintable(result.Failure);
  std::printf("%d presses while a dialog was open\n", result.Counts.PressesWhileOpen);
  EXPECT_GT(result.Counts.PressesWhileOpen, 100);
}

INSTANTIATE_TEST_SUITE_P(DialogSeeds, RandomSessionWithDialogsOpen, ::testing::Range(0u, 2u));

void ExpectClean(const std::vector<Action>& actions) {
  const SessionResult result = Replay(actions);
  EXPECT_TRUE(result.Failure.isEmpty()) << qPrintable(result.Failure);
}

// Sessions the random generator once broke, kept as they were printed.
TEST(RecordedSession, AnimationEndDuringAnInputMessage) {
  // The light cycle ran while the matrix editor refused a white box; its end opened a second
  // box over the first.
  ExpectClean({
      {Act::Start},
      {Act::Click, "Form1", "Command2"},
      {Act::Click, "Form1", "Command1"},
      {Act::Paste, "Form2", "Text3", u"8"},
      {Act::Click, "Form6", "Command1"},
      {Act::Click, "Form2", "Command1"},
      {Act::Click, "Form3", "Command1"},
      {Act::Click, "Form4", "Command6"},
      {Act::Paste, "Form3", "Text1_7"},
      {Act::Click, "Form3", "Command1", u"", 3},
  });
}

TEST(RecordedSession, VertexCountWindowClosedUnderTheEditor) {
  // Help, then "Start Simulation" twice shows Form2 over the open editor, and its title-bar
  // button unloads it. The editor read its counts when it loaded and goes on without it.
  ExpectClean({
      {Act::Start},
      {Act::Click, "Form1", "Command2"},
      {Act::Click, "Form1", "Command1"},
      {Act::Click, "Form6", "Command1"},
      {Act::Click, "Form1", "Command2"},
      {Act::Paste, "Form2", "Text3", u"3"},
      {Act::Click, "Form2", "Command1"},
      {Act::Click, "Form1", "Command1"},
      {Act::Close, "Form2"},
      {Act::Click, "Form3", "Command4"},
      {Act::Click, "Form3", "Command1"},
      {Act::Click, "Form4", "Command2"},
      {Act::Tick, "Form4", "Timer1"},
      {Act::Click, "Form3", "Command2"},
      {Act::Type, "Form2", "Text3", u"2"},
      {Act::Click, "Form2", "Command1"},
  });
}

TEST(RecordedSession, OptimumWithoutATourDuringTheLightCycle) {
  // The optimum found no tour and started nothing; stepping back through the light cycle lost
  // the sentence about its lightest variant.
  ExpectClean({
      {Act::Start},
      {Act::Click, "Form1", "Command2"},
      {Act::Click, "Form1", "Command1"},
      {Act::Type, "Form2", "Text3", u"6"},
      {Act::Click, "Form2", "Command1"},
      {Act::Paste, "Form3", "Text1_30", u"1"},
      {Act::Paste, "Form3", "Text1_35", u"1"},
      {Act::Click, "Form3", "Command5"},
      {Act::Paste, "Form3", "Text1_43", u"1"},
      {Act::Click, "Form3", "Command5"},
      {Act::Click, "Form3", "Command1"},
      {Act::Click, "Form4", "Command6"},
      {Act::Tick, "Form4", "Timer3"},
      {Act::Tick, "Form4", "Timer3"},
      {Act::Tick, "Form4", "Timer3"},
      {Act::Tick, "Form4", "Timer3"},
      {Act::Click, "Form4", "OptimumButton"},
      {Act::Click, "Form4", "StepBackButton"},
  });
}

TEST(RecordedSession, GraphViewPressedWhileTheSaveDialogIsOpen) {
  // "View LineID repartitions", pressed by click() while the editor's save dialog was open,
  // loaded the edge-identifier view inside the dialog's event loop.
  ExpectClean({
      {Act::Start},
      {Act::Click, "Form1", "Command1", u"", 0, 566396838u},
      {Act::Paste, "Form2", "Text3", u"8"},
      {Act::Click, "Form2", "Command1", u"", 0, 852360091u},
      {Act::Click, "Form3", "Command1"},
      {Act::Click, "Form3", "SaveButton", u"graph3", 0, 342913593u},
  });
}

// The real box runs a nested event loop in which the animation timers keep firing; the
// animation waits and goes on where it stood once the box is closed.
TEST(MessageBoxes, AnimationWaitsWhileABoxIsOpen) {
  TestApp t;
  GraphView* view = OpenGraph(t, {{0, 10, 1}, {10, 0, 1}, {1, 1, 0}});
  MatrixEditor* editor = t.App->window<MatrixEditor>().Get();
  Click(view, "Command2");
  Fire(view, "Timer1");
  Type(editor, "Text1_0", "x");
  t.Messages.OnShow = [&](const QString&) { Fire(view, "Timer1", 5); };
  Click(editor, "Command1");
  t.Messages.OnShow = nullptr;
  EXPECT_EQ(t.Messages.Texts, QStringList{"Number must be 1's or 0's in white boxes "});
  EXPECT_TRUE(Running(view, "Timer1"));
  EXPECT_EQ(TextOf(view, "Text6"), "A--C,");

  Fire(view, "Timer1", 2);
  EXPECT_EQ(TextOf(view, "Text6"), "A--C,C--B,");
  EXPECT_EQ(t.Messages.Texts.size(), 2);
  EXPECT_FALSE(Running(view, "Timer1"));
}

}  // namespace
}  // namespace tsp::testing
