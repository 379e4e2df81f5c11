#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "foundation/date_time.h"
#include "logging/log_output.h"
#include "logging/log_queue.h"

namespace lumora {

// The writer of one logger: any thread enqueues payloads; the writer thread
// stamps each with the time of writing and appends it to the output in
// bursts (open, write, close), flushing after every FlushLimit + 1 lines.
//
// No line is ever dropped: a line leaves the queue only once it is in the
// file, a full queue makes the caller wait, and Stop drains what is queued.
class TLogThread {
 public:
  explicit TLogThread(TLogOutput& ALogOutput);
  ~TLogThread();
  TLogThread(const TLogThread&) = delete;
  TLogThread& operator=(const TLogThread&) = delete;

  void Start();
  // Any thread. Waits in 10 ms steps while QueueLimit lines are waiting.
  void Enqueue(std::string AMsg);
  // Callers that are still blocked on a full queue append regardless once the
  // logger is ending, so that ending never waits for a writer that cannot
  // write; the writer drains those lines too.
  void ReleaseWaiters() { releasing_.store(true, std::memory_order_relaxed); }
  // Main thread. Tells the writer to end, wakes it and waits until it has
  // written everything queued (or given up, see ShutdownGrace).
  void Stop();

  // Waits until every line enqueued before the call has been written; false
  // on time-out.
  bool WaitUntilWritten(std::chrono::milliseconds timeout);

  int QueueLimit() const { return FQueueLimit.load(std::memory_order_relaxed); }
  void SetQueueLimit(int value) { FQueueLimit.store(value, std::memory_order_relaxed); }
  int FlushLimit() const { return FFlushLimit.load(std::memory_order_relaxed); }
  void SetFlushLimit(int value) { FFlushLimit.store(value, std::memory_order_relaxed); }
  int QueueSize() const { return FQueueSize.load(std::memory_order_relaxed); }
  std::string LastError() const;

  // How long the writer waits before it tries a failed line again.
  void SetRetryPause(std::chrono::milliseconds pause) { retry_pause_.store(pause.count()); }
  // How long Stop keeps retrying a log file that cannot be written before the
  // remaining lines go to standard error instead.
  void SetShutdownGrace(std::chrono::milliseconds grace) { shutdown_grace_.store(grace.count()); }

 private:
  void Execute();
  // One burst: open, write every queued line, close. False when a write
  // failed; the unwritten lines stay at the head of the batch.
  bool WriteBurst();
  // Formats lines from the head of batch_ into block_, up to the block size
  // or the next flush point; returns true when a flush is due after it.
  bool FormatBlock();
  // Drops the first count lines of batch_, which have reached the file.
  void Dequeue(std::size_t count);
  void DeleteOldLogs();
  void AppendStamp(TDateTime now);
  void SpillToStandardError();

  TLogOutput& FLogOutput;
  std::thread thread_;

  // The queue lock guards queue_, terminate_ and enqueued_total_.
  mutable std::mutex FCS;
  std::condition_variable wake_;
  TLogQueue queue_;
  bool terminate_ = false;
  std::uint64_t enqueued_total_ = 0;

  // Writer-only: lines taken from queue_ that are not yet in the file, oldest
  // first. They are older than anything still in queue_, so order holds.
  TLogQueue batch_;
  std::string block_;
  std::vector<std::size_t> line_ends_;
  int FLinesSinceFlush = 0;
  TDateTime last_cleanup_ = 0.0;
  bool cleaned_up_ = false;
  std::int64_t stamp_millis_ = -1;
  char stamp_[24] = {};

  // Lines queued or in the batch: read without the lock by Enqueue's
  // full-queue test.
  std::atomic<int> FQueueSize{0};
  std::atomic<int> FQueueLimit;
  std::atomic<int> FFlushLimit;
  std::atomic<bool> releasing_{false};
  std::atomic<std::uint64_t> written_total_{0};
  std::atomic<std::int64_t> retry_pause_{1000};
  std::atomic<std::int64_t> shutdown_grace_{3000};

  mutable std::mutex error_mutex_;
  std::string FLastError;
};

}  // namespace lumora
