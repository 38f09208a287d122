#include "windows/help_screen.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/geometry.h"

namespace tsp {

using ui::Look;

const QString& HelpScreen::HelpText() {
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

HelpScreen::HelpScreen()
    : Window(QStringLiteral("Form6"), 11130, 5280, ui::SystemColour::WindowText) {
  ui::AddTextBox(this, {.Name = "Text1",
                        .Text = QStringLiteral("How to use this application"),
                        .Where = {2760, 0, 5295, 735},
                        .Style = Look{18, true, QColor(255, 192, 128), {}, {}},
                        .AccessibleName = QStringLiteral("Help title")});
  // The box shows one line per line of the text; Qt keeps line ends as line feeds.
  QString shown = HelpText();
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.chop(1);
  helpText_ = ui::AddMultiLineTextBox(this, {.Name = "Text2",
                                             .Text = shown,
                                             .Where = {600, 1200, 10095, 3015},
                                             .Style = Look{12, true, Qt::white, {}, {}},
                                             .AccessibleName = QStringLiteral("Help text")});
  helpText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  fitTextToBox();
  QPushButton* back = ui::AddButton(this, {.Name = "Command1",
                                           .Text = QStringLiteral("Back to simulation"),
                                           .Where = {4440, 4560, 1935, 495}});
  connect(back, &QPushButton::clicked, this, &HelpScreen::backRequested);
}

// Bold 12 pt is wider than the box on most faces: the size steps down until every line fits
// the box's width and all nine its height, so nothing needs scrolling.
void HelpScreen::fitTextToBox() {
  helpText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  helpText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const QStringList lines = helpText_->toPlainText().split(QLatin1Char('\n'));
  const QMargins frame = helpText_->contentsMargins();
  const qreal margin = 2 * helpText_->document()->documentMargin();
  const qreal width = helpText_->width() - frame.left() - frame.right() - margin;
  const qreal height = helpText_->height() - frame.top() - frame.bottom() - margin;
  QFont font = helpText_->font();
  for (qreal size = font.pointSizeF(); size > 6; size -= 0.25) {
    font.setPointSizeF(size);
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest < width && metrics.lineSpacing() * lines.size() <= height) break;
  }
  helpText_->setFont(font);
}

}  // namespace tsp
