// A console reporter that also keeps each benchmark's time per iteration (the mean, when
// repetitions are asked for), so that a benchmark program can print the ratio of two of
// them after the runs. CPU time is the figure to go by on a shared machine, where real
// time also counts the waits for a processor.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace jelt::bench {

struct BenchmarkTimes {
  double real;  // in the benchmark's own time unit
  double cpu;
};

class TimesReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
      if (run.run_type == Run::RT_Iteration || mean) {
        times_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // The times of a benchmark by its function's name; nothing when it did not run.
  std::optional<BenchmarkTimes> Times(const std::string& name) const {
    const auto it = times_.find(name);
    if (it == times_.end()) return std::nullopt;
    return it->second;
  }

 private:
  std::map<std::string, BenchmarkTimes> times_;
};

// The main of a benchmark program that prints something of its own after the runs.
inline int RunBenchmarks(int argc, char** argv, void (*after)(const TimesReporter& reporter)) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  after(reporter);
  return 0;
}

}  // namespace jelt::bench
