//===- CrashHarness.h - Programs killed at random moments, and what they leave ===//
//
// A crash test runs a program as the host runs it, kills it with SIGKILL at
// a moment of its run, runs it again to its end, and then holds the database
// file against a reference: SQLite finds it whole, and its tables (their
// definitions, keys included, and their rows) are those of a run that was
// never interrupted. The moments are random, one in each equal slice of the
// run, so a few kills still cover the whole of it.
//
//   ProgramRun lud{LUD917_PATH};
//   std::chrono::microseconds span = TimeOf(lud);
//   for (auto moment : KillMoments(20, span, seed)) { RunAndKill(lud, moment); ... }
//
// Nothing here knows which program it runs or what its database holds.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/WaitLimit.h"

namespace kr::testing {

/// A program to run: its path, its arguments, and the environment variables
/// it gets besides the test's own (a null value unsets one).
struct ProgramRun {
  std::string Path;
  std::vector<std::string> Arguments;
  std::vector<std::pair<std::string, const char*>> Environment;
};

/// How a run ended.
struct RunEnd {
  bool Killed = false;  // by our SIGKILL, or by the time limit
  int Status = -1;      // the exit status when it ended by itself
  std::string Errors;   // what it wrote to standard error
  std::chrono::microseconds Took{0};
};

/// Runs the program to its end; killed after `limit`.
RunEnd RunToEnd(const ProgramRun& run, std::chrono::milliseconds limit = kWaitLimit);

/// Starts the program and kills it with SIGKILL `after` its start, unless it ended before.
RunEnd RunAndKill(const ProgramRun& run, std::chrono::microseconds after);

/// `count` moments over [0, span): one at random in each of `count` equal slices.
std::vector<std::chrono::microseconds> KillMoments(int count, std::chrono::microseconds span, std::uint32_t seed);

/// What a database file holds, read with SQLite itself (the layer's Jet
/// functions and collation registered): the definition of each table and
/// index, and each table's rows as text with their SQLite types, sorted.
struct DatabaseImage {
  std::map<std::string, std::string> Schema;
  std::map<std::string, std::vector<std::string>> Rows;
};

/// The image of the database file at the native path `path`.
DatabaseImage ReadImage(const std::string& path);

/// PRAGMA integrity_check of the file: "ok" when it is whole.
std::string IntegrityCheck(const std::string& path);

/// What differs between two images, one line each; none when they are equal.
std::vector<std::string> Differences(const DatabaseImage& expected, const DatabaseImage& actual);

}  // namespace kr::testing
