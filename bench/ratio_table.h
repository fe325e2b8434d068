#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace dw::bench {

// One line of the closing table: a piece of work against an anchor timed in the same run, so
// that the ratio holds on any machine.
struct RatioRow {
    std::string work;
    std::string workBenchmark;  // full run names, e.g. "BM_ShadeAll/5000/real_time"
    std::string anchor;
    std::string anchorBenchmark;
    std::string goal;
};

const std::vector<RatioRow>& ratioRows();

// The console report as usual; it also keeps each benchmark's time per iteration, the median
// of the repetitions where there are several.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // The rows whose work and anchor both ran.
    void printTable(std::ostream& out) const;

  private:
    std::map<std::string, double> times_;
    std::map<std::string, double> medians_;
};

}  // namespace dw::bench
