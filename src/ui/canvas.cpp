#include "ui/canvas.h"

#include <QPainter>

namespace tsp::ui {

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Canvas"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(parent->rect());
  lower();
}

int Canvas::AddLine(const LineItem& line) {
  lines_.push_back(line);
  return static_cast<int>(lines_.size()) - 1;
}

int Canvas::AddCircle(const CircleItem& circle) {
  circles_.push_back(circle);
  return static_cast<int>(circles_.size()) - 1;
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const CircleItem& circle : circles_) {
    if (!circle.Visible) continue;
    const QRect box = ToPixels(circle.Box);
    const int diameter = TwipsToPixels(circle.Diameter);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(circle.Fill);
    painter.drawEllipse(QRect(box.center().x() - diameter / 2, box.center().y() - diameter / 2,
                              diameter, diameter));
  }
  for (const LineItem& line : lines_) {
    if (!line.Visible) continue;
    painter.setPen(QPen(line.BorderColour, 2));
    painter.drawLine(TwipsToPixels(line.X1), TwipsToPixels(line.Y1), TwipsToPixels(line.X2),
                     TwipsToPixels(line.Y2));
  }
}

}  // namespace tsp::ui
