#include "ui/form.h"

#include <QCloseEvent>
#include <QTimer>

#include "ui/geometry.h"

namespace tsp::ui {

Form::Form(const QString& title, int widthTwips, int heightTwips, const QColor& background) {
  setObjectName(title);
  setWindowTitle(title);
  setAccessibleName(title);
  setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, background);
  setPalette(palette);
  setAutoFillBackground(true);
}

void Form::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit TitleBarClosed();
}

void StopAllTimers(QWidget* window) {
  for (QTimer* timer : window->findChildren<QTimer*>()) timer->stop();
}

}  // namespace tsp::ui
