#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/algorithms/algorithm.h"
#include "core/graph/drawing.h"
#include "core/lesson/narration.h"
#include "core/report/guarantee.h"

namespace tsp {

// Everything the algorithms find on one graph: what the comparison window shows and the
// report prints.
struct GraphReport {
  int VertexCount = 0;
  std::vector<DrawnLine> Lines;
  // One result per row of Algorithms(), in the table's order.
  std::vector<AlgorithmResult> Results;
  GuaranteeCheck Guarantee;

  // The result of the row with this id: nullptr when no row has it.
  const AlgorithmResult* Find(std::string_view id) const;
  // The result of the row with this id, which must exist.
  const AlgorithmResult& Result(std::string_view id) const;
  // The program's spanning tree reaches as many vertices as the graph has.
  bool TreeSpans() const;
};

GraphReport MakeReport(const Drawing& drawing);

// A tour's weight against the optimum's, empty where that says nothing (no optimum, or an
// optimum of weight 0 or less).
std::optional<double> RatioToOptimum(const GraphReport& report, int weight);

// The program's spanning tree is a lower bound on every closed tour when it joins exactly the
// graph's vertices, every line may join it and no weight is negative.
bool TreeWeightIsBound(const GraphReport& report);

// A bound's value as shown: the 1-tree bound, a sum of weights, as a whole number, the others
// with two decimals.
std::string BoundText(const AlgorithmRow& row, double value);

// The bounds that hold, ascending, then the optimum, then the lightest other tour through every
// vertex along lines: "6 ≤ 10 ≤ 12.50 ≤ optimum 13 ≤ nearest neighbour 15" (UTF-8). Empty
// without an optimum.
std::string BoundChain(const GraphReport& report);

// The report for people, a few lines of plain text, and for programs, one JSON object.
std::string ReportText(const GraphReport& report);
std::string ReportJson(const GraphReport& report);

}  // namespace tsp
