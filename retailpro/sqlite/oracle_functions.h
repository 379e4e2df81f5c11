#pragma once

#include <string>

struct sqlite3;

namespace lumora {

// Registers on an SQLite connection the Oracle functions the product's texts
// call: NVL(a, b), BITAND(a, b), TO_CHAR(x), TRUNC(x) and SYSDATE(). SQLite
// matches function names without regard to case, so "Nvl" and "BitAnd" find
// them. SYSDATE() returns *sysdate_text, which the caller keeps alive and
// sets to the local time "yyyy-mm-dd hh:nn:ss" when a statement starts.
void RegisterOracleFunctions(sqlite3* db, const std::string* sysdate_text);

// TO_CHAR of a number as Oracle writes it: no trailing zeros, no exponent for
// ordinary magnitudes, and no zero before the decimal point (.5, -.25).
std::string OracleNumberText(double value);

}  // namespace lumora
