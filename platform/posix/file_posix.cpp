#include "platform/file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace lumora::platform {
namespace {

int OpenFlags(FileMode mode) {
  switch (mode) {
    case FileMode::kOpenRead:
      return O_RDONLY;
    case FileMode::kOpenReadWrite:
      return O_RDWR;
    case FileMode::kCreate:
      return O_RDWR | O_CREAT | O_TRUNC;
    case FileMode::kCreateExclusive:
      // Not O_TRUNC: the file is emptied only once the lock is ours.
      return O_RDWR | O_CREAT;
    case FileMode::kAppend:
      return O_WRONLY | O_CREAT | O_APPEND;
  }
  return O_RDONLY;
}

}  // namespace

File File::Open(const std::string& path, FileMode mode) {
  int fd;
  do {
    fd = ::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw ErrnoError(errno, path);
  File file(fd, path);
  if (mode == FileMode::kCreateExclusive) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0) file.Fail(errno);
  }
  return file;
}

void File::Close() {
  // Closing the descriptor also releases its lock.
  if (handle_ >= 0) ::close(std::exchange(handle_, -1));
}

std::int64_t File::Read(void* buffer, std::int64_t count) {
  ssize_t done;
  do {
    done = ::read(handle_, buffer, static_cast<size_t>(count));
  } while (done < 0 && errno == EINTR);
  if (done < 0) Fail(errno);
  return done;
}

void File::Write(const void* buffer, std::int64_t count) {
  const auto* bytes = static_cast<const char*>(buffer);
  std::int64_t written = 0;
  // A pipe or a signal may cut a write short; keep going until all is out
  // or the system reports an error.
  while (written < count) {
    const ssize_t done = ::write(handle_, bytes + written, static_cast<size_t>(count - written));
    if (done < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    written += done;
  }
}

std::int64_t File::Seek(std::int64_t offset, int origin) {
  const int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
  const off_t position = ::lseek(handle_, static_cast<off_t>(offset), whence);
  if (position < 0) Fail(errno);
  return position;
}

std::int64_t File::Size() const {
  struct stat info {};
  if (::fstat(handle_, &info) != 0) Fail(errno);
  return info.st_size;
}

void File::Truncate(std::int64_t size) {
  int result;
  do {
    result = ::ftruncate(handle_, static_cast<off_t>(size));
  } while (result != 0 && errno == EINTR);
  if (result != 0) Fail(errno);
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
  const auto failed = [&from, &to](int error_number) -> bool {
    if (error_number == EEXIST) return false;
    throw ErrnoError(error_number, from + " -> " + to);
  };
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return failed(errno);
  // File systems without RENAME_NOREPLACE: a hard link fails on an existing
  // target just the same, then the old name goes.
  if (::link(from.c_str(), to.c_str()) != 0) return failed(errno);
  if (::unlink(from.c_str()) != 0) return failed(errno);
  return true;
}

}  // namespace lumora::platform
