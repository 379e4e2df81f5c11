#pragma once

// The byte format of the configuration file, shared with the Windows
// programs: "key=value" lines ending in CR LF, Windows-1252, every byte XOR-ed
// with 0xD7. Pure functions from record to bytes and back, so tests and
// fuzzers reach the format without touching files or the logger.

#include <string>
#include <string_view>

#include "configuration/connector_config.h"

namespace lumora {

inline constexpr unsigned char kConfigMask = 0xD7;

// XOR-s every byte with the mask; applying it twice gives the input back.
void ScrambleConfigBytes(std::string& bytes);

// The unscrambled text of the record, each line followed by CR LF, in the
// program's UTF-8. Keys whose value text is empty are left out. `loglevel` is
// the logger's level, which the record does not hold.
std::string ConfigFileText(const TConnectorConfig& config, int loglevel);

// The complete scrambled file content for the record.
std::string ConfigFileBytes(const TConnectorConfig& config, int loglevel);

// What one parse found besides the record's values.
struct TConfigParseResult {
  bool changed = false;      // scaninterval, a sleep time or a schedule slot moved
  int loglevel = 1;          // for the logger's set-level operation
  std::string loaded_text;   // the parsed lines, each followed by CR LF
};

// Applies a scrambled file content to `config`: integers, booleans,
// lastquery and the client IDs are replaced by the file's value or their
// default, times only when the file holds a parsable time. Any byte sequence
// is accepted.
TConfigParseResult ParseConfigFile(std::string_view bytes, TConnectorConfig& config);

}  // namespace lumora
