// Reads the inventory query of one store of a large demo database through the
// database layer, and in the same run lets the sqlite3 shell export the same
// result as CSV, with the Oracle words of the text replaced by SQLite's own.
//
//   inventory_query_bench [--items N] [--runs N] [--db FILE] [--sqlite3 PATH]
//
// With --db the file is reused when it exists (it is created otherwise).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "bench/bench_support.h"
#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "retailpro/verrin_db.h"

namespace {

namespace fs = std::filesystem;
namespace bench = lumora::bench;
using bench::SteadyClock;

// Processor seconds (user + system) of this process or of its ended children:
// on a busy machine a steadier yardstick than the wall clock.
double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Wall-clock and processor times of one side's runs.
struct Times {
  std::vector<double> wall;
  std::vector<double> cpu;
};

// Runs `work` once and adds its times; `who` says whose processor time counts
// (RUSAGE_CHILDREN for the shell, RUSAGE_SELF for the layer).
template <typename Work>
void Timed(int who, Times& times, Work&& work) {
  const auto start = SteadyClock::now();
  const double cpu = CpuSeconds(who);
  work();
  times.wall.push_back(bench::Seconds(start));
  times.cpu.push_back(CpuSeconds(who) - cpu);
}

// The inventory text as a person would hand it to the shell.
std::string ShellQuery(int sbs_no, int store_no) {
  std::string text = bench::SqliteInventoryQuery();
  bench::ReplaceAll(text, ":sbs_no", std::to_string(sbs_no));
  bench::ReplaceAll(text, ":store_no", std::to_string(store_no));
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
  std::string shell = "sqlite3";
  const auto options = bench::ParseOptions(argc, argv, {{"--sqlite3", &shell}});
  const fs::path work = bench::MakeWorkFolder("lumora-bench-");
  const std::string db = options.db.empty() ? (work / "rpro.db").string() : options.db;
  try {
    bench::CreateDatabaseIfMissing(db, options.items);
    const fs::path script = work / "query.sql";
    std::ofstream(script) << ".headers on\n.mode csv\n" << ShellQuery(1, 1) << ";\n";
    // The same again with the engine's page cache and, like the engine, no memory map.
    const fs::path tuned_script = work / "query-tuned.sql";
    std::ofstream(tuned_script) << "PRAGMA cache_size = -65536;\n.output /dev/null\n"
                                   "PRAGMA mmap_size = 1073741824;\n.output\n.headers on\n"
                                   ".mode csv\n"
                                << ShellQuery(1, 1) << ";\n";
    const auto shell_command = [&](const fs::path& sql) {
      return shell + " -readonly '" + db + "' < '" + sql.string() + "' > '" +
             (work / "shell.csv").string() + "'";
    };
    const std::string command = shell_command(script);
    const std::string tuned_command = shell_command(tuned_script);

    const auto run_shell = [](const std::string& shell_line) {
      if (std::system(shell_line.c_str()) != 0) throw std::runtime_error("the sqlite3 shell failed");
    };
    Times layer_times, shell_times, tuned_times;
    std::int64_t rows = 0;
    for (int run = 0; run < options.runs; ++run) {
      Timed(RUSAGE_CHILDREN, shell_times, [&] { run_shell(command); });
      Timed(RUSAGE_CHILDREN, tuned_times, [&] { run_shell(tuned_command); });
      Timed(RUSAGE_SELF, layer_times, [&] { rows = ReadThroughLayer(db, work / "layer.csv", 1, 1); });
    }
    const double layer = bench::Median(layer_times.wall);
    const double shell_time = bench::Median(shell_times.wall);
    const double tuned = bench::Median(tuned_times.wall);
    std::printf("rows %lld; median of %d runs: layer %.3f s, sqlite3 shell %.3f s (with the "
                "layer's cache settings %.3f s); layer/shell %.3f, layer/tuned shell %.3f\n",
                static_cast<long long>(rows), options.runs, layer, shell_time, tuned,
                layer / shell_time, layer / tuned);
    const double lc = bench::Median(layer_times.cpu);
    const double sc = bench::Median(shell_times.cpu);
    const double tc = bench::Median(tuned_times.cpu);
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
