#pragma once

#include <QPoint>
#include <QString>
#include <vector>

#include "support/app_helpers.h"
#include "support/widget_helpers.h"
#include "ui/canvas.h"

namespace tsp::testing {

// A "1" in the white box (Row, Column) and Weight, as typed, in its red box.
struct EdgeEntry {
  int Row;
  int Column;
  QString Weight;
};

// Opens the editor for vertexCount vertices, types the entries over its fresh boxes and views
// the graph.
inline GraphView* OpenGraphWith(TestApp& app, int vertexCount, const std::vector<EdgeEntry>& edges,
                                const QString& iterations = QStringLiteral("1")) {
  MatrixEditor* editor = OpenEditor(app, QString::number(vertexCount), iterations);
  if (editor == nullptr) return nullptr;
  for (const EdgeEntry& edge : edges) {
    const int box = 10 * edge.Row + edge.Column;
    Type(editor, QStringLiteral("Text1_%1").arg(box), QStringLiteral("1"));
    Type(editor, QStringLiteral("Text2_%1").arg(box), edge.Weight);
  }
  Click(editor, QStringLiteral("Command1"));
  return app.App->window<GraphView>().Get();
}

// The button that starts each run and the timer that animates it.
struct RunControls {
  const char* Button;
  const char* Timer;
};
inline const RunControls Tree{"Command2", "Timer1"};
inline const RunControls Tour{"Command4", "Timer2"};
inline const RunControls Cycle{"Command6", "Timer3"};
inline const RunControls Optimum{"OptimumButton", "OptimumTimer"};

// The graph view draws on its canvas: items 0..9 are the vertices (anchor point and marker),
// the lines from item 10 on are the graph's lines by line id.
inline const ui::Canvas& CanvasOf(const QWidget* view) {
  return *Find<ui::Canvas>(view, QStringLiteral("Canvas"));
}

inline const ui::LineItem& GraphLine(const QWidget* view, int lineId) {
  return CanvasOf(view).Line(10 + lineId);
}

inline QPoint Anchor(const QWidget* view, int vertex) {
  const ui::LineItem& point = CanvasOf(view).Line(vertex);
  return {point.X1, point.Y1};
}

inline const ui::CircleItem& Marker(const QWidget* view, int vertex) {
  return CanvasOf(view).Circle(vertex);
}

}  // namespace tsp::testing
