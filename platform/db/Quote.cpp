#include "platform/db/Quote.h"

#include <charconv>
#include <cmath>

#include "platform/text/Error.h"

namespace dao {

std::string Quote(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '\'';
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  out += '\'';
  return out;
}

std::string SqlNumber(double value) {
  if (!std::isfinite(value)) vb::Raise(vb::ErrInvalidCall);
  if (value == 0) return "0";  // also for -0
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace dao
