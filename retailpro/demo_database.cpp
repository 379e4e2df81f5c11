#include "retailpro/demo_database.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/clock.h"
#include "foundation/date_time.h"
#include "retailpro/db_engine.h"
#include "retailpro/retailpro_schema_sql.h"

namespace lumora {
namespace {

struct DatabaseCloser {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

// A small generator of our own (splitmix64), so that a seed gives the same
// database with any standard library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // 0 <= result < bound.
  int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }
  bool Percent(int chance) { return Below(100) < chance; }

 private:
  std::uint64_t state_;
};

class Writer {
 public:
  explicit Writer(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
      throw EDatabaseError("The database \"" + path + "\" exists already");
    }
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                   nullptr);
    db_.reset(raw);
    if (rc != SQLITE_OK) Fail("Cannot create the database \"" + path + "\"");
  }

  void Exec(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_.get(), sql, nullptr, nullptr, &message) != SQLITE_OK) {
      const std::string text = message != nullptr ? message : "unknown error";
      sqlite3_free(message);
      throw EDatabaseError(std::string("Building the database failed: ") + text);
    }
  }

  // One prepared INSERT, run once per row with Row(values...).
  class Insert {
   public:
    Insert(Writer& writer, const char* sql) : writer_(writer) {
      sqlite3_stmt* raw = nullptr;
      if (sqlite3_prepare_v2(writer.db_.get(), sql, -1, &raw, nullptr) != SQLITE_OK) {
        writer.Fail("Preparing an insert failed");
      }
      statement_.reset(raw);
    }
    template <class... Values>
    void Row(const Values&... values) {
      int index = 0;
      (Bind(++index, values), ...);
      if (sqlite3_step(statement_.get()) != SQLITE_DONE) writer_.Fail("Inserting a row failed");
      sqlite3_reset(statement_.get());
    }

   private:
    void Bind(int i, std::int64_t v) { sqlite3_bind_int64(statement_.get(), i, v); }
    void Bind(int i, int v) { sqlite3_bind_int(statement_.get(), i, v); }
    void Bind(int i, double v) { sqlite3_bind_double(statement_.get(), i, v); }
    void Bind(int i, const std::string& v) {
      sqlite3_bind_text(statement_.get(), i, v.c_str(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    void Bind(int i, const char* v) {
      if (v == nullptr) sqlite3_bind_null(statement_.get(), i);
      else sqlite3_bind_text(statement_.get(), i, v, -1, SQLITE_TRANSIENT);
    }
    // Optional text: empty means database null.
    void Bind(int i, const std::optional<std::string>& v) {
      if (v) Bind(i, *v);
      else sqlite3_bind_null(statement_.get(), i);
    }

    Writer& writer_;
    std::unique_ptr<sqlite3_stmt, StatementFinalizer> statement_;
  };

  [[noreturn]] void Fail(const std::string& what) {
    throw EDatabaseError(what + ": " + sqlite3_errmsg(db_.get()));
  }

 private:
  std::unique_ptr<sqlite3, DatabaseCloser> db_;
};

void CreateSchema(Writer& writer, bool local_upc) {
  // One transaction: one sync of the file instead of one per table.
  writer.Exec("BEGIN;");
  writer.Exec(RetailProSchemaSql());
  if (!local_upc) {
    writer.Exec(
        "DROP INDEX invn_sbs_sbs_vend;"
        "ALTER TABLE invn_sbs DROP COLUMN local_upc;"
        "CREATE INDEX invn_sbs_sbs_vend ON invn_sbs (sbs_no, vend_code);");
  }
  writer.Exec("COMMIT;");
}

// A code: its lead character, then `count` random digits. Built in one
// string: GCC 12 reports a false overlap (-Wrestrict) for "2" + std::string.
std::string Code(char lead, Random& random, int count) {
  std::string text(1, lead);
  text.reserve(1 + count);
  for (int i = 0; i < count; ++i) text.push_back(static_cast<char>('0' + random.Below(10)));
  return text;
}

// A quantity as a store would hold it: mostly whole units, a few returns
// beyond stock (negative) and a few items sold by weight or length.
double Quantity(Random& random) {
  if (random.Percent(3)) return -1.0 - random.Below(5);
  if (random.Percent(3)) return random.Below(40) + 0.25 * (1 + random.Below(3));
  return random.Below(200);
}

std::string DateText(TDateTime day, int offset_days, int hour) {
  return FormatDateTime("yyyy-mm-dd", day + offset_days) + " " +
         (hour < 10 ? "0" : "") + std::to_string(hour) + ":00:00";
}

TDateTime ParseDay(const std::string& text) {
  int year = 0, month = 0, day = 0;
  if (text.empty()) return DateOf(Now());
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d", &year, &month, &day) != 3 ||
      !IsValidDate(year, month, day)) {
    throw EDatabaseError("Not a date (yyyy-mm-dd): \"" + text + "\"");
  }
  CivilTime fields;
  fields.year = year;
  fields.month = month;
  fields.day = day;
  fields.hour = fields.minute = fields.second = fields.millisecond = 0;
  return EncodeDateTime(fields);
}

}  // namespace

const char* RetailProSchemaSql() { return kRetailProSchemaSql; }

void CreateRetailProDatabase(const std::string& path, bool local_upc) {
  Writer writer(path);
  CreateSchema(writer, local_upc);
}

void CreateDemoDatabase(const std::string& path, const DemoDatabaseOptions& options) {
  if (options.subsidiaries < 1 || options.stores_per_subsidiary < 1 || options.items < 0 ||
      options.sales_orders < 0 || options.transfer_orders < 0) {
    throw EDatabaseError("The demo database needs at least one subsidiary and one store");
  }
  const TDateTime today = ParseDay(options.today);
  Random random(options.seed);
  Writer writer(path);
  CreateSchema(writer, options.local_upc);
  writer.Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN;");

  Writer::Insert version(writer, "INSERT INTO version VALUES (?, ?, ?)");
  version.Row(0, "9.30", "9.30.0.161");
  version.Row(1, "9.30.161", "9.30.161.9310");

  Writer::Insert subsidiary(writer, "INSERT INTO subsidiary VALUES (?, ?)");
  Writer::Insert store(writer, "INSERT INTO store VALUES (?, ?, ?, ?, ?)");
  Writer::Insert controller(writer, "INSERT INTO controller VALUES (?, ?, ?, ?)");
  int controller_no = 0;
  for (int sbs = 1; sbs <= options.subsidiaries; ++sbs) {
    subsidiary.Row(sbs, "Subsidiary " + std::to_string(sbs));
    for (int st = 1; st <= options.stores_per_subsidiary; ++st) {
      const std::string code = std::to_string(sbs * 100 + st);
      store.Row(sbs, st, "S" + code, "Store " + code, st % 4 == 0 ? 0 : 1);
      controller.Row(++controller_no, sbs, st, sbs == 1 && st == 1 ? 1 : 0);
    }
  }

  Writer::Insert inventory(writer, "INSERT INTO inventory VALUES (?, ?, ?)");
  Writer::Insert invn_sbs(writer, options.local_upc
                                      ? "INSERT INTO invn_sbs VALUES (?, ?, ?, ?, ?)"
                                      : "INSERT INTO invn_sbs (item_sid, sbs_no, vend_code, active) VALUES (?, ?, ?, ?)");
  Writer::Insert invn_qty(writer, "INSERT INTO invn_sbs_qty VALUES (?, ?, ?, ?)");
  const std::int64_t first_sid = 1000000000000LL;
  for (int item = 0; item < options.items; ++item) {
    const std::int64_t sid = first_sid + item;
    // 3 % of the items have no UPC; a third of those at least a local one.
    const bool no_upc = random.Percent(3);
    const bool local_only = no_upc && random.Percent(33);
    std::optional<std::string> upc;
    if (!no_upc) upc = Code('0', random, 11);
    inventory.Row(sid, upc, "Item " + std::to_string(item + 1));
    for (int sbs = 1; sbs <= options.subsidiaries; ++sbs) {
      std::optional<std::string> local;
      if (local_only || (!no_upc && random.Percent(40))) local = Code('2', random, 12);
      char vendor[16];
      std::snprintf(vendor, sizeof vendor, "V%04d", random.Below(250));
      const int active = random.Percent(5) ? 0 : 1;
      if (options.local_upc) invn_sbs.Row(sid, sbs, std::string(vendor), local, active);
      else invn_sbs.Row(sid, sbs, std::string(vendor), active);
      for (int st = 1; st <= options.stores_per_subsidiary; ++st) {
        if (random.Percent(92)) invn_qty.Row(sid, sbs, st, Quantity(random));
      }
    }
  }

  const auto random_item = [&] { return first_sid + (options.items > 0 ? random.Below(options.items) : 0); };
  Writer::Insert so(writer, "INSERT INTO so VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
  Writer::Insert so_item(writer, "INSERT INTO so_item VALUES (?, ?, ?, ?, ?)");
  for (int order = 1; order <= options.sales_orders && options.items > 0; ++order) {
    const int sbs = 1 + random.Below(options.subsidiaries);
    const int st = 1 + random.Below(options.stores_per_subsidiary);
    const int type = random.Below(4);  // 3 is a type that commits nothing
    const int status = random.Percent(25) ? 1 : 0;
    const char* active = random.Percent(10) ? (random.Percent(50) ? "0" : nullptr) : "1";
    std::optional<std::string> cancel;
    if (random.Percent(50)) cancel = DateText(today, random.Below(41) - 20, random.Below(24));
    so.Row(order, sbs, st, order, type, status, active, DateText(today, -random.Below(60), 9), cancel);
    const int lines = 1 + random.Below(5);
    for (int pos = 1; pos <= lines; ++pos) {
      const double ordered = 1 + random.Below(10);
      const double sent = random.Percent(30) ? ordered : random.Below(static_cast<int>(ordered));
      so_item.Row(order, pos, random_item(), ordered, sent);
    }
  }

  Writer::Insert tord(writer, "INSERT INTO tord VALUES (?, ?, ?, ?, ?, ?, ?)");
  Writer::Insert tord_item(writer, "INSERT INTO tord_item VALUES (?, ?, ?)");
  Writer::Insert tord_qty(writer, "INSERT OR IGNORE INTO tord_qty VALUES (?, ?, ?, ?, ?)");
  for (int order = 1; order <= options.transfer_orders && options.items > 0; ++order) {
    const int sbs = 1 + random.Below(options.subsidiaries);
    const int st = 1 + random.Below(options.stores_per_subsidiary);
    const char* held = random.Percent(15) ? "1" : (random.Percent(50) ? "0" : nullptr);
    const char* active = random.Percent(10) ? "0" : "1";
    tord.Row(order, sbs, st, order, held, active, DateText(today, -random.Below(60), 10));
    const int lines = 1 + random.Below(4);
    for (int pos = 1; pos <= lines; ++pos) {
      tord_item.Row(order, pos, random_item());
      // Usually one receiving store; now and then a line to the sender itself.
      // A store drawn twice keeps its first line (INSERT OR IGNORE).
      const int receivers = 1 + random.Below(2);
      for (int r = 0; r < receivers; ++r) {
        const int to_store = 1 + (st - 1 + r + random.Below(options.stores_per_subsidiary)) %
                                     options.stores_per_subsidiary;
        const double ordered = 1 + random.Below(12);
        const double sent = random.Percent(30) ? ordered : random.Below(static_cast<int>(ordered));
        tord_qty.Row(order, pos, to_store, ordered, sent);
      }
    }
  }
  writer.Exec("COMMIT; ANALYZE;");
}

}  // namespace lumora
