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

struct DesignRow {
  const char* Name;
  QString Text;
  Place Where;
  QColor Background;
};

TEST(GraphViewLayout, ControlsStandAtTheirDesignPlaces) {
  TestApp t;
  Form4& view = OpenGraphView(t, 3, {});
  EXPECT_EQ(view.windowTitle(), "Form4");
  EXPECT_EQ(view.size(), QSize(ui::TwipsToPixels(12165), ui::TwipsToPixels(11115)));

  const std::vector<DesignRow> rows = {
      {"Text1", QStringLiteral("            Graph View"), {3960, 240, 3255, 420}, {128, 128, 255}},
      {"Command1", QStringLiteral("Rearrange Graph"), {0, 240, 2535, 375}, {}},
      {"Command3", QStringLiteral("View LineID repartitions"), {-120, 720, 2175, 375}, {}},
      {"Command6", QStringLiteral("MakeLightCycle"), {8400, 720, 2055, 375}, {}},
      {"Command2", QStringLiteral("MinimumSpanningTree"), {0, 1200, 1815, 375}, {}},
      {"Command4", QStringLiteral("RunTSP(Alg 1)"), {0, 1800, 1575, 375}, {192, 192, 192}},
      {"Command5", QStringLiteral("Exit"), {-120, 2400, 975, 375}, {}},
      {"Label2", QStringLiteral(" List of edges for TSP"), {240, 8760, 2415, 495}, {128, 128, 255}},
      {"Text8", QString(), {240, 10200, 6975, 495}, {224, 224, 224}},
      {"Label7", QStringLiteral("Data"), {7440, 7800, 4575, 3135}, {224, 224, 224}},
      {"Text5", QString(), {10080, 8400, 1575, 495}, {192, 192, 255}},
      {"Text9", QString(), {9120, 10320, 1095, 495}, {128, 255, 128}},
  };
  for (const DesignRow& row : rows) {
    SCOPED_TRACE(row.Name);
    auto* widget = view.findChild<QWidget*>(QString::fromLatin1(row.Name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), ToPixels(row.Where));
    if (row.Background.isValid()) {
      EXPECT_EQ(ui::Background(widget), row.Background);
    }
    QString text;
    if (auto* box = qobject_cast<QLineEdit*>(widget)) text = box->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) text = button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
    EXPECT_EQ(text, row.Text);
    EXPECT_FALSE(widget->accessibleName().isEmpty());
  }
  EXPECT_FALSE(view.Command4->isEnabled());
  EXPECT_EQ(view.Timer1->interval(), 1000);
  EXPECT_EQ(view.Timer2->interval(), 500);
  EXPECT_EQ(view.Timer3->interval(), 500);
  EXPECT_FALSE(view.Timer1->Enabled() || view.Timer2->Enabled() || view.Timer3->Enabled());

  EXPECT_EQ(view.Shape2(2).Box.Left, 9120);
  EXPECT_EQ(view.Shape2(2).Diameter, 735);
  EXPECT_EQ(view.Shape2(2).Fill, QColor(Qt::white));
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

TEST(GraphViewLoad, OnePairEnteredTwiceKeepsTheUpperBox) {
  TestApp t;
  Form4& view = OpenGraphView(t, 6, {{2, 5, QStringLiteral("7")}, {5, 2, QStringLiteral("9")}});
  EXPECT_TRUE(view.Line1(0).Visible);
  EXPECT_FALSE(view.Line1(1).Visible);
  EXPECT_EQ(view.Text3[0]->text(), "7");
  EXPECT_EQ(t.App->MatrixEditor().Get()->Text1[52]->text(), "0");
  EXPECT_EQ(t.App->MatrixEditor().Get()->Text1[25]->text(), "1");
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
