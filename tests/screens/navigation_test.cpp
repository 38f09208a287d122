#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/form1.h"
#include "app/form6.h"
#include "entry/form2.h"
#include "entry/form3.h"
#include "graph/form4.h"
#include "graph/form5.h"
#include "support/fake_services.h"
#include "support/widget_helpers.h"
#include "ui/geometry.h"

namespace tsp {
namespace {

using testing::TestApp;

void Click(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

TEST(Navigation, StartShowsOnlyTheStartScreen) {
  TestApp t;
  t.App->Start();
  EXPECT_TRUE(t.App->StartScreen().IsShown());
  EXPECT_FALSE(t.App->VertexCountScreen().IsLoaded());
  EXPECT_FALSE(t.App->HelpScreen().IsLoaded());
  EXPECT_FALSE(t.App->MatrixEditor().IsLoaded());
  EXPECT_FALSE(t.App->GraphView().IsLoaded());
  EXPECT_FALSE(t.App->EdgeIdView().IsLoaded());
  EXPECT_EQ(t.App->StartScreen().Get()->windowTitle(), "Form1");
}

TEST(Navigation, HelpTwiceGivesOneHelpScreen) {
  TestApp t;
  t.App->Start();
  Form1* start = t.App->StartScreen().Get();
  Click(start->Command2);
  Form6* help = t.App->HelpScreen().Get();
  ASSERT_NE(help, nullptr);
  Click(start->Command2);
  EXPECT_EQ(t.App->HelpScreen().Get(), help);
  EXPECT_TRUE(t.App->HelpScreen().IsShown());
  EXPECT_TRUE(t.App->StartScreen().IsShown());
  EXPECT_EQ(help->windowTitle(), "Form6");
}

TEST(Navigation, BackToSimulationReloadsTheStartScreen) {
  TestApp t;
  t.App->Start();
  Form1* first = t.App->StartScreen().Get();
  first->Text2->setText("typed");
  Click(first->Command2);
  Click(first->Command1);  // Start Simulation while help is open
  t.Settle();
  EXPECT_FALSE(t.App->StartScreen().IsLoaded());
  EXPECT_TRUE(t.App->HelpScreen().IsShown());
  EXPECT_TRUE(t.App->VertexCountScreen().IsShown());
  t.App->VertexCountScreen().Get()->Text3->setText("7");

  Click(t.App->HelpScreen().Get()->Command1);
  t.Settle();
  EXPECT_FALSE(t.App->HelpScreen().IsLoaded());
  ASSERT_TRUE(t.App->StartScreen().IsShown());
  EXPECT_EQ(t.App->StartScreen().Get()->Text2->text(), "Made by the TSP Simulator team");
  EXPECT_EQ(t.App->VertexCountScreen().Get()->Text3->text(), "7");
  EXPECT_EQ(t.Ends, 0);
}

TEST(Navigation, BackToSimulationAloneDoesNotEndTheApplication) {
  TestApp t;
  t.App->Start();
  Click(t.App->StartScreen().Get()->Command2);
  t.App->StartScreen().Get()->close();  // title-bar close of the start screen
  t.Settle();
  EXPECT_FALSE(t.App->StartScreen().IsLoaded());
  Click(t.App->HelpScreen().Get()->Command1);
  t.Settle();
  EXPECT_TRUE(t.App->StartScreen().IsShown());
  EXPECT_EQ(t.Ends, 0);
}

TEST(Navigation, ClosingTheLastWindowEndsTheApplication) {
  TestApp t;
  t.App->Start();
  t.App->StartScreen().Get()->close();
  t.Settle();
  EXPECT_EQ(t.Ends, 1);
}

TEST(Navigation, NoVisibleWindowEndsTheApplicationWithTheHiddenOnes) {
  TestApp t;
  t.App->Start();
  Click(t.App->StartScreen().Get()->Command1);
  Form2* count = t.App->VertexCountScreen().Get();
  count->Text3->setText("3");
  Click(count->Command1);
  t.Settle();
  ASSERT_TRUE(t.App->MatrixEditor().IsShown());
  EXPECT_TRUE(t.App->VertexCountScreen().IsLoaded());
  EXPECT_FALSE(t.App->VertexCountScreen().IsShown());

  t.App->MatrixEditor().Get()->close();
  t.Settle();
  EXPECT_EQ(t.Ends, 1);
  EXPECT_FALSE(t.App->VertexCountScreen().IsLoaded());
}

TEST(HelpScreen, ShowsTheNineLinesExactly) {
  const QString& text = Form6::HelpText();
  EXPECT_EQ(text.size(), 598);
  EXPECT_EQ(text.count(QStringLiteral("\r\n")), 9);
  EXPECT_TRUE(text.contains(QStringLiteral("( maximum of 10) \r\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("corresponding  red boxes.")));
  EXPECT_TRUE(text.contains(QStringLiteral("generated . You will able to rearrange it .\r\n")));

  TestApp t;
  t.App->Start();
  Click(t.App->StartScreen().Get()->Command2);
  QPlainTextEdit* box = t.App->HelpScreen().Get()->Text2;
  EXPECT_EQ(box->document()->blockCount(), 9);
  QString shown = box->toPlainText();
  shown.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  EXPECT_EQ(shown + QStringLiteral("\r\n"), text);
}

class VertexCountTest : public ::testing::TestWithParam<std::pair<const char*, bool>> {};

TEST_P(VertexCountTest, AcceptsOnlyOneToTen) {
  const auto [text, accepted] = GetParam();
  TestApp t;
  t.App->Start();
  Click(t.App->StartScreen().Get()->Command1);
  Form2* form = t.App->VertexCountScreen().Get();
  QTest::keyClicks(form->Text3, QString::fromUtf8(text));
  Click(form->Command1);
  if (accepted) {
    EXPECT_TRUE(t.Messages.Texts.isEmpty());
    EXPECT_TRUE(t.App->MatrixEditor().IsShown());
    EXPECT_FALSE(t.App->VertexCountScreen().IsShown());
    EXPECT_TRUE(t.App->VertexCountScreen().IsLoaded());
  } else {
    EXPECT_EQ(t.Messages.Texts, QStringList{"Please enter a number between 1 and 10 !"});
    EXPECT_FALSE(t.App->MatrixEditor().IsLoaded());
    EXPECT_TRUE(t.App->VertexCountScreen().IsShown());
    EXPECT_EQ(form->Text3->text(), QString::fromUtf8(text));
    Click(form->Command1);
    EXPECT_EQ(t.Messages.Texts.size(), 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, VertexCountTest,
                         ::testing::Values(std::pair{"1", true}, std::pair{"5", true},
                                           std::pair{"10", true}, std::pair{"0", false},
                                           std::pair{"11", false}, std::pair{"-1", false},
                                           std::pair{"", false}, std::pair{"05", false},
                                           std::pair{" 5", false}, std::pair{"5 ", false},
                                           std::pair{"+5", false}, std::pair{"5.0", false},
                                           std::pair{"five", false}, std::pair{"&H5", false}));

TEST(VertexCount, EnterDoesNotPressContinue) {
  TestApp t;
  t.App->Start();
  Click(t.App->StartScreen().Get()->Command1);
  Form2* form = t.App->VertexCountScreen().Get();
  QTest::keyClicks(form->Text3, "4");
  QTest::keyClick(form->Text3, Qt::Key_Return);
  QTest::keyClick(form->Text3, Qt::Key_Enter);
  EXPECT_FALSE(t.App->MatrixEditor().IsLoaded());
  EXPECT_TRUE(t.Messages.Texts.isEmpty());
}

TEST(VertexCount, IterationCountMustFitSixteenBits) {
  for (const char* text : {"32768", "-32769", "1e9", "1e400", "&H8000"}) {
    TestApp t;
    t.App->Start();
    Click(t.App->StartScreen().Get()->Command1);
    Form2* form = t.App->VertexCountScreen().Get();
    form->Text3->setText("4");
    form->Text4->setText(text);
    Click(form->Command1);
    EXPECT_EQ(t.Messages.Texts,
              QStringList{"Please enter a number of iterations between -32768 and 32767 !"})
        << text;
    EXPECT_FALSE(t.App->MatrixEditor().IsLoaded()) << text;
  }
  for (const char* text : {"32767", "-32768", "abc", "", "-4", "2.5"}) {
    TestApp t;
    t.App->Start();
    Click(t.App->StartScreen().Get()->Command1);
    Form2* form = t.App->VertexCountScreen().Get();
    form->Text3->setText("4");
    form->Text4->setText(text);
    Click(form->Command1);
    EXPECT_TRUE(t.Messages.Texts.isEmpty()) << text;
    EXPECT_TRUE(t.App->MatrixEditor().IsShown()) << text;
  }
}

TEST(VertexCount, VertexCountIsCheckedFirst) {
  TestApp t;
  t.App->Start();
  Click(t.App->StartScreen().Get()->Command1);
  Form2* form = t.App->VertexCountScreen().Get();
  form->Text3->setText("12");
  form->Text4->setText("99999");
  Click(form->Command1);
  EXPECT_EQ(t.Messages.Texts, QStringList{"Please enter a number between 1 and 10 !"});
}

TEST(VertexCount, FocusOrderAndLayout) {
  TestApp t;
  t.App->Start();
  Click(t.App->StartScreen().Get()->Command1);
  Form2* form = t.App->VertexCountScreen().Get();
  using testing::NextFocusable;
  EXPECT_EQ(NextFocusable(form->Text1), form->Command1);
  EXPECT_EQ(NextFocusable(form->Command1), form->Text2);
  EXPECT_EQ(NextFocusable(form->Text2), form->Text3);
  EXPECT_EQ(NextFocusable(form->Text3), form->Text4);
  EXPECT_EQ(form->Text3->geometry(), ui::ToPixels({4920, 1560, 975, 615}));
  EXPECT_EQ(form->size(), QSize(727, 470));
  EXPECT_EQ(form->Text4->text(), "1");
  EXPECT_EQ(form->Text3->text(), "");
  EXPECT_EQ(ui::Background(form->Text2), QColor(255, 0, 255));
  EXPECT_FALSE(form->Command1->isDefault());
}

TEST(Geometry, TwipsToPixelsRoundsHalvesAwayFromZero) {
  EXPECT_EQ(ui::TwipsToPixels(15), 1);
  EXPECT_EQ(ui::TwipsToPixels(7), 0);
  EXPECT_EQ(ui::TwipsToPixels(8), 1);
  EXPECT_EQ(ui::TwipsToPixels(-120), -8);
  EXPECT_EQ(ui::TwipsToPixels(-8), -1);
  EXPECT_EQ(ui::TwipsToPixels(280), 19);
}

TEST(RandomSource, SameSequenceEveryStartAndBelowOne) {
  ui::FixedRandomSource a;
  ui::FixedRandomSource b;
  for (int i = 0; i < 100000; ++i) {
    const float x = a.Next();
    ASSERT_EQ(x, b.Next());
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
  }
}

}  // namespace
}  // namespace tsp

namespace tsp {
namespace {

TEST(MessageBox, ModalWithTheTextOneOkAndNoIcon) {
  ui::QtMessageBox messages;
  QTimer answer;
  answer.setInterval(10);
  int seen = 0;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    ++seen;
    EXPECT_EQ(box->text(), "Number must be 1's or 0's in white boxes ");
    EXPECT_EQ(box->windowTitle(), "TSP Simulator");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    ASSERT_EQ(box->buttons().size(), 1);
    box->button(QMessageBox::Ok)->click();
  });
  answer.start();
  messages.Show(QStringLiteral("Number must be 1's or 0's in white boxes "));
  EXPECT_EQ(seen, 1);
}

}  // namespace
}  // namespace tsp
