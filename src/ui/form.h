#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

namespace tsp::ui {

// A top-level window of the simulator: a fixed client area given in twips, its own name as
// title. The title-bar close button does not close the window by itself; it asks whoever
// holds the window to unload it.
class Form : public QWidget {
  Q_OBJECT

 public:
  Form(const QString& title, int widthTwips, int heightTwips, const QColor& background);

  // Runs once, right after the controls were created, when the window is loaded.
  virtual void Load() {}

 signals:
  void TitleBarClosed();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// One window's place in the application: not loaded, loaded and hidden, or loaded and shown.
class WindowSlotBase {
 public:
  virtual ~WindowSlotBase() = default;
  virtual bool IsLoaded() const = 0;
  virtual bool IsShown() const = 0;
  virtual void Hide() = 0;
  virtual void Unload() = 0;
};

template <class T>
class WindowSlot final : public WindowSlotBase {
 public:
  using Factory = std::function<T*()>;
  // onChange runs after every hide or unload, so that the application can tell when no
  // window is left on screen.
  WindowSlot(Factory create, std::function<void()> onChange)
      : create_(std::move(create)), onChange_(std::move(onChange)) {}
  ~WindowSlot() override { delete window_.data(); }

  bool IsLoaded() const override { return window_ != nullptr; }
  bool IsShown() const override { return window_ != nullptr && window_->isVisible(); }
  T* Get() const { return window_.data(); }

  // Creates the controls with their design-time values and runs the load step; the window
  // stays hidden. A loaded window is left as it is.
  T& Load() {
    if (!window_) {
      window_ = create_();
      QObject::connect(window_.data(), &Form::TitleBarClosed, window_.data(),
                       [this] { Unload(); });
      window_->Load();
    }
    return *window_;
  }

  T& Show() {
    T& window = Load();
    window.show();
    window.raise();
    window.activateWindow();
    return window;
  }

  void Hide() override {
    if (!window_) return;
    window_->hide();
    onChange_();
  }

  // Removes the window with all its controls and contents. Deletion waits for the event
  // loop, since the handler that asks for it may belong to the window itself.
  void Unload() override {
    if (!window_) return;
    T* window = window_.data();
    window_ = nullptr;
    StopTimers(window);
    window->hide();
    window->deleteLater();
    onChange_();
  }

 private:
  static void StopTimers(QWidget* window);

  Factory create_;
  std::function<void()> onChange_;
  QPointer<T> window_;
};

void StopAllTimers(QWidget* window);

template <class T>
void WindowSlot<T>::StopTimers(QWidget* window) {
  StopAllTimers(window);
}

}  // namespace tsp::ui
