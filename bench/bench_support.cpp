#include "bench/bench_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "foundation/text.h"
#include "retailpro/demo_database.h"
#include "retailpro/uLumoraRPro9ConnectorSQLs.h"

namespace lumora::bench {

double Seconds(SteadyClock::time_point since) {
  return std::chrono::duration<double>(SteadyClock::now() - since).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

BenchOptions ParseOptions(int argc, char** argv, OwnOptions own) {
  BenchOptions options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view arg = argv[i];
    if (arg == "--items") {
      options.items = lumora::DecimalInteger(argv[i + 1]).value_or(0);
    } else if (arg == "--runs") {
      options.runs = std::max(1, lumora::DecimalInteger(argv[i + 1]).value_or(1));
    } else if (arg == "--db") {
      options.db = argv[i + 1];
    } else {
      for (const auto& [name, value] : own) {
        if (arg == name) *value = argv[i + 1];
      }
    }
  }
  return options;
}

std::filesystem::path MakeWorkFolder(const std::string& prefix) {
  const auto work = std::filesystem::temp_directory_path() / (prefix + std::to_string(::getpid()));
  std::filesystem::create_directories(work);
  return work;
}

void CreateDatabaseIfMissing(const std::string& db, int items) {
  if (std::filesystem::exists(db)) return;
  const auto start = SteadyClock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    DemoDatabaseOptions options;
    options.items = items;
    options.subsidiaries = 1;
    options.stores_per_subsidiary = 2;
    options.sales_orders = items / 20;
    options.transfer_orders = items / 50;
    try {
      CreateDemoDatabase(db, options);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "%s\n", error.what());
      ::_exit(1);
    }
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("creating failed");
  std::printf("created %s with %d items in %.1f s\n", db.c_str(), items, Seconds(start));
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::string bytes(std::filesystem::file_size(path), '\0');
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw std::runtime_error("cannot read " + path.string());
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  bytes.resize(got);
  return bytes;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string SqliteInventoryQuery() {
  std::string text = InventoryQueryText(true);
  ReplaceAll(text, "to_char(inv.item_sid)", "cast(inv.item_sid as text)");
  ReplaceAll(text, "Nvl(", "ifnull(");
  ReplaceAll(text, "nvl(", "ifnull(");
  ReplaceAll(text, "BitAnd(1, so.Status)", "(1 & so.Status)");
  ReplaceAll(text, "trunc(sysdate)", "date('now', 'localtime') || ' 00:00:00'");
  ReplaceAll(text, "sysdate", "datetime('now', 'localtime')");
  // SQLite sorts nulls first, Oracle last.
  ReplaceAll(text, " asc", " asc nulls last");
  return text;
}

}  // namespace lumora::bench
