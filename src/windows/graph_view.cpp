#include "windows/graph_view.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <string>

#include "core/algorithms/light_cycle.h"
#include "core/algorithms/tree_tour.h"
#include "core/files/graphviz.h"
#include "core/text/number_text.h"
#include "ui/files.h"
#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/playback_bar.h"
#include "windows/graph_view_layout.h"
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

}  // namespace

GraphView::GraphView(ui::Services& services)
    : Window(QStringLiteral("Form4"), 12165, WindowHeight, ui::SystemColour::MenuText),
      services_(services) {
  canvas_ = AddRing(this);
  addControls();
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
                              .Where = VertexPlaces[v].LetterBox,
                              .Style = Look{13.5, true, {}, {}, {}},
                              .AccessibleName = QStringLiteral("Vertex ") + VertexText(v)});
    vertexLetters_[v]->hide();
  }
  for (int k = 0; k < BoxCount; ++k) {
    lineWeights_[k] = ui::AddTextBox(
        this, {.Name = ui::IndexedName("Text3", k).constData(),
               .Text = QStringLiteral("Text3"),
               .Where = {0, 0, 855, WeightBoxHeight},
               .Style = Look{0, false, ui::SystemColour::WindowFrame, QColor(255, 255, 0), {}},
               .AccessibleName = QStringLiteral("Edge weight")});
    lineWeights_[k]->hide();
  }

  for (const ControlRow& row : StripTable()) AddControl(this, row);
  playback_ = new ui::PlaybackBar(this, 4560, StripTop);
  playback_->setMsPerTick(QSettings().value(SpeedKey, ui::PlaybackBar::DefaultMs).toInt());
  playback_->addShortcuts(this);
  stepLine_ = ui::AddTextBox(this, {.Name = "StepLine",
                                    .Where = {240, StripTop + 480, 11685, 375},
                                    .Style = Look{0, false, ListGrey, {}, {}},
                                    .AccessibleName = QStringLiteral("Step explanation")});
  stepLine_->setReadOnly(true);

  for (std::size_t r = 0; r < RunDesigns().size(); ++r) {
    const auto run = static_cast<RunKind>(r);
    RunControls& controls = runs_[r];
    controls.Button = button(RunDesigns()[r].Button);
    // The tree's timer starts out at one second; every run sets the animation's pace.
    controls.Timer =
        new ui::Timer(this, RunDesigns()[r].Timer,
                      run == RunKind::SpanningTree ? 1000 : ui::PlaybackBar::DefaultMs);
    controls.Colour = RunDesigns()[r].Colour;
    connect(controls.Button, &QPushButton::clicked, this, [this, run] { runAlgorithm(run); });
    // No tick arrives while a dialog is open (ui/dialog_gate.h): an animation's end would
    // open a second box over the first one (an input message of the matrix editor, say).
    connect(controls.Timer, &ui::Timer::ticked, this, [this, run] {
      if (run == playing_) playTick();
    });
  }
  controlsOf(RunKind::TreeTour).Button->setEnabled(false);

  connect(button("Command1"), &QPushButton::clicked, this, &GraphView::rearrangeRequested);
  connect(button("Command3"), &QPushButton::clicked, this, &GraphView::edgeIdsRequested);
  connect(button("Command5"), &QPushButton::clicked, this, &GraphView::exitRequested);
  connect(button("CompareButton"), &QPushButton::clicked, this, &GraphView::compareRequested);
  connect(button("ExportButton"), &QPushButton::clicked, this, &GraphView::exportDrawing);
  connect(playback_, &ui::PlaybackBar::pauseToggled, this, &GraphView::togglePause);
  connect(playback_, &ui::PlaybackBar::stepBackRequested, this, &GraphView::stepBack);
  connect(playback_, &ui::PlaybackBar::stepForwardRequested, this, &GraphView::stepForward);
  connect(playback_, &ui::PlaybackBar::msPerTickChanged, this, &GraphView::setMsPerTick);
}

void GraphView::loadGraph(const Drawing& drawing, std::int16_t iterationCount) {
  drawing_ = drawing;
  iterationCount_ = iterationCount;
  // Computed once here, never inside the timed repetitions of the other runs.
  optimum_ = BestTour(PairWeightsOf(drawing));
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
    const TwipPoint from = VertexAnchors[drawn.From];
    const TwipPoint to = VertexAnchors[drawn.To];
    line = ui::LineItem{from.X, from.Y, to.X, to.Y, line.BorderColour, true};

    // The weight box stands at the midpoint of the two anchors.
    QLineEdit* weight = lineWeights_[k];
    weight->setText(QString::fromStdString(drawn.WeightText));
    ui::SetPlace(weight,
                 {(from.X + to.X) / 2, (from.Y + to.Y) / 2, WeightBoxWidth, WeightBoxHeight});
    weight->setAccessibleName(
        QStringLiteral("Weight of edge %1--%2").arg(VertexText(drawn.From), VertexText(drawn.To)));
    weight->show();
  }
  canvas_->Changed();
}

void GraphView::stopAnimationsExcept(RunKind run) {
  for (std::size_t r = 0; r < runs_.size(); ++r) {
    if (static_cast<RunKind>(r) != run) runs_[r].Timer->SetEnabled(false);
  }
}

void GraphView::runAlgorithm(RunKind run) {
  stopAnimationsExcept(run);
  // A run that starts nothing leaves the last run's story to its steps.
  const RunStory story = story_;
  std::optional<Animation> animation = computeRun(run);
  if (!animation) {
    story_ = story;
    // The run stopped above can still be resumed.
    if (!start_.LineColours.empty() && !paused_ && !ended()) togglePause();
    return;
  }
  animation_ = std::move(*animation);
  playing_ = run;
  ticks_ = 0;
  paused_ = false;
  playback_->setPaused(false);
  start_ = RunStart{
      {}, treeEdges_->text(), tourEdges_->text(), tourWeights_->text(), tourWeight_->text()};
  for (int k = 0; k < BoxCount; ++k) start_.LineColours.push_back(graphLine(k).BorderColour);
  stepLine_->clear();
  RunControls& controls = controlsOf(run);
  controls.Timer->setInterval(playback_->msPerTick());
  controls.Timer->SetEnabled(true);
}

std::optional<Animation> GraphView::computeRun(RunKind run) {
  // Without a graph every run computes nothing and ends at its first tick.
  static const Drawing noDrawing;
  const Drawing& drawing = drawing_ ? *drawing_ : noDrawing;
  const int times = drawing_ ? iterationCount_ : 0;
  story_ = RunStory{run, drawing.VertexCount()};
  const double start = services_.Time.Seconds();
  switch (run) {
    case RunKind::SpanningTree: {
      if (auto tree = Repeat(times, [&] { return BuildSpanningTree(drawing); })) tree_ = *tree;
      lastRunSeconds_ = services_.Time.Seconds() - start;
      treeTime_->setText(TimeText(lastRunSeconds_, times));
      controlsOf(RunKind::TreeTour).Button->setEnabled(true);
      return TreeAnimation(times > 0 ? tree_ : std::nullopt);
    }
    case RunKind::TreeTour: {
      const SpanningTree tree = tree_.value_or(SpanningTree{});
      const auto tour = Repeat(times, [&] { return TreeTour(tree); });
      const double seconds = services_.Time.Seconds() - start;
      // Every repetition starts the edge list afresh; the box follows once, outside the timing.
      if (times > 0) tourEdges_->clear();
      tourTime_->setText(TimeText(seconds, times));
      totalTime_->setText(TimeText(seconds + lastRunSeconds_, times));
      return TourAnimation(drawing, tour);
    }
    case RunKind::LightCycle: {
      const auto cycle = Repeat(times, [&] { return BuildLightCycle(drawing); });
      lastRunSeconds_ = services_.Time.Seconds() - start;
      if (times > 0) tourEdges_->clear();
      totalTime_->setText(TimeText(lastRunSeconds_, times));
      if (!cycle) return TourAnimation(drawing, std::nullopt);
      story_.Variant = cycle->Lightest;
      story_.VariantCount = static_cast<int>(cycle->Variants.size());
      story_.VariantWeight = cycle->Weights[cycle->Lightest];
      return TourAnimation(drawing, cycle->Best());
    }
    case RunKind::Optimum: {
      if (!drawing_) return std::nullopt;
      if (!optimum_.Vertices) {
        services_.Messages.Show(
            QStringLiteral("No tour visits every vertex once and returns to A: %1")
                .arg(QString::fromStdString(optimum_.Reason)));
        return std::nullopt;
      }
      return TourAnimation(drawing, *optimum_.Vertices);
    }
  }
  return std::nullopt;
}

void GraphView::playTick() {
  if (ended()) return;
  ++ticks_;
  if (!ended()) {
    showTicks(ticks_);
    return;
  }
  // Off before the box opens: the box runs a nested event loop in which the timer would fire
  // again and open a second box. The tour's weight shows once the message was read.
  controlsOf(playing_).Timer->SetEnabled(false);
  const QString weightBefore = tourWeight_->text();
  showTicks(ticks_);
  tourWeight_->setText(weightBefore);
  services_.Messages.Show(QString::fromLatin1(animation_.EndMessage));
  if (animation_.IsTour) {
    tourWeight_->setText(
        QString::fromStdString(IntText(TextsAfter(animation_, ticks_ - 1).Weight)));
  }
}

void GraphView::showTicks(int ticks) {
  const int steps = static_cast<int>(animation_.Steps.size());
  const int played = std::min(ticks, steps);
  for (int k = 0; k < BoxCount; ++k) graphLine(k).BorderColour = start_.LineColours[k];
  for (int s = 0; s < played; ++s) {
    const int line = animation_.Steps[s].LineId;
    if (line >= 0) graphLine(line).BorderColour = controlsOf(playing_).Colour;
  }
  canvas_->Changed();

  // The first tick empties the run's list boxes; undoing it brings back what they held.
  const PlayedTexts texts = TextsAfter(animation_, played);
  const bool cleared = ticks > 0;
  if (animation_.IsTour) {
    tourEdges_->setText(cleared ? QString::fromStdString(texts.Edges) : start_.TourEdges);
    tourWeights_->setText(cleared ? QString::fromStdString(texts.Weights) : start_.TourWeights);
    tourWeight_->setText(ticks > steps ? QString::fromStdString(IntText(texts.Weight))
                                       : start_.TourWeight);
  } else {
    treeEdges_->setText(cleared ? QString::fromStdString(texts.Edges) : start_.TreeEdges);
  }
  stepLine_->setText(QString::fromStdString(StepSentence(animation_, story_, ticks)));
}

void GraphView::togglePause() {
  if (start_.LineColours.empty()) return;
  paused_ = !paused_;
  playback_->setPaused(paused_);
  controlsOf(playing_).Timer->SetEnabled(!paused_ && !ended());
}

void GraphView::stepForward() {
  if (start_.LineColours.empty()) return;
  if (!paused_) togglePause();
  playTick();
}

void GraphView::stepBack() {
  if (start_.LineColours.empty() || ticks_ == 0) return;
  if (!paused_) togglePause();
  showTicks(--ticks_);
}

void GraphView::setMsPerTick(int ms) {
  for (RunControls& controls : runs_) controls.Timer->setInterval(ms);
  QSettings().setValue(SpeedKey, ms);
}

std::vector<std::string> GraphView::lineColourNames() {
  std::vector<std::string> names;
  for (int k = 0; drawing_ && k < static_cast<int>(drawing_->Lines().size()); ++k) {
    const QColor colour = graphLine(k).BorderColour;
    names.push_back(colour == LinePlain ? std::string() : colour.name().toStdString());
  }
  return names;
}

// The ring with its lines, letters and weights, without the buttons beside it.
void GraphView::paintDrawing(QPainter& painter) {
  painter.fillRect(QRect(0, 0, width(), ui::TwipsToPixels(StripTop)), palette().window());
  canvas_->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  const auto paintBox = [&painter](QLineEdit* box) {
    if (box->isVisible()) box->render(&painter, box->pos());
  };
  std::for_each(vertexLetters_.begin(), vertexLetters_.end(), paintBox);
  std::for_each(lineWeights_.begin(), lineWeights_.end(), paintBox);
}

void GraphView::exportDrawing() {
  if (!drawing_) return;
  const QString path = services_.Files.SaveFileName(
      this, QStringLiteral("Export the graph"),
      QStringLiteral("PNG image (*.png);;SVG image (*.svg);;Graphviz graph (*.dot *.gv)"),
      QStringLiteral("graph.png"));
  if (path.isEmpty()) return;
  const QString type = QFileInfo(path).suffix().toLower();
  std::optional<QByteArray> bytes =
      ui::EncodePicture(type, QSize(width(), ui::TwipsToPixels(7800)),
                        [this](QPainter& painter) { paintDrawing(painter); });
  if (type == QLatin1String("dot") || type == QLatin1String("gv")) {
    bytes = QByteArray::fromStdString(GraphvizText(*drawing_, lineColourNames()));
  }
  if (!bytes) {
    services_.Messages.Show(
        QStringLiteral("Cannot export %1: name the file .png, .svg or .dot.").arg(path));
    return;
  }
  if (const auto error = ui::WriteFileAtomically(path, *bytes)) {
    services_.Messages.Show(QStringLiteral("Cannot export %1: %2").arg(path, *error));
  }
}

}  // namespace tsp
