#include "ui/services.h"

#include <QMessageBox>
#include <chrono>

namespace tsp::ui {

void MessageBox::Show(const QString& text) {
  ++openBoxes_;
  Present(text);
  --openBoxes_;
}

void QtMessageBox::Present(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

double SteadyClock::Seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

float FixedRandomSource::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  // The top 24 bits give every float in [0, 1) that is a multiple of 2^-24: never 1.0.
  return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
}

}  // namespace tsp::ui
