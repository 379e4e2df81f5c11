#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>

#include "retailpro/demo_database.h"
#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_dir.h"

namespace lumora::test {

// Writes rows into a fixture database behind the read-only layer's back.
void ExecSql(const std::filesystem::path& db, std::string_view sql);

// The registry entries and the tnsnames.ora with which GetSession reaches a
// database: KEY_OraClient11g_home1 with ORACLE_BASE under the temp directory.
void InstallOracleClient(const TempDir& dir, std::string_view tns_text);
std::string SqliteDescriptor(const std::filesystem::path& db);

// A sandbox: a registry whose Oracle client resolves RPROODS to an empty
// Retail Pro database, a fixed clock (2026-03-10 12:00 local) and a session
// record that starts and ends clean.
class RProSandbox : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The database RPROODS names; created on the first call.
  const std::filesystem::path& Db(bool local_upc = true);
  void Exec(std::string_view sql) { ExecSql(Db(), sql); }

  TempDir dir_;
  FakeClock clock_{At(2026, 3, 10, 12, 0, 0)};

 private:
  std::filesystem::path db_;
};

// Leaves the process-wide session as a fresh program has it.
void ResetDatabaseSession();

}  // namespace lumora::test
