#include "rtl/Exceptions.h"

#include <gtest/gtest.h>

#include "rtl/HResult.h"

TEST(EOleException, MessageFallsBackFromDescriptionToSystemTextToCode) {
  const EOleException described(hresult::Fail, "Bad thing.  \r\n");
  EXPECT_EQ(described.Message, "Bad thing");
  EXPECT_STREQ(described.what(), "Bad thing");
  EXPECT_EQ(described.ErrorCode, hresult::Fail);

  EXPECT_EQ(EOleException(hresult::InvalidArgument, "").Message, "The parameter is incorrect");
  EXPECT_EQ(EOleException(hresult::OutOfMemory, " .\r\n").Message,
            "Not enough storage is available to complete this operation");
  EXPECT_EQ(EOleException(hresult::Unexpected, "").Message, "Catastrophic failure");
  EXPECT_EQ(EOleException(static_cast<int>(0x80041234u), "").Message, "OLE error 80041234");
  EXPECT_EQ(EOleException(0x1A, "").Message, "OLE error 0000001A");
}
