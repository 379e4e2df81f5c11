#pragma once

// Oracle client discovery: where the installed client keeps its tnsnames.ora,
// and the connect descriptor of a TNS alias in that file. Stateless; any
// thread may call these (the session calls them inside its lock).

#include <string>
#include <string_view>

#include "foundation/exceptions.h"

namespace lumora {

// A failure to find the Oracle client, its tnsnames.ora or a usable alias.
LUMORA_DECLARE_EXCEPTION(EOracleClientError, Exception);

// The Oracle base directory and the Oracle home's version name.
struct OracleBaseInfo {
  std::string base;
  std::string version;
};

// Reads HKEY_LOCAL_MACHINE\SOFTWARE\ORACLE (or its WOW6432Node twin) and picks
// the last "KEY_" home the registry lists.
OracleBaseInfo GetOracleBase();

// base\version\NETWORK\ADMIN\tnsnames.ora. An empty ABase takes both the base
// and the version from GetOracleBase.
std::string TNSNamesPath(std::string_view ABase, std::string_view AVersion);

// The descriptor of AAlias in the tnsnames.ora at APath (or, when empty, at
// TNSNamesPath(ABase, AVersion)) with its line breaks removed; empty text when
// the alias does not occur.
std::string TNSNamesConnectString(std::string_view AAlias, std::string_view APath,
                                  std::string_view ABase, std::string_view AVersion);

// The descriptor search on text already read, for callers holding the file.
std::string FindConnectDescriptor(std::string_view AAlias, std::string_view ATnsText);

}  // namespace lumora

namespace lumora {

// The folder of the Oracle home's client library, from the ORACLE_HOME value
// of the home key GetOracleBase picks (its lib folder, bin on Windows); empty
// when the registry names no home, so that the normal library search applies.
// Never raises: a missing key only means the home is not recorded.
std::string OracleClientLibraryDir();

}  // namespace lumora
