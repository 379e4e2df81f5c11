// The Windows service control manager: installing and removing the service,
// the dispatcher with its control handler, status reports and the event log
// (service_host.h and service_dispatcher.h share the status kept here).

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>

#include "platform/service_dispatcher.h"
#include "platform/service_host.h"
#include "platform/win32/win32_text.h"

namespace lumora::platform {
namespace {

constexpr DWORD kWaitHintMs = 5000;

struct ServiceHandleClose {
  void operator()(SC_HANDLE handle) const { ::CloseServiceHandle(handle); }
};
using ServiceHandle = std::unique_ptr<std::remove_pointer_t<SC_HANDLE>, ServiceHandleClose>;

[[noreturn]] void ThrowLastError(const std::string& what) {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), what);
}

ServiceHandle OpenManager(DWORD access) {
  ServiceHandle manager(::OpenSCManagerW(nullptr, nullptr, access));
  if (!manager) ThrowLastError("the service control manager");
  return manager;
}

// The one service this process runs. The control handler runs on the
// dispatcher's thread, the status reports on the service thread: the status
// is kept under a lock.
struct RunningService {
  std::wstring name;
  std::function<void(ServiceRequest)> on_request;
  const std::function<int()>* body = nullptr;
  SERVICE_STATUS_HANDLE handle = nullptr;
  std::mutex mutex;
  SERVICE_STATUS status{};  // guarded by mutex
  std::atomic<bool> shutting_down = false;
};

std::atomic<RunningService*> g_service = nullptr;

// Pending states carry the wait hint and a checkpoint that grows with every
// report, so the manager sees progress; settled states carry neither.
void Report(DWORD state, DWORD exit_code = 0) {
  RunningService* service = g_service.load();
  if (service == nullptr || service->handle == nullptr) return;
  const std::lock_guard lock(service->mutex);
  SERVICE_STATUS& status = service->status;
  const bool pending = state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING ||
                       state == SERVICE_PAUSE_PENDING || state == SERVICE_CONTINUE_PENDING;
  status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  status.dwCurrentState = state;
  status.dwControlsAccepted = (state == SERVICE_RUNNING || state == SERVICE_PAUSED)
                                  ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE | SERVICE_ACCEPT_SHUTDOWN
                                  : 0;
  status.dwWin32ExitCode = exit_code == 0 ? NO_ERROR : ERROR_SERVICE_SPECIFIC_ERROR;
  status.dwServiceSpecificExitCode = exit_code;
  status.dwCheckPoint = pending ? status.dwCheckPoint + 1 : 0;
  status.dwWaitHint = pending ? kWaitHintMs : 0;
  ::SetServiceStatus(service->handle, &status);
}

DWORD WINAPI OnControl(DWORD control, DWORD /*event_type*/, LPVOID /*event_data*/, LPVOID context) {
  auto* service = static_cast<RunningService*>(context);
  switch (control) {
    case SERVICE_CONTROL_STOP:
      Report(SERVICE_STOP_PENDING);
      service->on_request(ServiceRequest::Stop);
      return NO_ERROR;
    case SERVICE_CONTROL_SHUTDOWN:
      service->shutting_down = true;
      Report(SERVICE_STOP_PENDING);
      service->on_request(ServiceRequest::Shutdown);
      return NO_ERROR;
    case SERVICE_CONTROL_PAUSE:
      Report(SERVICE_PAUSE_PENDING);
      service->on_request(ServiceRequest::Pause);
      return NO_ERROR;
    case SERVICE_CONTROL_CONTINUE:
      Report(SERVICE_CONTINUE_PENDING);
      service->on_request(ServiceRequest::Continue);
      return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE: {
      const std::lock_guard lock(service->mutex);
      ::SetServiceStatus(service->handle, &service->status);
      return NO_ERROR;
    }
    default:
      return ERROR_CALL_NOT_IMPLEMENTED;
  }
}

// The manager calls this on a thread of its own, which becomes the service
// thread: the engine and its timers live on it until the service stops.
void WINAPI ServiceMain(DWORD /*argc*/, LPWSTR* /*argv*/) {
  RunningService* service = g_service.load();
  service->handle = ::RegisterServiceCtrlHandlerExW(service->name.c_str(), OnControl, service);
  if (service->handle == nullptr) return;
  Report(SERVICE_START_PENDING);
  int exit_code = 1;
  try {
    exit_code = (*service->body)();
  } catch (const std::exception& error) {
    ReportServiceError(win32::Narrow(service->name), error.what());
  } catch (...) {
    ReportServiceError(win32::Narrow(service->name), "Unknown error");
  }
  Report(SERVICE_STOPPED, static_cast<DWORD>(exit_code));
}

}  // namespace

void InstallService(const ServiceDefinition& service) {
  const ServiceHandle manager = OpenManager(SC_MANAGER_CONNECT | SC_MANAGER_CREATE_SERVICE);
  const std::wstring name = win32::Widen(service.name);
  // Quoted, so that a path with blanks is not read as a program and arguments.
  const std::wstring command = L"\"" + win32::Widen(service.executable) + L"\"";
  const ServiceHandle created(::CreateServiceW(
      manager.get(), name.c_str(), name.c_str(), SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
      SERVICE_AUTO_START, SERVICE_ERROR_NORMAL, command.c_str(), nullptr, nullptr, nullptr,
      nullptr /* the local system account */, nullptr));
  if (!created) ThrowLastError("service " + service.name);

  // From here on a failure takes the half-made service away again.
  const auto fail = [&created](const std::string& what) {
    const DWORD error = ::GetLastError();
    ::DeleteService(created.get());
    throw std::system_error(static_cast<int>(error), std::system_category(), what);
  };
  std::wstring description = win32::Widen(service.description);
  SERVICE_DESCRIPTIONW description_info{description.data()};
  if (!::ChangeServiceConfig2W(created.get(), SERVICE_CONFIG_DESCRIPTION, &description_info)) {
    fail("description of service " + service.name);
  }
  // The service ends itself with exit code 1 when a store yields too few
  // lines, so that it is started afresh: the manager restarts it 5 s after
  // every failure, and the count of failures starts again after a day.
  SC_ACTION restarts[3] = {{SC_ACTION_RESTART, 5000}, {SC_ACTION_RESTART, 5000}, {SC_ACTION_RESTART, 5000}};
  SERVICE_FAILURE_ACTIONSW actions{};
  actions.dwResetPeriod = 24 * 60 * 60;
  actions.cActions = 3;
  actions.lpsaActions = restarts;
  if (!::ChangeServiceConfig2W(created.get(), SERVICE_CONFIG_FAILURE_ACTIONS, &actions)) {
    fail("recovery actions of service " + service.name);
  }
  // A stop reported with a non-zero exit code counts as a failure too, not
  // only a process that ends without reporting. A manager that does not know
  // this setting (Wine's) still restarts after the process ends unreported.
  SERVICE_FAILURE_ACTIONS_FLAG on_exit_code{TRUE};
  if (!::ChangeServiceConfig2W(created.get(), SERVICE_CONFIG_FAILURE_ACTIONS_FLAG, &on_exit_code) &&
      ::GetLastError() != ERROR_INVALID_LEVEL) {
    fail("recovery setting for exit codes of service " + service.name);
  }
}

void UninstallService(std::string_view name) {
  const ServiceHandle manager = OpenManager(SC_MANAGER_CONNECT);
  const std::string text(name);
  const ServiceHandle service(::OpenServiceW(manager.get(), win32::Widen(text).c_str(), DELETE));
  if (!service) ThrowLastError("service " + text);
  // A running service is removed once it has stopped.
  if (!::DeleteService(service.get())) ThrowLastError("service " + text);
}

void NotifyServiceReady() { Report(SERVICE_RUNNING); }

void NotifyServiceStopping() { Report(SERVICE_STOP_PENDING); }

void NotifyServicePaused() { Report(SERVICE_PAUSED); }

bool SystemShuttingDown() {
  const RunningService* service = g_service.load();
  return service != nullptr && service->shutting_down;
}

int RunAsService(std::string_view name, std::function<void(ServiceRequest)> on_request,
                 const std::function<int()>& service) {
  RunningService running;
  running.name = win32::Widen(name);
  running.on_request = std::move(on_request);
  running.body = &service;
  g_service = &running;
  std::wstring table_name = running.name;
  SERVICE_TABLE_ENTRYW table[] = {{table_name.data(), ServiceMain}, {nullptr, nullptr}};
  // Returns once the service has stopped; the control handler runs on this
  // thread meanwhile.
  const BOOL dispatched = ::StartServiceCtrlDispatcherW(table);
  const DWORD error = ::GetLastError();
  g_service = nullptr;
  if (!dispatched) {
    throw std::system_error(static_cast<int>(error), std::system_category(),
                            "service " + std::string(name) + " (it runs only when the service control manager starts it)");
  }
  const std::lock_guard lock(running.mutex);
  return static_cast<int>(running.status.dwServiceSpecificExitCode);
}

void ReportServiceError(std::string_view name, std::string_view message) {
  const HANDLE source = ::RegisterEventSourceW(nullptr, win32::Widen(name).c_str());
  if (source == nullptr) return;
  const std::wstring text = win32::Widen(message);
  LPCWSTR strings[] = {text.c_str()};
  ::ReportEventW(source, EVENTLOG_ERROR_TYPE, 0, 0, nullptr, 1, 0, strings, nullptr);
  ::DeregisterEventSource(source);
}

}  // namespace lumora::platform
