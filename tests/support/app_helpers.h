#pragma once

#include <QString>
#include <vector>

#include "support/fake_services.h"
#include "windows/graph_view.h"
#include "windows/matrix_editor.h"

namespace tsp::testing {

// Start screen, "Start Simulation", the counts typed, "Continue": the matrix editor of a fresh
// session (nullptr when the counts were refused).
MatrixEditor* OpenEditor(TestApp& app, const QString& vertexCount,
                         const QString& iterations = QStringLiteral("1"));

// Types a symmetric weight matrix: 0 means no line; every other red box keeps "1".
void TypeWeights(MatrixEditor* editor, const std::vector<std::vector<int>>& weights);

// Opens the editor, types the weights and views the graph (nullptr when refused).
GraphView* OpenGraph(TestApp& app, const std::vector<std::vector<int>>& weights,
                     const QString& iterations = QStringLiteral("1"));

// The README's four-vertex graph: A-B 1, B-D 2, A-C 3, A-D 4, B-C 4, C-D 9.
std::vector<std::vector<int>> FourVertexWeights();

}  // namespace tsp::testing
