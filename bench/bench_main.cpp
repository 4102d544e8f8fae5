// The one main() of the zedaruz_bench program. Memory is handled as in the programs themselves.
#include <benchmark/benchmark.h>

#include "platform/memory_reuse.h"

int main(int argc, char** argv) {
    opt::KeepFreedMemoryForReuse();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
