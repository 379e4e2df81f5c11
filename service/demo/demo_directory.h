#pragma once

// A complete demo installation in one folder: a Retail Pro database for the
// embedded engine, the Oracle client's registry keys and tnsnames.ora that
// lead to it, the service's recorded program directory, and a configuration
// file that gives every active store a client ID and asks for a run at once.
// The main job and the end-to-end tests start the programs from it.

#include <filesystem>
#include <string>
#include <vector>

#include "retailpro/demo_database.h"

namespace lumora {

struct TDemoDirectoryOptions {
  DemoDatabaseOptions database;
  bool run_immediate = true;
  bool restart_on_missing_data = false;
  int log_level = 1;
};

// Where the parts of a demo installation live below its root.
struct TDemoDirectory {
  std::filesystem::path root;
  std::filesystem::path program;   // the program directory (ExeDir)
  std::filesystem::path database;  // the Retail Pro database file
  std::filesystem::path registry;  // the registry root (LUMORA_REGISTRY)
  // The configured entries, "<subsidiary>.<store>=<client ID>", in the order
  // the stores are listed (subsidiary, then store).
  std::vector<std::string> client_ids;
};

// The layout below ARoot, without creating anything.
TDemoDirectory DemoDirectoryLayout(const std::filesystem::path& ARoot);

// The client ID the demo gives a store.
std::string DemoClientID(int ASbsNo, int AStoreNo);

// Creates the demo installation below ARoot, which must not hold one yet
// (the database is never overwritten). The programs are not copied; the
// caller puts them into the program directory. Raises on failure.
TDemoDirectory CreateDemoDirectory(const std::filesystem::path& ARoot,
                                   const TDemoDirectoryOptions& AOptions);

}  // namespace lumora
