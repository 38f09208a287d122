#pragma once

// The runs computed the plain way, for the stress test: lines found box by box, each vertex's
// list sorted by nine full bubble passes, Prim over the list heads, a recursive walk and every
// light-cycle variant weighed. Only the number rules are taken from the core.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/graph/matrix.h"
#include "core/lesson/animation.h"
#include "core/text/number_text.h"

namespace tsp::naive {

constexpr int Empty = 200;  // an empty list slot, heavier than every weight

// The slots of a list in the order nine full bubble passes leave them, which exchange two
// neighbours unless the first is strictly lighter.
inline std::array<int, MaxVertices> SortedSlots(const std::array<int, MaxVertices>& weights) {
  std::array<int, MaxVertices> slots;
  for (int j = 0; j < MaxVertices; ++j) slots[j] = j;
  for (int pass = 0; pass < MaxVertices - 1; ++pass) {
    for (int i = 0; i + 1 < MaxVertices; ++i) {
      if (!(weights[slots[i]] < weights[slots[i + 1]])) std::swap(slots[i], slots[i + 1]);
    }
  }
  return slots;
}

// What a window shows of a run: the lines coloured in order, the list boxes, the total.
struct Shown {
  std::vector<int> Lines;
  std::string Edges;
  std::string Weights;
  int Weight = 0;
  std::string End;
};

struct Reference {
  Shown Tree;
  Shown TreeTour;
  Shown LightCycle;
};

inline Reference Run(int n, const MatrixTexts& texts) {
  int line[MaxVertices][MaxVertices];
  int weight[MaxVertices][MaxVertices] = {};
  std::array<std::array<int, MaxVertices>, MaxVertices> listed;
  for (auto& row : line) std::fill(row, row + MaxVertices, -1);
  for (auto& row : listed) row.fill(Empty);
  std::array<bool, BoxCount> one;
  for (int box = 0; box < BoxCount; ++box) one[box] = texts.White[box] == "1";
  for (int r = 0, lines = 0; r < MaxVertices; ++r) {
    for (int c = 0; c < MaxVertices; ++c) {
      if (!one[BoxIndex(r, c)]) continue;
      one[BoxIndex(c, r)] = false;
      if (r == c) continue;
      const std::string& text = texts.Red[BoxIndex(r, c)];
      line[r][c] = line[c][r] = lines++;
      weight[r][c] = weight[c][r] = WeightOfText(text);
      if (NumericValue(text) != 0) listed[r][c] = listed[c][r] = weight[r][c];
    }
  }
  const auto show = [&](Shown& shown, int from, int to, bool tour) {
    shown.Lines.push_back(line[from][to]);
    shown.Edges += std::string{VertexLetter(from), '-', '-', VertexLetter(to), ','};
    if (tour && line[from][to] >= 0) {
      shown.Weights += std::to_string(weight[from][to]) + "**";
      shown.Weight += weight[from][to];
    }
  };

  // Prim: the first entry of each tree vertex's list leading out, the lightest of them, the
  // highest-numbered tree vertex on equal weights. A's first entry is taken in any case.
  std::vector<std::pair<int, int>> tree;
  bool inTree[MaxVertices] = {true};
  for (int reached = 1; tree.empty() || reached < n; ++reached) {
    int from = -1;
    int to = -1;
    for (int v = 0; v < MaxVertices; ++v) {
      if (!inTree[v]) continue;
      for (int slot : SortedSlots(listed[v])) {
        if (listed[v][slot] == Empty || inTree[slot]) continue;
        if (from < 0 || listed[v][slot] <= listed[from][to]) from = v, to = slot;
        break;
      }
    }
    if (from < 0) break;
    inTree[to] = true;
    tree.push_back({from, to});
  }
  Reference ref;
  for (auto [from, to] : tree) show(ref.Tree, from, to, false);
  ref.Tree.End = SentinelFoundMessage;

  std::vector<int> walk;
  const auto enter = [&](const auto& self, int v) -> void {
    walk.push_back(v);
    for (auto [from, to] : tree) {
      if (from == v) self(self, to);
    }
  };
  enter(enter, 0);
  walk.push_back(0);
  const auto showTour = [&](const auto& tour) {
    Shown shown;
    for (std::size_t s = 0; s + 1 < tour.size(); ++s) show(shown, tour[s], tour[s + 1], true);
    shown.End = EndReachedMessage;
    return shown;
  };
  ref.TreeTour = showTour(walk);

  std::vector<std::vector<int>> variants{walk};
  for (int i = 1; i < n; ++i) {
    variants.push_back(walk);
    if (i + 1 < static_cast<int>(walk.size())) std::swap(variants.back()[1], variants.back()[i]);
  }
  variants.emplace_back();
  for (int v = 0; v < n; ++v) variants.back().push_back(v);
  variants.back().push_back(0);
  ref.LightCycle = showTour(variants[0]);
  for (const auto& variant : variants) {
    Shown shown = showTour(variant);
    if (shown.Weight < ref.LightCycle.Weight) ref.LightCycle = std::move(shown);
  }
  return ref;
}

}  // namespace tsp::naive
