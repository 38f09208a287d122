#include "windows/graph_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <string>

#include "core/algorithms/algorithm_table.h"
#include "core/algorithms/light_cycle.h"
#include "core/algorithms/optimum.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tree_tour.h"
#include "core/text/number_text.h"
#include "ui/geometry.h"
#include "ui/graph_painter.h"
#include "ui/picture.h"
#include "ui/playback_bar.h"
#include "windows/graph_view_layout.h"
#include "windows/practice_panel.h"
#include "windows/vertex_text.h"

namespace tsp {

using namespace graph_view_layout;
using ui::Look;

namespace {

const QString SpeedKey = QStringLiteral("animation/msPerEdge");

// Elapsed seconds as general text with six significant digits; nothing computed shows "0".
QString TimeText(double seconds, int repetitions) {
  return repetitions > 0 ? QString::number(seconds, 'g', 6) : QStringLiteral("0");
}

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

GraphView::GraphView(ui::Services& services)
    : Window(QStringLiteral("Form4"), 12165, WindowHeight, ui::SystemColour::MenuText),
      services_(services) {
  canvas_ = AddRing(this);
  addControls();
  addRuns();
  addPractice();
}

void GraphView::addControls() {
  for (const ControlRow& row : ControlTable()) AddControl(this, row);
  const auto box = [this](const char* name) { return findChild<QLineEdit*>(name); };
  const auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
  treeEdges_ = box("Text6");
  tourEdges_ = box("Text7");
  tourWeights_ = box("Text8");
  treeTime_ = box("Text4");
  tourTime_ = box("Text5");
  totalTime_ = box("Text10");
  tourWeight_ = box("Text9");

  for (int v = 0; v < MaxVertices; ++v) {
    vertexLetters_[v] =
        ui::AddTextBox(this, {.Name = ui::IndexedName("Text2", v).constData(),
                              .Text = VertexText(v),
                              .Where = ring::Places[v].LetterBox,
                              .Style = Look{13.5, true, {}, {}, {}},
                              .AccessibleName = QStringLiteral("Vertex ") + VertexText(v)});
    vertexLetters_[v]->hide();
  }
  for (int k = 0; k < BoxCount; ++k) {
    lineWeights_[k] = ui::AddTextBox(
        this, {.Name = ui::IndexedName("Text3", k).constData(),
               .Text = QStringLiteral("Text3"),
               .Where = {0, 0, 855, ring::WeightBoxHeight},
               .Style = Look{0, false, ui::SystemColour::WindowFrame, QColor(255, 255, 0), {}},
               .AccessibleName = QStringLiteral("Edge weight")});
    lineWeights_[k]->hide();
  }

  for (const ControlRow& row : StripTable()) AddControl(this, row);
  playbackBar_ = new ui::PlaybackBar(this, 4560, StripTop);
  playbackBar_->SetMsPerTick(QSettings().value(SpeedKey, ui::PlaybackBar::DefaultMs).toInt());
  playbackBar_->AddShortcuts(this);
  stepLine_ = ui::AddTextBox(this, {.Name = "StepLine",
                                    .Where = {240, StripTop + 480, 11685, 375},
                                    .Style = Look{0, false, ListGrey, {}, {}},
                                    .AccessibleName = QStringLiteral("Step explanation")});
  stepLine_->setReadOnly(true);
  graphTitle_ = ui::AddLabel(this, {.Name = "GraphTitle",
                                    .Where = {7440, 240, 4605, 375},
                                    .Style = Look{10, true, {}, QColor(255, 255, 128), {}},
                                    .AccessibleName = QStringLiteral("Graph title")});
  graphTitle_->hide();

  connect(button("Command1"), &QPushButton::clicked, this, &GraphView::rearrangeRequested);
  connect(button("Command3"), &QPushButton::clicked, this, &GraphView::edgeIdsRequested);
  connect(button("Command5"), &QPushButton::clicked, this, &GraphView::exitRequested);
  connect(button("CompareButton"), &QPushButton::clicked, this, &GraphView::compareRequested);
  connect(button("ExportButton"), &QPushButton::clicked, this, &GraphView::exportDrawing);
  connect(playbackBar_, &ui::PlaybackBar::pauseToggled, this, &GraphView::togglePause);
  connect(playbackBar_, &ui::PlaybackBar::stepBackRequested, this, &GraphView::stepBack);
  connect(playbackBar_, &ui::PlaybackBar::stepForwardRequested, this, &GraphView::stepForward);
  connect(playbackBar_, &ui::PlaybackBar::msPerTickChanged, this, &GraphView::setMsPerTick);
}

void GraphView::addRuns() {
  using Compute = std::optional<Animation> (GraphView::*)();
  const std::array<Compute, RunButtons.size()> computations{
      &GraphView::computeTree, &GraphView::computeTreeTour, &GraphView::computeLightCycle,
      &GraphView::computeOptimum};
  for (std::size_t r = 0; r < RunButtons.size(); ++r) {
    const RunButton& design = RunButtons[r];
    // The tree's timer starts out at one second; every run sets the animation's pace.
    runs_.push_back({findChild<QPushButton*>(design.Button),
                     new ui::Timer(this, design.Timer, r == 0 ? 1000 : ui::PlaybackBar::DefaultMs),
                     &AlgorithmById(design.Algorithm), computations[r]});
  }
  playRun_ = static_cast<int>(runs_.size());
  runs_.push_back({nullptr, new ui::Timer(this, PlayTimerName, ui::PlaybackBar::DefaultMs),
                   &AlgorithmById("optimum"), nullptr});

  for (int r = 0; r < static_cast<int>(runs_.size()); ++r) {
    if (runs_[r].Button != nullptr) {
      connect(runs_[r].Button, &QPushButton::clicked, this, [this, r] { pressRun(r); });
    }
    // No tick arrives while a dialog is open (ui/dialog_gate.h): an animation's end would
    // open a second box over the first one (an input message of the matrix editor, say).
    connect(runs_[r].Timer, &ui::Timer::ticked, this, [this, r] {
      if (r == playing_) playTick();
    });
  }
  runs_[1].Button->setEnabled(false);
}

void GraphView::setGraphTitle(const QString& title) {
  graphTitle_->setText(
      graphTitle_->fontMetrics().elidedText(title, Qt::ElideRight, graphTitle_->width()));
  graphTitle_->setToolTip(title);
  graphTitle_->setAccessibleName(title.isEmpty() ? QStringLiteral("Graph title") : title);
  graphTitle_->setVisible(!title.isEmpty());
}

void GraphView::loadGraph(const Drawing& drawing, std::int16_t iterationCount) {
  drawing_ = drawing;
  practice_->setDrawing(&*drawing_);
  iterationCount_ = iterationCount;
  // Computed once here, never inside the timed repetitions of the other runs.
  optimum_ = RunOptimum(drawing);
  for (int v = 0; v < MaxVertices; ++v) {
    const bool shown = v < drawing.VertexCount();
    canvas_->Circle(v).Visible = shown;
    vertexLetters_[v]->setVisible(shown);
  }
  for (int k = 0; k < BoxCount; ++k) {
    ui::LineItem& line = graphLine(k);
    if (k >= static_cast<int>(drawing.Lines().size())) {
      line.Visible = false;
      lineWeights_[k]->hide();
      continue;
    }
    const DrawnLine& drawn = drawing.Lines()[k];
    const ring::TwipPoint from = ring::Anchors[drawn.From];
    const ring::TwipPoint to = ring::Anchors[drawn.To];
    line = ui::LineItem{from.X, from.Y, to.X, to.Y, line.BorderColour, true};

    QLineEdit* weight = lineWeights_[k];
    weight->setText(FromUtf8(drawn.WeightText));
    ui::SetPlace(weight, ring::WeightBox(drawn.From, drawn.To));
    weight->setAccessibleName(
        QStringLiteral("Weight of edge %1--%2").arg(VertexText(drawn.From), VertexText(drawn.To)));
    weight->show();
  }
  canvas_->Changed();
}

void GraphView::stopAnimationsExcept(int run) {
  for (int r = 0; r < static_cast<int>(runs_.size()); ++r) {
    if (r != run) runs_[r].Timer->SetEnabled(false);
  }
}

void GraphView::pressRun(int run) {
  practice_->leave();
  stopAnimationsExcept(run);
  std::optional<Animation> animation = (this->*runs_[run].Compute)();
  if (animation) startPlaying(run, std::move(*animation));
}

void GraphView::playAlgorithm(std::string_view id) {
  const AlgorithmRow* row = FindAlgorithm(id);
  if (row == nullptr || !drawing_) return;
  practice_->leave();
  stopAnimationsExcept(playRun_);
  runs_[playRun_].Timer->SetEnabled(false);
  AlgorithmResult result = row->Run(*drawing_);
  const QString name = FromUtf8(std::string(row->Name));
  if (row->Kind == AlgorithmKind::Tour && !result.FoundTour) {
    refuse(QStringLiteral("%1 finds no tour: %2").arg(name, FromUtf8(result.Reason)));
    return;
  }
  if (row->Kind == AlgorithmKind::Bound && !result.Bound) {
    refuse(QStringLiteral("%1 has no value here: %2").arg(name, FromUtf8(result.Reason)));
    return;
  }
  runs_[playRun_].Algorithm = row;
  startPlaying(playRun_, std::move(result.Play));
}

void GraphView::refuse(const QString& message) {
  services_.Messages.Show(message);
  // The run stopped meanwhile can still be resumed.
  if (playback_.Started() && !playback_.Paused() && !playback_.Ended()) togglePause();
}

std::optional<Animation> GraphView::computeTree() {
  const int times = drawing_ ? iterationCount_ : 0;
  const double start = services_.Time.Seconds();
  if (auto tree = Repeat(times, [&] { return BuildSpanningTree(*drawing_); })) tree_ = *tree;
  lastRunSeconds_ = services_.Time.Seconds() - start;
  treeTime_->setText(TimeText(lastRunSeconds_, times));
  runs_[1].Button->setEnabled(true);
  return SpanningTreeAnimation(times > 0 ? tree_ : std::nullopt,
                               drawing_ ? drawing_->VertexCount() : 0);
}

std::optional<Animation> GraphView::computeTreeTour() {
  static const Drawing noDrawing;
  const Drawing& drawing = drawing_ ? *drawing_ : noDrawing;
  const int times = drawing_ ? iterationCount_ : 0;
  const SpanningTree tree = tree_.value_or(SpanningTree{});
  const double start = services_.Time.Seconds();
  const auto tour = Repeat(times, [&] { return TreeTour(tree); });
  const double seconds = services_.Time.Seconds() - start;
  // Every repetition starts the edge list afresh; the box follows once, outside the timing.
  if (times > 0) tourEdges_->clear();
  tourTime_->setText(TimeText(seconds, times));
  totalTime_->setText(TimeText(seconds + lastRunSeconds_, times));
  return TreeTourAnimation(drawing, tour);
}

std::optional<Animation> GraphView::computeLightCycle() {
  static const Drawing noDrawing;
  const Drawing& drawing = drawing_ ? *drawing_ : noDrawing;
  const int times = drawing_ ? iterationCount_ : 0;
  const double start = services_.Time.Seconds();
  const auto cycle = Repeat(times, [&] { return BuildLightCycle(drawing); });
  lastRunSeconds_ = services_.Time.Seconds() - start;
  if (times > 0) tourEdges_->clear();
  totalTime_->setText(TimeText(lastRunSeconds_, times));
  return LightCycleAnimation(drawing, cycle);
}

std::optional<Animation> GraphView::computeOptimum() {
  if (!drawing_) return std::nullopt;
  if (!optimum_.FoundTour) {
    refuse(QStringLiteral("No tour visits every vertex once and returns to A: %1")
               .arg(FromUtf8(optimum_.Reason)));
    return std::nullopt;
  }
  return optimum_.Play;
}

void GraphView::startPlaying(int run, Animation animation) {
  playing_ = run;
  playback_.Start(std::move(animation), runs_[run].Algorithm->Colour, board());
  playbackBar_->SetPaused(false);
  stepLine_->clear();
  runs_[run].Timer->setInterval(playbackBar_->MsPerTick());
  runs_[run].Timer->SetEnabled(true);
}

void GraphView::playTick() {
  const Playback::Tick tick = playback_.Advance();
  if (tick == Playback::Tick::None) return;
  if (tick == Playback::Tick::Played) {
    showBoard(playback_.View());
    return;
  }
  // Off before the box opens: the box runs a nested event loop in which the timer would fire
  // again and open a second box. The tour's weight shows once the message was read.
  runs_[playing_].Timer->SetEnabled(false);
  const QString weightBefore = tourWeight_->text();
  showBoard(playback_.View());
  tourWeight_->setText(weightBefore);
  services_.Messages.Show(QString::fromLatin1(playback_.Playing().EndMessage));
  if (playback_.Playing().IsTour) {
    tourWeight_->setText(FromUtf8(IntText(playback_.TourWeight())));
  }
}

Board GraphView::board() const {
  Board board;
  for (int k = 0; k < BoxCount; ++k)
    board.LineColours.push_back(ui::ToRgb(graphLine(k).BorderColour));
  board.TreeEdges = treeEdges_->text().toStdString();
  board.TourEdges = tourEdges_->text().toStdString();
  board.TourWeights = tourWeights_->text().toStdString();
  board.TourWeight = tourWeight_->text().toStdString();
  return board;
}

void GraphView::showBoard(const Board& board) {
  for (int k = 0; k < BoxCount; ++k) graphLine(k).BorderColour = ui::ToQColor(board.LineColours[k]);
  canvas_->Changed();
  treeEdges_->setText(FromUtf8(board.TreeEdges));
  tourEdges_->setText(FromUtf8(board.TourEdges));
  tourWeights_->setText(FromUtf8(board.TourWeights));
  tourWeight_->setText(FromUtf8(board.TourWeight));
  stepLine_->setText(FromUtf8(board.Sentence));
}

void GraphView::togglePause() {
  // In practice the answers play the run.
  if (!playback_.Started() || practice_->active()) return;
  playback_.SetPaused(!playback_.Paused());
  playbackBar_->SetPaused(playback_.Paused());
  runs_[playing_].Timer->SetEnabled(!playback_.Paused() && !playback_.Ended());
}

void GraphView::stepForward() {
  if (!playback_.Started() || practice_->active()) return;
  if (!playback_.Paused()) togglePause();
  playTick();
}

void GraphView::stepBack() {
  if (!playback_.Started() || playback_.Ticks() == 0 || practice_->active()) return;
  if (!playback_.Paused()) togglePause();
  playback_.StepBack();
  showBoard(playback_.View());
}

void GraphView::setMsPerTick(int ms) {
  for (RunControls& run : runs_) run.Timer->setInterval(ms);
  QSettings().setValue(SpeedKey, ms);
}

std::vector<QColor> GraphView::lineColours() const {
  std::vector<QColor> colours;
  for (int k = 0; drawing_ && k < static_cast<int>(drawing_->Lines().size()); ++k) {
    colours.push_back(graphLine(k).BorderColour);
  }
  return colours;
}

void GraphView::exportDrawing() {
  if (!drawing_) return;
  // The picture shows the run's colours, not a flash that is about to go.
  restoreFlash();
  const QString path = services_.Files.SaveFileName(
      this, QStringLiteral("Export the graph"),
      QStringLiteral("PNG image (*.png);;SVG image (*.svg);;Graphviz graph (*.dot *.gv)"),
      QStringLiteral("graph.png"));
  if (path.isEmpty()) return;
  if (const auto error =
          ui::ExportDrawing(path, *drawing_, lineColours(), palette().window().color())) {
    services_.Messages.Show(QStringLiteral("Cannot export %1: %2").arg(path, *error));
  }
}

void GraphView::addPractice() {
  practice_ = new PracticePanel(this);
  connect(practice_, &PracticePanel::started, this,
          [this](const AlgorithmRow& algorithm, const Animation& play) {
            stopAnimationsExcept(-1);
            runs_[playRun_].Algorithm = &algorithm;
            playing_ = playRun_;
            playback_.Start(play, algorithm.Colour, board());
            playbackBar_->SetPaused(false);
            // In practice the answers play the run.
            playbackBar_->setEnabled(false);
            canvas_->SetClickable(true);
            showBoard(playback_.View());
          });
  connect(practice_, &PracticePanel::asked, stepLine_, &QLineEdit::setText);
  connect(practice_, &PracticePanel::played, this, [this](int tick) {
    while (playback_.Ticks() < tick && playback_.Advance() != Playback::Tick::None) {
    }
    showBoard(playback_.View());
  });
  connect(practice_, &PracticePanel::ended, this, [this](bool midway) {
    playbackBar_->setEnabled(true);
    canvas_->SetClickable(false);
    if (!midway) return;
    playback_.SetPaused(true);
    playbackBar_->SetPaused(true);
    showBoard(playback_.View());
  });
  connect(practice_, &PracticePanel::flashed, this,
          [this](std::optional<PracticeAnswer> answer, Rgb colour) {
            restoreFlash();
            if (answer) flash(*answer, colour);
          });
  connect(canvas_, &ui::Canvas::clicked, this, [this](int xTwips, int yTwips) {
    practice_->answerAt({xTwips, yTwips});
  });
  // A click on a vertex's letter or a line's weight answers with it.
  for (QLineEdit* box : vertexLetters_) box->installEventFilter(this);
  for (QLineEdit* box : lineWeights_) box->installEventFilter(this);
}

bool GraphView::eventFilter(QObject* watched, QEvent* event) {
  if (!practice_->active() || event->type() != QEvent::MouseButtonPress ||
      static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
    return Window::eventFilter(watched, event);
  }
  for (int v = 0; v < MaxVertices; ++v) {
    if (watched != vertexLetters_[v]) continue;
    practice_->answerWithVertex(v);
    return true;
  }
  for (int k = 0; k < BoxCount; ++k) {
    if (watched != lineWeights_[k]) continue;
    practice_->answerWithLine(k);
    return true;
  }
  return Window::eventFilter(watched, event);
}

void GraphView::flash(PracticeAnswer shown, Rgb colour) {
  if (shown.IsLine()) {
    graphLine(drawing_->LineBetween(shown.First, shown.Second)).BorderColour = FlashColour;
  } else {
    canvas_->Circle(shown.First).Fill = ui::ToQColor(colour);
  }
  flashed_ = shown;
  canvas_->Changed();
}

void GraphView::restoreFlash() {
  if (!flashed_) return;
  if (flashed_->IsLine()) {
    const int line = drawing_->LineBetween(flashed_->First, flashed_->Second);
    graphLine(line).BorderColour = ui::ToQColor(playback_.View().LineColours[line]);
  } else {
    canvas_->Circle(flashed_->First).Fill = Qt::white;
  }
  flashed_.reset();
  canvas_->Changed();
}

}  // namespace tsp
