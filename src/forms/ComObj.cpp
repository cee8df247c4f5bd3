#include "forms/ComObj.h"

#include "rtl/CodePage.h"
#include "rtl/Exceptions.h"

void OleCheck(const platform::EngineResult& result) {
  if (result.Failed()) throw EOleException(result.code, WideToAnsi(result.description));
}
