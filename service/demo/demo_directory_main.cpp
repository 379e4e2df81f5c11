// LumoraDemoDirectory: creates a demo installation of the connector (a demo
// Retail Pro database, the Oracle client's registry keys and tnsnames.ora,
// the recorded program directory and a configuration file with a client ID
// for every active store and a run-immediate request).
//
//   LumoraDemoDirectory <root> [--subsidiaries N] [--stores N] [--items N]
//                       [--seed N] [--restart-on-missing-data]

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/text.h"
#include "service/demo/demo_directory.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: LumoraDemoDirectory <root> [--subsidiaries N] [--stores N] [--items N]\n"
               "       [--seed N] [--restart-on-missing-data]\n");
  return 2;
}

bool ReadCount(const char* text, int& value) {
  const std::optional<int> number = lumora::DecimalInteger(text);
  if (!number || *number < 1 || *number > 10000000) return false;
  value = *number;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  lumora::TDemoDirectoryOptions options;
  std::string root;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--restart-on-missing-data") {
      options.restart_on_missing_data = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      if (!root.empty()) return Usage();
      root = arg;
      continue;
    }
    int count = 0;
    if (i + 1 >= argc || !ReadCount(argv[++i], count)) return Usage();
    if (arg == "--subsidiaries") options.database.subsidiaries = count;
    else if (arg == "--stores") options.database.stores_per_subsidiary = count;
    else if (arg == "--items") options.database.items = count;
    else if (arg == "--seed") options.database.seed = static_cast<std::uint64_t>(count);
    else return Usage();
  }
  if (root.empty()) return Usage();

  try {
    const lumora::TDemoDirectory demo = lumora::CreateDemoDirectory(root, options);
    std::printf("program directory: %s\n", demo.program.string().c_str());
    std::printf("Retail Pro database: %s\n", demo.database.string().c_str());
    std::printf("registry (LUMORA_REGISTRY): %s\n", demo.registry.string().c_str());
    std::printf("client IDs:\n");
    for (const auto& entry : demo.client_ids) std::printf("  %s\n", entry.c_str());
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "LumoraDemoDirectory: %s\n", error.what());
    return 1;
  }
}
