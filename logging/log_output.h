#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "foundation/date_time.h"
#include "platform/file.h"

namespace lumora {

// The daily log file's full path: directory, module name, "_", the start time
// as "yyyymmdd" (plus "_hhnnsszzz" with the time part on), ".log".
std::string LogFileName(std::string_view directory, std::string_view module_name,
                        TDateTime start_time, bool include_time);

// The log file of one logger. Opened for each burst of lines and closed after
// it, so no handle is held between bursts. Only the writer thread opens,
// writes and closes; other threads may read the file name and the counters.
class TLogOutput {
 public:
  TLogOutput(std::string_view AModuleName, bool AIncludeTime);
  virtual ~TLogOutput() = default;
  TLogOutput(const TLogOutput&) = delete;
  TLogOutput& operator=(const TLogOutput&) = delete;

  void OpenLog();
  void CloseLog();
  // A flush is a close and a re-open, which also picks up a change of day.
  void FlushLog();
  // A block of complete lines, already ended by CR LF. Returns how many bytes
  // reached the file; fewer than given means the write failed there. A write
  // cut short inside a line leaves the file ending at the last whole line, so
  // the line's retried copy starts a line of its own.
  std::size_t WriteBlock(std::string_view bytes);

  const std::string& ModuleName() const { return FModuleName; }
  bool IncludeTime() const { return FIncludeTime; }
  bool IsOpen() const;
  // Full path of the file most recently opened; empty before the first open.
  std::string Filename() const;
  // How many flushes (close and re-open) have happened so far.
  std::uint64_t FlushCount() const { return flush_count_.load(std::memory_order_relaxed); }

 protected:
  // Computes FFilename from LogDir, rolling FStartTime over on a new day.
  void BuildFileName();
  // Called under the output lock.
  virtual void DoOpenLog() = 0;
  virtual void DoCloseLog() = 0;
  virtual std::size_t DoWrite(std::string_view bytes) = 0;

  const std::string FModuleName;
  const bool FIncludeTime;
  TDateTime FStartTime;
  std::string FFilename;
  bool FOpen = false;

 private:
  mutable std::mutex FCS;
  std::atomic<std::uint64_t> flush_count_{0};
};

// The log file, appended to through the operating system's file calls in the
// ANSI code page (the writer converts each line before it hands it over).
class THandleLogOutput final : public TLogOutput {
 public:
  using TLogOutput::TLogOutput;
  ~THandleLogOutput() override;

 protected:
  void DoOpenLog() override;
  void DoCloseLog() override;
  std::size_t DoWrite(std::string_view bytes) override;

 private:
  platform::File ofd;
  // A cut line could not be removed from the file: the next write first ends
  // it, so that what follows starts on a line of its own.
  bool cut_line_left_ = false;
};

}  // namespace lumora
