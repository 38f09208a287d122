#include "windows/edge_id_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "core/text/number_text.h"
#include "ui/geometry.h"
#include "windows/vertex_text.h"

namespace tsp {

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
  return RowTops[BoxRow(cell)];
}

// The header of column A stands over its cells; the others stand 120 twips further right.
int ColumnHeaderLeft(int column) {
  return column == 0 ? CellLeft : CellLeft + 120 + CellPitch * column;
}

}  // namespace

EdgeIdView::EdgeIdView()
    : Window(QStringLiteral("Form5"), 10905, 10815, ui::SystemColour::MenuText) {
  const Look header{13.5, true, HeaderBlue, {}, {}};
  QLineEdit* title = ui::AddTextBox(this, {.Name = "Title",
                                           .Text = QStringLiteral("Viewing the line Id"),
                                           .Where = {3000, 0, 2775, 480},
                                           .Style = Look{13.5, true, MarkedRed, {}, {}}});
  // The caption is wider than its box at this size; show its beginning.
  title->setCursorPosition(0);
  for (int c = 0; c < MaxVertices; ++c) {
    ui::AddTextBox(this, {.Name = ui::IndexedName("Text2", 10 + c).constData(),
                          .Text = VertexText(c),
                          .Where = {ColumnHeaderLeft(c), 600, 615, 375},
                          .Style = header,
                          .AccessibleName = QStringLiteral("Column ") + VertexText(c)});
  }
  for (int r = 0; r < MaxVertices; ++r) {
    ui::AddTextBox(this, {.Name = ui::IndexedName("Text2", r).constData(),
                          .Text = VertexText(r),
                          .Where = {r == 9 ? 120 : 240, RowHeaderTops[r], 615, r == 0 ? 375 : 480},
                          .Style = header,
                          .AccessibleName = QStringLiteral("Row ") + VertexText(r)});
  }
  for (int cell = 0; cell < BoxCount; ++cell) {
    const int left = CellLeft + CellPitch * BoxColumn(cell);
    const QString edge = VertexText(BoxRow(cell)) + VertexText(BoxColumn(cell));
    lineIds_[cell] = ui::AddTextBox(this, {.Name = ui::IndexedName("Text1", cell).constData(),
                                           .Text = QStringLiteral("-1"),
                                           .Where = {left, LineIdTop(cell), 735, 375},
                                           .AccessibleName = QStringLiteral("Line id of ") + edge});
    weights_[cell] =
        ui::AddTextBox(this, {.Name = ui::IndexedName("Text3", cell).constData(),
                              .Text = QStringLiteral("0"),
                              .Where = {left, RowTops[BoxRow(cell)] + WeightOffset, 735, 285},
                              .Style = Look{0, false, WeightYellow, {}, {}},
                              .AccessibleName = QStringLiteral("Weight of ") + edge});
  }
  QPushButton* back = ui::AddButton(this, {.Name = "Command1",
                                           .Text = QStringLiteral("Return to Graph"),
                                           .Where = {4200, 10080, 2295, 615}});
  connect(back, &QPushButton::clicked, this, &EdgeIdView::returnRequested);
}

void EdgeIdView::showDrawing(const Drawing* drawing) {
  const QColor plain = QApplication::palette(lineIds_[0]).color(QPalette::Base);
  for (int cell = 0; cell < BoxCount; ++cell) {
    lineIds_[cell]->setText(QStringLiteral("-1"));
    ui::SetBackground(lineIds_[cell], plain);
    weights_[cell]->setText(QStringLiteral("0"));
  }
  if (drawing == nullptr) return;
  for (std::size_t k = 0; k < drawing->Lines().size(); ++k) {
    const DrawnLine& line = drawing->Lines()[k];
    const int cell = BoxIndex(line.From, line.To);
    lineIds_[cell]->setText(QString::number(k));
    ui::SetBackground(lineIds_[cell], MarkedRed);
    weights_[cell]->setText(QString::fromStdString(line.WeightText));
  }
}

}  // namespace tsp
