// The configurator's windows on an X display with a window manager: what
// the offscreen platform cannot show (captions as the window manager gets
// them, its buttons, real focus and tabbing).

#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>
#include <QTimer>
#include <deque>

#include "configuration/config_file.h"
#include "configuration/time_values.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "configurator/fLumora9Config.h"
#include "configurator/fLumora9Preview.h"
#include "configurator/fLumoraCheckService.h"
#include "foundation/paths.h"
#include "tests/configurator/qt_test_support.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait_for.h"

namespace lumora {
namespace {

// A property of an X window as xprop prints it ("NAME(TYPE) = value").
std::string XProperty(const QWidget& window, const char* name) {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"),
              {QStringLiteral("-id"), QString::number(window.winId()), QString::fromUtf8(name)});
  xprop.waitForFinished(10000);
  return xprop.readAllStandardOutput().trimmed().toStdString();
}

// The caption the window manager shows: _NET_WM_NAME between its quotes.
std::string Caption(const QWidget& window) {
  const std::string line = XProperty(window, "_NET_WM_NAME");
  const auto first = line.find('"');
  const auto last = line.rfind('"');
  if (first == std::string::npos || last <= first) return "(no caption: " + line + ")";
  return line.substr(first + 1, last - first - 1);
}

// What the window manager lets the operator do with the window; empty until
// it has taken the window on.
std::string AllowedActions(const QWidget& window) {
  std::string actions;
  for (int i = 0; i < 200 && actions.find("_NET_WM_ACTION_CLOSE") == std::string::npos; ++i) {
    QTest::qWait(10);
    actions = XProperty(window, "_NET_WM_ALLOWED_ACTIONS");
  }
  return actions;
}

// Whether the window asks the window manager for a maximize function or
// button (_MOTIF_WM_HINTS: flags, functions, decorations, ...).
bool AsksForMaximize(const QWidget& window) {
  const std::string line = XProperty(window, "_MOTIF_WM_HINTS");
  const auto equals = line.find('=');
  if (equals == std::string::npos) return true;  // no hints: the manager's defaults
  const QStringList fields =
      QString::fromStdString(line.substr(equals + 1)).split(',', Qt::SkipEmptyParts);
  if (fields.size() < 3) return true;
  const uint functions = fields[1].trimmed().toUInt(nullptr, 16);
  const uint decorations = fields[2].trimmed().toUInt(nullptr, 16);
  return (functions & 0x10) != 0 || (decorations & 0x40) != 0;
}

void Show(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

std::string FocusName() {
  const QWidget* focus = QApplication::focusWidget();
  return focus ? focus->objectName().toStdString() : "(none)";
}

// A service that stays stopped until asked to start and is then forever
// starting; records how often it was asked.
class StartingService final : public platform::ServiceController {
 public:
  void RequestStart(const std::string&, const std::string&) override { starting = true; }
  void RequestStop(const std::string&, const std::string&) override {
    throw std::system_error(std::make_error_code(std::errc::operation_not_permitted), "refused");
  }
  std::optional<platform::ServiceStatus> QueryStatus(const std::string&,
                                                     const std::string&) override {
    ++queries;
    if (!starting) return platform::ServiceStatus{platform::kServiceStopped, 0, 0};
    return platform::ServiceStatus{platform::kServiceStartPending, ++checkpoint, 1000};
  }
  bool starting = false;
  int queries = 0;
  std::uint32_t checkpoint = 0;
};

class X11WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_exe_dir_ = ExeDir();
    SetExeDir(dir_.dir());
    ConnectorConfig = TConnectorConfig{};
    for (auto& day : ConnectorConfig.ScheduleTimes) day.fill(kUnsetTime);
    TConnectorConfig record = ConnectorConfig;
    record.clientids = {"1.1=LUMDEMO-1-01", "1.2=LUMDEMO-1-02"};
    dir_.Write(std::string(kConfigFileName), ConfigFileBytes(record, 4));
    database_.stores = test::StoreTable({
        test::StoreRow(1, "Lumora Outfitters", 1, "MAIN", "Main Street"),
        test::StoreRow(1, "Lumora Outfitters", 2, "HARB", "Harbour Front"),
        test::StoreRow(2, "Lumora North", 1, "NMAL", "North Mall"),
    });
  }
  void TearDown() override {
    window_.reset();
    SetExeDir(saved_exe_dir_);
  }

  TfrmLumoraConfig& Open() {
    window_ = std::make_unique<TfrmLumoraConfig>(
        TConfiguratorServices{database_, control_, "1.2.4.4", kFtpPort});
    Show(*window_);
    QCoreApplication::processEvents();
    return *window_;
  }
  TClientIDPanel* Row(int n) {
    return static_cast<TClientIDPanel*>(window_->grdClientIDs->GetPanel(n));
  }
  int Loglevel() {
    TConnectorConfig record;
    return ParseConfigFile(dir_.Read(std::string(kConfigFileName)), record).loglevel;
  }

  test::TempDir dir_;
  test::LogCapture log_{1, "LumoraRPro9Configurator"};
  test::TRecordingMessages messages_;
  test::TFakeStoreDatabase database_;
  StartingService manager_;
  std::function<void()> on_pump_;
  TServiceControl control_{manager_, [](int) {}, [this] {
                             QCoreApplication::processEvents();
                             if (on_pump_) on_pump_();
                           }};
  std::unique_ptr<TfrmLumoraConfig> window_;
  std::string saved_exe_dir_;
};

TEST_F(X11WindowTest, CaptionsAreTheWindowsOwnAndFixedWindowsCannotBeMaximized) {
  TfrmLumoraConfig& window = Open();
  EXPECT_EQ(Caption(window), "Lumora Connector Configuration");
  const std::string main_actions = AllowedActions(window);
  EXPECT_NE(main_actions.find("_NET_WM_ACTION_CLOSE"), std::string::npos) << main_actions;
  EXPECT_EQ(main_actions.find("MAXIMIZE"), std::string::npos) << main_actions;
  EXPECT_FALSE(AsksForMaximize(window)) << XProperty(window, "_MOTIF_WM_HINTS");

  std::string status_caption, status_actions;
  QTimer::singleShot(0, &window, [&] {
    auto* status = window.findChild<TfrmCheckService*>();
    ASSERT_NE(status, nullptr);
    status_caption = Caption(*status);
    status_actions = AllowedActions(*status);
    EXPECT_FALSE(AsksForMaximize(*status)) << XProperty(*status, "_MOTIF_WM_HINTS");
    status->reject();
  });
  window.btnCheckService->click();
  EXPECT_EQ(status_caption, "frmCheckService");
  EXPECT_EQ(status_actions.find("MAXIMIZE"), std::string::npos) << status_actions;

  database_.inventory[{1, 2}] = test::TTable{
      {"ITEM_SID", "UPC", "LOCAL_UPC", "OHQTY", "COMMITTEDQTY", "AVAILQTY"},
      {{DbValue::DriverText("1001"), DbValue::DriverText("012345678905"), DbValue::Null(),
        DbValue::Float(12), DbValue::Float(2), DbValue::Float(10)}}};
  std::string preview_caption;
  QRect grid_before, grid_after;
  QTimer::singleShot(0, &window, [&] {
    auto* preview = window.findChild<TfrmPreview*>();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
    preview_caption = Caption(*preview);
    // The grid follows the window when the operator resizes it.
    grid_before = preview->DBGrid1->geometry();
    preview->resize(preview->width() + 150, preview->height() + 60);
    QTest::qWait(50);
    grid_after = preview->DBGrid1->geometry();
    preview->reject();
  });
  Row(1)->btnPreview->click();
  EXPECT_EQ(preview_caption, "Subsidiary 1   Store 2");
  EXPECT_EQ(grid_after.topLeft(), grid_before.topLeft());
  EXPECT_EQ(grid_after.size(), grid_before.size() + QSize(150, 60));
}

TEST_F(X11WindowTest, AnEmptiedSpinBoxSavesZero) {
  TfrmLumoraConfig& window = Open();
  ASSERT_EQ(window.spnLoggingLevel->value(), 4);
  window.spnLoggingLevel->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(window.spnLoggingLevel, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(window.spnLoggingLevel, Qt::Key_Backspace);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the focus leaves the box
  EXPECT_NE(QApplication::focusWidget(), window.spnLoggingLevel);
  EXPECT_EQ(window.spnLoggingLevel->value(), 0);

  // Emptied and saved while the focus is still in it.
  window.spnOracleDelay->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(window.spnOracleDelay, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(window.spnOracleDelay, Qt::Key_Backspace);
  window.btnSave->click();
  EXPECT_EQ(Loglevel(), 0);
  TConnectorConfig saved;
  ParseConfigFile(dir_.Read(std::string(kConfigFileName)), saved);
  EXPECT_EQ(saved.oracledelay, 0);
}

TEST_F(X11WindowTest, SwitchingTheSchedulingModeMovesNothing) {
  TfrmLumoraConfig& window = Open();
  window.PageControl1->setCurrentWidget(window.pgSchedule);
  QCoreApplication::processEvents();
  const QWidget* watched[] = {window.grdClientIDs, window.rgScheduling, window.btnRunImmediate};
  std::vector<QRect> in_times;
  for (const QWidget* widget : watched) in_times.push_back(widget->geometry());
  const QRect weekly_area = window.pnlScheduleTimes->geometry();

  window.rgSchedulingButtons->button(0)->click();
  QCoreApplication::processEvents();
  ASSERT_TRUE(window.spnScanInterval->isVisible());
  for (std::size_t i = 0; i < std::size(watched); ++i) {
    EXPECT_EQ(watched[i]->geometry(), in_times[i]) << watched[i]->objectName().toStdString();
  }
  EXPECT_EQ(window.spnScanInterval->parentWidget()->geometry(), weekly_area);

  window.rgSchedulingButtons->button(1)->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.grdClientIDs->geometry(), in_times[0]);
}

TEST_F(X11WindowTest, TabGoesFromTheStoreRowsToTheScheduleThenTheButtons) {
  TfrmLumoraConfig& window = Open();
  window.PageControl1->setCurrentWidget(window.pgSchedule);
  QCoreApplication::processEvents();
  ASSERT_EQ(window.grdClientIDs->PanelCount(), 3);
  Row(0)->edtClientID->setFocus(Qt::TabFocusReason);

  std::vector<std::string> expected;
  for (int row = 0; row < 3; ++row) {
    expected.push_back("edtClientID" + std::to_string(row));
    expected.push_back("btnPreview" + std::to_string(row));
  }
  expected.insert(expected.end(), {"rbTimes", "btnRunImmediate"});
  for (const char* day : {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                          "Saturday"}) {
    for (int slot = 1; slot <= 6; ++slot) {
      expected.push_back("edt" + std::string(day) + "Time" + std::to_string(slot));
    }
  }
  expected.insert(expected.end(), {"btnCheckService", "btnSave", "btnCancel"});

  std::vector<std::string> visited;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    std::string name = FocusName();
    for (int row = 0; row < 3; ++row) {
      if (QApplication::focusWidget() == Row(row)->edtClientID ||
          QApplication::focusWidget() == Row(row)->btnPreview) {
        name += std::to_string(row);
      }
    }
    visited.push_back(name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(X11WindowTest, ClosingTheStatusWindowEndsItsStartWait) {
  TfrmLumoraConfig& window = Open();
  int pumps = 0;
  int status_windows_seen = 0;
  on_pump_ = [&] {
    ++pumps;
    if (pumps == 2) {
      // A second "Check Service" while the first window waits opens nothing.
      window.btnCheckServiceClick();
      status_windows_seen = static_cast<int>(window.findChildren<TfrmCheckService*>().size());
    }
    if (pumps == 3) {
      auto* status = window.findChild<TfrmCheckService*>();
      QTest::keyClick(status, Qt::Key_Escape);
    }
  };
  QTimer::singleShot(0, &window, [&] {
    auto* status = window.findChild<TfrmCheckService*>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(status));
    ASSERT_TRUE(test::WaitFor([&] {
      QCoreApplication::processEvents();
      return status->lblStatus->text().endsWith("Stopped");
    }));
    status->btnAction->click();  // Start: the service then stays starting
  });
  window.btnCheckService->click();
  const int queries_after_close = manager_.queries;

  EXPECT_EQ(pumps, 3);
  EXPECT_EQ(status_windows_seen, 1);
  EXPECT_TRUE(window.findChildren<TfrmCheckService*>().empty());
  EXPECT_FALSE(window.IsCheckingService());
  QTest::qWait(100);
  EXPECT_EQ(manager_.queries, queries_after_close);
}

}  // namespace
}  // namespace lumora
