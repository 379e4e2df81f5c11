#include "platform/file.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>

#include "platform/win32/win32_text.h"

namespace lumora::platform {
namespace {

// Every opener shares reading, writing and deleting (renaming) with the
// others, as POSIX opens do; only kCreateExclusive keeps the file to itself,
// which on Windows, unlike POSIX, binds every other opener.
DWORD ShareMode(FileMode mode) {
  return mode == FileMode::kCreateExclusive ? 0
                                            : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
}

DWORD Disposition(FileMode mode) {
  switch (mode) {
    case FileMode::kOpenRead:
    case FileMode::kOpenReadWrite: return OPEN_EXISTING;
    case FileMode::kCreate: return CREATE_ALWAYS;
    // Not CREATE_ALWAYS: the file is emptied only once it is ours alone.
    case FileMode::kCreateExclusive: return OPEN_ALWAYS;
    case FileMode::kAppend: return OPEN_ALWAYS;
  }
  return OPEN_EXISTING;
}

[[noreturn]] void FailWin32(const std::string& what) {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), what);
}

}  // namespace

File File::Open(const std::string& path, FileMode mode) {
  const DWORD access = mode == FileMode::kOpenRead ? GENERIC_READ
                       : mode == FileMode::kAppend ? GENERIC_WRITE
                                                   : GENERIC_READ | GENERIC_WRITE;
  HANDLE handle = ::CreateFileW(win32::Widen(path).c_str(), access, ShareMode(mode), nullptr,
                                Disposition(mode), FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) FailWin32(path);
  if (mode == FileMode::kCreateExclusive && !::SetEndOfFile(handle)) {
    const DWORD error = ::GetLastError();
    ::CloseHandle(handle);
    throw std::system_error(static_cast<int>(error), std::system_category(), path);
  }
  // The C runtime descriptor owns the handle from here on.
  // _O_APPEND: the runtime moves to the end before every write.
  const int flags = mode == FileMode::kOpenRead ? _O_RDONLY
                    : mode == FileMode::kAppend ? _O_WRONLY | _O_APPEND
                                                : 0;
  const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | flags);
  if (descriptor < 0) {
    ::CloseHandle(handle);
    throw ErrnoError(EMFILE, path);
  }
  return File(descriptor, path);
}

void File::Close() {
  if (handle_ >= 0) ::_close(std::exchange(handle_, -1));
}

std::int64_t File::Read(void* buffer, std::int64_t count) {
  auto* bytes = static_cast<char*>(buffer);
  std::int64_t done = 0;
  // _read takes an unsigned int count; large reads go in slices.
  while (done < count) {
    const auto slice = static_cast<unsigned>(std::min<std::int64_t>(count - done, 1 << 30));
    const int got = ::_read(handle_, bytes + done, slice);
    if (got < 0) Fail(errno);
    if (got == 0) break;
    done += got;
  }
  return done;
}

void File::Write(const void* buffer, std::int64_t count) {
  const auto* bytes = static_cast<const char*>(buffer);
  std::int64_t written = 0;
  while (written < count) {
    const auto slice = static_cast<unsigned>(std::min<std::int64_t>(count - written, 1 << 30));
    const int done = ::_write(handle_, bytes + written, slice);
    if (done < 0) Fail(errno);
    written += done;
  }
}

std::int64_t File::Seek(std::int64_t offset, int origin) {
  const int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
  const __int64 position = ::_lseeki64(handle_, offset, whence);
  if (position < 0) Fail(errno);
  return position;
}

std::int64_t File::Size() const {
  const __int64 size = ::_filelengthi64(handle_);
  if (size < 0) Fail(errno);
  return size;
}

void File::Truncate(std::int64_t size) {
  if (::_chsize_s(handle_, size) != 0) Fail(errno);
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
  // Without MOVEFILE_REPLACE_EXISTING an existing target is never replaced.
  if (::MoveFileExW(win32::Widen(from).c_str(), win32::Widen(to).c_str(), MOVEFILE_COPY_ALLOWED)) {
    return true;
  }
  const DWORD error = ::GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return false;
  throw std::system_error(static_cast<int>(error), std::system_category(), from + " -> " + to);
}

}  // namespace lumora::platform
