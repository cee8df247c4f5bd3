#include "rtl/AccessKeyCaption.h"

AccessKeyCaption AccessKeyCaption::Parse(const AnsiString& caption) {
  AccessKeyCaption result;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] != '&' && result.keyIndex < 0) result.keyIndex = static_cast<int>(result.text.size());
    }
    result.text += caption[i];
  }
  return result;
}
