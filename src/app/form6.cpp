#include "app/form6.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/form1.h"
#include "app/screens.h"
#include "ui/geometry.h"

namespace tsp {

using ui::ControlDesign;
using ui::Look;

const QString& Form6::HelpText() {
  static const QString text = QStringLiteral(
      "This application helps simulate various TSP ( traveling salesman problem) problem.\r\n"
      "This program takes as input the number of vertices in the graph ( maximum of 10) \r\n"
      "and the weight of the edges of the graph.\r\n"
      "In the graph matrix form,you must enter 1 or 0 in the white boxes and a value \r\n"
      "between -101 and 101 as weights in the corresponding  red boxes.\r\n"
      "A graph will then be generated . You will able to rearrange it .\r\n"
      "This graph will display the weight on the edges.\r\n"
      "You will be able to run several versions of TSP algorithms and view their output.\r\n"
      "You can exit the application at any time.\r\n");
  return text;
}

Form6::Form6(Screens& screens)
    : Form(QStringLiteral("Form6"), 11130, 5280, ui::SystemColour::WindowText), screens_(screens) {
  Text1 = ui::AddTextBox(this, ControlDesign{"Text1",
                                             QStringLiteral("How to use this application"),
                                             {2760, 0, 5295, 735},
                                             Look{18, true, QColor(255, 192, 128), {}, {}},
                                             QStringLiteral("Help title")});
  // The box shows one line per line of the text; Qt keeps line ends as line feeds.
  QString shown = HelpText();
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.chop(1);
  Text2 = ui::AddMultiLineTextBox(this, ControlDesign{"Text2",
                                                      shown,
                                                      {600, 1200, 10095, 3015},
                                                      Look{12, true, Qt::white, {}, {}},
                                                      QStringLiteral("Help text")});
  Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
  Command1 = ui::AddButton(
      this,
      ControlDesign{
          "Command1", QStringLiteral("Back to simulation"), {4440, 4560, 1935, 495}, Look{}, {}});
  connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
}

void Form6::Command1_Click() {
  screens_.HelpScreen().Unload();
  screens_.StartScreen().Show();
}

}  // namespace tsp
