// The main function of the benchmark programs that compare a figure with its baseline: random
// interleaving (so a busy moment of the machine hits both sides alike), aggregates only, then the
// reporter prints its ratios. Options given on the command line win over these defaults.
#pragma once

#include <benchmark/benchmark.h>

#include <vector>

namespace bench {

template <typename Reporter, typename PrintRatios>
int RunWithRatios(int argc, char** argv, Reporter& reporter, PrintRatios printRatios) {
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {interleave, aggregates});
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
