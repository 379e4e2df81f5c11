#include "foundation/exceptions.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(Exceptions, LogLinesNameTheErrorClass) {
  EXPECT_EQ(ExceptionClassName(EFCreateError("x")), "EFCreateError");
  EXPECT_EQ(ExceptionClassName(Exception("x")), "Exception");
  EXPECT_EQ(ExceptionClassName(std::out_of_range("x")), "std::out_of_range");
  const EInOutError& base = EFOpenError("y");
  EXPECT_EQ(ExceptionClassName(base), "EFOpenError");
}

}  // namespace
}  // namespace lumora
