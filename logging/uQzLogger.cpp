#include "logging/uQzLogger.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <utility>

#include "foundation/clock.h"
#include "foundation/exceptions.h"
#include "foundation/paths.h"
#include "logging/log_banner.h"
#include "logging/log_settings.h"
#include "platform/ansi_code_page.h"
#include "platform/platform_config.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

// A control character other than tab would let one call write what reads as
// several lines (a reply text with CR LF in it could forge a whole log line),
// so CR, LF and the rest are written in a visible escaped form.
bool IsEscapedControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && byte != '\t') || byte == 0x7F;
}

void AppendEscaped(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (const char c : text) {
    if (!IsEscapedControl(c)) {
      out.push_back(c);
    } else if (c == '\r') {
      out.append("\\r");
    } else if (c == '\n') {
      out.append("\\n");
    } else {
      const auto byte = static_cast<unsigned char>(c);
      out.append("\\x");
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0x0F]);
    }
  }
}

// The area column: the first AreaWidth characters, padded with spaces. The
// width counts characters of the code page the file is written in, so that a
// non-ASCII area neither shifts the message column nor is cut inside a
// character.
void AppendAreaColumn(std::string& out, std::string_view area) {
  const auto width = static_cast<std::size_t>(AreaWidth);
  const bool plain = std::none_of(area.begin(), area.end(), [](char c) {
    return IsEscapedControl(c) || static_cast<unsigned char>(c) >= 0x80;
  });
  if (plain) {
    const std::string_view cut = area.substr(0, std::min(area.size(), width));
    out.append(cut);
    out.append(width - cut.size(), ' ');
    return;
  }
  std::string escaped;
  AppendEscaped(escaped, area);
  std::string ansi = platform::ToAnsi(escaped);
  ansi.resize(width, ' ');
  out.append(platform::FromAnsi(ansi));
}

void WriteTraceFile(const std::string& trace_dir, const std::string& log_dir) {
  const std::string path = PathJoin(trace_dir, "orviklogger.log");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  const std::string line = platform::ToAnsi("LogDir = \"" + log_dir + "\"") + "\r\n";
  std::fwrite(line.data(), 1, line.size(), file);
  std::fclose(file);
}

}  // namespace

TLoggerList& LoggerList() {
  static TLoggerList list;
  return list;
}

TQzLogger::TQzLogger(std::string_view AModuleName, bool AIncludeTime)
    : FModuleName(AModuleName),
      FIncludeTime(AIncludeTime),
      FStartTime(AIncludeTime ? Now() : 0.0),
      FLogLevel(DefaultLogLevel()),
      FLoggingEnabled(DefaultLoggingEnabled()),
      FQueueLimit(DefaultQueueLimit),
      FFlushLimit(DefaultFlushLimit) {
  LoggerList().push_back(this);
}

TQzLogger::~TQzLogger() {
  EndLogging();
  auto& list = LoggerList();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TQzLogger::Write(std::string_view AMsg, std::string_view AType, std::string_view AArea) noexcept {
  try {
    callers_.fetch_add(1, std::memory_order_seq_cst);
    if (!accepting_.load(std::memory_order_seq_cst)) {
      callers_.fetch_sub(1, std::memory_order_seq_cst);
      return;
    }
    try {
      std::string payload;
      payload.reserve(AType.size() + AreaWidth + 3 + AMsg.size());
      payload.append(AType);
      payload += '|';
      AppendAreaColumn(payload, AArea);
      payload += "| ";
      if (std::any_of(AMsg.begin(), AMsg.end(), IsEscapedControl)) {
        AppendEscaped(payload, AMsg);
      } else {
        payload.append(AMsg);
      }
      FLogThread->Enqueue(std::move(payload));
    } catch (...) {
      // Out of memory while building the line: the line is lost, the caller
      // carries on.
    }
    callers_.fetch_sub(1, std::memory_order_seq_cst);
  } catch (...) {
  }
}

void TQzLogger::logenter(int ALevel, std::string_view AArea, std::string_view AProcID) noexcept {
  LogTrace(ALevel, AArea, AProcID, "BEGIN", TagEnter);
}

void TQzLogger::logexit(int ALevel, std::string_view AArea, std::string_view AProcID) noexcept {
  LogTrace(ALevel, AArea, AProcID, "END", TagExit);
}

void TQzLogger::LogTrace(int ALevel, std::string_view AArea, std::string_view AProcID,
                         std::string_view AWord, std::string_view AType) noexcept {
  if (ALevel > LogLevel()) return;
  try {
    std::string msg;
    if (!AProcID.empty()) msg.append("[").append(AProcID).append("] ");
    msg.append(AWord);
    log(ALevel, msg, AType, AArea);
  } catch (...) {
  }
}

void TQzLogger::logvalue(int ALevel, std::string_view AValueName, std::string_view AValue, int ADots,
                         std::string_view AType, std::string_view AArea) noexcept {
  if (ALevel > LogLevel()) return;
  try {
    std::string text(AValueName);
    if (ADots > 0 && text.size() < static_cast<std::size_t>(ADots)) {
      text.append(static_cast<std::size_t>(ADots) - text.size(), '.');
    }
    text.append(AValue);
    log(ALevel, text, AType, AArea);
  } catch (...) {
  }
}

void TQzLogger::logvalue(int ALevel, std::string_view AValueName, std::int64_t AValue, int ADots,
                         std::string_view AType, std::string_view AArea) noexcept {
  if (ALevel > LogLevel()) return;
  logvalue(ALevel, AValueName, std::string_view(std::to_string(AValue)), ADots, AType, AArea);
}

void TQzLogger::logvalue(int ALevel, std::string_view AValueName, double AValue, int ADots,
                         std::string_view AType, std::string_view AArea) noexcept {
  if (ALevel > LogLevel()) return;
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", AValue);
  logvalue(ALevel, AValueName, std::string_view(text), ADots, AType, AArea);
}

void TQzLogger::logvalue(int ALevel, std::string_view AValueName, bool AValue, int ADots,
                         std::string_view AType, std::string_view AArea) noexcept {
  logvalue(ALevel, AValueName, std::string_view(AValue ? "True" : "False"), ADots, AType, AArea);
}

void TQzLogger::logvalue(int ALevel, std::string_view AValueName,
                         const std::vector<std::string>* AValue, int ADots, std::string_view AType,
                         std::string_view AArea) noexcept {
  if (ALevel > LogLevel()) return;
  if (AValue == nullptr) {
    logvalue(ALevel, AValueName, std::string_view("NIL"), ADots, AType, AArea);
    return;
  }
  if (AValue->empty()) {
    logvalue(ALevel, AValueName, std::string_view("[empty]"), ADots, AType, AArea);
    return;
  }
  try {
    const std::string indent(static_cast<std::size_t>(std::max(ADots, 0)), ' ');
    for (std::size_t i = 0; i < AValue->size(); ++i) {
      log(ALevel, indent + "[" + std::to_string(i) + "] " + (*AValue)[i], AType, AArea);
    }
  } catch (...) {
  }
}

void TQzLogger::dbg(std::string_view AMsg, std::string_view AMethod) noexcept {
  if (LoggingEnabled()) log(9, AMsg, TagDebug, AMethod);
}

void TQzLogger::exc(const std::exception& E, std::string_view AMethod,
                    std::string_view AProcID) noexcept {
  if (0 > LogLevel()) return;
  try {
    std::string text = ExceptionClassName(E);
    if (!AProcID.empty()) {
      // Built by appending: GCC 12's optimiser sees a false overlap
      // (-Wrestrict) in "[" + std::string(...) and rejects the Release build.
      std::string prefixed;
      prefixed.reserve(AProcID.size() + 3 + text.size());
      prefixed.append("[").append(AProcID).append("] ").append(text);
      text = std::move(prefixed);
    }
    if (!AMethod.empty()) text.append(" in ").append(AMethod).append(": ").append(E.what());
    log(0, text, TagError, {});
  } catch (...) {
  }
}

void TQzLogger::info(int ALevel, std::string_view AMsg, std::string_view AArea) noexcept {
  log(ALevel, AMsg, TagInfo, AArea);
}

void TQzLogger::warn(int ALevel, std::string_view AMsg, std::string_view AArea) noexcept {
  log(ALevel, AMsg, TagWarning, AArea);
}

void TQzLogger::err(std::string_view AMsg, std::string_view AMethod) noexcept {
  log(0, AMsg, TagError, AMethod);
}

void TQzLogger::SetLogLevel(int Value) {
  FLogLevel.store(Value, std::memory_order_relaxed);
  if (GlobalLogger() == this) detail::global_log_level.store(Value, std::memory_order_relaxed);
  if (Value != 0 && AnnounceLogLevelChanges()) {
    log(0, "LogLevel set to " + std::to_string(Value), TagInfo, {});
  }
}

void TQzLogger::SetQueueLimit(int Value) {
  FQueueLimit.store(Value, std::memory_order_relaxed);
  if (FLogThread) FLogThread->SetQueueLimit(Value);
}

void TQzLogger::SetFlushLimit(int Value) {
  FFlushLimit.store(Value, std::memory_order_relaxed);
  if (FLogThread) FLogThread->SetFlushLimit(Value);
}

void TQzLogger::SetRetryPause(std::chrono::milliseconds pause) {
  retry_pause_ = pause;
  if (FLogThread) FLogThread->SetRetryPause(pause);
}

void TQzLogger::SetShutdownGrace(std::chrono::milliseconds grace) {
  shutdown_grace_ = grace;
  if (FLogThread) FLogThread->SetShutdownGrace(grace);
}

int TQzLogger::QueueSize() const { return FLogThread ? FLogThread->QueueSize() : 0; }

std::string TQzLogger::OutputPath() const { return FLogOutput ? FLogOutput->Filename() : std::string(); }

std::string TQzLogger::LastError() const { return FLogThread ? FLogThread->LastError() : std::string(); }

std::uint64_t TQzLogger::FlushCount() const { return FLogOutput ? FLogOutput->FlushCount() : 0; }

bool TQzLogger::WaitUntilWritten(std::chrono::milliseconds timeout) const {
  return FLogThread ? FLogThread->WaitUntilWritten(timeout) : true;
}

void TQzLogger::StartLogging() noexcept {
  if (FLogOutput) return;
  try {
    std::string log_dir = LogDir();
    if (log_dir == InitialLogDir()) {
      log_dir = LogFolder(ExeDir());
      SetLogDir(log_dir);
    }
    const std::string trace_dir = TraceLogDir();
    if (!trace_dir.empty()) {
      try {
        WriteTraceFile(trace_dir, fs::absolute(log_dir).string());
      } catch (...) {
      }
    }
    std::error_code ec;  // a directory that cannot be created shows up as failed writes
    if (!fs::exists(log_dir, ec)) fs::create_directory(log_dir, ec);

    auto output = std::make_unique<THandleLogOutput>(FModuleName, FIncludeTime);
    auto writer = std::make_unique<TLogThread>(*output);
    writer->SetRetryPause(retry_pause_);
    writer->SetShutdownGrace(shutdown_grace_);
    writer->Start();
    FLogOutput = std::move(output);
    FLogThread = std::move(writer);
    accepting_.store(true, std::memory_order_seq_cst);
    started_.store(true, std::memory_order_release);
  } catch (...) {
    return;
  }
  try {
    LogBanner();
  } catch (...) {
  }
}

void TQzLogger::LogBanner() {
  for (const std::string& message : BannerMessages(LogLevel(), LogMachine(), platform::LocalSystemFacts())) {
    log(0, message, TagInfo, {});
  }
}

void TQzLogger::EndLogging() noexcept {
  if (FLogThread) {
    // New calls are dropped from here on. Calls already past the gate finish
    // their enqueue first (a full queue no longer holds them back), then the
    // writer drains everything and ends.
    accepting_.store(false, std::memory_order_seq_cst);
    FLogThread->ReleaseWaiters();
    while (callers_.load(std::memory_order_seq_cst) != 0) std::this_thread::yield();
    FLogThread->Stop();
    FLogThread.reset();
  }
  // Only now that the writer is gone may the output go.
  started_.store(false, std::memory_order_release);
  FLogOutput.reset();
  auto& list = LoggerList();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

}  // namespace lumora
