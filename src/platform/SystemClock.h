#pragma once
// The machine's local clock and the time separator of the user's locale.
#include "platform/Clock.h"

namespace platform {

class SystemClock : public IClock {
 public:
  // The separator is read once, at start.
  SystemClock();
  TimeOfDay LocalTime() override;
  std::optional<std::string> TimeSeparator() override { return separator_; }

 private:
  std::optional<std::string> separator_;
};

}  // namespace platform
