#pragma once

#include <QColor>
#include <array>

#include "graph/animation.h"
#include "ui/canvas.h"
#include "ui/form.h"
#include "ui/timer.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tsp {

class Screens;

// The graph view: draws the graph entered in the matrix editor and plays the runs on it. All
// computing is done by the core on the one GraphState; this window only displays.
class Form4 final : public ui::Form {
  Q_OBJECT

 public:
  explicit Form4(Screens& screens);

  void Load() override { LoadGraphView(); }
  void LoadGraphView();

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();

  // Lines and circles are painted by the canvas; these address them like control arrays.
  ui::LineItem& Line1(int lineId) { return canvas_->Line(Line1Base + lineId); }
  ui::LineItem& Line2(int vertex) { return canvas_->Line(vertex); }
  ui::CircleItem& Shape2(int vertex) { return canvas_->Circle(vertex); }

  QLineEdit* Text1;
  QPushButton* Command1;
  QPushButton* Command3;
  QPushButton* Command6;
  QPushButton* Command2;
  QPushButton* Command4;
  QPushButton* Command5;
  QLabel* Label1;
  QLineEdit* Text6;
  QLabel* Label2;
  QLineEdit* Text7;
  QLabel* Label3;
  QLineEdit* Text8;
  QLabel* Label7;
  QLabel* Label5;
  QLineEdit* Text4;
  QLabel* Label6;
  QLineEdit* Text5;
  QLabel* Label8;
  QLineEdit* Text10;
  QLabel* Label10;
  QLineEdit* Text9;
  ui::Timer* Timer1;
  ui::Timer* Timer2;
  ui::Timer* Timer3;
  std::array<QLineEdit*, 10> Text2;   // vertex letters
  std::array<QLineEdit*, 100> Text3;  // edge weights, index = line id

 private:
  static constexpr int Line1Base = 10;

  void BuildGraph();
  // Applies what a tick of the core asked for. The tour animations list in Text7 and Text8;
  // the spanning-tree animation lists in Text6 only.
  void ApplyTick(const AnimationTick& tick, ui::Timer* timer, const QColor& colour, bool tourBoxes);
  void StopTimersExcept(const ui::Timer* keep);

  Screens& screens_;
  ui::Canvas* canvas_;
};

}  // namespace tsp
