// End-to-end throughput of the logger against spdlog's asynchronous file
// logger on the same lines, and the cost of a call that the level filters out.
//
//   logger_bench [lines]     (default 1000000)
//
// Every run is timed from the first call until the last line is on disk
// (the logger ended, which drains its writer; spdlog shut down).

#include <spdlog/async.h>
#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>
#include <stdlib.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "logging/log_settings.h"
#include "logging/uQzLogger.h"
#include "logging/uQzLogging.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::string_view kArea = "Connector.ScanInventory";
// With the stamp, tag and area column in front this makes a line of about 150
// characters.
constexpr std::string_view kMessage = "Store 1.002: UPC 0123456789012 on hand 42 committed 3 avail 39";

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// A fresh directory for one run, removed afterwards.
struct ScratchDir {
  ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "lumora-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path = pattern;
  }
  ~ScratchDir() { fs::remove_all(path); }
  fs::path path;
};

std::uintmax_t DirectoryBytes(const fs::path& dir) {
  std::uintmax_t total = 0;
  for (const auto& item : fs::directory_iterator(dir)) total += item.file_size();
  return total;
}

void Report(const char* what, int threads, long lines, double seconds, std::uintmax_t bytes) {
  std::printf("%-10s %d producer(s): %9.0f lines/s  (%.3f s, %.1f MB, %.0f bytes/line)\n", what, threads,
              static_cast<double>(lines) / seconds, seconds, static_cast<double>(bytes) / 1e6,
              static_cast<double>(bytes) / static_cast<double>(lines));
}

double RunLumora(long lines, int threads) {
  ScratchDir dir;
  lumora::SetLogDir(dir.path.string() + "/");
  lumora::SetDefaultLogLevel(1);
  lumora::TQzLogger logger("LumoraBench", false);
  logger.StartLogging();
  logger.WaitUntilWritten(std::chrono::seconds(10));  // the banner

  const auto start = Clock::now();
  std::vector<std::thread> producers;
  for (int t = 0; t < threads; ++t) {
    producers.emplace_back([&logger, lines, threads] {
      for (long i = 0; i < lines / threads; ++i) logger.log(1, kMessage, lumora::TagInfo, kArea);
    });
  }
  for (auto& p : producers) p.join();
  logger.EndLogging();
  const double seconds = Seconds(start);
  Report("lumora", threads, lines, seconds, DirectoryBytes(dir.path));
  return static_cast<double>(lines) / seconds;
}

double RunSpdlog(long lines, int threads) {
  ScratchDir dir;
  spdlog::init_thread_pool(8192, 1);
  auto sink = std::make_shared<spdlog::sinks::basic_file_sink_mt>((dir.path / "spdlog.log").string());
  auto logger = std::make_shared<spdlog::async_logger>("bench", sink, spdlog::thread_pool(),
                                                       spdlog::async_overflow_policy::block);
  // The same line: stamp with milliseconds, " | ", then the payload our
  // logger builds (tag, area column, message).
  logger->set_pattern("%Y-%m-%d %H:%M:%S.%e | %v", spdlog::pattern_time_type::local);
  std::string payload(lumora::TagInfo);
  payload += '|';
  payload += kArea;
  payload.append(lumora::AreaWidth - kArea.size(), ' ');
  payload += "| ";
  payload += kMessage;

  const auto start = Clock::now();
  std::vector<std::thread> producers;
  for (int t = 0; t < threads; ++t) {
    producers.emplace_back([&logger, &payload, lines, threads] {
      for (long i = 0; i < lines / threads; ++i) logger->info(payload);
    });
  }
  for (auto& p : producers) p.join();
  logger.reset();
  spdlog::shutdown();  // joins the pool after it has written everything
  const double seconds = Seconds(start);
  Report("spdlog", threads, lines, seconds, DirectoryBytes(dir.path));
  return static_cast<double>(lines) / seconds;
}

// CPU time of the calling thread: on a shared machine wall time would count
// the time other processes held the core.
double ThreadCpuSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void RunSuppressed() {
  ScratchDir dir;
  lumora::SetLogDir(dir.path.string() + "/");
  lumora::SetDefaultLogLevel(1);
  lumora::StartGlobalLog("LumoraBench", false);
  constexpr long kCalls = 200'000'000;
  double start = ThreadCpuSeconds();
  for (long i = 0; i < kCalls; ++i) lumora::Log(9, kMessage, lumora::TagDebug, kArea);
  const double module_ns = (ThreadCpuSeconds() - start) * 1e9 / kCalls;

  lumora::TQzLogger& logger = *lumora::GlobalLogger();
  start = ThreadCpuSeconds();
  for (long i = 0; i < kCalls; ++i) logger.log(9, kMessage, lumora::TagDebug, kArea);
  const double direct_ns = (ThreadCpuSeconds() - start) * 1e9 / kCalls;
  lumora::EndGlobalLog();
  std::printf("suppressed call (thread CPU time): Log() %.2f ns, TQzLogger::log %.2f ns\n", module_ns, direct_ns);
}

}  // namespace

int main(int argc, char** argv) {
  const long lines = argc > 1 ? std::atol(argv[1]) : 1'000'000;
  for (int threads : {1, 2}) {
    const double ours = RunLumora(lines, threads);
    const double theirs = RunSpdlog(lines, threads);
    std::printf("           ratio lumora/spdlog: %.2f\n", ours / theirs);
  }
  RunSuppressed();
  return 0;
}
