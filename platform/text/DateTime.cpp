#include "platform/text/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>

#include "platform/text/Error.h"

namespace vb {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

struct Civil {
  int Year;
  int Month;
  int Day;
};

Civil CivilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long y = static_cast<long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 30/12/1899 is serial 0; 01/01/1970 is serial 25569.
constexpr long kUnixEpochSerial = 25569;

// The dates VB holds: 01/01/100 (serial -657434) to 31/12/9999 (2958465).
constexpr long kFirstSerial = -657434;
constexpr long kLastSerial = 2958465;

// The whole days of a date; error 6 for one VB cannot hold (NaN included).
long WholeDays(DateTime d) {
  if (!IsDateSerial(d.Serial)) Raise(ErrOverflow);
  return static_cast<long>(std::floor(d.Serial));
}

long SecondsOfDay(DateTime d) {
  WholeDays(d);  // the range check
  double frac = d.Serial - std::floor(d.Serial);
  long s = std::lround(frac * 86400.0);
  return s >= 86400 ? 86399 : s;
}

}  // namespace

DateTime DateSerial(int year, int month, int day) {
  // A two-digit year lies in the window 1930-2029, as VB reads one by default.
  // The arithmetic is in 64 bits, so no int at its limit can overflow it.
  std::int64_t y = year >= 0 && year <= 99 ? year + (year < 30 ? 2000 : 1900) : year;
  const std::int64_t months = std::int64_t{month} - 1;
  y += months >= 0 ? months / 12 : -((11 - months) / 12);
  const std::int64_t m = (months % 12 + 12) % 12 + 1;
  // Beyond these years even a day of +-2^31 cannot bring the date back into range.
  if (y < -6000000 || y > 6000000) Raise(ErrOverflow);
  const std::int64_t days = DaysFromCivil(static_cast<long>(y), static_cast<unsigned>(m), 1) + (std::int64_t{day} - 1);
  if (days + kUnixEpochSerial < kFirstSerial || days + kUnixEpochSerial > kLastSerial) Raise(ErrOverflow);
  return DateTime{static_cast<double>(days + kUnixEpochSerial)};
}

DateTime DateTimeSerial(int year, int month, int day, int hour, int minute, int second) {
  DateTime d = DateSerial(year, month, day);
  d.Serial += (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  return d;
}

int Year(DateTime d) { return CivilFromDays(WholeDays(d) - kUnixEpochSerial).Year; }
int Month(DateTime d) { return CivilFromDays(WholeDays(d) - kUnixEpochSerial).Month; }
int Day(DateTime d) { return CivilFromDays(WholeDays(d) - kUnixEpochSerial).Day; }
int Hour(DateTime d) { return static_cast<int>(SecondsOfDay(d) / 3600); }
int Minute(DateTime d) { return static_cast<int>(SecondsOfDay(d) / 60 % 60); }
int Second(DateTime d) { return static_cast<int>(SecondsOfDay(d) % 60); }

namespace {
std::optional<DateTime>& Fixed() {
  static std::optional<DateTime> fixed;
  return fixed;
}
}  // namespace

void SetClock(std::optional<DateTime> at) { Fixed() = at; }

FixedClock::FixedClock(DateTime at) : Before_(Fixed()) { Fixed() = at; }
FixedClock::~FixedClock() { Fixed() = Before_; }

DateTime Now() {
  if (Fixed()) return *Fixed();
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return DateTimeSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec);
}

DateTime Today() { return DateTime{std::floor(Now().Serial)}; }

DateTime TimeOfDay() {
  const double serial = Now().Serial;
  return DateTime{serial - std::floor(serial)};
}

long DateDiffDays(DateTime from, DateTime to) { return WholeDays(to) - WholeDays(from); }

bool IsDateSerial(double serial) { return serial >= kFirstSerial && serial < kLastSerial + 1; }

bool IsValidDate(int year, int month, int day) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= last;
}

std::optional<DateTime> ParseDate(std::string_view s) {
  if (s.size() != 10 || s[2] != '/' || s[5] != '/') return std::nullopt;
  auto digits = [&](std::size_t from, std::size_t count, int& value) {
    value = 0;
    for (std::size_t k = from; k < from + count; ++k) {
      if (s[k] < '0' || s[k] > '9') return false;
      value = value * 10 + (s[k] - '0');
    }
    return true;
  };
  int d = 0, m = 0, y = 0;
  if (!digits(0, 2, d) || !digits(3, 2, m) || !digits(6, 4, y)) return std::nullopt;
  if (!IsValidDate(y, m, d)) return std::nullopt;
  return DateSerial(y, m, d);
}

}  // namespace vb
