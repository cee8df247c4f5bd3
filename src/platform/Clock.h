#pragma once
// The local clock and the user's time settings.
#include <optional>
#include <string>

namespace platform {

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class IClock {
 public:
  virtual ~IClock() = default;
  virtual TimeOfDay LocalTime() = 0;
  // The time separator of the user's locale; nothing when it cannot be read.
  virtual std::optional<std::string> TimeSeparator() = 0;
};

}  // namespace platform
