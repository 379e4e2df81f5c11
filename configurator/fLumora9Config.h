#pragma once

// The configuration window: the main window of the configurator. It shows
// ConnectorConfig in editable controls and writes it back to the file the
// service reads.

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedLayout>
#include <QTabWidget>
#include <QTimeEdit>
#include <QWidget>
#include <array>
#include <string>

#include "configurator/client_id_panel.h"
#include "configurator/ftp_login_test.h"
#include "configurator/store_database.h"
#include "configurator/uQzControlGrid.h"
#include "configurator/uQzWinServicesUtils.h"

namespace lumora {

// The receiving service's FTP host, the FTP test's starting text.
inline constexpr const char* kDefaultFtpHost = LUMORA_DEFAULT_FTP_HOST;

// What the window works with besides the configuration record.
struct TConfiguratorServices {
  TStoreDatabase& database;
  TServiceControl& service_control;
  // The program's file version, shown by the About window.
  std::string file_version;
  // The FTP test's port; the standard port except in tests.
  int ftp_port = kFtpPort;
};

// The main window.
class TfrmLumoraConfig : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmLumoraConfig(TConfiguratorServices services, QWidget* parent = nullptr);

  // Handlers, public so the program's tests can drive them.
  void btnSaveClick();
  void btnCancelClick();
  void btnRunImmediateClick();
  void btnTestFTPClick();
  void btnCheckServiceClick();
  void Image1Click();
  void rgSchedulingClick();
  // Tidies a time box after the operator left it; false when it was rejected.
  bool ValidateTimeControl(QLineEdit* box);
  void WMConfigInit();
  void btnPreviewClick(QPushButton* Sender);

  // The 44 time boxes: the two sleep boxes first, then Sunday 1 to Saturday 6.
  std::vector<QLineEdit*> TimeBoxes() const;
  QLineEdit* WeeklyTimeBox(int day, int slot) const { return weekly_[day][slot]; }
  bool IsLoadingStores() const { return loading_; }
  bool IsCheckingService() const { return checking_service_; }

  QTabWidget* PageControl1;
  QWidget* pgSchedule;
  QWidget* pgSettings;
  QPushButton* btnCheckService;
  QPushButton* btnSave;
  QPushButton* btnCancel;

  QLabel* Image1;
  TControlGrid* grdClientIDs;
  QGroupBox* rgScheduling;
  QButtonGroup* rgSchedulingButtons;
  QPushButton* btnRunImmediate;
  QLabel* lblScanInterval;
  QSpinBox* spnScanInterval;
  QLabel* lblSleepRange1;
  QLineEdit* edtSleepBegin;
  QLabel* lblSleepRange2;
  QLineEdit* edtSleepEnd;
  QWidget* pnlScheduleTimes;

  QLineEdit* edtFTPServer;
  QLineEdit* edtFTPUsername;
  QLineEdit* edtFTPPassword;
  QPushButton* btnTestFTP;
  QSpinBox* spnLoggingLevel;
  QDateEdit* dtpLastQueryDate;
  QTimeEdit* dtpLastQueryTime;
  QCheckBox* cbLastQueryTime;
  QSpinBox* spnOracleDelay;
  QCheckBox* cbRestartOnMissingData;
  QCheckBox* cbNotifyOnStartup;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildSchedulePage();
  void BuildSettingsPage();
  void FormCreate();
  // WMConfigInit's store query into the grid; what it takes is freed when it
  // returns, after a failure is logged.
  void LoadStores();
  void SaveSettings();
  void SaveClientIDs();
  void OrderTabs();
  void ShowLastQuery();
  static void ShowTimeControl(QLineEdit* box, double value);
  static double ReadTimeControl(const QLineEdit* box);

  TConfiguratorServices services_;
  QWidget* interval_set_;
  QStackedLayout* mode_area_;
  std::array<std::array<QLineEdit*, 6>, 7> weekly_{};
  bool loading_ = false;
  bool stores_loaded_ = false;  // the grid holds every active store
  bool close_pending_ = false;
  bool validating_ = false;
  bool checking_service_ = false;  // a status window is open
};

}  // namespace lumora
