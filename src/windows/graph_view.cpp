#include "windows/graph_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "core/light_cycle.h"
#include "core/number_text.h"
#include "core/tree_tour.h"
#include "ui/geometry.h"

namespace tsp {

using ui::ControlDesign;
using ui::Look;

namespace {

const QColor ListGrey(224, 224, 224);
constexpr int AnimationIntervalMs = 500;
constexpr int WeightBoxWidth = 280;
constexpr int WeightBoxHeight = 285;

enum class Kind { TextBox, Button, Label };
struct ControlRow {
  Kind Type;
  ControlDesign Design;
};

// Later rows lie above earlier ones: the "Data" panel comes before the boxes it holds.
const std::vector<ControlRow>& ControlTable() {
  static const std::vector<ControlRow> table = {
      {Kind::TextBox,
       {.Name = "Text1",
        .Text = QStringLiteral("            Graph View"),
        .Where = {3960, 240, 3255, 420},
        .Style = Look{12, true, QColor(128, 128, 255), {}, {}},
        .AccessibleName = QStringLiteral("Title")}},
      {Kind::Button,
       {.Name = "Command1",
        .Text = QStringLiteral("Rearrange Graph"),
        .Where = {0, 240, 2535, 375},
        .Style = Look{0, false, ui::SystemColour::ActiveBorder, {}, {}}}},
      {Kind::Button,
       {.Name = "Command3",
        .Text = QStringLiteral("View LineID repartitions"),
        .Where = {-120, 720, 2175, 375}}},
      {Kind::Button,
       {.Name = "Command6", .Text = QStringLiteral("MakeLightCycle"), .Where = {8400, 720, 2055, 375}}},
      {Kind::Button,
       {.Name = "Command2",
        .Text = QStringLiteral("MinimumSpanningTree"),
        .Where = {0, 1200, 1815, 375}}},
      {Kind::Button,
       {.Name = "Command4",
        .Text = QStringLiteral("RunTSP(Alg 1)"),
        .Where = {0, 1800, 1575, 375},
        .Style = Look{0, false, QColor(192, 192, 192), {}, {}}}},
      {Kind::Button, {.Name = "Command5", .Text = QStringLiteral("Exit"), .Where = {-120, 2400, 975, 375}}},
      {Kind::Label,
       {.Name = "Label1",
        .Text = QStringLiteral("List of edges for MST"),
        .Where = {240, 7800, 2415, 375},
        .Style = Look{9.75, true, QColor(255, 255, 128), {}, {}}}},
      {Kind::TextBox,
       {.Name = "Text6",
        .Where = {240, 8160, 6975, 495},
        .Style = Look{0, false, ListGrey, {}, {}},
        .AccessibleName = QStringLiteral("List of edges for MST")}},
      {Kind::Label,
       {.Name = "Label2",
        .Text = QStringLiteral(" List of edges for TSP"),
        .Where = {240, 8760, 2415, 495},
        .Style = Look{9.75, true, QColor(128, 128, 255), {}, {}},
        .AccessibleName = QStringLiteral("List of edges for TSP")}},
      {Kind::TextBox,
       {.Name = "Text7",
        .Where = {240, 9240, 6975, 495},
        .Style = Look{0, false, ListGrey, {}, {}},
        .AccessibleName = QStringLiteral("List of edges for TSP")}},
      {Kind::Label,
       {.Name = "Label3",
        .Text = QStringLiteral("List of weights for TSP"),
        .Where = {240, 9960, 2415, 255},
        .Style = Look{9.75, true, QColor(255, 192, 128), {}, {}}}},
      {Kind::TextBox,
       {.Name = "Text8",
        .Where = {240, 10200, 6975, 495},
        .Style = Look{0, false, ListGrey, {}, {}},
        .AccessibleName = QStringLiteral("List of weights for TSP")}},
      {Kind::Label,
       {.Name = "Label7",
        .Text = QStringLiteral("Data"),
        .Where = {7440, 7800, 4575, 3135},
        .Style = Look{12, true, ListGrey, {}, QStringLiteral("Times New Roman")}}},
      {Kind::Label,
       {.Name = "Label5",
        .Text = QStringLiteral("MST Time (s)"),
        .Where = {7800, 8160, 1575, 255},
        .Style = Look{0, false, QColor(255, 255, 0), {}, {}}}},
      {Kind::TextBox,
       {.Name = "Text4",
        .Where = {7800, 8400, 1575, 495},
        .Style = Look{0, false, QColor(255, 255, 128), {}, {}},
        .AccessibleName = QStringLiteral("MST time in seconds")}},
      {Kind::Label,
       {.Name = "Label6",
        .Text = QStringLiteral("TSP time (s)"),
        .Where = {10080, 8160, 1575, 255},
        .Style = Look{0, false, QColor(128, 128, 255), {}, {}}}},
      {Kind::TextBox,
       {.Name = "Text5",
        .Where = {10080, 8400, 1575, 495},
        .Style = Look{0, false, QColor(192, 192, 255), Qt::black, {}},
        .AccessibleName = QStringLiteral("TSP time in seconds")}},
      {Kind::Label,
       {.Name = "Label8",
        .Text = QStringLiteral("Total Time (s)"),
        .Where = {8760, 9120, 1935, 255},
        .Style = Look{0, false, QColor(255, 128, 0), {}, {}}}},
      {Kind::TextBox,
       {.Name = "Text10",
        .Where = {8760, 9360, 1935, 495},
        .Style = Look{0, false, QColor(255, 192, 128), {}, {}},
        .AccessibleName = QStringLiteral("Total time in seconds")}},
      {Kind::Label,
       {.Name = "Label10",
        .Text = QStringLiteral("Weight"),
        .Where = {9120, 10080, 1095, 255},
        .Style = Look{0, false, QColor(0, 255, 0), {}, {}}}},
      {Kind::TextBox,
       {.Name = "Text9",
        .Where = {9120, 10320, 1095, 495},
        .Style = Look{9.75, true, QColor(128, 255, 128), {}, {}},
        .AccessibleName = QStringLiteral("Tour weight")}},
  };
  return table;
}

// The three runs: the button that starts each, the timer that animates it, its colour.
struct RunDesign {
  const char* Button;
  const char* Timer;
  QColor Colour;
};
const std::array<RunDesign, 3> RunDesigns{{
    {"Command2", "Timer1", QColor(255, 128, 0)},
    {"Command4", "Timer2", QColor(0, 255, 0)},
    {"Command6", "Timer3", QColor(255, 255, 0)},
}};

struct TwipPoint {
  int X = 0;
  int Y = 0;
};

// Anchor points of the ten vertices on the ring, in twips. Every coordinate is even, so the
// midpoint of two anchors is a whole number of twips.
constexpr std::array<TwipPoint, MaxVertices> VertexAnchors{{{5640, 1320},
                                                            {8040, 2040},
                                                            {9480, 3240},
                                                            {9240, 5760},
                                                            {7920, 6960},
                                                            {5520, 7320},
                                                            {3360, 6720},
                                                            {1680, 5400},
                                                            {1800, 3360},
                                                            {3600, 1920}}};

// Where each vertex's marker and letter box stand around its anchor.
struct VertexPlace {
  ui::Place Marker;
  ui::Place LetterBox;
};
constexpr std::array<VertexPlace, MaxVertices> VertexPlaces{{
    {{5160, 600, 735, 1095}, {5400, 960, 375, 375}},
    {{7680, 1200, 735, 1095}, {7800, 1560, 375, 375}},
    {{9120, 2640, 735, 1095}, {9240, 3000, 375, 375}},
    {{9000, 5040, 735, 1095}, {9120, 5400, 375, 375}},
    {{7680, 6360, 735, 1095}, {7800, 6720, 375, 375}},
    {{5160, 7080, 735, 1095}, {5400, 7440, 375, 375}},
    {{2760, 6360, 735, 1095}, {3000, 6720, 375, 375}},
    {{1200, 4920, 735, 1095}, {1440, 5280, 375, 375}},
    {{1200, 2640, 735, 1095}, {1320, 3000, 375, 375}},
    {{3000, 1320, 735, 1095}, {3240, 1680, 375, 375}},
}};
constexpr int MarkerDiameter = 735;

QString Letter(int vertex) {
  return QString(QLatin1Char(VertexLetter(vertex)));
}

QByteArray IndexedName(const char* name, int index) {
  return QByteArray(name) + '_' + QByteArray::number(index);
}

// Elapsed seconds as general text with six significant digits; nothing computed shows "0".
QString TimeText(double seconds, std::int16_t iterationCount) {
  return iterationCount > 0 ? QString::number(seconds, 'g', 6) : QStringLiteral("0");
}

}  // namespace

GraphView::GraphView(ui::Services& services)
    : Window(QStringLiteral("Form4"), 12165, 11115, ui::SystemColour::MenuText),
      services_(services) {
  addGraphItems();
  addControls();
}

void GraphView::addGraphItems() {
  canvas_ = new ui::Canvas(this);
  // Items 0..9 are the vertices' anchor points, items 10.. the graph's lines by line id.
  for (int v = 0; v < MaxVertices; ++v) {
    const TwipPoint anchor = VertexAnchors[v];
    canvas_->AddLine(ui::LineItem{anchor.X, anchor.Y, anchor.X, anchor.Y, Qt::black, false});
    canvas_->AddCircle(ui::CircleItem{VertexPlaces[v].Marker, MarkerDiameter, Qt::white, false});
  }
  for (int k = 0; k < BoxCount; ++k) {
    canvas_->AddLine(ui::LineItem{0, 0, 0, 0, ui::SystemColour::Desktop, false});
  }
}

void GraphView::addControls() {
  for (const ControlRow& row : ControlTable()) {
    switch (row.Type) {
      case Kind::TextBox: ui::AddTextBox(this, row.Design); break;
      case Kind::Button: ui::AddButton(this, row.Design); break;
      case Kind::Label: ui::AddLabel(this, row.Design); break;
    }
  }
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
    vertexLetters_[v] = ui::AddTextBox(this, {.Name = IndexedName("Text2", v).constData(),
                                             .Text = Letter(v),
                                             .Where = VertexPlaces[v].LetterBox,
                                             .Style = Look{13.5, true, {}, {}, {}},
                                             .AccessibleName = QStringLiteral("Vertex ") + Letter(v)});
    vertexLetters_[v]->hide();
  }
  for (int k = 0; k < BoxCount; ++k) {
    lineWeights_[k] = ui::AddTextBox(
        this, {.Name = IndexedName("Text3", k).constData(),
               .Text = QStringLiteral("Text3"),
               .Where = {0, 0, 855, WeightBoxHeight},
               .Style = Look{0, false, ui::SystemColour::WindowFrame, QColor(255, 255, 0), {}},
               .AccessibleName = QStringLiteral("Edge weight")});
    lineWeights_[k]->hide();
  }

  for (std::size_t r = 0; r < RunDesigns.size(); ++r) {
    const Run run = static_cast<Run>(r);
    RunControls& controls = runs_[r];
    controls.Button = button(RunDesigns[r].Button);
    // The tree's timer starts out at one second; every run sets the animation's pace.
    controls.Timer = new ui::Timer(this, RunDesigns[r].Timer,
                                   run == Run::SpanningTree ? 1000 : AnimationIntervalMs);
    controls.Colour = RunDesigns[r].Colour;
    connect(controls.Button, &QPushButton::clicked, this, [this, run] { runAlgorithm(run); });
    connect(controls.Timer, &ui::Timer::ticked, this, [this, run] { tick(run); });
  }
  controlsOf(Run::TreeTour).Button->setEnabled(false);

  connect(button("Command1"), &QPushButton::clicked, this, &GraphView::rearrangeRequested);
  connect(button("Command3"), &QPushButton::clicked, this, &GraphView::edgeIdsRequested);
  connect(button("Command5"), &QPushButton::clicked, this, &GraphView::exitRequested);
}

void GraphView::loadGraph(const Drawing& drawing, std::int16_t iterationCount) {
  drawing_ = drawing;
  iterationCount_ = iterationCount;
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
    ui::SetPlace(weight, {(from.X + to.X) / 2, (from.Y + to.Y) / 2, WeightBoxWidth, WeightBoxHeight});
    weight->setAccessibleName(
        QStringLiteral("Weight of edge %1--%2").arg(Letter(drawn.From), Letter(drawn.To)));
    weight->show();
  }
  canvas_->Changed();
}

void GraphView::stopAnimationsExcept(Run run) {
  for (std::size_t r = 0; r < runs_.size(); ++r) {
    if (static_cast<Run>(r) != run) runs_[r].Timer->SetEnabled(false);
  }
}

void GraphView::runAlgorithm(Run run) {
  stopAnimationsExcept(run);
  animation_ = computeRun(run);
  playing_ = run;
  played_ = 0;
  RunControls& controls = controlsOf(run);
  controls.Timer->setInterval(AnimationIntervalMs);
  controls.Timer->SetEnabled(true);
}

Animation GraphView::computeRun(Run run) {
  // Without a graph every run computes nothing and ends at its first tick.
  const Drawing drawing = drawing_.value_or(Drawing{});
  const bool hasGraph = drawing_.has_value();
  const int times = hasGraph ? iterationCount_ : 0;
  const double start = services_.Time.Seconds();
  switch (run) {
    case Run::SpanningTree: {
      if (auto tree = Repeat(times, [&] { return BuildSpanningTree(drawing); })) tree_ = *tree;
      lastRunSeconds_ = services_.Time.Seconds() - start;
      treeTime_->setText(TimeText(lastRunSeconds_, times));
      controlsOf(Run::TreeTour).Button->setEnabled(true);
      return TreeAnimation(times > 0 ? tree_ : std::nullopt);
    }
    case Run::TreeTour: {
      const SpanningTree tree = tree_.value_or(SpanningTree{});
      const auto tour = Repeat(times, [&] { return TreeTour(tree); });
      const double seconds = services_.Time.Seconds() - start;
      // Every repetition starts the edge list afresh; the box follows once, outside the timing.
      if (times > 0) tourEdges_->clear();
      tourTime_->setText(TimeText(seconds, times));
      totalTime_->setText(TimeText(seconds + lastRunSeconds_, times));
      return TourAnimation(drawing, tour);
    }
    case Run::LightCycle: {
      const auto cycle = Repeat(times, [&] { return BuildLightCycle(drawing); });
      lastRunSeconds_ = services_.Time.Seconds() - start;
      if (times > 0) tourEdges_->clear();
      totalTime_->setText(TimeText(lastRunSeconds_, times));
      return TourAnimation(drawing, cycle ? std::optional<Tour>(cycle->Best()) : std::nullopt);
    }
  }
  return {};
}

// An animation waits while any message box is open: its end would open a second box over the
// first one (an input message of the matrix editor, say).
void GraphView::tick(Run run) {
  if (services_.Messages.IsOpen() || run != playing_) return;
  RunControls& controls = controlsOf(run);
  if (played_ == 0) {
    if (animation_.IsTour) {
      tourEdges_->clear();
      tourWeights_->clear();
    } else {
      treeEdges_->clear();
    }
  }
  if (played_ < static_cast<int>(animation_.Steps.size())) {
    const AnimationStep& step = animation_.Steps[played_++];
    if (step.LineId >= 0) {
      graphLine(step.LineId).BorderColour = controls.Colour;
      canvas_->Changed();
    }
    showPlayedTexts();
    return;
  }
  // Off before the box opens: the box runs a nested event loop in which the timer would fire
  // again and open a second box.
  controls.Timer->SetEnabled(false);
  showPlayedTexts();
  services_.Messages.Show(QString::fromLatin1(animation_.EndMessage));
  if (animation_.IsTour) {
    tourWeight_->setText(QString::fromStdString(IntText(TextsAfter(animation_, played_).Weight)));
  }
}

void GraphView::showPlayedTexts() {
  const PlayedTexts texts = TextsAfter(animation_, played_);
  if (animation_.IsTour) {
    tourEdges_->setText(QString::fromStdString(texts.Edges));
    tourWeights_->setText(QString::fromStdString(texts.Weights));
  } else {
    treeEdges_->setText(QString::fromStdString(texts.Edges));
  }
}

}  // namespace tsp
