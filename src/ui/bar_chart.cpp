#include "ui/bar_chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tsp::ui {

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("BarChart"));
  setAccessibleName(QStringLiteral("Weights compared"));
}

void BarChart::setBars(std::vector<Bar> bars) {
  bars_ = std::move(bars);
  QStringList description;
  for (const Bar& bar : bars_)
    description << bar.Label + QStringLiteral(" ") + QString::number(bar.Value);
  setAccessibleDescription(description.join(QStringLiteral(", ")));
  update();
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (bars_.empty()) return;
  const QFontMetrics metrics = painter.fontMetrics();
  const int textHeight = metrics.height();
  // Room for a value above each bar and a label below the chart.
  const QRect plot = rect().adjusted(8, textHeight + 6, -8, -(textHeight + 8));
  double top = 0;
  double bottom = 0;
  for (const Bar& bar : bars_) {
    top = std::max(top, bar.Value);
    bottom = std::min(bottom, bar.Value);
  }
  const double span = top - bottom > 0 ? top - bottom : 1;
  const auto yOf = [&](double value) {
    return plot.top() + static_cast<int>(std::lround((top - value) / span * plot.height()));
  };
  const int zero = yOf(0);
  const int slot = plot.width() / static_cast<int>(bars_.size());
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    const Bar& bar = bars_[i];
    const int left = plot.left() + static_cast<int>(i) * slot + slot / 6;
    const int width = slot * 2 / 3;
    const int y = yOf(bar.Value);
    const QRect column(left, std::min(y, zero), width, std::max(1, std::abs(zero - y)));
    painter.fillRect(column, bar.Colour);
    painter.setPen(Qt::black);
    painter.drawRect(column);
    const QString value = QString::number(bar.Value);
    const int valueTop = bar.Value >= 0 ? column.top() - textHeight - 2 : column.bottom() + 2;
    painter.drawText(QRect(left - slot / 6, valueTop, slot, textHeight), Qt::AlignCenter, value);
    painter.drawText(QRect(left - slot / 6, rect().bottom() - textHeight - 2, slot, textHeight),
                     Qt::AlignCenter, bar.Label);
  }
  painter.setPen(Qt::darkGray);
  painter.drawLine(plot.left(), zero, plot.right(), zero);
}

}  // namespace tsp::ui
