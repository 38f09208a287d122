#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <type_traits>

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

// Every window of an application, one slot each, in the order given: the one list of its
// windows. They all go, last one first, when the slots go.
template <class... Windows>
class WindowSlots {
 public:
  // create(std::type_identity<W>{}) creates window W as WindowSlot's factory does.
  template <class Create>
  WindowSlots(Create create, const std::function<void()>& onChange)
      : slots_{std::make_unique<WindowSlot<Windows>>(
            [create] { return create(std::type_identity<Windows>{}); }, onChange)...} {}
  ~WindowSlots() {
    for (auto slot = slots_.rbegin(); slot != slots_.rend(); ++slot) slot->reset();
  }
  WindowSlots(const WindowSlots&) = delete;
  WindowSlots& operator=(const WindowSlots&) = delete;

  template <class W>
  WindowSlot<W>& Of() const {
    return static_cast<WindowSlot<W>&>(*slots_[IndexOf<W>()]);
  }
  template <class Visit>
  void ForEach(Visit visit) const {
    for (const auto& slot : slots_) visit(*slot);
  }
  template <class Visit>
  void ForEachLastFirst(Visit visit) const {
    for (auto slot = slots_.rbegin(); slot != slots_.rend(); ++slot) visit(**slot);
  }

 private:
  template <class W>
  static constexpr std::size_t IndexOf() {
    constexpr std::array<bool, sizeof...(Windows)> same{std::is_same_v<W, Windows>...};
    for (std::size_t i = 0; i < same.size(); ++i) {
      if (same[i]) return i;
    }
    return same.size();
  }

  std::array<std::unique_ptr<WindowSlotBase>, sizeof...(Windows)> slots_;
};

}  // namespace tsp::ui
