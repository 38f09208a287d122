#include "ui/bar_chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tsp::ui {

namespace {

QString ValueText(double value) {
  return value == std::round(value) ? QString::number(value) : QString::number(value, 'f', 2);
}

}  // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("BarChart"));
  setAccessibleName(QStringLiteral("Weights compared"));
}

void BarChart::SetBars(std::vector<Bar> bars, std::vector<Level> levels) {
  bars_ = std::move(bars);
  levels_ = std::move(levels);
  QStringList description;
  for (const Bar& bar : bars_)
    description << bar.Label + QStringLiteral(" ") + ValueText(bar.Value);
  for (const Level& level : levels_) {
    description << level.Label + QStringLiteral(" at ") + ValueText(level.Value);
  }
  setAccessibleDescription(description.join(QStringLiteral(", ")));
  update();
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (bars_.empty()) return;
  QFont small = painter.font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  painter.setFont(small);
  const QFontMetrics metrics = painter.fontMetrics();
  const int textHeight = metrics.height();
  // Room for a value above each bar and a label of two lines below the chart.
  const QRect plot = rect().adjusted(8, textHeight + 6, -8, -(2 * textHeight + 8));
  double top = 0;
  double bottom = 0;
  for (const std::vector<Bar>* values : {&bars_, &levels_}) {
    for (const Bar& bar : *values) {
      top = std::max(top, bar.Value);
      bottom = std::min(bottom, bar.Value);
    }
  }
  const double span = top - bottom > 0 ? top - bottom : 1;
  const auto yOf = [&](double value) {
    return plot.top() + static_cast<int>(std::lround((top - value) / span * plot.height()));
  };
  const int zero = yOf(0);
  const int slot = plot.width() / static_cast<int>(bars_.size());
  // Every text written so far, which a level's label must not cover.
  std::vector<QRect> written;
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    const Bar& bar = bars_[i];
    const int left = plot.left() + static_cast<int>(i) * slot + slot / 6;
    const int width = slot * 2 / 3;
    const int y = yOf(bar.Value);
    const QRect column(left, std::min(y, zero), width, std::max(1, std::abs(zero - y)));
    painter.fillRect(column, bar.Colour);
    painter.setPen(Qt::black);
    painter.drawRect(column);
    const int valueTop = bar.Value >= 0 ? column.top() - textHeight - 2 : column.bottom() + 2;
    const QString value = ValueText(bar.Value);
    const QRect valueBox(left - slot / 6, valueTop, slot, textHeight);
    painter.drawText(valueBox, Qt::AlignCenter, value);
    const int valueWidth = metrics.horizontalAdvance(value) + 2;
    written.emplace_back(valueBox.center().x() - valueWidth / 2, valueTop, valueWidth, textHeight);
    painter.drawText(
        QRect(left - slot / 6, rect().bottom() - 2 * textHeight - 2, slot, 2 * textHeight),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, bar.Label);
  }
  painter.setPen(Qt::darkGray);
  painter.drawLine(plot.left(), zero, plot.right(), zero);
  for (const Level& level : levels_) {
    const int y = yOf(level.Value);
    painter.setPen(QPen(level.Colour.darker(130), 2, Qt::DashLine));
    painter.drawLine(plot.left(), y, plot.right(), y);
  }
  // A level's label goes above its line, as far right as it covers neither a bar's value, nor a
  // label already written (close levels are written highest first), nor another level's line;
  // else below its line; else wherever it covers no text.
  std::vector<const Level*> highestFirst;
  for (const Level& level : levels_) highestFirst.push_back(&level);
  std::stable_sort(highestFirst.begin(), highestFirst.end(),
                   [](const Level* a, const Level* b) { return a->Value > b->Value; });
  for (const Level* levelAt : highestFirst) {
    const Level& level = *levelAt;
    const QString text = level.Label + QStringLiteral(" ") + ValueText(level.Value);
    const int width = metrics.horizontalAdvance(text) + 6;
    const int y = yOf(level.Value);
    const auto coversText = [&](const QRect& label) {
      return std::any_of(written.begin(), written.end(),
                         [&](const QRect& other) { return other.intersects(label); });
    };
    const auto coversLine = [&](const QRect& label) {
      return std::any_of(levels_.begin(), levels_.end(), [&](const Level& other) {
        const int line = yOf(other.Value);
        return &other != levelAt && line >= label.top() - 1 && line <= label.bottom() + 1;
      });
    };
    std::vector<QRect> places;
    for (const int top : {y - textHeight - 1, y + 2}) {
      for (int right = plot.right() - 4; right - width >= plot.left(); right -= 4) {
        places.emplace_back(right - width, top, width, textHeight);
      }
    }
    const auto first = [&](auto fits) { return std::find_if(places.begin(), places.end(), fits); };
    auto place = first([&](const QRect& r) { return !coversText(r) && !coversLine(r); });
    if (place == places.end()) place = first([&](const QRect& r) { return !coversText(r); });
    const QRect label = place != places.end() ? *place
                                              : QRect(plot.right() - 4 - width, y - textHeight - 1,
                                                      width, textHeight);
    painter.fillRect(label, QColor(255, 255, 255, 200));
    painter.setPen(Qt::black);
    painter.drawText(label, Qt::AlignCenter, text);
    written.push_back(label);
  }
}

}  // namespace tsp::ui
