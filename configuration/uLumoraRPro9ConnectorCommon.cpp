#include "configuration/uLumoraRPro9ConnectorCommon.h"

#include <filesystem>

#include "configuration/config_file.h"
#include "configuration/config_file_io.h"
#include "foundation/paths.h"
#include "logging/uQzLogging.h"
#include "platform/executable.h"
#include "platform/file_version.h"
#include "platform/platform_config.h"

namespace lumora {

std::string LoadedConfigText = "[not loaded]";

namespace {

constexpr std::string_view kLoadArea = "LoadConfig";
constexpr std::string_view kSaveArea = "SaveConfig";
constexpr std::string_view kInitArea = "Init";

// Evaluated at every load and save: the service moves ExeDir to its recorded
// installation directory after start-up.
std::string ConfigFilePath() { return lumora::ConfigFilePath(ExeDir()); }

std::string ExecutableName(std::string_view program) {
  return std::string(program) + platform::kExecutableSuffix;
}

// The log lines keep the Windows file names, whatever the platform calls
// the executables, so logs read the same everywhere.
void LogVersion(std::string_view prefix, const std::string& path) {
  try {
    LogInfo(0, std::string(prefix) + path + "): " + platform::FileVersionText(path), kInitArea);
  } catch (const std::exception& error) {
    LogInfo(0, "Unable to acquire the version number for \"" + path + "\": " + error.what());
  }
}

}  // namespace

void SaveConfig() {
  LogEnter(9, kSaveArea);
  LogInfo(9, "Writing config values to list", kSaveArea);
  std::string bytes = ConfigFileBytes(ConnectorConfig, GlobalLogLevel());
  LogInfo(9, "Encrypting list", kSaveArea);
  LogInfo(9, "Writing config to file", kSaveArea);
  ReplaceFileContent(ConfigFilePath(), bytes);
  LogInfo(9, "Config values written to list", kSaveArea);
  LogExit(9, kSaveArea);
}

void SaveConfigChanges(const std::function<void(TConnectorConfig&)>& AChange) {
  LogEnter(9, kSaveArea);
  const std::string path = ConfigFilePath();
  TConnectorConfig record = ConnectorConfig;
  int loglevel = GlobalLogLevel();
  std::string current;
  try {
    current = ReadFileContent(path);
  } catch (const std::exception&) {
    // No file to keep: the record is all there is.
  }
  if (!current.empty()) {
    // A fresh record, not the one in memory: a slot the operator cleared must
    // stay cleared.
    TConnectorConfig from_file;
    loglevel = ParseConfigFile(current, from_file).loglevel;
    record = std::move(from_file);
  }
  AChange(record);
  LogInfo(9, "Writing config values to list", kSaveArea);
  std::string bytes = ConfigFileBytes(record, loglevel);
  LogInfo(9, "Encrypting list", kSaveArea);
  LogInfo(9, "Writing config to file", kSaveArea);
  ReplaceFileContent(path, bytes);
  LogInfo(9, "Config values written to list", kSaveArea);
  LogExit(9, kSaveArea);
}

std::optional<std::filesystem::file_time_type> ConfigFileTime() {
  std::error_code error;
  const auto modified = std::filesystem::last_write_time(ConfigFilePath(), error);
  if (error) return std::nullopt;
  return modified;
}

bool LoadConfig(bool& changed) {
  changed = false;
  try {
    const std::string path = ConfigFilePath();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
      LogInfo(1, "Config file not found", kLoadArea);
      return false;
    }
    // Only a file whose time can be read is loaded; it is read on every call.
    const auto modified = std::filesystem::last_write_time(path, error);
    if (error || modified == std::filesystem::file_time_type::min()) {
      LogInfo(9, "Config file has not changed -- skipping load", kLoadArea);
      return false;
    }
    std::string bytes = ReadFileContent(path);
    if (bytes.empty()) {
      LogInfo(1, "Config file empty", kLoadArea);
      LogInfo(1, "Config empty, skipping parse", kLoadArea);
      return false;
    }
    // Parse into a copy so that a failure half way leaves the record as it was.
    TConnectorConfig loaded = ConnectorConfig;
    TConfigParseResult result = ParseConfigFile(bytes, loaded);
    bytes = std::string();
    SetGlobalLogLevel(result.loglevel);
    ConnectorConfig = std::move(loaded);
    LoadedConfigText = std::move(result.loaded_text);
    changed = result.changed;
    return true;
  } catch (const std::exception& error) {
    LogExc(error, kLoadArea);
    return false;
  }
}

void Init(TProgram program) {
  const bool service = program == TProgram::Service;
  StartGlobalLog(service ? "LumoraRPro9Service" : "LumoraRPro9Configurator", false);

  std::string service_path;
  if (service) {
    service_path = platform::ExecutablePath();
    if (!std::filesystem::path(service_path).is_absolute()) {
      service_path = PathJoin(ExeDir(), service_path);
    }
  } else {
    service_path = PathJoin(ExeDir(), ExecutableName("LumoraRPro9Service"));
  }
  LogVersion("LumoraRPro9Service.exe (", service_path);
  LogVersion("LumoraRPro9Configurator.exe (", PathJoin(ExeDir(), ExecutableName("LumoraRPro9Configurator")));

  LogInfo(0, "ExeDir: " + ExeDir(), kInitArea);
  LogInfo(0, "LogDir: " + LogDir(), kInitArea);

  try {
    LogEnter(9, kInitArea);
    ConnectorConfig.ScheduleTimes = UnsetScheduleTimes();
    LogExit(9, kInitArea);
  } catch (const std::exception& error) {
    LogInfo(0, std::string("Unable to log schedule: ") + error.what());
  }

  try {
    ConnectorConfig.clientids.clear();
  } catch (const std::exception& error) {
    LogInfo(0, std::string("Unable to instantiate Client IDs structure: ") + error.what());
  }
}

void Shutdown() {
  ConnectorConfig.clientids = {};
  EndGlobalLog();
}

}  // namespace lumora
