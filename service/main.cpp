#include "logging/uQzLogging.h"
#include "platform/executable.h"

int main(int argc, char** argv) {
  lumora::platform::RecordArguments(argc, argv);
  // The logging module starts before anything that logs: it reads the
  // "loglevel", "logmachine" and "tracelogdir" switches.
  lumora::StartLoggingModule();
  lumora::StartGlobalLog("LumoraRPro9Service", false);
  lumora::EndGlobalLog();
  lumora::EndLoggingModule();
  return 0;
}
