#include "tests/retailpro/oracle_test_support.h"

namespace lumora::test {

std::filesystem::path OracleClientDoubleHome() { return LUMORA_OCI_DOUBLE_HOME; }

std::string TcpDescriptor(const std::filesystem::path& db) {
  return "(DESCRIPTION =\n  (ADDRESS = (PROTOCOL = TCP)(HOST = " + db.string() +
         ")(PORT = 1521))\n  (CONNECT_DATA = (SERVICE_NAME = RPROODS))\n)\n";
}

void SetOracleHome(const TempDir& dir, const std::filesystem::path& home) {
  dir.Write("registry/HKEY_LOCAL_MACHINE/SOFTWARE/ORACLE/KEY_OraClient11g_home1/ORACLE_HOME",
            home.string());
}

}  // namespace lumora::test
