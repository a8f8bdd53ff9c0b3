#include "platform/text/Number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/text/Error.h"

namespace vb {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The exponent of a decimal text ("e", a sign, digits), held to +-1E+9: far
// beyond any Double either way, and no sum with it can overflow.
long Exponent(std::string_view digits) {
  constexpr long kLimit = 1000000000;
  bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  long value = 0;
  for (char c : digits) {
    value = std::min(kLimit, value * 10 + (c - '0'));
  }
  return negative ? -value : value;
}

// True when a decimal text that from_chars found out of range is too large
// (rather than too close to zero): its magnitude is at least 1E+300.
bool TooLarge(const std::string& clean) {
  std::size_t e = clean.find('e');
  std::string_view mantissa = std::string_view(clean).substr(0, e);
  long exponent = e == std::string::npos ? 0 : Exponent(std::string_view(clean).substr(e + 1));
  std::size_t point = mantissa.find('.');
  if (point == std::string::npos) point = mantissa.size();
  std::size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string::npos) return false;
  // Position of the first significant digit relative to the point; a text
  // longer than a billion digits is beyond a Double anyway.
  constexpr std::size_t kLimit = 1000000000;
  long before = static_cast<long>(std::min(kLimit, point > first ? point - first : 0));
  long after = static_cast<long>(std::min(kLimit, first > point ? first - point : 0));
  long magnitude = first < point ? before : -after + 1;
  return magnitude + exponent > 0;
}

// Parses a plain decimal (digits, point, digits, exponent) held in `clean`;
// a number too close to zero for a Double reads as 0, one too large as nothing.
std::optional<double> ParsePlain(const std::string& clean) {
  if (clean.empty()) return std::nullopt;
  double value = 0;
  const char* first = clean.data();
  const char* last = clean.data() + clean.size();
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range && ptr == last) {
    if (TooLarge(clean)) return std::nullopt;
    return 0.0;
  }
  if (ec != std::errc() || ptr != last) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return std::nullopt;
  std::size_t e = s.find_last_not_of(" \t");
  s = s.substr(b, e - b + 1);

  bool negative = false;
  if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
    negative = true;
    s = s.substr(1, s.size() - 2);
  }
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    if (s[0] == '-') negative = !negative;
    s = s.substr(1);
    std::size_t nb = s.find_first_not_of(' ');
    if (nb == std::string_view::npos) return std::nullopt;
    s = s.substr(nb);
  }

  // Mantissa: digits and grouping commas, then an optional point and digits.
  std::string clean;
  std::size_t i = 0;
  bool digits = false;
  while (i < s.size() && (IsDigit(s[i]) || s[i] == ',')) {
    if (s[i] != ',') {
      clean += s[i];
      digits = true;
    } else if (!digits) {
      return std::nullopt;
    }
    ++i;
  }
  if (i < s.size() && s[i] == '.') {
    clean += '.';
    ++i;
    while (i < s.size() && IsDigit(s[i])) {
      clean += s[i++];
      digits = true;
    }
  }
  if (!digits) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    clean += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) clean += s[i++];
    bool expDigits = false;
    while (i < s.size() && IsDigit(s[i])) {
      clean += s[i++];
      expDigits = true;
    }
    if (!expDigits) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  if (clean.front() == '.') clean.insert(clean.begin(), '0');
  std::optional<double> v = ParsePlain(clean);
  if (!v) return std::nullopt;
  return negative ? -*v : *v;
}

double Val(std::string_view s) {
  // Blanks (and tabs, line feeds) are skipped anywhere, as VB's Val does.
  std::string t;
  for (char c : s) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') t += c;
  }
  std::size_t i = 0;
  std::string clean;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    if (t[i] == '-') clean += '-';
    ++i;
  }
  bool digits = false;
  while (i < t.size() && IsDigit(t[i])) {
    clean += t[i++];
    digits = true;
  }
  if (i < t.size() && t[i] == '.') {
    clean += '.';
    ++i;
    while (i < t.size() && IsDigit(t[i])) {
      clean += t[i++];
      digits = true;
    }
  }
  if (!digits) return 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) exp += t[j++];
    bool expDigits = false;
    while (j < t.size() && IsDigit(t[j])) {
      exp += t[j++];
      expDigits = true;
    }
    if (expDigits) clean += exp;
  }
  std::string body = clean;
  bool neg = !body.empty() && body[0] == '-';
  if (neg) body.erase(0, 1);
  if (!body.empty() && body[0] == '.') body.insert(body.begin(), '0');
  std::optional<double> value = ParsePlain(body);
  if (!value) Raise(ErrOverflow);
  return neg ? -*value : *value;
}

std::string NumberText(double value, int significant) {
  if (value == 0) return "0";
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-1.#INF" : "1.#INF";
  // A whole number of fewer digits than asked for is its digits as they
  // stand; lists write thousands of them, so it skips the general conversion.
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (significant >= 1 && significant <= 15 && std::fabs(value) < kPowers[significant] &&
      value == std::trunc(value)) {
    return std::to_string(static_cast<long long>(value));
  }
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
  std::string sci(buf, r.ptr);
  bool negative = sci[0] == '-';
  if (negative) sci.erase(0, 1);
  std::size_t ePos = sci.find('e');
  int exponent = std::atoi(sci.c_str() + ePos + 1);
  std::string digits;
  for (std::size_t k = 0; k < ePos; ++k) {
    if (sci[k] != '.') digits += sci[k];
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out;
  if (exponent >= significant || exponent < -5) {
    out = digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += exponent < 0 ? "E-" : "E+";
    int a = std::abs(exponent);
    out += (a < 10 ? "0" : "") + std::to_string(a);
  } else if (exponent < 0) {
    out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out = digits + std::string(whole - digits.size(), '0');
    } else {
      out = digits.substr(0, whole) + "." + digits.substr(whole);
    }
  }
  return negative ? "-" + out : out;
}

std::string Str(double value) {
  std::string t = NumberText(value);
  // Str writes no zero before the point: 0.5 is " .5", -0.5 is "-.5".
  std::size_t digit = t[0] == '-' ? 1 : 0;
  if (t.compare(digit, 2, "0.") == 0) t.erase(digit, 1);
  return value >= 0 ? " " + t : t;
}

double RoundHalfEven(double value) {
  double r = std::nearbyint(value);  // the default rounding mode is half to even
  if (std::fabs(value - std::trunc(value)) == 0.5) {
    double t = std::trunc(value);
    r = std::fmod(t, 2.0) == 0 ? t : t + (value > 0 ? 1 : -1);
  }
  return r;
}

double Round(double value, int digits) {
  if (digits < 0) Raise(ErrInvalidCall);
  if (digits == 0) return RoundHalfEven(value);
  double scale = std::pow(10.0, digits);
  return RoundHalfEven(value * scale) / scale;
}

double Abs(double value) { return std::fabs(value); }
double Int(double value) { return std::floor(value); }
double Fix(double value) { return std::trunc(value); }

}  // namespace vb
