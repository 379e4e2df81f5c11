#include "tests/support/failing_stream.h"

#include <algorithm>
#include <cerrno>

namespace lumora::test {

std::int32_t FailingStream::Write(const void* Buffer, std::int32_t Count) {
  const std::int64_t room = std::max<std::int64_t>(limit_ - inner_.Size(), 0);
  if (Count <= room) return inner_.Write(Buffer, Count);
  inner_.Write(Buffer, static_cast<std::int32_t>(room));
  throw EWriteError("Stream write error: " + SystemErrorText(ENOSPC));
}

}  // namespace lumora::test
