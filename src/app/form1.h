#pragma once

#include "ui/form.h"

class QLineEdit;
class QPushButton;

namespace tsp {

class Screens;

// The start screen.
class Form1 final : public ui::Form {
  Q_OBJECT

 public:
  explicit Form1(Screens& screens);

  void Command1_Click();
  void Command2_Click();

  QLineEdit* Text1;
  QLineEdit* Text3;
  QLineEdit* Text2;
  QLineEdit* Text4;
  QPushButton* Command2;
  QPushButton* Command1;

 private:
  Screens& screens_;
};

}  // namespace tsp
