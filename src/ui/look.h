#pragma once

class QApplication;

namespace tsp::ui {

// The application-wide font and style that every window is designed for.
void ApplyApplicationLook(QApplication& app);

}  // namespace tsp::ui
