#include "windows/matrix_editor.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "core/text/number_text.h"
#include "ui/geometry.h"
#include "windows/vertex_text.h"

namespace tsp {

using ui::Look;
using ui::Place;

namespace {

const QColor RedBoxColour(255, 128, 128);
const QColor WhiteFaultColour(255, 255, 0);
const QColor RedFaultColour(255, 0, 0);

const Look WhiteBoxLook{13.5, true, QColor(255, 255, 255), {}, {}};
const Look RedBoxLook{0, false, RedBoxColour, {}, {}};
const Look ColumnHeaderLook{13.5, true, QColor(128, 255, 128), {}, {}};
const Look RowHeaderLook{13.5, true, QColor(128, 128, 255), {}, {}};

QString PairText(int box) {
  return VertexText(BoxRow(box)) + QStringLiteral(" to ") + VertexText(BoxColumn(box));
}

QLineEdit* AddBox(QWidget* parent, const QString& name, const QString& text, const Place& where,
                  const Look& look, const QString& accessibleName) {
  const QByteArray latinName = name.toLatin1();
  return ui::AddTextBox(parent, {.Name = latinName.constData(),
                                 .Text = text,
                                 .Where = where,
                                 .Style = look,
                                 .AccessibleName = accessibleName});
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

int VisibleCount(std::int16_t vertexCount) {
  return std::clamp<int>(vertexCount, 0, MaxVertices);
}

}  // namespace

void MatrixEditor::addWhiteBox(int box) {
  white_[box] = AddBox(this, QStringLiteral("Text1_%1").arg(box), QStringLiteral("0"),
                       Place{600 + 960 * BoxColumn(box), 960 + 840 * BoxRow(box), 735, 495},
                       WhiteBoxLook, QStringLiteral("Adjacency ") + PairText(box));
}

void MatrixEditor::addRedBox(int box) {
  red_[box] = AddBox(this, QStringLiteral("Text2_%1").arg(box), QStringLiteral("1"),
                     Place{600 + 960 * BoxColumn(box), 1320 + 840 * BoxRow(box), 735, 285},
                     RedBoxLook, QStringLiteral("Weight ") + PairText(box));
}

// Controls are created in focus order, which Qt's tab chain follows. Every red box comes after
// the white box whose lower edge it overlaps, so it lies on top.
MatrixEditor::MatrixEditor(ui::Services& services)
    : Window(QStringLiteral("Form3"), 10770, 10485, Qt::black), services_(services) {
  const auto addWhites = [this](int first, int last) {
    for (int i = first; i <= last; ++i) addWhiteBox(i);
  };
  const auto addReds = [this](int first, int last) {
    for (int i = first; i <= last; ++i) addRedBox(i);
  };
  // The first two rows interleave: the red boxes of row 0 follow the eighth white box of row 1.
  addWhites(0, 17);
  addReds(0, 9);
  addWhites(18, 19);
  addReds(10, 19);
  for (int row = 2; row < MaxVertices; ++row) {
    addWhites(10 * row, 10 * row + 9);
    addReds(10 * row, 10 * row + 9);
  }

  for (int row = 0; row < MaxVertices; ++row) {
    AddBox(this, QStringLiteral("Text%1").arg(3 + row), VertexText(row),
           Place{120, 960 + 840 * row, 375, 495}, RowHeaderLook,
           QStringLiteral("Row ") + VertexText(row));
  }
  QPushButton* viewGraph =
      ui::AddButton(this, {.Name = "Command1",
                           .Text = QStringLiteral("View Resulting Graph"),
                           .Where = {4200, 9840, 2055, 375},
                           .Style = Look{0, false, QColor(255, 255, 0), {}, {}}});
  for (int column = 0; column < MaxVertices; ++column) {
    AddBox(this, QStringLiteral("Text%1").arg(13 + column), VertexText(column),
           Place{600 + 960 * column, 480, 735, 405}, ColumnHeaderLook,
           QStringLiteral("Column ") + VertexText(column));
  }
  QPushButton* reset = ui::AddButton(this, {.Name = "Command2",
                                            .Text = QStringLiteral("Reset number of vertices"),
                                            .Where = {1080, 9840, 2295, 375}});
  vertexCountBox_ = ui::AddTextBox(this, {.Name = "Text23",
                                          .Text = QStringLiteral("Text23"),
                                          .Where = {10200, 360, 495, 285},
                                          .AccessibleName = QStringLiteral("Vertex count")});
  QPushButton* exit = ui::AddButton(
      this, {.Name = "Command3", .Text = QStringLiteral("Exit"), .Where = {7320, 9840, 1815, 375}});
  QPushButton* fill = ui::AddButton(this, {.Name = "Command4",
                                           .Text = QStringLiteral("Fill Graph up"),
                                           .Where = {3720, 9480, 1575, 255}});
  iterationBox_ = ui::AddTextBox(this, {.Name = "Text24",
                                        .Text = QStringLiteral("Text24"),
                                        .Where = {10200, 1800, 495, 285},
                                        .AccessibleName = QStringLiteral("Iteration count")});
  QPushButton* random = ui::AddButton(this, {.Name = "Command5",
                                             .Text = QStringLiteral(" Random Weight"),
                                             .Where = {5400, 9480, 1575, 255},
                                             .AccessibleName = QStringLiteral("Random Weight")});
  QLineEdit* title = ui::AddTextBox(this, {.Name = "PanelTitle",
                                           .Text = QStringLiteral("Fill up the Graph Matrix"),
                                           .Where = {0, -120, 3855, 555},
                                           .Style = Look{18, false, QColor(255, 255, 0), {}, {}}});
  // The focus order ends with " Random Weight": the title is no tab stop.
  title->setFocusPolicy(Qt::ClickFocus);
  vertexCountBox_->hide();
  iterationBox_->hide();
  addFileButtons();
  addTitleLine();

  connect(viewGraph, &QPushButton::clicked, this, &MatrixEditor::checkBoxes);
  connect(reset, &QPushButton::clicked, this, &MatrixEditor::resetRequested);
  connect(exit, &QPushButton::clicked, this, &MatrixEditor::exitRequested);
  connect(fill, &QPushButton::clicked, this, &MatrixEditor::fillGraph);
  connect(random, &QPushButton::clicked, this, &MatrixEditor::drawRandomWeights);
}

// After every specified control in the focus order, beside Exit.
void MatrixEditor::addFileButtons() {
  QPushButton* open = ui::AddButton(this, {.Name = "OpenButton",
                                           .Text = QStringLiteral("Open\u2026"),
                                           .Where = {9240, 9480, 1335, 255},
                                           .AccessibleName = QStringLiteral("Open")});
  QPushButton* save = ui::AddButton(this, {.Name = "SaveButton",
                                           .Text = QStringLiteral("Save\u2026"),
                                           .Where = {9240, 9840, 1335, 375},
                                           .AccessibleName = QStringLiteral("Save")});
  // Beside Open…, last in the focus order.
  QPushButton* example = ui::AddButton(this, {.Name = "OpenExampleButton",
                                              .Text = QStringLiteral("Open example\u2026"),
                                              .Where = {7320, 9480, 1815, 255},
                                              .AccessibleName = QStringLiteral("Open example")});
  open->setShortcut(QKeySequence::Open);
  save->setShortcut(QKeySequence::Save);
  connect(open, &QPushButton::clicked, this, &MatrixEditor::openRequested);
  connect(save, &QPushButton::clicked, this, &MatrixEditor::saveRequested);
  connect(example, &QPushButton::clicked, this, &MatrixEditor::exampleRequested);
}

// In the free space right of the panel's title, above the column headers; the description is
// its tooltip.
void MatrixEditor::addTitleLine() {
  graphTitle_ = ui::AddLabel(this, {.Name = "GraphTitle",
                                    .Where = {3960, 60, 6120, 375},
                                    .Style = Look{12, true, {}, QColor(255, 255, 128), {}},
                                    .AccessibleName = QStringLiteral("Graph title")});
  graphTitle_->hide();
}

void MatrixEditor::setGraphTitle(const QString& title, const QString& description) {
  title_ = title;
  description_ = description;
  graphTitle_->setText(
      graphTitle_->fontMetrics().elidedText(title, Qt::ElideRight, graphTitle_->width()));
  graphTitle_->setToolTip(description.isEmpty() ? title : title + u'\n' + description);
  graphTitle_->setAccessibleName(title.isEmpty() ? QStringLiteral("Graph title") : title);
  graphTitle_->setAccessibleDescription(description);
  graphTitle_->setVisible(!title.isEmpty());
}

void MatrixEditor::loadCounts(const QString& vertexCountText, const QString& iterationText) {
  vertexCount_ = Stored16(NumericValue(vertexCountText.toStdString()));
  iterationCount_ = Stored16(NumericValue(iterationText.toStdString()));
  vertexCountBox_->setText(DecimalText(vertexCount_));
  iterationBox_->setText(DecimalText(iterationCount_));
  const int n = VisibleCount(vertexCount_);
  for (int box = 0; box < BoxCount; ++box) {
    const bool shown = BoxRow(box) < n && BoxColumn(box) < n;
    white_[box]->setVisible(shown);
    red_[box]->setVisible(shown);
  }
}

MatrixTexts MatrixEditor::texts() const {
  MatrixTexts texts;
  for (int box = 0; box < BoxCount; ++box) {
    texts.White[box] = white_[box]->text().toStdString();
    texts.Red[box] = red_[box]->text().toStdString();
  }
  return texts;
}

void MatrixEditor::setWhiteTexts(const std::array<std::string, BoxCount>& white) {
  for (int box = 0; box < BoxCount; ++box) {
    const QString text = QString::fromStdString(white[box]);
    if (white_[box]->text() != text) white_[box]->setText(text);
  }
}

void MatrixEditor::setTexts(const MatrixTexts& texts) {
  for (int box = 0; box < BoxCount; ++box) {
    white_[box]->setText(QString::fromStdString(texts.White[box]));
    red_[box]->setText(QString::fromStdString(texts.Red[box]));
  }
}

// Box texts are never touched, only colours. A white box once marked keeps its mark: passing
// white boxes are never recoloured.
void MatrixEditor::checkBoxes() {
  const MatrixCheck check = CheckMatrix(texts());
  for (int box = 0; box < BoxCount; ++box) {
    if (check.BadWhite[box]) ui::SetBackground(white_[box], WhiteFaultColour);
  }
  if (!check.RedChecked) {
    services_.Messages.Show(QStringLiteral("Number must be 1's or 0's in white boxes "));
    return;
  }
  for (int box = 0; box < BoxCount; ++box) {
    ui::SetBackground(red_[box], check.BadRed[box] ? RedFaultColour : RedBoxColour);
  }
  if (check.Passes()) {
    emit viewGraphRequested();
    return;
  }
  services_.Messages.Show(
      QStringLiteral("Value for boxes must be between -101  and 101 different from 0."));
}

// The diagonal is filled too.
void MatrixEditor::fillGraph() {
  const int n = VisibleCount(vertexCount_);
  for (int row = 0; row < n; ++row) {
    for (int column = 0; column < n; ++column) white_[BoxIndex(row, column)]->setText("1");
  }
}

// All 100 red boxes, hidden ones included, so every press consumes exactly 100 draws.
// 98 * r + 1 is exact in double precision; rounding halves to even makes 1 and 99 half as
// likely as the weights between them.
void MatrixEditor::drawRandomWeights() {
  for (QLineEdit* box : red_) {
    const float r = services_.Random.Next();
    box->setText(DecimalText(Stored16(98.0 * static_cast<double>(r) + 1.0)));
  }
}

}  // namespace tsp
