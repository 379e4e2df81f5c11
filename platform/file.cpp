#include "platform/file.h"

#include <utility>

// Ownership of the descriptor, the same on every system; the calls that use
// it live in the per-OS siblings.
namespace lumora::platform {

File::~File() { Close(); }

File::File(File&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), path_(std::move(other.path_)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

// The descriptor calls of both siblings report errno values.
void File::Fail(int error_number) const { throw ErrnoError(error_number, path_); }

}  // namespace lumora::platform
