#pragma once

// The service status window: shows the connector service's state and offers
// "Start" or "Stop".

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include "configurator/uQzWinServicesUtils.h"

namespace lumora {

// The name of the connector service.
inline constexpr const char* kConnectorServiceName = "LumoraRPro9Connector";

// The text shown for a state value ("Running", "UNKNOWN").
QString ServiceStateText(int state);

// The modal status window.
class TfrmCheckService : public QDialog {
  Q_OBJECT

 public:
  // The pending action held in the action button's tag.
  enum Action { kNoAction = 0, kStartAction = 1, kStopAction = 2 };

  TfrmCheckService(TServiceControl& control, QWidget* parent = nullptr);

  // Shows the window modally for `AServiceName`; returns when it is closed.
  void Execute(const QString& AServiceName);

  // The delay before a pending state is asked again, in milliseconds.
  void SetPollDelay(int ms) { poll_delay_ms_ = ms; }

  void UpdateStatus();
  void ShowServiceState(int state);
  int PendingAction() const { return action_tag_; }

  QLabel* lblStatus;
  QPushButton* btnAction;
  QPushButton* btnRefresh;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void RunCheckService();
  void RefreshStatus();
  void btnActionClick();

  TServiceControl& control_;
  QString FServiceName;
  int action_tag_ = kNoAction;
  int poll_delay_ms_ = 250;
};

}  // namespace lumora
