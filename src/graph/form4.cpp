#include "graph/form4.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "app/screens.h"
#include "entry/form2.h"
#include "entry/form3.h"
#include "entry/number_text.h"
#include "graph/edge_lists.h"
#include "graph/form5.h"
#include "graph/graph_build.h"
#include "mst/spanning_tree_run.h"
#include "tour/light_cycle.h"
#include "tour/tour_search.h"
#include "ui/geometry.h"

namespace tsp {

using ui::ControlDesign;
using ui::Look;

namespace {

const QColor TreeOrange(255, 128, 0);
const QColor TourGreen(0, 255, 0);
const QColor CycleYellow(255, 255, 0);
const QColor ListGrey(224, 224, 224);
constexpr int AnimationIntervalMs = 500;
constexpr int WeightBoxHeight = 285;

struct ControlRow {
  std::variant<QLineEdit * Form4::*, QPushButton * Form4::*, QLabel * Form4::*> Member;
  ControlDesign Design;
};

// Later rows lie above earlier ones: the "Data" panel comes before the boxes it holds.
const std::vector<ControlRow>& ControlTable() {
  static const std::vector<ControlRow> table = {
      {&Form4::Text1,
       {"Text1",
        QStringLiteral("            Graph View"),
        {3960, 240, 3255, 420},
        Look{12, true, QColor(128, 128, 255), {}, {}},
        QStringLiteral("Title")}},
      {&Form4::Command1,
       {"Command1",
        QStringLiteral("Rearrange Graph"),
        {0, 240, 2535, 375},
        Look{0, false, ui::SystemColour::ActiveBorder, {}, {}},
        {}}},
      {&Form4::Command3,
       {"Command3", QStringLiteral("View LineID repartitions"), {-120, 720, 2175, 375}, {}, {}}},
      {&Form4::Command6,
       {"Command6", QStringLiteral("MakeLightCycle"), {8400, 720, 2055, 375}, {}, {}}},
      {&Form4::Command2,
       {"Command2", QStringLiteral("MinimumSpanningTree"), {0, 1200, 1815, 375}, {}, {}}},
      {&Form4::Command4,
       {"Command4",
        QStringLiteral("RunTSP(Alg 1)"),
        {0, 1800, 1575, 375},
        Look{0, false, QColor(192, 192, 192), {}, {}},
        {}}},
      {&Form4::Command5, {"Command5", QStringLiteral("Exit"), {-120, 2400, 975, 375}, {}, {}}},
      {&Form4::Label1,
       {"Label1",
        QStringLiteral("List of edges for MST"),
        {240, 7800, 2415, 375},
        Look{9.75, true, QColor(255, 255, 128), {}, {}},
        {}}},
      {&Form4::Text6,
       {"Text6",
        QString(),
        {240, 8160, 6975, 495},
        Look{0, false, ListGrey, {}, {}},
        QStringLiteral("List of edges for MST")}},
      {&Form4::Label2,
       {"Label2",
        QStringLiteral(" List of edges for TSP"),
        {240, 8760, 2415, 495},
        Look{9.75, true, QColor(128, 128, 255), {}, {}},
        QStringLiteral("List of edges for TSP")}},
      {&Form4::Text7,
       {"Text7",
        QString(),
        {240, 9240, 6975, 495},
        Look{0, false, ListGrey, {}, {}},
        QStringLiteral("List of edges for TSP")}},
      {&Form4::Label3,
       {"Label3",
        QStringLiteral("List of weights for TSP"),
        {240, 9960, 2415, 255},
        Look{9.75, true, QColor(255, 192, 128), {}, {}},
        {}}},
      {&Form4::Text8,
       {"Text8",
        QString(),
        {240, 10200, 6975, 495},
        Look{0, false, ListGrey, {}, {}},
        QStringLiteral("List of weights for TSP")}},
      {&Form4::Label7,
       {"Label7",
        QStringLiteral("Data"),
        {7440, 7800, 4575, 3135},
        Look{12, true, ListGrey, {}, QStringLiteral("Times New Roman")},
        {}}},
      {&Form4::Label5,
       {"Label5",
        QStringLiteral("MST Time (s)"),
        {7800, 8160, 1575, 255},
        Look{0, false, QColor(255, 255, 0), {}, {}},
        {}}},
      {&Form4::Text4,
       {"Text4",
        QString(),
        {7800, 8400, 1575, 495},
        Look{0, false, QColor(255, 255, 128), {}, {}},
        QStringLiteral("MST time in seconds")}},
      {&Form4::Label6,
       {"Label6",
        QStringLiteral("TSP time (s)"),
        {10080, 8160, 1575, 255},
        Look{0, false, QColor(128, 128, 255), {}, {}},
        {}}},
      {&Form4::Text5,
       {"Text5",
        QString(),
        {10080, 8400, 1575, 495},
        Look{0, false, QColor(192, 192, 255), Qt::black, {}},
        QStringLiteral("TSP time in seconds")}},
      {&Form4::Label8,
       {"Label8",
        QStringLiteral("Total Time (s)"),
        {8760, 9120, 1935, 255},
        Look{0, false, QColor(255, 128, 0), {}, {}},
        {}}},
      {&Form4::Text10,
       {"Text10",
        QString(),
        {8760, 9360, 1935, 495},
        Look{0, false, QColor(255, 192, 128), {}, {}},
        QStringLiteral("Total time in seconds")}},
      {&Form4::Label10,
       {"Label10",
        QStringLiteral("Weight"),
        {9120, 10080, 1095, 255},
        Look{0, false, QColor(0, 255, 0), {}, {}},
        {}}},
      {&Form4::Text9,
       {"Text9",
        QString(),
        {9120, 10320, 1095, 495},
        Look{9.75, true, QColor(128, 255, 128), {}, {}},
        QStringLiteral("Tour weight")}},
  };
  return table;
}

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

std::string ArrayName(const char* name, int index) {
  return std::string(name) + "_" + std::to_string(index);
}

QString Letter(int vertex) {
  std::string letter;
  VertexLetter(vertex, letter);
  return QString::fromStdString(letter);
}

// Elapsed seconds as general text with six significant digits; zero shows as "0".
QString TimeText(double seconds) {
  return QString::number(seconds, 'g', 6);
}

// The matrix editor writes both counts as whole numbers; the fallback reads any leading number.
std::optional<std::int16_t> CountOf(const QLineEdit* box) {
  const std::string text = box->text().toStdString();
  if (auto whole = WholeNumber(text)) return whole;
  return ToInt16(NumericValue(text));
}

}  // namespace

Form4::Form4(Screens& screens)
    : Form(QStringLiteral("Form4"), 12165, 11115, ui::SystemColour::MenuText), screens_(screens) {
  canvas_ = new ui::Canvas(this);
  for (int v = 0; v < MaxVertices; ++v) {
    const TwipPoint anchor = VertexAnchors[v];
    canvas_->AddLine(ui::LineItem{anchor.X, anchor.Y, anchor.X, anchor.Y, Qt::black, false});
    canvas_->AddCircle(ui::CircleItem{VertexPlaces[v].Marker, MarkerDiameter, Qt::white, false});
  }
  for (int k = 0; k < BoxCount; ++k) {
    canvas_->AddLine(ui::LineItem{0, 0, 0, 0, ui::SystemColour::Desktop, false});
  }

  for (const ControlRow& row : ControlTable()) {
    std::visit(
        [this, &row](auto member) {
          using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
          if constexpr (std::is_same_v<Widget, QLineEdit>) {
            this->*member = ui::AddTextBox(this, row.Design);
          } else if constexpr (std::is_same_v<Widget, QPushButton>) {
            this->*member = ui::AddButton(this, row.Design);
          } else {
            this->*member = ui::AddLabel(this, row.Design);
          }
        },
        row.Member);
  }
  Command4->setEnabled(false);

  for (int v = 0; v < MaxVertices; ++v) {
    const std::string name = ArrayName("Text2", v);
    Text2[v] = ui::AddTextBox(
        this, ControlDesign{name.c_str(), Letter(v), VertexPlaces[v].LetterBox,
                            Look{13.5, true, {}, {}, {}}, QStringLiteral("Vertex ") + Letter(v)});
    Text2[v]->hide();
  }
  for (int k = 0; k < BoxCount; ++k) {
    const std::string name = ArrayName("Text3", k);
    Text3[k] = ui::AddTextBox(
        this, ControlDesign{name.c_str(),
                            QStringLiteral("Text3"),
                            {0, 0, 855, WeightBoxHeight},
                            Look{0, false, ui::SystemColour::WindowFrame, QColor(255, 255, 0), {}},
                            QStringLiteral("Edge weight")});
    Text3[k]->hide();
  }

  Timer1 = new ui::Timer(this, "Timer1", 1000);
  Timer2 = new ui::Timer(this, "Timer2", AnimationIntervalMs);
  Timer3 = new ui::Timer(this, "Timer3", AnimationIntervalMs);

  connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
  connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
  connect(Command6, &QPushButton::clicked, this, &Form4::Command6_Click);
  connect(Timer1, &QTimer::timeout, this, &Form4::Timer1_Timer);
  connect(Timer2, &QTimer::timeout, this, &Form4::Timer2_Timer);
  connect(Timer3, &QTimer::timeout, this, &Form4::Timer3_Timer);
}

void Form4::LoadGraphView() {
  for (int v = 0; v < MaxVertices; ++v) {
    Shape2(v).Visible = false;
    Line2(v).Visible = false;
    Text2[v]->hide();
  }
  for (int k = 0; k < BoxCount; ++k) {
    Line1(k).Visible = false;
    Text3[k]->hide();
  }
  canvas_->Changed();

  // The graph view only ever opens from a validated matrix editor; without one it stays empty
  // rather than read boxes that nobody checked.
  Form3* editor = screens_.MatrixEditor().Get();
  if (editor == nullptr) return;
  const auto vertexCount = CountOf(editor->Text23);
  if (!vertexCount || *vertexCount < 1 || *vertexCount > MaxVertices) return;

  GraphState& graph = screens_.Graph();
  graph.VertexCount = *vertexCount;
  graph.IterationCount = CountOf(editor->Text24).value_or(0);
  for (int v = 0; v < graph.VertexCount; ++v) {
    Shape2(v).Visible = true;
    Text2[v]->show();
  }
  BuildGraph();
}

void Form4::BuildGraph() {
  Form3& editor = *screens_.MatrixEditor().Get();
  GraphState& graph = screens_.Graph();
  MatrixBoxes boxes;
  for (int i = 0; i < BoxCount; ++i) {
    boxes.White[i] = editor.Text1[i]->text().toStdString();
    boxes.Red[i] = editor.Text2[i]->text().toStdString();
  }
  std::array<DrawnEdge, BoxCount> edges{};
  LoadGraphState(graph, graph.VertexCount, graph.IterationCount, boxes, edges);

  for (int i = 0; i < BoxCount; ++i) {
    const QString white = QString::fromStdString(boxes.White[i]);
    if (editor.Text1[i]->text() != white) editor.Text1[i]->setText(white);
  }

  for (int k = 0; k < graph.EdgeCount; ++k) {
    const DrawnEdge edge = edges[k];
    ui::LineItem& line = Line1(k);
    line.X1 = Line2(edge.Row).X1;
    line.Y1 = Line2(edge.Row).Y1;
    line.X2 = Line2(edge.Column).X1;
    line.Y2 = Line2(edge.Column).Y1;
    line.Visible = true;

    const TwipPoint at = WeightBoxPosition(edge.Row, edge.Column);
    Text3[k]->setText(editor.Text2[BoxIndex(edge.Row, edge.Column)]->text());
    ui::SetPlace(Text3[k], {at.X, at.Y, WeightBoxWidth, WeightBoxHeight});
    Text3[k]->setAccessibleName(
        QStringLiteral("Weight of edge %1--%2").arg(Letter(edge.Row), Letter(edge.Column)));
    Text3[k]->show();
  }
  canvas_->Changed();

  if (Form5* grid = screens_.EdgeIdView().Get()) grid->FillGrid();
}

void Form4::Command1_Click() {
  screens_.GraphView().Unload();
  if (screens_.MatrixEditor().IsLoaded()) {
    screens_.MatrixEditor().Show();
  } else {
    screens_.VertexCountScreen().Show();
  }
}

void Form4::Command3_Click() {
  screens_.EdgeIdView().Show();
}

void Form4::Command5_Click() {
  screens_.GraphView().Unload();
  screens_.MatrixEditor().Unload();
}

void Form4::StopTimersExcept(const ui::Timer* keep) {
  for (ui::Timer* timer : {Timer1, Timer2, Timer3}) {
    if (timer != keep) timer->SetEnabled(false);
  }
}

void Form4::Command2_Click() {
  StopTimersExcept(Timer1);
  GraphState& graph = screens_.Graph();
  ui::Clock& clock = screens_.Services().Time;
  graph.RunStartTime = clock.Seconds();
  RunSpanningTreeRepetitions(graph);
  graph.RunTime1 = clock.Seconds() - graph.RunStartTime;

  Text4->setText(TimeText(graph.RunTime1));
  Command4->setEnabled(true);
  Timer1->setInterval(AnimationIntervalMs);
  Timer1->SetEnabled(true);
  graph.AnimationStep = 0;
}

void Form4::Command4_Click() {
  StopTimersExcept(Timer2);
  GraphState& graph = screens_.Graph();
  ui::Clock& clock = screens_.Services().Time;
  graph.RunStartTime = clock.Seconds();
  RunTourRepetitions(graph);
  graph.TspTime = clock.Seconds() - graph.RunStartTime;

  // Every repetition starts the edge list afresh; the box follows once, outside the timing.
  if (graph.IterationCount > 0) Text7->clear();
  Text5->setText(TimeText(graph.TspTime));
  Text10->setText(TimeText(graph.TspTime + graph.RunTime1));
  Timer2->setInterval(AnimationIntervalMs);
  Timer2->SetEnabled(true);
  graph.AnimationStep = 0;
  graph.TourWeight = 0;
}

void Form4::Command6_Click() {
  StopTimersExcept(Timer3);
  GraphState& graph = screens_.Graph();
  ui::Clock& clock = screens_.Services().Time;
  graph.RunStartTime = clock.Seconds();
  RunLightCycleRepetitions(graph);
  graph.RunTime1 = clock.Seconds() - graph.RunStartTime;

  if (graph.IterationCount > 0) Text7->clear();
  Text10->setText(TimeText(graph.RunTime1));
  Timer3->setInterval(AnimationIntervalMs);
  Timer3->SetEnabled(true);
  graph.AnimationStep = 0;
  graph.TourWeight = 0;
}

// An animation waits while any message box is open: its end would open a second box over the
// first one (an input message of the matrix editor, say).
void Form4::Timer1_Timer() {
  if (screens_.Services().Messages.IsOpen()) return;
  ApplyTick(MstAnimationTick(screens_.Graph()), Timer1, TreeOrange, false);
}

void Form4::Timer2_Timer() {
  if (screens_.Services().Messages.IsOpen()) return;
  ApplyTick(TourAnimationTick(screens_.Graph()), Timer2, TourGreen, true);
}

void Form4::Timer3_Timer() {
  if (screens_.Services().Messages.IsOpen()) return;
  ApplyTick(TourAnimationTick(screens_.Graph()), Timer3, CycleYellow, true);
}

void Form4::ApplyTick(const AnimationTick& tick, ui::Timer* timer, const QColor& colour,
                      bool tourBoxes) {
  const GraphState& graph = screens_.Graph();
  // Off before the box opens: the box runs a nested event loop in which the timer would fire
  // again and open a second box.
  if (tick.EndMessage != nullptr) timer->SetEnabled(false);
  if (tick.ClearLists) {
    if (tourBoxes) {
      Text7->clear();
      Text8->clear();
    } else {
      Text6->clear();
    }
  }
  if (tick.ColourLine >= 0 && tick.ColourLine < BoxCount) {
    Line1(tick.ColourLine).BorderColour = colour;
    canvas_->Changed();
  }
  if (tourBoxes) {
    Text7->setText(QString::fromStdString(graph.EdgeListText));
    Text8->setText(QString::fromStdString(graph.WeightListText));
  } else {
    Text6->setText(QString::fromStdString(graph.EdgeListText));
  }
  if (tick.ShowTourWeight) Text9->setText(QString::fromStdString(IntText(graph.TourWeight)));
  if (tick.EndMessage != nullptr) {
    screens_.Services().Messages.Show(QString::fromLatin1(tick.EndMessage));
  }
}

}  // namespace tsp
