#pragma once

// Line-oriented text over any byte stream. A text stream is itself a TStream
// that forwards the byte operations to the stream it wraps, so it can go
// wherever a stream is expected (the batch upload reads the file through it).
//
// Both flavours end every written line with CR LF and accept LF, CR LF or a
// lone CR when reading. A lone CR swallows the next character: the reader
// takes it for the LF of a pair. Files written by Windows programs, which
// is what this reads, never hold a lone CR.
//
// There is no buffer: ReadLn reads one character at a time, WriteLn writes a
// line in one call. Errors of the wrapped stream come through unchanged.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/streams.h"

namespace lumora {

// Lines of 16-bit text: two bytes per UTF-16 code unit, little-endian, no
// byte-order mark.
class TTextStream : public TStream {
 public:
  // Takes ownership of Stream; destroying the text stream destroys it.
  explicit TTextStream(std::unique_ptr<TStream> Stream);

  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override;

  // One line into Buffer without its line end; its length in code units, or
  // -1 (Buffer empty) at the end of the stream.
  std::int32_t ReadLn(std::u16string& Buffer);
  // Buffer and CR LF in one write; the bytes written.
  std::int32_t WriteLn(std::u16string_view Buffer);

  // The wrapped stream, still owned by the text stream.
  TStream* Stream() const { return FStream.get(); }
  bool IsEOF();

 private:
  std::unique_ptr<TStream> FStream;
};

// Lines of 8-bit text. The strings hold bytes of the machine's ANSI code page
// (Windows-1252) as they stand in the file: callers convert with
// platform::ToAnsi / FromAnsi, so text that is already 8-bit passes untouched.
class TAnsiTextStream final : public TTextStream {
 public:
  using TTextStream::TTextStream;
  using TTextStream::ReadLn;
  using TTextStream::WriteLn;

  std::int32_t ReadLn(std::string& Buffer);
  std::int32_t WriteLn(std::string_view Buffer);
};

}  // namespace lumora
