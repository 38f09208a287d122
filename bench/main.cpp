#include <benchmark/benchmark.h>

#include "registration.h"

int main(int argc, char** argv) {
  tsp::bench::RegisterCoreBenchmarks();
  tsp::bench::RegisterLemonBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
