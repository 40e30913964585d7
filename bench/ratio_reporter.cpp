#include "ratio_reporter.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace zelvane::bench {
namespace {

constexpr std::string_view kOurs = "/ours";
constexpr std::string_view kReference = "/reference";

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
    // CPU time: the machine is shared, so waiting for a core is not ours to count.
    const double seconds = run.cpu_accumulated_time / static_cast<double>(run.iterations);
    // With repetitions the fastest run stands for the case: the others met more noise.
    const auto [place, added] = secondsPerIteration_.try_emplace(run.benchmark_name(), seconds);
    if (!added) place->second = std::min(place->second, seconds);
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\nratio reference/ours (above 1: ours is faster)\n");
  for (const auto& [name, oursSeconds] : secondsPerIteration_) {
    if (!name.ends_with(kOurs)) continue;
    const std::string base = name.substr(0, name.size() - kOurs.size());
    const auto reference = secondsPerIteration_.find(base + std::string(kReference));
    if (reference == secondsPerIteration_.end() || oursSeconds <= 0) continue;
    std::printf("  %-40s %12.2f\n", base.c_str(), reference->second / oursSeconds);
  }
  std::fflush(stdout);
}

}  // namespace zelvane::bench
