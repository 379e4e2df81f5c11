// Feeds arbitrary bytes to the configuration file parser, as a damaged or
// foreign file would, then checks that what it loaded survives a save and a
// second load unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "configuration/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TConnectorConfig config;
  const TConfigParseResult first = ParseConfigFile(bytes, config);

  TConnectorConfig again;
  const TConfigParseResult second = ParseConfigFile(ConfigFileBytes(config, first.loglevel), again);
  // Numbers and flags are written exactly, so they must read back exactly.
  if (again.scanscheduling != config.scanscheduling || again.scaninterval != config.scaninterval ||
      again.oracledelay != config.oracledelay || second.loglevel != first.loglevel ||
      again.runimmediate != config.runimmediate ||
      again.restartonmissingdata != config.restartonmissingdata ||
      again.notifyonstartup != config.notifyonstartup) {
    std::abort();
  }
  return 0;
}
