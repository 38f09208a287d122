#include "core/algorithms/spanning_tree.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/lesson/narration.h"

namespace tsp {
namespace {

// Weight of an empty slot: above every weight, so it sorts last.
constexpr std::int16_t NoWeight = Drawing::NotListed;

using EntryRow = Drawing::ListedRow;

// An entry of vertex from with the given weight, as one number: a lighter entry is smaller
// and, between equal weights, an entry from a higher-numbered vertex is smaller, which is the
// order in which the tree takes them.
constexpr std::int16_t EntryKey(int weight, int from) {
  return static_cast<std::int16_t>((weight + 256) * 16 + (MaxVertices - 1 - from));
}
int KeyVertex(std::int16_t key) {
  return MaxVertices - 1 - key % 16;
}
// Every key at or above this one stands for an empty slot.
constexpr std::int16_t NoEntry = EntryKey(NoWeight, MaxVertices - 1);
// Never below a key: a tree vertex is never chosen.
constexpr std::int16_t InsideTree = std::numeric_limits<std::int16_t>::max();

// Lowers the best key of every vertex outside the tree by the entries of from. A tree vertex's
// mask turns every key into InsideTree, so its best key stays there.
void OfferEntries(const EntryRow& weights, EntryRow& best, const EntryRow& treeMask, int from) {
  for (int u = 0; u < MaxVertices; ++u) {
    const auto key = static_cast<std::int16_t>(EntryKey(weights[u], from) | treeMask[u]);
    best[u] = std::min(best[u], key);
  }
}

// The vertex outside the tree that the next tree edge reaches, -1 when no entry leads out.
// Each outside vertex holds the best entry into it from the tree, so the smallest key is the
// lightest head of the highest-numbered tree vertex; equal keys are entries of that one
// vertex, and of those its sorted list holds first the one to take.
int SelectTreeVertex(const Drawing& drawing, const EntryRow& best) {
  std::int16_t key = NoEntry;
  int to = -1;
  bool tie = false;
  for (int u = 0; u < MaxVertices; ++u) {
    if (best[u] < key) {
      key = best[u];
      to = u;
      tie = false;
    } else if (best[u] == key && to >= 0) {
      tie = true;
    }
  }
  if (!tie) return to;
  const EntryRow& row = drawing.ListedWeights(KeyVertex(key));
  int rank = EqualWeightRank(row, to);
  for (int u = to + 1; u < MaxVertices; ++u) {
    if (best[u] != key) continue;
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
  EntryRow best;
  best.fill(NoEntry);
  EntryRow treeMask{};
  best[0] = InsideTree;
  treeMask[0] = InsideTree;
  OfferEntries(drawing.ListedWeights(0), best, treeMask, 0);

  SpanningTree tree;
  tree.Edges.reserve(MaxVertices - 1);
  while (tree.Edges.empty() || tree.VertexCount < n) {
    const int to = SelectTreeVertex(drawing, best);
    if (to < 0) break;
    const int from = KeyVertex(best[to]);
    tree.Edges.push_back(
        TreeEdge{from, to, drawing.LineBetween(from, to), drawing.ListedWeights(from)[to]});
    ++tree.VertexCount;
    best[to] = InsideTree;
    treeMask[to] = InsideTree;
    OfferEntries(drawing.ListedWeights(to), best, treeMask, to);
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

AlgorithmResult RunSpanningTree(const Drawing& drawing) {
  AlgorithmResult result;
  result.Tree = BuildSpanningTree(drawing);
  result.Weight = result.Tree.Weight();
  result.Play = SpanningTreeAnimation(result.Tree, drawing.VertexCount());
  return result;
}

}  // namespace tsp
