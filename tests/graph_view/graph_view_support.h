#pragma once

#include <QString>
#include <vector>

#include "support/fake_services.h"

class QPushButton;

namespace tsp {
class Form3;
class Form4;
}  // namespace tsp

namespace tsp::testing {

// A "1" in the white box (Row, Column) with Weight in its red box.
struct EdgeEntry {
  int Row;
  int Column;
  QString Weight;
};

void Click(QPushButton* button);

// The user's road to the matrix editor: start screen, vertex and iteration counts typed in.
Form3& OpenMatrixEditor(TestApp& t, int vertexCount, int iterations = 1);

// Sets the edges in the matrix editor and presses "View Resulting Graph".
Form4& ViewGraph(TestApp& t, const std::vector<EdgeEntry>& edges);

Form4& OpenGraphView(TestApp& t, int vertexCount, const std::vector<EdgeEntry>& edges,
                     int iterations = 1);

}  // namespace tsp::testing
