#include "retailpro/sqlite/oracle_functions.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "retailpro/db_engine.h"

namespace lumora {
namespace {

constexpr int kPureFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;

void Nvl(sqlite3_context* context, int, sqlite3_value** args) {
  sqlite3_result_value(context, sqlite3_value_type(args[0]) != SQLITE_NULL ? args[0] : args[1]);
}

void BitAnd(sqlite3_context* context, int, sqlite3_value** args) {
  if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
    sqlite3_result_null(context);
    return;
  }
  sqlite3_result_int64(context, sqlite3_value_int64(args[0]) & sqlite3_value_int64(args[1]));
}

void ToChar(sqlite3_context* context, int, sqlite3_value** args) {
  switch (sqlite3_value_type(args[0])) {
    case SQLITE_NULL:
      sqlite3_result_null(context);
      return;
    case SQLITE_INTEGER: {
      char buffer[32];
      const int length = std::snprintf(buffer, sizeof buffer, "%lld",
                                       static_cast<long long>(sqlite3_value_int64(args[0])));
      sqlite3_result_text(context, buffer, length, SQLITE_TRANSIENT);
      return;
    }
    case SQLITE_FLOAT: {
      const std::string text = OracleNumberText(sqlite3_value_double(args[0]));
      sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      return;
    }
    default:
      sqlite3_result_value(context, args[0]);
  }
}

// TRUNC of a date (stored as "yyyy-mm-dd hh:nn:ss") is its midnight; TRUNC
// of a number drops its fraction.
void Trunc(sqlite3_context* context, int, sqlite3_value** args) {
  switch (sqlite3_value_type(args[0])) {
    case SQLITE_NULL:
      sqlite3_result_null(context);
      return;
    case SQLITE_INTEGER:
      sqlite3_result_value(context, args[0]);
      return;
    case SQLITE_FLOAT:
      sqlite3_result_double(context, std::trunc(sqlite3_value_double(args[0])));
      return;
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
      const int length = sqlite3_value_bytes(args[0]);
      if (text == nullptr || length < 10) {
        sqlite3_result_error(context, "TRUNC: not a date", -1);
        return;
      }
      std::string midnight(text, 10);
      midnight += " 00:00:00";
      sqlite3_result_text(context, midnight.c_str(), static_cast<int>(midnight.size()),
                          SQLITE_TRANSIENT);
    }
  }
}

void Sysdate(sqlite3_context* context, int, sqlite3_value**) {
  const auto* text = static_cast<const std::string*>(sqlite3_user_data(context));
  sqlite3_result_text(context, text->c_str(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
}

}  // namespace

std::string OracleNumberText(double value) {
  if (std::isnan(value)) return "~";
  if (std::isinf(value)) return value > 0 ? "~" : "-~";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text(buffer);
  if (text.find('e') != std::string::npos) return text;
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  else if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
  return text;
}

void RegisterOracleFunctions(sqlite3* db, const std::string* sysdate_text) {
  struct Function {
    const char* name;
    int arguments;
    int flags;
    void (*body)(sqlite3_context*, int, sqlite3_value**);
    void* data;
  };
  const Function functions[] = {
      {"NVL", 2, kPureFlags, Nvl, nullptr},
      {"BITAND", 2, kPureFlags, BitAnd, nullptr},
      {"TO_CHAR", 1, kPureFlags, ToChar, nullptr},
      {"TRUNC", 1, kPureFlags, Trunc, nullptr},
      // Constant within one statement (the text is fixed when it starts), which
      // is what SQLite's deterministic flag promises; SQLite then evaluates
      // trunc(sysdate) once per statement instead of once per order line.
      {"SYSDATE", 0, kPureFlags, Sysdate, const_cast<std::string*>(sysdate_text)},
  };
  for (const auto& function : functions) {
    if (sqlite3_create_function_v2(db, function.name, function.arguments, function.flags,
                                   function.data, function.body, nullptr, nullptr,
                                   nullptr) != SQLITE_OK) {
      throw EDatabaseError(std::string("Cannot register the function ") + function.name + ": " +
                           sqlite3_errmsg(db));
    }
  }
}

}  // namespace lumora
