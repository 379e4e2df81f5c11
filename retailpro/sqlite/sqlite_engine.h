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

// The two changes made to a text before SQLite sees it, both on words outside
// literals, quoted names and comments:
//  * the bare word SYSDATE (not qualified, not already called) becomes the
//    call SYSDATE(), because SQLite has no functions called without brackets;
//  * an explicit ASC or DESC gets Oracle's null placement (ASC NULLS LAST,
//    DESC NULLS FIRST) unless it states its own, because SQLite places nulls
//    the other way round and the result's order is part of what it means.
// Everything else reaches SQLite as written.
std::string RewriteOracleWords(std::string_view sql);

}  // namespace lumora
