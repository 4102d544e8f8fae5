// The one main() of the zedaruz_bench program.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
