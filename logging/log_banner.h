#pragma once

#include <string>
#include <vector>

#include "platform/system_facts.h"

namespace lumora {

// The messages of the start-of-log banner, in order; each becomes one line at
// level 0 with the INFO tag and an empty area. The machine block is added
// when log_machine is set.
std::vector<std::string> BannerMessages(int log_level, bool log_machine,
                                        const platform::SystemFacts& facts);

// The operating-system line: "name major.minor (Build n: detail)", without
// the detail part when there is none, and "name major.minor" for a system
// that was not recognised.
std::string OperatingSystemText(const platform::OsVersionFacts& os);

}  // namespace lumora
