// A test double of the Oracle client library (libclntsh.so): the Oracle Call
// Interface entry points that ODPI-C uses for a standalone connection and a
// query, answered by the connector's embedded SQLite engine. It lets the
// Oracle engine run its real code path (loading the client, connecting,
// binding by name, describing, array fetches, number and text conversion,
// error records) without an Oracle installation.
//
// Chosen per test through the environment:
//   LUMORA_OCI_DOUBLE_VERSION   the client version it reports: "10.2", "11.2"
//                               or "19.3" (the default);
//   LUMORA_OCI_DOUBLE_CONNECT   "no-listener" refuses the server attach with
//                               ORA-12541, "invalid-login" the session with
//                               ORA-01017; anything else connects;
//   LUMORA_OCI_DOUBLE_DATABASE  the SQLite file to serve; without it, the
//                               HOST of the connect descriptor names the file.
//
// The private NUMBER encoding (a tag byte and a double) is only ever read by
// this library's own number functions, as ODPI-C treats OCINumber as opaque
// for the conversions the connector asks for.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "retailpro/db_engine.h"
#include "retailpro/sqlite/sqlite_engine.h"
#include "foundation/text.h"

namespace {

using lumora::DbValue;

// The OCI numbers this double speaks.
constexpr int kSuccess = 0;
constexpr int kError = -1;
constexpr int kInvalidHandle = -2;
constexpr int kNoData = 100;

constexpr std::uint32_t kHtypeEnv = 1, kHtypeError = 2, kHtypeSvcCtx = 3, kHtypeStmt = 4,
                        kHtypeBind = 5, kHtypeDefine = 6, kHtypeDescribe = 7, kHtypeServer = 8,
                        kHtypeSession = 9;
constexpr std::uint32_t kDtypeParam = 53;

constexpr std::uint32_t kAttrDataSize = 1, kAttrDataType = 2, kAttrName = 4, kAttrPrecision = 5,
                        kAttrScale = 6, kAttrServer = 6, kAttrSession = 7, kAttrIsNull = 7,
                        kAttrRowCount = 9, kAttrParamCount = 18, kAttrUsername = 22,
                        kAttrPassword = 23, kAttrStmtType = 24, kAttrCharsetId = 31,
                        kAttrCharsetForm = 32, kAttrServerStatus = 143, kAttrRowsFetched = 197,
                        kAttrNcharsetId = 262, kAttrCharSize = 286, kAttrUb8RowCount = 457,
                        kAttrErrorIsRecoverable = 472, kAttrTransactionInProgress = 484;

constexpr std::uint16_t kSqltChr = 1, kSqltNum = 2, kSqltInt = 3, kSqltFlt = 4, kSqltVnu = 6,
                        kSqltVcs = 9, kSqltBfloat = 21, kSqltBdouble = 22, kSqltAfc = 96,
                        kSqltIbfloat = 100, kSqltIbdouble = 101;

constexpr std::uint16_t kCharsetUtf8 = 873;
constexpr std::uint16_t kNumberSize = 22;
constexpr unsigned char kNumberTag = 0xD0;
// Text columns of computed values have no declared length; the widest
// VARCHAR2 stands in for it.
constexpr std::uint16_t kTextColumnBytes = 4000;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

struct Handle;

// An error record, kept in the error handle the failing call was given.
struct ErrorRecord {
  std::int32_t code = 0;
  std::string message;
};

struct Column {
  std::string name;
  std::uint16_t type = kSqltChr;
  std::int16_t precision = 0;
  std::int8_t scale = 0;
};

struct Define {
  void* value = nullptr;
  std::int64_t size = 0;
  std::uint16_t type = 0;
  std::int16_t* indicators = nullptr;
  void* lengths = nullptr;
  bool wide_lengths = false;  // ub4 lengths (OCIDefineByPos2) or ub2
  std::uint16_t* codes = nullptr;  // column-level return codes, one per row
};

struct Bind {
  std::string name;
  void* value = nullptr;
  std::int64_t size = 0;
  std::uint16_t type = 0;
  std::int16_t* indicator = nullptr;
  void* length = nullptr;
  bool wide_length = false;
};

// Every handle and descriptor is one of these; `type` says which.
struct Handle {
  std::uint32_t type = 0;
  Handle* env = nullptr;
  ErrorRecord error;                                   // error handles
  std::string username, password;                      // sessions
  Handle* server = nullptr;                            // service contexts
  std::unique_ptr<lumora::DbEngine> engine;            // servers
  Handle* svc = nullptr;                               // statements
  std::string sql;                                     // statements
  std::vector<std::unique_ptr<Handle>> binds;          // statements
  std::map<std::uint32_t, std::unique_ptr<Handle>> defines;  // statements, by position
  std::unique_ptr<lumora::DbCursor> cursor;            // statements
  std::vector<Column> columns;                         // statements
  std::deque<std::vector<DbValue>> pending;            // statements: rows read ahead
  bool exhausted = false;                              // statements
  std::uint32_t rows_fetched = 0, row_count = 0;       // statements
  Bind bind;                                           // bind handles
  Define define;                                       // define handles
  const Column* column = nullptr;                      // parameter descriptors
  // Freeing an environment frees every handle allocated from it, as the
  // client does: ODPI-C leaves its pooled error handles to that.
  Handle* owner = nullptr;
  std::mutex children_lock;
  std::unordered_set<Handle*> children;
};

int Fail(void* error_handle, std::int32_t code, const std::string& message) {
  if (auto* handle = static_cast<Handle*>(error_handle); handle && handle->type == kHtypeError) {
    handle->error.code = code;
    handle->error.message = message;
  }
  return kError;
}

bool StartsWithWord(const std::string& sql, const char* word) {
  const auto text = lumora::Trim(sql);
  const std::size_t n = std::strlen(word);
  return text.size() >= n && lumora::SameText(text.substr(0, n), word);
}

// The value of KEY = value inside a connect descriptor, the way tnsnames.ora
// writes it: "(HOST = /path/to/file.db)".
std::string DescriptorValue(const std::string& descriptor, const std::string& key) {
  const std::string upper = lumora::AsciiUpper(descriptor);
  std::size_t at = 0;
  while ((at = upper.find(key, at)) != std::string::npos) {
    const bool starts = at > 0 && (upper[at - 1] == '(' || upper[at - 1] == ' ');
    std::size_t i = at + key.size();
    while (i < upper.size() && upper[i] == ' ') ++i;
    if (starts && i < upper.size() && upper[i] == '=') {
      const std::size_t end = descriptor.find(')', i);
      return std::string(lumora::Trim(descriptor.substr(i + 1, end - i - 1)));
    }
    at += key.size();
  }
  return {};
}

void WriteNumber(void* target, double value) {
  auto* bytes = static_cast<unsigned char*>(target);
  std::memset(bytes, 0, kNumberSize);
  bytes[0] = kNumberTag;
  std::memcpy(bytes + 1, &value, sizeof value);
}

double ReadNumber(const void* source) {
  double value = 0;
  std::memcpy(&value, static_cast<const unsigned char*>(source) + 1, sizeof value);
  return value;
}

DbValue BindValue(const Bind& bind) {
  if (bind.indicator != nullptr && *bind.indicator == -1) return DbValue::Null();
  const std::uint32_t length =
      bind.length == nullptr ? static_cast<std::uint32_t>(bind.size)
      : bind.wide_length     ? *static_cast<std::uint32_t*>(bind.length)
                             : *static_cast<std::uint16_t*>(bind.length);
  switch (bind.type) {
    case kSqltInt:
      if (bind.size == 4) return DbValue::Integer(*static_cast<std::int32_t*>(bind.value));
      return DbValue::Integer(*static_cast<std::int64_t*>(bind.value));
    case kSqltVnu:
    case kSqltNum: {
      // A NUMBER does not tell integers from fractions; whole values go to
      // SQLite as integers so that they compare with integer keys by index.
      const double number = ReadNumber(bind.value);
      if (std::trunc(number) == number && std::fabs(number) < 9.0e15) {
        return DbValue::Integer(static_cast<std::int64_t>(number));
      }
      return DbValue::Float(number);
    }
    case kSqltFlt:
    case kSqltBdouble:
    case kSqltIbdouble:
      if (bind.size == 4) return DbValue::Float(*static_cast<float*>(bind.value));
      return DbValue::Float(*static_cast<double*>(bind.value));
    default:
      return DbValue::DriverText(std::string(static_cast<const char*>(bind.value), length));
  }
}

// Reads ahead until every column has shown a value (or a fetch array's worth
// of rows has gone by), so that the description can name each column's type
// before the first fetch, as a real server knows it from the schema.
void Describe(Handle& stmt) {
  const auto& names = stmt.cursor->ColumnNames();
  stmt.columns.assign(names.size(), Column{});
  std::vector<bool> known(names.size(), false);
  for (std::size_t i = 0; i < names.size(); ++i) stmt.columns[i].name = names[i];
  std::size_t unknown = names.size();
  while (unknown > 0 && stmt.pending.size() < 1000) {
    std::vector<DbValue> row;
    if (!stmt.cursor->Fetch(row)) {
      stmt.exhausted = true;
      break;
    }
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (known[i] || row[i].IsNull()) continue;
      known[i] = true;
      --unknown;
      Column& column = stmt.columns[i];
      switch (row[i].kind()) {
        case DbValue::Kind::Integer:
          column.type = kSqltNum;
          column.precision = 18;
          column.scale = 0;
          break;
        case DbValue::Kind::Float:
          // NUMBER without precision, as Oracle describes a computed value.
          column.type = kSqltNum;
          column.precision = 0;
          column.scale = -127;
          break;
        default:
          column.type = kSqltChr;
          break;
      }
    }
    stmt.pending.push_back(std::move(row));
  }
}

bool NextRow(Handle& stmt, std::vector<DbValue>& row) {
  if (!stmt.pending.empty()) {
    row = std::move(stmt.pending.front());
    stmt.pending.pop_front();
    return true;
  }
  if (stmt.exhausted) return false;
  if (!stmt.cursor->Fetch(row)) {
    stmt.exhausted = true;
    return false;
  }
  return true;
}

void SetLength(const Define& define, std::uint32_t index, std::uint32_t length) {
  if (define.lengths == nullptr) return;
  if (define.wide_lengths) {
    static_cast<std::uint32_t*>(define.lengths)[index] = length;
  } else {
    static_cast<std::uint16_t*>(define.lengths)[index] = static_cast<std::uint16_t>(length);
  }
}

// Stores one value into row `index` of a define's arrays; false when the text
// does not fit the buffer.
bool StoreValue(const Define& define, std::uint32_t index, const DbValue& value) {
  if (define.indicators != nullptr) define.indicators[index] = value.IsNull() ? -1 : 0;
  // 1405: "fetched column value is NULL", as the client reports it.
  if (define.codes != nullptr) define.codes[index] = value.IsNull() ? 1405 : 0;
  if (value.IsNull()) {
    SetLength(define, index, 0);
    return true;
  }
  auto* target = static_cast<unsigned char*>(define.value) + define.size * index;
  const bool numeric = value.kind() == DbValue::Kind::Integer || value.kind() == DbValue::Kind::Float;
  const double number = value.kind() == DbValue::Kind::Integer ? static_cast<double>(value.integer())
                        : numeric ? value.number() : 0.0;
  switch (define.type) {
    case kSqltVnu:
    case kSqltNum:
      WriteNumber(target, numeric ? number : value.AsFloat());
      SetLength(define, index, kNumberSize);
      return true;
    case kSqltInt: {
      const auto whole = static_cast<std::int64_t>(numeric ? number : value.AsFloat());
      std::memcpy(target, &whole, sizeof whole);
      SetLength(define, index, sizeof whole);
      return true;
    }
    case kSqltBdouble:
    case kSqltIbdouble: {
      const double real = numeric ? number : value.AsFloat();
      std::memcpy(target, &real, sizeof real);
      SetLength(define, index, sizeof real);
      return true;
    }
    case kSqltBfloat:
    case kSqltIbfloat: {
      const auto real = static_cast<float>(numeric ? number : value.AsFloat());
      std::memcpy(target, &real, sizeof real);
      SetLength(define, index, sizeof real);
      return true;
    }
    default: {
      std::string text;
      if (value.kind() == DbValue::Kind::Integer) {
        text = std::to_string(value.integer());
      } else if (value.kind() == DbValue::Kind::Float) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", value.number());
        text = buffer;
      } else {
        text = value.text();
      }
      if (static_cast<std::int64_t>(text.size()) > define.size) return false;
      std::memcpy(target, text.data(), text.size());
      SetLength(define, index, static_cast<std::uint32_t>(text.size()));
      return true;
    }
  }
}

int CopyText(const std::string& text, void* attribute, std::uint32_t* size) {
  *static_cast<const char**>(attribute) = text.c_str();
  if (size != nullptr) *size = static_cast<std::uint32_t>(text.size());
  return kSuccess;
}

template <typename T>
int Put(void* attribute, T value) {
  std::memcpy(attribute, &value, sizeof value);
  return kSuccess;
}

struct ThreadKey {
  void (*destructor)(void*) = nullptr;
};

// Per-thread values of the thread keys. The map is reached through a plain
// pointer so that a call made while the process ends (ODPI-C cleans up in a
// library destructor) finds no map rather than a destroyed one.
using ThreadValues = std::unordered_map<void*, void*>;
thread_local ThreadValues* tls_values = nullptr;

struct ThreadValuesReaper {
  ~ThreadValuesReaper() {
    ThreadValues* values = tls_values;
    tls_values = nullptr;
    if (values == nullptr) return;
    for (auto& [key, value] : *values) {
      auto* thread_key = static_cast<ThreadKey*>(key);
      if (value != nullptr && thread_key->destructor != nullptr) thread_key->destructor(value);
    }
    delete values;
  }
};
thread_local ThreadValuesReaper tls_reaper;

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void OCIClientVersion(int* major, int* minor, int* update,
                                                             int* patch, int* port_update) {
  const std::string version = Env("LUMORA_OCI_DOUBLE_VERSION");
  *major = 19;
  *minor = 3;
  if (version == "10.2" || version == "11.2") {
    *major = version[0] == '1' && version[1] == '0' ? 10 : 11;
    *minor = 2;
  }
  *update = 0;
  *patch = 0;
  *port_update = 0;
}

__attribute__((visibility("default"))) void OCIThreadProcessInit() {}

__attribute__((visibility("default"))) int OCIEnvNlsCreate(void** envp, std::uint32_t, void*,
                                                           void*, void*, void*, std::size_t,
                                                           void**, std::uint16_t, std::uint16_t) {
  auto* env = new Handle;  // owned by the caller until OCIHandleFree
  env->type = kHtypeEnv;
  env->env = env;
  *envp = env;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIHandleAlloc(const void* parent, void** handle,
                                                          std::uint32_t type, std::size_t, void**) {
  auto* created = new Handle;  // owned by the caller until OCIHandleFree, or by its environment
  created->type = type;
  auto* env = const_cast<Handle*>(static_cast<const Handle*>(parent));
  created->env = env;
  if (env != nullptr && env->type == kHtypeEnv) {
    const std::lock_guard guard(env->children_lock);
    created->owner = env;
    env->children.insert(created);
  }
  *handle = created;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIHandleFree(void* handle, std::uint32_t) {
  auto* freed = static_cast<Handle*>(handle);
  if (freed == nullptr) return kInvalidHandle;
  if (freed->owner != nullptr) {
    const std::lock_guard guard(freed->owner->children_lock);
    freed->owner->children.erase(freed);
  }
  std::unordered_set<Handle*> children;
  {
    const std::lock_guard guard(freed->children_lock);
    children.swap(freed->children);
  }
  for (Handle* child : children) delete child;
  delete freed;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIDescriptorAlloc(const void* parent, void** handle,
                                                              std::uint32_t type, std::size_t,
                                                              void**) {
  return OCIHandleAlloc(parent, handle, type, 0, nullptr);
}

__attribute__((visibility("default"))) int OCIDescriptorFree(void* handle, std::uint32_t type) {
  return OCIHandleFree(handle, type);
}

__attribute__((visibility("default"))) int OCIErrorGet(void* handle, std::uint32_t record,
                                                       char* sqlstate, std::int32_t* code,
                                                       char* buffer, std::uint32_t size,
                                                       std::uint32_t) {
  auto* error = static_cast<Handle*>(handle);
  if (error == nullptr || record != 1 || error->error.code == 0) return kNoData;
  if (code != nullptr) *code = error->error.code;
  if (sqlstate != nullptr) std::strcpy(sqlstate, "HY000");
  if (buffer != nullptr && size > 0) {
    std::snprintf(buffer, size, "%s", error->error.message.c_str());
  }
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIAttrSet(void* target, std::uint32_t type,
                                                      void* attribute, std::uint32_t size,
                                                      std::uint32_t which, void*) {
  auto* handle = static_cast<Handle*>(target);
  if (handle == nullptr) return kInvalidHandle;
  if (type == kHtypeSession && (which == kAttrUsername || which == kAttrPassword)) {
    std::string& field = which == kAttrUsername ? handle->username : handle->password;
    field.assign(static_cast<const char*>(attribute), size);
  } else if (type == kHtypeSvcCtx && which == kAttrServer) {
    handle->server = static_cast<Handle*>(attribute);
  }
  // Every other setting (driver name, statement cache, prefetch, ...) changes
  // nothing this double does.
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIAttrGet(const void* target, std::uint32_t type,
                                                      void* attribute, std::uint32_t* size,
                                                      std::uint32_t which, void* error) {
  const auto* handle = static_cast<const Handle*>(target);
  if (handle == nullptr) return kInvalidHandle;
  switch (type) {
    case kHtypeEnv:
    case kHtypeServer:
      if (which == kAttrCharsetId || which == kAttrNcharsetId) return Put<std::uint16_t>(attribute, kCharsetUtf8);
      if (which == kAttrServerStatus) return Put<std::uint32_t>(attribute, 1);
      break;
    case kHtypeStmt:
      if (which == kAttrStmtType) {
        const bool query = StartsWithWord(handle->sql, "select") || StartsWithWord(handle->sql, "with");
        return Put<std::uint16_t>(attribute, query ? 1 : 2);
      }
      if (which == kAttrParamCount) return Put<std::uint32_t>(attribute, static_cast<std::uint32_t>(handle->columns.size()));
      if (which == kAttrRowsFetched) return Put<std::uint32_t>(attribute, handle->rows_fetched);
      if (which == kAttrRowCount) return Put<std::uint32_t>(attribute, handle->row_count);
      if (which == kAttrUb8RowCount) return Put<std::uint64_t>(attribute, handle->row_count);
      break;
    case kDtypeParam:
    case kHtypeDescribe: {
      const Column* column = handle->column;
      if (column == nullptr) break;
      switch (which) {
        case kAttrDataType:
          return Put<std::uint16_t>(attribute, column->type);
        case kAttrName:
          return CopyText(column->name, attribute, size);
        case kAttrPrecision:
          return Put<std::int16_t>(attribute, column->precision);
        case kAttrScale:
          return Put<std::int8_t>(attribute, column->scale);
        case kAttrIsNull:
          return Put<std::uint8_t>(attribute, 1);
        case kAttrCharsetForm:
          return Put<std::uint8_t>(attribute, 1);
        case kAttrDataSize:
          return Put<std::uint16_t>(attribute, column->type == kSqltChr ? kTextColumnBytes : kNumberSize);
        case kAttrCharSize:
          return Put<std::uint16_t>(attribute, column->type == kSqltChr ? kTextColumnBytes : 0);
        default:
          break;
      }
      break;
    }
    case kHtypeSession:
      if (which == kAttrTransactionInProgress) return Put<int>(attribute, 0);
      break;
    case kHtypeError:
      if (which == kAttrErrorIsRecoverable) return Put<int>(attribute, 0);
      break;
    default:
      break;
  }
  (void)error;
  // Settings this double does not keep are left as the caller initialised
  // them, which ODPI-C reads as "not set".
  if (size != nullptr) *size = 0;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIServerAttach(void* server, void* error,
                                                           const char* link, std::int32_t length,
                                                           std::uint32_t) {
  const std::string descriptor(link != nullptr ? link : "", static_cast<std::size_t>(std::max(length, 0)));
  if (Env("LUMORA_OCI_DOUBLE_CONNECT") == "no-listener") {
    return Fail(error, 12541, "ORA-12541: TNS:no listener");
  }
  std::string file = Env("LUMORA_OCI_DOUBLE_DATABASE");
  if (file.empty()) file = DescriptorValue(descriptor, "HOST");
  if (file.empty()) {
    return Fail(error, 12545, "ORA-12545: Connect failed because target host or object does not exist");
  }
  try {
    static_cast<Handle*>(server)->engine = lumora::OpenSqliteEngine(file);
  } catch (const std::exception& e) {
    return Fail(error, 12514, std::string("ORA-12514: TNS:listener does not currently know of service "
                                          "requested in connect descriptor (") + e.what() + ")");
  }
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIServerDetach(void* server, void*, std::uint32_t) {
  static_cast<Handle*>(server)->engine.reset();
  return kSuccess;
}

__attribute__((visibility("default"))) int OCISessionBegin(void* svc, void* error, void* session,
                                                           std::uint32_t, std::uint32_t) {
  auto* user = static_cast<Handle*>(session);
  if (Env("LUMORA_OCI_DOUBLE_CONNECT") == "invalid-login" || user->username.empty()) {
    return Fail(error, 1017, "ORA-01017: invalid username/password; logon denied");
  }
  (void)svc;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCISessionEnd(void*, void*, void*, std::uint32_t) {
  return kSuccess;
}

__attribute__((visibility("default"))) int OCITransRollback(void*, void*, std::uint32_t) {
  return kSuccess;
}

__attribute__((visibility("default"))) int OCITransCommit(void*, void*, std::uint32_t) {
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIPing(void*, void*, std::uint32_t) { return kSuccess; }

__attribute__((visibility("default"))) int OCIBreak(void*, void*) { return kSuccess; }

__attribute__((visibility("default"))) int OCIServerRelease(void*, void*, char* buffer,
                                                            std::uint32_t size, std::uint8_t,
                                                            std::uint32_t* version) {
  if (buffer != nullptr && size > 0) std::snprintf(buffer, size, "Oracle Database 19c (test double)");
  *version = (19u << 24) | (3u << 20);
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIServerRelease2(void* handle, void* error, char* buffer,
                                                             std::uint32_t size, std::uint8_t type,
                                                             std::uint32_t* version, std::uint32_t) {
  return OCIServerRelease(handle, error, buffer, size, type, version);
}

__attribute__((visibility("default"))) int OCIStmtPrepare2(void* svc, void** stmt, void*,
                                                           const char* text, std::uint32_t length,
                                                           const char*, std::uint32_t,
                                                           std::uint32_t, std::uint32_t) {
  auto* created = new Handle;  // owned by the caller until OCIStmtRelease
  created->type = kHtypeStmt;
  created->svc = static_cast<Handle*>(svc);
  created->sql.assign(text, length);
  *stmt = created;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIStmtRelease(void* stmt, void*, const char*,
                                                          std::uint32_t, std::uint32_t) {
  delete static_cast<Handle*>(stmt);
  return kSuccess;
}

namespace {

int BindByName(void* stmt, void** bind_handle, const char* name, std::int32_t name_length,
               void* value, std::int64_t size, std::uint16_t type, void* indicator, void* length,
               bool wide) {
  auto& statement = *static_cast<Handle*>(stmt);
  auto bind = std::make_unique<Handle>();
  bind->type = kHtypeBind;
  std::string text(name, static_cast<std::size_t>(name_length));
  if (!text.empty() && text.front() == ':') text.erase(0, 1);
  bind->bind = Bind{text, value, size, type, static_cast<std::int16_t*>(indicator), length, wide};
  *bind_handle = bind.get();
  statement.binds.push_back(std::move(bind));
  return kSuccess;
}

int DefineByPos(void* stmt, void** define_handle, std::uint32_t position, void* value,
                std::int64_t size, std::uint16_t type, void* indicators, void* lengths,
                std::uint16_t* codes, bool wide) {
  auto& statement = *static_cast<Handle*>(stmt);
  auto define = std::make_unique<Handle>();
  define->type = kHtypeDefine;
  define->define =
      Define{value, size, type, static_cast<std::int16_t*>(indicators), lengths, wide, codes};
  *define_handle = define.get();
  statement.defines[position] = std::move(define);
  return kSuccess;
}

}  // namespace

__attribute__((visibility("default"))) int OCIBindByName(void* stmt, void** bind, void*,
                                                         const char* name, std::int32_t name_length,
                                                         void* value, std::int32_t size,
                                                         std::uint16_t type, void* indicator,
                                                         std::uint16_t* length, std::uint16_t*,
                                                         std::uint32_t, std::uint32_t*,
                                                         std::uint32_t) {
  return BindByName(stmt, bind, name, name_length, value, size, type, indicator, length, false);
}

__attribute__((visibility("default"))) int OCIBindByName2(void* stmt, void** bind, void*,
                                                          const char* name, std::int32_t name_length,
                                                          void* value, std::int64_t size,
                                                          std::uint16_t type, void* indicator,
                                                          std::uint32_t* length, std::uint16_t*,
                                                          std::uint32_t, std::uint32_t*,
                                                          std::uint32_t) {
  return BindByName(stmt, bind, name, name_length, value, size, type, indicator, length, true);
}

__attribute__((visibility("default"))) int OCIDefineByPos(void* stmt, void** define, void*,
                                                          std::uint32_t position, void* value,
                                                          std::int32_t size, std::uint16_t type,
                                                          void* indicators, std::uint16_t* lengths,
                                                          std::uint16_t* codes, std::uint32_t) {
  return DefineByPos(stmt, define, position, value, size, type, indicators, lengths, codes, false);
}

__attribute__((visibility("default"))) int OCIDefineByPos2(void* stmt, void** define, void*,
                                                           std::uint32_t position, void* value,
                                                           std::uint64_t size, std::uint16_t type,
                                                           void* indicators, std::uint32_t* lengths,
                                                           std::uint16_t* codes, std::uint32_t) {
  return DefineByPos(stmt, define, position, value, static_cast<std::int64_t>(size), type,
                     indicators, lengths, codes, true);
}

__attribute__((visibility("default"))) int OCIStmtExecute(void* svc, void* stmt, void* error,
                                                          std::uint32_t, std::uint32_t, const void*,
                                                          void*, std::uint32_t) {
  auto& statement = *static_cast<Handle*>(stmt);
  auto* context = static_cast<Handle*>(svc);
  if (context == nullptr || context->server == nullptr || !context->server->engine) {
    return Fail(error, 3114, "ORA-03114: not connected to ORACLE");
  }
  if (!StartsWithWord(statement.sql, "select") && !StartsWithWord(statement.sql, "with")) {
    return Fail(error, 900, "ORA-00900: invalid SQL statement (the test double serves queries only)");
  }
  std::vector<lumora::DbParameter> parameters;
  for (const auto& bind : statement.binds) {
    parameters.push_back({bind->bind.name, BindValue(bind->bind)});
  }
  try {
    statement.pending.clear();
    statement.exhausted = false;
    statement.row_count = 0;
    statement.cursor = context->server->engine->Execute(statement.sql, parameters, false);
    Describe(statement);
  } catch (const std::exception& e) {
    statement.cursor.reset();
    return Fail(error, 904, std::string("ORA-00904: ") + e.what());
  }
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIParamGet(const void* handle, std::uint32_t,
                                                       void* error, void** parameter,
                                                       std::uint32_t position) {
  const auto& statement = *static_cast<const Handle*>(handle);
  if (position == 0 || position > statement.columns.size()) {
    return Fail(error, 24334, "ORA-24334: no descriptor for this position");
  }
  auto* descriptor = new Handle;  // owned by the caller until OCIDescriptorFree
  descriptor->type = kDtypeParam;
  descriptor->column = &statement.columns[position - 1];
  *parameter = descriptor;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIStmtFetch2(void* stmt, void* error, std::uint32_t rows,
                                                         std::uint16_t, std::int32_t, std::uint32_t) {
  auto& statement = *static_cast<Handle*>(stmt);
  statement.rows_fetched = 0;
  if (!statement.cursor) return Fail(error, 1002, "ORA-01002: fetch out of sequence");
  try {
    std::vector<DbValue> row;
    while (statement.rows_fetched < rows && NextRow(statement, row)) {
      for (const auto& [position, define] : statement.defines) {
        if (position == 0 || position > row.size()) continue;
        if (!StoreValue(define->define, statement.rows_fetched, row[position - 1])) {
          return Fail(error, 1406, "ORA-01406: fetched column value was truncated");
        }
      }
      ++statement.rows_fetched;
      ++statement.row_count;
    }
  } catch (const std::exception& e) {
    return Fail(error, 1722, std::string("ORA-01722: ") + e.what());
  }
  return statement.rows_fetched < rows ? kNoData : kSuccess;
}

__attribute__((visibility("default"))) int OCINumberToReal(void*, const void* number, unsigned int length,
                                                           void* result) {
  const double value = ReadNumber(number);
  if (length == sizeof(float)) {
    const auto narrow = static_cast<float>(value);
    std::memcpy(result, &narrow, sizeof narrow);
  } else {
    std::memcpy(result, &value, sizeof value);
  }
  return kSuccess;
}

__attribute__((visibility("default"))) int OCINumberToInt(void*, const void* number, unsigned int length,
                                                          unsigned int, void* result) {
  const auto value = static_cast<std::int64_t>(ReadNumber(number));
  if (length == sizeof(std::int32_t)) {
    const auto narrow = static_cast<std::int32_t>(value);
    std::memcpy(result, &narrow, sizeof narrow);
  } else {
    std::memcpy(result, &value, sizeof value);
  }
  return kSuccess;
}

__attribute__((visibility("default"))) int OCINumberFromInt(void*, const void* integer, unsigned int length,
                                                            unsigned int, void* number) {
  std::int64_t value = 0;
  if (length == sizeof(std::int32_t)) {
    std::int32_t narrow = 0;
    std::memcpy(&narrow, integer, sizeof narrow);
    value = narrow;
  } else {
    std::memcpy(&value, integer, sizeof value);
  }
  WriteNumber(number, static_cast<double>(value));
  return kSuccess;
}

__attribute__((visibility("default"))) int OCINumberFromReal(void*, const void* real, unsigned int length,
                                                             void* number) {
  double value = 0;
  if (length == sizeof(float)) {
    float narrow = 0;
    std::memcpy(&narrow, real, sizeof narrow);
    value = narrow;
  } else {
    std::memcpy(&value, real, sizeof value);
  }
  WriteNumber(number, value);
  return kSuccess;
}

__attribute__((visibility("default"))) int OCINlsNumericInfoGet(void*, void*, std::int32_t* value,
                                                                std::uint16_t) {
  *value = 4;  // the most bytes one UTF-8 character takes
  return kSuccess;
}

__attribute__((visibility("default"))) std::uint16_t OCINlsCharSetNameToId(void*, const char* name) {
  const std::string text = lumora::AsciiUpper(name != nullptr ? name : "");
  return text == "AL32UTF8" || text == "UTF8" || text == "UTF-8" ? kCharsetUtf8 : 0;
}

__attribute__((visibility("default"))) int OCINlsCharSetIdToName(void*, char* buffer, std::size_t size,
                                                                 std::uint16_t id) {
  if (id != kCharsetUtf8) return kError;
  std::snprintf(buffer, size, "AL32UTF8");
  return kSuccess;
}

__attribute__((visibility("default"))) int OCINlsNameMap(void*, char* buffer, std::size_t size,
                                                         const char* source, std::uint32_t flag) {
  const std::string text = lumora::AsciiUpper(source != nullptr ? source : "");
  if (flag == 1 && text == "AL32UTF8") {
    std::snprintf(buffer, size, "UTF-8");
  } else if (flag == 0 && (text == "UTF-8" || text == "UTF8")) {
    std::snprintf(buffer, size, "AL32UTF8");
  } else {
    return kError;
  }
  return kSuccess;
}

__attribute__((visibility("default"))) int OCINlsEnvironmentVariableGet(void* value, std::size_t,
                                                                        std::uint16_t, std::uint16_t,
                                                                        std::size_t* size) {
  *static_cast<std::uint16_t*>(value) = kCharsetUtf8;
  if (size != nullptr) *size = sizeof(std::uint16_t);
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIThreadKeyInit(void*, void*, void** key, void* destructor) {
  auto* created = new ThreadKey;  // freed by OCIThreadKeyDestroy
  created->destructor = reinterpret_cast<void (*)(void*)>(destructor);
  *key = created;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIThreadKeyDestroy(void*, void*, void** key) {
  if (tls_values != nullptr) tls_values->erase(*key);
  delete static_cast<ThreadKey*>(*key);
  *key = nullptr;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIThreadKeyGet(void*, void*, void* key, void** value) {
  *value = nullptr;
  if (tls_values == nullptr) return kSuccess;
  const auto found = tls_values->find(key);
  if (found != tls_values->end()) *value = found->second;
  return kSuccess;
}

__attribute__((visibility("default"))) int OCIThreadKeySet(void*, void*, void* key, void* value) {
  if (tls_values == nullptr) {
    if (value == nullptr) return kSuccess;
    (void)&tls_reaper;  // constructs this thread's reaper
    tls_values = new ThreadValues;  // freed by the reaper at thread end
  }
  (*tls_values)[key] = value;
  return kSuccess;
}

}  // extern "C"
