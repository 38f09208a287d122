#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <ostream>
#include <tuple>
#include <vector>

#include "entry/form2.h"
#include "entry/form3.h"
#include "graph/form4.h"
#include "support/fake_services.h"
#include "ui/geometry.h"

namespace {

using tsp::Form3;
using tsp::testing::TestApp;
using tsp::ui::Background;

const QColor White(255, 255, 255);
const QColor RedBox(255, 128, 128);
const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);
const QString WhiteMessage = QStringLiteral("Number must be 1's or 0's in white boxes ");
const QString RedMessage =
    QStringLiteral("Value for boxes must be between -101  and 101 different from 0.");

// Opens the editor the way a user does: both counts typed into Form2, then "Continue".
Form3* OpenEditor(TestApp& t, const QString& vertices, const QString& iterations = "1") {
  tsp::Form2& entry = t.App->VertexCountScreen().Show();
  QTest::keyClicks(entry.Text3, vertices);
  entry.Text4->clear();
  QTest::keyClicks(entry.Text4, iterations);
  QTest::mouseClick(entry.Command1, Qt::LeftButton);
  return t.App->MatrixEditor().Get();
}

// Replaces a box's text by keyboard: select all, delete, type.
void Retype(QLineEdit* box, const QString& text) {
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClicks(box, text);
  ASSERT_EQ(box->text(), text);
}

void Click(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

bool InBlock(int index, int n) {
  return index / 10 < n && index % 10 < n;
}

// The weights of draws first .. first + 99 of a fresh generator, rounded independently of the
// program's own conversion.
std::vector<QString> ExpectedWeights(int first) {
  tsp::ui::FixedRandomSource random;
  for (int i = 0; i < first; ++i) random.Next();
  std::vector<QString> weights;
  for (int i = 0; i < 100; ++i) {
    const double w = std::nearbyint(98.0 * static_cast<double>(random.Next()) + 1.0);
    weights.push_back(QString::number(static_cast<int>(w)));
  }
  return weights;
}

std::vector<QString> RedTexts(const Form3& editor) {
  std::vector<QString> texts;
  for (const QLineEdit* box : editor.Text2) texts.push_back(box->text());
  return texts;
}

TEST(MatrixEditorLayout, ControlsSitWhereDesigned) {
  TestApp t;
  Form3* editor = OpenEditor(t, "10");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->windowTitle(), "Form3");
  EXPECT_EQ(editor->size(), QSize(718, 699));
  EXPECT_EQ(editor->palette().color(QPalette::Window), QColor(Qt::black));

  struct Expected {
    const char* Name;
    QRect Pixels;
    QString Text;
    QColor Colour;
    double Points;
    bool Bold;
  };
  const Expected table[] = {
      {"Text1_0", {40, 64, 49, 33}, "0", White, 13.5, true},
      {"Text1_23", {232, 176, 49, 33}, "0", White, 13.5, true},
      {"Text2_0", {40, 88, 49, 19}, "1", RedBox, 8.25, false},
      {"Text2_23", {232, 200, 49, 19}, "1", RedBox, 8.25, false},
      {"Text2_99", {616, 592, 49, 19}, "1", RedBox, 8.25, false},
      {"Text3", {8, 64, 25, 33}, "A", QColor(128, 128, 255), 13.5, true},
      {"Text5", {8, 176, 25, 33}, "C", QColor(128, 128, 255), 13.5, true},
      {"Text12", {8, 568, 25, 33}, "J", QColor(128, 128, 255), 13.5, true},
      {"Text13", {40, 32, 49, 27}, "A", QColor(128, 255, 128), 13.5, true},
      {"Text16", {232, 32, 49, 27}, "D", QColor(128, 255, 128), 13.5, true},
      {"Text22", {616, 32, 49, 27}, "J", QColor(128, 255, 128), 13.5, true},
      {"PanelTitle", {0, -8, 257, 37}, "Fill up the Graph Matrix", Yellow, 18, false},
      {"Text23", {680, 24, 33, 19}, "10", {}, 8.25, false},
      {"Text24", {680, 120, 33, 19}, "1", {}, 8.25, false},
  };
  for (const Expected& row : table) {
    SCOPED_TRACE(row.Name);
    auto* box = editor->findChild<QLineEdit*>(row.Name);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry(), row.Pixels);
    EXPECT_EQ(box->text(), row.Text);
    if (row.Colour.isValid()) {
      EXPECT_EQ(Background(box), row.Colour);
    }
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), row.Points);
    EXPECT_EQ(box->font().bold(), row.Bold);
  }

  const std::tuple<QPushButton*, QRect, QString> buttons[] = {
      {editor->Command4, {248, 632, 105, 17}, "Fill Graph up"},
      {editor->Command5, {360, 632, 105, 17}, " Random Weight"},
      {editor->Command2, {72, 656, 153, 25}, "Reset number of vertices"},
      {editor->Command1, {280, 656, 137, 25}, "View Resulting Graph"},
      {editor->Command3, {488, 656, 121, 25}, "Exit"},
  };
  for (const auto& [button, pixels, caption] : buttons) {
    EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(button->geometry(), pixels) << caption.toStdString();
  }
  EXPECT_EQ(Background(editor->Command1), Yellow);

  EXPECT_EQ(editor->Text1[23]->accessibleName(), "Adjacency C to D");
  EXPECT_EQ(editor->Text2[23]->accessibleName(), "Weight C to D");
  EXPECT_EQ(editor->Text1[23]->objectName(), "Text1_23");
  EXPECT_EQ(editor->Text2[23]->objectName(), "Text2_23");
  EXPECT_EQ(editor->RowHeaders[2]->objectName(), "Text5");
  EXPECT_EQ(editor->ColumnHeaders[3]->objectName(), "Text16");
  for (QWidget* child : editor->findChildren<QWidget*>()) {
    EXPECT_FALSE(child->accessibleName().trimmed().isEmpty()) << child->objectName().toStdString();
  }
}

class LoadStep : public ::testing::TestWithParam<int> {};

TEST_P(LoadStep, ShowsOnlyTheTopLeftBlockAndWritesNoBox) {
  const int n = GetParam();
  TestApp t;
  Form3* editor = OpenEditor(t, QString::number(n), "5");
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_FALSE(t.App->VertexCountScreen().IsShown());
  EXPECT_TRUE(t.App->VertexCountScreen().IsLoaded());
  EXPECT_EQ(editor->vertexCount, n);
  EXPECT_EQ(editor->iterationCount, 5);
  EXPECT_EQ(editor->Text23->text(), QString::number(n));
  EXPECT_EQ(editor->Text24->text(), "5");
  EXPECT_FALSE(editor->Text23->isVisible());
  EXPECT_FALSE(editor->Text24->isVisible());
  for (int i = 0; i < 100; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(editor->Text1[i]->isVisible(), InBlock(i, n));
    EXPECT_EQ(editor->Text2[i]->isVisible(), InBlock(i, n));
    EXPECT_EQ(editor->Text1[i]->text(), "0");
    EXPECT_EQ(editor->Text2[i]->text(), "1");
    EXPECT_EQ(Background(editor->Text1[i]), White);
    EXPECT_EQ(Background(editor->Text2[i]), RedBox);
  }
  for (int k = 0; k < 10; ++k) {
    EXPECT_TRUE(editor->RowHeaders[k]->isVisible());
    EXPECT_TRUE(editor->ColumnHeaders[k]->isVisible());
  }
  EXPECT_TRUE(editor->PanelTitle->isVisible());
  for (QPushButton* button :
       {editor->Command1, editor->Command2, editor->Command3, editor->Command4, editor->Command5}) {
    EXPECT_TRUE(button->isVisible());
  }
}

INSTANTIATE_TEST_SUITE_P(VertexCounts, LoadStep, ::testing::Values(1, 3, 10));

struct IterationCase {
  const char* Typed;
  const char* Written;
  std::int16_t Count;
};

void PrintTo(const IterationCase& c, std::ostream* os) {
  *os << '"' << c.Typed << '"';
}

class IterationText : public ::testing::TestWithParam<IterationCase> {};

TEST_P(IterationText, IsReadByNumericValueAndRoundedHalfEven) {
  TestApp t;
  Form3* editor = OpenEditor(t, "2", GetParam().Typed);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->Text24->text(), GetParam().Written);
  EXPECT_EQ(editor->iterationCount, GetParam().Count);
  EXPECT_EQ(editor->Text23->text(), "2");
}

INSTANTIATE_TEST_SUITE_P(Texts, IterationText,
                         ::testing::Values(IterationCase{"2.5", "2", 2},
                                           IterationCase{"3.5", "4", 4},
                                           IterationCase{"abc", "0", 0},
                                           IterationCase{"-4", "-4", -4},
                                           IterationCase{"12 times", "12", 12}));

class FillGraph : public ::testing::TestWithParam<int> {};

TEST_P(FillGraph, WritesOnesIntoTheVisibleWhiteBlockOnly) {
  const int n = GetParam();
  TestApp t;
  Form3* editor = OpenEditor(t, QString::number(n));
  ASSERT_NE(editor, nullptr);
  Retype(editor->Text2[0], "42");
  Click(editor->Command4);
  for (int i = 0; i < 100; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(editor->Text1[i]->text(), InBlock(i, n) ? "1" : "0");
    EXPECT_EQ(Background(editor->Text1[i]), White);
    if (i > 0) {
      EXPECT_EQ(editor->Text2[i]->text(), "1");
    }
  }
  EXPECT_EQ(editor->Text2[0]->text(), "42");
}

INSTANTIATE_TEST_SUITE_P(VertexCounts, FillGraph, ::testing::Values(1, 4));

TEST(RandomWeight, FillsAllRedBoxesWithTheNextHundredDraws) {
  TestApp t;
  Form3* editor = OpenEditor(t, "3");
  ASSERT_NE(editor, nullptr);
  Click(editor->Command5);
  EXPECT_EQ(RedTexts(*editor), ExpectedWeights(0));
  EXPECT_EQ(editor->lastRandomWeight, editor->Text2[99]->text().toInt());
  EXPECT_FALSE(editor->Text2[99]->isVisible());
  Click(editor->Command5);
  EXPECT_EQ(RedTexts(*editor), ExpectedWeights(100));
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(editor->Text1[i]->text(), "0");
    EXPECT_EQ(Background(editor->Text2[i]), RedBox);
  }
}

TEST(RandomWeight, FreshProgramsDrawTheSameWeights) {
  std::vector<QString> first;
  for (int run = 0; run < 2; ++run) {
    TestApp t;
    Form3* editor = OpenEditor(t, "5");
    ASSERT_NE(editor, nullptr);
    Click(editor->Command5);
    if (run == 0) {
      first = RedTexts(*editor);
    } else {
      EXPECT_EQ(RedTexts(*editor), first);
    }
  }
}

TEST(RandomWeight, WeightsRangeFromOneToNinetyNine) {
  TestApp t;
  Form3* editor = OpenEditor(t, "10");
  ASSERT_NE(editor, nullptr);
  int lowest = 1000;
  int highest = -1000;
  for (int press = 0; press < 40; ++press) {
    Click(editor->Command5);
    for (const QLineEdit* box : editor->Text2) {
      bool plain = false;
      const int w = box->text().toInt(&plain);
      ASSERT_TRUE(plain) << box->text().toStdString();
      ASSERT_EQ(box->text(), QString::number(w));
      lowest = std::min(lowest, w);
      highest = std::max(highest, w);
    }
  }
  EXPECT_EQ(lowest, 1);
  EXPECT_EQ(highest, 99);
}

TEST(Validation, FreshEditorPassesAndShowsTheGraphView) {
  TestApp t;
  Form3* editor = OpenEditor(t, "3");
  ASSERT_NE(editor, nullptr);
  Click(editor->Command1);
  EXPECT_TRUE(t.Messages.Texts.isEmpty());
  EXPECT_TRUE(t.App->GraphView().IsShown());
  EXPECT_TRUE(t.App->MatrixEditor().IsShown());
  EXPECT_EQ(editor->validCount, 100);
}

class RejectedWhiteText : public ::testing::TestWithParam<const char*> {};

TEST_P(RejectedWhiteText, IsMarkedYellowAndKept) {
  TestApp t;
  Form3* editor = OpenEditor(t, "3");
  ASSERT_NE(editor, nullptr);
  Retype(editor->Text1[12], GetParam());
  Click(editor->Command1);
  EXPECT_EQ(t.Messages.Texts, QStringList{WhiteMessage});
  EXPECT_EQ(editor->Text1[12]->text(), GetParam());
  EXPECT_EQ(Background(editor->Text1[12]), Yellow);
  EXPECT_EQ(Background(editor->Text1[11]), White);
  EXPECT_EQ(editor->validCount, 0);
  EXPECT_FALSE(t.App->GraphView().IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(Texts, RejectedWhiteText,
                         ::testing::Values(" 1", "1 ", "01", "", "1.0", "-0", "2", "l"));

struct RedCase {
  const char* Text;
  bool Accepted;
};

void PrintTo(const RedCase& c, std::ostream* os) {
  *os << '"' << c.Text << '"';
}

class RedValue : public ::testing::TestWithParam<RedCase> {};

TEST_P(RedValue, PassesOnlyStrictlyInsideTheRangeAndNotZero) {
  TestApp t;
  Form3* editor = OpenEditor(t, "3");
  ASSERT_NE(editor, nullptr);
  const QString text = GetParam().Text;
  Retype(editor->Text2[4], text);
  Click(editor->Command1);
  EXPECT_EQ(editor->Text2[4]->text(), text);
  if (GetParam().Accepted) {
    EXPECT_TRUE(t.Messages.Texts.isEmpty());
    EXPECT_EQ(Background(editor->Text2[4]), RedBox);
    EXPECT_TRUE(t.App->GraphView().IsShown());
  } else {
    EXPECT_EQ(t.Messages.Texts, QStringList{RedMessage});
    EXPECT_EQ(Background(editor->Text2[4]), Red);
    EXPECT_EQ(Background(editor->Text2[5]), RedBox);
    EXPECT_FALSE(t.App->GraphView().IsLoaded());
  }
}

INSTANTIATE_TEST_SUITE_P(Boundaries, RedValue,
                         ::testing::Values(RedCase{"-101", false}, RedCase{"101", false},
                                           RedCase{"101.0", false}, RedCase{"-100", true},
                                           RedCase{"100", true}, RedCase{"100.5", true},
                                           RedCase{"-100.9", true}, RedCase{"100.99", true},
                                           RedCase{"", false}, RedCase{"abc", false},
                                           RedCase{"0.0", false}, RedCase{"0", false},
                                           RedCase{"7 km", true}, RedCase{"-3", true}));

TEST(Validation, WhiteFaultsAreReportedBeforeRedOnesAndMarksFollowTheirRules) {
  TestApp t;
  Form3* editor = OpenEditor(t, "3");
  ASSERT_NE(editor, nullptr);
  Retype(editor->Text1[1], "x");
  Retype(editor->Text2[4], "0");
  Retype(editor->Text2[10], "500");

  Click(editor->Command1);
  EXPECT_EQ(t.Messages.Texts, QStringList{WhiteMessage});
  EXPECT_EQ(Background(editor->Text1[1]), Yellow);
  EXPECT_EQ(Background(editor->Text2[4]), RedBox);
  EXPECT_EQ(Background(editor->Text2[10]), RedBox);

  Retype(editor->Text1[1], "1");
  Click(editor->Command1);
  EXPECT_EQ(t.Messages.Texts, (QStringList{WhiteMessage, RedMessage}));
  EXPECT_EQ(Background(editor->Text1[1]), Yellow);
  EXPECT_EQ(Background(editor->Text2[4]), Red);
  EXPECT_EQ(Background(editor->Text2[10]), Red);
  EXPECT_EQ(Background(editor->Text2[0]), RedBox);
  EXPECT_EQ(editor->Text2[4]->text(), "0");
  EXPECT_EQ(editor->Text2[10]->text(), "500");

  // Filling and drawing weights change texts, never marks.
  Click(editor->Command4);
  Click(editor->Command5);
  EXPECT_EQ(Background(editor->Text1[1]), Yellow);
  EXPECT_EQ(Background(editor->Text2[4]), Red);

  Click(editor->Command1);
  EXPECT_EQ(t.Messages.Texts.size(), 2);
  EXPECT_EQ(Background(editor->Text2[4]), RedBox);
  EXPECT_EQ(Background(editor->Text2[10]), RedBox);
  EXPECT_EQ(Background(editor->Text1[1]), Yellow);
  EXPECT_TRUE(t.App->GraphView().IsShown());
  EXPECT_TRUE(t.App->MatrixEditor().IsShown());
}

TEST(Validation, HiddenBoxesTakePart) {
  TestApp t;
  Form3* editor = OpenEditor(t, "2");
  ASSERT_NE(editor, nullptr);
  // Hidden boxes cannot be typed into; only a program change reaches them.
  editor->Text2[99]->setText("0");
  Click(editor->Command1);
  EXPECT_EQ(t.Messages.Texts, QStringList{RedMessage});
  EXPECT_EQ(Background(editor->Text2[99]), Red);

  editor->Text1[55]->setText("");
  Click(editor->Command1);
  EXPECT_EQ(t.Messages.Texts.last(), WhiteMessage);
  EXPECT_EQ(Background(editor->Text1[55]), Yellow);
  EXPECT_FALSE(t.App->GraphView().IsLoaded());
}

TEST(Navigation, ResetShowsTheVertexCountScreenWithItsTexts) {
  TestApp t;
  Form3* editor = OpenEditor(t, "4", "7");
  ASSERT_NE(editor, nullptr);
  Click(editor->Command4);
  Click(editor->Command2);
  t.Settle();
  EXPECT_FALSE(t.App->MatrixEditor().IsLoaded());
  ASSERT_TRUE(t.App->VertexCountScreen().IsShown());
  tsp::Form2& entry = *t.App->VertexCountScreen().Get();
  EXPECT_EQ(entry.Text3->text(), "4");
  EXPECT_EQ(entry.Text4->text(), "7");
  EXPECT_EQ(t.Ends, 0);

  Click(entry.Command1);
  Form3* fresh = t.App->MatrixEditor().Get();
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->Text1[0]->text(), "0");
  EXPECT_EQ(fresh->Text24->text(), "7");
}

TEST(Navigation, ExitUnloadsTheEditor) {
  TestApp t;
  Form3* editor = OpenEditor(t, "4");
  ASSERT_NE(editor, nullptr);
  Click(editor->Command3);
  t.Settle();
  EXPECT_FALSE(t.App->MatrixEditor().IsLoaded());
  EXPECT_FALSE(t.App->VertexCountScreen().IsShown());
}

QStringList Range(const QString& pattern, int first, int last) {
  QStringList names;
  for (int i = first; i <= last; ++i) names << pattern.arg(i);
  return names;
}

// Cells of an n x n block in focus order: row by row, white boxes then red ones, except that
// the red boxes of row 0 come after the first eight white boxes of row 1.
QStringList CellFocusOrder(int n) {
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

TEST(FocusOrder, ChainRunsThroughCellsThenHeadersAndButtons) {
  TestApp t;
  Form3* editor = OpenEditor(t, "10");
  ASSERT_NE(editor, nullptr);
  QStringList chain;
  QWidget* widget = editor->Text1[0];
  do {
    if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != editor->Text1[0]);
  const QStringList expected =
      CellFocusOrder(10) + Range("Text%1", 3, 12) + QStringList{"Command1"} +
      Range("Text%1", 13, 22) +
      QStringList{"Command2", "Text23", "Command3", "Command4", "Text24", "Command5", "PanelTitle"};
  EXPECT_EQ(chain, expected);
}

TEST(FocusOrder, TabSkipsHiddenBoxes) {
  TestApp t;
  Form3* editor = OpenEditor(t, "3");
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
  editor->Text1[0]->setFocus();
  const QStringList expected =
      CellFocusOrder(3) + Range("Text%1", 3, 12) + QStringList{"Command1"} +
      Range("Text%1", 13, 22) +
      QStringList{"Command2", "Command3", "Command4", "Command5", "PanelTitle", "Text1_0"};
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
