#include "ui/canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace tsp::ui {

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Canvas"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(parent->rect());
  lower();
}

int Canvas::AddLine(const LineItem& line) {
  picture_.Lines.push_back(line);
  return static_cast<int>(picture_.Lines.size()) - 1;
}

int Canvas::AddCircle(const CircleItem& circle) {
  picture_.Circles.push_back(circle);
  return static_cast<int>(picture_.Circles.size()) - 1;
}

void Canvas::SetClickable(bool clickable) {
  setAttribute(Qt::WA_TransparentForMouseEvents, !clickable);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // The middle of the pixel clicked.
  const QPoint pixel = event->position().toPoint();
  emit clicked(pixel.x() * TwipsPerPixel + TwipsPerPixel / 2,
               pixel.y() * TwipsPerPixel + TwipsPerPixel / 2);
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  GraphPainter(picture_).Paint(painter);
}

}  // namespace tsp::ui
