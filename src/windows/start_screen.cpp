#include "windows/start_screen.h"

#include <QLineEdit>
#include <QPushButton>

#include "ui/geometry.h"
#include "ui/look.h"

namespace tsp {

using ui::ControlDesign;
using ui::Look;

StartScreen::StartScreen() : Window(QStringLiteral("Form1"), 10695, 6585, Qt::black) {
  const QString sans = ui::SansFamily;
  const Look title{24, false, QColor(128, 128, 255), {}, sans};
  const Look credit{18, false, QColor(192, 192, 255), {}, sans};
  ui::AddTextBox(this, {.Name = "Text1",
                        .Text = QStringLiteral("Traveling Salesman Problem"),
                        .Where = {2040, 960, 6495, 675},
                        .Style = title,
                        .AccessibleName = QStringLiteral("Title")});
  ui::AddTextBox(this, {.Name = "Text3",
                        .Text = QStringLiteral("Simulation"),
                        .Where = {4200, 1560, 2415, 675},
                        .Style = title,
                        .AccessibleName = QStringLiteral("Subtitle")});
  ui::AddTextBox(this, {.Name = "Text2",
                        .Text = QStringLiteral("Made by the TSP Simulator team"),
                        .Where = {2160, 2640, 6855, 615},
                        .Style = credit,
                        .AccessibleName = QStringLiteral("Authors")});
  ui::AddTextBox(this, {.Name = "Text4",
                        .Text = QStringLiteral("For a course on graph algorithms"),
                        .Where = {1320, 3240, 8535, 615},
                        .Style = credit,
                        .AccessibleName = QStringLiteral("Course")});
  QPushButton* help = ui::AddButton(this, {.Name = "Command2",
                                           .Text = QStringLiteral("Help on how to use simulator"),
                                           .Where = {3600, 4440, 4215, 255},
                                           .Style = Look{0, false, {}, {}, sans}});
  QPushButton* start =
      ui::AddButton(this, {.Name = "Command1",
                           .Text = QStringLiteral("Start Simulation"),
                           .Where = {4080, 5400, 2655, 615},
                           .Style = Look{8.25, true, QColor(255, 192, 192), {}, sans}});
  // Beside "Start Simulation", after it in the focus order.
  QPushButton* open = ui::AddButton(this, {.Name = "OpenGraphButton",
                                           .Text = QStringLiteral("Open graph\u2026"),
                                           .Where = {1080, 5520, 2535, 375},
                                           .Style = Look{0, false, {}, {}, sans},
                                           .AccessibleName = QStringLiteral("Open graph")});
  // The mirror image of "Open graph…" on the other side of "Start Simulation", after it.
  QPushButton* example = ui::AddButton(this, {.Name = "OpenExampleButton",
                                              .Text = QStringLiteral("Open example\u2026"),
                                              .Where = {7200, 5520, 2535, 375},
                                              .Style = Look{0, false, {}, {}, sans},
                                              .AccessibleName = QStringLiteral("Open example")});
  connect(open, &QPushButton::clicked, this, &StartScreen::openRequested);
  connect(example, &QPushButton::clicked, this, &StartScreen::exampleRequested);
  connect(start, &QPushButton::clicked, this, &StartScreen::startRequested);
  connect(help, &QPushButton::clicked, this, &StartScreen::helpRequested);
}

}  // namespace tsp
