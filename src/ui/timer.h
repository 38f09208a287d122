#pragma once

#include <QTimer>

namespace tsp::ui {

// A window's timer: an interval in milliseconds, switched on and off, ticking on the
// user-interface thread. Its ticks arrive as ticked(); tests fire one with Fire().
class Timer final : public QTimer {
  Q_OBJECT

 public:
  Timer(QObject* parent, const char* name, int intervalMs) : QTimer(parent) {
    setObjectName(QString::fromLatin1(name));
    setInterval(intervalMs);
    connect(this, &QTimer::timeout, this, &Timer::ticked);
  }
  void SetEnabled(bool enabled) { enabled ? start() : stop(); }
  bool Enabled() const { return isActive(); }
  void Fire() { emit ticked(); }

 signals:
  void ticked();
};

}  // namespace tsp::ui
