#include "platform/executable.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>

namespace lumora::platform {

std::string ExecutablePath() {
  std::array<char, PATH_MAX> buffer{};
  const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (length < 0) throw ErrnoError(errno, "/proc/self/exe");
  if (length == 0) throw ErrnoError(ENOENT, "/proc/self/exe");
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

namespace {
std::vector<std::string>& Arguments() {
  static std::vector<std::string> arguments;
  return arguments;
}
}  // namespace

const std::vector<std::string>& ProgramArguments() { return Arguments(); }

void RecordArguments(int argc, const char* const* argv) {
  auto& arguments = Arguments();
  arguments.clear();
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
}

}  // namespace lumora::platform
