#pragma once

#include <cstdint>

#include "core/files/graph_file.h"
#include "core/graph/pair_weights.h"

namespace tsp {

// SplitMix64 (Steele, Lea and Flood 2014) with its own mapping to a range, so that the same seed
// gives the same numbers with every compiler and standard library.
class SheetRandom {
 public:
  explicit SheetRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next();
  // A whole number from low to high, every one equally likely.
  int Between(int low, int high);

 private:
  std::uint64_t state_;
};

inline constexpr int MinSheetVertices = 3;
inline constexpr int MaxSheetVertices = MaxVertices;
inline constexpr int MinSheetWeight = 1;
inline constexpr int MaxSheetWeight = 99;

// The graph of sheet `number` of a seed: every pair joined, each by its own weight from 1 to 99,
// so that the algorithms rarely meet a tie. With metric, every weight then becomes the weight of
// the lightest path between its two vertices, which keeps it within 1..99 and makes every
// triangle hold. A sheet's graph depends on the seed, its number and the options only, not on
// how many sheets are made.
PairWeights SheetGraph(std::uint32_t seed, int number, int vertexCount, bool metric);

// The graph as the matrix editor holds it: "1" and the weight above the diagonal, the boxes of a
// fresh editor elsewhere, iteration count "1".
GraphDocument SheetDocument(const PairWeights& graph);

}  // namespace tsp
