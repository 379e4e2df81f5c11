#include "logging/log_settings.h"

#include <atomic>
#include <mutex>

#include "logging/uQzLogging.h"
#include "platform/platform_config.h"

namespace lumora {
namespace {

std::atomic<int> g_default_log_level{1};
std::atomic<bool> g_default_logging_enabled{true};
std::atomic<bool> g_log_machine{false};
std::atomic<bool> g_announce_level{false};

// The two directories are strings, so a lock rather than an atomic; the writer
// reads LogDir while the engine may be setting it.
std::mutex g_dir_mutex;
std::string g_log_dir = InitialLogDir();
std::string g_trace_log_dir;

}  // namespace

std::string InitialLogDir() { return std::string("logs") + platform::kPathSeparator; }

int DefaultLogLevel() { return g_default_log_level.load(std::memory_order_relaxed); }
void SetDefaultLogLevel(int value) { g_default_log_level.store(value, std::memory_order_relaxed); }
bool DefaultLoggingEnabled() { return g_default_logging_enabled.load(std::memory_order_relaxed); }
void SetDefaultLoggingEnabled(bool value) {
  g_default_logging_enabled.store(value, std::memory_order_relaxed);
}
bool LogMachine() { return g_log_machine.load(std::memory_order_relaxed); }
void SetLogMachine(bool value) { g_log_machine.store(value, std::memory_order_relaxed); }
bool AnnounceLogLevelChanges() { return g_announce_level.load(std::memory_order_relaxed); }
void SetAnnounceLogLevelChanges(bool value) {
  g_announce_level.store(value, std::memory_order_relaxed);
}

std::string LogDir() {
  std::lock_guard lock(g_dir_mutex);
  return g_log_dir;
}

void SetLogDir(std::string directory) {
  std::lock_guard lock(g_dir_mutex);
  g_log_dir = std::move(directory);
}

std::string TraceLogDir() {
  std::lock_guard lock(g_dir_mutex);
  return g_trace_log_dir;
}

void SetTraceLogDir(std::string directory) {
  std::lock_guard lock(g_dir_mutex);
  g_trace_log_dir = std::move(directory);
}

}  // namespace lumora
