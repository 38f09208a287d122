#include "core/worksheet/worksheet.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "core/algorithms/algorithm_table.h"
#include "core/lesson/narration.h"
#include "core/report/report.h"
#include "core/worksheet/sheet_generator.h"

namespace tsp {
namespace {

struct Wording {
  std::string_view Id;
  std::string_view Label;  // empty: the row's name
  std::string_view Text;
};

// How the sheet asks for each answer, with the rule spelt out where the algorithm has choices
// to make. Rows not listed get a question made from their kind.
constexpr std::array Wordings{
    Wording{"spanning_tree", "Prim's spanning tree",
            "Grow a minimum spanning tree from A with Prim's algorithm. List its edges in the "
            "order they are added, and give its weight."},
    Wording{"kruskal", "Kruskal's spanning tree",
            "Find a minimum spanning tree with Kruskal's algorithm. List its edges in the order "
            "they are added, and give its weight."},
    Wording{"tree_tour", "",
            "Walk Prim's tree from A in depth-first preorder, each vertex's children in the order "
            "their edges were added, and return to A. Give this tree tour and its weight."},
    Wording{"light_cycle", "",
            "Take the tree tour, the tours made from it by exchanging its second vertex with each "
            "later one, and A, B, C, ... in order back to A. Give the lightest of them (the first "
            "if several are lightest) and its weight."},
    Wording{"nearest_neighbour", "",
            "Build the nearest-neighbour tour: start at A, always go on to the nearest vertex not "
            "yet visited, and return to A. Give the tour and its weight."},
    Wording{"greedy_edge", "",
            "Build the greedy-edge tour: take the lines from the lightest up, leaving out any that "
            "would give a vertex three lines or close a cycle before every vertex is in. Give the "
            "tour from A and its weight."},
    Wording{"nearest_insertion", "",
            "Build a tour by nearest insertion: start with A and its nearest vertex, then insert "
            "the vertex nearest to the tour where it adds the least weight. Give the tour from A "
            "and its weight."},
    Wording{"farthest_insertion", "",
            "Build a tour by farthest insertion: start with A and its farthest vertex, then insert "
            "the vertex farthest from the tour where it adds the least weight. Give the tour from "
            "A and its weight."},
    Wording{"cheapest_insertion", "",
            "Build a tour by cheapest insertion: start with A and its nearest vertex, then insert "
            "the vertex, at the place, that adds the least weight. Give the tour from A and its "
            "weight."},
    Wording{"christofides", "",
            "Build Christofides' tour: Prim's tree, the lightest perfect matching of its vertices "
            "of odd degree, an Euler circuit from A, and shortcuts past vertices already visited. "
            "Give the tour and its weight."},
    Wording{"two_opt", "",
            "Improve the tree tour by 2-opt: reverse the stretch of the tour that saves the most "
            "weight, until no reversal saves any. Give the tour from A and its weight."},
    Wording{"optimum", "", "What is the weight of the lightest closed tour through every vertex?"},
    Wording{"one_tree", "",
            "For every vertex, take a minimum spanning tree of the other vertices and add the "
            "vertex's two lightest lines. What is the heaviest of these 1-trees' weights?"},
    Wording{GuaranteeQuestion, "Factor-2 guarantee",
            "Is the tree tour sure to weigh at most twice the optimum here (every pair joined, no "
            "negative weight, every triangle holding)? If not, name a triangle that breaks it."},
};

const Wording* WordingOf(std::string_view id) {
  for (const Wording& wording : Wordings) {
    if (wording.Id == id) return &wording;
  }
  return nullptr;
}

std::string GeneralQuestion(const AlgorithmRow& row) {
  const std::string name(row.Name);
  switch (row.Kind) {
    case AlgorithmKind::Tree:
      return name +
             ": list the edges of its tree in the order they are added, and give its "
             "weight.";
    case AlgorithmKind::Tour:
      return name + ": give its tour from A and its weight.";
    case AlgorithmKind::Bound:
      return name + ": what is its value?";
  }
  return name;
}

std::string TreeAnswer(const SpanningTree& tree, int vertexCount) {
  std::string text;
  for (const TreeEdge& edge : tree.Edges) {
    text += (text.empty() ? "" : ", ") + EdgeName(edge.From, edge.To);
  }
  if (tree.Edges.empty()) text = "no edge";
  text += " (weight " + std::to_string(tree.Weight()) + ")";
  if (tree.VertexCount != vertexCount) {
    text += "; it reaches " + std::to_string(tree.VertexCount) + " of " +
            std::to_string(vertexCount) + " vertices";
  }
  return text;
}

std::string TourAnswer(const AlgorithmResult& result) {
  if (!result.FoundTour) return "none. " + result.Reason;
  std::string text =
      TourText(*result.FoundTour) + " (weight " + std::to_string(result.Weight) + ")";
  if (result.MissingPairs > 0) {
    text += "; " + std::to_string(result.MissingPairs) +
            " of its steps join vertices without a line and count 0";
  }
  return text;
}

std::string GuaranteeAnswer(const GuaranteeCheck& guarantee) {
  if (guarantee.Holds()) {
    return "Yes: every pair is joined, no weight is negative and every triangle holds.";
  }
  std::string why;
  const auto add = [&why](const std::string& part) { why += (why.empty() ? "" : "; ") + part; };
  if (!guarantee.AllPairs) add("some pairs have no line");
  if (!guarantee.NonNegative) add("some weights are negative");
  const std::size_t count = guarantee.Violations.size();
  if (count == 1) add("1 triangle breaks it: " + ViolationText(guarantee.Violations[0]));
  if (count > 1) {
    std::string first;
    for (std::size_t i = 0; i < std::min<std::size_t>(count, 3); ++i) {
      first += (i > 0 ? "; " : "") + ViolationText(guarantee.Violations[i]);
    }
    add(std::to_string(count) + " triangles break it, the first: " + first);
  }
  return "No: " + why + ".";
}

SheetQuestion QuestionOf(const std::string& id, const GraphReport& report) {
  const Wording* wording = WordingOf(id);
  if (id == GuaranteeQuestion) {
    assert(wording != nullptr);
    return {id, std::string(wording->Label), std::string(wording->Text),
            GuaranteeAnswer(report.Guarantee)};
  }
  const AlgorithmRow& row = AlgorithmById(id);
  const AlgorithmResult& result = report.Result(id);
  SheetQuestion question{id, std::string(row.Name), GeneralQuestion(row), ""};
  if (wording != nullptr) {
    if (!wording->Label.empty()) question.Label = wording->Label;
    question.Text = wording->Text;
  }
  switch (row.Kind) {
    case AlgorithmKind::Tree:
      question.Answer = TreeAnswer(result.Tree, report.VertexCount);
      break;
    case AlgorithmKind::Tour:
      question.Answer = TourAnswer(result);
      break;
    case AlgorithmKind::Bound:
      question.Answer = result.Bound ? BoundText(row, *result.Bound) : "none. " + result.Reason;
      break;
  }
  return question;
}

}  // namespace

std::vector<std::string> DefaultQuestions() {
  return {"spanning_tree", "tree_tour", "nearest_neighbour", "optimum",
          std::string(GuaranteeQuestion)};
}

std::vector<std::string> QuestionIds() {
  std::vector<std::string> ids;
  for (const AlgorithmRow& row : Algorithms()) ids.emplace_back(row.Id);
  ids.emplace_back(GuaranteeQuestion);
  return ids;
}

std::variant<std::vector<std::string>, std::string> ParseQuestions(std::string_view list) {
  const std::vector<std::string> known = QuestionIds();
  std::vector<std::string> ids;
  std::size_t at = 0;
  while (true) {
    const std::size_t comma = std::min(list.find(',', at), list.size());
    std::string_view item = list.substr(at, comma - at);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    const std::string id(item);
    if (id.empty()) return std::string("an empty question in \"") + std::string(list) + "\"";
    if (std::find(known.begin(), known.end(), id) == known.end()) {
      return "no question is called \"" + id + "\"";
    }
    if (std::find(ids.begin(), ids.end(), id) != ids.end()) return "\"" + id + "\" is given twice";
    ids.push_back(id);
    if (comma == list.size()) return ids;
    at = comma + 1;
  }
}

Worksheet MakeWorksheet(const WorksheetSettings& settings, int number) {
  assert(number >= 1);
  const std::string name = std::to_string(settings.Seed) + "-" + std::to_string(number);
  Worksheet sheet;
  sheet.Id = "Sheet " + name;
  sheet.GraphFileName = "sheet-" + name + ".tspgraph";
  sheet.Summary = std::to_string(settings.VertexCount) + " vertices, every pair joined, weights " +
                  std::to_string(MinSheetWeight) + " to " + std::to_string(MaxSheetWeight) +
                  (settings.Metric ? ", every triangle holds." : ".");
  sheet.Document =
      SheetDocument(SheetGraph(settings.Seed, number, settings.VertexCount, settings.Metric));
  sheet.Graph = BuildDrawing(sheet.Document.VertexCount, BoxTextsOf(sheet.Document));
  const GraphReport report = MakeReport(sheet.Graph);
  for (const std::string& id : settings.Questions)
    sheet.Questions.push_back(QuestionOf(id, report));
  return sheet;
}

}  // namespace tsp
