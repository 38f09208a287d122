#include "entry/form3.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "app/screens.h"
#include "entry/form2.h"
#include "entry/number_text.h"
#include "graph/form4.h"
#include "ui/geometry.h"

namespace tsp {

using ui::ControlDesign;
using ui::Look;
using ui::Place;

namespace {

const QColor WhiteBoxColour(255, 255, 255);
const QColor RedBoxColour(255, 128, 128);
const QColor WhiteFaultColour(255, 255, 0);
const QColor RedFaultColour(255, 0, 0);

const Look WhiteBoxLook{13.5, true, WhiteBoxColour, {}, {}};
const Look RedBoxLook{0, false, RedBoxColour, {}, {}};
const Look ColumnHeaderLook{13.5, true, QColor(128, 255, 128), {}, {}};
const Look RowHeaderLook{13.5, true, QColor(128, 128, 255), {}, {}};

QString Letter(int vertex) {
  return QString(QChar(u'A' + vertex));
}

QString CellText(int index) {
  return Letter(index / 10) + QStringLiteral(" to ") + Letter(index % 10);
}

QLineEdit* AddBox(QWidget* parent, const QString& name, const QString& text, const Place& where,
                  const Look& look, const QString& accessibleName) {
  const QByteArray latinName = name.toLatin1();
  return ui::AddTextBox(parent,
                        ControlDesign{latinName.constData(), text, where, look, accessibleName});
}

QString DecimalText(std::int16_t value) {
  return QString::fromStdString(IntText(value));
}

// The vertex-count screen lets no count outside 16 bits through; should one arrive anyway it
// saturates instead of failing.
std::int16_t Stored16(double value) {
  if (const auto converted = ToInt16(value)) return *converted;
  return value < 0 ? std::numeric_limits<std::int16_t>::min()
                   : std::numeric_limits<std::int16_t>::max();
}

}  // namespace

void Form3::AddWhiteBox(int index) {
  Text1[index] = AddBox(this, QStringLiteral("Text1_%1").arg(index), QStringLiteral("0"),
                        Place{600 + 960 * (index % 10), 960 + 840 * (index / 10), 735, 495},
                        WhiteBoxLook, QStringLiteral("Adjacency ") + CellText(index));
}

void Form3::AddRedBox(int index) {
  Text2[index] = AddBox(this, QStringLiteral("Text2_%1").arg(index), QStringLiteral("1"),
                        Place{600 + 960 * (index % 10), 1320 + 840 * (index / 10), 735, 285},
                        RedBoxLook, QStringLiteral("Weight ") + CellText(index));
}

// Controls are created in focus order, which Qt's tab chain follows. Every red box comes after
// the white box whose lower edge it overlaps, so it lies on top.
Form3::Form3(Screens& screens)
    : Form(QStringLiteral("Form3"), 10770, 10485, Qt::black), screens_(screens) {
  const auto addWhites = [this](int first, int last) {
    for (int i = first; i <= last; ++i) AddWhiteBox(i);
  };
  const auto addReds = [this](int first, int last) {
    for (int i = first; i <= last; ++i) AddRedBox(i);
  };
  // The first two rows interleave: the red boxes of row 0 follow the eighth white box of row 1.
  addWhites(0, 17);
  addReds(0, 9);
  addWhites(18, 19);
  addReds(10, 19);
  for (int row = 2; row < 10; ++row) {
    addWhites(10 * row, 10 * row + 9);
    addReds(10 * row, 10 * row + 9);
  }

  for (int row = 0; row < 10; ++row) {
    RowHeaders[row] = AddBox(this, QStringLiteral("Text%1").arg(3 + row), Letter(row),
                             Place{120, 960 + 840 * row, 375, 495}, RowHeaderLook,
                             QStringLiteral("Row ") + Letter(row));
  }
  Command1 = ui::AddButton(this, ControlDesign{"Command1",
                                               QStringLiteral("View Resulting Graph"),
                                               {4200, 9840, 2055, 375},
                                               Look{0, false, QColor(255, 255, 0), {}, {}},
                                               {}});
  for (int column = 0; column < 10; ++column) {
    ColumnHeaders[column] = AddBox(this, QStringLiteral("Text%1").arg(13 + column), Letter(column),
                                   Place{600 + 960 * column, 480, 735, 405}, ColumnHeaderLook,
                                   QStringLiteral("Column ") + Letter(column));
  }
  Command2 = ui::AddButton(
      this,
      ControlDesign{
          "Command2", QStringLiteral("Reset number of vertices"), {1080, 9840, 2295, 375}, {}, {}});
  Text23 = ui::AddTextBox(this, ControlDesign{"Text23",
                                              QStringLiteral("Text23"),
                                              {10200, 360, 495, 285},
                                              {},
                                              QStringLiteral("Vertex count")});
  Command3 = ui::AddButton(
      this, ControlDesign{"Command3", QStringLiteral("Exit"), {7320, 9840, 1815, 375}, {}, {}});
  Command4 = ui::AddButton(
      this,
      ControlDesign{"Command4", QStringLiteral("Fill Graph up"), {3720, 9480, 1575, 255}, {}, {}});
  Text24 = ui::AddTextBox(this, ControlDesign{"Text24",
                                              QStringLiteral("Text24"),
                                              {10200, 1800, 495, 285},
                                              {},
                                              QStringLiteral("Iteration count")});
  Command5 = ui::AddButton(this, ControlDesign{"Command5",
                                               QStringLiteral(" Random Weight"),
                                               {5400, 9480, 1575, 255},
                                               {},
                                               QStringLiteral("Random Weight")});
  PanelTitle = ui::AddTextBox(this, ControlDesign{"PanelTitle",
                                                  QStringLiteral("Fill up the Graph Matrix"),
                                                  {0, -120, 3855, 555},
                                                  Look{18, false, QColor(255, 255, 0), {}, {}},
                                                  {}});
  Text23->hide();
  Text24->hide();

  connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
  connect(Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
}

// Writes no box text and no colour: a fresh editor keeps its design-time boxes.
void Form3::Load() {
  const Form2& entry = screens_.VertexCountScreen().Load();
  vertexCount = Stored16(NumericValue(entry.Text3->text().toStdString()));
  iterationCount = Stored16(NumericValue(entry.Text4->text().toStdString()));
  Text23->setText(DecimalText(vertexCount));
  Text24->setText(DecimalText(iterationCount));
  for (int i = 0; i < 100; ++i) {
    Text1[i]->hide();
    Text2[i]->hide();
  }
  const int n = std::clamp<int>(vertexCount, 0, 10);
  for (int row = 0; row < n; ++row) {
    for (int column = 0; column < n; ++column) {
      Text1[10 * row + column]->show();
      Text2[10 * row + column]->show();
    }
  }
}

// Checks every white box, and only when all of them pass every red box. Hidden boxes take
// part; box texts are never touched, only colours.
void Form3::Command1_Click() {
  ui::MessageBox& messages = screens_.Services().Messages;
  validCount = 0;
  for (QLineEdit* box : Text1) {
    const QString text = box->text();
    if (text == QStringLiteral("1") || text == QStringLiteral("0")) {
      ++validCount;
    } else {
      // A corrected box keeps this mark: passing white boxes are never recoloured.
      ui::SetBackground(box, WhiteFaultColour);
    }
  }
  if (validCount < 100) {
    messages.Show(QStringLiteral("Number must be 1's or 0's in white boxes "));
    validCount = 0;
    return;
  }

  validCount = 0;
  for (QLineEdit* box : Text2) {
    const double value = NumericValue(box->text().toStdString());
    if (value > -101 && value < 101 && value != 0) {
      ++validCount;
      ui::SetBackground(box, RedBoxColour);
    } else {
      ui::SetBackground(box, RedFaultColour);
    }
  }
  if (validCount == 100) {
    screens_.GraphView().Show();
    return;
  }
  messages.Show(QStringLiteral("Value for boxes must be between -101  and 101 different from 0."));
  validCount = 0;
}

void Form3::Command2_Click() {
  screens_.MatrixEditor().Unload();
  screens_.VertexCountScreen().Show();
}

void Form3::Command3_Click() {
  screens_.MatrixEditor().Unload();
}

// The diagonal is filled too.
void Form3::Command4_Click() {
  const int n = std::clamp<int>(vertexCount, 0, 10);
  for (int row = 0; row < n; ++row) {
    for (int column = 0; column < n; ++column) {
      Text1[10 * row + column]->setText(QStringLiteral("1"));
    }
  }
}

// All 100 red boxes, hidden ones included, so every press consumes exactly 100 draws.
// 98 * r + 1 is exact in double precision; rounding halves to even makes 1 and 99 half as
// likely as the weights between them.
void Form3::Command5_Click() {
  ui::RandomSource& random = screens_.Services().Random;
  for (QLineEdit* box : Text2) {
    const float r = random.Next();
    lastRandomWeight = Stored16(98.0 * static_cast<double>(r) + 1.0);
    box->setText(DecimalText(lastRandomWeight));
  }
}

}  // namespace tsp
