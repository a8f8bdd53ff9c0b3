//===- FuzzSupport.h - Splitting inputs and stating findings for fuzz targets ===//
//
// A fuzz input that carries several values separates them by the byte 0x1F
// (the unit separator), which no seed needs inside a value. A finding is a
// broken promise of the code under test: Require aborts with what it was, so
// libFuzzer keeps the input and the replay fails.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace kr::fuzz {

/// The input as text.
inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

/// The input's values: at least `count` of them, the missing ones empty.
inline std::vector<std::string_view> Parts(std::string_view input, std::size_t count) {
  std::vector<std::string_view> parts;
  for (;;) {
    std::size_t at = input.find('\x1F');
    parts.push_back(input.substr(0, at));
    if (at == std::string_view::npos) break;
    input.remove_prefix(at + 1);
  }
  if (parts.size() < count) parts.resize(count);
  return parts;
}

/// Aborts with `what` when `holds` is false.
inline void Require(bool holds, std::string_view what) {
  if (holds) return;
  std::fprintf(stderr, "finding: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

/// Aborts when a VB error other than those `allowed` came out of the code under test.
inline void RequireError(int number, std::initializer_list<int> allowed, std::string_view where) {
  for (int a : allowed) {
    if (a == number) return;
  }
  Require(false, std::string(where) + ": unexpected error " + std::to_string(number));
}

}  // namespace kr::fuzz
