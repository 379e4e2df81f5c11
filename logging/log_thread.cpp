#include "logging/log_thread.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "foundation/clock.h"
#include "foundation/exceptions.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include "logging/log_settings.h"
#include "logging/uQzLogging.h"
#include "platform/ansi_code_page.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

// Lines are gathered into blocks of about this size before each write, so a
// burst costs one system call per block rather than one per line.
constexpr std::size_t kBlockBytes = 64 * 1024;

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string ModifiedDayText(fs::file_time_type modified) {
  const auto system_time = std::chrono::file_clock::to_sys(modified);
  const auto moment = std::chrono::time_point_cast<std::chrono::system_clock::duration>(system_time);
  return FormatDateTime("yyyymmdd", EncodeDateTime(platform::ToLocalCivilTime(moment)));
}

}  // namespace

TLogThread::TLogThread(TLogOutput& ALogOutput)
    : FLogOutput(ALogOutput), FQueueLimit(DefaultQueueLimit), FFlushLimit(DefaultFlushLimit) {
  block_.reserve(kBlockBytes + 4096);
}

TLogThread::~TLogThread() { Stop(); }

void TLogThread::Start() {
  if (!thread_.joinable()) thread_ = std::thread([this] { Execute(); });
}

void TLogThread::Enqueue(std::string AMsg) {
  // The full-queue test reads the size without the lock; being off by a line
  // or two only moves the limit slightly.
  while (FQueueSize.load(std::memory_order_relaxed) >= FQueueLimit.load(std::memory_order_relaxed) &&
         !releasing_.load(std::memory_order_relaxed)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  auto entry = std::make_unique<TLogQueueEntry>(std::move(AMsg));
  bool was_empty = false;
  {
    std::lock_guard lock(FCS);
    was_empty = queue_.empty();
    queue_.PushBack(std::move(entry));
    FQueueSize.fetch_add(1, std::memory_order_relaxed);
    ++enqueued_total_;
  }
  // The writer waits only after it found the shared queue empty under the
  // lock, so waking it on the first line after that is enough.
  if (was_empty) wake_.notify_one();
}

void TLogThread::Stop() {
  {
    std::lock_guard lock(FCS);
    terminate_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

bool TLogThread::WaitUntilWritten(std::chrono::milliseconds timeout) {
  std::uint64_t target = 0;
  {
    std::lock_guard lock(FCS);
    target = enqueued_total_;
  }
  const auto until = SteadyClock::now() + timeout;
  while (written_total_.load(std::memory_order_acquire) < target) {
    if (SteadyClock::now() >= until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

std::string TLogThread::LastError() const {
  std::lock_guard lock(error_mutex_);
  return FLastError;
}

void TLogThread::Execute() {
  // A line that failed to be written stays first in line. It is tried again
  // after the retry pause, not on every wake-up, so a log directory that
  // cannot be written costs one attempt per pause instead of a busy loop.
  bool failing = false;
  SteadyClock::time_point retry_at;
  SteadyClock::time_point give_up_at = SteadyClock::time_point::max();
  for (;;) {
    {
      std::unique_lock lock(FCS);
      for (;;) {
        const auto now = SteadyClock::now();
        if (terminate_ && give_up_at == SteadyClock::time_point::max()) {
          give_up_at = now + std::chrono::milliseconds(shutdown_grace_.load());
        }
        if (queue_.empty() && batch_.empty()) {
          if (terminate_) return;
          wake_.wait(lock);
          continue;
        }
        if (!failing || now >= retry_at) break;
        if (terminate_ && now >= give_up_at) {
          batch_.Splice(queue_);
          lock.unlock();
          SpillToStandardError();
          return;
        }
        wake_.wait_until(lock, terminate_ ? std::min(retry_at, give_up_at) : retry_at);
      }
      batch_.Splice(queue_);
    }

    bool written = false;
    try {
      written = WriteBurst();
    } catch (...) {
      // A burst never raises to anyone; what it did not write stays queued.
    }
    failing = !written;
    if (failing) retry_at = SteadyClock::now() + std::chrono::milliseconds(retry_pause_.load());

    try {
      const TDateTime now = Now();
      if (!cleaned_up_ || now - last_cleanup_ > 1.0 / 1440.0) {
        DeleteOldLogs();
        last_cleanup_ = now;
        cleaned_up_ = true;
      }
    } catch (const std::exception& error) {
      std::lock_guard lock(error_mutex_);
      FLastError = ExceptionClassName(error) + ": " + error.what();
    }
  }
}

bool TLogThread::WriteBurst() {
  FLogOutput.OpenLog();
  FLinesSinceFlush = 0;
  bool ok = true;
  try {
    while (ok) {
      if (batch_.empty()) {
        std::lock_guard lock(FCS);
        batch_.Splice(queue_);
        if (batch_.empty()) break;
      }
      const bool flush_due = FormatBlock();
      const std::size_t written = FLogOutput.WriteBlock(block_);
      // Lines that reached the file completely leave the queue; a line cut
      // off by a failed write is written whole on the next attempt.
      const auto complete = std::upper_bound(line_ends_.begin(), line_ends_.end(), written);
      Dequeue(static_cast<std::size_t>(complete - line_ends_.begin()));
      if (written < block_.size()) {
        ok = false;
      } else if (flush_due) {
        FLogOutput.FlushLog();
        FLinesSinceFlush = 0;
      }
    }
  } catch (...) {
    FLogOutput.CloseLog();
    FLinesSinceFlush = 0;
    throw;
  }
  FLogOutput.CloseLog();
  FLinesSinceFlush = 0;
  return ok;
}

bool TLogThread::FormatBlock() {
  block_.clear();
  line_ends_.clear();
  const int flush_limit = FFlushLimit.load(std::memory_order_relaxed);
  for (const TLogQueueEntry* entry = batch_.Head(); entry != nullptr && block_.size() < kBlockBytes;
       entry = entry->Next.get()) {
    // Each line carries the moment it is written, not the moment it was
    // logged: under load the stamp lags the call.
    AppendStamp(Now());
    block_ += " | ";
    if (IsAscii(entry->Msg)) {
      block_ += entry->Msg;
    } else {
      block_ += platform::ToAnsi(entry->Msg);
    }
    block_ += "\r\n";
    line_ends_.push_back(block_.size());
    if (++FLinesSinceFlush > flush_limit) return true;
  }
  return false;
}

void TLogThread::AppendStamp(TDateTime now) {
  // Formatting the date is the dearest part of a line; consecutive lines
  // mostly share the second, or the millisecond, so only the tail changes.
  const auto millis = static_cast<std::int64_t>(std::llround(now * kMSecsPerDay));
  if (millis != stamp_millis_) {
    if (stamp_millis_ >= 0 && millis >= 0 && millis / 1000 == stamp_millis_ / 1000) {
      const auto ms = static_cast<int>(millis % 1000);
      stamp_[20] = static_cast<char>('0' + ms / 100);
      stamp_[21] = static_cast<char>('0' + ms / 10 % 10);
      stamp_[22] = static_cast<char>('0' + ms % 10);
    } else {
      const std::string text = FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", now);
      std::snprintf(stamp_, sizeof stamp_, "%.23s", text.c_str());
    }
    stamp_millis_ = millis;
  }
  block_.append(stamp_, 23);
}

void TLogThread::Dequeue(std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) batch_.PopFront();
  FQueueSize.fetch_sub(static_cast<int>(count), std::memory_order_relaxed);
  written_total_.fetch_add(count, std::memory_order_release);
}

void TLogThread::DeleteOldLogs() {
  // Runs on the writer thread without the queue lock: the queue is not
  // touched, and loggers need not wait for a directory scan.
  const std::string directory = LogDir();
  const std::string prefix = FLogOutput.ModuleName() + "_";
  std::vector<std::string> entries;
  for (const fs::directory_entry& item : fs::directory_iterator(directory)) {
    const std::string name = item.path().filename().string();
    if (name.size() < prefix.size() + 4 || !name.starts_with(prefix) || !name.ends_with(".log") ||
        name.starts_with('.')) {
      continue;
    }
    std::error_code ec;
    if (!item.is_regular_file(ec)) continue;
    const auto modified = item.last_write_time(ec);
    if (ec) continue;
    entries.push_back(ModifiedDayText(modified) + "=" + name);
  }
  if (entries.size() <= static_cast<std::size_t>(LogRetentionCount + 2)) return;
  // "yyyymmdd=name" sorts oldest day first, ties by name without regard to
  // case; two names that differ only in case (possible on this file system)
  // are put in byte order.
  std::sort(entries.begin(), entries.end(), CompareTextLess);
  const std::size_t doomed = entries.size() - LogRetentionCount + 1;
  for (std::size_t i = 0; i < doomed; ++i) {
    std::error_code ec;  // a file that cannot be deleted stays
    fs::remove(PathJoin(directory, entries[i].substr(entries[i].find('=') + 1)), ec);
  }
}

void TLogThread::SpillToStandardError() {
  // The log file stayed unwritable through the whole shutdown grace. Rather
  // than lose the lines silently, they go where the service manager's
  // journal picks them up.
  for (const TLogQueueEntry* entry = batch_.Head(); entry != nullptr; entry = entry->Next.get()) {
    std::fprintf(stderr, "%s | %s\n", FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", Now()).c_str(),
                 entry->Msg.c_str());
  }
  Dequeue(batch_.size());
}

}  // namespace lumora
