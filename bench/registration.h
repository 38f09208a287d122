#pragma once

namespace tsp::bench {

// The core's runs with Boost.Graph's, and a whole light-cycle press (core_bench.cpp).
void RegisterCoreBenchmarks();
// LEMON's heuristics and Kruskal (lemon_bench.cpp).
void RegisterLemonBenchmarks();

}  // namespace tsp::bench
