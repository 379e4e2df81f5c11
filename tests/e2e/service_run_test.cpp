// The service program end to end: a copy of the built LumoraRPro9Service runs
// in console mode from a demo program directory, waits out the database
// settle pause, reads every configured store from the demo Retail Pro
// database, uploads the batches to a real FTP server on loopback, reports a
// store with too few lines to a support endpoint on loopback, records the run
// in its configuration and archives the batches. The cases below look at what
// that one run left behind.
//
// Run with LUMORA_E2E_ORACLE_HOME set, the same run reaches the database the
// way a store's server does: tnsnames.ora names a TCP address, and the
// registry's Oracle key names an Oracle home whose client library (the test
// double, serving the demo file) the Oracle engine loads. Its batches must
// then equal those of the embedded engine's run.
//
// Run with LUMORA_E2E_WINE (the wine64 loader), LUMORA_E2E_WINDOWS_SERVICE
// (the Windows build's LumoraRPro9Service.exe) and LUMORA_E2E_WINE_MODE, the
// Windows program makes the same run under Wine (tests/e2e/wine_run.sh sets up
// the Wine prefix and its wineserver): "console" runs it with -console,
// "service" installs it into Wine's service manager, starts it with
// net start and stops it with net stop before it is uninstalled again;
// "missingdata" installs it with restartonmissingdata set and only the store
// with too few items configured, and watches it end itself.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "configuration/config_file.h"
#include "configuration/config_file_io.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "foundation/date_time.h"
#include "foundation/uQzCrypto.h"
#include "foundation/clock.h"
#include "service/demo/demo_directory.h"
#include "service/uLumoraRPro9Service.h"
#include "support/request_envelopes.h"
#include "tests/retailpro/rpro_fixture.h"
#include "tests/support/ftp_server.h"
#include "tests/support/http_test_server.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait_for.h"

extern char** environ;

namespace lumora::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The store that is cut down to a handful of items, so that its batch gets
// fewer than ten lines and the support endpoint hears of it.
constexpr int kSmallSbs = 2;
constexpr int kSmallStore = 2;

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// What a store's batch must hold, read from the database with a query of
// our own: per active item of the store, its UPC (the local UPC when the UPC
// is blank) and, for items that no order touches, the on-hand quantity.
struct ExpectedItem {
  std::string upc;
  bool has_orders = false;
  double on_hand = 0.0;
};

std::vector<ExpectedItem> ExpectedItems(const fs::path& db, int sbs_no, int store_no) {
  sqlite3* raw = nullptr;
  EXPECT_EQ(sqlite3_open_v2(db.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> handle(raw, sqlite3_close);
  const std::string sql =
      "select coalesce(nullif(trim(i.upc), ''), nullif(trim(s.local_upc), '')),"
      " exists(select 1 from so_item x where x.item_sid = i.item_sid)"
      "   or exists(select 1 from tord_item x where x.item_sid = i.item_sid),"
      " coalesce(q.qty, 0)"
      " from invn_sbs_qty q join invn_sbs s on s.item_sid = q.item_sid and s.sbs_no = q.sbs_no"
      " join inventory i on i.item_sid = q.item_sid"
      " where q.sbs_no = " + std::to_string(sbs_no) + " and q.store_no = " +
      std::to_string(store_no) + " and s.active = 1";
  sqlite3_stmt* raw_statement = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(raw, sql.c_str(), -1, &raw_statement, nullptr), SQLITE_OK)
      << sqlite3_errmsg(raw);
  const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw_statement,
                                                                              sqlite3_finalize);
  std::vector<ExpectedItem> items;
  while (sqlite3_step(raw_statement) == SQLITE_ROW) {
    if (sqlite3_column_type(raw_statement, 0) == SQLITE_NULL) continue;  // no UPC at all
    items.push_back({reinterpret_cast<const char*>(sqlite3_column_text(raw_statement, 0)),
                     sqlite3_column_int(raw_statement, 1) != 0,
                     sqlite3_column_double(raw_statement, 2)});
  }
  return items;
}

// The Oracle home of the second run; empty for the embedded engine's run.
std::string OracleHome() {
  const char* home = std::getenv("LUMORA_E2E_ORACLE_HOME");
  return home != nullptr ? home : "";
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// "console" or "service" for a run of the Windows program under Wine, else
// empty.
std::string WineMode() { return Environment("LUMORA_E2E_WINE").empty() ? "" : Environment("LUMORA_E2E_WINE_MODE"); }

fs::path RunRoot() {
  if (!WineMode().empty()) return fs::path(LUMORA_E2E_ROOT "-wine-" + WineMode());
  return OracleHome().empty() ? fs::path(LUMORA_E2E_ROOT) : fs::path(LUMORA_E2E_ROOT "-oracle");
}

// A path as a Windows program under Wine sees it (drive Z: is the root).
std::string WindowsPath(const fs::path& path) {
  std::string text = "Z:" + path.string();
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

// Runs a Windows program under Wine (with this process's environment: the
// Wine prefix) and returns its exit status and output. The output goes
// through a file, not a pipe: the Wine processes the first program starts
// (services.exe and its kin) stay and would hold a pipe open for good.
std::pair<int, std::string> RunWine(const std::vector<std::string>& arguments) {
  static int runs = 0;
  const fs::path output = RunRoot() / ("wine-" + std::to_string(++runs) + ".out");
  std::string command = "'" + Environment("LUMORA_E2E_WINE") + "'";
  for (const std::string& argument : arguments) command += " '" + argument + "'";
  command += " >'" + output.string() + "' 2>&1 </dev/null";
  const int status = std::system(command.c_str());
  std::ifstream in(output, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

// Whether a process whose command line starts with `program` is running
// (Wine shows a Windows process under its Windows path).
bool ProcessRunning(const std::string& program) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("/proc", ec)) {
    std::ifstream in(entry.path() / "cmdline", std::ios::binary);
    std::string line;
    if (std::getline(in, line, '\0') && line.rfind(program, 0) == 0) return true;
  }
  return false;
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  ASSERT_TRUE(file.good()) << path;
}

// Points the demo's client at its database through TCP and at the Oracle home.
void UseOracleClient(const TDemoDirectory& demo, const std::string& home) {
  const fs::path key = demo.registry / "HKEY_LOCAL_MACHINE" / "SOFTWARE" / "ORACLE" /
                       "KEY_OraClient11g_home1";
  ASSERT_TRUE(fs::exists(key / "ORACLE_BASE"));
  WriteFile(key / "ORACLE_HOME", home);
  WriteFile(demo.root / "oracle" / "OraClient11g_home1" / "NETWORK" / "ADMIN" / "tnsnames.ora",
            "RPROODS =\n  (DESCRIPTION =\n    (ADDRESS = (PROTOCOL = TCP)(HOST = " +
                demo.database.string() + ")(PORT = 1521))\n"
                "    (CONNECT_DATA = (SERVICE_NAME = RPROODS))\n  )\n");
}

// The one run every case inspects, made once for the whole program.
class ServiceRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fs::remove_all(RunRoot());
    TDemoDirectoryOptions options;
    options.database.subsidiaries = 2;
    options.database.stores_per_subsidiary = 4;  // store 4 of each is inactive
    options.database.items = 400;
    options.database.sales_orders = 60;
    options.database.transfer_orders = 30;
    demo_ = std::make_unique<TDemoDirectory>(CreateDemoDirectory(RunRoot(), options));
    if (!OracleHome().empty()) UseOracleClient(*demo_, OracleHome());
    if (!WineMode().empty()) UseWineRegistry(*demo_);
    ExecSql(demo_->database,
            "delete from invn_sbs_qty where sbs_no = " + std::to_string(kSmallSbs) +
                " and store_no = " + std::to_string(kSmallStore) +
                " and item_sid not in (select item_sid from invn_sbs_qty where sbs_no = " +
                std::to_string(kSmallSbs) + " and store_no = " + std::to_string(kSmallStore) +
                " order by item_sid limit 6)");
    if (WineMode() == "missingdata") {
      TConnectorConfig config;
      const fs::path file = demo_->program / std::string(kConfigFileName);
      ParseConfigFile(ReadFileBytes(file), config);
      const std::string small = DemoClientID(kSmallSbs, kSmallStore);
      std::erase_if(config.clientids, [&](const std::string& entry) { return ClientIDOf(entry) != small; });
      config.restartonmissingdata = true;
      ReplaceFileContent(file.string(), ConfigFileBytes(config, 1));
    }
    config_before_ = ReadFileBytes(demo_->program / std::string(kConfigFileName));
    if (WineMode().empty()) {
      fs::copy_file(LUMORA_SERVICE_EXECUTABLE, demo_->program / "LumoraRPro9Service");
    } else {
      fs::copy_file(Environment("LUMORA_E2E_WINDOWS_SERVICE"), demo_->program / "LumoraRPro9Service.exe");
    }

    ftp_ = std::make_unique<FtpServer>(LUMORA_E2E_FTP_USER, LUMORA_E2E_FTP_PASSWORD, LUMORA_E2E_FTP_PORT);
    support_ = std::make_unique<LoopbackHttpServer>(
        [](const HttpRequest&) {
          return HttpReply{.status = 200,
                           .body = TCrypt(EnvelopeKey).EncStr(
                               "<RESPONSE><ResponseType>rsSuccess</ResponseType><ResponseText/>"
                               "<Content/><ClientID/><Timestamp/></RESPONSE>")};
        },
        LUMORA_E2E_SUPPORT_PORT);

    started_ = Now();
    if (WineMode() == "service") {
      RunInstalledService();
      return;
    }
    if (WineMode() == "missingdata") {
      RunServiceToItsEnd();
      return;
    }
    const pid_t child = StartService();
    const bool completed = WaitFor([] { return Log().find("======Run completed=======") !=
                                                 std::string::npos; },
                                   400s);
    finished_ = Now();
    // Ctrl+C, as an operator ends the console.
    ::kill(child, SIGINT);
    int status = 0;
    if (!WaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 30s)) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
    }
    exit_code_ = completed && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static void TearDownTestSuite() {
    support_.reset();
    ftp_.reset();
    // The program directory stays for the configurator's end-to-end test.
    demo_.reset();
  }

  static TDateTime Now() { return lumora::Now(); }

  // The Windows program finds the Oracle client in Wine's registry, and the
  // demo database under its Windows path.
  static void UseWineRegistry(const TDemoDirectory& demo) {
    const fs::path oracle_base = demo.root / "oracle";
    const fs::path tnsnames = oracle_base / "OraClient11g_home1" / "NETWORK" / "ADMIN" / "tnsnames.ora";
    std::string text = ReadFileBytes(tnsnames);
    const std::string linux_path = demo.database.string();
    text.replace(text.find(linux_path), linux_path.size(), WindowsPath(demo.database));
    WriteFile(tnsnames, text);
    const auto [status, output] = RunWine({"reg", "add", "HKLM\\SOFTWARE\\ORACLE\\KEY_OraClient11g_home1",
                                           "/v", "ORACLE_BASE", "/d", WindowsPath(oracle_base), "/f"});
    ASSERT_EQ(status, 0) << output;
  }

  static std::string ServiceState() {
    return RunWine({"sc", "query", std::string(kServiceName)}).second;
  }

  // Installs, starts, watches one run, stops and uninstalls the service.
  static void RunInstalledService() {
    const std::string program = WindowsPath(demo_->program / "LumoraRPro9Service.exe");
    install_ = RunWine({program, "-install", "-silent"});
    ASSERT_EQ(install_.first, 0) << install_.second;
    service_key_ = RunWine({"reg", "query", "HKLM\\" + std::string(kRegistryKeyBase) + std::string(kServiceName)}).second;
    services_key_ = RunWine({"reg", "query", "HKLM\\" + std::string(kServicesKeyBase) + std::string(kServiceName)}).second;
    start_ = RunWine({"net", "start", std::string(kServiceName)});
    state_while_running_ = ServiceState();
    const bool completed = WaitFor([] { return Log().find("======Run completed=======") !=
                                                 std::string::npos; },
                                   400s);
    finished_ = Now();
    stop_ = RunWine({"net", "stop", std::string(kServiceName)});
    std::string state;
    WaitFor([&] { return (state = ServiceState()).find("STOPPED") != std::string::npos; }, 30s);
    state_after_stop_ = state;
    uninstall_ = RunWine({program, "-uninstall", "-silent"});
    exit_code_ = completed && std::regex_search(state, std::regex("WIN32_EXIT_CODE\\s*:\\s*0\\b")) ? 0 : -1;
  }

  // Installs and starts the service, waits until it has ended itself, and
  // uninstalls it.
  static void RunServiceToItsEnd() {
    const std::string program = WindowsPath(demo_->program / "LumoraRPro9Service.exe");
    install_ = RunWine({program, "-install", "-silent"});
    ASSERT_EQ(install_.first, 0) << install_.second;
    start_ = RunWine({"net", "start", std::string(kServiceName)});
    ended_itself_ =
        WaitFor([] { return Log().find("Database issues detected") != std::string::npos; }, 400s) &&
        WaitFor([&] { return !ProcessRunning(program); }, 60s);
    state_after_stop_ = ServiceState();
    finished_ = Now();
    uninstall_ = RunWine({program, "-uninstall", "-silent"});
  }

  static pid_t StartService() {
    std::vector<std::string> environment = {"LUMORA_REGISTRY=" + demo_->registry.string(),
                                            "LUMORA_SYSTEMCTL=none", "PATH=/usr/bin:/bin"};
    std::vector<std::string> arguments = {(demo_->program / "LumoraRPro9Service").string(), "-console"};
    if (!WineMode().empty()) {
      // The Wine prefix and its server come from the environment.
      environment.clear();
      for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
      arguments = {Environment("LUMORA_E2E_WINE"), (demo_->program / "LumoraRPro9Service.exe").string(),
                   "-console"};
    }
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string path = arguments[0];
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string output = (demo_->root / "service-console.out").string();
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(),
                                      envp.data());
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0);
    return child;
  }

  // The service's log lines so far, over all its daily files.
  static std::string Log() {
    std::string text;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(demo_->program / "logs", ec)) {
      if (item.path().filename().string().rfind("LumoraRPro9Service_", 0) != 0) continue;
      for (const auto& line : SplitLogLines(ReadFileBytes(item.path()))) text += line + "\n";
    }
    return text;
  }

  static std::string ClientIDOf(const std::string& entry) {
    return std::string(ClientIDValue(entry));
  }

  static std::vector<fs::path> Files(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
      if (item.is_regular_file()) files.push_back(item.path());
    }
    std::sort(files.begin(), files.end());
    return files;
  }

  static inline std::unique_ptr<TDemoDirectory> demo_;
  static inline std::string config_before_;
  static inline std::unique_ptr<FtpServer> ftp_;
  static inline std::unique_ptr<LoopbackHttpServer> support_;
  static inline TDateTime started_ = 0.0;
  static inline TDateTime finished_ = 0.0;
  static inline int exit_code_ = -1;
  // What the installed service's run under Wine showed.
  static inline std::pair<int, std::string> install_, start_, stop_, uninstall_;
  static inline bool ended_itself_ = false;
  static inline std::string service_key_, services_key_, state_while_running_, state_after_stop_;
};

TEST_F(ServiceRun, RunsUnderWinesServiceControlManager) {
  if (WineMode() != "service") GTEST_SKIP() << "only the installed Windows service";
  EXPECT_NE(service_key_.find("ServiceDirectory    REG_SZ    " + WindowsPath(demo_->program) + "\\"),
            std::string::npos) << service_key_;
  EXPECT_NE(services_key_.find("Description    REG_SZ    " + std::string(kServiceDescription)),
            std::string::npos) << services_key_;
  EXPECT_NE(services_key_.find("Start    REG_DWORD    0x2"), std::string::npos) << "automatic start\n" << services_key_;
  EXPECT_EQ(start_.first, 0) << start_.second;
  EXPECT_NE(state_while_running_.find("RUNNING"), std::string::npos) << state_while_running_;
  EXPECT_EQ(stop_.first, 0) << stop_.second;
  EXPECT_NE(state_after_stop_.find("STOPPED"), std::string::npos) << state_after_stop_;
  EXPECT_EQ(uninstall_.first, 0) << uninstall_.second;
  EXPECT_NE(RunWine({"sc", "query", std::string(kServiceName)}).first, 0) << "still installed: " << ServiceState();
  const std::string log = Log();
  for (const std::string text : {"Service installed.", "Registry key for execution path was created.",
                                 "Service stopping...", "Service stopped", "Uninstalling service",
                                 "Service uninstalled."}) {
    EXPECT_NE(log.find("| " + text), std::string::npos) << text << "\n" << log;
  }
}

// The restart after too few lines is the service manager's: the service
// ends its process ten seconds after the ERROR line, without reporting a
// stop, and its recovery settings bring it back. Wine's service manager
// notices neither the end nor a recovery setting: it goes on reporting the
// service as running.
TEST_F(ServiceRun, EndsItselfOnMissingDataUnderWinesServiceControlManager) {
  if (WineMode() != "missingdata") GTEST_SKIP() << "only the Windows service with restartonmissingdata";
  EXPECT_EQ(start_.first, 0) << start_.second;
  EXPECT_TRUE(ended_itself_) << ServiceState();
  const std::string log = Log();
  EXPECT_NE(log.find("Database issues detected; restarting service in 10 seconds..."), std::string::npos)
      << log;
  EXPECT_EQ(log.find("Service stopping..."), std::string::npos) << log;
  // The support notice went out; the batch was neither sent nor archived.
  EXPECT_EQ(support_->requests().size(), 1u);
  EXPECT_TRUE(Files(ftp_->home()).empty());
  EXPECT_EQ(Files(demo_->program / "Batch").size(), 1u);
  EXPECT_EQ(uninstall_.first, 0) << uninstall_.second;
}

TEST_F(ServiceRun, WaitsOutTheSettlePauseRunsOnceAndEndsCleanly) {
  ASSERT_EQ(exit_code_, 0) << ReadFileBytes(demo_->root / "service-console.out") << Log();
  // Console mode, not the service: its start-up line is on the terminal.
  if (WineMode() != "service") {
    EXPECT_NE(ReadFileBytes(demo_->root / "service-console.out").find("Initializing..."), std::string::npos);
  }
  const std::string log = Log();
  const std::vector<std::string> framing = {
      "Pausing ", " seconds to allow Oracle to settle...", "Oracle pause completed, continuing.",
      "======Starting run========", "======Run completed======="};
  std::size_t at = 0;
  for (const std::string& text : framing) {
    const std::size_t found = log.find(text, at);
    ASSERT_NE(found, std::string::npos) << "\"" << text << "\" missing or out of order\n" << log;
    at = found;
  }
  // Started fresh, the pause is the whole two minutes less the start-up.
  const std::smatch pause = [&] {
    std::smatch match;
    std::regex_search(log, match, std::regex("Pausing (\\d+) seconds"));
    return match;
  }();
  ASSERT_FALSE(pause.empty());
  EXPECT_GE(std::stoi(pause[1]), 115);
  EXPECT_LE(std::stoi(pause[1]), 120);
  EXPECT_EQ(log.find(" ERROR   |"), std::string::npos) << log;
}

TEST_F(ServiceRun, EveryActiveStoreIsUploadedLineByLine) {
  ASSERT_EQ(demo_->client_ids.size(), 6u);  // two subsidiaries of three active stores
  for (const std::string& entry : demo_->client_ids) {
    const std::string client_id = ClientIDOf(entry);
    const int sbs_no = std::stoi(entry.substr(0, entry.find('.')));
    const int store_no = std::stoi(entry.substr(entry.find('.') + 1));
    SCOPED_TRACE(entry);
    const fs::path uploaded = ftp_->home() / (client_id + ".csv");
    ASSERT_TRUE(fs::exists(uploaded));

    std::map<std::string, ExpectedItem> expected;
    for (const ExpectedItem& item : ExpectedItems(demo_->database, sbs_no, store_no)) {
      expected.emplace(item.upc, item);
    }
    const std::vector<std::string> lines = Lines(ReadFileBytes(uploaded));
    EXPECT_EQ(lines.size(), expected.size());
    std::size_t checked_quantities = 0;
    for (const std::string& line : lines) {
      std::smatch field;
      ASSERT_TRUE(std::regex_match(line, field, std::regex("([^,]*),([^,]+),(\\d+)"))) << line;
      EXPECT_EQ(field[1], client_id) << line;
      const auto item = expected.find(field[2]);
      ASSERT_NE(item, expected.end()) << "unexpected UPC in " << line;
      if (!item->second.has_orders) {
        EXPECT_EQ(std::stoll(field[3]), std::llround(std::max(item->second.on_hand, 0.0))) << line;
        ++checked_quantities;
      }
      expected.erase(item);
    }
    EXPECT_TRUE(expected.empty()) << expected.size() << " items missing, e.g. "
                                  << (expected.empty() ? "" : expected.begin()->first);
    if (sbs_no != kSmallSbs || store_no != kSmallStore) {
      EXPECT_GT(checked_quantities, 0u);
    }
  }
  // Each upload is one passive STOR in transfer type A, nothing else stored.
  EXPECT_EQ(Files(ftp_->home()).size(), demo_->client_ids.size());
  const std::string commands = ftp_->Commands();
  EXPECT_NE(commands.find("TYPE A"), std::string::npos) << commands;
  EXPECT_NE(commands.find("PASV"), std::string::npos) << commands;
}

TEST_F(ServiceRun, ArchivesEachBatchUnderATimeStampedName) {
  const fs::path batch = demo_->program / "Batch";
  for (const fs::path& file : Files(batch)) ADD_FAILURE() << "left in the batch folder: " << file;
  const std::vector<fs::path> archived = Files(batch / "Archive" / "Verrin");
  ASSERT_EQ(archived.size(), demo_->client_ids.size());
  for (const std::string& entry : demo_->client_ids) {
    const std::string client_id = ClientIDOf(entry);
    const auto copy = std::find_if(archived.begin(), archived.end(), [&](const fs::path& path) {
      return std::regex_match(path.filename().string(),
                              std::regex(client_id + "-\\d{8}-\\d{6}\\.csv"));
    });
    ASSERT_NE(copy, archived.end()) << client_id;
    EXPECT_EQ(ReadFileBytes(*copy), ReadFileBytes(ftp_->home() / (client_id + ".csv")))
        << "the archived copy differs from what was sent: " << *copy;
  }
}

TEST_F(ServiceRun, RecordsTheRunAndClearsTheRunImmediateRequest) {
  TConnectorConfig before;
  ParseConfigFile(config_before_, before);
  ASSERT_TRUE(before.runimmediate);
  TConnectorConfig after;
  ParseConfigFile(ReadFileBytes(demo_->program / std::string(kConfigFileName)), after);
  EXPECT_FALSE(after.runimmediate);
  // Stored to the millisecond; the run started between our two readings.
  EXPECT_GE(after.lastquery, started_ - 1.0 / 86400000.0);
  EXPECT_LE(after.lastquery, finished_);
  EXPECT_EQ(after.clientids, before.clientids);
  EXPECT_EQ(after.scanscheduling, before.scanscheduling);
  EXPECT_EQ(after.scaninterval, before.scaninterval);
}

TEST_F(ServiceRun, ReportsTheStoreWithTooFewLinesToSupport) {
  const std::string small_client_id = DemoClientID(kSmallSbs, kSmallStore);
  const std::size_t lines =
      Lines(ReadFileBytes(ftp_->home() / (small_client_id + ".csv"))).size();
  ASSERT_GT(lines, 0u);
  ASSERT_LT(lines, 10u);
  const std::vector<HttpRequest> requests = support_->requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "POST");
  const std::string notice = TCrypt(EnvelopeKey).DecStr(requests[0].body);
  EXPECT_NE(notice.find("<LogMessage>The number of processed records for Verrin was " +
                        std::to_string(lines) + "</LogMessage>"),
            std::string::npos)
      << notice;
  EXPECT_NE(notice.find("<Area>ScanInventory</Area>"), std::string::npos) << notice;
}

TEST_F(ServiceRun, TheOracleEngineUploadsWhatTheEmbeddedEngineUploaded) {
  if (OracleHome().empty()) GTEST_SKIP() << "the embedded engine's run has nothing to compare with";
  const fs::path sqlite_archive =
      DemoDirectoryLayout(LUMORA_E2E_ROOT).program / "Batch" / "Archive" / "Verrin";
  const std::vector<fs::path> sqlite_batches = Files(sqlite_archive);
  ASSERT_EQ(sqlite_batches.size(), demo_->client_ids.size()) << sqlite_archive;
  for (const std::string& entry : demo_->client_ids) {
    const std::string client_id = ClientIDOf(entry);
    const auto copy = std::find_if(sqlite_batches.begin(), sqlite_batches.end(), [&](const fs::path& path) {
      return path.filename().string().rfind(client_id + "-", 0) == 0;
    });
    ASSERT_NE(copy, sqlite_batches.end()) << client_id;
    EXPECT_EQ(ReadFileBytes(ftp_->home() / (client_id + ".csv")), ReadFileBytes(*copy)) << client_id;
  }
}

}  // namespace
}  // namespace lumora::test
