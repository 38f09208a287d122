#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace tsp::ui {

// A bar chart of a few labelled values, negative ones below the zero line, with levels drawn
// across it as dashed lines (the bounds below the bars).
class BarChart final : public QWidget {
  Q_OBJECT

 public:
  struct Bar {
    QString Label;
    double Value = 0;
    QColor Colour;
  };
  using Level = Bar;

  explicit BarChart(QWidget* parent);
  void SetBars(std::vector<Bar> bars, std::vector<Level> levels = {});
  const std::vector<Bar>& Bars() const { return bars_; }
  const std::vector<Level>& Levels() const { return levels_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Bar> bars_;
  std::vector<Level> levels_;
};

}  // namespace tsp::ui
