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
  picture_.Lines.push_back(line);
  return static_cast<int>(picture_.Lines.size()) - 1;
}

int Canvas::AddCircle(const CircleItem& circle) {
  picture_.Circles.push_back(circle);
  return static_cast<int>(picture_.Circles.size()) - 1;
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  GraphPainter(picture_).Paint(painter);
}

}  // namespace tsp::ui
