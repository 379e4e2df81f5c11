// LumoraRProDemoDb: writes a Retail Pro demo database for the embedded engine.
//
//   LumoraRProDemoDb <file> [--seed N] [--subsidiaries N] [--stores N]
//                    [--items N] [--sales-orders N] [--transfer-orders N]
//                    [--today yyyy-mm-dd] [--no-local-upc]

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/text.h"
#include "retailpro/demo_database.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: LumoraRProDemoDb <file> [--seed N] [--subsidiaries N] [--stores N]\n"
               "       [--items N] [--sales-orders N] [--transfer-orders N]\n"
               "       [--today yyyy-mm-dd] [--no-local-upc]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  lumora::DemoDatabaseOptions options;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--no-local-upc") {
      options.local_upc = false;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      if (!path.empty()) return Usage();
      path = arg;
      continue;
    }
    if (i + 1 >= argc) return Usage();
    const char* value = argv[++i];
    if (arg == "--today") {
      options.today = value;
      continue;
    }
    const std::optional<int> number = lumora::DecimalInteger(value);
    if (!number || *number < 0 || *number > 100000000) return Usage();
    const int count = *number;
    if (arg == "--seed") options.seed = static_cast<std::uint64_t>(count);
    else if (arg == "--subsidiaries") options.subsidiaries = count;
    else if (arg == "--stores") options.stores_per_subsidiary = count;
    else if (arg == "--items") options.items = count;
    else if (arg == "--sales-orders") options.sales_orders = count;
    else if (arg == "--transfer-orders") options.transfer_orders = count;
    else return Usage();
  }
  if (path.empty()) return Usage();
  try {
    lumora::CreateDemoDatabase(path, options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "LumoraRProDemoDb: %s\n", error.what());
    return 1;
  }
  return 0;
}
