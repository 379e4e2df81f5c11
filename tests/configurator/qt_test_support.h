#pragma once

// What the configurator's tests share: the application object on the
// offscreen platform, a recorder for the operator's messages and an
// in-memory store database.

#include <QApplication>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "configurator/operator_messages.h"
#include "configurator/store_database.h"
#include "platform/service_control.h"

namespace lumora::test {

// The one application object of a test program: the configurator's own,
// with its general error message, created by the tests' main before any test
// runs and destroyed after the last (qt_test_main.cpp).
QApplication& App();

// Records what the windows tell the operator, in order: "wait: <text>",
// "wait hidden", "message: <text>", "error: <text>". Installed while it
// lives. `on_message` runs inside a message, as if the operator read it.
class TRecordingMessages final : public TOperatorMessages {
 public:
  TRecordingMessages();
  ~TRecordingMessages() override;

  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& text) override;
  std::unique_ptr<TWaitMessage> ShowWait(QWidget* parent, const QString& text) override;

  std::vector<std::string> events;
  std::function<void()> on_message;
  bool wait_visible = false;
};

// A service manager for windows whose tests ask the service nothing: every
// request fails and the state cannot be read.
class TNoServiceController final : public platform::ServiceController {
 public:
  void RequestStart(const std::string&, const std::string&) override {
    throw std::system_error(std::make_error_code(std::errc::operation_not_permitted), "refused");
  }
  void RequestStop(const std::string&, const std::string&) override {
    throw std::system_error(std::make_error_code(std::errc::operation_not_permitted), "refused");
  }
  std::optional<platform::ServiceStatus> QueryStatus(const std::string&,
                                                     const std::string&) override {
    return std::nullopt;
  }
};

// A query result held in memory.
struct TTable {
  std::vector<std::string> columns;
  std::vector<std::vector<DbValue>> rows;
};

// A store database over tables in memory; counts the session's references
// and can be told to fail.
class TFakeStoreDatabase final : public TStoreDatabase {
 public:
  void GetSession() override;
  void ReleaseSession() override;
  std::unique_ptr<TRecordSource> OpenQueryOnStores(std::function<void()> pump) override;
  std::unique_ptr<TRecordSource> OpenQueryOnInventory(int ASbsNo, int AStoreNo) override;

  TTable stores;
  std::map<std::pair<int, int>, TTable> inventory;
  bool fail_session = false;
  bool stores_unopened = false;  // the worker's open failed
  int sessions_held = 0;
  int session_calls = 0;
  std::function<void()> while_opening;  // runs inside the store query's open
};

// A row of the store query: sbs_no, sbs_name, store_no, store_code, store_name.
std::vector<DbValue> StoreRow(int sbs_no, const std::string& sbs_name, int store_no,
                              const std::string& store_code, const std::string& store_name);
TTable StoreTable(std::vector<std::vector<DbValue>> rows);

}  // namespace lumora::test
