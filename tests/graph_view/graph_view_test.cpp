#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "entry/form3.h"
#include "graph/form4.h"
#include "graph/form5.h"
#include "graph_view/graph_view_support.h"
#include "ui/geometry.h"

namespace tsp::testing {
namespace {

using ui::Place;
using ui::ToPixels;

TEST(GraphViewLayout, DesignTimeLook) {
  TestApp t;
  Form4& view = OpenGraphView(t, 3, {});
  EXPECT_EQ(view.windowTitle(), "Form4");
  EXPECT_EQ(view.size(), QSize(ui::TwipsToPixels(12165), ui::TwipsToPixels(11115)));
  EXPECT_EQ(view.Text1->text(), "            Graph View");
  EXPECT_EQ(view.Label2->text(), " List of edges for TSP");
  EXPECT_EQ(view.Label7->geometry(), ToPixels({7440, 7800, 4575, 3135}));
  EXPECT_EQ(view.Command3->geometry(), ToPixels({-120, 720, 2175, 375}));
  EXPECT_FALSE(view.Command4->isEnabled());
  EXPECT_EQ(ui::Background(view.Command4), QColor(192, 192, 192));
  EXPECT_EQ(view.Timer1->interval(), 1000);
  EXPECT_FALSE(view.Timer1->Enabled() || view.Timer2->Enabled() || view.Timer3->Enabled());
  EXPECT_EQ(view.Text6->accessibleName(), "List of edges for MST");

  EXPECT_EQ(view.Shape2(2).Box.Left, 9120);
  EXPECT_EQ(view.Shape2(2).Diameter, 735);
  EXPECT_EQ(view.Text2[2]->geometry(), ToPixels({9240, 3000, 375, 375}));
  EXPECT_EQ(view.Text2[2]->objectName(), "Text2_2");
  EXPECT_EQ(view.Text3[5]->objectName(), "Text3_5");
  EXPECT_EQ(view.Text3[5]->palette().color(QPalette::Text), QColor(255, 255, 0));
  EXPECT_EQ(view.Line1(5).BorderColour, ui::SystemColour::Desktop);
}

TEST(GraphViewLoad, SingleVertexShowsOnlyAAndClearsTheDiagonal) {
  TestApp t;
  Form4& view = OpenGraphView(t, 1, {{0, 0, QStringLiteral("5")}});
  EXPECT_TRUE(view.Text2[0]->isVisible());
  EXPECT_TRUE(view.Shape2(0).Visible);
  for (int v = 1; v < 10; ++v) {
    EXPECT_FALSE(view.Text2[v]->isVisible());
    EXPECT_FALSE(view.Shape2(v).Visible);
  }
  for (int k = 0; k < 100; ++k) EXPECT_FALSE(view.Line1(k).Visible);
  EXPECT_FALSE(view.Line2(0).Visible);
  EXPECT_EQ(t.App->MatrixEditor().Get()->Text1[0]->text(), "0");
}

TEST(GraphViewLoad, FullTenVertexGraphDrawsEveryPairOnce) {
  TestApp t;
  Form3& editor = OpenMatrixEditor(t, 10);
  Click(editor.Command4);  // "Fill Graph up"
  Form4& view = ViewGraph(t, {});

  int visible = 0;
  for (int k = 0; k < 100; ++k) visible += view.Line1(k).Visible ? 1 : 0;
  EXPECT_EQ(visible, 45);
  for (int k = 0; k < 45; ++k) EXPECT_TRUE(view.Text3[k]->isVisible()) << k;
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(editor.Text1[i]->text(), i / 10 < i % 10 ? "1" : "0") << "box " << i;
  }
  // Line ids follow the kept boxes in box order: 0 is A-B, 8 A-J, 9 B-C, 44 I-J.
  const struct { int Line, From, To; } ids[] = {{0, 0, 1}, {8, 0, 9}, {9, 1, 2}, {44, 8, 9}};
  for (const auto& id : ids) {
    const ui::LineItem& line = view.Line1(id.Line);
    EXPECT_EQ(QPoint(line.X1, line.Y1), QPoint(view.Line2(id.From).X1, view.Line2(id.From).Y1));
    EXPECT_EQ(QPoint(line.X2, line.Y2), QPoint(view.Line2(id.To).X1, view.Line2(id.To).Y1));
  }
}

TEST(GraphViewLoad, WeightBoxSitsAtTheMidpointWithTheTextAsTyped) {
  TestApp t;
  Form4& view = OpenGraphView(t, 6, {{0, 5, QStringLiteral(" 7.0")}});
  EXPECT_EQ(view.Text3[0]->geometry(), ToPixels({5580, 4320, 280, 285}));
  EXPECT_EQ(view.Text3[0]->text(), " 7.0");
  EXPECT_TRUE(view.Text3[0]->isVisible());
  EXPECT_FALSE(view.Text3[1]->isVisible());
}

TEST(GraphViewLoad, LowerBoxAloneDrawsFromItsRowVertex) {
  TestApp t;
  Form4& view = OpenGraphView(t, 6, {{5, 2, QStringLiteral("9")}});
  EXPECT_EQ(QPoint(view.Line1(0).X1, view.Line1(0).Y1), QPoint(5520, 7320));
  EXPECT_EQ(QPoint(view.Line1(0).X2, view.Line1(0).Y2), QPoint(9480, 3240));
  EXPECT_EQ(view.Text3[0]->text(), "9");
}

TEST(EdgeIdView, ShowsTheGridAndFollowsAReload) {
  TestApp t;
  Form4& first = OpenGraphView(
      t, 4,
      {{0, 1, QStringLiteral("3")}, {0, 2, QStringLiteral("4.5")}, {2, 3, QStringLiteral("-8")}});
  Click(first.Command3);
  Form5& grid = *t.App->EdgeIdView().Get();
  EXPECT_EQ(grid.windowTitle(), "Form5");
  const QColor marked(255, 128, 128);
  EXPECT_EQ(grid.Text1[2]->text(), "1");
  EXPECT_EQ(grid.Text3[2]->text(), "4.5");
  EXPECT_EQ(ui::Background(grid.Text1[2]), marked);
  EXPECT_EQ(grid.Text1[23]->text(), "2");
  EXPECT_EQ(grid.Text1[32]->text(), "-1");
  EXPECT_EQ(grid.Text3[32]->text(), "0");
  EXPECT_NE(ui::Background(grid.Text1[32]), marked);

  // Rearrange with the grid left open, drop A-C, draw again: nothing of the old graph stays.
  Click(first.Command1);
  t.Settle();
  Form3& editor = *t.App->MatrixEditor().Get();
  editor.Text1[2]->setText(QStringLiteral("0"));
  Form4& second = ViewGraph(t, {});
  ASSERT_NE(&second, nullptr);
  EXPECT_TRUE(second.Line1(0).Visible);
  EXPECT_TRUE(second.Line1(1).Visible);
  EXPECT_FALSE(second.Line1(2).Visible);
  EXPECT_FALSE(second.Text3[2]->isVisible());
  EXPECT_EQ(second.Text3[1]->text(), "-8");
  EXPECT_EQ(grid.Text1[2]->text(), "-1");
  EXPECT_EQ(grid.Text3[2]->text(), "0");
  EXPECT_NE(ui::Background(grid.Text1[2]), marked);
  EXPECT_EQ(grid.Text1[23]->text(), "1");
}

TEST(EdgeIdView, EveryCellAndTheButtonFitTheWindow) {
  TestApp t;
  Click(OpenGraphView(t, 2, {}).Command3);
  Form5& grid = *t.App->EdgeIdView().Get();
  EXPECT_EQ(grid.Text1[20]->geometry().top(), ui::TwipsToPixels(2746));
  EXPECT_EQ(grid.Text1[70]->geometry().top(), ui::TwipsToPixels(7211));
  EXPECT_EQ(grid.Text3[99]->geometry(), ToPixels({9720, 9360, 735, 285}));
  EXPECT_TRUE(grid.rect().contains(grid.Text3[99]->geometry()));
  EXPECT_TRUE(grid.rect().contains(grid.Command1->geometry()));
  EXPECT_EQ(grid.Text2[19]->text(), "J");
  EXPECT_EQ(grid.Text1[45]->objectName(), "Text1_45");
}

}  // namespace
}  // namespace tsp::testing
