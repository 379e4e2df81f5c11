#include "foundation/streams.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <utility>

namespace lumora {
namespace {

platform::FileMode PlatformMode(TFileMode mode) {
  switch (mode) {
    case TFileMode::fmOpenRead:
      return platform::FileMode::kOpenRead;
    case TFileMode::fmOpenReadWrite:
      return platform::FileMode::kOpenReadWrite;
    case TFileMode::fmCreate:
      return platform::FileMode::kCreate;
    case TFileMode::fmCreateExclusive:
      return platform::FileMode::kCreateExclusive;
  }
  return platform::FileMode::kOpenRead;
}

bool Creates(TFileMode mode) {
  return mode == TFileMode::fmCreate || mode == TFileMode::fmCreateExclusive;
}

}  // namespace

std::int64_t TStream::Size() {
  const std::int64_t position = Position();
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

TFileStream::TFileStream(std::string FileName, TFileMode Mode) : file_name_(std::move(FileName)) {
  try {
    file_ = platform::File::Open(file_name_, PlatformMode(Mode));
  } catch (const std::system_error& error) {
    const std::string text = "\"" + file_name_ + "\". " + error.code().message();
    if (Creates(Mode)) throw EFCreateError("Cannot create file " + text);
    throw EFOpenError("Cannot open file " + text);
  }
}

std::int32_t TFileStream::Read(void* Buffer, std::int32_t Count) {
  if (Count <= 0) return 0;
  try {
    return static_cast<std::int32_t>(file_.Read(Buffer, Count));
  } catch (const std::system_error& error) {
    throw EReadError("Stream read error: " + error.code().message());
  }
}

std::int32_t TFileStream::Write(const void* Buffer, std::int32_t Count) {
  if (Count <= 0) return 0;
  // A refused write raises rather than returning a short count, so a full
  // disk can never pass for a written batch.
  try {
    file_.Write(Buffer, Count);
  } catch (const std::system_error& error) {
    throw EWriteError("Stream write error: " + error.code().message());
  }
  return Count;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  try {
    return file_.Seek(Offset, static_cast<int>(Origin));
  } catch (const std::system_error& error) {
    throw EStreamError("Stream seek error: " + error.code().message());
  }
}

std::int64_t TFileStream::Size() {
  try {
    return file_.Size();
  } catch (const std::system_error& error) {
    throw EStreamError("Stream size error: " + error.code().message());
  }
}

std::int32_t TMemoryStream::Read(void* Buffer, std::int32_t Count) {
  const std::int64_t available = Size() - position_;
  const std::int64_t n = std::clamp<std::int64_t>(Count, 0, std::max<std::int64_t>(available, 0));
  if (n > 0) std::memcpy(Buffer, bytes_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return static_cast<std::int32_t>(n);
}

std::int32_t TMemoryStream::Write(const void* Buffer, std::int32_t Count) {
  if (Count <= 0) return 0;
  const auto end = static_cast<size_t>(position_) + static_cast<size_t>(Count);
  // Writing past the end leaves a gap of zero bytes, as a file would.
  if (end > bytes_.size()) bytes_.resize(end, '\0');
  std::memcpy(bytes_.data() + position_, Buffer, static_cast<size_t>(Count));
  position_ = static_cast<std::int64_t>(end);
  return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  const std::int64_t base = Origin == TSeekOrigin::soBeginning ? 0
                            : Origin == TSeekOrigin::soCurrent ? position_
                                                               : Size();
  position_ = std::max<std::int64_t>(base + Offset, 0);
  return position_;
}

}  // namespace lumora
