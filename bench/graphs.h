#pragma once

// The graphs every benchmark runs on: 64 complete ten-vertex graphs per weight range, the same
// on every run. Plain C++17: the LEMON side includes it too.

#include <array>
#include <vector>

namespace tsp::bench {

inline constexpr int GraphCount = 64;
inline constexpr int GraphVertices = 10;

struct WeightRange {
  const char* Name;
  int Low;
  int High;
  bool SkipZero;
};
inline constexpr std::array<WeightRange, 2> Ranges{
    {{"1..99", 1, 99, false}, {"-100..100", -100, 100, true}}};

// Symmetric, the diagonal 0 and unused.
using Weights = std::array<std::array<int, GraphVertices>, GraphVertices>;

std::vector<Weights> MakeWeights(const WeightRange& range);

}  // namespace tsp::bench
