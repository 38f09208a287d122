#pragma once

#include <functional>

class QObject;

namespace tsp::ui {

// While one of the program's dialogs or menus runs its own event loop, the windows under it
// must do nothing: a press that still reaches one (an accessibility action, an automation
// tool, QAbstractButton::click()) could unload the very window the dialog was opened from.
// So, while any is open, the buttons, lists, combo boxes, shortcuts and timers of every Window
// emit nothing, and keys, mouse buttons and close requests addressed to a Window are dropped.
// The dialogs themselves and their own controls are not affected, and nothing looks different.
//
// A DialogScope marks one dialog open for its lifetime; a popup menu counts while it is shown.
class DialogScope {
 public:
  DialogScope();
  ~DialogScope();
  DialogScope(const DialogScope&) = delete;
  DialogScope& operator=(const DialogScope&) = delete;
};

// Whether a dialog or menu of the program is open.
bool WindowsBlocked();

// Runs action at once when no dialog or menu is open, else once the last one has closed, and
// then only if context still exists. Deletion waits this way: an object deleted inside a
// dialog's event loop may be the dialog's parent, or the caller that waits for the dialog.
void WhenWindowsFree(QObject* context, std::function<void()> action);

// Starts watching the application's events for menus and for input to blocked windows; every
// Window calls it. Needs the QApplication.
void WatchWindows();

}  // namespace tsp::ui
