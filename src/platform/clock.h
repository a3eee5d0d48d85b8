// The system time: whole seconds since the epoch and the local date and time.
#pragma once

#include <cstdint>

namespace kz::platform {

struct LocalDateTime {
  int year;
  int month;   // 1..12
  int day;     // 1..31
  int hour;    // 0..23
  int minute;  // 0..59
  int second;  // 0..60
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t Now() const = 0;
  virtual LocalDateTime Local() const = 0;
};

// The real clock.
class SystemClock final : public Clock {
 public:
  std::int64_t Now() const override;
  LocalDateTime Local() const override;
};

// Local date and time of a moment, by the system's time zone.
LocalDateTime LocalTimeOf(std::int64_t secondsSinceEpoch);

}  // namespace kz::platform
