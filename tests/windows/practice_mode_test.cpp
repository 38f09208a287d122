// Practice on the graph view: a line question and a vertex question, each answered right,
// wrong and with a tie, by a click on the drawing, on a letter or weight box, and in the list.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "core/graph/ring.h"
#include "support/graph_helpers.h"

namespace tsp::testing {
namespace {

const QColor TreeOrange(255, 128, 0);
const QColor SkyBlue(86, 180, 233);
const QColor Plain = ui::SystemColour::Desktop;

// Chooses the algorithm in the Practice box with the keyboard, as a user without a mouse does.
void Practise(GraphView* view, const QString& name) {
  auto* box = Find<QComboBox>(view, "PracticeBox");
  const int index = box->findText(name);
  ASSERT_GT(index, 0) << name.toStdString();
  box->setCurrentIndex(index - 1);
  QTest::keyClick(box, Qt::Key_Down);
}

// A left click at a point of the window, given in twips, on whatever widget stands there (the
// canvas only while it takes clicks).
void ClickAt(GraphView* view, ring::TwipPoint twips) {
  const QPoint pixel(twips.X / ui::TwipsPerPixel, twips.Y / ui::TwipsPerPixel);
  QWidget* target = view->childAt(pixel);
  if (target == nullptr) target = view;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(view, pixel));
}

// A point a third of the way along the line from a to b, clear of the weight box.
ring::TwipPoint OnLine(int a, int b) {
  const ring::TwipPoint from = ring::Anchors[a];
  const ring::TwipPoint to = ring::Anchors[b];
  return {from.X + (to.X - from.X) / 3, from.Y + (to.Y - from.Y) / 3};
}

QString Verdict(const GraphView* view) {
  return Find<QPlainTextEdit>(view, "VerdictBox")->toPlainText();
}

void CheckInList(GraphView* view, const QString& answer) {
  auto* list = Find<QListWidget>(view, "AnswerList");
  const QList<QListWidgetItem*> items = list->findItems(answer, Qt::MatchExactly);
  ASSERT_EQ(items.size(), 1) << answer.toStdString();
  list->setCurrentItem(items[0]);
  Click(view, "CheckButton");
}

QStringList ListedAnswers(const GraphView* view) {
  QStringList texts;
  const auto* list = Find<QListWidget>(view, "AnswerList");
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
}

QColor LineColour(const GraphView* view, int a, int b) {
  return GraphLine(view, view->drawing()->LineBetween(a, b)).BorderColour;
}

TEST(PracticeLines, WrongOnTheDrawingRightInTheListAndOnAWeightThenRevealed) {
  TestApp app;
  GraphView* view = OpenGraph(app, FourVertexWeights());
  ASSERT_NE(view, nullptr);
  Practise(view, "Spanning tree");
  EXPECT_EQ(TextOf(view, "StepLine"),
            "Question 1 of 3: Which line does Prim's algorithm add next?");
  EXPECT_EQ(ListedAnswers(view).size(), 6);

  // Wrong: the right line flashes until the timer takes it back.
  ClickAt(view, OnLine(2, 3));
  EXPECT_EQ(Verdict(view),
            "Not this one: C--D (9) does not touch the tree: both its ends are outside it.");
  EXPECT_EQ(LineColour(view, 0, 1), QColor(255, 255, 255));
  Fire(view, "FlashTimer");
  EXPECT_EQ(LineColour(view, 0, 1), Plain);

  CheckInList(view, "A--B (1)");
  EXPECT_EQ(Verdict(view),
            "Right: A--B (1) is the lightest line from the tree to a vertex outside it.");
  EXPECT_EQ(LineColour(view, 0, 1), TreeOrange);
  EXPECT_EQ(TextOf(view, "Text6"), "A--B,");
  EXPECT_EQ(TextOf(view, "ScoreLine"), "0 of 1 right at the first try");
  EXPECT_EQ(TextOf(view, "StepLine"),
            "Question 2 of 3: Which line does Prim's algorithm add next?");
  EXPECT_FALSE(ListedAnswers(view).contains("A--B (1)")) << "the tree's own lines are not offered";

  const ring::TwipBox weight = ring::WeightBox(1, 3);
  ClickAt(view, {weight.Left + 60, weight.Top + 60});
  EXPECT_EQ(TextOf(view, "Text6"), "A--B,B--D,");

  // The last step ends the run as a played one ends, but without its message.
  Click(view, "RevealButton");
  EXPECT_EQ(Verdict(view),
            "The answer: A--C (3) is the lightest line from the tree to a vertex outside it.");
  EXPECT_EQ(TextOf(view, "ScoreLine"), "1 of 3 right at the first try");
  EXPECT_EQ(TextOf(view, "StepLine"), "Done: the tree joins 4 of 4 vertices with weight 6.");
  EXPECT_EQ(TextOf(view, "Text6"), "A--B,B--D,A--C,");
  EXPECT_TRUE(app.Messages.Texts.isEmpty());
  EXPECT_FALSE(Find<QPushButton>(view, "CheckButton")->isVisible());
  EXPECT_TRUE(Find<QWidget>(view, "PlaybackBar")->isEnabled());
  ClickAt(view, OnLine(2, 3));
  EXPECT_EQ(LineColour(view, 2, 3), Plain) << "no practice, no answer";
}

TEST(PracticeLines, ATieIsRightAndPlaysTheProgramsLine) {
  TestApp app;
  GraphView* view = OpenGraphWith(app, 3, {{0, 1, "1"}, {0, 2, "2"}, {1, 2, "2"}});
  ASSERT_NE(view, nullptr);
  Practise(view, "Spanning tree");
  CheckInList(view, "A--B (1)");
  CheckInList(view, "A--C (2)");
  EXPECT_TRUE(Verdict(view).startsWith("Right: A--C (2) is as light as B--C (2)"));
  EXPECT_EQ(LineColour(view, 1, 2), TreeOrange);
  EXPECT_EQ(LineColour(view, 0, 2), Plain);
  EXPECT_EQ(TextOf(view, "ScoreLine"), "2 of 2 right at the first try");
}

// A-B 2, A-C 2, A-D 5, B-C 5, B-D 1, C-D 1: from A, B and C tie; the tour is A, B, D, C, A.
class PracticeVertices : public ::testing::Test {
 protected:
  void SetUp() override {
    view = OpenGraph(app, {{0, 2, 2, 5}, {2, 0, 5, 1}, {2, 5, 0, 1}, {5, 1, 1, 0}});
    ASSERT_NE(view, nullptr);
    Practise(view, "Nearest neighbour");
  }
  TestApp app;
  GraphView* view = nullptr;
};

TEST_F(PracticeVertices, TieOnTheMarkerWrongOnTheLetterRightByKeyboard) {
  EXPECT_EQ(ListedAnswers(view), (QStringList{"B", "C", "D"}));
  EXPECT_EQ(Find<QListWidget>(view, "AnswerList")->accessibleDescription(),
            "Question 1 of 3: Which vertex does the nearest-neighbour tour visit next?");
  const ring::TwipBox marker = ring::Places[2].Marker;
  ClickAt(view, {marker.Left + 90, marker.Top + marker.Height / 2});
  EXPECT_EQ(Verdict(view),
            "Right: A--C (2) is as light as A--B (2), the lightest line from A to a vertex not "
            "yet visited; on equal weights the program takes the earlier letter, B.");
  EXPECT_EQ(LineColour(view, 0, 1), SkyBlue);

  const ring::TwipBox letter = ring::Places[2].LetterBox;
  ClickAt(view, {letter.Left + letter.Width / 2, letter.Top + letter.Height / 2});
  EXPECT_TRUE(Verdict(view).startsWith("Not this one: B--C (5) is heavier than B--D (1)"));
  EXPECT_EQ(Marker(view, 3).Fill, SkyBlue) << "the right vertex flashes";
  Fire(view, "FlashTimer");
  EXPECT_EQ(Marker(view, 3).Fill, QColor(Qt::white));

  auto* list = Find<QListWidget>(view, "AnswerList");
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(Verdict(view),
            "Right: B--D (1) is the lightest line from B to a vertex not yet visited.");
  EXPECT_EQ(TextOf(view, "ScoreLine"), "1 of 2 right at the first try");

  // The last answer plays the step back to A too.
  CheckInList(view, "C");
  EXPECT_EQ(TextOf(view, "Text7"), "A--B,B--D,D--C,C--A,");
  EXPECT_EQ(TextOf(view, "Text9"), "6");
  EXPECT_TRUE(app.Messages.Texts.isEmpty());
}

TEST_F(PracticeVertices, LeavingOrARunButtonLeavesTheScreenAsANormalRun) {
  CheckInList(view, "B");
  auto* box = Find<QComboBox>(view, "PracticeBox");
  box->setCurrentIndex(1);
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(Verdict(view), "");
  EXPECT_TRUE(ListedAnswers(view).isEmpty());
  // The run stays paused where the answers took it; resumed, it ends as a normal run does.
  Click(view, "PauseButton");
  Fire(view, "PlayTimer", 4);
  EXPECT_EQ(TextOf(view, "Text7"), "A--B,B--D,D--C,C--A,");
  EXPECT_EQ(app.Messages.Texts, QStringList{" Simulation terminated (End reached) !!"});

  Practise(view, "Nearest neighbour");
  CheckInList(view, "C");
  Click(view, Tree.Button);
  EXPECT_EQ(Verdict(view), "");
  EXPECT_FALSE(Find<QPushButton>(view, "CheckButton")->isVisible());
  EXPECT_TRUE(Running(view, Tree.Timer));
}

TEST(PracticeUnavailable, SaysWhyWithoutAMessageBox) {
  TestApp app;
  // A triangle of 1s and D hanging from A: the nearest-neighbour tour gets stuck at C.
  GraphView* view = OpenGraph(app, {{0, 1, 1, 1}, {1, 0, 1, 0}, {1, 1, 0, 0}, {1, 0, 0, 0}});
  ASSERT_NE(view, nullptr);
  Practise(view, "Nearest neighbour");
  EXPECT_TRUE(Verdict(view).startsWith("Nearest neighbour finds no tour to practise: At step 3"));
  EXPECT_EQ(Find<QComboBox>(view, "PracticeBox")->currentIndex(), 0);
  EXPECT_TRUE(app.Messages.Texts.isEmpty());
}

// The box's list is a popup, during which the windows are blocked: the choice made in it still
// starts the practice once the popup has gone.
TEST(PracticeBox, AChoiceInThePopupStartsThePractice) {
  TestApp app;
  GraphView* view = OpenGraph(app, FourVertexWeights());
  ASSERT_NE(view, nullptr);
  view->show();
  auto* box = Find<QComboBox>(view, "PracticeBox");
  box->showPopup();
  QAbstractItemView* list = box->view();
  ASSERT_TRUE(list->isVisible());
  const QModelIndex kruskal = list->model()->index(box->findText("Kruskal"), 0);
  list->setCurrentIndex(kruskal);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(kruskal).center());
  EXPECT_FALSE(list->isVisible());
  EXPECT_TRUE(Find<QListWidget>(view, "AnswerList")->isVisible());
  EXPECT_TRUE(TextOf(view, "StepLine").contains(QStringLiteral("Kruskal")))
      << TextOf(view, "StepLine").toStdString();
}

}  // namespace
}  // namespace tsp::testing
