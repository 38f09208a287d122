#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

namespace tsp::ui {

// A top-level window of the simulator: a fixed client area given in twips, its own name as
// title. The title-bar close button does not close the window by itself; it asks whoever
// holds the window to unload it. While a dialog of the program is open, the window's controls
// do nothing (ui/dialog_gate.h).
class Window : public QWidget {
  Q_OBJECT

 public:
  Window(const QString& title, int widthTwips, int heightTwips, const QColor& background);

 signals:
  void titleBarClosed();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// One window's place in the application: not loaded, loaded and hidden, or loaded and shown.
class WindowSlotBase {
 public:
  // Creates the window with its controls and runs its load step; the window stays hidden.
  using Factory = std::function<Window*()>;
  // onChange runs after every hide or unload, so that the application can tell when no
  // window is left on screen.
  WindowSlotBase(Factory create, std::function<void()> onChange);
  virtual ~WindowSlotBase();
  WindowSlotBase(const WindowSlotBase&) = delete;
  WindowSlotBase& operator=(const WindowSlotBase&) = delete;

  bool IsLoaded() const { return window_ != nullptr; }
  bool IsShown() const { return window_ != nullptr && window_->isVisible(); }
  // Whether window is the one loaded here: what holds on to a window across a dialog asks
  // this before using it again.
  bool Holds(const Window* window) const { return window != nullptr && window_ == window; }
  void Hide();
  // Removes the window with all its controls and contents. Deletion waits for the event
  // loop, since the handler that asks for it may belong to the window itself, and for every
  // open dialog to close.
  void Unload();

 protected:
  // Loads the window through the factory; a loaded window is left as it is.
  Window& LoadWindow();
  Window& ShowWindow();
  Window* GetWindow() const { return window_.data(); }

 private:
  Factory create_;
  std::function<void()> onChange_;
  QPointer<Window> window_;
};

template <class T>
class WindowSlot final : public WindowSlotBase {
 public:
  using WindowSlotBase::WindowSlotBase;
  T* Get() const { return static_cast<T*>(GetWindow()); }
  T& Load() { return static_cast<T&>(LoadWindow()); }
  T& Show() { return static_cast<T&>(ShowWindow()); }
};

}  // namespace tsp::ui
