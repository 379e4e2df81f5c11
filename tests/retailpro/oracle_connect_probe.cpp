// Connects the way GetSession does (registry, tnsnames.ora, the session's
// connection string) in a process of its own and prints what happened. The
// Oracle client library is loaded once per process, so each connect case of
// the tests needs a fresh one.

#include <iostream>

#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "retailpro/uQzOraUtils.h"
#include "retailpro/verrin_db.h"

int main() {
  using namespace lumora;
  try {
    TVerrinConnection connection;
    connection.SetConnectionString(
        SessionConnectionString(TNSNamesConnectString(kRProAlias, "", "", "")));
    connection.SetLoginPrompt(false);
    connection.Open();
    const RProVersion version = GetRProVersion(connection);
    std::cout << "connected, schema version " << version.schema_version << "\n";
    return 0;
  } catch (const std::exception& error) {
    std::cout << error.what() << "\n";
    return 1;
  }
}
