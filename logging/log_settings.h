#pragma once

// The logging module's settings. Each new logger copies the default level,
// the dbg gate and the two writer limits when it is created; the writer reads
// LogDir afresh at every open of the file. Any thread may read them: the
// numbers are atomics and the two directories sit behind a small lock.

#include <string>

namespace lumora {

int DefaultLogLevel();
void SetDefaultLogLevel(int value);
bool DefaultLoggingEnabled();
void SetDefaultLoggingEnabled(bool value);

// The start-of-log banner adds the machine block when set ("logmachine").
bool LogMachine();
void SetLogMachine(bool value);

// Directory in which StartLogging writes "orviklogger.log"; empty for none.
std::string TraceLogDir();
void SetTraceLogDir(std::string directory);

// When set, writing a non-zero LogLevel to a logger also logs "LogLevel set
// to <n>". The configurator turns it on; the service leaves it off.
bool AnnounceLogLevelChanges();
void SetAnnounceLogLevelChanges(bool value);

inline constexpr int LogRetentionCount = 30;
inline constexpr int AreaWidth = 50;
inline constexpr int DefaultQueueLimit = 100000;
inline constexpr int DefaultFlushLimit = 100;

// The initial LogDir: "logs" and a separator, relative to the program
// directory until the first StartLogging makes it absolute.
std::string InitialLogDir();

}  // namespace lumora
