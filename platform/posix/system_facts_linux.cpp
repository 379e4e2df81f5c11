#include "platform/system_facts.h"

#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <utility>

namespace lumora::platform {
namespace {

namespace fs = std::filesystem;

std::string OrUndetermined(std::string text) { return text.empty() ? kUndetermined : text; }

std::string TrimText(std::string text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
  return text.substr(start);
}

// The first line of a small text file, trimmed; empty when it cannot be read.
std::string ReadFirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  if (!in || !std::getline(in, line)) return {};
  return TrimText(line);
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

// The first of the given environment variables that is set and not empty.
std::string FirstEnvironment(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

// "en_US.UTF-8@euro" split into its language ("en") and territory ("US").
std::pair<std::string, std::string> SplitLocale(std::string locale) {
  locale = locale.substr(0, locale.find_first_of(".@"));
  const auto underscore = locale.find('_');
  if (underscore == std::string::npos) return {locale, {}};
  return {locale.substr(0, underscore), locale.substr(underscore + 1)};
}

std::string LanguageOf(const std::string& code) {
  static constexpr std::pair<std::string_view, std::string_view> kLanguages[] = {
      {"cs", "Czech"},   {"da", "Danish"},   {"de", "German"},     {"el", "Greek"},
      {"en", "English"}, {"es", "Spanish"},  {"fi", "Finnish"},    {"fr", "French"},
      {"hu", "Hungarian"}, {"it", "Italian"}, {"ja", "Japanese"},  {"ko", "Korean"},
      {"nb", "Norwegian"}, {"nl", "Dutch"},  {"no", "Norwegian"},  {"pl", "Polish"},
      {"pt", "Portuguese"}, {"ru", "Russian"}, {"sv", "Swedish"},  {"tr", "Turkish"},
      {"zh", "Chinese"},
  };
  for (const auto& [key, name] : kLanguages) {
    if (code == key) return std::string(name);
  }
  return code;
}

std::string TerritoryOf(const std::string& code) {
  static constexpr std::pair<std::string_view, std::string_view> kTerritories[] = {
      {"AT", "Austria"},   {"AU", "Australia"},      {"BE", "Belgium"},       {"BR", "Brazil"},
      {"CA", "Canada"},    {"CH", "Switzerland"},    {"CN", "China"},         {"CZ", "Czech Republic"},
      {"DE", "Germany"},   {"DK", "Denmark"},        {"ES", "Spain"},         {"FI", "Finland"},
      {"FR", "France"},    {"GB", "United Kingdom"}, {"IE", "Ireland"},       {"IN", "India"},
      {"IT", "Italy"},     {"JP", "Japan"},          {"KR", "Korea"},         {"MX", "Mexico"},
      {"NL", "Netherlands"}, {"NO", "Norway"},       {"NZ", "New Zealand"},   {"PL", "Poland"},
      {"PT", "Portugal"},  {"RU", "Russia"},         {"SE", "Sweden"},        {"TW", "Taiwan"},
      {"US", "United States"}, {"ZA", "South Africa"},
  };
  for (const auto& [key, name] : kTerritories) {
    if (code == key) return std::string(name);
  }
  return code;
}

// The C and POSIX locales name no language.
bool NamesLanguage(const std::string& language) {
  return !language.empty() && language != "C" && language != "POSIX";
}

// name -> value pairs of the first processor in /proc/cpuinfo.
std::vector<std::pair<std::string, std::string>> FirstProcessorEntries() {
  std::vector<std::pair<std::string, std::string>> entries;
  std::ifstream in("/proc/cpuinfo");
  std::string line;
  while (std::getline(in, line)) {
    if (TrimText(line).empty()) {
      if (!entries.empty()) break;
      continue;
    }
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    entries.emplace_back(TrimText(line.substr(0, colon)), TrimText(line.substr(colon + 1)));
  }
  return entries;
}

std::string EntryValue(const std::vector<std::pair<std::string, std::string>>& entries,
                       std::string_view name) {
  for (const auto& [key, value] : entries) {
    if (key == name) return value;
  }
  return {};
}

std::string DmiValue(const char* name) { return ReadFirstLine(std::string("/sys/class/dmi/id/") + name); }

std::string DriveType(const std::string& device, const std::string& fs_type) {
  if (fs_type == "nfs" || fs_type == "nfs4" || fs_type == "cifs" || fs_type == "smb3" ||
      fs_type == "sshfs" || fs_type == "fuse.sshfs") {
    return "Network";
  }
  if (fs_type == "iso9660" || fs_type == "udf") return "CDROM";
  if (fs_type == "tmpfs" || fs_type == "ramfs") return "RAM";
  if (device.starts_with("/dev/fd")) return "Floppy";
  if (device.starts_with("/dev/")) return "Fixed";
  return "Unknown";
}

// The label of a block device, from the links udev keeps in /dev/disk/by-label.
std::string VolumeLabel(const std::string& device) {
  std::error_code ec;
  const fs::path target = fs::weakly_canonical(device, ec);
  if (ec) return kUndetermined;
  for (const auto& link : fs::directory_iterator("/dev/disk/by-label", ec)) {
    std::error_code link_ec;
    if (fs::weakly_canonical(link.path(), link_ec) == target && !link_ec) {
      return link.path().filename().string();
    }
  }
  return kUndetermined;
}

// Mount-table fields escape spaces and the like as octal ("\040").
std::string UnescapeMountField(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string digits = field.substr(i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        out.push_back(static_cast<char>(std::stoi(digits, nullptr, 8)));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

class LinuxSystemFacts final : public SystemFacts {
 public:
  std::string LanguageName() const override {
    const auto [language, territory] = SplitLocale(FirstEnvironment({"LC_ALL", "LC_MESSAGES", "LANG"}));
    if (!NamesLanguage(language)) return kUndetermined;
    std::string name = LanguageOf(language);
    if (!territory.empty()) name += " (" + TerritoryOf(territory) + ")";
    return name;
  }

  std::string LocaleLanguageName() const override {
    const auto [language, territory] = SplitLocale(FirstEnvironment({"LC_ALL", "LC_CTYPE", "LANG"}));
    return NamesLanguage(language) ? LanguageOf(language) : std::string(kUndetermined);
  }

  std::string ComputerName() const override {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return kUndetermined;
    return OrUndetermined(name);
  }

  // The NIS domain when one is set, else the DNS domain of the host name or
  // of the resolver configuration. Nothing here asks the network.
  std::string DomainName() const override {
    const std::string nis = ReadFirstLine("/proc/sys/kernel/domainname");
    if (!nis.empty() && nis != "(none)") return nis;
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) == 0) {
      const std::string_view name(host);
      if (const auto dot = name.find('.'); dot != std::string_view::npos && dot + 1 < name.size()) {
        return std::string(name.substr(dot + 1));
      }
    }
    std::ifstream resolv("/etc/resolv.conf");
    std::string line;
    while (std::getline(resolv, line)) {
      std::istringstream words(line);
      std::string keyword, value;
      if (words >> keyword >> value && (keyword == "domain" || keyword == "search")) return value;
    }
    return kUndetermined;
  }

  ProcessorFacts Processor() const override {
    const auto entries = FirstProcessorEntries();
    ProcessorFacts cpu;
    cpu.vendor = OrUndetermined(EntryValue(entries, "vendor_id"));
    if (cpu.vendor == "GenuineIntel") {
      cpu.vendor_code = 1;
      cpu.manufacturer = "Intel";
    } else if (cpu.vendor == "AuthenticAMD") {
      cpu.vendor_code = 2;
      cpu.manufacturer = "AMD";
    } else if (cpu.vendor != kUndetermined) {
      cpu.vendor_code = 3;
      cpu.manufacturer = cpu.vendor;
    } else {
      cpu.manufacturer = kUndetermined;
    }
    struct utsname names {};
    cpu.type = ::uname(&names) == 0 ? std::string(names.machine) : std::string(kUndetermined);
    cpu.family = OrUndetermined(EntryValue(entries, "cpu family"));
    cpu.model = OrUndetermined(EntryValue(entries, "model"));
    cpu.stepping = OrUndetermined(EntryValue(entries, "stepping"));
    cpu.name = OrUndetermined(EntryValue(entries, "model name"));
    return cpu;
  }

  BiosFacts Bios() const override {
    BiosFacts bios;
    bios.name = OrUndetermined(DmiValue("bios_vendor"));
    bios.copyright = kUndetermined;  // Linux does not expose the BIOS copyright text
    std::string extended = DmiValue("bios_version");
    if (const std::string release = DmiValue("bios_release"); !release.empty()) {
      // Appended piece by piece: GCC 12 at -O2 and above reports a spurious
      // overlap (-Wrestrict) for a "literal + std::string" chain here.
      if (!extended.empty()) extended += ' ';
      extended.append("release ").append(release);
    }
    bios.extended = OrUndetermined(extended);
    int month = 0, day = 0, year = 0;
    if (std::sscanf(DmiValue("bios_date").c_str(), "%d/%d/%d", &month, &day, &year) == 3) {
      bios.date = CivilTime{year, month, day, 0, 0, 0, 0};
    }
    return bios;
  }

  InstallationFacts Installation() const override {
    InstallationFacts system;
    system.product = OrUndetermined(OsReleaseValue("PRETTY_NAME"));
    // Linux keeps no registered owner or organisation for an installation.
    system.owner = kUndetermined;
    system.organization = kUndetermined;
    return system;
  }

  std::optional<std::vector<std::string>> MacAddresses() const override {
    std::error_code ec;
    std::vector<std::pair<std::string, std::string>> found;
    for (const auto& adapter : fs::directory_iterator("/sys/class/net", ec)) {
      const std::string name = adapter.path().filename().string();
      std::string address = ReadFirstLine((adapter.path() / "address").string());
      if (name == "lo" || address.empty() || address == "00:00:00:00:00:00") continue;
      std::transform(address.begin(), address.end(), address.begin(),
                     [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
      found.emplace_back(name, address);
    }
    if (ec) return std::nullopt;
    std::sort(found.begin(), found.end());
    std::vector<std::string> addresses;
    for (auto& entry : found) addresses.push_back(std::move(entry.second));
    return addresses;
  }

  std::vector<DriveFacts> Drives() const override {
    std::vector<DriveFacts> drives;
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
      std::istringstream fields(line);
      std::string device, mount_point, fs_type, options;
      if (!(fields >> device >> mount_point >> fs_type >> options)) continue;
      device = UnescapeMountField(device);
      mount_point = UnescapeMountField(mount_point);
      DriveFacts drive;
      drive.type = DriveType(device, fs_type);
      // Pseudo file systems (proc, sysfs, cgroup, overlay...) are no drives.
      if (drive.type == "Unknown" || drive.type == "RAM") continue;
      drive.name = mount_point;
      drive.label = drive.type == "Fixed" ? VolumeLabel(device) : std::string(kUndetermined);
      struct statvfs info {};
      if (::statvfs(mount_point.c_str(), &info) != 0) {
        drive.read_write = "n/a";
      } else {
        drive.serial = static_cast<std::uint32_t>(info.f_fsid);
        const bool read_only = (info.f_flag & ST_RDONLY) != 0 || ::access(mount_point.c_str(), W_OK) != 0;
        drive.read_write = read_only ? "R/O" : "R/W";
        drive.size = static_cast<std::uint64_t>(info.f_blocks) * info.f_frsize;
        drive.free = static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
      }
      drives.push_back(std::move(drive));
    }
    return drives;
  }

  // "Linux 6.1 (Build 0: Debian GNU/Linux 12 (bookworm))": the kernel's name
  // and version, its patch level as the build and the distribution's name in
  // the place of the service-pack text.
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
