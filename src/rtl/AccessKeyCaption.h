#pragma once
// A caption with an access key: "&" marks the key ("&Soubor" has the key S),
// "&&" stands for one "&", and only the first marker counts.
#include "rtl/AnsiString.h"

struct AccessKeyCaption {
  AnsiString text;    // as shown, without the markers
  int keyIndex = -1;  // where the key's character stands in text; -1 when there is none

  static AccessKeyCaption Parse(const AnsiString& caption);
};
