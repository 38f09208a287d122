#include "core/report/report.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/algorithms/algorithm_table.h"

namespace tsp {
namespace {

using Json = nlohmann::ordered_json;

std::string RatioText(const GraphReport& report, int weight) {
  const auto ratio = RatioToOptimum(report, weight);
  if (!ratio) return "";
  char text[32];
  std::snprintf(text, sizeof text, ", %.2f times the optimum", *ratio);
  return text;
}

// A tour that visits every vertex once, along lines only.
bool IsFullTour(const AlgorithmResult& result, int vertexCount) {
  if (!result.FoundTour || result.MissingPairs > 0) return false;
  const Tour& tour = *result.FoundTour;
  if (static_cast<int>(tour.size()) != (vertexCount == 1 ? 1 : vertexCount + 1)) return false;
  unsigned seen = 0;
  for (std::size_t s = 0; s + 1 < tour.size(); ++s) seen |= 1u << tour[s];
  return vertexCount == 1 || seen == (1u << vertexCount) - 1;
}

// A name inside a sentence: "nearest neighbour", but "Christofides" and "2-opt" as they are.
std::string InSentence(std::string_view name) {
  std::string text(name);
  if (text.find(' ') != std::string::npos && text[0] >= 'A' && text[0] <= 'Z') text[0] += 'a' - 'A';
  return text;
}

std::string TreeLine(const GraphReport& report, std::string_view name, const SpanningTree& tree) {
  std::string text = std::string(name) + ": ";
  for (std::size_t i = 0; i < tree.Edges.size(); ++i) {
    text += (i > 0 ? ", " : "") + EdgeName(tree.Edges[i].From, tree.Edges[i].To);
  }
  if (tree.Edges.empty()) text += "no edge";
  text += " (weight " + std::to_string(tree.Weight()) + ")";
  if (tree.VertexCount != report.VertexCount) {
    text += "; it reaches " + std::to_string(tree.VertexCount) + " of " +
            std::to_string(report.VertexCount) + " vertices";
  }
  return text + "\n";
}

std::string TourLine(const GraphReport& report, const AlgorithmRow& row,
                     const AlgorithmResult& result) {
  const std::string name(row.Name);
  if (!result.FoundTour) return name + ": none. " + result.Reason + "\n";
  std::string line =
      name + ": " + TourText(*result.FoundTour) + " (weight " + std::to_string(result.Weight);
  if (row.Id == "optimum") return line + ")\n";
  line += RatioText(report, result.Weight) + ")";
  if (result.MissingPairs > 0) {
    line += "; " + std::to_string(result.MissingPairs) + " of its steps join vertices without a " +
            "line and count 0";
  }
  return line + "\n";
}

std::string BoundLine(const AlgorithmRow& row, const AlgorithmResult& result) {
  const std::string name(row.Name);
  if (!result.Bound) return name + ": none. " + result.Reason + "\n";
  return name + ": " + BoundText(row, *result.Bound) + "\n";
}

Json LetterList(const Tour& tour) {
  auto list = Json::array();
  for (int v : tour) list.push_back(VertexName(v));
  return list;
}

Json TreeJson(const SpanningTree& tree, int vertexCount) {
  Json edges = Json::array();
  for (const TreeEdge& edge : tree.Edges) edges.push_back(EdgeName(edge.From, edge.To));
  return {{"edges", edges}, {"weight", tree.Weight()}, {"spans", tree.VertexCount == vertexCount}};
}

Json PlayedTourJson(const AlgorithmResult& result) {
  assert(result.FoundTour);
  return {{"tour", LetterList(*result.FoundTour)},
          {"weight", result.Weight},
          {"missing_pairs", result.MissingPairs}};
}

Json TourJson(const AlgorithmResult& result) {
  if (!result.FoundTour) return {{"tour", nullptr}, {"reason", result.Reason}};
  return {{"tour", LetterList(*result.FoundTour)}, {"weight", result.Weight}};
}

}  // namespace

const AlgorithmResult* GraphReport::Find(std::string_view id) const {
  const auto rows = Algorithms();
  assert(Results.size() == rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].Id == id) return &Results[i];
  }
  return nullptr;
}

const AlgorithmResult& GraphReport::Result(std::string_view id) const {
  const AlgorithmResult* result = Find(id);
  assert(result != nullptr);
  return *result;
}

bool GraphReport::TreeSpans() const {
  return Result("spanning_tree").Tree.VertexCount == VertexCount;
}

GraphReport MakeReport(const Drawing& drawing) {
  GraphReport report;
  report.VertexCount = drawing.VertexCount();
  report.Lines = drawing.Lines();
  for (const AlgorithmRow& row : Algorithms()) report.Results.push_back(row.Run(drawing));
  report.Guarantee = CheckGuarantee(PairWeightsOf(drawing));
  return report;
}

std::optional<double> RatioToOptimum(const GraphReport& report, int weight) {
  const AlgorithmResult& optimum = report.Result("optimum");
  if (!optimum.FoundTour || optimum.Weight <= 0) return std::nullopt;
  return static_cast<double>(weight) / optimum.Weight;
}

std::string BoundText(const AlgorithmRow& row, double value) {
  return row.Id == "one_tree" ? std::to_string(static_cast<int>(value)) : TwoDecimalText(value);
}

bool TreeWeightIsBound(const GraphReport& report) {
  const int n = report.VertexCount;
  const SpanningTree& tree = report.Result("spanning_tree").Tree;
  if (tree.VertexCount != n) return false;
  for (const TreeEdge& edge : tree.Edges) {
    if (edge.From >= n || edge.To >= n) return false;
  }
  // A line that may not join the tree could make a tour lighter than it.
  return std::all_of(report.Lines.begin(), report.Lines.end(), [n](const DrawnLine& line) {
    return line.From >= n || line.To >= n || (line.Listed && line.Weight >= 0);
  });
}

std::string BoundChain(const GraphReport& report) {
  const AlgorithmResult& optimum = report.Result("optimum");
  if (!optimum.FoundTour) return "";
  struct Link {
    double Value;
    std::string Text;
  };
  std::vector<Link> bounds;
  const AlgorithmResult& tree = report.Result("spanning_tree");
  if (TreeWeightIsBound(report)) {
    bounds.push_back({static_cast<double>(tree.Weight), std::to_string(tree.Weight)});
  }
  if (const auto& one = report.Result("one_tree").Bound) {
    bounds.push_back({*one, std::to_string(static_cast<int>(*one))});
  }
  if (const auto& held = report.Result("held_karp").Bound) {
    bounds.push_back({TwoDecimals(*held), TwoDecimalText(*held)});
  }
  std::stable_sort(bounds.begin(), bounds.end(),
                   [](const Link& a, const Link& b) { return a.Value < b.Value; });

  std::string chain;
  for (const Link& bound : bounds) chain += bound.Text + " \u2264 ";
  chain += "optimum " + std::to_string(optimum.Weight);

  const auto rows = Algorithms();
  const AlgorithmRow* lightest = nullptr;
  const AlgorithmResult* lightestResult = nullptr;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const AlgorithmResult& result = report.Results[i];
    if (rows[i].Kind != AlgorithmKind::Tour || rows[i].Id == "optimum" ||
        !IsFullTour(result, report.VertexCount)) {
      continue;
    }
    if (!lightestResult || result.Weight < lightestResult->Weight) {
      lightest = &rows[i];
      lightestResult = &result;
    }
  }
  if (lightest) {
    chain += " \u2264 " + InSentence(lightest->Name) + " " + std::to_string(lightestResult->Weight);
  }
  return chain;
}

std::string ReportText(const GraphReport& report) {
  std::string text = "Graph: " + std::to_string(report.VertexCount) + " vertices, " +
                     std::to_string(report.Lines.size()) + " lines\n";
  const auto rows = Algorithms();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const AlgorithmRow& row = rows[i];
    const AlgorithmResult& result = report.Results[i];
    switch (row.Kind) {
      case AlgorithmKind::Tree:
        text += TreeLine(report, row.Name, result.Tree);
        break;
      case AlgorithmKind::Tour:
        text += TourLine(report, row, result);
        break;
      case AlgorithmKind::Bound:
        text += BoundLine(row, result);
        break;
    }
  }
  if (const std::string chain = BoundChain(report); !chain.empty()) {
    text += "Bounds and tours: " + chain + "\n";
  }

  const GuaranteeCheck& guarantee = report.Guarantee;
  if (guarantee.Holds()) {
    text +=
        "The tree tour weighs at most twice the optimum: every pair is joined, no weight is "
        "negative and every triangle holds.\n";
    return text;
  }
  text += "The factor-2 guarantee of the tree tour does not hold here:";
  if (!guarantee.AllPairs) text += " some pairs have no line;";
  if (!guarantee.NonNegative) text += " some weights are negative;";
  if (!guarantee.Violations.empty()) {
    text += " " + std::to_string(guarantee.Violations.size()) + " triangles break it, the first: ";
    const std::size_t shown = std::min<std::size_t>(guarantee.Violations.size(), 3);
    for (std::size_t i = 0; i < shown; ++i) {
      text += (i > 0 ? "; " : "") + ViolationText(guarantee.Violations[i]);
    }
  }
  if (text.back() == ';') text.pop_back();
  return text + ".\n";
}

std::string ReportJson(const GraphReport& report) {
  Json edges = Json::array();
  for (const DrawnLine& line : report.Lines) {
    edges.push_back(
        {{"from", VertexName(line.From)}, {"to", VertexName(line.To)}, {"weight", line.Weight}});
  }
  Json violations = Json::array();
  for (const Violation& v : report.Guarantee.Violations) {
    violations.push_back({VertexName(v.X), VertexName(v.Y), VertexName(v.Z)});
  }

  const int n = report.VertexCount;
  Json json;
  json["vertices"] = n;
  json["edges"] = edges;
  json["spanning_tree"] = TreeJson(report.Result("spanning_tree").Tree, n);
  json["tree_tour"] = PlayedTourJson(report.Result("tree_tour"));
  json["light_cycle"] = PlayedTourJson(report.Result("light_cycle"));
  const AlgorithmResult& optimum = report.Result("optimum");
  if (optimum.FoundTour) {
    json["optimum"] = TourJson(optimum);
  } else {
    json["optimum"] = nullptr;
    json["optimum_reason"] = optimum.Reason;
  }
  json["guarantee"] = {{"holds", report.Guarantee.Holds()},
                       {"all_pairs", report.Guarantee.AllPairs},
                       {"non_negative", report.Guarantee.NonNegative},
                       {"violations", violations}};

  // Every other row under its id, in the table's order.
  const auto rows = Algorithms();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const AlgorithmRow& row = rows[i];
    const AlgorithmResult& result = report.Results[i];
    const std::string id(row.Id);
    if (json.contains(id) || row.Kind == AlgorithmKind::Bound) continue;
    json[id] = row.Kind == AlgorithmKind::Tree ? TreeJson(result.Tree, n) : TourJson(result);
  }
  const auto& oneTree = report.Result("one_tree").Bound;
  const auto& heldKarp = report.Result("held_karp").Bound;
  json["bounds"] = {{"spanning_tree", report.Result("spanning_tree").Weight},
                    {"one_tree", oneTree ? Json(static_cast<int>(*oneTree)) : Json(nullptr)},
                    {"held_karp", heldKarp ? Json(TwoDecimals(*heldKarp)) : Json(nullptr)}};
  return json.dump() + "\n";
}

}  // namespace tsp
