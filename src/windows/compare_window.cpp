#include "windows/compare_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "core/algorithms/algorithm_table.h"
#include "ui/bar_chart.h"
#include "ui/geometry.h"
#include "ui/graph_painter.h"

namespace tsp {

namespace {

const QString Dash = QStringLiteral("\u2013");

enum Column { Name, Found, Weight, Ratio, Missing, Factor, Within, Play, ColumnCount };

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A weight or a bound against the optimum; nothing where that says nothing.
QString RatioText(const GraphReport& report, double value) {
  const AlgorithmResult& optimum = report.Result("optimum");
  if (!optimum.FoundTour || optimum.Weight <= 0) return Dash;
  return QString::number(value / optimum.Weight, 'f', 2);
}

QString TreeText(const SpanningTree& tree) {
  QStringList edges;
  for (const TreeEdge& edge : tree.Edges) edges << FromUtf8(EdgeName(edge.From, edge.To));
  return edges.isEmpty() ? QStringLiteral("no edge") : edges.join(QStringLiteral(", "));
}

QString FactorText(const AlgorithmRow& row, int vertexCount) {
  if (!row.Factor.Known()) return Dash;
  const QString formula = FromUtf8(row.Factor.Formula);
  const QString value = QString::number(row.Factor.Of(vertexCount));
  return formula == value ? formula : formula + QStringLiteral(" = ") + value;
}

// Whether the graph stays within the algorithm's known factor, which holds only with the
// triangle inequality.
QString WithinText(const GraphReport& report, const AlgorithmRow& row,
                   const AlgorithmResult& result) {
  if (!row.Factor.Known() || !result.FoundTour) return Dash;
  if (!report.Guarantee.Holds()) return QStringLiteral("no guarantee here");
  const auto ratio = RatioToOptimum(report, result.Weight);
  if (!ratio) return Dash;
  return *ratio <= row.Factor.Of(report.VertexCount) + 1e-9 ? QStringLiteral("yes")
                                                            : QStringLiteral("no");
}

QString GuaranteeText(const GuaranteeCheck& check) {
  if (check.Holds()) {
    return QStringLiteral(
        "The factor-2 guarantee holds: every pair of vertices is joined, no weight is negative "
        "and every triangle holds, so the tree tour weighs at most twice the optimum, and every "
        "known factor above holds.");
  }
  QStringList lines{QStringLiteral(
      "The factor-2 guarantee of the tree tour does not hold, nor does any known factor:")};
  if (!check.AllPairs) lines << QStringLiteral("\u2022 some pairs of vertices have no line;");
  if (!check.NonNegative) lines << QStringLiteral("\u2022 some weights are negative;");
  if (!check.Violations.empty()) {
    lines << QStringLiteral("\u2022 %1 triangles break the triangle inequality, the first:")
                 .arg(check.Violations.size());
    const std::size_t shown = std::min<std::size_t>(check.Violations.size(), 3);
    for (std::size_t i = 0; i < shown; ++i) {
      lines << QStringLiteral("    ") + FromUtf8(ViolationText(check.Violations[i]));
    }
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

CompareWindow::CompareWindow()
    : Window(QStringLiteral("Compare with the optimum"), 12600, 11355, QColor(224, 224, 224)) {
  chart_ = new ui::BarChart(this);
  ui::SetPlace(chart_, {240, 240, 12120, 2640});
  chain_ = ui::AddTextBox(this, {.Name = "BoundChain",
                                 .Where = {240, 2960, 12120, 375},
                                 .AccessibleName = QStringLiteral("Bounds and optimum")});
  chain_->setReadOnly(true);

  const auto rows = Algorithms();
  table_ = new QTableWidget(static_cast<int>(rows.size()), ColumnCount, this);
  table_->setObjectName(QStringLiteral("CompareTable"));
  table_->setAccessibleName(QStringLiteral("Weights and ratios"));
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("Algorithm"), QStringLiteral("Tour, tree or bound"), QStringLiteral("Weight"),
       QStringLiteral("Ratio to optimum"), QStringLiteral("Steps without a line"),
       QStringLiteral("Known factor"), QStringLiteral("Within it"), QString()});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(Found, QHeaderView::Stretch);
  ui::SetPlace(table_, {240, 3420, 12120, 5520});
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const QString name = FromUtf8(rows[r].Name);
    auto* play = new QPushButton(QStringLiteral("Play"), table_);
    play->setObjectName(QStringLiteral("Play_") + FromUtf8(rows[r].Id));
    play->setAccessibleName(QStringLiteral("Play ") + name);
    const QString id = FromUtf8(rows[r].Id);
    connect(play, &QPushButton::clicked, this, [this, id] { emit playRequested(id); });
    table_->setCellWidget(r, Play, play);
    playButtons_.push_back(play);
  }

  guarantee_ = ui::AddMultiLineTextBox(this, {.Name = "GuaranteeText",
                                              .Where = {240, 9060, 12120, 1560},
                                              .AccessibleName = QStringLiteral("Guarantee")});
  guarantee_->setReadOnly(true);
  QPushButton* copy = ui::AddButton(this, {.Name = "CopyReportButton",
                                           .Text = QStringLiteral("Copy report"),
                                           .Where = {240, 10740, 1815, 375}});
  QPushButton* close = ui::AddButton(
      this,
      {.Name = "CloseButton", .Text = QStringLiteral("Close"), .Where = {10545, 10740, 1815, 375}});
  connect(copy, &QPushButton::clicked, this, &CompareWindow::copyReport);
  connect(close, &QPushButton::clicked, this, &CompareWindow::closeRequested);
}

void CompareWindow::showReport(const GraphReport& report) {
  reportText_ = FromUtf8(ReportText(report));
  chain_->setText(FromUtf8(BoundChain(report)));
  const auto rows = Algorithms();
  std::vector<ui::BarChart::Bar> bars;
  std::vector<ui::BarChart::Level> levels;
  hasResult_.assign(rows.size(), false);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const AlgorithmRow& row = rows[r];
    const AlgorithmResult& result = report.Results[r];
    const QString name = FromUtf8(row.Name);
    const QColor colour = ui::ToQColor(row.Colour);
    QStringList cells(ColumnCount);
    cells[Name] = name;
    switch (row.Kind) {
      case AlgorithmKind::Tree:
        hasResult_[r] = true;
        cells[Found] = TreeText(result.Tree);
        cells[Weight] = QString::number(result.Weight);
        bars.push_back({name, static_cast<double>(result.Weight), colour});
        break;
      case AlgorithmKind::Tour:
        hasResult_[r] = result.FoundTour.has_value();
        if (result.FoundTour) {
          cells[Found] = FromUtf8(TourText(*result.FoundTour));
          cells[Weight] = QString::number(result.Weight);
          cells[Ratio] = RatioText(report, result.Weight);
          cells[Missing] = QString::number(result.MissingPairs);
          bars.push_back({name, static_cast<double>(result.Weight), colour});
        } else {
          cells[Found] = FromUtf8(result.Reason);
        }
        break;
      case AlgorithmKind::Bound:
        hasResult_[r] = result.Bound.has_value();
        if (result.Bound) {
          cells[Found] = QStringLiteral("a bound");
          cells[Weight] = FromUtf8(BoundText(row, *result.Bound));
          cells[Ratio] = RatioText(report, *result.Bound);
          levels.push_back({name, *result.Bound, colour});
        } else {
          cells[Found] = FromUtf8(result.Reason);
        }
        break;
    }
    cells[Factor] = FactorText(row, report.VertexCount);
    cells[Within] = WithinText(report, row, result);
    for (int column = 0; column < Play; ++column) {
      auto* item = new QTableWidgetItem(cells[column].isEmpty() ? Dash : cells[column]);
      if (column == Name) item->setData(Qt::DecorationRole, colour);
      table_->setItem(r, column, item);
    }
  }
  chart_->SetBars(std::move(bars), std::move(levels));
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setSectionResizeMode(Found, QHeaderView::Stretch);
  table_->resizeRowsToContents();
  guarantee_->setPlainText(GuaranteeText(report.Guarantee));
  setPlayable(playable_);
}

void CompareWindow::setPlayable(bool playable) {
  playable_ = playable;
  for (std::size_t r = 0; r < playButtons_.size(); ++r) {
    playButtons_[r]->setEnabled(playable && r < hasResult_.size() && hasResult_[r]);
  }
}

void CompareWindow::copyReport() {
  QApplication::clipboard()->setText(reportText_);
}

}  // namespace tsp
