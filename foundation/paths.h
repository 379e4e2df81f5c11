#pragma once

#include <string>
#include <string_view>

#include "platform/platform_config.h"

namespace lumora {

// Appends one part to a path: one leading separator of the part is dropped and
// a separator is put between the two unless the path already ends in one. An
// empty path therefore gets a leading separator.
void AppendPathPart(std::string& path, std::string_view part);

// Joins path parts with exactly one separator between them.
template <class... Parts>
std::string PathJoin(std::string_view first, const Parts&... parts) {
  std::string path(first);
  (AppendPathPart(path, std::string_view(parts)), ...);
  return path;
}

// The directory of the running program with a trailing separator. The
// configuration file, the batch folders and the log folder are found from it.
// Fixed at start; the service may replace it with its recorded installation
// directory. SetExeDir appends the separator when it is missing; an empty
// directory (an installation that recorded none) stays empty and stands for
// the current directory. Safe to read from any thread.
std::string ExeDir();
void SetExeDir(std::string directory);

// The program's own files and folders below a program directory AExeDir
// (normally ExeDir()). Folder names end in a separator where noted.
inline constexpr std::string_view kConfigFileName = "Lumoraconnector.cfg";
std::string ConfigFilePath(std::string_view AExeDir);
std::string LogFolder(std::string_view AExeDir);           // "logs" + separator
std::string BatchFolder(std::string_view AExeDir);         // "Batch" + separator
std::string BatchArchiveFolder(std::string_view AExeDir);  // Batch/Archive
std::string BatchBackupFolder(std::string_view AExeDir);   // Batch/Archive/Verrin (FBackupPath)

// The last part of a path (after the last separator) and the directory part
// including its trailing separator.
std::string_view FileNamePart(std::string_view path);
std::string_view DirectoryPart(std::string_view path);

}  // namespace lumora
