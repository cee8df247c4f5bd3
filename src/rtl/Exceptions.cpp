#include "rtl/Exceptions.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "rtl/Files.h"
#include "rtl/HResult.h"

namespace {

struct SystemText {
  std::int32_t code;
  const char* text;
};

// What the system says for the codes a web control commonly returns.
constexpr std::array<SystemText, 6> kSystemTexts = {{
    {hresult::Fail, "Unspecified error"},
    {hresult::NotImplemented, "Not implemented"},
    {hresult::InvalidArgument, "The parameter is incorrect."},
    {hresult::Abort, "Operation aborted"},
    {hresult::Unexpected, "Catastrophic failure"},
    {hresult::OutOfMemory, "Not enough storage is available to complete this operation."},
}};

AnsiString SystemTextFor(int code) {
  for (const auto& entry : kSystemTexts) {
    if (entry.code == code) return entry.text;
  }
  return {};
}

AnsiString OleMessage(int code, const AnsiString& description) {
  AnsiString message = TrimErrorText(description);
  if (message.empty()) message = TrimErrorText(SystemTextFor(code));
  if (message.empty()) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "OLE error %.8X", static_cast<unsigned>(code));
    message = buffer;
  }
  return message;
}

AnsiString FileMessage(const char* action, const AnsiString& fileName, int errnoValue) {
  return AnsiString(action) + " \"" + ExpandFileName(fileName) + "\". " + SysErrorMessage(errnoValue);
}

}  // namespace

EFOpenError::EFOpenError(const AnsiString& fileName, int errnoValue)
    : Exception(FileMessage("Cannot open file", fileName, errnoValue)) {}

EFCreateError::EFCreateError(const AnsiString& fileName, int errnoValue)
    : Exception(FileMessage("Cannot create file", fileName, errnoValue)) {}

EOleException::EOleException(int errorCode, const AnsiString& description)
    : Exception(OleMessage(errorCode, description)), ErrorCode(errorCode) {}
