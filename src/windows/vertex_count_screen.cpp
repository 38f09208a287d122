#include "windows/vertex_count_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "core/text/number_text.h"
#include "ui/geometry.h"

namespace tsp {

using ui::Look;

namespace {

// Only these exact texts are vertex counts: no blanks, signs, leading zeros or decimals.
bool IsVertexCountText(const QString& text) {
  bool ok = false;
  const int count = text.toInt(&ok);
  return ok && count >= 1 && count <= 10 && text == QString::number(count);
}

}  // namespace

VertexCountScreen::VertexCountScreen(ui::Services& services)
    : Window(QStringLiteral("Form2"), 10905, 7050, ui::SystemColour::WindowText),
      services_(services) {
  QLineEdit* heading =
      ui::AddTextBox(this, {.Name = "Text2",
                            .Text = QStringLiteral("Number of vertices in graph ( maximum 10)"),
                            .Where = {600, 120, 9975, 615},
                            .Style = Look{24, false, QColor(255, 0, 255), Qt::black, {}},
                            .AccessibleName = QStringLiteral("Heading")});
  QLineEdit* subheading =
      ui::AddTextBox(this, {.Name = "Text1",
                            .Text = QStringLiteral("The number of vertices in your graph"),
                            .Where = {2280, 720, 6135, 555},
                            .Style = Look{18, false, QColor(255, 128, 255), {}, {}},
                            .AccessibleName = QStringLiteral("Subheading")});
  vertexCount_ = ui::AddTextBox(this, {.Name = "Text3",
                                       .Where = {4920, 1560, 975, 615},
                                       .Style = Look{13.5, true, Qt::white, {}, {}},
                                       .AccessibleName = QStringLiteral("Number of vertices")});
  QPushButton* next = ui::AddButton(
      this,
      {.Name = "Command1", .Text = QStringLiteral("Continue"), .Where = {4080, 2880, 2655, 735}});
  // A default label is opaque in the button face, with the window-text colour.
  ui::AddLabel(
      this,
      {.Name = "Label1",
       .Text = QStringLiteral("Number of iteration"),
       .Where = {600, 5040, 2175, 255},
       .Style = Look{0, false, ui::SystemColour::ButtonFace, ui::SystemColour::WindowText, {}}});
  iterations_ = ui::AddTextBox(this, {.Name = "Text4",
                                      .Text = QStringLiteral("1"),
                                      .Where = {600, 5280, 2175, 375},
                                      .AccessibleName = QStringLiteral("Number of iterations")});
  setTabOrder(subheading, next);
  setTabOrder(next, heading);
  setTabOrder(heading, vertexCount_);
  setTabOrder(vertexCount_, iterations_);
  connect(next, &QPushButton::clicked, this, &VertexCountScreen::checkCounts);
}

QString VertexCountScreen::vertexCountText() const {
  return vertexCount_->text();
}

QString VertexCountScreen::iterationText() const {
  return iterations_->text();
}

void VertexCountScreen::setCounts(const QString& vertexCountText, const QString& iterationText) {
  vertexCount_->setText(vertexCountText);
  iterations_->setText(iterationText);
}

bool VertexCountScreen::IsIterationText(const QString& text) {
  return ToInt16(NumericValue(text.toStdString())).has_value();
}

void VertexCountScreen::checkCounts() {
  if (!IsVertexCountText(vertexCount_->text())) {
    services_.Messages.Show(QStringLiteral("Please enter a number between 1 and 10 !"));
    return;
  }
  // The iteration count travels as text to the matrix editor; it must fit 16 bits there.
  if (!IsIterationText(iterations_->text())) {
    services_.Messages.Show(
        QStringLiteral("Please enter a number of iterations between -32768 and 32767 !"));
    return;
  }
  emit continueRequested();
}

}  // namespace tsp
