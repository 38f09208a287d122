#pragma once

#include <benchmark/benchmark.h>

#include <vector>

#include "allocation_count.h"

namespace tsp::bench {

// Runs compute once per iteration on the inputs in turn. Before timing, one untimed pass over
// the inputs counts the allocations of one computation ("allocs" in the output).
template <class Input, class Compute>
void EachInTurn(benchmark::State& bench, const std::vector<Input>& inputs, Compute compute) {
  const std::uint64_t before = AllocationCount();
  for (const Input& input : inputs) {
    auto result = compute(input);
    benchmark::DoNotOptimize(result);
  }
  const double allocations = static_cast<double>(AllocationCount() - before);
  std::size_t g = 0;
  for (auto _ : bench) {
    auto result = compute(inputs[g]);
    benchmark::DoNotOptimize(result);
    benchmark::ClobberMemory();
    g = g + 1 == inputs.size() ? 0 : g + 1;
  }
  bench.counters["allocs"] = allocations / static_cast<double>(inputs.size());
}

}  // namespace tsp::bench
