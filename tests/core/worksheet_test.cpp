#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "core/algorithms/algorithm_table.h"
#include "core/report/report.h"
#include "core/worksheet/sheet_generator.h"
#include "core/worksheet/worksheet.h"

namespace tsp {
namespace {

TEST(SheetRandom, GivesTheSplitMixSequence) {
  // The reference generator's first outputs for seed 0: a change of the generator changes
  // every sheet already printed.
  SheetRandom random(0);
  EXPECT_EQ(random.Next(), 0xe220a8397b1dcdafu);
  EXPECT_EQ(random.Next(), 0x6e789e6aa1b965f4u);
  EXPECT_EQ(random.Next(), 0x06c45d188009454fu);
}

TEST(SheetRandom, CoversEveryValueOfARangeAndNoOther) {
  for (const auto& [low, high] : {std::pair{1, 6}, std::pair{5, 5}, std::pair{-3, 2}}) {
    SheetRandom random(static_cast<std::uint64_t>(high) * 7919);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
      const int value = random.Between(low, high);
      ASSERT_GE(value, low);
      ASSERT_LE(value, high);
      seen.insert(value);
    }
    EXPECT_EQ(static_cast<int>(seen.size()), high - low + 1) << low << ".." << high;
  }
}

// Independent of the generator's Floyd–Warshall: relaxes every pair through every vertex until
// nothing changes.
std::vector<std::vector<int>> LightestPaths(const PairWeights& graph) {
  const int n = graph.VertexCount;
  std::vector<std::vector<int>> w(n, std::vector<int>(n, 0));
  for (int a = 0; a < n; ++a) {
    for (int b = 0; b < n; ++b) {
      if (a != b) w[a][b] = *graph.Between(a, b);
    }
  }
  for (bool changed = true; changed;) {
    changed = false;
    for (int a = 0; a < n; ++a) {
      for (int b = 0; b < n; ++b) {
        for (int k = 0; k < n; ++k) {
          if (a != b && w[a][k] + w[k][b] < w[a][b] && k != a && k != b) {
            w[a][b] = w[a][k] + w[k][b];
            changed = true;
          }
        }
      }
    }
  }
  return w;
}

class SheetGraphs : public ::testing::TestWithParam<std::tuple<int, std::uint32_t>> {};

TEST_P(SheetGraphs, AreCompleteWithWeightsFrom1To99) {
  const auto [n, seed] = GetParam();
  for (int number = 1; number <= 3; ++number) {
    const PairWeights plain = SheetGraph(seed, number, n, false);
    const PairWeights metric = SheetGraph(seed, number, n, true);
    ASSERT_EQ(plain.VertexCount, n);
    std::set<int> weights;
    const auto shortest = LightestPaths(plain);
    for (int a = 0; a < n; ++a) {
      EXPECT_FALSE(plain.Between(a, a));
      for (int b = a + 1; b < n; ++b) {
        ASSERT_TRUE(plain.Between(a, b) && metric.Between(a, b));
        EXPECT_GE(*plain.Between(a, b), MinSheetWeight);
        EXPECT_LE(*plain.Between(a, b), MaxSheetWeight);
        weights.insert(*plain.Between(a, b));
        EXPECT_EQ(*metric.Between(a, b), shortest[a][b]) << VertexName(a) << VertexName(b);
      }
    }
    EXPECT_EQ(static_cast<int>(weights.size()), n * (n - 1) / 2) << "the weights differ";
    EXPECT_TRUE(CheckGuarantee(metric).Violations.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(VertexCountsAndSeeds, SheetGraphs,
                         ::testing::Combine(::testing::Values(3, 6, 10),
                                            ::testing::Values(0u, 2026u, 4294967295u)));

// Worked out apart from the program, from the generator's definition: AB, AC, AD, BC, BD, CD.
TEST(SheetGraph, IsTheSameOnEveryMachine) {
  const PairWeights graph = SheetGraph(2026, 7, 4, false);
  std::vector<int> weights;
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b) weights.push_back(*graph.Between(a, b));
  }
  EXPECT_EQ(weights, (std::vector<int>{6, 76, 25, 28, 32, 2}));
  EXPECT_NE(SheetGraph(2026, 8, 4, false), graph);
  EXPECT_NE(SheetGraph(2027, 7, 4, false), graph);
}

TEST(ParseQuestions, TakesTheTableIdsAndGuaranteeAndRefusesTheRest) {
  for (const std::string& id : QuestionIds()) {
    const auto parsed = ParseQuestions(id);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(parsed)) << id;
  }
  EXPECT_EQ(std::get<std::vector<std::string>>(ParseQuestions("optimum,spanning_tree , guarantee")),
            (std::vector<std::string>{"optimum", "spanning_tree", "guarantee"}));
  const std::pair<std::string_view, std::string_view> refused[] = {
      {"", "an empty question"},
      {"optimum,", "an empty question"},
      {"optimum,,guarantee", "an empty question"},
      {"optimum,prim", "no question is called \"prim\""},
      {"Optimum", "no question is called \"Optimum\""},
      {"optimum, ,guarantee", "an empty question"},
      {"optimum,guarantee,optimum", "\"optimum\" is given twice"},
  };
  for (const auto& [list, why] : refused) {
    const auto parsed = ParseQuestions(list);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << list;
    EXPECT_NE(std::get<std::string>(parsed).find(why), std::string::npos)
        << list << ": " << std::get<std::string>(parsed);
  }
}

// The key gives the report's values for every row the table has: the line of the report for
// the row is its name, ": " and the key's answer, before any ratio to the optimum.
TEST(MakeWorksheet, AnswersEveryQuestionWithTheReportsValues) {
  WorksheetSettings settings;
  settings.Seed = 2026;
  settings.Questions = QuestionIds();
  for (const bool metric : {false, true}) {
    settings.Metric = metric;
    for (int number = 1; number <= 5; ++number) {
      const Worksheet sheet = MakeWorksheet(settings, number);
      EXPECT_EQ(sheet.Id, "Sheet 2026-" + std::to_string(number));
      EXPECT_EQ(sheet.GraphFileName, "sheet-2026-" + std::to_string(number) + ".tspgraph");
      const GraphReport report = MakeReport(sheet.Graph);
      const std::string text = ReportText(report);
      ASSERT_EQ(sheet.Questions.size(), QuestionIds().size());
      for (const SheetQuestion& question : sheet.Questions) {
        EXPECT_FALSE(question.Text.empty());
        if (question.Id == GuaranteeQuestion) {
          EXPECT_EQ(question.Answer.starts_with("Yes"), report.Guarantee.Holds());
          EXPECT_TRUE(!metric || report.Guarantee.Holds());
          continue;
        }
        std::string answer = question.Answer;
        if (answer.ends_with(")") && question.Id != "optimum" &&
            AlgorithmById(question.Id).Kind == AlgorithmKind::Tour) {
          answer.pop_back();  // the report goes on with the ratio
        }
        const std::string line = std::string(AlgorithmById(question.Id).Name) + ": " + answer;
        EXPECT_NE(text.find("\n" + line), std::string::npos) << line << "\nin\n" << text;
      }
    }
  }
}

}  // namespace
}  // namespace tsp
