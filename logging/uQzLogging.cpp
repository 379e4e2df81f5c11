#include "logging/uQzLogging.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>
#include <vector>

#include "logging/log_settings.h"
#include "logging/log_switches.h"
#include "logging/uQzLogger.h"
#include "platform/executable.h"

namespace lumora {
namespace {

// Any thread reads GlobalLogger without a lock; it is constant-initialised so
// that a call the level filters out costs a load and a comparison.
std::atomic<TQzLogger*> g_global{nullptr};

// An ended global logger is not freed at once, since another thread may just
// have read the pointer: it is parked here and freed at module end. Its calls
// are dropped.
struct ModuleLoggers {
  std::atomic<TQzLogger*>& global = g_global;
  std::vector<std::unique_ptr<TQzLogger>> retired;
};

ModuleLoggers& Loggers() {
  // Touching LoggerList first makes it outlive the parked loggers, whose
  // destructors still look into it.
  LoggerList();
  static ModuleLoggers loggers;
  return loggers;
}

TQzLogger* Global() { return g_global.load(std::memory_order_acquire); }

void RetireGlobal() {
  ModuleLoggers& loggers = Loggers();
  TQzLogger* logger = loggers.global.exchange(nullptr, std::memory_order_acq_rel);
  if (logger == nullptr) return;
  detail::global_log_level.store(INT_MIN, std::memory_order_relaxed);
  loggers.retired.emplace_back(logger);
  logger->EndLogging();
}

}  // namespace

TQzLogger* GlobalLogger() { return Global(); }

namespace detail {

void Log(int ALevel, std::string_view AMsg, std::string_view AType, std::string_view AArea) {
  if (TQzLogger* logger = Global()) logger->log(ALevel, AMsg, AType, AArea);
}

void LogErr(std::string_view AMsg, std::string_view AMethod) {
  if (TQzLogger* logger = Global()) logger->err(AMsg, AMethod);
}

void LogExc(const std::exception& E, std::string_view AMethod, std::string_view AProcID) {
  if (TQzLogger* logger = Global()) logger->exc(E, AMethod, AProcID);
}

void LogDbg(std::string_view AMsg, std::string_view AMethod) {
  if (TQzLogger* logger = Global()) logger->dbg(AMsg, AMethod);
}

void LogEnter(int ALevel, std::string_view AArea, std::string_view AProcID) {
  if (TQzLogger* logger = Global()) logger->logenter(ALevel, AArea, AProcID);
}

void LogExit(int ALevel, std::string_view AArea, std::string_view AProcID) {
  if (TQzLogger* logger = Global()) logger->logexit(ALevel, AArea, AProcID);
}

void LogValue(int ALevel, std::string_view AValueName, std::string_view AValue, int ADots,
              std::string_view AType, std::string_view AArea) {
  if (TQzLogger* logger = Global()) logger->logvalue(ALevel, AValueName, AValue, ADots, AType, AArea);
}

}  // namespace detail

void StartGlobalLog(std::string_view AModuleName, bool AIncludeTime) {
  try {
    ModuleLoggers& loggers = Loggers();
    TQzLogger* logger = loggers.global.load(std::memory_order_acquire);
    if (logger == nullptr) {
      logger = new TQzLogger(AModuleName, AIncludeTime);
      loggers.global.store(logger, std::memory_order_release);
      detail::global_log_level.store(logger->LogLevel(), std::memory_order_relaxed);
    }
    logger->StartLogging();
  } catch (...) {
  }
}

void EndGlobalLog() {
  try {
    RetireGlobal();
  } catch (...) {
  }
}

void SetGlobalLogLevel(int Value) {
  SetDefaultLogLevel(Value);
  if (TQzLogger* logger = Global()) logger->SetLogLevel(Value);
}

int GlobalLogLevel() {
  const TQzLogger* logger = Global();
  return logger != nullptr ? logger->LogLevel() : -1;
}

void SetGlobalLoggingEnabled(bool Value) {
  SetDefaultLoggingEnabled(Value);
  if (TQzLogger* logger = Global()) logger->SetLoggingEnabled(Value);
}

bool DrainGlobalLog(std::chrono::milliseconds timeout) {
  const TQzLogger* logger = Global();
  return logger == nullptr || logger->WaitUntilWritten(timeout);
}

void StartLoggingModule() {
  Loggers();
  ReadLogSwitches(platform::ProgramArguments());
}

void EndLoggingModule() {
  ModuleLoggers& loggers = Loggers();
  RetireGlobal();
  // The list does not own its loggers, so the ones created elsewhere are only
  // ended here; their owners free them.
  TLoggerList& list = LoggerList();
  while (!list.empty()) {
    TQzLogger* logger = list.back();
    try {
      logger->EndLogging();
    } catch (...) {
    }
    if (!list.empty() && list.back() == logger) list.pop_back();
  }
  loggers.retired.clear();
  SetLogDir({});
  SetTraceLogDir({});
}

}  // namespace lumora
