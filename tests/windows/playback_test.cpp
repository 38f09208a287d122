#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <random>
#include <string>
#include <vector>

#include "core/algorithms/optimum.h"
#include "support/graph_helpers.h"
#include "ui/geometry.h"

namespace tsp::testing {
namespace {

const QColor Magenta(255, 0, 255);
const QString EndReached = QStringLiteral(" Simulation terminated (End reached) !!");

const RunControls AllRuns[] = {Tree, Tour, Cycle, Optimum};

// What a run changes on screen: the line colours, the list boxes, the weight, the step line.
std::vector<std::string> Shown(const GraphView* view) {
  std::vector<std::string> shown;
  for (std::size_t k = 0; k < view->drawing()->Lines().size(); ++k) {
    shown.push_back(GraphLine(view, static_cast<int>(k)).BorderColour.name().toStdString());
  }
  for (const char* box : {"Text6", "Text7", "Text8", "Text9", "StepLine"}) {
    shown.push_back(TextOf(view, box).toStdString());
  }
  return shown;
}

// Resumes a paused run and lets every running timer tick until it stops itself.
void PlayToEnd(const GraphView* view) {
  if (Find<QPushButton>(view, "PauseButton")->text() == "Resume") Click(view, "PauseButton");
  for (int ticks = 0; ticks < 200; ++ticks) {
    bool any = false;
    for (const RunControls& run : AllRuns) {
      if (Running(view, run.Timer)) {
        Fire(view, run.Timer);
        any = true;
      }
    }
    if (!any) return;
  }
  ADD_FAILURE() << "the run never ends";
}

std::vector<EdgeEntry> RandomEdges(std::mt19937& random, int n) {
  std::vector<EdgeEntry> edges;
  for (int r = 0; r < n; ++r) {
    for (int c = r + 1; c < n; ++c) {
      if (std::bernoulli_distribution(0.6)(random)) {
        int weight = std::uniform_int_distribution(-9, 30)(random);
        if (weight == 0) weight = 7;
        edges.push_back({r, c, QString::number(weight)});
      }
    }
  }
  return edges;
}

// Any mix of pausing, stepping and timer ticks, then playing to the end, leaves the screen as
// an untouched run does; on the way every step back brings back what the tick before showed.
TEST(Playback, RandomPlayingEndsLikeAnUntouchedRun) {
  std::mt19937 random(20240611);
  for (int graph = 0; graph < 12; ++graph) {
    const int n = std::uniform_int_distribution(2, 7)(random);
    const std::vector<EdgeEntry> edges = RandomEdges(random, n);
    TestApp plain;
    TestApp played;
    GraphView* reference = OpenGraphWith(plain, n, edges);
    GraphView* view = OpenGraphWith(played, n, edges);
    ASSERT_NE(view, nullptr);
    const bool hasTour = BestTour(PairWeightsOf(*view->drawing())).Vertices.has_value();

    for (const RunControls& run : AllRuns) {
      if (&run == &AllRuns[3] && !hasTour) break;
      SCOPED_TRACE(::testing::Message() << "graph " << graph << ", run " << run.Button);
      Click(reference, run.Button);
      PlayToEnd(reference);

      Click(view, run.Button);
      std::vector<std::vector<std::string>> history{Shown(view)};
      bool atEnd = false;
      const int length = std::uniform_int_distribution(0, 25)(random);
      for (int i = 0; i < length; ++i) {
        const qsizetype messages = played.Messages.Texts.size();
        const std::vector<std::string> before = Shown(view);
        switch (std::uniform_int_distribution(0, 3)(random)) {
          case 0:
            Click(view, "PauseButton");
            EXPECT_EQ(Shown(view), before);
            break;
          case 1:
            Click(view, "StepBackButton");
            if (history.size() > 1) {
              history.pop_back();
              atEnd = false;
              EXPECT_FALSE(Running(view, run.Timer));
            }
            EXPECT_EQ(Shown(view), history.back());
            break;
          default:
            // A stopped timer never ticks, so only a running one is fired.
            if (!Running(view, run.Timer)) {
              Click(view, "StepForwardButton");
            } else {
              Fire(view, run.Timer);
            }
            if (atEnd) {
              EXPECT_EQ(played.Messages.Texts.size(), messages);
              EXPECT_EQ(Shown(view), before);
              break;
            }
            atEnd = played.Messages.Texts.size() > messages;
            history.push_back(Shown(view));
        }
        if (atEnd) {
          EXPECT_FALSE(Running(view, run.Timer));
        }
      }
      PlayToEnd(view);
      EXPECT_EQ(Shown(view), Shown(reference));
      ASSERT_FALSE(played.Messages.Texts.isEmpty());
      EXPECT_EQ(played.Messages.Texts.back(), plain.Messages.Texts.back());
    }
  }
}

class FourVertexPlayback : public ::testing::Test {
 protected:
  void SetUp() override {
    view = OpenGraph(app, FourVertexWeights());
    ASSERT_NE(view, nullptr);
  }
  QPushButton* Pause() { return Find<QPushButton>(view, "PauseButton"); }

  TestApp app;
  GraphView* view = nullptr;
};

TEST_F(FourVertexPlayback, StepsBackAndForthThroughTheTree) {
  Click(view, Tree.Button);
  Click(view, "StepBackButton");
  EXPECT_TRUE(Running(view, Tree.Timer)) << "a step back at the start does nothing";
  EXPECT_EQ(Pause()->text(), "Pause");

  Fire(view, Tree.Timer, 2);
  EXPECT_EQ(TextOf(view, "Text6"), "A--B,B--D,");
  EXPECT_EQ(TextOf(view, "StepLine"),
            "Step 2 of 3: D joins the tree through B--D (2), the lightest edge from a tree vertex "
            "to a vertex outside it.");
  Click(view, "StepBackButton");
  EXPECT_FALSE(Running(view, Tree.Timer));
  EXPECT_EQ(Pause()->text(), "Resume");
  EXPECT_EQ(TextOf(view, "Text6"), "A--B,");
  EXPECT_EQ(GraphLine(view, 4).BorderColour, ui::SystemColour::Desktop);
  EXPECT_EQ(GraphLine(view, 0).BorderColour, QColor(255, 128, 0));

  Click(view, "StepForwardButton");
  Click(view, "StepForwardButton");
  Click(view, "StepForwardButton");
  EXPECT_EQ(app.Messages.Texts.size(), 1);
  EXPECT_EQ(TextOf(view, "StepLine"), "Done: the tree joins 4 of 4 vertices with weight 6.");
  Click(view, "StepForwardButton");
  EXPECT_EQ(app.Messages.Texts.size(), 1) << "nothing plays after the end";

  // The tour starts from the finished tree: undoing its first tick brings back the tree's
  // colours and the empty tour boxes.
  Click(view, Tour.Button);
  EXPECT_EQ(Pause()->text(), "Pause");
  EXPECT_EQ(Pause()->accessibleName(), "Pause");
  EXPECT_TRUE(Running(view, Tour.Timer));
  Fire(view, Tour.Timer, 3);
  EXPECT_EQ(TextOf(view, "StepLine"),
            "Step 3 of 4: D to C (9): C is the next vertex of the tree in preorder.");
  for (int i = 0; i < 3; ++i) Click(view, "StepBackButton");
  for (int k = 0; k < 6; ++k) {
    const bool inTree = k == 0 || k == 1 || k == 4;
    EXPECT_EQ(GraphLine(view, k).BorderColour,
              inTree ? QColor(255, 128, 0) : ui::SystemColour::Desktop)
        << k;
  }
  EXPECT_EQ(TextOf(view, "Text7"), "");
  EXPECT_EQ(TextOf(view, "StepLine"), "");
}

TEST_F(FourVertexPlayback, PauseSaysResumeUntilPressedAgain) {
  Click(view, Cycle.Button);
  Fire(view, Cycle.Timer);
  Click(view, "PauseButton");
  EXPECT_EQ(Pause()->text(), "Resume");
  EXPECT_EQ(Pause()->accessibleName(), "Resume");
  EXPECT_FALSE(Running(view, Cycle.Timer));
  Click(view, "PauseButton");
  EXPECT_EQ(Pause()->text(), "Pause");
  EXPECT_TRUE(Running(view, Cycle.Timer));

  Click(view, "PauseButton");
  Click(view, Cycle.Button);
  EXPECT_EQ(Pause()->text(), "Pause");
  EXPECT_TRUE(Running(view, Cycle.Timer));
  EXPECT_EQ(TextOf(view, "StepLine"), "");
}

TEST_F(FourVertexPlayback, OptimumPlaysTheLightestTourInMagenta) {
  Click(view, Optimum.Button);
  Fire(view, Optimum.Timer);
  EXPECT_EQ(TextOf(view, "StepLine"),
            "Step 1 of 4: A to C (3): the next vertex of the lightest closed tour.");
  PlayToEnd(view);
  EXPECT_EQ(app.Messages.Texts, QStringList{EndReached});
  // Line ids: 0 A-B, 1 A-C, 2 A-D, 3 B-C, 4 B-D, 5 C-D; the tour A C B D A leaves A-B and C-D.
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(GraphLine(view, k).BorderColour,
              k == 0 || k == 5 ? ui::SystemColour::Desktop : Magenta)
        << k;
  }
  EXPECT_EQ(TextOf(view, "Text7"), "A--C,C--B,B--D,D--A,");
  EXPECT_EQ(TextOf(view, "Text8"), "3**4**2**4**");
  EXPECT_EQ(TextOf(view, "Text9"), "13");
}

TEST(OptimumRun, GraphWithoutATourGivesOneMessageAndColoursNothing) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 3, {{0, 1, "1"}, {1, 2, "1"}});
  ASSERT_NE(view, nullptr);
  Click(view, Optimum.Button);
  EXPECT_EQ(app.Messages.Texts.size(), 1);
  EXPECT_FALSE(Running(view, Optimum.Timer));
  Click(view, "StepForwardButton");
  EXPECT_EQ(app.Messages.Texts.size(), 1);
  for (int k = 0; k < 2; ++k) EXPECT_EQ(GraphLine(view, k).BorderColour, ui::SystemColour::Desktop);
  EXPECT_EQ(TextOf(view, "Text7"), "");
}

TEST(SpeedBox, KeepsItsBoundsAndIsRemembered) {
  QSettings().remove(QStringLiteral("animation/msPerEdge"));
  {
    TestApp app;
    GraphView* view = OpenGraph(app, FourVertexWeights());
    auto* speed = Find<QSpinBox>(view, "SpeedBox");
    EXPECT_EQ(speed->accessibleName(), "Animation speed");
    EXPECT_EQ(speed->value(), 500);
    speed->setValue(10);
    EXPECT_EQ(speed->value(), 50);
    speed->setValue(99999);
    EXPECT_EQ(speed->value(), 2000);
    speed->setValue(750);
    EXPECT_EQ(QSettings().value(QStringLiteral("animation/msPerEdge")).toInt(), 750);
    Click(view, Tree.Button);
    EXPECT_EQ(Find<ui::Timer>(view, Tree.Timer)->interval(), 750);
  }
  TestApp app;
  GraphView* view = OpenGraph(app, FourVertexWeights());
  EXPECT_EQ(Find<QSpinBox>(view, "SpeedBox")->value(), 750);
  Click(view, Tree.Button);
  EXPECT_EQ(Find<ui::Timer>(view, Tree.Timer)->interval(), 750);
  QSettings().remove(QStringLiteral("animation/msPerEdge"));
}

TEST_F(FourVertexPlayback, ExportWritesThePictureOrTheGraph) {
  QTemporaryDir folder;
  const QString png = folder.filePath("x.png");
  const QString svg = folder.filePath("x.svg");
  const QString dot = folder.filePath("x.dot");
  app.Files.Names = {png, svg, dot};
  for (int i = 0; i < 3; ++i) Click(view, "ExportButton");
  EXPECT_TRUE(app.Messages.Texts.isEmpty()) << app.Messages.Texts.join("\n").toStdString();

  const QImage image(png);
  EXPECT_EQ(image.size(), QSize(view->width(), ui::TwipsToPixels(7800)));
  QFile svgFile(svg);
  ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
  const QByteArray svgBytes = svgFile.readAll();
  EXPECT_TRUE(svgBytes.startsWith("<?xml") || svgBytes.contains("<svg"));
  QFile dotFile(dot);
  ASSERT_TRUE(dotFile.open(QIODevice::ReadOnly));
  EXPECT_TRUE(dotFile.readAll().contains("A -- B [label=\"1\"]"));

  app.Files.Names = {folder.filePath("x.txt")};
  Click(view, "ExportButton");
  EXPECT_EQ(app.Messages.Texts.size(), 1);
  EXPECT_FALSE(QFile::exists(folder.filePath("x.txt")));

  Click(view, "ExportButton");
  EXPECT_EQ(app.Files.Asked, 5);
  EXPECT_EQ(app.Messages.Texts.size(), 1);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);
}

}  // namespace
}  // namespace tsp::testing
