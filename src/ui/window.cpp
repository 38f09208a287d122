#include "ui/window.h"

#include <QCloseEvent>
#include <QTimer>

#include "ui/dialog_gate.h"
#include "ui/geometry.h"

namespace tsp::ui {

Window::Window(const QString& title, int widthTwips, int heightTwips, const QColor& background) {
  setObjectName(title);
  setWindowTitle(title);
  setAccessibleName(title);
  setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, background);
  setPalette(palette);
  setAutoFillBackground(true);
  WatchWindows();
}

void Window::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit titleBarClosed();
}

WindowSlotBase::WindowSlotBase(Factory create, std::function<void()> onChange)
    : create_(std::move(create)), onChange_(std::move(onChange)) {}

WindowSlotBase::~WindowSlotBase() {
  delete window_.data();
}

Window& WindowSlotBase::LoadWindow() {
  if (!window_) {
    window_ = create_();
    QObject::connect(window_.data(), &Window::titleBarClosed, window_.data(), [this] { Unload(); });
  }
  return *window_;
}

Window& WindowSlotBase::ShowWindow() {
  Window& window = LoadWindow();
  window.show();
  window.raise();
  window.activateWindow();
  return window;
}

void WindowSlotBase::Hide() {
  if (!window_) return;
  window_->hide();
  onChange_();
}

void WindowSlotBase::Unload() {
  if (!window_) return;
  Window* window = window_.data();
  window_ = nullptr;
  // A window on its way out must not tick any more.
  for (QTimer* timer : window->findChildren<QTimer*>()) timer->stop();
  window->hide();
  // Never inside a dialog's event loop: the window may own the dialog, or have opened it and
  // still be waiting for its answer.
  WhenWindowsFree(window, [window] { window->deleteLater(); });
  onChange_();
}

}  // namespace tsp::ui
