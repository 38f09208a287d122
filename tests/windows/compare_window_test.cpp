#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "support/graph_helpers.h"
#include "ui/bar_chart.h"
#include "windows/compare_window.h"

namespace tsp::testing {
namespace {

QString Cell(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item ? item->text() : QStringLiteral("(none)");
}

TEST(CompareWindow, FourVertexGraph) {
  TestApp app;
  GraphView* view = OpenGraph(app, FourVertexWeights());
  ASSERT_NE(view, nullptr);
  Click(view, "CompareButton");
  const CompareWindow* window = app.App->compareWindow().Get();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());

  const auto* table = Find<QTableWidget>(window, "CompareTable");
  const struct {
    QString Tour;
    QString Weight;
    QString Ratio;
    QString Missing;
  } rows[] = {
      {"A--B, B--D, A--C", "6", "\u2013", "\u2013"},
      {"A, B, D, C, A", "15", "1.15", "0"},
      {"A, D, B, C, A", "13", "1.00", "0"},
      {"A, C, B, D, A", "13", "1.00", "0"},
  };
  for (int row = 0; row < 4; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(Cell(table, row, 1), rows[row].Tour);
    EXPECT_EQ(Cell(table, row, 2), rows[row].Weight);
    EXPECT_EQ(Cell(table, row, 3), rows[row].Ratio);
    EXPECT_EQ(Cell(table, row, 4), rows[row].Missing);
  }

  const auto* chart = Find<ui::BarChart>(window, "BarChart");
  ASSERT_NE(chart, nullptr);
  std::vector<double> values;
  for (const ui::BarChart::Bar& bar : chart->bars()) values.push_back(bar.Value);
  EXPECT_EQ(values, (std::vector<double>{6, 15, 13, 13}));

  const QString guarantee = Find<QPlainTextEdit>(window, "GuaranteeText")->toPlainText();
  EXPECT_TRUE(guarantee.contains(QStringLiteral("A\u2013D (4) > A\u2013B (1) + B\u2013D (2)")))
      << guarantee.toStdString();
  EXPECT_TRUE(guarantee.contains(QStringLiteral("3 triangles"))) << guarantee.toStdString();

  // The offscreen platform keeps a clipboard within the process.
  QGuiApplication::clipboard()->clear();
  Click(window, "CopyReportButton");
  const QString copied = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(copied.startsWith(QStringLiteral("Graph: 4 vertices, 6 lines\n")))
      << copied.toStdString();
  EXPECT_TRUE(copied.contains(QStringLiteral("Optimum: A, C, B, D, A (weight 13)")));

  Click(window, "CloseButton");
  app.Settle();
  EXPECT_FALSE(app.App->compareWindow().IsLoaded());
  EXPECT_TRUE(view->isVisible());
}

TEST(CompareWindow, GraphWithoutATourHasNoOptimumBar) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 3, {{0, 1, "2"}, {1, 2, "5"}});
  ASSERT_NE(view, nullptr);
  Click(view, "CompareButton");
  const CompareWindow* window = app.App->compareWindow().Get();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Find<ui::BarChart>(window, "BarChart")->bars().size(), 3u);
  const auto* table = Find<QTableWidget>(window, "CompareTable");
  EXPECT_EQ(Cell(table, 1, 3), "\u2013") << "no ratio without an optimum";
  EXPECT_EQ(Cell(table, 1, 4), "1") << "the tree tour returns from C to A without a line";
  EXPECT_EQ(Cell(table, 3, 2), "\u2013");
  EXPECT_TRUE(Find<QPlainTextEdit>(window, "GuaranteeText")
                  ->toPlainText()
                  .contains(QStringLiteral("some pairs of vertices have no line")));
}

}  // namespace
}  // namespace tsp::testing
