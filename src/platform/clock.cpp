#include "platform/clock.h"

#include <ctime>

namespace kz::platform {

std::int64_t SystemClock::Now() const {
  return static_cast<std::int64_t>(std::time(nullptr));
}

LocalDateTime SystemClock::Local() const { return LocalTimeOf(Now()); }

LocalDateTime LocalTimeOf(std::int64_t secondsSinceEpoch) {
  std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
  std::tm tm{};
  if (localtime_r(&t, &tm) == nullptr) return {1970, 1, 1, 0, 0, 0};
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
          tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

}  // namespace kz::platform
