// The practice of every step-by-step algorithm: answering each step right plays the
// algorithm's own run, every answer its rule allows is accepted (checked against a plain
// recomputation of the rule at every step), and wrong answers are refused with their reason.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/graph/ring.h"
#include "core/lesson/practice.h"
#include "core/test_drawing.h"

namespace tsp {
namespace {

using testing::DrawingOfPairs;
using Answers = std::set<std::pair<int, int>>;  // (First, Second) of PracticeAnswer

std::pair<int, int> Key(PracticeAnswer a) {
  return {a.First, a.Second};
}

// What the first `played` ticks of the run show, plainly: the vertices touched, the pairs.
struct Shown {
  unsigned Vertices = 1;
  std::vector<std::pair<int, int>> Pairs;  // as shown, in order
  bool Has(int a, int b) const {
    return std::any_of(Pairs.begin(), Pairs.end(), [&](auto p) {
      return (p.first == a && p.second == b) || (p.first == b && p.second == a);
    });
  }
  bool Visited(int v) const { return (Vertices >> v & 1u) != 0; }
};
Shown ShownAfter(const Animation& play, int played) {
  Shown shown;
  for (const AnimationStep& step : play.ShownAfter(played)) {
    shown.Vertices |= 1u << step.From | 1u << step.To;
    shown.Pairs.push_back({step.From, step.To});
  }
  return shown;
}

int W(const PairWeights& g, int a, int b) {
  return *g.Between(a, b);
}

// Every answer the algorithm's rule allows once the run shows `before`, recomputed from scratch.
Answers NaiveAllowed(std::string_view id, const Drawing& drawing, const Shown& before,
                     int question) {
  const PairWeights g = PairWeightsOf(drawing);
  const int n = drawing.VertexCount();
  Answers allowed;
  std::optional<int> best;
  const auto offer = [&](std::pair<int, int> answer, int key) {
    if (best && key > *best) return;
    if (!best || key < *best) allowed.clear();
    best = key;
    allowed.insert(answer);
  };
  if (id == "spanning_tree" || id == "kruskal") {
    const int last = id == "kruskal" ? n : MaxVertices;
    std::vector<int> part(MaxVertices);
    for (int v = 0; v < MaxVertices; ++v) part[v] = v;
    for (auto [a, b] : before.Pairs) {
      const int old = part[b];
      for (int& p : part) p = p == old ? part[a] : p;
    }
    for (int a = 0; a < last; ++a) {
      for (int b = a + 1; b < last; ++b) {
        const int w = drawing.ListedWeights(a)[b];
        if (w == Drawing::NotListed) continue;
        const bool ok =
            id == "kruskal" ? part[a] != part[b] : before.Visited(a) != before.Visited(b);
        if (ok) offer({a, b}, w);
      }
    }
  } else if (id == "greedy_edge") {
    std::vector<int> degree(n), part(n);
    for (int v = 0; v < n; ++v) part[v] = v;
    for (auto [a, b] : before.Pairs) {
      ++degree[a];
      ++degree[b];
      const int old = part[b];
      for (int& p : part) p = p == old ? part[a] : p;
    }
    for (int a = 0; a < n; ++a) {
      for (int b = a + 1; b < n; ++b) {
        if (!g.Between(a, b) || before.Has(a, b) || degree[a] == 2 || degree[b] == 2) continue;
        if (part[a] == part[b] && static_cast<int>(before.Pairs.size()) != n - 1) continue;
        offer({a, b}, W(g, a, b));
      }
    }
  } else if (id == "nearest_neighbour") {
    const int at = before.Pairs.empty() ? 0 : before.Pairs.back().second;
    for (int v = 0; v < n; ++v) {
      if (!before.Visited(v) && g.Between(at, v)) offer({v, -1}, W(g, at, v));
    }
  } else if (id == "tree_tour") {
    // Back up from where the tour stands to the first vertex with a child not yet visited.
    const SpanningTree tree = BuildSpanningTree(drawing);
    std::vector<int> parent(MaxVertices, -1);
    for (const TreeEdge& e : tree.Edges) parent[e.To] = e.From;
    for (int at = before.Pairs.empty() ? 0 : before.Pairs.back().second; at >= 0; at = parent[at]) {
      for (const TreeEdge& e : tree.Edges) {
        if (e.From == at && !before.Visited(e.To)) offer({e.To, -1}, 0);
      }
      if (!allowed.empty()) break;
    }
  } else {
    const int sign = id == "farthest_insertion" ? -1 : 1;
    if (question == 0) {
      for (int v = 1; v < n; ++v) {
        if (g.Between(0, v)) offer({v, -1}, sign * W(g, 0, v));
      }
      return allowed;
    }
    for (int v = 1; v < n; ++v) {
      if (before.Visited(v)) continue;
      std::optional<int> key;
      for (auto [a, b] : before.Pairs) {
        if (id == "cheapest_insertion") {
          if (!g.Between(a, v) || !g.Between(v, b)) continue;
          const int increase = W(g, a, v) + W(g, v, b) - W(g, a, b);
          key = std::min(key.value_or(increase), increase);
        } else if (g.Between(a, v)) {
          key = std::min(key.value_or(W(g, a, v)), W(g, a, v));
        }
      }
      if (key) offer({v, -1}, sign * *key);
    }
  }
  return allowed;
}

std::string RandomPairs(std::mt19937& random, int n) {
  std::string text;
  for (int pair = 0; pair < n * (n - 1) / 2; ++pair) {
    if (!text.empty()) text += ' ';
    const int w = std::uniform_int_distribution(-1, 4)(random);
    // Few weights and some gaps: many ties, and some graphs without a tour.
    text += w <= 0 ? (w == 0 ? "-" : "-2") : std::to_string(w);
  }
  return text;
}

TEST(Practice, RightAnswersPlayTheRunAndTiesAreAcceptedAsTheRuleAllows) {
  std::mt19937 random(2026);
  int practised = 0;
  for (int graph = 0; graph < 150; ++graph) {
    const int n = std::uniform_int_distribution(1, 8)(random);
    const std::string pairs = RandomPairs(random, n);
    const Drawing drawing = DrawingOfPairs(n, pairs);
    for (const PracticeRow& row : PracticeAlgorithms()) {
      SCOPED_TRACE(std::string(row.Id) + " on " + std::to_string(n) + ": " + pairs);
      Practice practice(row, drawing);
      if (!practice.Unavailable().empty()) {
        EXPECT_EQ(practice.QuestionCount(), 0);
        continue;
      }
      ++practised;
      const Animation& play = practice.Play();
      int ticks = 0;
      for (int q = 0; !practice.Done(); ++q) {
        const Shown before = ShownAfter(play, ticks);
        const PracticeAnswer expected = practice.Expected();
        EXPECT_EQ(expected.IsLine(), row.Kind == AnswerKind::Line);
        const Answers naive = NaiveAllowed(row.Id, drawing, before, q);
        ASSERT_TRUE(naive.count(Key(expected))) << "question " << q;

        // Every allowed answer is right, every other one offered is refused.
        const std::vector<PracticeAnswer> offers = practice.Offered();
        for (PracticeAnswer offered : offers) {
          Practice trial = practice;
          const Practice::Outcome outcome = trial.Answer(offered);
          EXPECT_EQ(outcome.Right, naive.count(Key(offered)) == 1)
              << practice.AnswerText(offered) << ": " << outcome.Verdict;
        }
        for (auto [first, second] : naive) {
          EXPECT_TRUE(std::count(offers.begin(), offers.end(), PracticeAnswer{first, second}))
              << "an allowed answer is not offered";
        }

        const Practice::Outcome outcome = practice.Answer(expected);
        ASSERT_TRUE(outcome.Right) << outcome.Verdict;
        ASSERT_GT(outcome.Tick, ticks);
        ticks = std::min(outcome.Tick, play.TickCount());
        // The answer is what the run's tick shows first.
        const Shown after = ShownAfter(play, ticks);
        if (expected.IsLine()) {
          EXPECT_TRUE(after.Has(expected.First, expected.Second) &&
                      !before.Has(expected.First, expected.Second));
        } else {
          EXPECT_TRUE(after.Visited(expected.First) && !before.Visited(expected.First));
        }
      }
      EXPECT_EQ(ticks, play.TickCount());
    }
  }
  EXPECT_GT(practised, 600);
}

const char* const Four = "1 3 4 4 2 9";  // A-B 1, A-C 3, A-D 4, B-C 4, B-D 2, C-D 9

struct VerdictCase {
  const char* Name;
  std::string_view Id;
  int VertexCount;
  const char* Pairs;
  int Answered;  // questions answered right before
  PracticeAnswer Answer;
  const char* Verdict;
};
void PrintTo(const VerdictCase& c, std::ostream* os) {
  *os << c.Name;
}

class Verdicts : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(Verdicts, SayWhy) {
  const VerdictCase& c = GetParam();
  Practice practice(*FindPractice(c.Id), DrawingOfPairs(c.VertexCount, c.Pairs));
  for (int q = 0; q < c.Answered; ++q) practice.Answer(practice.Expected());
  EXPECT_EQ(practice.Answer(c.Answer).Verdict, c.Verdict);
}

const PracticeAnswer AB = PracticeAnswer::Line(0, 1);
const PracticeAnswer AC = PracticeAnswer::Line(0, 2);
const PracticeAnswer AD = PracticeAnswer::Line(0, 3);
const PracticeAnswer BC = PracticeAnswer::Line(1, 2);
PracticeAnswer V(char letter) {
  return PracticeAnswer::Vertex(letter - 'A');
}

INSTANTIATE_TEST_SUITE_P(
    Practice, Verdicts,
    ::testing::Values(
        VerdictCase{"PrimHeavier", "spanning_tree", 4, Four, 1, BC,
                    "Not this one: B--C (4) is heavier than B--D (2), the lightest line from the "
                    "tree to a vertex outside it."},
        // A and B have lines of 2 to C: the program takes B's, the later tree vertex.
        VerdictCase{"PrimTieFromAnotherVertex", "spanning_tree", 3, "1 2 2", 1, AC,
                    "Right: A--C (2) is as light as B--C (2), the lightest line from the tree to "
                    "a vertex outside it; the program takes B--C (2): on equal weights it takes "
                    "the line from the tree vertex latest in the alphabet, B."},
        VerdictCase{"KruskalCycle", "kruskal", 4, Four, 2, AD,
                    "Not this one: A--D (4) would close a cycle: A and D are joined already."},
        VerdictCase{"GreedyThirdLine", "greedy_edge", 4, "1 1 5 1 5 5", 2, AD,
                    "Not this one: A--D (5) would give A a third line."},
        // Tree A-B, B-D, A-C: after A, B, D the tour goes back to A for C.
        VerdictCase{"TreeTourBack", "tree_tour", 4, Four, 2, V('C'),
                    "Right: C is the next vertex of the tree in preorder: nothing below D is "
                    "left to visit, and C is a child of A not yet visited."},
        VerdictCase{"CheapestInsertionDearer", "cheapest_insertion", 4, Four, 1, V('C'),
                    "Not this one: C adds +6 at its cheapest place, between A and B; D adds +5, "
                    "between A and B."}));

TEST(Practice, WrongAnswersAndRevealsCountAgainstTheFirstTry) {
  Practice practice(*FindPractice("spanning_tree"), DrawingOfPairs(4, Four));
  EXPECT_EQ(practice.Score(), "No question answered yet");
  const Practice::Outcome wrong = practice.Answer(AC);
  EXPECT_FALSE(wrong.Right);
  EXPECT_EQ(wrong.Tick, 0);
  EXPECT_EQ(practice.Expected(), AB) << "a wrong answer asks again";
  EXPECT_TRUE(practice.Answer(AB).Right);
  EXPECT_EQ(practice.Score(), "0 of 1 right at the first try");
  const Practice::Outcome revealed = practice.Reveal();
  EXPECT_EQ(revealed.Verdict,
            "The answer: B--D (2) is the lightest line from the tree to a vertex outside it.");
  EXPECT_EQ(revealed.Tick, 2);
  const Practice::Outcome last = practice.Answer(AC);
  EXPECT_EQ(last.Tick, 4) << "the last answer ends the run";
  EXPECT_TRUE(practice.Done());
  EXPECT_EQ(practice.Score(), "1 of 3 right at the first try");
}

TEST(Practice, SaysWhyThereIsNothingToPractise) {
  EXPECT_EQ(
      Practice(*FindPractice("nearest_neighbour"), DrawingOfPairs(4, "1 1 1 1 - -")).Unavailable(),
      "Nearest neighbour finds no tour to practise: At step 3, no line leads from C to a "
      "vertex not yet visited.");
  EXPECT_EQ(Practice(*FindPractice("spanning_tree"), DrawingOfPairs(1, "")).Unavailable(),
            "Spanning tree takes no step on this graph: nothing to practise.");
}

TEST(Ring, ClicksHitTheMarkerOrTheNearestLine) {
  using ring::Segment;
  const std::vector<Segment> lines{{0, 5}, {1, 7}, {0, 1}};
  // The marker of C, its edge, just outside it; hidden vertices take no click.
  EXPECT_EQ(ring::VertexAt({9487 + 367, 3187}, 10), 2);
  EXPECT_EQ(ring::VertexAt({9487 + 368, 3187}, 10), -1);
  EXPECT_EQ(ring::VertexAt({9487, 3187}, 2), -1);
  // A-F runs nearly straight down through (5580, 4320): 90 twips beside it still hit it.
  EXPECT_EQ(ring::LineAt({5580 + 90, 4320}, lines, 10), 0);
  EXPECT_EQ(ring::LineAt({5580 + 91, 4320}, lines, 10), -1);
  // Near where A-F and B-H cross (5600, 3329), the nearer one; on A's marker, none.
  EXPECT_EQ(ring::LineAt({5600, 3370}, lines, 10), 0);
  EXPECT_EQ(ring::LineAt({5560, 3350}, lines, 10), 1);
  EXPECT_EQ(ring::LineAt({5640, 1320}, lines, 10), -1);
  EXPECT_EQ(ring::LineAt({5640, 1320}, lines, 0), 0);
}

}  // namespace
}  // namespace tsp
