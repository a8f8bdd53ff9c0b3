#include "platform/text/DateTime.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(DateTime, SerialDays) {
  EXPECT_EQ(DateSerial(1899, 12, 30).Serial, 0);
  EXPECT_EQ(DateSerial(1900, 1, 1).Serial, 2);
  EXPECT_EQ(DateSerial(2002, 12, 31).Serial, 37621);
  EXPECT_EQ(DateSerial(1899, 12, 29).Serial, -1);
  DateTime d = DateTimeSerial(2004, 2, 29, 13, 45, 30);
  EXPECT_EQ(Year(d), 2004);
  EXPECT_EQ(Month(d), 2);
  EXPECT_EQ(Day(d), 29);
  EXPECT_EQ(Hour(d), 13);
  EXPECT_EQ(Minute(d), 45);
  EXPECT_EQ(Second(d), 30);
}

TEST(DateTime, DateSerialRollsOver) {
  struct Case {
    int Y, M, D;
    int Year, Month, Day;
  };
  const Case cases[] = {
      {2002, 13, 1, 2003, 1, 1},   {2002, 0, 1, 2001, 12, 1},    {2002, -11, 1, 2001, 1, 1},
      {2002, -12, 1, 2000, 12, 1}, {2002, 25, 1, 2004, 1, 1},    {2002, 3, 0, 2002, 2, 28},
      {2004, 3, 0, 2004, 2, 29},   {2002, 1, 32, 2002, 2, 1},    {2002, 12, 32, 2003, 1, 1},
      {2002, 1, -30, 2001, 12, 1}, {1990 - 10, 8 - 2, 1 - 1, 1980, 5, 31},
      // Two-digit years, as VB's window reads them.
      {2, 1, 1, 2002, 1, 1},       {29, 12, 31, 2029, 12, 31},   {30, 1, 1, 1930, 1, 1},
      {99, 13, 1, 2000, 1, 1},
  };
  for (const Case& c : cases) {
    DateTime d = DateSerial(c.Y, c.M, c.D);
    EXPECT_EQ(Year(d), c.Year) << c.Y << "-" << c.M << "-" << c.D;
    EXPECT_EQ(Month(d), c.Month) << c.Y << "-" << c.M << "-" << c.D;
    EXPECT_EQ(Day(d), c.Day) << c.Y << "-" << c.M << "-" << c.D;
  }
}

TEST(DateTime, ParseDateIsStrict) {
  EXPECT_EQ(ParseDate("31/12/2002"), DateSerial(2002, 12, 31));
  EXPECT_EQ(ParseDate("29/02/2004"), DateSerial(2004, 2, 29));
  for (const char* bad : {"29/02/2003", "31/04/2002", "00/01/2002", "01/13/2002", "1/12/2002", "01/12/02",
                          "01-12-2002", " 01/12/2002", "01/12/2002 ", "aa/bb/cccc", "", "29/02/1900"}) {
    EXPECT_FALSE(ParseDate(bad).has_value()) << '"' << bad << '"';
  }
}

TEST(DateTime, DifferencesInDays) {
  EXPECT_EQ(DateDiffDays(DateSerial(2002, 1, 1), DateSerial(2002, 12, 31)), 364);
  EXPECT_EQ(DateDiffDays(DateSerial(2004, 12, 31), DateSerial(2004, 1, 1)), -365);
  // The time of day does not count.
  EXPECT_EQ(DateDiffDays(DateTimeSerial(2002, 1, 1, 23, 0, 0), DateTimeSerial(2002, 1, 2, 1, 0, 0)), 1);
}

TEST(DateTime, TodayIsNowWithoutTheTime) {
  DateTime today = Today();
  DateTime now = Now();
  EXPECT_EQ(today.Serial, static_cast<double>(static_cast<long>(today.Serial)));
  EXPECT_GE(now.Serial, today.Serial);
  EXPECT_LE(now.Serial - today.Serial, 2.0);  // allows for a run across midnight
}

TEST(DateTime, AFixedClockIsWhatEveryReadingSees) {
  const DateTime before = Now();
  {
    FixedClock clock(DateTimeSerial(2003, 4, 15, 9, 30, 5));
    EXPECT_EQ(Now(), DateTimeSerial(2003, 4, 15, 9, 30, 5));
    EXPECT_EQ(Today(), DateSerial(2003, 4, 15));
    EXPECT_EQ(Hour(TimeOfDay()), 9);
    EXPECT_EQ(Minute(TimeOfDay()), 30);
    EXPECT_EQ(Second(TimeOfDay()), 5);
    EXPECT_LT(TimeOfDay().Serial, 1.0);
    {
      FixedClock inner(DateSerial(1999, 12, 31));
      EXPECT_EQ(Today(), DateSerial(1999, 12, 31));
    }
    EXPECT_EQ(Today(), DateSerial(2003, 4, 15));
  }
  EXPECT_GE(Now().Serial, before.Serial);  // the machine's clock again
}

}  // namespace
}  // namespace vb
