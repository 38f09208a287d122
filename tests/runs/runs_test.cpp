#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "graph/form4.h"
#include "graph_view/graph_view_support.h"

namespace tsp::testing {
namespace {

const QColor Orange(255, 128, 0);
const QColor Green(0, 255, 0);
const QColor Yellow(255, 255, 0);
const QString SentinelFound = QStringLiteral(" Simulation terminated (200 found ) !!");
const QString EndReached = QStringLiteral(" Simulation terminated (End reached) !!");

// Moves on by Step at every reading, so every timed section lasts exactly Step seconds.
class SteppingClock final : public ui::Clock {
 public:
  double Seconds() override { return now_ += Step; }
  double Step = 0;

 private:
  double now_ = 50.0;
};

// A-B 10, A-C 1, B-C 1: line ids 0 (A-B), 1 (A-C), 2 (B-C).
const std::vector<EdgeEntry> Triangle = {
    {0, 1, QStringLiteral("10")}, {0, 2, QStringLiteral("1")}, {1, 2, QStringLiteral("1")}};

// A-B 1, B-D 2, A-C 3, A-D 4, B-C 4, C-D 9: line ids 0 A-B, 1 A-C, 2 A-D, 3 B-C, 4 B-D, 5 C-D.
const std::vector<EdgeEntry> FourVertices = {
    {0, 1, QStringLiteral("1")}, {0, 2, QStringLiteral("3")}, {0, 3, QStringLiteral("4")},
    {1, 2, QStringLiteral("4")}, {1, 3, QStringLiteral("2")}, {2, 3, QStringLiteral("9")}};

// Ticks until the timer switches itself off; returns the number of ticks.
int PlayToEnd(ui::Timer* timer, Form4& view, void (Form4::*tick)()) {
  int ticks = 0;
  while (timer->Enabled() && ticks < 200) {
    (view.*tick)();
    ++ticks;
  }
  return ticks;
}

TEST(SpanningTreeRun, TrianglePlaysTheLightTreeInOrange) {
  TestApp t;
  Form4& view = OpenGraphView(t, 3, Triangle);
  bool timerOnDuringMessage = true;
  t.Messages.OnShow = [&](const QString&) { timerOnDuringMessage = view.Timer1->Enabled(); };

  Click(view.Command2);
  EXPECT_EQ(view.Text4->text(), "0");
  EXPECT_TRUE(view.Command4->isEnabled());
  EXPECT_TRUE(view.Timer1->Enabled());
  EXPECT_EQ(view.Timer1->interval(), 500);

  view.Timer1_Timer();
  EXPECT_EQ(view.Text6->text(), "A--C,");
  view.Timer1_Timer();
  EXPECT_EQ(view.Text6->text(), "A--C,C--B,");
  EXPECT_TRUE(t.Messages.Texts.isEmpty());
  view.Timer1_Timer();
  EXPECT_EQ(t.Messages.Texts, QStringList{SentinelFound});
  EXPECT_FALSE(timerOnDuringMessage);
  EXPECT_FALSE(view.Timer1->Enabled());
  EXPECT_EQ(view.Text6->text(), "A--C,C--B,");
  EXPECT_EQ(view.Line1(1).BorderColour, Orange);
  EXPECT_EQ(view.Line1(2).BorderColour, Orange);
  EXPECT_EQ(view.Line1(0).BorderColour, ui::SystemColour::Desktop);

  // A second run lists the tree afresh; the lines stay orange meanwhile.
  Click(view.Command2);
  view.Timer1_Timer();
  EXPECT_EQ(view.Text6->text(), "A--C,");
  EXPECT_EQ(view.Line1(2).BorderColour, Orange);
}

TEST(TourRun, FourVertexTourInGreenThenLightCycleInYellow) {
  TestApp t;
  Form4& view = OpenGraphView(t, 4, FourVertices);
  Click(view.Command2);
  PlayToEnd(view.Timer1, view, &Form4::Timer1_Timer);
  t.Messages.Texts.clear();

  Click(view.Command4);
  EXPECT_EQ(PlayToEnd(view.Timer2, view, &Form4::Timer2_Timer), 5);
  EXPECT_EQ(view.Text7->text(), "A--B,B--D,D--C,C--A,");
  EXPECT_EQ(view.Text8->text(), "1**2**9**3**");
  EXPECT_EQ(view.Text9->text(), "15");
  EXPECT_EQ(t.Messages.Texts, QStringList{EndReached});
  for (int line : {0, 1, 4, 5}) EXPECT_EQ(view.Line1(line).BorderColour, Green) << line;

  t.Messages.Texts.clear();
  Click(view.Command6);
  EXPECT_EQ(PlayToEnd(view.Timer3, view, &Form4::Timer3_Timer), 5);
  EXPECT_EQ(view.Text7->text(), "A--D,D--B,B--C,C--A,");
  EXPECT_EQ(view.Text8->text(), "4**2**4**3**");
  EXPECT_EQ(view.Text9->text(), "13");
  EXPECT_EQ(t.Messages.Texts, QStringList{EndReached});
  for (int line : {1, 2, 3, 4}) EXPECT_EQ(view.Line1(line).BorderColour, Yellow) << line;
  EXPECT_EQ(view.Line1(0).BorderColour, Green);
  EXPECT_EQ(view.Line1(5).BorderColour, Green);
}

struct RunButton {
  const char* Name;
  QPushButton* Form4::*Button;
  ui::Timer* Form4::*Timer;
};

const RunButton RunButtons[] = {{"MinimumSpanningTree", &Form4::Command2, &Form4::Timer1},
                                {"RunTSP", &Form4::Command4, &Form4::Timer2},
                                {"MakeLightCycle", &Form4::Command6, &Form4::Timer3}};

TEST(RunButtons, EachStopsTheOtherAnimations) {
  for (const RunButton& run : RunButtons) {
    SCOPED_TRACE(run.Name);
    TestApp t;
    Form4& view = OpenGraphView(t, 4, FourVertices);
    Click(view.Command2);
    for (ui::Timer* timer : {view.Timer1, view.Timer2, view.Timer3}) timer->SetEnabled(true);
    Click(view.*run.Button);
    for (const RunButton& other : RunButtons) {
      EXPECT_EQ((view.*other.Timer)->Enabled(), &other == &run) << other.Name;
    }
  }
}

TEST(RunButtons, FreshViewWithoutRepetitionsEndsAtTheFirstTick) {
  const struct {
    const char* Name;
    int Vertices;
    int Iterations;
    std::vector<EdgeEntry> Edges;
    QPushButton* Form4::*Button;
    ui::Timer* Form4::*Timer;
    void (Form4::*Tick)();
  } cases[] = {
      {"tree, no repetition", 4, 0, FourVertices, &Form4::Command2, &Form4::Timer1,
       &Form4::Timer1_Timer},
      {"tree of one vertex", 1, 1, {}, &Form4::Command2, &Form4::Timer1, &Form4::Timer1_Timer},
      {"light cycle, no repetition", 4, 0, FourVertices, &Form4::Command6, &Form4::Timer3,
       &Form4::Timer3_Timer},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TestApp t;
    Form4& view = OpenGraphView(t, c.Vertices, c.Edges, c.Iterations);
    Click(view.*c.Button);
    EXPECT_EQ(PlayToEnd(view.*c.Timer, view, c.Tick), 1);
    EXPECT_EQ(t.Messages.Texts, QStringList{SentinelFound});
    EXPECT_TRUE(view.Text6->text().isEmpty());
    EXPECT_TRUE(view.Text7->text().isEmpty());
    if (c.Timer == &Form4::Timer3) {
      EXPECT_EQ(view.Text9->text(), "0");
    }
  }
}

TEST(RunTimes, ShownInSecondsWithSixSignificantDigits) {
  SteppingClock clock;
  TestApp t;
  t.App = std::make_unique<Screens>(ui::Services{t.Messages, clock, t.Random});
  Form4& view = OpenGraphView(t, 4, FourVertices);

  clock.Step = 1.234567891;
  Click(view.Command2);
  EXPECT_EQ(view.Text4->text(), "1.23457");

  clock.Step = 0.000123456789;
  Click(view.Command4);
  EXPECT_EQ(view.Text5->text(), "0.000123457");
  EXPECT_EQ(view.Text10->text(), "1.23469");

  clock.Step = 2;
  Click(view.Command6);
  EXPECT_EQ(view.Text10->text(), "2");
  EXPECT_EQ(view.Text4->text(), "1.23457");
  EXPECT_EQ(view.Text5->text(), "0.000123457");

  // The tour total now adds the light cycle's time.
  clock.Step = 0.5;
  Click(view.Command4);
  EXPECT_EQ(view.Text10->text(), "2.5");
}

}  // namespace
}  // namespace tsp::testing
