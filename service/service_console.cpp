#include <atomic>
#include <iostream>

#include "platform/stop_signals.h"
#include "service/dLumoraRPro9ConnectorLogic.h"
#include "service/uLumoraRPro9Service.h"

namespace lumora {

int RunConsole(TEngineEnvironment environment) {
  platform::MessageLoop loop(environment.clock);
  // The window application's standard error box.
  loop.SetErrorHandler([](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      std::cerr << kApplicationTitle << ": " << e.what() << std::endl;
    } catch (...) {
      std::cerr << kApplicationTitle << ": unknown error" << std::endl;
    }
  });
  // Ctrl+C, SIGTERM or the terminal closing (SIGHUP) is closing the window:
  // the engine is disabled and the log drained before the program ends.
  std::atomic<bool> closing = false;
  const platform::StopSignalWatcher watcher(
      [&](platform::StopSignal) {
        closing = true;
        loop.Wake();
      },
      /*hangup=*/true);

  std::cout << kApplicationTitle << std::endl;
  TdlgConnectorLogic logic(TEngineServices{
      .loop = loop,
      .database = environment.database,
      .scan = environment.scan,
      .stop_requested = [&closing] { return closing.load(); },
  });
  // The status line the window would show.
  logic.SetTitleObserver([](const std::string& title) { std::cout << title << std::endl; });
  if (!logic.Title().empty()) std::cout << logic.Title() << std::endl;

  // The window's first activation: the engine is enabled from the loop, as
  // the window's deferred start-up message would.
  loop.Post([&logic] {
    std::cout << "Initializing..." << std::endl;
    if (!logic.Enabled()) logic.Enable();
  });
  loop.RunUntil([&closing] { return closing.load(); });
  logic.Disable();
  return 0;
}

}  // namespace lumora
