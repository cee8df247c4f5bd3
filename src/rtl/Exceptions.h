#pragma once
// The exceptions the program raises and reports to the user.
#include <exception>
#include <utility>

#include "rtl/AnsiString.h"

class Exception : public std::exception {
 public:
  explicit Exception(AnsiString message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }

  AnsiString Message;
};

// "Cannot open file "<full path>". <system text>"
class EFOpenError : public Exception {
 public:
  using Exception::Exception;
  EFOpenError(const AnsiString& fileName, int errnoValue);
};

// "Cannot create file "<full path>". <system text>"
class EFCreateError : public Exception {
 public:
  using Exception::Exception;
  EFCreateError(const AnsiString& fileName, int errnoValue);
};

class EWriteError : public Exception {
 public:
  EWriteError() : Exception("Stream write error") {}
};

class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

// A list asked for an entry it does not have, or for an operation its
// current mode forbids.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// A failure a web control reported as a result code.
class EOleException : public Exception {
 public:
  // The message is the control's description, else the system's text for
  // the code, else "OLE error XXXXXXXX".
  EOleException(int errorCode, const AnsiString& description);

  int ErrorCode;
};

// Raised to stop an operation quietly: the report shows nothing for it.
class EAbort : public Exception {
 public:
  EAbort() : Exception("Operation aborted") {}
};

class EZeroDivide : public Exception {
 public:
  EZeroDivide() : Exception("Floating point division by zero") {}
};

class EInvalidOp : public Exception {
 public:
  EInvalidOp() : Exception("Invalid floating point operation") {}
};
