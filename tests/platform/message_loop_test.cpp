#include "platform/message_loop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace lumora::platform {
namespace {

// A clock that jumps straight to every deadline it is asked to wait for,
// and on by 100 ms when there is none.
class JumpingClock final : public WaitClock {
 public:
  Millis Elapsed() const override { return now_; }
  void WaitUntil(std::unique_lock<std::mutex>&, std::condition_variable&, Millis deadline) override {
    now_ = deadline == Millis::max() ? now_ + Millis(100) : std::max(now_, deadline);
  }
  void Advance(Millis by) { now_ += by; }

 private:
  Millis now_{1000};
};

class MessageLoopTest : public ::testing::Test {
 protected:
  void RunUntilTime(Millis until) {
    loop_.RunUntil([&] { return clock_.Elapsed() >= until; });
  }
  JumpingClock clock_;
  MessageLoop loop_{clock_};
  std::vector<std::string> events_;
};

TEST_F(MessageLoopTest, TimerFiresEveryIntervalWhileEnabled) {
  auto timer = loop_.CreateTimer([&] { events_.push_back(std::to_string(clock_.Elapsed().count())); });
  timer->SetInterval(500);
  RunUntilTime(Millis(3000));
  EXPECT_TRUE(events_.empty()) << "a timer starts disabled";

  timer->SetEnabled(true);
  RunUntilTime(Millis(4600));
  EXPECT_EQ(events_, (std::vector<std::string>{"3500", "4000", "4500"}));
}

TEST_F(MessageLoopTest, ReEnablingOrSettingTheIntervalRestartsTheCountdown) {
  auto timer = loop_.CreateTimer([&] { events_.push_back(std::to_string(clock_.Elapsed().count())); });
  timer->SetInterval(1000);
  timer->SetEnabled(true);          // due at 2000
  clock_.Advance(Millis(800));      // 1800
  timer->SetEnabled(false);
  timer->SetEnabled(true);          // due at 2800
  clock_.Advance(Millis(500));      // 2300
  timer->SetInterval(200);          // due at 2500
  RunUntilTime(Millis(2600));
  EXPECT_EQ(events_, (std::vector<std::string>{"2500"}));
}

TEST_F(MessageLoopTest, ZeroIntervalNeverFires) {
  auto timer = loop_.CreateTimer([&] { events_.push_back("tick"); });
  timer->SetInterval(0);
  timer->SetEnabled(true);
  loop_.Post([] {});
  RunUntilTime(Millis(5000));
  EXPECT_FALSE(loop_.ProcessMessages());
  EXPECT_TRUE(events_.empty());
}

TEST_F(MessageLoopTest, ProcessMessagesInsideAHandlerNeverReentersThatTimer) {
  std::unique_ptr<Timer> other;
  auto slow = loop_.CreateTimer([&] {
    events_.push_back("slow begin");
    for (int i = 0; i < 5; ++i) {
      clock_.Advance(Millis(1000));
      loop_.ProcessMessages();
    }
    events_.push_back("slow end");
  });
  other = loop_.CreateTimer([&] { events_.push_back("other"); });
  slow->SetInterval(1000);
  other->SetInterval(2000);
  slow->SetEnabled(true);
  other->SetEnabled(true);
  loop_.Post([&] { events_.push_back("posted"); });
  RunUntilTime(Millis(2001));

  // The slow tick lets the posted message and the other timer through, but
  // not itself, although it came due again.
  EXPECT_EQ(events_, (std::vector<std::string>{"posted", "slow begin", "other", "other", "other", "slow end"}));
}

TEST_F(MessageLoopTest, HandlerErrorsGoToTheErrorHandlerAndTheLoopGoesOn) {
  auto timer = loop_.CreateTimer([] { throw std::runtime_error("tick failed"); });
  timer->SetInterval(100);
  timer->SetEnabled(true);
  loop_.SetErrorHandler([&](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      events_.push_back(e.what());
    }
  });
  RunUntilTime(Millis(1250));
  EXPECT_EQ(events_.size(), 2u);
  EXPECT_EQ(events_.front(), "tick failed");
}

TEST_F(MessageLoopTest, HandlerErrorsPropagateWithoutAnErrorHandler) {
  loop_.Post([] { throw std::runtime_error("posted failed"); });
  EXPECT_THROW(loop_.ProcessMessages(), std::runtime_error);
}

// Waits across threads use the real clock.
TEST(MessageLoopWaitTest, WaitEndsEarlyWhenItsStopConditionIsWoken) {
  SteadyWaitClock clock;
  MessageLoop loop(clock);
  std::atomic<bool> stop = false;
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    stop = true;
    loop.Wake();
  });
  const auto started = std::chrono::steady_clock::now();
  EXPECT_FALSE(loop.WaitFor(Millis(60000), [&] { return stop.load(); }));
  stopper.join();
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_TRUE(loop.WaitFor(Millis(5), [] { return false; }));
}

TEST(MessageLoopWaitTest, PostFromAnotherThreadWakesTheLoop) {
  SteadyWaitClock clock;
  MessageLoop loop(clock);
  std::atomic<bool> done = false;
  std::thread poster([&] { loop.Post([&] { done = true; }); });
  loop.RunUntil([&] { return done.load(); });
  poster.join();
  EXPECT_TRUE(done);
}

}  // namespace
}  // namespace lumora::platform
