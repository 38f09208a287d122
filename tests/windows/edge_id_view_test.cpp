#include <gtest/gtest.h>

#include "support/graph_helpers.h"
#include "ui/geometry.h"
#include "windows/edge_id_view.h"

namespace tsp::testing {
namespace {

const QColor Marked(255, 128, 128);

EdgeIdView* OpenEdgeIds(TestApp& app, int vertexCount, const std::vector<EdgeEntry>& edges) {
  GraphView* view = OpenGraphWith(app, vertexCount, edges);
  if (view == nullptr) return nullptr;
  Click(view, QStringLiteral("Command3"));
  return app.App->window<EdgeIdView>().Get();
}

TEST(EdgeIdView, ShowsEveryLineInItsBoxAndFollowsARedraw) {
  TestApp app;
  EdgeIdView* grid = OpenEdgeIds(app, 4, {{0, 1, "3"}, {0, 2, "4.5"}, {2, 3, "-8"}});
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->windowTitle(), "Form5");
  const auto colour = [grid](const char* name) { return ui::Background(Find(grid, name)); };
  EXPECT_EQ(TextOf(grid, "Text1_2"), "1");
  EXPECT_EQ(TextOf(grid, "Text3_2"), "4.5");
  EXPECT_EQ(colour("Text1_2"), Marked);
  EXPECT_EQ(TextOf(grid, "Text1_23"), "2");
  EXPECT_EQ(TextOf(grid, "Text3_23"), "-8");
  EXPECT_EQ(TextOf(grid, "Text1_32"), "-1");
  EXPECT_EQ(TextOf(grid, "Text3_32"), "0");
  EXPECT_NE(colour("Text1_32"), Marked);

  // Rearrange with the grid left open, drop A-C, draw again: nothing of the old graph stays.
  Click(app.App->window<GraphView>().Get(), "Command1");
  app.Settle();
  MatrixEditor* editor = app.App->window<MatrixEditor>().Get();
  ASSERT_NE(editor, nullptr);
  Type(editor, "Text1_2", "0");
  Click(editor, "Command1");
  GraphView* redrawn = app.App->window<GraphView>().Get();
  ASSERT_NE(redrawn, nullptr);
  EXPECT_FALSE(GraphLine(redrawn, 2).Visible);
  EXPECT_EQ(TextOf(redrawn, "Text3_1"), "-8");
  EXPECT_EQ(TextOf(grid, "Text1_2"), "-1");
  EXPECT_EQ(TextOf(grid, "Text3_2"), "0");
  EXPECT_NE(colour("Text1_2"), Marked);
  EXPECT_EQ(TextOf(grid, "Text1_23"), "1");
}

TEST(EdgeIdView, CellsHeadersAndButtonStandWhereDesigned) {
  TestApp app;
  EdgeIdView* grid = OpenEdgeIds(app, 2, {});
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(Find(grid, "Text1_20")->geometry().top(), ui::TwipsToPixels(2746));
  EXPECT_EQ(Find(grid, "Text1_70")->geometry().top(), ui::TwipsToPixels(7211));
  EXPECT_EQ(Find(grid, "Text3_99")->geometry(), ui::ToPixels({9720, 9360, 735, 285}));
  EXPECT_TRUE(grid->rect().contains(Find(grid, "Text3_99")->geometry()));
  EXPECT_TRUE(grid->rect().contains(Find<QPushButton>(grid, "Command1")->geometry()));
  EXPECT_EQ(TextOf(grid, "Text2_9"), "J");
  EXPECT_EQ(TextOf(grid, "Text2_19"), "J");

  // Column A stands over its cells, the others 120 twips right of theirs.
  const int lefts[] = {1080, 2160, 3120, 4080, 5040, 6000, 6960, 7920, 8880, 9840};
  for (int c = 0; c < 10; ++c) {
    const QLineEdit* header = Find(grid, QStringLiteral("Text2_%1").arg(10 + c));
    EXPECT_EQ(header->geometry().topLeft(), QPoint(ui::TwipsToPixels(lefts[c]), 40)) << c;
  }
}

}  // namespace
}  // namespace tsp::testing
