// Clock, local date and the message beep.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

struct LocalTime {
  int year = 1970, month = 1, day = 1;  // month 1-12
  int hour = 0, minute = 0, second = 0;
  int day_of_week = 4;                  // 0 Sunday
};

// Milliseconds since an arbitrary start, monotonic (GetTickCount).
std::uint32_t tick_count();
LocalTime local_time();
// The long-date picture "MMMM d, yyyy" (English month names), e.g. "March 5, 1998".
std::string long_date(const LocalTime& t);
// MessageBeep: noted in the UI host's transcript as "beep N".
void message_beep(int type);

}  // namespace platform
