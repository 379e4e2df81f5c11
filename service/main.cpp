#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "logging/uQzLogging.h"
#include "platform/executable.h"
#include "platform/wait_clock.h"
#include "service/connector_scan.h"
#include "service/retail_pro_access.h"
#include "service/uLumoraRPro9Service.h"

int main(int argc, char** argv) {
  lumora::platform::RecordArguments(argc, argv);
  // The logging module starts before anything that logs: it reads the
  // "loglevel", "logmachine" and "tracelogdir" switches.
  lumora::StartLoggingModule();
  lumora::Init(lumora::TProgram::Service);
  lumora::platform::SteadyWaitClock clock;
  lumora::TConnectorDatabase database;
  lumora::TConnectorScan scan;
  const int exit_code = lumora::RunServiceProgram(lumora::platform::ProgramArguments(),
                                                  {.clock = clock, .database = database, .scan = scan});
  lumora::Shutdown();
  lumora::EndLoggingModule();
  return exit_code;
}
