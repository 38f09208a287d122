#pragma once

#include <array>

#include "core/graph/drawing.h"
#include "ui/window.h"

class QLineEdit;

namespace tsp {

// The edge-identifier view: for every box of the matrix, the id of the line drawn from it and
// its weight text, as a 10 × 10 table. It keeps nothing of its own.
class EdgeIdView final : public ui::Window {
  Q_OBJECT

 public:
  EdgeIdView();

  // Shows the lines of the drawing; without one, every cell is empty (-1 and 0).
  void showDrawing(const Drawing* drawing);

 signals:
  void returnRequested();

 private:
  std::array<QLineEdit*, BoxCount> lineIds_;
  std::array<QLineEdit*, BoxCount> weights_;
};

}  // namespace tsp
