#pragma once

#include <cstdint>
#include <string>

#include "foundation/streams.h"

namespace lumora::test {

// A memory stream that accepts the first Limit bytes written and then fails
// the way a full disk does: the write that crosses the limit stores what still
// fits and raises EWriteError("Stream write error: No space left on device").
class FailingStream final : public TStream {
 public:
  explicit FailingStream(std::int64_t limit) : limit_(limit) {}

  std::int32_t Read(void* Buffer, std::int32_t Count) override { return inner_.Read(Buffer, Count); }
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override {
    return inner_.Seek(Offset, Origin);
  }
  std::int64_t Size() override { return inner_.Size(); }

  const std::string& Bytes() const { return inner_.Bytes(); }

 private:
  std::int64_t limit_;
  TMemoryStream inner_;
};

}  // namespace lumora::test
