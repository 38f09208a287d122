#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/algorithms/optimum.h"
#include "core/algorithms/spanning_tree.h"
#include "core/algorithms/tree_tour.h"
#include "core/graph/drawing.h"
#include "core/lesson/narration.h"
#include "core/report/guarantee.h"

namespace tsp {

// A heuristic tour as its run plays it, with the steps that join a pair without a line (they
// count 0).
struct PlayedTour {
  Tour Vertices;
  int Weight = 0;
  int MissingPairs = 0;
};

// Everything the runs find on one graph, beside the exact optimum: what the comparison window
// shows and the report prints.
struct GraphReport {
  int VertexCount = 0;
  std::vector<DrawnLine> Lines;
  SpanningTree Tree;
  PlayedTour TreeTour;
  PlayedTour LightCycle;
  OptimumTour Optimum;
  GuaranteeCheck Guarantee;

  bool TreeSpans() const { return Tree.VertexCount == VertexCount; }
};

GraphReport MakeReport(const Drawing& drawing);

// A tour's weight against the optimum's, empty where that says nothing (no optimum, or an
// optimum of weight 0 or less).
std::optional<double> RatioToOptimum(const GraphReport& report, int weight);

// The report for people, a few lines of plain text, and for programs, one JSON object.
std::string ReportText(const GraphReport& report);
std::string ReportJson(const GraphReport& report);

}  // namespace tsp
