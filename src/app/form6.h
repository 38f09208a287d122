#pragma once

#include <QString>

#include "ui/form.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tsp {

class Screens;

// The help screen.
class Form6 final : public ui::Form {
  Q_OBJECT

 public:
  explicit Form6(Screens& screens);

  // Nine lines, each ended by a carriage return and a line feed.
  static const QString& HelpText();

  void Command1_Click();

  QLineEdit* Text1;
  QPlainTextEdit* Text2;
  QPushButton* Command1;

 private:
  Screens& screens_;
};

}  // namespace tsp
