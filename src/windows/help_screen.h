#pragma once

#include <QString>

#include "ui/window.h"

class QPlainTextEdit;

namespace tsp {

// The help screen: how to use the program, in nine lines.
class HelpScreen final : public ui::Window {
  Q_OBJECT

 public:
  HelpScreen();

  // Nine lines, each ended by a carriage return and a line feed.
  static const QString& HelpText();

 signals:
  void backRequested();

 private:
  void fitTextToBox();

  QPlainTextEdit* helpText_;
};

}  // namespace tsp
