#include "entry/form2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/screens.h"
#include "entry/form3.h"
#include "entry/number_text.h"
#include "ui/geometry.h"

namespace tsp {

using ui::ControlDesign;
using ui::Look;

namespace {

// Only these exact texts are vertex counts: no blanks, signs, leading zeros or decimals.
bool IsVertexCountText(const QString& text) {
  static const std::array<QString, 10> accepted = {
      QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("7"),
      QStringLiteral("6"),  QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"),
      QStringLiteral("2"),  QStringLiteral("1")};
  for (const QString& candidate : accepted) {
    if (text == candidate) return true;
  }
  return false;
}

}  // namespace

Form2::Form2(Screens& screens)
    : Form(QStringLiteral("Form2"), 10905, 7050, ui::SystemColour::WindowText), screens_(screens) {
  Text2 = ui::AddTextBox(this,
                         ControlDesign{"Text2",
                                       QStringLiteral("Number of vertices in graph ( maximum 10)"),
                                       {600, 120, 9975, 615},
                                       Look{24, false, QColor(255, 0, 255), Qt::black, {}},
                                       QStringLiteral("Heading")});
  Text1 = ui::AddTextBox(this, ControlDesign{"Text1",
                                             QStringLiteral("The number of vertices in your graph"),
                                             {2280, 720, 6135, 555},
                                             Look{18, false, QColor(255, 128, 255), {}, {}},
                                             QStringLiteral("Subheading")});
  Text3 = ui::AddTextBox(this, ControlDesign{"Text3",
                                             QString(),
                                             {4920, 1560, 975, 615},
                                             Look{13.5, true, Qt::white, {}, {}},
                                             QStringLiteral("Number of vertices")});
  Command1 = ui::AddButton(
      this, ControlDesign{"Command1", QStringLiteral("Continue"), {4080, 2880, 2655, 735}, {}, {}});
  Label1 = ui::AddLabel(
      this, ControlDesign{
                "Label1", QStringLiteral("Number of iteration"), {600, 5040, 2175, 255}, {}, {}});
  Text4 = ui::AddTextBox(this, ControlDesign{"Text4",
                                             QStringLiteral("1"),
                                             {600, 5280, 2175, 375},
                                             {},
                                             QStringLiteral("Number of iterations")});
  setTabOrder(Text1, Command1);
  setTabOrder(Command1, Text2);
  setTabOrder(Text2, Text3);
  setTabOrder(Text3, Text4);
  connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Command1_Click() {
  ui::MessageBox& messages = screens_.Services().Messages;
  if (!IsVertexCountText(Text3->text())) {
    messages.Show(QStringLiteral("Please enter a number between 1 and 10 !"));
    return;
  }
  // The iteration count travels as text to the matrix editor; it must fit 16 bits there.
  if (!ToInt16(NumericValue(Text4->text().toStdString()))) {
    messages.Show(QStringLiteral("Please enter a number of iterations between -32768 and 32767 !"));
    return;
  }
  screens_.MatrixEditor().Show();
  screens_.VertexCountScreen().Hide();
}

}  // namespace tsp
