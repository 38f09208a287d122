#pragma once

#include <array>

#include "ui/form.h"

class QLineEdit;
class QPushButton;

namespace tsp {

class Screens;

// The edge-identifier view: the edge grid as a 10 x 10 table of line ids and weight texts,
// cell 10 * r + c in row r, column c. It keeps nothing of its own.
class Form5 final : public ui::Form {
  Q_OBJECT

 public:
  explicit Form5(Screens& screens);

  void Load() override { FillGrid(); }
  // Shows the current edge grid; the graph view calls it after every rebuild.
  void FillGrid();

  void Command1_Click();

  QLineEdit* Title;
  std::array<QLineEdit*, 20> Text2;   // row headers 0..9, column headers 10..19
  std::array<QLineEdit*, 100> Text1;  // line ids
  std::array<QLineEdit*, 100> Text3;  // weight texts
  QPushButton* Command1;

 private:
  Screens& screens_;
};

}  // namespace tsp
