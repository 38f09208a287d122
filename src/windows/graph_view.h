#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/algorithms/algorithm.h"
#include "core/graph/drawing.h"
#include "core/lesson/playback.h"
#include "core/lesson/practice.h"
#include "ui/canvas.h"
#include "ui/services.h"
#include "ui/timer.h"
#include "ui/window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tsp {

class PracticePanel;

namespace ui {
class PlaybackBar;
}

// The graph view: draws the graph on a ring and plays algorithms on it, one tick at a time: its
// own buttons play the spanning tree, the tree's tour and the light cycle, each timed over the
// iteration count, and the optimum; every other algorithm of the table plays on request. The
// run played last can be paused and stepped through. In practice, the user answers each step
// of a step-by-step algorithm before it plays, on the drawing or in a list.
class GraphView final : public ui::Window {
  Q_OBJECT

 public:
  explicit GraphView(ui::Services& services);

  // The load step: draws the graph. Until it runs the view stays empty.
  void loadGraph(const Drawing& drawing, std::int16_t iterationCount);
  const std::optional<Drawing>& drawing() const { return drawing_; }
  // The graph's title, right of the view's own; empty hides it.
  void setGraphTitle(const QString& title);

  // Plays the algorithm with this id from the table on the graph on view, in its colour, with
  // the playback controls; untimed. One message says why when it finds nothing to play.
  void playAlgorithm(std::string_view id);

 signals:
  void rearrangeRequested();
  void edgeIdsRequested();
  void exitRequested();
  void compareRequested();

 private:
  // What starts and animates a run: a button of the view (none for the plays on request), its
  // timer, and the algorithm it plays.
  struct RunControls {
    QPushButton* Button = nullptr;
    ui::Timer* Timer = nullptr;
    const AlgorithmRow* Algorithm = nullptr;
    // Computes the button's run, the timed ones IterationCount times, and shows their times;
    // nothing when there is nothing to play.
    std::optional<Animation> (GraphView::*Compute)() = nullptr;
  };

  void addControls();
  void addRuns();
  void pressRun(int run);
  std::optional<Animation> computeTree();
  std::optional<Animation> computeTreeTour();
  std::optional<Animation> computeLightCycle();
  std::optional<Animation> computeOptimum();
  void startPlaying(int run, Animation animation);
  // A run that finds nothing to play says why; the run on screen stays paused where it was.
  void refuse(const QString& message);
  void stopAnimationsExcept(int run);
  void playTick();
  void stepBack();
  void stepForward();
  void togglePause();
  void setMsPerTick(int ms);
  Board board() const;
  void showBoard(const Board& board);
  ui::LineItem& graphLine(int lineId) { return canvas_->Line(MaxVertices + lineId); }
  const ui::LineItem& graphLine(int lineId) const { return canvas_->Line(MaxVertices + lineId); }
  std::vector<QColor> lineColours() const;
  void exportDrawing();

  void addPractice();
  // A wrong answer's right one, shown briefly on the drawing.
  void flash(PracticeAnswer answer, Rgb colour);
  void restoreFlash();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ui::Services& services_;
  ui::Canvas* canvas_ = nullptr;
  ui::PlaybackBar* playbackBar_ = nullptr;
  // The view's four run buttons, then the plays on request.
  std::vector<RunControls> runs_;
  int playRun_ = 0;
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
  QLabel* graphTitle_ = nullptr;

  std::optional<Drawing> drawing_;
  std::int16_t iterationCount_ = 0;
  std::optional<SpanningTree> tree_;
  AlgorithmResult optimum_;
  // The time of the last tree or light-cycle run, which the tour run adds to its own.
  double lastRunSeconds_ = 0;

  Playback playback_;
  int playing_ = 0;

  PracticePanel* practice_ = nullptr;
  std::optional<PracticeAnswer> flashed_;
};

}  // namespace tsp
