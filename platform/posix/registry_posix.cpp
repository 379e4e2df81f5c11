#include "platform/registry.h"

#include <algorithm>
#include <compare>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/registry_key_path.h"

namespace lumora::platform {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kHive = "HKEY_LOCAL_MACHINE";

// A name that cannot become a single path component is never a key or value.
bool IsUsableName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

}  // namespace

fs::path RegistryRoot() {
  const char* configured = std::getenv("LUMORA_REGISTRY");
  return configured != nullptr && *configured != '\0' ? fs::path(configured)
                                                      : fs::path("/etc/lumora/registry");
}

std::optional<RegistryKey> RegistryKey::Open(std::string_view path, bool create) {
  std::error_code ec;
  const fs::path hive = RegistryRoot() / kHive;
  if (create) {
    fs::create_directories(hive, ec);
  }
  if (!fs::is_directory(hive, ec)) return std::nullopt;
  RegistryKey key(hive);
  for (const auto& part : SplitKeyPath(path)) {
    if (!IsUsableName(part)) return std::nullopt;
    if (auto existing = key.FindEntry(part, true)) {
      key = RegistryKey(*existing);
    } else if (create) {
      fs::path next = key.directory_ / part;
      if (!fs::create_directory(next, ec) && !fs::is_directory(next, ec)) return std::nullopt;
      key = RegistryKey(std::move(next));
    } else {
      return std::nullopt;
    }
  }
  return key;
}

std::optional<fs::path> RegistryKey::FindEntry(std::string_view name, bool want_directory) const {
  if (!IsUsableName(name)) return std::nullopt;
  std::error_code ec;
  // The exact spelling first, then any spelling that differs only in case.
  const fs::path exact = directory_ / std::string(name);
  if (want_directory ? fs::is_directory(exact, ec) : fs::is_regular_file(exact, ec)) return exact;
  std::vector<fs::path> matches;
  for (fs::directory_iterator it(directory_, ec), end; !ec && it != end; it.increment(ec)) {
    const bool kind_fits = want_directory ? it->is_directory(ec) : it->is_regular_file(ec);
    if (kind_fits && EqualsIgnoringCase(it->path().filename().string(), name)) {
      matches.push_back(it->path());
    }
  }
  if (matches.empty()) return std::nullopt;
  // Deterministic choice when the file system holds several spellings.
  return *std::min_element(matches.begin(), matches.end());
}

bool RegistryKey::HasSubKey(std::string_view name) const { return FindEntry(name, true).has_value(); }

std::optional<RegistryKey> RegistryKey::OpenSubKey(std::string_view name) const {
  if (auto path = FindEntry(name, true)) return RegistryKey(*path);
  return std::nullopt;
}

std::vector<std::string> RegistryKey::SubKeyNames() const {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(directory_, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_directory(ec)) names.push_back(it->path().filename().string());
  }
  // Windows lists subkeys in the order of their names without regard to
  // letter case (compared in upper case, so "_" sorts after the letters).
  const auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
  std::sort(names.begin(), names.end(), [&upper](const std::string& a, const std::string& b) {
    const auto order = std::lexicographical_compare_three_way(
        a.begin(), a.end(), b.begin(), b.end(), [&upper](char x, char y) {
          return static_cast<unsigned char>(upper(x)) <=> static_cast<unsigned char>(upper(y));
        });
    return order != 0 ? order < 0 : a < b;
  });
  return names;
}

bool RegistryKey::HasValue(std::string_view name) const { return FindEntry(name, false).has_value(); }

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const {
  const auto path = FindEntry(name, false);
  if (!path) return std::nullopt;
  std::ifstream in(*path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string value(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
  // A value written by hand (echo /opt/oracle > ORACLE_BASE) ends in a
  // newline that is not part of it.
  if (value.ends_with("\r\n")) {
    value.resize(value.size() - 2);
  } else if (value.ends_with('\n')) {
    value.pop_back();
  }
  return value;
}

bool RegistryKey::WriteString(std::string_view name, std::string_view value) const {
  if (!IsUsableName(name)) return false;
  const fs::path path = FindEntry(name, false).value_or(directory_ / std::string(name));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(value.data(), static_cast<std::streamsize>(value.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace lumora::platform
