#include "platform/file_version.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <array>
#include <cstdio>
#include <cstring>

#include "platform/posix/file_version_elf.h"

namespace lumora::platform {
namespace elf {
namespace {

// Every bound below comes from the file itself, so each is checked against the
// file's size before anything is read or allocated: a truncated or hostile
// file yields "no version", never a read past the end or a huge allocation.
constexpr std::size_t kMaxStringTable = 1U << 20;
constexpr std::uint32_t kShnXIndex = 0xFFFF;
constexpr std::uint32_t kShtNoBits = 8;

constexpr std::array<unsigned char, 8> kSignature = {'L', 'M', 'R', 'V', 'E', 'R', '1', '\0'};
constexpr std::size_t kRecordSize = kSignature.size() + 8;

// Reads little- or big-endian integers, as the file's header says.
class Decoder {
 public:
  explicit Decoder(bool big_endian) : big_endian_(big_endian) {}
  std::uint64_t Get(std::span<const unsigned char> bytes, std::size_t at, std::size_t width) const {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
      const std::size_t index = big_endian_ ? at + i : at + width - 1 - i;
      value = (value << 8) | bytes[index];
    }
    return value;
  }

 private:
  bool big_endian_;
};

struct SectionHeader {
  std::uint32_t name = 0;
  std::uint32_t type = 0;
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
  std::uint32_t link = 0;
};

// The layout differences between ELFCLASS32 and ELFCLASS64 that the reader uses.
struct Layout {
  std::size_t header_size;
  std::size_t shoff_at, shoff_width;
  std::size_t shentsize_at, shnum_at, shstrndx_at;
  std::size_t min_entry_size;
  std::size_t sh_offset_at, sh_size_at, sh_link_at, word_width;
};

constexpr Layout kElf32{52, 0x20, 4, 0x2E, 0x30, 0x32, 40, 16, 20, 24, 4};
constexpr Layout kElf64{64, 0x28, 8, 0x3A, 0x3C, 0x3E, 64, 24, 32, 40, 8};

bool InFile(const ByteSource& source, std::uint64_t offset, std::uint64_t size) {
  const std::uint64_t total = source.Size();
  return offset <= total && size <= total - offset;
}

class Reader {
 public:
  Reader(const ByteSource& source, const Layout& layout, Decoder decoder)
      : source_(source), layout_(layout), decoder_(decoder) {}

  std::optional<SectionHeader> Section(std::uint64_t table, std::uint64_t entry_size,
                                       std::uint64_t index) const {
    std::array<unsigned char, 64> raw{};
    const std::uint64_t offset = table + index * entry_size;
    if (!source_.ReadAt(offset, std::span(raw).first(layout_.min_entry_size))) return std::nullopt;
    SectionHeader header;
    header.name = static_cast<std::uint32_t>(decoder_.Get(raw, 0, 4));
    header.type = static_cast<std::uint32_t>(decoder_.Get(raw, 4, 4));
    header.offset = decoder_.Get(raw, layout_.sh_offset_at, layout_.word_width);
    header.size = decoder_.Get(raw, layout_.sh_size_at, layout_.word_width);
    header.link = static_cast<std::uint32_t>(decoder_.Get(raw, layout_.sh_link_at, 4));
    return header;
  }

 private:
  const ByteSource& source_;
  const Layout& layout_;
  Decoder decoder_;
};

bool NameMatches(const std::vector<unsigned char>& strings, std::uint32_t at, std::string_view name) {
  if (at >= strings.size()) return false;
  const auto begin = strings.begin() + at;
  const auto end = std::find(begin, strings.end(), '\0');
  if (end == strings.end()) return false;  // unterminated: not a name
  return std::string_view(reinterpret_cast<const char*>(&*begin),
                          static_cast<std::size_t>(end - begin)) == name;
}

}  // namespace

bool MemorySource::ReadAt(std::uint64_t offset, std::span<unsigned char> out) const {
  if (!InFile(*this, offset, out.size())) return false;
  std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
  return true;
}

std::optional<std::vector<unsigned char>> ReadSection(const ByteSource& source,
                                                      std::string_view name) {
  std::array<unsigned char, 64> header{};
  if (!source.ReadAt(0, std::span(header).first(16))) return std::nullopt;
  if (header[0] != 0x7F || header[1] != 'E' || header[2] != 'L' || header[3] != 'F') return std::nullopt;
  if (header[4] != 1 && header[4] != 2) return std::nullopt;
  if (header[5] != 1 && header[5] != 2) return std::nullopt;
  const Layout& layout = header[4] == 1 ? kElf32 : kElf64;
  const Decoder decoder(header[5] == 2);
  if (!source.ReadAt(0, std::span(header).first(layout.header_size))) return std::nullopt;

  const std::uint64_t table = decoder.Get(header, layout.shoff_at, layout.shoff_width);
  const std::uint64_t entry_size = decoder.Get(header, layout.shentsize_at, 2);
  std::uint64_t count = decoder.Get(header, layout.shnum_at, 2);
  std::uint64_t names_index = decoder.Get(header, layout.shstrndx_at, 2);
  if (table == 0 || entry_size < layout.min_entry_size) return std::nullopt;

  const Reader reader(source, layout, decoder);
  // Files with very many sections keep the real count and string-table index
  // in the first section header.
  if (count == 0 || names_index == kShnXIndex) {
    const auto first = reader.Section(table, entry_size, 0);
    if (!first) return std::nullopt;
    if (count == 0) count = first->size;
    if (names_index == kShnXIndex) names_index = first->link;
  }
  // The whole table must lie in the file; dividing avoids overflowing the product.
  if (!InFile(source, table, 0) || count > (source.Size() - table) / entry_size) return std::nullopt;
  if (names_index >= count) return std::nullopt;

  const auto names = reader.Section(table, entry_size, names_index);
  if (!names || names->type == kShtNoBits || names->size > kMaxStringTable ||
      !InFile(source, names->offset, names->size)) {
    return std::nullopt;
  }
  std::vector<unsigned char> strings(static_cast<std::size_t>(names->size));
  if (!source.ReadAt(names->offset, strings)) return std::nullopt;

  for (std::uint64_t index = 0; index < count; ++index) {
    const auto section = reader.Section(table, entry_size, index);
    if (!section) return std::nullopt;
    if (!NameMatches(strings, section->name, name)) continue;
    if (section->type == kShtNoBits || section->size > kMaxStringTable ||
        !InFile(source, section->offset, section->size)) {
      return std::nullopt;
    }
    std::vector<unsigned char> contents(static_cast<std::size_t>(section->size));
    if (!source.ReadAt(section->offset, contents)) return std::nullopt;
    return contents;
  }
  return std::nullopt;
}

std::string FileVersionFromElf(const ByteSource& source) {
  std::array<unsigned char, 16> ident{};
  if (!source.ReadAt(0, ident)) return {};
  const auto record = ReadSection(source, kVersionSection);
  if (!record || record->size() < kRecordSize ||
      !std::equal(kSignature.begin(), kSignature.end(), record->begin())) {
    return {};
  }
  // The words were written by the program's own compiler, so in the byte
  // order the ELF header declares.
  const Decoder decoder(ident[5] == 2);
  const auto words = std::span<const unsigned char>(*record).subspan(kSignature.size());
  const auto ms = static_cast<std::uint32_t>(decoder.Get(words, 0, 4));
  const auto ls = static_cast<std::uint32_t>(decoder.Get(words, 4, 4));
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%u.%u.%u.%u", ms >> 16, ms & 0xFFFFU, ls >> 16,
                ls & 0xFFFFU);
  return text.data();
}

}  // namespace elf

namespace {

// A regular file opened for reading; closed when the object goes.
class FileSource final : public elf::ByteSource {
 public:
  explicit FileSource(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    struct stat info {};
    if (fd_ >= 0 && ::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode)) {
      size_ = static_cast<std::uint64_t>(info.st_size);
    }
  }
  ~FileSource() override {
    if (fd_ >= 0) ::close(fd_);
  }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, std::span<unsigned char> out) const override {
    if (!elf::InFile(*this, offset, out.size())) return false;
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t got = ::pread(fd_, out.data() + done, out.size() - done,
                                  static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;  // error, or the file shrank under us
      done += static_cast<std::size_t>(got);
    }
    return true;
  }

 private:
  int fd_;
  std::uint64_t size_ = 0;
};

}  // namespace

std::string FileVersionText(const std::string& path) {
  const FileSource source(path);
  return elf::FileVersionFromElf(source);
}

}  // namespace lumora::platform
