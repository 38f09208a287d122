#include "graph/form5.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "app/screens.h"
#include "entry/form2.h"
#include "entry/form3.h"
#include "entry/number_text.h"
#include "graph/edge_lists.h"
#include "graph/form4.h"
#include "ui/geometry.h"

namespace tsp {

using ui::ControlDesign;
using ui::Look;

namespace {

const QColor HeaderBlue(128, 128, 255);
const QColor MarkedRed(255, 128, 128);
const QColor WeightYellow(255, 255, 128);

constexpr std::array<int, 10> RowTops{960, 1800, 2760, 3600, 4440, 5400, 6240, 7200, 8160, 9000};
constexpr std::array<int, 10> RowHeaderTops{960,  1746, 2637, 3528, 4419,
                                            5310, 6201, 7092, 7983, 8880};
constexpr int CellLeft = 1080;
constexpr int CellPitch = 960;
constexpr int WeightOffset = 360;

// Two line-id cells stood a few twips off the grid at design time.
int LineIdTop(int cell) {
  if (cell == 20) return 2746;
  if (cell == 70) return 7211;
  return RowTops[cell / 10];
}

QString Letter(int vertex) {
  std::string letter;
  VertexLetter(vertex, letter);
  return QString::fromStdString(letter);
}

std::string ArrayName(const char* name, int index) {
  return std::string(name) + "_" + std::to_string(index);
}

}  // namespace

Form5::Form5(Screens& screens)
    : Form(QStringLiteral("Form5"), 10905, 10815, ui::SystemColour::MenuText), screens_(screens) {
  const Look header{13.5, true, HeaderBlue, {}, {}};
  Title = ui::AddTextBox(this, ControlDesign{"Title",
                                             QStringLiteral("Viewing the line Id"),
                                             {3000, 0, 2775, 480},
                                             Look{13.5, true, MarkedRed, {}, {}},
                                             {}});
  // The caption is wider than its box at this size; show its beginning.
  Title->setCursorPosition(0);
  for (int c = 0; c < 10; ++c) {
    const std::string name = ArrayName("Text2", 10 + c);
    Text2[10 + c] = ui::AddTextBox(this, ControlDesign{name.c_str(),
                                                       Letter(c),
                                                       {CellLeft + CellPitch * c, 600, 615, 375},
                                                       header,
                                                       QStringLiteral("Column ") + Letter(c)});
  }
  for (int r = 0; r < 10; ++r) {
    const std::string name = ArrayName("Text2", r);
    Text2[r] = ui::AddTextBox(
        this, ControlDesign{name.c_str(),
                            Letter(r),
                            {r == 9 ? 120 : 240, RowHeaderTops[r], 615, r == 0 ? 375 : 480},
                            header,
                            QStringLiteral("Row ") + Letter(r)});
  }
  for (int cell = 0; cell < 100; ++cell) {
    const int r = cell / 10;
    const int c = cell % 10;
    const int left = CellLeft + CellPitch * c;
    const QString edge = Letter(r) + Letter(c);
    const std::string idName = ArrayName("Text1", cell);
    Text1[cell] = ui::AddTextBox(this, ControlDesign{idName.c_str(),
                                                     QStringLiteral("-1"),
                                                     {left, LineIdTop(cell), 735, 375},
                                                     {},
                                                     QStringLiteral("Line id of ") + edge});
    const std::string weightName = ArrayName("Text3", cell);
    Text3[cell] = ui::AddTextBox(this, ControlDesign{weightName.c_str(),
                                                     QStringLiteral("0"),
                                                     {left, RowTops[r] + WeightOffset, 735, 285},
                                                     Look{0, false, WeightYellow, {}, {}},
                                                     QStringLiteral("Weight of ") + edge});
  }
  Command1 = ui::AddButton(
      this, ControlDesign{
                "Command1", QStringLiteral("Return to Graph"), {4200, 10080, 2295, 615}, {}, {}});
  connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::FillGrid() {
  const EdgeGridCell empty;
  const QColor plain = QApplication::palette(Text1[0]).color(QPalette::Base);
  for (int cell = 0; cell < 100; ++cell) {
    const EdgeGridCell& shown = screens_.HasGraph() ? screens_.Graph().EdgeGrid[cell] : empty;
    Text1[cell]->setText(QString::fromStdString(IntText(shown.LineId)));
    ui::SetBackground(Text1[cell], shown.Marked ? MarkedRed : plain);
    Text3[cell]->setText(QString::fromStdString(shown.WeightText));
  }
}

void Form5::Command1_Click() {
  if (screens_.GraphView().IsLoaded()) {
    screens_.GraphView().Show();
    screens_.EdgeIdView().Unload();
    return;
  }
  // The graph view is gone: back to the matrix editor rather than load a graph view from boxes
  // that were never validated.
  screens_.EdgeIdView().Unload();
  if (screens_.MatrixEditor().IsLoaded()) {
    screens_.MatrixEditor().Show();
  } else {
    screens_.VertexCountScreen().Show();
  }
}

}  // namespace tsp
