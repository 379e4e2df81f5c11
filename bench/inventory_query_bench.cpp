// Reads the inventory query of one store of a large demo database through the
// database layer, and in the same run lets the sqlite3 shell export the same
// result as CSV, with the Oracle words of the text replaced by SQLite's own.
//
//   inventory_query_bench [--items N] [--runs N] [--db FILE] [--sqlite3 PATH]
//
// With --db the file is reused when it exists (it is created otherwise).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "foundation/clock.h"
#include "foundation/date_time.h"
#include "retailpro/demo_database.h"
#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "retailpro/verrin_db.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

// Processor seconds (user + system) of this process or of its ended children:
// on a busy machine a steadier yardstick than the wall clock.
double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// The inventory text in SQLite's words: what a person would hand the shell.
std::string ShellQuery(const std::string& oracle_text, int sbs_no, int store_no) {
  std::string text = oracle_text;
  ReplaceAll(text, "to_char(inv.item_sid)", "cast(inv.item_sid as text)");
  ReplaceAll(text, "Nvl(", "ifnull(");
  ReplaceAll(text, "nvl(", "ifnull(");
  ReplaceAll(text, "BitAnd(1, so.Status)", "(1 & so.Status)");
  ReplaceAll(text, "trunc(sysdate)", "date('now', 'localtime') || ' 00:00:00'");
  ReplaceAll(text, "sysdate", "datetime('now', 'localtime')");
  ReplaceAll(text, " asc", " asc nulls last");
  ReplaceAll(text, ":sbs_no", std::to_string(sbs_no));
  ReplaceAll(text, ":store_no", std::to_string(store_no));
  return text;
}

void WriteCsvValue(std::FILE* out, const lumora::DbValue& value) {
  switch (value.kind()) {
    case lumora::DbValue::Kind::Null:
      break;
    case lumora::DbValue::Kind::Float:
      std::fprintf(out, "%.15g", value.number());
      break;
    case lumora::DbValue::Kind::Integer:
      std::fprintf(out, "%lld", static_cast<long long>(value.integer()));
      break;
    default:
      std::fputs(value.text().c_str(), out);
  }
}

// Reads every row through the layer and writes it as CSV, as a scan would.
std::int64_t ReadThroughLayer(const std::string& db, const fs::path& csv, int sbs_no, int store_no) {
  lumora::TVerrinConnection connection;
  connection.SetConnectionString(lumora::SessionConnectionString(
      "(DESCRIPTION = (ADDRESS = (PROTOCOL = SQLITE)(FILE = " + db + ")))"));
  connection.Open();
  lumora::TVerrinDataset query(connection);
  query.SetEnableBCD(false);
  query.SetSQL(lumora::InventoryQueryText(true));
  query.SetParameter("sbs_no", lumora::DbValue::Integer(sbs_no));
  query.SetParameter("store_no", lumora::DbValue::Integer(store_no));
  query.Open();
  std::FILE* out = std::fopen(csv.c_str(), "w");
  if (out == nullptr) throw std::runtime_error("cannot write " + csv.string());
  std::int64_t rows = 0;
  const int fields = query.FieldCount();
  for (int i = 0; i < fields; ++i) std::fprintf(out, i ? ",%s" : "%s", query.FieldName(i).c_str());
  std::fputc('\n', out);
  for (; !query.Eof(); query.Next(), ++rows) {
    for (int i = 0; i < fields; ++i) {
      if (i) std::fputc(',', out);
      WriteCsvValue(out, query.Field(i));
    }
    std::fputc('\n', out);
  }
  std::fclose(out);
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  int items = 1000000;
  int runs = 3;
  std::string db;
  std::string shell = "sqlite3";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--items") items = std::atoi(argv[i + 1]);
    else if (arg == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
    else if (arg == "--db") db = argv[i + 1];
    else if (arg == "--sqlite3") shell = argv[i + 1];
  }
  const fs::path work = fs::temp_directory_path() / ("lumora-bench-" + std::to_string(::getpid()));
  fs::create_directories(work);
  if (db.empty()) db = (work / "rpro.db").string();
  try {
    if (!fs::exists(db)) {
      lumora::DemoDatabaseOptions options;
      options.items = items;
      options.subsidiaries = 1;
      options.stores_per_subsidiary = 2;
      options.sales_orders = items / 20;
      options.transfer_orders = items / 50;
      const auto start = Clock::now();
      lumora::CreateDemoDatabase(db, options);
      std::printf("created %s with %d items in %.1f s\n", db.c_str(), items, Seconds(start));
    }
    const fs::path script = work / "query.sql";
    std::ofstream(script) << ".headers on\n.mode csv\n"
                          << ShellQuery(lumora::InventoryQueryText(true), 1, 1) << ";\n";
    // The same again with the page cache and memory map the engine sets up.
    const fs::path tuned_script = work / "query-tuned.sql";
    std::ofstream(tuned_script) << "PRAGMA cache_size = -65536;\n.output /dev/null\n"
                                   "PRAGMA mmap_size = 0;\n.output\n.headers on\n"
                                   ".mode csv\n"
                                << ShellQuery(lumora::InventoryQueryText(true), 1, 1) << ";\n";
    const auto shell_command = [&](const fs::path& sql) {
      return shell + " -readonly '" + db + "' < '" + sql.string() + "' > '" +
             (work / "shell.csv").string() + "'";
    };
    const std::string command = shell_command(script);
    const std::string tuned_command = shell_command(tuned_script);

    std::vector<double> layer_times, shell_times, tuned_times;
    std::vector<double> layer_cpu, shell_cpu, tuned_cpu;
    std::int64_t rows = 0;
    for (int run = 0; run < runs; ++run) {
      auto start = Clock::now();
      double cpu = CpuSeconds(RUSAGE_CHILDREN);
      if (std::system(command.c_str()) != 0) throw std::runtime_error("the sqlite3 shell failed");
      shell_times.push_back(Seconds(start));
      shell_cpu.push_back(CpuSeconds(RUSAGE_CHILDREN) - cpu);
      start = Clock::now();
      cpu = CpuSeconds(RUSAGE_CHILDREN);
      if (std::system(tuned_command.c_str()) != 0) throw std::runtime_error("the sqlite3 shell failed");
      tuned_times.push_back(Seconds(start));
      tuned_cpu.push_back(CpuSeconds(RUSAGE_CHILDREN) - cpu);
      start = Clock::now();
      cpu = CpuSeconds(RUSAGE_SELF);
      rows = ReadThroughLayer(db, work / "layer.csv", 1, 1);
      layer_times.push_back(Seconds(start));
      layer_cpu.push_back(CpuSeconds(RUSAGE_SELF) - cpu);
    }
    std::sort(layer_times.begin(), layer_times.end());
    std::sort(shell_times.begin(), shell_times.end());
    std::sort(tuned_times.begin(), tuned_times.end());
    const double layer = layer_times[layer_times.size() / 2];
    const double shell_time = shell_times[shell_times.size() / 2];
    const double tuned = tuned_times[tuned_times.size() / 2];
    std::printf("rows %lld; median of %d runs: layer %.3f s, sqlite3 shell %.3f s (with the "
                "layer's cache settings %.3f s); layer/shell %.3f, layer/tuned shell %.3f\n",
                static_cast<long long>(rows), runs, layer, shell_time, tuned, layer / shell_time,
                layer / tuned);
    std::sort(layer_cpu.begin(), layer_cpu.end());
    std::sort(shell_cpu.begin(), shell_cpu.end());
    std::sort(tuned_cpu.begin(), tuned_cpu.end());
    const double lc = layer_cpu[layer_cpu.size() / 2];
    const double sc = shell_cpu[shell_cpu.size() / 2];
    const double tc = tuned_cpu[tuned_cpu.size() / 2];
    std::printf("processor time, median: layer %.3f s, shell %.3f s, tuned shell %.3f s; "
                "layer/shell %.3f, layer/tuned shell %.3f\n",
                lc, sc, tc, lc / sc, lc / tc);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "benchmark failed: %s\n", error.what());
    fs::remove_all(work);
    return 1;
  }
  fs::remove_all(work);
  return 0;
}
