#pragma once

#include <QString>
#include <array>

#include "app/navigator.h"
#include "support/fake_services.h"
#include "windows/edge_id_view.h"
#include "windows/graph_view.h"
#include "windows/help_screen.h"
#include "windows/matrix_editor.h"
#include "windows/start_screen.h"
#include "windows/vertex_count_screen.h"

namespace tsp::testing {

// The six windows by title, in the order the titles number them.
inline const std::array<QString, 6>& WindowTitles() {
  static const std::array<QString, 6> titles = {"Form1", "Form2", "Form3",
                                                "Form4", "Form5", "Form6"};
  return titles;
}

// The loaded window of that title, or nullptr.
inline ui::Window* WindowNamed(Navigator& app, const QString& title) {
  if (title == QLatin1String("Form1")) return app.window<StartScreen>().Get();
  if (title == QLatin1String("Form2")) return app.window<VertexCountScreen>().Get();
  if (title == QLatin1String("Form3")) return app.window<MatrixEditor>().Get();
  if (title == QLatin1String("Form4")) return app.window<GraphView>().Get();
  if (title == QLatin1String("Form5")) return app.window<EdgeIdView>().Get();
  if (title == QLatin1String("Form6")) return app.window<HelpScreen>().Get();
  return nullptr;
}

// The loaded windows as the user could tell them: "Form2- Form3" is the vertex-count screen
// loaded but hidden under the shown matrix editor; "end" once the application has ended.
inline QString LoadedWindows(TestApp& app) {
  if (app.Ends > 0) return QStringLiteral("end");
  QString text;
  for (const QString& title : WindowTitles()) {
    const ui::Window* window = WindowNamed(*app.App, title);
    if (window == nullptr) continue;
    if (!text.isEmpty()) text += u' ';
    text += title + (window->isVisible() ? QString() : QStringLiteral("-"));
  }
  return text;
}

}  // namespace tsp::testing
