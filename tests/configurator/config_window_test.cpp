#include "configurator/fLumora9Config.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <stdlib.h>
#include <time.h>

#include "configuration/config_file.h"
#include "configuration/time_values.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "foundation/paths.h"
#include "logging/log_settings.h"
#include "retailpro/demo_database.h"
#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "configurator/retailpro_store_database.h"
#include "tests/configurator/qt_test_support.h"
#include "tests/support/ftp_server.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

TConnectorConfig FreshRecord() {
  TConnectorConfig record;
  for (auto& day : record.ScheduleTimes) day.fill(kUnsetTime);
  return record;
}

double Hm(int hour, int minute) { return (hour * 60 + minute) / 1440.0; }

// A program directory with a configuration file, the configurator's logger
// and a window over a store database.
class ConfigWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::App();
    saved_exe_dir_ = ExeDir();
    SetExeDir(dir_.dir());
    ConnectorConfig = FreshRecord();
    SetAnnounceLogLevelChanges(true);
  }
  void TearDown() override {
    window_.reset();
    SetAnnounceLogLevelChanges(false);
    ConnectorConfig = FreshRecord();
    SetExeDir(saved_exe_dir_);
  }

  void WriteConfig(const TConnectorConfig& record, int loglevel = 1) {
    dir_.Write(std::string(kConfigFileName), ConfigFileBytes(record, loglevel));
  }
  // The file as the service would read it.
  TConnectorConfig ReadBack(int* loglevel = nullptr) {
    TConnectorConfig record = FreshRecord();
    const TConfigParseResult result =
        ParseConfigFile(dir_.Read(std::string(kConfigFileName)), record);
    if (loglevel) *loglevel = result.loglevel;
    return record;
  }
  // Opens the window and lets its store load run.
  TfrmLumoraConfig& Open(TStoreDatabase* database = nullptr) {
    window_ = std::make_unique<TfrmLumoraConfig>(TConfiguratorServices{
        database ? *database : database_, control_, "1.2.4.4", kFtpPort});
    window_->show();
    QCoreApplication::processEvents();
    return *window_;
  }
  TClientIDPanel* Row(int n) {
    return static_cast<TClientIDPanel*>(window_->grdClientIDs->GetPanel(n));
  }

  test::TempDir dir_;
  test::LogCapture log_{1, "LumoraRPro9Configurator"};
  test::TRecordingMessages messages_;
  test::TFakeStoreDatabase database_;
  test::TNoServiceController manager_;
  TServiceControl control_{manager_, [](int) {}, [] {}};
  std::unique_ptr<TfrmLumoraConfig> window_;
  std::string saved_exe_dir_;
};

TEST_F(ConfigWindowTest, OpeningConvertsUnitsAndSavingWritesThemBack) {
  struct Row {
    std::int32_t scaninterval, oracledelay;
    int loglevel;
    int hours_shown, seconds_shown, level_shown;
    std::int32_t scaninterval_saved, oracledelay_saved;
  } const rows[] = {
      {600000, 0, 2, 0, 120, 2, 0, 120000},
      {36000000, 999999000, 12, 9, 999, 9, 32400000, 999000},
      {7200005, 45500, 0, 2, 45, 0, 7200000, 45000},
      {-5, -1000, 5, 0, 120, 5, 0, 120000},
  };
  for (const Row& row : rows) {
    TConnectorConfig record = FreshRecord();
    record.scaninterval = row.scaninterval;
    record.oracledelay = row.oracledelay;
    WriteConfig(record, row.loglevel);
    TfrmLumoraConfig& window = Open();
    EXPECT_EQ(window.spnScanInterval->value(), row.hours_shown) << "scaninterval " << row.scaninterval;
    EXPECT_EQ(window.spnOracleDelay->value(), row.seconds_shown) << "oracledelay " << row.oracledelay;
    EXPECT_EQ(window.spnLoggingLevel->value(), row.level_shown) << "loglevel " << row.loglevel;
    EXPECT_EQ(window.PageControl1->currentWidget(), window.pgSettings);
    window.btnSaveClick();
    const TConnectorConfig saved = ReadBack();
    EXPECT_EQ(saved.scaninterval, row.scaninterval_saved) << "scaninterval " << row.scaninterval;
    EXPECT_EQ(saved.oracledelay, row.oracledelay_saved) << "oracledelay " << row.oracledelay;
  }
}

TEST_F(ConfigWindowTest, SavingWritesEveryControlAndTheLoadedLastQuery) {
  TConnectorConfig record = FreshRecord();
  record.lastquery = 46000.25;
  record.ScheduleTimes[3][5] = Hm(18, 0);
  WriteConfig(record);
  TfrmLumoraConfig& window = Open();
  EXPECT_EQ(window.WeeklyTimeBox(3, 5)->text().toStdString(), "06:00 PM");
  EXPECT_EQ(window.edtSleepBegin->text().toStdString(), "12:00 AM");

  // The service records a later run meanwhile; the window writes back what
  // it loaded.
  record.lastquery = 46001.5;
  WriteConfig(record);

  window.rgSchedulingButtons->button(0)->click();
  window.spnScanInterval->setValue(3);
  window.edtSleepBegin->setText("10:00 PM");
  window.edtSleepEnd->setText("");
  window.WeeklyTimeBox(0, 0)->setText("07:15 AM");
  window.WeeklyTimeBox(1, 1)->setText("9:30 foo");
  window.WeeklyTimeBox(2, 2)->setText("foo");
  window.WeeklyTimeBox(3, 5)->setText("");
  window.spnLoggingLevel->setValue(5);
  window.spnOracleDelay->setValue(30);
  window.cbRestartOnMissingData->setChecked(true);
  window.cbNotifyOnStartup->setChecked(true);
  window.btnSaveClick();
  EXPECT_FALSE(window.isVisible());

  int loglevel = 0;
  const TConnectorConfig saved = ReadBack(&loglevel);
  TConnectorConfig expected = FreshRecord();
  expected.scanscheduling = 0;
  expected.scaninterval = 3 * 3600000;
  expected.oracledelay = 30000;
  expected.sleepbegin = Hm(22, 0);
  expected.sleepend = kUnsetTime;
  expected.ScheduleTimes[0][0] = Hm(7, 15);
  expected.ScheduleTimes[1][1] = Hm(9, 30);
  expected.lastquery = 46000.25;
  expected.restartonmissingdata = true;
  expected.notifyonstartup = true;
  EXPECT_EQ(saved.scanscheduling, expected.scanscheduling);
  EXPECT_EQ(saved.scaninterval, expected.scaninterval);
  EXPECT_EQ(saved.oracledelay, expected.oracledelay);
  EXPECT_EQ(FormatTimeOfDay(saved.sleepbegin), FormatTimeOfDay(expected.sleepbegin));
  // An unset time is left out of the file.
  std::string text = dir_.Read(std::string(kConfigFileName));
  ScrambleConfigBytes(text);
  EXPECT_EQ(text.find("sleepend="), std::string::npos) << text;
  for (int day = 0; day < 7; ++day) {
    for (int slot = 0; slot < 6; ++slot) {
      EXPECT_EQ(FormatTimeOfDay(saved.ScheduleTimes[day][slot]),
                FormatTimeOfDay(expected.ScheduleTimes[day][slot]))
          << "day " << day << " slot " << slot;
    }
  }
  EXPECT_NEAR(saved.lastquery, expected.lastquery, 1e-6);
  EXPECT_TRUE(saved.restartonmissingdata);
  EXPECT_TRUE(saved.notifyonstartup);
  EXPECT_FALSE(saved.runimmediate);
  EXPECT_EQ(loglevel, 5);
  EXPECT_TRUE(log_.Contains("LogLevel set to 5"));
}

TEST_F(ConfigWindowTest, RunImmediatelyStaysRequestedForLaterSaves) {
  WriteConfig(FreshRecord());
  TfrmLumoraConfig& window = Open();
  window.btnRunImmediate->click();
  EXPECT_TRUE(ReadBack().runimmediate);
  EXPECT_TRUE(window.isVisible());

  WriteConfig(FreshRecord());  // the service took the request
  window.btnSaveClick();
  EXPECT_TRUE(ReadBack().runimmediate);
}

TEST_F(ConfigWindowTest, CancelAndEscapeCloseWithoutSaving) {
  WriteConfig(FreshRecord());
  const std::string before = dir_.Read(std::string(kConfigFileName));
  TfrmLumoraConfig& window = Open();
  window.spnScanInterval->setValue(7);
  window.btnCancel->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(dir_.Read(std::string(kConfigFileName)), before);

  TfrmLumoraConfig& again = Open();
  again.activateWindow();
  QTest::keyClick(again.edtFTPServer, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_FALSE(again.isVisible());
}

TEST_F(ConfigWindowTest, TheSchedulingModeShowsItsOwnControls) {
  TConnectorConfig record = FreshRecord();
  record.scanscheduling = 0;
  WriteConfig(record);
  TfrmLumoraConfig& window = Open();
  QWidget* page = window.pgSchedule;
  EXPECT_TRUE(window.spnScanInterval->isVisibleTo(page));
  EXPECT_TRUE(window.edtSleepEnd->isVisibleTo(page));
  EXPECT_FALSE(window.pnlScheduleTimes->isVisibleTo(page));
  window.rgSchedulingButtons->button(1)->click();
  EXPECT_FALSE(window.spnScanInterval->isVisibleTo(page));
  EXPECT_FALSE(window.lblSleepRange1->isVisibleTo(page));
  EXPECT_TRUE(window.pnlScheduleTimes->isVisibleTo(page));
}

TEST_F(ConfigWindowTest, LeavingATimeBoxTidiesOrRejectsIt) {
  TfrmLumoraConfig& window = Open();
  window.PageControl1->setCurrentWidget(window.pgSchedule);
  QLineEdit* box = window.WeeklyTimeBox(2, 0);
  box->setText("9:30pm");
  EXPECT_TRUE(window.ValidateTimeControl(box));
  EXPECT_EQ(box->text().toStdString(), "09:30 PM");

  messages_.events.clear();
  box->setText("0930");
  EXPECT_FALSE(window.ValidateTimeControl(box));
  EXPECT_EQ(box->text().toStdString(), "0930");
  EXPECT_EQ(messages_.events,
            std::vector<std::string>{"message: Invalid date time entered: \"0930\""});
}

TEST_F(ConfigWindowTest, TheFtpTestAsksForEachMissingField) {
  struct Row {
    const char* server;
    const char* user;
    const char* password;
    const char* message;
  } const rows[] = {
      {"", "u", "p", "Please enter a valid URL for the FTP server"},
      {"   ", "u", "p", "Please enter a valid URL for the FTP server"},
      {"host", " ", "p", "Please enter the FTP username that Lumora provided to you"},
      {"host", "u", "  ", "Please enter the FTP password that Lumora provided to you"},
  };
  TfrmLumoraConfig& window = Open();
  EXPECT_EQ(window.edtFTPServer->text().toStdString(), kDefaultFtpHost);
  EXPECT_TRUE(window.edtFTPUsername->text().isEmpty());
  EXPECT_EQ(window.edtFTPPassword->echoMode(), QLineEdit::Password);
  for (const Row& row : rows) {
    messages_.events.clear();
    window.edtFTPServer->setText(row.server);
    window.edtFTPUsername->setText(row.user);
    window.edtFTPPassword->setText(row.password);
    window.btnTestFTP->click();
    EXPECT_EQ(messages_.events, std::vector<std::string>{std::string("message: ") + row.message})
        << row.server << "/" << row.user << "/" << row.password;
  }
}

TEST_F(ConfigWindowTest, TheFtpTestLogsInToARealServer) {
  test::FtpServer server;
  window_ = std::make_unique<TfrmLumoraConfig>(
      TConfiguratorServices{database_, control_, "1.2.4.4", server.port()});
  TfrmLumoraConfig& window = *window_;
  window.edtFTPServer->setText(" 127.0.0.1 ");
  window.edtFTPUsername->setText(QString::fromStdString(server.user()));
  window.edtFTPPassword->setText(QString::fromStdString(server.password()));
  messages_.events.clear();
  window.btnTestFTP->click();
  EXPECT_EQ(messages_.events, std::vector<std::string>{"message: Connection successful"});
  const std::string commands = server.Commands();
  EXPECT_NE(commands.find("USER " + server.user()), std::string::npos) << commands;
  EXPECT_NE(commands.find("PASS"), std::string::npos) << commands;
  EXPECT_NE(commands.find("QUIT"), std::string::npos) << commands;
  EXPECT_EQ(commands.find("RETR"), std::string::npos) << commands;

  messages_.events.clear();
  window.edtFTPPassword->setText("wrong");
  window.btnTestFTP->click();
  ASSERT_EQ(messages_.events.size(), 1u);
  EXPECT_EQ(messages_.events[0].rfind("message: Connection failed: 530", 0), 0u)
      << messages_.events[0];
}

TEST(FtpLoginTest, ARefusedConnectionIsReportedAsFailed) {
  // Port 1 on loopback: nothing listens there on a test machine.
  const std::string result = TestFtpLogin("127.0.0.1", "u", "p", 1, 5);
  EXPECT_EQ(result.rfind("Connection failed: ", 0), 0u) << result;
  const std::string bad_host = TestFtpLogin("bad host/name", "u", "p");
  EXPECT_EQ(bad_host.rfind("Connection failed: ", 0), 0u) << bad_host;
}

TEST_F(ConfigWindowTest, TheGridShowsEachStoreWithItsClientIDAndSavesThemBack) {
  database_.stores = test::StoreTable({
      test::StoreRow(1, "Main", 1, "MS", "Main Street"),
      test::StoreRow(1, "Main", 2, "HB", "Harbour"),
      test::StoreRow(1, "Main", 3, "AP", "Airport"),
      test::StoreRow(2, "North", 1, "NO", "North Mall"),
  });
  TConnectorConfig record = FreshRecord();
  record.clientids = {"1.1=A17", "1.1=DUPLICATE", "1.2=X=Y", "1.3=   ", "2.1= B 2 ", "3.9=GONE"};
  WriteConfig(record, 9);
  TfrmLumoraConfig& window = Open();
  EXPECT_EQ(messages_.events,
            (std::vector<std::string>{"wait: Loading stores, please wait...", "wait hidden"}));
  ASSERT_EQ(window.grdClientIDs->PanelCount(), 4);
  EXPECT_EQ(database_.sessions_held, 0);
  EXPECT_EQ(Row(0)->edtClientID->text().toStdString(), "A17");
  EXPECT_EQ(Row(1)->edtClientID->text().toStdString(), "X=Y");
  EXPECT_EQ(Row(3)->lblStoreName->text().toStdString(), "North Mall");
  EXPECT_EQ(Row(3)->lblSbsName->text().toStdString(), "North");

  window.btnSaveClick();
  EXPECT_EQ(ReadBack().clientids,
            (std::vector<std::string>{"1.1=A17", "1.2=X=Y", "2.1=B 2"}));

  // The load is traced at level 9 under the window's class and handler name.
  int traces = 0;
  for (const std::string& payload : log_.Payloads()) {
    if (payload.rfind(" >> ENTER|TfrmLumoraConfigWMConfigInit ", 0) == 0 ||
        payload.rfind(" << EXIT |TfrmLumoraConfigWMConfigInit ", 0) == 0) {
      ++traces;
    }
  }
  EXPECT_EQ(traces, 2);
}

TEST_F(ConfigWindowTest, ARowShowsTheStartOfItsClientIDAndTheWholeOfItsTexts) {
  const std::string long_name = "Lumora Outfitters Harbour Front Flagship";
  database_.stores = test::StoreTable({test::StoreRow(1, "Main", 1, "HARBOURFRONT", long_name)});
  TConnectorConfig record = FreshRecord();
  record.clientids = {"1.1=LUMDEMO-1-01-HARBOUR"};
  WriteConfig(record);
  Open();
  ASSERT_EQ(window_->grdClientIDs->PanelCount(), 1);
  QLineEdit* edit = Row(0)->edtClientID;
  EXPECT_EQ(edit->cursorPosition(), 0);
  EXPECT_EQ(edit->toolTip().toStdString(), "LUMDEMO-1-01-HARBOUR");
  edit->setText("LUM-7");
  EXPECT_EQ(edit->toolTip().toStdString(), "LUM-7");
  // A name too long for its column is only drawn shortened.
  EXPECT_EQ(Row(0)->lblStoreName->text().toStdString(), long_name);
  EXPECT_EQ(Row(0)->lblStoreName->toolTip().toStdString(), long_name);
  EXPECT_GE(Row(0)->btnPreview->width(),
            Row(0)->btnPreview->fontMetrics().horizontalAdvance("Preview") + 8);
}

TEST_F(ConfigWindowTest, TheSettingsPageMasksThePasswordAndLeavesANeverRunBlank) {
  // East of UTC the zero date is stored as the evening before; it must still
  // read back as "never".
  const char* saved_tz = ::getenv("TZ");
  const std::string old_tz = saved_tz ? saved_tz : "";
  ::setenv("TZ", "Asia/Kolkata", 1);
  ::tzset();
  const auto restore_tz = qScopeGuard([&] {
    if (saved_tz) ::setenv("TZ", old_tz.c_str(), 1); else ::unsetenv("TZ");
    ::tzset();
  });
  WriteConfig(FreshRecord());  // lastquery 0: the service never ran
  TfrmLumoraConfig& window = Open();
  window.edtFTPPassword->setText("s3cr");
  EXPECT_EQ(window.edtFTPPassword->displayText().toStdString(), "****");
  EXPECT_TRUE(window.dtpLastQueryDate->text().trimmed().isEmpty())
      << window.dtpLastQueryDate->text().toStdString();
  EXPECT_TRUE(window.dtpLastQueryTime->text().trimmed().isEmpty())
      << window.dtpLastQueryTime->text().toStdString();
  window.btnSaveClick();
  EXPECT_EQ(ReadBack().lastquery, 0.0);
  TfrmLumoraConfig& reopened = Open();
  EXPECT_TRUE(reopened.dtpLastQueryDate->text().trimmed().isEmpty());

  TConnectorConfig record = FreshRecord();
  record.lastquery = 46000.0;  // a run at midnight shows its time
  WriteConfig(record);
  TfrmLumoraConfig& ran = Open();
  EXPECT_EQ(ran.dtpLastQueryDate->text().toStdString(),
            QDate(1899, 12, 30).addDays(46000).toString("MM/dd/yyyy").toStdString());
  EXPECT_EQ(ran.dtpLastQueryTime->text().toStdString(), "12:00:00 AM");
}

TEST_F(ConfigWindowTest, NoStoresKeepsTheClientIDsOfStoresNotShown) {
  TConnectorConfig record = FreshRecord();
  record.clientids = {"1.1=A17", "2.3=B9"};
  WriteConfig(record);
  TfrmLumoraConfig& window = Open();
  EXPECT_EQ(messages_.events,
            (std::vector<std::string>{
                "wait: Loading stores, please wait...", "wait hidden",
                "message: No stores defined in Retail Pro database -- please configure Retail Pro"}));
  window.btnSaveClick();
  EXPECT_EQ(ReadBack().clientids, (std::vector<std::string>{"1.1=A17", "2.3=B9"}));
}

TEST_F(ConfigWindowTest, ADatabaseErrorReachesTheGeneralErrorMessageAndTheWindowGoesOn) {
  database_.fail_session = true;
  TfrmLumoraConfig& window = Open();
  EXPECT_EQ(messages_.events,
            (std::vector<std::string>{"wait: Loading stores, please wait...", "wait hidden",
                                      "error: ORA-12541: TNS:no listener"}));
  EXPECT_EQ(database_.sessions_held, 0);
  EXPECT_TRUE(window.btnSave->isEnabled());
  EXPECT_FALSE(window.IsLoadingStores());
  EXPECT_TRUE(log_.Contains("ORA-12541"));

  // An unopened store query fails when asked for its records.
  test::TFakeStoreDatabase unopened;
  unopened.stores_unopened = true;
  messages_.events.clear();
  Open(&unopened);
  ASSERT_EQ(messages_.events.size(), 3u);
  EXPECT_EQ(messages_.events[2].rfind("error: ", 0), 0u);
  EXPECT_EQ(unopened.sessions_held, 0);
}

TEST_F(ConfigWindowTest, SaveAndCloseWaitUntilTheStoresAreLoaded) {
  database_.stores = test::StoreTable({test::StoreRow(1, "Main", 1, "MS", "Main Street")});
  bool save_enabled_while_loading = true;
  database_.while_opening = [&] {
    save_enabled_while_loading = window_->btnSave->isEnabled();
    window_->close();
  };
  TfrmLumoraConfig& window = Open();
  EXPECT_FALSE(save_enabled_while_loading);
  EXPECT_EQ(window.grdClientIDs->PanelCount(), 1);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ConfigWindowTest, PreviewOpensForTheRowsStore) {
  database_.stores = test::StoreTable({test::StoreRow(1, "Main", 3, "AP", "Airport"),
                                       {DbValue::DriverText("x"), DbValue::DriverText("y"),
                                        DbValue::Null(), DbValue::Null(), DbValue::Null()}});
  database_.inventory[{1, 3}] = test::TTable{{"ITEM_SID", "AVAILQTY"},
                                             {{DbValue::DriverText("7"), DbValue::Float(4)}}};
  TfrmLumoraConfig& window = Open();
  ASSERT_EQ(window.grdClientIDs->PanelCount(), 2);
  QString caption;
  QTimer::singleShot(0, &window, [&] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible()) {
        caption = dialog->windowTitle();
        dialog->reject();
      }
    }
  });
  Row(0)->btnPreview->click();
  EXPECT_EQ(caption.toStdString(), "Subsidiary 1   Store 3");

  messages_.events.clear();
  Row(1)->btnPreview->click();
  EXPECT_EQ(messages_.events.back(), "message: No inventory found for that store");
}

// The grid filled through the real session from a demo database on the
// embedded engine.
TEST_F(ConfigWindowTest, TheGridFillsFromADemoDatabase) {
  const std::filesystem::path db = dir_.path() / "rpro.db";
  DemoDatabaseOptions options;
  options.items = 50;
  options.sales_orders = 5;
  options.transfer_orders = 5;
  options.today = "2026-03-10";
  CreateDemoDatabase(db.string(), options);
  ::setenv("LUMORA_REGISTRY", (dir_.path() / "registry").c_str(), 1);
  const std::string base = (dir_.path() / "oracle").string();
  dir_.Write("registry/HKEY_LOCAL_MACHINE/SOFTWARE/ORACLE/KEY_OraClient11g_home1/ORACLE_BASE",
             base);
  dir_.Write("oracle/OraClient11g_home1/NETWORK/ADMIN/tnsnames.ora",
             "RPROODS =\n(DESCRIPTION =\n  (ADDRESS = (PROTOCOL = SQLITE)(FILE = " + db.string() +
                 "))\n  (CONNECT_DATA = (SERVICE_NAME = RPROODS))\n)\n");

  TConnectorConfig record = FreshRecord();
  record.clientids = {"1.1=A17", "1.1=SECOND", "1.2=K=V", "1.3=  "};
  WriteConfig(record);
  const std::unique_ptr<TStoreDatabase> database = CreateRetailProStoreDatabase();
  TfrmLumoraConfig& window = Open(database.get());
  ::unsetenv("LUMORA_REGISTRY");

  ASSERT_GE(window.grdClientIDs->PanelCount(), 3) << (messages_.events.empty() ? "" : messages_.events.back());
  EXPECT_EQ(Row(0)->lblSbsNo->text().toStdString(), "1");
  EXPECT_EQ(Row(0)->lblStoreNo->text().toStdString(), "1");
  EXPECT_EQ(Row(0)->edtClientID->text().toStdString(), "A17");
  EXPECT_EQ(Row(1)->edtClientID->text().toStdString(), "K=V");
  EXPECT_EQ(DatabaseSession().reference_count, 0);

  window.btnSaveClick();
  EXPECT_EQ(ReadBack().clientids, (std::vector<std::string>{"1.1=A17", "1.2=K=V"}));
}

}  // namespace
}  // namespace lumora
