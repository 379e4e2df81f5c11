#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumora::test {

// A fresh directory under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The directory as text with a trailing separator, the form ExeDir has.
  std::string dir() const;

  // Writes a file below the directory (creating folders) and returns its path.
  std::filesystem::path Write(std::string_view relative, std::string_view bytes) const;
  std::string Read(std::string_view relative) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace lumora::test
