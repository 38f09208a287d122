#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "core/graph/drawing.h"
#include "core/graph/ring.h"
#include "core/lesson/practice.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tsp {

namespace ui {
class Timer;
}

// The graph view's practice: the Practice box, the list of answers with Check and Reveal, the
// verdict and the score, in the free column right of the ring. It asks the questions of one
// algorithm on the drawing and judges each answer, from the list or from the drawing; the view
// plays the ticks that the right answers take and shows the right line briefly after a wrong one.
class PracticePanel final : public QObject {
  Q_OBJECT

 public:
  // The controls stand on the view.
  explicit PracticePanel(QWidget* view);

  // The drawing to practise on; none while the view has none. Leaves a practice under way.
  void setDrawing(const Drawing* drawing);
  bool active() const { return practice_.has_value(); }
  // Leaves the practice midway, and clears what it left to read.
  void leave();

  // Answers given on the drawing: a click at a point, or on a vertex's letter box or a line's
  // weight box. Only what the question asks for counts.
  void answerAt(ring::TwipPoint point);
  void answerWithVertex(int vertex);
  void answerWithLine(int lineId);

 signals:
  // A practice begins: the run of its algorithm is to be played from its first tick, none yet.
  void started(const AlgorithmRow& algorithm, const Animation& play);
  void asked(const QString& question);
  // The answers so far take the run up to this tick.
  void played(int tick);
  // The practice is over: every question answered, or left midway (then the run stays paused).
  void ended(bool midway);
  // The right answer, to show briefly in the colour given; none: the brief showing is over.
  void flashed(std::optional<PracticeAnswer> answer, Rgb colour);

 private:
  void choose(int index);
  void start(const PracticeRow& row);
  void ask();
  void answer(PracticeAnswer given);
  void check();
  void reveal();
  void show(const Practice::Outcome& outcome);
  void finish(bool midway);
  void clearVerdict();
  void stopFlash();

  const Drawing* drawing_ = nullptr;
  std::vector<ring::Segment> segments_;  // the drawing's lines by line id
  QComboBox* choice_ = nullptr;
  QListWidget* answers_ = nullptr;
  QPushButton* check_ = nullptr;
  QPushButton* reveal_ = nullptr;
  QPlainTextEdit* verdict_ = nullptr;
  QLineEdit* score_ = nullptr;
  ui::Timer* flashTimer_ = nullptr;
  std::optional<Practice> practice_;
  std::vector<PracticeAnswer> offered_;  // the answers the list shows, row by row
  bool flashing_ = false;
};

}  // namespace tsp
