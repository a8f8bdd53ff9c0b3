//===- WaitLimit.h - How long a test waits before it calls a wait a hang ===//
#pragma once

#include <chrono>

namespace kr::testing {

/// The longest a test waits for one thing to happen: as long as a test may
/// take (the ctest timeout of most tests), so that a machine with every core
/// busy, or the sanitizer build, is never taken for a hang. Waits poll their
/// condition, so the limit costs nothing when it comes true early; it bounds
/// a wait, never a test's speed.
inline constexpr std::chrono::seconds kWaitLimit{120};

}  // namespace kr::testing
