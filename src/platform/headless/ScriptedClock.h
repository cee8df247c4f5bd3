#pragma once
// A clock a test sets.
#include "platform/Clock.h"

namespace platform::headless {

class ScriptedClock : public IClock {
 public:
  TimeOfDay now;
  std::optional<std::string> separator = ":";
  TimeOfDay LocalTime() override { return now; }
  std::optional<std::string> TimeSeparator() override { return separator; }
};

}  // namespace platform::headless
