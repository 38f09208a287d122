#pragma once

#include <QTimer>

namespace tsp::ui {

// A window's timer: an interval in milliseconds, switched on and off, ticking on the
// user-interface thread.
class Timer final : public QTimer {
  Q_OBJECT

 public:
  Timer(QObject* parent, const char* name, int intervalMs) : QTimer(parent) {
    setObjectName(QString::fromLatin1(name));
    setInterval(intervalMs);
  }
  void SetEnabled(bool enabled) { enabled ? start() : stop(); }
  bool Enabled() const { return isActive(); }
};

}  // namespace tsp::ui
