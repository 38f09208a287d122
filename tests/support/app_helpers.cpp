#include "support/app_helpers.h"

#include "support/widget_helpers.h"
#include "windows/start_screen.h"
#include "windows/vertex_count_screen.h"

namespace tsp::testing {

MatrixEditor* OpenEditor(TestApp& app, const QString& vertexCount, const QString& iterations) {
  app.App->start();
  Click(app.App->window<StartScreen>().Get(), QStringLiteral("Command1"));
  const VertexCountScreen* counts = app.App->window<VertexCountScreen>().Get();
  Type(counts, QStringLiteral("Text3"), vertexCount);
  Type(counts, QStringLiteral("Text4"), iterations);
  Click(counts, QStringLiteral("Command1"));
  return app.App->window<MatrixEditor>().Get();
}

void TypeWeights(MatrixEditor* editor, const std::vector<std::vector<int>>& weights) {
  for (std::size_t r = 0; r < weights.size(); ++r) {
    for (std::size_t c = 0; c < weights.size(); ++c) {
      const int box = static_cast<int>(10 * r + c);
      const bool line = weights[r][c] != 0 && r != c;
      Type(editor, QStringLiteral("Text1_%1").arg(box), line ? "1" : "0");
      Type(editor, QStringLiteral("Text2_%1").arg(box),
           line ? QString::number(weights[r][c]) : QStringLiteral("1"));
    }
  }
}

GraphView* OpenGraph(TestApp& app, const std::vector<std::vector<int>>& weights,
                     const QString& iterations) {
  MatrixEditor* editor = OpenEditor(app, QString::number(weights.size()), iterations);
  if (editor == nullptr) return nullptr;
  TypeWeights(editor, weights);
  Click(editor, QStringLiteral("Command1"));
  return app.App->window<GraphView>().Get();
}

std::vector<std::vector<int>> FourVertexWeights() {
  return {{0, 1, 3, 4}, {1, 0, 4, 2}, {3, 4, 0, 9}, {4, 2, 9, 0}};
}

}  // namespace tsp::testing
