#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <cstdio>

#include "entry/form3.h"
#include "graph/form4.h"
#include "graph_view/graph_view_support.h"
#include "monkey/monkey_session.h"

namespace tsp::testing {
namespace {

constexpr int SeedsPerGroup = 4;
constexpr int ActionsPerSeed = 2000;

// A failing seed prints the actions from its last program start, shortened, as code for a
// replay test below.
void ReportFailure(unsigned seed, const SessionResult& result) {
  const std::vector<Action> shortened = ShrinkFailure(result);
  const SessionResult again = Replay(shortened);
  std::fprintf(stderr, "Seed %u: %s\nReplay (%s):\n  ExpectClean({\n%s  });\n", seed,
               qPrintable(result.Failure), qPrintable(again.Failure),
               qPrintable(ActionListCode(shortened)));
}

class RandomSessions : public ::testing::TestWithParam<int> {};

TEST_P(RandomSessions, KeepEveryInvariant) {
  SessionCounts total;
  for (int k = 0; k < SeedsPerGroup; ++k) {
    const unsigned seed = static_cast<unsigned>(GetParam() * SeedsPerGroup + k);
    const SessionResult result = RunRandomSession(seed, ActionsPerSeed);
    if (!result.Failure.isEmpty()) ReportFailure(seed, result);
    EXPECT_TRUE(result.Failure.isEmpty()) << "seed " << seed << ": " << qPrintable(result.Failure);
    total.Starts += result.Counts.Starts;
    total.GraphViews += result.Counts.GraphViews;
    total.TreeRunEnds += result.Counts.TreeRunEnds;
    total.TourRunEnds += result.Counts.TourRunEnds;
    total.Rejections += result.Counts.Rejections;
  }
  std::printf(
      "%d seeds x %d actions: %d starts, %d graph views, %d tree runs and %d tour runs "
      "ended, %d inputs rejected\n",
      SeedsPerGroup, ActionsPerSeed, total.Starts, total.GraphViews, total.TreeRunEnds,
      total.TourRunEnds, total.Rejections);
  // Sessions that never reach the runs would check little.
  EXPECT_GT(total.GraphViews, 0);
  EXPECT_GT(total.TreeRunEnds, 0);
  EXPECT_GT(total.TourRunEnds, 0);
  EXPECT_GT(total.Rejections, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessions, ::testing::Range(0, 5));

void ExpectClean(const std::vector<Action>& actions) {
  const SessionResult result = Replay(actions);
  EXPECT_TRUE(result.Failure.isEmpty()) << qPrintable(result.Failure);
}

// Sessions the random generator once broke, kept as they were printed.
TEST(RecordedSessions, AnimationEndDuringAnInputMessage) {
  // The light cycle ran while the matrix editor rejected a white box; its end opened a second
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

TEST(RecordedSessions, VertexCountWindowClosedUnderTheEditor) {
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

// The real box runs a nested event loop in which the animation timers keep firing.
TEST(MessageBoxes, AnimationWaitsWhileABoxIsOpen) {
  TestApp t;
  Form4& view = OpenGraphView(
      t, 3,
      {{0, 1, QStringLiteral("10")}, {0, 2, QStringLiteral("1")}, {1, 2, QStringLiteral("1")}});
  Form3& editor = *t.App->MatrixEditor().Get();
  Click(view.Command2);
  view.Timer1_Timer();
  editor.Text1[0]->setText(QStringLiteral("x"));
  t.Messages.OnShow = [&](const QString&) {
    for (int tick = 0; tick < 5; ++tick) view.Timer1_Timer();
  };
  Click(editor.Command1);
  t.Messages.OnShow = nullptr;
  EXPECT_EQ(t.Messages.Texts,
            QStringList{QStringLiteral("Number must be 1's or 0's in white boxes ")});
  EXPECT_TRUE(view.Timer1->Enabled());
  EXPECT_EQ(view.Text6->text(), "A--C,");

  // Once the box is closed the animation goes on where it stood.
  view.Timer1_Timer();
  view.Timer1_Timer();
  EXPECT_EQ(view.Text6->text(), "A--C,C--B,");
  EXPECT_EQ(t.Messages.Texts.size(), 2);
  EXPECT_FALSE(view.Timer1->Enabled());
}

}  // namespace
}  // namespace tsp::testing
