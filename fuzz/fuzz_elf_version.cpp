// The ELF reader behind FileVersionText on arbitrary bytes: it must never
// read outside the image, whatever the headers claim.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/posix/file_version_elf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const lumora::platform::elf::MemorySource source(std::span<const unsigned char>(data, size));
  (void)lumora::platform::elf::FileVersionFromElf(source);
  return 0;
}
