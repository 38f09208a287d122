#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "support/app_helpers.h"
#include "support/session_helpers.h"
#include "support/widget_helpers.h"

namespace tsp::testing {
namespace {

enum class Op { Click, Type, Close };

// One user step and the windows loaded after it (see LoadedWindows).
struct Step {
  Op Do;
  const char* Window;
  const char* Control;
  const char* Expect;
  const char* Text = "";
};

struct Road {
  const char* Name;
  std::vector<Step> Steps;
};

void PrintTo(const Road& road, std::ostream* out) {
  *out << road.Name;
}

class Roads : public ::testing::TestWithParam<Road> {};

TEST_P(Roads, LoadAndShowTheWindowsInTurn) {
  TestApp t;
  t.App->start();
  t.Settle();
  ASSERT_EQ(LoadedWindows(t), "Form1");
  for (const Step& step : GetParam().Steps) {
    ui::Window* window = WindowNamed(*t.App, QString::fromLatin1(step.Window));
    ASSERT_TRUE(window != nullptr && window->isVisible()) << step.Window;
    switch (step.Do) {
      case Op::Click:
        Click(window, step.Control);
        break;
      case Op::Type:
        Type(window, step.Control, QString::fromUtf8(step.Text));
        break;
      case Op::Close:
        window->close();
        break;
    }
    t.Settle();
    ASSERT_EQ(LoadedWindows(t), step.Expect) << step.Window << ' ' << step.Control;
  }
  EXPECT_LE(t.Ends, 1);
  EXPECT_TRUE(t.Messages.Texts.isEmpty()) << t.Messages.Texts.join('|').toStdString();
}

// From the start screen to a vertex-count screen holding 3, under the matrix editor.
std::vector<Step> ToEditor(std::vector<Step> then) {
  std::vector<Step> steps = {{Op::Click, "Form1", "Command1", "Form2"},
                             {Op::Type, "Form2", "Text3", "Form2", "3"},
                             {Op::Click, "Form2", "Command1", "Form2- Form3"}};
  steps.insert(steps.end(), then.begin(), then.end());
  return steps;
}

// The editor's boxes as typed: every box "0", so the graph has three lone vertices.
std::vector<Step> ToGraph(std::vector<Step> then) {
  then.insert(then.begin(), {Op::Click, "Form3", "Command1", "Form2- Form3 Form4"});
  return ToEditor(std::move(then));
}

INSTANTIATE_TEST_SUITE_P(
    Navigation, Roads,
    ::testing::Values(
        Road{"HelpTwiceThenStartThenBack",
             {{Op::Click, "Form1", "Command2", "Form1 Form6"},
              {Op::Click, "Form1", "Command2", "Form1 Form6"},
              {Op::Click, "Form1", "Command1", "Form2 Form6"},
              {Op::Click, "Form6", "Command1", "Form1 Form2"}}},
        Road{"BackAfterTheStartScreenWasClosed",
             {{Op::Click, "Form1", "Command2", "Form1 Form6"},
              {Op::Close, "Form1", "", "Form6"},
              {Op::Click, "Form6", "Command1", "Form1"}}},
        Road{"ClosingTheLastWindowEnds", {{Op::Close, "Form1", "", "end"}}},
        Road{"ClosingTheHelpLeavesTheStartScreen",
             {{Op::Click, "Form1", "Command2", "Form1 Form6"}, {Op::Close, "Form6", "", "Form1"}}},
        Road{"ClosingTheEditorEndsWithTheHiddenVertexCount",
             ToEditor({{Op::Close, "Form3", "", "end"}})},
        Road{"EditorResetThenAgain", ToEditor({{Op::Click, "Form3", "Command2", "Form2"},
                                               {Op::Click, "Form2", "Command1", "Form2- Form3"}})},
        Road{"EditorExitEnds", ToEditor({{Op::Click, "Form3", "Command3", "end"}})},
        // With help open, the start screen comes back over the editor and shows the
        // vertex-count screen again; closing it leaves the editor alone.
        Road{"VertexCountShownAgainOverTheEditor",
             {{Op::Click, "Form1", "Command2", "Form1 Form6"},
              {Op::Click, "Form1", "Command1", "Form2 Form6"},
              {Op::Type, "Form2", "Text3", "Form2 Form6", "3"},
              {Op::Click, "Form2", "Command1", "Form2- Form3 Form6"},
              {Op::Click, "Form6", "Command1", "Form1 Form2- Form3"},
              {Op::Click, "Form1", "Command1", "Form2 Form3"},
              {Op::Close, "Form2", "", "Form3"}}},
        Road{"RearrangeThenViewAgain",
             ToGraph({{Op::Click, "Form4", "Command1", "Form2- Form3"},
                      {Op::Click, "Form3", "Command1", "Form2- Form3 Form4"}})},
        Road{"EdgeIdsAndBack",
             ToGraph({{Op::Click, "Form4", "Command3", "Form2- Form3 Form4 Form5"},
                      {Op::Click, "Form5", "Command1", "Form2- Form3 Form4"}})},
        Road{"GraphExitLeavesTheEdgeIdsThenBackToTheVertexCount",
             ToGraph({{Op::Click, "Form4", "Command3", "Form2- Form3 Form4 Form5"},
                      {Op::Click, "Form4", "Command5", "Form2- Form5"},
                      {Op::Click, "Form5", "Command1", "Form2"}})},
        // Without a graph view, "Return to Graph" goes back along the validated road instead
        // of loading a graph view from unchecked boxes.
        Road{"EdgeIdsReturnWithoutGraphViewGoesToTheEditor",
             ToGraph({{Op::Click, "Form4", "Command3", "Form2- Form3 Form4 Form5"},
                      {Op::Close, "Form4", "", "Form2- Form3 Form5"},
                      {Op::Click, "Form5", "Command1", "Form2- Form3"}})},
        Road{"RearrangeWithoutEditorGoesToTheVertexCount",
             ToGraph({{Op::Click, "Form3", "Command2", "Form2 Form4"},
                      {Op::Click, "Form4", "Command1", "Form2"}})},
        Road{"GraphExitAloneEnds", ToGraph({{Op::Click, "Form4", "Command5", "end"}})}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Navigation, HelpIsLoadedOnce) {
  TestApp t;
  t.App->start();
  Click(t.App->window<StartScreen>().Get(), "Command2");
  const HelpScreen* help = t.App->window<HelpScreen>().Get();
  Click(t.App->window<StartScreen>().Get(), "Command2");
  EXPECT_EQ(t.App->window<HelpScreen>().Get(), help);
}

// Back from help loads a fresh start screen; the vertex-count screen keeps what was typed.
TEST(Navigation, BackFromHelpReloadsTheStartScreen) {
  TestApp t;
  t.App->start();
  Type(t.App->window<StartScreen>().Get(), "Text2", "typed");
  Click(t.App->window<StartScreen>().Get(), "Command2");
  Click(t.App->window<StartScreen>().Get(), "Command1");
  Type(t.App->window<VertexCountScreen>().Get(), "Text3", "7");
  Click(t.App->window<HelpScreen>().Get(), "Command1");
  t.Settle();
  EXPECT_EQ(TextOf(t.App->window<StartScreen>().Get(), "Text2"), "Made by the TSP Simulator team");
  EXPECT_EQ(TextOf(t.App->window<VertexCountScreen>().Get(), "Text3"), "7");
}

TEST(Navigation, RearrangeKeepsTheEditorsEntriesAndReturnKeepsTheGraphView) {
  TestApp t;
  MatrixEditor* editor = OpenEditor(t, "3");
  Type(editor, "Text1_2", "1");
  Type(editor, "Text2_2", "42");
  Click(editor, "Command1");
  GraphView* view = t.App->window<GraphView>().Get();
  Click(view, "Command3");
  Click(t.App->window<EdgeIdView>().Get(), "Command1");
  t.Settle();
  EXPECT_EQ(t.App->window<GraphView>().Get(), view);
  EXPECT_EQ(TextOf(view, "Text3_0"), "42");
  Click(view, "Command1");
  t.Settle();
  ASSERT_EQ(t.App->window<MatrixEditor>().Get(), editor);
  EXPECT_EQ(TextOf(editor, "Text2_2"), "42");
  EXPECT_EQ(TextOf(editor, "Text1_2"), "1");
}

struct Counts {
  const char* Vertices;
  const char* Iterations;
  const char* Message;  // empty: accepted
};

void PrintTo(const Counts& c, std::ostream* out) {
  *out << '"' << c.Vertices << "\", \"" << c.Iterations << '"';
}

class Continue : public ::testing::TestWithParam<Counts> {};

// The vertex count is checked first; a refused count leaves the screen as it was.
TEST_P(Continue, OpensTheEditorOnlyForValidCounts) {
  const Counts& c = GetParam();
  TestApp t;
  t.App->start();
  Click(t.App->window<StartScreen>().Get(), "Command1");
  const VertexCountScreen* screen = t.App->window<VertexCountScreen>().Get();
  Type(screen, "Text3", QString::fromUtf8(c.Vertices));
  Type(screen, "Text4", QString::fromUtf8(c.Iterations));
  Click(screen, "Command1");
  t.Settle();
  if (*c.Message == '\0') {
    EXPECT_TRUE(t.Messages.Texts.isEmpty());
    EXPECT_EQ(LoadedWindows(t), "Form2- Form3");
    return;
  }
  EXPECT_EQ(t.Messages.Texts, QStringList{QString::fromLatin1(c.Message)});
  EXPECT_EQ(LoadedWindows(t), "Form2");
  EXPECT_EQ(TextOf(screen, "Text3"), QString::fromUtf8(c.Vertices));
}

constexpr const char* BadCount = "Please enter a number between 1 and 10 !";
constexpr const char* BadIterations =
    "Please enter a number of iterations between -32768 and 32767 !";

INSTANTIATE_TEST_SUITE_P(
    Texts, Continue,
    ::testing::Values(Counts{"1", "1", ""}, Counts{"5", "1", ""}, Counts{"10", "1", ""},
                      Counts{"0", "1", BadCount}, Counts{"11", "1", BadCount},
                      Counts{"-1", "1", BadCount}, Counts{"", "1", BadCount},
                      Counts{"05", "1", BadCount}, Counts{" 5", "1", BadCount},
                      Counts{"5 ", "1", BadCount}, Counts{"+5", "1", BadCount},
                      Counts{"5.0", "1", BadCount}, Counts{"five", "1", BadCount},
                      Counts{"&H5", "1", BadCount}, Counts{"５", "1", BadCount},
                      Counts{"12", "99999", BadCount}, Counts{"4", "32768", BadIterations},
                      Counts{"4", "-32769", BadIterations}, Counts{"4", "1e9", BadIterations},
                      Counts{"4", "1e400", BadIterations}, Counts{"4", "&H8000", BadIterations},
                      Counts{"4", "32767", ""}, Counts{"4", "-32768", ""}, Counts{"4", "abc", ""},
                      Counts{"4", "", ""}, Counts{"4", "-4", ""}, Counts{"4", "2.5", ""}));

TEST(Continue, EnterDoesNotPressIt) {
  TestApp t;
  t.App->start();
  Click(t.App->window<StartScreen>().Get(), "Command1");
  QLineEdit* count = Find(t.App->window<VertexCountScreen>().Get(), "Text3");
  QTest::keyClicks(count, "4");
  QTest::keyClick(count, Qt::Key_Return);
  QTest::keyClick(count, Qt::Key_Enter);
  EXPECT_FALSE(t.App->window<MatrixEditor>().IsLoaded());
  EXPECT_TRUE(t.Messages.Texts.isEmpty());
}

}  // namespace
}  // namespace tsp::testing
