#include <gtest/gtest.h>

#include <QTimer>
#include <deque>

#include "configurator/fLumoraCheckService.h"
#include "configurator/uQzWinServicesUtils.h"
#include "tests/configurator/qt_test_support.h"
#include "tests/support/wait_for.h"

namespace lumora {
namespace {

using platform::ServiceStatus;

// A service manager that replays scripted status readings and records the
// requests it got.
class FakeServiceController final : public platform::ServiceController {
 public:
  void RequestStart(const std::string&, const std::string& service) override {
    requests.push_back("start " + service);
    if (!accept_requests) throw std::system_error(std::make_error_code(std::errc::operation_not_permitted), "refused");
  }
  void RequestStop(const std::string&, const std::string& service) override {
    requests.push_back("stop " + service);
    if (!accept_requests) throw std::system_error(std::make_error_code(std::errc::operation_not_permitted), "refused");
  }
  std::optional<ServiceStatus> QueryStatus(const std::string&, const std::string&) override {
    ++queries;
    if (readings.empty()) return last;
    last = readings.front();
    readings.pop_front();
    return last;
  }
  void Script(std::initializer_list<std::optional<ServiceStatus>> script) {
    readings.assign(script.begin(), script.end());
  }

  std::deque<std::optional<ServiceStatus>> readings;
  std::optional<ServiceStatus> last;
  std::vector<std::string> requests;
  bool accept_requests = true;
  int queries = 0;
};

ServiceStatus Status(int state, std::uint32_t checkpoint = 0, std::uint32_t hint = 0) {
  return {state, checkpoint, hint};
}

class ServiceControlTest : public ::testing::Test {
 protected:
  FakeServiceController manager_;
  std::vector<int> sleeps_;
  int pumps_ = 0;
  TServiceControl control_{manager_, [this](int ms) { sleeps_.push_back(ms); },
                           [this] { ++pumps_; }};
};

TEST_F(ServiceControlTest, StartWithAShortWaitHintAsksOnceMoreWithoutSleeping) {
  manager_.Script({Status(2, 1, 500), Status(2, 2, 500), Status(4, 3, 0)});
  EXPECT_FALSE(control_.StartServiceAndWait("", "svc", kServiceWaitBudgetSeconds));
  EXPECT_EQ(manager_.queries, 2);
  EXPECT_TRUE(sleeps_.empty());
}

TEST_F(ServiceControlTest, StartWaitsTenSecondsPerPassAndPumpsEverySecond) {
  manager_.Script({Status(2, 1, 30000), Status(2, 2, 30000), Status(4, 3, 0)});
  EXPECT_TRUE(control_.StartServiceAndWait("", "svc", kServiceWaitBudgetSeconds));
  EXPECT_EQ(sleeps_, std::vector<int>(20, 1000));
  EXPECT_EQ(pumps_, 20);
}

TEST_F(ServiceControlTest, StartStopsAtTheBudgetOrWhenTheCheckpointGoesBack) {
  manager_.Script({Status(2, 1, 30000), Status(2, 2, 30000), Status(2, 3, 30000)});
  EXPECT_FALSE(control_.StartServiceAndWait("", "svc", 13));
  EXPECT_EQ(sleeps_.size(), 13u);

  sleeps_.clear();
  manager_.Script({Status(2, 5, 2000), Status(2, 4, 2000), Status(4, 6, 0)});
  EXPECT_FALSE(control_.StartServiceAndWait("", "svc", 100));
  EXPECT_EQ(sleeps_.size(), 2u);
}

TEST_F(ServiceControlTest, StartWaitEndsOnceTheWaiterStopsWatching) {
  manager_.Script({Status(2, 1, 30000)});
  EXPECT_FALSE(control_.StartServiceAndWait("", "svc", kServiceWaitBudgetSeconds,
                                            [this] { return pumps_ < 3; }));
  EXPECT_EQ(sleeps_.size(), 3u);
  EXPECT_EQ(manager_.queries, 1);
}

TEST_F(ServiceControlTest, RefusedRequestsAndUnreadableStatesReportFailure) {
  manager_.accept_requests = false;
  EXPECT_FALSE(control_.StartServiceAndWait("", "svc", 10));
  EXPECT_FALSE(control_.StopServiceAndWait("", "svc"));
  EXPECT_EQ(manager_.queries, 0);
  manager_.accept_requests = true;
  manager_.Script({std::nullopt});
  EXPECT_EQ(control_.GetServiceState("", "svc"), -1);
}

TEST_F(ServiceControlTest, StopSleepsTheWaitHintUpToTenSecondsWithoutPumping) {
  manager_.Script({Status(3, 1, 30000), Status(3, 2, 4000), Status(1, 3, 0)});
  EXPECT_TRUE(control_.StopServiceAndWait("", "svc"));
  EXPECT_EQ(sleeps_, (std::vector<int>{10000, 4000}));
  EXPECT_EQ(pumps_, 0);
}

TEST_F(ServiceControlTest, StopWaitEndsAtItsBudgetAndAfterPassesWithoutAHint) {
  manager_.Script({Status(3, 1, 10000)});
  EXPECT_FALSE(control_.StopServiceAndWait("", "svc", 35));
  EXPECT_EQ(sleeps_, (std::vector<int>{10000, 10000, 10000, 10000}));

  sleeps_.clear();
  manager_.Script({Status(4, 1, 0)});
  EXPECT_FALSE(control_.StopServiceAndWait("", "svc"));
  EXPECT_EQ(sleeps_, (std::vector<int>{0}));
}

TEST(SystemdStates, MapOntoTheServiceStates) {
  struct Row {
    const char* show;
    int state;
  } const rows[] = {
      {.show = "LoadState=loaded\nActiveState=inactive\nSubState=dead\nFreezerState=running\n",
       .state = 1},
      {.show = "LoadState=loaded\nActiveState=failed\nSubState=failed\n", .state = 1},
      {.show = "LoadState=loaded\nActiveState=activating\nSubState=start\n", .state = 2},
      {.show = "LoadState=loaded\nActiveState=deactivating\nSubState=stop-sigterm\n", .state = 3},
      {.show = "LoadState=loaded\nActiveState=active\nSubState=running\nFreezerState=running\n",
       .state = 4},
      {.show = "LoadState=loaded\nActiveState=reloading\n", .state = 4},
      {.show = "LoadState=loaded\nActiveState=active\nFreezerState=thawing\n", .state = 5},
      {.show = "LoadState=loaded\nActiveState=active\nFreezerState=freezing\n", .state = 6},
      {.show = "LoadState=loaded\nActiveState=active\nFreezerState=frozen\n", .state = 7},
      {.show = "LoadState=not-found\nActiveState=inactive\n", .state = -1},
      {.show = "LoadState=loaded\nActiveState=maintenance\n", .state = -1},
      {.show = "", .state = -1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(platform::SystemdServiceState(row.show), row.state) << row.show;
  }
}

class ServiceWindowTest : public ServiceControlTest {
 protected:
  void SetUp() override {
    test::App();
    window_.SetPollDelay(1);
  }
  QApplication& app_ = test::App();  // before any widget
  TfrmCheckService window_{control_};
};

TEST_F(ServiceWindowTest, EachStateShowsItsTextAndAction) {
  struct Row {
    int state;
    const char* label;
    bool button_visible;
    const char* caption;
    int action;
  } const rows[] = {
      {1, "Stopped", true, "Start", TfrmCheckService::kStartAction},
      {2, "Start pending", false, nullptr, TfrmCheckService::kNoAction},
      {3, "Stop pending", false, nullptr, TfrmCheckService::kNoAction},
      {4, "Running", true, "Stop", TfrmCheckService::kStopAction},
      {5, "Continue pending", false, nullptr, TfrmCheckService::kNoAction},
      {6, "Pause pending", false, nullptr, TfrmCheckService::kNoAction},
      {7, "Paused", false, nullptr, TfrmCheckService::kNoAction},
  };
  for (const Row& row : rows) {
    manager_.Script({Status(row.state)});
    // The first status query runs once the modal window is up.
    QTimer::singleShot(0, &window_, [this] {
      QCoreApplication::processEvents();
      window_.reject();
    });
    window_.Execute(kConnectorServiceName);
    EXPECT_EQ(window_.lblStatus->text().toStdString(),
              std::string("LumoraRPro9Connector: ") + row.label)
        << "state " << row.state;
    EXPECT_EQ(window_.btnAction->isVisibleTo(&window_), row.button_visible) << "state " << row.state;
    if (row.caption) {
      EXPECT_EQ(window_.btnAction->text().toStdString(), row.caption);
    }
    EXPECT_EQ(window_.PendingAction(), row.action) << "state " << row.state;
  }
}

TEST_F(ServiceWindowTest, PendingStatesArePolledUntilTheyEnd) {
  manager_.Script({Status(2), Status(2), Status(2), Status(4)});
  QTimer::singleShot(0, &window_, [this] {
    test::WaitFor([this] {
      QCoreApplication::processEvents();
      return window_.lblStatus->text().endsWith("Running");
    });
    window_.reject();
  });
  window_.Execute(kConnectorServiceName);
  EXPECT_EQ(window_.lblStatus->text().toStdString(), "LumoraRPro9Connector: Running");
  EXPECT_EQ(manager_.queries, 4);
}

TEST_F(ServiceWindowTest, UnknownKeepsTheButtonVisibleButWithoutAction) {
  manager_.Script({Status(4), std::nullopt});
  QTimer::singleShot(0, &window_, [this] {
    QCoreApplication::processEvents();
    window_.btnRefresh->click();
    window_.reject();
  });
  window_.Execute(kConnectorServiceName);
  EXPECT_EQ(window_.lblStatus->text().toStdString(), "LumoraRPro9Connector: UNKNOWN");
  EXPECT_TRUE(window_.btnAction->isVisibleTo(&window_));
  EXPECT_EQ(window_.PendingAction(), TfrmCheckService::kNoAction);
  window_.btnAction->click();
  EXPECT_TRUE(manager_.requests.empty());
}

TEST_F(ServiceWindowTest, StartAndStopGoThroughTheManagerAndShowTheResult) {
  manager_.Script({Status(1), Status(4, 1, 0), Status(4)});
  QTimer::singleShot(0, &window_, [this] {
    QCoreApplication::processEvents();
    window_.btnAction->click();
    window_.reject();
  });
  window_.Execute(kConnectorServiceName);
  EXPECT_EQ(manager_.requests, std::vector<std::string>{"start LumoraRPro9Connector"});
  EXPECT_EQ(window_.lblStatus->text().toStdString(), "LumoraRPro9Connector: Running");
  EXPECT_EQ(sleeps_.back(), 1000);

  manager_.Script({Status(1, 1, 0), Status(1)});
  window_.btnAction->click();
  EXPECT_EQ(manager_.requests.back(), "stop LumoraRPro9Connector");
  EXPECT_EQ(window_.lblStatus->text().toStdString(), "LumoraRPro9Connector: Stopped");
  EXPECT_EQ(window_.btnAction->text().toStdString(), "Start");
}

}  // namespace
}  // namespace lumora
