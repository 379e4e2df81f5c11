#pragma once

// The engine for a real Oracle database: the product's SQL runs unchanged
// through the Oracle client installed on the machine, reached with ODPI-C,
// which loads that client (libclntsh.so, oci.dll) when first needed.

#include <memory>
#include <string>

#include "retailpro/db_engine.h"

namespace lumora {

// Where to load the Oracle client library from. An empty directory means the
// system's normal library search.
struct OracleClientLocation {
  std::string library_dir;
};

// Connects to the database of a connect descriptor (or alias, or EZConnect
// text) with an account. Raises EDatabaseError carrying the client's full
// message when the client cannot be loaded, is too old, or refuses the
// connection; the message also says where the client was looked for.
std::unique_ptr<DbEngine> OpenOracleEngine(const OracleClientLocation& client,
                                           const std::string& connect_string,
                                           const std::string& user, const std::string& password);

}  // namespace lumora
