#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

#include "ui/geometry.h"

namespace tsp::ui {

// A straight line between two points in twips.
struct LineItem {
  int X1 = 0;
  int Y1 = 0;
  int X2 = 0;
  int Y2 = 0;
  QColor BorderColour = Qt::black;
  bool Visible = false;
};

// A circle centred in its box (twips).
struct CircleItem {
  Place Box;
  int Diameter = 0;
  QColor Fill = Qt::white;
  bool Visible = false;
};

// Paints a window's lines and circles beneath its controls. The items are owned by value and
// addressed by index, like control arrays.
class Canvas final : public QWidget {
  Q_OBJECT

 public:
  explicit Canvas(QWidget* parent);

  int AddLine(const LineItem& line);
  int AddCircle(const CircleItem& circle);
  LineItem& Line(int index) { return lines_.at(index); }
  const LineItem& Line(int index) const { return lines_.at(index); }
  CircleItem& Circle(int index) { return circles_.at(index); }
  const CircleItem& Circle(int index) const { return circles_.at(index); }
  // Repaints after items were changed.
  void Changed() { update(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<LineItem> lines_;
  std::vector<CircleItem> circles_;
};

}  // namespace tsp::ui
