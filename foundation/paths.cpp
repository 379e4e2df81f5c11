#include "foundation/paths.h"

#include <mutex>

#include "platform/executable.h"

namespace lumora {
namespace {

constexpr char kSep = platform::kPathSeparator;

std::mutex g_exe_dir_mutex;
std::string g_exe_dir;
bool g_exe_dir_set = false;

}  // namespace

void AppendPathPart(std::string& path, std::string_view part) {
  if (!part.empty() && part.front() == kSep) part.remove_prefix(1);
  if (path.empty() || path.back() != kSep) path.push_back(kSep);
  path.append(part);
}

std::string ExeDir() {
  std::lock_guard lock(g_exe_dir_mutex);
  if (!g_exe_dir_set) {
    g_exe_dir = std::string(DirectoryPart(platform::ExecutablePath()));
    g_exe_dir_set = true;
  }
  return g_exe_dir;
}

void SetExeDir(std::string directory) {
  if (!directory.empty() && directory.back() != kSep) directory.push_back(kSep);
  std::lock_guard lock(g_exe_dir_mutex);
  g_exe_dir = std::move(directory);
  g_exe_dir_set = true;
}

// AExeDir ends in a separator or is empty, so plain concatenation is right
// (PathJoin would turn an empty directory into the root).
std::string ConfigFilePath(std::string_view AExeDir) {
  return std::string(AExeDir) + std::string(kConfigFileName);
}

std::string LogFolder(std::string_view AExeDir) { return std::string(AExeDir) + "logs" + kSep; }

std::string BatchFolder(std::string_view AExeDir) { return std::string(AExeDir) + "Batch" + kSep; }

std::string BatchArchiveFolder(std::string_view AExeDir) {
  return PathJoin(BatchFolder(AExeDir), "Archive");
}

std::string BatchBackupFolder(std::string_view AExeDir) {
  return PathJoin(BatchArchiveFolder(AExeDir), "Verrin");
}

std::string_view FileNamePart(std::string_view path) {
  const auto pos = path.find_last_of(kSep);
  return pos == std::string_view::npos ? path : path.substr(pos + 1);
}

std::string_view DirectoryPart(std::string_view path) {
  const auto pos = path.find_last_of(kSep);
  return pos == std::string_view::npos ? std::string_view{} : path.substr(0, pos + 1);
}

}  // namespace lumora
