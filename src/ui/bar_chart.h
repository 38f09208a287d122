#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace tsp::ui {

// A bar chart of a few labelled values, negative ones below the zero line.
class BarChart final : public QWidget {
  Q_OBJECT

 public:
  struct Bar {
    QString Label;
    double Value = 0;
    QColor Colour;
  };

  explicit BarChart(QWidget* parent);
  void setBars(std::vector<Bar> bars);
  const std::vector<Bar>& bars() const { return bars_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Bar> bars_;
};

}  // namespace tsp::ui
