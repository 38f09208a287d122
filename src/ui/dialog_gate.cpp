#include "ui/dialog_gate.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPointer>
#include <QSet>
#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/timer.h"
#include "ui/window.h"

namespace tsp::ui {

namespace {

// The top-level widget an object belongs to: its own for a widget, its nearest widget
// ancestor's for anything else (a shortcut, a timer).
QWidget* TopLevelOf(QObject* object) {
  while (object != nullptr && !object->isWidgetType()) object = object->parent();
  return object != nullptr ? static_cast<QWidget*>(object)->window() : nullptr;
}

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

bool IsPopup(QObject* object) {
  return object->isWidgetType() && static_cast<QWidget*>(object)->windowType() == Qt::Popup;
}

class Gate final : public QObject {
 public:
  static Gate& Instance() {
    static QPointer<Gate> gate;
    if (gate.isNull()) {
      Q_ASSERT(qApp != nullptr);
      gate = new Gate(qApp);
      qApp->installEventFilter(gate);
    }
    return *gate;
  }

  void Enter() {
    ++dialogs_;
    Update();
  }
  void Leave() {
    Q_ASSERT(dialogs_ > 0);
    --dialogs_;
    Update();
  }
  // A menu counts while shown; should one ever vanish unnoticed, it blocks nothing.
  bool Blocked() const {
    return dialogs_ > 0 || std::any_of(popups_.begin(), popups_.end(), [](QObject* popup) {
             return static_cast<QWidget*>(popup)->isVisible();
           });
  }

  void WhenFree(QObject* context, std::function<void()> action) {
    if (Blocked()) {
      waiting_.emplace_back(context, std::move(action));
    } else {
      action();
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Hide) {
      if (IsPopup(watched)) {
        type == QEvent::Show ? PopupShown(watched) : PopupGone(watched);
      } else if (type == QEvent::Show && silent_) {
        // A window that appears while a dialog is open is blocked like the others.
        if (auto* window = qobject_cast<Window*>(watched)) Silence(window);
      }
      return false;
    }
    if (!IsInput(type)) return false;
    if (silent_ != Blocked()) Update();
    if (!silent_) return false;
    if (qobject_cast<Window*>(TopLevelOf(watched)) == nullptr) return false;
    // An ignored close event keeps the window open; a dropped one would count as accepted.
    event->ignore();
    return true;
  }

 private:
  using QObject::QObject;

  void PopupShown(QObject* popup) {
    if (popups_.contains(popup)) return;
    popups_.insert(popup);
    // A menu deleted while shown may never send its hide event.
    connect(popup, &QObject::destroyed, this, &Gate::PopupGone, Qt::UniqueConnection);
    Update();
  }
  void PopupGone(QObject* popup) {
    if (popups_.remove(popup)) Update();
  }

  void Update() {
    if (Blocked() == silent_) return;
    silent_ = Blocked();
    if (silent_) {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget)) Silence(window);
      }
      return;
    }
    for (const QPointer<QObject>& object : silenced_) {
      if (object) object->blockSignals(false);
    }
    silenced_.clear();
    // An action may open a dialog again; whatever waits after it waits for that one too.
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waiting;
    waiting.swap(waiting_);
    for (auto& [context, action] : waiting) {
      if (context) WhenFree(context, std::move(action));
    }
  }

  // Only the window's own controls: a dialog that is its child keeps working.
  void Silence(Window* window) {
    const auto silence = [this, window](QObject* object) {
      if (TopLevelOf(object) != window || object->signalsBlocked()) return;
      object->blockSignals(true);
      silenced_.emplace_back(object);
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) silence(button);
    // A choice in a list or a combo box can start something too.
    for (QComboBox* box : window->findChildren<QComboBox*>()) silence(box);
    for (QAbstractItemView* list : window->findChildren<QAbstractItemView*>()) silence(list);
    for (QShortcut* shortcut : window->findChildren<QShortcut*>()) silence(shortcut);
    for (Timer* timer : window->findChildren<Timer*>()) silence(timer);
  }

  int dialogs_ = 0;
  QSet<QObject*> popups_;
  bool silent_ = false;
  std::vector<QPointer<QObject>> silenced_;
  std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waiting_;
};

}  // namespace

DialogScope::DialogScope() {
  Gate::Instance().Enter();
}

DialogScope::~DialogScope() {
  Gate::Instance().Leave();
}

bool WindowsBlocked() {
  return Gate::Instance().Blocked();
}

void WhenWindowsFree(QObject* context, std::function<void()> action) {
  Gate::Instance().WhenFree(context, std::move(action));
}

void WatchWindows() {
  Gate::Instance();
}

}  // namespace tsp::ui
