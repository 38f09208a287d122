#pragma once

#include <QWidget>

#include "ui/graph_painter.h"

namespace tsp::ui {

// A window's lines and circles, painted beneath its controls by the graph painter. The items
// are owned by value and addressed by index, like control arrays.
class Canvas final : public QWidget {
  Q_OBJECT

 public:
  explicit Canvas(QWidget* parent);

  int AddLine(const LineItem& line);
  int AddCircle(const CircleItem& circle);
  LineItem& Line(int index) { return picture_.Lines.at(index); }
  const LineItem& Line(int index) const { return picture_.Lines.at(index); }
  CircleItem& Circle(int index) { return picture_.Circles.at(index); }
  const CircleItem& Circle(int index) const { return picture_.Circles.at(index); }
  // Repaints after items were changed.
  void Changed() { update(); }
  // Whether left clicks where no control stands are reported; otherwise the canvas lets the
  // mouse through.
  void SetClickable(bool clickable);

 signals:
  // A left click, in twips from the top left of the window's client area (the canvas covers
  // it all).
  void clicked(int xTwips, int yTwips);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  GraphPicture picture_;
};

}  // namespace tsp::ui
