#pragma once

#include <string>

#include "platform/platform_errors.h"

namespace lumora::platform {

// The four-part file version embedded in an executable, as
// "major.minor.release.build". Empty text, and no error, when the file does
// not exist or carries no version.
std::string FileVersionText(const std::string& path);

}  // namespace lumora::platform
