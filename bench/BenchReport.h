//===- BenchReport.h - The console report that keeps each benchmark's time ===//
#pragma once

#include <benchmark/benchmark.h>

#include <charconv>
#include <map>
#include <string>
#include <vector>

namespace kr::bench {

/// The console report, keeping each benchmark's time per iteration for the
/// summary lines a benchmark prints after it. No colours: those lines must
/// stand alone for scripts that read them.
class TimesReporter : public benchmark::ConsoleReporter {
 public:
  TimesReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) Times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> Times;
};

/// `value` with `decimals` decimals and a "." whatever the locale.
inline std::string Fixed(double value, int decimals) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

/// The time of `layer` over that of `raw` as "1.23"; "n/a" when either is missing.
inline std::string Ratio(const TimesReporter& reporter, const std::string& layer, const std::string& raw) {
  auto l = reporter.Times.find(layer), r = reporter.Times.find(raw);
  if (l == reporter.Times.end() || r == reporter.Times.end() || r->second <= 0) return "n/a";
  return Fixed(l->second / r->second, 2);
}

}  // namespace kr::bench
