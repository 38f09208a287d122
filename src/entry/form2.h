#pragma once

#include "ui/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tsp {

class Screens;

// The vertex-count screen: the number of vertices and the iteration count stay in its two
// boxes, which the matrix editor reads when it loads.
class Form2 final : public ui::Form {
  Q_OBJECT

 public:
  explicit Form2(Screens& screens);

  void Command1_Click();

  QLineEdit* Text2;
  QLineEdit* Text1;
  QLineEdit* Text3;
  QPushButton* Command1;
  QLabel* Label1;
  QLineEdit* Text4;

 private:
  Screens& screens_;
};

}  // namespace tsp
