#pragma once

#include <QWidget>

namespace tsp::testing {

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
