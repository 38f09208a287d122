#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/graph/matrix.h"
#include "ui/services.h"
#include "ui/window.h"

class QLabel;
class QLineEdit;

namespace tsp {

// The matrix editor: white boxes say which vertex pairs a line joins, red boxes give weights.
// Its boxes are the graph's only store.
class MatrixEditor final : public ui::Window {
  Q_OBJECT

 public:
  explicit MatrixEditor(ui::Services& services);

  // The load step: takes the counts as typed on the vertex-count screen and shows the
  // count × count block of boxes. Writes no box text and no colour.
  void loadCounts(const QString& vertexCountText, const QString& iterationText);
  std::int16_t vertexCount() const { return vertexCount_; }
  std::int16_t iterationCount() const { return iterationCount_; }

  MatrixTexts texts() const;
  void setWhiteTexts(const std::array<std::string, BoxCount>& white);
  // Types the texts into every box, as a user would.
  void setTexts(const MatrixTexts& texts);
  // What the graph opened last is and shows, kept while the editor holds it and saved with it;
  // the title is shown where the window has room, empty hides it.
  void setGraphTitle(const QString& title, const QString& description);
  const QString& graphTitle() const { return title_; }
  const QString& graphDescription() const { return description_; }

 signals:
  // Every box passed the checks.
  void viewGraphRequested();
  void resetRequested();
  void exitRequested();
  void openRequested();
  void saveRequested();
  void exampleRequested();

 private:
  void addWhiteBox(int box);
  void addRedBox(int box);
  void addFileButtons();
  void addTitleLine();
  void checkBoxes();
  void fillGraph();
  void drawRandomWeights();

  ui::Services& services_;
  std::array<QLineEdit*, BoxCount> white_;
  std::array<QLineEdit*, BoxCount> red_;
  QLineEdit* vertexCountBox_;
  QLineEdit* iterationBox_;
  QLabel* graphTitle_ = nullptr;
  QString title_;
  QString description_;
  std::int16_t vertexCount_ = 0;
  std::int16_t iterationCount_ = 0;
};

}  // namespace tsp
