//===- BenchReport.h - The console report that keeps each benchmark's time ===//
#pragma once

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kr::bench {

/// The console report, keeping each benchmark's time per iteration for the
/// summary lines a benchmark prints after it. No colours: those lines must
/// stand alone for scripts that read them. A run that failed keeps no time,
/// so that its lines say "n/a" rather than a figure.
class TimesReporter : public benchmark::ConsoleReporter {
 public:
  TimesReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
      Times[run.benchmark_name()] = run.GetAdjustedRealTime();
      const std::string& args = run.run_name.args;
      Seconds[run.run_name.function_name + (args.empty() ? "" : "/" + args)] =
          run.real_accumulated_time / static_cast<double>(run.iterations);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  /// By the whole name, in the benchmark's own unit.
  std::map<std::string, double> Times;
  /// In seconds, by the name and arguments alone ("Grabar/1000"), whatever
  /// the iterations or the timing were set to: manual time where it is used.
  std::map<std::string, double> Seconds;

  std::optional<double> SecondsOf(const std::string& name) const {
    auto it = Seconds.find(name);
    if (it == Seconds.end()) return std::nullopt;
    return it->second;
  }
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

/// The line "time <what> at <n>: 12.34 ms" of the benchmark `name`/`n`.
inline void PrintTime(const TimesReporter& reporter, std::string_view what, const std::string& name, int n) {
  const std::optional<double> s = reporter.SecondsOf(name + "/" + std::to_string(n));
  std::printf("time %.*s at %d: %s\n", static_cast<int>(what.size()), what.data(), n,
              s ? (Fixed(*s * 1000, 2) + " ms").c_str() : "n/a");
}

/// The line "ratio <what> at <n>: 1.23" of the benchmark `layer` over `raw`
/// (both named with their arguments); "n/a" when either is missing.
inline void PrintRatio(const TimesReporter& reporter, std::string_view what, int n, const std::string& layer,
                       const std::string& raw) {
  const std::optional<double> l = reporter.SecondsOf(layer), r = reporter.SecondsOf(raw);
  std::printf("ratio %.*s at %d: %s\n", static_cast<int>(what.size()), what.data(), n,
              l && r && *r > 0 ? Fixed(*l / *r, 2).c_str() : "n/a");
}

/// The lines of one operation run at each of `sizes` (the benchmarks
/// `layer`/n and `floor`/n): both times at each size, then the operation
/// over its floor, and over itself at the first size, at each larger size.
inline void PrintScale(const TimesReporter& reporter, std::string_view what, const std::string& layer,
                       const std::string& floor, std::span<const int> sizes) {
  const std::string w(what);
  for (int n : sizes) {
    PrintTime(reporter, w, layer, n);
    PrintTime(reporter, w + ", its keyed floor", floor, n);
  }
  for (int n : sizes) {
    const std::string at = "/" + std::to_string(n);
    PrintRatio(reporter, w + " / keyed floor", n, layer + at, floor + at);
    if (n == sizes.front()) continue;
    PrintRatio(reporter, w + " / the same at " + std::to_string(sizes.front()), n, layer + at,
               layer + "/" + std::to_string(sizes.front()));
  }
}

}  // namespace kr::bench
