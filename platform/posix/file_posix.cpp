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

File File::Open(const std::string& path, FileMode mode, int* error) {
  *error = 0;
  int fd;
  do {
    fd = ::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    *error = errno;
    return File();
  }
  File file(fd);
  if (mode == FileMode::kCreateExclusive) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0) {
      *error = errno;
      return File();
    }
  }
  return file;
}

void File::Close() {
  // Closing the descriptor also releases its lock.
  if (handle_ >= 0) ::close(std::exchange(handle_, -1));
}

std::int64_t File::Read(void* buffer, std::int64_t count, int* error) {
  ssize_t done;
  do {
    done = ::read(handle_, buffer, static_cast<size_t>(count));
  } while (done < 0 && errno == EINTR);
  if (done < 0) *error = errno;
  return done;
}

std::int64_t File::Write(const void* buffer, std::int64_t count, int* error) {
  const auto* bytes = static_cast<const char*>(buffer);
  std::int64_t written = 0;
  // A pipe or a signal may cut a write short; keep going until all is out
  // or the system reports an error.
  while (written < count) {
    const ssize_t done = ::write(handle_, bytes + written, static_cast<size_t>(count - written));
    if (done < 0) {
      if (errno == EINTR) continue;
      *error = errno;
      return -1;
    }
    written += done;
  }
  return written;
}

std::int64_t File::Seek(std::int64_t offset, int origin, int* error) {
  const int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
  const off_t position = ::lseek(handle_, static_cast<off_t>(offset), whence);
  if (position < 0) *error = errno;
  return position;
}

std::int64_t File::Size(int* error) const {
  struct stat info {};
  if (::fstat(handle_, &info) != 0) {
    *error = errno;
    return -1;
  }
  return info.st_size;
}

bool File::Truncate(std::int64_t size, int* error) {
  int result;
  do {
    result = ::ftruncate(handle_, static_cast<off_t>(size));
  } while (result != 0 && errno == EINTR);
  if (result != 0) *error = errno;
  return result == 0;
}

int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // File systems without RENAME_NOREPLACE: a hard link fails on an existing
  // target just the same, then the old name goes.
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  if (::unlink(from.c_str()) != 0) return errno;
  return 0;
}

}  // namespace lumora::platform
