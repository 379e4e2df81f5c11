#include "platform/system_facts.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string_view>

namespace lumora::platform {
namespace {

std::string OrUndetermined(std::string text) { return text.empty() ? kUndetermined : text; }

// The first line of a small text file, without its line end; empty when it
// cannot be read.
std::string ReadFirstLine(const char* path) {
  std::ifstream in(path);
  std::string line;
  if (!in || !std::getline(in, line)) return {};
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return line;
}

// A value of /etc/os-release with its quotes removed.
std::string OsReleaseValue(std::string_view key) {
  std::ifstream in("/etc/os-release");
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() <= key.size() || line.compare(0, key.size(), key) != 0 || line[key.size()] != '=') {
      continue;
    }
    std::string value = line.substr(key.size() + 1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')) {
      value = value.substr(1, value.size() - 2);
    }
    return value;
  }
  return {};
}

class LinuxSystemFacts final : public SystemFacts {
 public:
  std::string LanguageName() const override { return kUndetermined; }
  std::string LocaleLanguageName() const override { return kUndetermined; }

  std::string ComputerName() const override {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return kUndetermined;
    return OrUndetermined(name);
  }

  std::string DomainName() const override { return OrUndetermined(ReadFirstLine("/proc/sys/kernel/domainname")); }

  ProcessorFacts Processor() const override { return {}; }
  BiosFacts Bios() const override { return {}; }
  InstallationFacts Installation() const override { return {}; }
  std::optional<std::vector<std::string>> MacAddresses() const override { return std::nullopt; }
  std::vector<DriveFacts> Drives() const override { return {}; }

  OsVersionFacts OsVersion() const override {
    OsVersionFacts os;
    struct utsname names {};
    if (::uname(&names) != 0) {
      os.name = "Linux?";
      return os;
    }
    os.name = names.sysname;
    int patch = 0;
    os.recognised = std::sscanf(names.release, "%d.%d.%d", &os.major, &os.minor, &patch) >= 2;
    os.build = patch;
    os.detail = OsReleaseValue("PRETTY_NAME");
    return os;
  }
};

}  // namespace

const SystemFacts& LocalSystemFacts() {
  static const LinuxSystemFacts facts;
  return facts;
}

}  // namespace lumora::platform
