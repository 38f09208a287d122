#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/files/graph_file.h"
#include "core/graph/drawing.h"

namespace tsp {

// The question about whether the tree tour's factor-2 guarantee holds; every other question is
// the id of a row of Algorithms().
inline constexpr std::string_view GuaranteeQuestion = "guarantee";

// Prim's tree, the tree tour, nearest neighbour, the optimum and the guarantee.
std::vector<std::string> DefaultQuestions();
// Every id --questions takes, in the table's order, then "guarantee".
std::vector<std::string> QuestionIds();

// "spanning_tree,optimum" (blanks around the ids allowed) as ids in that order; or why the list
// cannot be used: an unknown id, an empty item or an id given twice.
std::variant<std::vector<std::string>, std::string> ParseQuestions(std::string_view list);

// What every sheet of one set shares.
struct WorksheetSettings {
  std::uint32_t Seed = 1;
  int VertexCount = 6;  // MinSheetVertices to MaxSheetVertices
  bool Metric = false;
  std::vector<std::string> Questions = DefaultQuestions();  // valid ids
};

struct SheetQuestion {
  std::string Id;
  std::string Label;   // for the key: "Prim's spanning tree"
  std::string Text;    // as the sheet asks it
  std::string Answer;  // as the report gives it: "A--B, B--D, A--C (weight 6)"
};

struct Worksheet {
  std::string Id;             // "Sheet 2026-7"
  std::string GraphFileName;  // "sheet-2026-7.tspgraph"
  std::string Summary;        // "6 vertices, every pair joined, weights 1 to 99."
  GraphDocument Document;     // the graph as a .tspgraph file holds it
  Drawing Graph;
  std::vector<SheetQuestion> Questions;
};

// Sheet number (from 1) of the set: its graph, its questions and their answers, with the
// values of the report on the same graph.
Worksheet MakeWorksheet(const WorksheetSettings& settings, int number);

}  // namespace tsp
