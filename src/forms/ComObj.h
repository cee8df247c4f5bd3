#pragma once
// Result codes of the web control turned into the class library's errors.
#include "platform/WebEngine.h"

// Raises EOleException when the result reports a failure.
void OleCheck(const platform::EngineResult& result);
