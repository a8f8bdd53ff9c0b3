// LUD917 killed with SIGKILL at random moments of its run, as a power cut or
// the host would stop it. After each kill the file is whole, the next run
// completes in silence, and the database is then the one an uninterrupted
// run leaves: the same tables, the same keys, the same rows.
//
// KR_CRASH_KILLS sets the number of kills (20; make crash-test: more) and
// KR_CRASH_SEED the moments, to repeat a run that failed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include "tests/support/CrashHarness.h"
#include "tests/support/SampleFixture.h"

namespace kr::testing {
namespace {

long Setting(const char* name, long otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtol(value, nullptr, 10) : otherwise;
}

// LUD917 as the host starts it, with no display.
const ProgramRun kLud917{
    LUD917_PATH, {}, {{"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}, {"QT_QPA_PLATFORM", nullptr}}};

TEST(Crash, LUD917KilledAtAnyMomentLeavesWhatTheNextRunCompletes) {
  const int kills = static_cast<int>(Setting("KR_CRASH_KILLS", 20));
  const auto seed = static_cast<std::uint32_t>(Setting("KR_CRASH_SEED", std::random_device{}()));
  std::cout << "LUD917 killed " << kills << " times; KR_CRASH_SEED=" << seed << " repeats these moments\n";

  // The reference: an installation LUD917 ran on once, uninterrupted.
  DatabaseImage reference;
  std::chrono::microseconds span{0};
  {
    SampleInstallation muestra;
    RunEnd run = RunToEnd(kLud917);
    ASSERT_EQ(run.Status, 0) << run.Errors;
    span = run.Took;
    reference = ReadImage(muestra.Layout().Database);
  }

  int during = 0;
  for (std::chrono::microseconds moment : KillMoments(kills, span, seed)) {
    SCOPED_TRACE("killed " + std::to_string(moment.count() / 1000) + " ms after its start");
    SampleInstallation muestra;
    const std::string& database = muestra.Layout().Database;
    if (RunAndKill(kLud917, moment).Killed) ++during;
    EXPECT_EQ(IntegrityCheck(database), "ok");

    RunEnd rerun = RunToEnd(kLud917);
    EXPECT_EQ(rerun.Status, 0);
    EXPECT_EQ(rerun.Errors, "");
    EXPECT_EQ(IntegrityCheck(database), "ok");
    // Every table, with its definition (its key included) and its rows.
    EXPECT_EQ(Differences(reference, ReadImage(database)), std::vector<std::string>{});
    if (::testing::Test::HasFailure()) break;
  }
  std::cout << during << " of " << kills << " kills fell while LUD917 ran (a full run took " << span.count() / 1000
            << " ms)\n";
}

}  // namespace
}  // namespace kr::testing
