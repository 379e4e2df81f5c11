#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/exceptions.h"
#include "platform/file.h"

namespace lumora {

// Errors of byte streams: a read or write the file system refused.
LUMORA_DECLARE_EXCEPTION(EStreamError, Exception);
LUMORA_DECLARE_EXCEPTION(EReadError, EStreamError);
LUMORA_DECLARE_EXCEPTION(EWriteError, EStreamError);

// Where a seek counts from.
enum class TSeekOrigin : std::uint16_t { soBeginning = 0, soCurrent = 1, soEnd = 2 };

// An abstract stream of bytes with a position: the common base of files,
// memory blocks and the text streams that wrap them.
class TStream {
 public:
  virtual ~TStream() = default;
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;

  // Bytes read into Buffer: fewer than Count only at the end of the stream.
  virtual std::int32_t Read(void* Buffer, std::int32_t Count) = 0;
  // Bytes written from Buffer.
  virtual std::int32_t Write(const void* Buffer, std::int32_t Count) = 0;
  // The new position.
  virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

  virtual std::int64_t Size();
  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t Value) { Seek(Value, TSeekOrigin::soBeginning); }
};

// How a TFileStream opens its file.
enum class TFileMode {
  fmOpenRead,
  fmOpenReadWrite,
  fmCreate,
  // Created or emptied and held exclusively until the stream is destroyed:
  // another fmCreateExclusive of the same file fails meanwhile.
  fmCreateExclusive,
};

// A stream over a file of the file system; destroying it closes the file.
// Creating raises EFCreateError, opening EFOpenError ("Cannot create file
// "<path>". <reason>"); failed reads and writes raise EReadError/EWriteError.
class TFileStream final : public TStream {
 public:
  TFileStream(std::string FileName, TFileMode Mode);

  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override;

  const std::string& FileName() const { return file_name_; }

 private:
  std::string file_name_;
  platform::File file_;
};

// A stream over a block of memory that grows as it is written.
class TMemoryStream final : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string_view Bytes) : bytes_(Bytes) {}

  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(bytes_.size()); }

  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::int64_t position_ = 0;
};

}  // namespace lumora
