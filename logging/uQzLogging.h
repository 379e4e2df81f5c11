#pragma once

// The logging module. Every part of both programs logs through the module
// functions below; they forward to the program's one logger (GlobalLogger)
// and do nothing while it does not exist. Logging never raises.

#include <atomic>
#include <chrono>
#include <climits>
#include <exception>
#include <string>
#include <string_view>

namespace lumora {

// The six tags, nine characters each, placed verbatim at the start of a line's
// payload.
inline constexpr std::string_view TagInfo = " INFO    ";
inline constexpr std::string_view TagWarning = " WARNING ";
inline constexpr std::string_view TagError = " ERROR   ";
inline constexpr std::string_view TagDebug = " DEBUG   ";
inline constexpr std::string_view TagEnter = " >> ENTER";
inline constexpr std::string_view TagExit = " << EXIT ";

namespace detail {
// The global logger's level, INT_MIN while there is none. The module
// functions test it inline, so a call that the level filters out costs one
// load and one comparison before any argument is passed on. The logger checks
// its own level again behind it.
inline std::atomic<int> global_log_level{INT_MIN};
inline bool GlobalWants(int level) { return level <= global_log_level.load(std::memory_order_relaxed); }

void Log(int ALevel, std::string_view AMsg, std::string_view AType, std::string_view AArea);
void LogErr(std::string_view AMsg, std::string_view AMethod);
void LogExc(const std::exception& E, std::string_view AMethod, std::string_view AProcID);
void LogDbg(std::string_view AMsg, std::string_view AMethod);
void LogEnter(int ALevel, std::string_view AArea, std::string_view AProcID);
void LogExit(int ALevel, std::string_view AArea, std::string_view AProcID);
void LogValue(int ALevel, std::string_view AValueName, std::string_view AValue, int ADots,
              std::string_view AType, std::string_view AArea);
}  // namespace detail

inline void Log(int ALevel, std::string_view AMsg, std::string_view AType = TagInfo,
                std::string_view AArea = {}) {
  if (detail::GlobalWants(ALevel)) detail::Log(ALevel, AMsg, AType, AArea);
}
inline void LogInfo(int ALevel, std::string_view AMsg, std::string_view AArea = {}) {
  if (detail::GlobalWants(ALevel)) detail::Log(ALevel, AMsg, TagInfo, AArea);
}
inline void LogErr(std::string_view AMsg, std::string_view AMethod = {}) {
  if (detail::GlobalWants(0)) detail::LogErr(AMsg, AMethod);
}
inline void LogExc(const std::exception& E, std::string_view AMethod, std::string_view AProcID = {}) {
  if (detail::GlobalWants(0)) detail::LogExc(E, AMethod, AProcID);
}
// Debug lines are level 9 and need LoggingEnabled as well.
inline void LogDbg(std::string_view AMsg, std::string_view AMethod = {}) {
  if (detail::GlobalWants(9)) detail::LogDbg(AMsg, AMethod);
}
inline void LogEnter(int ALevel, std::string_view AArea, std::string_view AProcID = {}) {
  if (detail::GlobalWants(ALevel)) detail::LogEnter(ALevel, AArea, AProcID);
}
inline void LogExit(int ALevel, std::string_view AArea, std::string_view AProcID = {}) {
  if (detail::GlobalWants(ALevel)) detail::LogExit(ALevel, AArea, AProcID);
}
inline void LogValue(int ALevel, std::string_view AValueName, std::string_view AValue, int ADots,
                     std::string_view AType = TagInfo, std::string_view AArea = {}) {
  if (detail::GlobalWants(ALevel)) detail::LogValue(ALevel, AValueName, AValue, ADots, AType, AArea);
}

// Creates the program's logger under its module name (when none exists) and
// starts it: log directory, writer thread, start-of-log banner.
void StartGlobalLog(std::string_view AModuleName, bool AIncludeTime);
// Drains the writer's queue to the file, stops it and destroys the logger.
void EndGlobalLog();

void SetGlobalLogLevel(int Value);
// The logger's level, or -1 when no logger exists.
int GlobalLogLevel();
void SetGlobalLoggingEnabled(bool Value);

// Module start and end. Each program's main calls StartLoggingModule first,
// right after platform::RecordArguments and before anything that logs: it
// reads the "loglevel", "logmachine" and "tracelogdir" switches from the
// program's arguments. EndLoggingModule, the last call of main, ends every
// logger that is still running (draining its queue) and empties LogDir and
// TraceLogDir.
void StartLoggingModule();
void EndLoggingModule();

// Waits until every line logged so far is in the file (true), or the time-out
// passes (false). For tests and for a program that is about to hand its log
// file on; normal code never needs it.
bool DrainGlobalLog(std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The log directory (module setting LogDir). Initially "logs" + separator;
// made absolute under ExeDir by the first StartLogging. The service's engine
// sets it again once it knows its installation directory.
std::string LogDir();
void SetLogDir(std::string directory);

}  // namespace lumora
