// Scans one store of a large demo database into its batch file the way a run
// does (inventory query, record count, ReadInOHQuantities, batch file; no
// upload), and in the same run writes the same lines with a plain loop over
// the SQLite C API. Reports both times and the process's peak memory.
//
//   scan_bench [--items N] [--runs N] [--db FILE] [--only scan|plain]
//              [--oracle yes] [--oracle-home DIR]
//
// With --oracle yes each run also scans the store through the Oracle engine:
// tnsnames.ora then names a TCP address and the registry an Oracle home whose
// client library is the test double (built with the tests), which serves the
// same file with the embedded engine. The difference between the two scans
// is what the Oracle engine's fetch and conversion path adds.
//
// The database is created in a child process, so the peak memory reported is
// the scan's own; with --only the other side does not run. The memory figures
// split the resident set into anonymous memory and file pages (SQLite maps
// the database file, and mapped pages that were read count as resident).

#include <sqlite3.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "bench/bench_support.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include "logging/uQzLogging.h"
#include "platform/message_loop.h"
#include "retailpro/session_hold.h"
#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "service/batch_files.h"
#include "service/connector_scan.h"
#include "service/dLumoraRPro9ConnectorLogic.h"
#include "service/uLumoraRPro9Service.h"

namespace {

namespace fs = std::filesystem;
namespace bench = lumora::bench;
using bench::SteadyClock;
// The scan's trim, so the yardstick writes the same lines.
std::string Trimmed(const unsigned char* text) {
  return std::string(lumora::Trim(text != nullptr ? reinterpret_cast<const char*>(text) : ""));
}

// The yardstick: the same lines, written with stdio.
std::int64_t PlainLoop(const std::string& db, const fs::path& csv) {
  sqlite3* handle = nullptr;
  if (sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    throw std::runtime_error("cannot open " + db);
  }
  sqlite3_stmt* statement = nullptr;
  const std::string query = bench::SqliteInventoryQuery();
  if (sqlite3_prepare_v2(handle, query.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    throw std::runtime_error(sqlite3_errmsg(handle));
  }
  sqlite3_bind_int(statement, sqlite3_bind_parameter_index(statement, ":sbs_no"), 1);
  sqlite3_bind_int(statement, sqlite3_bind_parameter_index(statement, ":store_no"), 1);
  std::FILE* out = std::fopen(csv.c_str(), "wb");
  std::int64_t lines = 0;
  while (sqlite3_step(statement) == SQLITE_ROW) {
    const bool upc_null = sqlite3_column_type(statement, 1) == SQLITE_NULL;
    const bool local_null = sqlite3_column_type(statement, 2) == SQLITE_NULL;
    if (upc_null && local_null) continue;
    std::string upc = Trimmed(sqlite3_column_text(statement, 1));
    if (upc.empty()) upc = Trimmed(sqlite3_column_text(statement, 2));
    if (upc.empty()) continue;
    const double available = std::max(0.0, sqlite3_column_double(statement, 5));
    std::fprintf(out, "BENCH,%s,%.0f\r\n", upc.c_str(), std::round(available));
    ++lines;
  }
  std::fclose(out);
  sqlite3_finalize(statement);
  sqlite3_close(handle);
  return lines;
}

class NoDatabase final : public lumora::TRetailProAccess {
 public:
  void GetSession() override {}
  void ReleaseSession() override {}
  void GetRProVersion(std::string&, std::string&) override {}
  void GetSbsAndStoreNo(int&, int&) override {}
  bool DoesLocalUPCExist() override { return true; }
};

// One store as a run scans it, without the upload.
std::int64_t ScanStore(lumora::TScanRun& logic, lumora::TConnectorScan& scan,
                       const std::string& program_dir) {
  const lumora::TSessionHold session;
  auto query = lumora::OpenQueryOnInventory(session.Connection(), 1, 1, 0.0);
  std::unique_ptr<lumora::TAnsiTextStream> stream;
  lumora::OpenStream(program_dir, "BENCH", stream);
  int processed = 0, skipped = 0, zero = 0;
  scan.ReadInOHQuantities(logic, "BENCH", 1, 1, *query, *stream, processed, skipped, zero);
  lumora::CloseStream(stream);
  return processed;
}

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The tnsnames.ora through which the session reaches the file.
void WriteTnsNames(const fs::path& oracle, const std::string& address) {
  std::FILE* tns = std::fopen((oracle / "OraClient11g_home1/NETWORK/ADMIN/tnsnames.ora").c_str(), "w");
  std::fprintf(tns, "RPROODS = (DESCRIPTION = (ADDRESS = %s))\n", address.c_str());
  std::fclose(tns);
}

// A value in KiB of /proc/self/status ("RssAnon", "RssFile").
long StatusKiB(std::string_view name) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return -1;
  char line[256];
  long value = -1;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::string_view(line).starts_with(name)) value = std::atol(line + name.size() + 1);
  }
  std::fclose(status);
  return value;
}

// Samples the resident set while the benchmark runs: the peak of anonymous
// memory (heap, SQLite's page cache) apart from mapped file pages.
class MemorySampler {
 public:
  MemorySampler() : thread_([this] { Run(); }) {}
  ~MemorySampler() {
    done_ = true;
    thread_.join();
  }
  long PeakAnon() const { return peak_anon_; }
  long PeakFile() const { return peak_file_; }

 private:
  void Run() {
    while (!done_) {
      peak_anon_ = std::max(peak_anon_.load(), StatusKiB("RssAnon:"));
      peak_file_ = std::max(peak_file_.load(), StatusKiB("RssFile:"));
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  std::atomic<bool> done_ = false;
  std::atomic<long> peak_anon_ = 0;
  std::atomic<long> peak_file_ = 0;
  std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
  std::string only, with_oracle;
#ifdef LUMORA_OCI_DOUBLE_HOME
  std::string oracle_home = LUMORA_OCI_DOUBLE_HOME;
#else
  std::string oracle_home;
#endif
  const auto options = bench::ParseOptions(
      argc, argv, {{"--only", &only}, {"--oracle", &with_oracle}, {"--oracle-home", &oracle_home}});
  const bool oracle_scan = with_oracle == "yes";
  const fs::path work = bench::MakeWorkFolder("lumora-scan-bench-");
  fs::create_directories(work / "Batch");
  const std::string db = options.db.empty() ? (work / "rpro.db").string() : options.db;
  try {
    bench::CreateDatabaseIfMissing(db, options.items);
    // The registry stand-in and tnsnames.ora through which the session
    // reaches the file.
    const fs::path oracle = work / "oracle";
    fs::create_directories(oracle / "OraClient11g_home1" / "NETWORK" / "ADMIN");
    const std::string sqlite_address = "(PROTOCOL = SQLITE)(FILE = " + db + ")";
    const std::string oracle_address = "(PROTOCOL = TCP)(HOST = " + db + ")(PORT = 1521)";
    WriteTnsNames(oracle, sqlite_address);
    const fs::path key = work / "registry/HKEY_LOCAL_MACHINE/SOFTWARE/ORACLE/KEY_OraClient11g_home1";
    fs::create_directories(key);
    std::FILE* base = std::fopen((key / "ORACLE_BASE").c_str(), "w");
    std::fputs(oracle.c_str(), base);
    std::fclose(base);
    if (oracle_scan) {
      if (oracle_home.empty()) throw std::runtime_error("--oracle yes needs --oracle-home DIR");
      std::FILE* home = std::fopen((key / "ORACLE_HOME").c_str(), "w");
      std::fputs(oracle_home.c_str(), home);
      std::fclose(home);
    }
    ::setenv("LUMORA_REGISTRY", (work / "registry").c_str(), 1);

    const std::string program_dir = work.string() + "/";
    lumora::SetExeDir(program_dir);
    lumora::ConsoleMode = true;
    lumora::StartLoggingModule();
    lumora::SetLogDir(program_dir + "logs/");
    lumora::platform::SteadyWaitClock wait_clock;
    lumora::platform::MessageLoop loop(wait_clock);
    NoDatabase no_database;
    lumora::TConnectorScan scan;
    lumora::TdlgConnectorLogic logic(
        lumora::TEngineServices{.loop = loop, .database = no_database, .scan = scan, .stop_requested = {}});
    lumora::DatabaseSession().LocalUPCFlag = true;

    MemorySampler sampler;
    std::vector<double> scan_times, plain_times, oracle_times, scan_cpu, oracle_cpu;
    std::int64_t scanned = 0, plain = 0, oracle_scanned = 0;
    const fs::path batch = work / "Batch" / "BENCH.csv";
    // Wall-clock and this thread's processor time: on a busy machine the
    // processor time compares the two engines more steadily.
    const auto timed = [](std::vector<double>& wall, std::vector<double>* cpu, auto&& work) {
      const double cpu_start = ThreadCpuSeconds();
      const auto start = SteadyClock::now();
      work();
      wall.push_back(bench::Seconds(start));
      if (cpu != nullptr) cpu->push_back(ThreadCpuSeconds() - cpu_start);
    };
    // The Oracle engine's batch goes to oracle.csv; the embedded engine's
    // stays the batch.
    const auto scan_through_oracle = [&] {
      const bool keep = fs::exists(batch);
      if (keep) fs::rename(batch, work / "sqlite.csv");
      WriteTnsNames(oracle, oracle_address);
      timed(oracle_times, &oracle_cpu, [&] { oracle_scanned = ScanStore(logic, scan, program_dir); });
      fs::rename(batch, work / "oracle.csv");
      if (keep) fs::rename(work / "sqlite.csv", batch);
      WriteTnsNames(oracle, sqlite_address);
    };
    for (int run = 0; run < options.runs; ++run) {
      // The engines take turns at going first, so that neither always meets
      // the caches the other left.
      const bool oracle_first = run % 2 == 0;
      if (oracle_scan && only != "plain" && oracle_first) scan_through_oracle();
      timed(scan_times, &scan_cpu, [&] {
        if (only != "plain") scanned = ScanStore(logic, scan, program_dir);
      });
      if (oracle_scan && only != "plain" && !oracle_first) scan_through_oracle();
      timed(plain_times, nullptr, [&] {
        if (only != "scan") plain = PlainLoop(db, work / "plain.csv");
      });
    }
    const double scan_time = bench::Median(scan_times);
    const double plain_time = bench::Median(plain_times);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("lines: scan %lld, plain loop %lld; median of %d runs: scan %.3f s, plain loop "
                "%.3f s, scan/plain %.3f; peak memory %ld KiB\n",
                static_cast<long long>(scanned), static_cast<long long>(plain), options.runs,
                scan_time, plain_time, scan_time / plain_time, usage.ru_maxrss);
    std::printf("sampled peaks: anonymous %ld KiB, file pages %ld KiB\n", sampler.PeakAnon(),
                sampler.PeakFile());
    if (!oracle_times.empty()) {
      const double oracle_time = bench::Median(oracle_times);
      const double oracle_cpu_time = bench::Median(oracle_cpu);
      const double scan_cpu_time = bench::Median(scan_cpu);
      std::printf("oracle engine: lines %lld, median %.3f s, oracle/sqlite engine %.3f; "
                  "processor time oracle %.3f s, sqlite %.3f s, oracle/sqlite %.3f\n",
                  static_cast<long long>(oracle_scanned), oracle_time, oracle_time / scan_time,
                  oracle_cpu_time, scan_cpu_time, oracle_cpu_time / scan_cpu_time);
    }
    if (!only.empty()) {
      lumora::EndLoggingModule();
      fs::remove_all(work);
      return 0;
    }
    // The batch holds exactly the lines the plain loop wrote.
    const auto read = bench::ReadFileBytes;
    std::printf("batch and plain loop output %s\n",
                read(batch) == read(work / "plain.csv") ? "identical" : "DIFFER");
    if (oracle_scan) {
      std::printf("batches of the two engines %s\n",
                  read(batch) == read(work / "oracle.csv") ? "identical" : "DIFFER");
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "benchmark failed: %s\n", error.what());
    fs::remove_all(work);
    return 1;
  }
  lumora::EndLoggingModule();
  fs::remove_all(work);
  return 0;
}
