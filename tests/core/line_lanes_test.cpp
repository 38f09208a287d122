// The 16-bit lane keys that greedy edge, Kruskal, the insertions and 2-opt take their choices
// from: LineLanes against a plain set of lines, and the algorithms at the ends of the weight
// range, where a key too narrow would wrap.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/algorithms/greedy_edge.h"
#include "core/algorithms/insertion.h"
#include "core/algorithms/kruskal.h"
#include "core/algorithms/line_lanes.h"
#include "core/algorithms/two_opt.h"
#include "core/naive_tours.h"
#include "core/test_drawing.h"

namespace tsp {
namespace {

// Weights with many ties and both ends of the range; some pairs without a line, and lines to
// vertices beyond the vertex count, which must not take part.
PairWeights RandomWeights(std::mt19937& rng, int n) {
  const std::vector<int> values{-101, -100, -1, 0, 1, 100, 101};
  PairWeights g;
  g.VertexCount = n;
  for (int a = 0; a < MaxVertices; ++a) {
    for (int b = a + 1; b < MaxVertices; ++b) {
      if (rng() % 5 == 0) continue;
      g.Join(a, b, static_cast<std::int16_t>(values[rng() % values.size()]));
    }
  }
  return g;
}

TEST(LineLanes, TakesTheLightestLineLeftAsAPlainSetDoes) {
  std::mt19937 rng(77);
  for (int round = 0; round < 3000; ++round) {
    const int n = 1 + static_cast<int>(rng() % MaxVertices);
    const PairWeights g = RandomWeights(rng, n);
    SCOPED_TRACE(::testing::Message() << "round " << round << ", " << n << " vertices");
    LineLanes lanes(n, [&g](int a, int b) { return g.Between(a, b).value_or(LineLanes::NoLine); });
    const std::vector<naive::Line> all = naive::SortedLines(g);
    std::set<naive::Line> left(all.begin(), all.end());
    while (true) {
      const auto line = lanes.Lightest();
      ASSERT_EQ(line.has_value(), !left.empty());
      if (!line) break;
      ASSERT_EQ(naive::Line(line->Weight, line->From, line->To), *left.begin());
      // Refuse the line, every line of a vertex, or every line between two sets of vertices.
      const int a = static_cast<int>(rng() % n);
      const int b = static_cast<int>(rng() % n);
      const int c = static_cast<int>(rng() % n);
      const auto refused = [&](const naive::Line& l, auto touches) {
        return touches(std::get<1>(l)) || touches(std::get<2>(l));
      };
      switch (rng() % 3) {
        case 0:
          lanes.RefuseLine(line->From, line->To);
          left.erase(left.begin());
          break;
        case 1:
          lanes.RefuseLinesOf(a);
          std::erase_if(left, [&](const naive::Line& l) {
            return refused(l, [a](int v) { return v == a; });
          });
          break;
        default:
          if (a == c || b == c) continue;
          lanes.RefuseBetween(LineLanes::Either(LineLanes::Of(a), LineLanes::Of(b)),
                              LineLanes::Of(c));
          std::erase_if(left, [&](const naive::Line& l) {
            const auto [w, from, to] = l;
            return (from == c && (to == a || to == b)) || (to == c && (from == a || from == b));
          });
      }
    }
  }
}

naive::Tour Plain(const std::optional<Tour>& tour) {
  return tour ? naive::Tour(tour->begin(), tour->end()) : naive::Tour{};
}

// Complete graphs of every size whose weights are drawn from the texts given.
class ExtremeWeights : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(ExtremeWeights, GiveTheToursOfThePlainComputations) {
  std::mt19937 rng(5);
  for (int n = 1; n <= MaxVertices; ++n) {
    for (int round = 0; round < 20; ++round) {
      std::vector<testing::BoxEntry> boxes;
      for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b)
          boxes.push_back({a, b, GetParam()[rng() % GetParam().size()]});
      }
      const Drawing drawing = testing::DrawingWith(n, boxes);
      const PairWeights g = PairWeightsOf(drawing);
      SCOPED_TRACE(::testing::Message() << n << " vertices, round " << round);
      std::vector<naive::Line> kruskal;
      for (const TreeEdge& e : KruskalTree(drawing).Edges)
        kruskal.push_back({e.Weight, e.From, e.To});
      EXPECT_EQ(kruskal, naive::Kruskal(g));
      EXPECT_EQ(Plain(GreedyEdgeTour(g).Found), naive::GreedyEdge(g));
      EXPECT_EQ(Plain(InsertionTour(g, InsertionRule::Nearest).Found),
                naive::Insertion(g, naive::Rule::Nearest));
      EXPECT_EQ(Plain(InsertionTour(g, InsertionRule::Farthest).Found),
                naive::Insertion(g, naive::Rule::Farthest));
      EXPECT_EQ(Plain(InsertionTour(g, InsertionRule::Cheapest).Found),
                naive::Insertion(g, naive::Rule::Cheapest));
      Tour plain;
      for (int v = 0; v < n; ++v) plain.push_back(v);
      if (n > 1) plain.push_back(0);
      EXPECT_EQ(Plain(TwoOptImprove(g, plain).Found),
                naive::TwoOpt(g, naive::Tour(plain.begin(), plain.end())));
      if (::testing::Test::HasFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, ExtremeWeights,
                         ::testing::Values(std::vector<std::string>{"101"},
                                           std::vector<std::string>{"-101"},
                                           std::vector<std::string>{"-101", "101"},
                                           std::vector<std::string>{"-101", "-100", "100", "101"}));

}  // namespace
}  // namespace tsp
