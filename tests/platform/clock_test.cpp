#include "platform/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "support/test_support.h"

namespace {

platform::LocalTime date(int year, int month, int day) {
  platform::LocalTime t;
  t.year = year;
  t.month = month;
  t.day = day;
  return t;
}

TEST(Clock, LongDate) {
  EXPECT_EQ(platform::long_date(date(1998, 3, 5)), "March 5, 1998");
  EXPECT_EQ(platform::long_date(date(2001, 12, 31)), "December 31, 2001");
  EXPECT_EQ(platform::long_date(date(1997, 1, 1)), "January 1, 1997");
  EXPECT_EQ(platform::long_date(date(1999, 9, 15)), "September 15, 1999");
}

TEST(Clock, TickCountIsMonotonicMilliseconds) {
  std::uint32_t a = platform::tick_count();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  std::uint32_t b = platform::tick_count();
  EXPECT_GE(b - a, 25u);
  EXPECT_LT(b - a, 5000u);
}

TEST(Clock, LocalTimeIsNow) {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  platform::LocalTime t = platform::local_time();
  EXPECT_EQ(t.year, parts.tm_year + 1900);
  EXPECT_EQ(t.month, parts.tm_mon + 1);
  EXPECT_GE(t.day, 1);
  EXPECT_LE(t.day, 31);
  EXPECT_GE(t.day_of_week, 0);
  EXPECT_LE(t.day_of_week, 6);
  EXPECT_LE(t.hour, 23);
}

class Beep : public tw_test::Fixture {};

TEST_F(Beep, IsNotedInTheTranscript) {
  platform::message_beep(0);
  platform::message_beep(0x30);
  EXPECT_EQ(ui().transcript(), (std::vector<std::string>{"beep 0", "beep 48"}));
}

}  // namespace
