#include "configurator/fLumoraCheckService.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTimer>

#include "configurator/product_mark.h"

namespace lumora {

QString ServiceStateText(int state) {
  switch (state) {
    case platform::kServiceStopped: return QStringLiteral("Stopped");
    case platform::kServiceStartPending: return QStringLiteral("Start pending");
    case platform::kServiceStopPending: return QStringLiteral("Stop pending");
    case platform::kServiceRunning: return QStringLiteral("Running");
    case platform::kServiceContinuePending: return QStringLiteral("Continue pending");
    case platform::kServicePausePending: return QStringLiteral("Pause pending");
    case platform::kServicePaused: return QStringLiteral("Paused");
    default: return QStringLiteral("UNKNOWN");
  }
}

TfrmCheckService::TfrmCheckService(TServiceControl& control, QWidget* parent)
    : QDialog(parent), control_(control) {
  setObjectName("frmCheckService");
  setWindowTitle(QStringLiteral("frmCheckService"));
  setFixedSize(574, 104);

  auto* Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(8, 16, 81, 73);
  Image1->setPixmap(DrawProductMark(QSize(73, 73)));
  Image1->setAlignment(Qt::AlignCenter);

  lblStatus = new QLabel(QStringLiteral("Requesting service status from Windows..."), this);
  lblStatus->setObjectName("lblStatus");
  QFont bold = lblStatus->font();
  bold.setPointSize(9);
  bold.setBold(true);
  lblStatus->setFont(bold);
  lblStatus->setGeometry(100, 16, 463, 24);

  btnRefresh = new QPushButton(QStringLiteral("Refresh"), this);
  btnRefresh->setObjectName("btnRefresh");
  btnRefresh->setGeometry(574 - 8 - 103, 104 - 8 - 29, 103, 29);
  btnAction = new QPushButton(QStringLiteral("Action"), this);
  btnAction->setObjectName("btnAction");
  btnAction->setGeometry(574 - 16 - 2 * 103, 104 - 8 - 29, 103, 29);
  btnAction->hide();
  // Neither button closes the window on Enter; it is closed from its frame.
  btnRefresh->setAutoDefault(false);
  btnAction->setAutoDefault(false);

  connect(btnRefresh, &QPushButton::clicked, this, [this] { UpdateStatus(); });
  connect(btnAction, &QPushButton::clicked, this, [this] { btnActionClick(); });
}

void TfrmCheckService::Execute(const QString& AServiceName) {
  FServiceName = AServiceName;
  exec();
}

void TfrmCheckService::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The first status query waits until the window is on the screen.
  QMetaObject::invokeMethod(this, &TfrmCheckService::RunCheckService, Qt::QueuedConnection);
}

void TfrmCheckService::RunCheckService() {
  QApplication::processEvents();
  UpdateStatus();
}

void TfrmCheckService::RefreshStatus() { UpdateStatus(); }

void TfrmCheckService::UpdateStatus() {
  ShowServiceState(control_.GetServiceState(std::string(), FServiceName.toStdString()));
}

void TfrmCheckService::ShowServiceState(int state) {
  QString text = QStringLiteral("UNKNOWN");
  action_tag_ = kNoAction;
  switch (state) {
    case platform::kServiceStopped:
      btnAction->setText(QStringLiteral("Start"));
      btnAction->show();
      action_tag_ = kStartAction;
      text = ServiceStateText(state);
      break;
    case platform::kServiceRunning:
      btnAction->setText(QStringLiteral("Stop"));
      btnAction->show();
      action_tag_ = kStopAction;
      text = ServiceStateText(state);
      break;
    case platform::kServiceStartPending:
    case platform::kServiceStopPending:
    case platform::kServiceContinuePending:
    case platform::kServicePausePending:
      btnAction->hide();
      text = ServiceStateText(state);
      // Asked again shortly, until the service leaves the pending state; a
      // closed window asks no more.
      if (isVisible()) QTimer::singleShot(poll_delay_ms_, this, &TfrmCheckService::RefreshStatus);
      break;
    case platform::kServicePaused:
      btnAction->hide();
      text = ServiceStateText(state);
      break;
    default:
      break;  // the button keeps its visibility, without an action
  }
  lblStatus->setText(FServiceName + QStringLiteral(": ") + text);
}

void TfrmCheckService::btnActionClick() {
  const std::string service = FServiceName.toStdString();
  // The start wait keeps the window responsive; a second click meanwhile
  // must not start a second wait inside the first.
  btnAction->setEnabled(false);
  const auto enable_again = qScopeGuard([this] { btnAction->setEnabled(true); });
  if (action_tag_ == kStartAction) {
    lblStatus->setText(QStringLiteral("Starting..."));
    QApplication::processEvents();
    // Closing the window (Esc, its close box) ends the wait: the operator
    // has stopped watching, and the program must be free to end.
    bool closed = false;
    control_.StartServiceAndWait(std::string(), service, kServiceWaitBudgetSeconds,
                                 [this, &closed] {
                                   closed = !isVisible();
                                   return !closed;
                                 });
    if (closed) return;
  } else if (action_tag_ == kStopAction) {
    lblStatus->setText(QStringLiteral("Stopping..."));
    QApplication::processEvents();
    control_.StopServiceAndWait(std::string(), service);
  } else {
    return;
  }
  control_.Sleep(1000);
  UpdateStatus();
}

}  // namespace lumora
