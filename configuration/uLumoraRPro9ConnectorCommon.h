#pragma once

// The configuration module both programs share: the configuration record and
// its scrambled file, and each program's start-up and shut-down.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "configuration/connector_config.h"
#include "foundation/paths.h"

namespace lumora {

// The text of the configuration as last parsed by LoadConfig, each line
// followed by CR LF; "[not loaded]" until the first successful load.
extern std::string LoadedConfigText;

// Reads ExeDir + "Lumoraconnector.cfg" into ConnectorConfig. True when the
// file was read and parsed; `changed` tells whether the schedule values
// changed. Never raises: every failure is logged and gives false.
bool LoadConfig(bool& changed);
// Writes the whole record. File errors are raised to the caller.
void SaveConfig();
// The service's save: the file's current settings with only AChange applied
// (the service's own fields, such as lastquery), so that a save never undoes
// what the configurator saved meanwhile. Without a readable file it saves the
// record with AChange applied. File errors are raised to the caller.
void SaveConfigChanges(const std::function<void(TConnectorConfig&)>& AChange);
// The configuration file's last modification time; empty when it cannot be
// read.
std::optional<std::filesystem::file_time_type> ConfigFileTime();

// Which program is starting: decides the logger's module name and which
// executable's version is logged first.
enum class TProgram { Service, Configurator };

// Start-up of a program, before any window or service object exists.
void Init(TProgram program);
// Shut-down at program end: frees ClientIDs and ends the logger.
void Shutdown();

}  // namespace lumora
