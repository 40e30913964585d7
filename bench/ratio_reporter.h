#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace zelvane::bench {

/// Prints the usual table, then for every case registered as "<case>/ours" beside
/// "<case>/reference" the ratio of their times: how many times faster ours is.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  // No colour codes: the figures usually go to a file or a log.
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::map<std::string, double> secondsPerIteration_;  // by benchmark name
};

}  // namespace zelvane::bench
