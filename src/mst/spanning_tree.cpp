#include "mst/spanning_tree.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <limits>

#include "graph/edge_lists.h"

namespace tsp {
namespace {

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
constexpr std::int16_t NoEntry = EntryKey(ListSentinel, MaxVertices - 1);
// Never below a key: a tree vertex is never chosen.
constexpr std::int16_t InsideTree = std::numeric_limits<std::int16_t>::max();

using EntryKeys = std::array<std::int16_t, MaxVertices>;

// Lowers the best key of every vertex outside the tree by the entries of from. A tree vertex's
// mask turns every key into InsideTree, so its best key stays there.
void OfferEntries(const GraphState& state, EntryKeys& best, const EntryKeys& treeMask, int from) {
  const VertexList& weights = state.ListedWeights[from];
  for (int u = 0; u < MaxVertices; ++u) {
    assert(weights[u] >= -101 && (weights[u] <= 101 || weights[u] == ListSentinel));
    const auto key = static_cast<std::int16_t>(EntryKey(weights[u], from) | treeMask[u]);
    best[u] = std::min(best[u], key);
  }
}

// The vertex outside the tree that the next tree edge reaches, -1 when no entry leads out.
// Each outside vertex holds the best entry into it from the tree, so the smallest key is the
// lightest head of the highest-numbered tree vertex; equal keys are entries of that one
// vertex, and of those its sorted list holds first the one to take.
int SelectTreeVertex(const GraphState& state, const EntryKeys& best) {
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
  const VertexList& weights = state.ListedWeights[KeyVertex(key)];
  int rank = EqualWeightRank(weights, to);
  for (int u = to + 1; u < MaxVertices; ++u) {
    if (best[u] != key) continue;
    const int r = EqualWeightRank(weights, u);
    if (r < rank) {
      rank = r;
      to = u;
    }
  }
  return to;
}

}  // namespace

void BuildSpanningTree(GraphState& state) {
  const int n = state.VertexCount;
  assert(n >= 1 && n <= MaxVertices);
  // All ten vertices take part: boxes kept while hidden can list edges beyond the count.
  EntryKeys best;
  best.fill(NoEntry);
  EntryKeys treeMask{};
  best[0] = InsideTree;
  treeMask[0] = InsideTree;
  state.InTree.fill(0);
  state.InTree[0] = 1;
  OfferEntries(state, best, treeMask, 0);

  int treeCount = 1;
  int edges = 0;
  // A's lightest entry is taken whatever the vertex count says.
  while (edges == 0 || treeCount < n) {
    const int to = SelectTreeVertex(state, best);
    if (to < 0) break;
    const int from = KeyVertex(best[to]);
    state.MstWeights[edges] = state.ListedWeights[from][to];
    state.MstLineIds[edges] = state.ListedLineIds[from][to];
    state.MstBoxes[edges] = BoxIndex(from, to);
    ++edges;
    state.InTree[to] = 1;
    ++treeCount;
    best[to] = InsideTree;
    treeMask[to] = InsideTree;
    OfferEntries(state, best, treeMask, to);
  }

  state.TreeVertexCount = static_cast<std::int16_t>(treeCount);
  // A tree without an edge still has its (empty) first slot.
  state.MstEdgeCount = static_cast<std::int16_t>(std::max(edges, 1));
  for (int slot : {edges, static_cast<int>(state.MstEdgeCount)}) {
    state.MstWeights[slot] = ListSentinel;
    state.MstLineIds[slot] = ListSentinel;
    state.MstBoxes[slot] = ListSentinel;
  }
  const std::int16_t last = state.MstBoxes[std::max(edges - 1, 0)];
  state.FromVertex = DecodeFrom(last);
  state.ToVertex = DecodeTo(last);
}

}  // namespace tsp
