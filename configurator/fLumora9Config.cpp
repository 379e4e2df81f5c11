#include "configurator/fLumora9Config.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

#include "configuration/client_id_entry.h"
#include "configuration/time_values.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "configurator/config_units.h"
#include "configurator/fLumora9About.h"
#include "configurator/fLumora9Preview.h"
#include "configurator/fLumoraCheckService.h"
#include "configurator/operator_messages.h"
#include "configurator/product_mark.h"
#include "configurator/time_box_rule.h"
#include "foundation/text.h"
#include "logging/uQzLogging.h"

namespace lumora {
namespace {

constexpr std::string_view kConfigInitArea = "TfrmLumoraConfigWMConfigInit";
const char* const kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

// A spin box that an operator may empty: empty text stands for 0. A plain
// QSpinBox puts its last value back when the focus leaves an emptied box, so
// the emptied box would save what it showed before.
class TSpinEdit final : public QSpinBox {
 public:
  using QSpinBox::QSpinBox;

 protected:
  QValidator::State validate(QString& input, int& pos) const override {
    if (input.trimmed().isEmpty()) return QValidator::Acceptable;
    return QSpinBox::validate(input, pos);
  }
  int valueFromText(const QString& text) const override {
    return text.trimmed().isEmpty() ? 0 : QSpinBox::valueFromText(text);
  }
};

QSpinBox* SpinBox(const char* name, int maximum, QWidget* parent) {
  auto* box = new TSpinEdit(parent);
  box->setObjectName(name);
  box->setRange(0, maximum);
  box->setFixedWidth(64);
  return box;
}

// What the operator typed, without the white space around it (Qt's white
// space, which takes in the Unicode spaces too).
QString Trimmed(const QLineEdit* edit) { return edit->text().trimmed(); }

// A store number as the preview wants it; -999 when it is not a number.
int StoreNumber(std::string_view text) { return DecimalInteger(text).value_or(-999); }

}  // namespace

TfrmLumoraConfig::TfrmLumoraConfig(TConfiguratorServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
  setObjectName("frmLumoraConfig");
  setWindowTitle(QStringLiteral("Lumora Connector Configuration"));
  QFont window_font(QStringLiteral("Tahoma"));
  window_font.setPointSize(8);
  setFont(window_font);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  pgSchedule = new QWidget;
  pgSchedule->setObjectName("pgSchedule");
  pgSettings = new QWidget;
  pgSettings->setObjectName("pgSettings");
  PageControl1->addTab(pgSchedule, QStringLiteral("Schedule"));
  PageControl1->addTab(pgSettings, QStringLiteral("Settings"));
  BuildSchedulePage();
  BuildSettingsPage();

  btnCheckService = new QPushButton(QStringLiteral("Check Service"), this);
  btnCheckService->setObjectName("btnCheckService");
  btnSave = new QPushButton(QStringLiteral("Save and Close"), this);
  btnSave->setObjectName("btnSave");
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setObjectName("btnCancel");
  for (QPushButton* button : {btnCheckService, btnSave, btnCancel}) button->setMinimumWidth(110);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnCheckService);
  buttons->addStretch();
  buttons->addWidget(btnSave);
  buttons->addStretch();
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(PageControl1, 1);
  layout->addLayout(buttons);

  connect(btnCheckService, &QPushButton::clicked, this, [this] { btnCheckServiceClick(); });
  connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
  connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
  connect(btnRunImmediate, &QPushButton::clicked, this, [this] { btnRunImmediateClick(); });
  connect(btnTestFTP, &QPushButton::clicked, this, [this] { btnTestFTPClick(); });
  connect(rgSchedulingButtons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) rgSchedulingClick();
  });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { btnCancelClick(); });

  // A fixed border: the window keeps the size its pages were laid out for,
  // so the title bar offers no maximize button either.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(676, 814);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  PageControl1->setCurrentWidget(pgSettings);
  OrderTabs();
  FormCreate();
}

void TfrmLumoraConfig::BuildSchedulePage() {
  auto* page = new QVBoxLayout(pgSchedule);
  page->addWidget(Heading(
      QStringLiteral("For each store to be scanned, enter the client ID provided to you by Lumora"),
      pgSchedule));

  Image1 = new QLabel(pgSchedule);
  Image1->setObjectName("Image1");
  Image1->setFixedSize(69, 73);
  Image1->setPixmap(DrawProductMark(QSize(69, 69)));
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->installEventFilter(this);

  grdClientIDs = new TControlGrid(pgSchedule);
  grdClientIDs->setObjectName("grdClientIDs");
  grdClientIDs->setMinimumSize(555, 341);
  // The grid is no stop of its own when tabbing: its rows' controls are, and
  // the grid scrolls each into view as it gets the focus.
  grdClientIDs->setFocusPolicy(Qt::NoFocus);

  // The column headings sit at the row columns' left edges, shifted by the
  // grid's frame so they line up with the labels inside the rows.
  auto* headings = new QWidget(pgSchedule);
  headings->setFixedHeight(34);
  namespace col = client_id_columns;
  const int shift = grdClientIDs->frameWidth();
  auto place = [headings, shift](const char* text, int left, int top, bool bold) {
    QLabel* label = bold ? Heading(QString::fromUtf8(text), headings)
                         : new QLabel(QString::fromUtf8(text), headings);
    label->move(left + shift, top);
  };
  place("Subsidiary", col::kSbsNo, 0, true);
  place("Store", col::kStoreNo, 0, true);
  place("Client ID", col::kClientID, 0, true);
  place("Num", col::kSbsNo, 17, false);
  place("Name", col::kSbsName, 17, false);
  place("Num", col::kStoreNo, 17, false);
  place("Code", col::kStoreCode, 17, false);
  place("Name", col::kStoreName, 17, false);

  auto* grid_column = new QVBoxLayout;
  grid_column->setSpacing(2);
  grid_column->addWidget(headings);
  grid_column->addWidget(grdClientIDs, 1);
  auto* grid_row = new QHBoxLayout;
  grid_row->addWidget(Image1, 0, Qt::AlignTop);
  grid_row->addLayout(grid_column, 1);
  page->addLayout(grid_row, 1);

  page->addWidget(
      Heading(QStringLiteral("Then set the schedule for scanning your inventory"), pgSchedule));

  rgScheduling = new QGroupBox(QStringLiteral("Scheduling"), pgSchedule);
  rgScheduling->setObjectName("rgScheduling");
  rgScheduling->setToolTip(
      QStringLiteral("You can either schedule the inventory scan to run every X number of hours "
                     "or at set times"));
  rgSchedulingButtons = new QButtonGroup(rgScheduling);
  auto* intervals = new QRadioButton(QStringLiteral("Intervals"), rgScheduling);
  intervals->setObjectName("rbIntervals");
  auto* times = new QRadioButton(QStringLiteral("Times"), rgScheduling);
  times->setObjectName("rbTimes");
  rgSchedulingButtons->addButton(intervals, 0);
  rgSchedulingButtons->addButton(times, 1);
  times->setChecked(true);
  auto* radio_columns = new QHBoxLayout(rgScheduling);
  radio_columns->addWidget(intervals);
  radio_columns->addWidget(times);
  rgScheduling->setFixedWidth(260);

  btnRunImmediate = new QPushButton(QStringLiteral("Run Immediately"), pgSchedule);
  btnRunImmediate->setObjectName("btnRunImmediate");
  auto* mode_row = new QHBoxLayout;
  mode_row->addWidget(rgScheduling);
  mode_row->addSpacing(16);
  mode_row->addWidget(btnRunImmediate, 0, Qt::AlignVCenter);
  mode_row->addStretch();
  page->addLayout(mode_row);

  // The interval set and the weekly panel share the area under the radio
  // group; only the chosen mode's set is visible. The area keeps the size of
  // the larger set, so switching modes moves nothing else on the page.
  interval_set_ = new QWidget(pgSchedule);
  auto* interval_grid = new QGridLayout(interval_set_);
  interval_grid->setContentsMargins(0, 4, 0, 4);
  lblScanInterval = new QLabel(QStringLiteral("Interval, in hours:"), interval_set_);
  spnScanInterval = SpinBox("spnScanInterval", config_units::kMaxIntervalHours, interval_set_);
  const QString sleep_hint = QStringLiteral(
      "Enter the time period during which the connector should not run, such as during "
      "scheduled backups.  Enter the time as HH:MM am/pm");
  lblSleepRange1 = new QLabel(QStringLiteral("Sleep between:"), interval_set_);
  edtSleepBegin = new QLineEdit(interval_set_);
  edtSleepBegin->setObjectName("edtSleepBegin");
  lblSleepRange2 = new QLabel(QStringLiteral("and"), interval_set_);
  edtSleepEnd = new QLineEdit(interval_set_);
  edtSleepEnd->setObjectName("edtSleepEnd");
  for (QLineEdit* box : {edtSleepBegin, edtSleepEnd}) {
    box->setToolTip(sleep_hint);
    box->setFixedWidth(80);
  }
  interval_grid->addWidget(lblScanInterval, 0, 0);
  interval_grid->addWidget(spnScanInterval, 0, 1);
  interval_grid->addWidget(lblSleepRange1, 1, 0);
  interval_grid->addWidget(edtSleepBegin, 1, 1);
  interval_grid->addWidget(lblSleepRange2, 1, 2);
  interval_grid->addWidget(edtSleepEnd, 1, 3);
  interval_grid->setColumnStretch(4, 1);
  interval_grid->setRowStretch(2, 1);

  pnlScheduleTimes = new QWidget(pgSchedule);
  pnlScheduleTimes->setObjectName("pnlScheduleTimes");
  auto* weekly_grid = new QGridLayout(pnlScheduleTimes);
  weekly_grid->setContentsMargins(0, 4, 0, 4);
  weekly_grid->setHorizontalSpacing(6);
  weekly_grid->setVerticalSpacing(3);
  for (int day = 0; day < 7; ++day) {
    weekly_grid->addWidget(new QLabel(QString::fromUtf8(kDayNames[day]), pnlScheduleTimes), 0, day,
                           Qt::AlignHCenter);
    for (int slot = 0; slot < 6; ++slot) {
      auto* box = new QLineEdit(pnlScheduleTimes);
      box->setObjectName(QStringLiteral("edt%1Time%2").arg(kDayNames[day]).arg(slot + 1));
      box->setToolTip(QStringLiteral("Enter the time as HH:MM am/pm"));
      box->setFixedWidth(80);
      weekly_grid->addWidget(box, slot + 1, day);
      weekly_[day][slot] = box;
    }
  }

  mode_area_ = new QStackedLayout;
  mode_area_->addWidget(interval_set_);
  mode_area_->addWidget(pnlScheduleTimes);
  mode_area_->setCurrentWidget(pnlScheduleTimes);
  page->addLayout(mode_area_);

  for (QLineEdit* box : TimeBoxes()) box->installEventFilter(this);
}

void TfrmLumoraConfig::BuildSettingsPage() {
  auto* page = new QVBoxLayout(pgSettings);
  page->setSpacing(6);
  page->addWidget(Heading(QStringLiteral("Enter the FTP settings provided by Lumora"), pgSettings));

  const QString host = QString::fromUtf8(kDefaultFtpHost);
  edtFTPServer = new QLineEdit(pgSettings);
  edtFTPServer->setObjectName("edtFTPServer");
  edtFTPServer->setText(host);
  edtFTPServer->setToolTip(
      QStringLiteral("Enter the FTP server address.  (Default is \"%1\")").arg(host));
  edtFTPUsername = new QLineEdit(pgSettings);
  edtFTPUsername->setObjectName("edtFTPUsername");
  edtFTPUsername->setToolTip(
      QStringLiteral("Enter the username to use in connecting to the FTP server"));
  edtFTPPassword = new QLineEdit(pgSettings);
  edtFTPPassword->setObjectName("edtFTPPassword");
  edtFTPPassword->setEchoMode(QLineEdit::Password);
  edtFTPPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // "*"
  edtFTPPassword->setToolTip(
      QStringLiteral("Enter the password to use in connecting to the FTP server"));
  btnTestFTP = new QPushButton(QStringLiteral("Test"), pgSettings);
  btnTestFTP->setObjectName("btnTestFTP");
  btnTestFTP->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  btnTestFTP->setFixedWidth(72);

  auto* ftp = new QGridLayout;
  ftp->addWidget(new QLabel(QStringLiteral("FTP server:"), pgSettings), 0, 0);
  ftp->addWidget(edtFTPServer, 0, 1);
  ftp->addWidget(new QLabel(QStringLiteral("FTP username:"), pgSettings), 1, 0);
  ftp->addWidget(edtFTPUsername, 1, 1);
  ftp->addWidget(new QLabel(QStringLiteral("FTP password:"), pgSettings), 2, 0);
  ftp->addWidget(edtFTPPassword, 2, 1);
  ftp->addWidget(btnTestFTP, 0, 2, 3, 1);
  ftp->setColumnMinimumWidth(1, 300);
  ftp->setColumnStretch(3, 1);
  page->addLayout(ftp);
  page->addSpacing(12);

  page->addWidget(
      Heading(QStringLiteral("Use this to change how much logging is done. "), pgSettings));
  spnLoggingLevel = SpinBox("spnLoggingLevel", config_units::kMaxLogLevel, pgSettings);
  auto* logging = new QHBoxLayout;
  logging->addWidget(new QLabel(QStringLiteral("Logging level:"), pgSettings));
  logging->addWidget(spnLoggingLevel);
  logging->addStretch();
  page->addLayout(logging);
  page->addSpacing(12);

  page->addWidget(Heading(QStringLiteral("The date and time of the last run."), pgSettings));
  dtpLastQueryDate = new QDateEdit(pgSettings);
  dtpLastQueryDate->setObjectName("dtpLastQueryDate");
  dtpLastQueryDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
  dtpLastQueryDate->setMinimumDate(QDate(1899, 12, 30));
  cbLastQueryTime = new QCheckBox(pgSettings);
  cbLastQueryTime->setObjectName("cbLastQueryTime");
  dtpLastQueryTime = new QTimeEdit(pgSettings);
  dtpLastQueryTime->setObjectName("dtpLastQueryTime");
  dtpLastQueryTime->setDisplayFormat(QStringLiteral("hh:mm:ss AP"));
  dtpLastQueryTime->setToolTip(
      QStringLiteral("The time portion of the start date and time.  Uncheck this if you want to "
                     "start at 12:00:00 AM."));
  // The last run is the service's to record; the window shows it for
  // information and writes back what it loaded.
  for (QAbstractSpinBox* picker : {static_cast<QAbstractSpinBox*>(dtpLastQueryDate),
                                   static_cast<QAbstractSpinBox*>(dtpLastQueryTime)}) {
    picker->setReadOnly(true);
    picker->setButtonSymbols(QAbstractSpinBox::NoButtons);
  }
  cbLastQueryTime->setEnabled(false);
  auto* last_run = new QHBoxLayout;
  last_run->addWidget(dtpLastQueryDate);
  last_run->addSpacing(12);
  last_run->addWidget(cbLastQueryTime);
  last_run->addWidget(dtpLastQueryTime);
  last_run->addStretch();
  page->addLayout(last_run);
  page->addSpacing(12);

  page->addWidget(Heading(
      QStringLiteral("Do not modify these settings unless you know what you're doing."),
      pgSettings));
  spnOracleDelay = SpinBox("spnOracleDelay", config_units::kMaxSettleSeconds, pgSettings);
  auto* delay = new QHBoxLayout;
  delay->addWidget(new QLabel(QStringLiteral("Oracle settle delay:"), pgSettings));
  delay->addWidget(spnOracleDelay);
  delay->addWidget(new QLabel(QStringLiteral("seconds"), pgSettings));
  delay->addStretch();
  page->addLayout(delay);
  page->addSpacing(12);

  page->addWidget(Heading(QStringLiteral("Support flags"), pgSettings));
  cbRestartOnMissingData = new QCheckBox(pgSettings);
  cbRestartOnMissingData->setObjectName("cbRestartOnMissingData");
  cbNotifyOnStartup = new QCheckBox(pgSettings);
  cbNotifyOnStartup->setObjectName("cbNotifyOnStartup");
  auto* flags = new QGridLayout;
  flags->addWidget(
      new QLabel(QStringLiteral("Restart service when database issues are detected:"), pgSettings),
      0, 0);
  flags->addWidget(cbRestartOnMissingData, 0, 1);
  flags->addWidget(
      new QLabel(QStringLiteral("Send a notification to support when service restarts:"),
                 pgSettings),
      1, 0);
  flags->addWidget(cbNotifyOnStartup, 1, 1);
  flags->setColumnStretch(2, 1);
  page->addLayout(flags);
  page->addStretch();
}

std::vector<QLineEdit*> TfrmLumoraConfig::TimeBoxes() const {
  std::vector<QLineEdit*> boxes = {edtSleepBegin, edtSleepEnd};
  for (const auto& day : weekly_) boxes.insert(boxes.end(), day.begin(), day.end());
  return boxes;
}

void TfrmLumoraConfig::FormCreate() {
  ConnectorConfig.runimmediate = false;
  bool changed = false;
  LoadConfig(changed);
  spnScanInterval->setValue(config_units::IntervalHours(ConnectorConfig.scaninterval));
  // Any mode other than intervals means weekly times.
  rgSchedulingButtons->button(ConnectorConfig.scanscheduling == 0 ? 0 : 1)->setChecked(true);
  rgSchedulingClick();
  spnOracleDelay->setValue(config_units::SettleSeconds(ConnectorConfig.oracledelay));
  ShowTimeControl(edtSleepBegin, ConnectorConfig.sleepbegin);
  ShowTimeControl(edtSleepEnd, ConnectorConfig.sleepend);
  for (int day = 0; day < 7; ++day) {
    for (int slot = 0; slot < 6; ++slot) {
      ShowTimeControl(weekly_[day][slot], ConnectorConfig.ScheduleTimes[day][slot]);
    }
  }
  spnLoggingLevel->setValue(config_units::LogLevelShown(GlobalLogLevel()));
  cbRestartOnMissingData->setChecked(ConnectorConfig.restartonmissingdata);
  cbNotifyOnStartup->setChecked(ConnectorConfig.notifyonstartup);
  ShowLastQuery();
  // The stores load once the window runs its event loop, so the window is on
  // the screen while they come.
  QMetaObject::invokeMethod(this, &TfrmLumoraConfig::WMConfigInit, Qt::QueuedConnection);
}

void TfrmLumoraConfig::ShowLastQuery() {
  const double last = ConnectorConfig.lastquery;
  const double day = std::floor(last);
  const auto ms_of_day = static_cast<int>(std::lround((last - day) * 86400000.0)) % 86400000;
  dtpLastQueryDate->setDate(QDate(1899, 12, 30).addDays(static_cast<qint64>(day)));
  dtpLastQueryTime->setTime(QTime::fromMSecsSinceStartOfDay(ms_of_day));
  cbLastQueryTime->setChecked(ms_of_day != 0);
  // The zero date means the service never ran: both pickers stay blank
  // rather than show 12/30/1899 12:00:00 AM. A blank is the pickers' way of
  // showing their minimum as nothing.
  const QString blank = last == 0.0 ? QStringLiteral(" ") : QString();
  dtpLastQueryDate->setSpecialValueText(blank);
  dtpLastQueryTime->setSpecialValueText(blank);
}

void TfrmLumoraConfig::rgSchedulingClick() {
  const bool by_intervals = rgSchedulingButtons->checkedId() == 0;
  mode_area_->setCurrentWidget(by_intervals ? interval_set_ : pnlScheduleTimes);
  // Tab enters the radio group at the chosen mode, as Qt does once the focus
  // has been in the group.
  for (QAbstractButton* mode : rgSchedulingButtons->buttons()) {
    mode->setFocusPolicy(mode->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void TfrmLumoraConfig::OrderTabs() {
  // Qt tabs in the order widgets were made, and the store rows are made last,
  // once the stores have loaded; the order here follows the screen instead.
  std::vector<QWidget*> chain = {PageControl1->tabBar()};
  for (int i = 0; i < grdClientIDs->PanelCount(); ++i) {
    const auto* row = static_cast<const TClientIDPanel*>(grdClientIDs->GetPanel(i));
    chain.push_back(row->edtClientID);
    chain.push_back(row->btnPreview);
  }
  for (QAbstractButton* mode : rgSchedulingButtons->buttons()) chain.push_back(mode);
  chain.insert(chain.end(), {btnRunImmediate, spnScanInterval, edtSleepBegin, edtSleepEnd});
  for (const auto& day : weekly_) chain.insert(chain.end(), day.begin(), day.end());
  chain.insert(chain.end(), {edtFTPServer, edtFTPUsername, edtFTPPassword, btnTestFTP,
                             spnLoggingLevel, dtpLastQueryDate, cbLastQueryTime, dtpLastQueryTime,
                             spnOracleDelay, cbRestartOnMissingData, cbNotifyOnStartup,
                             btnCheckService, btnSave, btnCancel});
  for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void TfrmLumoraConfig::ShowTimeControl(QLineEdit* box, double value) {
  box->setText(QString::fromStdString(FormatTimeOfDay(value)));
}

double TfrmLumoraConfig::ReadTimeControl(const QLineEdit* box) {
  return ReadTimeText(box->text().toStdString());
}

bool TfrmLumoraConfig::ValidateTimeControl(QLineEdit* box) {
  const TTimeBoxCheck check = ValidateTimeText(box->text().toStdString());
  if (check.accepted) {
    box->setText(QString::fromStdString(check.text));
    return true;
  }
  validating_ = true;
  Messages().ShowMessage(this, QString::fromStdString(InvalidTimeMessage(check.text)));
  box->setFocus(Qt::OtherFocusReason);
  validating_ = false;
  return false;
}

bool TfrmLumoraConfig::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !validating_) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Switching to another program or opening a menu is not leaving the box.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      if (auto* box = qobject_cast<QLineEdit*>(watched)) ValidateTimeControl(box);
    }
  } else if (watched == Image1 && event->type() == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Image1Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmLumoraConfig::WMConfigInit() {
  Log(9, "BEGIN", TagEnter, kConfigInitArea);
  loading_ = true;
  btnSave->setEnabled(false);
  btnRunImmediate->setEnabled(false);
  {
    // Lets the operator save again however the load ends, once it has freed
    // what it took; a close asked for during the load happens now.
    const auto finish = qScopeGuard([this] {
      loading_ = false;
      btnSave->setEnabled(true);
      btnRunImmediate->setEnabled(true);
      if (close_pending_) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
    LoadStores();
  }
  Log(9, "END", TagExit, kConfigInitArea);
}

void TfrmLumoraConfig::LoadStores() {
  // Freed in reverse: the query, the message, then the session.
  std::optional<TSessionHold> session;
  std::unique_ptr<TWaitMessage> wait;
  std::unique_ptr<TRecordSource> query;
  try {
    wait = Messages().ShowWait(this, QStringLiteral("Loading stores, please wait..."));
    session.emplace(services_.database);
    query = services_.database.OpenQueryOnStores(
        [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); });
    wait->Hide();
    if (query->RecordCount() == 0) {
      Messages().ShowMessage(
          this, QStringLiteral("No stores defined in Retail Pro database -- please configure "
                               "Retail Pro"));
    } else {
      for (; !query->Eof(); query->Next()) {
        const std::string sbs_no = FieldValueText(query->Field("sbs_no"));
        const std::string store_no = FieldValueText(query->Field("store_no"));
        const std::string client_id =
            FindClientID(ConnectorConfig.clientids, TClientIDPanel::StoreNameOf(sbs_no, store_no));
        auto* row = new TClientIDPanel(
            QString::fromStdString(sbs_no),
            QString::fromStdString(FieldValueText(query->Field("sbs_name"))),
            QString::fromStdString(store_no),
            QString::fromStdString(FieldValueText(query->Field("store_code"))),
            QString::fromStdString(FieldValueText(query->Field("store_name"))),
            QString::fromStdString(client_id));
        connect(row, &TClientIDPanel::PreviewClicked, this,
                [this](QPushButton* button) { btnPreviewClick(button); });
        grdClientIDs->AddPanel(row);
      }
      stores_loaded_ = true;
      OrderTabs();
    }
  } catch (const std::exception& error) {
    LogExc(error, kConfigInitArea);
    throw;
  }
}

void TfrmLumoraConfig::btnPreviewClick(QPushButton* Sender) {
  auto* row = qobject_cast<TClientIDPanel*>(Sender->parentWidget());
  if (row == nullptr) return;
  TfrmPreview preview(services_.database, this);
  const TStoreName& store = row->StoreName();
  preview.Execute(StoreNumber(store.subsidiary), StoreNumber(store.store));
}

void TfrmLumoraConfig::SaveClientIDs() {
  std::vector<std::string> entries;
  std::vector<TStoreName> stores_on_grid;
  for (int i = 0; i < grdClientIDs->PanelCount(); ++i) {
    const auto* row = static_cast<const TClientIDPanel*>(grdClientIDs->GetPanel(i));
    stores_on_grid.push_back(row->StoreName());
    const QString client_id = Trimmed(row->edtClientID);
    if (client_id.isEmpty()) continue;
    entries.push_back(ClientIDEntryText(row->StoreName(), client_id.toStdString()));
  }
  // When the store list could not be read in full (database unreachable, or
  // no stores reported), the entries of stores missing from the grid are
  // kept: a save must not throw away client IDs the operator cannot see.
  if (!stores_loaded_) {
    for (const std::string& entry : ConnectorConfig.clientids) {
      const bool on_grid = std::ranges::any_of(stores_on_grid, [&entry](const TStoreName& store) {
        return SameStoreName(ClientIDName(entry), store.Text());
      });
      if (!on_grid) entries.push_back(entry);
    }
  }
  ConnectorConfig.clientids = std::move(entries);
}

void TfrmLumoraConfig::SaveSettings() {
  SaveClientIDs();
  ConnectorConfig.scanscheduling = rgSchedulingButtons->checkedId() == 0 ? 0 : 1;
  ConnectorConfig.scaninterval = config_units::IntervalMs(spnScanInterval->value());
  ConnectorConfig.oracledelay = config_units::SettleMs(spnOracleDelay->value());
  ConnectorConfig.sleepbegin = ReadTimeControl(edtSleepBegin);
  ConnectorConfig.sleepend = ReadTimeControl(edtSleepEnd);
  for (int day = 0; day < 7; ++day) {
    for (int slot = 0; slot < 6; ++slot) {
      ConnectorConfig.ScheduleTimes[day][slot] = ReadTimeControl(weekly_[day][slot]);
    }
  }
  SetGlobalLogLevel(spnLoggingLevel->value());
  ConnectorConfig.restartonmissingdata = cbRestartOnMissingData->isChecked();
  ConnectorConfig.notifyonstartup = cbNotifyOnStartup->isChecked();
  SaveConfig();
}

void TfrmLumoraConfig::btnSaveClick() {
  SaveSettings();
  close();
}

void TfrmLumoraConfig::btnCancelClick() { close(); }

void TfrmLumoraConfig::btnRunImmediateClick() {
  ConnectorConfig.runimmediate = true;
  SaveSettings();
}

void TfrmLumoraConfig::btnTestFTPClick() {
  const QString server = Trimmed(edtFTPServer);
  const QString user = Trimmed(edtFTPUsername);
  const QString password = Trimmed(edtFTPPassword);
  if (server.isEmpty()) {
    Messages().ShowMessage(this, QStringLiteral("Please enter a valid URL for the FTP server"));
    return;
  }
  if (user.isEmpty()) {
    Messages().ShowMessage(
        this, QStringLiteral("Please enter the FTP username that Lumora provided to you"));
    return;
  }
  if (password.isEmpty()) {
    Messages().ShowMessage(
        this, QStringLiteral("Please enter the FTP password that Lumora provided to you"));
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::string result = TestFtpLogin(server.toStdString(), user.toStdString(),
                                          password.toStdString(), services_.ftp_port);
  QApplication::restoreOverrideCursor();
  Messages().ShowMessage(this, QString::fromStdString(result));
}

void TfrmLumoraConfig::btnCheckServiceClick() {
  // The status window's start wait lets window messages through, including
  // a click here once the status window is closed and before its wait has
  // noticed; a second window would nest its wait inside the first.
  if (checking_service_) return;
  checking_service_ = true;
  const auto done = qScopeGuard([this] { checking_service_ = false; });
  TfrmCheckService status(services_.service_control, this);
  status.Execute(QString::fromUtf8(kConnectorServiceName));
}

void TfrmLumoraConfig::Image1Click() {
  TfrmLumoraAbout about(services_.file_version, this);
  about.exec();
}

void TfrmLumoraConfig::closeEvent(QCloseEvent* event) {
  // Closing while the stores load would pull the window away from under the
  // load; the close happens as soon as the load ends.
  if (loading_) {
    close_pending_ = true;
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace lumora
