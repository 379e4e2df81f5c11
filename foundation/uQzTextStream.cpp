#include "foundation/uQzTextStream.h"

#include <utility>

namespace lumora {
namespace {

constexpr char kCR = 13;
constexpr char kLF = 10;

std::int32_t Int32(std::size_t size) { return static_cast<std::int32_t>(size); }

}  // namespace

TTextStream::TTextStream(std::unique_ptr<TStream> Stream) : FStream(std::move(Stream)) {}

std::int32_t TTextStream::Read(void* Buffer, std::int32_t Count) {
  return FStream->Read(Buffer, Count);
}

std::int32_t TTextStream::Write(const void* Buffer, std::int32_t Count) {
  return FStream->Write(Buffer, Count);
}

std::int64_t TTextStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  return FStream->Seek(Offset, Origin);
}

std::int64_t TTextStream::Size() { return FStream->Size(); }

bool TTextStream::IsEOF() { return FStream->Position() == FStream->Size(); }

std::int32_t TTextStream::ReadLn(std::u16string& Buffer) {
  Buffer.clear();
  unsigned char pair[2];
  const auto next = [&](char16_t& unit) {
    // Half a character at the end counts as the end of the stream.
    if (FStream->Read(pair, 2) < 2) return false;
    unit = static_cast<char16_t>(pair[0] | (pair[1] << 8));
    return true;
  };
  char16_t unit = 0;
  if (!next(unit)) return -1;
  bool more = true;
  while (more && unit != kCR && unit != kLF) {
    Buffer.push_back(unit);
    more = next(unit);
  }
  if (more && unit == kCR) {
    char16_t discarded = 0;
    next(discarded);
  }
  return Int32(Buffer.size());
}

std::int32_t TTextStream::WriteLn(std::u16string_view Buffer) {
  std::string bytes;
  bytes.reserve((Buffer.size() + 2) * 2);
  const auto put = [&bytes](char16_t unit) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  };
  for (const char16_t unit : Buffer) put(unit);
  put(kCR);
  put(kLF);
  return FStream->Write(bytes.data(), Int32(bytes.size()));
}

std::int32_t TAnsiTextStream::ReadLn(std::string& Buffer) {
  Buffer.clear();
  char byte = 0;
  if (Stream()->Read(&byte, 1) < 1) return -1;
  bool more = true;
  while (more && byte != kCR && byte != kLF) {
    Buffer.push_back(byte);
    more = Stream()->Read(&byte, 1) == 1;
  }
  if (more && byte == kCR) {
    char discarded = 0;
    Stream()->Read(&discarded, 1);
  }
  return Int32(Buffer.size());
}

std::int32_t TAnsiTextStream::WriteLn(std::string_view Buffer) {
  std::string line;
  line.reserve(Buffer.size() + 2);
  line.append(Buffer);
  line.push_back(kCR);
  line.push_back(kLF);
  return Stream()->Write(line.data(), Int32(line.size()));
}

}  // namespace lumora
