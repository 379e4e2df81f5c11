#include "platform/host_name.h"

#include <unistd.h>

#include <array>

namespace lumora::platform {

std::string HostName() {
  // One byte more than the longest name, so the text is always terminated.
  std::array<char, 256> name{};
  if (::gethostname(name.data(), name.size() - 1) != 0) return {};
  return name.data();
}

}  // namespace lumora::platform
