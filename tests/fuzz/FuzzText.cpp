// Fuzz target: the number and date conversions and Format of platform/text.
// Input: a value text, a pattern and "year month day", separated by 0x1F.
// Every conversion either answers or raises the VB error its contract names
// (6 overflow, 13 type mismatch, 5 invalid call); nothing else, no crash,
// no undefined behaviour.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Variant.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using kr::fuzz::Require;
using kr::fuzz::RequireError;

// Runs `f`; a VB error must be one of `allowed`.
template <class F>
void Guarded(F&& f, std::initializer_list<int> allowed, std::string_view where) {
  try {
    f();
  } catch (const vb::Error& e) {
    RequireError(e.Number(), allowed, where);
  }
}

int IntOf(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void Numbers(std::string_view text, std::string_view pattern) {
  const std::optional<double> parsed = vb::ParseNumber(text);
  Guarded([&] { vb::Val(text); }, {vb::ErrOverflow}, "Val");
  Guarded(
      [&] {
        const double d = vb::CDbl(vb::Variant(text));
        Require(parsed && d == *parsed, "CDbl is ParseNumber");
      },
      {vb::ErrTypeMismatch}, "CDbl");
  Require(vb::IsNumeric(vb::Variant(text)) == parsed.has_value(), "IsNumeric is ParseNumber");
  Guarded([&] { vb::Format(vb::Variant(text), pattern); }, {vb::ErrOverflow}, "Format of a text");
  if (!parsed) return;
  const double d = *parsed;
  Require(std::isfinite(d), "ParseNumber answers finite numbers");
  Guarded([&] { vb::CLng(d); }, {vb::ErrOverflow}, "CLng");
  Guarded([&] { vb::CInt(d); }, {vb::ErrOverflow}, "CInt");
  Guarded([&] { vb::CByte(d); }, {vb::ErrOverflow}, "CByte");
  Guarded([&] { vb::CSng(vb::Variant(d)); }, {vb::ErrOverflow}, "CSng");
  Guarded([&] { vb::CCur(vb::Variant(d)); }, {vb::ErrOverflow}, "CCur");
  Guarded([&] { vb::CDate(vb::Variant(d)); }, {vb::ErrOverflow}, "CDate of a number");
  Guarded([&] { vb::Round(d, IntOf(pattern.substr(0, 3))); }, {vb::ErrInvalidCall}, "Round");
  // A number's text reads back as a number, and its digits as it.
  const std::string written = vb::NumberText(d);
  Require(vb::ParseNumber(written).has_value(), "NumberText reads back: " + written);
  Require(vb::ParseNumber(vb::Str(d)).has_value(), "Str reads back");
  Guarded([&] { vb::Format(vb::Variant(d), pattern); }, {vb::ErrOverflow}, "Format of a number");
  Guarded([&] { vb::Format(vb::Variant(vb::DateTime{d}), pattern); }, {vb::ErrOverflow}, "Format of a date");
  Guarded([&] { vb::CStr(vb::Variant(vb::DateTime{d})); }, {vb::ErrOverflow}, "CStr of a date");
  Guarded([&] { vb::DateDiffDays(vb::DateTime{0}, vb::DateTime{d}); }, {vb::ErrOverflow}, "DateDiffDays");
  if (d >= -32768 && d <= 32767) vb::Format(vb::Variant::Integer(static_cast<std::int16_t>(d)), pattern);
}

void Dates(std::string_view text, std::string_view ymd, std::string_view pattern) {
  Guarded([&] { vb::CDate(vb::Variant(text)); }, {vb::ErrTypeMismatch}, "CDate of a text");
  if (std::optional<vb::DateTime> d = vb::ParseDate(text)) {
    Require(vb::IsDateSerial(d->Serial), "ParseDate answers a date VB holds");
    Require(vb::Format(vb::Variant(*d), "dd/mm/yyyy") == text, "a dd/mm/yyyy date formats back as itself");
  }
  int parts[3] = {0, 0, 0};
  std::size_t at = 0;
  for (int& part : parts) {
    while (at < ymd.size() && ymd[at] == ' ') ++at;
    auto [next, ec] = std::from_chars(ymd.data() + at, ymd.data() + ymd.size(), part);
    at = static_cast<std::size_t>(next - ymd.data());
  }
  Guarded(
      [&] {
        vb::DateTime d = vb::DateSerial(parts[0], parts[1], parts[2]);
        Require(vb::IsDateSerial(d.Serial), "DateSerial answers a date VB holds");
        vb::Year(d);
        vb::Month(d);
        vb::Day(d);
        vb::Hour(d);
        vb::Format(vb::Variant(d), pattern);
        vb::CStr(vb::Variant(d));
        // A real calendar date is what DateSerial makes of it.
        if (vb::IsValidDate(parts[0], parts[1], parts[2])) {
          Require(vb::Year(d) == parts[0] && vb::Month(d) == parts[1] && vb::Day(d) == parts[2],
                  "DateSerial of a real date");
        }
      },
      {vb::ErrOverflow}, "DateSerial");
  Guarded([&] { vb::DateTimeSerial(parts[0], parts[1], parts[2], parts[1], parts[2], parts[0]); }, {vb::ErrOverflow},
          "DateTimeSerial");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = kr::fuzz::Parts(kr::fuzz::Text(data, size), 3);
  Numbers(parts[0], parts[1]);
  Dates(parts[0], parts[2], parts[1]);
  return 0;
}
