#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/lesson/animation.h"
#include "core/graph/drawing.h"
#include "core/lesson/narration.h"
#include "core/algorithms/optimum.h"
#include "core/algorithms/spanning_tree.h"
#include "ui/canvas.h"
#include "ui/services.h"
#include "ui/timer.h"
#include "ui/window.h"

class QLineEdit;
class QPainter;
class QPushButton;

namespace tsp {

namespace ui {
class PlaybackBar;
}

// The graph view: draws the graph on a ring and plays the runs on it: the spanning tree, the
// tree's tour, the light cycle and the optimum, each animated one edge a tick; the first three
// are timed over the iteration count. The last run played can be paused and stepped through.
class GraphView final : public ui::Window {
  Q_OBJECT

 public:
  explicit GraphView(ui::Services& services);

  // The load step: draws the graph. Until it runs the view stays empty.
  void loadGraph(const Drawing& drawing, std::int16_t iterationCount);
  const std::optional<Drawing>& drawing() const { return drawing_; }

 signals:
  void rearrangeRequested();
  void edgeIdsRequested();
  void exitRequested();
  void compareRequested();

 private:
  struct RunControls {
    QPushButton* Button = nullptr;
    ui::Timer* Timer = nullptr;
    QColor Colour;
  };
  // What the boxes and lines showed when the run started, so that any tick can be undone.
  struct RunStart {
    std::vector<QColor> LineColours;
    QString TreeEdges;
    QString TourEdges;
    QString TourWeights;
    QString TourWeight;
  };

  void addControls();
  RunControls& controlsOf(RunKind run) { return runs_[static_cast<int>(run)]; }
  void runAlgorithm(RunKind run);
  // Computes the run (the timed ones IterationCount times) and shows its times.
  std::optional<Animation> computeRun(RunKind run);
  void playTick();
  void stepBack();
  void stepForward();
  void togglePause();
  void setMsPerTick(int ms);
  // Shows the state after the first `ticks` ticks of the current run.
  void showTicks(int ticks);
  void stopAnimationsExcept(RunKind run);
  bool ended() const { return ticks_ > static_cast<int>(animation_.Steps.size()); }
  ui::LineItem& graphLine(int lineId) { return canvas_->Line(MaxVertices + lineId); }
  void exportDrawing();
  void paintDrawing(QPainter& painter);
  std::vector<std::string> lineColourNames();

  ui::Services& services_;
  ui::Canvas* canvas_ = nullptr;
  ui::PlaybackBar* playback_ = nullptr;
  std::array<RunControls, 4> runs_;
  std::array<QLineEdit*, MaxVertices> vertexLetters_;
  std::array<QLineEdit*, BoxCount> lineWeights_;  // index = line id
  QLineEdit* treeEdges_ = nullptr;
  QLineEdit* tourEdges_ = nullptr;
  QLineEdit* tourWeights_ = nullptr;
  QLineEdit* treeTime_ = nullptr;
  QLineEdit* tourTime_ = nullptr;
  QLineEdit* totalTime_ = nullptr;
  QLineEdit* tourWeight_ = nullptr;
  QLineEdit* stepLine_ = nullptr;

  std::optional<Drawing> drawing_;
  std::int16_t iterationCount_ = 0;
  std::optional<SpanningTree> tree_;
  OptimumTour optimum_;
  // The time of the last tree or light-cycle run, which the tour run adds to its own.
  double lastRunSeconds_ = 0;

  RunKind playing_ = RunKind::SpanningTree;
  Animation animation_;
  RunStory story_;
  RunStart start_;
  int ticks_ = 0;
  bool paused_ = false;
};

}  // namespace tsp
