#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform_errors.h"

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
//
// A key or value that does not exist is an answer (nullopt, false); a
// registry that cannot be read or written throws std::system_error.
class RegistryKey {
 public:
  // Opens a key of HKEY_LOCAL_MACHINE by its path ("SOFTWARE\ORACLE"; "\" and
  // "/" both separate). Without create, nullopt when the key does not exist;
  // with create, the keys missing on the way are created (never nullopt then,
  // and std::invalid_argument for a name no key can have).
  static std::optional<RegistryKey> Open(std::string_view path, bool create = false);

  bool HasSubKey(std::string_view name) const;
  // nullopt when the subkey does not exist.
  std::optional<RegistryKey> OpenSubKey(std::string_view name) const;
  // Subkey names as stored, ordered ignoring letter case.
  std::vector<std::string> SubKeyNames() const;

  bool HasValue(std::string_view name) const;
  // The text of a string value; nullopt when there is no string value of
  // that name.
  std::optional<std::string> ReadString(std::string_view name) const;
  // Writes a string value, creating or replacing it.
  void WriteString(std::string_view name, std::string_view value) const;

  const std::filesystem::path& Directory() const { return directory_; }

 private:
  explicit RegistryKey(std::filesystem::path directory) : directory_(std::move(directory)) {}
  std::optional<std::filesystem::path> FindEntry(std::string_view name, bool want_directory) const;

  std::filesystem::path directory_;
};

// The directory that holds the hive folders.
std::filesystem::path RegistryRoot();

}  // namespace lumora::platform
