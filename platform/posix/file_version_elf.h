#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The ELF reader behind FileVersionText, open to the tests so they can hand it
// crafted images without writing files.
namespace lumora::platform::elf {

// Random access to the bytes of a file or of an image in memory.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Fills `out` from `offset`; false when the range is not wholly inside.
  virtual bool ReadAt(std::uint64_t offset, std::span<unsigned char> out) const = 0;
};

// An image held in memory.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::span<const unsigned char> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, std::span<unsigned char> out) const override;

 private:
  std::span<const unsigned char> bytes_;
};

// The contents of the section called `name`, or nothing when the source is no
// well-formed ELF file or has no such section with contents in the file.
std::optional<std::vector<unsigned char>> ReadSection(const ByteSource& source,
                                                      std::string_view name);

// The version lumora_embed_file_version stored, as "1.2.4.4", or empty text.
std::string FileVersionFromElf(const ByteSource& source);

// The name of the section the version record lives in.
inline constexpr std::string_view kVersionSection = ".lumora.version";

}  // namespace lumora::platform::elf
