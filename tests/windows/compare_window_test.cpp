#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "core/algorithms/algorithm_table.h"
#include "support/graph_helpers.h"
#include "ui/bar_chart.h"
#include "ui/timer.h"
#include "windows/compare_window.h"

namespace tsp::testing {
namespace {

int RowOf(std::string_view id) {
  const auto rows = Algorithms();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].Id == id) return static_cast<int>(r);
  }
  ADD_FAILURE() << "no row " << id;
  return 0;
}

QString Cell(const QTableWidget* table, std::string_view id, int column) {
  const QTableWidgetItem* item = table->item(RowOf(id), column);
  return item ? item->text() : QStringLiteral("(none)");
}

double BarOf(const ui::BarChart* chart, const QString& label) {
  for (const ui::BarChart::Bar& bar : chart->Bars()) {
    if (bar.Label == label) return bar.Value;
  }
  return -1000;
}

CompareWindow* OpenComparison(TestApp& app, GraphView* view) {
  Click(view, "CompareButton");
  return app.App->window<CompareWindow>().Get();
}

TEST(CompareWindow, FourVertexGraph) {
  TestApp app;
  GraphView* view = OpenGraph(app, FourVertexWeights());
  ASSERT_NE(view, nullptr);
  const CompareWindow* window = OpenComparison(app, view);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());

  const auto* table = Find<QTableWidget>(window, "CompareTable");
  EXPECT_EQ(table->rowCount(), static_cast<int>(Algorithms().size()));
  const struct {
    std::string_view Id;
    QString Tour;
    QString Weight;
    QString Ratio;
    QString Missing;
    QString Within;
  } rows[] = {
      {"spanning_tree", "A--B, B--D, A--C", "6", "\u2013", "\u2013", "\u2013"},
      {"tree_tour", "A, B, D, C, A", "15", "1.15", "0", "no guarantee here"},
      {"light_cycle", "A, D, B, C, A", "13", "1.00", "0", "no guarantee here"},
      {"optimum", "A, C, B, D, A", "13", "1.00", "0", "no guarantee here"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Id);
    EXPECT_EQ(Cell(table, row.Id, 1), row.Tour);
    EXPECT_EQ(Cell(table, row.Id, 2), row.Weight);
    EXPECT_EQ(Cell(table, row.Id, 3), row.Ratio);
    EXPECT_EQ(Cell(table, row.Id, 4), row.Missing);
    EXPECT_EQ(Cell(table, row.Id, 6), row.Within);
  }
  EXPECT_EQ(Cell(table, "tree_tour", 5), "2");
  EXPECT_EQ(Cell(table, "nearest_neighbour", 5), "\u00bd\u2308log\u2082 n\u2309 + \u00bd = 1.5");

  const auto* chart = Find<ui::BarChart>(window, "BarChart");
  EXPECT_EQ(BarOf(chart, "Spanning tree"), 6);
  EXPECT_EQ(BarOf(chart, "Tree tour"), 15);
  EXPECT_EQ(BarOf(chart, "Optimum"), 13);
  EXPECT_EQ(chart->Levels().size(), 2u) << "the two bounds";
  EXPECT_TRUE(Find<QLineEdit>(window, "BoundChain")->text().contains(QStringLiteral("optimum 13")));

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
  EXPECT_FALSE(app.App->window<CompareWindow>().IsLoaded());
  EXPECT_TRUE(view->isVisible());
}

TEST(CompareWindow, PlayPlaysTheRowOnTheGraphViewInItsColour) {
  TestApp app;
  GraphView* view = OpenGraph(app, FourVertexWeights());
  ASSERT_NE(view, nullptr);
  CompareWindow* window = OpenComparison(app, view);
  Click(window, "Play_nearest_neighbour");
  EXPECT_TRUE(Running(view, "PlayTimer"));
  // Nearest neighbour from A: A-B (1), B-D (2), D-C (9), C-A (3).
  for (int tick = 0; tick < 5; ++tick) Fire(view, "PlayTimer");
  EXPECT_EQ(TextOf(view, "Text7"), "A--B,B--D,D--C,C--A,");
  EXPECT_EQ(TextOf(view, "Text9"), "15");
  EXPECT_EQ(GraphLine(view, 0).BorderColour,
            ui::ToQColor(AlgorithmById("nearest_neighbour").Colour));
  EXPECT_EQ(app.Messages.Texts.last(), QStringLiteral(" Simulation terminated (End reached) !!"));

  // Once the graph view is gone the rows cannot play.
  Click(view, "Command1");
  app.Settle();
  EXPECT_FALSE(Find<QPushButton>(window, "Play_nearest_neighbour")->isEnabled());
}

TEST(CompareWindow, GraphWithoutATourSaysWhyAndPlaysNothingThere) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 3, {{0, 1, "2"}, {1, 2, "5"}});
  ASSERT_NE(view, nullptr);
  const CompareWindow* window = OpenComparison(app, view);
  ASSERT_NE(window, nullptr);
  EXPECT_LT(BarOf(Find<ui::BarChart>(window, "BarChart"), "Optimum"), -999) << "no optimum bar";
  const auto* table = Find<QTableWidget>(window, "CompareTable");
  EXPECT_EQ(Cell(table, "tree_tour", 3), "\u2013") << "no ratio without an optimum";
  EXPECT_EQ(Cell(table, "tree_tour", 4), "1") << "the tree tour returns from C to A without a line";
  EXPECT_EQ(Cell(table, "optimum", 2), "\u2013");
  EXPECT_TRUE(Cell(table, "optimum", 1).contains(QStringLiteral("fewer than two")));
  EXPECT_FALSE(Find<QPushButton>(window, "Play_optimum")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(window, "Play_kruskal")->isEnabled());
  EXPECT_TRUE(Find<QPlainTextEdit>(window, "GuaranteeText")
                  ->toPlainText()
                  .contains(QStringLiteral("some pairs of vertices have no line")));
}

}  // namespace
}  // namespace tsp::testing
