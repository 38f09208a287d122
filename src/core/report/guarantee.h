#pragma once

#include <string>
#include <vector>

#include "core/graph/pair_weights.h"

namespace tsp {

// Three drawn pairs where the direct line X–Z is heavier than the way through Y:
// XZ > XY + YZ. X < Z.
struct Violation {
  int X = 0;
  int Y = 0;
  int Z = 0;
  int XZ = 0;
  int XY = 0;
  int YZ = 0;

  bool operator==(const Violation&) const = default;
};

// Whether the tree-doubling tour is sure to weigh at most twice the optimum: every pair drawn,
// no negative weight, and the triangle inequality on every triple.
struct GuaranteeCheck {
  bool AllPairs = true;
  bool NonNegative = true;
  // All violating triples of drawn pairs, sorted by X, then Z, then Y.
  std::vector<Violation> Violations;

  bool Holds() const { return AllPairs && NonNegative && Violations.empty(); }
};

GuaranteeCheck CheckGuarantee(const PairWeights& graph);

// For example "A–D (4) > A–B (1) + B–D (2)", with en dashes (UTF-8).
std::string ViolationText(const Violation& violation);

}  // namespace tsp
