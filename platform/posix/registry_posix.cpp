#include "platform/registry.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "platform/file.h"
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

// A key folder that went away between two calls is simply absent.
void ThrowUnlessMissing(const std::error_code& ec, const fs::path& path) {
  if (ec && ec != std::errc::no_such_file_or_directory) throw std::system_error(ec, path.string());
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
    if (ec) throw std::system_error(ec, hive.string());
  }
  if (!fs::is_directory(hive, ec)) {
    ThrowUnlessMissing(ec, hive);
    return std::nullopt;
  }
  RegistryKey key(hive);
  for (const auto& part : SplitKeyPath(path)) {
    if (!IsUsableName(part)) {
      if (create) throw std::invalid_argument("No registry key can be named \"" + part + "\"");
      return std::nullopt;
    }
    if (auto existing = key.FindEntry(part, true)) {
      key = RegistryKey(*existing);
    } else if (create) {
      fs::path next = key.directory_ / part;
      if (!fs::create_directory(next, ec) && !fs::is_directory(next)) {
        throw std::system_error(ec ? ec : std::make_error_code(std::errc::not_a_directory), next.string());
      }
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
    std::error_code kind_ec;
    const bool kind_fits = want_directory ? it->is_directory(kind_ec) : it->is_regular_file(kind_ec);
    if (kind_fits && EqualsIgnoringCase(it->path().filename().string(), name)) {
      matches.push_back(it->path());
    }
  }
  ThrowUnlessMissing(ec, directory_);
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
    std::error_code kind_ec;
    if (it->is_directory(kind_ec)) names.push_back(it->path().filename().string());
  }
  ThrowUnlessMissing(ec, directory_);
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
  File file = File::Open(path->string(), FileMode::kOpenRead);
  std::string value;
  std::array<char, 4096> buffer{};
  while (const std::int64_t got = file.Read(buffer.data(), buffer.size())) {
    value.append(buffer.data(), static_cast<std::size_t>(got));
  }
  // A value written by hand (echo /opt/oracle > ORACLE_BASE) ends in a
  // newline that is not part of it.
  if (value.ends_with("\r\n")) {
    value.resize(value.size() - 2);
  } else if (value.ends_with('\n')) {
    value.pop_back();
  }
  return value;
}

void RegistryKey::WriteString(std::string_view name, std::string_view value) const {
  if (!IsUsableName(name)) {
    throw std::invalid_argument("No registry value can be named \"" + std::string(name) + "\"");
  }
  const fs::path path = FindEntry(name, false).value_or(directory_ / std::string(name));
  File::Open(path.string(), FileMode::kCreate).Write(value.data(), static_cast<std::int64_t>(value.size()));
}

}  // namespace lumora::platform
