#pragma once

// Whole-file reads and replacing writes of the configuration file. The
// configurator saves while the service reads every five seconds, so a save
// never exposes a half-written file: it writes a temporary file beside the
// old one and renames it over it.

#include <string>
#include <string_view>

namespace lumora {

// Replaces the file at `path` with `bytes` in one step. Raises EFCreateError
// ("Cannot create file ...") or EInOutError; the old file then stays intact.
void ReplaceFileContent(const std::string& path, std::string_view bytes);

// The whole content of a file. Raises EFOpenError ("Cannot open file ...")
// or EInOutError.
std::string ReadFileContent(const std::string& path);

}  // namespace lumora
