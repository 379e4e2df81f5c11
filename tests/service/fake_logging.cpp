// An in-memory stand-in for the logger, used until the logger library is
// part of this build: it keeps every line that the level lets through.

#include <mutex>

#include "foundation/exceptions.h"
#include "logging/uQzLogging.h"
#include "tests/service/log_recorder.h"

namespace lumora {
namespace {
std::mutex g_mutex;
std::vector<test::LogRecord> g_records;
int g_level = 1;
bool g_started = false;
std::string g_log_dir = "logs/";
}  // namespace

void Log(int ALevel, std::string_view AMsg, std::string_view AType, std::string_view AArea) {
  const std::lock_guard lock(g_mutex);
  if (ALevel > g_level) return;
  g_records.push_back({std::string(AType), std::string(AArea), std::string(AMsg)});
}
void LogInfo(int ALevel, std::string_view AMsg, std::string_view AArea) { Log(ALevel, AMsg, TagInfo, AArea); }
void LogErr(std::string_view AMsg, std::string_view AMethod) { Log(0, AMsg, TagError, AMethod); }
void LogExc(const std::exception& E, std::string_view AMethod, std::string_view) {
  Log(0, ExceptionClassName(E) + ": " + E.what(), TagError, AMethod);
}
void LogDbg(std::string_view AMsg, std::string_view AMethod) { Log(5, AMsg, TagDebug, AMethod); }
void LogEnter(int ALevel, std::string_view AArea, std::string_view) { Log(ALevel, "BEGIN", TagEnter, AArea); }
void LogExit(int ALevel, std::string_view AArea, std::string_view) { Log(ALevel, "END", TagExit, AArea); }
void LogValue(int ALevel, std::string_view AValueName, std::string_view AValue, int, std::string_view AType,
              std::string_view AArea) {
  Log(ALevel, std::string(AValueName) + AValue.data(), AType, AArea);
}
void StartGlobalLog(std::string_view, bool) { g_started = true; }
void EndGlobalLog() { g_started = false; }
void SetGlobalLogLevel(int Value) { g_level = Value; }
int GlobalLogLevel() { return g_level; }
void SetGlobalLoggingEnabled(bool) {}
std::string LogDir() { return g_log_dir; }
void SetLogDir(std::string directory) { g_log_dir = std::move(directory); }

namespace test {
std::vector<LogRecord> RecordedLog() {
  const std::lock_guard lock(g_mutex);
  return g_records;
}
void ClearRecordedLog() {
  const std::lock_guard lock(g_mutex);
  g_records.clear();
}
}  // namespace test
}  // namespace lumora
