#include "service/uLumoraRPro9Service.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <system_error>

#include "foundation/paths.h"
#include "foundation/text.h"
#include "logging/uQzLogging.h"
#include "platform/executable.h"
#include "platform/registry.h"
#include "platform/service_dispatcher.h"
#include "platform/service_host.h"
#include "service/dLumoraRPro9ConnectorLogic.h"

namespace lumora {

namespace {

constexpr std::string_view kExecuteArea = "Connector.TVerrinRPro9Connector.ServiceExecute";
constexpr std::string_view kStopArea = "Connector.ServiceStop";

std::string ErrorText(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
}

// What the service framework records in the event log (on POSIX: standard
// error, which the journal keeps).
void ReportToEventLog(std::exception_ptr error) {
  platform::ReportServiceError(kServiceName, ErrorText(error));
}

std::string KeyPath(std::string_view base) { return std::string(base) + std::string(kServiceName); }

// A key that cannot be opened or created is skipped without a message; a
// value that cannot be written into an opened key fails the install.
std::optional<platform::RegistryKey> OpenOrCreateKey(const std::string& path) {
  try {
    return platform::RegistryKey::Open(path, true);
  } catch (const std::system_error&) {
    return std::nullopt;
  }
}

}  // namespace

bool HasSwitch(const std::vector<std::string>& arguments, std::string_view name) {
  return std::ranges::any_of(arguments, [name](const std::string& argument) {
    return argument.size() > 1 && (argument.front() == '-' || argument.front() == '/') &&
           SameText(std::string_view(argument).substr(1), name);
  });
}

TLumoraRPro9Connector::TLumoraRPro9Connector(TEngineEnvironment environment)
    : environment_(environment), loop_(environment.clock) {
  // An error escaping a timer tick has been logged by the engine; the
  // request loop carries on.
  loop_.SetErrorHandler(ReportToEventLog);
}

TLumoraRPro9Connector::~TLumoraRPro9Connector() = default;

std::unique_ptr<TdlgConnectorLogic> TLumoraRPro9Connector::CreateLogic(bool schedule_runs) {
  return std::make_unique<TdlgConnectorLogic>(TEngineServices{
      .loop = loop_,
      .database = environment_.database,
      .scan = environment_.scan,
      .stop_requested = [this] { return stop_requested_.load(); },
      .schedule_runs = schedule_runs,
  });
}

void TLumoraRPro9Connector::Control(TControlRequest request) {
  {
    const std::lock_guard lock(requests_mutex_);
    requests_.push_back(request);
  }
  requests_changed_.notify_all();
  // Ends a settle pause or configuration wait in progress at once.
  if (request == TControlRequest::Stop || request == TControlRequest::Shutdown) stop_requested_ = true;
  loop_.Wake();
}

bool TLumoraRPro9Connector::HandleControlRequests() {
  bool paused = false;
  while (!terminated_) {
    TControlRequest request;
    {
      std::unique_lock lock(requests_mutex_);
      // Paused, the service thread waits here, between two messages, and
      // every timer of the engine waits with it.
      requests_changed_.wait(lock, [&] { return !paused || !requests_.empty(); });
      if (requests_.empty()) break;
      request = requests_.front();
      requests_.pop_front();
    }
    if (request == TControlRequest::Pause || request == TControlRequest::Continue) {
      if (paused != (request == TControlRequest::Pause)) {
        paused = !paused;
        paused ? platform::NotifyServicePaused() : platform::NotifyServiceReady();
      }
      continue;
    }
    if (request == TControlRequest::Stop) {
      ServiceStop();
    } else {
      platform::NotifyServiceStopping();
    }
    terminated_ = true;
  }
  return terminated_;
}

void TLumoraRPro9Connector::ServiceStart() {
  logic_ = CreateLogic();
  LogInfo(1, "Service started.");
}

void TLumoraRPro9Connector::ServiceExecute() {
  try {
    try {
      Log(9, "Calling logic.Enable", TagInfo, kExecuteArea);
      logic_->Enable();
      LogInfo(1, "Lumora for Retail Pro 9 service entering execution loop", kExecuteArea);
      try {
        loop_.RunUntil([this] { return HandleControlRequests(); });
      } catch (...) {
        // An error in the loop itself ends the loop and nothing more.
      }
      LogInfo(1, "Lumora for Retail Pro 9 service shutting down");
    } catch (...) {
      logic_->Disable();
      throw;
    }
    logic_->Disable();
  } catch (const std::exception& error) {
    LogExc(error, kExecuteArea);
  }
  LogExit(1, kExecuteArea);
}

void TLumoraRPro9Connector::ServiceStop() {
  Log(9, "BEGIN", TagEnter, kStopArea);
  LogInfo(1, "Service stopping...", kStopArea);
  if (logic_) logic_->Disable();
  platform::NotifyServiceStopping();
  LogInfo(1, "Service stopped", kStopArea);
  Log(9, "END", TagExit, kStopArea);
}

void TLumoraRPro9Connector::ServiceAfterInstall() {
  if (const auto key = OpenOrCreateKey(KeyPath(kServicesKeyBase))) {
    key->WriteString("Description", kServiceDescription);
  }
  bool directory_recorded = false;
  if (const auto key = OpenOrCreateKey(KeyPath(kRegistryKeyBase))) {
    directory_recorded = true;
    key->WriteString("ServiceDirectory", environment_.program_directory.empty()
                                             ? std::string(DirectoryPart(platform::ExecutablePath()))
                                             : environment_.program_directory);
  }
  // An engine that never runs: a pending "Run Immediately" stays for the
  // service.
  logic_ = CreateLogic(false);
  // Again, so that the log shows the configuration banner of this install.
  logic_->InitService();
  LogInfo(1, "Service installed.");
  if (directory_recorded) LogInfo(1, "Registry key for execution path was created.");
  logic_.reset();
}

void TLumoraRPro9Connector::ServiceBeforeUninstall() {
  logic_ = CreateLogic(false);
  logic_->InitService();
  LogInfo(1, "Uninstalling service");
}

void TLumoraRPro9Connector::ServiceAfterUninstall() {
  LogInfo(1, "Service uninstalled.");
  logic_.reset();
  EndGlobalLog();
}

int TLumoraRPro9Connector::Run() {
  const auto on_request = [this](platform::ServiceRequest request) {
    switch (request) {
      case platform::ServiceRequest::Stop: Control(TControlRequest::Stop); break;
      case platform::ServiceRequest::Shutdown: Control(TControlRequest::Shutdown); break;
      case platform::ServiceRequest::Pause: Control(TControlRequest::Pause); break;
      case platform::ServiceRequest::Continue: Control(TControlRequest::Continue); break;
    }
  };
  // On the service thread from here on.
  const auto service = [this] {
    try {
      ServiceStart();
    } catch (...) {
      platform::ReportServiceError(kServiceName, "Service failed on start: " + ErrorText(std::current_exception()));
      return 1;
    }
    platform::NotifyServiceReady();
    try {
      ServiceExecute();
    } catch (...) {
      platform::ReportServiceError(kServiceName, "Service failed on execute: " + ErrorText(std::current_exception()));
      return 1;
    }
    return 0;
  };
  try {
    return platform::RunAsService(kServiceName, on_request, service);
  } catch (const std::exception& error) {
    // Started by hand, not by the service manager.
    std::cerr << error.what() << std::endl;
    return 1;
  }
}

int RunServiceProgram(const std::vector<std::string>& arguments, TEngineEnvironment environment) {
  ConsoleMode = HasSwitch(arguments, "console");
  if (ConsoleMode) return RunConsole(environment);

  TLumoraRPro9Connector service(environment);
  const bool silent = HasSwitch(arguments, "silent");
  if (HasSwitch(arguments, "install")) {
    try {
      platform::InstallService({.name = std::string(kServiceName),
                                .description = std::string(kServiceDescription),
                                .executable = platform::ExecutablePath(),
                                .data_directory = environment.program_directory});
      service.ServiceAfterInstall();
    } catch (...) {
      if (!silent) {
        std::cerr << "Service \"" << kServiceName << "\" failed to install with error: \""
                  << ErrorText(std::current_exception()) << "\"" << std::endl;
      }
      return 1;
    }
    if (!silent) std::cout << "Service installed successfully" << std::endl;
    return 0;
  }
  if (HasSwitch(arguments, "uninstall")) {
    try {
      service.ServiceBeforeUninstall();
      platform::UninstallService(kServiceName);
      service.ServiceAfterUninstall();
    } catch (...) {
      if (!silent) {
        std::cerr << "Service \"" << kServiceName << "\" failed to uninstall with error: \""
                  << ErrorText(std::current_exception()) << "\"" << std::endl;
      }
      return 1;
    }
    if (!silent) std::cout << "Service uninstalled successfully" << std::endl;
    return 0;
  }
  return service.Run();
}

}  // namespace lumora
