#include "core/report/report.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/algorithms/light_cycle.h"

namespace tsp {
namespace {

PlayedTour Played(const Drawing& drawing, const Tour& tour) {
  PlayedTour played{tour, TourWeight(drawing, tour), 0};
  for (std::size_t s = 0; s + 1 < tour.size(); ++s) {
    if (drawing.LineBetween(tour[s], tour[s + 1]) < 0) ++played.MissingPairs;
  }
  return played;
}

std::string RatioText(const GraphReport& report, int weight) {
  const auto ratio = RatioToOptimum(report, weight);
  if (!ratio) return "";
  char text[32];
  std::snprintf(text, sizeof text, ", %.2f times the optimum", *ratio);
  return text;
}

std::string TourLine(const GraphReport& report, const char* name, const PlayedTour& tour) {
  std::string line = std::string(name) + ": " + TourText(tour.Vertices) + " (weight " +
                     std::to_string(tour.Weight) + RatioText(report, tour.Weight) + ")";
  if (tour.MissingPairs > 0) {
    line += "; " + std::to_string(tour.MissingPairs) + " of its steps join vertices without a " +
            "line and count 0";
  }
  return line + "\n";
}

nlohmann::ordered_json LetterList(const Tour& tour) {
  auto list = nlohmann::ordered_json::array();
  for (int v : tour) list.push_back(VertexName(v));
  return list;
}

nlohmann::ordered_json TourJson(const PlayedTour& tour) {
  return {{"tour", LetterList(tour.Vertices)},
          {"weight", tour.Weight},
          {"missing_pairs", tour.MissingPairs}};
}

}  // namespace

GraphReport MakeReport(const Drawing& drawing) {
  GraphReport report;
  report.VertexCount = drawing.VertexCount();
  report.Lines = drawing.Lines();
  report.Tree = BuildSpanningTree(drawing);
  report.TreeTour = Played(drawing, tsp::TreeTour(report.Tree));
  report.LightCycle = Played(drawing, BuildLightCycle(drawing).Best());
  const PairWeights pairs = PairWeightsOf(drawing);
  report.Optimum = BestTour(pairs);
  report.Guarantee = CheckGuarantee(pairs);
  return report;
}

std::optional<double> RatioToOptimum(const GraphReport& report, int weight) {
  if (!report.Optimum.Vertices || report.Optimum.Weight <= 0) return std::nullopt;
  return static_cast<double>(weight) / report.Optimum.Weight;
}

std::string ReportText(const GraphReport& report) {
  std::string text = "Graph: " + std::to_string(report.VertexCount) + " vertices, " +
                     std::to_string(report.Lines.size()) + " lines\n";
  text += "Spanning tree: ";
  for (std::size_t i = 0; i < report.Tree.Edges.size(); ++i) {
    text += (i > 0 ? ", " : "") + EdgeName(report.Tree.Edges[i].From, report.Tree.Edges[i].To);
  }
  if (report.Tree.Edges.empty()) text += "no edge";
  text += " (weight " + std::to_string(report.Tree.Weight()) + ")";
  if (!report.TreeSpans()) {
    text += "; it reaches " + std::to_string(report.Tree.VertexCount) + " of " +
            std::to_string(report.VertexCount) + " vertices";
  }
  text += "\n";
  text += TourLine(report, "Tree tour", report.TreeTour);
  text += TourLine(report, "Light cycle", report.LightCycle);
  if (report.Optimum.Vertices) {
    text += "Optimum: " + TourText(*report.Optimum.Vertices) + " (weight " +
            std::to_string(report.Optimum.Weight) + ")\n";
  } else {
    text += "Optimum: none. " + report.Optimum.Reason + "\n";
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
  using Json = nlohmann::ordered_json;
  Json edges = Json::array();
  for (const DrawnLine& line : report.Lines) {
    edges.push_back(
        {{"from", VertexName(line.From)}, {"to", VertexName(line.To)}, {"weight", line.Weight}});
  }
  Json treeEdges = Json::array();
  for (const TreeEdge& edge : report.Tree.Edges) treeEdges.push_back(EdgeName(edge.From, edge.To));
  Json violations = Json::array();
  for (const Violation& v : report.Guarantee.Violations) {
    violations.push_back({VertexName(v.X), VertexName(v.Y), VertexName(v.Z)});
  }

  Json json;
  json["vertices"] = report.VertexCount;
  json["edges"] = edges;
  json["spanning_tree"] = {
      {"edges", treeEdges}, {"weight", report.Tree.Weight()}, {"spans", report.TreeSpans()}};
  json["tree_tour"] = TourJson(report.TreeTour);
  json["light_cycle"] = TourJson(report.LightCycle);
  if (report.Optimum.Vertices) {
    json["optimum"] = {{"tour", LetterList(*report.Optimum.Vertices)},
                       {"weight", report.Optimum.Weight}};
  } else {
    json["optimum"] = nullptr;
    json["optimum_reason"] = report.Optimum.Reason;
  }
  json["guarantee"] = {{"holds", report.Guarantee.Holds()},
                       {"all_pairs", report.Guarantee.AllPairs},
                       {"non_negative", report.Guarantee.NonNegative},
                       {"violations", violations}};
  return json.dump() + "\n";
}

}  // namespace tsp
