#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "platform/platform_errors.h"

namespace lumora::platform {

// How a file is opened.
enum class FileMode {
  kOpenRead,         // existing file, read only
  kOpenReadWrite,    // existing file, read and write
  kCreate,           // created or emptied, read and write
  kCreateExclusive,  // like kCreate, and held exclusively until closed
  kAppend,           // write only at the end, created when missing
};

// An open file of the operating system, closed when the object goes. A call
// that fails throws std::system_error naming the file; callers turn it into
// the error their users see.
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

  // Opens or creates.
  static File Open(const std::string& path, FileMode mode);

  bool IsOpen() const { return handle_ >= 0; }
  void Close();

  // Bytes read: fewer than asked only at the end of the file. Interrupted
  // calls are repeated.
  std::int64_t Read(void* buffer, std::int64_t count);
  // Writes all of it, or throws (how much reached the file is then unknown).
  void Write(const void* buffer, std::int64_t count);
  // origin: 0 from the start, 1 from the current position, 2 from the end.
  // Returns the new position.
  std::int64_t Seek(std::int64_t offset, int origin);
  std::int64_t Size() const;
  // Cuts the file (or extends it with zeros) to size bytes.
  void Truncate(std::int64_t size);

 private:
  File(int handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  [[noreturn]] void Fail(int error_number) const;
  int handle_ = -1;
  std::string path_;  // for the messages
};

// Moves a file, possibly to another folder, without ever replacing an
// existing target. False, and nothing moved, when the target exists.
bool RenameNoReplace(const std::string& from, const std::string& to);

}  // namespace lumora::platform
