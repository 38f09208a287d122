#include "windows/graph_view_layout.h"

namespace tsp::graph_view_layout {

using ui::Look;

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
       {.Name = "Command6",
        .Text = QStringLiteral("MakeLightCycle"),
        .Where = {8400, 720, 2055, 375}}},
      {Kind::Button,
       {.Name = "Command2",
        .Text = QStringLiteral("MinimumSpanningTree"),
        .Where = {0, 1200, 1815, 375}}},
      {Kind::Button,
       {.Name = "Command4",
        .Text = QStringLiteral("RunTSP(Alg 1)"),
        .Where = {0, 1800, 1575, 375},
        .Style = Look{0, false, QColor(192, 192, 192), {}, {}}}},
      {Kind::Button,
       {.Name = "Command5", .Text = QStringLiteral("Exit"), .Where = {-120, 2400, 975, 375}}},
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

const std::vector<ControlRow>& StripTable() {
  static const std::vector<ControlRow> table = {
      {Kind::Button,
       {.Name = "OptimumButton",
        .Text = QStringLiteral("Optimum"),
        .Where = {240, StripTop, 1335, 375},
        .Style = Look{0, false, QColor(255, 128, 255), {}, {}}}},
      {Kind::Button,
       {.Name = "CompareButton",
        .Text = QStringLiteral("Compare\u2026"),
        .Where = {1680, StripTop, 1335, 375},
        .AccessibleName = QStringLiteral("Compare")}},
      {Kind::Button,
       {.Name = "ExportButton",
        .Text = QStringLiteral("Export\u2026"),
        .Where = {3120, StripTop, 1335, 375},
        .AccessibleName = QStringLiteral("Export")}},
  };
  return table;
}

const std::vector<ControlRow>& PracticeTable() {
  static const std::vector<ControlRow> table = {
      {Kind::Button,
       {.Name = "CheckButton", .Text = QStringLiteral("Check"), .Where = {9960, 3960, 975, 375}}},
      {Kind::Button,
       {.Name = "RevealButton",
        .Text = QStringLiteral("Reveal"),
        .Where = {11040, 3960, 975, 375}}},
      {Kind::TextBox,
       {.Name = "ScoreLine",
        .Where = {9120, 6360, 2895, 375},
        .Style = Look{0, false, ListGrey, {}, {}},
        .AccessibleName = QStringLiteral("Practice score")}},
  };
  return table;
}

ui::Canvas* AddRing(QWidget* parent) {
  auto* canvas = new ui::Canvas(parent);
  for (int v = 0; v < MaxVertices; ++v) {
    const ring::TwipPoint anchor = ring::Anchors[v];
    canvas->AddLine(ui::LineItem{anchor.X, anchor.Y, anchor.X, anchor.Y, Qt::black, false});
    canvas->AddCircle(
        ui::CircleItem{ring::Places[v].Marker, ring::MarkerDiameter, Qt::white, false});
  }
  for (int k = 0; k < BoxCount; ++k) canvas->AddLine(ui::LineItem{0, 0, 0, 0, LinePlain, false});
  return canvas;
}

QLineEdit* AddControl(QWidget* parent, const ControlRow& row) {
  switch (row.Type) {
    case Kind::TextBox:
      return ui::AddTextBox(parent, row.Design);
    case Kind::Button:
      ui::AddButton(parent, row.Design);
      break;
    case Kind::Label:
      ui::AddLabel(parent, row.Design);
      break;
  }
  return nullptr;
}

}  // namespace tsp::graph_view_layout
