#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/timer.h"

namespace tsp::testing {

// A window's control by its object name; fails the test when there is none.
template <class T = QLineEdit>
T* Find(const QWidget* window, const QString& name) {
  T* child = window->findChild<T*>(name);
  EXPECT_NE(child, nullptr) << "no control " << name.toStdString();
  return child;
}

inline void Click(const QWidget* window, const QString& name) {
  Find<QPushButton>(window, name)->click();
}

inline void Type(const QWidget* window, const QString& name, const QString& text) {
  Find<QLineEdit>(window, name)->setText(text);
}

inline QString TextOf(const QWidget* window, const QString& name) {
  return Find<QLineEdit>(window, name)->text();
}

// One tick of the window's timer, whether it runs or not.
inline void Fire(const QWidget* window, const QString& timer, int ticks = 1) {
  for (int i = 0; i < ticks; ++i) Find<ui::Timer>(window, timer)->Fire();
}

inline bool Running(const QWidget* window, const QString& timer) {
  return Find<ui::Timer>(window, timer)->Enabled();
}

// While it exists the animation timers' own ticks are dropped: a test that ticks them itself
// does not depend on how fast the machine runs it.
class SwallowAnimationTimers final : public QObject {
 public:
  SwallowAnimationTimers() { qApp->installEventFilter(this); }
  ~SwallowAnimationTimers() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    return event->type() == QEvent::Timer && qobject_cast<ui::Timer*>(watched) != nullptr;
  }
};

// The widget that Tab moves to from w: the next one in the focus chain that takes focus by
// Tab and is not hidden within its window.
inline QWidget* NextFocusable(QWidget* w) {
  QWidget* next = w->nextInFocusChain();
  while (next != w && ((next->focusPolicy() & Qt::TabFocus) == 0 ||
                       !next->isVisibleTo(next->window()) || !next->isEnabled())) {
    next = next->nextInFocusChain();
  }
  return next;
}

}  // namespace tsp::testing
