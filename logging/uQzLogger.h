#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/date_time.h"
#include "logging/log_output.h"
#include "logging/log_thread.h"
#include "logging/uQzLogging.h"

namespace lumora {

// A program's logger: filters calls by level, formats the payload on the
// caller's thread and hands it to its writer thread. Logging never raises.
// Any thread may log; StartLogging and EndLogging run on the main thread.
class TQzLogger {
 public:
  TQzLogger(std::string_view AModuleName, bool AIncludeTime);
  ~TQzLogger();
  TQzLogger(const TQzLogger&) = delete;
  TQzLogger& operator=(const TQzLogger&) = delete;

  // The central operation; the level test comes first and is all a
  // suppressed call costs.
  void log(int ALevel, std::string_view AMsg, std::string_view AType = TagInfo,
           std::string_view AArea = {}) noexcept {
    if (ALevel > FLogLevel.load(std::memory_order_relaxed)) return;
    Write(AMsg, AType, AArea);
  }
  void logenter(int ALevel, std::string_view AArea, std::string_view AProcID = {}) noexcept;
  void logexit(int ALevel, std::string_view AArea, std::string_view AProcID = {}) noexcept;
  void logvalue(int ALevel, std::string_view AValueName, std::string_view AValue, int ADots,
                std::string_view AType = TagInfo, std::string_view AArea = {}) noexcept;
  void logvalue(int ALevel, std::string_view AValueName, std::int64_t AValue, int ADots,
                std::string_view AType = TagInfo, std::string_view AArea = {}) noexcept;
  void logvalue(int ALevel, std::string_view AValueName, double AValue, int ADots,
                std::string_view AType = TagInfo, std::string_view AArea = {}) noexcept;
  void logvalue(int ALevel, std::string_view AValueName, bool AValue, int ADots,
                std::string_view AType = TagInfo, std::string_view AArea = {}) noexcept;
  // The string-list form; nullptr stands for an absent list.
  void logvalue(int ALevel, std::string_view AValueName, const std::vector<std::string>* AValue,
                int ADots, std::string_view AType = TagInfo, std::string_view AArea = {}) noexcept;
  void logvalue(int ALevel, std::string_view AValueName, int AValue, int ADots,
                std::string_view AType = TagInfo, std::string_view AArea = {}) noexcept {
    logvalue(ALevel, AValueName, static_cast<std::int64_t>(AValue), ADots, AType, AArea);
  }
  // Keeps a string literal from choosing the Boolean form.
  void logvalue(int ALevel, std::string_view AValueName, const char* AValue, int ADots,
                std::string_view AType = TagInfo, std::string_view AArea = {}) noexcept {
    logvalue(ALevel, AValueName, std::string_view(AValue), ADots, AType, AArea);
  }
  void dbg(std::string_view AMsg, std::string_view AMethod = {}) noexcept;
  void exc(const std::exception& E, std::string_view AMethod, std::string_view AProcID = {}) noexcept;
  void info(int ALevel, std::string_view AMsg, std::string_view AArea = {}) noexcept;
  void warn(int ALevel, std::string_view AMsg, std::string_view AArea = {}) noexcept;
  void err(std::string_view AMsg, std::string_view AMethod = {}) noexcept;

  // Creates the log directory, the output and the writer and writes the
  // start-of-log banner; does nothing once started. Never raises.
  void StartLogging() noexcept;
  // Drains and stops the writer, closes the output and leaves LoggerList.
  void EndLogging() noexcept;

  const std::string& ModuleName() const { return FModuleName; }
  bool IncludeTime() const { return FIncludeTime; }
  TDateTime StartTime() const { return FStartTime; }
  int LogLevel() const { return FLogLevel.load(std::memory_order_relaxed); }
  void SetLogLevel(int Value);
  bool LoggingEnabled() const { return FLoggingEnabled.load(std::memory_order_relaxed); }
  void SetLoggingEnabled(bool Value) { FLoggingEnabled.store(Value, std::memory_order_relaxed); }
  bool LoggingStarted() const { return started_.load(std::memory_order_acquire); }
  int QueueLimit() const { return FQueueLimit.load(std::memory_order_relaxed); }
  void SetQueueLimit(int Value);
  int FlushLimit() const { return FFlushLimit.load(std::memory_order_relaxed); }
  void SetFlushLimit(int Value);
  int QueueSize() const;
  std::string OutputPath() const;
  std::string LastError() const;

  // Observation and test seams beyond the product's own properties.
  // Flushes (close and re-open inside a burst) since logging started.
  std::uint64_t FlushCount() const;
  // Waits until every line logged before the call is in the file.
  bool WaitUntilWritten(std::chrono::milliseconds timeout) const;
  // Pause before a line that failed to be written is tried again, and how
  // long EndLogging keeps trying an unwritable file (see TLogThread).
  void SetRetryPause(std::chrono::milliseconds pause);
  void SetShutdownGrace(std::chrono::milliseconds grace);

 private:
  // Builds the payload and enqueues it; the level test has passed.
  void Write(std::string_view AMsg, std::string_view AType, std::string_view AArea) noexcept;
  void LogBanner();
  // logenter and logexit: "[AProcID] " when given, then AWord.
  void LogTrace(int ALevel, std::string_view AArea, std::string_view AProcID, std::string_view AWord,
                std::string_view AType) noexcept;

  const std::string FModuleName;
  const bool FIncludeTime;
  const TDateTime FStartTime;
  std::atomic<int> FLogLevel;
  std::atomic<bool> FLoggingEnabled;
  std::atomic<int> FQueueLimit;
  std::atomic<int> FFlushLimit;

  std::unique_ptr<TLogOutput> FLogOutput;
  std::unique_ptr<TLogThread> FLogThread;
  std::chrono::milliseconds retry_pause_{1000};
  std::chrono::milliseconds shutdown_grace_{3000};

  // Read without a lock by every logging thread. accepting_ turns false when
  // EndLogging begins; callers_ counts calls between their accepting_ test and
  // the end of their enqueue, so EndLogging can wait for them before it stops
  // the writer that they are using.
  std::atomic<bool> started_{false};
  std::atomic<bool> accepting_{false};
  std::atomic<int> callers_{0};
};

// The loggers that exist, in order of creation; not owning.
using TLoggerList = std::vector<TQzLogger*>;
TLoggerList& LoggerList();

// The logger the module functions forward to; nullptr when there is none.
TQzLogger* GlobalLogger();

}  // namespace lumora
