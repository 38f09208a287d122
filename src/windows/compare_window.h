#pragma once

#include "core/report/report.h"
#include "ui/window.h"

class QPlainTextEdit;
class QTableWidget;

namespace tsp {

namespace ui {
class BarChart;
}

// Sets the two heuristic tours beside the spanning tree and the exact optimum: a bar chart, a
// table with each tour's ratio to the optimum, and whether the tree tour's factor-2 guarantee
// holds for the graph.
class CompareWindow final : public ui::Window {
  Q_OBJECT

 public:
  CompareWindow();

  void showReport(const GraphReport& report);

 signals:
  void closeRequested();

 private:
  void copyReport();

  ui::BarChart* chart_;
  QTableWidget* table_;
  QPlainTextEdit* guarantee_;
  QString reportText_;
};

}  // namespace tsp
