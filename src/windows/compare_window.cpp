#include "windows/compare_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "ui/bar_chart.h"
#include "ui/geometry.h"

namespace tsp {

namespace {

const QColor TreeOrange(255, 128, 0);
const QColor TourGreen(0, 255, 0);
const QColor CycleYellow(255, 255, 0);
const QColor OptimumMagenta(255, 0, 255);

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

QString RatioText(const GraphReport& report, int weight) {
  const auto ratio = RatioToOptimum(report, weight);
  return ratio ? QString::number(*ratio, 'f', 2) : QStringLiteral("\u2013");
}

QString GuaranteeText(const GuaranteeCheck& check) {
  if (check.Holds()) {
    return QStringLiteral(
        "The factor-2 guarantee holds: every pair of vertices is joined, no weight is negative "
        "and every triangle holds, so the tree tour weighs at most twice the optimum.");
  }
  QStringList lines{QStringLiteral("The factor-2 guarantee of the tree tour does not hold:")};
  if (!check.AllPairs) lines << QStringLiteral("\u2022 some pairs of vertices have no line;");
  if (!check.NonNegative) lines << QStringLiteral("\u2022 some weights are negative;");
  if (!check.Violations.empty()) {
    lines << QStringLiteral("\u2022 %1 triangles break the triangle inequality, the first:")
                 .arg(check.Violations.size());
    const std::size_t shown = std::min<std::size_t>(check.Violations.size(), 5);
    for (std::size_t i = 0; i < shown; ++i) {
      lines << QStringLiteral("    ") + FromUtf8(ViolationText(check.Violations[i]));
    }
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

CompareWindow::CompareWindow()
    : Window(QStringLiteral("Compare with the optimum"), 10500, 8400, QColor(224, 224, 224)) {
  chart_ = new ui::BarChart(this);
  ui::SetPlace(chart_, {240, 240, 10020, 2880});
  table_ = new QTableWidget(4, 5, this);
  table_->setObjectName(QStringLiteral("CompareTable"));
  table_->setAccessibleName(QStringLiteral("Weights and ratios"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Run"), QStringLiteral("Tour"),
                                     QStringLiteral("Weight"), QStringLiteral("Ratio to optimum"),
                                     QStringLiteral("Steps without a line")});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setStretchLastSection(true);
  ui::SetPlace(table_, {240, 3240, 10020, 2160});
  guarantee_ = ui::AddMultiLineTextBox(this, {.Name = "GuaranteeText",
                                              .Where = {240, 5520, 10020, 1980},
                                              .AccessibleName = QStringLiteral("Guarantee")});
  guarantee_->setReadOnly(true);
  QPushButton* copy = ui::AddButton(this, {.Name = "CopyReportButton",
                                           .Text = QStringLiteral("Copy report"),
                                           .Where = {240, 7740, 1815, 375}});
  QPushButton* close = ui::AddButton(
      this,
      {.Name = "CloseButton", .Text = QStringLiteral("Close"), .Where = {8445, 7740, 1815, 375}});
  connect(copy, &QPushButton::clicked, this, &CompareWindow::copyReport);
  connect(close, &QPushButton::clicked, this, &CompareWindow::closeRequested);
}

void CompareWindow::showReport(const GraphReport& report) {
  reportText_ = FromUtf8(ReportText(report));
  std::vector<ui::BarChart::Bar> bars{
      {QStringLiteral("Spanning tree"), static_cast<double>(report.Tree.Weight()), TreeOrange},
      {QStringLiteral("Tree tour"), static_cast<double>(report.TreeTour.Weight), TourGreen},
      {QStringLiteral("Light cycle"), static_cast<double>(report.LightCycle.Weight), CycleYellow}};
  if (report.Optimum.Vertices) {
    bars.push_back(
        {QStringLiteral("Optimum"), static_cast<double>(report.Optimum.Weight), OptimumMagenta});
  }
  chart_->setBars(std::move(bars));

  const auto setRow = [this](int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) {
      table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
  };
  QStringList treeEdges;
  for (const TreeEdge& edge : report.Tree.Edges) {
    treeEdges << QString::fromStdString(EdgeName(edge.From, edge.To));
  }
  setRow(0, {QStringLiteral("Spanning tree"), treeEdges.join(QStringLiteral(", ")),
             QString::number(report.Tree.Weight()), QStringLiteral("\u2013"),
             QStringLiteral("\u2013")});
  const auto tourRow = [&](int row, const QString& name, const PlayedTour& tour) {
    setRow(row, {name, FromUtf8(TourText(tour.Vertices)), QString::number(tour.Weight),
                 RatioText(report, tour.Weight), QString::number(tour.MissingPairs)});
  };
  tourRow(1, QStringLiteral("Tree tour"), report.TreeTour);
  tourRow(2, QStringLiteral("Light cycle"), report.LightCycle);
  if (report.Optimum.Vertices) {
    setRow(3, {QStringLiteral("Optimum"), FromUtf8(TourText(*report.Optimum.Vertices)),
               QString::number(report.Optimum.Weight), RatioText(report, report.Optimum.Weight),
               QStringLiteral("0")});
  } else {
    setRow(3, {QStringLiteral("Optimum"), FromUtf8(report.Optimum.Reason), QStringLiteral("\u2013"),
               QStringLiteral("\u2013"), QStringLiteral("\u2013")});
  }
  table_->resizeColumnsToContents();
  table_->resizeRowsToContents();
  guarantee_->setPlainText(GuaranteeText(report.Guarantee));
}

void CompareWindow::copyReport() {
  QApplication::clipboard()->setText(reportText_);
}

}  // namespace tsp
