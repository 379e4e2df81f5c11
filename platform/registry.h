#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora::platform {

// The Windows registry's HKEY_LOCAL_MACHINE hive, as far as the programs use
// it: keys holding subkeys and string values.
//
// On POSIX it is a directory tree: the hive is the folder HKEY_LOCAL_MACHINE
// below the root (the directory named by LUMORA_REGISTRY, default
// /etc/lumora/registry), each key a folder, each string value a file named
// after the value and holding its text (UTF-8; one trailing LF or CR LF, as
// an editor or echo leaves it, is not part of the value). Key and value names
// match without regard to case; subkeys enumerate as Windows lists them, in
// name order without regard to case.
class RegistryKey {
 public:
  // Opens a key of HKEY_LOCAL_MACHINE by its path ("SOFTWARE\ORACLE"; "\" and
  // "/" both separate). Without create, a missing key cannot be opened.
  static std::optional<RegistryKey> Open(std::string_view path, bool create = false);

  bool HasSubKey(std::string_view name) const;
  std::optional<RegistryKey> OpenSubKey(std::string_view name) const;
  // Subkey names as stored, ordered ignoring letter case.
  std::vector<std::string> SubKeyNames() const;

  bool HasValue(std::string_view name) const;
  // The text of a string value; nullopt when the value does not exist.
  std::optional<std::string> ReadString(std::string_view name) const;
  // Writes a string value; false when it cannot be written.
  bool WriteString(std::string_view name, std::string_view value) const;

  const std::filesystem::path& Directory() const { return directory_; }

 private:
  explicit RegistryKey(std::filesystem::path directory) : directory_(std::move(directory)) {}
  std::optional<std::filesystem::path> FindEntry(std::string_view name, bool want_directory) const;

  std::filesystem::path directory_;
};

// The directory that holds the hive folders.
std::filesystem::path RegistryRoot();

}  // namespace lumora::platform
