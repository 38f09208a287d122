#pragma once

#include <array>
#include <cstdint>

#include "ui/form.h"

class QLineEdit;
class QPushButton;

namespace tsp {

class Screens;

// The matrix editor: its boxes are the graph's only store. The graph view reads the white
// (adjacency) and red (weight) boxes and the hidden boxes Text23 and Text24 when it loads.
class Form3 final : public ui::Form {
  Q_OBJECT

 public:
  explicit Form3(Screens& screens);

  // Reads the vertex count and the iteration count from the vertex-count screen.
  void Load() override;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();

  QLineEdit* PanelTitle;
  std::array<QLineEdit*, 10> ColumnHeaders;  // Text13 .. Text22
  std::array<QLineEdit*, 10> RowHeaders;     // Text3 .. Text12
  std::array<QLineEdit*, 100> Text1;         // white boxes, index = 10 * row + column
  std::array<QLineEdit*, 100> Text2;         // red boxes
  QLineEdit* Text23;
  QLineEdit* Text24;
  QPushButton* Command4;
  QPushButton* Command5;
  QPushButton* Command2;
  QPushButton* Command1;
  QPushButton* Command3;

  std::int16_t vertexCount = 0;
  std::int16_t iterationCount = 0;
  std::int16_t validCount = 0;
  std::int16_t lastRandomWeight = 0;

 private:
  void AddWhiteBox(int index);
  void AddRedBox(int index);

  Screens& screens_;
};

}  // namespace tsp
