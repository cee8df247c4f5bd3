#include "rtl/TimeFormat.h"

namespace {

AnsiString Number(int value, bool twoDigits) {
  AnsiString text = std::to_string(value);
  return twoDigits && text.size() < 2 ? "0" + text : text;
}

int FieldOf(char specifier, const TTime& time) {
  switch (specifier) {
    case 'h': return time.Hour;
    case 'n': return time.Minute;
    default: return time.Second;
  }
}

}  // namespace

AnsiString EffectiveTimeSeparator(const std::optional<std::string>& localeSeparator) {
  if (!localeSeparator || localeSeparator->size() > 1) return ":";
  return *localeSeparator;
}

AnsiString FormatTime(const AnsiString& format, const TTime& time, const AnsiString& separator) {
  AnsiString text;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == ':') {
      text += separator;
    } else if (c == 'h' || c == 'n' || c == 's') {
      const bool twoDigits = i + 1 < format.size() && format[i + 1] == c;
      text += Number(FieldOf(c, time), twoDigits);
      if (twoDigits) ++i;
    } else {
      text += c;
    }
  }
  return text;
}
