#pragma once

// The outer shell of LumoraRPro9Service: the program entry with its switches,
// the service object that hosts the engine under the service manager, and
// the console mode.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_loop.h"
#include "service/engine_seams.h"
#include "service/service_identity.h"

namespace lumora {

class TdlgConnectorLogic;

inline constexpr std::string_view kServiceDescription = "Lumora connector service for Retail Pro 9.";
inline constexpr std::string_view kApplicationTitle = "Lumora Connector for Retail Pro 9";
// The key of the service's description; the service name is appended.
inline constexpr std::string_view kServicesKeyBase = "SYSTEM\\CurrentControlSet\\Services\\";

// Whether a switch is among the arguments: a leading "-" or "/", the name in
// any letter case.
bool HasSwitch(const std::vector<std::string>& arguments, std::string_view name);

// What the program entry wires into the engine: its clock and the database
// and scan parts. Tests pass a fast clock and fakes.
struct TEngineEnvironment {
  platform::WaitClock& clock;
  TRetailProAccess& database;
  TInventoryScan& scan;
  // The directory installation records as "ServiceDirectory"; empty means
  // the directory of the running program file.
  std::string program_directory = {};
};

// The control requests of the service manager, as the service thread handles
// them.
enum class TControlRequest {
  Stop,      // an operator's or the manager's stop: ServiceStop
  Shutdown,  // the machine is shutting down: the request loop just ends
  Pause,     // the service thread holds still, timers and all, until Continue
  Continue,
};

// The service object: creates, enables and disables the engine, and runs the
// request loop on the thread it is created on (the service thread).
class TLumoraRPro9Connector {
 public:
  explicit TLumoraRPro9Connector(TEngineEnvironment environment);
  ~TLumoraRPro9Connector();
  TLumoraRPro9Connector(const TLumoraRPro9Connector&) = delete;
  TLumoraRPro9Connector& operator=(const TLumoraRPro9Connector&) = delete;

  void ServiceAfterInstall();
  void ServiceBeforeUninstall();
  void ServiceAfterUninstall();
  void ServiceStart();
  void ServiceExecute();
  void ServiceStop();

  // Runs the service until it is stopped: start, report readiness, execute.
  // Returns the process exit code.
  int Run();

  // Queues a request for the service thread, where it is handled between
  // messages (so a stop arriving during a run waits for the run's end).
  // Any thread.
  void Control(TControlRequest request);

  TdlgConnectorLogic* Logic() { return logic_.get(); }
  platform::MessageLoop& Loop() { return loop_; }

 private:
  std::unique_ptr<TdlgConnectorLogic> CreateLogic(bool schedule_runs = true);
  bool HandleControlRequests();

  TEngineEnvironment environment_;
  platform::MessageLoop loop_;
  std::unique_ptr<TdlgConnectorLogic> logic_;  // the engine reference
  std::mutex requests_mutex_;
  std::deque<TControlRequest> requests_;  // guarded by requests_mutex_
  std::condition_variable requests_changed_;
  std::atomic<bool> stop_requested_ = false;
  bool terminated_ = false;
};

// Console mode: the engine in the foreground; Ctrl+C or SIGTERM closes it.
// Returns the exit code (0).
int RunConsole(TEngineEnvironment environment);

// The program entry after the configuration module's start-up: picks console
// or service mode and carries out "INSTALL" / "UNINSTALL" ("SILENT" keeps the
// confirmation off the terminal). Returns the process exit code.
int RunServiceProgram(const std::vector<std::string>& arguments, TEngineEnvironment environment);

}  // namespace lumora
