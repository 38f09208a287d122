#include "app/form1.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/form6.h"
#include "app/screens.h"
#include "entry/form2.h"
#include "ui/geometry.h"
#include "ui/look.h"

namespace tsp {

using ui::ControlDesign;
using ui::Look;

Form1::Form1(Screens& screens)
    : Form(QStringLiteral("Form1"), 10695, 6585, Qt::black), screens_(screens) {
  const QString sans = ui::SansFamily;
  Text1 = ui::AddTextBox(this, ControlDesign{"Text1",
                                             QStringLiteral("Traveling Salesman Problem"),
                                             {2040, 960, 6495, 675},
                                             Look{24, false, QColor(128, 128, 255), {}, sans},
                                             QStringLiteral("Title")});
  Text3 = ui::AddTextBox(this, ControlDesign{"Text3",
                                             QStringLiteral("Simulation"),
                                             {4200, 1560, 2415, 675},
                                             Look{24, false, QColor(128, 128, 255), {}, sans},
                                             QStringLiteral("Subtitle")});
  Text2 = ui::AddTextBox(this, ControlDesign{"Text2",
                                             QStringLiteral("Made by the TSP Simulator team"),
                                             {2160, 2640, 6855, 615},
                                             Look{18, false, QColor(192, 192, 255), {}, sans},
                                             QStringLiteral("Authors")});
  Text4 = ui::AddTextBox(this, ControlDesign{"Text4",
                                             QStringLiteral("For a course on graph algorithms"),
                                             {1320, 3240, 8535, 615},
                                             Look{18, false, QColor(192, 192, 255), {}, sans},
                                             QStringLiteral("Course")});
  Command2 = ui::AddButton(this, ControlDesign{"Command2",
                                               QStringLiteral("Help on how to use simulator"),
                                               {3600, 4440, 4215, 255},
                                               Look{0, false, {}, {}, sans},
                                               {}});
  Command1 = ui::AddButton(this, ControlDesign{"Command1",
                                               QStringLiteral("Start Simulation"),
                                               {4080, 5400, 2655, 615},
                                               Look{8.25, true, QColor(255, 192, 192), {}, sans},
                                               {}});
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::Command1_Click() {
  screens_.VertexCountScreen().Show();
  screens_.StartScreen().Unload();
}

void Form1::Command2_Click() {
  screens_.HelpScreen().Show();
}

}  // namespace tsp
