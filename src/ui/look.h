#pragma once

#include <QString>

class QApplication;

namespace tsp::ui {

// The plain sans-serif face of every window: a narrow one, so that the texts fit the boxes they
// were designed for; where it is missing, the system's sans-serif face stands in.
inline const QString SansFamily = QStringLiteral("DejaVu Sans Condensed");

// The application-wide font and style that every window is designed for.
void ApplyApplicationLook(QApplication& app);

}  // namespace tsp::ui
