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
