#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "entry/form3.h"
#include "graph/form4.h"
#include "graph/form5.h"
#include "graph_view/graph_view_support.h"

namespace tsp::testing {
namespace {

TEST(GraphViewNavigation, RearrangeReturnsToTheEditorWithItsEntries) {
  TestApp t;
  Click(OpenGraphView(t, 3, {{0, 2, QStringLiteral("42")}}).Command1);
  t.Settle();
  EXPECT_FALSE(t.App->GraphView().IsLoaded());
  ASSERT_TRUE(t.App->MatrixEditor().IsShown());
  EXPECT_EQ(t.App->MatrixEditor().Get()->Text2[2]->text(), "42");
  EXPECT_EQ(t.Ends, 0);
}

TEST(GraphViewNavigation, ExitUnloadsGraphAndEditorButLeavesTheGrid) {
  TestApp t;
  Form4& view = OpenGraphView(t, 3, {});
  Click(view.Command3);
  Click(view.Command5);
  t.Settle();
  EXPECT_FALSE(t.App->GraphView().IsLoaded());
  EXPECT_FALSE(t.App->MatrixEditor().IsLoaded());
  EXPECT_TRUE(t.App->EdgeIdView().IsShown());
  EXPECT_EQ(t.Ends, 0);
}

TEST(GraphViewNavigation, ReturnToGraphShowsTheSameGraphView) {
  TestApp t;
  Form4& view = OpenGraphView(t, 3, {{0, 1, QStringLiteral("2")}});
  Click(view.Command3);
  Click(t.App->EdgeIdView().Get()->Command1);
  t.Settle();
  EXPECT_FALSE(t.App->EdgeIdView().IsLoaded());
  EXPECT_EQ(t.App->GraphView().Get(), &view);
  EXPECT_TRUE(view.isVisible());
  EXPECT_TRUE(view.Line1(0).Visible);
}

// Without a graph view, "Return to Graph" goes back along the validated road instead of
// loading a graph view from unchecked boxes.
TEST(GraphViewNavigation, ReturnToGraphWithoutGraphViewGoesToTheEditor) {
  TestApp t;
  Form4& view = OpenGraphView(t, 3, {});
  Click(view.Command3);
  view.close();  // the title-bar close button
  t.Settle();
  ASSERT_FALSE(t.App->GraphView().IsLoaded());
  Click(t.App->EdgeIdView().Get()->Command1);
  t.Settle();
  EXPECT_FALSE(t.App->EdgeIdView().IsLoaded());
  EXPECT_FALSE(t.App->GraphView().IsLoaded());
  EXPECT_TRUE(t.App->MatrixEditor().IsShown());
}

TEST(GraphViewNavigation, ReturnToGraphWithoutGraphViewOrEditorGoesToTheVertexCount) {
  TestApp t;
  Form4& view = OpenGraphView(t, 3, {});
  Click(view.Command3);
  Click(view.Command5);
  t.Settle();
  Click(t.App->EdgeIdView().Get()->Command1);
  t.Settle();
  EXPECT_FALSE(t.App->EdgeIdView().IsLoaded());
  EXPECT_FALSE(t.App->GraphView().IsLoaded());
  EXPECT_FALSE(t.App->MatrixEditor().IsLoaded());
  EXPECT_TRUE(t.App->VertexCountScreen().IsShown());
  EXPECT_EQ(t.Ends, 0);
}

TEST(GraphViewNavigation, RearrangeWithoutEditorGoesToTheVertexCount) {
  TestApp t;
  Form4& view = OpenGraphView(t, 3, {});
  Click(t.App->MatrixEditor().Get()->Command2);  // "Reset number of vertices"
  t.Settle();
  ASSERT_FALSE(t.App->MatrixEditor().IsLoaded());
  Click(view.Command1);
  t.Settle();
  EXPECT_FALSE(t.App->GraphView().IsLoaded());
  EXPECT_FALSE(t.App->MatrixEditor().IsLoaded());
  EXPECT_TRUE(t.App->VertexCountScreen().IsShown());
}

}  // namespace
}  // namespace tsp::testing
