#pragma once

#include <cstdint>
#include <string>

namespace lumora::platform {

// How a file is opened.
enum class FileMode {
  kOpenRead,         // existing file, read only
  kOpenReadWrite,    // existing file, read and write
  kCreate,           // created or emptied, read and write
  kCreateExclusive,  // like kCreate, and held exclusively until closed
  kAppend,           // write only at the end, created when missing
};

// An open file of the operating system, closed when the object goes. The
// calls report failures by their system error number (errno values), so the
// caller chooses the exception and the message.
//
// kCreateExclusive takes an exclusive lock before it empties the file, so a
// file that another holder is still reading is never cut short. On POSIX the
// lock is advisory: every opener that asks for it (any kCreateExclusive of
// this or another process) is refused while it is held, but a program that
// opens the file without asking can still read or write it.
class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens or creates; on failure the result is closed and *error holds the
  // reason.
  static File Open(const std::string& path, FileMode mode, int* error);

  bool IsOpen() const { return handle_ >= 0; }
  void Close();

  // Bytes transferred (fewer than asked at the end of the file), or -1 with
  // *error set. Interrupted calls are repeated.
  std::int64_t Read(void* buffer, std::int64_t count, int* error);
  std::int64_t Write(const void* buffer, std::int64_t count, int* error);
  // origin: 0 from the start, 1 from the current position, 2 from the end.
  std::int64_t Seek(std::int64_t offset, int origin, int* error);
  std::int64_t Size(int* error) const;
  // Cuts the file (or extends it with zeros) to size bytes.
  bool Truncate(std::int64_t size, int* error);

 private:
  explicit File(int handle) : handle_(handle) {}
  int handle_ = -1;
};

// Moves a file, possibly to another folder, without ever replacing an
// existing target. Returns 0 or the system error number (EEXIST when the
// target exists).
int RenameNoReplace(const std::string& from, const std::string& to);

}  // namespace lumora::platform
