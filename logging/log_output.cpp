#include "logging/log_output.h"

#include <cmath>

#include "foundation/clock.h"
#include "foundation/paths.h"
#include "logging/uQzLogging.h"

namespace lumora {

std::string LogFileName(std::string_view directory, std::string_view module_name,
                        TDateTime start_time, bool include_time) {
  const std::string_view format = include_time ? "yyyymmdd_hhnnsszzz" : "yyyymmdd";
  std::string name(module_name);
  name += '_';
  name += FormatDateTime(format, start_time);
  name += ".log";
  return PathJoin(directory, name);
}

TLogOutput::TLogOutput(std::string_view AModuleName, bool AIncludeTime)
    : FModuleName(AModuleName), FIncludeTime(AIncludeTime), FStartTime(Now()) {}

void TLogOutput::OpenLog() {
  std::lock_guard lock(FCS);
  DoOpenLog();
}

void TLogOutput::CloseLog() {
  std::lock_guard lock(FCS);
  DoCloseLog();
}

void TLogOutput::FlushLog() {
  std::lock_guard lock(FCS);
  DoCloseLog();
  DoOpenLog();
  flush_count_.fetch_add(1, std::memory_order_relaxed);
}

bool TLogOutput::WriteMsg(std::string_view msg) {
  std::string line(msg);
  line += "\r\n";
  return WriteBlock(line) == line.size();
}

std::size_t TLogOutput::WriteBlock(std::string_view bytes) {
  std::lock_guard lock(FCS);
  if (!FOpen) return 0;
  return DoWrite(bytes);
}

bool TLogOutput::IsOpen() const {
  std::lock_guard lock(FCS);
  return FOpen;
}

std::string TLogOutput::Filename() const {
  std::lock_guard lock(FCS);
  return FFilename;
}

void TLogOutput::BuildFileName() {
  const TDateTime now = Now();
  // The daily roll-over: a file is named after the day it was first opened
  // on; the first open on a later day starts a new one.
  if (std::floor(FStartTime) != std::floor(now)) FStartTime = now;
  FFilename = LogFileName(LogDir(), FModuleName, FStartTime, FIncludeTime);
}

THandleLogOutput::~THandleLogOutput() { DoCloseLog(); }

void THandleLogOutput::DoOpenLog() {
  if (FOpen) return;
  BuildFileName();
  // "ab" appends to an existing file and creates a missing one. A failed open
  // still counts as open: the writes that follow fail and keep their lines.
  ofd.reset(std::fopen(FFilename.c_str(), "ab"));
  // The writer hands over whole blocks; unbuffered here means a block has
  // reached the file when the call returns, so a failure is seen at once.
  if (ofd) std::setvbuf(ofd.get(), nullptr, _IONBF, 0);
  FOpen = true;
}

void THandleLogOutput::DoCloseLog() {
  if (!FOpen) return;
  ofd.reset();
  FOpen = false;
}

std::size_t THandleLogOutput::DoWrite(std::string_view bytes) {
  if (!ofd) return 0;
  return std::fwrite(bytes.data(), 1, bytes.size(), ofd.get());
}

}  // namespace lumora
