// Clock, local date and the message beep.
#include "platform/clock.h"

#include <time.h>

#include "platform/internal.h"
#include "platform/text.h"

namespace platform {

std::uint32_t tick_count() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  auto ms = static_cast<std::uint64_t>(t.tv_sec) * 1000u + static_cast<std::uint64_t>(t.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(ms);
}

LocalTime local_time() {
  time_t now = time(nullptr);
  tm parts{};
  localtime_r(&now, &parts);
  LocalTime t;
  t.year = parts.tm_year + 1900;
  t.month = parts.tm_mon + 1;
  t.day = parts.tm_mday;
  t.hour = parts.tm_hour;
  t.minute = parts.tm_min;
  t.second = parts.tm_sec;
  t.day_of_week = parts.tm_wday;
  return t;
}

std::string long_date(const LocalTime& t) {
  static const char* const kMonths[] = {"January", "February", "March",     "April",
                                        "May",     "June",     "July",      "August",
                                        "September", "October", "November", "December"};
  const char* month = (t.month >= 1 && t.month <= 12) ? kMonths[t.month - 1] : "";
  return text::format("%s %d, %04d", month, t.day, t.year);
}

void message_beep(int type) { internal::note(text::format("beep %d", type)); }

}  // namespace platform
