#include "platform/SystemClock.h"

#include <langinfo.h>

#include <chrono>
#include <clocale>
#include <ctime>

namespace platform {

namespace {

// The text between the hour and the minute in the locale's time format
// ("%H:%M:%S" gives ":"); nothing when the format has no such pair.
std::optional<std::string> ReadTimeSeparator() {
  std::setlocale(LC_TIME, "");
  const std::string format = nl_langinfo(T_FMT);
  const size_t hour = format.find_first_of("HIkl", format.find('%'));
  if (hour == std::string::npos) return std::nullopt;
  const size_t minute = format.find("%M", hour);
  if (minute == std::string::npos) return std::nullopt;
  return format.substr(hour + 1, minute - hour - 1);
}

}  // namespace

SystemClock::SystemClock() : separator_(ReadTimeSeparator()) {}

TimeOfDay SystemClock::LocalTime() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return {local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms)};
}

}  // namespace platform
