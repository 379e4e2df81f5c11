#include "platform/file_version.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/executable.h"
#include "platform/posix/file_version_elf.h"
#include "tests/support/temp_dir.h"

namespace lumora::platform {
namespace {

TEST(FileVersionText, ReadsTheVersionBuiltIntoTheService) {
  EXPECT_EQ(FileVersionText(LUMORA_SERVICE_EXECUTABLE), LUMORA_EXPECTED_FILE_VERSION);
}

TEST(FileVersionText, IsEmptyForFilesWithoutAVersion) {
  test::TempDir dir;
  const std::vector<std::string> paths = {
      (dir.path() / "missing.exe").string(),
      dir.Write("notes.txt", "plain text, not a program\n").string(),
      dir.Write("empty.exe", "").string(),
      dir.path().string(),   // a directory
      ExecutablePath(),      // this test program carries no version
      "/bin/true",
  };
  for (const auto& path : paths) EXPECT_EQ(FileVersionText(path), "") << path;
}

TEST(FileVersionText, IsEmptyForATruncatedProgram) {
  test::TempDir dir;
  const auto path = dir.path() / "cut.exe";
  std::filesystem::copy_file(LUMORA_SERVICE_EXECUTABLE, path);
  const std::uintmax_t size = std::filesystem::file_size(path);
  ASSERT_GT(size, 4096U);
  // Cut the one copy shorter and shorter instead of writing a copy per length.
  for (const std::uintmax_t length : {size - 1, size / 2, std::uintmax_t{64}, std::uintmax_t{63},
                                      std::uintmax_t{20}, std::uintmax_t{4}}) {
    std::filesystem::resize_file(path, length);
    EXPECT_EQ(FileVersionText(path.string()), "") << "cut to " << length << " bytes";
  }
}

// A small ELF image with a string table and a version section, whose fields
// the rows below bend to the shapes a damaged or hostile file could have.
struct ElfShape {
  bool wide = true;
  bool big_endian = false;
  std::uint64_t shoff = 0x200;
  std::uint16_t shentsize = 0;  // 0: the right size for the class
  std::uint16_t shnum = 3;
  std::uint16_t shstrndx = 1;
  bool extended_count = false;  // shnum 0, real count in section 0
  std::uint32_t version_name = 11;
  std::uint32_t version_type = 1;
  std::uint64_t version_offset = 0x140;
  std::uint64_t version_size = 16;
  std::uint64_t strtab_size = 27;
  std::string signature = std::string("LMRVER1", 8);
  std::size_t file_size = 0;  // 0: the whole image
};

class ImageWriter {
 public:
  explicit ImageWriter(bool big_endian) : big_endian_(big_endian), bytes_(0x400, 0) {}
  void Put(std::size_t at, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
      const std::size_t shift = big_endian_ ? (width - 1 - i) * 8 : i * 8;
      bytes_[at + i] = static_cast<unsigned char>(value >> shift);
    }
  }
  void PutText(std::size_t at, std::string_view text) {
    std::copy(text.begin(), text.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
  }
  std::vector<unsigned char>& bytes() { return bytes_; }

 private:
  bool big_endian_;
  std::vector<unsigned char> bytes_;
};

std::vector<unsigned char> BuildElf(const ElfShape& shape) {
  ImageWriter image(shape.big_endian);
  image.PutText(0, "\x7F" "ELF");
  image.Put(4, shape.wide ? 2 : 1, 1);
  image.Put(5, shape.big_endian ? 2 : 1, 1);
  const std::size_t word = shape.wide ? 8 : 4;
  const std::uint16_t entry = shape.shentsize ? shape.shentsize : (shape.wide ? 64 : 40);
  image.Put(shape.wide ? 0x28 : 0x20, shape.shoff, word);
  image.Put(shape.wide ? 0x3A : 0x2E, entry, 2);
  image.Put(shape.wide ? 0x3C : 0x30, shape.extended_count ? 0 : shape.shnum, 2);
  image.Put(shape.wide ? 0x3E : 0x32, shape.shstrndx, 2);

  image.PutText(0x100, std::string_view("\0.shstrtab\0.lumora.version\0", 27));
  image.PutText(0x140, shape.signature);
  image.Put(0x148, (3U << 16) | 5U, 4);
  image.Put(0x14C, (7U << 16) | 9U, 4);

  const std::size_t offset_at = shape.wide ? 24 : 16;
  const std::size_t size_at = shape.wide ? 32 : 20;
  const auto section = [&](std::size_t index, std::uint32_t name, std::uint32_t type,
                           std::uint64_t offset, std::uint64_t size) {
    const std::size_t at = 0x200 + index * (shape.wide ? 64 : 40);
    image.Put(at, name, 4);
    image.Put(at + 4, type, 4);
    image.Put(at + offset_at, offset, word);
    image.Put(at + size_at, size, word);
  };
  section(0, 0, 0, 0, shape.extended_count ? shape.shnum : 0);
  section(1, 1, 3, 0x100, shape.strtab_size);
  section(2, shape.version_name, shape.version_type, shape.version_offset, shape.version_size);
  auto bytes = image.bytes();
  if (shape.file_size) bytes.resize(shape.file_size);
  return bytes;
}

TEST(FileVersionFromElf, ReadsWellFormedImagesAndRejectsDamagedOnes) {
  constexpr std::uint64_t kHuge = ~std::uint64_t{0} - 7;
  const struct {
    const char* name;
    ElfShape shape;
    const char* expected;
  } rows[] = {
      {"64-bit little-endian", {}, "3.5.7.9"},
      {"64-bit big-endian", {.big_endian = true}, "3.5.7.9"},
      {"32-bit little-endian", {.wide = false}, "3.5.7.9"},
      {"32-bit big-endian", {.wide = false, .big_endian = true}, "3.5.7.9"},
      {"count kept in section 0", {.extended_count = true}, "3.5.7.9"},
      {"no section table", {.shoff = 0}, ""},
      {"table past the end", {.shoff = 0x4000}, ""},
      {"table offset wraps around", {.shoff = kHuge}, ""},
      {"more sections than the file holds", {.shnum = 0xFFFE}, ""},
      {"entries too small", {.shentsize = 8}, ""},
      {"string table index out of range", {.shstrndx = 7}, ""},
      {"name outside the string table", {.version_name = 5000}, ""},
      {"name cut off by the table's end", {.strtab_size = 20}, ""},
      {"contents past the end", {.version_offset = 0x3F8}, ""},
      {"contents offset wraps around", {.version_offset = kHuge}, ""},
      {"contents size wraps around", {.version_size = kHuge}, ""},
      {"record too short", {.version_size = 12}, ""},
      {"section without contents", {.version_type = 8}, ""},
      {"foreign signature", {.signature = std::string("XXXXXXX", 8)}, ""},
      {"last header cut off", {.file_size = 0x200 + 64 * 2 + 30}, ""},
  };
  for (const auto& row : rows) {
    const auto image = BuildElf(row.shape);
    EXPECT_EQ(elf::FileVersionFromElf(elf::MemorySource(image)), row.expected) << row.name;
  }
}

}  // namespace
}  // namespace lumora::platform
