#include <gtest/gtest.h>

#include <QLabel>

#include "support/graph_helpers.h"
#include "ui/geometry.h"

namespace tsp::testing {
namespace {

using ui::ToPixels;

TEST(GraphViewLayout, DesignTimeLook) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 3, {});
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->windowTitle(), "Form4");
  // The specified client area, 741 pixels high, and the strip of controls added below it.
  EXPECT_EQ(view->size(), QSize(811, 809));
  EXPECT_EQ(TextOf(view, "Text1"), "            Graph View");
  EXPECT_EQ(Find<QLabel>(view, "Label2")->text(), " List of edges for TSP");
  EXPECT_EQ(Find<QLabel>(view, "Label7")->geometry(), ToPixels({7440, 7800, 4575, 3135}));
  EXPECT_EQ(Find<QPushButton>(view, "Command3")->geometry(), ToPixels({-120, 720, 2175, 375}));
  EXPECT_FALSE(Find<QPushButton>(view, "Command4")->isEnabled());
  EXPECT_EQ(ui::Background(Find<QPushButton>(view, "Command4")), QColor(192, 192, 192));
  EXPECT_EQ(Find<ui::Timer>(view, "Timer1")->interval(), 1000);
  for (const char* timer : {"Timer1", "Timer2", "Timer3"}) EXPECT_FALSE(Running(view, timer));
  EXPECT_EQ(Find(view, "Text6")->accessibleName(), "List of edges for MST");

  EXPECT_EQ(Marker(view, 2).Box.Left, 9120);
  EXPECT_EQ(Marker(view, 2).Diameter, 735);
  EXPECT_EQ(Find(view, "Text2_2")->geometry(), ToPixels({9240, 3000, 375, 375}));
  EXPECT_EQ(Find(view, "Text3_5")->palette().color(QPalette::Text), QColor(255, 255, 0));
  EXPECT_EQ(GraphLine(view, 5).BorderColour, ui::SystemColour::Desktop);
}

TEST(GraphViewLoad, SingleVertexShowsOnlyAAndClearsTheDiagonal) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 1, {{0, 0, "5"}});
  ASSERT_NE(view, nullptr);
  for (int v = 0; v < 10; ++v) {
    EXPECT_EQ(Find(view, QStringLiteral("Text2_%1").arg(v))->isVisible(), v == 0) << v;
    EXPECT_EQ(Marker(view, v).Visible, v == 0) << v;
  }
  for (int k = 0; k < 100; ++k) EXPECT_FALSE(GraphLine(view, k).Visible) << k;
  EXPECT_EQ(TextOf(app.App->window<MatrixEditor>().Get(), "Text1_0"), "0");
}

TEST(GraphViewLoad, FullTenVertexGraphDrawsEveryPairOnce) {
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "10");
  ASSERT_NE(editor, nullptr);
  Click(editor, "Command4");
  Click(editor, "Command1");
  GraphView* view = app.App->window<GraphView>().Get();
  ASSERT_NE(view, nullptr);

  for (int k = 0; k < 100; ++k) {
    EXPECT_EQ(GraphLine(view, k).Visible, k < 45) << k;
    EXPECT_EQ(Find(view, QStringLiteral("Text3_%1").arg(k))->isVisible(), k < 45) << k;
  }
  // Only the upper triangle stays in the editor.
  for (int box = 0; box < 100; ++box) {
    EXPECT_EQ(TextOf(editor, QStringLiteral("Text1_%1").arg(box)), box / 10 < box % 10 ? "1" : "0")
        << box;
  }
  // Line ids follow the kept boxes in box order: 0 is A-B, 8 A-J, 9 B-C, 44 I-J.
  const struct { int Line, From, To; } ids[] = {{0, 0, 1}, {8, 0, 9}, {9, 1, 2}, {44, 8, 9}};
  for (const auto& id : ids) {
    const ui::LineItem& line = GraphLine(view, id.Line);
    EXPECT_EQ(QPoint(line.X1, line.Y1), Anchor(view, id.From)) << id.Line;
    EXPECT_EQ(QPoint(line.X2, line.Y2), Anchor(view, id.To)) << id.Line;
  }
}

TEST(GraphViewLoad, WeightBoxSitsAtTheMidpointWithTheTextAsTyped) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 6, {{0, 5, " 7.0"}});
  ASSERT_NE(view, nullptr);
  const QLineEdit* weight = Find(view, "Text3_0");
  EXPECT_EQ(weight->geometry(), ToPixels({5580, 4320, 280, 285}));
  EXPECT_EQ(weight->text(), " 7.0");
  EXPECT_EQ(weight->accessibleName(), "Weight of edge A--F");
  EXPECT_TRUE(weight->isVisible());
  EXPECT_FALSE(Find(view, "Text3_1")->isVisible());
}

TEST(GraphViewLoad, LowerBoxAloneDrawsFromItsRowVertex) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 6, {{5, 2, "9"}});
  ASSERT_NE(view, nullptr);
  const ui::LineItem& line = GraphLine(view, 0);
  EXPECT_EQ(QPoint(line.X1, line.Y1), QPoint(5520, 7320));
  EXPECT_EQ(QPoint(line.X2, line.Y2), QPoint(9480, 3240));
  EXPECT_EQ(TextOf(view, "Text3_0"), "9");
}

// The canvas paints what its items say: the marker of a shown vertex is white, a line takes its
// colour.
TEST(GraphViewDrawing, PaintsMarkersAndLines) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 6, {{0, 3, "2"}});
  ASSERT_NE(view, nullptr);
  const QImage shot = view->grab().toImage();
  const QPoint markerA = ToPixels(Marker(view, 0).Box).center() + QPoint(0, -20);
  EXPECT_EQ(QColor(shot.pixel(markerA)), QColor(Qt::white));
  const QPoint markerG = ToPixels(Marker(view, 6).Box).center() + QPoint(0, -20);
  EXPECT_EQ(QColor(shot.pixel(markerG)), QColor(Qt::black));
  // A quarter of the way along A-D, clear of both markers and the weight box.
  const QPoint a = Anchor(view, 0) / ui::TwipsPerPixel;
  const QPoint d = Anchor(view, 3) / ui::TwipsPerPixel;
  const QPoint quarter = a + (d - a) / 4;
  EXPECT_EQ(QColor(shot.pixel(quarter)), ui::SystemColour::Desktop);
}

}  // namespace
}  // namespace tsp::testing
