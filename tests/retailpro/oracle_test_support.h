#pragma once

// Reaching a Retail Pro database through the Oracle engine in tests: the test
// double of the Oracle client stands in an Oracle home, and the registry's
// client key names that home.

#include <filesystem>
#include <string>

#include "tests/support/temp_dir.h"

namespace lumora::test {

// The Oracle home whose lib folder holds the test double libclntsh.so.
std::filesystem::path OracleClientDoubleHome();

// A TCP connect descriptor; the double serves the SQLite file named as HOST.
std::string TcpDescriptor(const std::filesystem::path& db);

// Adds ORACLE_HOME to the client key that InstallOracleClient writes.
void SetOracleHome(const TempDir& dir, const std::filesystem::path& home);

}  // namespace lumora::test
