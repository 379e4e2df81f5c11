#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "logging/log_thread.h"
#include "tests/support/fake_clock.h"
#include "tests/support/log_capture.h"
#include "tests/support/wait_for.h"

namespace lumora {
namespace {

using namespace std::chrono_literals;

// An output that keeps its lines in memory. Opening can be held at a gate, so
// a test decides what one burst contains, and writing can be made to fail.
class MemoryOutput final : public TLogOutput {
 public:
  MemoryOutput() : TLogOutput("LumoraTest", false) {}
  ~MemoryOutput() override { ReleaseGate(); }

  void CloseGate() {
    std::lock_guard lock(gate_mutex_);
    gate_open_ = false;
  }
  void ReleaseGate() {
    {
      std::lock_guard lock(gate_mutex_);
      gate_open_ = true;
    }
    gate_.notify_all();
  }
  bool WaitingAtGate() const { return waiting_.load(); }
  void SetFailing(bool failing) { failing_.store(failing); }
  void OnWrite(std::function<void()> hook) { on_write_ = std::move(hook); }

  // (file name, line) pairs in the order written.
  std::vector<std::pair<std::string, std::string>> Written() const {
    std::lock_guard lock(data_mutex_);
    return written_;
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const auto& entry : Written()) lines.push_back(entry.second);
    return lines;
  }
  int Opens() const { return opens_.load(); }

 protected:
  void DoOpenLog() override {
    if (FOpen) return;
    waiting_ = true;
    {
      std::unique_lock lock(gate_mutex_);
      gate_.wait(lock, [this] { return gate_open_; });
    }
    waiting_ = false;
    BuildFileName();
    FOpen = true;
    ++opens_;
  }
  void DoCloseLog() override { FOpen = false; }
  std::size_t DoWrite(std::string_view bytes) override {
    if (failing_.load()) return 0;
    if (on_write_) on_write_();
    std::lock_guard lock(data_mutex_);
    for (const std::string& line : test::SplitLogLines(bytes)) written_.emplace_back(FFilename, line);
    return bytes.size();
  }

 private:
  std::mutex gate_mutex_;
  std::condition_variable gate_;
  bool gate_open_ = true;
  std::atomic<bool> waiting_{false};
  std::atomic<bool> failing_{false};
  std::atomic<int> opens_{0};
  std::function<void()> on_write_;
  mutable std::mutex data_mutex_;
  std::vector<std::pair<std::string, std::string>> written_;
};

class LogWriterTest : public ::testing::Test {
 protected:
  LogWriterTest() { writer_.SetRetryPause(5ms); }

  // Starts a burst whose open waits at the gate: every line enqueued until
  // the gate opens belongs to that same burst.
  void HoldFirstBurst() {
    output_.CloseGate();
    writer_.Start();
    writer_.Enqueue("first");
    ASSERT_TRUE(test::WaitFor([&] { return output_.WaitingAtGate(); }));
  }

  test::FakeClock clock_{test::At(2026, 5, 6, 7, 8, 9, 10)};
  MemoryOutput output_;
  TLogThread writer_{output_};
};

TEST_F(LogWriterTest, FlushesAfterEveryFlushLimitPlusOneLinesOfABurst) {
  struct Row {
    int burst;
    std::uint64_t flushes;
  };
  for (const Row row : {Row{.burst = 100, .flushes = 0}, Row{.burst = 101, .flushes = 1},
                        Row{.burst = 202, .flushes = 2}, Row{.burst = 1, .flushes = 0}}) {
    MemoryOutput output;
    TLogThread writer(output);
    output.CloseGate();
    writer.Start();
    writer.Enqueue("line");
    ASSERT_TRUE(test::WaitFor([&] { return output.WaitingAtGate(); }));
    for (int i = 1; i < row.burst; ++i) writer.Enqueue("line");
    output.ReleaseGate();
    ASSERT_TRUE(writer.WaitUntilWritten(10s));
    EXPECT_EQ(output.FlushCount(), row.flushes) << "burst of " << row.burst;
    EXPECT_EQ(output.Lines().size(), static_cast<std::size_t>(row.burst));
  }
}

TEST_F(LogWriterTest, LinesAreStampedWhenWrittenNotWhenLogged) {
  HoldFirstBurst();
  writer_.Enqueue("second");
  clock_.Set(test::At(2026, 5, 6, 7, 8, 30, 500));
  output_.ReleaseGate();
  ASSERT_TRUE(writer_.WaitUntilWritten(10s));
  EXPECT_THAT(output_.Lines(), ::testing::ElementsAre("2026-05-06 07:08:30.500 | first",
                                                      "2026-05-06 07:08:30.500 | second"));
}

TEST_F(LogWriterTest, AFullQueueMakesCallersWaitAndLosesNothing) {
  writer_.SetQueueLimit(5);
  HoldFirstBurst();
  std::atomic<int> enqueued{0};
  std::thread producer([&] {
    for (int i = 0; i < 20; ++i) {
      writer_.Enqueue("line " + std::to_string(i));
      ++enqueued;
    }
  });
  ASSERT_TRUE(test::WaitFor([&] { return writer_.QueueSize() == 5; }));
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(enqueued.load(), 4) << "the producer must wait while five lines are queued";
  output_.ReleaseGate();
  producer.join();
  ASSERT_TRUE(writer_.WaitUntilWritten(10s));
  const auto lines = output_.Lines();
  ASSERT_EQ(lines.size(), 21u);
  for (int i = 0; i < 20; ++i) EXPECT_TRUE(lines[i + 1].ends_with("| line " + std::to_string(i))) << lines[i + 1];
  EXPECT_EQ(writer_.QueueSize(), 0);
}

TEST_F(LogWriterTest, AFailedWriteKeepsItsLinesForTheNextAttempt) {
  output_.SetFailing(true);
  writer_.Start();
  for (int i = 0; i < 3; ++i) writer_.Enqueue("kept " + std::to_string(i));
  ASSERT_TRUE(test::WaitFor([&] { return output_.Opens() >= 2; })) << "the writer retries after its pause";
  EXPECT_EQ(writer_.QueueSize(), 3);
  EXPECT_FALSE(writer_.WaitUntilWritten(20ms));
  output_.SetFailing(false);
  ASSERT_TRUE(writer_.WaitUntilWritten(10s));
  EXPECT_EQ(output_.Lines().size(), 3u);
  EXPECT_EQ(writer_.QueueSize(), 0);
}

TEST_F(LogWriterTest, StopDrainsEverythingQueued) {
  writer_.Start();
  for (int i = 0; i < 1000; ++i) writer_.Enqueue("line");
  writer_.Stop();
  EXPECT_EQ(output_.Lines().size(), 1000u);
  EXPECT_FALSE(output_.IsOpen());
}

TEST_F(LogWriterTest, StopGivesUpOnAnUnwritableFileWithoutLosingLinesSilently) {
  output_.SetFailing(true);
  writer_.SetShutdownGrace(30ms);
  writer_.Start();
  writer_.Enqueue("last words");
  ::testing::internal::CaptureStderr();
  writer_.Stop();
  const std::string spilled = ::testing::internal::GetCapturedStderr();
  EXPECT_THAT(spilled, ::testing::HasSubstr("| last words"));
}

TEST_F(LogWriterTest, ABurstRunningAtMidnightChangesFileAtItsNextFlush) {
  writer_.SetFlushLimit(1);
  HoldFirstBurst();
  writer_.Enqueue("second");
  writer_.Enqueue("third");
  // The first block is written just after midnight; the flush that follows
  // it re-opens the file under the new day's name.
  output_.OnWrite([this] { clock_.Set(test::At(2026, 5, 7, 0, 0, 0, 5)); });
  clock_.Set(test::At(2026, 5, 6, 23, 59, 59, 999));
  output_.ReleaseGate();
  ASSERT_TRUE(writer_.WaitUntilWritten(10s));
  const auto written = output_.Written();
  ASSERT_EQ(written.size(), 3u);
  EXPECT_TRUE(written[0].first.ends_with("LumoraTest_20260506.log"));
  EXPECT_TRUE(written[1].first.ends_with("LumoraTest_20260506.log"));
  EXPECT_TRUE(written[2].first.ends_with("LumoraTest_20260507.log"));
}

}  // namespace
}  // namespace lumora
