#include "logging/log_output.h"

#include <algorithm>
#include <cmath>
#include <system_error>

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
  // Appends to an existing file and creates a missing one. A failed open
  // still counts as open: the writes that follow fail and keep their lines.
  // Writes go straight to the system, so a block has reached the file when
  // the call returns and a failure is seen at once.
  try {
    ofd = platform::File::Open(FFilename, platform::FileMode::kAppend);
  } catch (const std::system_error&) {
  }
  FOpen = true;
}

void THandleLogOutput::DoCloseLog() {
  if (!FOpen) return;
  ofd.Close();
  FOpen = false;
}

std::size_t THandleLogOutput::DoWrite(std::string_view bytes) {
  if (!ofd.IsOpen()) return 0;
  // A failing call is an answer here, not an error: the writer keeps what did
  // not reach the file and tries again.
  const auto succeeds = [](const auto& call) {
    try {
      call();
      return true;
    } catch (const std::system_error&) {
      return false;
    }
  };
  if (cut_line_left_) {
    if (!succeeds([this] { ofd.Write("\r\n", 2); })) return 0;
    cut_line_left_ = false;
  }
  std::int64_t before = -1;
  succeeds([this, &before] { before = ofd.Size(); });
  const auto size = static_cast<std::int64_t>(bytes.size());
  if (succeeds([this, bytes, size] { ofd.Write(bytes.data(), size); })) return bytes.size();

  // A full disk stops a write anywhere, usually inside a line. How far it got
  // is read from the file itself, since a failed call does not say.
  std::int64_t reached = 0;
  if (before >= 0) {
    std::int64_t after = -1;
    succeeds([this, &after] { after = ofd.Size(); });
    if (after >= before) reached = after - before;
  }
  reached = std::clamp<std::int64_t>(reached, 0, size);
  const std::size_t last_end = bytes.substr(0, static_cast<std::size_t>(reached)).rfind('\n');
  const std::size_t complete = last_end == std::string_view::npos ? 0 : last_end + 1;
  if (complete < static_cast<std::size_t>(reached)) {
    // Cut back to the last whole line; the cut line is written again whole.
    const std::int64_t cut = before + static_cast<std::int64_t>(complete);
    if (before < 0 || !succeeds([this, cut] { ofd.Truncate(cut); })) cut_line_left_ = true;
  }
  return complete;
}

}  // namespace lumora
