// The service program under the faults a store's server meets: three copies
// of the built LumoraRPro9Service run side by side, each from its own demo
// program directory, against one FTP server on loopback that refuses the
// first upload of every file. They wait out the database settle pause
// together, so the whole program takes that pause once.
//
// - "stop": the service (not console) mode. The first upload is refused and
//   retried; while it waits, the operator saves a new configuration; the run
//   it asks for is stopped with SIGTERM in the middle of a large store.
// - "full": the batch folder is a tiny file system that fills up.
// - "readonly": the program folder is read-only and holds a run-immediate
//   request that can therefore never be cleared.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "configuration/config_file.h"
#include "configuration/config_file_io.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "service/demo/demo_directory.h"
#include "tests/support/ftp_server.h"
#include "tests/support/http_test_server.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait_for.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// One service process and its program directory.
struct Service {
  TDemoDirectory demo;
  pid_t pid = -1;
  fs::path logs;  // where the service's log folder is seen from outside

  fs::path Config() const { return demo.program / std::string(kConfigFileName); }

  std::string Log() const {
    std::string text;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(logs, ec)) {
      if (item.path().filename().string().rfind("LumoraRPro9Service_", 0) != 0) continue;
      for (const auto& line : SplitLogLines(ReadFileBytes(item.path()))) text += line + "\n";
    }
    return text;
  }
  std::size_t Count(const std::string& text) const {
    const std::string log = Log();
    std::size_t count = 0;
    for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
      ++count;
    }
    return count;
  }
  TConnectorConfig Saved() const {
    TConnectorConfig config;
    ParseConfigFile(ReadFileBytes(Config()), config);
    return config;
  }
  // Waits for the exit; -1 when it did not come in time (then killed).
  int WaitForExit(std::chrono::milliseconds deadline) {
    int status = 0;
    const bool ended = WaitFor([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, deadline);
    if (!ended) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
    }
    pid = -1;
    return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

void WriteConfig(const fs::path& path, const TConnectorConfig& config) {
  ReplaceFileContent(path.string(), ConfigFileBytes(config, 1));
}

// Polls at a pace that leaves the two cores to the services.
template <class Condition>
bool Eventually(Condition&& condition, std::chrono::milliseconds deadline) {
  return WaitFor(
      [&] {
        std::this_thread::sleep_for(50ms);
        return condition();
      },
      deadline);
}

// Where each line first occurs in the log, in order; empty when all do.
std::string MissingInOrder(const std::string& log, const std::vector<std::string>& lines) {
  std::size_t at = 0;
  for (const std::string& text : lines) {
    const std::size_t found = log.find(text, at);
    if (found == std::string::npos) return "\"" + text + "\" missing or out of order";
    at = found;
  }
  return {};
}

class ServiceFaults : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fs::remove_all(root());
    ftp_ = std::make_unique<FtpServer>(LUMORA_E2E_FTP_USER, LUMORA_E2E_FTP_PASSWORD,
                                       LUMORA_E2E_FTP_PORT, /*fail_first_upload=*/true);
    support_ = std::make_unique<LoopbackHttpServer>([](const HttpRequest&) { return HttpReply{}; },
                                                    LUMORA_E2E_SUPPORT_PORT);

    // Large stores, so that a read takes long enough to be interrupted and a
    // batch outgrows the small file system.
    stop_.demo = Demo("stop", 200000, {"1.1=S-1"}, 7200000);
    full_.demo = Demo("full", 200000, {"1.1=F-1"}, 7200000);
    readonly_.demo = Demo("readonly", 400, {"1.1=R-1"}, 20000);
    stop_.logs = stop_.demo.program / "logs";
    full_.logs = full_.demo.program / "logs";
    readonly_.logs = readonly_.demo.root / "writable" / "logs";

    stop_.pid = Start(stop_, {}, "");
    fs::create_directories(full_.demo.program / "Batch");
    // A small tmpfs over the batch folder in a mount namespace of its own.
    full_.pid = Start(full_, {"console"},
                      "mount -t tmpfs -o size=64k lumora-full \"$P/Batch\"");
    // The program folder read-only; only the batch and log folders writable.
    fs::create_directories(readonly_.demo.root / "writable" / "Batch");
    fs::create_directories(readonly_.demo.root / "writable" / "logs");
    fs::create_directories(readonly_.demo.program / "Batch");
    fs::create_directories(readonly_.demo.program / "logs");
    readonly_.pid = Start(readonly_, {"console"},
                          "mount --bind \"$P\" \"$P\" && mount -o remount,bind,ro \"$P\" && "
                          "mount --bind \"$P/../writable/Batch\" \"$P/Batch\" && "
                          "mount --bind \"$P/../writable/logs\" \"$P/logs\"");
  }

  static void TearDownTestSuite() {
    for (Service* service : {&stop_, &full_, &readonly_}) {
      if (service->pid > 0) {
        ::kill(service->pid, SIGKILL);
        ::waitpid(service->pid, nullptr, 0);
      }
    }
    support_.reset();
    ftp_.reset();
  }

  static fs::path root() { return fs::path(LUMORA_E2E_ROOT).parent_path() / "faults"; }

  static TDemoDirectory Demo(const std::string& name, int items,
                             const std::vector<std::string>& client_ids, int interval) {
    TDemoDirectoryOptions options;
    options.database.subsidiaries = 1;
    options.database.stores_per_subsidiary = 2;
    options.database.items = items;
    options.database.sales_orders = 20;
    options.database.transfer_orders = 10;
    TDemoDirectory demo = CreateDemoDirectory(root() / name, options);
    TConnectorConfig config;
    ParseConfigFile(ReadFileBytes(demo.program / std::string(kConfigFileName)), config);
    config.clientids = client_ids;
    config.scanscheduling = 0;
    config.scaninterval = interval;
    config.oracledelay = 0;
    config.runimmediate = true;
    WriteConfig(demo.program / std::string(kConfigFileName), config);
    fs::copy_file(LUMORA_SERVICE_EXECUTABLE, demo.program / "LumoraRPro9Service");
    return demo;
  }

  // Starts the service from its program directory; with `mounts`, inside a
  // private mount namespace after those commands ($P is the directory).
  static pid_t Start(const Service& service, const std::vector<std::string>& arguments,
                     const std::string& mounts) {
    std::vector<std::string> environment = {
        "LUMORA_REGISTRY=" + service.demo.registry.string(), "LUMORA_SYSTEMCTL=none",
        "PATH=/usr/sbin:/usr/bin:/sbin:/bin", "P=" + service.demo.program.string()};
    const std::string program = (service.demo.program / "LumoraRPro9Service").string();
    std::vector<std::string> argv;
    if (mounts.empty()) {
      argv.push_back(program);
    } else {
      std::string script = mounts + " && exec \"$P/LumoraRPro9Service\"";
      for (const std::string& argument : arguments) script += " " + argument;
      argv = {"/usr/bin/unshare", "-m", "--propagation", "private", "/bin/sh", "-c", script};
    }
    if (mounts.empty()) argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> args;
    for (auto& argument : argv) args.push_back(argument.data());
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string output = (service.demo.root / "service.out").string();
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0) << args[0];
    return pid;
  }

  static inline std::unique_ptr<FtpServer> ftp_;
  static inline std::unique_ptr<LoopbackHttpServer> support_;
  static inline Service stop_;
  static inline Service full_;
  static inline Service readonly_;
};

TEST_F(ServiceFaults, RefusedUploadIsRetriedOperatorSaveSurvivesAndSigtermEndsTheRunPromptly) {
  Service& s = stop_;
  // First run: S-1's upload is refused once; during the retry wait the
  // operator adds a store, sets a new interval and asks for another run.
  ASSERT_TRUE(Eventually([&] { return s.Count("trying again in 10 seconds") > 0; }, 400s)) << s.Log();
  TConnectorConfig operator_config = s.Saved();
  operator_config.clientids = {"1.1=S-1", "1.2=S-2"};
  operator_config.scaninterval = 3600000;
  operator_config.runimmediate = true;
  WriteConfig(s.Config(), operator_config);

  ASSERT_TRUE(Eventually([&] { return s.Count("======Run completed=======") == 1; }, 120s)) << s.Log();
  EXPECT_TRUE(fs::exists(ftp_->home() / "S-1.csv"));

  // The run the operator asked for reaches the large store S-2 and is stopped
  // in the middle of its read.
  const std::string s2 = "Creating output stream on \"" +
                         (s.demo.program / "Batch" / "S-2.csv").string() + "\"";
  ASSERT_TRUE(Eventually([&] { return s.Count(s2) == 1; }, 120s)) << s.Log();
  // Its read lasts seconds: this lands in the middle of it.
  ASSERT_TRUE(Eventually([&] { return s.Count("Starting read of on-hand quantities") == 3; }, 60s))
      << s.Log();
  const TConnectorConfig saved = s.Saved();
  const auto stopped_at = std::chrono::steady_clock::now();
  ::kill(s.pid, SIGTERM);
  const int exit_code = s.WaitForExit(20s);
  const auto took = std::chrono::steady_clock::now() - stopped_at;

  const std::string log = s.Log();
  EXPECT_EQ(exit_code, 0) << log;
  EXPECT_LT(took, 5s);
  EXPECT_EQ(MissingInOrder(log, {"EFtpError in TdlgConnectorLogic.TransmitBatch",
                                 "Upload of S-1.csv failed; trying again in 10 seconds",
                                 "======Run completed=======", "Run Immediate detected",
                                 "======Starting run========", s2,
                                 "Terminating on-hand scan -- service is shutting down.",
                                 "Stopping write of data to batch file in order to close app",
                                 "Removed incomplete batch file", "======Run completed=======",
                                 "Service stopping...", "Service stopped"}),
            "")
      << log;
  EXPECT_EQ(s.Count("giving up"), 0u) << log;
  // The operator's settings survived both runs' saves; the request was taken.
  EXPECT_EQ(saved.clientids, operator_config.clientids);
  EXPECT_EQ(saved.scaninterval, 3600000);
  EXPECT_FALSE(saved.runimmediate);
  // The interrupted store's batch went nowhere.
  EXPECT_FALSE(fs::exists(ftp_->home() / "S-2.csv"));
  EXPECT_FALSE(fs::exists(s.demo.program / "Batch" / "S-2.csv"));
  for (const auto& copy : fs::directory_iterator(s.demo.program / "Batch" / "Archive" / "Verrin")) {
    EXPECT_EQ(copy.path().filename().string().rfind("S-1-", 0), 0u) << copy.path();
  }
}

TEST_F(ServiceFaults, BatchOnAFullFileSystemIsNeitherSentNorArchived) {
  Service& s = full_;
  ASSERT_TRUE(Eventually([&] { return s.Count("======Run completed=======") == 1; }, 400s)) << s.Log();
  ::kill(s.pid, SIGINT);
  EXPECT_EQ(s.WaitForExit(20s), 0);

  const std::string log = s.Log();
  const std::string path = (s.demo.program / "Batch" / "F-1.csv").string();
  EXPECT_EQ(MissingInOrder(log, {"Unable to write batch file \"" + path +
                                     "\": Stream write error: No space left on device; the batch "
                                     "is incomplete and will not be sent",
                                 "Removed incomplete batch file \"" + path + "\"",
                                 "======Run completed======="}),
            "")
      << log;
  EXPECT_EQ(s.Count("skipping row"), 0u) << log;
  EXPECT_EQ(s.Count("     Processed..."), 0u) << log;
  EXPECT_EQ(s.Count("Starting transmission of batch file."), 0u) << log;
  EXPECT_EQ(s.Count("Archiving "), 0u) << log;
  EXPECT_FALSE(fs::exists(ftp_->home() / "F-1.csv"));
  EXPECT_EQ(s.Saved().lastquery, 0.0);
}

TEST_F(ServiceFaults, RequestInAReadOnlyFolderRunsOnceAndScheduledRunsFollow) {
  Service& s = readonly_;
  // The request's run, then two runs 20 s apart as the interval asks.
  ASSERT_TRUE(Eventually([&] { return s.Count("======Starting run========") >= 3; }, 400s)) << s.Log();
  ::kill(s.pid, SIGINT);
  EXPECT_EQ(s.WaitForExit(90s), 0);

  const std::string log = s.Log();
  EXPECT_EQ(s.Count("Run Immediate detected"), 1u) << log;
  // The request could not be cleared: said once, not at every idle tick.
  EXPECT_EQ(s.Count("in Connector.SetTimerInterval"), 1u) << log;
  EXPECT_TRUE(fs::exists(ftp_->home() / "R-1.csv"));
  EXPECT_TRUE(s.Saved().runimmediate);
}

}  // namespace
}  // namespace lumora::test
