#pragma once

#include <QString>
#include <vector>

#include "core/report/report.h"
#include "ui/window.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace tsp {

namespace ui {
class BarChart;
}

// Sets every algorithm of the table beside the exact optimum: a bar chart with the bounds as
// lines, the chain from the bounds to the lightest tour, a table with each result's weight, its
// ratio to the optimum, its known factor and whether this graph stays within it, a "Play" for
// each that plays it on the graph view, and whether the tree tour's factor-2 guarantee holds.
class CompareWindow final : public ui::Window {
  Q_OBJECT

 public:
  CompareWindow();

  void showReport(const GraphReport& report);
  // Whether the graph view still shows the graph of the report, so that its rows can play.
  void setPlayable(bool playable);

 signals:
  void closeRequested();
  // The algorithm with this id of the table, to be played on the graph view.
  void playRequested(const QString& id);

 private:
  void copyReport();

  ui::BarChart* chart_;
  QLineEdit* chain_;
  QTableWidget* table_;
  QPlainTextEdit* guarantee_;
  std::vector<QPushButton*> playButtons_;  // by row of the table of algorithms
  std::vector<bool> hasResult_;
  bool playable_ = true;
  QString reportText_;
};

}  // namespace tsp
