#include <benchmark/benchmark.h>

#include <iostream>

#include "bench/ratio_table.h"

// The usual report, then the table of ratios to the anchors timed in the same run.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    dw::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable(std::cout);
    benchmark::Shutdown();
    return 0;
}
