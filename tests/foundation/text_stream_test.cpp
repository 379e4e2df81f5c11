#include "foundation/uQzTextStream.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "tests/support/failing_stream.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using test::FailingStream;
using test::TempDir;

TAnsiTextStream AnsiOver(std::string_view bytes) {
  return TAnsiTextStream(std::make_unique<TMemoryStream>(bytes));
}

std::string AllBytes(const TTextStream& text) {
  return static_cast<TMemoryStream*>(text.Stream())->Bytes();
}

// Reads 8-bit lines until the end; each entry is the result and the line.
std::vector<std::pair<int, std::string>> ReadAll(TAnsiTextStream& text) {
  std::vector<std::pair<int, std::string>> lines;
  std::string line;
  int result;
  do {
    result = text.ReadLn(line);
    lines.emplace_back(result, line);
  } while (result >= 0);
  return lines;
}

using Lines = std::vector<std::pair<int, std::string>>;

TEST(AnsiTextStream, ReadsLinesWhateverEndsThem) {
  const struct {
    const char* name;
    std::string bytes;
    Lines expected;
  } cases[] = {
      {.name = "CR LF, last line unterminated",
       .bytes = "a\r\nb",
       .expected = {{1, "a"}, {1, "b"}, {-1, ""}}},
      {.name = "LF alone", .bytes = "ab\ncd\n", .expected = {{2, "ab"}, {2, "cd"}, {-1, ""}}},
      // The byte after a lone CR is taken for the LF of a pair.
      {.name = "lone CR eats a character",
       .bytes = "ab\rcd\r\n",
       .expected = {{2, "ab"}, {1, "d"}, {-1, ""}}},
      {.name = "empty lines are not the end",
       .bytes = "\r\n\r\nx",
       .expected = {{0, ""}, {0, ""}, {1, "x"}, {-1, ""}}},
      {.name = "CR as the last byte", .bytes = "ab\r", .expected = {{2, "ab"}, {-1, ""}}},
      {.name = "empty stream", .bytes = "", .expected = {{-1, ""}}},
      {.name = "8-bit bytes pass through",
       .bytes = "\xC4\xD6\r\n",
       .expected = {{2, "\xC4\xD6"}, {-1, ""}}},
  };
  for (const auto& c : cases) {
    auto text = AnsiOver(c.bytes);
    EXPECT_EQ(ReadAll(text), c.expected) << c.name;
  }
}

TEST(AnsiTextStream, WriteLnAddsCrLfInOneWrite) {
  auto text = AnsiOver("");
  EXPECT_EQ(text.WriteLn(""), 2);
  EXPECT_EQ(text.WriteLn("A-17,0123,8"), 13);
  EXPECT_EQ(AllBytes(text), "\r\nA-17,0123,8\r\n");
  EXPECT_TRUE(text.IsEOF());
  text.SetPosition(0);
  EXPECT_FALSE(text.IsEOF());
  EXPECT_EQ(text.Size(), 15);
}

TEST(TextStream, SixteenBitLinesAreTwoBytesLittleEndian) {
  TTextStream text(std::make_unique<TMemoryStream>());
  EXPECT_EQ(text.WriteLn(u""), 4);
  EXPECT_EQ(text.WriteLn(u"a\u00C4\u20AC"), 10);
  EXPECT_EQ(AllBytes(text), std::string("\r\0\n\0a\0\xC4\0\xAC\x20\r\0\n\0", 14));

  text.SetPosition(0);
  std::u16string line;
  EXPECT_EQ(text.ReadLn(line), 0);
  EXPECT_EQ(text.ReadLn(line), 3);
  EXPECT_EQ(line, u"a\u00C4\u20AC");
  EXPECT_EQ(text.ReadLn(line), -1);
  EXPECT_TRUE(line.empty());
}

TEST(TextStream, HalfACharacterEndsTheStream) {
  TTextStream text(std::make_unique<TMemoryStream>(std::string("a\0b", 3)));
  std::u16string line;
  EXPECT_EQ(text.ReadLn(line), 1);
  EXPECT_EQ(line, u"a");
  EXPECT_EQ(text.ReadLn(line), -1);
}

TEST(AnsiTextStream, ErrorsOfTheWrappedStreamComeThroughUnchanged) {
  auto text = TAnsiTextStream(std::make_unique<FailingStream>(10));
  EXPECT_EQ(text.WriteLn("12345678"), 10);
  try {
    text.WriteLn("x");
    FAIL() << "the write past the limit succeeded";
  } catch (const EWriteError& error) {
    EXPECT_STREQ(error.what(), "Stream write error: No space left on device");
  }
}

TEST(AnsiTextStream, DestroyingItClosesTheFile) {
  TempDir dir;
  const std::string path = (dir.path() / "A.csv").string();
  {
    TAnsiTextStream text(std::make_unique<TFileStream>(path, TFileMode::fmCreateExclusive));
    text.WriteLn("line");
    // Held while the text stream lives.
    EXPECT_THROW(TFileStream(path, TFileMode::fmCreateExclusive), EFCreateError);
  }
  EXPECT_EQ(test::ReadFileBytes(dir.path() / "A.csv"), "line\r\n");
  EXPECT_NO_THROW(TFileStream(path, TFileMode::fmCreateExclusive));
}

TEST(FileStream, FailuresNameThePathAndTheReason) {
  TempDir dir;
  const std::string missing = (dir.path() / "no" / "such.csv").string();
  // The system's own words for a folder that is not there.
#ifdef _WIN32
  const std::string reason = std::system_category().message(3);  // ERROR_PATH_NOT_FOUND
#else
  const std::string reason = std::system_category().message(ENOENT);
#endif
  try {
    TFileStream stream(missing, TFileMode::fmCreate);
    FAIL();
  } catch (const EFCreateError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot create file \"" + missing + "\". " + reason);
  }
  try {
    TFileStream stream(missing, TFileMode::fmOpenRead);
    FAIL();
  } catch (const EFOpenError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot open file \"" + missing + "\". " + reason);
  }
}

TEST(FileStream, ExclusiveCreateLeavesAHeldFileUntouched) {
  TempDir dir;
  const std::string path = (dir.path() / "B.csv").string();
  TFileStream holder(path, TFileMode::fmCreateExclusive);
  holder.Write("keep", 4);
  EXPECT_THROW(TFileStream(path, TFileMode::fmCreateExclusive), EFCreateError);
  // The refused opener must not have emptied the file under its holder.
  EXPECT_EQ(holder.Size(), 4);
  EXPECT_EQ(holder.Seek(0, TSeekOrigin::soBeginning), 0);
  char bytes[8] = {};
  EXPECT_EQ(holder.Read(bytes, 8), 4);
  EXPECT_EQ(std::string(bytes, 4), "keep");
  // The hold is advisory: an opener that does not ask for it may still read.
  TFileStream reader(path, TFileMode::fmOpenRead);
  EXPECT_EQ(reader.Read(bytes, 8), 4);
}

TEST(FileStream, CreateReplacesAnExistingFile) {
  TempDir dir;
  const auto path = dir.Write("C.csv", "old content");
  TFileStream stream(path.string(), TFileMode::fmCreateExclusive);
  EXPECT_EQ(stream.Size(), 0);
}

}  // namespace
}  // namespace lumora
