#pragma once

#include "ui/window.h"

namespace tsp {

// The start screen: the program's title, help, and the way into a simulation.
class StartScreen final : public ui::Window {
  Q_OBJECT

 public:
  StartScreen();

 signals:
  void startRequested();
  void helpRequested();
  void openRequested();
  void exampleRequested();
};

}  // namespace tsp
