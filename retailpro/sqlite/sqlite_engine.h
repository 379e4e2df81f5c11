#pragma once

// The embedded engine: Retail Pro data in an SQLite file, queried with the
// product's Oracle SQL texts.

#include <memory>
#include <string>
#include <string_view>

#include "retailpro/db_engine.h"

namespace lumora {

// Opens the file read-only and supplies, inside SQLite, what the Oracle texts
// use: NVL, BITAND, TO_CHAR, TRUNC, SYSDATE and the catalog views
// sys.all_tables and sys.all_tab_columns. Raises EDatabaseError.
std::unique_ptr<DbEngine> OpenSqliteEngine(const std::string& path);

// The one change made to a text before SQLite sees it: the bare word SYSDATE
// (outside literals, quoted names and comments, not already called, not
// qualified) becomes the call SYSDATE(), because SQLite has no niladic
// functions. Everything else reaches SQLite as written.
std::string RewriteOracleWords(std::string_view sql);

}  // namespace lumora
