#include "platform/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

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

// The tick count is the monotonic clock in milliseconds (cut to 32 bits):
// a reading lies between the steady clock's readings around it, and
// readings one after another never go back.
TEST(Clock, TickCountIsMonotonicMilliseconds) {
  auto steady_ms = [] {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
  };
  std::uint32_t before = steady_ms();
  std::uint32_t tick = platform::tick_count();
  std::uint32_t after = steady_ms();
  // Differences in unsigned arithmetic, so that a wrap of the count between
  // the readings changes nothing.
  EXPECT_LE(tick - before, after - before);

  std::uint32_t last = platform::tick_count();
  for (int i = 0; i < 10000; ++i) {
    std::uint32_t now = platform::tick_count();
    ASSERT_LT(now - last, 0x80000000u) << "the tick count went back";
    last = now;
  }
}

// The local time is the system's, taken between two readings of it (so that
// a change of day in between does not fail the test).
TEST(Clock, LocalTimeIsNow) {
  auto parts_now = [] {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts;
  };
  std::tm before = parts_now();
  platform::LocalTime t = platform::local_time();
  std::tm after = parts_now();
  auto same = [&](const std::tm& p) {
    return t.year == p.tm_year + 1900 && t.month == p.tm_mon + 1 && t.day == p.tm_mday &&
           t.day_of_week == p.tm_wday && t.hour == p.tm_hour;
  };
  EXPECT_TRUE(same(before) || same(after))
      << t.year << "-" << t.month << "-" << t.day << " " << t.hour << "h, day " << t.day_of_week;
  EXPECT_LE(t.minute, 59);
  EXPECT_LE(t.second, 60);
}

class Beep : public tw_test::Fixture {};

TEST_F(Beep, IsNotedInTheTranscript) {
  platform::message_beep(0);
  platform::message_beep(0x30);
  EXPECT_EQ(ui().transcript(), (std::vector<std::string>{"beep 0", "beep 48"}));
}

}  // namespace
