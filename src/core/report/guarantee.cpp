#include "core/report/guarantee.h"

#include <cassert>

#include "core/graph/vertex.h"

namespace tsp {

GuaranteeCheck CheckGuarantee(const PairWeights& graph) {
  const int n = graph.VertexCount;
  assert(n >= 0 && n <= MaxVertices);
  GuaranteeCheck check;
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b) {
      const auto& line = graph.Between(a, b);
      if (!line) check.AllPairs = false;
      if (line && *line < 0) check.NonNegative = false;
    }
  }
  for (int x = 0; x < n; ++x) {
    for (int z = x + 1; z < n; ++z) {
      const auto& xz = graph.Between(x, z);
      if (!xz) continue;
      for (int y = 0; y < n; ++y) {
        if (y == x || y == z) continue;
        const auto& xy = graph.Between(x, y);
        const auto& yz = graph.Between(y, z);
        if (xy && yz && *xz > *xy + *yz) check.Violations.push_back({x, y, z, *xz, *xy, *yz});
      }
    }
  }
  return check;
}

std::string ViolationText(const Violation& violation) {
  const auto pair = [](const int a, const int b, const int weight) {
    return std::string{VertexLetter(a)} + "\u2013" + VertexLetter(b) + " (" +
           std::to_string(weight) + ")";
  };
  return pair(violation.X, violation.Z, violation.XZ) + " > " +
         pair(violation.X, violation.Y, violation.XY) + " + " +
         pair(violation.Y, violation.Z, violation.YZ);
}

}  // namespace tsp
