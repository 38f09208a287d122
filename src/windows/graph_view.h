#pragma once

#include <QColor>
#include <array>
#include <cstdint>
#include <optional>

#include "core/animation.h"
#include "core/drawing.h"
#include "core/spanning_tree.h"
#include "ui/canvas.h"
#include "ui/services.h"
#include "ui/timer.h"
#include "ui/window.h"

class QLineEdit;
class QPushButton;

namespace tsp {

// The graph view: draws the graph on a ring and plays the runs on it: the spanning tree, the
// tree's tour and the light cycle, each timed over the iteration count and animated one edge
// a tick.
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

 private:
  enum class Run { SpanningTree, TreeTour, LightCycle };
  struct RunControls {
    QPushButton* Button = nullptr;
    ui::Timer* Timer = nullptr;
    QColor Colour;
  };

  void addControls();
  void addGraphItems();
  RunControls& controlsOf(Run run) { return runs_[static_cast<int>(run)]; }
  void runAlgorithm(Run run);
  // Computes the run IterationCount times and shows its times; gives what it animates.
  Animation computeRun(Run run);
  void tick(Run run);
  void showPlayedTexts();
  void stopAnimationsExcept(Run run);
  ui::LineItem& graphLine(int lineId) { return canvas_->Line(MaxVertices + lineId); }

  ui::Services& services_;
  ui::Canvas* canvas_ = nullptr;
  std::array<RunControls, 3> runs_;
  std::array<QLineEdit*, MaxVertices> vertexLetters_;
  std::array<QLineEdit*, BoxCount> lineWeights_;  // index = line id
  QLineEdit* treeEdges_ = nullptr;
  QLineEdit* tourEdges_ = nullptr;
  QLineEdit* tourWeights_ = nullptr;
  QLineEdit* treeTime_ = nullptr;
  QLineEdit* tourTime_ = nullptr;
  QLineEdit* totalTime_ = nullptr;
  QLineEdit* tourWeight_ = nullptr;

  std::optional<Drawing> drawing_;
  std::int16_t iterationCount_ = 0;
  std::optional<SpanningTree> tree_;
  // The time of the last tree or light-cycle run, which the tour run adds to its own.
  double lastRunSeconds_ = 0;

  Run playing_ = Run::SpanningTree;
  Animation animation_;
  int played_ = 0;
};

}  // namespace tsp
