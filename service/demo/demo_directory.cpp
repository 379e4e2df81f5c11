#include "service/demo/demo_directory.h"

#include <cstdio>
#include <fstream>
#include <memory>

#include "configuration/config_file.h"
#include "configuration/config_file_io.h"
#include "configuration/connector_config.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "foundation/exceptions.h"
#include "platform/platform_config.h"
#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "retailpro/verrin_db.h"
#include "service/service_identity.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

LUMORA_DECLARE_EXCEPTION(EDemoDirectoryError, Exception);

// The Oracle home key the registry stand-in gets; its ORACLE_BASE names the
// folder that holds the home's NETWORK/ADMIN/tnsnames.ora.
constexpr std::string_view kOracleHomeKey = "SOFTWARE\\ORACLE\\KEY_OraClient11g_home1";
constexpr std::string_view kOracleHomeName = "OraClient11g_home1";

std::string SqliteDescriptor(const fs::path& ADatabase) {
  return "(DESCRIPTION =\n"
         "  (ADDRESS = (PROTOCOL = SQLITE)(FILE = " + ADatabase.string() + "))\n"
         "  (CONNECT_DATA = (SERVICE_NAME = RPROODS))\n"
         ")\n";
}

void WriteTextFile(const fs::path& APath, const std::string& AText) {
  fs::create_directories(APath.parent_path());
  std::ofstream file(APath, std::ios::binary | std::ios::trunc);
  file << AText;
  file.close();
  if (!file) throw EDemoDirectoryError("Cannot write " + APath.string());
}

// Writes one string value, creating its key. The registry root is given
// explicitly so that the process environment is left alone.
void WriteRegistryValue(const fs::path& ARegistry, std::string_view AKey, std::string_view AName,
                        const std::string& AValue) {
  fs::path key = ARegistry / "HKEY_LOCAL_MACHINE";
  std::string_view rest = AKey;
  while (!rest.empty()) {
    const auto cut = rest.find('\\');
    key /= std::string(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
  }
  WriteTextFile(key / std::string(AName), AValue);
}

// The active stores of the database, in the order the configurator lists
// them, each with its demo client ID.
std::vector<std::string> ActiveStoreEntries(const fs::path& ADatabase) {
  TVerrinConnection connection;
  connection.SetConnectionString(SessionConnectionString(SqliteDescriptor(ADatabase)));
  connection.SetLoginPrompt(false);
  connection.Open();
  const std::unique_ptr<TVerrinDataset> stores = OpenQueryOnStores(connection);
  if (!stores || !stores->Active()) throw EDemoDirectoryError("Cannot list the demo stores");
  std::vector<std::string> entries;
  for (; !stores->Eof(); stores->Next()) {
    const int sbs_no = stores->FieldByName("sbs_no").AsInteger();
    const int store_no = stores->FieldByName("store_no").AsInteger();
    entries.push_back(std::to_string(sbs_no) + "." + std::to_string(store_no) + "=" +
                      DemoClientID(sbs_no, store_no));
  }
  return entries;
}

}  // namespace

TDemoDirectory DemoDirectoryLayout(const fs::path& ARoot) {
  const fs::path root = fs::absolute(ARoot).lexically_normal();
  return {.root = root,
          .program = root / "program",
          .database = root / "retailpro" / "rpro_demo.db",
          .registry = root / "registry",
          .client_ids = {}};
}

std::string DemoClientID(int ASbsNo, int AStoreNo) {
  char text[32];
  std::snprintf(text, sizeof text, "LUMDEMO-%d-%02d", ASbsNo, AStoreNo);
  return text;
}

TDemoDirectory CreateDemoDirectory(const fs::path& ARoot, const TDemoDirectoryOptions& AOptions) {
  TDemoDirectory demo = DemoDirectoryLayout(ARoot);
  fs::create_directories(demo.program);
  fs::create_directories(demo.database.parent_path());
  CreateDemoDatabase(demo.database.string(), AOptions.database);

  const fs::path oracle_base = demo.root / "oracle";
  WriteTextFile(oracle_base / kOracleHomeName / "NETWORK" / "ADMIN" / "tnsnames.ora",
                "# The demo Retail Pro database, served by the embedded engine.\n"
                "RPROODS =\n" + SqliteDescriptor(demo.database));
  WriteRegistryValue(demo.registry, kOracleHomeKey, "ORACLE_BASE", oracle_base.string());
  std::string program_directory = demo.program.string();
  program_directory += platform::kPathSeparator;
  WriteRegistryValue(demo.registry, ServiceRegistryKey(), kServiceDirectoryValue, program_directory);

  demo.client_ids = ActiveStoreEntries(demo.database);

  // The file is written by the configuration store's own writer, so it is
  // exactly what the configurator would save.
  TConnectorConfig config;
  config.clientids = demo.client_ids;
  config.scanscheduling = 0;
  config.scaninterval = 60 * 60 * 1000;
  config.runimmediate = AOptions.run_immediate;
  config.restartonmissingdata = AOptions.restart_on_missing_data;
  ReplaceFileContent((demo.program / std::string(kConfigFileName)).string(),
                     ConfigFileBytes(config, AOptions.log_level));
  return demo;
}

}  // namespace lumora
