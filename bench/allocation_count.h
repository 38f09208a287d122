#pragma once

#include <cstdint>

namespace tsp::bench {

// Every allocation through operator new in the benchmark program so far: the benchmark program
// replaces the global operator new to count them.
std::uint64_t AllocationCount();

}  // namespace tsp::bench
