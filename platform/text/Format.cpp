#include "platform/text/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace vb {
namespace {

// ---- Reading a pattern ----------------------------------------------------

// Walks a pattern, calling `literal(text)` for escaped and quoted text and
// `plain(index)` for every other byte, so "\#" and "\"d\"" never act as codes.
template <typename Literal, typename Plain>
void ScanPattern(std::string_view p, Literal literal, Plain plain) {
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (p[i] == '\\') {
      if (i + 1 < p.size()) literal(p.substr(++i, 1));
    } else if (p[i] == '"') {
      std::size_t end = p.find('"', i + 1);
      if (end == std::string_view::npos) end = p.size();
      literal(p.substr(i + 1, end - i - 1));
      i = end;
    } else {
      plain(i);
    }
  }
}

bool IsDateLetter(char c) {
  switch (c) {
    case 'd': case 'D': case 'm': case 'M': case 'y': case 'Y':
    case 'h': case 'H': case 'n': case 'N': case 's': case 'S':
      return true;
    default:
      return false;
  }
}

bool IsDatePattern(std::string_view p) {
  bool date = false;
  ScanPattern(p, [](std::string_view) {}, [&](std::size_t i) { date = date || IsDateLetter(p[i]); });
  return date;
}

std::vector<std::string_view> SplitSections(std::string_view p) {
  std::vector<std::string_view> out;
  std::size_t from = 0;
  ScanPattern(p, [](std::string_view) {}, [&](std::size_t i) {
    if (p[i] == ';') {
      out.push_back(p.substr(from, i - from));
      from = i + 1;
    }
  });
  out.push_back(p.substr(from));
  return out;
}

// ---- Numbers --------------------------------------------------------------

struct NumToken {
  enum Kind { Zero, Hash, Point, Comma, Literal };
  Kind What;
  std::string Text;  // for literals
};

std::vector<NumToken> ReadNumberSection(std::string_view s) {
  std::vector<NumToken> out;
  out.reserve(s.size());
  bool seenPoint = false;
  ScanPattern(s, [&](std::string_view t) { out.push_back({NumToken::Literal, std::string(t)}); },
              [&](std::size_t i) {
                char c = s[i];
                if (c == '0') {
                  out.push_back({NumToken::Zero, {}});
                } else if (c == '#') {
                  out.push_back({NumToken::Hash, {}});
                } else if (c == '.' && !seenPoint) {
                  seenPoint = true;
                  out.push_back({NumToken::Point, {}});
                } else if (c == ',') {
                  out.push_back({NumToken::Comma, {}});
                } else {
                  out.push_back({NumToken::Literal, std::string(1, c)});
                }
              });
  return out;
}

bool IsPlaceholder(const NumToken& t) { return t.What == NumToken::Zero || t.What == NumToken::Hash; }

// A non-negative number as decimal digits: the whole part without leading
// zeros ("" for zero) and the fraction.
struct Decimal {
  std::string Whole;
  std::string Fraction;
};

// The digits of `a` as its shortest text of `significant` digits shows them, so
// 1.005 rounds as the 1.005 it prints as, not as the binary 1.00499999...
Decimal ToDecimal(double a, int significant) {
  if (a == 0) return {};
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, significant - 1);
  std::string_view sci(buf, static_cast<std::size_t>(r.ptr - buf));
  std::size_t e = sci.find('e');
  int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
  std::string digits;
  for (char c : sci.substr(0, e)) {
    if (c != '.') digits += c;
  }
  Decimal d;
  if (exponent >= 0) {
    std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      d.Whole = digits + std::string(whole - digits.size(), '0');
    } else {
      d.Whole = digits.substr(0, whole);
      d.Fraction = digits.substr(whole);
    }
  } else {
    d.Fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return d;
}

// Rounds to `decimals` places, halves away from zero (the number is non-negative).
void RoundDecimal(Decimal& d, std::size_t decimals) {
  if (d.Fraction.size() > decimals) {
    bool up = d.Fraction[decimals] >= '5';
    d.Fraction.resize(decimals);
    if (up) {
      std::string all = d.Whole + d.Fraction;
      std::size_t k = all.size();
      while (k > 0 && all[k - 1] == '9') all[--k] = '0';
      if (k == 0) {
        all.insert(all.begin(), '1');
      } else {
        ++all[k - 1];
      }
      d.Whole = all.substr(0, all.size() - decimals);
      d.Fraction = all.substr(all.size() - decimals);
    }
  }
  d.Fraction.resize(decimals, '0');
  std::size_t nz = d.Whole.find_first_not_of('0');
  d.Whole = nz == std::string::npos ? std::string() : d.Whole.substr(nz);
}

// One section applied to a non-negative number.
std::string FormatSection(double a, const std::vector<NumToken>& tokens, int significant) {
  std::size_t point = 0;
  while (point < tokens.size() && tokens[point].What != NumToken::Point) ++point;
  // The whole part: placeholders, where leading zeros start, and grouping.
  std::size_t wholeSlots = 0;
  std::optional<std::size_t> firstZero;
  bool grouping = false;
  bool commaPending = false;
  for (std::size_t k = 0; k < point; ++k) {
    if (IsPlaceholder(tokens[k])) {
      if (tokens[k].What == NumToken::Zero && !firstZero) firstZero = wholeSlots;
      ++wholeSlots;
      grouping = grouping || commaPending;
    } else if (tokens[k].What == NumToken::Comma && wholeSlots > 0) {
      commaPending = true;
    }
  }
  std::size_t decimalSlots = 0;
  std::optional<std::size_t> lastZero;
  for (std::size_t k = point; k < tokens.size(); ++k) {
    if (IsPlaceholder(tokens[k])) {
      if (tokens[k].What == NumToken::Zero) lastZero = decimalSlots;
      ++decimalSlots;
    }
  }

  Decimal d = ToDecimal(a, significant);
  RoundDecimal(d, decimalSlots);
  std::size_t minDigits = firstZero ? wholeSlots - *firstZero : 0;
  std::string whole = d.Whole;
  if (whole.size() < minDigits) whole.insert(0, minDigits - whole.size(), '0');

  std::string out;
  auto emitWhole = [&](std::size_t from, std::size_t count) {
    for (std::size_t k = from; k < from + count; ++k) {
      out += whole[k];
      std::size_t fromRight = whole.size() - 1 - k;
      if (grouping && fromRight > 0 && fromRight % 3 == 0) out += ',';
    }
  };
  // Decimals show up to the last "0" placeholder, then while significant.
  std::size_t lastDigit = d.Fraction.find_last_not_of('0');
  std::size_t shown = lastZero ? *lastZero + 1 : 0;
  if (lastDigit != std::string::npos) shown = std::max(shown, lastDigit + 1);

  std::size_t slot = 0;
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    const NumToken& t = tokens[k];
    if (k < point) {
      if (t.What == NumToken::Literal) out += t.Text;
      if (!IsPlaceholder(t)) continue;
      // Digits fill from the right; the leftmost placeholder takes the excess.
      std::size_t len = whole.size();
      if (slot == 0) {
        std::size_t count = len + 1 > wholeSlots ? len + 1 - wholeSlots : 0;
        emitWhole(0, count);
      } else if (len + slot >= wholeSlots) {
        emitWhole(len + slot - wholeSlots, 1);
      }
      ++slot;
    } else if (k == point) {
      if (wholeSlots == 0) emitWhole(0, whole.size());
      out += '.';
      slot = 0;
    } else if (IsPlaceholder(t)) {
      if (slot < shown) out += d.Fraction[slot];
      ++slot;
    } else if (t.What != NumToken::Comma) {
      out += t.Text;
    }
  }
  return out;
}

std::string FormatNumber(double value, std::string_view pattern, int significant) {
  if (!std::isfinite(value)) return NumberText(value, significant);
  std::vector<std::string_view> sections = SplitSections(pattern);
  double a = std::fabs(value);
  auto apply = [&](std::string_view s) { return FormatSection(a, ReadNumberSection(s), significant); };
  if (value == 0 && sections.size() >= 3 && !sections[2].empty()) return apply(sections[2]);
  if (value < 0 && sections.size() >= 2 && !sections[1].empty()) return apply(sections[1]);
  std::string out = apply(sections[0]);
  return value < 0 ? "-" + out : out;
}

// ---- Dates ----------------------------------------------------------------

std::string Padded(int n, std::size_t width) {
  std::string t = std::to_string(n);
  return t.size() < width ? std::string(width - t.size(), '0') + t : t;
}

std::string FormatDate(DateTime d, std::string_view p) {
  // Plain bytes of the pattern in order, with escaped and quoted text between them.
  struct Piece {
    bool Literal;
    std::string_view Text;
  };
  std::vector<Piece> pieces;
  ScanPattern(p, [&](std::string_view t) { pieces.push_back({true, t}); },
              [&](std::size_t i) { pieces.push_back({false, p.substr(i, 1)}); });

  std::string out;
  bool afterHour = false;  // "m" right after "h" is the minute
  for (std::size_t k = 0; k < pieces.size();) {
    if (pieces[k].Literal || !IsDateLetter(pieces[k].Text[0])) {
      out += pieces[k++].Text;
      continue;
    }
    char c = pieces[k].Text[0];
    char letter = static_cast<char>(c | 0x20);
    std::size_t run = 1;
    while (k + run < pieces.size() && !pieces[k + run].Literal && (pieces[k + run].Text[0] | 0x20) == letter) ++run;
    bool hour = false;
    if (letter == 'd' && run <= 2) {
      out += Padded(Day(d), run);
    } else if (letter == 'm' && run <= 2) {
      out += Padded(afterHour ? Minute(d) : Month(d), run);
    } else if (letter == 'y' && (run == 2 || run == 4)) {
      out += run == 2 ? Padded(Year(d) % 100, 2) : Padded(Year(d), 4);
    } else if (letter == 'h' && run <= 2) {
      out += Padded(Hour(d), run);
      hour = true;
    } else if (letter == 'n' && run <= 2) {
      out += Padded(Minute(d), run);
    } else if (letter == 's' && run <= 2) {
      out += Padded(Second(d), run);
    } else {
      for (std::size_t j = 0; j < run; ++j) out += pieces[k + j].Text;
    }
    afterHour = hour;
    k += run;
  }
  return out;
}

}  // namespace

std::string Format(const Variant& value, std::string_view pattern) {
  if (value.IsNull() || value.IsEmpty()) return "";
  if (pattern.empty()) return TextOf(value);
  int significant = value.Type() == VarType::Single ? 7 : 15;
  bool datePattern = IsDatePattern(pattern);

  std::optional<DateTime> date;
  std::optional<double> number;
  if (value.IsString()) {
    number = ParseNumber(value.StringValue());
    if (!number) date = ParseDate(Trim(value.StringValue()));
    if (!number && !date) return value.StringValue();
  } else if (value.Type() == VarType::Date) {
    date = value.DateValue();
  } else {
    number = value.NumberValue();
  }

  if (datePattern) {
    if (!date) {
      if (!IsDateSerial(*number)) return TextOf(value);
      date = DateTime{*number};
    }
    return FormatDate(*date, pattern);
  }
  return FormatNumber(number ? *number : date->Serial, pattern, significant);
}

}  // namespace vb
