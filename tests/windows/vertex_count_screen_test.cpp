#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "support/fake_services.h"
#include "support/widget_helpers.h"
#include "ui/geometry.h"
#include "windows/start_screen.h"
#include "windows/vertex_count_screen.h"

namespace tsp::testing {
namespace {

const QString VertexMessage = QStringLiteral("Please enter a number between 1 and 10 !");
const QString IterationMessage =
    QStringLiteral("Please enter a number of iterations between -32768 and 32767 !");

// The message "Continue" gives for the counts typed on a fresh screen; empty when it took them.
QString Refusal(const QString& vertices, const QString& iterations = QStringLiteral("1")) {
  TestApp app;
  app.App->start();
  Click(app.App->window<StartScreen>().Get(), QStringLiteral("Command1"));
  const VertexCountScreen* screen = app.App->window<VertexCountScreen>().Get();
  Type(screen, QStringLiteral("Text3"), vertices);
  Type(screen, QStringLiteral("Text4"), iterations);
  Click(screen, QStringLiteral("Command1"));
  if (app.Messages.Texts.isEmpty()) {
    EXPECT_TRUE(app.App->window<MatrixEditor>().IsShown());
    return {};
  }
  EXPECT_EQ(app.Messages.Texts.size(), 1);
  EXPECT_FALSE(app.App->window<MatrixEditor>().IsLoaded());
  EXPECT_TRUE(app.App->window<VertexCountScreen>().IsShown());
  EXPECT_EQ(TextOf(screen, QStringLiteral("Text3")), vertices);
  return app.Messages.Texts.first();
}

TEST(VertexCountScreenCheck, TakesOnlyThePlainNumbersOneToTen) {
  for (const char* text : {"1", "5", "10"}) EXPECT_EQ(Refusal(text), "") << text;
  for (const char* text : {"0", "11", "-1", "", "05", " 5", "5 ", "+5", "5.0", "five", "&H5"}) {
    EXPECT_EQ(Refusal(text), VertexMessage) << text;
  }
}

TEST(VertexCountScreenCheck, IterationCountMustFitSixteenBits) {
  for (const char* text : {"32768", "-32769", "1e9", "1e400", "&H8000"}) {
    EXPECT_EQ(Refusal("4", text), IterationMessage) << text;
  }
  for (const char* text : {"32767", "-32768", "abc", "", "-4", "2.5"}) {
    EXPECT_EQ(Refusal("4", text), "") << text;
  }
  EXPECT_EQ(Refusal("12", "99999"), VertexMessage);
}

class VertexCountScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.App->start();
    Click(app.App->window<StartScreen>().Get(), QStringLiteral("Command1"));
    screen = app.App->window<VertexCountScreen>().Get();
    ASSERT_NE(screen, nullptr);
  }

  TestApp app;
  VertexCountScreen* screen = nullptr;
};

TEST_F(VertexCountScreenTest, EnterDoesNotPressContinue) {
  QLineEdit* count = Find(screen, QStringLiteral("Text3"));
  QTest::keyClicks(count, "4");
  QTest::keyClick(count, Qt::Key_Return);
  QTest::keyClick(count, Qt::Key_Enter);
  EXPECT_FALSE(app.App->window<MatrixEditor>().IsLoaded());
  EXPECT_TRUE(app.Messages.Texts.isEmpty());
}

TEST_F(VertexCountScreenTest, FocusOrderAndFreshTexts) {
  const auto at = [this](const char* name) { return Find<QWidget>(screen, name); };
  EXPECT_EQ(NextFocusable(at("Text1")), at("Command1"));
  EXPECT_EQ(NextFocusable(at("Command1")), at("Text2"));
  EXPECT_EQ(NextFocusable(at("Text2")), at("Text3"));
  EXPECT_EQ(NextFocusable(at("Text3")), at("Text4"));
  EXPECT_EQ(TextOf(screen, QStringLiteral("Text3")), "");
  EXPECT_EQ(TextOf(screen, QStringLiteral("Text4")), "1");
  EXPECT_EQ(screen->size(), QSize(727, 470));
  EXPECT_FALSE(Find<QPushButton>(screen, QStringLiteral("Command1"))->isDefault());
}

// The label stands on the black window: it must paint its own face for its black text.
TEST_F(VertexCountScreenTest, IterationLabelIsBlackOnButtonFace) {
  const QLabel* label = Find<QLabel>(screen, QStringLiteral("Label1"));
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->autoFillBackground());
  EXPECT_EQ(label->palette().color(QPalette::Window), QColor(212, 208, 200));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
  // Right of the caption, inside the label.
  const QImage shot = screen->grab(label->geometry()).toImage();
  EXPECT_EQ(QColor(shot.pixel(shot.width() - 3, shot.height() / 2)), QColor(212, 208, 200));
}

}  // namespace
}  // namespace tsp::testing
