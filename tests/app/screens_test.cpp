#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include "support/fake_services.h"
#include "support/widget_helpers.h"
#include "ui/geometry.h"
#include "windows/help_screen.h"
#include "windows/start_screen.h"
#include "windows/vertex_count_screen.h"

namespace tsp::testing {
namespace {

TEST(HelpScreen, ShowsTheNineLinesExactly) {
  const QString& text = HelpScreen::HelpText();
  EXPECT_EQ(text.size(), 598);
  EXPECT_EQ(text.count(QStringLiteral("\r\n")), 9);
  EXPECT_TRUE(text.contains(QStringLiteral("( maximum of 10) \r\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("corresponding  red boxes.")));
  EXPECT_TRUE(text.contains(QStringLiteral("generated . You will able to rearrange it .\r\n")));

  TestApp t;
  t.App->start();
  Click(t.App->startScreen().Get(), "Command2");
  const auto* box = Find<QPlainTextEdit>(t.App->helpScreen().Get(), "Text2");
  EXPECT_EQ(box->document()->blockCount(), 9);
  QString shown = box->toPlainText();
  shown.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  EXPECT_EQ(shown + QStringLiteral("\r\n"), text);
}

TEST(VertexCountScreen, FocusOrderAndLayout) {
  TestApp t;
  t.App->start();
  Click(t.App->startScreen().Get(), "Command1");
  const VertexCountScreen* screen = t.App->vertexCountScreen().Get();
  const auto control = [&](const char* name) { return Find<QWidget>(screen, name); };
  EXPECT_EQ(NextFocusable(control("Text1")), control("Command1"));
  EXPECT_EQ(NextFocusable(control("Command1")), control("Text2"));
  EXPECT_EQ(NextFocusable(control("Text2")), control("Text3"));
  EXPECT_EQ(NextFocusable(control("Text3")), control("Text4"));
  EXPECT_EQ(control("Text3")->geometry(), ui::ToPixels({4920, 1560, 975, 615}));
  EXPECT_EQ(screen->size(), QSize(727, 470));
  EXPECT_EQ(TextOf(screen, "Text4"), "1");
  EXPECT_EQ(TextOf(screen, "Text3"), "");
  EXPECT_EQ(ui::Background(control("Text2")), QColor(255, 0, 255));
  EXPECT_FALSE(Find<QPushButton>(screen, "Command1")->isDefault());
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
}  // namespace tsp::testing
