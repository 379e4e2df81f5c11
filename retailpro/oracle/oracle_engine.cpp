#include "retailpro/oracle/oracle_engine.h"

#include <dpi.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <string_view>
#include <vector>

#include "foundation/date_time.h"

namespace lumora {
namespace {

// Rows per round trip: a million-item store is then a thousand fetches, not a
// million. Prefetch fills the first array with the execute's own round trip.
constexpr std::uint32_t kFetchArraySize = 1000;
constexpr std::uint32_t kPrefetchRows = 1000;

std::string ErrorText(const dpiErrorInfo& info) {
  return std::string(info.message, info.messageLength);
}

// The one ODPI-C context of the process. ODPI-C loads the client library once
// per process, so every connection shares it; threaded, because the
// configurator opens its store list on a worker thread. It is never
// destroyed: connections may be released as late as program end.
class ProcessContext {
 public:
  static dpiContext* Get(const OracleClientLocation& client) {
    static ProcessContext instance;
    const std::lock_guard guard(instance.lock_);
    if (instance.context_ == nullptr) instance.Create(client);
    return instance.context_;
  }

 private:
  void Create(const OracleClientLocation& client) {
    dpiContextCreateParams params{};
    params.defaultDriverName = "Lumora Connector";
    if (!client.library_dir.empty()) params.oracleClientLibDir = client.library_dir.c_str();
    dpiErrorInfo info{};
    if (dpiContext_createWithParams(DPI_MAJOR_VERSION, DPI_MINOR_VERSION, &params, &context_,
                                    &info) != DPI_SUCCESS) {
      context_ = nullptr;
      const std::string where =
          client.library_dir.empty()
              ? std::string("the system's library search path")
              : "the Oracle home's library folder \"" + client.library_dir + "\"";
      throw EDatabaseError(ErrorText(info) + " (the Oracle client was looked for in " + where +
                           ")");
    }
  }

  std::mutex lock_;
  dpiContext* context_ = nullptr;
};

[[noreturn]] void Fail(dpiContext* context, std::string_view what) {
  dpiErrorInfo info{};
  dpiContext_getError(context, &info);
  throw EDatabaseError(std::string(what) + ": " + ErrorText(info));
}

struct ConnReleaser {
  void operator()(dpiConn* conn) const { dpiConn_release(conn); }
};
struct StmtReleaser {
  void operator()(dpiStmt* stmt) const { dpiStmt_release(stmt); }
};
struct VarReleaser {
  void operator()(dpiVar* var) const { dpiVar_release(var); }
};
using ConnHandle = std::unique_ptr<dpiConn, ConnReleaser>;
using StmtHandle = std::unique_ptr<dpiStmt, StmtReleaser>;
using VarHandle = std::unique_ptr<dpiVar, VarReleaser>;

// How one result column is read and turned into a value.
enum class ColumnKind { Text, Integer, Float, Date };

struct Column {
  ColumnKind kind;
  VarHandle var;
  dpiData* data = nullptr;
};

TDateTime TimestampValue(const dpiTimestamp& ts) {
  platform::CivilTime fields;
  fields.year = ts.year;
  fields.month = ts.month;
  fields.day = ts.day;
  fields.hour = ts.hour;
  fields.minute = ts.minute;
  fields.second = ts.second;
  fields.millisecond = static_cast<int>(ts.fsecond / 1000000);
  return EncodeDateTime(fields);
}

class OracleCursor final : public DbCursor {
 public:
  OracleCursor(dpiContext* context, dpiConn* conn, StmtHandle stmt, std::uint32_t column_count,
               bool numbers_as_float)
      : context_(context), stmt_(std::move(stmt)) {
    names_.reserve(column_count);
    columns_.reserve(column_count);
    for (std::uint32_t pos = 1; pos <= column_count; ++pos) {
      dpiQueryInfo info{};
      if (dpiStmt_getQueryInfo(stmt_.get(), pos, &info) != DPI_SUCCESS) {
        Fail(context_, "Describing the result failed");
      }
      names_.emplace_back(info.name, info.nameLength);
      Define(conn, pos, info.typeInfo, numbers_as_float);
    }
  }

  const std::vector<std::string>& ColumnNames() const override { return names_; }

  bool Fetch(std::vector<DbValue>& row) override {
    if (buffered_ == 0) {
      if (!more_) return false;
      int more = 0;
      if (dpiStmt_fetchRows(stmt_.get(), kFetchArraySize, &index_, &buffered_, &more) !=
          DPI_SUCCESS) {
        Fail(context_, "Reading the result failed");
      }
      more_ = more != 0;
      if (buffered_ == 0) return false;
    }
    row.resize(columns_.size());
    for (std::size_t i = 0; i < columns_.size(); ++i) row[i] = Value(columns_[i], index_);
    ++index_;
    --buffered_;
    return true;
  }

 private:
  void Define(dpiConn* conn, std::uint32_t pos, const dpiDataTypeInfo& type,
              bool numbers_as_float) {
    dpiOracleTypeNum oracle_type = type.oracleTypeNum;
    dpiNativeTypeNum native_type = DPI_NATIVE_TYPE_BYTES;
    ColumnKind kind = ColumnKind::Text;
    std::uint32_t size = 0;
    switch (type.oracleTypeNum) {
      case DPI_ORACLE_TYPE_NUMBER:
      case DPI_ORACLE_TYPE_NATIVE_INT:
      case DPI_ORACLE_TYPE_NATIVE_UINT:
      case DPI_ORACLE_TYPE_NATIVE_FLOAT:
      case DPI_ORACLE_TYPE_NATIVE_DOUBLE: {
        // Whole numbers of a declared precision keep their integer kind
        // unless the caller turned fixed-point fields off.
        const bool whole = type.oracleTypeNum == DPI_ORACLE_TYPE_NUMBER && type.scale == 0 &&
                           type.precision > 0 && type.precision <= 18;
        if (whole && !numbers_as_float) {
          native_type = DPI_NATIVE_TYPE_INT64;
          kind = ColumnKind::Integer;
        } else {
          native_type = DPI_NATIVE_TYPE_DOUBLE;
          kind = ColumnKind::Float;
        }
        if (type.oracleTypeNum == DPI_ORACLE_TYPE_NATIVE_UINT ||
            type.oracleTypeNum == DPI_ORACLE_TYPE_NATIVE_FLOAT) {
          oracle_type = DPI_ORACLE_TYPE_NATIVE_DOUBLE;
        }
        break;
      }
      case DPI_ORACLE_TYPE_DATE:
      case DPI_ORACLE_TYPE_TIMESTAMP:
      case DPI_ORACLE_TYPE_TIMESTAMP_TZ:
      case DPI_ORACLE_TYPE_TIMESTAMP_LTZ:
        native_type = DPI_NATIVE_TYPE_TIMESTAMP;
        kind = ColumnKind::Date;
        break;
      case DPI_ORACLE_TYPE_VARCHAR:
      case DPI_ORACLE_TYPE_NVARCHAR:
      case DPI_ORACLE_TYPE_CHAR:
      case DPI_ORACLE_TYPE_NCHAR:
      case DPI_ORACLE_TYPE_ROWID:
        // The environment's character sets are UTF-8, so text arrives in the
        // program's own encoding; national text is read as ordinary text.
        oracle_type = DPI_ORACLE_TYPE_VARCHAR;
        // A column of empty literals is described with size 0.
        size = std::max<std::uint32_t>(type.clientSizeInBytes, 1);
        break;
      case DPI_ORACLE_TYPE_LONG_VARCHAR:
      case DPI_ORACLE_TYPE_CLOB:
      case DPI_ORACLE_TYPE_NCLOB:
        oracle_type = DPI_ORACLE_TYPE_LONG_VARCHAR;
        break;
      default:
        throw EDatabaseError("The result column \"" + names_.back() +
                             "\" has a type the connector cannot read");
    }
    Column column{kind, nullptr, nullptr};
    dpiVar* var = nullptr;
    if (dpiConn_newVar(conn, oracle_type, native_type, kFetchArraySize, size, 1, 0, nullptr, &var,
                       &column.data) != DPI_SUCCESS) {
      Fail(context_, "Preparing the result column \"" + names_.back() + "\" failed");
    }
    column.var.reset(var);
    if (dpiStmt_define(stmt_.get(), pos, var) != DPI_SUCCESS) {
      Fail(context_, "Preparing the result column \"" + names_.back() + "\" failed");
    }
    columns_.push_back(std::move(column));
  }

  static DbValue Value(const Column& column, std::uint32_t index) {
    const dpiData& data = column.data[index];
    if (data.isNull) return DbValue::Null();
    switch (column.kind) {
      case ColumnKind::Integer:
        return DbValue::Integer(data.value.asInt64);
      case ColumnKind::Float:
        return DbValue::Float(data.value.asDouble);
      case ColumnKind::Date:
        return DbValue::Date(TimestampValue(data.value.asTimestamp));
      case ColumnKind::Text:
        break;
    }
    const dpiBytes& bytes = data.value.asBytes;
    return DbValue::DriverText(std::string(bytes.ptr, bytes.length));
  }

  dpiContext* context_;
  StmtHandle stmt_;
  std::vector<std::string> names_;
  std::vector<Column> columns_;
  std::uint32_t index_ = 0;
  std::uint32_t buffered_ = 0;
  bool more_ = true;
};

class OracleEngine final : public DbEngine {
 public:
  OracleEngine(dpiContext* context, const std::string& connect_string, const std::string& user,
               const std::string& password)
      : context_(context) {
    dpiCommonCreateParams common{};
    if (dpiContext_initCommonCreateParams(context_, &common) != DPI_SUCCESS) {
      Fail(context_, "Connecting to the Oracle database failed");
    }
    common.createMode = DPI_MODE_CREATE_THREADED;
    common.encoding = "UTF-8";
    common.nencoding = "UTF-8";
    dpiConnCreateParams create{};
    if (dpiContext_initConnCreateParams(context_, &create) != DPI_SUCCESS) {
      Fail(context_, "Connecting to the Oracle database failed");
    }
    dpiConn* conn = nullptr;
    if (dpiConn_create(context_, user.data(), static_cast<std::uint32_t>(user.size()),
                       password.data(), static_cast<std::uint32_t>(password.size()),
                       connect_string.data(), static_cast<std::uint32_t>(connect_string.size()),
                       &common, &create, &conn) != DPI_SUCCESS) {
      Fail(context_, "Connecting to the Oracle database failed");
    }
    conn_.reset(conn);
  }

  std::unique_ptr<DbCursor> Execute(std::string_view sql, const std::vector<DbParameter>& parameters,
                                    bool numbers_as_float) override {
    StmtHandle stmt = Prepare(sql, parameters);
    std::uint32_t column_count = 0;
    if (dpiStmt_execute(stmt.get(), DPI_MODE_EXEC_DEFAULT, &column_count) != DPI_SUCCESS) {
      Fail(context_, "The statement failed");
    }
    return std::make_unique<OracleCursor>(context_, conn_.get(), std::move(stmt), column_count,
                                          numbers_as_float);
  }

  std::int64_t CountRows(std::string_view sql, const std::vector<DbParameter>& parameters) override {
    const std::string text = "select count(*) from (" + std::string(sql) + ")";
    OracleCursor cursor = OpenCount(text, parameters);
    std::vector<DbValue> row;
    if (!cursor.Fetch(row) || row.empty()) throw EDatabaseError("Counting the result failed");
    return static_cast<std::int64_t>(std::llround(row[0].AsFloat()));
  }

 private:
  OracleCursor OpenCount(const std::string& text, const std::vector<DbParameter>& parameters) {
    StmtHandle stmt = Prepare(text, parameters);
    std::uint32_t column_count = 0;
    if (dpiStmt_execute(stmt.get(), DPI_MODE_EXEC_DEFAULT, &column_count) != DPI_SUCCESS) {
      Fail(context_, "Counting the result failed");
    }
    return OracleCursor(context_, conn_.get(), std::move(stmt), column_count, true);
  }

  StmtHandle Prepare(std::string_view sql, const std::vector<DbParameter>& parameters) {
    dpiStmt* raw = nullptr;
    if (dpiConn_prepareStmt(conn_.get(), 0, sql.data(), static_cast<std::uint32_t>(sql.size()),
                            nullptr, 0, &raw) != DPI_SUCCESS) {
      Fail(context_, "The statement cannot be prepared");
    }
    StmtHandle stmt(raw);
    if (dpiStmt_setFetchArraySize(stmt.get(), kFetchArraySize) != DPI_SUCCESS ||
        dpiStmt_setPrefetchRows(stmt.get(), kPrefetchRows) != DPI_SUCCESS) {
      Fail(context_, "The statement cannot be prepared");
    }
    for (const auto& parameter : parameters) Bind(stmt.get(), parameter);
    return stmt;
  }

  void Bind(dpiStmt* stmt, const DbParameter& parameter) {
    dpiData data{};
    dpiNativeTypeNum type = DPI_NATIVE_TYPE_INT64;
    std::string text;
    const DbValue& value = parameter.value;
    switch (value.kind()) {
      case DbValue::Kind::Null:
        data.isNull = 1;
        break;
      case DbValue::Kind::Integer:
      case DbValue::Kind::Boolean:
      case DbValue::Kind::Other:
        data.value.asInt64 = value.integer();
        break;
      case DbValue::Kind::Float:
      case DbValue::Kind::Currency:
        type = DPI_NATIVE_TYPE_DOUBLE;
        data.value.asDouble = value.number();
        break;
      case DbValue::Kind::Date:
        text = FormatDateTime("yyyy-mm-dd hh:nn:ss", value.number());
        break;
      case DbValue::Kind::DriverText:
      case DbValue::Kind::Text:
        text = value.text();
        break;
    }
    if (value.kind() == DbValue::Kind::Date || value.kind() == DbValue::Kind::DriverText ||
        value.kind() == DbValue::Kind::Text) {
      type = DPI_NATIVE_TYPE_BYTES;
      data.value.asBytes.ptr = text.data();
      data.value.asBytes.length = static_cast<std::uint32_t>(text.size());
    }
    // ODPI-C copies the value into its own variable, so the text may go.
    if (dpiStmt_bindValueByName(stmt, parameter.name.data(),
                                static_cast<std::uint32_t>(parameter.name.size()), type,
                                &data) != DPI_SUCCESS) {
      Fail(context_, "The parameter \"" + parameter.name + "\" cannot be bound");
    }
  }

  dpiContext* context_;
  ConnHandle conn_;
};

}  // namespace

std::unique_ptr<DbEngine> OpenOracleEngine(const OracleClientLocation& client,
                                           const std::string& connect_string,
                                           const std::string& user, const std::string& password) {
  return std::make_unique<OracleEngine>(ProcessContext::Get(client), connect_string, user,
                                        password);
}

}  // namespace lumora
