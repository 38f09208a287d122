#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>
#include <functional>

#include "support/app_helpers.h"
#include "support/widget_helpers.h"
#include "ui/geometry.h"

namespace tsp::testing {
namespace {

using ui::Background;

const QColor White(255, 255, 255);
const QColor RedBox(255, 128, 128);
const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);
const QString WhiteMessage = QStringLiteral("Number must be 1's or 0's in white boxes ");
const QString RedMessage =
    QStringLiteral("Value for boxes must be between -101  and 101 different from 0.");

QString WhiteBox(int box) {
  return QStringLiteral("Text1_%1").arg(box);
}

QString RedBoxName(int box) {
  return QStringLiteral("Text2_%1").arg(box);
}

bool InBlock(int box, int n) {
  return box / 10 < n && box % 10 < n;
}

QStringList RedTexts(const MatrixEditor* editor) {
  QStringList texts;
  for (int box = 0; box < 100; ++box) texts << TextOf(editor, RedBoxName(box));
  return texts;
}

// The weights of draws first .. first + 99 of a fresh generator, rounded independently of the
// program's own conversion.
QStringList ExpectedWeights(int first) {
  ui::FixedRandomSource random;
  for (int i = 0; i < first; ++i) random.Next();
  QStringList weights;
  for (int i = 0; i < 100; ++i) {
    weights << QString::number(std::lrint(98.0 * static_cast<double>(random.Next()) + 1.0));
  }
  return weights;
}

TEST(MatrixEditorLayout, ControlsSitWhereDesigned) {
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "10");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->windowTitle(), "Form3");
  EXPECT_EQ(editor->size(), QSize(718, 699));

  const struct {
    const char* Name;
    QRect Pixels;
    QString Text;
    QColor Colour;
    double Points;
  } boxes[] = {
      {"Text1_0", {40, 64, 49, 33}, "0", White, 13.5},
      {"Text1_23", {232, 176, 49, 33}, "0", White, 13.5},
      {"Text2_23", {232, 200, 49, 19}, "1", RedBox, 8.25},
      {"Text2_99", {616, 592, 49, 19}, "1", RedBox, 8.25},
      {"Text5", {8, 176, 25, 33}, "C", QColor(128, 128, 255), 13.5},
      {"Text22", {616, 32, 49, 27}, "J", QColor(128, 255, 128), 13.5},
      {"PanelTitle", {0, -8, 257, 37}, "Fill up the Graph Matrix", Yellow, 18},
  };
  for (const auto& row : boxes) {
    SCOPED_TRACE(row.Name);
    const QLineEdit* box = Find(editor, row.Name);
    EXPECT_EQ(box->geometry(), row.Pixels);
    EXPECT_EQ(box->text(), row.Text);
    EXPECT_EQ(Background(box), row.Colour);
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), row.Points);
  }
  const struct {
    const char* Name;
    QRect Pixels;
    QString Caption;
  } buttons[] = {
      {"Command4", {248, 632, 105, 17}, "Fill Graph up"},
      {"Command5", {360, 632, 105, 17}, " Random Weight"},
      {"Command2", {72, 656, 153, 25}, "Reset number of vertices"},
      {"Command1", {280, 656, 137, 25}, "View Resulting Graph"},
      {"Command3", {488, 656, 121, 25}, "Exit"},
  };
  for (const auto& row : buttons) {
    const QPushButton* button = Find<QPushButton>(editor, row.Name);
    EXPECT_EQ(button->geometry(), row.Pixels) << row.Name;
    EXPECT_EQ(button->text(), row.Caption) << row.Name;
  }
  EXPECT_EQ(Background(Find<QPushButton>(editor, "Command1")), Yellow);
  EXPECT_EQ(Find(editor, "Text1_23")->accessibleName(), "Adjacency C to D");
  EXPECT_EQ(Find(editor, "Text2_23")->accessibleName(), "Weight C to D");
  for (const QWidget* child : editor->findChildren<QWidget*>()) {
    EXPECT_FALSE(child->accessibleName().trimmed().isEmpty()) << child->objectName().toStdString();
  }
}

class LoadStep : public ::testing::TestWithParam<int> {};

TEST_P(LoadStep, ShowsOnlyTheTopLeftBlockAndWritesNoBox) {
  const int n = GetParam();
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, QString::number(n), "5");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->vertexCount(), n);
  EXPECT_EQ(editor->iterationCount(), 5);
  EXPECT_EQ(TextOf(editor, "Text23"), QString::number(n));
  EXPECT_EQ(TextOf(editor, "Text24"), "5");
  EXPECT_FALSE(Find(editor, "Text23")->isVisible());
  EXPECT_FALSE(Find(editor, "Text24")->isVisible());
  for (int box = 0; box < 100; ++box) {
    SCOPED_TRACE(box);
    const QLineEdit* white = Find(editor, WhiteBox(box));
    const QLineEdit* red = Find(editor, RedBoxName(box));
    EXPECT_EQ(white->isVisible(), InBlock(box, n));
    EXPECT_EQ(red->isVisible(), InBlock(box, n));
    EXPECT_EQ(white->text(), "0");
    EXPECT_EQ(red->text(), "1");
    EXPECT_EQ(Background(white), White);
    EXPECT_EQ(Background(red), RedBox);
  }
  for (int k = 0; k < 10; ++k) {
    EXPECT_TRUE(Find(editor, QStringLiteral("Text%1").arg(3 + k))->isVisible());
    EXPECT_TRUE(Find(editor, QStringLiteral("Text%1").arg(13 + k))->isVisible());
  }
}

INSTANTIATE_TEST_SUITE_P(VertexCounts, LoadStep, ::testing::Values(1, 3, 10));

TEST(LoadStep, IterationTextIsReadAsANumberRoundedHalfToEven) {
  const struct {
    const char* Typed;
    const char* Written;
    int Count;
  } cases[] = {
      {"2.5", "2", 2}, {"3.5", "4", 4}, {"abc", "0", 0}, {"-4", "-4", -4}, {"12 times", "12", 12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Typed);
    TestApp app;
    MatrixEditor* editor = OpenEditor(app, "2", c.Typed);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(editor, "Text24"), c.Written);
    EXPECT_EQ(editor->iterationCount(), c.Count);
  }
}

class FillGraph : public ::testing::TestWithParam<int> {};

TEST_P(FillGraph, WritesOnesIntoTheVisibleWhiteBlockOnly) {
  const int n = GetParam();
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, QString::number(n));
  ASSERT_NE(editor, nullptr);
  Type(editor, "Text2_0", "42");
  Click(editor, "Command4");
  for (int box = 0; box < 100; ++box) {
    SCOPED_TRACE(box);
    EXPECT_EQ(TextOf(editor, WhiteBox(box)), InBlock(box, n) ? "1" : "0");
    EXPECT_EQ(Background(Find(editor, WhiteBox(box))), White);
    EXPECT_EQ(TextOf(editor, RedBoxName(box)), box == 0 ? "42" : "1");
  }
}

INSTANTIATE_TEST_SUITE_P(VertexCounts, FillGraph, ::testing::Values(1, 4));

TEST(RandomWeight, FillsAllRedBoxesWithTheNextHundredDraws) {
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "3");
  ASSERT_NE(editor, nullptr);
  Click(editor, "Command5");
  EXPECT_EQ(RedTexts(editor), ExpectedWeights(0));
  Click(editor, "Command5");
  EXPECT_EQ(RedTexts(editor), ExpectedWeights(100));
  for (int box = 0; box < 100; ++box) {
    EXPECT_EQ(TextOf(editor, WhiteBox(box)), "0");
    EXPECT_EQ(Background(Find(editor, RedBoxName(box))), RedBox);
  }
}

TEST(RandomWeight, FreshProgramsDrawTheSameWeightsFromOneToNinetyNine) {
  QStringList first;
  for (int run = 0; run < 2; ++run) {
    TestApp app;
    MatrixEditor* editor = OpenEditor(app, "5");
    ASSERT_NE(editor, nullptr);
    Click(editor, "Command5");
    if (run == 0) first = RedTexts(editor);
    EXPECT_EQ(RedTexts(editor), first);
  }
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "10");
  ASSERT_NE(editor, nullptr);
  int lowest = 1000;
  int highest = -1000;
  for (int press = 0; press < 40; ++press) {
    Click(editor, "Command5");
    for (const QString& text : RedTexts(editor)) {
      const int w = text.toInt();
      ASSERT_EQ(text, QString::number(w));
      lowest = std::min(lowest, w);
      highest = std::max(highest, w);
    }
  }
  EXPECT_EQ(lowest, 1);
  EXPECT_EQ(highest, 99);
}

TEST(Validation, FreshEditorPasses) {
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "3");
  ASSERT_NE(editor, nullptr);
  Click(editor, "Command1");
  EXPECT_TRUE(app.Messages.Texts.isEmpty());
  EXPECT_TRUE(app.App->window<GraphView>().IsShown());
  EXPECT_TRUE(app.App->window<MatrixEditor>().IsShown());
}

// Types text into one box of a fresh three-vertex editor, presses "View Resulting Graph" and
// hands the outcome to expect.
void CheckOneBox(const char* box, const char* text,
                 const std::function<void(const TestApp&, const MatrixEditor*)>& expect) {
  SCOPED_TRACE(text);
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "3");
  ASSERT_NE(editor, nullptr);
  Type(editor, box, text);
  Click(editor, "Command1");
  EXPECT_EQ(TextOf(editor, box), text);
  expect(app, editor);
}

TEST(Validation, RejectedWhiteTextIsMarkedYellowAndKept) {
  for (const char* text : {" 1", "1 ", "01", "", "1.0", "-0", "2", "l"}) {
    CheckOneBox("Text1_12", text, [](const TestApp& app, const MatrixEditor* editor) {
      EXPECT_EQ(app.Messages.Texts, QStringList{WhiteMessage});
      EXPECT_EQ(Background(Find(editor, "Text1_12")), Yellow);
      EXPECT_EQ(Background(Find(editor, "Text1_11")), White);
      EXPECT_FALSE(app.App->window<GraphView>().IsLoaded());
    });
  }
}

TEST(Validation, RedValuePassesOnlyStrictlyInsideTheRangeAndNotZero) {
  for (const char* text : {"-100", "100", "100.5", "-100.9", "100.99", "7 km", "-3"}) {
    CheckOneBox("Text2_4", text, [](const TestApp& app, const MatrixEditor* editor) {
      EXPECT_TRUE(app.Messages.Texts.isEmpty());
      EXPECT_EQ(Background(Find(editor, "Text2_4")), RedBox);
      EXPECT_TRUE(app.App->window<GraphView>().IsShown());
    });
  }
  for (const char* text : {"-101", "101", "101.0", "", "abc", "0.0", "0"}) {
    CheckOneBox("Text2_4", text, [](const TestApp& app, const MatrixEditor* editor) {
      EXPECT_EQ(app.Messages.Texts, QStringList{RedMessage});
      EXPECT_EQ(Background(Find(editor, "Text2_4")), Red);
      EXPECT_EQ(Background(Find(editor, "Text2_5")), RedBox);
      EXPECT_FALSE(app.App->window<GraphView>().IsLoaded());
    });
  }
}

TEST(Validation, WhiteFaultsComeFirstAndMarksFollowTheirRules) {
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "3");
  ASSERT_NE(editor, nullptr);
  const auto colour = [editor](const char* name) { return Background(Find(editor, name)); };
  Type(editor, "Text1_1", "x");
  Type(editor, "Text2_4", "0");
  Type(editor, "Text2_10", "500");

  Click(editor, "Command1");
  EXPECT_EQ(app.Messages.Texts, QStringList{WhiteMessage});
  EXPECT_EQ(colour("Text1_1"), Yellow);
  EXPECT_EQ(colour("Text2_4"), RedBox);
  EXPECT_EQ(colour("Text2_10"), RedBox);

  Type(editor, "Text1_1", "1");
  Click(editor, "Command1");
  EXPECT_EQ(app.Messages.Texts, (QStringList{WhiteMessage, RedMessage}));
  EXPECT_EQ(colour("Text1_1"), Yellow);
  EXPECT_EQ(colour("Text2_4"), Red);
  EXPECT_EQ(colour("Text2_10"), Red);
  EXPECT_EQ(colour("Text2_0"), RedBox);

  // Filling and drawing weights change texts, never marks.
  Click(editor, "Command4");
  Click(editor, "Command5");
  EXPECT_EQ(colour("Text1_1"), Yellow);
  EXPECT_EQ(colour("Text2_4"), Red);

  // Red marks are redone at every check; a white mark stays.
  Click(editor, "Command1");
  EXPECT_EQ(app.Messages.Texts.size(), 2);
  EXPECT_EQ(colour("Text2_4"), RedBox);
  EXPECT_EQ(colour("Text2_10"), RedBox);
  EXPECT_EQ(colour("Text1_1"), Yellow);
  EXPECT_TRUE(app.App->window<GraphView>().IsShown());
}

TEST(Validation, HiddenBoxesTakePart) {
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "2");
  ASSERT_NE(editor, nullptr);
  Type(editor, "Text2_99", "0");
  Click(editor, "Command1");
  EXPECT_EQ(app.Messages.Texts, QStringList{RedMessage});
  EXPECT_EQ(Background(Find(editor, "Text2_99")), Red);

  Type(editor, "Text1_55", "");
  Click(editor, "Command1");
  EXPECT_EQ(app.Messages.Texts.last(), WhiteMessage);
  EXPECT_EQ(Background(Find(editor, "Text1_55")), Yellow);
  EXPECT_FALSE(app.App->window<GraphView>().IsLoaded());
}

QStringList Range(const QString& pattern, int first, int last) {
  QStringList names;
  for (int i = first; i <= last; ++i) names << pattern.arg(i);
  return names;
}

// The boxes of the n x n block in focus order: row by row, white boxes then red ones, except
// that the red boxes of row 0 come after the first eight white boxes of row 1.
QStringList BoxFocusOrder(int n) {
  QStringList all = Range("Text1_%1", 0, 17) + Range("Text2_%1", 0, 9) + Range("Text1_%1", 18, 19) +
                    Range("Text2_%1", 10, 19);
  for (int row = 2; row < 10; ++row) {
    all += Range("Text1_%1", 10 * row, 10 * row + 9) + Range("Text2_%1", 10 * row, 10 * row + 9);
  }
  QStringList visible;
  for (const QString& name : all) {
    if (InBlock(name.section('_', 1).toInt(), n)) visible << name;
  }
  return visible;
}

// Boxes, row headers, "View Resulting Graph", column headers, then the other buttons up to
// " Random Weight"; the file buttons follow, and the title is no tab stop.
TEST(FocusOrder, ChainRunsThroughBoxesThenHeadersAndButtons) {
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "10");
  ASSERT_NE(editor, nullptr);
  QWidget* first = Find<QWidget>(editor, "Text1_0");
  QStringList chain;
  QWidget* widget = first;
  do {
    if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != first);
  const QStringList expected =
      BoxFocusOrder(10) + Range("Text%1", 3, 12) + QStringList{"Command1"} +
      Range("Text%1", 13, 22) +
      QStringList{"Command2", "Text23",     "Command3",   "Command4",         "Text24",
                  "Command5", "OpenButton", "SaveButton", "OpenExampleButton"};
  EXPECT_EQ(chain, expected);
  EXPECT_FALSE(Find<QWidget>(editor, "PanelTitle")->focusPolicy() & Qt::TabFocus);
}

TEST(FocusOrder, TabSkipsHiddenBoxesAndWrapsAfterTheFileButtons) {
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "3");
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
  Find<QWidget>(editor, "Text1_0")->setFocus();
  const QStringList expected =
      BoxFocusOrder(3) + Range("Text%1", 3, 12) + QStringList{"Command1"} +
      Range("Text%1", 13, 22) +
      QStringList{"Command2",   "Command3",   "Command4",          "Command5",
                  "OpenButton", "SaveButton", "OpenExampleButton", "Text1_0"};
  QStringList visited;
  for (int step = 0; step < expected.size(); ++step) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    visited << focused->objectName();
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace tsp::testing
