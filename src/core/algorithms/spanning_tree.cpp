#include "core/algorithms/spanning_tree.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <experimental/simd>
#include <limits>

#include "core/lesson/narration.h"

namespace tsp {
namespace {

namespace stdx = std::experimental;

using EntryRow = Drawing::ListedRow;

// One 16-bit key per vertex in one vector; the six lanes beyond the ten vertices never take
// part. Sixteen lanes are two SSE2 registers: offering a vertex's entries and finding the
// smallest key take a few vector instructions and no branch.
using Keys = stdx::fixed_size_simd<std::int16_t, 16>;

// An entry of vertex from into vertex to with the given weight, as one number: a lighter entry
// is smaller and, between equal weights, an entry from a higher-numbered vertex is smaller,
// which is the order in which the tree takes them. The weight takes the top byte, from and to
// a half byte each, to at the bottom so that the smallest key says where it leads. An empty
// slot (NotListed) weighs EmptyWeight here, above every line and within the byte. Works on one
// key as on every lane of Keys.
constexpr int EmptyWeight = 127;
template <class Key>
constexpr Key EntryKey(Key weight, int from, Key to) {
  using std::min;
  return min(weight, Key(EmptyWeight)) * 256 + Key((MaxVertices - 1 - from) * 16) + to;
}
constexpr int KeyFrom(std::int16_t key) {
  return MaxVertices - 1 - ((key >> 4) & 15);
}
constexpr int KeyTo(std::int16_t key) {
  return key & 15;
}
// The weight and the tree vertex of an entry, without where it leads.
constexpr int KeyPair(std::int16_t key) {
  return key >> 4;
}
// Every key at or above this one stands for an empty slot.
constexpr std::int16_t NoEntry = EntryKey<std::int16_t>(Drawing::NotListed, MaxVertices - 1, 0);
// Above every key: a vertex inside the tree, or a padding lane, is never chosen.
constexpr std::int16_t InsideTree = std::numeric_limits<std::int16_t>::max();
// Below every key.
constexpr std::int16_t Outside = std::numeric_limits<std::int16_t>::min();
static_assert(EntryKey<int>(-MaxWeight, MaxVertices - 1, 0) > Outside &&
                  KeyPair(EntryKey<int>(EmptyWeight, 0, MaxVertices - 1)) < KeyPair(InsideTree),
              "every key lies strictly between Outside and InsideTree and never ties with them");

Keys LaneVertex() {
  return Keys([](auto u) { return static_cast<std::int16_t>(u); });
}

// For each vertex, InsideTree in its lane and Outside in the others: the floor that its
// joining the tree raises.
constexpr auto JoinFloors = [] {
  std::array<std::array<std::int16_t, Keys::size()>, MaxVertices> floors{};
  for (int v = 0; v < MaxVertices; ++v) {
    for (std::size_t u = 0; u < Keys::size(); ++u) {
      floors[v][u] = static_cast<int>(u) == v ? InsideTree : Outside;
    }
  }
  return floors;
}();

// The best entry into every vertex outside the tree, as the tree grows.
class Frontier {
 public:
  // Every vertex's entries as keys, computed up front: a step of the tree then waits for
  // nothing but the smallest key.
  explicit Frontier(const Drawing& drawing) {
    for (int from = 0; from < MaxVertices; ++from) {
      const EntryRow& weights = drawing.ListedWeights(from);
      const Keys row([&](auto u) {
        if constexpr (u < std::size_t{MaxVertices}) {
          assert((weights[u] >= -MaxWeight && weights[u] <= MaxWeight) ||
                 weights[u] == Drawing::NotListed);
          return weights[u];
        } else {
          return Drawing::NotListed;
        }
      });
      entries_[from] = EntryKey(row, from, LaneVertex());
    }
  }

  // Lowers the best key of every vertex outside the tree by the entries of from, which joins
  // the tree; a tree vertex's floor keeps its key at InsideTree.
  void Join(int from) {
    floor_ = stdx::max(floor_, Keys(JoinFloors[from].data(), stdx::element_aligned));
    best_ = stdx::max(stdx::min(best_, entries_[from]), floor_);
  }

  // The smallest key, that of the lightest head of the highest-numbered tree vertex; at or
  // above NoEntry when no entry leads out of the tree.
  std::int16_t Smallest() const { return stdx::hmin(best_); }

  // Whether another vertex than KeyTo(key) has an entry of the same weight from the same tree
  // vertex as its best.
  bool Tied(std::int16_t key) const {
    return stdx::any_of((best_ >> 4) == Keys(static_cast<std::int16_t>(KeyPair(key))) &&
                        LaneVertex() != Keys(static_cast<std::int16_t>(KeyTo(key))));
  }
  std::int16_t Best(int vertex) const { return best_[vertex]; }

 private:
  std::array<Keys, MaxVertices> entries_;
  Keys best_ = Keys(InsideTree);
  // InsideTree for a vertex inside the tree and the padding, Outside for the others.
  Keys floor_ = Keys([](auto u) { return u < std::size_t{MaxVertices} ? Outside : InsideTree; });
};

// The vertex outside the tree that the next tree edge reaches, -1 when no entry leads out.
// Each outside vertex holds the best entry into it from the tree, so the smallest key is the
// lightest head of the highest-numbered tree vertex. Other vertices with an entry of that
// weight from that vertex are rare; of those its sorted list holds first the one to take.
int NextVertex(const Drawing& drawing, const Frontier& frontier, std::int16_t key) {
  if (key >= NoEntry) return -1;
  int to = KeyTo(key);
  if (!frontier.Tied(key)) return to;
  const EntryRow& row = drawing.ListedWeights(KeyFrom(key));
  int rank = EqualWeightRank(row, to);
  for (int u = to + 1; u < MaxVertices; ++u) {
    if (KeyPair(frontier.Best(u)) != KeyPair(key)) continue;
    const int r = EqualWeightRank(row, u);
    if (r < rank) {
      rank = r;
      to = u;
    }
  }
  return to;
}

}  // namespace

SpanningTree BuildSpanningTree(const Drawing& drawing) {
  const int n = drawing.VertexCount();
  assert(n >= 1 && n <= MaxVertices);
  // All ten vertices take part: lines to hidden vertices, should there be any, are listed too.
  Frontier frontier(drawing);
  frontier.Join(0);

  SpanningTree tree;
  while (tree.Edges.empty() || tree.VertexCount < n) {
    const std::int16_t key = frontier.Smallest();
    const int to = NextVertex(drawing, frontier, key);
    if (to < 0) break;
    // On a tie, to is another vertex than KeyTo(key), reached from the same tree vertex.
    const int from = KeyFrom(key);
    tree.Edges.push_back(
        TreeEdge{from, to, drawing.LineBetween(from, to), drawing.ListedWeights(from)[to]});
    ++tree.VertexCount;
    frontier.Join(to);
  }
  return tree;
}

// A bubble pass carries each slot that no heavier slot precedes past the equal slots behind it
// up to the next heavier one. For the slots of one weight that moves the first of those
// without a heavier slot before them behind the others, and each pass removes one heavier
// slot from before every slot that has one. So the equal slots are reordered by rotating the
// front group of those whose heavier predecessors are used up, once per pass.
int EqualWeightRank(const std::array<std::int16_t, MaxVertices>& weights, int slot) {
  assert(slot >= 0 && slot < MaxVertices);
  const std::int16_t weight = weights[slot];
  std::array<std::int8_t, MaxVertices> order{};
  std::array<std::int8_t, MaxVertices> heavierBefore{};
  int count = 0;
  int heavier = 0;
  for (int i = 0; i < MaxVertices; ++i) {
    if (weights[i] > weight) {
      ++heavier;
    } else if (weights[i] == weight) {
      order[count] = static_cast<std::int8_t>(i);
      heavierBefore[count] = static_cast<std::int8_t>(heavier);
      ++count;
    }
  }
  for (int pass = 0; pass < MaxVertices - 1; ++pass) {
    int front = 0;
    while (front < count && heavierBefore[front] <= pass) ++front;
    if (front < 2) continue;
    const std::int8_t first = order[0];
    for (int k = 1; k < front; ++k) order[k - 1] = order[k];
    order[front - 1] = first;
  }
  int rank = 0;
  while (order[rank] != slot) ++rank;
  return rank;
}

Animation SpanningTreeAnimation(const std::optional<SpanningTree>& tree, int vertexCount) {
  Animation animation = TreeAnimation(tree);
  for (const AnimationStep& step : animation.Steps) {
    animation.Reasons.push_back(VertexName(step.To) + " joins the tree through " +
                                EdgeName(step.From, step.To) + WeightNote(step) +
                                ", the lightest edge from a tree vertex to a vertex outside it.");
  }
  animation.Closing = TreeClosing(animation, vertexCount);
  return animation;
}

bool JudgeByWeight(JudgedAnswer& judged, const std::string& text, std::int16_t weight,
                   const TreeEdge& taken, const std::string& takenText, const std::string& rule) {
  if (weight == Drawing::NotListed) {
    judged.Why = text + " weighs 0 as typed, and the tree takes no such line.";
  } else if (weight > taken.Weight) {
    judged.Why = text + " is heavier than " + takenText + rule + ".";
  } else {
    assert(weight == taken.Weight);
    judged.Judged = Verdict::Allowed;
    return false;
  }
  return true;
}

PracticeSteps SpanningTreeSteps(const Drawing& drawing) {
  const SpanningTree tree = BuildSpanningTree(drawing);
  const std::string rule = ", the lightest line from the tree to a vertex outside it";
  PracticeSteps steps;
  unsigned inTree = 1;
  for (const TreeEdge& taken : tree.Edges) {
    const std::string takenText =
        LineText(std::min(taken.From, taken.To), std::max(taken.From, taken.To), taken.Weight);
    PracticeStep& step = steps.emplace_back();
    step.Tick = static_cast<int>(steps.size());
    // Lines to hidden vertices, should there be any, are listed too (see BuildSpanningTree).
    for (int a = 0; a < MaxVertices; ++a) {
      for (int b = a + 1; b < MaxVertices; ++b) {
        if (drawing.LineBetween(a, b) < 0) continue;
        JudgedAnswer& judged = step.Answers.emplace_back();
        judged.Answer = PracticeAnswer::Line(a, b);
        const std::string text = LineText(a, b, drawing.WeightBetween(a, b));
        const bool aIn = (inTree >> a & 1u) != 0;
        const bool bIn = (inTree >> b & 1u) != 0;
        const std::int16_t weight = drawing.ListedWeights(a)[b];
        if (judged.Answer == PracticeAnswer::Line(taken.From, taken.To)) {
          judged.Judged = Verdict::Taken;
          judged.Why = text + " is the lightest line from the tree to a vertex outside it.";
        } else if (aIn && bIn) {
          judged.Offered = false;
          judged.Why = text + " joins two vertices of the tree already.";
        } else if (!aIn && !bIn) {
          judged.Why = text + " does not touch the tree: both its ends are outside it.";
        } else if (!JudgeByWeight(judged, text, weight, taken, takenText, rule)) {
          const int from = aIn ? a : b;
          judged.Why =
              text + " is as light as " + takenText + rule + "; the program takes " + takenText +
              (from != taken.From
                   ? ": on equal weights it takes the line from the tree vertex latest "
                     "in the alphabet, " +
                         VertexName(taken.From) + "."
                   : ", the first of them in " + VertexName(taken.From) + "'s sorted list.");
        }
      }
    }
    inTree |= 1u << taken.To;
  }
  return steps;
}

AlgorithmResult RunSpanningTree(const Drawing& drawing) {
  AlgorithmResult result;
  result.Tree = BuildSpanningTree(drawing);
  result.Weight = result.Tree.Weight();
  result.Play = SpanningTreeAnimation(result.Tree, drawing.VertexCount());
  return result;
}

}  // namespace tsp
