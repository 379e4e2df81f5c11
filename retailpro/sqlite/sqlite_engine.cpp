#include "retailpro/sqlite/sqlite_engine.h"

#include <sqlite3.h>

#include <cmath>
#include <charconv>
#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

#include "foundation/clock.h"
#include "foundation/date_time.h"
#include "retailpro/sqlite/count_query.h"
#include "retailpro/sqlite/oracle_functions.h"
#include "retailpro/sqlite/sql_words.h"
#include "foundation/text.h"

namespace lumora {
namespace {

// Oracle computes in decimal: 0.7 - 0.2 is exactly 0.5 there, while SQLite's
// doubles give 0.49999999999999994, which the batch would round down. Quantities
// carry a few decimal places at most, so a result rounded to 9 places is the
// decimal one; the batch's own rounding then sees what Oracle would return.
double AsOracleNumber(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) return value;
  char text[64];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 9);
  if (written.ec != std::errc()) return value;
  double rounded = value;
  std::from_chars(text, written.ptr, rounded);
  return rounded;
}

struct DatabaseCloser {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using DatabaseHandle = std::unique_ptr<sqlite3, DatabaseCloser>;
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

std::string_view NextWord(std::string_view sql, std::size_t from) {
  std::size_t end = from;
  while (end < sql.size() && IsSqlWordChar(sql[end])) ++end;
  return sql.substr(from, end - from);
}

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
  throw EDatabaseError(what + ": " + sqlite3_errmsg(db));
}

// The catalog Oracle keeps for every schema, here derived from the file's own
// tables under the owner CMS with names in upper case, so that a check for a
// column answers from the real schema. It lives in an in-memory database
// attached as "sys"; the Retail Pro file itself is attached read-only as
// "cms". SQLite finds unqualified table names in any attached database, so
// the texts need no schema prefix.
constexpr const char* kCatalogSql = R"sql(
ATTACH DATABASE ':memory:' AS sys;
CREATE TABLE sys.all_tables (owner TEXT NOT NULL, table_name TEXT NOT NULL,
  PRIMARY KEY (owner, table_name));
CREATE TABLE sys.all_tab_columns (owner TEXT NOT NULL, table_name TEXT NOT NULL,
  column_name TEXT NOT NULL, data_type TEXT, column_id INTEGER, nullable TEXT,
  PRIMARY KEY (owner, table_name, column_name));
INSERT INTO sys.all_tables (owner, table_name)
  SELECT 'CMS', upper(m.name) FROM cms.sqlite_schema m
  WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\_%' ESCAPE '\';
INSERT INTO sys.all_tab_columns (owner, table_name, column_name, data_type, column_id, nullable)
  SELECT 'CMS', upper(m.name), upper(c.name), upper(c.type), c.cid + 1,
         CASE c."notnull" WHEN 0 THEN 'Y' ELSE 'N' END
  FROM cms.sqlite_schema m, pragma_table_info(m.name, 'cms') c
  WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\_%' ESCAPE '\';
)sql";

// A file name as an SQLite URI that opens it read-only.
std::string ReadOnlyUri(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string uri = "file:";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsSqlWordChar(c) || c == '/' || c == '.' || c == '-' || c == '~') {
      uri.push_back(c);
    } else {
      uri.push_back('%');
      uri.push_back(kHex[byte >> 4]);
      uri.push_back(kHex[byte & 15]);
    }
  }
  return uri + "?mode=ro";
}

class SqliteCursor final : public DbCursor {
 public:
  SqliteCursor(StatementHandle statement, bool numbers_as_float)
      : statement_(std::move(statement)), numbers_as_float_(numbers_as_float) {
    const int count = sqlite3_column_count(statement_.get());
    names_.reserve(static_cast<std::size_t>(count));
    // Oracle reports unquoted names in capitals; grids title their columns
    // with what the engine reports.
    for (int i = 0; i < count; ++i) names_.push_back(AsciiUpper(sqlite3_column_name(statement_.get(), i)));
  }

  const std::vector<std::string>& ColumnNames() const override { return names_; }

  bool Fetch(std::vector<DbValue>& row) override {
    if (done_) return false;
    sqlite3_stmt* statement = statement_.get();
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_DONE) {
      done_ = true;
      return false;
    }
    if (rc != SQLITE_ROW) Fail(sqlite3_db_handle(statement), "Reading the result failed");
    row.resize(names_.size());
    for (int i = 0; i < static_cast<int>(names_.size()); ++i) {
      row[static_cast<std::size_t>(i)] = ColumnValue(statement, i);
    }
    return true;
  }

 private:
  DbValue ColumnValue(sqlite3_stmt* statement, int i) const {
    switch (sqlite3_column_type(statement, i)) {
      case SQLITE_INTEGER: {
        const sqlite3_int64 value = sqlite3_column_int64(statement, i);
        return numbers_as_float_ ? DbValue::Float(static_cast<double>(value))
                                 : DbValue::Integer(value);
      }
      case SQLITE_FLOAT:
        return DbValue::Float(AsOracleNumber(sqlite3_column_double(statement, i)));
      case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
        return DbValue::DriverText(std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, i))));
      }
      case SQLITE_NULL:
        return DbValue::Null();
      default:
        return DbValue::Other();
    }
  }

  StatementHandle statement_;
  bool numbers_as_float_;
  bool done_ = false;
  std::vector<std::string> names_;
};

class SqliteEngine final : public DbEngine {
 public:
  explicit SqliteEngine(const std::string& path) {
    // No mutex of SQLite's own: the connection's users take turns.
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(":memory:", &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    db_.reset(raw);
    if (rc != SQLITE_OK) {
      if (!db_) throw EDatabaseError("Cannot open the database \"" + path + "\": out of memory");
      Fail(db_.get(), "Cannot open the database \"" + path + "\"");
    }
    {
      sqlite3_stmt* attach = nullptr;
      if (sqlite3_prepare_v2(db_.get(), "ATTACH DATABASE ? AS cms", -1, &attach, nullptr) != SQLITE_OK) {
        Fail(db_.get(), "Cannot open the database \"" + path + "\"");
      }
      StatementHandle statement(attach);
      const std::string uri = ReadOnlyUri(path);
      sqlite3_bind_text(attach, 1, uri.c_str(), static_cast<int>(uri.size()), SQLITE_TRANSIENT);
      if (sqlite3_step(attach) != SQLITE_DONE) Fail(db_.get(), "Cannot open the database \"" + path + "\"");
    }
    sqlite3_extended_result_codes(db_.get(), 1);
    // The inventory query revisits the order tables' index pages for every
    // item: a page cache that holds them, and reads through a memory map,
    // keep a store's scan from going back to the file system a million times.
    // Mapped pages that were read count as the process's resident memory
    // (about 240 MB for a million-item store), but they are the file's clean
    // page-cache pages, which the system holds for a read() as well and can
    // drop at any time. Without the map a million-item scan takes twice as long.
    sqlite3_exec(db_.get(), "PRAGMA cms.cache_size = -65536; PRAGMA cms.mmap_size = 1073741824;",
                 nullptr, nullptr, nullptr);
    // A writer (the demo generator, a restore) may hold the file briefly.
    sqlite3_busy_timeout(db_.get(), 2000);
    RegisterOracleFunctions(db_.get(), &sysdate_);
    char* message = nullptr;
    if (sqlite3_exec(db_.get(), kCatalogSql, nullptr, nullptr, &message) != SQLITE_OK) {
      const std::string text = message != nullptr ? message : "unknown error";
      sqlite3_free(message);
      throw EDatabaseError("Cannot read the database \"" + path + "\": " + text);
    }
  }

  std::unique_ptr<DbCursor> Execute(std::string_view sql, const std::vector<DbParameter>& parameters,
                                    bool numbers_as_float) override {
    return std::make_unique<SqliteCursor>(Prepare(RewriteOracleWords(sql), parameters), numbers_as_float);
  }

  std::int64_t CountRows(std::string_view sql, const std::vector<DbParameter>& parameters) override {
    // Counting only the FROM and WHERE of the text spares the select list's
    // subqueries, which SQLite would evaluate for a wrapped count as well.
    // A text the derivation does not recognise is counted whole.
    const auto derived = CountQueryText(sql);
    if (derived) {
      // The whole text is still prepared (not run), so that a count fails
      // exactly where the read would: a name only the select list or the
      // ordering uses must not go unnoticed.
      Prepare(RewriteOracleWords(sql), parameters);
    }
    StatementHandle statement = Prepare(
        RewriteOracleWords(derived.value_or("select count(*) from (" + std::string(sql) + ")")),
        parameters);
    if (sqlite3_step(statement.get()) != SQLITE_ROW) Fail(db_.get(), "Counting the result failed");
    return sqlite3_column_int64(statement.get(), 0);
  }

 private:
  StatementHandle Prepare(const std::string& sql, const std::vector<DbParameter>& parameters) {
    // SYSDATE is the moment the statement starts, the same for every row.
    sysdate_ = FormatDateTime("yyyy-mm-dd hh:nn:ss", Now());
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sql.c_str(), static_cast<int>(sql.size()) + 1, &raw,
                           nullptr) != SQLITE_OK) {
      Fail(db_.get(), "The statement cannot be prepared");
    }
    StatementHandle statement(raw);
    if (!statement) throw EDatabaseError("The statement is empty");
    Bind(statement.get(), parameters);
    return statement;
  }

  void Bind(sqlite3_stmt* statement, const std::vector<DbParameter>& parameters) {
    std::vector<bool> used(parameters.size(), false);
    const int count = sqlite3_bind_parameter_count(statement);
    for (int i = 1; i <= count; ++i) {
      const char* raw_name = sqlite3_bind_parameter_name(statement, i);
      const std::string_view name = raw_name != nullptr ? std::string_view(raw_name + 1) : "";
      std::size_t found = parameters.size();
      for (std::size_t p = 0; p < parameters.size(); ++p) {
        if (SameText(parameters[p].name, name)) found = p;
      }
      if (raw_name == nullptr || *raw_name != ':' || found == parameters.size()) {
        throw EDatabaseError("The parameter \"" + std::string(raw_name ? raw_name : "?") +
                             "\" has no value");
      }
      used[found] = true;
      BindValue(statement, i, parameters[found].value);
    }
    for (std::size_t p = 0; p < parameters.size(); ++p) {
      if (!used[p]) throw EDatabaseError("Parameter '" + parameters[p].name + "' not found");
    }
  }

  void BindValue(sqlite3_stmt* statement, int index, const DbValue& value) {
    int rc = SQLITE_OK;
    switch (value.kind()) {
      case DbValue::Kind::Null:
        rc = sqlite3_bind_null(statement, index);
        break;
      case DbValue::Kind::Integer:
      case DbValue::Kind::Boolean:
      case DbValue::Kind::Other:
        rc = sqlite3_bind_int64(statement, index, value.integer());
        break;
      case DbValue::Kind::Float:
      case DbValue::Kind::Currency:
        rc = sqlite3_bind_double(statement, index, value.number());
        break;
      case DbValue::Kind::Date: {
        const std::string text = FormatDateTime("yyyy-mm-dd hh:nn:ss", value.number());
        rc = sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()),
                               SQLITE_TRANSIENT);
        break;
      }
      case DbValue::Kind::DriverText:
      case DbValue::Kind::Text:
        rc = sqlite3_bind_text(statement, index, value.text().c_str(),
                               static_cast<int>(value.text().size()), SQLITE_TRANSIENT);
        break;
    }
    if (rc != SQLITE_OK) Fail(db_.get(), "A parameter cannot be bound");
  }

  DatabaseHandle db_;
  std::string sysdate_;
};

}  // namespace

std::string RewriteOracleWords(std::string_view sql) {
  std::string out;
  out.reserve(sql.size() + 8);
  std::size_t i = 0;
  const auto copy_until = [&](std::string_view end_marker, std::size_t from) {
    const auto end = sql.find(end_marker, from);
    const std::size_t stop = end == std::string_view::npos ? sql.size() : end + end_marker.size();
    out.append(sql.substr(i, stop - i));
    i = stop;
  };
  while (i < sql.size()) {
    const char c = sql[i];
    if (c == '\'' || c == '"') {
      // Doubled quotes inside a literal simply continue it on the next pass.
      copy_until(std::string_view(&sql[i], 1), i + 1);
    } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
      copy_until("\n", i + 2);
    } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
      copy_until("*/", i + 2);
    } else if (IsSqlWordChar(c)) {
      std::size_t end = i;
      while (end < sql.size() && IsSqlWordChar(sql[end])) ++end;
      const std::string_view word = sql.substr(i, end - i);
      out.append(word);
      std::size_t next = end;
      while (next < sql.size() && IsBlankOrControl(sql[next])) ++next;
      const bool qualified = i > 0 && sql[i - 1] == '.';
      if (SameText(word, "sysdate") && !qualified &&
          (next == sql.size() || sql[next] != '(')) {
        out.append("()");
      } else if ((SameText(word, "asc") || SameText(word, "desc")) &&
                 !SameText(NextWord(sql, next), "nulls")) {
        out.append(SameText(word, "asc") ? " nulls last" : " nulls first");
      }
      i = end;
    } else {
      out.push_back(c);
      ++i;
    }
  }
  return out;
}

std::unique_ptr<DbEngine> OpenSqliteEngine(const std::string& path) {
  return std::make_unique<SqliteEngine>(path);
}

}  // namespace lumora
