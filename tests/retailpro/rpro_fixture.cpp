#include "tests/retailpro/rpro_fixture.h"

#include <stdlib.h>

namespace lumora::test {

void ExecSql(const std::filesystem::path& db, std::string_view sql) {
  sqlite3* raw = nullptr;
  ASSERT_EQ(sqlite3_open(db.c_str(), &raw), SQLITE_OK);
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> handle(raw, sqlite3_close);
  char* message = nullptr;
  const int rc = sqlite3_exec(raw, ("PRAGMA synchronous = OFF; BEGIN;" + std::string(sql) + "; COMMIT;").c_str(), nullptr, nullptr, &message);
  const std::string text = message != nullptr ? message : "";
  sqlite3_free(message);
  ASSERT_EQ(rc, SQLITE_OK) << text << "\n in: " << sql;
}

std::string SqliteDescriptor(const std::filesystem::path& db) {
  return "(DESCRIPTION =\n  (ADDRESS = (PROTOCOL = SQLITE)(FILE = " + db.string() +
         "))\n  (CONNECT_DATA = (SERVICE_NAME = RPROODS))\n)\n";
}

void InstallOracleClient(const TempDir& dir, std::string_view tns_text) {
  ::setenv("LUMORA_REGISTRY", (dir.path() / "registry").c_str(), 1);
  const std::string base = (dir.path() / "oracle").string();
  dir.Write("registry/HKEY_LOCAL_MACHINE/SOFTWARE/ORACLE/KEY_OraClient11g_home1/ORACLE_BASE", base);
  dir.Write("oracle/OraClient11g_home1/NETWORK/ADMIN/tnsnames.ora", tns_text);
}

void ResetDatabaseSession() {
  auto& session = DatabaseSession();
  const std::lock_guard guard(session.lock);
  session.connection.reset();
  session.reference_count = 0;
  session.schema_version.clear();
  session.build_version.clear();
  session.LocalUPCFlag = false;
}

void RProSandbox::SetUp() { ResetDatabaseSession(); }

void RProSandbox::TearDown() {
  ResetDatabaseSession();
  ::unsetenv("LUMORA_REGISTRY");
}

const std::filesystem::path& RProSandbox::Db(bool local_upc) {
  if (db_.empty()) {
    db_ = dir_.path() / "rpro.db";
    CreateRetailProDatabase(db_.string(), local_upc);
    InstallOracleClient(dir_, "# Retail Pro\nRPROODS =\n" + SqliteDescriptor(db_));
  }
  return db_;
}

}  // namespace lumora::test
