#pragma once

#include <QString>

#include "ui/services.h"
#include "ui/window.h"

class QLineEdit;

namespace tsp {

// The vertex-count screen: asks for the number of vertices and the iteration count.
class VertexCountScreen final : public ui::Window {
  Q_OBJECT

 public:
  explicit VertexCountScreen(ui::Services& services);

  // Both counts as typed.
  QString vertexCountText() const;
  QString iterationText() const;
  // Fills both boxes as if typed.
  void setCounts(const QString& vertexCountText, const QString& iterationText);
  // Whether the iteration count fits the 16 bits the editor keeps it in.
  static bool IsIterationText(const QString& text);

 signals:
  // Both counts passed their checks.
  void continueRequested();

 private:
  void checkCounts();

  ui::Services& services_;
  QLineEdit* vertexCount_;
  QLineEdit* iterations_;
};

}  // namespace tsp
