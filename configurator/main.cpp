// LumoraRPro9Configurator: the operator's window onto the connector's
// configuration, its stores and its service.

#include <chrono>
#include <thread>

#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "configurator/configurator_application.h"
#include "configurator/fLumora9Config.h"
#include "configurator/retailpro_store_database.h"
#include "configurator/uQzWinServicesUtils.h"
#include "logging/log_settings.h"
#include "logging/uQzLogging.h"
#include "platform/executable.h"
#include "platform/file_version.h"
#include "platform/service_control.h"

int main(int argc, char** argv) {
  using namespace lumora;
  platform::RecordArguments(argc, argv);
  StartLoggingModule();
  // Only the configurator's logger reports level changes: the operator sets
  // the level here, and the log should say so.
  SetAnnounceLogLevelChanges(true);
  Init(TProgram::Configurator);

  int exit_code = 0;
  {
    TConfiguratorApplication app(argc, argv);
    const std::unique_ptr<TStoreDatabase> database = CreateRetailProStoreDatabase();
    const std::unique_ptr<platform::ServiceController> controller = platform::CreateServiceController();
    TServiceControl service_control(
        *controller, [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); },
        [] { QCoreApplication::processEvents(); });

    TfrmLumoraConfig window(TConfiguratorServices{
        *database, service_control, platform::FileVersionText(platform::ExecutablePath())});
    window.show();
    exit_code = app.exec();
  }

  Shutdown();
  EndLoggingModule();
  return exit_code;
}
