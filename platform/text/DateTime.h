//===- DateTime.h - VB dates: serial days since 30/12/1899 ---------------===//
#pragma once

#include <optional>
#include <string_view>

namespace vb {

/// A VB Date: whole days since 30 December 1899, the fraction the time of day.
struct DateTime {
  double Serial = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

/// The date of a year, month and day; months and days out of range roll
/// over as VB's DateSerial does (month 13 is January of the next year, day 0
/// the last day of the month before); a year 0-29 is 2000-2029, 30-99 1930-1999.
DateTime DateSerial(int year, int month, int day);
/// A date with a time of day.
DateTime DateTimeSerial(int year, int month, int day, int hour, int minute, int second);

int Year(DateTime d);
int Month(DateTime d);
int Day(DateTime d);
int Hour(DateTime d);
int Minute(DateTime d);
int Second(DateTime d);

/// Today, without a time of day (VB's Date).
DateTime Today();
/// The current date and time (VB's Now).
DateTime Now();
/// The current time of day, without a date (VB's Time).
DateTime TimeOfDay();

/// Fixes the clock that Now, Today and TimeOfDay read at `at`; nothing
/// gives back the machine's clock. Tests use it through FixedClock.
void SetClock(std::optional<DateTime> at);

/// Fixes the clock for as long as it lives, then gives back the one before.
class FixedClock {
 public:
  explicit FixedClock(DateTime at);
  ~FixedClock();
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

 private:
  std::optional<DateTime> Before_;
};

/// Whole days from `from` to `to` (DateDiff "d").
long DateDiffDays(DateTime from, DateTime to);

/// A "dd/mm/yyyy" text read strictly: two digits, "/", two digits, "/",
/// four digits, and a real calendar date. Nothing else is accepted.
std::optional<DateTime> ParseDate(std::string_view ddmmyyyy);

/// True for a real calendar date.
bool IsValidDate(int year, int month, int day);

/// True for a serial date VB holds: 01/01/100 to 31/12/9999, times included.
/// Year, Month, Day, Hour, ... of any other raise error 6, as DateSerial
/// does when its date would fall outside.
bool IsDateSerial(double serial);

}  // namespace vb
