#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "support/fake_services.h"
#include "support/widget_helpers.h"
#include "windows/help_screen.h"
#include "windows/start_screen.h"

namespace tsp::testing {
namespace {

TEST(StartScreen, EveryControlIsNamedAndInsideTheWindow) {
  TestApp app;
  app.App->start();
  const StartScreen* start = app.App->window<StartScreen>().Get();
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->windowTitle(), "Form1");
  EXPECT_EQ(Find<QPushButton>(start, "Command1")->text(), "Start Simulation");
  EXPECT_EQ(Find<QPushButton>(start, "Command2")->text(), "Help on how to use simulator");
  for (const QWidget* child : start->findChildren<QWidget*>()) {
    SCOPED_TRACE(child->objectName().toStdString());
    EXPECT_FALSE(child->accessibleName().isEmpty());
    EXPECT_TRUE(start->rect().contains(child->geometry()));
  }
}

class HelpScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.App->start();
    Click(app.App->window<StartScreen>().Get(), QStringLiteral("Command2"));
    ASSERT_TRUE(app.App->window<HelpScreen>().IsShown());
    box = Find<QPlainTextEdit>(app.App->window<HelpScreen>().Get(), QStringLiteral("Text2"));
    ASSERT_NE(box, nullptr);
  }

  TestApp app;
  QPlainTextEdit* box = nullptr;
};

TEST_F(HelpScreenTest, ShowsTheNineLinesExactly) {
  const QString& text = HelpScreen::HelpText();
  EXPECT_EQ(text.size(), 598);
  EXPECT_EQ(text.count(QStringLiteral("\r\n")), 9);
  EXPECT_TRUE(text.endsWith(QStringLiteral("at any time.\r\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("( maximum of 10) \r\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("corresponding  red boxes.")));
  EXPECT_TRUE(text.contains(QStringLiteral("generated . You will able to rearrange it .\r\n")));

  EXPECT_EQ(box->document()->blockCount(), 9);
  QString shown = box->toPlainText();
  shown.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  EXPECT_EQ(shown + QStringLiteral("\r\n"), text);
}

TEST_F(HelpScreenTest, EveryLineFitsWithoutScrolling) {
  for (const QScrollBar* bar : {box->horizontalScrollBar(), box->verticalScrollBar()}) {
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 0);
  }
  const QFontMetricsF metrics(box->font());
  const qreal margins = 2 * box->document()->documentMargin();
  const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 9);
  for (const QString& line : lines) {
    EXPECT_LE(metrics.horizontalAdvance(line) + margins, box->viewport()->width())
        << line.toStdString();
  }
  EXPECT_LE(9 * metrics.lineSpacing() + margins, box->viewport()->height());
}

}  // namespace
}  // namespace tsp::testing
