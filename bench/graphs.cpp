#include "graphs.h"

#include <random>

namespace tsp::bench {

std::vector<Weights> MakeWeights(const WeightRange& range) {
  std::mt19937 rng(20240611u + static_cast<unsigned>(range.Low));
  const unsigned span =
      static_cast<unsigned>(range.High - range.Low + 1 - (range.SkipZero ? 1 : 0));
  std::vector<Weights> graphs(GraphCount);
  for (Weights& w : graphs) {
    for (int a = 0; a < GraphVertices; ++a) {
      for (int b = a + 1; b < GraphVertices; ++b) {
        int value = range.Low + static_cast<int>(rng() % span);
        if (range.SkipZero && value >= 0) ++value;
        w[a][b] = w[b][a] = value;
      }
    }
  }
  return graphs;
}

}  // namespace tsp::bench
