#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include "entry/form3.h"
#include "graph/form4.h"
#include "graph_view/graph_view_support.h"

namespace tsp::testing {
namespace {

// The real box runs a nested event loop in which the animation timers keep
// firing.
TEST(MessageBoxes, AnimationWaitsWhileABoxIsOpen) {
  TestApp t;
  Form4 &view = OpenGraphView(t, 3,
                              {{0, 1, QStringLiteral("10")},
                               {0, 2, QStringLiteral("1")},
                               {1, 2, QStringLiteral("1")}});
  Form3 &editor = *t.App->MatrixEditor().Get();
  Click(view.Command2);
  view.Timer1_Timer();
  editor.Text1[0]->setText(QStringLiteral("x"));
  t.Messages.OnShow = [&](const QString &) {
    for (int tick = 0; tick < 5; ++tick)
      view.Timer1_Timer();
  };
  Click(editor.Command1);
  t.Messages.OnShow = nullptr;
  EXPECT_EQ(
      t.Messages.Texts,
      QStringList{QStringLiteral("Number must be 1's or 0's in white boxes ")});
  EXPECT_TRUE(view.Timer1->Enabled());
  EXPECT_EQ(view.Text6->text(), "A--C,");

  // Once the box is closed the animation goes on where it stood.
  view.Timer1_Timer();
  view.Timer1_Timer();
  EXPECT_EQ(view.Text6->text(), "A--C,C--B,");
  EXPECT_EQ(t.Messages.Texts.size(), 2);
  EXPECT_FALSE(view.Timer1->Enabled());
}

} // namespace
} // namespace tsp::testing
