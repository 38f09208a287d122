#pragma once

#include <span>
#include <string_view>

#include "core/algorithms/algorithm.h"

namespace tsp {

// Every algorithm of the program, once, in the order the windows and the report show them.
std::span<const AlgorithmRow> Algorithms();

// The row with this id; nullptr when there is none.
const AlgorithmRow* FindAlgorithm(std::string_view id);
// The row with this id, which must exist.
const AlgorithmRow& AlgorithmById(std::string_view id);

}  // namespace tsp
